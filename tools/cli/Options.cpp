#include "tools/cli/Options.h"

#include <getopt.h>

#include <algorithm>
#include <mutex>
#include <ostream>

#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

bool Options::has(std::string_view name) const {
    return std::any_of(given.begin(), given.end(),
                       [&](const auto& each) { return each.first == name; });
}

Options splitOptions(Args args, std::initializer_list<KnownOption> known, OperandsAt operands) {
    // getopt_long keeps its place in globals: one reading at a time.
    static std::mutex reading;
    const std::lock_guard lock(reading);

    // Copies that end in NUL, and the argument vector over them, which
    // getopt_long reorders (operands last).
    std::vector<std::string> copies(args.begin(), args.end());
    std::string program = "xmlattr";
    std::vector<char*> argv{program.data()};
    for (std::string& copy : copies)
        argv.push_back(copy.data());
    argv.push_back(nullptr);
    const std::vector<char*> original = argv;  // to find where each operand stood
    const int argc = static_cast<int>(argv.size()) - 1;

    std::vector<std::string> names;  // without their dashes
    for (const KnownOption& each : known)
        names.emplace_back(each.name.substr(2));
    std::vector<option> longOptions;
    std::string letters = operands == OperandsAt::Last ? "+:h" : ":h";
    int code = 0;
    for (const KnownOption& each : known) {
        const int has = each.takesValue ? required_argument : no_argument;
        const int value = each.letter != 0 ? each.letter : 256 + code;
        longOptions.push_back({names[static_cast<std::size_t>(code)].c_str(), has, nullptr, value});
        if (each.letter != 0)
            (letters += each.letter) += each.takesValue ? ":" : "";
        ++code;
    }
    longOptions.push_back({"help", no_argument, nullptr, 'h'});
    longOptions.push_back({nullptr, 0, nullptr, 0});

    Options out;
    // The word that ended a failed option: "--format" of "--format=x".
    const auto word = [&] {
        const std::string_view arg = argv[static_cast<std::size_t>(optind) - 1];
        return std::string(optopt != 0 && !arg.starts_with("--")
                               ? std::string{'-', static_cast<char>(optopt)}
                               : arg.substr(0, arg.find('=')));
    };
    opterr = 0;
    optind = 0;  // a fresh start, as GNU getopt reads it
    int index = -1;
    for (int found; (found = getopt_long(argc, argv.data(), letters.c_str(), longOptions.data(),
                                         &index)) != -1;
         index = -1) {
        // A long option is taken as written in full only: getopt_long would
        // also take a prefix, which a later option could make ambiguous.
        if (index >= 0) {
            const bool apart =
                optarg != nullptr && optarg == argv[static_cast<std::size_t>(optind) - 1];
            const std::string_view arg = argv[static_cast<std::size_t>(optind) - (apart ? 2 : 1)];
            if (arg.substr(2, arg.find('=') - 2) !=
                longOptions[static_cast<std::size_t>(index)].name) {
                if (out.error.empty())
                    out.error = "unknown option '" + std::string(arg) + "'";
                continue;
            }
        }
        if (found == 'h') {
            out.help = true;
        } else if (found == ':' && out.error.empty()) {
            out.error = word() + " needs a value";
        } else if (found == '?' && out.error.empty()) {
            const std::string name = word();
            const bool isKnown =
                std::any_of(known.begin(), known.end(),
                            [&](const KnownOption& each) { return each.name == name; });
            out.error = isKnown ? name + " takes no value" : "unknown option '" + name + "'";
        } else if (found != ':' && found != '?') {
            const auto taken =
                std::find_if(known.begin(), known.end(), [&](const KnownOption& each) {
                    return each.letter != 0 ? each.letter == found
                                            : 256 + (&each - known.begin()) == found;
                });
            out.given.emplace_back(taken->name, optarg != nullptr ? optarg : "");
        }
    }
    for (int i = optind; i < argc; ++i) {
        const auto at =
            std::find(original.begin(), original.end(), argv[static_cast<std::size_t>(i)]);
        out.operands.push_back(args[static_cast<std::size_t>(at - original.begin() - 1)]);
    }
    // After free text, the flags and --help still count, up to a "--" the
    // reading stopped before: everything after it is text.
    if (operands == OperandsAt::Last) {
        std::vector<std::string_view> texts;
        bool textOnly = false;
        for (const std::string_view operand : out.operands) {
            const auto flag = std::find_if(
                known.begin(), known.end(),
                [&](const KnownOption& each) { return !each.takesValue && each.name == operand; });
            if (textOnly)
                texts.push_back(operand);
            else if (operand == "--")
                textOnly = true;
            else if (operand == "--help")
                out.help = true;
            else if (flag != known.end())
                out.given.emplace_back(flag->name, "");
            else
                texts.push_back(operand);
        }
        out.operands = std::move(texts);
    }
    return out;
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
