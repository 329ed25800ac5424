#include "css/lengths/Length.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "tests/lengths/ExpectRaise.h"

namespace {

using lengths_test::expectUnreacheable;
using Xml::Length;
using Xml::SLength;
using Xml::TXmlAttribute;

std::uint32_t bitsOf(float value) {
    return std::bit_cast<std::uint32_t>(value);
}

// A value no parse in these tables produces, to see that failures leave it.
const Length kLengthSentinel(-77.5f, Length::Ex);
const SLength kSLengthSentinel(-77.5f, SLength::Pc);

struct LengthCase {
    const wchar_t* text;
    bool ok;
    float size;
    Length::Unit unit;
};

TEST(LengthParse, AcceptsAndRejectsAsTheRulesSay) {
    const LengthCase cases[] = {
        // every suffix, exact case
        {L"12pt", true, 12, Length::Pt},
        {L"12px", true, 12, Length::Px},
        {L"2.5cm", true, 2.5f, Length::Cm},
        {L"-3mm", true, -3, Length::Mm},
        {L".5in", true, 0.5f, Length::In},
        {L"+2em", true, 2, Length::Em},
        {L"1ex", true, 1, Length::Ex},
        {L"3pc", true, 3, Length::Pc},
        {L"1.5e1px", true, 15, Length::Px},
        // "0" alone is points; no other short text is a length
        {L"0", true, 0, Length::Pt},
        {L"5", false, 0, Length::Px},
        {L"00", false, 0, Length::Px},
        {L"12", false, 0, Length::Px},
        {L"0.0", false, 0, Length::Px},
        {L"1.5", false, 0, Length::Px},
        // case, blanks and first character
        {L"12PT", false, 0, Length::Px},
        {L"12Pt", false, 0, Length::Px},
        {L" 12pt", false, 0, Length::Px},
        {L"12pt ", false, 0, Length::Px},
        {L"pt", false, 0, Length::Px},
        {L"e5px", false, 0, Length::Px},
        {L"", false, 0, Length::Px},
        {L"12xy", false, 0, Length::Px},
        {L"12p", false, 0, Length::Px},
        {L"12%", false, 0, Length::Px},
        // the number before the suffix goes to the converter as it is
        {L"12 pt", true, 12, Length::Pt},
        {L"-pt", true, 0, Length::Pt},
        {L"1.5.5mm", true, 1.5f, Length::Mm},
        {L"3abcin", true, 3, Length::In},
    };
    for (const LengthCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        Length target = kLengthSentinel;
        EXPECT_EQ(Length::parseLength(target, c.text), c.ok);
        if (c.ok) {
            EXPECT_EQ(target.getUnit(), c.unit);
            EXPECT_EQ(target.getSize(), c.size);
        } else {
            EXPECT_EQ(target, kLengthSentinel);
        }
    }
}

TEST(LengthFormat, WritesSizeAndUnitSuffix) {
    const struct {
        Length length;
        const wchar_t* text;
    } cases[] = {
        {Length(12, Length::Px), L"12px"},    {Length(12, Length::Pt), L"12pt"},
        {Length(1.5f, Length::Pc), L"1.5pc"}, {Length(-2, Length::Cm), L"-2cm"},
        {Length(0.1f, Length::Mm), L"0.1mm"}, {Length(0.5f, Length::In), L"0.5in"},
        {Length(3, Length::Em), L"3em"},      {Length(1, Length::Ex), L"1ex"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Length::getValueAsString(c.length), c.text);
    }
}

TEST(LengthFormat, UnitOutsideTheTableRaisesAtLine130) {
    const Length bad(1, static_cast<Length::Unit>(8));
    expectUnreacheable([&] { Length::getValueAsString(bad); }, "LengthAttribute", 130);
    const Length negative(1, static_cast<Length::Unit>(-1));
    expectUnreacheable([&] { Length::getValueAsString(negative); }, "LengthAttribute", 130);
}

// Expected pixels: round numbers where the conversion is exact, and bit
// patterns for sizes where the single-precision divisors, the double
// arithmetic or the order of operations change the last bit.
TEST(LengthPxSize, ConvertsAtNinetySixPerInchToTheBit) {
    const struct {
        float size;
        Length::Unit unit;
        float px;
    } cases[] = {
        {1, Length::In, 96},
        {72, Length::Pt, 96},
        {12, Length::Pt, 16},
        {1, Length::Pc, 16},
        {2.54f, Length::Cm, 96},
        {25.4f, Length::Mm, 96},
        {16, Length::Em, 1},
        {1, Length::Em, 0.0625f},
        {7.25f, Length::Px, 7.25f},
        {11, Length::Cm, 0x1.9fbf8p+8f},     // differs with a divisor of 2.54 exactly
        {0.7f, Length::Cm, 0x1.a74e9ep+4f},  // differs with float arithmetic too
        {19, Length::Mm, 0x1.1f3e7ep+6f},    // differs with a divisor of 25.4 exactly
        {33.3f, Length::Mm, 0x1.f76edep+6f},
        {0.9f, Length::Mm, 0x1.b366cep+1f},
        {0.3f, Length::Pt, 0x1.99999ap-2f},     // differs when multiplied by 96/72
        {0.001f, Length::Pt, 0x1.5d867ep-10f},  // differs in float arithmetic
        {3.3f, Length::Pt, 0x1.19999ap+2f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " unit " << c.unit);
        EXPECT_EQ(bitsOf(Length(c.size, c.unit).pxSize()), bitsOf(c.px));
    }
    EXPECT_EQ(Length(1, static_cast<Length::Unit>(9)).pxSize(), 0);
}

TEST(LengthPxSize, ExRaisesAtLine158) {
    expectUnreacheable([] { (void)Length(2, Length::Ex).pxSize(); }, "LengthAttribute", 158);
}

TEST(LengthValue, ComparesUnitAndSize) {
    EXPECT_EQ(Length(), Length(0, Length::Px));
    EXPECT_TRUE(Length(12, Length::Pt) == Length(12, Length::Pt));
    EXPECT_FALSE(Length(12, Length::Pt) == Length(12, Length::Px));
    EXPECT_FALSE(Length(12, Length::Pt) == Length(12.5f, Length::Pt));
    const Length nan(std::numeric_limits<float>::quiet_NaN(), Length::Pt);
    EXPECT_FALSE(nan == nan);
    EXPECT_TRUE(nan != nan);
    EXPECT_FALSE(Length(12, Length::Pt) != Length(12, Length::Pt));
}

TEST(LengthAttribute, ParsesFormatsAndCopies) {
    TXmlAttribute<Length> attribute;
    EXPECT_EQ(attribute.getValue(), Length());
    ASSERT_TRUE(attribute.parseValue(L"12pt"));
    EXPECT_EQ(attribute.getValueAsString(), L"12pt");
    EXPECT_EQ(attribute->pxSize(), 16);
    EXPECT_FALSE(attribute.parseValue(L"12"));
    EXPECT_EQ(attribute.getValue(), Length(12, Length::Pt));

    TXmlAttribute<Length> copy;
    copy.copyFrom(attribute);
    EXPECT_TRUE(copy == Length(12, Length::Pt));
    EXPECT_TRUE(attribute == Length(12, Length::Pt));
    TXmlAttribute<Length> nan(Length(std::nanf(""), Length::Pt));
    EXPECT_TRUE(nan != nan.getValue());
}

struct SLengthCase {
    const wchar_t* text;
    bool ok;
    float size;
    SLength::Unit unit;
};

TEST(SLengthParse, AcceptsAndRejectsAsTheRulesSay) {
    const SLengthCase cases[] = {
        // bare numbers and "px" are pixels, as is any unknown suffix
        {L"10", true, 10, SLength::Px},
        {L"5", true, 5, SLength::Px},
        {L"10px", true, 10, SLength::Px},
        {L"10qq", true, 10, SLength::Px},
        {L"10PT", true, 10, SLength::Px},
        {L"-1.5e1", true, -15, SLength::Px},
        // the known suffixes, pica with its own number
        {L"10pt", true, 10, SLength::Pt},
        {L"10cm", true, 10, SLength::Cm},
        {L"10mm", true, 10, SLength::Mm},
        {L"10in", true, 10, SLength::In},
        {L"10em", true, 10, SLength::Em},
        {L"10ex", true, 10, SLength::Ex},
        {L"10pc", true, 10, SLength::Pc},
        // percentages hold fractions
        {L"50%", true, 0.5f, SLength::Percent},
        {L"5%", true, 0.05f, SLength::Percent},
        {L" 5%", true, 0.05f, SLength::Percent},
        {L"-200%", true, -2, SLength::Percent},
        {L"x%", false, 0, SLength::Px},
        {L"%", false, 0, SLength::Px},
        // no first-character test: a trailing digit sends the whole text to the converter
        {L"x5", true, 0, SLength::Px},
        {L" 7", true, 7, SLength::Px},
        // short texts that are neither number nor percentage
        {L"5x", false, 0, SLength::Px},
        {L"x", false, 0, SLength::Px},
        {L"", false, 0, SLength::Px},
        // what precedes the suffix is converted as it stands
        {L"abcpt", true, 0, SLength::Pt},
        {L"10 ", true, 1, SLength::Px},
    };
    for (const SLengthCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        SLength target = kSLengthSentinel;
        EXPECT_EQ(SLength::parseSLength(target, c.text), c.ok);
        if (c.ok) {
            EXPECT_EQ(target.getUnit(), c.unit);
            EXPECT_EQ(bitsOf(target.getSize()), bitsOf(c.size));
        } else {
            EXPECT_EQ(target, kSLengthSentinel);
        }
    }
}

TEST(SLengthPxSize, ConvertsLikeLengthWithItsOwnNumbering) {
    const struct {
        float size;
        SLength::Unit unit;
        float px;
    } cases[] = {
        {3, SLength::Px, 3},
        {72, SLength::Pt, 96},
        {1, SLength::Pc, 16},
        {2.54f, SLength::Cm, 96},
        {25.4f, SLength::Mm, 96},
        {1, SLength::In, 96},
        {16, SLength::Em, 1},
        {0.25f, SLength::Percent, 0.25f},
        {11, SLength::Cm, 0x1.9fbf8p+8f},
        {19, SLength::Mm, 0x1.1f3e7ep+6f},
        {0.3f, SLength::Pt, 0x1.99999ap-2f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.size << " unit " << c.unit);
        EXPECT_EQ(bitsOf(SLength(c.size, c.unit).pxSize()), bitsOf(c.px));
    }
    // 2 is pica in Length but nothing in SLength
    EXPECT_EQ(SLength(5, static_cast<SLength::Unit>(2)).pxSize(), 0);
    EXPECT_EQ(SLength(5, static_cast<SLength::Unit>(10)).pxSize(), 0);
}

TEST(SLengthPxSize, ExRaisesAtLine302) {
    expectUnreacheable([] { (void)SLength(2, SLength::Ex).pxSize(); }, "LengthAttribute", 302);
}

TEST(SLengthValue, NotIsTrueForZeroInAnyUnit) {
    EXPECT_TRUE(!SLength());
    EXPECT_TRUE(!SLength(0, SLength::Percent));
    EXPECT_TRUE(!SLength(-0.0f, SLength::Ex));
    EXPECT_FALSE(!SLength(0.001f, SLength::Px));
    EXPECT_FALSE(!SLength(-1, SLength::Cm));
    EXPECT_FALSE(SLength(1, SLength::Px) == SLength(1, SLength::Pt));
    EXPECT_TRUE(SLength(1, SLength::Px) != SLength(2, SLength::Px));
}

TEST(SLengthAttribute, ParsesButWritesNoText) {
    TXmlAttribute<SLength> attribute;
    ASSERT_TRUE(attribute.parseValue(L"50%"));
    EXPECT_EQ(attribute.getValue(), SLength(0.5f, SLength::Percent));
    EXPECT_TRUE(attribute.getValueAsString().empty());
    EXPECT_FALSE(attribute.parseValue(L"5x"));
    EXPECT_TRUE(attribute == SLength(0.5f, SLength::Percent));
}

}  // namespace
