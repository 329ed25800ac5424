// The attribute types the xmlattr tool knows, in one table (TypeRegistry.cpp).
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "css/keywords/Keyword.h"
#include "platform/String.h"
#include "tools/registry/TypeList.h"

namespace xmlattr_tool {

// One field of a held value as the tool shows it. A text field holds the
// text itself (UTF-8); the plain report shows it quoted, JSON as a string.
struct Field {
    std::string name;
    std::string value;
    bool text = false;
};

// What parsing one text as one type gave.
struct Report {
    bool accepted = false;
    std::vector<Field> fields;  // the held value, field by field (when asked for)
    Core::String text;          // getValueAsString
    // Set when getValueAsString raised (a held value with no text form, such
    // as a point in ex units written in pixels): where it was raised.
    const char* raisedFile = nullptr;
    int raisedLine = 0;
};

std::string_view familyName(Family family);

// A keyword table without its enum type: its rules, its rows in table order
// and the library's writer of its values (which may raise for a strict table).
struct KeywordTableView {
    const Xml::KeywordRules* rules = nullptr;
    std::span<const Xml::KeywordRow> rows;
    Core::String (*format)(std::int32_t value) = nullptr;
};

template <Xml::KeywordEnum E>
KeywordTableView keywordTableOf() {
    constexpr const auto& table = Xml::KeywordsOf<E>::table;
    return {&table.rules, table.rows,
            [](std::int32_t value) { return Xml::formatKeyword(static_cast<E>(value)); }};
}

struct TypeEntry {
    std::string_view name;
    Report (*runner)(const Core::String& text, bool withFields);
    Family family;
    KeywordTableView (*keywords)();  // keyword enumerations only, else null
    // The promises of tools/PropertyCheck.h on first, then second: empty when
    // they hold, else what broke.
    std::string (*check)(const Core::String& first, const Core::String& second);
    // Whether a rejected text still stores something (tools/PropertyCheck.h).
    bool storesOnRejection;

    // Parses text with a fresh attribute. Fields are gathered only when asked
    // for: on long lists they cost far more than the parse.
    Report run(const Core::String& text, bool withFields = true) const {
        return runner(text, withFields);
    }
};

std::span<const TypeEntry> registeredTypes();
const TypeEntry* findType(std::string_view name);
// The type whose name is nearest to name (letter case aside, at most two
// letters changed, dropped, added or swapped), for "did you mean"; or null.
const TypeEntry* closestType(std::string_view name);

}  // namespace xmlattr_tool
