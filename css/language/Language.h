/// @file
/// Language: the language (and for English, the country) of a text, as the
/// pair of Drawing identifiers the rest of the engine reads, and the table of
/// language tags that gives them.
#pragma once

#include "platform/Export.h"

#include <span>
#include <string_view>

#include "css/attributes/XmlAttribute.h"
#include "platform/LanguageId.h"
#include "platform/SmartPtr.h"
#include "platform/String.h"

namespace Xml {

/// A text's language and country, as Drawing identifiers.
class XMLATTR_API Language : public Core::Object {
  public:
    /// One row of the tag table: a lower-case tag and the pair it gives.
    struct Tag {
        std::wstring_view tag;         ///< the tag, lower case
        Drawing::LanguageId language;  ///< the language it gives
        Drawing::CountryId country;    ///< the country it gives, 0 for none
    };

    /// The given pair; the default is no language and no country.
    Language(Drawing::LanguageId languageId = 0,  // NOLINT(google-explicit-constructor)
             Drawing::CountryId countryId = 0)
        : language(languageId), country(countryId) {}
    /// The same pair in a new object, with no references of its own.
    Language(const Language& other)
        : Core::Object(), language(other.language), country(other.country) {}
    /// Takes other's pair; the reference count stays.
    Language& operator=(const Language& other) {
        language = other.language;
        country = other.country;
        return *this;
    }
    ~Language() override = default;

    /// Languages are equal whatever their countries.
    bool operator==(const Language& other) const { return language == other.language; }
    /// By language, then by country.
    bool operator<(const Language& other) const {
        return language != other.language ? language < other.language : country < other.country;
    }

    /// Looks the whole text up in the tag table, ignoring the case of ASCII
    /// letters; no trimming, no splitting. On a hit out takes the tag's pair and
    /// the result is true; otherwise out is left as it was.
    static bool parseLanguage(const Core::String& text, Language& out);

    /// The full English name of a language in lower case ("czech"); identifiers
    /// that no tag gives (below 1, above 139, and 41) give "english".
    static Core::String getFullLanguageNameById(Drawing::LanguageId id);

    /// The row the text matches, or nullptr; allocates nothing and takes a
    /// handful of comparisons whatever the table's length.
    static const Tag* findTag(std::wstring_view text) noexcept;
    /// The tag table in its declared order (145 rows).
    static std::span<const Tag> tags() noexcept;

    Drawing::LanguageId language;  ///< the language
    Drawing::CountryId country;    ///< the country, 0 for none
};

/// Language attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<Language> : NoTextFormat {
    /// Language::parseLanguage.
    static bool parse(Language& value, const Core::String& text) {
        return Language::parseLanguage(text, value);
    }
};

extern template class TXmlAttribute<Language>;

}  // namespace Xml
