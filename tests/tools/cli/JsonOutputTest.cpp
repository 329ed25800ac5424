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

TEST(JsonOutput, CheckModeSaysWhatThePlainReportSays) {
    const std::string input =
        "# a comment\n"
        "int\t12\tok\t12\n"
        "int\tx\tok\n"
        "String\t\\sa\\tb\tok\t\\sa\\tb\n"
        "Nope\t1\n"
        "Vector<Point>\t1ex 2\tok\t<raised at LengthAttribute:302>\n"
        "Length\t12pt\trejected\n";
    const auto plain = runXmlattr({"check"}, input);
    const auto json = runXmlattr({"check", "--json"}, input);
    EXPECT_EQ(json.status, plain.status);

    std::vector<std::string> plainLines = lines(plain.out);
    std::vector<std::string> rebuilt;
    std::vector<std::string> errors;
    for (const std::string& line : lines(json.out)) {
        const Json object = JsonReader::parse(line);
        if (object.has("summary")) {
            const Json& s = object["summary"];
            rebuilt.push_back(
                std::to_string(static_cast<int>(s["lines"].number)) +
                " lines checked: " + std::to_string(static_cast<int>(s["asExpected"].number)) +
                " as expected, " + std::to_string(static_cast<int>(s["notAsExpected"].number)) +
                " not as expected, " + std::to_string(static_cast<int>(s["bad"].number)) + " bad");
            continue;
        }
        const std::string where =
            object["file"].text + ':' + std::to_string(static_cast<int>(object["line"].number));
        if (object.has("error")) {
            errors.push_back(where + ": error: " + object["error"].text);
            continue;
        }
        const bool ok = object["asExpected"].boolean;
        EXPECT_EQ(ok, object["problem"].kind == Json::Null);
        std::string text = where + ": " + (ok ? "ok" : "mismatch") + ": " + outcomeOf(object) +
                           ", wrote " + writtenOf(object);
        if (!ok)
            text += "; " + object["problem"].text;
        rebuilt.push_back(text);
    }
    EXPECT_EQ(rebuilt, plainLines);
    // Bad lines are on standard error in both forms, and in the JSON stream too.
    std::vector<std::string> plainErrors;
    for (const std::string& line : lines(plain.err)) {
        if (line.find(": note: ") == std::string::npos)
            plainErrors.push_back(line);
    }
    EXPECT_EQ(errors, plainErrors);
    EXPECT_EQ(lines(json.err), plainErrors);
}

}  // namespace
