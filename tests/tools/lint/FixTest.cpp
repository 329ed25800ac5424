// The fixes lint offers: for each kind, the text its author meant, safe or
// only likely, which reads as written when judged again; no fix where the
// meaning is not known; and in a document, edits on exactly the values'
// bytes, none where references stand for part of a value.
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/lint/Lint.h"

namespace xmlattr::lint {
namespace {

struct FixCase {
    Vocabulary vocabulary;
    const char* element;
    const char* attribute;
    const char* text;
    Kind kind;
    const char* fixed;  // null: no fix
    bool safe;
};

constexpr Vocabulary Fo = Vocabulary::Fo;
constexpr Vocabulary Svg = Vocabulary::Svg;

void expectFix(const FixCase& c) {
    const std::optional<Finding> finding = judge(c.vocabulary, c.element, c.attribute, c.text);
    ASSERT_TRUE(finding.has_value()) << c.attribute << "=\"" << c.text << "\"";
    EXPECT_EQ(ruleOf(finding->kind).name, ruleOf(c.kind).name) << c.text;
    if (c.fixed == nullptr) {
        EXPECT_FALSE(finding->fix.has_value())
            << c.text << " -> " << finding->fix->edits.front().replacement;
        return;
    }
    ASSERT_TRUE(finding->fix.has_value()) << c.text;
    EXPECT_TRUE(ruleOf(finding->kind).fixable) << c.text;
    const Fix& fix = *finding->fix;
    ASSERT_EQ(fix.edits.size(), 1u) << c.text;
    EXPECT_EQ(fix.edits[0].replacement, c.fixed) << c.text;
    EXPECT_EQ(fix.safe, c.safe) << c.text;
    EXPECT_FALSE(fix.description.empty()) << c.text;
    // Without a document the edit stands nowhere.
    EXPECT_EQ(fix.edits[0].range.begin, 0u);
    EXPECT_EQ(fix.edits[0].range.end, 0u);
    // The fixed text reads as written.
    const std::optional<Finding> again = judge(c.vocabulary, c.element, c.attribute, c.fixed);
    EXPECT_FALSE(again.has_value()) << c.fixed << ": " << again->message;
}

// For each kind, the text its author meant, or no fix.
const FixCase kFixCases[] = {
    // Blanks dropped; no fix where the meaning is not known.
    {Fo, "block", "margin-left", "2em ", Kind::BlankChangedUnit, "2em", true},
    {Fo, "block", "margin-left", "1.5cm\n", Kind::BlankChangedUnit, "1.5cm", true},
    {Svg, "rect", "width", "12pt\t ", Kind::BlankChangedUnit, "12pt", true},
    {Fo, "block", "font-size", "11ptt", Kind::UnknownUnit, nullptr, false},
    {Fo, "block", "line-height", "normal", Kind::Rejected, nullptr, false},
    {Svg, "rect", "stroke-width", "thick", Kind::NotANumber, nullptr, false},
    // List items separated by commas.
    {Svg, "line", "stroke-dasharray", "5mm 2.5mm", Kind::ListReadAsOne, "5mm, 2.5mm", true},
    {Svg, "line", "stroke-dasharray", "4  2\n1", Kind::ListReadAsOne, "4, 2, 1", true},
    // An item that would still not read as written: no fix.
    {Svg, "line", "stroke-dasharray", "5qq 3", Kind::ListReadAsOne, nullptr, false},
    {Svg, "line", "stroke-dasharray", "20 40 -20", Kind::ListReadAsOne, "20, 40, -20", false},
    // Where the author's meaning is certain: a percentage as a fraction, the
    // quotes inside url(), a keyword's case, blanks before ")".
    {Svg, "rect", "opacity", "50%", Kind::ReadsDifferently, "0.5", true},
    {Svg, "rect", "fill", "url('#a')", Kind::ReadsDifferently, "url(#a)", true},
    {Svg, "rect", "display", "None", Kind::ReadsDifferently, "none", true},
    {Svg, "rect", "transform", "translate(5 5  )", Kind::TransformDefault, "translate(5 5)", true},
    {Svg, "rect", "fill", "url(#lg1) green", Kind::ReadsDifferently, nullptr, false},
    // One value is read whatever is written: nothing to separate.
    {Svg, "text", "x", "10 20 30", Kind::ListReadAsOne, nullptr, false},
    // Path commands written, numbers separated.
    {Svg, "path", "d", "M 30 40 110 160", Kind::ImplicitCommands, "M 30 40 L 110 160", true},
    {Svg, "path", "d", "m10,10,20,20,30,30", Kind::ImplicitCommands, "m10,10 l20,20 l30,30", true},
    {Svg, "path", "d", "M0 0 L10 10 20 20z", Kind::ImplicitCommands, "M0 0 L10 10 L20 20z", true},
    {Svg, "path", "d", "M0 0 c1 1 2 2 3 3 4 4 5 5 6 6", Kind::ImplicitCommands,
     "M0 0 c1 1 2 2 3 3 c4 4 5 5 6 6", true},
    {Svg, "path", "d", "M-20,0 A20,20 0 01 20,0", Kind::NumberSplit, "M-20,0 A20,20 0 0 1 20,0",
     true},
    {Svg, "path", "d", "M0 0 a25 25 0 1125 25", Kind::NumberSplit, "M0 0 a25 25 0 1 1 25 25", true},
    {Svg, "path", "d", "M0,0 l 12,-4.5e-1", Kind::NumberSplit, "M0,0 l 12,-0.45", true},
    {Svg, "path", "d", "M0,0 L 1.5E+2,-25e-2", Kind::NumberSplit, "M0,0 L 150,-0.25", true},
    {Svg, "path", "d", "M5.5.3 1 1", Kind::ImplicitCommands, "M5.5 .3 L1 1", true},
    {Svg, "path", "d", "M0 0 L5.5.3z", Kind::NumberSplit, "M0 0 L5.5 .3z", true},
    {Svg, "polyline", "points", "10,20e-1 20,20", Kind::NumberSplit, "10,2 20,20", true},
    {Svg, "polyline", "points", "5.5.3 1 2", Kind::NumberSplit, "5.5 .3 1 2", true},
    {Svg, "polyline", "points", "200,200 200,90 300", Kind::ReadsDifferently, nullptr, false},
    {Svg, "text", "transform", "skew(-10)", Kind::TransformDefault, nullptr, false},
    // rgb() components as numbers from 0 to 255.
    {Fo, "block", "color", "rgb(20%,20%,60%)", Kind::RgbPercent, "rgb(51,51,153)", true},
    {Fo, "block", "color", "rgb(0%, 100%, 40%)", Kind::RgbPercent, "rgb(0, 255, 102)", true},
    // 25.5 and 127.5 are rounded: likely, not certain.
    {Fo, "block", "color", "rgb(10%, 50%, 100%)", Kind::RgbPercent, "rgb(26, 128, 255)", false},
    {Fo, "block", "color", "rgb(120%,0%,0%)", Kind::RgbPercent, "rgb(255,0,0)", false},
    // Percentages and numbers mixed: what was meant is not known.
    {Fo, "block", "color", "rgb(20%,20,60)", Kind::RgbPercent, nullptr, false},
    {Svg, "rect", "fill", "rgb(31,56,256)", Kind::RgbOutOfRange, "rgb(31,56,255)", false},
    {Svg, "rect", "fill", "rgb(300, 0, -1)", Kind::RgbOutOfRange, "rgb(255, 0, 0)", false},
    // Expressions of one absolute unit computed.
    {Fo, "block", "start-indent", "10pt + 2pt", Kind::Expression, "12pt", true},
    {Fo, "table-column", "column-width", "(1in + 0.5in) * 2", Kind::Expression, "3in", true},
    {Fo, "block", "start-indent", "3 * (2cm - 0.5cm)", Kind::Expression, "4.5cm", true},
    {Fo, "block", "start-indent", "0.1pt + 0.2pt", Kind::Expression, "0.3pt", true},
    {Fo, "block", "start-indent", "10mm - 12mm", Kind::Expression, "-2mm", true},
    {Fo, "block", "start-indent", "2in div 12", Kind::Expression, "0.1667in", false},
    // A measure in em, two units, a function, a product of lengths:
    // the result needs context or is no length.
    {Fo, "block", "start-indent", "1em + 6pt", Kind::Expression, nullptr, false},
    {Fo, "block", "start-indent", "1in + 6pt", Kind::Expression, nullptr, false},
    {Fo, "table-column", "column-width", "max(2cm)", Kind::Expression, nullptr, false},
    {Fo, "block", "start-indent", "2pt * 3pt", Kind::Expression, nullptr, false},
    {Fo, "block", "start-indent", "2pt div 0", Kind::Expression, nullptr, false},
};

TEST(FixKinds, EachKindGetsTheTextItsAuthorMeant) {
    for (const FixCase& c : kFixCases)
        expectFix(c);
}

// "1pt + (((1pt)))", with depth parentheses.
std::string nestedSum(std::size_t depth) {
    std::string text = "1pt + ";
    text.append(depth, '(');
    text += "1pt";
    text.append(depth, ')');
    return text;
}

TEST(FixKinds, ExpressionsNestedTooDeeplyAreNotComputed) {
    // Nested deeper than any author writes: not computed, and no deeper
    // than that on the stack.
    const std::string deep = nestedSum(100000);
    const std::optional<Finding> finding = judge(Fo, "table-column", "column-width", deep);
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->kind, Kind::Expression);
    EXPECT_FALSE(finding->fix.has_value());
    const std::string nested = nestedSum(30);
    expectFix({Fo, "table-column", "column-width", nested.c_str(), Kind::Expression, "2pt", true});
}

// ---- In a document --------------------------------------------------------

class FixDocument : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xmlReaderAvailable())
            GTEST_SKIP() << "built without libexpat";
    }
};

// The document with every fix's edits made, last first.
std::string applied(std::string document, const std::vector<Finding>& findings) {
    std::vector<Edit> edits;
    for (const Finding& finding : findings) {
        if (finding.fix)
            edits.insert(edits.end(), finding.fix->edits.begin(), finding.fix->edits.end());
    }
    std::sort(edits.begin(), edits.end(),
              [](const Edit& a, const Edit& b) { return a.range.begin > b.range.begin; });
    for (std::size_t i = 1; i < edits.size(); ++i)
        EXPECT_LE(edits[i].range.end, edits[i - 1].range.begin) << "overlapping edits";
    for (const Edit& edit : edits)
        document.replace(edit.range.begin, edit.range.end - edit.range.begin, edit.replacement);
    return document;
}

TEST_F(FixDocument, EditsReplaceExactlyTheValuesBytes) {
    const std::string document =
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"\n"
        "         xmlns:svg=\"http://www.w3.org/2000/svg\">\n"
        "  <fo:block margin-left=\"2em \" color=\"rgb(20%,20%,60%)\" start-indent='1em + 6pt'>\n"
        "    <svg:svg><svg:path d=\"M 30 40 110 160\"\n"
        "      style=\"fill: rgb(31,56,256) ; stroke-dasharray:4 2\"/>\n"
        "    <svg:line stroke-dasharray='5mm 2.5mm' x1=\"é\"/></svg:svg>\n"
        "  </fo:block>\n"
        "</fo:root>\n";
    const Report report = lintDocument(document);
    ASSERT_FALSE(report.result.error.has_value());
    std::size_t fixes = 0;
    for (const Finding& finding : report.findings) {
        ASSERT_LE(finding.range.end, document.size());
        if (!finding.fix)
            continue;
        ++fixes;
        ASSERT_EQ(finding.fix->edits.size(), 1u);
        const Range& range = finding.fix->edits[0].range;
        EXPECT_EQ(range.begin, finding.range.begin) << finding.message;
        EXPECT_EQ(range.end, finding.range.end) << finding.message;
        EXPECT_EQ(range.start.column, finding.range.start.column) << finding.message;
        EXPECT_EQ(document.substr(range.begin, range.end - range.begin), finding.text);
    }
    EXPECT_EQ(fixes, 6u);  // all but the expression in em, and x1's word

    // Fixed, the document has only the findings without a fix left.
    const Report again = lintDocument(applied(document, report.findings));
    std::vector<std::string> left;
    for (const Finding& finding : again.findings)
        left.push_back(finding.text);
    EXPECT_EQ(left, (std::vector<std::string>{"1em + 6pt", "\xc3\xa9"}));
}

TEST_F(FixDocument, AValueInSingleQuotesIsFixedWithinThem) {
    const std::string document =
        "<svg xmlns='http://www.w3.org/2000/svg'><rect width='3cm ' height=\"2cm\"/></svg>";
    const Report report = lintDocument(document);
    ASSERT_EQ(report.findings.size(), 1u);
    const Finding& finding = report.findings[0];
    ASSERT_TRUE(finding.fix.has_value()) << finding.message;
    EXPECT_TRUE(finding.fix->safe);
    EXPECT_EQ(applied(document, report.findings),
              "<svg xmlns='http://www.w3.org/2000/svg'><rect width='3cm' height=\"2cm\"/></svg>");
}

TEST_F(FixDocument, AValueAcrossLinesIsFixedKeepingItsLineBreaks) {
    const std::string svg = "<svg xmlns='http://www.w3.org/2000/svg'>";
    const std::pair<std::string, std::string> cases[] = {
        {"<path d='M 1 1 5 3\n L 9 9'/>", "<path d='M 1 1 L 5 3\n L 9 9'/>"},
        {"<rect width='3cm\t'/>", "<rect width='3cm'/>"},
        {"<path d='M 1 1\n 5 3'/>", "<path d='M 1 1\n L 5 3'/>"},
    };
    for (const auto& [value, fixed] : cases) {
        const std::string document = svg + value + "</svg>";
        const Report report = lintDocument(document);
        ASSERT_EQ(report.findings.size(), 1u) << document;
        EXPECT_EQ(applied(document, report.findings), svg + fixed + "</svg>");
    }
}

TEST_F(FixDocument, AValueWithReferencesIsNotFixed) {
    // The bytes are not the text read: an edit of them would lose or misplace
    // the references.
    const char* documents[] = {
        "<svg xmlns='http://www.w3.org/2000/svg'><rect width='3cm&#32;'/></svg>",
        "<svg xmlns='http://www.w3.org/2000/svg'><line stroke-dasharray='4&#x20;2'/></svg>",
        "<svg xmlns='http://www.w3.org/2000/svg'><path style='fill:rgb(1,2,&#51;00)'/></svg>",
    };
    for (const std::string document : documents) {
        const Report report = lintDocument(document);
        ASSERT_EQ(report.findings.size(), 1u) << document;
        const Finding& finding = report.findings[0];
        EXPECT_FALSE(finding.fix.has_value()) << document;
        EXPECT_TRUE(
            finding.message.ends_with("the XML reader replaces, and a rewrite would lose it"))
            << finding.message;
        EXPECT_TRUE(finding.reason.find("; not fixed: the value holds a reference") !=
                    std::string::npos)
            << finding.reason;
    }
    // A reference elsewhere in the style leaves the declaration's own bytes
    // as they are read.
    const std::string document =
        "<svg xmlns='http://www.w3.org/2000/svg'><path style='stroke:&#x72;ed; "
        "fill:rgb(1,2,300)'/></svg>";
    const Report report = lintDocument(document);
    ASSERT_EQ(report.findings.size(), 1u);
    ASSERT_TRUE(report.findings[0].fix.has_value()) << report.findings[0].message;
    EXPECT_EQ(applied(document, report.findings),
              "<svg xmlns='http://www.w3.org/2000/svg'><path style='stroke:&#x72;ed; "
              "fill:rgb(1,2,255)'/></svg>");
}

TEST_F(FixDocument, TheBundledDocumentsFixedKeepOnlyTheirFindingsWithoutAFix) {
    for (const char* name : {"drawings.svg", "report.fo"}) {
        std::ifstream file(std::string(XMLATTR_SOURCE_DIR "/examples/documents/") + name,
                           std::ios::binary);
        const std::string document{std::istreambuf_iterator<char>(file), {}};
        ASSERT_FALSE(document.empty()) << name;
        const Report report = lintDocument(document);
        std::vector<std::string> unfixed;
        std::size_t fixed = 0;
        for (const Finding& finding : report.findings) {
            if (finding.fix)
                ++fixed;
            else
                unfixed.push_back(finding.message);
        }
        EXPECT_GT(fixed, 2u) << name;
        std::vector<std::string> left;
        for (const Finding& finding : lintDocument(applied(document, report.findings)).findings)
            left.push_back(finding.message);
        EXPECT_EQ(left, unfixed) << name;
    }
}

TEST(FixRules, KindsWithoutAFixAreNotFixable) {
    for (const Kind kind : {Kind::UnknownUnit, Kind::NotANumber, Kind::NotChecked})
        EXPECT_FALSE(ruleOf(kind).fixable) << ruleOf(kind).name;
}

}  // namespace
}  // namespace xmlattr::lint
