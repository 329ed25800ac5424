// Helpers shared by the colour tests: warnings and colour inspection.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "css/colours/ColorParse.h"
#include "platform/StringFormatStream.h"
#include "tests/support/LogCapture.h"

namespace colour_test {

using test_support::LogCapture;

// The text warning id with argument must have produced.
inline Core::String expectedWarning(int id, const Core::String& argument) {
    return (Core::StringFormatStream(Core::String::loadString(id)) << argument).getString();
}

inline std::string narrow(const Core::String& text) {
    return std::string(text.view().begin(), text.view().end());
}

// The RGB value of a colour that must be an RGBColor.
inline Drawing::RGBValue rgbOf(const Xml::SmartPtr<Drawing::Color>& colour) {
    const auto* rgb = dynamic_cast<const Drawing::RGBColor*>(colour.get());
    EXPECT_NE(rgb, nullptr) << "not an RGB colour";
    return rgb == nullptr ? Drawing::RGBValue{} : rgb->toRGB();
}

// An RGB colour that counts the objects alive, so tests can see leaks and
// double releases; clones are counted too.
class CountedColor : public Drawing::RGBColor {
  public:
    CountedColor() : RGBColor(1, 2, 3) { ++alive; }
    CountedColor(const CountedColor& other) : RGBColor(other) { ++alive; }
    ~CountedColor() override { --alive; }
    Core::SmartPtr<Drawing::Color> clone() const override { return new CountedColor(*this); }

    static inline int alive = 0;
};

}  // namespace colour_test
