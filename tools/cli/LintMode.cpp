// xmlattr lint: read the attributes of XSL-FO and SVG documents as the engine
// does, and report each one that is rejected or reads otherwise than written.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "tools/lint/Lint.h"
#include "tools/registry/Json.h"
#include "tools/cli/Modes.h"
#include "tools/cli/Options.h"
#include "tools/registry/Text.h"

namespace xmlattr_tool {

namespace lint = xmlattr::lint;

const std::string_view kLintHelp =
    R"(usage: xmlattr lint [--json] FILE...
       xmlattr lint --attributes

Reads XSL-FO documents (with embedded SVG) and SVG documents ('-' for
standard input) and reads every attribute that the engine holds in a typed
value, and every declaration of an SVG style="...", as the engine does.
Attributes with no type (font-family, id, foreign namespaces ...) are
skipped and counted. Each value the engine does not read as written is
reported where it stands in the file:

  FILE:LINE:COLUMN: error: ATTR="TEXT" on ELEMENT is rejected (TYPE): ... [rejected]
  FILE:LINE:COLUMN: warning: ATTR="TEXT" on ELEMENT reads as VALUE (TYPE): REASON [KIND]

A rejected text is an error: the engine ignores it. A warning is a text that
is accepted but not in the form its type reads faithfully. The kinds:
  expression          an expression or function, read as its first number
  blank-changed-unit  a blank before or after a measure changed its unit
  unknown-unit        a unit the type does not know, read as pixels
  not-a-number        a word where a number belongs, read as 0
  rgb-percent         percentages inside rgb(), read as 0-255 numbers
  rgb-out-of-range    an rgb() component outside 0-255, which wraps
  list-read-as-one    several values where only the first is read
  implicit-commands   path commands repeated without their letter, dropped
  number-split        a number split by the path or point grammar
  transform-default   a transform that cannot be read, taken as translate(0,0)
  reads-differently   read otherwise than written, for another reason
A summary line follows. A file that cannot be read, is empty or is not
well-formed XML is reported on standard error as
  FILE:LINE:COLUMN: error: ...
and the other files are still linted.

  --attributes  list the attributes read, one per line: vocabulary (fo,
          svg, xml), element (* for any), name, type; then exit
  --json  JSON Lines on standard output instead: per finding {file, line,
          column, severity, kind, element, attribute, style, text, type,
          readsAs, message}; per file that cannot be read {file, line,
          column, severity: "error", kind: "file", message}; last
          {"summary": {files, attributes, checked, skipped, errors,
          warnings, unreadable}}

Exit status: 0 nothing found, 1 errors or warnings found, 2 usage error or
a file that could not be read.
)";

namespace {

struct Totals {
    int files = 0;
    int attributes = 0;
    int checked = 0;
    int skipped = 0;
    int errors = 0;
    int warnings = 0;
    int unreadable = 0;
};

class Linter {
  public:
    Linter(Streams streams, bool json) : streams_(streams), json_(json) {}

    void lint(std::string_view path) {
        ++totals_.files;
        const bool standardInput = path == "-";
        file_ = standardInput ? "<stdin>" : std::string(path);
        std::ifstream file;
        if (!standardInput) {
            file.open(std::string(path), std::ios::binary);
            if (!file) {
                fileError({}, std::string("cannot read: ") + std::strerror(errno));
                return;
            }
        }
        std::istream& in = standardInput ? streams_.in : file;
        const lint::Source source = [&in](char* buffer, std::size_t size) -> std::ptrdiff_t {
            in.read(buffer, static_cast<std::streamsize>(size));
            return in.bad() ? -1 : static_cast<std::ptrdiff_t>(in.gcount());
        };
        const lint::Result result =
            lint::lintDocument(source, [this](const lint::Finding& finding) { report(finding); });
        totals_.attributes += static_cast<int>(result.summary.attributes);
        totals_.checked += static_cast<int>(result.summary.checked);
        totals_.skipped += static_cast<int>(result.summary.skipped);
        if (result.error)
            fileError(result.error->position, result.error->message);
    }

    int finish() {
        if (json_) {
            JsonObject summary;
            summary.add("files", totals_.files)
                .add("attributes", totals_.attributes)
                .add("checked", totals_.checked)
                .add("skipped", totals_.skipped)
                .add("errors", totals_.errors)
                .add("warnings", totals_.warnings)
                .add("unreadable", totals_.unreadable);
            streams_.out << JsonObject().addRaw("summary", summary.str()).str() << '\n';
        } else {
            streams_.out << totals_.files << (totals_.files == 1 ? " file, " : " files, ")
                         << totals_.attributes << " attributes: " << totals_.checked << " checked, "
                         << totals_.skipped << " without a type; " << totals_.errors
                         << (totals_.errors == 1 ? " error, " : " errors, ") << totals_.warnings
                         << (totals_.warnings == 1 ? " warning" : " warnings");
            if (totals_.unreadable > 0)
                streams_.out << "; " << totals_.unreadable << " not read";
            streams_.out << '\n';
        }
        if (totals_.unreadable > 0)
            return kUsageError;
        return totals_.errors + totals_.warnings > 0 ? kFailure : kSuccess;
    }

  private:
    void report(const lint::Finding& finding) {
        const std::string_view severity = lint::severityName(finding.severity);
        if (finding.severity == lint::Severity::Error)
            ++totals_.errors;
        else if (finding.severity == lint::Severity::Warning)
            ++totals_.warnings;
        const std::string_view kind = lint::ruleOf(finding.kind).name;
        if (json_) {
            JsonObject object;
            object.add("file", file_)
                .add("line", static_cast<int>(finding.range.start.line))
                .add("column", static_cast<int>(finding.range.start.column))
                .add("severity", severity)
                .add("kind", kind)
                .add("element", finding.element)
                .add("attribute", finding.attribute)
                .add("style", finding.inStyle)
                .add("text", finding.text)
                .add("type", finding.type);
            if (finding.readsAs.empty())
                object.addNull("readsAs");
            else
                object.add("readsAs", finding.readsAs);
            object.add("message", finding.message);
            streams_.out << object.str() << '\n';
        } else {
            streams_.out << file_ << ':' << finding.range.start.line << ':'
                         << finding.range.start.column << ": " << severity << ": "
                         << finding.message << " [" << kind << "]\n";
        }
    }

    void fileError(const lint::Position& place, const std::string& message) {
        ++totals_.unreadable;
        if (json_) {
            JsonObject object;
            object.add("file", file_)
                .add("line", static_cast<int>(place.line))
                .add("column", static_cast<int>(place.column))
                .add("severity", "error")
                .add("kind", "file")
                .add("message", message);
            streams_.out << object.str() << '\n';
        } else {
            streams_.err << file_ << ':' << place.line << ':' << place.column
                         << ": error: " << message << '\n';
        }
    }

    Streams streams_;
    bool json_;
    std::string file_;
    Totals totals_;
};

void listAttributes(std::ostream& out) {
    constexpr std::string_view kVocabularies[] = {"fo", "svg", "xml"};
    for (const lint::AttributeRow& row : lint::attributeRows()) {
        out << kVocabularies[static_cast<int>(row.vocabulary)] << '\t'
            << (row.element.empty() ? "*" : row.element) << '\t' << row.name << '\t' << row.type
            << '\n';
    }
}

}  // namespace

int lintMode(Args args, Streams streams) {
    const Options options = splitOptions(args, {"--json", "--attributes"});
    if (options.help) {
        streams.out << kLintHelp;
        return kSuccess;
    }
    if (!options.error.empty())
        return usageError(streams.err, options.error, "lint");
    if (options.has("--attributes")) {
        listAttributes(streams.out);
        return kSuccess;
    }
    if (options.operands.empty())
        return usageError(streams.err, "no file to lint", "lint");
    if (!lint::xmlReaderAvailable()) {
        streams.err << "xmlattr: error: this xmlattr was built without libexpat, which lint "
                       "needs to read XML\n";
        return kUsageError;
    }
    Linter linter(streams, options.has("--json"));
    for (const std::string_view path : options.operands)
        linter.lint(path);
    return linter.finish();
}

}  // namespace xmlattr_tool
