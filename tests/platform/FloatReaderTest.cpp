// The float reader's short route must give std::from_chars's float bit for
// bit. These rows sit on the edges of the route (significand 2^24, ten powers
// of ten) and of the grammar; the exhaustive sweep (FloatSweep.cpp) and the
// differential fuzz target cover the rest.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Format.h"

namespace {

// std::from_chars of the number the reader should find: the narrow units
// [0, length) without a leading "+", which from_chars does not take.
std::uint32_t referenceBits(std::string_view number) {
    if (!number.empty() && number[0] == '+')
        number.remove_prefix(1);
    float value = -1;
    const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
    EXPECT_EQ(result.ec, std::errc()) << number;
    EXPECT_EQ(result.ptr, number.data() + number.size()) << number;
    return std::bit_cast<std::uint32_t>(value);
}

struct Row {
    const char* text;
    int length;  // units the reader takes; the rest of the text follows the number
};

// clang-format off
const Row kRows[] = {
    // the significand bound: 2^24 takes the short route, 2^24 + 1 does not
    {"16777216", 8}, {"16777217", 8}, {"16777215", 8}, {"1677721.6", 9}, {"1677721.7", 9},
    {"16777216e10", 11}, {"16777217e10", 11}, {"16777216e-10", 12}, {"16777217e-10", 12},
    {"33554431", 8}, {"33554433", 8}, {"9007199254740993", 16}, {"0.16777217", 10},
    // ten and eleven powers of ten, either way
    {"1e10", 4}, {"1e11", 4}, {"3e10", 4}, {"7e11", 4}, {"1e-10", 5}, {"1e-11", 5},
    {"0.0000000001", 12}, {"0.00000000001", 13}, {"12345.6789012345", 16},
    {"9999999e10", 10}, {"9999999e-10", 11}, {"0.3", 3}, {"0.1", 3}, {"2.675", 5},
    // exponents that cancel the fraction, leading and trailing zeros
    {"12.5e1", 6}, {"125e-1", 6}, {"1.25e+1", 7}, {"0.000125e5", 10}, {"1250000e-5", 10},
    {"000000000000000000000012.5", 26}, {"12.500000000000000000000", 24}, {"0e99999", 7},
    {"0.0", 3}, {"00", 2}, {"1e0", 3}, {"1e-0", 4}, {"1E+00000000000000000000010", 26},
    // signs and points
    {"-0", 2}, {"+0", 2}, {"-0.0e5", 6}, {".5", 2}, {"-.5", 3}, {"5.", 2}, {"+5", 2},
    {"-5.e3", 5}, {"+.25", 4}, {"1e5", 3}, {"-1e5", 4},
    // numbers followed by units and other text
    {"12.5pt", 4}, {"1e5px", 3}, {"1e", 1}, {"1e+", 1}, {"1e-x", 1}, {"3.5.5", 3},
    {"7%", 1}, {"2,5", 1}, {"-1-2", 2}, {"4em", 1}, {"16777217cm", 8},
    // beyond the short route: long, tiny and huge numbers
    {"3.14159265358979323846264338327950288419716939937510", 52}, {"1e-40", 5},
    {"1.17549435e-38", 14}, {"3.4028235e38", 12}, {"123456789012345678901234567890", 30},
};
// clang-format on

TEST(FloatReader, EdgesOfTheShortRouteMatchFromChars) {
    for (const Row& row : kRows) {
        const std::string narrow(row.text);
        const std::wstring wide(narrow.begin(), narrow.end());
        SCOPED_TRACE(narrow);
        const auto scanned = Core::Format::scanFloat(wide.data(), wide.data() + wide.size());
        ASSERT_EQ(scanned.end - wide.data(), row.length);
        EXPECT_TRUE(scanned.inRange);
        const std::uint32_t expected = referenceBits(narrow.substr(0, row.length));
        EXPECT_EQ(std::bit_cast<std::uint32_t>(scanned.value), expected);
        // The leading-number form reads through the same reader.
        EXPECT_EQ(std::bit_cast<std::uint32_t>(Core::Format::parseFloat(wide)), expected);
    }
}

TEST(FloatReader, NoNumberReadsNothing) {
    for (const wchar_t* text : {L"", L"+", L"-", L".", L"-.", L"e5", L".e5", L" 1", L"inf"}) {
        const std::wstring_view view(text);
        const auto scanned = Core::Format::scanFloat(view.data(), view.data() + view.size());
        EXPECT_EQ(scanned.end, view.data()) << text;
        EXPECT_EQ(scanned.value, 0.f);
    }
}

}  // namespace
