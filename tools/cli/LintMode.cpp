// xmlattr lint: read the attributes of XSL-FO and SVG documents as the engine
// does, and report each one that is rejected or reads otherwise than written.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <istream>
#include <ostream>
#include <string>
#include <vector>

#include "tools/cli/Modes.h"
#include "tools/cli/Options.h"
#include "tools/lint/Judge.h"
#include "tools/lint/LintDocument.h"
#include "tools/lint/Table.h"
#include "tools/registry/Json.h"
#include "tools/registry/Text.h"

namespace xmlattr_tool {

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

using xmlattr::lint::AttributeRow;
using xmlattr::lint::attributeRows;
using xmlattr::lint::findAttribute;
using xmlattr::lint::JudgedType;
using xmlattr::lint::Verdict;

std::string_view kindName(xmlattr::lint::Kind kind) {
    return xmlattr::lint::ruleOf(kind).name;
}

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
    Linter(Streams streams, bool json) : streams_(streams), json_(json) {
        // Each row's type, found once rather than by name per attribute.
        for (const AttributeRow& row : attributeRows())
            types_.push_back(xmlattr::lint::judgedType(row.type));
    }

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
        const auto error =
            readDocument(in, [this](const AttributeEvent& event) { attribute(event); });
        if (error)
            fileError(error->place, error->message);
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
    void attribute(const AttributeEvent& event) {
        ++totals_.attributes;
        const AttributeRow* row =
            event.vocabulary ? findAttribute(*event.vocabulary, event.elementName, event.name)
                             : nullptr;
        const JudgedType* type =
            row != nullptr ? types_[static_cast<std::size_t>(row - attributeRows().data())]
                           : nullptr;
        if (type == nullptr) {
            ++totals_.skipped;
            return;
        }
        ++totals_.checked;
        if (const auto verdict = xmlattr::lint::judgeText(*type, event.text))
            report(event, *type, *verdict);
    }

    void report(const AttributeEvent& event, const JudgedType& type, const Verdict& verdict) {
        const bool error = verdict.kind == xmlattr::lint::Kind::Rejected;
        ++(error ? totals_.errors : totals_.warnings);
        std::string message;
        message += event.inStyle ? "style " : "";
        message += event.name;
        message += '=';
        message += quotedShort(event.text);
        message += " on ";
        message += event.element;
        if (error) {
            message += " is rejected (";
        } else {
            message += " reads as ";
            message += verdict.readsAs;
            message += " (";
        }
        message += xmlattr::lint::typeName(type);
        message += "): ";
        message += verdict.reason;
        if (json_) {
            JsonObject object;
            object.add("file", file_)
                .add("line", static_cast<int>(event.place.line))
                .add("column", static_cast<int>(event.place.column))
                .add("severity", error ? "error" : "warning")
                .add("kind", kindName(verdict.kind))
                .add("element", event.element)
                .add("attribute", event.name)
                .add("style", event.inStyle)
                .add("text", event.text)
                .add("type", xmlattr::lint::typeName(type));
            if (verdict.readsAs.empty())
                object.addNull("readsAs");
            else
                object.add("readsAs", verdict.readsAs);
            object.add("message", message);
            streams_.out << object.str() << '\n';
        } else {
            streams_.out << file_ << ':' << event.place.line << ':' << event.place.column
                         << (error ? ": error: " : ": warning: ") << message << " ["
                         << kindName(verdict.kind) << "]\n";
        }
    }

    void fileError(const Place& place, const std::string& message) {
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
    std::vector<const JudgedType*> types_;  // by row, as attributeRows() lists them
    std::string file_;
    Totals totals_;
};

void listAttributes(std::ostream& out) {
    constexpr std::string_view kVocabularies[] = {"fo", "svg", "xml"};
    for (const AttributeRow& row : attributeRows()) {
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
    if (!xmlReaderAvailable()) {
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
