#include "platform/Format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

namespace {

struct IntCase {
    const wchar_t* text;
    bool accepted;
    int value;
};
void PrintTo(const IntCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class ParseIntChecked : public testing::TestWithParam<IntCase> {};

TEST_P(ParseIntChecked, AcceptsWholeNumberOrLeavesOutUntouched) {
    const IntCase& c = GetParam();
    int out = 4242;
    EXPECT_EQ(Core::Format::parseInt(Core::String(c.text), out), c.accepted) << c.text;
    EXPECT_EQ(out, c.accepted ? c.value : 4242) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Format, ParseIntChecked,
    testing::Values(IntCase{L"12", true, 12}, IntCase{L"+12", true, 12}, IntCase{L"-12", true, -12},
                    IntCase{L"  \t7", true, 7}, IntCase{L"7  ", true, 7}, IntCase{L"50%", true, 50},
                    IntCase{L"50% ", true, 50}, IntCase{L"2147483647", true, INT_MAX},
                    IntCase{L"-2147483648", true, INT_MIN}, IntCase{L"0007", true, 7},
                    IntCase{L"2147483648", false, 0}, IntCase{L"-2147483649", false, 0},
                    IntCase{L"", false, 0}, IntCase{L"   ", false, 0}, IntCase{L"+", false, 0},
                    IntCase{L"-", false, 0}, IntCase{L"1.5", false, 0}, IntCase{L"12px", false, 0},
                    IntCase{L"50%%", false, 0}, IntCase{L"%", false, 0}, IntCase{L"0x10", false, 0},
                    IntCase{L"1 2", false, 0}, IntCase{L"--1", false, 0},
                    IntCase{L"abc", false, 0}));

struct FloatCase {
    const wchar_t* text;
    bool accepted;
    float value;
};
void PrintTo(const FloatCase& c, std::ostream* os) { *os << testing::PrintToString(c.text); }

class ParseFloatChecked : public testing::TestWithParam<FloatCase> {};

TEST_P(ParseFloatChecked, AcceptsWholeNumberOrLeavesOutUntouched) {
    const FloatCase& c = GetParam();
    float out = 42.5f;
    EXPECT_EQ(Core::Format::parseFloat(Core::String(c.text), out), c.accepted) << c.text;
    EXPECT_EQ(out, c.accepted ? c.value : 42.5f) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Format, ParseFloatChecked,
    testing::Values(FloatCase{L"1.5", true, 1.5f}, FloatCase{L"+1.5", true, 1.5f},
                    FloatCase{L"-1.5", true, -1.5f}, FloatCase{L".5", true, 0.5f},
                    FloatCase{L"5.", true, 5.0f}, FloatCase{L"1e3", true, 1000.0f},
                    FloatCase{L"1E-2", true, 0.01f}, FloatCase{L"2.5e+1", true, 25.0f},
                    FloatCase{L" 0.1", true, 0.1f}, FloatCase{L"12.5% ", true, 12.5f},
                    FloatCase{L"3.4028235e38", true, FLT_MAX}, FloatCase{L"1e-60", true, 0.0f},
                    FloatCase{L"3.5e38", false, 0}, FloatCase{L"-1e39", false, 0},
                    FloatCase{L".", false, 0}, FloatCase{L"", false, 0}, FloatCase{L"e5", false, 0},
                    FloatCase{L"1e", false, 0}, FloatCase{L"1e+", false, 0},
                    FloatCase{L"inf", false, 0}, FloatCase{L"nan", false, 0},
                    FloatCase{L"0x1p3", false, 0}, FloatCase{L"1.5pt", false, 0},
                    FloatCase{L"1,5", false, 0}, FloatCase{L"- 1", false, 0},
                    FloatCase{L"1%%", false, 0}));

TEST(Format, ParseFloatRoundsToNearestFloat) {
    float out = 0;
    ASSERT_TRUE(Core::Format::parseFloat(Core::String(L"0.1"), out));
    EXPECT_EQ(out, 0.1f);
    ASSERT_TRUE(Core::Format::parseFloat(Core::String(L"16777217"), out));
    EXPECT_EQ(out, 16777216.0f);  // ties to even
}

TEST(Format, ParseFloatKeepsSignOfZeroAndSubnormals) {
    float out = 1;
    ASSERT_TRUE(Core::Format::parseFloat(Core::String(L"-0"), out));
    EXPECT_TRUE(std::signbit(out));
    ASSERT_TRUE(Core::Format::parseFloat(Core::String(L"1e-40"), out));
    EXPECT_GT(out, 0.0f);
    EXPECT_LT(out, FLT_MIN);
}

TEST(Format, LongDigitStringsConvert) {
    float out = 0;
    const Core::String longText(std::string(100, '0') + "1.25");
    ASSERT_TRUE(Core::Format::parseFloat(longText, out));
    EXPECT_EQ(out, 1.25f);
    int n = 0;
    ASSERT_TRUE(Core::Format::parseInt(Core::String(std::string(80, '0') + "42"), n));
    EXPECT_EQ(n, 42);
}

TEST(Format, LeadingNumberFormsTakeLongestPrefix) {
    struct Case {
        const wchar_t* text;
        int asInt;
        float asFloat;
    };
    const Case cases[] = {
        {L"12pt", 12, 12.0f}, {L"  -3.5mm", -3, -3.5f}, {L"1e5x", 1, 1e5f}, {L"1e", 1, 1.0f},
        {L"2e+", 2, 2.0f},    {L".5in", 0, 0.5f},       {L"abc", 0, 0.0f},  {L"", 0, 0.0f},
        {L"-", 0, 0.0f},      {L".", 0, 0.0f},          {L"+7 8", 7, 7.0f}, {L"5.", 5, 5.0f},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Core::Format::parseInt(Core::String(c.text)), c.asInt) << c.text;
        EXPECT_EQ(Core::Format::parseFloat(Core::String(c.text)), c.asFloat) << c.text;
    }
}

TEST(Format, LeadingNumberFormsClampOutOfRange) {
    EXPECT_EQ(Core::Format::parseInt(Core::String(L"99999999999")), INT_MAX);
    EXPECT_EQ(Core::Format::parseInt(Core::String(L"-99999999999px")), INT_MIN);
    EXPECT_EQ(Core::Format::parseFloat(Core::String(L"1e39")), FLT_MAX);
    EXPECT_EQ(Core::Format::parseFloat(Core::String(L"-1e999999999999")), -FLT_MAX);
    EXPECT_EQ(Core::Format::parseFloat(Core::String(L"1e-999999999999")), 0.0f);
}

TEST(Format, ParseHexInt) {
    struct Case {
        const wchar_t* text;
        bool accepted;
        int value;
    };
    const Case cases[] = {
        {L"ff", true, 255},       {L"FF", true, 255}, {L"0x1A", true, 26}, {L"0", true, 0},
        {L"0x", false, 0},        {L"", false, 0},    {L"g1", false, 0},   {L" ff", false, 0},
        {L"ff ", false, 0},       {L"-1", false, 0},  {L"0X1", false, 0},  {L"ffffffff", true, -1},
        {L"100000000", false, 0},
    };
    for (const Case& c : cases) {
        int out = 7;
        EXPECT_EQ(Core::Format::parseHexInt(Core::String(c.text), out), c.accepted) << c.text;
        EXPECT_EQ(out, c.accepted ? c.value : 7) << c.text;
    }
}

}  // namespace
