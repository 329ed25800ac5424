// Keyword enumerations of text, fonts and inline formatting.
#include "css/keywords/FontKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

using Xml::FontWeight;
using Xml::TextAlign;

const std::vector<EnumSpec> kFontEnums = {
    {"FontStyle",
     opsFor<Xml::FontStyle>(),
     Rule::Exact,
     {{L"italic", 1}, {L"oblique", 1}, {L"backslant", 3}, {L"normal", 0}},
     Writes::Strict,
     {{0, L"normal"}, {1, L"italic"}, {2, L"oblique"}, {3, L"backslant"}},
     {4, -1, 100},
     {},
     "FontAttributes"},
    {"FontWeight",
     opsFor<Xml::FontWeight>(),
     Rule::Exact,
     {{L"bold", 1}, {L"bolded", 1}, {L"bolder", 1}, {L"normal", 0}, {L"lighter", 0}},
     Writes::Fallback,
     {{0, L"normal"}, {1, L"bold"}},
     {2, -1, 700},
     L"normal"},
    {"FontVariant",
     opsFor<Xml::FontVariant>(),
     Rule::Exact,
     {{L"small-caps", 1}, {L"normal", 0}},
     Writes::Nothing,
     {},
     {2, -1}},
    {"TextLineStyle",
     opsFor<Xml::TextLineStyle>(),
     Rule::Exact,
     {{L"solid", 1},
      {L"double", 2},
      {L"dotted", 3},
      {L"dashed", 4},
      {L"dot-dash", 5},
      {L"dot-dot-dash", 6},
      {L"none", 0}},
     Writes::Strict,
     {},
     {7, -1},
     {},
     "FontAttributes"},
    {"TextAlign",
     opsFor<Xml::TextAlign>(),
     Rule::LowerCased,
     {{L"left", 5},
      {L"right", 6},
      {L"center", 3},
      {L"justify", 4},
      {L"start", 5},
      {L"end", 6},
      {L"inside", 7},
      {L"outside", 8}},
     Writes::Strict,
     {{0, L"left"},
      {1, L"left"},
      {2, L"right"},
      {3, L"center"},
      {4, L"justify"},
      {5, L"start"},
      {6, L"end"},
      {7, L"inside"},
      {8, L"outside"}},
     {9, -1},
     {},
     "MiscAttributes"},
    {"TextDirection",
     opsFor<Xml::TextDirection>(),
     Rule::Exact,
     {{L"ltr", 0}, {L"rtl", 1}},
     Writes::Nothing,
     {},
     {2}},
    {"WhiteSpaceTreatment",
     opsFor<Xml::WhiteSpaceTreatment>(),
     Rule::CaseInsensitive,
     {{L"ignore", 0},
      {L"preserve", 1},
      {L"ignore-if-before-linefeed", 2},
      {L"ignore-if-after-linefeed", 3},
      {L"ignore-if-surrounding-linefeed", 4}},
     Writes::Keyword,
     {},
     {5, -1}},
    {"LinefeedTreatment",
     opsFor<Xml::LinefeedTreatment>(),
     Rule::CaseInsensitive,
     {{L"ignore", 0}, {L"preserve", 1}, {L"treat-as-space", 2}, {L"treat-as-zero-width-space", 3}},
     Writes::Keyword,
     {},
     {4}},
    {"WrapOption",
     opsFor<Xml::WrapOption>(),
     Rule::CaseInsensitive,
     {{L"wrap", 0}, {L"no-wrap", 1}},
     Writes::Keyword,
     {},
     {2}},
    {"LineStackingStrategy",
     opsFor<Xml::LineStackingStrategy>(),
     Rule::CaseInsensitive,
     {{L"font-height", 1}, {L"line-height", 0}, {L"max-height", 2}},
     Writes::Keyword,
     {},
     {3}},
    {"LineHeightShiftAdjustment",
     opsFor<Xml::LineHeightShiftAdjustment>(),
     Rule::CaseInsensitive,
     {{L"consider-shifts", 0}, {L"disregard-shifts", 1}},
     Writes::Keyword,
     {},
     {2}},
    {"AlignmentBaseline",
     opsFor<Xml::AlignmentBaseline>(),
     Rule::Exact,
     {{L"auto", 0},
      {L"baseline", 1},
      {L"before-edge", 2},
      {L"text-before-edge", 3},
      {L"middle", 4},
      {L"central", 5},
      {L"after-edge", 6},
      {L"text-after-edge", 7},
      {L"ideographic", 8},
      {L"alphabetic", 9},
      {L"hanging", 10},
      {L"mathematical", 11},
      {L"top", 12},
      {L"text-top", 13},
      {L"bottom", 14},
      {L"text-bottom", 15}},
     Writes::Keyword,
     {},
     {16, -1}},
    {"DisplayAlign",
     opsFor<Xml::DisplayAlign>(),
     Rule::Exact,
     {{L"before", 0}, {L"after", 1}, {L"center", 2}},
     Writes::Keyword,
     {},
     {3}},
    {"Visibility",
     opsFor<Xml::Visibility>(),
     Rule::CaseInsensitive,
     {{L"visible", 0}, {L"hidden", 1}, {L"collapse", 2}},
     Writes::Keyword,
     {},
     {3}},
    {"LeaderPattern",
     opsFor<Xml::LeaderPattern>(),
     Rule::Exact,
     {{L"space", 0}, {L"rule", 1}, {L"dots", 2}, {L"use-content", 3}},
     Writes::Keyword,
     {},
     {4}},
    {"LeaderAlignment",
     opsFor<Xml::LeaderAlignment>(),
     Rule::Exact,
     {{L"none", 0}, {L"reference-area", 1}, {L"page", 2}},
     Writes::Keyword,
     {},
     {3}},
    {"TabStopType",
     opsFor<Xml::TabStopType>(),
     Rule::CaseInsensitive,
     {{L"left", 0}, {L"center", 1}, {L"right", 2}},
     Writes::Keyword,
     {},
     {3}},
    {"TabPattern",
     opsFor<Xml::TabPattern>(),
     Rule::CaseInsensitive,
     {{L"none", 0}, {L"dot", 1}, {L"hyphen", 2}, {L"underscore", 3}},
     Writes::Keyword,
     {},
     {4}},
};

INSTANTIATE_TEST_SUITE_P(FontKeywords, KeywordEnumTest, ::testing::ValuesIn(kFontEnums), specName);

TEST(FontWeight, IntegerAbove400IsBold) {
    const struct {
        const wchar_t* text;
        FontWeight expected;
    } cases[] = {{L"400", FontWeight::Normal}, {L"401", FontWeight::Bold},
                 {L"100", FontWeight::Normal}, {L"-5", FontWeight::Normal},
                 {L"900", FontWeight::Bold},   {L"+700", FontWeight::Bold}};
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        Xml::TXmlAttribute<FontWeight> weight(c.expected == FontWeight::Bold ? FontWeight::Normal
                                                                             : FontWeight::Bold);
        EXPECT_TRUE(weight.parseValue(c.text));
        EXPECT_TRUE(weight == c.expected);
    }
}

TEST(FontWeight, NeitherKeywordNorIntegerKeepsTheValue) {
    Xml::TXmlAttribute<FontWeight> weight(FontWeight::Bold);
    for (const wchar_t* text : {L"heavy", L"Bold", L"700px", L"4.5e2", L""}) {
        EXPECT_FALSE(weight.parseValue(text)) << narrow(text);
        EXPECT_TRUE(weight == FontWeight::Bold);
    }
}

TEST(FontStyle, ObliqueReadsAsItalicButObliqueWritesItsOwnName) {
    Xml::TXmlAttribute<Xml::FontStyle> style;
    ASSERT_TRUE(style.parseValue(L"oblique"));
    EXPECT_TRUE(style == Xml::FontStyle::Italic);
    EXPECT_EQ(style.getValueAsString(), L"italic");
    style.setValue(Xml::FontStyle::Oblique);
    EXPECT_EQ(style.getValueAsString(), L"oblique");
}

TEST(TextAlign, LeftAndRightReadAsStartAndEndInAnyCase) {
    Xml::TXmlAttribute<TextAlign> align(TextAlign::Left);
    ASSERT_TRUE(align.parseValue(L"LeFt"));
    EXPECT_TRUE(align == TextAlign::Start);
    EXPECT_EQ(align.getValueAsString(), L"start");
    ASSERT_TRUE(align.parseValue(L"RIGHT"));
    EXPECT_TRUE(align == TextAlign::End);
    ASSERT_TRUE(align.parseValue(L"Justify"));
    EXPECT_TRUE(align == TextAlign::Justify);
}

TEST(DisplayAlign, HasNoAuto) {
    Xml::TXmlAttribute<Xml::DisplayAlign> align(Xml::DisplayAlign::After);
    EXPECT_FALSE(align.parseValue(L"auto"));
    EXPECT_TRUE(align == Xml::DisplayAlign::After);
}

}  // namespace
}  // namespace keyword_test
