// Keyword enumerations of text, fonts and inline formatting.
#include "css/keywords/FontKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

// Each enum: name, rule, format rule, {keyword, number} in table order,
// values outside the table, then where they differ from the keywords the
// names written, and the fallback text or the raising location.
// clang-format off
const std::vector<EnumCase> kFontEnums = {
    {"FontStyle", opsFor<Xml::FontStyle>(), Rule::Exact, Writes::Strict,
     {{L"italic", 1}, {L"oblique", 1}, {L"backslant", 3}, {L"normal", 0}}, {4, -1, 100},
     {{0, L"normal"}, {1, L"italic"}, {2, L"oblique"}, {3, L"backslant"}}, {}, "FontAttributes"},
    {"FontWeight", opsFor<Xml::FontWeight>(), Rule::Exact, Writes::Fallback,
     {{L"bold", 1}, {L"bolded", 1}, {L"bolder", 1}, {L"normal", 0}, {L"lighter", 0}}, {2, -1, 700},
     {{0, L"normal"}, {1, L"bold"}}, L"normal"},
    {"FontVariant", opsFor<Xml::FontVariant>(), Rule::Exact, Writes::Nothing,
     {{L"small-caps", 1}, {L"normal", 0}}, {2, -1}},
    {"TextLineStyle", opsFor<Xml::TextLineStyle>(), Rule::Exact, Writes::Strict,
     {{L"solid", 1}, {L"double", 2}, {L"dotted", 3}, {L"dashed", 4}, {L"dot-dash", 5},
      {L"dot-dot-dash", 6}, {L"none", 0}}, {7, -1}, {}, {}, "FontAttributes"},
    {"TextAlign", opsFor<Xml::TextAlign>(), Rule::LowerCased, Writes::Strict,
     {{L"left", 5}, {L"right", 6}, {L"center", 3}, {L"justify", 4}, {L"start", 5}, {L"end", 6},
      {L"inside", 7}, {L"outside", 8}}, {9, -1},
     {{0, L"left"}, {1, L"left"}, {2, L"right"}, {3, L"center"}, {4, L"justify"}, {5, L"start"},
      {6, L"end"}, {7, L"inside"}, {8, L"outside"}}, {}, "MiscAttributes"},
    {"TextDirection", opsFor<Xml::TextDirection>(), Rule::Exact, Writes::Nothing,
     {{L"ltr", 0}, {L"rtl", 1}}, {2}},
    {"WhiteSpaceTreatment", opsFor<Xml::WhiteSpaceTreatment>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"ignore", 0}, {L"preserve", 1}, {L"ignore-if-before-linefeed", 2},
      {L"ignore-if-after-linefeed", 3}, {L"ignore-if-surrounding-linefeed", 4}}, {5, -1}},
    {"LinefeedTreatment", opsFor<Xml::LinefeedTreatment>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"ignore", 0}, {L"preserve", 1}, {L"treat-as-space", 2}, {L"treat-as-zero-width-space", 3}},
     {4}},
    {"WrapOption", opsFor<Xml::WrapOption>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"wrap", 0}, {L"no-wrap", 1}}, {2}},
    {"LineStackingStrategy", opsFor<Xml::LineStackingStrategy>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"font-height", 1}, {L"line-height", 0}, {L"max-height", 2}}, {3}},
    {"LineHeightShiftAdjustment", opsFor<Xml::LineHeightShiftAdjustment>(), Rule::CaseInsensitive,
     Writes::Keyword, {{L"consider-shifts", 0}, {L"disregard-shifts", 1}}, {2}},
    {"AlignmentBaseline", opsFor<Xml::AlignmentBaseline>(), Rule::Exact, Writes::Keyword,
     {{L"auto", 0}, {L"baseline", 1}, {L"before-edge", 2}, {L"text-before-edge", 3}, {L"middle", 4},
      {L"central", 5}, {L"after-edge", 6}, {L"text-after-edge", 7}, {L"ideographic", 8},
      {L"alphabetic", 9}, {L"hanging", 10}, {L"mathematical", 11}, {L"top", 12},
      {L"text-top", 13}, {L"bottom", 14}, {L"text-bottom", 15}}, {16, -1}},
    {"DisplayAlign", opsFor<Xml::DisplayAlign>(), Rule::Exact, Writes::Keyword,
     {{L"before", 0}, {L"after", 1}, {L"center", 2}}, {3}},
    {"Visibility", opsFor<Xml::Visibility>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"visible", 0}, {L"hidden", 1}, {L"collapse", 2}}, {3}},
    {"LeaderPattern", opsFor<Xml::LeaderPattern>(), Rule::Exact, Writes::Keyword,
     {{L"space", 0}, {L"rule", 1}, {L"dots", 2}, {L"use-content", 3}}, {4}},
    {"LeaderAlignment", opsFor<Xml::LeaderAlignment>(), Rule::Exact, Writes::Keyword,
     {{L"none", 0}, {L"reference-area", 1}, {L"page", 2}}, {3}},
    {"TabStopType", opsFor<Xml::TabStopType>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"left", 0}, {L"center", 1}, {L"right", 2}}, {3}},
    {"TabPattern", opsFor<Xml::TabPattern>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"none", 0}, {L"dot", 1}, {L"hyphen", 2}, {L"underscore", 3}}, {4}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(FontKeywords, KeywordEnumTest, ::testing::ValuesIn(kFontEnums), caseName);

// An integer above 400 is bold, any other integer normal; other texts are refused.
TEST(FontWeight, IntegerAbove400IsBold) {
    // clang-format off
    expectParses(opsFor<Xml::FontWeight>(), {
        {L"400", true, 0}, {L"401", true, 1}, {L"100", true, 0}, {L"-5", true, 0},
        {L"900", true, 1}, {L"+700", true, 1}, {L"heavy", false, kUntouched},
        {L"700px", false, kUntouched}, {L"4.5e2", false, kUntouched}});
    // clang-format on
}

}  // namespace
}  // namespace keyword_test
