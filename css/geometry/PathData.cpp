#include "css/geometry/PathData.h"

#include <array>
#include <cstdint>
#include <iterator>
#include <utility>

#include "css/geometry/GeometryScan.h"
#include "platform/Format.h"

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
    for (int number = static_cast<int>(Type::MoveTo); number <= static_cast<int>(Type::Arc);
         ++number) {
        const Type type = static_cast<Type>(number);
        const wchar_t upper = commandLetter(type);
        table[upper] = Letter{type, false};
        // "z" closes the path like "Z" and is never relative.
        table[upper + (L'a' - L'A')] = Letter{type, type != Type::ClosePath};
    }
    return table;
}

constexpr std::array<Letter, 128> kLetters = makeLetters();

// Whether the unit at pos ends a number whose last unit is a digit.
bool endsNumberAfterDigit(View text, std::size_t pos) {
    if (pos == text.size())
        return true;
    const wchar_t c = text[pos];
    if (static_cast<unsigned>(c) >= kNumberUnits.size())
        return false;
    switch (kNumberUnits[c]) {
        case NumberUnit::Stop:
        case NumberUnit::Sign:  // a sign after a digit starts the next number
            return true;
        case NumberUnit::UnitOrMove:
            return pos + 1 == text.size() || text[pos + 1] != L'm';
        case NumberUnit::UnitOrSmooth:  // only "pt" keeps a "t"
            return true;
        default:
            return false;
    }
}

// The coordinates of a path text, read one after another.
class Coordinates {
  public:
    explicit Coordinates(View text) : text_(text) {}

    std::size_t& position() { return pos_; }

    // The next coordinate: skips white space and commas, takes the number's
    // text up to the unit that ends it and reads it as an SVG length starting
    // from zero (a text that is not a length leaves it zero). The position
    // stays on the unit that ended the number.
    SLength next() {
        const std::size_t n = text_.size();
        while (pos_ < n && (Core::String::isSpace(text_[pos_]) || text_[pos_] == L','))
            ++pos_;
        if (pos_ == n)
            return SLength();
        // Most coordinates are a plain decimal that ends where the float
        // grammar ends. SLength's parser reads such a text (its last unit a
        // digit) as that float in pixels, so the float read on the way is the
        // coordinate. An exponent keeps no sign here: a sign after a digit
        // always starts the next number.
        const wchar_t* const start = text_.data() + pos_;
        const Core::Format::ScannedFloat number =
            Core::Format::scanFloat(start, text_.data() + n, false);
        const auto end = static_cast<std::size_t>(number.end - text_.data());
        if (number.end != start && Core::String::isDigit(number.end[-1]) &&
            endsNumberAfterDigit(text_, end)) {
            pos_ = end;
            return SLength(number.value, SLength::Px);
        }
        return general(pos_);
    }

  private:
    // Any other number: its units up to the one that ends it, through
    // SLength's parser. Out of line, so that next() stays small.
    [[gnu::noinline]] SLength general(std::size_t start) {
        const std::size_t n = text_.size();
        bool sawDigit = false;
        for (; pos_ < n; ++pos_) {
            const wchar_t c = text_[pos_];
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
                    if (pos_ + 1 < n && text_[pos_ + 1] == L'm') {
                        ++pos_;  // the "m" of "cm" or "mm" stays too
                        continue;
                    }
                    break;
                case NumberUnit::UnitOrSmooth:
                    if (pos_ > start && text_[pos_ - 1] == L'p')
                        continue;
                    break;
            }
            break;
        }
        SLength value;
        detail::parseSLength(value, text_.substr(start, pos_ - start));
        return value;
    }

    View text_;
    std::size_t pos_ = 0;
};

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
    // Each command takes at least its letter.
    detail::ListBuilder<PathDataCommand> list(n, n);
    Coordinates numbers(text);
    std::size_t& pos = numbers.position();
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

        PathDataCommand& command = list.add(pos - 1);
        command.type = letter.type;
        command.relative = letter.relative;
        // Each type reads its arguments in the order they are written.
        switch (letter.type) {
            case Type::MoveTo:
            case Type::LineTo:
            case Type::SmoothQuadraticCurveTo:
                command.x = numbers.next();
                command.y = numbers.next();
                break;
            case Type::HorizontalLineTo:
                command.x = numbers.next();
                break;
            case Type::VerticalLineTo:
                command.y = numbers.next();
                break;
            case Type::CurveTo:
                command.x1 = numbers.next();
                command.y1 = numbers.next();
                [[fallthrough]];
            case Type::SmoothCurveTo:
                command.x2 = numbers.next();
                command.y2 = numbers.next();
                command.x = numbers.next();
                command.y = numbers.next();
                break;
            case Type::QuadraticCurveTo:
                command.x1 = numbers.next();
                command.y1 = numbers.next();
                command.x = numbers.next();
                command.y = numbers.next();
                break;
            case Type::Arc:
                // The angle keeps its size (its unit is ignored); a flag is
                // set by any non-zero number.
                command.rx = numbers.next();
                command.ry = numbers.next();
                command.angle = numbers.next().getSize();
                command.largeArc = !!numbers.next();
                command.sweep = !!numbers.next();
                command.x = numbers.next();
                command.y = numbers.next();
                break;
            default:  // ClosePath reads nothing
                break;
        }
    }
    return list.finish();
}

bool AttributeTraits<Core::Vector<PathDataCommand>>::parse(Core::Vector<PathDataCommand>& value,
                                                           const Core::String& text) {
    value = PathDataCommand::parsePathData(text.view());
    return true;
}

template class TXmlAttribute<Core::Vector<PathDataCommand>>;

}  // namespace Xml
