// The lint engine through its API: where findings stand (bytes, lines,
// columns in code points and UTF-16 units), documents read in pieces,
// vocabularies without namespaces, suppression comments and kind selection.
#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/lint/Lint.h"

namespace xmlattr::lint {
namespace {

// The start of an SVG root, as a string to append to.
std::string svgStart() {
    return "<svg xmlns=\"http://www.w3.org/2000/svg\"";
}

class Engine : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!xmlReaderAvailable())
            GTEST_SKIP() << "built without libexpat";
    }
};

std::vector<std::string> kindsOf(const Report& report) {
    std::vector<std::string> kinds;
    for (const Finding& finding : report.findings)
        kinds.emplace_back(ruleOf(finding.kind).name);
    return kinds;
}

// The position of offset, counted the slow way.
Position naivePosition(std::string_view text, std::size_t offset) {
    Position p;
    for (std::size_t i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\r' || (c == '\n' && (i == 0 || text[i - 1] != '\r'))) {
            ++p.line;
            p.column = p.utf16Column = 1;
        } else if (c != '\n' && (c & 0xC0) != 0x80) {
            ++p.column;
            p.utf16Column += c >= 0xF0 ? 2 : 1;
        }
    }
    return p;
}

void expectPlaced(std::string_view document, const Finding& finding) {
    const Range& r = finding.range;
    ASSERT_LE(r.end, document.size()) << finding.message;
    const Position start = naivePosition(document, r.begin);
    const Position stop = naivePosition(document, r.end);
    EXPECT_EQ(std::tie(r.start.line, r.start.column, r.start.utf16Column),
              std::tie(start.line, start.column, start.utf16Column))
        << finding.message;
    EXPECT_EQ(std::tie(r.stop.line, r.stop.column, r.stop.utf16Column),
              std::tie(stop.line, stop.column, stop.utf16Column))
        << finding.message;
}

TEST_F(Engine, AFindingCoversItsValueInBytesLinesAndBothColumnKinds) {
    // A character outside the Basic Multilingual Plane (two UTF-16 units) and
    // an accented letter (one) before the values, CR LF line ends and a tab.
    const std::string document = svgStart() +
                                 ">\r\n<!-- \xF0\x9F\x98\x80\xC3\xA9 -->\t<rect x=\"thick\" "
                                 "y=\"10qq\"/>\r\n"
                                 "<rect width=\"1\r\n2\"/></svg>";
    const Report report = lintDocument(document);
    ASSERT_EQ(kindsOf(report),
              (std::vector<std::string>{"not-a-number", "unknown-unit", "list-read-as-one"}));
    const Finding& y = report.findings[1];
    EXPECT_EQ(document.substr(y.range.begin, y.range.end - y.range.begin), "10qq");
    EXPECT_EQ(y.range.start.line, 2u);
    EXPECT_EQ(y.range.start.column, 32u);
    EXPECT_EQ(y.range.start.utf16Column, 33u);
    // A value over two lines, delivered with a blank for its CR LF.
    const Finding& width = report.findings[2];
    EXPECT_EQ(width.text, "1 2");
    EXPECT_EQ(width.range.stop.line, 4u);
    for (const Finding& finding : report.findings)
        expectPlaced(document, finding);
}

TEST_F(Engine, AStyleDeclarationIsPlacedWhereItStandsNotWhereItsNameFirstOccurs) {
    const std::string document = svgStart() +
                                 "><rect style=\"fill:url(#stroke); "
                                 "stroke : rgb(300,0,0) ;\r\nstroke-width:&#x31;0qq\"/></svg>";
    const Report report = lintDocument(document);
    ASSERT_EQ(report.findings.size(), 2u);
    const auto bytes = [&](const Finding& f) {
        return document.substr(f.range.begin, f.range.end - f.range.begin);
    };
    EXPECT_EQ(report.findings[0].attribute, "stroke");
    EXPECT_EQ(bytes(report.findings[0]), "rgb(300,0,0)");
    // A character reference stands for what it replaces.
    EXPECT_EQ(report.findings[1].text, "10qq");
    EXPECT_EQ(bytes(report.findings[1]), "&#x31;0qq");
}

TEST_F(Engine, ADocumentReadInSmallPiecesGivesTheSameFindingsAsInOnePiece) {
    // A document, and a stylesheet whose values are xsl:attribute texts.
    for (const bool stylesheet : {false, true}) {
        // Long enough to span several of the reader's pieces, with values split
        // across the pieces the source hands over.
        std::string document =
            stylesheet ? "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/"
                         "Transform\" xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><xsl:template "
                         "match=\"/\">\n"
                       : "<?xml version=\"1.0\"?>\n<fo:root "
                         "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n";
        for (int i = 0; document.size() < 300'000; ++i) {
            const std::string size = std::to_string(i % 30) + (i % 7 == 0 ? "ptt" : "pt");
            const std::string text = i % 2 == 0 ? size : "<xsl:text>" + size + "</xsl:text>";
            document += (stylesheet ? "<fo:block><xsl:attribute name=\"font-size\">" + text +
                                          "</xsl:attribute>"
                                    : "<fo:block font-size=\"" + size + "\" margin=\"1em\">") +
                        "\xF0\x9F\x93\x84 " + std::string(static_cast<std::size_t>(i % 50), 'x') +
                        "</fo:block>" + (i % 3 == 0 ? "\r\n" : "\n");
        }
        document += stylesheet ? "</xsl:template></xsl:stylesheet>\n" : "</fo:root>\n";
        const Report whole = lintDocument(document);
        ASSERT_GT(whole.findings.size(), 300u);
        std::size_t at = 0;
        const Source trickle = [&](char* buffer, std::size_t size) {
            const std::size_t n = std::min({size, document.size() - at, std::size_t{4093}});
            std::memcpy(buffer, document.data() + at, n);
            at += n;
            return static_cast<std::ptrdiff_t>(n);
        };
        std::vector<Finding> pieces;
        const Result result =
            lintDocument(trickle, [&](const Finding& finding) { pieces.push_back(finding); });
        EXPECT_FALSE(result.error.has_value());
        ASSERT_EQ(pieces.size(), whole.findings.size());
        for (std::size_t i = 0; i < pieces.size(); ++i) {
            EXPECT_EQ(pieces[i].range.begin, whole.findings[i].range.begin);
            EXPECT_EQ(pieces[i].range.start.utf16Column, whole.findings[i].range.start.utf16Column);
        }
        for (std::size_t i = 0; i < whole.findings.size(); i += 97)
            expectPlaced(document, whole.findings[i]);
        expectPlaced(document, whole.findings.back());
    }
}

TEST_F(Engine, FindingsAfterALongRunOfTextArePlaced) {
    std::string text;
    for (int line = 0; text.size() < 1'000'000; ++line)
        text += "A line of text, \xF0\x9F\x98\x80 with a character of two UTF-16 units.\r\n";
    const std::string document =
        svgStart() + "><text x=\"1qq\">" + text + "</text><rect \n  x=\"2qq\"/></svg>";
    const Report report = lintDocument(document);
    ASSERT_EQ(report.findings.size(), 2u);
    for (const Finding& finding : report.findings)
        expectPlaced(document, finding);
}

TEST_F(Engine, ARootSvgWithoutNamespaceIsReadAsSvgWithANote) {
    const Report svg = lintDocument("<svg>\n  <rect width=\"10qq\"/>\n</svg>");
    EXPECT_EQ(kindsOf(svg), (std::vector<std::string>{"svg-without-namespace", "unknown-unit"}));
    EXPECT_EQ(svg.findings[0].severity, Severity::Note);
    EXPECT_EQ(svg.findings[0].range.begin, 0u);
    EXPECT_EQ(svg.result.summary.checked, 1u);

    const Report other = lintDocument("<doc>\n<a width=\"10qq\"/></doc>");
    EXPECT_EQ(kindsOf(other), std::vector<std::string>{"not-checked"});
    // The note stands at the root: after a finding before it, before one inside.
    EXPECT_EQ(
        kindsOf(lintDocument("<!-- xmlattr-lint: x --><doc><!-- xmlattr-lint: y --></doc>")),
        (std::vector<std::string>{"unknown-suppression", "not-checked", "unknown-suppression"}));
    EXPECT_EQ(other.result.summary.checked, 0u);

    Options off;
    off.svgWithoutNamespace = false;
    EXPECT_EQ(kindsOf(lintDocument("<svg><rect width=\"10qq\"/></svg>", off)),
              std::vector<std::string>{"not-checked"});
}

TEST_F(Engine, NamespacesAreResolvedWithTheirScopes) {
    // The default namespace undeclared inside the drawing, and a prefix bound
    // to the SVG namespace on an inner element only.
    const Report report = lintDocument(svgStart() +
                                       "><g xmlns=\"\"><rect x=\"1qq\"/></g><rect x=\"2qq\"/>"
                                       "<q:g xmlns:q=\"http://www.w3.org/2000/svg\"><q:rect "
                                       "x=\"3qq\" q:y=\"4qq\" xml:lang=\"en-\"/></q:g></svg>");
    std::vector<std::string> texts;
    for (const Finding& finding : report.findings)
        texts.push_back(finding.attribute + "=" + finding.text);
    EXPECT_EQ(texts, (std::vector<std::string>{"x=2qq", "x=3qq", "q:y=4qq", "xml:lang=en-"}));
    EXPECT_FALSE(report.result.error.has_value());

    const Report unbound = lintDocument(svgStart() + ">\n <rect a:x=\"1\"/></svg>");
    ASSERT_TRUE(unbound.result.error.has_value());
    EXPECT_EQ(unbound.result.error->message, "XML: unbound prefix 'a'");
    EXPECT_EQ(unbound.result.error->position.line, 2u);
}

TEST_F(Engine, ADocumentOfAnotherVocabularyCanBeSkippedAtItsRoot) {
    Options walking;
    walking.skipOtherRoots = true;
    const Report other = lintDocument(
        "<!-- xmlattr-lint: ignore[nothing] --><doc><a width=\"1qq\"/></doc>", walking);
    EXPECT_TRUE(other.result.skipped);
    EXPECT_TRUE(other.findings.empty());
    const Report svg = lintDocument("<svg><rect width=\"1qq\"/></svg>", walking);
    EXPECT_FALSE(svg.result.skipped);
    EXPECT_EQ(kindsOf(svg), (std::vector<std::string>{"svg-without-namespace", "unknown-unit"}));
    const Report broken = lintDocument("<?xml version=\"1.0\"?><", walking);
    EXPECT_FALSE(broken.result.rootRead);
    EXPECT_TRUE(broken.result.error.has_value());
}

TEST_F(Engine, CommentsSilenceKindsOnTheNextElementOrTheWholeFile) {
    const std::string head = svgStart() + ">";
    const auto kinds = [&](const std::string& body) {
        return kindsOf(lintDocument(head + body + "</svg>"));
    };
    const std::string twoFindings = "<rect x=\"1qq\" y=\"thick\"/>";
    EXPECT_EQ(kinds("<!-- xmlattr-lint: ignore[unknown-unit] -->" + twoFindings + twoFindings),
              (std::vector<std::string>{"not-a-number", "unknown-unit", "not-a-number"}));
    EXPECT_EQ(kinds("<!--xmlattr-lint:ignore-->" + twoFindings + twoFindings),
              (std::vector<std::string>{"unknown-unit", "not-a-number"}));
    // A file-wide comment silences findings before it too.
    EXPECT_EQ(kinds(twoFindings + "<!-- xmlattr-lint: ignore-file[not-a-number, unknown-unit] -->"),
              std::vector<std::string>{});

    const std::string document =
        head + "<!-- xmlattr-lint: ignore[unknown-unit,no-such-kind] -->" + twoFindings + "</svg>";
    const Report report = lintDocument(document);
    ASSERT_EQ(kindsOf(report), (std::vector<std::string>{"unknown-suppression", "not-a-number"}));
    const Range& name = report.findings[0].range;
    EXPECT_EQ(document.substr(name.begin, name.end - name.begin), "no-such-kind");
    EXPECT_EQ(report.result.summary.suppressed, 1u);
    // The notes on unknown words stay, whatever the file ignores.
    EXPECT_EQ(kinds("<!-- xmlattr-lint: disable --><!-- xmlattr-lint: ignore-file -->"),
              std::vector<std::string>{"unknown-suppression"});
}

TEST_F(Engine, ABareNumberIsARatioOnlyWhereTheAttributeTakesOne) {
    const Report report = lintDocument(
        "<fo:block xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" line-height=\"1.2\" "
        "space-before=\"1.2\"/>");
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_EQ(report.findings[0].attribute, "space-before");
}

TEST_F(Engine, ALongTextIsQuotedCutAtACharacterBoundary) {
    std::string value = "1qq";
    for (int i = 0; i < 40; ++i)
        value += "\xC3\xA9";
    const Report report = lintDocument(svgStart() + "><rect x=\"" + value + "\"/></svg>");
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_NE(report.findings[0].message.find("\xC3\xA9...\" ("), std::string::npos)
        << report.findings[0].message;
}

TEST_F(Engine, OnlyTheSelectedKindsAreReported) {
    Options options;
    options.kinds = KindSet::none().add(Kind::NotANumber);
    const Report report =
        lintDocument(svgStart() + "><rect x=\"1qq\" y=\"thick\"/></svg>", options);
    EXPECT_EQ(kindsOf(report), std::vector<std::string>{"not-a-number"});
    EXPECT_EQ(report.result.summary.suppressed, 1u);
}

TEST_F(Engine, FindingsBeforeAnXmlErrorAreGivenAndTheErrorIsPlaced) {
    const Report report = lintDocument(svgStart() + ">\n\xF0\x9F\x98\x80<rect x=\"1qq\">\n</svg>");
    EXPECT_EQ(kindsOf(report), std::vector<std::string>{"unknown-unit"});
    ASSERT_TRUE(report.result.error.has_value());
    EXPECT_EQ(report.result.error->message, "XML: mismatched tag");
    EXPECT_EQ(report.result.error->position.line, 3u);
    EXPECT_EQ(report.result.error->position.column, 3u);

    EXPECT_EQ(lintDocument("").result.error->message, "the file is empty: no XML document");
}

TEST(EngineApi, JudgesOneAttributeWithoutADocument) {
    EXPECT_EQ(attributeType(Vocabulary::Fo, "block", "font-size"), "FontSize");
    EXPECT_EQ(attributeType(Vocabulary::Fo, "block", "font-family"), "");
    const auto finding = judge(Vocabulary::Fo, "block", "font-size", "11ptt");
    ASSERT_TRUE(finding.has_value());
    EXPECT_EQ(finding->kind, Kind::UnknownUnit);
    EXPECT_EQ(finding->message,
              "font-size=\"11ptt\" on block reads as 11px (FontSize): unknown unit 'ptt' is read "
              "as px; did you mean pt?");
    EXPECT_FALSE(judge(Vocabulary::Fo, "block", "font-size", "11pt").has_value());
    EXPECT_FALSE(judge(Vocabulary::Fo, "block", "font-family", "11ptt").has_value());
}

TEST(EngineApi, EveryKindHasOneRuleFoundByItsName) {
    for (const Rule& rule : rules()) {
        EXPECT_EQ(kindNamed(rule.name), rule.kind);
        EXPECT_FALSE(rule.summary.empty()) << rule.name;
    }
    EXPECT_EQ(kindNamed("unknown"), std::nullopt);
    EXPECT_EQ(ruleOf(Kind::Rejected).severity, Severity::Error);
}

}  // namespace
}  // namespace xmlattr::lint
