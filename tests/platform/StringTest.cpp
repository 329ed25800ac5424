#include "platform/String.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/StringFormatStream.h"

namespace {

using Core::String;

TEST(String, ConstructsFromEveryForm) {
    EXPECT_EQ(String().length(), 0);
    EXPECT_EQ(String(L"abc").length(), 3);
    EXPECT_EQ(String(L"abcdef", 2), String(L"ab"));
    EXPECT_EQ(String(std::string("a\xe9")), String(L"a\u00e9"));  // widened byte by byte
    EXPECT_EQ(String(nullptr).length(), 0);
}

TEST(String, KeepsLongAndShortTextsThroughCopiesMovesAndAppends) {
    const std::wstring long_text(100, L'x');
    for (const std::wstring& source : {std::wstring(L"short"), long_text}) {
        String original(source.c_str());
        String copy(original);
        String moved(std::move(copy));
        EXPECT_EQ(moved.view(), source);
        EXPECT_EQ(copy.length(), 0);  // NOLINT(bugprone-use-after-move): moved-from is empty
        String assigned;
        assigned = moved;
        const String& alias = assigned;
        assigned = alias;  // self-assignment keeps the text
        EXPECT_EQ(assigned.view(), source);
        assigned = std::move(moved);
        EXPECT_EQ(assigned.view(), source);
        EXPECT_EQ(assigned.c_str()[assigned.length()], L'\0');
    }
    String grown(L"ab");
    for (int i = 0; i < 10; ++i)
        grown += grown;  // appends itself across reallocation
    EXPECT_EQ(grown.length(), 2048);
    EXPECT_EQ(grown[2047], L'b');
    String self(L"abcdefghijklmnopqrstuvwxyz0123");
    self = self.c_str() + 26;
    EXPECT_EQ(self, L"0123");
}

TEST(String, ComparesExactlyOrFoldingAsciiOnly) {
    EXPECT_EQ(String(L"abc").compare(L"abc"), 0);
    EXPECT_NE(String(L"abc").compare(L"ABC"), 0);
    EXPECT_NE(String(L"abc").compare(L"abcd"), 0);
    EXPECT_EQ(String(L"aBc").compareNoCase(L"AbC"), 0);
    EXPECT_NE(String(L"ab").compareNoCase(L"abc"), 0);
    EXPECT_NE(String(L"\u00e9").compareNoCase(L"\u00c9"), 0);
    EXPECT_EQ(String(L"MiXeD-09\u00c9").toLower(), L"mixed-09\u00c9");
}

TEST(String, PrefixSuffixAndFind) {
    const String s(L"url(a)url");
    EXPECT_TRUE(s.startsWith(L"url") && s.startsWith(L"") && s.endsIn(L"url"));
    EXPECT_FALSE(s.startsWith(L"URL") || String(L"ur").startsWith(L"url"));
    EXPECT_FALSE(String(L"rl").endsIn(L"url"));
    EXPECT_EQ(s.find(L"url"), 0);
    EXPECT_EQ(s.find(L"url", 1), 6);
    EXPECT_EQ(s.find(L"url", 7), -1);
    EXPECT_EQ(s.find(L"x"), -1);
    EXPECT_EQ(s.find(L'('), 3);
    EXPECT_EQ(s.find(L"", 9), 9);
    EXPECT_EQ(s.find(L"", 10), -1);
}

TEST(String, SubStringSplitAndTrim) {
    const String s(L"abcdef");
    EXPECT_EQ(s.subString(1, 3), L"bcd");  // both ends included
    EXPECT_EQ(s.subString(2, 1), L"");
    EXPECT_EQ(s.subString(0, 5), L"abcdef");
    EXPECT_EQ(s.subString(4, 99), L"ef");  // clamped, never past the end

    // Adjacent separators give empty pieces between them.
    const auto pieces = String(L"a  b\tc").split(L" \t");
    ASSERT_EQ(pieces.size(), 4);
    EXPECT_TRUE(pieces[0] == L"a" && pieces[1] == L"" && pieces[2] == L"b" && pieces[3] == L"c");
    EXPECT_EQ(String(L"").split(L" ").size(), 1);
    EXPECT_EQ(String(L" ").split(L" ").size(), 2);

    String padded(L" \t\n\v\f\r x y \r\n");
    EXPECT_EQ(padded.trim(), L"x y");
    EXPECT_EQ(padded, L"x y");  // in place
    String blank(L"   ");
    EXPECT_EQ(blank.trim(), L"");
    EXPECT_FALSE(String::isSpace(L'\u00a0'));
    EXPECT_TRUE(String::isDigit(L'9'));
    EXPECT_FALSE(String::isDigit(L'a'));
}

TEST(StringFormatStream, WritesShortestRoundTripNumbers) {
    Core::StringFormatStream stream(L"{0} {1} {2} {3} {4} {5} {6} {7}");
    stream << 12 << -7 << 12.0f << 0.5f << 0.1f << 0.1 << 1.0f / 3.0f << 1e20f;
    EXPECT_EQ(stream.getString(), L"12 -7 12 0.5 0.1 0.1 0.33333334 1e+20");
}

TEST(StringFormatStream, FillsNumberedPlaceholders) {
    Core::StringFormatStream stream(L"{1}-{0}pt {0}%");
    stream << 3 << String(L"x");
    EXPECT_EQ(stream.getString(), L"x-3pt 3%");

    Core::VariantArray args;
    args << String(L"a") << 2 << 1.5;
    EXPECT_EQ((Core::StringFormatStream(L"({0},{1},{2})") << args).getString(), L"(a,2,1.5)");

    // More arguments than kept inline, and placeholders without arguments stay.
    Core::StringFormatStream many(L"{0}{1}{2}{3}{4}{5}{6}{7}|{8}|{x}|{");
    for (int i = 0; i < 8; ++i)
        many << i;
    EXPECT_EQ(many.getString(), L"01234567|{8}|{x}|{");
}

}  // namespace
