// Language tags: the lookup against a scan of the table, the case rule, and
// the names. Every tag with its identifiers and name is listed in
// docs/attributes.md, which xmlattr_docs_up_to_date pins, so no row is named here.
#include "css/language/Language.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cwctype>
#include <string>
#include <vector>

#include "tests/support/AllocationCounter.h"

namespace {

using Xml::Language;

// The lookup's reference: compare with every tag in table order, first match wins.
const Language::Tag* firstMatch(const Core::String& text) {
    for (const Language::Tag& tag : Language::tags()) {
        if (text.compareNoCase(Core::String(tag.tag)) == 0)
            return &tag;
    }
    return nullptr;
}

// The table lookup must answer as a scan over the table would: for every tag,
// its case variants and texts one edit away from it, and other near misses.
// A text that is no tag fails and keeps the value; parsing allocates nothing.
TEST(Language, LookupAgreesWithFirstMatchScan) {
    std::vector<std::wstring> texts = {L"",   L"en_us", L" en",    L"en ",     L"en-ca",
                                       L"e",  L"en-",   L"-us",    L"english", L"en\tus",
                                       L"cz", L"de-de", L"en-US ", L"\u00e9n", L"EN-USA"};
    for (const Language::Tag& tag : Language::tags()) {
        const std::wstring base(tag.tag);
        texts.push_back(base);
        for (std::size_t i = 0; i < base.size(); ++i) {
            std::wstring variant = base;
            variant[i] = static_cast<wchar_t>(std::towupper(variant[i]));
            texts.push_back(variant);
            texts.push_back(base.substr(0, i) + base.substr(i + 1));
            for (wchar_t replace : {L'a', L'z', L'-', L'@', L'[', L'`', L'{', L'\u0100'}) {
                variant = base;
                variant[i] = replace;
                texts.push_back(variant);
            }
        }
        texts.push_back(base + L"s");
        texts.push_back(L"x" + base);
    }
    int hits = 0;
    for (const std::wstring& text : texts) {
        const Core::String string(text);
        const Language::Tag* expected = firstMatch(string);
        Language parsed(7, 2);
        bool accepted = false;
        long allocations = 0;
        {
            test_support::AllocationCounter counter;
            accepted = Language::parseLanguage(string, parsed);
            allocations = counter.count();
        }
        EXPECT_EQ(Language::findTag(text), expected) << testing::PrintToString(text);
        EXPECT_EQ(accepted, expected != nullptr) << testing::PrintToString(text);
        EXPECT_TRUE(expected ? parsed.language == expected->language &&
                                   parsed.country == expected->country
                             : parsed.language == 7 && parsed.country == 2)
            << testing::PrintToString(text);
        EXPECT_EQ(allocations, 0) << testing::PrintToString(text);
        hits += expected != nullptr;
    }
    EXPECT_GT(hits, 145);  // the variants include many other tags
}

TEST(Language, EqualityIgnoresCountryOrderDoesNot) {
    EXPECT_TRUE(Language(3, 1) == Language(3, 2));
    EXPECT_FALSE(Language(3, 1) == Language(4, 1));
    EXPECT_TRUE(Language(3, 1) < Language(3, 2));
    EXPECT_FALSE(Language(3, 2) < Language(3, 1));
    EXPECT_TRUE(Language(3, 2) < Language(4, 0));
    EXPECT_FALSE(Language(4, 0) < Language(3, 2));
    EXPECT_FALSE(Language(3, 1) < Language(3, 1));
    EXPECT_TRUE(Language(-1, 0) < Language(0, -1));
}

// An identifier without a tag is named english, as English is.
TEST(LanguageNames, IdentifiersWithoutATagAreEnglish) {
    for (int id : {0, 41, 140, -1, 1000, INT32_MIN, INT32_MAX})
        EXPECT_EQ(Language::getFullLanguageNameById(id), L"english") << "id " << id;
}

}  // namespace
