// xmlattr check: how lines are read, what a bad line does to the rest of the
// file, and the exit status.
#include <gtest/gtest.h>

#include <string>

#include "tests/tools/ToolTestSupport.h"
#include "tools/cli/Check.h"

namespace {

using tool_test::lines;
using tool_test::runXmlattr;
using xmlattr_tool::LineParse;
using xmlattr_tool::parseCheckLine;

TEST(CheckLine, EachLineShapeIsReadOrRefusedWithAReason) {
    struct Case {
        const char* raw;
        LineParse::Kind kind;
        const char* error;  // part of the message, for bad lines
    };
    const Case cases[] = {
        {"", LineParse::Skipped, ""},
        {" \t ", LineParse::Skipped, ""},
        {"\r", LineParse::Skipped, ""},
        {"# int\tx\tok", LineParse::Skipped, ""},
        {"int\t12", LineParse::Checked, ""},
        {"int\t12\tok\r", LineParse::Checked, ""},
        {"int\t12\trejected\t12\r", LineParse::Checked, ""},
        {"String\t", LineParse::Checked, ""},
        {"String\tcaf\xc3\xa9 \xe4\xb8\xad \xf0\x9f\x98\x80", LineParse::Checked, ""},
        {"int 12 ok", LineParse::Bad, "no tab"},
        {"Lenght\t12pt", LineParse::Bad, "unknown type 'Lenght'; did you mean 'Length'?"},
        {"length\t12pt", LineParse::Bad, "unknown type 'length'; did you mean 'Length'?"},
        {"Urxx\t12pt", LineParse::Bad,
         "unknown type 'Urxx'; run 'xmlattr --list'"},  // half of it changed
        {"\t12", LineParse::Bad, "unknown type ''"},
        {"int\t12\tOK", LineParse::Bad, "bad expectation 'OK'"},
        {"int\t12\t", LineParse::Bad, "bad expectation ''"},
        {"int\t12\tok \t12", LineParse::Bad, "bad expectation 'ok '"},
        {"int\t1\tok\t1\textra", LineParse::Bad, "5 columns"},
        {"String\ta\\qb", LineParse::Bad, "unknown escape '\\q' in TEXT"},
        {"String\tab\\", LineParse::Bad, "TEXT ends in a lone backslash"},
        {"String\tab\tok\tx\\", LineParse::Bad, "EXPECTED ends in a lone backslash"},
        {"String\t\xff", LineParse::Bad, "invalid UTF-8"},
        {"String\t\xe2\x82", LineParse::Bad, "invalid UTF-8"},      // truncated
        {"String\t\xc0\xaf", LineParse::Bad, "invalid UTF-8"},      // overlong
        {"String\t\xed\xa0\x80", LineParse::Bad, "invalid UTF-8"},  // a surrogate
        {"\xffint\t12", LineParse::Bad, "invalid UTF-8"},
    };
    for (const Case& c : cases) {
        const LineParse parsed = parseCheckLine(c.raw);
        EXPECT_EQ(parsed.kind, c.kind) << c.raw;
        EXPECT_NE(parsed.error.find(c.error), std::string::npos)
            << c.raw << " gave: " << parsed.error;
    }
}

TEST(CheckLine, EscapesReachTheTypeAndTheExpectation) {
    // A String writes back what it read, so the expectation must unescape to
    // the same units as the text.
    const LineParse parsed =
        parseCheckLine("String\t\\sa\\tb\\nc\\rd\\\\\tok\t\\sa\\tb\\nc\\rd\\\\");
    ASSERT_EQ(parsed.kind, LineParse::Checked) << parsed.error;
    EXPECT_EQ(parsed.line.text, " a\tb\nc\rd\\");
    EXPECT_EQ(parsed.line.expectText, parsed.line.text);
    EXPECT_TRUE(xmlattr_tool::checkLine(parsed.line, false).problem.empty());
}

TEST(Check, CrlfFileChecksLikeItsLfTwin) {
    const std::string lf = "# sample\nint\t12\tok\t12\n\nLength\t12\trejected\t0px\n";
    std::string crlf;
    for (const char c : lf)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const auto a = runXmlattr({"check"}, lf);
    const auto b = runXmlattr({"check"}, crlf);
    EXPECT_EQ(a.status, 0) << a.out << a.err;
    EXPECT_EQ(b.status, a.status);
    EXPECT_EQ(b.out, a.out);
    EXPECT_EQ(b.err, "");
}

TEST(Check, ExitStatusFollowsTheWorstLine) {
    struct Case {
        const char* input;
        int status;
        const char* summary;
    };
    const Case cases[] = {
        {"", 0, "0 lines checked: 0 as expected, 0 not as expected, 0 bad"},
        {"\n\n# only comments\n", 0, "0 lines checked: 0 as expected, 0 not as expected, 0 bad"},
        {"int\t1", 0, "1 line checked: 1 as expected, 0 not as expected, 0 bad"},
        {"int\tx\n", 1, "1 line checked: 0 as expected, 1 not as expected, 0 bad"},
        {"int\tx\tok\nint\t1\n", 1, "2 lines checked: 1 as expected, 1 not as expected, 0 bad"},
        {"int\t1\tok\t2\n", 1, "1 line checked: 0 as expected, 1 not as expected, 0 bad"},
        {"int\tx\tok\nbad\n", 2, "2 lines checked: 0 as expected, 1 not as expected, 1 bad"},
    };
    for (const Case& c : cases) {
        const auto run = runXmlattr({"check", "-"}, c.input);
        EXPECT_EQ(run.status, c.status) << c.input;
        EXPECT_EQ(lines(run.out).back(), c.summary) << c.input;
    }
}

TEST(Check, FieldLinesOnlyWithFields) {
    const std::string input = "Length\t12pt\tok\t12pt\n";
    const auto plain = runXmlattr({"check"}, input);
    const auto withFields = runXmlattr({"check", "--fields"}, input);
    EXPECT_EQ(lines(plain.out).size(), 2u);
    const auto out = lines(withFields.out);
    ASSERT_EQ(out.size(), 4u) << withFields.out;
    EXPECT_EQ(out[1], "  unit: pt (1)");
    EXPECT_EQ(out[2], "  size: 12");
}

TEST(Check, UnreadableInputIsAnInputError) {
    for (const char* path : {"/nonexistent/sample.tsv", "/"}) {
        const auto run = runXmlattr({"check", path});
        EXPECT_EQ(run.status, 2) << path;
        EXPECT_TRUE(run.err.starts_with(std::string("xmlattr: error: cannot read ") + path))
            << run.err;
        EXPECT_EQ(run.out, "");
    }
}

// A path of 1.5 MB on one line. Without --fields nothing walks the command
// list after the parse: no field is made, which keeps the check quick.
TEST(Check, LongPathDataLineMakesNoFieldsWithoutFields) {
    std::string path = "M 0 0";
    while (path.size() < 1'500'000)
        path += " L 123.25 -456.5 C 1 2 3 4 5 6";
    const std::string input = "Vector<PathDataCommand>\t" + path + "\tok\t\n";
    EXPECT_EQ(runXmlattr({"check", "--quiet"}, input).status, 0);

    const LineParse parsed = parseCheckLine(input.substr(0, input.size() - 1));
    ASSERT_EQ(parsed.kind, LineParse::Checked);
    EXPECT_TRUE(xmlattr_tool::checkLine(parsed.line, false).report.fields.empty());
    const LineParse shortPath = parseCheckLine("Vector<PathDataCommand>\tM 0 0 L 1 1");
    EXPECT_EQ(xmlattr_tool::checkLine(shortPath.line, true).report.fields.size(),
              9u);  // count, then type, relative, x, y of each
}

}  // namespace
