#include "css/lengths/LengthOrPercent.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "tests/lengths/ExpectRaise.h"

namespace {

using namespace Xml;

std::uint32_t bitsOf(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

// n% read with the single-precision hundredth: each differs from n / 100.
constexpr float kFivePercent = 0x1.999998p-5f;
constexpr float kThirtyThreePercent = 0x1.51eb84p-2f;
constexpr float kFortyPercent = 0x1.999998p-2f;

// A percentage (the fraction) or a length (size and unit).
struct Measure {
    bool percent;
    float value;
    int unit;
};

template <class M>
void expectMeasure(const M& actual, const Measure& expected) {
    ASSERT_EQ(actual.isPercent(), expected.percent);
    if (expected.percent) {
        EXPECT_EQ(bitsOf(actual.getPercent()), bitsOf(expected.value));
        EXPECT_TRUE(actual.getLength().getSize() == 0 && actual.getLength().getUnit() == 0);
    } else {
        EXPECT_EQ(actual.getLength().getUnit(), expected.unit);
        EXPECT_EQ(bitsOf(actual.getLength().getSize()), bitsOf(expected.value));
        EXPECT_EQ(actual.getPercent(), 0);
    }
}

TEST(LengthOrPercentParse, ReadsPercentagesRatiosAndLengths) {
    const struct {
        const wchar_t* text;
        Measure expected;
    } cases[] = {
        {L"50%", {true, 0.5f, 0}},
        {L"5%", {true, kFivePercent, 0}},
        {L"33%", {true, kThirtyThreePercent, 0}},
        {L"1.5", {true, 1.5f, 0}},  // a bare number is a ratio
        {L"3.", {true, 3, 0}},
        {L"0", {true, 0, 0}},
        {L"12pt", {false, 12, Length::Pt}},
        {L"-4mm", {false, -4, Length::Mm}},
        {L".5pc", {false, 0.5f, Length::Pc}},
        {L"12PT", {false, 12, Length::Px}},  // unknown suffixes are pixels
        {L"5x", {false, 0, Length::Px}},     // two characters are all suffix
        {L"-", {false, 0, Length::Px}},      // a lone sign is zero pixels
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        LengthOrPercent value(Length(-9, Length::Em));
        value.setPercent(-9);
        ASSERT_TRUE(LengthOrPercent::parseLengthOrPercent(value, c.text));
        expectMeasure(value, c.expected);
    }
    TXmlAttribute<LengthOrPercent> attribute(LengthOrPercent(0.25f));
    for (const wchar_t* text : {L"", L"abc", L" 5%", L"%", L"auto"}) {
        EXPECT_FALSE(attribute.parseValue(text)) << text;
        EXPECT_TRUE(attribute == LengthOrPercent(0.25f)) << text;
    }
}

TEST(LengthOrPercentFormat, WritesTheFractionTimesHundredOrTheLength) {
    EXPECT_EQ(LengthOrPercent::getValueAsString(0.5f), L"50%");
    EXPECT_EQ(LengthOrPercent::getValueAsString(1.5f), L"150%");
    EXPECT_EQ(LengthOrPercent::getValueAsString(kFivePercent), L"4.9999995%");  // "5%" read back
    EXPECT_EQ(LengthOrPercent::getValueAsString(Length(12, Length::Pt)), L"12pt");
    const LengthOrPercent bad(Length(1, static_cast<Length::Unit>(11)));
    lengths_test::expectUnreacheable([&] { LengthOrPercent::getValueAsString(bad); },
                                     "LengthAttribute", 130);
}

TEST(LengthOrPercentValue, ResolvesAndComparesByKind) {
    EXPECT_EQ(LengthOrPercent(0.25f).pxSize(200), 50);
    EXPECT_EQ(LengthOrPercent(Length(12, Length::Pt)).pxSize(200), 16);
    // the setters switch the kind and keep the other field
    LengthOrPercent value(Length(12, Length::Pt));
    value.setPercent(0.5f);
    EXPECT_EQ(value.pxSize(10), 5);
    EXPECT_EQ(value.getLengthPxSize(), 16);
    EXPECT_TRUE(value == LengthOrPercent(0.5f));  // the kept length does not count
    value.setLength(Length(1, Length::In));
    EXPECT_EQ(value.getPercent(), 0.5f);
    EXPECT_TRUE(value == LengthOrPercent(Length(1, Length::In)));
    EXPECT_FALSE(LengthOrPercent() == LengthOrPercent(0.0f));  // 0px is not 0%
    EXPECT_TRUE(LengthOrPercent(Length(3, Length::Pt)) != LengthOrPercent(Length(3, Length::Px)));
}

TEST(SLengthOrPercentParse, ReadsNumbersPercentagesAndUnits) {
    const struct {
        const wchar_t* text;
        Measure expected;
    } cases[] = {
        {L"10", {false, 10, SLength::Px}},
        {L"5%", {true, kFivePercent, 0}},
        {L".%", {true, 0, 0}},
        {L"10pc", {false, 10, SLength::Pc}},
        {L"10px", {false, 10, SLength::Px}},
        {L"10PT", {false, 10, SLength::Px}},
        {L"5x", {false, 1, SLength::Px}},  // one or two characters, no digit or "%" last
        {L"5.", {false, 1, SLength::Px}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        SLengthOrPercent value(7, SLength::Em);
        ASSERT_TRUE(SLength::parseSLengthOrPercent(value, c.text));
        expectMeasure(value, c.expected);
    }
    TXmlAttribute<SLengthOrPercent> attribute(SLengthOrPercent(7, SLength::Em));
    for (const wchar_t* text : {L"", L"x", L"%", L" 5"}) {
        EXPECT_FALSE(attribute.parseValue(text)) << text;
        EXPECT_TRUE(attribute == SLengthOrPercent(7, SLength::Em)) << text;
    }
    EXPECT_TRUE(attribute.getValueAsString().empty());
    EXPECT_EQ(SLengthOrPercent(0.25f).pxSize(200), 50);
    EXPECT_FALSE(SLengthOrPercent() == SLengthOrPercent(0.0f));
}

TEST(AutoMeasures, MarginRejectsAutoAndWritesNothingWhenAuto) {
    TXmlAttribute<Margin> margin;
    EXPECT_TRUE(margin->isAuto());
    EXPECT_TRUE(margin.getValueAsString().empty());
    EXPECT_FALSE(margin.parseValue(L"auto"));
    ASSERT_TRUE(margin.parseValue(L"12pt"));
    EXPECT_FALSE(margin->isAuto());
    EXPECT_EQ(margin.getValueAsString(), L"12pt");
    margin->getLengthOrPercent().setPercent(0.5f);
    EXPECT_EQ(margin.getValueAsString(), L"50%");
}

TEST(AutoMeasures, AutoInAnyCaseKeepsTheEarlierMeasure) {
    TXmlAttribute<LengthOrPercentAuto> attribute;
    EXPECT_EQ(attribute.getValueAsString(), L"auto");
    ASSERT_TRUE(attribute.parseValue(L"25%"));
    EXPECT_EQ(attribute.getValueAsString(), L"25%");
    for (const wchar_t* text : {L"AUTO", L"Auto"}) {
        ASSERT_TRUE(attribute.parseValue(text)) << text;
        EXPECT_EQ(attribute.getValueAsString(), L"auto");
        EXPECT_TRUE(attribute->getLengthOrPercent() == LengthOrPercent(0.25f));
        EXPECT_EQ(attribute->pxSize(40), 10);  // the flag is not looked at
    }
    EXPECT_FALSE(attribute.parseValue(L" auto"));
    // auto values are equal whatever measures they keep
    EXPECT_TRUE(attribute == LengthOrPercentAuto());
    EXPECT_TRUE(Margin() != Margin(LengthOrPercent()));
}

TEST(AutoMeasures, ColumnWidthsReadTheFirstParenthesisedMeasure) {
    const struct {
        const wchar_t* text;
        Measure expected;
    } accepted[] = {
        {L"proportional-column-width(2)", {true, 2, 0}},
        {L"(40%)", {true, kFortyPercent, 0}},
        {L"f(3pt)", {false, 3, Length::Pt}},
        {L"f(2", {true, 2, 0}},
        {L"f(2)(3)", {true, 2, 0}},
        {L"12pt", {false, 12, Length::Pt}},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        ColumnWidth column;
        TableWidth table;
        ASSERT_TRUE(ColumnWidth::parseColumnWidth(column, c.text));
        ASSERT_TRUE(TableWidth::parseTableWidth(table, c.text));
        EXPECT_FALSE(column.isAuto() || table.isAuto());
        expectMeasure(column.getLengthOrPercent(), c.expected);
        expectMeasure(table.getLengthOrPercent(), c.expected);
    }
    for (const wchar_t* text : {L"auto", L"f()", L"f(", L"f", L"f( 2)", L""}) {
        ColumnWidth column(LengthOrPercent(0.75f));
        EXPECT_FALSE(ColumnWidth::parseColumnWidth(column, text)) << text;
        EXPECT_TRUE(column == ColumnWidth(LengthOrPercent(0.75f))) << text;
    }
    TXmlAttribute<ColumnWidth> column;
    TXmlAttribute<TableWidth> table;
    EXPECT_TRUE(column.getValueAsString().empty());
    ASSERT_TRUE(column.parseValue(L"f(2)") && table.parseValue(L"f(2)"));
    EXPECT_EQ(column.getValueAsString(), L"200%");
    EXPECT_TRUE(table.getValueAsString().empty());
}

TEST(AutoMeasures, UseFontMetricsChangesNothing) {
    TXmlAttribute<LeaderPatternWidth> attribute;
    ASSERT_TRUE(attribute.parseValue(L"use-font-metrics"));
    EXPECT_TRUE(attribute == LeaderPatternWidth());
    EXPECT_TRUE(attribute.getValueAsString().empty());
    ASSERT_TRUE(attribute.parseValue(L"12pt"));
    ASSERT_TRUE(attribute.parseValue(L"use-font-metrics"));
    EXPECT_EQ(attribute.getValueAsString(), L"12pt");
    EXPECT_FALSE(attribute.parseValue(L"USE-FONT-METRICS"));
    EXPECT_TRUE(attribute == LeaderPatternWidth(LengthOrPercent(Length(12, Length::Pt))));
}

TEST(FloatOrPercentAttribute, AlwaysSucceedsAndDividesPercentagesInDouble) {
    TXmlAttribute<FloatOrPercent> attribute;
    EXPECT_EQ(attribute->getValue(), 1);
    const struct {
        const wchar_t* text;
        float value;
    } cases[] = {{L"50%", 0.5f}, {L"33%", 0.33f}, {L"1.5", 1.5f}, {L"abc", 0}, {L"%", 0}};
    for (const auto& c : cases) {
        attribute = FloatOrPercent(9);
        EXPECT_TRUE(attribute.parseValue(c.text)) << c.text;
        EXPECT_EQ(bitsOf(attribute->getValue()), bitsOf(c.value)) << c.text;
    }
    EXPECT_TRUE(attribute.getValueAsString().empty());
}

TEST(SNullableLengthAttribute, ParsingClearsTheNullFlagWhichEqualityIgnores) {
    TXmlAttribute<SNullableLength> attribute;
    EXPECT_TRUE(attribute->isNull());
    EXPECT_FALSE(attribute.parseValue(L"5x"));
    EXPECT_TRUE(attribute->isNull());
    ASSERT_TRUE(attribute.parseValue(L"5mm"));
    EXPECT_FALSE(attribute->isNull());
    EXPECT_TRUE(attribute.getValueAsString().empty());
    SNullableLength other;
    ASSERT_TRUE(SLength::parseSLength(other, L"5mm"));
    EXPECT_TRUE(attribute == other);
    EXPECT_FALSE(attribute != other);
}

TEST(DLengthAttribute, ReadsOneOrTwoLengthsSeparatedByOneBlank) {
    const Length pt12(12, Length::Pt), mm3(3, Length::Mm);
    for (const wchar_t* text : {L"12pt\t3mm", L"12pt\n3mm", L"12pt\u00A03mm", L"12pt\v3mm"}) {
        TXmlAttribute<DLength> attribute;
        EXPECT_TRUE(attribute.parseValue(text));
        EXPECT_TRUE(attribute == DLength(pt12, mm3));
        EXPECT_EQ(attribute.getValueAsString(), L"12pt 3mm");
    }
    TXmlAttribute<DLength> one;
    ASSERT_TRUE(one.parseValue(L"12pt"));
    EXPECT_TRUE(one == DLength(pt12, pt12));

    const DLength before(Length(1, Length::In), Length(2, Length::In));
    for (const wchar_t* text : {L"1pt 2pt 3pt", L"1pt  2pt", L" 1pt", L"", L"5 1pt"}) {
        TXmlAttribute<DLength> attribute(before);
        EXPECT_FALSE(attribute.parseValue(text)) << text;
        EXPECT_TRUE(attribute == before) << text;
    }
    // a bad second piece fails after the first length was replaced
    for (const wchar_t* text : {L"12pt 5", L"12pt "}) {
        TXmlAttribute<DLength> attribute(before);
        EXPECT_FALSE(attribute.parseValue(text)) << text;
        EXPECT_TRUE(attribute == DLength(pt12, before.getSecond())) << text;
    }
}

TEST(DashListAttribute, SplitsAtCommasOnlyAndFailsWhole) {
    using DashList = Core::Vector<SLength>;
    const SLength px1(1), px2(2), px3(3);
    const struct {
        const wchar_t* text;
        DashList list;
    } cases[] = {
        {L"none", {}},
        {L"", {}},
        {L",,1,,2, 30 ,", {px1, px2, px3}},  // "30 " is 3 with the suffix "0 "
        {L" 1,\t2", {px1, px2}},
        {L"1 2 3", {px1}},  // no comma, one entry
        {L"5%,2pt", {SLength(0.05f, SLength::Percent), SLength(2, SLength::Pt)}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        TXmlAttribute<DashList> attribute(DashList{SLength(9, SLength::Em)});
        ASSERT_TRUE(attribute.parseValue(c.text));
        EXPECT_TRUE(attribute == c.list);
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
    const DashList before{px1, px2};
    for (const wchar_t* text : {L"1,5x,2", L"1 ,2"}) {
        TXmlAttribute<DashList> attribute(before);
        EXPECT_FALSE(attribute.parseValue(text)) << text;
        EXPECT_TRUE(attribute == before) << text;
    }
    const TXmlAttribute<DashList> attribute(before);
    EXPECT_TRUE(attribute != (DashList{px1}));
    EXPECT_TRUE(attribute != (DashList{px1, px2, px2}));
    EXPECT_TRUE(attribute != (DashList{px1, SLength(2, SLength::Pt)}));
}

}  // namespace
