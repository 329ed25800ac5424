#include "css/lengths/Length.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "tests/lengths/MeasureCases.h"

namespace {

using namespace measure_test;

TEST(LengthParse, NeedsAnExactSuffixOrALoneZero) {
    using enum Length::Unit;
    const wchar_t* kept = L"-77.5em";
    // clang-format off
    checkParses<Length>(Length(-77.5f, Em), {
        // every suffix and "12pt", ".5in", "0", "12 pt", "12PT", " 12pt" are examples
        // in docs/attributes.md
        {L"1.5pc", true, Length(1.5f, Pc), L"1.5pc"},  {L"-3mm", true, Length(-3, Mm), L"-3mm"},
        {L"+2em", true, Length(2, Em), L"2em"}, {L"-0.1ex", true, Length(-0.1f, Ex), L"-0.1ex"},
        // the characters before the suffix go to the converter as they are
        {L"-pt", true, Length(0, Pt), L"0pt"},  {L"1.5.5mm", true, Length(1.5f, Mm), L"1.5mm"},
        {L"5", false, {}, kept},     {L"00", false, {}, kept},   {L"0.0", false, {}, kept},
        {L"12pt ", false, {}, kept}, {L"pt", false, {}, kept},   {L"", false, {}, kept},
        {L"12xy", false, {}, kept},  {L"12%", false, {}, kept},
    });
    // clang-format on
    expectRaisedAt([] { Length::getValueAsString(Length(1, static_cast<Length::Unit>(8))); },
                   "LengthAttribute", 130);
}

// Round numbers where the conversion is exact, and bit patterns for sizes
// where single-precision divisors, float arithmetic or multiplying by the
// ratio instead of multiplying then dividing would change the last bit.
TEST(LengthPxSize, ConvertsAtNinetySixPerInchToTheBit) {
    using enum Length::Unit;
    const std::pair<Length, float> cases[] = {
        // clang-format off
        {{1, In}, 96}, {{72, Pt}, 96}, {{1, Pc}, 16}, {{2.54f, Cm}, 96}, {{25.4f, Mm}, 96},
        {{16, Em}, 1}, {{7.25f, Px}, 7.25f},
        {{11, Cm}, 0x1.9fbf8p+8f},         // not with 2.54 in double
        {{0.7f, Cm}, 0x1.a74e9ep+4f},      // nor in float
        {{19, Mm}, 0x1.1f3e7ep+6f},        // not with 25.4 in double
        {{0.9f, Mm}, 0x1.b366cep+1f},      // nor in float
        {{0.3f, Pt}, 0x1.99999ap-2f},      // not times 96/72
        {{0.001f, Pt}, 0x1.5d867ep-10f},   // nor in float
        // clang-format on
    };
    for (const auto& [length, px] : cases)
        EXPECT_EQ(describe(length.pxSize()), describe(px)) << describe(length);
    EXPECT_EQ(Length(1, static_cast<Length::Unit>(9)).pxSize(), 0);
    expectRaisedAt([] { (void)Length(2, Ex).pxSize(); }, "LengthAttribute", 158);
}

TEST(LengthValue, EqualityIsExact) {
    const float nan = std::nanf("");
    checkEquality<Length>({
        {Length(12, Length::Pt), Length(12, Length::Pt), true},
        {Length(12, Length::Pt), Length(12, Length::Px), false},
        {Length(12, Length::Pt), Length(12.5f, Length::Pt), false},
        {Length(nan, Length::Pt), Length(nan, Length::Pt), false},
    });
}

TEST(SLengthParse, ReadsBareNumbersUnitsAndPercentages) {
    using enum SLength::Unit;
    // clang-format off
    checkParses<SLength>(SLength(-77.5f, Em), {
        {L"10", true, SLength(10, Px), L""},    {L"10px", true, SLength(10, Px), L""},
        {L"10qq", true, SLength(10, Px), L""},  {L"10PT", true, SLength(10, Px), L""},
        {L"10pt", true, SLength(10, Pt), L""},  {L"10cm", true, SLength(10, Cm), L""},
        {L"10mm", true, SLength(10, Mm), L""},  {L"10in", true, SLength(10, In), L""},
        {L"10em", true, SLength(10, Em), L""},  {L"10ex", true, SLength(10, Ex), L""},
        {L"10pc", true, SLength(10, Pc), L""},  {L"50%", true, SLength(0.5f, Percent), L""},
        {L"5%", true, SLength(0.05f, Percent), L""},  // divided by 100 in double
        {L" 5%", true, SLength(0.05f, Percent), L""},
        // no first-character test; a trailing digit sends the whole text
        {L"x5", true, SLength(0, Px), L""},     {L" 7", true, SLength(7, Px), L""},
        // "10 " is 1 with the unknown suffix "0 "
        {L"10 ", true, SLength(1, Px), L""},    {L"abcpt", true, SLength(0, Pt), L""},
        {L"x%", false, {}, L""}, {L"%", false, {}, L""}, {L"5x", false, {}, L""},
        {L"", false, {}, L""},
    });
    // clang-format on
}

TEST(SLengthValue, PixelsAndTheZeroTest) {
    using enum SLength::Unit;
    EXPECT_EQ(describe(SLength(11, Cm).pxSize()), describe(0x1.9fbf8p+8f));
    EXPECT_EQ(SLength(5, static_cast<SLength::Unit>(2)).pxSize(), 0);  // pica in Length only
    expectRaisedAt([] { (void)SLength(2, Ex).pxSize(); }, "LengthAttribute", 302);
    EXPECT_TRUE(!SLength(0, Percent));
    EXPECT_TRUE(!SLength(-0.0f, Ex));
    EXPECT_FALSE(!SLength(0.001f, Px));
}

}  // namespace
