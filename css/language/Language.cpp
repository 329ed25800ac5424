#include "css/language/Language.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

namespace Xml {

namespace {

// The tag table. A text matches a tag when the two are equal ignoring the case
// of ASCII letters; where two tags could match, the earlier would win.
constexpr Language::Tag kTags[] = {
    {L"none", 3, 0}, {L"cs", 1, 0},   {L"cze", 1, 0},   {L"da", 2, 0},    {L"dan", 2, 0},
    {L"en", 3, 0},   {L"eng", 3, 0},  {L"en-us", 3, 1}, {L"en-gb", 3, 2}, {L"en-au", 3, 3},
    {L"ro", 4, 0},   {L"fr", 5, 0},   {L"ru", 6, 0},    {L"de", 7, 0},    {L"es", 8, 0},
    {L"it", 9, 0},   {L"pl", 10, 0},  {L"aa", 11, 0},   {L"ab", 12, 0},   {L"af", 13, 0},
    {L"am", 14, 0},  {L"ar", 15, 0},  {L"as", 16, 0},   {L"ay", 17, 0},   {L"az", 18, 0},
    {L"ba", 19, 0},  {L"be", 20, 0},  {L"bg", 21, 0},   {L"bh", 22, 0},   {L"bi", 23, 0},
    {L"bn", 24, 0},  {L"bo", 25, 0},  {L"br", 26, 0},   {L"ca", 27, 0},   {L"co", 28, 0},
    {L"cy", 29, 0},  {L"dz", 30, 0},  {L"el", 31, 0},   {L"eo", 32, 0},   {L"et", 33, 0},
    {L"eu", 34, 0},  {L"fa", 35, 0},  {L"fi", 36, 0},   {L"fj", 37, 0},   {L"fo", 38, 0},
    {L"fy", 39, 0},  {L"ga", 40, 0},  {L"gl", 42, 0},   {L"gn", 43, 0},   {L"gu", 44, 0},
    {L"ha", 45, 0},  {L"he", 46, 0},  {L"hi", 47, 0},   {L"hr", 48, 0},   {L"hu", 49, 0},
    {L"hy", 50, 0},  {L"ia", 51, 0},  {L"id", 52, 0},   {L"ie", 53, 0},   {L"ik", 54, 0},
    {L"is", 55, 0},  {L"iu", 56, 0},  {L"ja", 57, 0},   {L"jw", 58, 0},   {L"ka", 59, 0},
    {L"kk", 60, 0},  {L"kl", 61, 0},  {L"km", 62, 0},   {L"kn", 63, 0},   {L"ko", 64, 0},
    {L"ks", 65, 0},  {L"ku", 66, 0},  {L"ky", 67, 0},   {L"la", 68, 0},   {L"ln", 69, 0},
    {L"lo", 70, 0},  {L"lt", 71, 0},  {L"lv", 72, 0},   {L"mg", 73, 0},   {L"mi", 74, 0},
    {L"mk", 75, 0},  {L"ml", 76, 0},  {L"mn", 77, 0},   {L"mo", 78, 0},   {L"mr", 79, 0},
    {L"ms", 80, 0},  {L"mt", 81, 0},  {L"my", 82, 0},   {L"na", 83, 0},   {L"ne", 84, 0},
    {L"nl", 85, 0},  {L"no", 86, 0},  {L"oc", 87, 0},   {L"om", 88, 0},   {L"or", 89, 0},
    {L"pa", 90, 0},  {L"ps", 91, 0},  {L"pt", 92, 0},   {L"qu", 93, 0},   {L"rm", 94, 0},
    {L"rn", 95, 0},  {L"rw", 96, 0},  {L"sa", 97, 0},   {L"sd", 98, 0},   {L"sg", 99, 0},
    {L"sh", 100, 0}, {L"si", 101, 0}, {L"sk", 102, 0},  {L"sl", 103, 0},  {L"sm", 104, 0},
    {L"sn", 105, 0}, {L"so", 106, 0}, {L"sq", 107, 0},  {L"sr", 108, 0},  {L"ss", 109, 0},
    {L"st", 110, 0}, {L"su", 111, 0}, {L"sv", 112, 0},  {L"sw", 113, 0},  {L"ta", 114, 0},
    {L"te", 115, 0}, {L"tg", 116, 0}, {L"th", 117, 0},  {L"ti", 118, 0},  {L"tk", 119, 0},
    {L"tl", 120, 0}, {L"tn", 121, 0}, {L"to", 122, 0},  {L"tr", 123, 0},  {L"ts", 124, 0},
    {L"tt", 125, 0}, {L"tw", 126, 0}, {L"ug", 127, 0},  {L"uk", 128, 0},  {L"ur", 129, 0},
    {L"uz", 130, 0}, {L"vi", 131, 0}, {L"vo", 132, 0},  {L"wo", 133, 0},  {L"xh", 134, 0},
    {L"yi", 135, 0}, {L"yo", 136, 0}, {L"za", 137, 0},  {L"zh", 138, 0},  {L"zu", 139, 0},
};
constexpr int kTagCount = static_cast<int>(std::size(kTags));
static_assert(kTagCount == 145);

// ASCII letters only, as Core::String::compareNoCase folds them.
constexpr wchar_t foldCase(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

// A text folded to lower case and packed into one integer: the length, then
// seven bits per unit. Two texts get the same key exactly when they are equal
// ignoring case. Texts that cannot be a tag (empty, longer than the longest
// tag, or holding a unit beyond ASCII) get kNoKey.
constexpr std::size_t kLongestTag = 5;
constexpr std::uint64_t kNoKey = ~std::uint64_t{0};

constexpr std::uint64_t packKey(std::wstring_view text) {
    if (text.empty() || text.size() > kLongestTag)
        return kNoKey;
    std::uint64_t key = text.size();
    for (const wchar_t unit : text) {
        if (static_cast<std::uint32_t>(unit) > 0x7F)
            return kNoKey;
        key = key << 7 | static_cast<std::uint64_t>(foldCase(unit));
    }
    return key;
}

// The rows sorted by key; rows with equal keys keep their table order, so a
// binary search finds the row a first-match scan would.
struct KeyedRow {
    std::uint64_t key;
    int row;
};

constexpr auto kSortedRows = [] {
    std::array<KeyedRow, kTagCount> keyed{};
    for (int i = 0; i < kTagCount; ++i)
        keyed[i] = {packKey(kTags[i].tag), i};
    std::sort(keyed.begin(), keyed.end(), [](const KeyedRow& a, const KeyedRow& b) {
        return a.key != b.key ? a.key < b.key : a.row < b.row;
    });
    return keyed;
}();

constexpr int lookupRow(std::wstring_view text) {
    const std::uint64_t key = packKey(text);
    if (key == kNoKey)
        return -1;
    const auto found = std::lower_bound(
        kSortedRows.begin(), kSortedRows.end(), key,
        [](const KeyedRow& row, std::uint64_t wanted) { return row.key < wanted; });
    return found != kSortedRows.end() && found->key == key ? found->row : -1;
}

// Every tag is stored in lower case, has a key, is unique under case folding,
// and is found at its own row.
constexpr bool tagsAreWellFormed() {
    for (int i = 0; i < kTagCount; ++i) {
        for (const wchar_t unit : kTags[i].tag) {
            if (foldCase(unit) != unit)
                return false;
        }
        if (packKey(kTags[i].tag) == kNoKey || lookupRow(kTags[i].tag) != i)
            return false;
    }
    for (int i = 1; i < kTagCount; ++i) {
        if (kSortedRows[i - 1].key == kSortedRows[i].key)
            return false;
    }
    return true;
}
static_assert(tagsAreWellFormed());

// Names by identifier, from 1; 41 has none.
constexpr const char* kNames[] = {
    "czech",       "danish",       "english",    "romanian",    "french",         "russian",
    "german",      "spanish",      "italian",    "polish",      "afar",           "abkhazian",
    "afrikaans",   "amharic",      "arabic",     "assamese",    "aymara",         "azerbaijani",
    "bashkir",     "byelorussian", "bulgarian",  "bihari",      "bislama",        "bengali",
    "tibetan",     "breton",       "catalan",    "corsican",    "welsh",          "bhutani",
    "greek",       "esperanto",    "estonian",   "basque",      "persian",        "finnish",
    "fiji",        "faroese",      "frisian",    "irish",
    nullptr,  // 41: no tag gives it
    "galician",    "guarani",      "gujarati",   "hausa",       "hebrew",         "hindi",
    "croatian",    "hungarian",    "armenian",   "interlingua", "indonesian",     "interlingue",
    "inupiak",     "icelandic",    "inuktitut",  "japanese",    "javanese",       "georgian",
    "kazakh",      "greenlandic",  "cambodian",  "kannada",     "korean",         "kashmiri",
    "kurdish",     "kirghiz",      "latin",      "lingala",     "laothian",       "lithuanian",
    "latvian",     "malagasy",     "maori",      "macedonian",  "malayalam",      "mongolian",
    "moldavian",   "marathi",      "malay",      "maltese",     "burmese",        "nauru",
    "nepali",      "dutch",        "norwegian",  "occitant",    "oromot",         "oriya",
    "punjabi",     "pushto",       "portuguese", "quechua",     "rhaeto_romance", "kirundi",
    "kinyarwanda", "sanskrit",     "sindhi",     "sangho",      "serbo_croatian", "sinhalese",
    "slovak",      "slovenian",    "samoan",     "shona",       "somali",         "albanian",
    "serbian",     "siswati",      "sesotho",    "sundanese",   "swedish",        "swahili",
    "tami",        "telugu",       "tajik",      "thai",        "tigrinya",       "turkmen",
    "tagalog",     "setswana",     "tonga",      "turkish",     "tsonga",         "tatar",
    "twi",         "uighur",       "ukrainian",  "urdu",        "uzbek",          "vietnamese",
    "volapuk",     "wolof",        "xhosa",      "yiddish",     "yoruba",         "zhuang",
    "chinese",     "zulu",
};
static_assert(std::size(kNames) == 139);

// No tag gives an identifier without a name.
constexpr bool everyTagHasAName() {
    for (const Language::Tag& tag : kTags) {
        if (tag.language < 1 || tag.language > 139 || kNames[tag.language - 1] == nullptr) {
            return false;
        }
    }
    return true;
}
static_assert(everyTagHasAName());

}  // namespace

const Language::Tag* Language::findTag(std::wstring_view text) noexcept {
    const int row = lookupRow(text);
    return row < 0 ? nullptr : &kTags[row];
}

std::span<const Language::Tag> Language::tags() noexcept {
    return kTags;
}

bool Language::parseLanguage(const Core::String& text, Language& out) {
    const Tag* tag = findTag(text.view());
    if (tag == nullptr)
        return false;
    out.language = tag->language;
    out.country = tag->country;
    return true;
}

Core::String Language::getFullLanguageNameById(Drawing::LanguageId id) {
    const char* name = id >= 1 && id <= 139 ? kNames[id - 1] : nullptr;
    return Core::String(std::string(name != nullptr ? name : "english"));
}

template class TXmlAttribute<Language>;

}  // namespace Xml
