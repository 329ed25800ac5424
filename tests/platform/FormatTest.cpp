#include "platform/Format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <optional>

namespace {

// One text through the four number readers: the whole-text forms (empty:
// refused, the target untouched) and the leading-number forms.
struct NumberCase {
    const wchar_t* text;
    std::optional<int> wholeInt;
    std::optional<float> wholeFloat;
    int leadingInt;
    float leadingFloat;
};

constexpr std::nullopt_t no = std::nullopt;

// clang-format off
const NumberCase kNumberCases[] = {
    // signs, blanks, "%", leading zeros
    {L"+12", 12, 12.f, 12, 12.f},                 {L"-1.5", no, -1.5f, -1, -1.5f},
    {L"  \t7", 7, 7.f, 7, 7.f},                   {L"7  ", 7, 7.f, 7, 7.f},
    {L"50%", 50, 50.f, 50, 50.f},                 {L"50% ", 50, 50.f, 50, 50.f},
    {L"12.5% ", no, 12.5f, 12, 12.5f},            {L"0007", 7, 7.f, 7, 7.f},
    {L"+1.5", no, 1.5f, 1, 1.5f},                 {L" 0.1", no, 0.1f, 0, 0.1f},
    // fractions and exponents
    {L".5", no, 0.5f, 0, 0.5f},                   {L"5.", no, 5.f, 5, 5.f},
    {L"1e3", no, 1000.f, 1, 1000.f},              {L"1E-2", no, 0.01f, 1, 0.01f},
    {L"2.5e+1", no, 25.f, 2, 25.f},               {L"1e-40", no, 1e-40f, 1, 1e-40f},
    {L"16777217", 16777217, 16777216.f, 16777217, 16777216.f},  // ties to even
    // the ranges: refused whole, clamped leading
    {L"2147483647", INT_MAX, 2147483648.f, INT_MAX, 2147483648.f},
    {L"-2147483648", INT_MIN, -2147483648.f, INT_MIN, -2147483648.f},
    {L"2147483648", no, 2147483648.f, INT_MAX, 2147483648.f},
    {L"-2147483649", no, -2147483648.f, INT_MIN, -2147483648.f},
    {L"99999999999", no, 1e11f, INT_MAX, 1e11f},  {L"-99999999999px", no, no, INT_MIN, -1e11f},
    {L"3.4028235e38", no, FLT_MAX, 3, FLT_MAX},   {L"3.5e38", no, no, 3, FLT_MAX},
    {L"-1e39", no, no, -1, -FLT_MAX},             {L"-1e999999999999", no, no, -1, -FLT_MAX},
    {L"1e-60", no, 0.f, 1, 0.f},                  {L"1e-999999999999", no, 0.f, 1, 0.f},
    // junk: the leading forms take the longest number, or 0
    {L"", no, no, 0, 0.f},        {L"   ", no, no, 0, 0.f},     {L"+", no, no, 0, 0.f},
    {L"-", no, no, 0, 0.f},       {L".", no, no, 0, 0.f},       {L"%", no, no, 0, 0.f},
    {L"e5", no, no, 0, 0.f},      {L"--1", no, no, 0, 0.f},     {L"- 1", no, no, 0, 0.f},
    {L"abc", no, no, 0, 0.f},     {L"inf", no, no, 0, 0.f},     {L"nan", no, no, 0, 0.f},
    {L"0x10", no, no, 0, 0.f},    {L"0x1p3", no, no, 0, 0.f},   {L"1e", no, no, 1, 1.f},
    {L"1e+", no, no, 1, 1.f},     {L"1 2", no, no, 1, 1.f},     {L"+7 8", no, no, 7, 7.f},
    {L"1,5", no, no, 1, 1.f},     {L"1%%", no, no, 1, 1.f},     {L"50%%", no, no, 50, 50.f},
    {L"12px", no, no, 12, 12.f},  {L"1.5pt", no, no, 1, 1.5f},  {L".5in", no, no, 0, 0.5f},
    {L"1e5x", no, no, 1, 1e5f},   {L"  -3.5mm", no, no, -3, -3.5f},
};
// clang-format on

TEST(Format, NumberReaders) {
    for (const NumberCase& c : kNumberCases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const Core::String text(c.text);
        int i = 4242;
        float f = 42.5f;
        EXPECT_EQ(Core::Format::parseInt(text, i), c.wholeInt.has_value());
        EXPECT_EQ(i, c.wholeInt.value_or(4242));
        EXPECT_EQ(Core::Format::parseFloat(text, f), c.wholeFloat.has_value());
        EXPECT_EQ(f, c.wholeFloat.value_or(42.5f));
        EXPECT_EQ(Core::Format::parseInt(text), c.leadingInt);
        EXPECT_EQ(Core::Format::parseFloat(text), c.leadingFloat);
    }
    float zero = 1;
    ASSERT_TRUE(Core::Format::parseFloat(Core::String(L"-0"), zero));
    EXPECT_TRUE(std::signbit(zero));
}

TEST(Format, LongDigitStringsConvert) {
    float out = 0;
    ASSERT_TRUE(Core::Format::parseFloat(Core::String(std::string(100, '0') + "1.25"), out));
    EXPECT_EQ(out, 1.25f);
    int n = 0;
    ASSERT_TRUE(Core::Format::parseInt(Core::String(std::string(80, '0') + "42"), n));
    EXPECT_EQ(n, 42);
}

TEST(Format, ParseHexInt) {
    // clang-format off
    const struct { const wchar_t* text; std::optional<int> value; } cases[] = {
        {L"ff", 255},  {L"FF", 255},  {L"0x1A", 26}, {L"0", 0},    {L"ffffffff", -1}, {L"0x", no},
        {L"", no},     {L"g1", no},   {L" ff", no},  {L"ff ", no}, {L"-1", no},       {L"0X1", no},
        {L"100000000", no}};
    // clang-format on
    for (const auto& c : cases) {
        int out = 7;
        EXPECT_EQ(Core::Format::parseHexInt(Core::String(c.text), out), c.value.has_value())
            << c.text;
        EXPECT_EQ(out, c.value.value_or(7)) << c.text;
    }
}

}  // namespace
