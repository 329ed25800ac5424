// Judging one attribute text as one attribute type: what the engine holds
// after reading it, against what its author wrote.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tools/lint/Lint.h"

namespace xmlattr::lint {

// The text its author meant, written so that the type reads it so: the
// replacement of the whole text. Lint offers it only once it is proven (the
// text judged again gives no finding).
struct Rewrite {
    std::string text;
    bool safe = false;        // the meaning is certain, not only likely
    std::string description;  // what it does, "drop the blanks"
};

struct Verdict {
    Kind kind;
    std::string readsAs;  // the held value as text; empty where the old value is kept
    std::string reason;   // why, in a few words
    std::optional<Rewrite> fix;
};

// A type lint judges texts of (opaque: its judge and its name).
struct JudgedType;

// The type named name ("Length", "Vector<Point>"), or null.
const JudgedType* judgedType(std::string_view name);
std::string_view typeName(const JudgedType& type);

// What an attribute's own grammar says beyond its type's: whether a bare
// number is a ratio (line-height="1.2" is 120%) rather than a measure that
// lost its unit (padding="12").
struct Grammar {
    bool numberIsRatio = false;
};

// Reads text (UTF-8) as type; none when it reads as written. A raise of the
// library is a verdict of its own (InternalError); nothing is logged.
std::optional<Verdict> judgeText(const JudgedType& type, std::string_view text,
                                 Grammar grammar = {});

}  // namespace xmlattr::lint
