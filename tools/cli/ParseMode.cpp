// xmlattr TYPE TEXT: parse one text and show the value it gives.
#include <ostream>
#include <string>

#include "tools/cli/Modes.h"
#include "tools/cli/Options.h"
#include "tools/registry/Json.h"
#include "tools/registry/Output.h"
#include "tools/registry/Text.h"
#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

const std::string_view kParseHelp =
    R"(usage: xmlattr [--json] TYPE TEXT

Parses TEXT (UTF-8) as TYPE with a fresh attribute and shows whether it was
accepted, the value it holds field by field and what getValueAsString writes
back (or where it raised). TYPE is the C++ name of the type: int, Url,
Length, Vector<Point> ...; 'xmlattr --list' shows them all.

  --json   one JSON object instead: type, text, accepted, written (null where
           it raised), raised (null or {file, line}), fields (an array of
           [name, value] pairs in the order shown, text values unquoted) and
           log (what the library logged while parsing).
  --       ends the options: 'xmlattr String -- --json' parses "--json".

Exit status: 0 accepted, 1 rejected, 2 usage error or unknown type.
)";

namespace {

const TypeEntry* lookUp(std::string_view name, std::ostream& err) {
    const TypeEntry* type = findType(name);
    if (type == nullptr) {
        err << "xmlattr: error: " << unknownType(name) << '\n';
    }
    return type;
}

}  // namespace

int parseMode(Args args, Streams streams) {
    const Options options = splitOptions(args, {{"--json"}}, OperandsAt::Last);
    if (options.help) {
        streams.out << kParseHelp;
        return kSuccess;
    }
    if (!options.error.empty())
        return usageError(streams.err, options.error, "");
    if (options.operands.size() != 2)
        return usageError(streams.err, "expected TYPE TEXT", "");
    const std::string_view typeName = options.operands[0];
    const std::string_view utf8 = options.operands[1];
    const TypeEntry* type = lookUp(typeName, streams.err);
    if (type == nullptr)
        return kUsageError;

    int replaced = 0;
    const Core::String text = Core::String::fromUtf8(utf8, &replaced);
    if (replaced > 0) {
        streams.err << "xmlattr: warning: TEXT is not valid UTF-8; " << replaced
                    << " invalid part(s) read as U+FFFD\n";
    }

    if (options.has("--json")) {
        Core::Log::Capture log;
        const Report report = type->run(text);
        Json object = {{"type", typeName}, {"text", text.toUtf8()}};
        addOutcome(object, report);
        object["fields"] = fieldsJson(report);
        object["log"] = logJson(log.take());
        streams.out << dumpJson(object) << '\n';
        return report.accepted ? kSuccess : kFailure;
    }

    // The plain form is read by scripts: keep it as it is.
    const Report report = type->run(text);
    streams.out << typeName << ' ' << quoted(text) << ": "
                << (report.accepted ? "accepted" : "rejected") << '\n';
    writeFieldLines(report, streams.out);
    streams.out << "  getValueAsString: " << writtenBackQuoted(report) << '\n';
    return report.accepted ? kSuccess : kFailure;
}

}  // namespace xmlattr_tool
