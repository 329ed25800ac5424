// The modes of the xmlattr tool. Each takes the arguments that follow its
// name and the streams to read and write, and returns the exit status, so
// that tests can run them without a process.
#pragma once

#include <iosfwd>
#include <span>
#include <string_view>

namespace xmlattr_tool {

using Args = std::span<const std::string_view>;

struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// Exit status of every mode.
inline constexpr int kSuccess = 0;     // accepted; every line as expected; help shown
inline constexpr int kFailure = 1;     // rejected; some line not as expected
inline constexpr int kUsageError = 2;  // bad arguments, unknown type, unreadable or bad input

// The whole command line after the program name (main.cpp's only call).
int runTool(Args args, Streams streams);

// xmlattr [--json] TYPE TEXT
int parseMode(Args args, Streams streams);
// xmlattr check [--json] [--fields] [--quiet] [FILE|-]
int checkMode(Args args, Streams streams);
// xmlattr describe [--markdown] TYPE | --all
int describeMode(Args args, Streams streams);
// xmlattr --list [--json]
int listMode(Args args, Streams streams);
// xmlattr lint [--format F] [--select K,...] [-j N] FILE|DIR...
int lintMode(Args args, Streams streams);
// xmlattr lsp [--stdio]: the language server on standard input and output
int lspMode(Args args, Streams streams);

// The help text of the tool and of each mode.
extern const std::string_view kToolHelp;
extern const std::string_view kParseHelp;
extern const std::string_view kCheckHelp;
extern const std::string_view kDescribeHelp;
extern const std::string_view kListHelp;
extern const std::string_view kLintHelp;
extern const std::string_view kLspHelp;

// One mode of the command line: its name and older spelling, what runs it,
// its help and the heading of that help in the manual page.
struct Mode {
    std::string_view name;   // "check"
    std::string_view alias;  // "--check"; empty for none
    int (*run)(Args args, Streams streams);
    const std::string_view* help;
    std::string_view heading;  // "CHECKING SAMPLE TEXTS"
};

// Every mode, in the order the help lists them.
inline constexpr Mode kModes[] = {
    {"parse", "", &parseMode, &kParseHelp, "PARSING ONE TEXT"},
    {"check", "--check", &checkMode, &kCheckHelp, "CHECKING SAMPLE TEXTS"},
    {"describe", "", &describeMode, &kDescribeHelp, "DESCRIBING A TYPE"},
    {"list", "--list", &listMode, &kListHelp, "LISTING THE TYPES"},
    {"lint", "", &lintMode, &kLintHelp, "LINTING DOCUMENTS"},
    {"lsp", "", &lspMode, &kLspHelp, "THE LANGUAGE SERVER"},
};

// The mode named word (by its name or its older spelling), or null.
constexpr const Mode* findMode(std::string_view word) {
    for (const Mode& mode : kModes) {
        if (word == mode.name || (!mode.alias.empty() && word == mode.alias))
            return &mode;
    }
    return nullptr;
}

}  // namespace xmlattr_tool
