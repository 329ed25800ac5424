// Keywords: the keyword an author names, as CSS and XSL-FO read keywords
// (ASCII letters in any case, blanks around dropped), against the value the
// type's table holds; a weight written as a number is read as the face it
// selects between normal and bold.
#include <cmath>
#include <utility>

#include "css/keywords/FontKeywords.h"
#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

namespace {

bool sameFolded(Text text, std::wstring_view keyword) {
    if (text.size() != keyword.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (lower(text[i]) != lower(keyword[i]))
            return false;
    }
    return true;
}

// The row whose keyword text names, letters in any case; null for none.
const Xml::KeywordRow* keywordNamed(const Keywords& table, Text text) {
    for (const Xml::KeywordRow& row : table.rows) {
        if (row.parses() && sameFolded(text, row.text))
            return &row;
    }
    return nullptr;
}

// A whole integer written alone ("500"), or none.
std::optional<long> integerWritten(Text text) {
    std::size_t pos = 0;
    const std::optional<float> number = readNumber(text, pos);
    if (!number || pos != text.size() || *number != std::floor(*number) ||
        std::fabs(*number) > 1e9 || text.find_first_of(L".eE") != Text::npos)
        return std::nullopt;
    return static_cast<long>(*number);
}

std::string nameShown(const Keywords& table, std::int32_t value) {
    const std::wstring_view name = Xml::keyword_detail::nameOf(table.index, value);
    return name.empty() ? std::to_string(value) : utf8(name);
}

}  // namespace

std::optional<Verdict> judgeKeyword(Text text, const Keywords& table, std::int32_t held) {
    // As a rule the text is the held value's name.
    const std::wstring_view name = Xml::keyword_detail::nameOf(table.index, held);
    if (name == text ||
        (Xml::keyword_detail::foldsCase(table.index.rules->match) && sameFolded(text, name)) ||
        Xml::keyword_detail::findKeyword(table.index, text) != nullptr)
        return std::nullopt;  // a keyword of the table, in a case it reads
    const Text core = trim(text);
    if (const Xml::KeywordRow* row = keywordNamed(table, core)) {
        if (row->value == held)
            return std::nullopt;
        Verdict verdict =
            finding(Kind::ReadsDifferently,
                    concat({"the type reads keywords in their exact case and blanks: '", utf8(text),
                            "' is not taken as ", utf8(row->text)}));
        verdict.fix = Rewrite{utf8(row->text), true, "write the keyword as the type reads it"};
        return verdict;
    }
    if (const std::optional<long> number = integerWritten(core)) {
        if (table.byNumber == nullptr)
            return std::nullopt;  // an integer as the table reads it
        const std::optional<std::int32_t> meant = table.byNumber(*number);
        if (meant && *meant == held)
            return std::nullopt;
        return finding(Kind::ReadsDifferently,
                       meant ? concat({utf8(core), " selects ", nameShown(table, *meant), "; ",
                                       table.numberRule})
                             : concat({utf8(core), " is not a value this property takes; ",
                                       table.numberRule}));
    }
    const std::string taken = keywordsTaken(core, table);
    return finding(Kind::ReadsDifferently,
                   concat({taken.empty() ? "not a keyword of the type" : taken,
                           ": the text is accepted and the value left as it was"}));
}

std::optional<std::int32_t> fontWeightOfNumber(long weight) {
    // Between a normal (400) and a bold (700) face, as fonts are matched: a
    // weight up to 500 selects the normal face, a heavier one the bold face.
    if (weight < 1 || weight > 1000)
        return std::nullopt;
    return weight > 500 ? static_cast<std::int32_t>(Xml::FontWeight::Bold)
                        : static_cast<std::int32_t>(Xml::FontWeight::Normal);
}

std::string keywordShown(const Keywords& table, std::int32_t held) {
    return nameShown(table, held);
}

std::optional<Verdict> judgeDecoration(Text text, const Xml::STextDecoration& held) {
    constexpr std::wstring_view kLines[] = {L"underline", L"overline", L"line-through"};
    const auto is = [](Text word, std::wstring_view keyword) {
        return word.size() == keyword.size() && startsFolded(word, keyword);
    };
    bool meant[3] = {false, false, false};
    bool none = false;
    int words = 0;
    for (std::size_t pos = 0; pos < text.size();) {
        while (pos < text.size() && (isBlank(text[pos]) || text[pos] == L','))
            ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && !isBlank(text[pos]) && text[pos] != L',')
            ++pos;
        if (pos == start)
            break;
        const Text word = text.substr(start, pos - start);
        ++words;
        bool known = is(word, L"none");
        none = none || known;
        for (std::size_t i = 0; i < std::size(kLines); ++i) {
            if (is(word, kLines[i]))
                meant[i] = known = true;
        }
        if (!known)
            return finding(Kind::ReadsDifferently,
                           concat({"'", utf8(word), "' is no decoration the engine draws"}));
    }
    if (none && words > 1)
        return finding(Kind::ReadsDifferently,
                       "none goes alone: with it, every other decoration is dropped");
    if (meant[0] == held.isUnderline() && meant[1] == held.isOverline() &&
        meant[2] == held.isLineThrough())
        return std::nullopt;
    return finding(Kind::ReadsDifferently, "the decorations read are not the ones written");
}

std::string decorationShown(const Xml::STextDecoration& held) {
    if (held.isNone())
        return "none";
    std::string out;
    for (const auto& [on, name] :
         {std::pair{held.isUnderline(), "underline"}, std::pair{held.isOverline(), "overline"},
          std::pair{held.isLineThrough(), "line-through"}}) {
        if (!on)
            continue;
        if (!out.empty())
            out += ' ';
        out += name;
    }
    return out;
}

}  // namespace xmlattr::lint::judging
