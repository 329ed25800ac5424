// Which value stands at an offset: what hovers and completions ask.
#include <gtest/gtest.h>

#include <string>

#include "tools/lint/Lint.h"

namespace {

using xmlattr::lint::valueAt;

// The value at the offset of the first occurrence of marker in document,
// plus shift, as "attribute=text (type)", or "none".
std::string at(const std::string& document, const std::string& marker, int shift = 0) {
    const std::size_t offset = document.find(marker) + static_cast<std::size_t>(shift);
    const auto value = valueAt(document, offset);
    if (!value)
        return "none";
    std::string said = (value->inStyle ? "style " : "") + value->attribute + "=" + value->text +
                       " (" + std::string(value->type) + ")";
    EXPECT_LE(value->range.begin, offset);
    EXPECT_GE(value->range.end, offset);
    EXPECT_EQ(document.substr(value->range.begin, value->range.end - value->range.begin),
              value->text);
    return said;
}

TEST(LintValueAt, FindsTheValueFromItsFirstByteToTheByteAfterIt) {
    const std::string fo =
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n"
        "<fo:block font-size='12pt' xml:lang=\"en\" id=\"x\"><!-- <fo:block font-size=\"1\" -->\n"
        "</fo:block></fo:root>";
    EXPECT_EQ(at(fo, "12pt"), "font-size=12pt (FontSize)");
    EXPECT_EQ(at(fo, "12pt", 4), "font-size=12pt (FontSize)");
    EXPECT_EQ(at(fo, "12pt", 5), "none");  // after the quote
    EXPECT_EQ(at(fo, "en\""), "xml:lang=en (Language)");
    EXPECT_EQ(at(fo, "\"x\"", 1), "id=x ()");  // read, but no type holds it
    EXPECT_EQ(at(fo, "\"1\"", 1), "none");     // inside a comment
    EXPECT_EQ(at(fo, "fo:block"), "none");     // a name, not a value
}

TEST(LintValueAt, InAStyleTheDeclarationIsTheValue) {
    const std::string svg =
        "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect style=\"fill: red; stroke-width: 2px\"/>";
    EXPECT_EQ(at(svg, "red", 1), "style fill=red (SColor)");
    EXPECT_EQ(at(svg, "2px"), "style stroke-width=2px (SLength)");
}

TEST(LintValueAt, WhatFollowsTheTagNeedNotBeWellFormed) {
    // As an author types: the tag is whole, the rest is not yet.
    const std::string typing =
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\"><fo:block font-weight=\"\"><fo:";
    EXPECT_EQ(at(typing, "\"\"", 1), "font-weight= (FontWeight)");
    // Nor the tag itself, nor the value: it is read as if they were closed.
    const std::string root = "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">";
    // An open value ends with its line: completing it keeps the next line.
    for (const std::string tail :
         {"\"", "\"bo", "\"bo\" ", "\"bo\"\n<fo:block", "\"bo\n  <fo:block>", "\"bo\r\n"}) {
        const std::string document = root + "<fo:block font-weight=" + tail;
        const std::string typed = tail.substr(1, tail.find_first_of("\" \r\n", 1) - 1);
        EXPECT_EQ(at(document, "font-weight=", 13 + static_cast<int>(typed.size())),
                  "font-weight=" + typed + " (FontWeight)")
            << tail;
    }
    EXPECT_EQ(at("<a b=\"", "\"", 1), "none");
}

}  // namespace
