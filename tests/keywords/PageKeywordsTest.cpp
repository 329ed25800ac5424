// Keyword enumerations of pagination and flow.
#include "css/keywords/PageKeywords.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

using Xml::Keep;
using Xml::MaxRepeats;
using Xml::ReferenceOrientation;

const std::vector<EnumSpec> kPageEnums = {
    {"Break",
     opsFor<Xml::Break>(),
     Rule::Exact,
     {{L"auto", 0}, {L"column", 1}, {L"page", 3}, {L"even-page", 7}, {L"odd-page", 11}},
     Writes::Keyword,
     {},
     {2, 4, 5, 6, 8, 9, 10, 12, -1}},
    {"Keep",
     opsFor<Xml::Keep>(),
     Rule::Exact,
     {{L"auto", 0}, {L"always", 1}},
     Writes::Keyword,
     {},
     {2, -1}},
    {"ForcePageCount",
     opsFor<Xml::ForcePageCount>(),
     Rule::Exact,
     {{L"auto", 0},
      {L"even", 1},
      {L"odd", 2},
      {L"end-on-even", 3},
      {L"end-on-odd", 4},
      {L"no-force", 5}},
     Writes::Nothing,
     {},
     {6}},
    {"PagePosition",
     opsFor<Xml::PagePosition>(),
     Rule::Exact,
     {{L"first", 0}, {L"last", 1}, {L"rest", 2}, {L"any", 3}},
     Writes::Nothing,
     {},
     {4}},
    {"Parity",
     opsFor<Xml::Parity>(),
     Rule::Exact,
     {{L"odd", 0}, {L"even", 1}, {L"any", 2}},
     Writes::Nothing,
     {},
     {3}},
    {"BlankOrNotBlank",
     opsFor<Xml::BlankOrNotBlank>(),
     Rule::Exact,
     {{L"blank", 0}, {L"not-blank", 1}, {L"any", 2}},
     Writes::Nothing,
     {},
     {3}},
    {"ReferenceOrientation",
     opsFor<Xml::ReferenceOrientation>(),
     Rule::Exact,
     {},
     Writes::Strict,
     {{0, L"0"}, {1, L"90"}, {2, L"180"}, {3, L"270"}},
     {4, -1},
     {},
     "MiscAttributes"},
    {"Span",
     opsFor<Xml::Span>(),
     Rule::CaseInsensitive,
     {{L"none", 0}, {L"all", 1}},
     Writes::Keyword,
     {},
     {2}},
    {"FootnoteRestartRule",
     opsFor<Xml::FootnoteRestartRule>(),
     Rule::CaseInsensitive,
     {{L"auto", 0}, {L"page", 1}},
     Writes::Nothing,
     {},
     {2}},
    {"RetrieveBoundary",
     opsFor<Xml::RetrieveBoundary>(),
     Rule::Exact,
     {{L"page", 0}, {L"page-sequence", 1}, {L"document", 2}},
     Writes::Keyword,
     {},
     {3}},
    {"RetrievePosition",
     opsFor<Xml::RetrievePosition>(),
     Rule::Exact,
     {{L"first-starting-within-page", 0},
      {L"first-including-carryover", 1},
      {L"last-starting-within-page", 2},
      {L"last-ending-within-page", 3}},
     Writes::Keyword,
     {},
     {4}},
    {"RetrieveBoundaryWithinTable",
     opsFor<Xml::RetrieveBoundaryWithinTable>(),
     Rule::Exact,
     {{L"table", 0}, {L"table-fragment", 1}, {L"page", 2}},
     Writes::Nothing,
     {},
     {3}},
    {"RetrievePositionWithinTable",
     opsFor<Xml::RetrievePositionWithinTable>(),
     Rule::Exact,
     {{L"first-starting", 0},
      {L"first-including-carryover", 1},
      {L"last-starting", 2},
      {L"last-ending", 3}},
     Writes::Keyword,
     {},
     {4}},
    {"PageConstraint",
     opsFor<Xml::PageConstraint>(),
     Rule::CaseInsensitive,
     {{L"any", 0}, {L"odd", 1}, {L"even", 2}, {L"last", 3}, {L"first", 4}},
     Writes::Keyword,
     {},
     {5}},
    {"PageRegionConstraint",
     opsFor<Xml::PageRegionConstraint>(),
     Rule::CaseInsensitive,
     {{L"body", 1}, {L"footer", 2}, {L"header", 3}, {L"left", 4}, {L"right", 5}, {L"none", 0}},
     Writes::Fallback,
     {},
     {6, 9, -1},
     L"none"},
    {"AlignmentConstraint",
     opsFor<Xml::AlignmentConstraint>(),
     Rule::CaseInsensitive,
     {{L"top", 1}, {L"bottom", 2}, {L"center", 3}, {L"left", 4}, {L"right", 5}, {L"none", 0}},
     Writes::Fallback,
     {},
     {6, 9, -1},
     L"none"},
};

INSTANTIATE_TEST_SUITE_P(PageKeywords, KeywordEnumTest, ::testing::ValuesIn(kPageEnums), specName);

TEST(Keep, IntegerAboveZeroKeepsAlways) {
    const struct {
        const wchar_t* text;
        Keep expected;
    } cases[] = {
        {L"5", Keep::Always}, {L"1", Keep::Always}, {L"0", Keep::Auto}, {L"-3", Keep::Auto}};
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        Xml::TXmlAttribute<Keep> keep(c.expected == Keep::Always ? Keep::Auto : Keep::Always);
        EXPECT_TRUE(keep.parseValue(c.text));
        EXPECT_TRUE(keep == c.expected);
    }
}

TEST(Keep, NeitherKeywordNorIntegerKeepsTheValue) {
    Xml::TXmlAttribute<Keep> keep(Keep::Always);
    for (const wchar_t* text : {L"never", L"Auto", L"2.5", L""}) {
        EXPECT_FALSE(keep.parseValue(text)) << narrow(text);
        EXPECT_TRUE(keep == Keep::Always);
    }
}

TEST(ReferenceOrientation, AnglesReadAsQuarterTurns) {
    const struct {
        const wchar_t* text;
        ReferenceOrientation expected;
        const wchar_t* written;
    } cases[] = {
        {L"0", ReferenceOrientation::Deg0, L"0"},
        {L"90", ReferenceOrientation::Deg90, L"90"},
        {L"-270", ReferenceOrientation::Deg90, L"90"},
        {L"180", ReferenceOrientation::Deg180, L"180"},
        {L"-180", ReferenceOrientation::Deg180, L"180"},
        {L"270", ReferenceOrientation::Deg270, L"270"},
        {L"-90", ReferenceOrientation::Deg270, L"270"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        Xml::TXmlAttribute<ReferenceOrientation> orientation(
            c.expected == ReferenceOrientation::Deg0 ? ReferenceOrientation::Deg180
                                                     : ReferenceOrientation::Deg0);
        EXPECT_TRUE(orientation.parseValue(c.text));
        EXPECT_TRUE(orientation == c.expected);
        EXPECT_EQ(orientation.getValueAsString(), c.written);
    }
}

TEST(ReferenceOrientation, OtherAnglesAndWordsKeepTheValue) {
    Xml::TXmlAttribute<ReferenceOrientation> orientation(ReferenceOrientation::Deg90);
    for (const wchar_t* text : {L"360", L"45", L"-360", L"1", L"90deg", L"ninety", L"", L"9O"}) {
        EXPECT_FALSE(orientation.parseValue(text)) << narrow(text);
        EXPECT_TRUE(orientation == ReferenceOrientation::Deg90);
    }
}

TEST(MaxRepeats, CountOrNoLimitAndNeverFails) {
    const struct {
        const wchar_t* text;
        int expected;
    } cases[] = {{L"no-limit", -1}, {L"3", 3},   {L"-2", 0}, {L"0", 0},
                 {L"12abc", 12},    {L"abc", 0}, {L"", 0},   {L" no-limit", 0},
                 {L"No-Limit", 0},  {L" 7 ", 7}, {L"-1", 0}, {L"99999999999", INT_MAX}};
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        Xml::TXmlAttribute<MaxRepeats> repeats(static_cast<MaxRepeats>(kUntouched));
        EXPECT_TRUE(repeats.parseValue(c.text));
        EXPECT_EQ(static_cast<int>(repeats.getValue()), c.expected);
        EXPECT_EQ(repeats.getValueAsString(), L"");
    }
}

TEST(PageKeywords, ExactAndCaseInsensitivePageDiffer) {
    Xml::TXmlAttribute<Xml::RetrieveBoundary> boundary(Xml::RetrieveBoundary::Document);
    EXPECT_FALSE(boundary.parseValue(L"Page"));
    EXPECT_TRUE(boundary.parseValue(L"page"));
    EXPECT_TRUE(boundary == Xml::RetrieveBoundary::Page);
    Xml::TXmlAttribute<Xml::FootnoteRestartRule> restart(Xml::FootnoteRestartRule::Auto);
    EXPECT_TRUE(restart.parseValue(L"PAGE"));
    EXPECT_TRUE(restart == Xml::FootnoteRestartRule::Page);
}

}  // namespace
}  // namespace keyword_test
