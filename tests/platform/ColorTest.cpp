#include "platform/Color.h"

#include <gtest/gtest.h>

#include <optional>

#include "platform/SpotColor.h"

namespace {

using Core::SmartPtr;
using Drawing::ColorSubstitute;

ColorSubstitute rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    ColorSubstitute out;
    out.setRGB(r, g, b);
    return out;
}

ColorSubstitute cmyk(double c, double m, double y, double k) {
    ColorSubstitute out;
    out.setCMYK(c, m, y, k);
    return out;
}

TEST(ColorSubstitute, ReadsOneRgbOrCmykFunctionOrKeepsTheTarget) {
    const std::optional<ColorSubstitute> no;
    // clang-format off
    const struct { const wchar_t* text; std::optional<ColorSubstitute> value; } cases[] = {
        {L"  rgb(10, 20,255)", rgb(10, 20, 255)},  {L"cmyk(0,0.2,50%,1)", cmyk(0, 0.2f, 0.5, 1)},
        {L"", no},  {L"  ", no}, {L"rgb(1,2)", no}, {L"rgb(1,2,3,4)", no}, {L"rgb(1,2,3) x", no},
        {L"rgb(1,2,3)x", no}, {L"rgb(256,0,0)", no}, {L"rgb(-1,0,0)", no}, {L"rgb(50%,0,0)", no},
        {L"rgb(1.5,0,0)", no}, {L"rgba(1,2,3)", no}, {L"RGB(1,2,3)", no}, {L"cmyk(0,0,0)", no},
        {L"cmyk(0,0,0,x)", no}, {L"cmyk(0,0,0,0", no}, {L"x rgb(1,2,3)", no}, {L"red", no}};
    // clang-format on
    for (const auto& c : cases) {
        ColorSubstitute out = rgb(1, 2, 3);  // a marker that a false result must keep
        EXPECT_EQ(ColorSubstitute::parseColorFunctionString(Core::String(c.text), out),
                  c.value.has_value())
            << testing::PrintToString(c.text);
        EXPECT_EQ(out, c.value.value_or(rgb(1, 2, 3))) << testing::PrintToString(c.text);
    }
}

TEST(SpotColorMapper, KnowsOnlyWhatItWasTaught) {
    Drawing::SpotColorMapper::clearColorSubstitutes();
    EXPECT_EQ(Drawing::SpotColorMapper::getColorSubstitute(L"Gold"), ColorSubstitute());
    Drawing::SpotColorMapper::setColorSubstitute(L"Gold", cmyk(0, 0.2, 0.6, 0));
    EXPECT_EQ(Drawing::SpotColorMapper::getColorSubstitute(L"Gold"), cmyk(0, 0.2, 0.6, 0));
    EXPECT_EQ(Drawing::SpotColorMapper::getColorSubstitute(L"gold"), ColorSubstitute());
    Drawing::SpotColorMapper::clearColorSubstitutes();
    EXPECT_EQ(Drawing::SpotColorMapper::getColorSubstitute(L"Gold"), ColorSubstitute());
}

TEST(Color, CloneIsANewObjectOfTheSameValue) {
    const SmartPtr<Drawing::Color> plain = new Drawing::RGBColor(1, 2, 3);
    const SmartPtr<Drawing::Color> plainCopy = plain->clone();
    ASSERT_NE(plainCopy.get(), plain.get());
    EXPECT_EQ(plainCopy->toRGB(), (Drawing::RGBValue{1, 2, 3}));
    EXPECT_TRUE(plain->getRefCount() == 1 && plainCopy->getRefCount() == 1);

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
        new Drawing::SpotColor(L"Gold", 0.5f, 0.f, 0.2f, 0.f, 0.f);
    const SmartPtr<Drawing::Color> spotCopy = spot->clone();
    const auto* spotValue = dynamic_cast<const Drawing::SpotColor*>(spotCopy.get());
    ASSERT_NE(spotValue, nullptr);
    EXPECT_TRUE(spotValue->getColorName() == L"Gold" && spotValue->getTint() == 0.5f);
    EXPECT_EQ(spotValue->getColorSubstitute(), cmyk(0, 0.2f, 0, 0));
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
