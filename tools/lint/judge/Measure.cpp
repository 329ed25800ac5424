#include "tools/lint/judge/Measure.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

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

// Units of CSS the library does not read.
constexpr std::wstring_view kOtherCssUnits[] = {L"ch",   L"rem",  L"lh", L"vw", L"vh",
                                                L"vmin", L"vmax", L"q",  L"deg"};

bool isOtherCssUnit(Text unit) {
    return std::any_of(std::begin(kOtherCssUnits), std::end(kOtherCssUnits),
                       [&](std::wstring_view known) {
                           return std::equal(unit.begin(), unit.end(), known.begin(), known.end(),
                                             [](wchar_t a, wchar_t b) { return lower(a) == b; });
                       });
}

// Whether unit is none, or a unit of CSS's in any case ("PT", "rem"): zero is
// zero in any of them, not in a unit no grammar has ("0qq").
bool unitInAnyCase(Text unit) {
    if (unit.size() < 2)
        return unit.empty() || lower(unit[0]) == L'q' || unit[0] == L'%';
    if (unit.size() > 2)
        return isOtherCssUnit(unit);
    const wchar_t folded[2] = {lower(unit[0]), lower(unit[1])};
    return knownUnit(Text(folded, 2)) || isOtherCssUnit(unit);
}

// Whether a measure written as number and unit holds that number in that
// unit: a bare number is pixels, or a ratio where the attribute takes one
// (line-height="1.2" is 120%), and zero is zero in any unit.
bool matches(const WrittenMeasure& written, const HeldMeasure& held, bool numberIsRatio) {
    if (written.unit.empty() && held.isPercent())
        return sameNumber(static_cast<double>(written.value) * 100, held.number) &&
               (numberIsRatio || written.value == 0);
    if (!sameNumber(written.value, held.number))
        return false;
    if ((written.value == 0 && unitInAnyCase(written.unit)) ||
        std::equal(written.unit.begin(), written.unit.end(), held.unit.begin(), held.unit.end()))
        return true;
    return written.unit.empty() && held.isPixels();
}

// Why a unit is not read, and what is read instead: the library takes the
// last two characters of a measure as its unit ("30Q": "0Q", so 3px).
std::string unknownUnitWhy(const WrittenMeasure& written, const HeldMeasure& held) {
    const Text unit = written.unit;
    const bool css = isOtherCssUnit(unit);
    std::string why = css ? concat({utf8(unit), " is a CSS unit the engine does not read"})
                          : concat({"unknown unit '", utf8(unit), "'"});
    if (!sameNumber(written.value, held.number) && unit.size() < 2) {
        const Text lastTwo(unit.data() + unit.size() - 2, 2);
        why += concat({"; the last two characters '", utf8(lastTwo),
                       "' are taken as the unit: read as ", measureShown(held)});
    } else if (!held.isPixels()) {
        why += concat({"; its last two letters are read as ", held.unit});
    } else {
        why += concat({css ? ": read as " : " is read as ", held.unit});
    }
    // A unit a letter away from a known one is suggested, never applied.
    const std::string_view near = css ? std::string_view() : nearUnit(unit);
    if (!near.empty() && near != held.unit)
        why += concat({"; did you mean ", near, "?"});
    return why;
}

}  // namespace

bool isKeywordLike(Text text) {
    const Text core = trim(text);
    return std::all_of(core.begin(), core.end(),
                       [](wchar_t c) { return isLetter(c) || c == L'-'; });
}

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
                out.beyond = std::fabs(*value) >= FLT_MAX;
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
        out.beyond = std::fabs(*value) >= FLT_MAX;
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
                                           const std::optional<HeldMeasure>& held,
                                           bool numberIsRatio) {
    // The common case first: one measure, as held.
    if (!written.function && written.rest.empty() && !written.beyond &&
        (!written.number || (!held && written.unit.empty()) ||
         (held && matches(written, *held, numberIsRatio))))
        return std::nullopt;
    if (written.beyond && written.rest.empty() && held)
        return finding(Kind::ReadsDifferently,
                       concat({"the number is beyond the largest the engine holds (",
                               numberShown(FLT_MAX), ")"}));
    // Column widths read the proportion of proportional-column-width(N) as
    // the ratio N, which is what the function means to the engine.
    if (written.functionName == L"proportional-column-width"sv && written.argument && held &&
        held->isPercent() && sameNumber(static_cast<double>(*written.argument) * 100, held->number))
        return std::nullopt;
    if (written.function)
        return finding(Kind::Expression,
                       "a function is not evaluated: only its first number is read");
    if (!written.rest.empty() && isExpression(written.rest)) {
        // "2in div 12" as a ratio: the first number without its unit.
        const bool ratio = held && held->isPercent() && written.unit != L"%"sv;
        return finding(Kind::Expression,
                       concat({"an expression is not computed: only its first number is read",
                               ratio ? concat({", ", numberShown(written.value),
                                               ", as a ratio without its unit"})
                                     : ""}));
    }
    if (!written.rest.empty()) {
        const Text rest = written.rest;
        if (written.unit.empty() && rest.size() > 1 && rest[0] == L',' && isDigit(rest[1]))
            return finding(Kind::ReadsDifferently,
                           concat({"a comma is no decimal point: only ", numberShown(written.value),
                                   " is read"}));
        std::size_t next = rest[0] == L',' ? 1 : 0;
        while (next < rest.size() && isBlank(rest[next]))
            ++next;
        const bool another =
            next < rest.size() && (isDigit(rest[next]) || isLetter(rest[next]) ||
                                   rest[next] == L'.' || rest[next] == L'-' || rest[next] == L'+');
        if (another)
            return finding(Kind::ListReadAsOne, "only the first of several values is read");
        const bool unitLost = held && !written.unit.empty() &&
                              !std::equal(written.unit.begin(), written.unit.end(),
                                          held->unit.begin(), held->unit.end());
        return finding(
            Kind::ReadsDifferently,
            concat({"'", utf8(rest), "' after the measure is no part of it",
                    unitLost ? concat({" and spoils its unit, read as ", held->unit}) : ""}));
    }
    if (!written.number || (!held && written.unit.empty()) ||
        (held && matches(written, *held, numberIsRatio)))
        return std::nullopt;
    if (!held)
        return finding(Kind::UnknownUnit, concat({"a unit where none belongs: only the number ",
                                                  numberShown(written.value), " is read"}));
    if (written.unit.empty() && held->isPercent())
        return finding(Kind::ReadsDifferently,
                       concat({"a number without a unit is read as a ratio, ",
                               numberShown(written.value), " times the value it is relative to"}));
    if (written.blankAround)
        return finding(Kind::BlankChangedUnit,
                       "a blank before or after the value changes the unit it is read in");
    if (!written.unit.empty() && !knownUnit(written.unit))
        return finding(Kind::UnknownUnit, unknownUnitWhy(written, *held));
    return finding(Kind::ReadsDifferently, "the measure read is not the one written");
}

namespace {

// An expression of numbers and lengths in one absolute unit, as XSL writes
// it ("2in div 12", "(10pt + 2pt) * 2"), computed; none where it needs
// context (em, ex, a percentage, a function, two units) or is not one.
class Arithmetic {
  public:
    struct Quantity {
        double value = 0;
        Text unit;  // empty for a number
    };

    static std::optional<Quantity> compute(Text text) {
        Arithmetic arithmetic(text);
        std::optional<Quantity> result = arithmetic.sum();
        arithmetic.blanks();
        if (!result || arithmetic.pos_ != text.size() || !std::isfinite(result->value))
            return std::nullopt;
        return result;
    }

  private:
    explicit Arithmetic(Text text) : text_(text) {}

    void blanks() {
        while (pos_ < text_.size() && isBlank(text_[pos_]))
            ++pos_;
    }
    bool at(wchar_t c) {
        blanks();
        if (pos_ < text_.size() && text_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    bool atWord(Text word) {
        blanks();
        if (text_.substr(pos_, word.size()) != word ||
            (pos_ + word.size() < text_.size() && isLetter(text_[pos_ + word.size()])))
            return false;
        pos_ += word.size();
        return true;
    }

    std::optional<Quantity> sum() {
        std::optional<Quantity> left = product();
        while (left) {
            const bool plus = at(L'+');
            if (!plus && !at(L'-'))
                break;
            const std::optional<Quantity> right = product();
            if (!right || right->unit != left->unit)
                return std::nullopt;
            left->value += plus ? right->value : -right->value;
        }
        return left;
    }

    std::optional<Quantity> product() {
        std::optional<Quantity> left = factor();
        while (left) {
            const bool times = at(L'*');
            if (!times && !atWord(L"div"))
                break;
            const std::optional<Quantity> right = factor();
            if (!right)
                return std::nullopt;
            if (times) {
                if (!left->unit.empty() && !right->unit.empty())
                    return std::nullopt;  // an area
                left->value *= right->value;
                if (left->unit.empty())
                    left->unit = right->unit;
            } else {
                if (!right->unit.empty() || right->value == 0)
                    return std::nullopt;
                left->value /= right->value;
            }
        }
        return left;
    }

    std::optional<Quantity> factor() {
        // Parentheses and signs nest no deeper than an author writes them.
        if (++depth_ > kDepth)
            return std::nullopt;
        std::optional<Quantity> quantity = unnested();
        --depth_;
        return quantity;
    }

    std::optional<Quantity> unnested() {
        if (at(L'(')) {
            std::optional<Quantity> inner = sum();
            return inner && at(L')') ? inner : std::nullopt;
        }
        blanks();
        if (pos_ + 1 < text_.size() && text_[pos_] == L'-' && text_[pos_ + 1] == L'(') {
            ++pos_;
            std::optional<Quantity> negated = factor();
            if (negated)
                negated->value = -negated->value;
            return negated;
        }
        const std::optional<float> number = readNumber(text_, pos_);
        if (!number)
            return std::nullopt;
        std::size_t end = pos_;
        while (end < text_.size() && (isLetter(text_[end]) || text_[end] == L'%'))
            ++end;
        Quantity quantity{*number, text_.substr(pos_, end - pos_)};
        pos_ = end;
        if (!quantity.unit.empty()) {
            const std::optional<Xml::Length::Unit> unit = Xml::Length::unitOfSuffix(quantity.unit);
            if (!unit || *unit == Xml::Length::Em || *unit == Xml::Length::Ex)
                return std::nullopt;  // a percentage, em or ex needs its context
        }
        return quantity;
    }

    static constexpr int kDepth = 32;
    Text text_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

// An expression's result written with at most four decimals: exact where
// that is its value, to within the precision its numbers were read with.
Rewrite resultOf(const Arithmetic::Quantity& result) {
    const double rounded = std::round(result.value * 1e4) / 1e4;
    const bool exact =
        std::fabs(result.value - rounded) <= 1e-6 * std::max(1.0, std::fabs(rounded));
    std::string text = numberShown(rounded == 0 ? 0.0 : rounded);  // no "-0"
    text += utf8(result.unit);
    return Rewrite{
        std::move(text), exact,
        exact ? "write the expression's result" : "write the expression's result, rounded"};
}

}  // namespace

std::optional<Rewrite> measureFix(Text text, Kind kind) {
    if (kind == Kind::BlankChangedUnit)
        return Rewrite{utf8(trim(text)), true, "drop the blanks"};
    if (kind == Kind::Expression) {
        if (const std::optional<Arithmetic::Quantity> result = Arithmetic::compute(text))
            return resultOf(*result);
    }
    return std::nullopt;
}

Verdict notANumber() {
    return finding(Kind::NotANumber, "a word the type does not know is read as a number");
}

}  // namespace xmlattr::lint::judging
