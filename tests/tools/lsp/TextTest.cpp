// Positions as the protocol counts them, against byte offsets: characters
// outside the Basic Multilingual Plane take two UTF-16 units, lines end at
// LF, CR or CR LF, and positions past a line's end or inside a character
// are brought back to where the protocol says.
#include <gtest/gtest.h>

#include "tools/lsp/Text.h"

namespace {

using xmlattr::lsp::Encoding;
using xmlattr::lsp::Text;
using xmlattr::lsp::TextPosition;

// "a😀b" then CR LF, "é" then CR, "z": 😀 is 4 bytes, 2 UTF-16 units, 1 code point.
const std::string kMixed =
    "a\xF0\x9F\x98\x80"
    "b\r\n\xC3\xA9\rz";

TEST(LspText, PositionsCountEachEncodingsUnits) {
    const Text text(kMixed);
    struct Row {
        std::size_t offset;
        TextPosition utf8, utf16, utf32;
    };
    const Row rows[] = {
        {0, {0, 0}, {0, 0}, {0, 0}},  {1, {0, 1}, {0, 1}, {0, 1}},  // before 😀
        {5, {0, 5}, {0, 3}, {0, 2}},                                // after 😀
        {6, {0, 6}, {0, 4}, {0, 3}},                                // before CR LF
        {8, {1, 0}, {1, 0}, {1, 0}},                                // after CR LF
        {10, {1, 2}, {1, 1}, {1, 1}},                               // after é, before CR
        {11, {2, 0}, {2, 0}, {2, 0}},                               // after a lone CR
        {12, {2, 1}, {2, 1}, {2, 1}},                               // the end
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.offset);
        EXPECT_EQ(text.positionOf(row.offset, Encoding::Utf8), row.utf8);
        EXPECT_EQ(text.positionOf(row.offset, Encoding::Utf16), row.utf16);
        EXPECT_EQ(text.positionOf(row.offset, Encoding::Utf32), row.utf32);
        EXPECT_EQ(text.offsetOf(row.utf8, Encoding::Utf8), row.offset);
        EXPECT_EQ(text.offsetOf(row.utf16, Encoding::Utf16), row.offset);
        EXPECT_EQ(text.offsetOf(row.utf32, Encoding::Utf32), row.offset);
    }
}

TEST(LspText, OutOfRangePositionsComeBackToTheLineOrAreRefused) {
    const Text text(kMixed);
    // Past a line's end: the line's end, before its CR LF.
    EXPECT_EQ(text.offsetOf({0, 99}, Encoding::Utf16), 6u);
    EXPECT_EQ(text.offsetOf({2, 99}, Encoding::Utf16), 12u);
    // Inside 😀 (between its surrogates, or inside its UTF-8 bytes): its start.
    EXPECT_EQ(text.offsetOf({0, 2}, Encoding::Utf16), 1u);
    EXPECT_EQ(text.offsetOf({0, 3}, Encoding::Utf8), 1u);
    EXPECT_EQ(text.positionOf(3, Encoding::Utf16), (TextPosition{0, 1}));
    // Between CR and LF: the end of the line.
    EXPECT_EQ(text.positionOf(7, Encoding::Utf16), (TextPosition{0, 4}));
    // A line past the last: none.
    EXPECT_EQ(text.offsetOf({3, 0}, Encoding::Utf16), std::nullopt);
    EXPECT_EQ(Text().offsetOf({0, 5}, Encoding::Utf16), 0u);
}

TEST(LspText, ReplacingKeepsTheLinesRight) {
    Text text("one\rtwo\nthree");
    text.replace(4, 4, "\n");  // the CR becomes a CR LF: still one line end
    EXPECT_EQ(text.lineCount(), 3u);
    EXPECT_EQ(text.offsetOf({1, 0}, Encoding::Utf16), 5u);
    text.replace(3, 5, "");  // the line end goes: two lines left
    EXPECT_EQ(text.bytes(), "onetwo\nthree");
    EXPECT_EQ(text.lineCount(), 2u);
    text.replace(12, 12, "\r\n\xF0\x9F\x98\x80");
    EXPECT_EQ(text.positionOf(text.bytes().size(), Encoding::Utf16), (TextPosition{2, 2}));
}

}  // namespace
