// The text-decoration flags: a comma-separated list of keywords.
#include "css/keywords/GraphicsKeywords.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Xml::STextDecoration;

// Each text parsed into an attribute that holds all three flags: whether it
// is accepted and the underline, overline and line-through flags after.
// A failed list keeps all three flags.
TEST(STextDecoration, ListParser) {
    const struct {
        const wchar_t* text;
        bool accepted, underline, overline, lineThrough;
    } cases[] = {
        // clang-format off
        {L"underline", true, 1, 0, 0},            {L"overline", true, 0, 1, 0},
        {L"line-through", true, 0, 0, 1},         {L"underline,line-through", true, 1, 0, 1},
        {L" overline", true, 0, 1, 0},            {L"overline, \tunderline", true, 1, 1, 0},
        {L"underline,underline", true, 1, 0, 0},  {L"underline,", true, 1, 0, 0},
        {L"line-through,overline,underline", true, 1, 1, 1},
        // "none" anywhere clears every flag
        {L"none", true, 0, 0, 0},                 {L"underline, none", true, 0, 0, 0},
        {L"none,underline", true, 0, 0, 0},       {L"bogus none", true, 0, 0, 0},
        {L"nonexistent", true, 0, 0, 0},
        // refused
        {L"", false, 1, 1, 1},                    {L"underline ,overline", false, 1, 1, 1},
        {L"underline ", false, 1, 1, 1},          {L"blink", false, 1, 1, 1},
        {L"Underline", false, 1, 1, 1},           {L"NONE", false, 1, 1, 1},
        {L"underline,,overline", false, 1, 1, 1}, {L",underline", false, 1, 1, 1},
        {L"underline, ", false, 1, 1, 1},         {L"   ", false, 1, 1, 1},
        {L"underline overline", false, 1, 1, 1},  {L"overline,blink", false, 1, 1, 1},
        // clang-format on
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        Xml::TXmlAttribute<STextDecoration> decoration(STextDecoration(true, true, true));
        EXPECT_EQ(decoration.parseValue(c.text), c.accepted);
        EXPECT_EQ(decoration->isUnderline(), c.underline);
        EXPECT_EQ(decoration->isOverline(), c.overline);
        EXPECT_EQ(decoration->isLineThrough(), c.lineThrough);
        EXPECT_EQ(decoration->isNone(), !c.underline && !c.overline && !c.lineThrough);
    }
}

TEST(STextDecoration, EqualityComparesEveryFlag) {
    const STextDecoration over(false, true, false);
    EXPECT_TRUE(over == STextDecoration(false, true, false));
    for (const STextDecoration& other : {STextDecoration(true, true, false), STextDecoration(),
                                         STextDecoration(false, true, true)}) {
        EXPECT_FALSE(over == other);
    }
}

}  // namespace
