#include "tools/lint/judge/Measure.h"

#include <algorithm>

namespace xmlattr::lint::judging {

std::string measureShown(const HeldMeasure& measure) {
    std::string out = numberShown(measure.number);
    out += measure.unit;
    return out;
}

std::string measureShown(const std::optional<HeldMeasure>& measure) {
    return measure ? measureShown(*measure) : "its default";
}

namespace {

// A letter of a word: an ASCII letter, or any letter beyond ASCII ("é").
bool isWordLetter(wchar_t c) {
    return isLetter(c) || c >= 0x80;
}

// Whether what follows a first number is arithmetic rather than more values.
bool isExpression(Text rest) {
    if (rest.find_first_of(L"+*/()"sv) != Text::npos)
        return true;
    for (const Text op : {L"div"sv, L"mod"sv, L"- "sv}) {
        const std::size_t at = rest.find(op);
        if (at != Text::npos && (at == 0 || isBlank(rest[at - 1])))
            return true;
    }
    return false;
}

// Whether a measure written as number and unit holds that number in that
// unit: a bare number is pixels, or a ratio where the type holds percentages
// (line-height="1.2" is 120%), and zero is zero in any unit.
bool matches(const WrittenMeasure& written, const HeldMeasure& held) {
    if (written.unit.empty() && held.isPercent())
        return sameNumber(static_cast<double>(written.value) * 100, held.number);
    if (!sameNumber(written.value, held.number))
        return false;
    if (written.value == 0 ||
        std::equal(written.unit.begin(), written.unit.end(), held.unit.begin(), held.unit.end()))
        return true;
    return written.unit.empty() && held.isPixels();
}

}  // namespace

WrittenMeasure readMeasure(Text text) {
    WrittenMeasure out;
    // Most measures are a number and a unit run together and nothing else
    // ("12pt", "50%", "1.5"): read at once.
    if (!text.empty() && (isDigit(text[0]) || text[0] == L'.' || text[0] == L'-')) {
        std::size_t pos = 0;
        if (const auto value = readNumber(text, pos)) {
            std::size_t end = pos;
            if (end < text.size() && text[end] == L'%') {
                ++end;
            } else {
                while (end < text.size() && isLetter(text[end]))
                    ++end;
            }
            if (end == text.size()) {
                out.number = true;
                out.value = *value;
                out.unit = text.substr(pos);
                return out;
            }
        }
    }
    const Text core = trim(text);
    out.blankAround = core.size() != text.size();
    std::size_t letters = 0;
    while (letters < core.size() && (isLetter(core[letters]) || core[letters] == L'-'))
        ++letters;
    out.function = letters > 0 && letters < core.size() && core[letters] == L'(';
    if (out.function) {
        out.functionName = core.substr(0, letters);
        std::size_t inside = letters + 1;
        const auto argument = readNumber(core, inside);
        if (argument && core.substr(inside) == L")"sv)
            out.argument = argument;
    }
    out.word = !core.empty() && isWordLetter(core[0]) &&
               std::all_of(core.begin(), core.end(), [](wchar_t c) {
                   return isWordLetter(c) || isDigit(c) || c == L'-' || c == L'_';
               });
    std::size_t pos = 0;
    if (!core.empty() && core[0] == L'(') {
        out.rest = core;  // an expression in parentheses
    } else if (const auto value = readNumber(core, pos)) {
        out.number = true;
        out.value = *value;
        std::size_t unitStart = pos;
        while (unitStart < core.size() && isBlank(core[unitStart]))
            ++unitStart;
        std::size_t unitEnd = unitStart;
        if (unitEnd < core.size() && core[unitEnd] == L'%') {
            ++unitEnd;
        } else {
            while (unitEnd < core.size() && isLetter(core[unitEnd]))
                ++unitEnd;
        }
        if (unitEnd > unitStart) {
            out.unit = core.substr(unitStart, unitEnd - unitStart);
            pos = unitEnd;
        }
        out.rest = trim(core.substr(pos));
    }
    return out;
}

std::optional<Verdict> judgeWrittenMeasure(const WrittenMeasure& written,
                                           const std::optional<HeldMeasure>& held) {
    // The common case first: one measure, as held.
    if (!written.function && written.rest.empty() &&
        (!written.number || !held || matches(written, *held)))
        return std::nullopt;
    // Column widths read the proportion of proportional-column-width(N) as
    // the ratio N, which is what the function means to the engine.
    if (written.functionName == L"proportional-column-width"sv && written.argument && held &&
        held->isPercent() && sameNumber(static_cast<double>(*written.argument) * 100, held->number))
        return std::nullopt;
    if (written.function)
        return finding(Kind::Expression,
                       "a function is not evaluated: only its first number is read");
    if (!written.rest.empty() && isExpression(written.rest))
        return finding(Kind::Expression,
                       "an expression is not computed: only its first number is read");
    if (!written.rest.empty())
        return finding(Kind::ListReadAsOne, "only the first of several values is read");
    if (!written.number || !held || matches(written, *held))
        return std::nullopt;
    if (written.blankAround)
        return finding(Kind::BlankChangedUnit,
                       "a blank before or after the value changes the unit it is read in");
    if (!written.unit.empty() && !knownUnit(written.unit))
        return finding(Kind::UnknownUnit,
                       concat({"unknown unit '", utf8(written.unit), "' is read as ", held->unit}));
    return finding(Kind::ReadsDifferently, "the measure read is not the one written");
}

Verdict notANumber() {
    return finding(Kind::NotANumber, "a word the type does not know is read as a number");
}

}  // namespace xmlattr::lint::judging
