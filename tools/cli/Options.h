// Splitting a mode's arguments into its flags and its operands.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "tools/cli/Modes.h"

namespace xmlattr_tool {

struct Options {
    std::vector<std::string_view> flags;     // the known flags given, "--json" ...
    std::vector<std::string_view> operands;  // everything else, in order
    bool help = false;                       // --help anywhere, or -h first
    std::string error;                       // set for an unknown option

    bool has(std::string_view flag) const;
};

// Known flags count anywhere before a "--"; everything after "--" is an
// operand. An unknown "--word" is an error, or an operand where a mode takes
// free text (TYPE TEXT: "--5" is a text like any other). "-" and words such
// as "-7%" are operands.
Options splitOptions(Args args, std::initializer_list<std::string_view> known,
                     bool unknownAreOperands = false);

// "unknown type 'X'" and a hint: the nearest name, or how to list them.
std::string unknownType(std::string_view name);

// Writes "xmlattr: error: message" and the mode's usage hint; returns kUsageError.
int usageError(std::ostream& err, std::string_view message, std::string_view mode);

}  // namespace xmlattr_tool
