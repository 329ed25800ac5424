// Keyword enumerations of business charts.
#include "css/keywords/ChartKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

// The columns as in FontKeywordsTest.cpp. No keyword gives ChartType 3;
// AxisIntersection and DisplayValPlacement number their keywords backwards.
// clang-format off
const std::vector<EnumCase> kChartEnums = {
    {"ChartType", opsFor<Xml::ChartType>(), Rule::Exact, Writes::Nothing,
     {{L"line", 0}, {L"area", 2}, {L"bar", 1}, {L"pie", 4}, {L"spider", 5}}, {3, 6}},
    {"AxisPosition", opsFor<Xml::AxisPosition>(), Rule::Exact, Writes::Nothing,
     {{L"top", 0}, {L"left", 1}, {L"bottom", 2}, {L"right", 3}}, {4}},
    {"LabelType", opsFor<Xml::LabelType>(), Rule::Exact, Writes::Nothing,
     {{L"square", 1}, {L"circle", 2}, {L"line", 0}, {L"triangle", 3}}, {4}},
    {"SliceOrientation", opsFor<Xml::SliceOrientation>(), Rule::Exact, Writes::Nothing,
     {{L"clockwise", 0}, {L"counterclockwise", 1}}, {2}},
    {"TickStyle", opsFor<Xml::TickStyle>(), Rule::Exact, Writes::Nothing,
     {{L"inside", 0}, {L"cross", 1}, {L"outside", 2}}, {3}},
    {"SerieGrouping", opsFor<Xml::SerieGrouping>(), Rule::Exact, Writes::Nothing,
     {{L"overlapped", 0}, {L"clustered", 1}, {L"stacked", 2}}, {3}},
    {"AxisOrientation", opsFor<Xml::AxisOrientation>(), Rule::Exact, Writes::Nothing,
     {{L"auto", 0}, {L"vertical", 1}, {L"horizontal", 2}}, {3}},
    {"AxisIntersection", opsFor<Xml::AxisIntersection>(), Rule::Exact, Writes::Nothing,
     {{L"auto", 2}, {L"min", 1}, {L"max", 0}}, {3}},
    {"AxisDataType", opsFor<Xml::AxisDataType>(), Rule::Exact, Writes::Nothing,
     {{L"auto", 0}, {L"number", 1}, {L"date", 2}, {L"string", 3}}, {4}},
    {"DisplayValPlacement", opsFor<Xml::DisplayValPlacement>(), Rule::Exact, Writes::Nothing,
     {{L"auto", 2}, {L"between", 1}, {L"center", 0}}, {3}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(ChartKeywords, KeywordEnumTest, ::testing::ValuesIn(kChartEnums),
                         caseName);

}  // namespace
}  // namespace keyword_test
