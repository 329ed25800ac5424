// Judging one attribute text as one type: each kind of finding with how the
// value reads, what a rejection keeps, silence on texts in their faithful
// form, and the types lint knows.
#include <fstream>
#include <set>
#include <string>
#include <tuple>
#include <utility>

#include <gtest/gtest.h>

#include "tests/tools/lint/AuthorsTexts.h"
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

struct KindCase {
    const char* type;
    const char* text;
    Kind kind;
    const char* readsAs;
};

TEST(JudgeRules, EachKindOfFinding) {
    const KindCase cases[] = {
        {"LengthOrPercent", "normal", Kind::Rejected, ""},
        {"Length", "4in + 15pt", Kind::Expression, "4pt"},
        {"LengthOrPercent", "13in div 12", Kind::Expression, "1300%"},
        {"ColumnWidth", "(4.5in - 2cm) div 3 + 0.5in", Kind::Expression, "4.5cm"},
        {"ColumnWidth", "max(2cm)", Kind::Expression, "2cm"},
        {"Margin", "2em ", Kind::BlankChangedUnit, "2px"},
        {"FontSize", "12ptt", Kind::UnknownUnit, "12px"},
        {"SLength", "10qq", Kind::UnknownUnit, "10px"},
        {"SLength", "thick", Kind::NotANumber, "0px"},
        {"SLength", "abc", Kind::NotANumber, "0px"},
        {"SLength",
         "\xc3\xa9"
         "1",
         Kind::NotANumber, "0px"},  // a word of non-ASCII letters
        {"SSpacing", "wide", Kind::NotANumber, "0px"},
        {"Color", "rgb(100%,100%,50%)", Kind::RgbPercent, "rgb(100,100,50)"},
        {"SColor", "rgb(300,0,-1)", Kind::RgbOutOfRange, "rgb(44,0,255)"},
        {"Vector<SLength>", "10 20 30", Kind::ListReadAsOne, "10px"},
        {"SLength", "10 20 30", Kind::ListReadAsOne, "10px"},
        {"Vector<PathDataCommand>", "M 1 1 5 3 1 5", Kind::ImplicitCommands, "M1 1"},
        {"Vector<PathDataCommand>", "M0,0 l 12,-4.5e-1", Kind::NumberSplit, "M0 0 l12 -4"},
        {"Vector<PathDataCommand>", "a1 1 0 00 1 1", Kind::NumberSplit, "a1 1 0 0 1 1 0"},
        {"Vector<Point>", "10,20e-1 20,20", Kind::NumberSplit, "10 2,-1 20"},
        {"Vector<Transform>", "matrix(1 0 0 1) scale(2)", Kind::TransformDefault,
         "translate(0,0) scale(2,2)"},
        {"Vector<Point>", "200,200 200,90 300", Kind::ReadsDifferently, "200 200,200 90"},
        // The library cannot write ex in pixels: the numbers held are shown.
        {"Vector<Point>", "1ex,2ex 3", Kind::ReadsDifferently, "1 2"},
        {"Vector<Transform>", "translate(10 20) rotate(45", Kind::ReadsDifferently,
         "translate(10,20)"},
    };
    for (const KindCase& c : cases) {
        const auto verdict = judgeAs(c.type, c.text);
        ASSERT_TRUE(verdict.has_value()) << c.type << " \"" << c.text << "\"";
        EXPECT_EQ(nameOf(verdict->kind), nameOf(c.kind)) << c.text;
        EXPECT_EQ(verdict->readsAs, c.readsAs) << c.text;
    }
}

TEST(JudgeRules, ReasonsNameWhatWasWritten) {
    const std::pair<KindCase, const char*> cases[] = {
        {{"SLength", "10qq", Kind::UnknownUnit, ""}, "unknown unit 'qq' is read as px"},
        // A unit one letter away from one known unit is suggested; from
        // several (pz: px, pt, pc), none is.
        {{"FontSize", "12ptt", Kind::UnknownUnit, ""},
         "unknown unit 'ptt' is read as px; did you mean pt?"},
        {{"SLength", "1.5mmm", Kind::UnknownUnit, ""},
         "unknown unit 'mmm'; its last two letters are read as mm"},
        {{"SLength", "2nn", Kind::UnknownUnit, ""},
         "unknown unit 'nn' is read as px; did you mean in?"},
        {{"SLength", "2pz", Kind::UnknownUnit, ""}, "unknown unit 'pz' is read as px"},
        {{"SColor", "rgb(300,0,-1)", Kind::RgbOutOfRange, ""},
         "rgb() components run from 0 to 255; 300 wraps around"},
        {{"Vector<Transform>", "skew(5)", Kind::TransformDefault, ""},
         "skew() is not a transform function; it falls back to translate(0,0)"},
        {{"Vector<PathDataCommand>", "M 1 1 5 3", Kind::ImplicitCommands, ""},
         "commands repeated without their letter are dropped: 2 commands written, 1 read"},
        {{"Vector<Transform>", "scale(2) rotate(45", Kind::ReadsDifferently, ""},
         "2 transforms written, 1 read"},
        {{"Vector<Point>", "5.5.3 1 2", Kind::NumberSplit, ""},
         "two numbers written together (5.5.3) are read as one"},
        {{"Vector<PathDataCommand>", "M0 0 L1.5.5", Kind::NumberSplit, ""},
         "two numbers written together (1.5.5) are read as one"},
    };
    for (const auto& [c, reason] : cases) {
        const auto verdict = judgeAs(c.type, c.text);
        ASSERT_TRUE(verdict.has_value()) << c.text;
        EXPECT_EQ(nameOf(verdict->kind), nameOf(c.kind)) << c.text;
        EXPECT_EQ(verdict->reason, reason) << c.text;
    }
}

// Texts the engine reads otherwise than their author means, of every shape:
// the kind, what is held and a fragment of the reason.
TEST(JudgeRules, EveryShapeHasTheAuthorsReading) {
    const std::tuple<const char*, const char*, Kind, const char*, const char*> cases[] = {
        {"float", "50%", Kind::ReadsDifferently, "50", "held as 50, not 0.5"},
        {"FloatOrPercent", "5mm", Kind::UnknownUnit, "5", "a unit where none belongs"},
        {"int", "-7%", Kind::ReadsDifferently, "-7", "takes no percentage"},
        {"SColor", "url('#a')", Kind::ReadsDifferently, "url(#a')", "keeps the quotes"},
        {"SColor", "url(#lg1) green", Kind::ReadsDifferently, "url(#lg1)", "'green' after"},
        {"Url", "url('a b' x)", Kind::ReadsDifferently, "url(a b' x)", "not a url()"},
        {"SLength", "x5mm", Kind::NotANumber, "0mm", "read as a number"},
        {"SLength",
         "\xc3\xa9\xc3\xa9"
         "5mm",
         Kind::NotANumber, "0mm", "read as a number"},
        {"LengthOrPercentAuto", "1e39", Kind::ReadsDifferently, "inf%", "beyond the largest"},
        {"SLength", "-1e39", Kind::ReadsDifferently, "-3.4028235e+38px", "beyond the largest"},
        {"Vector<Transform>", "translate(5 5  )", Kind::TransformDefault, "translate(0,0)",
         "blanks before ')'"},
        {"Vector<Transform>", "qwe", Kind::ReadsDifferently, "nothing", "no transform function"},
        {"Vector<Transform>", "Scale(2)", Kind::TransformDefault, "translate(0,0)",
         "case-sensitive (scale)"},
        {"Vector<Transform>", "matrix(1 0 0 1)", Kind::TransformDefault, "translate(0,0)",
         "takes 6 numbers, not 4"},
        {"FontWeight", "500", Kind::ReadsDifferently, "bold", "500 selects normal"},
        {"SDisplay", "None", Kind::ReadsDifferently, "inline", "not taken as none"},
        {"SDisplay", "qwe", Kind::ReadsDifferently, "inline", "not a keyword of the type"},
    };
    for (const auto& [type, text, kind, readsAs, reason] : cases) {
        const auto verdict = judgeAs(type, text);
        ASSERT_TRUE(verdict.has_value()) << type << " \"" << text << "\"";
        EXPECT_EQ(nameOf(verdict->kind), nameOf(kind)) << text;
        EXPECT_EQ(verdict->readsAs, readsAs) << text;
        EXPECT_NE(verdict->reason.find(reason), std::string::npos)
            << text << ": " << verdict->reason;
    }
}

// A finding says why, where one thing in the text is the cause.
TEST(JudgeRules, EveryFindingSaysWhy) {
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"SColor", "GreeN", "colour names in lower case only: green", "green"},
        {"SColor", " green ", "does not read blanks around the value", "green"},
        {"SColor", "hsl(0,0%,0%)", "does not read hsl()", ""},
        {"SColor", "currentColor", "does not read currentColor, a CSS keyword", ""},
        {"SColor", "#f80f", "not 4 hex digits", ""},
        {"Color", "#ff8800ff", "not 8 hex digits", ""},
        {"SColor", "rgb(18.5%,20%,21%)", "rgb() of whole numbers only", ""},
        {"SColor", "rgb(1 2 3)", "with commas between the components", ""},
        {"ViewBox", "0,0,100,100", "blanks between its numbers, not commas", "0 0 100 100"},
        {"Language", "en_US", "separated by '-', not '_'", "en-US"},
        {"Language", "de-CH", "the type knows no tag de-CH, only its language de", "de"},
        {"SLineCap", "rond", "which takes butt, round, square; the nearest is round", ""},
        {"FontStyle", "Italic", "keywords in lower case only: italic", "italic"},
        {"SLength", "30Q", "the last two characters '0Q' are taken as the unit: read as 3px", ""},
        {"SLength", "1ch", "ch is a CSS unit the engine does not read: read as px", ""},
        {"SLength", "1rem", "rem is a CSS unit the engine does not read; its last two letters", ""},
        {"LengthOrPercent", "2in div 12", "only its first number is read, 2, as a ratio",
         "0.1667in"},
        {"Indent", "12pt;", "';' after the measure is no part of it and spoils its unit", ""},
        {"LengthOrPercentAuto", "1,5", "a comma is no decimal point: only 1 is read", ""},
        {"Length", "12PT", "units and keywords in lower case only: 12pt", "12pt"},
        {"Length", "12", "a number needs a unit here", ""},
        {"Length", "50%", "takes no percentage", ""},
        {"Length", "12ch", "'ch' is no unit the engine reads", ""},
        {"Margin", "auto", "no keyword 'auto' here, only a measure", ""},
        {"LengthOrPercent", "12", "a number without a unit is read as a ratio", ""},
        {"SPreserveAspectRatio", "xmidymax", "read in their exact case only", ""},
        {"ViewBox", "0 0 -10 10", "a negative width or height", ""},
    };
    for (const auto& [type, text, reason, fix] : cases) {
        const auto verdict = judgeAs(type, text);
        ASSERT_TRUE(verdict.has_value()) << text;
        EXPECT_NE(verdict->reason.find(reason), std::string::npos)
            << text << ": " << verdict->reason;
        EXPECT_EQ(verdict->reason.find("did you mean"), std::string::npos) << verdict->reason;
        EXPECT_EQ(verdict->fix ? verdict->fix->text : "", fix) << text;
    }
}

TEST(JudgeRules, ARejectionSaysWhatTheEngineKeepsOrStores) {
    EXPECT_EQ(judgeAs("Length", "12")->reason,
              "a number needs a unit here; only 0 goes without; the engine keeps the value it "
              "had (inherited or initial)");
    const auto stored = judgeAs("DLength", "10 20");
    EXPECT_EQ(stored->reason, "the engine stores 0px 0px instead");
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

TEST(JudgeRules, TextsInTheirFaithfulFormHaveNoFinding) {
    // Forms the generated texts (AFindingExactlyWhere...) do not write.
    const std::pair<const char*, const char*> faithful[] = {
        {"Length", "12 pt"},
        {"LengthOrPercent", "10%"},  // held as 9.999999%
        {"Color", "rgb( 1 , 2 , 255 )"},
        {"Vector<SLength>", "none"},
        {"Vector<PathDataCommand>", "M 2mm 3cm"},
        {"ColumnWidth", "proportional-column-width(2)"},
        {"Indent", "body-start()"},
        {"Vector<Transform>", "translate(10,20) rotate(45 10 10) skewX(5) matrix(1,0,0,1,5,5)"},
        {"Vector<Transform>", "none"},
        {"Url", "url('a b')"},
    };
    for (const auto& [type, text] : faithful) {
        const auto verdict = judgeAs(type, text);
        EXPECT_FALSE(verdict.has_value())
            << type << " \"" << text << "\": " << nameOf(verdict->kind) << ", " << verdict->reason;
    }
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
