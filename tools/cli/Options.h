// Splitting a mode's arguments into its options and its operands, by
// getopt_long: "--format F", "--format=F", "-j N", "-jN" and "--" work alike
// in every mode; a long option is written in full.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tools/cli/Modes.h"

namespace xmlattr_tool {

// An option a mode takes: "--json", or "--format" with a value; letter is its
// one-letter form ('j' for "--jobs"), 0 for none.
struct KnownOption {
    std::string_view name;
    bool takesValue = false;
    char letter = 0;
};

struct Options {
    std::vector<std::pair<std::string_view, std::string>> given;  // name and value, in order
    std::vector<std::string_view> operands;                       // everything else, in order
    bool help = false;                                            // --help or -h
    std::string error;  // an unknown option, a value missing or one where none belongs

    bool has(std::string_view name) const;
};

// Where operands stand among the options: anywhere, or after them (a mode
// that takes free text, TYPE TEXT, where "--5" and "-7%" are texts like any
// other; its flags and --help still count after the text, up to a "--").
enum class OperandsAt { Anywhere, Last };

Options splitOptions(Args args, std::initializer_list<KnownOption> known,
                     OperandsAt operands = OperandsAt::Anywhere);

// "unknown type 'X'" and a hint: the nearest name, or how to list them.
std::string unknownType(std::string_view name);

// Writes "xmlattr: error: message" and the mode's usage hint; returns kUsageError.
int usageError(std::ostream& err, std::string_view message, std::string_view mode);

}  // namespace xmlattr_tool
