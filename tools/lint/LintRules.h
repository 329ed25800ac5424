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

#include "tools/lint/Lint.h"
#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

using FindingKind = xmlattr::lint::Kind;

struct Verdict {
    FindingKind kind;
    std::string readsAs;  // the value as read: the written-back text, or built from the held value
    std::string reason;   // why, in a few words
};

// Judges text (UTF-8, as the XML parser delivered it) read as type.
std::optional<Verdict> judge(const TypeEntry& type, std::string_view text);

}  // namespace xmlattr_tool
