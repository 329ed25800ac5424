// Keyword enumerations of SVG graphics, and the text-decoration flags.
#include "css/keywords/GraphicsKeywords.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

using Xml::SDisplay;
using Xml::STextDecoration;

const std::vector<EnumSpec> kGraphicsEnums = {
    {"SLineCap",
     opsFor<Xml::SLineCap>(),
     Rule::Exact,
     {{L"butt", 0}, {L"round", 1}, {L"square", 2}},
     Writes::Nothing,
     {},
     {3, -1}},
    {"SLineJoin",
     opsFor<Xml::SLineJoin>(),
     Rule::Exact,
     {{L"miter", 0}, {L"round", 2}, {L"bevel", 1}},
     Writes::Nothing,
     {},
     {3, -1}},
    {"STextAnchor",
     opsFor<Xml::STextAnchor>(),
     Rule::Exact,
     {{L"start", 1}, {L"middle", 2}, {L"end", 3}},
     Writes::Nothing,
     {},
     {0, 4}},
    {"SVisibility",
     opsFor<Xml::SVisibility>(),
     Rule::Exact,
     {{L"visible", 1}, {L"hidden", 2}, {L"collapse", 3}},
     Writes::Nothing,
     {},
     {0, 4}},
    {"GradientUnits",
     opsFor<Drawing::GradientUnits>(),
     Rule::Exact,
     {{L"userSpaceOnUse", 1}, {L"objectBoundingBox", 0}},
     Writes::Nothing,
     {},
     {2}},
    {"GradientSpreadMethod",
     opsFor<Drawing::GradientSpreadMethod>(),
     Rule::Exact,
     {{L"repeat", 0}, {L"reflect", 1}, {L"pad", 2}},
     Writes::Nothing,
     {},
     {3}},
};

INSTANTIATE_TEST_SUITE_P(GraphicsKeywords, KeywordEnumTest, ::testing::ValuesIn(kGraphicsEnums),
                         specName);

// SDisplay takes every text: keywords store their value, anything else keeps it.
TEST(SDisplay, EveryKeywordGivesItsNumber) {
    const wchar_t* const keywords[] = {L"inline",
                                       L"block",
                                       L"list-item",
                                       L"run-in",
                                       L"compact",
                                       L"marker",
                                       L"table",
                                       L"inline-table",
                                       L"table-row-group",
                                       L"table-header-group",
                                       L"table-footer-group",
                                       L"table-row",
                                       L"table-column-group",
                                       L"table-column",
                                       L"table-cell",
                                       L"table-caption",
                                       L"none"};
    const Ops ops = opsFor<SDisplay>();
    for (int number = 0; number < 17; ++number) {
        SCOPED_TRACE(narrow(keywords[number]));
        EXPECT_EQ(ops.parse(kUntouched, keywords[number]), std::pair(true, number));
        EXPECT_EQ(ops.format(number), L"");
    }
}

TEST(SDisplay, AnyOtherTextIsAcceptedAndKeepsTheValue) {
    for (const wchar_t* text : {L"flex", L"Block", L" block", L"block ", L"", L"inline-block"}) {
        SCOPED_TRACE(narrow(text));
        Xml::TXmlAttribute<SDisplay> display(SDisplay::Block);
        EXPECT_TRUE(display.parseValue(text));
        EXPECT_TRUE(display == SDisplay::Block);
    }
}

TEST(GraphicsKeywords, RoundIsOneAsCapAndTwoAsJoin) {
    Xml::TXmlAttribute<Xml::SLineCap> cap;
    Xml::TXmlAttribute<Xml::SLineJoin> join;
    EXPECT_TRUE(cap.parseValue(L"round"));
    EXPECT_TRUE(join.parseValue(L"round"));
    EXPECT_EQ(static_cast<int>(cap.getValue()), 1);
    EXPECT_EQ(static_cast<int>(join.getValue()), 2);
}

TEST(GraphicsKeywords, AnchorAndVisibilityStartAtAValueParsingNeverGives) {
    Xml::TXmlAttribute<Xml::STextAnchor> anchor;
    Xml::TXmlAttribute<Xml::SVisibility> visibility;
    EXPECT_EQ(static_cast<int>(anchor.getValue()), 0);
    EXPECT_EQ(static_cast<int>(visibility.getValue()), 0);
    for (const wchar_t* text : {L"", L"0", L"auto", L"inherit", L"unspecified"}) {
        EXPECT_FALSE(anchor.parseValue(text)) << narrow(text);
        EXPECT_FALSE(visibility.parseValue(text)) << narrow(text);
    }
    EXPECT_EQ(static_cast<int>(anchor.getValue()), 0);
    EXPECT_EQ(static_cast<int>(visibility.getValue()), 0);
}

// What a decoration text leaves in an attribute that started with all three
// flags set, and whether it was accepted.
struct DecorationCase {
    const wchar_t* text;
    bool accepted;
    STextDecoration expected;
};

void PrintTo(const DecorationCase& c, std::ostream* os) {
    *os << '"' << narrow(c.text) << '"';
}

class STextDecorationParse : public ::testing::TestWithParam<DecorationCase> {};

const STextDecoration kAll(true, true, true);
const STextDecoration kNone;

TEST_P(STextDecorationParse, FlagsAndResult) {
    const DecorationCase& c = GetParam();
    Xml::TXmlAttribute<STextDecoration> decoration(kAll);
    EXPECT_EQ(decoration.parseValue(c.text), c.accepted);
    EXPECT_TRUE(decoration == c.expected)
        << decoration->isUnderline() << decoration->isOverline() << decoration->isLineThrough();
    EXPECT_EQ(decoration.getValueAsString(), L"");
}

INSTANTIATE_TEST_SUITE_P(
    Lists, STextDecorationParse,
    ::testing::Values(DecorationCase{L"underline", true, {true, false, false}},
                      DecorationCase{L"overline", true, {false, true, false}},
                      DecorationCase{L"line-through", true, {false, false, true}},
                      DecorationCase{L"underline,line-through", true, {true, false, true}},
                      DecorationCase{L" overline", true, {false, true, false}},
                      DecorationCase{L"overline, \tunderline", true, {true, true, false}},
                      DecorationCase{L"underline,underline", true, {true, false, false}},
                      DecorationCase{L"underline,", true, {true, false, false}},
                      DecorationCase{
                          L"line-through,overline,underline", true, {true, true, true}}));

INSTANTIATE_TEST_SUITE_P(None, STextDecorationParse,
                         ::testing::Values(DecorationCase{L"none", true, kNone},
                                           DecorationCase{L"underline, none", true, kNone},
                                           DecorationCase{L"none,underline", true, kNone},
                                           DecorationCase{L"bogus none", true, kNone},
                                           DecorationCase{L"nonexistent", true, kNone}));

// Every failure keeps all three flags as they were.
INSTANTIATE_TEST_SUITE_P(Rejected, STextDecorationParse,
                         ::testing::Values(DecorationCase{L"", false, kAll},
                                           DecorationCase{L"underline ,overline", false, kAll},
                                           DecorationCase{L"underline ", false, kAll},
                                           DecorationCase{L"blink", false, kAll},
                                           DecorationCase{L"Underline", false, kAll},
                                           DecorationCase{L"NONE", false, kAll},
                                           DecorationCase{L"underline,,overline", false, kAll},
                                           DecorationCase{L",underline", false, kAll},
                                           DecorationCase{L"underline, ", false, kAll},
                                           DecorationCase{L"   ", false, kAll},
                                           DecorationCase{L"underline overline", false, kAll},
                                           DecorationCase{L"overline,blink", false, kAll}));

TEST(STextDecoration, FlagsAndEquality) {
    EXPECT_TRUE(kNone.isNone());
    const STextDecoration over(false, true, false);
    EXPECT_FALSE(over.isNone());
    EXPECT_FALSE(over.isUnderline());
    EXPECT_TRUE(over.isOverline());
    EXPECT_FALSE(over.isLineThrough());
    EXPECT_TRUE(STextDecoration(false, false, true).isLineThrough());
    EXPECT_TRUE(STextDecoration(true, false, false).isUnderline());
    EXPECT_FALSE(over == STextDecoration(false, false, true));
    EXPECT_FALSE(over == STextDecoration(true, true, false));
    EXPECT_TRUE(over == STextDecoration(false, true, false));
}

TEST(STextDecoration, CopyFromCopiesAllThreeFlags) {
    const Xml::TXmlAttribute<STextDecoration> source(STextDecoration(true, false, true));
    Xml::TXmlAttribute<STextDecoration> target(STextDecoration(false, true, false));
    static_cast<Xml::XmlAttribute&>(target).copyFrom(source);
    EXPECT_TRUE(target == STextDecoration(true, false, true));
}

}  // namespace
}  // namespace keyword_test
