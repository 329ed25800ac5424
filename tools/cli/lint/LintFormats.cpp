// The formats of xmlattr lint: compiler-style text, JSON Lines, one SARIF
// 2.1.0 log for code-scanning services, and GitHub Actions annotations.
#include <algorithm>
#include <iomanip>
#include <ostream>
#include <sstream>
#include <utility>

#include "tools/cli/lint/LintOutput.h"
#include "tools/registry/Json.h"

namespace xmlattr_tool::lint_cli {

namespace {

// What a file problem says: the XML reader's message where it has a place,
// else "cannot read FILE: REASON", as the check mode says it.
std::string problemText(std::string_view file, const FileProblem& problem) {
    if (problem.position)
        return problem.message;
    std::string text = "cannot read ";
    text += file;
    text += ": ";
    text += problem.message;
    return text;
}

std::string plural(std::size_t count, std::string_view one, std::string_view many) {
    std::string text = std::to_string(count);
    text += ' ';
    text += count == 1 ? one : many;
    return text;
}

std::string position(std::string_view file, const lint::Position& at) {
    std::string text(file);
    text += ':';
    text += std::to_string(at.line);
    text += ':';
    text += std::to_string(at.column);
    return text;
}

class TextPrinter : public Printer {
  public:
    void finding(FileOutput& output, std::string_view file, const lint::Finding& finding,
                 bool fixApplies) const override {
        output.out += position(file, finding.range.start);
        output.out += ": ";
        output.out += lint::severityName(finding.severity);
        output.out += ": ";
        output.out += finding.message;
        output.out += " [";
        output.out += lint::ruleOf(finding.kind).name;
        output.out += fixApplies ? "] [*]\n" : "]\n";
    }

    void end(std::ostream& out, const Tally& tally, const FixSettings& fixes,
             bool statistics) override {
        if (statistics)
            out << statisticsLines(tally);
        out << summaryLine(tally, fixes);
    }
};

class JsonPrinter : public Printer {
  public:
    void finding(FileOutput& output, std::string_view file, const lint::Finding& finding,
                 bool fixApplies) const override {
        Json object;
        object["file"] = file;
        object["line"] = finding.range.start.line;
        object["column"] = finding.range.start.column;
        object["endLine"] = finding.range.stop.line;
        object["endColumn"] = finding.range.stop.column;
        object["severity"] = lint::severityName(finding.severity);
        object["kind"] = lint::ruleOf(finding.kind).name;
        object["element"] = finding.element;
        object["attribute"] = finding.attribute;
        object["style"] = finding.inStyle;
        object["text"] = finding.text;
        object["type"] = finding.type;
        object["readsAs"] = finding.readsAs.empty() ? Json() : Json(finding.readsAs);
        object["message"] = finding.message;
        if (finding.fix) {
            const lint::Fix& fix = *finding.fix;
            Json edits = Json::array();
            for (const lint::Edit& edit : fix.edits) {
                Json entry;
                entry["begin"] = edit.range.begin;
                entry["end"] = edit.range.end;
                entry["replacement"] = edit.replacement;
                edits.push_back(std::move(entry));
            }
            Json offered;
            offered["safe"] = fix.safe;
            offered["applies"] = fixApplies;
            offered["description"] = fix.description;
            offered["edits"] = std::move(edits);
            object["fix"] = std::move(offered);
        }
        output.out += dumpJson(object);
        output.out += '\n';
    }

    void problem(FileOutput& output, std::string_view file,
                 const FileProblem& problem) const override {
        Printer::problem(output, file, problem);
        const lint::Position at = problem.position.value_or(lint::Position{});
        Json object;
        object["file"] = file;
        object["line"] = at.line;
        object["column"] = at.column;
        object["severity"] = "error";
        object["kind"] = "file";
        object["message"] = problem.position ? problem.message : "cannot read: " + problem.message;
        output.out += dumpJson(object);
        output.out += '\n';
    }

    void end(std::ostream& out, const Tally& tally, const FixSettings& fixes, bool) override {
        Json counts;
        counts["files"] = tally.files;
        counts["attributes"] = tally.attributes;
        counts["checked"] = tally.checked;
        counts["skipped"] = tally.skipped;
        counts["computed"] = tally.computed;
        counts["errors"] = tally.errors;
        counts["warnings"] = tally.warnings;
        counts["unreadable"] = tally.unreadable;
        counts["notes"] = tally.notes;
        if (fixes.mode == FixSettings::Report) {
            counts["fixable"] = tally.fixable;
            counts["unsafeFixable"] = tally.unsafeHidden;
        } else {
            counts["fixed"] = tally.fixed;
            counts["remaining"] = tally.errors + tally.warnings;
        }
        Json summary;
        summary["summary"] = std::move(counts);
        out << dumpJson(summary) << '\n';
    }
};

Json region(const lint::Position& start, const lint::Position& stop) {
    Json region;
    region["startLine"] = start.line;
    region["startColumn"] = start.column;
    region["endLine"] = stop.line;
    region["endColumn"] = stop.column;
    return region;
}

Json location(std::string_view file, Json region) {
    Json physical;
    physical["artifactLocation"]["uri"] = artifactUri(file);
    if (!region.is_null())
        physical["region"] = std::move(region);
    Json location;
    location["physicalLocation"] = std::move(physical);
    return location;
}

// One log with one run. Results are streamed: each file's results are
// written as ",\n{...}" and the comma before the first result of the run is
// dropped. Files that could not be read are notifications of the run's
// invocation, not results: they say the run did not cover them, and no rule
// describes them.
class SarifPrinter : public Printer {
  public:
    void finding(FileOutput& output, std::string_view file, const lint::Finding& finding,
                 bool fixApplies) const override {
        Json result;
        result["ruleId"] = lint::ruleOf(finding.kind).name;
        result["ruleIndex"] = static_cast<int>(finding.kind);
        result["level"] = lint::severityName(finding.severity);
        result["message"]["text"] = finding.message;
        result["locations"] =
            Json::array({location(file, region(finding.range.start, finding.range.stop))});
        Json properties;
        if (!finding.element.empty())
            properties["element"] = finding.element;
        if (!finding.attribute.empty())
            properties["attribute"] = finding.attribute;
        if (!finding.type.empty())
            properties["type"] = finding.type;
        if (!finding.readsAs.empty())
            properties["readsAs"] = finding.readsAs;
        if (!properties.empty())
            result["properties"] = std::move(properties);
        // A fix that applies, as replacements of the file's bytes.
        if (fixApplies) {
            Json replacements = Json::array();
            for (const lint::Edit& edit : finding.fix->edits) {
                Json replacement;
                replacement["deletedRegion"]["byteOffset"] = edit.range.begin;
                replacement["deletedRegion"]["byteLength"] = edit.range.end - edit.range.begin;
                replacement["insertedContent"]["text"] = edit.replacement;
                replacements.push_back(std::move(replacement));
            }
            Json change;
            change["artifactLocation"]["uri"] = artifactUri(file);
            change["replacements"] = std::move(replacements);
            Json fix;
            fix["description"]["text"] = finding.fix->description;
            fix["artifactChanges"] = Json::array({std::move(change)});
            result["fixes"] = Json::array({std::move(fix)});
        }
        output.out += ",\n";
        output.out += dumpJson(result);
    }

    void problem(FileOutput& output, std::string_view file,
                 const FileProblem& problem) const override {
        Printer::problem(output, file, problem);
        Json notification;
        notification["level"] = "error";
        notification["message"]["text"] = problemText(file, problem);
        Json where;
        if (problem.position) {
            where["startLine"] = problem.position->line;
            where["startColumn"] = problem.position->column;
        }
        notification["locations"] = Json::array({location(file, std::move(where))});
        output.notices.push_back(dumpJson(notification));
    }

    void begin(std::ostream& out) override {
        Json driver;
        driver["name"] = "xmlattr";
#ifdef XMLATTR_VERSION
        driver["version"] = XMLATTR_VERSION;
#endif
        Json rules = Json::array();
        for (const lint::Rule& rule : lint::rules()) {
            Json entry;
            entry["id"] = rule.name;
            entry["shortDescription"]["text"] = rule.summary;
            entry["defaultConfiguration"]["level"] = lint::severityName(rule.severity);
            rules.push_back(std::move(entry));
        }
        driver["rules"] = std::move(rules);
        Json tool;
        tool["driver"] = std::move(driver);
        out << R"({"$schema":"https://json.schemastore.org/sarif-2.1.0.json","version":"2.1.0",)"
            << R"("runs":[{"tool":)" << dumpJson(tool)
            << R"(,"columnKind":"unicodeCodePoints","results":[)";
    }

    void write(std::ostream& out, std::ostream& err, const FileOutput& output) override {
        std::string_view results = output.out;
        if (!anyResult_ && !results.empty()) {
            results.remove_prefix(1);
            anyResult_ = true;
        }
        out << results;
        err << output.err;
        notices_.insert(notices_.end(), output.notices.begin(), output.notices.end());
    }

    void end(std::ostream& out, const Tally& tally, const FixSettings&, bool) override {
        out << "\n],\"invocations\":[{\"executionSuccessful\":"
            << (tally.unreadable == 0 && tally.internalErrors == 0 ? "true" : "false");
        if (!notices_.empty()) {
            out << ",\"toolExecutionNotifications\":[";
            for (std::size_t i = 0; i < notices_.size(); ++i)
                out << (i == 0 ? "\n" : ",\n") << notices_[i];
            out << "\n]";
        }
        out << "}]}]}\n";
    }

  private:
    bool anyResult_ = false;
    std::vector<std::string> notices_;
};

// Workflow commands: ::error file=F,line=L,...,title=KIND::MESSAGE.
class GithubPrinter : public Printer {
  public:
    void finding(FileOutput& output, std::string_view file, const lint::Finding& finding,
                 bool) const override {
        const lint::Position& start = finding.range.start;
        const lint::Position& stop = finding.range.stop;
        std::string& out = output.out;
        out += command(finding.severity);
        out += " file=";
        out += githubProperty(file);
        out += ",line=";
        out += std::to_string(start.line);
        out += ",col=";
        out += std::to_string(start.column);
        out += ",endLine=";
        out += std::to_string(stop.line);
        out += ",endColumn=";
        out += std::to_string(stop.column);
        out += ",title=";
        out += githubProperty(lint::ruleOf(finding.kind).name);
        out += "::";
        out += githubMessage(finding.message);
        out += '\n';
    }

    void problem(FileOutput& output, std::string_view file,
                 const FileProblem& problem) const override {
        Printer::problem(output, file, problem);
        std::string& out = output.out;
        out += "::error file=";
        out += githubProperty(file);
        if (problem.position) {
            out += ",line=";
            out += std::to_string(problem.position->line);
            out += ",col=";
            out += std::to_string(problem.position->column);
        }
        out += ",title=file::";
        out += githubMessage(problemText(file, problem));
        out += '\n';
    }

    void end(std::ostream& out, const Tally& tally, const FixSettings& fixes, bool) override {
        out << summaryLine(tally, fixes);
    }

  private:
    static std::string_view command(lint::Severity severity) {
        switch (severity) {
            case lint::Severity::Error:
                return "::error";
            case lint::Severity::Warning:
                return "::warning";
            case lint::Severity::Note:
                break;
        }
        return "::notice";
    }
};

std::string escapeGithub(std::string_view text, bool property) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '%':
                out += "%25";
                break;
            case '\r':
                out += "%0D";
                break;
            case '\n':
                out += "%0A";
                break;
            case ':':
                out += property ? "%3A" : ":";
                break;
            case ',':
                out += property ? "%2C" : ",";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

std::optional<Format> formatNamed(std::string_view name) {
    for (const FormatName& each : kFormats) {
        if (each.name == name)
            return each.format;
    }
    return std::nullopt;
}

std::string formatNames() {
    std::string out;
    for (std::size_t i = 0; i < std::size(kFormats); ++i) {
        out += i == 0 ? "" : i + 1 == std::size(kFormats) ? " and " : ", ";
        out += kFormats[i].name;
    }
    return out;
}

void Tally::add(const Tally& other) {
    files += other.files;
    attributes += other.attributes;
    checked += other.checked;
    skipped += other.skipped;
    computed += other.computed;
    errors += other.errors;
    warnings += other.warnings;
    notes += other.notes;
    unreadable += other.unreadable;
    internalErrors += other.internalErrors;
    fixable += other.fixable;
    unsafeHidden += other.unsafeHidden;
    fixed += other.fixed;
    notWritten += other.notWritten;
    for (std::size_t i = 0; i < byKind.size(); ++i)
        byKind[i] += other.byKind[i];
}

void Tally::count(const lint::Finding& finding) {
    switch (finding.severity) {
        case lint::Severity::Error:
            ++errors;
            break;
        case lint::Severity::Warning:
            ++warnings;
            break;
        case lint::Severity::Note:
            ++notes;
            break;
    }
    if (finding.kind == lint::Kind::InternalError)
        ++internalErrors;
    ++byKind[static_cast<std::size_t>(finding.kind)];
}

void Printer::problem(FileOutput& output, std::string_view file, const FileProblem& problem) const {
    if (problem.position) {
        output.err += position(file, *problem.position);
        output.err += ": error: ";
    } else {
        output.err += "xmlattr: error: ";
    }
    output.err += problemText(file, problem);
    output.err += '\n';
}

void Printer::write(std::ostream& out, std::ostream& err, const FileOutput& output) {
    out << output.out;
    err << output.err;
}

std::unique_ptr<Printer> makePrinter(Format format) {
    switch (format) {
        case Format::Text:
            break;
        case Format::Json:
            return std::make_unique<JsonPrinter>();
        case Format::Sarif:
            return std::make_unique<SarifPrinter>();
        case Format::Github:
            return std::make_unique<GithubPrinter>();
    }
    return std::make_unique<TextPrinter>();
}

std::string summaryLine(const Tally& tally, const FixSettings& fixes) {
    std::string line = plural(tally.files, "file, ", "files, ");
    line += plural(tally.attributes, "attribute: ", "attributes: ");
    line += std::to_string(tally.checked) + " checked, ";
    if (tally.computed > 0)
        line += std::to_string(tally.computed) + " computed, ";
    line += std::to_string(tally.skipped) + " without a type; ";
    line += plural(tally.errors, "error, ", "errors, ");
    line += plural(tally.warnings, "warning", "warnings");
    if (tally.notes > 0) {
        line += "; ";
        line += plural(tally.notes, "note", "notes");
    }
    if (tally.files == 0)
        line += "; no XSL-FO, SVG or stylesheet writing them found";
    if (tally.unreadable > 0) {
        line += "; ";
        line += std::to_string(tally.unreadable);
        line += " not read";
    }
    if (tally.notWritten > 0) {
        line += "; ";
        line += std::to_string(tally.notWritten);
        line += " not written";
    }
    if (fixes.mode != FixSettings::Report) {
        line += "; ";
        line += std::to_string(tally.fixed);
        line += fixes.mode == FixSettings::Fix ? " fixed, " : " would be fixed, ";
        line += std::to_string(tally.errors + tally.warnings);
        line += " remaining";
    } else if (tally.fixable > 0) {
        line += "; ";
        line += std::to_string(tally.fixable);
        line += fixes.unsafe ? " fixable with --fix --unsafe-fixes" : " fixable with --fix";
    }
    if (tally.unsafeHidden > 0) {
        line += "; ";
        line += std::to_string(tally.unsafeHidden);
        line += " more with --unsafe-fixes";
    }
    line += '\n';
    return line;
}

std::string statisticsLines(const Tally& tally) {
    std::vector<std::pair<std::size_t, std::string_view>> counts;
    for (const lint::Rule& rule : lint::rules()) {
        if (const std::size_t n = tally.byKind[static_cast<std::size_t>(rule.kind)]; n > 0)
            counts.emplace_back(n, rule.name);
    }
    std::sort(counts.begin(), counts.end(), [](const auto& a, const auto& b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    const int width =
        counts.empty() ? 4 : std::max(4, static_cast<int>(std::to_string(counts[0].first).size()));
    std::ostringstream out;
    for (const auto& [n, name] : counts)
        out << std::setw(width) << n << ' ' << name << '\n';
    return out.str();
}

std::string githubMessage(std::string_view text) {
    return escapeGithub(text, false);
}

std::string githubProperty(std::string_view text) {
    return escapeGithub(text, true);
}

std::string artifactUri(std::string_view path) {
    std::string slashed(path);
    std::replace(slashed.begin(), slashed.end(), '\\', '/');
    std::string_view rest = slashed;
    while (rest.starts_with("./"))
        rest.remove_prefix(2);
    std::string uri = rest.starts_with('/') ? "file://" : "";
    constexpr char kHex[] = "0123456789ABCDEF";
    for (const char c : rest) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                           (c >= '0' && c <= '9') || c == '-' || c == '.' || c == '_' || c == '~' ||
                           c == '/';
        if (plain) {
            uri += c;
        } else {
            uri += '%';
            uri += kHex[byte >> 4];
            uri += kHex[byte & 0xF];
        }
    }
    return uri;
}

}  // namespace xmlattr_tool::lint_cli
