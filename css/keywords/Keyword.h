/// @file
/// Keyword enumerations: one mechanism shared by every enumerated attribute.
///
/// An enumerated attribute holds an enum class E with 32-bit storage. Its text
/// is read by matching the whole text (untrimmed) against the keywords of E's
/// table, first match in table order wins, and is written back as the name the
/// table gives the value. An enum opts in with data only:
///
///     enum class Span : std::int32_t { None = 0, All = 1 };
///     template <>
///     struct KeywordsOf<Span> {
///         static constexpr auto table = keywordTable<Span>(
///             {.match = KeywordMatch::CaseInsensitive},
///             {keyword(L"none", Span::None), keyword(L"all", Span::All)});
///     };
///     extern template class TXmlAttribute<Span>;   // header; the source has
///                                                  // template class TXmlAttribute<Span>;
///
/// Rows, in the order keywords are tried: keyword (reads as the value and is
/// its name), keywordAlias (reads only), writtenAs (name only: values parsing
/// never gives, or whose name differs from their keywords), fromInteger (an
/// integer text that reads as the value). Rules, all optional: match (Exact,
/// CaseInsensitive, LowerCased), format (Keyword, Fallback with .fallback,
/// Strict with `.raiseAt = {"FileName", __LINE__}`, None) and noMatch
/// (integerThreshold, clampedCount, acceptUnchanged, storeAndReject).
///
/// The constrained AttributeTraits<E> below then gives TXmlAttribute<E> its
/// parse and format, and checks the table at compile time. The table is
/// indexed at compile time (keywords in a hash index, TextIndex.h; names and
/// integers sorted by value), so a lookup costs the same whatever the position
/// of the keyword in the table, allocates nothing, and gives the same answer
/// as trying the keywords in table order (no two keywords may match one text).
#pragma once

#include "platform/Export.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "css/attributes/TextIndex.h"
#include "css/attributes/XmlAttribute.h"
#include "platform/String.h"

namespace Xml {

/// How the whole attribute text is compared with a keyword.
enum class KeywordMatch : std::uint8_t {
    Exact,            ///< unit for unit, case-sensitive
    CaseInsensitive,  ///< ASCII letters folded on both sides
    LowerCased,       ///< the text lower-cased, then compared exactly (keywords are lower case)
};

/// How getValueAsString writes a value.
enum class KeywordFormat : std::uint8_t {
    Keyword,   ///< the value's name; a value without one gives the empty text
    Fallback,  ///< the value's name; a value without one gives the table's fallback text
    Strict,    ///< the value's name; a value without one is a programming error and raises
    None,      ///< the empty text for every value
};

/// What parsing does with a text that is no keyword (and, where the table has
/// integer rows, no listed integer either).
enum class NoMatch : std::uint8_t {
    Reject,            ///< false; the value is kept
    IntegerThreshold,  ///< an integer (bool form of parseInt) above the limit stores one
                       ///< value, any other integer another; false when there is none
    ClampedCount,      ///< the integer-returning parseInt, raised to a minimum, is the
                       ///< value itself; always true
    Accept,            ///< true; the value is kept
    StoreAndReject,    ///< a fixed value is stored and the result is false
};

/// The no-match rule of a table, made by the functions below.
struct XMLATTR_API NoMatchRule {
    NoMatch kind = NoMatch::Reject;  ///< what a text that is no keyword does
    std::int32_t limit = 0;          ///< IntegerThreshold: the limit; ClampedCount: the minimum
    std::int32_t value = 0;          ///< IntegerThreshold: above the limit; StoreAndReject: stored
    std::int32_t otherwise = 0;      ///< IntegerThreshold: at or below the limit
};

/// An integer above limit stores above, any other integer atOrBelow; a text
/// that is no integer is refused.
template <class E>
constexpr NoMatchRule integerThreshold(std::int32_t limit, E above, E atOrBelow) {
    return {NoMatch::IntegerThreshold, limit, static_cast<std::int32_t>(above),
            static_cast<std::int32_t>(atOrBelow)};
}
/// The number the text starts with, raised to minimum, is the value; always true.
constexpr NoMatchRule clampedCount(std::int32_t minimum) {
    return {NoMatch::ClampedCount, minimum, 0, 0};
}
/// Any other text is accepted and the value kept.
constexpr NoMatchRule acceptUnchanged() {
    return {NoMatch::Accept, 0, 0, 0};
}
/// Any other text stores stored and is refused.
template <class E>
constexpr NoMatchRule storeAndReject(E stored) {
    return {NoMatch::StoreAndReject, 0, static_cast<std::int32_t>(stored), 0};
}

/// Where a strict formatter reports a value outside its table.
struct XMLATTR_API CodeLocation {
    const char* file = nullptr;  ///< a source base name
    int line = 0;                ///< a line in it
};

/// Everything about a table besides its rows.
struct XMLATTR_API KeywordRules {
    KeywordMatch match = KeywordMatch::Exact;       ///< how texts are compared
    KeywordFormat format = KeywordFormat::Keyword;  ///< how values are written
    std::wstring_view fallback = {};                ///< KeywordFormat::Fallback
    CodeLocation raiseAt = {};                      ///< KeywordFormat::Strict
    NoMatchRule noMatch = {};                       ///< what a text that is no keyword does
};

/// One row of a table. A row can be a keyword that parses to a value and is
/// also its name, a keyword that only parses (an alias), a name only (a value
/// that parsing never produces, or one whose text differs from its keywords),
/// or an integer that parses to a value.
struct XMLATTR_API KeywordRow {
    /// The bits of role.
    enum Role : std::uint8_t { Parses = 1, Names = 2, Integer = 4 };

    std::wstring_view text;   ///< keyword and/or name; empty for an integer row
    std::int32_t value = 0;   ///< the enum value, as an integer
    std::int32_t number = 0;  ///< integer rows: the integer read
    std::uint8_t role = 0;    ///< Role bits

    /// The text (or the integer) reads as the value.
    constexpr bool parses() const { return (role & Parses) != 0; }
    /// The text is the value's name.
    constexpr bool names() const { return (role & Names) != 0; }
    /// An integer row.
    constexpr bool isInteger() const { return (role & Integer) != 0; }
};

/// A row typed by its enum, so that a table cannot mix enums.
template <class E>
struct KeywordEntry {
    KeywordRow row;  ///< the row
};

/// text parses to value, and value is written as text.
template <class E>
constexpr KeywordEntry<E> keyword(std::wstring_view text, E value) {
    return {{text, static_cast<std::int32_t>(value), 0, KeywordRow::Parses | KeywordRow::Names}};
}
/// text parses to value; the value is written by another row.
template <class E>
constexpr KeywordEntry<E> keywordAlias(std::wstring_view text, E value) {
    return {{text, static_cast<std::int32_t>(value), 0, KeywordRow::Parses}};
}
/// value is written as text; parsing does not read text as value.
template <class E>
constexpr KeywordEntry<E> writtenAs(std::wstring_view text, E value) {
    return {{text, static_cast<std::int32_t>(value), 0, KeywordRow::Names}};
}
/// A text that reads as the integer number parses to value.
template <class E>
constexpr KeywordEntry<E> fromInteger(std::int32_t number, E value) {
    return {{{}, static_cast<std::int32_t>(value), number, KeywordRow::Integer}};
}

namespace keyword_detail {

// Core::String::toLowerAscii, usable at compile time.
constexpr wchar_t fold(wchar_t c) {
    return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
}

// The order of the compile-time index: by length, then unit by unit (ASCII
// letters folded when folded is set). Zero exactly when the texts match.
constexpr int compareKeys(std::wstring_view a, std::wstring_view b, bool folded) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const wchar_t x = folded ? fold(a[i]) : a[i];
        const wchar_t y = folded ? fold(b[i]) : b[i];
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

// Whether a rule compares keywords with ASCII letters folded. The lower-cased
// rule does: its keywords hold no capital, so lower-casing the text and
// comparing exactly is the same as folding both sides.
constexpr bool foldsCase(KeywordMatch match) {
    return match != KeywordMatch::Exact;
}

}  // namespace keyword_detail

/// A table with its indexes, without its enum type: what the shared code reads.
struct XMLATTR_API KeywordIndex {
    const KeywordRules* rules;     ///< the rules
    const KeywordRow* rows;        ///< the rows, in table order
    TextIndexView byText;          ///< parsing keywords, hashed
    const std::uint8_t* byValue;   ///< names, by value
    int nameCount;                 ///< entries of byValue
    const std::uint8_t* byNumber;  ///< integer rows, by number
    int numberCount;               ///< entries of byNumber
};

/// The table of enum E, N rows with their indexes; made by keywordTable.
template <class E, std::size_t N>
struct KeywordTable {
    static_assert(N > 0 && N < 256, "a keyword table holds 1 to 255 rows");
    using enum_type = E;  ///< the enum the table is for

    KeywordRules rules;                      ///< the rules
    std::array<KeywordRow, N> rows{};        ///< in table order
    TextIndex<N> byText;                     ///< parsing keywords, hashed
    std::array<std::uint8_t, N> byValue{};   ///< rows that name a value, by value
    int nameCount = 0;                       ///< entries of byValue
    std::array<std::uint8_t, N> byNumber{};  ///< integer rows, by number
    int numberCount = 0;                     ///< entries of byNumber

    /// The table without its enum type, for the shared code.
    constexpr KeywordIndex index() const {
        return {&rules,    rows.data(),     byText.view(), byValue.data(),
                nameCount, byNumber.data(), numberCount};
    }

    /// @name Compile-time checks
    /// Checks run over every table at compile time (see AttributeTraits<E>).
    ///@{

    /// No two keywords match the same text under the table's rule, so the
    /// indexed lookup and a first-match scan agree.
    constexpr bool keywordsDistinct() const {
        const bool folded = keyword_detail::foldsCase(rules.match);
        for (std::size_t a = 0; a < N; ++a) {
            for (std::size_t b = a + 1; b < N; ++b) {
                if (rows[a].parses() && rows[b].parses() &&
                    keyword_detail::compareKeys(rows[a].text, rows[b].text, folded) == 0) {
                    return false;
                }
            }
        }
        return true;
    }
    /// The rows that parse (keywords and aliases).
    constexpr std::size_t parsingRows() const {
        std::size_t count = 0;
        for (const KeywordRow& row : rows)
            count += row.parses() ? 1 : 0;
        return count;
    }
    /// Keyword and name rows have a text; integer rows have none.
    constexpr bool textsPresent() const {
        for (const KeywordRow& row : rows) {
            if (row.isInteger() ? !row.text.empty() || row.role != KeywordRow::Integer
                                : row.text.empty()) {
                return false;
            }
        }
        return true;
    }
    /// A lower-cased table holds no capital letter.
    constexpr bool keywordsLowerCase() const {
        if (rules.match != KeywordMatch::LowerCased)
            return true;
        for (const KeywordRow& row : rows) {
            for (wchar_t c : row.text) {
                if (c >= L'A' && c <= L'Z')
                    return false;
            }
        }
        return true;
    }
    /// No value has two names.
    constexpr bool oneNamePerValue() const {
        for (int i = 1; i < nameCount; ++i) {
            if (rows[byValue[i - 1]].value == rows[byValue[i]].value)
                return false;
        }
        return true;
    }
    /// No integer is listed twice.
    constexpr bool integersDistinct() const {
        for (int i = 1; i < numberCount; ++i) {
            if (rows[byNumber[i - 1]].number == rows[byNumber[i]].number)
                return false;
        }
        return true;
    }
    /// Fallback has a text, Strict a code location, the other rules neither.
    constexpr bool formatRuleComplete() const {
        switch (rules.format) {
            case KeywordFormat::Fallback:
                return !rules.fallback.empty();
            case KeywordFormat::Strict:
                return rules.raiseAt.file != nullptr && rules.raiseAt.line > 0;
            default:
                return rules.fallback.empty();
        }
    }
    /// Where values are written, every value that parsing can produce has a name.
    constexpr bool parsedValuesNamed() const {
        if (rules.format == KeywordFormat::None)
            return true;
        for (const KeywordRow& row : rows) {
            if ((row.parses() || row.isInteger()) && !hasName(row.value))
                return false;
        }
        if (rules.noMatch.kind == NoMatch::IntegerThreshold) {
            return hasName(rules.noMatch.value) && hasName(rules.noMatch.otherwise);
        }
        return true;
    }
    /// Some row names value.
    constexpr bool hasName(std::int32_t value) const {
        for (const KeywordRow& row : rows) {
            if (row.names() && row.value == value)
                return true;
        }
        return false;
    }
    ///@}
};

/// Builds a table from its rules and its rows in table order, and indexes it.
template <class E, std::size_t N>
constexpr KeywordTable<E, N> keywordTable(const KeywordRules& rules,
                                          const KeywordEntry<E> (&entries)[N]) {
    KeywordTable<E, N> table{};
    table.rules = rules;
    for (std::size_t i = 0; i < N; ++i)
        table.rows[i] = entries[i].row;

    // Insertion sorts: the tables are short and this runs at compile time.
    table.byText = TextIndex<N>(keyword_detail::foldsCase(rules.match));
    auto insert = [](std::array<std::uint8_t, N>& index, int& count, std::uint8_t row,
                     auto&& less) {
        int at = count++;
        while (at > 0 && less(row, index[at - 1])) {
            index[at] = index[at - 1];
            --at;
        }
        index[at] = row;
    };
    const auto& rows = table.rows;
    for (std::size_t i = 0; i < N; ++i) {
        const auto row = static_cast<std::uint8_t>(i);
        if (rows[i].parses())
            table.byText.add(i, rows[i].text);
        if (rows[i].names()) {
            insert(table.byValue, table.nameCount, row,
                   [&](std::uint8_t a, std::uint8_t b) { return rows[a].value < rows[b].value; });
        }
        if (rows[i].isInteger()) {
            insert(table.byNumber, table.numberCount, row,
                   [&](std::uint8_t a, std::uint8_t b) { return rows[a].number < rows[b].number; });
        }
    }
    table.byText.build();
    return table;
}

/// The table of an enum: specialise with `static constexpr auto table = keywordTable<E>(...)`.
template <class E>
struct KeywordsOf {};

/// An enum with 32-bit storage and a KeywordsOf table of its own.
template <class E>
concept KeywordEnum =
    std::is_enum_v<E> && std::is_same_v<std::underlying_type_t<E>, std::int32_t> && requires {
    { KeywordsOf<E>::table.index() } -> std::same_as<KeywordIndex>;
    requires std::is_same_v<typename std::remove_cvref_t<decltype(KeywordsOf<E>::table)>::enum_type,
                            E>;
};

// The shared code, written once for every table (Keyword.cpp).
namespace keyword_detail {

// The row of the keyword that text matches, or null.
XMLATTR_API const KeywordRow* findKeyword(const KeywordIndex& table,
                                          std::wstring_view text) noexcept;
// Keywords, then integer rows, then the no-match rule. value is written only
// where the rule says so.
XMLATTR_API bool parse(const KeywordIndex& table, std::wstring_view text, std::int32_t& value);
// The value's name, or the empty view where the table names none.
XMLATTR_API std::wstring_view nameOf(const KeywordIndex& table, std::int32_t value) noexcept;
// getValueAsString by the table's format rule.
XMLATTR_API Core::String format(const KeywordIndex& table, std::int32_t value);

}  // namespace keyword_detail

/// The index of E's table, built once at compile time rather than per call.
template <KeywordEnum E>
inline constexpr KeywordIndex kKeywordIndex = KeywordsOf<E>::table.index();

/// kKeywordIndex<E>.
template <KeywordEnum E>
constexpr const KeywordIndex& keywordIndex() {
    return kKeywordIndex<E>;
}

/// Reads text as an E by the enum's table; on false, value is as the table's
/// no-match rule leaves it (as a rule unchanged). Allocates nothing.
///@{
template <KeywordEnum E>
bool parseKeyword(E& value, std::wstring_view text) {
    auto raw = static_cast<std::int32_t>(value);
    const bool accepted = keyword_detail::parse(keywordIndex<E>(), text, raw);
    value = static_cast<E>(raw);
    return accepted;
}

template <KeywordEnum E>
bool parseKeyword(E& value, const Core::String& text) {
    return parseKeyword(value, text.view());
}
///@}

/// For values that are a keyword or a measure: a keyword of E's table gives
/// Value(keyword); any other text is read as a Measure and gives
/// Value(measure); neither gives false with value unchanged.
template <KeywordEnum E, class Value, class Measure>
bool parseKeywordOrMeasure(Value& value, const Core::String& text,
                           bool (*parseMeasure)(Measure&, std::wstring_view)) {
    // Only plain rejection tells "no keyword" from a keyword: a table that
    // accepts or stores on a miss would never let the measure be read.
    static_assert(KeywordsOf<E>::table.rules.noMatch.kind == NoMatch::Reject,
                  "a keyword-or-measure table must reject texts that are no keyword");
    E keyword{};
    if (parseKeyword(keyword, text.view())) {
        value = Value(keyword);
        return true;
    }
    Measure measure;
    if (!parseMeasure(measure, text.view()))
        return false;
    value = Value(measure);
    return true;
}

/// The text getValueAsString gives for value (may raise for a strict table).
template <KeywordEnum E>
Core::String formatKeyword(E value) {
    return keyword_detail::format(keywordIndex<E>(), static_cast<std::int32_t>(value));
}

/// The name the table gives value whatever its format rule; empty where none.
template <KeywordEnum E>
std::wstring_view keywordName(E value) noexcept {
    return keyword_detail::nameOf(keywordIndex<E>(), static_cast<std::int32_t>(value));
}

/// Keyword attributes: every enum with a KeywordsOf table. Instantiating it
/// checks the table at compile time.
template <KeywordEnum E>
struct AttributeTraits<E> {
    static constexpr const auto& table = KeywordsOf<E>::table;  ///< E's table
    static_assert(table.textsPresent(),
                  "keyword and name rows need a text; integer rows have none");
    static_assert(table.keywordsDistinct(), "two keywords of the table match the same text");
    static_assert(table.byText.built() && table.byText.size() == table.parsingRows(),
                  "a keyword is beyond ASCII or longer than an index takes");
    static_assert(table.keywordsLowerCase(), "a lower-cased table holds a capital letter");
    static_assert(table.oneNamePerValue(), "a value has two names");
    static_assert(table.integersDistinct(), "an integer is listed twice");
    static_assert(table.formatRuleComplete(),
                  "fallback needs a text, strict needs a code location, others neither");
    static_assert(table.parsedValuesNamed(), "a value that parsing produces has no name");

    /// parseKeyword.
    static bool parse(E& value, const Core::String& text) { return parseKeyword(value, text); }
    /// formatKeyword.
    static Core::String format(const E& value) { return formatKeyword(value); }
};

}  // namespace Xml
