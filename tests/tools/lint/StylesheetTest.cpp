// Stylesheets: what each XSLT construct writes is judged on the element it
// lands on, where its text stands; computed values never are.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tools/fix/Fix.h"
#include "tools/lint/Lint.h"

namespace xmlattr::lint {
namespace {

std::string sheet(std::string_view body, std::string_view top = {}) {
    return std::string(
               "<xsl:stylesheet version=\"1.0\" "
               "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
               "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">") +
           std::string(top) + "<xsl:template match=\"/\">" + std::string(body) +
           "</xsl:template></xsl:stylesheet>";
}

// Each finding as "KIND ELEMENT TEXT|BYTES", BYTES being where it stands, and
// "*" after it where a fix is offered.
std::vector<std::string> found(const std::string& document, const Report& report) {
    std::vector<std::string> out;
    for (const Finding& f : report.findings) {
        out.push_back(std::string(ruleOf(f.kind).name) + ' ' + f.element + ' ' + f.text + '|' +
                      document.substr(f.range.begin, f.range.end - f.range.begin) +
                      (f.fix ? "*" : ""));
    }
    return out;
}

struct Case {
    const char* construct;
    std::string document;
    std::vector<std::string> findings;
    std::size_t computed;
};

TEST(Stylesheet, EachConstructIsJudgedWhereItsTextStands) {
    if (!xmlReaderAvailable())
        GTEST_SKIP() << "built without libexpat";
    const std::string set =
        "<xsl:attribute-set name=\"s\" use-attribute-sets=\"base\">"
        "<xsl:attribute name=\"font-size\">9ptt</xsl:attribute></xsl:attribute-set>"
        "<xsl:attribute-set name=\"base\"><xsl:attribute name=\"width\">3qq</xsl:attribute>"
        "</xsl:attribute-set>";
    const Case cases[] = {
        {"literal",
         sheet("<fo:block font-size=\"11ptt\" id=\"a\"/>"),
         {"unknown-unit fo:block 11ptt|11ptt"},
         0},
        {"computed", sheet("<fo:block font-size=\"{$s}ptt\" color=\"a}\" width=\"{.}\"/>"), {}, 3},
        {"braces",
         sheet("<fo:block end-indent=\"{{1em}}\"/>"),
         {"rejected fo:block {1em}|{{1em}}"},
         0},
        {"text",
         sheet("<fo:block><xsl:attribute name=\"margin-left\">2em </xsl:attribute>"
               "</fo:block>"),
         {"blank-changed-unit fo:block 2em |2em *"},
         0},
        {"xsl:text",
         sheet("<fo:block><xsl:if test=\"1\"><xsl:attribute name=\"font-size\">\n "
               "<xsl:text>11ptt</xsl:text>\n</xsl:attribute></xsl:if></fo:block>"),
         {"unknown-unit fo:block 11ptt|11ptt"},
         0},
        {"select",
         sheet("<fo:block><xsl:attribute name=\"font-size\" select=\" '11ptt'\"/>"
               "<xsl:attribute name=\"color\" select=\"$c\"/></fo:block>"),
         {"unknown-unit fo:block 11ptt|11ptt"},
         1},
        {"instructions",
         sheet("<fo:block><xsl:attribute name=\"font-size\"><xsl:value-of "
               "select=\"$s\"/>ptt</xsl:attribute></fo:block>"),
         {},
         1},
        {"xsl:element",
         sheet("<xsl:element name=\"fo:table\"><xsl:attribute name=\"width\">"
               "1qq</xsl:attribute></xsl:element>"),
         {"unknown-unit fo:table 1qq|1qq"},
         0},
        {"lines",
         sheet("<fo:block><xsl:attribute name=\"margin-left\">2em\r\n  "
               "</xsl:attribute></fo:block>"),
         {"blank-changed-unit fo:block 2em\n  |2em\r\n  "},
         0},
        {"nodes",
         sheet("<fo:block><xsl:attribute name=\"margin-left\">2<!-- c -->em "
               "<xsl:text>1</xsl:text></xsl:attribute></fo:block>"),
         {"list-read-as-one fo:block 2em 1|2<!-- c -->em <xsl:text>1"},
         0},
        {"xml:lang",
         sheet("<fo:block><xsl:attribute name=\"xml:lang\">e n</xsl:attribute>"
               "</fo:block>"),
         {"rejected fo:block e n|e n"},
         0},
        {"sets",
         sheet("<fo:table xsl:use-attribute-sets=\"s\"/><fo:block "
               "xsl:use-attribute-sets=\"s\"/>",
               set),
         {"unknown-unit fo:table 9ptt|9ptt", "unknown-unit fo:table 3qq|3qq",
          "unknown-unit fo:block 3qq|3qq"},
         0},
        {"unused set", sheet("", set), {"unknown-unit any XSL-FO element 9ptt|9ptt"}, 0},
        {"expand-text",
         sheet("<fo:block xsl:expand-text=\"yes\"><xsl:attribute name=\"font-size\">"
               "{$s}ptt</xsl:attribute><xsl:attribute name=\"end-indent\">{{1em}}"
               "</xsl:attribute></fo:block>"),
         {"rejected fo:block {1em}|{{1em}}"},
         1},
        {"suppressed",
         sheet("<fo:block><!-- xmlattr-lint: ignore --><xsl:attribute "
               "name=\"font-size\"><xsl:text>1ptt</xsl:text></xsl:attribute>"
               "</fo:block>"),
         {},
         0},
        {"foreign",
         sheet("<html width=\"1qq\"><fo:block><xsl:attribute name=\"fo:x\">1qq"
               "</xsl:attribute></fo:block></html>"),
         {},
         0},
        {"simplified",
         "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
         "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" xsl:version=\"1.0\" "
         "font-size=\"{$s}\" font-weight=\"bolder \"/>",
         {"rejected fo:root bolder |bolder *"},
         1},
    };
    for (const Case& c : cases) {
        const Report report = lintDocument(c.document);
        EXPECT_FALSE(report.result.error) << c.construct << ": " << report.result.error->message;
        EXPECT_TRUE(report.result.stylesheet) << c.construct;
        EXPECT_EQ(found(c.document, report), c.findings) << c.construct;
        EXPECT_EQ(report.result.summary.computed, c.computed) << c.construct;
    }
}

TEST(Stylesheet, ASetIsJudgedOnTheElementsOtherModulesUseItOn) {
    const std::string document =
        sheet("",
              "<xsl:attribute-set name=\"t\"><xsl:attribute name=\"font-size\">3qq"
              "</xsl:attribute></xsl:attribute-set>");
    const std::string other = sheet(
        "<fo:table xsl:use-attribute-sets=\"u\"/><fo:block "
        "xsl:use-attribute-sets=\"u\"/><fo:inline "
        "xsl:use-attribute-sets=\"u\"/><fo:wrapper "
        "xsl:use-attribute-sets=\"u\"/>",
        "<xsl:include href=\"a.xsl\"/><xsl:attribute-set name=\"u\" "
        "use-attribute-sets=\"t\"/>");
    const ModuleLinks links = moduleLinks(other);
    EXPECT_EQ(links.modules, std::vector<std::string>{"a.xsl"});
    EXPECT_EQ(links.sets, std::vector<std::string>{});
    Options options;
    options.setUses = links.uses;
    const Report report = lintDocument(document, options);
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_EQ(report.findings[0].type, "FontSize");
    EXPECT_NE(report.findings[0].message.find(
                  "in attribute set 't', used on fo:table, fo:block, fo:inline, ..."),
              std::string::npos)
        << report.findings[0].message;
}

// What an editor shows on a set's text: what lint says of it, on its use.
TEST(Stylesheet, TheValueAtASetsTextIsJudgedAsOnTheElementThatUsesIt) {
    const std::string document =
        sheet("<fo:table xsl:use-attribute-sets=\"t\"/>",
              "<xsl:attribute-set name=\"t\"><xsl:attribute name=\"width\">3qq"
              "</xsl:attribute><xsl:attribute name=\"id\">x</xsl:attribute></xsl:attribute-set>");
    const std::optional<Value> value = valueAt(document, document.find("3qq") + 1);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(value->type, "TableWidth");
    EXPECT_EQ(value->element, "fo:table");
    EXPECT_EQ(document.substr(value->range.begin, value->range.end - value->range.begin), "3qq");
    ASSERT_TRUE(value->finding.has_value());
    EXPECT_EQ(value->finding->kind, Kind::UnknownUnit);
    EXPECT_FALSE(valueAt(document, document.find(">x<") + 1).has_value());
}

TEST(Stylesheet, FixesRewriteTheTextAndNothingElse) {
    const std::string document = sheet(
        "<fo:block margin-right=\"1em \" end-indent=\"{{2em }}\"><xsl:attribute "
        "name=\"margin-left\">\n  <xsl:text>2em </xsl:text></xsl:attribute>"
        "<xsl:attribute name=\"margin-top\" select=\"'3pt '\"/></fo:block>");
    const fix::Fixed fixed = fix::fixDocument(
        document, false, [](std::string_view bytes) { return lintDocument(bytes); });
    EXPECT_EQ(fixed.fixed, 3u);
    EXPECT_EQ(fixed.bytes,
              sheet("<fo:block margin-right=\"1em\" end-indent=\"{{2em }}\"><xsl:attribute "
                    "name=\"margin-left\">\n  <xsl:text>2em</xsl:text></xsl:attribute>"
                    "<xsl:attribute name=\"margin-top\" select=\"'3pt'\"/></fo:block>"));
}

TEST(Stylesheet, OneThatWritesNeitherVocabularyIsSkippedOrNoted) {
    const std::string html =
        "<xsl:stylesheet version=\"1.0\" "
        "xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
        "<xsl:template match=\"/\"><html width=\"1qq\"/></xsl:template>"
        "</xsl:stylesheet>";
    const Report named = lintDocument(html);
    ASSERT_EQ(named.findings.size(), 1u);
    EXPECT_EQ(named.findings[0].kind, Kind::NotChecked);
    Options walk;
    walk.skipOtherRoots = true;
    EXPECT_TRUE(lintDocument(html, walk).result.skipped);
    EXPECT_FALSE(lintDocument(sheet("<fo:block/>"), walk).result.skipped);
}

// Every DocBook XSL-FO stylesheet is read to its end, and no finding stands
// on a value with an expression.
TEST(Stylesheet, DocBookStylesheetsLintAndNoFindingIsOnAComputedValue) {
    namespace fs = std::filesystem;
    const fs::path folder = "/usr/share/xml/docbook/stylesheet/docbook-xsl/fo";
    if (!xmlReaderAvailable() || !fs::exists(folder))
        GTEST_SKIP() << "no docbook-xsl";
    std::size_t findings = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() != ".xsl")
            continue;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const Report report = lintDocument(bytes);
        EXPECT_FALSE(report.result.error) << entry.path();
        for (const Finding& f : report.findings) {
            std::string written = bytes.substr(f.range.begin, f.range.end - f.range.begin);
            for (const char* pair : {"{{", "}}"}) {
                for (std::size_t at; (at = written.find(pair)) != std::string::npos;)
                    written.erase(at, 2);
            }
            EXPECT_EQ(written.find_first_of("{}"), std::string::npos) << f.message;
            ++findings;
        }
    }
    EXPECT_GT(findings, 0u);
}

}  // namespace
}  // namespace xmlattr::lint
