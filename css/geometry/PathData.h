/// @file
/// PathDataCommand: one command of SVG path data, and the path data attribute
/// whose scanner turns a text such as "M 10 20 L 30 40 z" into a list of them.
///
/// Coordinates stay as written (SVG lengths, with a relative flag); resolving
/// relative coordinates and reflected control points is the renderer's work.
#pragma once

#include "platform/Export.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "css/attributes/XmlAttribute.h"
#include "css/lengths/Length.h"
#include "platform/String.h"
#include "platform/Vector.h"

namespace Xml {

/// The kind of a path command. The value 1 is reserved and never produced.
enum class XMLATTR_API PathDataCommandType : std::int32_t {
    MoveTo = 2,                   ///< M m: x y
    ClosePath = 3,                ///< Z z
    LineTo = 4,                   ///< L l: x y
    HorizontalLineTo = 5,         ///< H h: x
    VerticalLineTo = 6,           ///< V v: y
    CurveTo = 7,                  ///< C c: x1 y1 x2 y2 x y
    SmoothCurveTo = 8,            ///< S s: x2 y2 x y
    QuadraticCurveTo = 9,         ///< Q q: x1 y1 x y
    SmoothQuadraticCurveTo = 10,  ///< T t: x y
    Arc = 11,                     ///< A a: rx ry angle large-arc sweep x y
};

/// One command of the path grammar: its upper-case letter and how many
/// numbers it takes.
struct PathCommandGrammar {
    wchar_t letter;
    int arguments;
};

/// The commands by type, MoveTo first.
inline constexpr PathCommandGrammar kPathCommands[] = {{L'M', 2}, {L'Z', 0}, {L'L', 2}, {L'H', 1},
                                                       {L'V', 1}, {L'C', 6}, {L'S', 4}, {L'Q', 4},
                                                       {L'T', 2}, {L'A', 7}};
static_assert(std::size(kPathCommands) ==
                  static_cast<std::size_t>(PathDataCommandType::Arc) -
                      static_cast<std::size_t>(PathDataCommandType::MoveTo) + 1,
              "one row per command type");

/// The row of a command type; null for the reserved 1 and values outside 2..11.
constexpr const PathCommandGrammar* commandGrammar(PathDataCommandType type) {
    const int index = static_cast<int>(type) - static_cast<int>(PathDataCommandType::MoveTo);
    return index >= 0 && index < static_cast<int>(std::size(kPathCommands)) ? &kPathCommands[index]
                                                                            : nullptr;
}

/// The upper-case letter of a command type, as path data writes it ('M' for
/// MoveTo ... 'A' for Arc); 0 for the reserved 1 and values outside 2..11.
constexpr wchar_t commandLetter(PathDataCommandType type) {
    const PathCommandGrammar* grammar = commandGrammar(type);
    return grammar != nullptr ? grammar->letter : 0;
}

/// One command of path data: its kind, whether it is relative, and its arguments.
/// Fields a command's type does not use keep their starting values: zero
/// lengths, a zero angle and false flags.
struct XMLATTR_API PathDataCommand {
    PathDataCommandType type = PathDataCommandType::MoveTo;  ///< the command letter's kind
    bool relative = false;  ///< a lower-case letter (never for "z")
    ///@{
    SLength x1, y1;  ///< first control point
    ///@}
    ///@{
    SLength x2, y2;  ///< second control point
    ///@}
    ///@{
    SLength x, y;  ///< end point
    ///@}
    ///@{
    SLength rx, ry;  ///< arc radii
    ///@}
    float angle = 0;        ///< arc x-axis rotation, as written
    bool largeArc = false;  ///< the arc's large-arc flag
    bool sweep = false;     ///< the arc's sweep flag

    /// Same type (2 to 11, or the reserved 1) and equal fields of that type;
    /// a NaN angle is unequal.
    bool operator==(const PathDataCommand& other) const;
    /// The negation of operator==.
    bool operator!=(const PathDataCommand& other) const { return !(*this == other); }

    /// Scans path data into a new list (one command per command letter; no
    /// implicit repetition). Never fails and never reads outside the text.
    static Core::Vector<PathDataCommand> parsePathData(std::wstring_view text);
};

/// Calls visit(name, argument) for each argument command's type holds, in the
/// order path data writes them: control points ("x1" "y1" "x2" "y2"), an
/// arc's "rx" "ry" "angle" "largeArc" "sweep", then the end point ("x" "y",
/// or one of them); a close has none. An argument is an SLength, a float or a
/// bool.
template <class Visit>
void forEachArgument(const PathDataCommand& command, Visit&& visit) {
    using Type = PathDataCommandType;
    const PathDataCommand& c = command;
    switch (c.type) {
        case Type::CurveTo:
            visit("x1", c.x1), visit("y1", c.y1), visit("x2", c.x2), visit("y2", c.y2);
            break;
        case Type::SmoothCurveTo:
            visit("x2", c.x2), visit("y2", c.y2);
            break;
        case Type::QuadraticCurveTo:
            visit("x1", c.x1), visit("y1", c.y1);
            break;
        case Type::Arc:
            visit("rx", c.rx), visit("ry", c.ry), visit("angle", c.angle);
            visit("largeArc", c.largeArc), visit("sweep", c.sweep);
            break;
        default:
            break;
    }
    switch (c.type) {
        case Type::ClosePath:
            break;
        case Type::HorizontalLineTo:
            visit("x", c.x);
            break;
        case Type::VerticalLineTo:
            visit("y", c.y);
            break;
        default:
            visit("x", c.x), visit("y", c.y);
            break;
    }
}

/// The path data attribute: parsing replaces the held list and always
/// succeeds; the list has no text form.
template <>
struct XMLATTR_API AttributeTraits<Core::Vector<PathDataCommand>> : NoTextFormat {
    /// PathDataCommand::parsePathData of the text; always true.
    static bool parse(Core::Vector<PathDataCommand>& value, const Core::String& text);
};

extern template class TXmlAttribute<Core::Vector<PathDataCommand>>;

}  // namespace Xml
