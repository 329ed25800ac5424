// xmlattr lsp: the language server on standard input and output.
#include <unistd.h>

#include <ostream>

#include "tools/cli/Modes.h"
#include "tools/cli/Options.h"
#include "tools/lsp/Transport.h"

namespace xmlattr_tool {

const std::string_view kLspHelp =
    R"(usage: xmlattr lsp [--stdio]

Runs the language server: an editor starts it and speaks the Language
Server Protocol 3.17 with it over standard input and output (--stdio, the
only transport, may be given for clients that pass it). For each XSL-FO or
SVG document the editor holds open, the server publishes lint's findings as
diagnostics, placed on the values they are about, as the editor's text
stands (never the file on disk). It offers:

  quick fixes     lint's fixes of the findings under the cursor (safe ones
                  preferred), and a source action that applies every safe
                  fix of the document ("source.fixAll.xmlattr")
  hover           over a typed value: its type, what it reads as, how it
                  is written back, and what the type accepts
  completion      inside the value of a keyword enumeration: its keywords

Positions count UTF-16 units unless the client offers UTF-8 or UTF-32.
See the README for the few lines each editor's configuration needs.

Exit status: 0 after a shutdown request and an exit notification, 1 when
the input ends or exit comes without shutdown, 2 for a usage error.
)";

int lspMode(Args args, Streams streams) {
    const Options options = splitOptions(args, {{"--stdio"}});
    if (options.help) {
        streams.out << kLspHelp;
        return kSuccess;
    }
    if (!options.error.empty())
        return usageError(streams.err, options.error, "lsp");
    if (!options.operands.empty())
        return usageError(streams.err, "lsp takes no operands", "lsp");
    streams.out.flush();
    return xmlattr::lsp::serve(STDIN_FILENO, STDOUT_FILENO);
}

}  // namespace xmlattr_tool
