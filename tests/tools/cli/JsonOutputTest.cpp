// --json output read back with a JSON reader and compared with the plain
// report of the same run.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/tools/ToolTestSupport.h"
#include "tools/registry/Json.h"
#include "tools/registry/Text.h"

namespace {

using tool_test::Json;
using tool_test::JsonReader;
using tool_test::lines;
using tool_test::runXmlattr;

TEST(JsonString, EveryTextReadsBackUnchanged) {
    std::vector<std::string> texts = {
        "",     "plain",       "\"quoted\"",   "back\\slash",      "/",
        "\x7f", "caf\xc3\xa9", "\xe4\xb8\xad", "\xf0\x9f\x98\x80", "\xe2\x80\xa8"};
    for (int c = 1; c < 0x20; ++c)
        texts.push_back(std::string{'a', static_cast<char>(c), 'b'});
    texts.push_back(std::string("nul\0inside", 10));
    for (const std::string& text : texts) {
        const std::string json = xmlattr_tool::jsonString(text);
        EXPECT_EQ(JsonReader::parse(json).text, text) << json;
    }
}

// What the plain report says of a --json object: TYPE "TEXT": accepted or
// rejected, and the written text quoted or where writing raised.
std::string outcomeOf(const Json& object) {
    return object["type"].text + ' ' + xmlattr_tool::quoted(object["text"].text) + ": " +
           (object["accepted"].boolean ? "accepted" : "rejected");
}

std::string writtenOf(const Json& object) {
    const Json& raised = object["raised"];
    EXPECT_EQ(raised.kind == Json::Null, object["written"].kind == Json::String);
    return raised.kind == Json::Null
               ? xmlattr_tool::quoted(object["written"].text)
               : "<raised at " + raised["file"].text + ':' +
                     std::to_string(static_cast<int>(raised["line"].number)) + '>';
}

TEST(JsonOutput, ParseModeSaysWhatThePlainReportSays) {
    const struct {
        const char* type;
        const char* text;
    } cases[] = {
        // clang-format off
        {"Length", "12pt"}, {"Length", "12"}, {"String", "tab\there \"quoted\" back\\slash \x01"},
        {"String", "caf\xc3\xa9 \xe4\xb8\xad \xf0\x9f\x98\x80"}, {"String", "bad \xff byte"},
        {"Color", "rgb-icc(1,2,3,#P,0.1,0.2,0.3,0.4)"}, {"Color", "spot-color(Unknown)"},
        {"Vector<Point>", "1ex 2"}, {"Vector<PathDataCommand>", "M 10 20 L 30 40 z"},
        {"TextAlign", "Left"}, {"Value", "3/7/2026"},
        // clang-format on
    };
    for (const auto& c : cases) {
        const auto plain = runXmlattr({c.type, c.text});
        const auto json = runXmlattr({"--json", c.type, c.text});
        EXPECT_EQ(json.status, plain.status) << c.type << ' ' << c.text;
        const auto jsonLines = lines(json.out);
        ASSERT_EQ(jsonLines.size(), 1u) << json.out;
        const Json object = JsonReader::parse(jsonLines[0]);

        // Header, one line per field (text values quoted), then the written text.
        std::string rebuilt = outcomeOf(object) + '\n';
        for (const Json& pair : object["fields"].items) {
            ASSERT_EQ(pair.items.size(), 2u);
            const std::string& value = pair.items[1].text;
            const std::string prefix = "  " + pair.items[0].text + ": ";
            // The plain line shows a text field quoted; which fields are texts
            // the plain report itself tells.
            const bool quotedInPlain =
                plain.out.find(prefix + xmlattr_tool::quoted(value) + '\n') != std::string::npos;
            rebuilt += prefix + (quotedInPlain ? xmlattr_tool::quoted(value) : value) + '\n';
        }
        rebuilt += "  getValueAsString: " + writtenOf(object) + '\n';
        EXPECT_EQ(rebuilt, plain.out) << c.type << ' ' << c.text;
    }
}

TEST(JsonOutput, LibraryLogGoesIntoTheObject) {
    const auto json = runXmlattr({"--json", "Color", "spot-color(NoSuchInk)"});
    const Json object = JsonReader::parse(lines(json.out).at(0));
    ASSERT_EQ(object["log"].items.size(), 1u) << json.out;
    EXPECT_EQ(object["log"].items[0]["level"].text, "warning");
    EXPECT_EQ(json.err, "");
}

}  // namespace
