// Keyword enumerations of business charts.
#include "css/keywords/ChartKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordCaseChecks.h"
#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

const std::vector<EnumSpec> kChartEnums = {
    {"ChartType",
     opsFor<Xml::ChartType>(),
     Rule::Exact,
     {{L"line", 0}, {L"area", 2}, {L"bar", 1}, {L"pie", 4}, {L"spider", 5}},
     Writes::Nothing,
     {},
     {3, 6}},
    {"AxisPosition",
     opsFor<Xml::AxisPosition>(),
     Rule::Exact,
     {{L"top", 0}, {L"left", 1}, {L"bottom", 2}, {L"right", 3}},
     Writes::Nothing,
     {},
     {4}},
    {"LabelType",
     opsFor<Xml::LabelType>(),
     Rule::Exact,
     {{L"square", 1}, {L"circle", 2}, {L"line", 0}, {L"triangle", 3}},
     Writes::Nothing,
     {},
     {4}},
    {"SliceOrientation",
     opsFor<Xml::SliceOrientation>(),
     Rule::Exact,
     {{L"clockwise", 0}, {L"counterclockwise", 1}},
     Writes::Nothing,
     {},
     {2}},
    {"TickStyle",
     opsFor<Xml::TickStyle>(),
     Rule::Exact,
     {{L"inside", 0}, {L"cross", 1}, {L"outside", 2}},
     Writes::Nothing,
     {},
     {3}},
    {"SerieGrouping",
     opsFor<Xml::SerieGrouping>(),
     Rule::Exact,
     {{L"overlapped", 0}, {L"clustered", 1}, {L"stacked", 2}},
     Writes::Nothing,
     {},
     {3}},
    {"AxisOrientation",
     opsFor<Xml::AxisOrientation>(),
     Rule::Exact,
     {{L"auto", 0}, {L"vertical", 1}, {L"horizontal", 2}},
     Writes::Nothing,
     {},
     {3}},
    {"AxisIntersection",
     opsFor<Xml::AxisIntersection>(),
     Rule::Exact,
     {{L"auto", 2}, {L"min", 1}, {L"max", 0}},
     Writes::Nothing,
     {},
     {3}},
    {"AxisDataType",
     opsFor<Xml::AxisDataType>(),
     Rule::Exact,
     {{L"auto", 0}, {L"number", 1}, {L"date", 2}, {L"string", 3}},
     Writes::Nothing,
     {},
     {4}},
    {"DisplayValPlacement",
     opsFor<Xml::DisplayValPlacement>(),
     Rule::Exact,
     {{L"auto", 2}, {L"between", 1}, {L"center", 0}},
     Writes::Nothing,
     {},
     {3}},
};

INSTANTIATE_TEST_SUITE_P(ChartKeywords, KeywordEnumTest, ::testing::ValuesIn(kChartEnums),
                         specName);

TEST(ChartKeywords, KeywordsReadOnlyInTheirOwnCase) {
    expectCaseRules(kChartEnums);
}

TEST(ChartKeywords, ReverseNumberedTablesGiveZeroToTheirLastKeyword) {
    Xml::TXmlAttribute<Xml::AxisIntersection> intersection(Xml::AxisIntersection::Auto);
    EXPECT_TRUE(intersection.parseValue(L"max"));
    EXPECT_EQ(static_cast<int>(intersection.getValue()), 0);
    Xml::TXmlAttribute<Xml::DisplayValPlacement> placement(Xml::DisplayValPlacement::Auto);
    EXPECT_TRUE(placement.parseValue(L"center"));
    EXPECT_EQ(static_cast<int>(placement.getValue()), 0);
}

TEST(ChartKeywords, NoTextGivesChartTypeThree) {
    Xml::TXmlAttribute<Xml::ChartType> type(Xml::ChartType::Pie);
    for (const wchar_t* text : {L"3", L"column", L"doughnut", L"scatter", L""}) {
        EXPECT_FALSE(type.parseValue(text)) << narrow(text);
        EXPECT_TRUE(type == Xml::ChartType::Pie);
    }
}

}  // namespace
}  // namespace keyword_test
