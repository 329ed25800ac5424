#include "css/language/Language.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdint>
#include <cwctype>
#include <string>
#include <vector>

#include "tests/support/AllocationCounter.h"

namespace {

using Xml::Language;

struct TagCase {
    const char* tag;
    int language;
    int country;
};

// Every tag and the pair it gives.
// clang-format off
constexpr TagCase kTagCases[] = {
    {"none", 3, 0}, {"cs", 1, 0}, {"cze", 1, 0}, {"da", 2, 0}, {"dan", 2, 0}, {"en", 3, 0},
    {"eng", 3, 0}, {"en-us", 3, 1}, {"en-gb", 3, 2}, {"en-au", 3, 3}, {"ro", 4, 0}, {"fr", 5, 0},
    {"ru", 6, 0}, {"de", 7, 0}, {"es", 8, 0}, {"it", 9, 0}, {"pl", 10, 0}, {"aa", 11, 0},
    {"ab", 12, 0}, {"af", 13, 0}, {"am", 14, 0}, {"ar", 15, 0}, {"as", 16, 0}, {"ay", 17, 0},
    {"az", 18, 0}, {"ba", 19, 0}, {"be", 20, 0}, {"bg", 21, 0}, {"bh", 22, 0}, {"bi", 23, 0},
    {"bn", 24, 0}, {"bo", 25, 0}, {"br", 26, 0}, {"ca", 27, 0}, {"co", 28, 0}, {"cy", 29, 0},
    {"dz", 30, 0}, {"el", 31, 0}, {"eo", 32, 0}, {"et", 33, 0}, {"eu", 34, 0}, {"fa", 35, 0},
    {"fi", 36, 0}, {"fj", 37, 0}, {"fo", 38, 0}, {"fy", 39, 0}, {"ga", 40, 0}, {"gl", 42, 0},
    {"gn", 43, 0}, {"gu", 44, 0}, {"ha", 45, 0}, {"he", 46, 0}, {"hi", 47, 0}, {"hr", 48, 0},
    {"hu", 49, 0}, {"hy", 50, 0}, {"ia", 51, 0}, {"id", 52, 0}, {"ie", 53, 0}, {"ik", 54, 0},
    {"is", 55, 0}, {"iu", 56, 0}, {"ja", 57, 0}, {"jw", 58, 0}, {"ka", 59, 0}, {"kk", 60, 0},
    {"kl", 61, 0}, {"km", 62, 0}, {"kn", 63, 0}, {"ko", 64, 0}, {"ks", 65, 0}, {"ku", 66, 0},
    {"ky", 67, 0}, {"la", 68, 0}, {"ln", 69, 0}, {"lo", 70, 0}, {"lt", 71, 0}, {"lv", 72, 0},
    {"mg", 73, 0}, {"mi", 74, 0}, {"mk", 75, 0}, {"ml", 76, 0}, {"mn", 77, 0}, {"mo", 78, 0},
    {"mr", 79, 0}, {"ms", 80, 0}, {"mt", 81, 0}, {"my", 82, 0}, {"na", 83, 0}, {"ne", 84, 0},
    {"nl", 85, 0}, {"no", 86, 0}, {"oc", 87, 0}, {"om", 88, 0}, {"or", 89, 0}, {"pa", 90, 0},
    {"ps", 91, 0}, {"pt", 92, 0}, {"qu", 93, 0}, {"rm", 94, 0}, {"rn", 95, 0}, {"rw", 96, 0},
    {"sa", 97, 0}, {"sd", 98, 0}, {"sg", 99, 0}, {"sh", 100, 0}, {"si", 101, 0}, {"sk", 102, 0},
    {"sl", 103, 0}, {"sm", 104, 0}, {"sn", 105, 0}, {"so", 106, 0}, {"sq", 107, 0}, {"sr", 108, 0},
    {"ss", 109, 0}, {"st", 110, 0}, {"su", 111, 0}, {"sv", 112, 0}, {"sw", 113, 0}, {"ta", 114, 0},
    {"te", 115, 0}, {"tg", 116, 0}, {"th", 117, 0}, {"ti", 118, 0}, {"tk", 119, 0}, {"tl", 120, 0},
    {"tn", 121, 0}, {"to", 122, 0}, {"tr", 123, 0}, {"ts", 124, 0}, {"tt", 125, 0}, {"tw", 126, 0},
    {"ug", 127, 0}, {"uk", 128, 0}, {"ur", 129, 0}, {"uz", 130, 0}, {"vi", 131, 0}, {"vo", 132, 0},
    {"wo", 133, 0}, {"xh", 134, 0}, {"yi", 135, 0}, {"yo", 136, 0}, {"za", 137, 0}, {"zh", 138, 0},
    {"zu", 139, 0},
};
// clang-format on

struct NameCase {
    int id;
    const char* name;
};

// Every identifier that has a name of its own.
// clang-format off
constexpr NameCase kNameCases[] = {
    {1, "czech"}, {2, "danish"}, {3, "english"}, {4, "romanian"}, {5, "french"}, {6, "russian"},
    {7, "german"}, {8, "spanish"}, {9, "italian"}, {10, "polish"}, {11, "afar"}, {12, "abkhazian"},
    {13, "afrikaans"}, {14, "amharic"}, {15, "arabic"}, {16, "assamese"}, {17, "aymara"},
    {18, "azerbaijani"}, {19, "bashkir"}, {20, "byelorussian"}, {21, "bulgarian"}, {22, "bihari"},
    {23, "bislama"}, {24, "bengali"}, {25, "tibetan"}, {26, "breton"}, {27, "catalan"},
    {28, "corsican"}, {29, "welsh"}, {30, "bhutani"}, {31, "greek"}, {32, "esperanto"},
    {33, "estonian"}, {34, "basque"}, {35, "persian"}, {36, "finnish"}, {37, "fiji"},
    {38, "faroese"}, {39, "frisian"}, {40, "irish"}, {42, "galician"}, {43, "guarani"},
    {44, "gujarati"}, {45, "hausa"}, {46, "hebrew"}, {47, "hindi"}, {48, "croatian"},
    {49, "hungarian"}, {50, "armenian"}, {51, "interlingua"}, {52, "indonesian"},
    {53, "interlingue"}, {54, "inupiak"}, {55, "icelandic"}, {56, "inuktitut"}, {57, "japanese"},
    {58, "javanese"}, {59, "georgian"}, {60, "kazakh"}, {61, "greenlandic"}, {62, "cambodian"},
    {63, "kannada"}, {64, "korean"}, {65, "kashmiri"}, {66, "kurdish"}, {67, "kirghiz"},
    {68, "latin"}, {69, "lingala"}, {70, "laothian"}, {71, "lithuanian"}, {72, "latvian"},
    {73, "malagasy"}, {74, "maori"}, {75, "macedonian"}, {76, "malayalam"}, {77, "mongolian"},
    {78, "moldavian"}, {79, "marathi"}, {80, "malay"}, {81, "maltese"}, {82, "burmese"},
    {83, "nauru"}, {84, "nepali"}, {85, "dutch"}, {86, "norwegian"}, {87, "occitant"},
    {88, "oromot"}, {89, "oriya"}, {90, "punjabi"}, {91, "pushto"}, {92, "portuguese"},
    {93, "quechua"}, {94, "rhaeto_romance"}, {95, "kirundi"}, {96, "kinyarwanda"}, {97, "sanskrit"},
    {98, "sindhi"}, {99, "sangho"}, {100, "serbo_croatian"}, {101, "sinhalese"}, {102, "slovak"},
    {103, "slovenian"}, {104, "samoan"}, {105, "shona"}, {106, "somali"}, {107, "albanian"},
    {108, "serbian"}, {109, "siswati"}, {110, "sesotho"}, {111, "sundanese"}, {112, "swedish"},
    {113, "swahili"}, {114, "tami"}, {115, "telugu"}, {116, "tajik"}, {117, "thai"},
    {118, "tigrinya"}, {119, "turkmen"}, {120, "tagalog"}, {121, "setswana"}, {122, "tonga"},
    {123, "turkish"}, {124, "tsonga"}, {125, "tatar"}, {126, "twi"}, {127, "uighur"},
    {128, "ukrainian"}, {129, "urdu"}, {130, "uzbek"}, {131, "vietnamese"}, {132, "volapuk"},
    {133, "wolof"}, {134, "xhosa"}, {135, "yiddish"}, {136, "yoruba"}, {137, "zhuang"},
    {138, "chinese"}, {139, "zulu"},
};
// clang-format on

// The lookup's reference: compare with every tag in table order, first match wins.
const Language::Tag* firstMatch(const Core::String& text) {
    for (const Language::Tag& tag : Language::tags()) {
        if (text.compareNoCase(Core::String(tag.tag)) == 0)
            return &tag;
    }
    return nullptr;
}

TEST(Language, EveryTagGivesItsPairInAnyCase) {
    ASSERT_EQ(std::size(kTagCases), 145u);
    for (const TagCase& c : kTagCases) {
        std::string upper = c.tag, mixed = c.tag;
        for (std::size_t i = 0; i < upper.size(); ++i) {
            upper[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(upper[i])));
            mixed[i] = i % 2 == 0 ? upper[i] : mixed[i];
        }
        for (const std::string& text : {std::string(c.tag), upper, mixed}) {
            Language language(-5, -5);
            ASSERT_TRUE(Language::parseLanguage(Core::String(text), language)) << text;
            EXPECT_EQ(language.language, c.language) << text;
            EXPECT_EQ(language.country, c.country) << text;
        }
    }
}

TEST(Language, UnknownTextsFailAndKeepTheValue) {
    // clang-format off
    for (const wchar_t* text : {
             L"", L"en_us", L" en", L"en ", L"en-ca", L"fr-ca", L"e", L"english", L"en-", L"-us",
             L"en-us-", L"xx", L"q", L"nonee", L"en\tus", L"cz", L"de-de", L"en-US ", L"\u00e9n",
             L"EN-USA"}) {
        // clang-format on
        Language language(7, 2);
        EXPECT_FALSE(Language::parseLanguage(Core::String(text), language))
            << testing::PrintToString(text);
        EXPECT_TRUE(language.language == 7 && language.country == 2)
            << testing::PrintToString(text);
    }
}

// The table lookup must answer as a scan over the table would: for every tag,
// its case variants and texts one edit away from it; parsing allocates nothing.
TEST(Language, LookupAgreesWithFirstMatchScan) {
    std::vector<std::wstring> texts;
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
        Language parsed;
        long allocations = 0;
        {
            test_support::AllocationCounter counter;
            Language::parseLanguage(string, parsed);
            allocations = counter.count();
        }
        EXPECT_EQ(Language::findTag(text), expected) << testing::PrintToString(text);
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

TEST(LanguageNames, EveryIdentifierGivesItsNameOthersEnglish) {
    ASSERT_EQ(std::size(kNameCases), 138u);
    for (const NameCase& c : kNameCases)
        EXPECT_EQ(Language::getFullLanguageNameById(c.id), Core::String(c.name)) << "id " << c.id;
    for (int id : {0, 41, 140, -1, 1000, INT32_MIN, INT32_MAX})
        EXPECT_EQ(Language::getFullLanguageNameById(id), L"english") << "id " << id;
}

}  // namespace
