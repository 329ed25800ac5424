// One measure as an author writes it ("12pt", "1.2", "50%", "auto") against
// the measure its type holds: the number and unit of the value itself.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "css/lengths/Length.h"
#include "tools/lint/judge/Written.h"

namespace xmlattr::lint::judging {

// The measure a value holds: a number in a unit ("px" ... "ex"), or a
// percentage (unit "%", the number out of 100).
struct HeldMeasure {
    double number;
    std::string_view unit;

    bool isPercent() const { return unit.size() == 1; }
    bool isPixels() const { return unit.size() == 2 && unit[0] == 'p' && unit[1] == 'x'; }
};

inline HeldMeasure heldMeasure(const Xml::Length& length) {
    return {length.getSize(), Xml::Length::suffixOf(length.getUnit())};
}

inline HeldMeasure heldMeasure(const Xml::SLength& length) {
    if (length.getUnit() == Xml::SLength::Percent)
        return {static_cast<double>(length.getSize()) * 100, "%"};
    return {length.getSize(), Xml::SLength::suffixOf(length.getUnit())};
}

// The measure of a value of any measure type, through the accessor that holds
// it: the percentage or the length of a length-or-percent, the measure of a
// keyword-or-measure type; none for a type that holds no measure (a ratio, a
// page number).
template <class T>
std::optional<HeldMeasure> heldMeasure(const T& value) {
    if constexpr (requires { value.isPercent(); }) {
        if (value.isPercent())
            return HeldMeasure{static_cast<double>(value.getPercent()) * 100, "%"};
        return heldMeasure(value.getLength());
    } else if constexpr (requires { value.getAbsoluteSize(); }) {
        return heldMeasure(value.getAbsoluteSize());  // FontSize
    } else if constexpr (requires { value.getSLengthOrPercent(); }) {
        return heldMeasure(value.getSLengthOrPercent());
    } else if constexpr (requires { value.getLengthOrPercent(); }) {
        return heldMeasure(value.getLengthOrPercent());
    } else if constexpr (requires { value.getSLength(); }) {
        return heldMeasure(value.getSLength());
    } else if constexpr (requires { value.getLength(); }) {
        return heldMeasure(value.getLength());
    } else if constexpr (requires { value.getUnit(); }) {
        // Length or SLength, or a type that is one (BorderWidth).
        using Base = std::conditional_t<std::is_convertible_v<const T&, const Xml::Length&>,
                                        Xml::Length, Xml::SLength>;
        return heldMeasure(static_cast<const Base&>(value));
    } else {
        return std::nullopt;
    }
}

// A type whose value holds a measure, through one of the accessors above.
template <class T>
concept MeasureShaped = std::is_convertible_v<const T&, const Xml::Length&> ||
    std::is_convertible_v<const T&, const Xml::SLength&> || requires(const T& v) {
    v.isPercent();
} || requires(const T& v) {
    v.getAbsoluteSize();
} || requires(const T& v) {
    v.getSLengthOrPercent();
} || requires(const T& v) {
    v.getLengthOrPercent();
} || requires(const T& v) {
    v.getSLength();
} || requires(const T& v) {
    v.getLength();
};

// "12pt", "50%".
std::string measureShown(const HeldMeasure& measure);
std::string measureShown(const std::optional<HeldMeasure>& measure);  // or "its default"

// One measure as written: a number and what follows it.
struct WrittenMeasure {
    bool blankAround = false;  // blanks before or after the text
    bool word = false;         // the whole text is one word ("auto", "medium", "é1")
    bool function = false;     // it opens with "name("
    Text functionName;
    std::optional<float> argument;  // "name(number)": the number
    bool number = false;
    float value = 0;
    bool beyond = false;  // a number beyond the largest float, held as that
    Text unit;            // the letters or "%" after the number
    Text rest;            // what follows the number and unit, trimmed
};
WrittenMeasure readMeasure(Text text);
bool isKeywordLike(Text text);

// One written measure (a whole text, or an item of a list) against its held
// measure; numberIsRatio where the attribute takes a bare number as a ratio.
std::optional<Verdict> judgeWrittenMeasure(const WrittenMeasure& written,
                                           const std::optional<HeldMeasure>& held,
                                           bool numberIsRatio = false);
Verdict notANumber();

// The text its author meant for a measure text judged as kind: without its
// blanks, or an expression's result; none where that is not known.
std::optional<Rewrite> measureFix(Text text, Kind kind);

// A measure text its type accepted, against the measure held (none where the
// type holds no measure). readsLikeNonsense() tells whether the type holds
// what it holds for a word it does not know; it is asked only of a word.
template <class ReadsLikeNonsense>
std::optional<Verdict> judgeMeasure(Text text, const std::optional<HeldMeasure>& held,
                                    bool numberIsRatio, ReadsLikeNonsense readsLikeNonsense) {
    const WrittenMeasure written = readMeasure(text);
    // A keyword holds ASCII letters and hyphens only: a word with a digit or
    // another letter ("x5mm", "é1") is no keyword of any measure type.
    if (written.word)
        return !isKeywordLike(text) || readsLikeNonsense() ? std::optional<Verdict>(notANumber())
                                                           : std::nullopt;
    if (!written.number && !written.function && written.rest.empty() && !isKeywordLike(text))
        return notANumber();  // neither a measure nor a word ("x.5em")
    std::optional<Verdict> verdict = judgeWrittenMeasure(written, held, numberIsRatio);
    if (verdict)
        verdict->fix = measureFix(text, verdict->kind);
    return verdict;
}

}  // namespace xmlattr::lint::judging
