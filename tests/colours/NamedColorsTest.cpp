// The colour keywords: every row reads as its own colour through the
// attribute, and the hash index answers as a scan. The rows themselves, in
// table order with their colours, are listed in docs/attributes.md
// (xmlattr_docs_up_to_date), so no row is named here.
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

TEST(NamedColors, EveryKeywordReadsAsItsRow) {
    for (const NamedColors::Entry& entry : NamedColors::kTable) {
        SCOPED_TRACE(narrow(Core::String(entry.name)));
        ColorAttribute attribute;
        ASSERT_TRUE(attribute.parseValue(Core::String(entry.name)));
        if (entry.hasColor)
            EXPECT_EQ(rgbOf(attribute.getValue()), (Drawing::RGBValue{entry.r, entry.g, entry.b}));
        else
            EXPECT_FALSE(attribute.getValue());
    }
    ColorAttribute empty;  // a keyword without colour is taken when there is none to release
    EXPECT_TRUE(Xml::ColorParse::parseColorName(L"none", &empty) && !empty.getValue());
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
