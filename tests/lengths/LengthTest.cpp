#include "css/lengths/Length.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>

#include "tests/lengths/ExpectRaise.h"

namespace {

using lengths_test::expectUnreacheable;
using Xml::Length;
using Xml::SLength;
using Xml::TXmlAttribute;

std::uint32_t bitsOf(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

template <class L>
struct ParseCase {
    const wchar_t* text;
    bool ok;
    float size;
    typename L::Unit unit;
};

// Runs parse over the cases from a sentinel value that no case produces, so
// that a failed parse is seen to leave the target alone.
template <class L, class Parse>
void checkParses(std::initializer_list<ParseCase<L>> cases, Parse parse) {
    const L sentinel(-77.5f, L::Em);
    for (const ParseCase<L>& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        L target = sentinel;
        ASSERT_EQ(parse(target, Core::String(c.text)), c.ok);
        EXPECT_EQ(target.getUnit(), c.ok ? c.unit : sentinel.getUnit());
        EXPECT_EQ(bitsOf(target.getSize()), bitsOf(c.ok ? c.size : sentinel.getSize()));
    }
}

TEST(LengthParse, NeedsAnExactSuffixOrALoneZero) {
    checkParses<Length>(
        {
            {L"12pt", true, 12, Length::Pt},
            {L"12px", true, 12, Length::Px},
            {L"3pc", true, 3, Length::Pc},
            {L"2.5cm", true, 2.5f, Length::Cm},
            {L"-3mm", true, -3, Length::Mm},
            {L".5in", true, 0.5f, Length::In},
            {L"+2em", true, 2, Length::Em},
            {L"1ex", true, 1, Length::Ex},
            {L"0", true, 0, Length::Pt},  // a lone zero is points
            {L"5", false, 0, Length::Px},
            {L"00", false, 0, Length::Px},
            {L"0.0", false, 0, Length::Px},
            {L"12PT", false, 0, Length::Px},
            {L" 12pt", false, 0, Length::Px},
            {L"12pt ", false, 0, Length::Px},
            {L"pt", false, 0, Length::Px},
            {L"", false, 0, Length::Px},
            {L"12xy", false, 0, Length::Px},
            {L"12%", false, 0, Length::Px},
            // the characters before the suffix go to the converter as they are
            {L"12 pt", true, 12, Length::Pt},
            {L"-pt", true, 0, Length::Pt},
            {L"1.5.5mm", true, 1.5f, Length::Mm},
        },
        Length::parseLength);
}

TEST(LengthFormat, WritesTheSizeWithTheUnitSuffix) {
    EXPECT_EQ(Length::getValueAsString(Length(12, Length::Pt)), L"12pt");
    EXPECT_EQ(Length::getValueAsString(Length(1.5f, Length::Pc)), L"1.5pc");
    EXPECT_EQ(Length::getValueAsString(Length(-0.1f, Length::Ex)), L"-0.1ex");
    expectUnreacheable([] { Length::getValueAsString(Length(1, static_cast<Length::Unit>(8))); },
                       "LengthAttribute", 130);
}

// Round numbers where the conversion is exact, and bit patterns for sizes
// where single-precision divisors, float arithmetic or multiplying by the
// ratio instead of multiplying then dividing would change the last bit.
TEST(LengthPxSize, ConvertsAtNinetySixPerInchToTheBit) {
    const struct {
        float size;
        Length::Unit unit;
        float px;
    } cases[] = {
        {1, Length::In, 96},
        {72, Length::Pt, 96},
        {1, Length::Pc, 16},
        {2.54f, Length::Cm, 96},
        {25.4f, Length::Mm, 96},
        {16, Length::Em, 1},
        {7.25f, Length::Px, 7.25f},
        {11, Length::Cm, 0x1.9fbf8p+8f},        // not with 2.54 in double
        {0.7f, Length::Cm, 0x1.a74e9ep+4f},     // nor in float
        {19, Length::Mm, 0x1.1f3e7ep+6f},       // not with 25.4 in double
        {0.9f, Length::Mm, 0x1.b366cep+1f},     // nor in float
        {0.3f, Length::Pt, 0x1.99999ap-2f},     // not times 96/72
        {0.001f, Length::Pt, 0x1.5d867ep-10f},  // nor in float
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " in unit " << c.unit);
        EXPECT_EQ(bitsOf(Length(c.size, c.unit).pxSize()), bitsOf(c.px));
    }
    EXPECT_EQ(Length(1, static_cast<Length::Unit>(9)).pxSize(), 0);
    expectUnreacheable([] { (void)Length(2, Length::Ex).pxSize(); }, "LengthAttribute", 158);
}

TEST(LengthAttribute, ComparesParsesAndKeepsItsValueOnFailure) {
    EXPECT_TRUE(Length(12, Length::Pt) != Length(12, Length::Px));
    EXPECT_TRUE(Length(12, Length::Pt) != Length(12.5f, Length::Pt));
    TXmlAttribute<Length> attribute;
    EXPECT_EQ(attribute.getValue(), Length(0, Length::Px));
    ASSERT_TRUE(attribute.parseValue(L"12pt"));
    EXPECT_EQ(attribute.getValueAsString(), L"12pt");
    EXPECT_EQ(attribute->pxSize(), 16);
    EXPECT_FALSE(attribute.parseValue(L"12"));
    EXPECT_TRUE(attribute == Length(12, Length::Pt));
    // != is the negation of == also where nothing compares equal
    const TXmlAttribute<Length> nan(Length(std::nanf(""), Length::Pt));
    EXPECT_FALSE(nan == nan.getValue());
    EXPECT_TRUE(nan != nan.getValue());
}

TEST(SLengthParse, ReadsBareNumbersUnitsAndPercentages) {
    checkParses<SLength>(
        {
            {L"10", true, 10, SLength::Px},
            {L"10px", true, 10, SLength::Px},
            {L"10qq", true, 10, SLength::Px},
            {L"10PT", true, 10, SLength::Px},
            {L"10pt", true, 10, SLength::Pt},
            {L"10cm", true, 10, SLength::Cm},
            {L"10mm", true, 10, SLength::Mm},
            {L"10in", true, 10, SLength::In},
            {L"10em", true, 10, SLength::Em},
            {L"10ex", true, 10, SLength::Ex},
            {L"10pc", true, 10, SLength::Pc},
            {L"50%", true, 0.5f, SLength::Percent},
            {L"5%", true, 0.05f, SLength::Percent},  // divided by 100 in double
            {L" 5%", true, 0.05f, SLength::Percent},
            {L"x%", false, 0, SLength::Px},
            {L"%", false, 0, SLength::Px},
            {L"5x", false, 0, SLength::Px},
            {L"", false, 0, SLength::Px},
            // no first-character test; a trailing digit sends the whole text
            {L"x5", true, 0, SLength::Px},
            {L" 7", true, 7, SLength::Px},
            // "10 " is 1 with the unknown suffix "0 "
            {L"10 ", true, 1, SLength::Px},
            {L"abcpt", true, 0, SLength::Pt},
        },
        SLength::parseSLength);
}

TEST(SLengthPxSize, NumbersPicaAndPercentOwnWays) {
    EXPECT_EQ(SLength(1, SLength::Pc).pxSize(), 16);
    EXPECT_EQ(SLength(72, SLength::Pt).pxSize(), 96);
    EXPECT_EQ(bitsOf(SLength(11, SLength::Cm).pxSize()), bitsOf(0x1.9fbf8p+8f));
    EXPECT_EQ(SLength(0.25f, SLength::Percent).pxSize(), 0.25f);
    EXPECT_EQ(SLength(5, static_cast<SLength::Unit>(2)).pxSize(), 0);  // pica in Length only
    expectUnreacheable([] { (void)SLength(2, SLength::Ex).pxSize(); }, "LengthAttribute", 302);
}

TEST(SLengthAttribute, ZeroTestAndNoText) {
    EXPECT_TRUE(!SLength(0, SLength::Percent));
    EXPECT_TRUE(!SLength(-0.0f, SLength::Ex));
    EXPECT_FALSE(!SLength(0.001f, SLength::Px));
    TXmlAttribute<SLength> attribute;
    ASSERT_TRUE(attribute.parseValue(L"50%"));
    EXPECT_TRUE(attribute.getValueAsString().empty());
    EXPECT_FALSE(attribute.parseValue(L"5x"));
    EXPECT_TRUE(attribute == SLength(0.5f, SLength::Percent));
}

}  // namespace
