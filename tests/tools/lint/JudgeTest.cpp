// Judging one attribute text as one type: each kind of finding with how the
// value reads, what a rejection keeps, silence on texts in their faithful
// form, and the types lint knows.
#include <fstream>
#include <set>
#include <string>

#include <gtest/gtest.h>

#include "tests/tools/lint/AuthorsTexts.h"
#include "tests/tools/lint/LintCases.h"
#include "tools/cli/Check.h"
#include "tools/lint/Judge.h"
#include "tools/registry/TypeRegistry.h"

namespace xmlattr::lint {
namespace {

std::optional<Verdict> judgeAs(std::string_view type, std::string_view text) {
    const JudgedType* judged = judgedType(type);
    EXPECT_NE(judged, nullptr) << type;
    return judged != nullptr ? judgeText(*judged, text) : std::nullopt;
}

std::string_view nameOf(Kind kind) {
    return ruleOf(kind).name;
}

TEST(JudgeTypes, TypesGoByTheRegistrysNames) {
    for (const xmlattr_tool::TypeEntry& entry : xmlattr_tool::registeredTypes()) {
        const JudgedType* judged = judgedType(entry.name);
        ASSERT_NE(judged, nullptr) << entry.name;
        EXPECT_EQ(typeName(*judged), entry.name);
    }
    EXPECT_EQ(judgedType("Lenght"), nullptr);
    EXPECT_EQ(judgedType(""), nullptr);
}

// Every text of the table reads as it says: the kind, the value held, the
// reason, and the fix, which reads as written when judged again. A reason
// suggests another text only where its cause is not known.
TEST(JudgeRules, EachTextHasItsKindReadingReasonAndFix) {
    for (const cases::Judged& c : cases::kJudged) {
        SCOPED_TRACE(testing::Message() << c.type << " \"" << c.text << '"');
        const auto verdict = judgeAs(c.type, c.text);
        if (!verdict) {
            ADD_FAILURE() << "no finding";
            continue;
        }
        EXPECT_EQ(nameOf(verdict->kind), nameOf(c.kind));
        EXPECT_EQ(verdict->readsAs, c.readsAs);
        EXPECT_NE(verdict->reason.find(c.reason), std::string::npos) << verdict->reason;
        EXPECT_EQ(verdict->reason.find("did you mean") != std::string::npos,
                  std::string_view(c.reason).find("did you mean") != std::string::npos)
            << verdict->reason;
        EXPECT_EQ(verdict->fix.has_value(), c.fixed != nullptr)
            << (verdict->fix ? verdict->fix->text : "");
        if (!verdict->fix || c.fixed == nullptr)
            continue;
        EXPECT_TRUE(ruleOf(verdict->kind).fixable);
        EXPECT_EQ(verdict->fix->text, c.fixed);
        EXPECT_EQ(verdict->fix->safe, c.safe);
        EXPECT_FALSE(verdict->fix->description.empty());
        const auto again = judgeAs(c.type, c.fixed);
        EXPECT_FALSE(again.has_value()) << c.fixed << ": " << again->reason;
    }
    for (const Kind kind : {Kind::UnknownUnit, Kind::NotANumber, Kind::NotChecked})
        EXPECT_FALSE(ruleOf(kind).fixable) << ruleOf(kind).name;
}

TEST(JudgeRules, TextsInTheirFaithfulFormHaveNoFinding) {
    for (const auto& [type, text] : cases::kFaithful) {
        const auto verdict = judgeAs(type, text);
        EXPECT_FALSE(verdict.has_value())
            << type << " \"" << text << "\": " << nameOf(verdict->kind) << ", " << verdict->reason;
    }
}

TEST(JudgeRules, LongListsAreShownCutWithTheirCount) {
    std::string path = "M0 0";
    for (int i = 0; i < 30; ++i)
        path += " 1 1";
    const auto verdict = judgeAs("Vector<PathDataCommand>", path);
    ASSERT_TRUE(verdict.has_value());
    EXPECT_EQ(verdict->readsAs, "M0 0");
    std::string dashes;
    for (int i = 0; i < 30; ++i)
        dashes += "10px, ";
    dashes += "5 5";
    const auto list = judgeAs("Vector<SLength>", dashes);
    ASSERT_TRUE(list.has_value());
    EXPECT_TRUE(list->readsAs.ends_with(" ... (31 in all)")) << list->readsAs;
    EXPECT_LE(list->readsAs.size(), 60u + 16u) << list->readsAs;
}

// The sample file holds texts chosen to show each type's rules, some of them
// deliberately odd. Every accepted one is faithful but these.
TEST(JudgeRules, AcceptedSampleTextsWarnOnlyWhereTheyAreNotWhatTheySay) {
    const std::set<std::string> odd = {
        "Color rgb(300,0,-1)",                     // wraps
        "SLength 10qq",                            // unknown unit
        "LengthOrPercent 12qq",                    // unknown unit
        "SLengthOrPercent 5x",                     // one letter: read as 1px
        "FloatOrPercent abc",                      // a word read as 0
        "Vector<PathDataCommand> L 1e-5 3",        // the exponent's "-" splits
        "Vector<Point> 1in 72pt 5",                // an odd coordinate dropped
        "Vector<Transform> scale(2",               // no ")": nothing read
        "Vector<Transform> translate( 10 , 20 )",  // read as translate(0,0)
        "FontWeight 401",                          // selects the normal face, read as bold
        "SDisplay flex",                           // no keyword of the type, ignored
        "int -7%",                                 // no percentage in an integer
        "LengthOrPercent 1.5",                     // a bare number: the ratio 150%
        "SPreserveAspectRatio bogus",              // no alignment: xMidYMid meet
        "STextDecoration underline, none",         // none drops the underline
    };
    std::ifstream sample(XMLATTR_SOURCE_DIR "/examples/sample.tsv");
    ASSERT_TRUE(sample) << "examples/sample.tsv";
    std::set<std::string> warned;
    int accepted = 0;
    for (std::string raw; std::getline(sample, raw);) {
        const xmlattr_tool::LineParse parsed = xmlattr_tool::parseCheckLine(raw);
        if (parsed.kind != xmlattr_tool::LineParse::Checked || parsed.line.expectAccepted == false)
            continue;
        ++accepted;
        if (judgeAs(parsed.line.type->name, parsed.line.text))
            warned.insert(std::string(parsed.line.type->name) + " " + parsed.line.text);
    }
    EXPECT_GT(accepted, 150);
    for (const std::string& text : warned)
        EXPECT_TRUE(odd.count(text)) << "warns: " << text;
    EXPECT_EQ(warned.size(), odd.size());
}

// Generated texts of every shape: a finding exactly where the engine does
// not hold what the author means.
TEST(JudgeRules, AFindingExactlyWhereTheHeldValueIsNotTheAuthors) {
    for (std::size_t row = 0; row < attributeRows().size(); ++row)
        EXPECT_NE(truth::rowCases()[row], nullptr) << "no texts of " << attributeRows()[row].type;
    for (unsigned long long seed = 0; seed < 20000; ++seed) {
        if (const std::optional<std::string> broken = truth::authorsText(seed))
            ADD_FAILURE() << *broken;
    }
}

}  // namespace
}  // namespace xmlattr::lint
