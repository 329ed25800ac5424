#include "css/attributes/ParseUtil.h"

#include <gtest/gtest.h>

namespace {

using Xml::ParseUtil;

TEST(ParseUtil, SkipRoutinesReportWhetherTheyMoved) {
    const Core::String text(L"  ab \tc");
    int pos = 0;
    EXPECT_TRUE(ParseUtil::skipWhiteSpace(text, pos));
    EXPECT_EQ(pos, 2);
    EXPECT_FALSE(ParseUtil::skipWhiteSpace(text, pos));  // on a non-white character
    EXPECT_EQ(pos, 2);
    EXPECT_TRUE(ParseUtil::skipNonWhiteSpace(text, pos));
    EXPECT_EQ(pos, 4);
    EXPECT_FALSE(ParseUtil::skipNonWhiteSpace(text, pos));
    pos = text.length();
    EXPECT_FALSE(ParseUtil::skipWhiteSpace(text, pos));
    EXPECT_FALSE(ParseUtil::skipNonWhiteSpace(text, pos));
    EXPECT_EQ(pos, text.length());
}

TEST(ParseUtil, ExtractWordOrFunctionTakesWholeFunctions) {
    struct Case {
        const wchar_t* text;
        const wchar_t* first;
        int posAfterFirst;
        const wchar_t* second;
    };
    const Case cases[] = {
        {L"translate(10, 20) scale(2)", L"translate(10, 20)", 17, L"scale(2)"},
        {L"f(a(b)c) d", L"f(a(b)", 6, L"c)"},       // parentheses do not nest
        {L"rotate(45 5", L"rotate(45 5", 11, L""},  // missing ")" takes the rest
        {L"(1 2) x", L"(1 2)", 5, L"x"},            // function with an empty name
        {L"scale (2)", L"scale", 5, L"(2)"},        // a blank before "(" ends the word
        {L"  word  ", L"word", 6, L""},
        {L"", L"", 0, L""},
    };
    for (const Case& c : cases) {
        const Core::String text(c.text);
        int pos = 0;
        EXPECT_EQ(ParseUtil::extractWordOrFunction(text, pos), c.first) << c.text;
        EXPECT_EQ(pos, c.posAfterFirst) << c.text;
        EXPECT_EQ(ParseUtil::extractWordOrFunction(text, pos), c.second) << c.text;
        EXPECT_LE(pos, text.length());
    }
}

}  // namespace
