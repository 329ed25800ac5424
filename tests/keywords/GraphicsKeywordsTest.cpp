// Keyword enumerations of SVG graphics, and the text-decoration flags.
#include "css/keywords/GraphicsKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

using Xml::STextDecoration;

// The columns as in FontKeywordsTest.cpp. SDisplay accepts any text, keeping
// its value where the text is no keyword.
// clang-format off
const std::vector<EnumCase> kGraphicsEnums = {
    {"SLineCap", opsFor<Xml::SLineCap>(), Rule::Exact, Writes::Nothing,
     {{L"butt", 0}, {L"round", 1}, {L"square", 2}}, {3, -1}},
    {"SLineJoin", opsFor<Xml::SLineJoin>(), Rule::Exact, Writes::Nothing,
     {{L"miter", 0}, {L"round", 2}, {L"bevel", 1}}, {3, -1}},
    {"STextAnchor", opsFor<Xml::STextAnchor>(), Rule::Exact, Writes::Nothing,
     {{L"start", 1}, {L"middle", 2}, {L"end", 3}}, {0, 4}},
    {"SVisibility", opsFor<Xml::SVisibility>(), Rule::Exact, Writes::Nothing,
     {{L"visible", 1}, {L"hidden", 2}, {L"collapse", 3}}, {0, 4}},
    {"SDisplay", opsFor<Xml::SDisplay>(), Rule::Exact, Writes::Nothing,
     {{L"inline", 0}, {L"block", 1}, {L"list-item", 2}, {L"run-in", 3}, {L"compact", 4},
      {L"marker", 5}, {L"table", 6}, {L"inline-table", 7}, {L"table-row-group", 8},
      {L"table-header-group", 9}, {L"table-footer-group", 10}, {L"table-row", 11},
      {L"table-column-group", 12}, {L"table-column", 13}, {L"table-cell", 14},
      {L"table-caption", 15}, {L"none", 16}}, {17, -1}, {}, {}, nullptr, {true}},
    {"GradientUnits", opsFor<Drawing::GradientUnits>(), Rule::Exact, Writes::Nothing,
     {{L"userSpaceOnUse", 1}, {L"objectBoundingBox", 0}}, {2}},
    {"GradientSpreadMethod", opsFor<Drawing::GradientSpreadMethod>(), Rule::Exact, Writes::Nothing,
     {{L"repeat", 0}, {L"reflect", 1}, {L"pad", 2}}, {3}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(GraphicsKeywords, KeywordEnumTest, ::testing::ValuesIn(kGraphicsEnums),
                         caseName);

// Each text parsed into an attribute that holds all three flags: whether it
// is accepted and the underline, overline and line-through flags after.
// A failed list keeps all three flags.
TEST(STextDecoration, ListParser) {
    const struct {
        const wchar_t* text;
        bool accepted, underline, overline, lineThrough;
    } cases[] = {
        // clang-format off
        {L"underline", true, 1, 0, 0},            {L"overline", true, 0, 1, 0},
        {L"line-through", true, 0, 0, 1},         {L"underline,line-through", true, 1, 0, 1},
        {L" overline", true, 0, 1, 0},            {L"overline, \tunderline", true, 1, 1, 0},
        {L"underline,underline", true, 1, 0, 0},  {L"underline,", true, 1, 0, 0},
        {L"line-through,overline,underline", true, 1, 1, 1},
        // "none" anywhere clears every flag
        {L"none", true, 0, 0, 0},                 {L"underline, none", true, 0, 0, 0},
        {L"none,underline", true, 0, 0, 0},       {L"bogus none", true, 0, 0, 0},
        {L"nonexistent", true, 0, 0, 0},
        // refused
        {L"", false, 1, 1, 1},                    {L"underline ,overline", false, 1, 1, 1},
        {L"underline ", false, 1, 1, 1},          {L"blink", false, 1, 1, 1},
        {L"Underline", false, 1, 1, 1},           {L"NONE", false, 1, 1, 1},
        {L"underline,,overline", false, 1, 1, 1}, {L",underline", false, 1, 1, 1},
        {L"underline, ", false, 1, 1, 1},         {L"   ", false, 1, 1, 1},
        {L"underline overline", false, 1, 1, 1},  {L"overline,blink", false, 1, 1, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        Xml::TXmlAttribute<STextDecoration> decoration(STextDecoration(true, true, true));
        EXPECT_EQ(decoration.parseValue(c.text), c.accepted);
        EXPECT_EQ(decoration->isUnderline(), c.underline);
        EXPECT_EQ(decoration->isOverline(), c.overline);
        EXPECT_EQ(decoration->isLineThrough(), c.lineThrough);
        EXPECT_EQ(decoration->isNone(), !c.underline && !c.overline && !c.lineThrough);
        EXPECT_EQ(decoration.getValueAsString(), L"");
    }
}

TEST(STextDecoration, EqualityComparesEveryFlag) {
    const STextDecoration over(false, true, false);
    EXPECT_TRUE(over == STextDecoration(false, true, false));
    for (const STextDecoration& other : {STextDecoration(true, true, false), STextDecoration(),
                                         STextDecoration(false, true, true)}) {
        EXPECT_FALSE(over == other);
    }
}

}  // namespace
}  // namespace keyword_test
