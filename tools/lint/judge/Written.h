// What every shape of text shares when lint reads what an author wrote: the
// text as the library reads it (wide, one unit per character), numbers read
// by the library's own float reader, and the few words a verdict is made of.
#pragma once

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "css/lengths/Length.h"
#include "platform/Format.h"
#include "tools/common/Ascii.h"
#include "tools/lint/Judge.h"

namespace xmlattr::lint::judging {

using Text = std::wstring_view;
using namespace std::string_view_literals;

// The parts joined, built in place: g++ 12 at -O3 misreads "literal" +
// std::string&& as an overlapping copy (-Wrestrict).
std::string concat(std::initializer_list<std::string_view> parts);
// A wide text back in UTF-8, for the words of a verdict.
std::string utf8(Text text);

// A blank, tab, line feed or carriage return: white space as XML and CSS
// have it.
constexpr bool isBlank(wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\n' || c == L'\r';
}
constexpr bool isDigit(wchar_t c) {
    return c >= L'0' && c <= L'9';
}
constexpr bool isLetter(wchar_t c) {  // ASCII letters only
    return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z');
}
using xmlattr_tool::ascii::lower;

// Whether text starts with prefix (lower case), ASCII letters of text in
// either case.
constexpr bool startsFolded(Text text, std::wstring_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i])
            return false;
    }
    return true;
}
inline Text trim(Text text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// A number as CSS and SVG write it (the library's reader: a sign, digits
// with an optional fraction, an optional exponent whose "e" is followed by a
// digit, so "1em" is 1 and "em"). Advances pos past it; no number leaves pos
// alone.
inline std::optional<float> readNumber(Text text, std::size_t& pos) {
    const wchar_t* first = text.data() + pos;
    const Core::Format::ScannedFloat number =
        Core::Format::scanFloat(first, text.data() + text.size());
    if (number.end == first)
        return std::nullopt;
    pos = static_cast<std::size_t>(number.end - text.data());
    return number.value;
}
// A number as readNumber reads it, in full precision where the float the
// library holds overflows ("1e39"): what its author wrote.
std::optional<double> readWideNumber(Text text, std::size_t& pos);

// Whether the number text[start, end) has an exponent.
inline bool hasExponent(Text text, std::size_t start, std::size_t end) {
    for (std::size_t i = start; i < end; ++i) {
        if (text[i] == L'e' || text[i] == L'E')
            return true;
    }
    return false;
}

// A unit the library knows: px, pt, pc, cm, mm, in, em, ex, or %.
inline bool knownUnit(Text unit) {
    if (unit.size() == 1)
        return unit[0] == L'%';
    return Xml::Length::unitOfSuffix(unit).has_value();
}
// Whether written becomes known by changing, adding or dropping one letter.
inline bool oneLetterAway(Text written, std::string_view known) {
    std::size_t i = 0;  // the first difference
    while (i < written.size() && i < known.size() && written[i] == static_cast<wchar_t>(known[i]))
        ++i;
    // What follows it, with a letter skipped in written, in known or in both.
    const auto restSame = [&](std::size_t a, std::size_t b) {
        if (a > written.size() || b > known.size() || written.size() - a != known.size() - b)
            return false;
        for (; a < written.size(); ++a, ++b) {
            if (written[a] != static_cast<wchar_t>(known[b]))
                return false;
        }
        return true;
    };
    if (i == written.size() && i == known.size())
        return false;  // the very unit
    return restSame(i + 1, i) || restSame(i, i + 1) || restSame(i + 1, i + 1);
}

// The one unit of a length that unit is a letter away from ("ptt" is pt,
// "mmm" is mm), for a suggestion; empty when there is none or more than one.
inline std::string_view nearUnit(Text unit) {
    std::string_view found;
    for (int each = Xml::Length::Px; each <= Xml::Length::Ex; ++each) {
        const std::string_view known = Xml::Length::suffixOf(static_cast<Xml::Length::Unit>(each));
        if (oneLetterAway(unit, known)) {
            if (!found.empty())
                return {};
            found = known;
        }
    }
    return found;
}

// Skips a known unit written after a coordinate ("2mm"): path and point
// lists take SVG lengths.
inline void skipUnit(Text text, std::size_t& pos) {
    if (pos < text.size() && text[pos] == L'%') {
        ++pos;
        return;
    }
    if (pos + 2 <= text.size() && isLetter(text[pos]) && knownUnit(text.substr(pos, 2)) &&
        (pos + 2 == text.size() || !isLetter(text[pos + 2]))) {
        pos += 2;
    }
}

// Equal to a float's precision (a percentage is held as a fraction).
inline bool sameNumber(double a, double b) {
    // Read by the same reader, most are equal to the bit.
    return a == b || std::fabs(a - b) <= 1e-5 * std::max(1.0, std::fabs(a));
}
// A held number as the library writes numbers: "12", "0.5".
std::string numberShown(double value);

Verdict finding(Kind kind, std::string reason);

// A number written with an exponent ("-4.5e-1"), written without it
// ("-0.45"): the same digits with the point moved, so the same number; none
// for an exponent beyond 30 or what is not such a number.
std::optional<std::string> withoutExponent(Text number);

// Changes to a text, each replacing [begin, end) of it, added in order of
// place and not overlapping.
class Splices {
  public:
    void add(std::size_t begin, std::size_t end, std::string text) {
        splices_.push_back({begin, end, std::move(text)});
    }
    void append(Splices&& more) {
        for (Splice& splice : more.splices_)
            splices_.push_back(std::move(splice));
    }
    bool empty() const { return splices_.empty(); }
    std::string appliedTo(Text text) const;

  private:
    struct Splice {
        std::size_t begin;
        std::size_t end;
        std::string text;
    };
    std::vector<Splice> splices_;
};

// The number at text[start, end), as path and point lists read them: when it
// has an exponent, that is noted, and its exponent-free form is added to
// plain, or rewritable cleared where it has none.
inline void noteExponent(Text text, std::size_t start, std::size_t end, bool& exponent,
                         bool& rewritable, Splices& plain) {
    if (!hasExponent(text, start, end))
        return;
    exponent = true;
    const std::optional<std::string> number = withoutExponent(text.substr(start, end - start));
    rewritable = rewritable && number.has_value();
    if (number)
        plain.add(start, end, *number);
}

// After the number at text[start, pos) and its unit, a point starts another
// number ("5.5.3" is 5.5 and .3): the first such run is kept in runTogether,
// and a blank that separates them is added to plain.
inline void noteRunTogether(Text text, std::size_t start, std::size_t pos, Text& runTogether,
                            Splices& plain) {
    if (pos >= text.size() || text[pos] != L'.')
        return;
    if (runTogether.empty()) {
        std::size_t next = pos;
        readNumber(text, next);
        runTogether = text.substr(start, next - start);
    }
    plain.add(pos, pos, " ");
}

// The items of a held list, one by one, joined by blanks and cut to a
// readable length with the total of items: "M1 1 L2 2 ... (40 in all)".
class ListShown {
  public:
    explicit ListShown(std::size_t total) : total_(total) {}
    // Whether more items are wanted; an item that would overflow is left out.
    bool add(const std::string& item);
    std::string finish(std::string_view whenEmpty = "nothing") &&;

  private:
    std::size_t total_;
    std::size_t shown_ = 0;
    bool full_ = false;
    std::string out_;
};

}  // namespace xmlattr::lint::judging
