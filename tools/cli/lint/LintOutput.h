// What xmlattr lint prints, per format: each file's output is built into a
// buffer of its own (files are linted in parallel) and the buffers are
// written in the order of the files.
#pragma once

#include <array>
#include <cstddef>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lint/Lint.h"

namespace xmlattr_tool::lint_cli {

namespace lint = xmlattr::lint;

enum class Format { Text, Json, Sarif, Github };

// The formats by the names --format takes.
struct FormatName {
    Format format;
    std::string_view name;
};
inline constexpr FormatName kFormats[] = {{Format::Text, "text"},
                                          {Format::Json, "json"},
                                          {Format::Sarif, "sarif"},
                                          {Format::Github, "github"}};

// The format of a name in kFormats; none for another word.
std::optional<Format> formatNamed(std::string_view name);
// "text, json, sarif and github".
std::string formatNames();

// What is done with the fixes findings offer: --fix applies them, --diff
// shows what --fix would do; unsafe fixes count with --unsafe-fixes.
struct FixSettings {
    enum Mode { Report, Fix, Diff };
    Mode mode = Report;
    bool unsafe = false;
};

// Counts over one file or the whole run.
struct Tally {
    std::size_t files = 0;
    std::size_t attributes = 0;
    std::size_t checked = 0;
    std::size_t skipped = 0;
    std::size_t computed = 0;  // stylesheet values computed when it runs
    std::size_t errors = 0;
    std::size_t warnings = 0;
    std::size_t notes = 0;
    std::size_t unreadable = 0;      // files not read to their end
    std::size_t internalErrors = 0;  // values the library raised on
    std::size_t fixable = 0;         // findings shown that offer a fix that applies
    std::size_t unsafeHidden = 0;    // findings that offer only an unsafe fix, not applied
    std::size_t fixed = 0;           // fixes applied (--fix) or that would be (--diff)
    std::size_t notWritten = 0;      // files whose fixes could not be written
    std::array<std::size_t, 32> byKind{};

    void add(const Tally& other);
    void count(const lint::Finding& finding);
};

// Why a file could not be read (to its end).
struct FileProblem {
    // Where the XML went wrong; none when the file could not be opened at all.
    std::optional<lint::Position> position;
    // The XML error ("XML: mismatched tag"), or why it could not be opened
    // ("No such file or directory").
    std::string message;
};

// One file's share of the output.
struct FileOutput {
    std::string out;
    std::string err;
    std::vector<std::string> notices;  // SARIF notifications, as JSON
    Tally tally;
    // --fix on standard input: the document, fixed, for standard output.
    std::optional<std::string> document;
};

class Printer {
  public:
    virtual ~Printer() = default;

    // Called from several threads at once: they only write into output.
    // fixApplies: the finding offers a fix that this run applies.
    virtual void finding(FileOutput& output, std::string_view file, const lint::Finding& finding,
                         bool fixApplies) const = 0;
    virtual void problem(FileOutput& output, std::string_view file,
                         const FileProblem& problem) const;

    // Called in order, from one thread.
    virtual void begin(std::ostream&) {}
    virtual void write(std::ostream& out, std::ostream& err, const FileOutput& output);
    virtual void end(std::ostream& out, const Tally& tally, const FixSettings& fixes,
                     bool statistics) = 0;
};

std::unique_ptr<Printer> makePrinter(Format format);

// The summary line of the text format, with its line end: with --fix it
// ends "; 3 fixed, 4 remaining", with --diff "; 3 would be fixed, 4
// remaining", otherwise "; 3 fixable with --fix" where any is.
std::string summaryLine(const Tally& tally, const FixSettings& fixes = {});

// "  12 unknown-unit" per kind found, most found first, with line ends.
std::string statisticsLines(const Tally& tally);

// A value of a GitHub workflow command's message, and of one of its
// properties (file=..., title=...), escaped as the runner reads them.
std::string githubMessage(std::string_view text);
std::string githubProperty(std::string_view text);

// A path as given on the command line, as a SARIF artifact URI: forward
// slashes, characters outside a URI's unreserved ones percent-encoded; an
// absolute path becomes a file: URI.
std::string artifactUri(std::string_view path);

}  // namespace xmlattr_tool::lint_cli
