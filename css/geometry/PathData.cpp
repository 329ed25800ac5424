#include "css/geometry/PathData.h"

#include <array>
#include <cstdint>
#include <iterator>
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

namespace {

// The arguments of each command type, in the order they are written.
enum class Arg : std::uint8_t { X1, Y1, X2, Y2, X, Y, Rx, Ry, Angle, LargeArc, Sweep };

struct Arguments {
    std::array<Arg, 7> list{};
    int count = 0;
};

constexpr Arguments argumentsOf(Type type) {
    switch (type) {
        case Type::MoveTo:
        case Type::LineTo:
        case Type::SmoothQuadraticCurveTo:
            return {{Arg::X, Arg::Y}, 2};
        case Type::HorizontalLineTo:
            return {{Arg::X}, 1};
        case Type::VerticalLineTo:
            return {{Arg::Y}, 1};
        case Type::CurveTo:
            return {{Arg::X1, Arg::Y1, Arg::X2, Arg::Y2, Arg::X, Arg::Y}, 6};
        case Type::SmoothCurveTo:
            return {{Arg::X2, Arg::Y2, Arg::X, Arg::Y}, 4};
        case Type::QuadraticCurveTo:
            return {{Arg::X1, Arg::Y1, Arg::X, Arg::Y}, 4};
        case Type::Arc:
            return {{Arg::Rx, Arg::Ry, Arg::Angle, Arg::LargeArc, Arg::Sweep, Arg::X, Arg::Y}, 7};
        default:  // ClosePath and the reserved type carry nothing
            return {};
    }
}

// The length field of a length argument; nullptr for the angle and the flags.
constexpr SLength PathDataCommand::*lengthField(Arg arg) {
    constexpr SLength PathDataCommand::*kFields[] = {
        &PathDataCommand::x1, &PathDataCommand::y1, &PathDataCommand::x2, &PathDataCommand::y2,
        &PathDataCommand::x,  &PathDataCommand::y,  &PathDataCommand::rx, &PathDataCommand::ry};
    const auto index = static_cast<std::size_t>(arg);
    return index < std::size(kFields) ? kFields[index] : nullptr;
}

// Stores one number read for an argument: the angle keeps the size (its unit
// is ignored), a flag is set by any non-zero number.
void store(PathDataCommand& command, Arg arg, const SLength& number) {
    if (SLength PathDataCommand::*field = lengthField(arg)) {
        command.*field = number;
    } else if (arg == Arg::Angle) {
        command.angle = number.getSize();
    } else {
        (arg == Arg::LargeArc ? command.largeArc : command.sweep) = !!number;
    }
}

bool sameArgument(const PathDataCommand& a, const PathDataCommand& b, Arg arg) {
    if (SLength PathDataCommand::*field = lengthField(arg))
        return a.*field == b.*field;
    if (arg == Arg::Angle)
        return a.angle == b.angle;  // exact; a NaN is unequal
    return arg == Arg::LargeArc ? a.largeArc == b.largeArc : a.sweep == b.sweep;
}

}  // namespace

bool PathDataCommand::operator==(const PathDataCommand& o) const {
    const int value = static_cast<int>(type);
    if (type != o.type || value < 1 || value > 11)
        return false;
    const Arguments arguments = argumentsOf(type);
    if (arguments.count == 0)  // ClosePath and the reserved type: nothing else is compared
        return true;
    for (int i = 0; i < arguments.count; ++i) {
        if (!sameArgument(*this, o, arguments.list[i]))
            return false;
    }
    return relative == o.relative;
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
        const Arguments arguments = argumentsOf(letter.type);
        for (int i = 0; i < arguments.count; ++i)
            store(command, arguments.list[i], readNumber(text, pos));
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
