// The xmlattr command line: which mode runs, exit statuses, help, --list,
// and the JSON strings of the forms scripts read (whose whole outputs are
// recorded in tests/tools/data/golden/).
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/tools/ToolTestSupport.h"
#include "tools/registry/Json.h"
#include "tools/registry/TypeRegistry.h"

namespace {

using tool_test::lines;
using tool_test::runXmlattr;

TEST(Tool, ExitStatusAndWhereTheMessageGoes) {
    struct Case {
        std::vector<std::string> args;
        int status;
        bool onStdout;  // where `says` must appear
        const char* says;
    };
    const Case cases[] = {
        {{}, 2, false, "usage: xmlattr"},
        {{"Length", "12pt"}, 0, true, "Length \"12pt\": accepted"},
        {{"Length", "12"}, 1, true, "Length \"12\": rejected"},
        {{"parse", "Length", "12pt"}, 0, true, "accepted"},
        {{"Lenght", "12pt"}, 2, false, "unknown type 'Lenght'"},
        {{"Length"}, 2, false, "expected TYPE TEXT"},
        {{"Length", "1pt", "2pt"}, 2, false, "expected TYPE TEXT"},
        {{"int", "-7%"}, 0, true, "int \"-7%\": accepted"},
        {{"String", "--x"}, 0, true, "String \"--x\": accepted"},
        {{"String", "--", "--json"}, 0, true, "String \"--json\": accepted"},
        {{"String", "bad \xff"}, 0, false, "not valid UTF-8"},
        {{"--list", "extra"}, 2, false, "takes no operands"},
        {{"--list", "--bogus"}, 2, false, "unknown option '--bogus'"},
        {{"check", "a.tsv", "b.tsv"}, 2, false, "one FILE"},
        {{"check", "--verbose"}, 2, false, "unknown option '--verbose'"},
        {{"help", "nosuchmode"}, 2, false, "no mode 'nosuchmode'"},
    };
    for (const Case& c : cases) {
        const auto run = runXmlattr(c.args);
        std::string shown;
        for (const std::string& arg : c.args)
            shown += arg + ' ';
        EXPECT_EQ(run.status, c.status) << shown << run.out << run.err;
        EXPECT_NE((c.onStdout ? run.out : run.err).find(c.says), std::string::npos)
            << shown << "\nout: " << run.out << "\nerr: " << run.err;
    }
}

TEST(Tool, EveryModeHasHelp) {
    std::vector<std::vector<std::string>> asked = {
        {"--help"}, {"-h"}, {"help"}, {"--check", "-h"}, {"Length", "12pt", "--help"}};
    for (const xmlattr_tool::Mode& mode : xmlattr_tool::kModes) {
        asked.push_back({std::string(mode.name), "--help"});
        EXPECT_EQ(runXmlattr({"help", std::string(mode.name)}).out, *mode.help) << mode.name;
    }
    for (const std::vector<std::string>& args : asked) {
        const auto run = runXmlattr(args);
        EXPECT_EQ(run.status, 0) << args[0];
        EXPECT_TRUE(run.out.starts_with("usage: xmlattr")) << args[0];
        EXPECT_NE(run.out.find("Exit status"), std::string::npos) << args[0];
    }
}

TEST(Tool, NoTypeIsNamedLikeAMode) {
    EXPECT_EQ(xmlattr_tool::findType("help"), nullptr);
    for (const xmlattr_tool::Mode& mode : xmlattr_tool::kModes)
        EXPECT_EQ(xmlattr_tool::findType(mode.name), nullptr) << mode.name;
}

// --list names every type once, under its family, families in order.
TEST(Tool, ListGroupsEveryTypeOnceByFamily) {
    const auto run = runXmlattr({"--list"});
    EXPECT_EQ(run.status, 0);
    std::map<std::string, std::string> familyOf;
    std::vector<std::string> families;
    std::string family;
    for (const std::string& line : lines(run.out)) {
        if (line.empty())
            continue;
        if (!line.starts_with("  ")) {
            ASSERT_TRUE(line.ends_with(':')) << line;
            family = line.substr(0, line.size() - 1);
            families.push_back(family);
            continue;
        }
        EXPECT_TRUE(familyOf.emplace(line.substr(2), family).second) << line << " listed twice";
    }
    const auto types = xmlattr_tool::registeredTypes();
    EXPECT_EQ(familyOf.size(), types.size());
    for (const auto& type : types)
        EXPECT_EQ(familyOf[std::string(type.name)], xmlattr_tool::familyName(type.family));
    ASSERT_EQ(families.size(), static_cast<std::size_t>(xmlattr_tool::kFamilyCount));
    EXPECT_EQ(families.front(), "scalars");

    const auto json = runXmlattr({"list", "--json"});
    EXPECT_EQ(lines(json.out).size(), types.size());
    EXPECT_EQ(lines(json.out).front(), R"({"type":"int","family":"scalars"})");
}

// Every text survives jsonString: read back with a JSON reader, it is the
// same bytes. (parse mode's --json output is recorded whole in
// tests/tools/data/golden/parse-*.json.)
TEST(JsonString, EveryTextReadsBackUnchanged) {
    std::vector<std::string> texts = {
        "",     "plain",       "\"quoted\"",   "back\\slash",      "/",
        "\x7f", "caf\xc3\xa9", "\xe4\xb8\xad", "\xf0\x9f\x98\x80", "\xe2\x80\xa8"};
    for (int c = 1; c < 0x20; ++c)
        texts.push_back(std::string{'a', static_cast<char>(c), 'b'});
    texts.push_back(std::string("nul\0inside", 10));
    for (const std::string& text : texts) {
        const std::string json = xmlattr_tool::jsonString(text);
        EXPECT_EQ(tool_test::JsonReader::parse(json).text, text) << json;
    }
}

}  // namespace
