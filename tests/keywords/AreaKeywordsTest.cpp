// Keyword enumerations of area positioning, tables and borders.
#include "css/keywords/AreaKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

// The columns as in FontKeywordsTest.cpp. Overflow's aliases read as the
// value of another keyword and are written as that keyword.
// clang-format off
const std::vector<EnumCase> kAreaEnums = {
    {"AbsolutePosition", opsFor<Xml::AbsolutePosition>(), Rule::Exact, Writes::Strict,
     {{L"absolute", 1}, {L"fixed", 2}, {L"auto", 0}}, {3, -1}, {}, {}, "MiscAttributes"},
    {"RelativePosition", opsFor<Xml::RelativePosition>(), Rule::Exact, Writes::Strict,
     {{L"relative", 1}, {L"static", 0}}, {2, -1}, {}, {}, "MiscAttributes"},
    {"Overflow", opsFor<Xml::Overflow>(), Rule::Exact, Writes::Keyword,
     {{L"visible", 0}, {L"hidden", 1}, {L"error-if-overflow", 2}, {L"repeat", 0}, {L"scroll", 1},
      {L"auto", 0}}, {3, -1}, {{0, L"visible"}, {1, L"hidden"}, {2, L"error-if-overflow"}}},
    {"FloatPosition", opsFor<Xml::FloatPosition>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"left", 0}, {L"right", 1}}, {2}},
    {"TableLayout", opsFor<Xml::TableLayout>(), Rule::Exact, Writes::Keyword,
     {{L"auto", 0}, {L"fixed", 1}}, {2}},
    {"BorderCollapse", opsFor<Xml::BorderCollapse>(), Rule::Exact, Writes::Keyword,
     {{L"collapse", 0}, {L"collapse-with-precedence", 1}, {L"separate", 2}}, {3}},
    {"BorderStyle", opsFor<Xml::BorderStyle>(), Rule::Exact, Writes::Keyword,
     {{L"none", 0}, {L"solid", 7}, {L"hidden", 9}, {L"dotted", 5}, {L"dashed", 6}, {L"double", 8},
      {L"groove", 2}, {L"ridge", 4}, {L"inset", 1}, {L"outset", 3}}, {10, -1}},
    {"BackgroundRepeat", opsFor<Xml::BackgroundRepeat>(), Rule::Exact, Writes::Keyword,
     {{L"repeat", 0}, {L"repeat-x", 1}, {L"repeat-y", 2}, {L"no-repeat", 3}}, {4}},
    {"Scaling", opsFor<Xml::Scaling>(), Rule::Exact, Writes::Keyword,
     {{L"uniform", 0}, {L"non-uniform", 1}}, {2}},
    {"ScalingReference", opsFor<Xml::ScalingReference>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"line", 0}, {L"block", 1}}, {2}},
    {"AnchorX", opsFor<Xml::AnchorX>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"body", 1}, {L"page", 2}, {L"character", 3}, {L"auto", 0}}, {4}},
    {"AnchorY", opsFor<Xml::AnchorY>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"body", 1}, {L"page", 2}, {L"block", 3}, {L"line", 4}, {L"auto", 0}}, {5}},
    {"PositionX", opsFor<Xml::PositionX>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"left", 1}, {L"center", 2}, {L"right", 3}, {L"auto", 0}}, {4}},
    {"PositionY", opsFor<Xml::PositionY>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"top", 1}, {L"middle", 2}, {L"bottom", 3}, {L"auto", 0}}, {4}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(AreaKeywords, KeywordEnumTest, ::testing::ValuesIn(kAreaEnums), caseName);

}  // namespace
}  // namespace keyword_test
