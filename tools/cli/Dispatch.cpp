// The command line: which mode the first argument names.
#include <iterator>
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
    const Mode* mode = findMode(args[0]);
    if (mode == nullptr) {
        streams.err << "xmlattr: error: no mode '" << args[0] << "'; the modes are ";
        for (const Mode& each : kModes) {
            streams.err << each.name
                        << (&each == &kModes[std::size(kModes) - 1]   ? "\n"
                            : &each == &kModes[std::size(kModes) - 2] ? " and "
                                                                      : ", ");
        }
        return kUsageError;
    }
    const std::string_view text = *mode->help;
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
    if (const Mode* mode = findMode(first))
        return mode->run(rest, streams);
    return parseMode(args, streams);  // TYPE TEXT
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
