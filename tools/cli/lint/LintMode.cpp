// xmlattr lint: read the attributes of XSL-FO and SVG documents as the engine
// does, and report each one that is rejected or reads otherwise than written.
#include <algorithm>
#include <charconv>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <ostream>
#include <string>
#include <system_error>
#include <thread>
#include <vector>

#include "tools/cli/Modes.h"
#include "tools/cli/Options.h"
#include "tools/cli/lint/LintFiles.h"
#include "tools/cli/lint/LintOutput.h"
#include "tools/common/Wrap.h"

namespace xmlattr_tool {

namespace {

using namespace lint_cli;

std::string lintHelpText() {
    std::string text = R"(usage: xmlattr lint [OPTIONS] FILE|DIRECTORY...
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
is accepted but not in the form its type reads faithfully. A note says how
a document was read. The kinds:
)";
    std::size_t width = 0;
    for (const lint::Rule& rule : lint::rules())
        width = std::max(width, rule.name.size());
    // NAME  SUMMARY, with the severity where it is not a warning, wrapped
    // under the summary.
    const std::size_t indent = 2 + width + 2;
    for (const lint::Rule& rule : lint::rules()) {
        std::string words(rule.summary);
        if (rule.severity != lint::Severity::Warning) {
            words += " (";
            words += lint::severityName(rule.severity);
            words += ')';
        }
        std::string head = "  ";
        head += rule.name;
        text += wrapWords(words, indent, std::move(head));
    }
    text += R"(A summary line follows.

A DIRECTORY is walked recursively, in the byte order of the paths: its files
named *.fo, *.svg, *.xml, *.xsl or *.xslt whose root element is XSL-FO or SVG
(or a root svg without namespace), and the XSLT stylesheets that write XSL-FO
or SVG, are linted, the others skipped. Files named on the command line are
always linted.

In a stylesheet, what it writes is read: the constant attributes of literal
result elements ("{{" and "}}" stand for braces), the text of xsl:attribute
(text nodes and xsl:text) or its string-literal select, on the element it
lands on; the attributes of an attribute set on the elements that use it, in
the modules beside it it includes, imports or is included by (where none is
known, as the type that holds the attribute on every element, if one does).
Values computed when it runs (an expression in braces, instructions inside
xsl:attribute) are counted as computed and never judged. A file that cannot be opened is reported
on standard error as
  xmlattr: error: cannot read FILE: REASON
one that is empty or not well-formed XML as
  FILE:LINE:COLUMN: error: ...
and the other files are still linted.

  --format FORMAT     text (the default) or
          json    JSON Lines: per finding {file, line, column, severity,
                  kind, element, attribute, style, text, type, readsAs,
                  message, and where one is offered fix: {safe, applies,
                  description, edits: [{begin, end, replacement}]}}, the
                  edits in bytes of the file; per file that cannot be read
                  {file, line, column, severity: "error", kind: "file",
                  message}; last {"summary": {files, attributes, checked,
                  skipped, computed, errors, warnings, unreadable, notes,
                  fixable}},
                  with --fix fixed and remaining instead of fixable
          sarif   one SARIF 2.1.0 log, for code-scanning services: a rule
                  per kind, a result per finding (with its fix where one
                  applies); files that cannot be read are notifications of
                  the run's invocation
          github  GitHub Actions annotations (::error, ::warning, ::notice
                  file=...,line=...,col=...,title=KIND::MESSAGE), then the
                  summary line
  --json              the same as --format json
  --select KIND,...   report only these kinds (may be given again)
  --ignore KIND,...   do not report these kinds
  --statistics        before the summary line, how many of each kind were
                      found, most first (text format)
  -j N, --jobs N      lint N files at a time (default: one per processor);
                      the output is the same whatever N
  --fix               apply the fixes of the findings that offer a safe one,
                      rewrite each file they change, and report what
                      remains; a finding that offers a fix ends in [*]
  --unsafe-fixes      offer (and with --fix apply) the fixes whose meaning
                      is likely but not certain too
  --diff              print what --fix would change as a unified diff
                      (patch -p1 applies it) and write nothing; the summary
                      goes to standard error
  --attributes        list the attributes read, one per line: vocabulary
                      (fo, svg, xml), element (* for any), name, type; then
                      exit

A file is rewritten only when a fix changed it, and only if it is UTF-8 or
declared ISO-8859-1 (its fixes written in it): the new bytes go to a
temporary file beside it, with its permissions, which then replaces it;
nothing but the fixed values changes, and a file that changed on disk after
it was read, or that is read-only (also for root), is reported and left as
it is. With --fix, '-' writes the fixed document to standard output and the
report to standard error.

Exit status: 0 nothing found but notes, 1 errors or warnings found (with
--fix: remaining; with --diff: remaining, or something to fix), 2 usage
error, no document to lint, a file that could not be read or written, or
an internal error of the library on some value.
)";
    return text;
}

const std::string& lintHelp() {
    static const std::string text = lintHelpText();
    return text;
}

}  // namespace

const std::string_view kLintHelp = lintHelp();

namespace {

struct LintSettings {
    Format format = Format::Text;
    unsigned jobs = 1;
    lint::Options options;
    bool statistics = false;
    FixSettings fixes;
};

std::string kindList() {
    std::string list;
    for (const lint::Rule& rule : lint::rules()) {
        list += list.empty() ? "" : ", ";
        list += rule.name;
    }
    return list;
}

// Reads KIND,KIND... into kinds; returns an error message or "".
std::string readKinds(std::string_view value, std::vector<lint::Kind>& kinds) {
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t comma = value.find(',', start);
        if (comma == std::string_view::npos)
            comma = value.size();
        const std::string_view name = value.substr(start, comma - start);
        if (const auto kind = lint::kindNamed(name)) {
            kinds.push_back(*kind);
        } else {
            std::string message = "unknown kind '";
            message += name;
            message += "'; the kinds are ";
            message += kindList();
            return message;
        }
        start = comma + 1;
    }
    return {};
}

struct ParsedArgs {
    LintSettings settings;
    Options flags;  // --json, --attributes, --statistics, --help, operands
    std::string error;
};

// The options, then what each one's value sets.
ParsedArgs parseArgs(Args args) {
    ParsedArgs parsed;
    LintSettings& settings = parsed.settings;
    const unsigned processors = std::thread::hardware_concurrency();
    settings.jobs = processors == 0 ? 1 : processors;
    parsed.flags = splitOptions(args, {{"--format", true},
                                       {"--select", true},
                                       {"--ignore", true},
                                       {"--jobs", true, 'j'},
                                       {"--json"},
                                       {"--attributes"},
                                       {"--statistics"},
                                       {"--fix"},
                                       {"--unsafe-fixes"},
                                       {"--diff"}});
    std::vector<lint::Kind> selected;
    std::vector<lint::Kind> ignored;
    bool anySelected = false;
    for (const auto& [name, value] : parsed.flags.given) {
        std::string error;
        if (name == "--format") {
            if (const auto format = formatNamed(value)) {
                settings.format = *format;
            } else {
                error = "unknown format '";
                error += value;
                error += "'; the formats are ";
                error += formatNames();
            }
        } else if (name == "--select") {
            anySelected = true;
            error = readKinds(value, selected);
        } else if (name == "--ignore") {
            error = readKinds(value, ignored);
        } else if (name == "--jobs") {
            unsigned jobs = 0;
            const auto [end, status] =
                std::from_chars(value.data(), value.data() + value.size(), jobs);
            if (status != std::errc() || end != value.data() + value.size() || jobs == 0) {
                error = "-j takes a number of files at a time, 1 or more, not '";
                error += value;
                error += '\'';
            } else {
                settings.jobs = jobs;
            }
        }
        if (!error.empty() && parsed.error.empty())
            parsed.error = std::move(error);
    }
    lint::KindSet kinds = anySelected ? lint::KindSet::none() : lint::KindSet::all();
    for (const lint::Kind kind : selected)
        kinds.add(kind);
    for (const lint::Kind kind : ignored)
        kinds.remove(kind);
    settings.options.kinds = kinds;
    if (parsed.flags.has("--json"))
        settings.format = Format::Json;
    settings.statistics = parsed.flags.has("--statistics");
    settings.fixes.unsafe = parsed.flags.has("--unsafe-fixes");
    if (parsed.flags.has("--fix"))
        settings.fixes.mode = FixSettings::Fix;
    if (parsed.flags.has("--diff")) {
        settings.fixes.mode = FixSettings::Diff;
        if (parsed.flags.has("--fix") && parsed.error.empty())
            parsed.error = "--fix and --diff do not go together: --diff shows what --fix would do";
        if (settings.format != Format::Text && parsed.error.empty())
            parsed.error = "--diff prints a diff, in no other format";
    }
    return parsed;
}

// Lints the files of the operands, settings.jobs at a time, and prints each
// file's output in the order of the files. At most a window of files is in
// flight, so that memory does not grow with the number of files.
class Run {
  public:
    Run(const LintSettings& settings, Streams streams)
        : settings_(settings), streams_(streams), printer_(makePrinter(settings.format)) {}

    int lint(const std::vector<std::string_view>& operands) {
        // Standard output holds the fixed document of '-' with --fix, and
        // the diff with --diff: the report goes to standard error then.
        const bool fixingInput = settings_.fixes.mode == FixSettings::Fix &&
                                 std::find(operands.begin(), operands.end(), "-") != operands.end();
        report_ = fixingInput ? &streams_.err : &streams_.out;
        summary_ = fixingInput || settings_.fixes.mode == FixSettings::Diff ? &streams_.err
                                                                            : &streams_.out;
        printer_->begin(*report_);
        std::vector<FileJob> jobs;
        for (const std::string_view operand : operands)
            expandOperand(operand, [&jobs](FileJob job) { jobs.push_back(std::move(job)); });
        // No more workers than files; where the system gives fewer threads,
        // the ones it gives do the work.
        const std::size_t workers = std::min<std::size_t>(settings_.jobs, jobs.size());
        try {
            for (std::size_t i = 0; workers > 1 && i < workers; ++i)
                threads_.emplace_back([this] { work(); });
        } catch (const std::system_error&) {
        }
        for (FileJob& job : jobs)
            submit(std::move(job));
        finish();
        printer_->end(*summary_, tally_, settings_.fixes, settings_.statistics);
        if (tally_.files == 0 && tally_.unreadable == 0) {
            // A wrong path or a folder of other files must not pass a CI job.
            streams_.err << "xmlattr: error: no XSL-FO or SVG document, nor stylesheet writing "
                            "them, was found to lint\n";
            return kUsageError;
        }
        if (tally_.unreadable > 0 || tally_.internalErrors > 0 || tally_.notWritten > 0)
            return kUsageError;
        if (settings_.fixes.mode == FixSettings::Diff && tally_.fixed > 0)
            return kFailure;
        return tally_.errors + tally_.warnings > 0 ? kFailure : kSuccess;
    }

  private:
    FileOutput lintOne(const FileJob& job) const {
        return lintFile(job, *printer_, settings_.fixes, settings_.options, streams_.in);
    }

    void print(const FileOutput& output) {
        printer_->write(*report_, streams_.err, output);
        if (output.document)
            streams_.out << *output.document;
        tally_.add(output.tally);
    }

    void submit(FileJob job) {
        if (threads_.empty()) {
            print(lintOne(job));
            return;
        }
        std::unique_lock lock(mutex_);
        const std::size_t window = 4 * threads_.size();
        while (submitted_ - printed_ >= window) {
            if (!printReady(lock))
                resultReady_.wait(lock);
        }
        queue_.emplace_back(submitted_++, std::move(job));
        workReady_.notify_one();
        printReady(lock);
    }

    void finish() {
        if (threads_.empty())
            return;
        {
            std::unique_lock lock(mutex_);
            while (printed_ < submitted_) {
                if (!printReady(lock))
                    resultReady_.wait(lock);
            }
            closing_ = true;
        }
        workReady_.notify_all();
        for (std::thread& thread : threads_)
            thread.join();
    }

    // Prints the outputs that are next in order; false when none was.
    bool printReady(std::unique_lock<std::mutex>& lock) {
        bool any = false;
        for (auto next = done_.find(printed_); next != done_.end(); next = done_.find(printed_)) {
            const FileOutput output = std::move(next->second);
            done_.erase(next);
            lock.unlock();
            print(output);
            lock.lock();
            ++printed_;
            any = true;
        }
        return any;
    }

    void work() {
        std::unique_lock lock(mutex_);
        while (true) {
            workReady_.wait(lock, [this] { return closing_ || !queue_.empty(); });
            if (queue_.empty())
                return;
            auto [index, job] = std::move(queue_.front());
            queue_.pop_front();
            lock.unlock();
            FileOutput output = lintOne(job);
            lock.lock();
            done_.emplace(index, std::move(output));
            resultReady_.notify_one();
        }
    }

    const LintSettings& settings_;
    Streams streams_;
    std::unique_ptr<Printer> printer_;
    std::ostream* report_ = nullptr;   // findings and problems
    std::ostream* summary_ = nullptr;  // the summary
    Tally tally_;
    std::vector<std::thread> threads_;
    std::mutex mutex_;
    std::condition_variable workReady_;
    std::condition_variable resultReady_;
    std::deque<std::pair<std::size_t, FileJob>> queue_;
    std::map<std::size_t, FileOutput> done_;
    std::size_t submitted_ = 0;
    std::size_t printed_ = 0;
    bool closing_ = false;
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
    const ParsedArgs parsed = parseArgs(args);
    const Options& flags = parsed.flags;
    if (flags.help) {
        streams.out << kLintHelp;
        return kSuccess;
    }
    if (!parsed.error.empty())
        return usageError(streams.err, parsed.error, "lint");
    if (!flags.error.empty())
        return usageError(streams.err, flags.error, "lint");
    if (flags.has("--attributes")) {
        listAttributes(streams.out);
        return kSuccess;
    }
    if (flags.operands.empty())
        return usageError(streams.err, "no file to lint", "lint");
    if (!lint::xmlReaderAvailable()) {
        streams.err << "xmlattr: error: this xmlattr was built without libexpat, which lint "
                       "needs to read XML\n";
        return kUsageError;
    }
    Run run(parsed.settings, streams);
    return run.lint(flags.operands);
}

}  // namespace xmlattr_tool
