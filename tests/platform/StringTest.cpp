#include "platform/String.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "platform/StringFormatStream.h"

namespace {

using Core::String;

TEST(String, ConstructsFromEveryForm) {
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
    EXPECT_TRUE(String(L"url").endsIn(L"url"));  // a suffix as long as the text
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

namespace {

struct Utf8Case {
    std::string_view utf8;
    std::wstring_view units;
    int replaced;
};

// clang-format off
constexpr Utf8Case kUtf8Cases[] = {
    {"", L"", 0},                     {"a-1", L"a-1", 0},
    {"\xC3\xA9", L"\u00E9", 0},       {"\xE2\x82\xAC", L"\u20AC", 0},
    {"\xF0\x9F\x98\x80", L"\xD83D\xDE00", 0},          // beyond U+FFFF: a surrogate pair
    {"\xF4\x8F\xBF\xBF", L"\xDBFF\xDFFF", 0},          // U+10FFFF, the last code point
    {"\x80", L"\uFFFD", 1},           {"a\xC3", L"a\uFFFD", 1},        // stray, truncated
    {"\xE2\x82z", L"\uFFFDz", 1},     {"\xC0\x80", L"\uFFFD\uFFFD", 2},  // cut short, overlong
    {"\xE0\x80\x80", L"\uFFFD\uFFFD\uFFFD", 3},        // overlong three-byte form
    {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD", 3},        // an encoded surrogate
    {"\xF4\x90\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD", 4},  // beyond U+10FFFF
    {"\xFF" "b", L"\uFFFDb", 1},
};
// clang-format on

TEST(StringUtf8, ReadsValidTextAndReplacesEachInvalidPart) {
    for (const Utf8Case& c : kUtf8Cases) {
        int replaced = -1;
        const Core::String text = Core::String::fromUtf8(c.utf8, &replaced);
        EXPECT_EQ(text.view(), c.units) << testing::PrintToString(std::string(c.utf8));
        EXPECT_EQ(replaced, c.replaced) << testing::PrintToString(std::string(c.utf8));
        if (c.replaced == 0) {
            EXPECT_EQ(text.toUtf8(), c.utf8);  // valid text comes back byte for byte
        }
    }
}

TEST(StringUtf8, WritesLoneSurrogatesAsReplacement) {
    const wchar_t units[] = {L'a', 0xD83D, L'b', 0xDE00, 0};
    EXPECT_EQ(Core::String(units).toUtf8(),
              "a\xEF\xBF\xBD"
              "b\xEF\xBF\xBD");
    const Core::String longText = Core::String::fromUtf8(std::string(100, 'x') + "\xC3\xA9");
    EXPECT_EQ(longText.length(), 101);
}

}  // namespace

namespace {

TEST(StringCount, NegativeCountGivesAnEmptyText) {
    const Core::String text(L"abc", -5);
    EXPECT_TRUE(text.empty());
    EXPECT_EQ(text.c_str()[0], L'\0');
}

}  // namespace
