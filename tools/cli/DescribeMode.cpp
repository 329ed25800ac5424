// xmlattr describe: what a type accepts and how it is written back, as plain
// text or Markdown; --all --markdown is docs/attributes.md.
#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

#include "tools/cli/Modes.h"
#include "tools/cli/Options.h"
#include "tools/describe/Description.h"

namespace xmlattr_tool {

const std::string_view kDescribeHelp =
    R"(usage: xmlattr describe [--markdown] TYPE
       xmlattr describe --all [--markdown]

Describes what TYPE accepts and how its values are written back: for a
keyword enumeration its keywords, aliases and integer rows, the matching rule,
the writing rule and what a text that is no keyword does (all read from the
library's keyword table); for lengths and measures their units (found by
asking the parsers); for colours the forms and the names; for the rest a
paragraph. Each description ends with example texts run through the library.

  --all       every type, by family
  --markdown  Markdown instead of plain text; with --all this is the
              reference docs/attributes.md, regenerated with
                xmlattr describe --all --markdown > docs/attributes.md

Exit status: 0, or 2 for a usage error or an unknown type.
)";

int describeMode(Args args, Streams streams) {
    const Options options = splitOptions(args, {{"--all"}, {"--markdown"}});
    if (options.help) {
        streams.out << kDescribeHelp;
        return kSuccess;
    }
    if (!options.error.empty())
        return usageError(streams.err, options.error, "describe");
    const bool all = options.has("--all");
    const bool markdown = options.has("--markdown");
    if (all != options.operands.empty() || options.operands.size() > 1)
        return usageError(streams.err, "describe takes one TYPE, or --all", "describe");
    if (all) {
        if (markdown) {
            writeReference(streams.out);
        } else {
            const char* separator = "";
            for (int f = 0; f < kFamilyCount; ++f) {
                for (const TypeEntry& type : registeredTypes()) {
                    if (type.family != static_cast<Family>(f))
                        continue;
                    streams.out << separator;
                    writeText(describe(type), streams.out);
                    separator = "\n\n";
                }
            }
        }
        return kSuccess;
    }
    const TypeEntry* type = findType(options.operands[0]);
    if (type == nullptr) {
        streams.err << "xmlattr: error: " << unknownType(options.operands[0]) << '\n';
        return kUsageError;
    }
    if (markdown)
        writeMarkdown(describe(*type), streams.out);
    else
        writeText(describe(*type), streams.out);
    return kSuccess;
}

}  // namespace xmlattr_tool
