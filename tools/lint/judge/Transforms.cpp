// Transform lists: the functions an author wrote, by name, against the
// transforms held; a transform the library cannot read falls back to
// translate(0,0).
#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

namespace {

using Type = Xml::TransformType;

// One transform function as its author wrote it: the name, the numbers (with
// the unit of a length, which translate and rotate's centre take), where
// its ")" stands and the blanks before it.
struct Written {
    Text name;
    double numbers[6] = {0, 0, 0, 0, 0, 0};
    Text units[6];
    int count = 0;
    bool numbersRead = true;   // the arguments are numbers separated by commas or blanks
    std::size_t blanksAt = 0;  // the blanks before ")" start here
    std::size_t closeAt = Text::npos;
};

void readArguments(Text text, std::size_t pos, std::size_t close, Written& out) {
    while (pos < close) {
        while (pos < close && isBlank(text[pos]))
            ++pos;
        if (pos == close)
            break;
        const std::optional<double> number = readWideNumber(text.substr(0, close), pos);
        if (!number || out.count == 6) {
            out.numbersRead = false;
            return;
        }
        const std::size_t unitAt = pos;
        while (pos < close && (isLetter(text[pos]) || text[pos] == L'%'))
            ++pos;
        out.units[out.count] = text.substr(unitAt, pos - unitAt);
        out.numbers[out.count++] = *number;
        while (pos < close && isBlank(text[pos]))
            ++pos;
        if (pos < close && text[pos] == L',')
            ++pos;
    }
}

// Calls onWritten with each function written ("rotate(45)"), in order; gives
// how many there are.
template <class OnWritten>
int forEachWritten(Text text, OnWritten onWritten) {
    int count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!isLetter(text[pos])) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < text.size() && isLetter(text[pos]))
            ++pos;
        std::size_t open = pos;
        while (open < text.size() && isBlank(text[open]))
            ++open;
        if (open < text.size() && text[open] == L'(') {
            Written written;
            written.name = text.substr(start, pos - start);
            const std::size_t close = text.find(L')', open);
            written.closeAt = close;
            const std::size_t end = close == Text::npos ? text.size() : close;
            written.blanksAt = end;
            while (written.blanksAt > open + 1 && isBlank(text[written.blanksAt - 1]))
                --written.blanksAt;
            readArguments(text, open + 1, end, written);
            onWritten(count++, written);
            pos = close == Text::npos ? text.size() : close + 1;
        }
    }
    return count;
}

std::string lowered(Text name) {
    std::string out;
    for (const wchar_t c : name)
        out += static_cast<char>(lower(c));  // ASCII letters only
    return out;
}

// A transform that fell back: a translation by nothing.
bool isFallback(const Xml::Transform& transform) {
    return transform.type == Type::Translate && transform.translateX->getSize() == 0 &&
           transform.translateY->getSize() == 0;
}

std::string transformShown(const Xml::Transform& t) {
    std::string out;
    const auto number = [&](double value) {
        if (out.back() != '(')
            out += ',';
        out += numberShown(value);
    };
    switch (t.type) {
        case Type::Matrix:
            out = "matrix(";
            for (const double value : t.matrix)
                number(value);
            break;
        case Type::Translate:
            out = "translate(";
            number(t.translateX->getSize());
            number(t.translateY->getSize());
            break;
        case Type::Scale:
            out = "scale(";
            number(t.scaleX);
            number(t.scaleY);
            break;
        case Type::Rotate:
            out = "rotate(";
            number(t.angle);
            number(t.centerX->getSize());
            number(t.centerY->getSize());
            break;
        case Type::SkewX:
            out = "skewX(";
            number(t.skewAngleX);
            break;
        case Type::SkewY:
            out = "skewY(";
            number(t.skewAngleY);
            break;
        default:
            out = "invalid(";
            break;
    }
    out += ')';
    return out;
}

// A transform by its numbers in the order the library holds them (translate:
// x, y; scale: x, y; rotate: angle, centre), with the units of lengths.
struct Meant {
    Type type;
    double numbers[6] = {0, 0, 0, 0, 0, 0};
    Text units[2];
};

struct Grammar {
    std::wstring_view name;
    Type type;
    int fewest;
    int most;
};
constexpr Grammar kGrammar[] = {
    {L"matrix", Type::Matrix, 6, 6}, {L"translate", Type::Translate, 1, 2},
    {L"scale", Type::Scale, 1, 2},   {L"rotate", Type::Rotate, 1, 3},
    {L"skewX", Type::SkewX, 1, 1},   {L"skewY", Type::SkewY, 1, 1},
};

// What the author means by w, by the SVG grammar; none, with why, for what
// the grammar does not read.
std::optional<Meant> meaningOf(const Written& w, std::string& why) {
    const Grammar* grammar = nullptr;
    for (const Grammar& each : kGrammar) {
        if (each.name == w.name)
            grammar = &each;
    }
    if (!grammar) {
        const std::string name = utf8(w.name);
        why = concat({name, "() is not a transform function"});
        for (const Grammar& each : kGrammar) {
            if (lowered(w.name) == lowered(each.name))
                why += concat({": names are case-sensitive (", utf8(each.name), ")"});
        }
        return std::nullopt;
    }
    const bool counted = w.count >= grammar->fewest && w.count <= grammar->most &&
                         (grammar->type != Type::Rotate || w.count != 2);
    if (!w.numbersRead || !counted) {
        const std::string name = utf8(w.name);
        why = !w.numbersRead
                  ? concat({"the arguments of ", name, "() are not numbers"})
                  : concat({name, "() takes ",
                            grammar->type == Type::Rotate      ? "1 or 3"
                            : grammar->fewest == grammar->most ? std::to_string(grammar->fewest)
                                                               : "1 or 2",
                            " numbers, not ", std::to_string(w.count)});
        return std::nullopt;
    }
    Meant meant{grammar->type, {}, {}};
    std::copy(w.numbers, w.numbers + 6, meant.numbers);
    if (grammar->type == Type::Scale && w.count == 1)
        meant.numbers[1] = meant.numbers[0];
    if (grammar->type == Type::Translate) {
        meant.units[0] = w.units[0];
        meant.units[1] = w.units[1];
    } else if (grammar->type == Type::Rotate) {
        meant.units[0] = w.units[1];
        meant.units[1] = w.units[2];
    }
    return meant;
}

// A length as written (a number and its unit, none being px) against one held.
bool sameLength(double number, Text unit, const Xml::SLength& held) {
    if (!sameNumber(number, held.getSize()))
        return false;
    const std::string_view heldUnit = Xml::SLength::suffixOf(held.getUnit());
    return number == 0 || (unit.empty() ? heldUnit == "px" : utf8(unit) == heldUnit);
}

bool sameTransform(const Meant& meant, const Xml::Transform& t) {
    if (meant.type != t.type)
        return false;
    const double* n = meant.numbers;
    switch (t.type) {
        case Type::Matrix:
            for (int i = 0; i < 6; ++i) {
                if (!sameNumber(n[i], t.matrix[i]))
                    return false;
            }
            return true;
        case Type::Translate:
            return sameLength(n[0], meant.units[0], *t.translateX) &&
                   sameLength(n[1], meant.units[1], *t.translateY);
        case Type::Scale:
            return sameNumber(n[0], t.scaleX) && sameNumber(n[1], t.scaleY);
        case Type::Rotate:
            return sameNumber(n[0], t.angle) && sameLength(n[1], meant.units[0], *t.centerX) &&
                   sameLength(n[2], meant.units[1], *t.centerY);
        case Type::SkewX:
            return sameNumber(n[0], t.skewAngleX);
        case Type::SkewY:
            return sameNumber(n[0], t.skewAngleY);
        default:
            return false;
    }
}

}  // namespace

std::optional<Verdict> judgeTransforms(Text text, const Core::Vector<Xml::Transform>& held) {
    std::optional<Verdict> verdict;
    const int written = forEachWritten(text, [&](int i, const Written& w) {
        if (verdict || i >= held.size())
            return;
        std::string why;
        const std::optional<Meant> meant = meaningOf(w, why);
        const Xml::Transform& read = held[i];
        if (isFallback(read)) {
            if (meant && meant->type == Type::Translate && meant->numbers[0] == 0 &&
                meant->numbers[1] == 0)
                return;
            const bool blanks = meant && w.closeAt != Text::npos && w.blanksAt + 1 < w.closeAt;
            if (blanks)
                why = concat({"blanks before ')' make the engine drop ", utf8(w.name), "()"});
            verdict = finding(Kind::TransformDefault,
                              meant && !blanks
                                  ? concat({lowered(w.name),
                                            "() cannot be read and falls back to translate(0,0)"})
                                  : concat({why, "; it falls back to translate(0,0)"}));
            if (blanks) {
                Splices drop;
                drop.add(w.blanksAt, w.closeAt, "");
                verdict->fix = Rewrite{drop.appliedTo(text), true, "drop the blanks before ')'"};
            }
        } else if (!meant || !sameTransform(*meant, read)) {
            verdict = finding(Kind::ReadsDifferently,
                              concat({meant ? utf8(w.name) + "() is read as " : why + ": read as ",
                                      transformShown(read)}));
        }
    });
    if (verdict)
        return verdict;
    if (written != held.size())
        return finding(Kind::ReadsDifferently,
                       concat({std::to_string(written), " transforms written, ",
                               std::to_string(held.size()), " read"}));
    const Text core = trim(text);
    if (written == 0 && !core.empty() && core != L"none"sv)
        return finding(Kind::ReadsDifferently,
                       "no transform function is written: read as no transform");
    return std::nullopt;
}

std::string transformsShown(const Core::Vector<Xml::Transform>& held) {
    ListShown shown(static_cast<std::size_t>(held.size()));
    for (int i = 0; i < held.size(); ++i) {
        if (!shown.add(transformShown(held[i])))
            break;
    }
    return std::move(shown).finish();
}

}  // namespace xmlattr::lint::judging
