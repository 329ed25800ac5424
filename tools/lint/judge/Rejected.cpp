// Why a type rejects a text, where one thing in it is the cause: blanks
// around it, its case, commas where blanks belong, a colour form the type
// does not read, a keyword it does not know (with the nearest one it does),
// a measure's missing or unknown unit.
// A cause whose removal the type accepts comes with that rewrite.
#include <algorithm>
#include <vector>

#include "tools/lint/judge/Measure.h"
#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

namespace {

std::string loweredText(Text text) {
    std::wstring out(text);
    for (wchar_t& c : out)
        c = lower(c);
    return utf8(out);
}

// The edit distance between a and b, or limit + 1 once it is beyond limit.
std::size_t distance(Text a, std::wstring_view b, std::size_t limit) {
    if (a.size() > b.size() + limit || b.size() > a.size() + limit)
        return limit + 1;
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1,
                               diagonal + (lower(a[i - 1]) == lower(b[j - 1]) ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

std::string colourFormWhy(Text core) {
    for (const std::wstring_view keyword : {L"currentcolor"sv, L"inherit"sv}) {
        if (loweredText(core) == utf8(keyword))
            return concat({"the type does not read ", utf8(core), ", a CSS keyword"});
    }
    for (const std::wstring_view function : {L"hsl("sv, L"hsla("sv, L"rgba("sv, L"hwb("sv}) {
        if (core.substr(0, function.size()) == function)
            return concat({"the type does not read ", utf8(function.substr(0, function.size() - 1)),
                           "(): write the colour as #rrggbb or rgb()"});
    }
    if (startsFolded(core, L"rgb(") && core.find(L'.') != Text::npos)
        return "the type reads rgb() of whole numbers only, not fractions";
    if (startsFolded(core, L"rgb(") && core.find(L',') == Text::npos)
        return "the type reads rgb() with commas between the components";
    if (!core.empty() && core[0] == L'#' && (core.size() == 5 || core.size() == 9))
        return concat({"the type reads #rgb and #rrggbb, not ", std::to_string(core.size() - 1),
                       " hex digits"});
    return {};
}

// What in a measure the type refuses: its missing or unknown unit, a
// percentage, or a word; empty where it is none of these.
std::string measureWhy(Text core) {
    const WrittenMeasure written = readMeasure(core);
    if (written.word && isKeywordLike(core))
        return concat({"the type takes no keyword '", utf8(core), "' here, only a measure"});
    if (!written.number || written.function || !written.rest.empty())
        return {};
    if (written.unit.empty())
        return "a number needs a unit here; only 0 goes without";
    if (written.unit == L"%"sv)
        return "the type takes no percentage";
    std::wstring folded(written.unit);
    for (wchar_t& c : folded)
        c = lower(c);
    if (!knownUnit(folded))
        return concat({"'", utf8(written.unit), "' is no unit the engine reads"});
    return {};
}

}  // namespace

// The keywords of a table, and the one nearest text when one is close.
std::string keywordsTaken(Text text, const Keywords& table) {
    std::string list;
    std::wstring_view nearest;
    std::size_t best = 3;  // at most two edits away
    bool tie = false;
    int listed = 0;
    for (const Xml::KeywordRow& row : table.rows) {
        if (!row.parses())
            continue;
        if (listed++ < 8)
            list += concat({listed > 1 ? ", " : "", utf8(row.text)});
        const std::size_t d = distance(text, row.text, 2);
        if (d < best) {
            best = d;
            nearest = row.text;
            tie = false;
        } else if (d == best) {
            tie = true;
        }
    }
    if (listed == 0)
        return {};
    std::string out =
        concat({"not a keyword of the type, which takes ", list, listed > 8 ? " ..." : ""});
    if (!nearest.empty() && !tie)
        out += concat({"; the nearest is ", utf8(nearest)});
    return out;
}

std::optional<Verdict> whyRejected(Text text, const Refusal& refusal) {
    const Text core = trim(text);
    Verdict verdict = finding(Kind::Rejected, {});
    const auto accepted = [&](std::string candidate, std::string why, std::string description) {
        if (!refusal.accepts(Core::String::fromUtf8(candidate)))
            return false;
        verdict.reason = std::move(why);
        verdict.fix = Rewrite{std::move(candidate), true, std::move(description)};
        return true;
    };
    if (core.size() != text.size() && !core.empty() &&
        accepted(utf8(core), "the type does not read blanks around the value", "drop the blanks"))
        return verdict;
    if ((refusal.keywords != nullptr || refusal.colour || refusal.measure || refusal.words) &&
        accepted(loweredText(core),
                 concat({"the type reads ",
                         refusal.colour    ? "colour names"
                         : refusal.measure ? "units and keywords"
                                           : "keywords",
                         " in lower case only: ", loweredText(core)}),
                 "write it in lower case"))
        return verdict;
    // One separator written for another: the text with each replaced.
    const struct {
        bool applies;
        wchar_t written, wanted;
        const char* why;
        const char* description;
    } separators[] = {
        {refusal.commas, L',', L' ', "the type wants blanks between its numbers, not commas",
         "separate the numbers with blanks"},
        {refusal.words, L' ', L',', "the type wants commas between its keywords, not blanks",
         "separate the keywords with commas"},
        {refusal.language, L'_', L'-', "subtags are separated by '-', not '_'",
         "separate the subtags with '-'"},
    };
    for (const auto& separator : separators) {
        if (!separator.applies || core.find(separator.written) == Text::npos)
            continue;
        std::wstring replaced(core);
        std::replace(replaced.begin(), replaced.end(), separator.written, separator.wanted);
        if (accepted(utf8(replaced), separator.why, separator.description))
            return verdict;
    }
    if (const std::size_t cut = core.find_first_of(L"-_");
        refusal.language && cut != Text::npos &&
        refusal.accepts(Core::String(core.substr(0, cut)))) {
        // The region or script changes the text's language no less than
        // its spelling, so the shorter tag is only likely.
        verdict.reason = concat({"the type knows no tag ", utf8(core), ", only its language ",
                                 utf8(core.substr(0, cut))});
        verdict.fix = Rewrite{utf8(core.substr(0, cut)), false, "keep the language subtag only"};
        return verdict;
    }
    if (refusal.colour)
        verdict.reason = colourFormWhy(core);
    else if (refusal.keywords != nullptr)
        verdict.reason = keywordsTaken(core, *refusal.keywords);
    else if (refusal.measure)
        verdict.reason = measureWhy(core);
    if (verdict.reason.empty())
        return std::nullopt;
    return verdict;
}

}  // namespace xmlattr::lint::judging
