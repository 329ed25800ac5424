// xmlattr lint: the attribute table, and the command on files that are fine,
// cannot be read or are not well-formed. Places are EngineTest's, the judging
// of each text JudgeTest's.
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/tools/TempFolder.h"
#include "tests/tools/ToolTestSupport.h"
#include "tools/lint/Lint.h"
#include "tools/lint/Table.h"

namespace xmlattr_tool {
namespace {

using tool_test::Json;
using tool_test::JsonReader;
using tool_test::lines;
using xmlattr::lint::AttributeRow;
using xmlattr::lint::attributeRows;
using xmlattr::lint::findAttribute;
using xmlattr::lint::Vocabulary;
using xmlattr::lint::xmlReaderAvailable;
using ToolRun = tool_test::Run;
using tool_test::runXmlattr;

TEST(LintTable, EveryRowIsFoundByItsOwnKey) {
    for (const AttributeRow& row : attributeRows()) {
        const std::string_view element = row.element.empty() ? "no-such-element" : row.element;
        EXPECT_EQ(findAttribute(row.vocabulary, element, row.name), &row) << row.name;
    }
    EXPECT_EQ(findAttribute(Vocabulary::Fo, "block", "no-such-attribute"), nullptr);
    EXPECT_EQ(findAttribute(Vocabulary::Xml, "block", "font-size"), nullptr);
}

TEST(LintTable, AnElementsOwnRowComesBeforeTheRowForAnyElement) {
    EXPECT_EQ(findAttribute(Vocabulary::Fo, "table", "width")->type, "TableWidth");
    EXPECT_EQ(findAttribute(Vocabulary::Fo, "block", "width")->type, "LengthOrPercentAuto");
    EXPECT_EQ(findAttribute(Vocabulary::Svg, "rect", "width")->type, "SLength");
    EXPECT_EQ(findAttribute(Vocabulary::Svg, "g", "width"), nullptr);
    EXPECT_EQ(findAttribute(Vocabulary::Svg, "block", "font-size")->type, "SLengthOrPercent");
    EXPECT_EQ(findAttribute(Vocabulary::Fo, "block", "font-family"), nullptr);
    EXPECT_EQ(findAttribute(Vocabulary::Xml, "svg", "lang")->type, "Language");
}

// ---- Documents ----------------------------------------------------------------

class LintFiles : public tool_test::TempFolderTest {
  protected:
    void SetUp() override {
        if (!xmlReaderAvailable())
            GTEST_SKIP() << "built without libexpat";
        TempFolderTest::SetUp();
    }
};

TEST_F(LintFiles, NothingFoundExitsZero) {
    const std::string path = write("ok.svg",
                                   "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10\">"
                                   "<rect x=\"1\" style=\"fill: #fff\"/><foreign a=\"b\"/></svg>");
    const ToolRun run = runXmlattr({"lint", path});
    EXPECT_EQ(run.status, 0) << run.out;
    EXPECT_EQ(run.out, "1 file, 4 attributes: 3 checked, 1 without a type; 0 errors, 0 warnings\n");
}

TEST_F(LintFiles, UnreadableEmptyAndMalformedFilesExitTwoAndTheOthersAreStillLinted) {
    const std::string missing = (dir_ / "missing.fo").string();
    const std::string empty = write("empty.svg", "");
    const std::string broken = write("broken.svg",
                                     "<svg xmlns=\"http://www.w3.org/2000/svg\">\n"
                                     "  <rect width=\"1\">\n"
                                     "</svg>\n");
    const std::string good =
        write("good.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1em \"/>");
    const ToolRun run = runXmlattr({"lint", missing, empty, broken, good});
    EXPECT_EQ(run.status, 2);
    const std::vector<std::string> err = lines(run.err);
    ASSERT_EQ(err.size(), 3u) << run.err;
    EXPECT_EQ(err[0], "xmlattr: error: cannot read " + missing + ": No such file or directory");
    EXPECT_EQ(err[1], empty + ":1:1: error: the file is empty: no XML document");
    EXPECT_EQ(err[2], broken + ":3:3: error: XML: mismatched tag");
    EXPECT_NE(run.out.find(good + ":1:48: warning: width=\"1em \""), std::string::npos) << run.out;
    // The broken file's first attribute was read before its error.
    EXPECT_NE(run.out.find("4 files, 2 attributes: 2 checked"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("; 3 not read"), std::string::npos) << run.out;
}

TEST_F(LintFiles, JsonLinesCarryEachFindingAndTheSummary) {
    const std::string path =
        write("j.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" style=\"fill: currentColor\"/>");
    const ToolRun run = runXmlattr({"lint", "--json", path, (dir_ / "none.svg").string()});
    EXPECT_EQ(run.status, 2);
    const std::vector<std::string> out = lines(run.out);
    ASSERT_EQ(out.size(), 3u) << run.out;
    const Json finding = JsonReader::parse(out[0]);
    EXPECT_EQ(finding["severity"].text, "error");
    EXPECT_EQ(finding["attribute"].text, "fill");
    EXPECT_TRUE(finding["style"].boolean);
    EXPECT_EQ(finding["type"].text, "SColor");
    EXPECT_EQ(finding["readsAs"].kind, Json::Null);
    EXPECT_EQ(JsonReader::parse(out[1])["kind"].text, "file");
    const Json summary = JsonReader::parse(out[2])["summary"];
    EXPECT_EQ(summary["errors"].number, 1);
    EXPECT_EQ(summary["unreadable"].number, 1);
}

TEST(LintMode, ListsTheAttributesItReads) {
    const ToolRun run = runXmlattr({"lint", "--attributes"});
    EXPECT_EQ(run.status, 0);
    const std::vector<std::string> out = lines(run.out);
    EXPECT_EQ(out.size(), attributeRows().size());
    EXPECT_NE(run.out.find("fo\ttable\twidth\tTableWidth\n"), std::string::npos);
    EXPECT_NE(run.out.find("svg\t*\tfill\tSColor\n"), std::string::npos);
}

TEST(LintMode, NeedsAFile) {
    const ToolRun run = runXmlattr({"lint"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no file to lint"), std::string::npos) << run.err;
}

}  // namespace
}  // namespace xmlattr_tool
