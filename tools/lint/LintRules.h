// What xmlattr lint says about one attribute text read as one type: nothing
// when the type reads it as written, else a finding with its kind, its reason
// and how the value reads.
//
// A text is in the faithful form when what the type holds after reading it is
// what the text says: the number and unit it writes, each item of its list,
// each command of its path. The held value is taken from the registry's
// report, field by field, so these rules never parse on their own what the
// library parses; they only read the text closely enough to say what it meant.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

enum class FindingKind : std::uint8_t {
    Rejected,          // the type rejects the text (an error; the others are warnings)
    Expression,        // an expression or function, read as its first number
    BlankChangedUnit,  // a blank around the text changed how it reads
    UnknownUnit,       // a unit the type does not know, read as pixels
    NotANumber,        // a word where a number belongs, read as 0
    RgbPercent,        // percentages inside rgb(), read as 0-255 numbers
    RgbOutOfRange,     // an rgb() component outside 0-255, which wraps
    ListReadAsOne,     // several values where one list item (or one value) is read
    ImplicitCommands,  // path commands repeated implicitly, dropped
    NumberSplit,       // a number split by the path or point grammar
    TransformDefault,  // a transform that fell back to its default
    ReadsDifferently,  // read otherwise than written, none of the above
};

// The kind's name in JSON output and documentation: "rejected", "expression" ...
std::string_view findingKindName(FindingKind kind);

struct Verdict {
    FindingKind kind;
    std::string readsAs;  // the value as read: the written-back text, or built from the held value
    std::string reason;   // why, in a few words
};

// Judges text (UTF-8, as the XML parser delivered it) read as type.
std::optional<Verdict> judge(const TypeEntry& type, std::string_view text);

}  // namespace xmlattr_tool
