// The fixes lint offers in a document: edits on exactly the values' bytes,
// none where references stand for part of a value. The text each kind's fix
// writes is JudgeTest's (tests/tools/lint/LintCases.h).
#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/lint/Lint.h"

namespace xmlattr::lint {
namespace {

constexpr Vocabulary Fo = Vocabulary::Fo;

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
    const std::optional<Finding> nested = judge(Fo, "table-column", "column-width", nestedSum(30));
    ASSERT_TRUE(nested.has_value() && nested->fix.has_value());
    EXPECT_EQ(nested->fix->edits.at(0).replacement, "2pt");
    EXPECT_TRUE(nested->fix->safe);
}

// A rewrite that would still not read as written is not offered.
TEST(FixKinds, OnlyAFixThatReadsAsWrittenIsOffered) {
    const std::optional<Finding> finding =
        judge(Vocabulary::Svg, "line", "stroke-dasharray", "5qq 3");
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->kind, Kind::ListReadAsOne);
    EXPECT_FALSE(finding->fix.has_value()) << finding->fix->edits.at(0).replacement;
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

// In a stylesheet the value is an attribute value template: a rewrite that
// holds a quote or a brace is refused before its bytes are looked at.
TEST_F(FixDocument, AStylesheetRewriteHoldingAQuoteIsRefusedForThatReason) {
    const Report report = lintDocument(
        "<xsl:stylesheet version='1.0' xmlns:xsl='http://www.w3.org/1999/XSL/Transform'>"
        "<xsl:template match='/'><svg xmlns='http://www.w3.org/2000/svg'>"
        "<rect fill=\"url('#a&quot;b')\"/></svg></xsl:template></xsl:stylesheet>");
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_FALSE(report.findings[0].fix.has_value());
    EXPECT_TRUE(report.findings[0].reason.ends_with(
        "; not fixed: the rewrite holds a quote or a brace, which XSLT would read in this value"))
        << report.findings[0].reason;
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

}  // namespace
}  // namespace xmlattr::lint
