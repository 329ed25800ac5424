// xmlattr lint as projects and CI run it: directories, parallel files,
// selecting kinds, and the text, JSON, SARIF and GitHub formats.
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
    EXPECT_EQ(run.err, "xmlattr: error: no XSL-FO or SVG document, nor stylesheet writing them, was found to lint\n");
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

TEST_F(LintCommand, StatisticsCountEachKindMostFirstBeforeTheSummary) {
    const std::string file = write("s.svg", svgWith({"width=\"1qq\"", "x=\"1 2\"", "height=\"2qq\"",
                                                     "y=\"3qq\"", "style=\"fill: currentColor\""}));
    const auto run = runXmlattr({"lint", "--statistics", file});
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 9u) << run.out;
    EXPECT_EQ(out[5], "   3 unknown-unit");
    EXPECT_EQ(out[6], "   1 list-read-as-one");  // ties by name
    EXPECT_EQ(out[7], "   1 rejected");
    EXPECT_EQ(out[8].rfind("1 file, ", 0), 0u) << out[8];
    // Nothing found: no counts, only the summary.
    const auto clean = runXmlattr({"lint", "--statistics", write("c.svg", svgWith({}))});
    EXPECT_EQ(lines(clean.out).size(), 1u) << clean.out;
}

TEST_F(LintCommand, NotesAreCountedButDoNotFail) {
    const std::string file = write("n.svg", "<svg width=\"10\"/>");
    const auto run = runXmlattr({"lint", file});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_NE(run.out.find(": note: "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("[svg-without-namespace]\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("0 errors, 0 warnings; 1 note\n"), std::string::npos) << run.out;
    const auto json = runXmlattr({"lint", "--json", file});
    EXPECT_EQ(JsonReader::parse(lines(json.out).back())["summary"]["notes"].number, 1);
}

TEST_F(LintCommand, UnreadableFilesAreReportedAsCheckReportsThem) {
    const std::string missing = path("missing.fo");
    const auto check = runXmlattr({"check", missing});
    const std::string message =
        "xmlattr: error: cannot read " + missing + ": No such file or directory";
    ASSERT_EQ(lines(check.err).at(0), message);
    const std::string good = write("good.svg", svgWith({"width=\"1qq\""}));
    for (const char* format : {"text", "json", "sarif", "github"}) {
        SCOPED_TRACE(format);
        const auto run = runXmlattr({"lint", "--format", format, missing, good});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, message + "\n");
        EXPECT_NE(run.out.find("1qq"), std::string::npos) << "the other file is still linted";
    }
    const auto text = runXmlattr({"lint", missing, good});
    EXPECT_NE(text.out.find("2 files, 1 attribute: 1 checked, 0 without a type; 0 errors, "
                            "1 warning; 1 not read\n"),
              std::string::npos)
        << text.out;
}

// With a byte-order mark, columns on line 1 count from after it in every
// format; JSON gives where a value ends, and its summary the fixes that only
// --unsafe-fixes applies. -j is capped by the files there are.
TEST_F(LintCommand, EveryFormatCountsColumnsAfterAByteOrderMark) {
    const std::string file =
        write("bom.svg",
              "\xef\xbb\xbf<svg xmlns='http://www.w3.org/2000/svg' width='1qq' "
              "stroke-dasharray='1 -2'/>");
    const std::pair<const char*, const char*> expected[] = {
        {"text", ":1:48: warning"},
        {"json", "\"column\":48,\"endLine\":1,\"endColumn\":51,"},
        {"sarif", "\"startColumn\":48,\"endLine\":1,\"endColumn\":51"},
        {"github", ",col=48,endLine=1,endColumn=51,"},
        {"json", "\"fixable\":0,\"unsafeFixable\":1}"},
    };
    for (const auto& [format, text] : expected) {
        const auto run = runXmlattr({"lint", "-j", "100000", "--format", format, file});
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_NE(run.out.find(text), std::string::npos) << format << ": " << run.out;
    }
}

TEST_F(LintCommand, GithubAnnotationsLineForLine) {
    // A file name with the characters a property value must escape.
    const std::string file = write("a,b:c%.svg", std::string(kSvg) +
                                                     "\n<rect width=\"1qq\"\n"
                                                     "   style=\"fill: currentColor\"/>\n"
                                                     "<rect x=\"1,\n2\"/>\n</svg>\n");
    const auto run = runXmlattr({"lint", "--format", "github", file});
    EXPECT_EQ(run.status, 1);
    const std::string shown = xmlattr_tool::lint_cli::githubProperty(file);
    const std::vector<std::string> expected = {
        "::warning file=" + shown +
            ",line=2,col=14,endLine=2,endColumn=17,title=unknown-unit::width=\"1qq\" on rect "
            "reads as 1px (SLength): unknown unit 'qq' is read as px",
        "::error file=" + shown +
            ",line=3,col=17,endLine=3,endColumn=29,title=rejected::style fill=\"currentColor\" on "
            "rect is rejected (SColor): the type does not read currentColor, a CSS keyword; the "
            "engine keeps the value it had (inherited or initial)",
        "::warning file=" + shown +
            ",line=4,col=10,endLine=5,endColumn=2,title=list-read-as-one::x=\"1, 2\" on rect "
            "reads as 1px (SLength): only the first of several values is read",
        "1 file, 3 attributes: 3 checked, 0 without a type; 1 error, 2 warnings",
    };
    EXPECT_EQ(lines(run.out), expected) << run.out;
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

TEST_F(LintCommand, SarifIsOneRunWithARulePerKindAndAResultPerFinding) {
    const std::string file = write("r.svg", svgWith({"width=\"1qq\"", "x=\"1 2\""}));
    const std::string missing = path("gone.svg");
    const auto run = runXmlattr({"lint", "--format", "sarif", file, missing});
    EXPECT_EQ(run.status, 2);
    const Json log = JsonReader::parse(run.out);
    EXPECT_EQ(log["version"].text, "2.1.0");
    ASSERT_EQ(log["runs"].items.size(), 1u);
    const Json& sarifRun = log["runs"].items[0];
    EXPECT_EQ(sarifRun["columnKind"].text, "unicodeCodePoints");
    const Json& driver = sarifRun["tool"]["driver"];
    EXPECT_EQ(driver["name"].text, "xmlattr");
    ASSERT_EQ(driver["rules"].items.size(), lint::rules().size());
    for (const lint::Rule& rule : lint::rules()) {
        const Json& entry = driver["rules"].items[static_cast<std::size_t>(rule.kind)];
        EXPECT_EQ(entry["id"].text, rule.name);
        EXPECT_EQ(entry["shortDescription"]["text"].text, rule.summary);
        EXPECT_EQ(entry["defaultConfiguration"]["level"].text, lint::severityName(rule.severity));
    }
    const std::vector<Json>& results = sarifRun["results"].items;
    ASSERT_EQ(results.size(), 2u);
    EXPECT_EQ(results[0]["ruleId"].text, "unknown-unit");
    EXPECT_EQ(results[0]["level"].text, "warning");
    EXPECT_EQ(
        driver["rules"].items[static_cast<std::size_t>(results[0]["ruleIndex"].number)]["id"].text,
        "unknown-unit");
    const Json& where = results[0]["locations"].items.at(0)["physicalLocation"];
    EXPECT_EQ(where["artifactLocation"]["uri"].text, "file://" + file);
    const Json& region = where["region"];
    EXPECT_EQ(region["startLine"].number, 2);
    EXPECT_EQ(region["startColumn"].number, 14);
    EXPECT_EQ(region["endLine"].number, 2);
    EXPECT_EQ(region["endColumn"].number, 17);
    EXPECT_EQ(results[1]["ruleId"].text, "list-read-as-one");
    const Json& invocation = sarifRun["invocations"].items.at(0);
    EXPECT_FALSE(invocation["executionSuccessful"].boolean);
    const std::vector<Json>& notices = invocation["toolExecutionNotifications"].items;
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0]["level"].text, "error");
    EXPECT_EQ(notices[0]["message"]["text"].text,
              "cannot read " + missing + ": No such file or directory");
    // Nothing found: an empty results array, a successful invocation.
    const auto clean = runXmlattr({"lint", "--format", "sarif", write("c.svg", svgWith({}))});
    EXPECT_EQ(clean.status, 0);
    const Json cleanLog = JsonReader::parse(clean.out);
    const Json& cleanRun = cleanLog["runs"].items.at(0);
    EXPECT_TRUE(cleanRun["results"].items.empty());
    EXPECT_TRUE(cleanRun["invocations"].items.at(0)["executionSuccessful"].boolean);
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
