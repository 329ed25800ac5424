// Helpers shared by the colour tests: log capture and colour inspection.
#pragma once

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "css/colours/ColorParse.h"
#include "platform/Log.h"
#include "platform/StringFormatStream.h"

namespace colour_test {

// Collects every warning written while it lives and restores the previous
// log handler afterwards.
class WarningLog {
  public:
    WarningLog() {
        previous_ = Core::Log::setHandler([this](Core::Log::Level level, const Core::String& text) {
            if (level == Core::Log::Level::Warning)
                warnings_.push_back(text);
        });
    }
    ~WarningLog() { Core::Log::setHandler(std::move(previous_)); }
    WarningLog(const WarningLog&) = delete;
    WarningLog& operator=(const WarningLog&) = delete;

    const std::vector<Core::String>& warnings() const { return warnings_; }

  private:
    Core::Log::Handler previous_;
    std::vector<Core::String> warnings_;
};

// The text warning id with argument must have produced.
inline Core::String expectedWarning(int id, const Core::String& argument) {
    return (Core::StringFormatStream(Core::String::loadString(id)) << argument).getString();
}

inline std::string narrow(const Core::String& text) {
    std::string out;
    for (int i = 0; i < text.length(); ++i)
        out += static_cast<char>(text[i]);
    return out;
}

// The RGB value of an attribute that must hold an RGBColor.
inline Drawing::RGBValue rgbOf(const Xml::ColorAttribute& attribute) {
    const auto* rgb = dynamic_cast<const Drawing::RGBColor*>(attribute.getValue().get());
    EXPECT_NE(rgb, nullptr) << "not an RGB colour";
    return rgb == nullptr ? Drawing::RGBValue{} : rgb->toRGB();
}

template <class T>
const T* as(const Xml::ColorAttribute& attribute) {
    return dynamic_cast<const T*>(attribute.getValue().get());
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
