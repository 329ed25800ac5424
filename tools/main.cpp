// xmlattr: parse attribute texts as the library's attribute types.
//
//   xmlattr TYPE TEXT      parse TEXT as TYPE, show the held value and its text
//   xmlattr --list         the types known
//   xmlattr --check FILE   check a file of TYPE<tab>TEXT<tab>ok|rejected[<tab>TEXT]
//
// Exit status: 0 accepted (or every check passed), 1 rejected (or a check
// failed), 2 usage error.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Exception.h"
#include "tools/Text.h"
#include "tools/TypeRegistry.h"

namespace {

using namespace xmlattr_tool;

constexpr int kAccepted = 0;
constexpr int kRejected = 1;
constexpr int kUsage = 2;

int usage() {
    std::cerr << "usage: xmlattr TYPE TEXT\n"
                 "       xmlattr --list\n"
                 "       xmlattr --check FILE\n";
    return kUsage;
}

const TypeEntry* lookup(std::string_view name) {
    const TypeEntry* type = findType(name);
    if (type == nullptr) {
        std::cerr << "xmlattr: unknown type '" << name
                  << "'; run 'xmlattr --list' for the types known\n";
    }
    return type;
}

// What getValueAsString gave, or where it raised, as the tool shows it.
std::string written(const Report& report) {
    if (report.raisedFile == nullptr)
        return quoted(report.text);
    return "<raised at " + std::string(report.raisedFile) + ':' +
           std::to_string(report.raisedLine) + '>';
}

int parseOne(std::string_view typeName, std::string_view text) {
    const TypeEntry* type = lookup(typeName);
    if (type == nullptr)
        return kUsage;
    const Report report = type->run(Core::String::fromUtf8(text));
    std::cout << typeName << ' ' << quoted(Core::String::fromUtf8(text)) << ": "
              << (report.accepted ? "accepted" : "rejected") << '\n';
    for (const auto& [name, value] : report.fields)
        std::cout << "  " << name << ": " << value << '\n';
    std::cout << "  getValueAsString: " << written(report) << '\n';
    return report.accepted ? kAccepted : kRejected;
}

// "\t", "\n", "\s" (a blank, for leading or trailing ones) and "\\" in sample files.
std::string unescape(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            out += text[i];
            continue;
        }
        const char c = text[++i];
        out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 's' ? ' ' : c;
    }
    return out;
}

std::vector<std::string_view> splitTabs(std::string_view line) {
    std::vector<std::string_view> columns;
    std::size_t start = 0;
    for (std::size_t tab; (tab = line.find('\t', start)) != std::string_view::npos;
         start = tab + 1) {
        columns.push_back(line.substr(start, tab - start));
    }
    columns.push_back(line.substr(start));
    return columns;
}

int checkFile(const char* path) {
    std::ifstream in(path);
    if (!in) {
        std::cerr << "xmlattr: cannot read " << path << '\n';
        return kUsage;
    }
    int lineNumber = 0;
    int checked = 0;
    int failed = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        const auto columns = splitTabs(line);
        if (columns.size() < 3 || columns.size() > 4 ||
            (columns[2] != "ok" && columns[2] != "rejected")) {
            std::cerr << path << ':' << lineNumber
                      << ": expected TYPE<tab>TEXT<tab>ok|rejected[<tab>TEXT]\n";
            return kUsage;
        }
        const TypeEntry* type = lookup(columns[0]);
        if (type == nullptr)
            return kUsage;
        const Core::String text = Core::String::fromUtf8(unescape(columns[1]));
        ++checked;
        Report report;
        try {
            report = type->run(text);
        } catch (const Core::Exception& error) {
            std::cout << path << ':' << lineNumber << ": " << columns[0] << ' ' << quoted(text)
                      << ": raised " << error.what() << '\n';
            ++failed;
            continue;
        }
        const bool wantAccepted = columns[2] == "ok";
        std::string problem;
        if (report.accepted != wantAccepted) {
            problem =
                report.accepted ? "accepted, expected rejected" : "rejected, expected accepted";
        } else if (columns.size() == 4 &&
                   written(report) != quoted(Core::String::fromUtf8(unescape(columns[3]))) &&
                   written(report) != columns[3]) {
            problem = "wrote " + written(report) + ", expected " + std::string(columns[3]);
        }
        if (!problem.empty()) {
            std::cout << path << ':' << lineNumber << ": " << columns[0] << ' ' << quoted(text)
                      << ": " << problem << '\n';
            ++failed;
        }
    }
    std::cout << checked - failed << " of " << checked << " sample texts as expected\n";
    return failed == 0 ? kAccepted : kRejected;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    try {
        if (args.size() == 1 && args[0] == "--list") {
            for (const TypeEntry& type : registeredTypes())
                std::cout << type.name << '\n';
            return kAccepted;
        }
        if (args.size() == 2 && args[0] == "--check")
            return checkFile(argv[2]);
        if (args.size() == 2 && !args[0].starts_with("--"))
            return parseOne(args[0], args[1]);
    } catch (const Core::Exception& error) {
        std::cerr << "xmlattr: " << error.what() << " raised at " << error.getFile() << ", line "
                  << error.getLine() << '\n';
        return kRejected;
    }
    return usage();
}
