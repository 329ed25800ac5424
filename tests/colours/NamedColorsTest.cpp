// The colour keywords: every row reads as its own colour through the
// attribute, and the hash index answers as a scan. The rows themselves, in
// table order, are listed in docs/attributes.md (xmlattr_docs_up_to_date).
#include "css/colours/NamedColors.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "tests/colours/ColourTestSupport.h"

namespace {

using colour_test::narrow;
using colour_test::rgbOf;
using Xml::ColorAttribute;
namespace NamedColors = Xml::NamedColors;

TEST(NamedColors, EveryKeywordReadsAsItsRowAndTheTwoWithoutColourComeLast) {
    ASSERT_EQ(NamedColors::kCount, 149);
    for (int i = 0; i < 147; ++i) {
        const NamedColors::Entry& entry = NamedColors::kTable[i];
        SCOPED_TRACE(narrow(Core::String(entry.name)));
        EXPECT_TRUE(entry.hasColor);
        ColorAttribute attribute;
        ASSERT_TRUE(attribute.parseValue(Core::String(entry.name)));
        EXPECT_EQ(rgbOf(attribute.getValue()), (Drawing::RGBValue{entry.r, entry.g, entry.b}));
    }
    EXPECT_TRUE(NamedColors::kTable[147].name == L"transparent");
    EXPECT_TRUE(NamedColors::kTable[148].name == L"none");
    EXPECT_FALSE(NamedColors::kTable[147].hasColor || NamedColors::kTable[148].hasColor);
    ColorAttribute empty;  // a keyword without colour is taken when there is none to release
    EXPECT_TRUE(Xml::ColorParse::parseColorName(L"none", &empty) && !empty.getValue());
}

// The first and last rows, the longest name, the grey and gray pairs, and
// values whose hexadecimal digits are easy to mistype.
TEST(NamedColors, RowsWhereASlipIsEasy) {
    // clang-format off
    const struct { const wchar_t* name; unsigned rgb; } cases[] = {
        {L"aliceblue", 0xf0f8ff},            {L"yellowgreen", 0x9acd32},
        {L"lightgoldenrodyellow", 0xfafad2}, {L"darkgray", 0xa9a9a9}, {L"darkgrey", 0xa9a9a9},
        {L"gray", 0x808080},                 {L"grey", 0x808080},     {L"cornflowerblue", 0x6495ed},
        {L"mediumspringgreen", 0x00fa9a},    {L"navajowhite", 0xffdead},
        {L"palevioletred", 0xdb7093},        {L"rebeccapurple", 0},   // not a keyword here
    };
    // clang-format on
    for (const auto& c : cases) {
        const NamedColors::Entry* entry = NamedColors::find(c.name);
        if (c.rgb == 0) {
            EXPECT_EQ(entry, nullptr);
            continue;
        }
        ASSERT_NE(entry, nullptr) << narrow(c.name);
        EXPECT_EQ((entry->r << 16) | (entry->g << 8) | entry->b, c.rgb) << narrow(c.name);
    }
}

TEST(NamedColors, IndexedLookupEqualsFirstMatchScan) {
    std::set<std::wstring> probes = {L"",        L"a",     L"zzz",          L"Red",
                                     L"RED",     L"red ",  L" red",         L"currentColor",
                                     L"inherit", L"grey ", L"rebeccapurple"};
    for (const auto& entry : NamedColors::kTable) {
        const std::wstring name(entry.name);
        probes.insert(name);
        probes.insert(name.substr(0, name.size() - 1));  // one letter short
        probes.insert(name + L"x");
        probes.insert(L"a" + name);
        probes.insert(static_cast<wchar_t>(name[0] - L'a' + L'A') + name.substr(1));
    }
    for (const std::wstring& probe : probes) {
        EXPECT_EQ(NamedColors::find(probe), NamedColors::findByScan(probe))
            << narrow(Core::String(probe));
    }
    for (const auto& entry : NamedColors::kTable)
        EXPECT_EQ(NamedColors::find(entry.name), &entry);
}

}  // namespace
