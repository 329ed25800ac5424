#include "css/keywords/Keyword.h"

#include <algorithm>

#include "platform/Exception.h"
#include "platform/Format.h"

namespace Xml::keyword_detail {

namespace {

// Binary search of index[0..count) for the row whose key compares 0 with the
// probe; compare(row) gives the row's key order relative to the probe.
template <class Compare>
const KeywordRow* search(const KeywordRow* rows, const std::uint8_t* index, int count,
                         Compare compare) noexcept {
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const KeywordRow& row = rows[index[middle]];
        const int order = compare(row);
        if (order == 0)
            return &row;
        if (order < 0) {
            low = middle + 1;
        } else {
            high = middle;
        }
    }
    return nullptr;
}

const KeywordRow* findInteger(const KeywordIndex& table, std::int32_t number) noexcept {
    return search(table.rows, table.byNumber, table.numberCount, [number](const KeywordRow& row) {
        return row.number < number ? -1 : row.number > number ? 1 : 0;
    });
}

}  // namespace

const KeywordRow* findKeyword(const KeywordIndex& table, std::wstring_view text) noexcept {
    const int row = table.byText.find(text);
    return row >= 0 ? &table.rows[row] : nullptr;
}

bool parse(const KeywordIndex& table, std::wstring_view text, std::int32_t& value) {
    if (const KeywordRow* row = findKeyword(table, text)) {
        value = row->value;
        return true;
    }
    if (table.numberCount > 0) {
        int number = 0;
        if (Core::Format::parseInt(text, number)) {
            if (const KeywordRow* row = findInteger(table, number)) {
                value = row->value;
                return true;
            }
        }
    }
    const NoMatchRule& rule = table.rules->noMatch;
    switch (rule.kind) {
        case NoMatch::Reject:
            return false;
        case NoMatch::IntegerThreshold: {
            int number = 0;
            if (!Core::Format::parseInt(text, number))
                return false;
            value = number > rule.limit ? rule.value : rule.otherwise;
            return true;
        }
        case NoMatch::ClampedCount:
            value = std::max(Core::Format::parseInt(text), rule.limit);
            return true;
        case NoMatch::Accept:
            return true;
        case NoMatch::StoreAndReject:
            value = rule.value;
            return false;
    }
    return false;
}

std::wstring_view nameOf(const KeywordIndex& table, std::int32_t value) noexcept {
    const KeywordRow* row =
        search(table.rows, table.byValue, table.nameCount, [value](const KeywordRow& candidate) {
            return candidate.value < value ? -1 : candidate.value > value ? 1 : 0;
        });
    return row != nullptr ? row->text : std::wstring_view();
}

Core::String format(const KeywordIndex& table, std::int32_t value) {
    const KeywordRules& rules = *table.rules;
    if (rules.format == KeywordFormat::None)
        return Core::String();
    const std::wstring_view name = nameOf(table, value);
    if (!name.empty())
        return Core::String(name);
    // A value a strict table does not name is a programming error: it
    // raises. Were raise ever to return, the value would write as nothing.
    if (rules.format == KeywordFormat::Strict)
        Core::raise<Core::UnreacheableCodeException>(rules.raiseAt.file, rules.raiseAt.line);
    return rules.format == KeywordFormat::Fallback ? Core::String(rules.fallback) : Core::String();
}

}  // namespace Xml::keyword_detail
