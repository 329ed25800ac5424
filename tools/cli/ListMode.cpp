// xmlattr --list: the registered types, by family.
#include <ostream>

#include "tools/cli/Modes.h"
#include "tools/cli/Options.h"
#include "tools/registry/Json.h"
#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

const std::string_view kListHelp =
    R"(usage: xmlattr --list [--json]
       xmlattr list [--json]

The types the tool knows, by family, in the order of the reference
(docs/attributes.md). Each name is what TYPE takes in the other modes.

  --json   one object per type: {"type": ..., "family": ...}

Exit status: 0, or 2 for a usage error.
)";

int listMode(Args args, Streams streams) {
    const Options options = splitOptions(args, {{"--json"}});
    if (options.help) {
        streams.out << kListHelp;
        return kSuccess;
    }
    if (!options.error.empty())
        return usageError(streams.err, options.error, "--list");
    if (!options.operands.empty())
        return usageError(streams.err, "--list takes no operands", "--list");
    const bool json = options.has("--json");
    for (int f = 0; f < kFamilyCount; ++f) {
        const auto family = static_cast<Family>(f);
        if (!json)
            streams.out << (f > 0 ? "\n" : "") << familyName(family) << ":\n";
        for (const TypeEntry& type : registeredTypes()) {
            if (type.family != family)
                continue;
            if (json) {
                streams.out << dumpJson({{"type", type.name}, {"family", familyName(family)}})
                            << '\n';
            } else {
                streams.out << "  " << type.name << '\n';
            }
        }
    }
    return kSuccess;
}

}  // namespace xmlattr_tool
