// The check mode's pieces, for the tests: reading one line of a check file,
// checking it, and checking a whole stream.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

struct CheckOptions {
    bool json = false;
    bool fields = false;
    bool quiet = false;
};

// One line to check, its escapes resolved.
struct CheckLine {
    const TypeEntry* type = nullptr;
    std::string text;                       // UTF-8, for the report
    Core::String value;                     // the same text, as parsed
    std::optional<bool> expectAccepted;     // ok | rejected, when given
    std::optional<std::string> expectText;  // EXPECTED, when given
};

struct LineParse {
    enum Kind { Skipped, Checked, Bad };
    Kind kind = Bad;
    CheckLine line;     // Checked
    std::string error;  // Bad: what is wrong with the line
};

// Reads one line (without its LF; a CR before it is dropped).
LineParse parseCheckLine(std::string_view raw);

struct LineOutcome {
    Report report;
    std::string problem;  // empty when the result is as expected
};

LineOutcome checkLine(const CheckLine& line, bool withFields);

// Checks every line of in; file names the input in messages. Returns the
// exit status.
int checkStream(std::istream& in, std::string_view file, const CheckOptions& options,
                std::ostream& out, std::ostream& err);

}  // namespace xmlattr_tool
