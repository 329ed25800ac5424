// xmlattr lint as projects and CI run it: directories, parallel files,
// selecting kinds, and escaping in the formats. Each format's whole output is
// recorded in tests/tools/data/golden/ (the xmlattr_lint_format_* CTests).
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "tests/tools/TempFolder.h"
#include "tests/tools/ToolTestSupport.h"
#include "tools/cli/lint/LintOutput.h"
#include "tools/lint/Lint.h"

namespace {

namespace fs = std::filesystem;
namespace lint = xmlattr::lint;
using tool_test::Json;
using tool_test::JsonReader;
using tool_test::lines;
using tool_test::runXmlattr;

constexpr const char* kSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\">";

class LintCommand : public tool_test::TempFolderTest {
  protected:
    void SetUp() override {
        if (!lint::xmlReaderAvailable())
            GTEST_SKIP() << "built without libexpat";
        TempFolderTest::SetUp();
    }
};

// An SVG document with one finding per entry of values (attribute="value"
// on its own rect, one per line).
std::string svgWith(const std::vector<std::string>& attributes) {
    std::string document = kSvg;
    document += '\n';
    for (const std::string& attribute : attributes)
        document += "<rect " + attribute + "/>\n";
    return document + "</svg>\n";
}

std::vector<std::string> kindsIn(const std::string& jsonLines) {
    std::vector<std::string> kinds;
    for (const std::string& line : lines(jsonLines)) {
        const Json object = JsonReader::parse(line);
        if (object.has("kind"))
            kinds.push_back(object["kind"].text);
    }
    return kinds;
}

TEST_F(LintCommand, AFolderGivesTheSameFindingsAsItsFilesInPathOrder) {
    const std::string fo =
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:block font-size=\"1ptt\"/>"
        "</fo:root>";
    write("tree/b.svg", svgWith({"width=\"2qq\""}));
    write("tree/a.fo", fo);
    write("tree/sub/c.svg", svgWith({"height=\"3qq\"", "x=\"1 2\""}));
    write("tree/sub-d.svg", svgWith({"y=\"thick\""}));  // '-' sorts before '/'
    write("tree/bare.svg", "<svg width=\"4qq\"/>");     // no namespace: still SVG
    write("tree/page.XML", fo);                         // the root decides, not the name
    // Skipped: not named as a document, or its root is neither XSL-FO nor SVG.
    write("tree/notes.txt", svgWith({"width=\"5qq\""}));
    write("tree/data.xml", "<data width=\"6qq\"/>");
    write("tree/html.xslt",
          "<xsl:stylesheet xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
          "<xsl:template match=\"/\"><p width=\"6qq\"/></xsl:template>"
          "</xsl:stylesheet>");
    // A stylesheet that writes XSL-FO is taken.
    write("tree/style.xsl",
          "<xsl:stylesheet xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
          "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><xsl:template match=\"/\">"
          "<fo:block font-size=\"7ptt\"/></xsl:template></xsl:stylesheet>");
    write("tree/empty/nothing.txt", "");

    const std::vector<std::string> order = {"a.fo",      "b.svg",     "bare.svg", "page.XML",
                                            "style.xsl", "sub-d.svg", "sub/c.svg"};
    std::vector<std::string> oneByOne = {"lint"};
    for (const std::string& name : order)
        oneByOne.push_back(path("tree/" + name));
    for (const char* format : {"text", "json", "sarif", "github"}) {
        SCOPED_TRACE(format);
        const auto folder = runXmlattr({"lint", "-j", "1", "--format", format, path("tree")});
        std::vector<std::string> listed = oneByOne;
        listed.insert(listed.begin() + 1, {"-j", "1", "--format", format});
        const auto files = runXmlattr(listed);
        EXPECT_EQ(folder.status, 1) << folder.err;
        EXPECT_EQ(folder.out, files.out);
        EXPECT_EQ(folder.err, files.err);
    }
    // The files in the order of their paths, each with its findings.
    const auto run = runXmlattr({"lint", "--json", path("tree") + "/"});
    std::vector<std::string> seen;
    for (const std::string& line : lines(run.out)) {
        const Json object = JsonReader::parse(line);
        if (object.has("file") && (seen.empty() || seen.back() != object["file"].text))
            seen.push_back(object["file"].text);
    }
    std::vector<std::string> expected;
    for (const std::string& name : order)
        expected.push_back(path("tree/" + name));
    EXPECT_EQ(seen, expected) << run.out;
    EXPECT_EQ(JsonReader::parse(lines(run.out).back())["summary"]["files"].number, 7);
}

TEST_F(LintCommand, ADirectoryOperandIsWalkedNotReportedAsUnreadable) {
    // Walked, it holds nothing to lint: a CI job with a wrong path fails.
    fs::create_directories(dir_ / "none");
    const auto run = runXmlattr({"lint", "-j", "100000", path("none")});
    EXPECT_EQ(run.status, 2) << run.err;
    EXPECT_EQ(run.err,
              "xmlattr: error: no XSL-FO or SVG document, nor stylesheet writing them, was found "
              "to lint\n");
    EXPECT_EQ(run.out,
              "0 files, 0 attributes: 0 checked, 0 without a type; 0 errors, 0 warnings; "
              "no XSL-FO, SVG or stylesheet writing them found\n");
}

TEST_F(LintCommand, ParallelFilesPrintTheSameBytesAsOneAtATime) {
    const std::vector<std::string> values = {"width=\"1qq\"",         "x=\"1 2 3\"",
                                             "fill=\"rgb(300,0,0)\"", "height=\"1em \"",
                                             "y=\"thick\"",           "fill=\"rgb(10%,0,0)\""};
    for (int i = 0; i < 20; ++i) {
        std::vector<std::string> attributes;
        for (int k = 0; k <= i % 4; ++k)
            attributes.push_back(values[static_cast<std::size_t>(i + k) % values.size()]);
        std::string name =
            std::string(i % 3 == 0 ? "docs/deep/doc" : "docs/doc") + std::to_string(i) + ".svg";
        // A large one and a broken one among them.
        if (i == 7)
            attributes.insert(attributes.end(), 2000, "x=\"1 2\"");
        write(name, i == 11 ? std::string(kSvg) + "<rect>" : svgWith(attributes));
    }
    for (const char* format : {"text", "json", "sarif", "github"}) {
        SCOPED_TRACE(format);
        const auto one = runXmlattr({"lint", "--format", format, "-j", "1", path("docs"), "-"},
                                    svgWith({"width=\"9qq\""}));
        const auto four = runXmlattr({"lint", "--format", format, "-j4", path("docs"), "-"},
                                     svgWith({"width=\"9qq\""}));
        EXPECT_EQ(one.status, 2);
        EXPECT_EQ(four.status, one.status);
        EXPECT_EQ(four.out, one.out);
        EXPECT_EQ(four.err, one.err);
        EXPECT_GT(one.out.size(), 2000u * 50);
    }
}

TEST_F(LintCommand, SelectAndIgnoreChooseTheKindsReported) {
    const std::string file = write("k.svg", svgWith({"width=\"1qq\"", "height=\"2qq\"", "x=\"1 2\"",
                                                     "style=\"fill: currentColor\""}));
    struct Case {
        std::vector<std::string> options;
        std::multiset<std::string> kinds;
        int status;
    };
    const Case cases[] = {
        {{}, {"unknown-unit", "unknown-unit", "list-read-as-one", "rejected"}, 1},
        {{"--select", "unknown-unit"}, {"unknown-unit", "unknown-unit"}, 1},
        {{"--select=rejected,list-read-as-one"}, {"list-read-as-one", "rejected"}, 1},
        {{"--select", "rejected", "--select", "unknown-unit"},
         {"unknown-unit", "unknown-unit", "rejected"},
         1},
        {{"--ignore", "unknown-unit,rejected"}, {"list-read-as-one"}, 1},
        {{"--select", "unknown-unit,rejected", "--ignore", "rejected"},
         {"unknown-unit", "unknown-unit"},
         1},
        {{"--ignore", "unknown-unit,rejected,list-read-as-one"}, {}, 0},
        {{"--select", "expression"}, {}, 0},
    };
    for (const Case& test : cases) {
        std::vector<std::string> args = {"lint", "--json"};
        args.insert(args.end(), test.options.begin(), test.options.end());
        args.push_back(file);
        const auto run = runXmlattr(args);
        SCOPED_TRACE(::testing::PrintToString(test.options));
        EXPECT_EQ(run.status, test.status) << run.err;
        const std::vector<std::string> kinds = kindsIn(run.out);
        EXPECT_EQ(std::multiset<std::string>(kinds.begin(), kinds.end()), test.kinds) << run.out;
    }
}

TEST_F(LintCommand, BadOptionsAreUsageErrors) {
    const std::string file = write("u.svg", svgWith({}));
    struct Case {
        std::vector<std::string> args;
        const char* says;
    };
    const Case cases[] = {
        {{"--select", "unknown-units"}, "unknown kind 'unknown-units'; the kinds are rejected, "},
        {{"--ignore", "rejected,"}, "unknown kind ''"},
        {{"--format", "xml"}, "unknown format 'xml'"},
        {{"--format"}, "--format needs a value"},
        {{"-j", "0"}, "-j takes a number"},
        {{"-jx"}, "-j takes a number"},
        {{"--jobs=-1"}, "-j takes a number"},
        {{"--frobnicate"}, "unknown option '--frobnicate'"},
    };
    for (const Case& test : cases) {
        std::vector<std::string> args = {"lint", file};
        args.insert(args.end(), test.args.begin(), test.args.end());
        const auto run = runXmlattr(args);
        SCOPED_TRACE(::testing::PrintToString(test.args));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(test.says), std::string::npos) << run.err;
    }
    // The list of kinds names every rule.
    const auto run = runXmlattr({"lint", "--select", "x", file});
    for (const lint::Rule& rule : lint::rules())
        EXPECT_NE(run.err.find(rule.name), std::string::npos) << rule.name;
}

TEST(LintFormats, GithubEscapesMessagesAndProperties) {
    struct Case {
        const char* text;
        const char* message;
        const char* property;
    };
    const Case cases[] = {
        {"plain text", "plain text", "plain text"},
        {"50% off", "50%25 off", "50%25 off"},
        {"a\r\nb", "a%0D%0Ab", "a%0D%0Ab"},
        {"x: 1, y: 2", "x: 1, y: 2", "x%3A 1%2C y%3A 2"},
        {"%0A", "%250A", "%250A"},
    };
    for (const Case& test : cases) {
        EXPECT_EQ(xmlattr_tool::lint_cli::githubMessage(test.text), test.message) << test.text;
        EXPECT_EQ(xmlattr_tool::lint_cli::githubProperty(test.text), test.property) << test.text;
    }
}

TEST(LintFormats, ArtifactUrisAreRelativePathsWithForwardSlashes) {
    struct Case {
        const char* path;
        const char* uri;
    };
    const Case cases[] = {
        {"examples/documents/report.fo", "examples/documents/report.fo"},
        {"./a/b.svg", "a/b.svg"},
        {"dir\\file.fo", "dir/file.fo"},
        {"my file#1.svg", "my%20file%231.svg"},
        {"/tmp/x.svg", "file:///tmp/x.svg"},
        {"\xc3\xa9t\xc3\xa9.fo", "%C3%A9t%C3%A9.fo"},
        {"<stdin>", "%3Cstdin%3E"},
    };
    for (const Case& test : cases)
        EXPECT_EQ(xmlattr_tool::lint_cli::artifactUri(test.path), test.uri) << test.path;
}

TEST(LintHelp, ListsEveryRuleAndTheReadmeDoesToo) {
    const auto help = runXmlattr({"lint", "--help"});
    // The help text with its wrapped lines joined: one blank between words.
    std::string flowed;
    for (const char c : help.out) {
        const bool blank = c == ' ' || c == '\n';
        if (!blank || (!flowed.empty() && flowed.back() != ' '))
            flowed += blank ? ' ' : c;
    }
    std::ifstream file(std::string(XMLATTR_SOURCE_DIR) + "/README.md");
    std::stringstream readme;
    readme << file.rdbuf();
    const std::string text = readme.str();
    const std::size_t section = text.find("**Linting documents.**");
    ASSERT_NE(section, std::string::npos);
    const std::string lintSection = text.substr(section, text.find("\n## ", section) - section);
    for (const lint::Rule& rule : lint::rules()) {
        EXPECT_NE(help.out.find(std::string("  ").append(rule.name).append("  ")),
                  std::string::npos)
            << rule.name;
        EXPECT_NE(flowed.find(rule.summary), std::string::npos) << rule.name;
        EXPECT_NE(lintSection.find(std::string("`").append(rule.name).append("`")),
                  std::string::npos)
            << "README.md does not list " << rule.name;
    }
}

}  // namespace
