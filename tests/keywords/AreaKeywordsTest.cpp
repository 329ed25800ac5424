// Keyword enumerations of area positioning, tables and borders.
#include "css/keywords/AreaKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordCaseChecks.h"
#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

const std::vector<EnumSpec> kAreaEnums = {
    {"AbsolutePosition",
     opsFor<Xml::AbsolutePosition>(),
     Rule::Exact,
     {{L"absolute", 1}, {L"fixed", 2}, {L"auto", 0}},
     Writes::Strict,
     {},
     {3, -1},
     {},
     "MiscAttributes"},
    {"RelativePosition",
     opsFor<Xml::RelativePosition>(),
     Rule::Exact,
     {{L"relative", 1}, {L"static", 0}},
     Writes::Strict,
     {},
     {2, -1},
     {},
     "MiscAttributes"},
    {"Overflow",
     opsFor<Xml::Overflow>(),
     Rule::Exact,
     {{L"visible", 0},
      {L"hidden", 1},
      {L"error-if-overflow", 2},
      {L"repeat", 0},
      {L"scroll", 1},
      {L"auto", 0}},
     Writes::Keyword,
     {{0, L"visible"}, {1, L"hidden"}, {2, L"error-if-overflow"}},
     {3, -1}},
    {"FloatPosition",
     opsFor<Xml::FloatPosition>(),
     Rule::CaseInsensitive,
     {{L"left", 0}, {L"right", 1}},
     Writes::Keyword,
     {},
     {2}},
    {"TableLayout",
     opsFor<Xml::TableLayout>(),
     Rule::Exact,
     {{L"auto", 0}, {L"fixed", 1}},
     Writes::Keyword,
     {},
     {2}},
    {"BorderCollapse",
     opsFor<Xml::BorderCollapse>(),
     Rule::Exact,
     {{L"collapse", 0}, {L"collapse-with-precedence", 1}, {L"separate", 2}},
     Writes::Keyword,
     {},
     {3}},
    {"BorderStyle",
     opsFor<Xml::BorderStyle>(),
     Rule::Exact,
     {{L"none", 0},
      {L"solid", 7},
      {L"hidden", 9},
      {L"dotted", 5},
      {L"dashed", 6},
      {L"double", 8},
      {L"groove", 2},
      {L"ridge", 4},
      {L"inset", 1},
      {L"outset", 3}},
     Writes::Keyword,
     {},
     {10, -1}},
    {"BackgroundRepeat",
     opsFor<Xml::BackgroundRepeat>(),
     Rule::Exact,
     {{L"repeat", 0}, {L"repeat-x", 1}, {L"repeat-y", 2}, {L"no-repeat", 3}},
     Writes::Keyword,
     {},
     {4}},
    {"Scaling",
     opsFor<Xml::Scaling>(),
     Rule::Exact,
     {{L"uniform", 0}, {L"non-uniform", 1}},
     Writes::Keyword,
     {},
     {2}},
    {"ScalingReference",
     opsFor<Xml::ScalingReference>(),
     Rule::CaseInsensitive,
     {{L"line", 0}, {L"block", 1}},
     Writes::Keyword,
     {},
     {2}},
    {"AnchorX",
     opsFor<Xml::AnchorX>(),
     Rule::CaseInsensitive,
     {{L"body", 1}, {L"page", 2}, {L"character", 3}, {L"auto", 0}},
     Writes::Nothing,
     {},
     {4}},
    {"AnchorY",
     opsFor<Xml::AnchorY>(),
     Rule::CaseInsensitive,
     {{L"body", 1}, {L"page", 2}, {L"block", 3}, {L"line", 4}, {L"auto", 0}},
     Writes::Nothing,
     {},
     {5}},
    {"PositionX",
     opsFor<Xml::PositionX>(),
     Rule::CaseInsensitive,
     {{L"left", 1}, {L"center", 2}, {L"right", 3}, {L"auto", 0}},
     Writes::Nothing,
     {},
     {4}},
    {"PositionY",
     opsFor<Xml::PositionY>(),
     Rule::CaseInsensitive,
     {{L"top", 1}, {L"middle", 2}, {L"bottom", 3}, {L"auto", 0}},
     Writes::Nothing,
     {},
     {4}},
};

INSTANTIATE_TEST_SUITE_P(AreaKeywords, KeywordEnumTest, ::testing::ValuesIn(kAreaEnums), specName);

TEST(AreaKeywords, KeywordsReadByTheirCaseRule) {
    expectCaseRules(kAreaEnums);
}

TEST(Overflow, AliasesAreWrittenAsTheirValuesKeyword) {
    const struct {
        const wchar_t* text;
        Xml::Overflow expected;
        const wchar_t* written;
    } cases[] = {{L"scroll", Xml::Overflow::Hidden, L"hidden"},
                 {L"auto", Xml::Overflow::Visible, L"visible"},
                 {L"repeat", Xml::Overflow::Visible, L"visible"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        Xml::TXmlAttribute<Xml::Overflow> overflow(Xml::Overflow::ErrorIfOverflow);
        EXPECT_TRUE(overflow.parseValue(c.text));
        EXPECT_TRUE(overflow == c.expected);
        EXPECT_EQ(overflow.getValueAsString(), c.written);
    }
}

TEST(BorderStyle, NumberingDiffersFromTableOrder) {
    Xml::TXmlAttribute<Xml::BorderStyle> style;
    EXPECT_TRUE(style.parseValue(L"solid"));
    EXPECT_EQ(static_cast<int>(style.getValue()), 7);
    EXPECT_TRUE(style.parseValue(L"inset"));
    EXPECT_EQ(static_cast<int>(style.getValue()), 1);
    style = static_cast<Xml::BorderStyle>(10);
    EXPECT_EQ(style.getValueAsString(), L"");
}

TEST(AreaKeywords, CaseRuleDiffersBetweenFloatsAndTableLayout) {
    Xml::TXmlAttribute<Xml::FloatPosition> floatPosition(Xml::FloatPosition::Right);
    EXPECT_TRUE(floatPosition.parseValue(L"Left"));
    EXPECT_TRUE(floatPosition == Xml::FloatPosition::Left);
    Xml::TXmlAttribute<Xml::TableLayout> layout(Xml::TableLayout::Fixed);
    EXPECT_FALSE(layout.parseValue(L"Auto"));
    EXPECT_TRUE(layout == Xml::TableLayout::Fixed);
}

// The strict formatters raise for a value outside their table; the values a
// parse can give are always written.
TEST(AreaKeywords, StrictPositionsRaiseOnlyOutsideTheirTables) {
    LogCapture log;
    Xml::TXmlAttribute<Xml::RelativePosition> relative(static_cast<Xml::RelativePosition>(2));
    EXPECT_THROW(relative.getValueAsString(), Core::UnreacheableCodeException);
    Xml::TXmlAttribute<Xml::AbsolutePosition> absolute(static_cast<Xml::AbsolutePosition>(3));
    EXPECT_THROW(absolute.getValueAsString(), Core::UnreacheableCodeException);
    EXPECT_EQ(log.entries().size(), 2u);
    EXPECT_TRUE(relative.parseValue(L"static"));
    EXPECT_EQ(relative.getValueAsString(), L"static");
    EXPECT_TRUE(absolute.parseValue(L"fixed"));
    EXPECT_EQ(absolute.getValueAsString(), L"fixed");
    EXPECT_EQ(log.entries().size(), 2u);
}

}  // namespace
}  // namespace keyword_test
