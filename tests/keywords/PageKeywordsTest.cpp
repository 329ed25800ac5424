// Keyword enumerations of pagination and flow.
#include "css/keywords/PageKeywords.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

// The columns as in FontKeywordsTest.cpp.
// clang-format off
const std::vector<EnumCase> kPageEnums = {
    {"Break", opsFor<Xml::Break>(), Rule::Exact, Writes::Keyword,
     {{L"auto", 0}, {L"column", 1}, {L"page", 3}, {L"even-page", 7}, {L"odd-page", 11}},
     {2, 4, 5, 6, 8, 9, 10, 12, -1}},
    {"Keep", opsFor<Xml::Keep>(), Rule::Exact, Writes::Keyword,
     {{L"auto", 0}, {L"always", 1}}, {2, -1}},
    {"ForcePageCount", opsFor<Xml::ForcePageCount>(), Rule::Exact, Writes::Nothing,
     {{L"auto", 0}, {L"even", 1}, {L"odd", 2}, {L"end-on-even", 3}, {L"end-on-odd", 4},
      {L"no-force", 5}}, {6}},
    {"PagePosition", opsFor<Xml::PagePosition>(), Rule::Exact, Writes::Nothing,
     {{L"first", 0}, {L"last", 1}, {L"rest", 2}, {L"any", 3}}, {4}},
    {"Parity", opsFor<Xml::Parity>(), Rule::Exact, Writes::Nothing,
     {{L"odd", 0}, {L"even", 1}, {L"any", 2}}, {3}},
    {"BlankOrNotBlank", opsFor<Xml::BlankOrNotBlank>(), Rule::Exact, Writes::Nothing,
     {{L"blank", 0}, {L"not-blank", 1}, {L"any", 2}}, {3}},
    {"ReferenceOrientation", opsFor<Xml::ReferenceOrientation>(), Rule::Exact, Writes::Strict,
     {}, {4, -1}, {{0, L"0"}, {1, L"90"}, {2, L"180"}, {3, L"270"}}, {}, "MiscAttributes"},
    {"Span", opsFor<Xml::Span>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"none", 0}, {L"all", 1}}, {2}},
    {"FootnoteRestartRule", opsFor<Xml::FootnoteRestartRule>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"auto", 0}, {L"page", 1}}, {2}},
    {"RetrieveBoundary", opsFor<Xml::RetrieveBoundary>(), Rule::Exact, Writes::Keyword,
     {{L"page", 0}, {L"page-sequence", 1}, {L"document", 2}}, {3}},
    {"RetrievePosition", opsFor<Xml::RetrievePosition>(), Rule::Exact, Writes::Keyword,
     {{L"first-starting-within-page", 0}, {L"first-including-carryover", 1},
      {L"last-starting-within-page", 2}, {L"last-ending-within-page", 3}}, {4}},
    {"RetrieveBoundaryWithinTable", opsFor<Xml::RetrieveBoundaryWithinTable>(), Rule::Exact,
     Writes::Nothing, {{L"table", 0}, {L"table-fragment", 1}, {L"page", 2}}, {3}},
    {"RetrievePositionWithinTable", opsFor<Xml::RetrievePositionWithinTable>(), Rule::Exact,
     Writes::Keyword, {{L"first-starting", 0}, {L"first-including-carryover", 1},
                       {L"last-starting", 2}, {L"last-ending", 3}}, {4}},
    {"PageConstraint", opsFor<Xml::PageConstraint>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"any", 0}, {L"odd", 1}, {L"even", 2}, {L"last", 3}, {L"first", 4}}, {5}},
    {"PageRegionConstraint", opsFor<Xml::PageRegionConstraint>(), Rule::CaseInsensitive,
     Writes::Fallback, {{L"body", 1}, {L"footer", 2}, {L"header", 3}, {L"left", 4}, {L"right", 5},
                        {L"none", 0}}, {6, 9, -1}, {}, L"none"},
    {"AlignmentConstraint", opsFor<Xml::AlignmentConstraint>(), Rule::CaseInsensitive,
     Writes::Fallback, {{L"top", 1}, {L"bottom", 2}, {L"center", 3}, {L"left", 4}, {L"right", 5},
                        {L"none", 0}}, {6, 9, -1}, {}, L"none"},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(PageKeywords, KeywordEnumTest, ::testing::ValuesIn(kPageEnums), caseName);

// Any integer: above zero always, otherwise auto.
TEST(Keep, IntegerAboveZeroKeepsAlways) {
    // clang-format off
    expectParses(opsFor<Xml::Keep>(), {
        {L"5", true, 1}, {L"1", true, 1}, {L"0", true, 0}, {L"-3", true, 0},
        {L"2.5", false, kUntouched}, {L"never", false, kUntouched}});
    // clang-format on
}

// The four quarter turns, negative ones included; nothing else.
TEST(ReferenceOrientation, AnglesReadAsQuarterTurns) {
    // clang-format off
    expectParses(opsFor<Xml::ReferenceOrientation>(), {
        {L"0", true, 0}, {L"90", true, 1}, {L"-270", true, 1}, {L"180", true, 2},
        {L"-180", true, 2}, {L"270", true, 3}, {L"-90", true, 3},
        {L"360", false, kUntouched}, {L"45", false, kUntouched}, {L"-360", false, kUntouched},
        {L"1", false, kUntouched}, {L"90deg", false, kUntouched}, {L"9O", false, kUntouched}});
    // clang-format on
}

// "no-limit" exactly is -1; any other text is its leading integer, at least 0.
TEST(MaxRepeats, CountOrNoLimitAndNeverFails) {
    const Ops ops = opsFor<Xml::MaxRepeats>();
    // clang-format off
    expectParses(ops, {
        {L"no-limit", true, -1}, {L"3", true, 3}, {L"-2", true, 0}, {L"0", true, 0},
        {L"12abc", true, 12}, {L"abc", true, 0}, {L"", true, 0}, {L" no-limit", true, 0},
        {L"No-Limit", true, 0}, {L" 7 ", true, 7}, {L"-1", true, 0},
        {L"99999999999", true, INT_MAX}});
    // clang-format on
    for (int value : {-1, 0, 3})
        EXPECT_EQ(ops.format(value), L"");
}

}  // namespace
}  // namespace keyword_test
