#include "css/geometry/PathData.h"

#include <array>
#include <utility>

#include "css/geometry/GeometryScan.h"

namespace Xml {

namespace {

using View = std::wstring_view;
using Type = PathDataCommandType;

// How a unit behaves inside a number of path data. Units beyond ASCII stay in
// the number.
enum class NumberUnit : unsigned char {
    Stay,         // digits (see Digit), ".", "e", "%", unit letters, anything else
    Digit,        // stays, and makes a following sign start the next number
    Stop,         // separators and command letters that always end a number
    Sign,         // "+" and "-": part of the number until a digit was seen
    UnitOrMove,   // "c" and "m": stay when followed by "m" ("cm", "mm")
    UnitOrSmooth  // "T" and "t": stay after "p" ("pt")
};

constexpr std::array<NumberUnit, 128> makeNumberUnits() {
    std::array<NumberUnit, 128> table{};
    for (auto& entry : table)
        entry = NumberUnit::Stay;
    for (wchar_t c = L'0'; c <= L'9'; ++c)
        table[c] = NumberUnit::Digit;
    // Only these four white-space units separate numbers; vertical tab and
    // form feed stay in the number.
    for (wchar_t c : View(L"\t\n\r ,AHLQSVZahlqsvzCM"))
        table[c] = NumberUnit::Stop;
    table[L'+'] = table[L'-'] = NumberUnit::Sign;
    table[L'c'] = table[L'm'] = NumberUnit::UnitOrMove;
    table[L'T'] = table[L't'] = NumberUnit::UnitOrSmooth;
    return table;
}

constexpr std::array<NumberUnit, 128> kNumberUnits = makeNumberUnits();

// The command of a command letter: its type, whether it is relative, and 0 in
// the type for every unit that is not one of the twenty letters.
struct Letter {
    Type type;
    bool relative;
};

constexpr std::array<Letter, 128> makeLetters() {
    std::array<Letter, 128> table{};
    for (auto& entry : table)
        entry = Letter{static_cast<Type>(0), false};
    const std::pair<wchar_t, Type> letters[] = {
        {L'M', Type::MoveTo},
        {L'Z', Type::ClosePath},
        {L'L', Type::LineTo},
        {L'H', Type::HorizontalLineTo},
        {L'V', Type::VerticalLineTo},
        {L'C', Type::CurveTo},
        {L'S', Type::SmoothCurveTo},
        {L'Q', Type::QuadraticCurveTo},
        {L'T', Type::SmoothQuadraticCurveTo},
        {L'A', Type::Arc},
    };
    for (const auto& [upper, type] : letters) {
        table[upper] = Letter{type, false};
        // "z" closes the path like "Z" and is never relative.
        table[upper + (L'a' - L'A')] = Letter{type, type != Type::ClosePath};
    }
    return table;
}

constexpr std::array<Letter, 128> kLetters = makeLetters();

// Reads one coordinate: skips white space and commas, takes the number's text
// up to the unit that ends it and reads it as an SVG length starting from
// zero (a text that is not a length leaves it zero). pos stays on the unit
// that ended the number.
SLength readNumber(View text, std::size_t& pos) {
    const std::size_t n = text.size();
    while (pos < n && (Core::String::isSpace(text[pos]) || text[pos] == L','))
        ++pos;
    if (pos == n)
        return SLength();
    const std::size_t start = pos;
    bool sawDigit = false;
    // Most numbers are a sign, digits and a point: take those without the
    // table, then go on unit by unit from the first other unit.
    if (text[pos] == L'-' || text[pos] == L'+')
        ++pos;
    int points = 0;
    for (; pos < n; ++pos) {
        const wchar_t c = text[pos];
        if (c >= L'0' && c <= L'9') {
            sawDigit = true;
        } else if (c == L'.') {
            ++points;
        } else {
            break;
        }
    }
    const std::size_t plainEnd = pos;
    for (; pos < n; ++pos) {
        const wchar_t c = text[pos];
        if (static_cast<unsigned>(c) >= kNumberUnits.size())
            continue;
        switch (kNumberUnits[c]) {
            case NumberUnit::Stay:
                continue;
            case NumberUnit::Digit:
                sawDigit = true;
                continue;
            case NumberUnit::Stop:
                break;
            case NumberUnit::Sign:
                if (!sawDigit)
                    continue;
                break;
            case NumberUnit::UnitOrMove:
                if (pos + 1 < n && text[pos + 1] == L'm') {
                    ++pos;  // the "m" of "cm" or "mm" stays too
                    continue;
                }
                break;
            case NumberUnit::UnitOrSmooth:
                if (pos > start && text[pos - 1] == L'p')
                    continue;
                break;
        }
        break;
    }
    const View number = text.substr(start, pos - start);
    float size = 0;
    if (pos == plainEnd && sawDigit && points <= 1 && detail::convertPlainNumber(number, size))
        return SLength(size, SLength::Px);
    SLength value;
    detail::parseSLength(value, number);
    return value;
}

}  // namespace

bool PathDataCommand::operator==(const PathDataCommand& o) const {
    if (type != o.type)
        return false;
    const bool sameEnd = x == o.x && y == o.y && relative == o.relative;
    if (static_cast<int>(type) == 1)  // the reserved type carries nothing
        return true;
    switch (type) {
        case Type::ClosePath:
            return true;
        case Type::MoveTo:
        case Type::LineTo:
        case Type::SmoothQuadraticCurveTo:
            return sameEnd;
        case Type::HorizontalLineTo:
            return x == o.x && relative == o.relative;
        case Type::VerticalLineTo:
            return y == o.y && relative == o.relative;
        case Type::CurveTo:
            return x1 == o.x1 && y1 == o.y1 && x2 == o.x2 && y2 == o.y2 && sameEnd;
        case Type::SmoothCurveTo:
            return x2 == o.x2 && y2 == o.y2 && sameEnd;
        case Type::QuadraticCurveTo:
            return x1 == o.x1 && y1 == o.y1 && sameEnd;
        case Type::Arc:
            return rx == o.rx && ry == o.ry && angle == o.angle && largeArc == o.largeArc &&
                   sweep == o.sweep && sameEnd;
        default:
            return false;
    }
}

Core::Vector<PathDataCommand> PathDataCommand::parsePathData(View text) {
    const std::size_t n = text.size();
    Core::Vector<PathDataCommand> list;
    list.reserve(static_cast<int>(n / 4));
    std::size_t pos = 0;
    for (;;) {
        while (pos < n && Core::String::isSpace(text[pos]))
            ++pos;
        if (pos >= n)
            break;
        const wchar_t c = text[pos++];
        const Letter letter = static_cast<unsigned>(c) < kLetters.size()
                                  ? kLetters[c]
                                  : Letter{static_cast<Type>(0), false};
        if (letter.type == static_cast<Type>(0))
            continue;  // not a command letter: skipped, numbers after a command included

        PathDataCommand& command = list.emplace_back();
        command.type = letter.type;
        command.relative = letter.relative;
        switch (letter.type) {
            case Type::ClosePath:
                break;
            case Type::MoveTo:
            case Type::LineTo:
            case Type::SmoothQuadraticCurveTo:
                command.x = readNumber(text, pos);
                command.y = readNumber(text, pos);
                break;
            case Type::HorizontalLineTo:
                command.x = readNumber(text, pos);
                break;
            case Type::VerticalLineTo:
                command.y = readNumber(text, pos);
                break;
            case Type::CurveTo:
                command.x1 = readNumber(text, pos);
                command.y1 = readNumber(text, pos);
                command.x2 = readNumber(text, pos);
                command.y2 = readNumber(text, pos);
                command.x = readNumber(text, pos);
                command.y = readNumber(text, pos);
                break;
            case Type::SmoothCurveTo:
                command.x2 = readNumber(text, pos);
                command.y2 = readNumber(text, pos);
                command.x = readNumber(text, pos);
                command.y = readNumber(text, pos);
                break;
            case Type::QuadraticCurveTo:
                command.x1 = readNumber(text, pos);
                command.y1 = readNumber(text, pos);
                command.x = readNumber(text, pos);
                command.y = readNumber(text, pos);
                break;
            case Type::Arc:
                command.rx = readNumber(text, pos);
                command.ry = readNumber(text, pos);
                command.angle = readNumber(text, pos).getSize();  // its unit is ignored
                command.largeArc = !!readNumber(text, pos);
                command.sweep = !!readNumber(text, pos);
                command.x = readNumber(text, pos);
                command.y = readNumber(text, pos);
                break;
            default:
                break;
        }
    }
    return list;
}

bool AttributeTraits<Core::Vector<PathDataCommand>>::parse(Core::Vector<PathDataCommand>& value,
                                                           const Core::String& text) {
    detail::adoptList(value, PathDataCommand::parsePathData(text.view()));
    return true;
}

template class TXmlAttribute<Core::Vector<PathDataCommand>>;

}  // namespace Xml
