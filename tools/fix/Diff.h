/// @file
/// A unified diff of two versions of a file, as `--diff` prints it and GNU
/// patch -p1 applies it.
#pragma once

#include <string>
#include <string_view>

namespace xmlattr::fix {

/// The unified diff from before to after of the file at path: "--- a/PATH"
/// and "+++ b/PATH", then hunks with three lines of context. Lines end at
/// LF; every other byte (a CR before the LF among them) is kept as it is;
/// a last line without LF is followed by "\ No newline at end of file".
/// Empty when before and after are equal.
std::string unifiedDiff(std::string_view path, std::string_view before, std::string_view after);

}  // namespace xmlattr::fix
