// Language tags: the lookup against a scan of the table, the case rule, and
// the names. Every tag and name is listed in docs/attributes.md, which
// xmlattr_docs_up_to_date pins; here only rows where a slip is easy.
#include "css/language/Language.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cwctype>
#include <set>
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

// Three-letter and regional tags, the identifiers around the unused 41, the
// last tag, and letter case.
TEST(Language, TagsGiveTheirPairInAnyCase) {
    // clang-format off
    const struct { const wchar_t* tag; int language, country; } cases[] = {
        {L"none", 3, 0}, {L"CZE", 1, 0}, {L"Dan", 2, 0}, {L"en", 3, 0},    {L"eng", 3, 0},
        {L"en-US", 3, 1}, {L"EN-gb", 3, 2}, {L"en-au", 3, 3}, {L"ga", 40, 0}, {L"Gl", 42, 0},
        {L"DE", 7, 0},   {L"zu", 139, 0},
    };
    // clang-format on
    ASSERT_EQ(Language::tags().size(), 145u);
    for (const auto& c : cases) {
        Language language(-5, -5);
        ASSERT_TRUE(Language::parseLanguage(c.tag, language)) << testing::PrintToString(c.tag);
        EXPECT_TRUE(language.language == c.language && language.country == c.country)
            << testing::PrintToString(c.tag);
    }
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

TEST(Language, AttributeParsesComparesAndHasNoText) {
    Xml::TXmlAttribute<Language> attribute;
    EXPECT_TRUE(attribute->language == 0 && attribute->country == 0);
    ASSERT_TRUE(attribute.parseValue(L"en-GB"));
    EXPECT_TRUE(attribute == Language(3, 1));  // the country takes no part
    EXPECT_TRUE(attribute != Language(5, 2));
    EXPECT_EQ(attribute.getValueAsString(), L"");
    EXPECT_FALSE(attribute.parseValue(L"en-ca"));
    Xml::TXmlAttribute<Language> copy;
    copy.copyFrom(attribute);
    EXPECT_TRUE(copy->language == 3 && copy->country == 2);
}

// Every tag's identifier has a name of its own (english only for English);
// the ends of the list, both sides of 41 and the odd spellings are as kept.
TEST(LanguageNames, EveryTagHasItsOwnNameOthersEnglish) {
    std::set<int> ids;
    std::set<std::wstring> names;
    for (const Language::Tag& tag : Language::tags()) {
        const Core::String name = Language::getFullLanguageNameById(tag.language);
        EXPECT_EQ(name == L"english", tag.language == 3) << tag.language;
        if (ids.insert(tag.language).second) {
            EXPECT_TRUE(names.insert(std::wstring(name.view())).second) << tag.language;
        }
    }
    EXPECT_EQ(ids.size(), 138u);
    // clang-format off
    const struct { int id; const char* name; } cases[] = {
        {1, "czech"}, {40, "irish"}, {42, "galician"}, {87, "occitant"}, {88, "oromot"},
        {94, "rhaeto_romance"}, {100, "serbo_croatian"}, {114, "tami"}, {139, "zulu"},
    };
    // clang-format on
    for (const auto& c : cases)
        EXPECT_EQ(Language::getFullLanguageNameById(c.id), Core::String(c.name)) << "id " << c.id;
    for (int id : {0, 41, 140, -1, 1000, INT32_MIN, INT32_MAX})
        EXPECT_EQ(Language::getFullLanguageNameById(id), L"english") << "id " << id;
}

}  // namespace
