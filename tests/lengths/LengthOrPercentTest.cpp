#include "css/lengths/LengthOrPercent.h"

#include <gtest/gtest.h>

#include "tests/lengths/MeasureCases.h"

namespace {

using namespace measure_test;

// n% read with the single-precision hundredth: each differs from n / 100.
constexpr float kFivePercent = 0x1.999998p-5f;
constexpr float kFortyPercent = 0x1.999998p-2f;

TEST(LengthOrPercentParse, ReadsPercentagesRatiosAndLengths) {
    using enum Length::Unit;
    LengthOrPercent before(Length(-9, Em));  // both fields set: a parse stores whole
    before.setPercent(-9);
    const wchar_t* kept = L"-900%";
    // clang-format off
    checkParses<LengthOrPercent>(before, {
        {L"50%", true, 0.5f, L"50%"},   {L"5%", true, kFivePercent, L"4.9999995%"},
        {L"1.5", true, 1.5f, L"150%"},  {L"3.", true, 3.0f, L"300%"},  // a bare number is a ratio
        {L"0", true, 0.0f, L"0%"},      {L"12pt", true, measure(12, Pt), L"12pt"},
        {L"-4mm", true, measure(-4, Mm), L"-4mm"},  {L".5pc", true, measure(0.5f, Pc), L"0.5pc"},
        {L"12PT", true, measure(12, Px), L"12px"},  // unknown suffixes are pixels
        {L"5x", true, measure(0, Px), L"0px"},      // two characters are all suffix
        {L"-", true, measure(0, Px), L"0px"},       // a lone sign is zero pixels
        {L"", false, {}, kept}, {L"abc", false, {}, kept}, {L" 5%", false, {}, kept},
        {L"%", false, {}, kept}, {L"auto", false, {}, kept},
    });
    // clang-format on
    const LengthOrPercent bad(Length(1, static_cast<Length::Unit>(11)));
    expectRaisedAt([&] { LengthOrPercent::getValueAsString(bad); }, "LengthAttribute", 130);
}

TEST(LengthOrPercentValue, ResolvesAndComparesByKind) {
    EXPECT_EQ(LengthOrPercent(0.25f).pxSize(200), 50);
    EXPECT_EQ(measure(12, Length::Pt).pxSize(200), 16);
    // the setters switch the kind and keep the other field, which == ignores
    LengthOrPercent value = measure(12, Length::Pt);
    value.setPercent(0.5f);
    EXPECT_EQ(value.pxSize(10), 5);
    EXPECT_EQ(value.getLengthPxSize(), 16);
    value.setLength(Length(1, Length::In));
    EXPECT_EQ(value.getPercent(), 0.5f);
    // clang-format off
    checkEquality<LengthOrPercent>({
        {value, measure(1, Length::In), true}, {LengthOrPercent(), 0.0f, false},  // 0px is not 0%
        {measure(3, Length::Pt), measure(3, Length::Px), false},
        {0.5f, 0.5f, true}, {0.5f, 0.25f, false},
    });
    // clang-format on
}

TEST(SLengthOrPercentParse, ReadsNumbersPercentagesAndUnits) {
    using enum SLength::Unit;
    using Svg = SLengthOrPercent;
    // clang-format off
    checkParses<SLengthOrPercent>(Svg(7, Em), {
        {L"10", true, Svg(10, Px), L""},    {L"5%", true, kFivePercent, L""},
        {L".%", true, 0.0f, L""},           {L"10pc", true, Svg(10, Pc), L""},
        {L"10px", true, Svg(10, Px), L""},  {L"10PT", true, Svg(10, Px), L""},
        // one or two characters, no digit or "%" last
        {L"5x", true, Svg(1, Px), L""},     {L"5.", true, Svg(1, Px), L""},
        {L"", false, {}, L""}, {L"x", false, {}, L""}, {L"%", false, {}, L""},
        {L" 5", false, {}, L""},
    });
    // clang-format on
    EXPECT_EQ(SLengthOrPercent(0.25f).pxSize(200), 50);
    checkEquality<SLengthOrPercent>({{SLengthOrPercent(), 0.0f, false}, {0.5f, 0.5f, true}});
}

TEST(AutoMeasures, KeywordsAndMeasures) {
    using enum Length::Unit;
    LengthOrPercentAuto autoKeeping;  // auto in any case keeps the earlier measure
    autoKeeping.getLengthOrPercent() = 0.25f;
    // clang-format off
    checkParses<Margin>(Margin(), {  // no "auto"; nothing written when auto
        {L"auto", false, {}, L""}, {L"12pt", true, Margin(pt(12)), L"12pt"},
        {L"50%", true, Margin(0.5f), L"50%"},
    });
    checkParses<LengthOrPercentAuto>(LengthOrPercentAuto(0.25f), {
        {L"auto", true, autoKeeping, L"auto"}, {L"AUTO", true, autoKeeping, L"auto"},
        {L"Auto", true, autoKeeping, L"auto"}, {L" auto", false, {}, L"25%"},
        {L"3mm", true, LengthOrPercentAuto(measure(3, Mm)), L"3mm"},
    });
    checkParses<LeaderPatternWidth>(LeaderPatternWidth(), {{L"use-font-metrics", true, {}, L""}});
    checkParses<LeaderPatternWidth>(LeaderPatternWidth(pt(12)), {
        {L"use-font-metrics", true, {}, L"12pt"}, {L"USE-FONT-METRICS", false, {}, L"12pt"},
        {L"3mm", true, LeaderPatternWidth(measure(3, Mm)), L"3mm"},
    });
    // auto values are equal whatever measures they keep
    checkEquality<LengthOrPercentAuto>({
        {LengthOrPercentAuto(), autoKeeping, true},
        {LengthOrPercentAuto(), LengthOrPercent(), false},
        {pt(1), pt(1), true},                       {pt(1), pt(2), false},
    });
    // clang-format on
    EXPECT_EQ(autoKeeping.pxSize(40), 10);  // the flag is not looked at
}

TEST(AutoMeasures, ColumnWidthsReadTheFirstParenthesisedMeasure) {
    const ColumnWidth before(0.75f);
    // clang-format off
    const std::initializer_list<ParseCase<ColumnWidth>> cases = {
        {L"proportional-column-width(2)", true, ColumnWidth(2.0f), L"200%"},
        {L"(40%)", true, ColumnWidth(kFortyPercent), L"39.999996%"},
        {L"f(3pt)", true, ColumnWidth(measure(3, Length::Pt)), L"3pt"},
        {L"f(2", true, ColumnWidth(2.0f), L"200%"},  {L"f(2)(3)", true, ColumnWidth(2.0f), L"200%"},
        {L"12pt", true, ColumnWidth(measure(12, Length::Pt)), L"12pt"},
        {L"auto", false, {}, L"75%"}, {L"f()", false, {}, L"75%"},   {L"f(", false, {}, L"75%"},
        {L"f", false, {}, L"75%"},    {L"f( 2)", false, {}, L"75%"}, {L"", false, {}, L"75%"},
    };
    // clang-format on
    checkParses<ColumnWidth>(before, cases);
    for (const ParseCase<ColumnWidth>& c : cases) {  // read alike, written as no text
        TXmlAttribute<TableWidth> table(TableWidth(before.getLengthOrPercent()));
        EXPECT_EQ(table.parseValue(c.text), c.accepted) << c.text;
        EXPECT_EQ(describe(table.getValue()), describe(c.held.value_or(before))) << c.text;
        EXPECT_TRUE(table.getValueAsString().empty());
    }
}

TEST(FloatOrPercentAttribute, AlwaysSucceedsAndDividesPercentagesInDouble) {
    EXPECT_EQ(TXmlAttribute<FloatOrPercent>()->getValue(), 1);
    // clang-format off
    checkParses<FloatOrPercent>(9, {
        {L"50%", true, 0.5f, L""}, {L"33%", true, 0.33f, L""}, {L"1.5", true, 1.5f, L""},
        {L"abc", true, 0.0f, L""}, {L"%", true, 0.0f, L""},
    });
    // clang-format on
}

TEST(SNullableLengthAttribute, ParsingClearsTheNullFlagWhichEqualityIgnores) {
    const auto nullable = [](float size, SLength::Unit unit, bool null) {
        SNullableLength value;
        static_cast<SLength&>(value) = SLength(size, unit);
        value.setNull(null);
        return value;
    };
    checkParses<SNullableLength>(SNullableLength(),
                                 {
                                     {L"5x", false, {}, L""},
                                     {L"5mm", true, nullable(5, SLength::Mm, false), L""},
                                 });
    checkEquality<SNullableLength>({
        {nullable(5, SLength::Mm, true), nullable(5, SLength::Mm, false), true},
        {nullable(5, SLength::Mm, false), nullable(5, SLength::Cm, false), false},
    });
}

TEST(DLengthAttribute, ReadsOneOrTwoLengthsSeparatedByOneBlank) {
    const Length pt12(12, Length::Pt), mm3(3, Length::Mm), in1(1, Length::In), in2(2, Length::In);
    const wchar_t* kept = L"1in 2in";
    // clang-format off
    checkParses<DLength>(DLength(in1, in2), {
        {L"12pt\t3mm", true, DLength(pt12, mm3), L"12pt 3mm"},
        {L"12pt\n3mm", true, DLength(pt12, mm3), L"12pt 3mm"},
        {L"12pt\u00A03mm", true, DLength(pt12, mm3), L"12pt 3mm"},
        {L"12pt\v3mm", true, DLength(pt12, mm3), L"12pt 3mm"},
        {L"12pt", true, DLength(pt12, pt12), L"12pt 12pt"},
        {L"1pt 2pt 3pt", false, {}, kept}, {L"1pt  2pt", false, {}, kept},
        {L" 1pt", false, {}, kept}, {L"", false, {}, kept}, {L"5 1pt", false, {}, kept},
        // a bad second piece fails after the first length was replaced
        {L"12pt 5", false, DLength(pt12, in2), L"12pt 2in"},
        {L"12pt ", false, DLength(pt12, in2), L"12pt 2in"},
    });
    // clang-format on
}

TEST(DashListAttribute, SplitsAtCommasOnlyAndFailsWhole) {
    using DashList = Core::Vector<SLength>;
    const SLength px1(1), px2(2), px3(3);
    const DashList before{px1, px2};
    // clang-format off
    checkParses<DashList>(before, {
        {L"none", true, DashList{}, L""},
        {L"", true, DashList{}, L""},
        {L",,1,,2, 30 ,", true, DashList{px1, px2, px3}, L""},  // "30 " is 3 with the suffix "0 "
        {L" 1,\t2", true, DashList{px1, px2}, L""},
        {L"1 2 3", true, DashList{px1}, L""},  // no comma, one entry
        {L"5%,2pt", true, DashList{SLength(0.05f, SLength::Percent), SLength(2, SLength::Pt)}, L""},
        {L"1,5x,2", false, {}, L""},  {L"1 ,2", false, {}, L""},
    });
    // clang-format on
    checkEquality<DashList>({
        {before, before, true},
        {before, DashList{px1}, false},
        {before, DashList{px1, px2, px2}, false},
        {before, DashList{px1, SLength(2, SLength::Pt)}, false},
    });
}

}  // namespace
