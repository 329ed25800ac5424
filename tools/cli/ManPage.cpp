// Writes the manual page xmlattr(1) from the tool's help texts, at build
// time, so that the page says what --help says: the synopsis and exit status
// of 'xmlattr --help', then each mode's help (lint's carries the table of
// kinds) as it is printed, in a no-fill block.
//
//   xmlattr_manpage VERSION > xmlattr.1
#include <iostream>
#include <string>
#include <string_view>

#include "tools/cli/Modes.h"

namespace {

// Text as troff reads it literally: a backslash is written \e, and a line
// that would begin with a control character is guarded by \&.
std::string literal(std::string_view text) {
    std::string out;
    bool lineStart = true;
    for (const char c : text) {
        if (lineStart && (c == '.' || c == '\''))
            out += "\\&";
        if (c == '\\')
            out += "\\e";
        else if (c == '-')
            out += "\\-";
        else
            out += c;
        lineStart = c == '\n';
    }
    return out;
}

void verbatim(std::ostream& out, std::string_view text) {
    out << ".PP\n.nf\n.ft CR\n" << literal(text);
    if (!text.empty() && text.back() != '\n')
        out << '\n';
    out << ".ft R\n.fi\n";
}

}  // namespace

int main(int argc, char** argv) {
    using namespace xmlattr_tool;
    const std::string_view version = argc > 1 ? argv[1] : "";
    std::ostream& out = std::cout;
    out << ".\\\" Generated from the help texts of xmlattr " << version << "; do not edit.\n"
        << ".TH XMLATTR 1 \"\" \"xmlattr " << version << "\" \"User Commands\"\n"
        << ".SH NAME\nxmlattr \\- read, check and lint the typed attribute values of XSL\\-FO and "
           "SVG\n"
        << ".SH SYNOPSIS\n";
    verbatim(out, kToolHelp);
    for (const Mode& mode : kModes) {
        out << ".SH \"" << mode.heading << "\"\n";
        verbatim(out, *mode.help);
    }
    out << ".SH \"SEE ALSO\"\nThe README and docs/ of the xmlattr sources; "
           "\\fBxmlattr describe \\-\\-all\\fR for every type.\n";
    return out ? 0 : 1;
}
