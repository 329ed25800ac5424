// The command line: which mode the first argument names.
#include <ostream>

#include "platform/Exception.h"
#include "tools/cli/Modes.h"

namespace xmlattr_tool {

const std::string_view kToolHelp =
    R"(usage: xmlattr [--json] TYPE TEXT        parse TEXT as TYPE and show the value
       xmlattr check [OPTIONS] [FILE|-]    check a file of sample texts
       xmlattr describe [--markdown] TYPE  what TYPE accepts and how it is written
       xmlattr describe --all [--markdown] every type (docs/attributes.md)
       xmlattr --list [--json]             the types known, by family
       xmlattr lint [OPTIONS] FILE|DIR...  check the attributes of XSL-FO and
                                           SVG documents
       xmlattr lsp                         the language server, for editors
       xmlattr MODE --help                 help on one mode (MODE: parse, check,
                                           describe, list, lint,
                                           lsp)
       xmlattr --version                   the version of xmlattr

TYPE is the C++ name of an attribute type (int, Url, Length, Vector<Point>
...). Texts are UTF-8. --json writes JSON Lines: one object per line.
'xmlattr --check FILE' is the older spelling of 'xmlattr check FILE'.

Exit status: 0 accepted (every line as expected), 1 rejected (some line not
as expected), 2 usage error, unknown type, bad input or anything else that
could not be done.
)";

namespace {

int help(Args args, Streams streams) {
    if (args.empty()) {
        streams.out << kToolHelp;
        return kSuccess;
    }
    const std::string_view mode = args[0];
    const std::string_view text = mode == "parse"                        ? kParseHelp
                                  : mode == "check" || mode == "--check" ? kCheckHelp
                                  : mode == "describe"                   ? kDescribeHelp
                                  : mode == "list" || mode == "--list"   ? kListHelp
                                  : mode == "lint"                       ? kLintHelp
                                  : mode == "lsp"                        ? kLspHelp
                                                                         : std::string_view();
    if (text.empty()) {
        streams.err << "xmlattr: error: no mode '" << mode
                    << "'; the modes are parse, check, describe, list, lint and lsp\n";
        return kUsageError;
    }
    streams.out << text;
    return kSuccess;
}

int dispatch(Args args, Streams streams) {
    if (args.empty()) {
        streams.err << kToolHelp;
        return kUsageError;
    }
    const std::string_view first = args[0];
    const Args rest = args.subspan(1);
    if (first == "--help" || first == "-h" || first == "help")
        return help(rest, streams);
    if (first == "--version") {
        streams.out << "xmlattr " << XMLATTR_VERSION << '\n';
        return kSuccess;
    }
    if (first == "check" || first == "--check")
        return checkMode(rest, streams);
    if (first == "describe")
        return describeMode(rest, streams);
    if (first == "--list" || first == "list")
        return listMode(rest, streams);
    if (first == "parse")
        return parseMode(rest, streams);
    if (first == "lint")
        return lintMode(rest, streams);
    if (first == "lsp")
        return lspMode(rest, streams);
    return parseMode(args, streams);
}

}  // namespace

int runTool(Args args, Streams streams) {
    try {
        return dispatch(args, streams);
    } catch (const Core::Exception& error) {
        // Something that could not be done, as an unreadable file is: not a
        // finding (1).
        streams.err << "xmlattr: error: " << error.what() << " raised at " << error.getFile()
                    << ", line " << error.getLine() << '\n';
        return kUsageError;
    }
}

}  // namespace xmlattr_tool
