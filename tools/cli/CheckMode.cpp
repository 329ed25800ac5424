// xmlattr check: run a file of sample texts and compare each result with the
// expectation written next to it.
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "platform/Exception.h"
#include "tools/cli/Check.h"
#include "tools/cli/Modes.h"
#include "tools/cli/Options.h"
#include "tools/registry/Json.h"
#include "tools/registry/Output.h"
#include "tools/registry/Text.h"

namespace xmlattr_tool {

const std::string_view kCheckHelp =
    R"(usage: xmlattr check [--json] [--fields] [--quiet] [FILE|-]
       xmlattr --check FILE

Checks a file of sample texts (standard input for '-' or no FILE), one per
line:

  TYPE<tab>TEXT[<tab>ok|rejected[<tab>EXPECTED]]

TEXT and EXPECTED may hold the escapes \s (a blank, for leading or trailing
ones), \t, \n, \r and \\. EXPECTED is what getValueAsString must write back,
or "<raised at FILE:LINE>" where it must raise. Blank lines and lines
starting with '#' are skipped; a CR before the line end (CRLF files) is
dropped. A line without ok|rejected must be accepted.

Each line is reported as
  FILE:LINE: ok: TYPE "TEXT": accepted, wrote "..."
  FILE:LINE: mismatch: TYPE "TEXT": rejected, wrote "..."; expected accepted
then a summary line:
  N lines checked: A as expected, M not as expected, B bad
A line that cannot be checked (unknown type, no tab, a bad ok|rejected
column, a bad escape, invalid UTF-8) is reported on standard error as
  FILE:LINE: error: ...
and the rest of the file is still checked. What the library logs while a line
is parsed follows it on standard error as a note. An empty file is fine: 0
lines checked.

  --fields  also print the held value field by field under each line
  --quiet   print only mismatches, errors and the summary
  --json    JSON Lines instead: per line {file, line, type, text, expect,
            expectText, accepted, written, raised, asExpected, problem, log
            [, fields]}; per bad line {file, line, error}; last
            {"summary": {lines, asExpected, notAsExpected, bad}}

Exit status: 0 every line as expected, 1 some line not as expected, 2 usage
error, unreadable input or bad lines.
)";

namespace {

// "\s", "\t", "\n", "\r" and "\\"; anything else after a backslash is an error.
bool unescape(std::string_view text, std::string_view column, std::string& out,
              std::string& error) {
    out.clear();
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (i + 1 == text.size()) {
            error = std::string(column) + " ends in a lone backslash; write \\\\ for one";
            return false;
        }
        switch (const char c = text[++i]) {
            case 's':
                out += ' ';
                break;
            case 't':
                out += '\t';
                break;
            case 'n':
                out += '\n';
                break;
            case 'r':
                out += '\r';
                break;
            case '\\':
                out += '\\';
                break;
            default:
                error = "unknown escape '\\" + std::string(1, c) + "' in " + std::string(column) +
                        " (escapes: \\s \\t \\n \\r \\\\)";
                return false;
        }
    }
    return true;
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

bool isBlank(std::string_view line) {
    return line.find_first_not_of(" \t") == std::string_view::npos;
}

}  // namespace

LineParse parseCheckLine(std::string_view raw) {
    LineParse result;
    if (raw.ends_with('\r'))
        raw.remove_suffix(1);
    if (isBlank(raw) || raw.starts_with('#')) {
        result.kind = LineParse::Skipped;
        return result;
    }
    result.kind = LineParse::Bad;
    CheckLine& line = result.line;
    const std::vector<std::string_view> columns = splitTabs(raw);
    // TEXT can be long: it is unescaped and converted once, and the
    // conversion also tells whether it was valid UTF-8.
    int replaced = 0;
    if (columns.size() >= 2) {
        if (!unescape(columns[1], "TEXT", line.text, result.error))
            return result;
        line.value = Core::String::fromUtf8(line.text, &replaced);
    }
    for (std::size_t i = 0; i < columns.size(); ++i) {
        int more = 0;
        if (i != 1)
            (void)Core::String::fromUtf8(columns[i], &more);
        replaced += more;
    }
    if (replaced > 0) {
        result.error = "invalid UTF-8 (" + std::to_string(replaced) +
                       " invalid part(s)); the line is not checked";
        return result;
    }
    if (columns.size() < 2) {
        result.error = "no tab: expected TYPE<tab>TEXT[<tab>ok|rejected[<tab>EXPECTED]]";
        return result;
    }
    if (columns.size() > 4) {
        result.error = std::to_string(columns.size()) +
                       " columns, at most 4 (TYPE, TEXT, ok|rejected, EXPECTED); write a tab "
                       "inside a text as \\t";
        return result;
    }
    line.type = findType(columns[0]);
    if (line.type == nullptr) {
        result.error = unknownType(columns[0]);
        return result;
    }
    if (columns.size() >= 3) {
        if (columns[2] != "ok" && columns[2] != "rejected") {
            result.error = "bad expectation '" + std::string(columns[2]) +
                           "': the third column is ok or rejected";
            return result;
        }
        line.expectAccepted = columns[2] == "ok";
    }
    if (columns.size() == 4) {
        std::string expected;
        if (!unescape(columns[3], "EXPECTED", expected, result.error))
            return result;
        line.expectText = std::move(expected);
    }
    result.kind = LineParse::Checked;
    return result;
}

LineOutcome checkLine(const CheckLine& line, bool withFields) {
    LineOutcome outcome;
    outcome.report = line.type->run(line.value, withFields);
    const Report& report = outcome.report;
    const bool wantAccepted = line.expectAccepted.value_or(true);
    if (report.accepted != wantAccepted) {
        outcome.problem = wantAccepted ? "expected accepted" : "expected rejected";
        if (!line.expectAccepted)
            outcome.problem += " (a line without ok|rejected must be accepted)";
    } else if (line.expectText && writtenBack(report) != *line.expectText) {
        outcome.problem = "expected to write " + quotedShort(*line.expectText);
    }
    return outcome;
}

namespace {

class Checker {
  public:
    Checker(std::string_view file, const CheckOptions& options, std::ostream& out,
            std::ostream& err)
        : file_(file), options_(options), out_(out), err_(err) {}

    void line(int number, std::string_view raw) {
        const LineParse parsed = parseCheckLine(raw);
        if (parsed.kind == LineParse::Skipped)
            return;
        if (parsed.kind == LineParse::Bad) {
            bad(number, parsed.error);
            return;
        }
        Core::Log::Capture log;
        LineOutcome outcome;
        try {
            outcome = checkLine(parsed.line, options_.fields);
        } catch (const Core::Exception& error) {
            // Parsing never raises and run() catches what writing back
            // raises; anything else is a finding worth a line of its own.
            outcome.problem = std::string("raised ") + error.what() + " at " + error.getFile() +
                              ':' + std::to_string(error.getLine());
        }
        const std::vector<LogMessage> messages = log.take();
        if (outcome.problem.empty())
            ++asExpected_;
        else
            ++notAsExpected_;
        if (options_.json)
            printJson(number, parsed.line, outcome, messages);
        else
            printPlain(number, parsed.line, outcome, messages);
    }

    int finish() {
        const int lines = asExpected_ + notAsExpected_ + bad_;
        if (options_.json) {
            const Json counts = {{"lines", lines},
                                 {"asExpected", asExpected_},
                                 {"notAsExpected", notAsExpected_},
                                 {"bad", bad_}};
            out_ << dumpJson({{"summary", counts}}) << '\n';
        } else {
            out_ << lines << (lines == 1 ? " line" : " lines") << " checked: " << asExpected_
                 << " as expected, " << notAsExpected_ << " not as expected, " << bad_ << " bad\n";
        }
        return bad_ > 0 ? kUsageError : notAsExpected_ > 0 ? kFailure : kSuccess;
    }

    // An input error that is not about one line (an unreadable stream).
    void fail(const std::string& message) {
        err_ << "xmlattr: error: " << message << '\n';
        ++bad_;
    }

  private:
    void bad(int number, const std::string& message) {
        ++bad_;
        err_ << file_ << ':' << number << ": error: " << message << '\n';
        if (options_.json) {
            out_ << dumpJson({{"file", file_}, {"line", number}, {"error", message}}) << '\n';
        }
    }

    void printPlain(int number, const CheckLine& line, const LineOutcome& outcome,
                    const std::vector<LogMessage>& messages) {
        const bool ok = outcome.problem.empty();
        if (ok && options_.quiet)
            return;
        const Report& report = outcome.report;
        out_ << file_ << ':' << number << ": " << (ok ? "ok" : "mismatch") << ": "
             << line.type->name << ' ' << quotedShort(line.text) << ": "
             << (report.accepted ? "accepted" : "rejected") << ", wrote "
             << (report.raisedFile ? writtenBack(report) : quotedShort(writtenBack(report)));
        if (!ok)
            out_ << "; " << outcome.problem;
        out_ << '\n';
        if (options_.fields)
            writeFieldLines(report, out_);
        for (const LogMessage& message : messages) {
            err_ << file_ << ':' << number << ": note: library log: " << levelName(message.level)
                 << ": " << message.text << '\n';
        }
    }

    void printJson(int number, const CheckLine& line, const LineOutcome& outcome,
                   const std::vector<LogMessage>& messages) {
        Json object = {
            {"file", file_}, {"line", number}, {"type", line.type->name}, {"text", line.text}};
        object["expect"] =
            line.expectAccepted ? Json(*line.expectAccepted ? "ok" : "rejected") : Json();
        object["expectText"] = line.expectText ? Json(*line.expectText) : Json();
        addOutcome(object, outcome.report);
        object["asExpected"] = outcome.problem.empty();
        object["problem"] = outcome.problem.empty() ? Json() : Json(outcome.problem);
        object["log"] = logJson(messages);
        if (options_.fields)
            object["fields"] = fieldsJson(outcome.report);
        out_ << dumpJson(object) << '\n';
    }

    std::string file_;
    CheckOptions options_;
    std::ostream& out_;
    std::ostream& err_;
    int asExpected_ = 0;
    int notAsExpected_ = 0;
    int bad_ = 0;
};

}  // namespace

int checkStream(std::istream& in, std::string_view file, const CheckOptions& options,
                std::ostream& out, std::ostream& err) {
    Checker checker(file, options, out, err);
    int number = 0;
    for (std::string raw; std::getline(in, raw);)
        checker.line(++number, raw);
    if (in.bad())
        checker.fail("reading " + std::string(file) + " failed after line " +
                     std::to_string(number));
    return checker.finish();
}

int checkMode(Args args, Streams streams) {
    const Options options = splitOptions(args, {{"--json"}, {"--fields"}, {"--quiet"}});
    if (options.help) {
        streams.out << kCheckHelp;
        return kSuccess;
    }
    if (!options.error.empty())
        return usageError(streams.err, options.error, "check");
    if (options.operands.size() > 1)
        return usageError(streams.err, "check takes one FILE (or - for standard input)", "check");
    const CheckOptions checkOptions{options.has("--json"), options.has("--fields"),
                                    options.has("--quiet")};
    const std::string_view path = options.operands.empty() ? "-" : options.operands[0];
    if (path == "-")
        return checkStream(streams.in, "<stdin>", checkOptions, streams.out, streams.err);

    const std::string file(path);
    std::error_code ignored;
    if (std::filesystem::is_directory(file, ignored)) {
        streams.err << "xmlattr: error: cannot read " << file << ": it is a directory\n";
        return kUsageError;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        streams.err << "xmlattr: error: cannot read " << file << ": " << std::strerror(errno)
                    << '\n';
        return kUsageError;
    }
    return checkStream(in, file, checkOptions, streams.out, streams.err);
}

}  // namespace xmlattr_tool
