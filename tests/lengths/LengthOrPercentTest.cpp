#include "css/lengths/LengthOrPercent.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "tests/lengths/ExpectRaise.h"

namespace {

using Xml::ColumnWidth;
using Xml::DLength;
using Xml::FloatOrPercent;
using Xml::LeaderPatternWidth;
using Xml::Length;
using Xml::LengthOrPercent;
using Xml::LengthOrPercentAuto;
using Xml::Margin;
using Xml::SLength;
using Xml::SLengthOrPercent;
using Xml::SNullableLength;
using Xml::TableWidth;
using Xml::TXmlAttribute;

std::uint32_t bitsOf(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

// Fractions of the single-precision hundredth times n, narrowed once; each
// differs from n / 100 in the last bit.
constexpr float kFivePercent = 0x1.999998p-5f;
constexpr float kThirtyThreePercent = 0x1.51eb84p-2f;

// A percentage is a length when kind says so: expected values name both.
struct Measure {
    bool percent;
    float value;  // the fraction, or the length's size
    int unit;     // the length's unit when not a percentage
};

void expectMeasure(const LengthOrPercent& actual, const Measure& expected) {
    ASSERT_EQ(actual.isPercent(), expected.percent);
    if (expected.percent) {
        EXPECT_EQ(bitsOf(actual.getPercent()), bitsOf(expected.value));
        EXPECT_EQ(actual.getLength(), Length());
    } else {
        EXPECT_EQ(actual.getLength().getUnit(), expected.unit);
        EXPECT_EQ(bitsOf(actual.getLength().getSize()), bitsOf(expected.value));
        EXPECT_EQ(actual.getPercent(), 0);
    }
}

// Starts from a value no table row produces, so a stored result is visible.
LengthOrPercent sentinel() {
    LengthOrPercent value(Length(-9, Length::Em));
    value.setPercent(-9);
    return value;
}

TEST(LengthOrPercentParse, ReadsLengthsPercentagesAndRatios) {
    const struct {
        const wchar_t* text;
        Measure expected;
    } cases[] = {
        {L"50%", {true, 0.5f, 0}},
        {L"5%", {true, kFivePercent, 0}},
        {L"33%", {true, kThirtyThreePercent, 0}},
        {L"-20%", {true, -0x1.999998p-3f, 0}},
        {L"1e2%", {true, 1, 0}},
        {L"1.5", {true, 1.5f, 0}},
        {L"3.", {true, 3, 0}},
        {L".", {true, 0, 0}},
        {L"0", {true, 0, 0}},
        {L"12pt", {false, 12, Length::Pt}},
        {L"12px", {false, 12, Length::Px}},
        {L"1.5cm", {false, 1.5f, Length::Cm}},
        {L"-4mm", {false, -4, Length::Mm}},
        {L".5in", {false, 0.5f, Length::In}},
        {L"2em", {false, 2, Length::Em}},
        {L"2ex", {false, 2, Length::Ex}},
        {L"+3pc", {false, 3, Length::Pc}},
        // unknown or differently cased suffixes are pixels
        {L"12qq", {false, 12, Length::Px}},
        {L"12PT", {false, 12, Length::Px}},
        // a two-character text is all suffix, so no number is left
        {L"5x", {false, 0, Length::Px}},
        {L"+pt", {false, 0, Length::Pt}},
        // a lone sign has nothing to match and reads as zero pixels
        {L"-", {false, 0, Length::Px}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        LengthOrPercent value = sentinel();
        ASSERT_TRUE(LengthOrPercent::parseLengthOrPercent(value, c.text));
        expectMeasure(value, c.expected);
    }
}

TEST(LengthOrPercentParse, RejectsTextNotStartingLikeANumberAndKeepsTheValue) {
    for (const wchar_t* text : {L"", L"abc", L" 5%", L"%", L"auto", L"pt", L"e5"}) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        LengthOrPercent value = sentinel();
        EXPECT_FALSE(LengthOrPercent::parseLengthOrPercent(value, text));
        EXPECT_EQ(value.getLength(), sentinel().getLength());
        EXPECT_EQ(value.getPercent(), sentinel().getPercent());
        EXPECT_TRUE(value.isPercent());
    }
}

TEST(LengthOrPercentFormat, WritesPercentagesTimesHundredAndLengthsWithUnit) {
    const struct {
        LengthOrPercent value;
        const wchar_t* text;
    } cases[] = {
        {LengthOrPercent(0.5f), L"50%"},
        {LengthOrPercent(1.5f), L"150%"},
        {LengthOrPercent(-1.0f), L"-100%"},
        {LengthOrPercent(kFivePercent), L"4.9999995%"},  // what "5%" reads back as
        {LengthOrPercent(Length(12, Length::Pt)), L"12pt"},
        {LengthOrPercent(Length(0.5f, Length::In)), L"0.5in"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LengthOrPercent::getValueAsString(c.value), c.text);

    const LengthOrPercent bad(Length(1, static_cast<Length::Unit>(11)));
    lengths_test::expectUnreacheable([&] { LengthOrPercent::getValueAsString(bad); },
                                     "LengthAttribute", 130);
}

TEST(LengthOrPercentValue, ResolvesPercentagesAgainstTheBase) {
    EXPECT_EQ(LengthOrPercent(0.25f).pxSize(200), 50);
    EXPECT_EQ(LengthOrPercent(Length(12, Length::Pt)).pxSize(200), 16);
    // the setters switch the kind and keep the other field
    LengthOrPercent value(Length(12, Length::Pt));
    value.setPercent(0.5f);
    EXPECT_TRUE(value.isPercent());
    EXPECT_EQ(value.pxSize(10), 5);
    EXPECT_EQ(value.getLengthPxSize(), 16);
    value.setLength(Length(1, Length::In));
    EXPECT_FALSE(value.isPercent());
    EXPECT_EQ(value.getPercent(), 0.5f);
    EXPECT_EQ(value.pxSize(10), 96);
}

TEST(LengthOrPercentValue, ComparesOnlyTheFieldOfItsKind) {
    EXPECT_FALSE(LengthOrPercent() == LengthOrPercent(0.0f));  // 0px is no 0%
    EXPECT_TRUE(LengthOrPercent(0.5f) == LengthOrPercent(0.5f));
    EXPECT_FALSE(LengthOrPercent(0.5f) == LengthOrPercent(0.25f));
    LengthOrPercent a(0.5f);
    LengthOrPercent b(0.5f);
    a.setLength(Length(3, Length::Pt));
    a.setPercent(0.5f);
    EXPECT_TRUE(a == b);  // stale lengths do not count
    a.setLength(Length(3, Length::Pt));
    b.setLength(Length(3, Length::Pt));
    b.setPercent(0.75f);
    b.setLength(Length(3, Length::Pt));
    EXPECT_TRUE(a == b);  // nor stale fractions
    EXPECT_FALSE(LengthOrPercent(Length(3, Length::Pt)) == LengthOrPercent(Length(3, Length::Px)));
    EXPECT_TRUE(LengthOrPercent(Length(3, Length::Pt)) != LengthOrPercent(Length(4, Length::Pt)));
}

TEST(LengthOrPercentAttribute, KeepsTheValueWhenTextIsRejected) {
    TXmlAttribute<LengthOrPercent> attribute;
    ASSERT_TRUE(attribute.parseValue(L"1.5"));
    EXPECT_EQ(attribute.getValueAsString(), L"150%");
    EXPECT_FALSE(attribute.parseValue(L"x1"));
    EXPECT_TRUE(attribute == LengthOrPercent(1.5f));
}

TEST(SLengthOrPercentParse, ReadsNumbersPercentagesAndUnits) {
    const struct {
        const wchar_t* text;
        bool percent;
        float value;
        SLength::Unit unit;
    } cases[] = {
        {L"10", false, 10, SLength::Px},
        {L"-1.5e1", false, -15, SLength::Px},
        {L"5%", true, kFivePercent, SLength::Px},
        {L"50%", true, 0.5f, SLength::Px},
        {L".%", true, 0, SLength::Px},
        {L"10pt", false, 10, SLength::Pt},
        {L"10cm", false, 10, SLength::Cm},
        {L"10mm", false, 10, SLength::Mm},
        {L"10in", false, 10, SLength::In},
        {L"10em", false, 10, SLength::Em},
        {L"10ex", false, 10, SLength::Ex},
        {L"10pc", false, 10, SLength::Pc},
        {L"10px", false, 10, SLength::Px},
        {L"10PT", false, 10, SLength::Px},
        // one or two characters ending in neither digit nor "%": one pixel
        {L"5x", false, 1, SLength::Px},
        {L"5.", false, 1, SLength::Px},
        {L"-", false, 1, SLength::Px},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        SLengthOrPercent value(7, SLength::Em);
        ASSERT_TRUE(SLength::parseSLengthOrPercent(value, c.text));
        ASSERT_EQ(value.isPercent(), c.percent);
        if (c.percent) {
            EXPECT_EQ(bitsOf(value.getPercent()), bitsOf(c.value));
            EXPECT_EQ(value.getLength(), SLength());
        } else {
            EXPECT_EQ(value.getLength().getUnit(), c.unit);
            EXPECT_EQ(bitsOf(value.getLength().getSize()), bitsOf(c.value));
            EXPECT_EQ(value.getPercent(), 0);
        }
    }
    for (const wchar_t* text : {L"", L"x", L"%", L" 5", L"abc%"}) {
        SLengthOrPercent value(7, SLength::Em);
        EXPECT_FALSE(SLength::parseSLengthOrPercent(value, text)) << text;
        EXPECT_EQ(value, SLengthOrPercent(7, SLength::Em));
    }
}

TEST(SLengthOrPercentValue, ResolvesAndCompares) {
    EXPECT_EQ(SLengthOrPercent(0.25f).pxSize(200), 50);
    EXPECT_EQ(SLengthOrPercent(1, SLength::Pc).pxSize(200), 16);
    EXPECT_EQ(SLengthOrPercent(0.25f).getLengthPxSize(), 0);
    EXPECT_FALSE(SLengthOrPercent() == SLengthOrPercent(0.0f));
    EXPECT_TRUE(SLengthOrPercent(1.0f) == SLengthOrPercent(1.0f));
    EXPECT_TRUE(SLengthOrPercent(1, SLength::Pt) != SLengthOrPercent(1, SLength::Px));

    TXmlAttribute<SLengthOrPercent> attribute;
    ASSERT_TRUE(attribute.parseValue(L"50%"));
    EXPECT_TRUE(attribute.getValueAsString().empty());
}

TEST(MarginAttribute, AcceptsMeasuresButNotAuto) {
    TXmlAttribute<Margin> margin;
    EXPECT_TRUE(margin->isAuto());
    EXPECT_TRUE(margin.getValueAsString().empty());
    EXPECT_FALSE(margin.parseValue(L"auto"));
    EXPECT_TRUE(margin->isAuto());
    ASSERT_TRUE(margin.parseValue(L"12pt"));
    EXPECT_FALSE(margin->isAuto());
    EXPECT_EQ(margin.getValueAsString(), L"12pt");
    EXPECT_FALSE(margin.parseValue(L"x"));
    EXPECT_TRUE(margin == Margin(LengthOrPercent(Length(12, Length::Pt))));
    margin->getLengthOrPercent().setPercent(0.5f);
    EXPECT_EQ(margin.getValueAsString(), L"50%");
}

TEST(AutoMeasures, AutoValuesAreEqualWhateverTheirMeasures) {
    Margin withMeasure;
    ASSERT_TRUE(Margin::parseMargin(withMeasure, L"3pt"));
    LengthOrPercentAuto a;
    LengthOrPercentAuto b(LengthOrPercent(Length(3, Length::Pt)));
    EXPECT_FALSE(a == b);
    ASSERT_TRUE(LengthOrPercentAuto::parseLengthOrPercentAuto(b, L"auto"));
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
    EXPECT_TRUE(Margin() != withMeasure);
    EXPECT_TRUE(ColumnWidth(LengthOrPercent(0.5f)) == ColumnWidth(LengthOrPercent(0.5f)));
    EXPECT_FALSE(ColumnWidth(LengthOrPercent(0.5f)) == ColumnWidth(LengthOrPercent(0.25f)));
    EXPECT_TRUE(TableWidth() == TableWidth());
    EXPECT_TRUE(LeaderPatternWidth() != LeaderPatternWidth(LengthOrPercent()));
}

TEST(LengthOrPercentAutoAttribute, AutoInAnyCaseKeepsTheEarlierMeasure) {
    TXmlAttribute<LengthOrPercentAuto> attribute;
    EXPECT_EQ(attribute.getValueAsString(), L"auto");
    ASSERT_TRUE(attribute.parseValue(L"25%"));
    EXPECT_EQ(attribute.getValueAsString(), L"25%");
    for (const wchar_t* text : {L"AUTO", L"Auto", L"auto"}) {
        ASSERT_TRUE(attribute.parseValue(text)) << text;
        EXPECT_TRUE(attribute->isAuto());
        EXPECT_TRUE(attribute->getLengthOrPercent() == LengthOrPercent(0.25f));
        EXPECT_EQ(attribute->pxSize(40), 10);  // the flag is not looked at
        EXPECT_EQ(attribute.getValueAsString(), L"auto");
    }
    EXPECT_FALSE(attribute.parseValue(L"autox"));
    EXPECT_FALSE(attribute.parseValue(L" auto"));
    EXPECT_TRUE(attribute->isAuto());
}

TEST(ColumnWidthAttribute, ReadsMeasuresAndParenthesisedRatios) {
    const struct {
        const wchar_t* text;
        Measure expected;
    } accepted[] = {
        {L"proportional-column-width(2)", {true, 2, 0}},
        {L"anything(1.5)", {true, 1.5f, 0}},
        {L"(25%)", {true, 0.25f, 0}},
        {L"f(3pt)", {false, 3, Length::Pt}},
        {L"f(2", {true, 2, 0}},
        {L"f(2)(3)", {true, 2, 0}},
        {L"12pt", {false, 12, Length::Pt}},
        {L"40%", {true, 0x1.999998p-2f, 0}},
    };
    for (const auto& c : accepted) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        ColumnWidth width;
        ASSERT_TRUE(ColumnWidth::parseColumnWidth(width, c.text));
        EXPECT_FALSE(width.isAuto());
        expectMeasure(width.getLengthOrPercent(), c.expected);
        TableWidth table;
        ASSERT_TRUE(TableWidth::parseTableWidth(table, c.text));
        EXPECT_TRUE(table.getLengthOrPercent() == width.getLengthOrPercent());
    }
    for (const wchar_t* text : {L"auto", L"f()", L"f(", L"f", L"f( 2)", L"f(x)", L"", L"f)2("}) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        ColumnWidth width(LengthOrPercent(0.75f));
        EXPECT_FALSE(ColumnWidth::parseColumnWidth(width, text));
        EXPECT_TRUE(width == ColumnWidth(LengthOrPercent(0.75f)));
    }
}

TEST(ColumnWidthAttribute, WritesTheMeasureButTableWidthWritesNothing) {
    TXmlAttribute<ColumnWidth> column;
    TXmlAttribute<TableWidth> table;
    EXPECT_TRUE(column.getValueAsString().empty());
    ASSERT_TRUE(column.parseValue(L"proportional-column-width(2)"));
    ASSERT_TRUE(table.parseValue(L"proportional-column-width(2)"));
    EXPECT_EQ(column.getValueAsString(), L"200%");
    EXPECT_TRUE(table.getValueAsString().empty());
    EXPECT_FALSE(table->isAuto());
}

TEST(LeaderPatternWidthAttribute, TheKeywordChangesNothing) {
    TXmlAttribute<LeaderPatternWidth> attribute;
    ASSERT_TRUE(attribute.parseValue(L"use-font-metrics"));
    EXPECT_TRUE(attribute == LeaderPatternWidth());
    EXPECT_TRUE(attribute.getValueAsString().empty());
    ASSERT_TRUE(attribute.parseValue(L"12pt"));
    ASSERT_TRUE(attribute.parseValue(L"use-font-metrics"));
    EXPECT_EQ(attribute.getValueAsString(), L"12pt");
    EXPECT_FALSE(attribute.parseValue(L"USE-FONT-METRICS"));
    EXPECT_FALSE(attribute.parseValue(L"auto"));
    EXPECT_TRUE(attribute == LeaderPatternWidth(LengthOrPercent(Length(12, Length::Pt))));
}

TEST(FloatOrPercentAttribute, ReadsRatiosAndAlwaysSucceeds) {
    TXmlAttribute<FloatOrPercent> attribute;
    EXPECT_EQ(attribute->getValue(), 1);
    const struct {
        const wchar_t* text;
        float value;
    } cases[] = {
        {L"50%", 0.5f},
        {L"33%", 0.33f},  // divided in double, not multiplied by the float
                          // hundredth
        {L"1.5", 1.5f},
        {L"-2", -2},
        {L"abc", 0},
        {L"%", 0},
        {L"", 0},
    };
    for (const auto& c : cases) {
        attribute = FloatOrPercent(9);
        EXPECT_TRUE(attribute.parseValue(c.text)) << c.text;
        EXPECT_EQ(bitsOf(attribute->getValue()), bitsOf(c.value)) << c.text;
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
    EXPECT_TRUE(FloatOrPercent(0.5f) != FloatOrPercent(0.25f));
    EXPECT_TRUE(FloatOrPercent() == FloatOrPercent(1));
}

TEST(SNullableLengthAttribute, ParsingClearsTheNullFlagWhichEqualityIgnores) {
    TXmlAttribute<SNullableLength> attribute;
    EXPECT_TRUE(attribute->isNull());
    EXPECT_EQ(static_cast<const SLength&>(attribute.getValue()), SLength());
    EXPECT_FALSE(attribute.parseValue(L"5x"));
    EXPECT_TRUE(attribute->isNull());
    ASSERT_TRUE(attribute.parseValue(L"5mm"));
    EXPECT_FALSE(attribute->isNull());
    EXPECT_EQ(attribute->getUnit(), SLength::Mm);
    EXPECT_EQ(attribute->getSize(), 5);
    EXPECT_TRUE(attribute.getValueAsString().empty());

    SNullableLength other;
    ASSERT_TRUE(SLength::parseSLength(other, L"5mm"));
    EXPECT_TRUE(other.isNull());
    EXPECT_TRUE(attribute == other);
    EXPECT_FALSE(attribute != other);
    EXPECT_FALSE(attribute.parseValue(L"%"));
    EXPECT_FALSE(attribute->isNull());
}

TEST(DLengthAttribute, ReadsOneOrTwoLengths) {
    const Length pt12(12, Length::Pt);
    const Length mm3(3, Length::Mm);
    const struct {
        const wchar_t* text;
        DLength value;
    } accepted[] = {
        {L"12pt", DLength(pt12, pt12)},
        {L"12pt 3mm", DLength(pt12, mm3)},
        {L"12pt\t3mm", DLength(pt12, mm3)},
        {L"12pt\n3mm", DLength(pt12, mm3)},
        {L"12pt\u00A03mm", DLength(pt12, mm3)},
        {L"12pt\v3mm", DLength(pt12, mm3)},
        {L"0", DLength(Length(0, Length::Pt), Length(0, Length::Pt))},
    };
    for (const auto& c : accepted) {
        TXmlAttribute<DLength> attribute;
        EXPECT_TRUE(attribute.parseValue(c.text)) << c.text;
        EXPECT_TRUE(attribute == c.value) << c.text;
    }
    const DLength before(Length(1, Length::In), Length(2, Length::In));
    for (const wchar_t* text : {L"1pt 2pt 3pt", L"1pt  2pt", L" 1pt", L"", L"5 1pt", L"12"}) {
        TXmlAttribute<DLength> attribute(before);
        EXPECT_FALSE(attribute.parseValue(text)) << text;
        EXPECT_TRUE(attribute == before) << text;
    }
}

TEST(DLengthAttribute, ABadSecondLengthKeepsTheReplacedFirst) {
    TXmlAttribute<DLength> attribute(DLength(Length(1, Length::In), Length(2, Length::In)));
    EXPECT_FALSE(attribute.parseValue(L"12pt 5"));
    EXPECT_EQ(attribute->getFirst(), Length(12, Length::Pt));
    EXPECT_EQ(attribute->getSecond(), Length(2, Length::In));
    // a trailing separator leaves an empty second piece
    EXPECT_FALSE(attribute.parseValue(L"3mm "));
    EXPECT_EQ(attribute->getFirst(), Length(3, Length::Mm));
    EXPECT_EQ(attribute->getSecond(), Length(2, Length::In));
}

TEST(DLengthAttribute, WritesBothLengthsSeparatedByOneBlank) {
    TXmlAttribute<DLength> attribute;
    EXPECT_EQ(attribute.getValueAsString(), L"0px 0px");
    ASSERT_TRUE(attribute.parseValue(L"12pt\t0.5in"));
    EXPECT_EQ(attribute.getValueAsString(), L"12pt 0.5in");
}

using DashList = Core::Vector<SLength>;

TEST(DashListAttribute, SplitsAtCommasOnly) {
    const SLength px1(1), px2(2), px3(3);
    const struct {
        const wchar_t* text;
        DashList list;
    } cases[] = {
        {L"none", {}},
        {L"", {}},
        {L"1,2,3", {px1, px2, px3}},
        {L",,1,,2, 30 ,", {px1, px2, px3}},  // "30 " is 3 with the unknown suffix "0 "
        {L" 1, 2,\t3", {px1, px2, px3}},
        {L"1 2 3", {px1}},              // one entry, read as the number it begins with
        {L"10 ,2", {SLength(1), px2}},  // the blank stays in the entry as a suffix
        {L"5%,2pt", {SLength(0.05f, SLength::Percent), SLength(2, SLength::Pt)}},
        {L"NONE", {SLength(0)}},
        {L" , ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        TXmlAttribute<DashList> attribute(DashList{SLength(9, SLength::Em)});
        ASSERT_TRUE(attribute.parseValue(c.text));
        EXPECT_TRUE(attribute == c.list);
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
}

TEST(DashListAttribute, ABadEntryKeepsThePreviousList) {
    const DashList before{SLength(4), SLength(2)};
    for (const wchar_t* text : {L"1,5x,2", L"1 ,2", L"x"}) {
        TXmlAttribute<DashList> attribute(before);
        EXPECT_FALSE(attribute.parseValue(text)) << text;
        EXPECT_TRUE(attribute == before) << text;
    }
}

TEST(DashListAttribute, EqualityNeedsSameLengthAndPairwiseEqualEntries) {
    const TXmlAttribute<DashList> attribute(DashList{SLength(1), SLength(2)});
    EXPECT_TRUE(attribute == (DashList{SLength(1), SLength(2)}));
    EXPECT_TRUE(attribute != (DashList{SLength(1)}));
    EXPECT_TRUE(attribute != (DashList{SLength(1), SLength(2), SLength(2)}));
    EXPECT_TRUE(attribute != (DashList{SLength(1), SLength(2, SLength::Pt)}));
}

}  // namespace
