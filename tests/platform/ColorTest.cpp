#include "platform/Color.h"

#include <gtest/gtest.h>

#include "platform/SpotColor.h"

namespace {

using Core::SmartPtr;
using Drawing::ColorSubstitute;

// Reads a colour function and reports what it gave; the substitute is left
// as it was on false.
ColorSubstitute parsed(const wchar_t* text, bool expected) {
    ColorSubstitute out;
    out.setRGB(1, 2, 3);  // a marker that a false result must keep
    EXPECT_EQ(ColorSubstitute::parseColorFunctionString(Core::String(text), out), expected)
        << "text: " << Core::String(text).length();
    return out;
}

TEST(ColorSubstitute, ReadsRgbAndCmykFunctions) {
    const ColorSubstitute rgb = parsed(L"  rgb(10, 20,255)", true);
    EXPECT_TRUE(rgb.hasRGBSubstitute());
    EXPECT_FALSE(rgb.hasCMYKSubstitute());
    EXPECT_EQ(rgb.getR(), 10);
    EXPECT_EQ(rgb.getG(), 20);
    EXPECT_EQ(rgb.getB(), 255);

    const ColorSubstitute cmyk = parsed(L"cmyk(0,0.2,50%,1)", true);
    EXPECT_TRUE(cmyk.hasCMYKSubstitute());
    EXPECT_FALSE(cmyk.hasRGBSubstitute());
    EXPECT_EQ(cmyk.getC(), 0.0);
    EXPECT_EQ(cmyk.getM(), static_cast<double>(0.2f));
    EXPECT_EQ(cmyk.getY(), 0.5);
    EXPECT_EQ(cmyk.getK(), 1.0);
}

TEST(ColorSubstitute, RejectsEverythingElseAndKeepsTheTarget) {
    for (const wchar_t* text : {L"", L"  ", L"rgb(1,2)", L"rgb(1,2,3,4)", L"rgb(1,2,3) x",
                                L"rgb(1,2,3)x", L"rgb(256,0,0)", L"rgb(-1,0,0)", L"rgb(50%,0,0)",
                                L"rgb(1.5,0,0)", L"rgba(1,2,3)", L"RGB(1,2,3)", L"cmyk(0,0,0)",
                                L"cmyk(0,0,0,x)", L"cmyk(0,0,0,0", L"x rgb(1,2,3)", L"red"}) {
        const ColorSubstitute out = parsed(text, false);
        EXPECT_TRUE(out.hasRGBSubstitute() && out.getR() == 1 && !out.hasCMYKSubstitute());
    }
}

TEST(SpotColorMapper, KnowsOnlyWhatItWasTaught) {
    Drawing::SpotColorMapper::clearColorSubstitutes();
    EXPECT_FALSE(Drawing::SpotColorMapper::getColorSubstitute(L"Gold").hasRGBSubstitute());

    ColorSubstitute gold;
    gold.setCMYK(0, 0.2, 0.6, 0);
    Drawing::SpotColorMapper::setColorSubstitute(L"Gold", gold);
    EXPECT_EQ(Drawing::SpotColorMapper::getColorSubstitute(L"Gold"), gold);
    EXPECT_FALSE(Drawing::SpotColorMapper::getColorSubstitute(L"gold").hasCMYKSubstitute());

    Drawing::SpotColorMapper::clearColorSubstitutes();
    EXPECT_EQ(Drawing::SpotColorMapper::getColorSubstitute(L"Gold"), ColorSubstitute());
}

TEST(Color, CloneIsANewObjectOfTheSameValue) {
    const SmartPtr<Drawing::Color> rgb = new Drawing::RGBColor(1, 2, 3);
    const SmartPtr<Drawing::Color> rgbCopy = rgb->clone();
    ASSERT_NE(rgbCopy.get(), rgb.get());
    EXPECT_EQ(rgbCopy->toRGB(), (Drawing::RGBValue{1, 2, 3}));
    EXPECT_EQ(rgb->getRefCount(), 1);
    EXPECT_EQ(rgbCopy->getRefCount(), 1);

    const float components[4] = {0.5f, 0.25f, 0.125f, 1.0f};
    const SmartPtr<Drawing::ICCColorSpace> space = new Drawing::ICCColorSpace(L"Coated");
    const SmartPtr<Drawing::ICCColor> icc = new Drawing::ICCColor(3, components, space);
    icc->setFallBack(9, 8, 7);
    const SmartPtr<Drawing::Color> iccCopy = icc->clone();
    const auto* copy = dynamic_cast<const Drawing::ICCColor*>(iccCopy.get());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getColorCount(), 3);
    EXPECT_EQ(copy->getColor(2), 0.125f);
    EXPECT_EQ(copy->getColor(3), 0.0f);  // past the count
    EXPECT_EQ(copy->getFallBackB(), 7);
    EXPECT_EQ(copy->getColorSpace().get(), space.get());

    const SmartPtr<Drawing::Color> spot =
        new Drawing::SpotColor(L"Gold", 0.5f, 0.f, 0.2f, 0.6f, 0.f);
    const SmartPtr<Drawing::Color> spotCopy = spot->clone();
    const auto* spotValue = dynamic_cast<const Drawing::SpotColor*>(spotCopy.get());
    ASSERT_NE(spotValue, nullptr);
    EXPECT_TRUE(spotValue->getColorName() == L"Gold");
    EXPECT_EQ(spotValue->getTint(), 0.5f);
    EXPECT_EQ(spotValue->getColorSubstitute().getM(), static_cast<double>(0.2f));
}

TEST(Color, ConvertsToRGB) {
    EXPECT_EQ(Drawing::CMYKColor(0, 1, 1, 0).toRGB(), (Drawing::RGBValue{255, 0, 0}));
    EXPECT_EQ(Drawing::CMYKColor(0, 0, 0, 0.5).toRGB(), (Drawing::RGBValue{128, 128, 128}));
    EXPECT_EQ(Drawing::CMYKColor(-1, 2, 0, 0).toRGB(), (Drawing::RGBValue{255, 0, 255}));
    // A spot colour is its substitute lightened by the tint.
    EXPECT_EQ(
        Drawing::SpotColor(L"S", 0.5f, std::uint8_t{0}, std::uint8_t{255}, std::uint8_t{0}).toRGB(),
        (Drawing::RGBValue{128, 255, 128}));
    EXPECT_DOUBLE_EQ(Drawing::RGBColor(255, 255, 255).getLuminance(), 1.0);
    EXPECT_DOUBLE_EQ(Drawing::RGBColor(0, 0, 0).getLuminance(), 0.0);
}

}  // namespace
