#include "tools/cli/Options.h"

#include <algorithm>
#include <ostream>

#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

bool Options::has(std::string_view flag) const {
    return std::find(flags.begin(), flags.end(), flag) != flags.end();
}

Options splitOptions(Args args, std::initializer_list<std::string_view> known,
                     bool unknownAreOperands) {
    Options options;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (operandsOnly || arg == "-" || !arg.starts_with('-')) {
            options.operands.push_back(arg);
        } else if (arg == "--") {
            operandsOnly = true;
        } else if (arg == "--help" || (arg == "-h" && i == 0)) {
            options.help = true;
        } else if (std::find(known.begin(), known.end(), arg) != known.end()) {
            options.flags.push_back(arg);
        } else if (unknownAreOperands || !arg.starts_with("--")) {
            options.operands.push_back(arg);
        } else if (options.error.empty()) {
            options.error = "unknown option '" + std::string(arg) + "'";
        }
    }
    return options;
}

std::string unknownType(std::string_view name) {
    std::string message = "unknown type '" + std::string(name) + "'";
    if (const TypeEntry* hint = closestType(name))
        return message + "; did you mean '" + std::string(hint->name) + "'?";
    return message + "; run 'xmlattr --list' for the types known";
}

int usageError(std::ostream& err, std::string_view message, std::string_view mode) {
    err << "xmlattr: error: " << message << "\n"
        << "run 'xmlattr " << mode << (mode.empty() ? "" : " ") << "--help' for usage\n";
    return kUsageError;
}

}  // namespace xmlattr_tool
