// Single numbers (opacity="0.5", offset="50%", orphans="2"), references
// (src="url('a.png')") and paints (fill="url(#a) green"): the number or the
// reference an author wrote, by the CSS grammar of numbers and url(), against
// the one held.
#include <cfloat>
#include <cmath>

#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

namespace {

bool allLetters(Text text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), isLetter);
}

// What follows a number that makes it one of several ("1,5", "1 2").
bool startsAnother(Text rest) {
    return !rest.empty() && (rest[0] == L',' || isBlank(rest[0]));
}

// The reference an author writes in url(...): a quoted string or the text up
// to ")", blanks around dropped; the text after ")", trimmed, in rest. None
// for what is not url(...).
struct WrittenUrl {
    Text reference;
    bool quoted = false;
    Text rest;
};

std::optional<WrittenUrl> readUrl(Text text) {
    const Text core = trim(text);
    if (!startsFolded(core, L"url("))
        return std::nullopt;
    Text inside = core.substr(4);
    while (!inside.empty() && isBlank(inside.front()))
        inside.remove_prefix(1);
    WrittenUrl out;
    std::size_t close = 0;
    if (!inside.empty() && (inside[0] == L'\'' || inside[0] == L'"')) {
        const std::size_t end = inside.find(inside[0], 1);
        if (end == Text::npos)
            return std::nullopt;
        out.reference = inside.substr(1, end - 1);
        out.quoted = true;
        close = end + 1;
        while (close < inside.size() && isBlank(inside[close]))
            ++close;
        if (close >= inside.size() || inside[close] != L')')
            return std::nullopt;
    } else {
        close = inside.find(L')');
        if (close == Text::npos)
            return std::nullopt;
        out.reference = trim(inside.substr(0, close));
    }
    out.rest = trim(inside.substr(close + 1));
    return out;
}

}  // namespace

std::optional<Verdict> judgeNumber(Text text, double held, NumberGrammar grammar) {
    const Text core = trim(text);
    std::size_t pos = 0;
    const std::optional<double> number = readWideNumber(core, pos);
    if (!number) {
        return finding(Kind::NotANumber,
                       concat({"a word where a number belongs is read as ", numberShown(held)}));
    }
    const Text rest = core.substr(pos);
    const bool percent = rest == L"%"sv;
    std::optional<double> meant;
    if (rest.empty() && (!grammar.whole || (*number == std::floor(*number) &&
                                            core.find_first_of(L".eE") == Text::npos)))
        meant = *number;
    else if (percent && grammar.percent)
        meant = *number / 100;
    if (meant && sameNumber(*meant, held))
        return std::nullopt;
    if (meant && std::fabs(*meant) > FLT_MAX) {
        return finding(
            Kind::ReadsDifferently,
            concat({utf8(core), " is beyond the largest number the engine holds: read as ",
                    numberShown(held)}));
    }
    if (percent && meant) {
        Verdict verdict =
            finding(Kind::ReadsDifferently,
                    concat({"a percentage is read as a plain number: ", utf8(core), " is held as ",
                            numberShown(held), ", not ", numberShown(*meant)}));
        verdict.fix = Rewrite{numberShown(*meant), true, "write the percentage as a fraction"};
        return verdict;
    }
    if (meant)
        return finding(Kind::ReadsDifferently, "the number read is not the one written");
    if (percent)
        return finding(Kind::ReadsDifferently, concat({"the type takes no percentage: ", utf8(core),
                                                       " is read as ", numberShown(held)}));
    if (allLetters(rest))
        return finding(Kind::UnknownUnit, concat({"a unit where none belongs: ", utf8(core),
                                                  " is read as the number ", numberShown(held)}));
    if (rest.empty())
        return finding(Kind::ReadsDifferently,
                       concat({"the type takes a whole number: ", utf8(core), " is read as ",
                               numberShown(held)}));
    if (startsAnother(rest) && rest[0] == L',' && rest.size() > 1 && isDigit(rest[1]))
        return finding(Kind::ReadsDifferently, concat({"a comma is no decimal point: ", utf8(core),
                                                       " is read as ", numberShown(held)}));
    if (startsAnother(rest))
        return finding(Kind::ListReadAsOne, "only the first of several values is read");
    return finding(Kind::ReadsDifferently,
                   concat({"'", utf8(rest), "' after the number is not read"}));
}

std::optional<Verdict> judgeUrl(Text text, const Core::String& held) {
    const std::optional<WrittenUrl> written = readUrl(text);
    if (!written && !startsFolded(trim(text), L"url(")) {
        // A bare reference: held without the blanks or quotes around it.
        Text bare = trim(text);
        if (bare.size() >= 2 && (bare[0] == L'\'' || bare[0] == L'"') && bare.back() == bare[0])
            bare = bare.substr(1, bare.size() - 2);
        if (held.view() == bare)
            return std::nullopt;
        return finding(Kind::ReadsDifferently,
                       concat({"the reference read is '", held.toUtf8(), "', not '", utf8(bare),
                               "': the blanks or quotes around it are kept"}));
    }
    if (!written || !written->rest.empty())
        return finding(
            Kind::ReadsDifferently,
            concat({"not a url() the grammar reads: read as the reference '", held.toUtf8(), "'"}));
    if (written->reference == held.view())
        return std::nullopt;
    return finding(Kind::ReadsDifferently, concat({"the reference read is '", held.toUtf8(),
                                                   "', not '", utf8(written->reference), "'"}));
}

std::optional<Verdict> judgePaint(Text text, const Xml::SColor& held) {
    if (held.getType() != Xml::SColor::Reference)
        return judgeColour(text);
    const std::optional<WrittenUrl> written = readUrl(text);
    if (!written)
        return finding(Kind::ReadsDifferently,
                       "not a reference url(#id): read as the reference " + held.getUrl().toUtf8());
    if (written->reference != held.getUrl().view()) {
        Verdict verdict =
            finding(Kind::ReadsDifferently,
                    concat({"the reference read is '", held.getUrl().toUtf8(), "', not '",
                            utf8(written->reference), "'",
                            written->quoted ? ": the engine keeps the quotes inside url()" : ""}));
        if (written->quoted && written->rest.empty())
            verdict.fix = Rewrite{concat({"url(", utf8(written->reference), ")"}), true,
                                  "drop the quotes inside url()"};
        return verdict;
    }
    if (!written->rest.empty())
        return finding(Kind::ReadsDifferently,
                       concat({"the fallback '", utf8(written->rest),
                               "' after the reference is dropped: only the reference is read"}));
    return std::nullopt;
}

}  // namespace xmlattr::lint::judging
