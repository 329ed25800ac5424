#include "tools/cli/lint/LintFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <optional>
#include <vector>

#include "tools/fix/Diff.h"
#include "tools/fix/Fix.h"
#include "tools/fix/Modules.h"
#include "tools/fix/Rewrite.h"

namespace xmlattr_tool::lint_cli {

namespace {

namespace fs = std::filesystem;
namespace fix = xmlattr::fix;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// The files a folder walk reads, by extension (in any case): what each names.
enum class Named { Other, Vocabulary, Xml, Stylesheet };
struct Extension {
    std::string_view extension;
    Named named;
};
constexpr Extension kExtensions[] = {{"fo", Named::Vocabulary},
                                     {"svg", Named::Vocabulary},
                                     {"xml", Named::Xml},
                                     {"xsl", Named::Stylesheet},
                                     {"xslt", Named::Stylesheet}};

Named namedBy(std::string_view name) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return Named::Other;
    std::string extension;
    for (const char c : name.substr(dot + 1))
        extension += lower(c);
    for (const Extension& each : kExtensions) {
        if (each.extension == extension)
            return each.named;
    }
    return Named::Other;
}

bool isDocumentName(std::string_view name) {
    return namedBy(name) != Named::Other;
}

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    return path;
}

// Whether the XML declaration names ISO-8859-1 (or an alias of it).
bool declaresLatin1(std::string_view bytes) {
    if (!bytes.starts_with("<?xml"))
        return false;
    const std::string_view declaration = bytes.substr(0, bytes.find("?>"));
    const std::size_t name = declaration.find("encoding");
    const std::size_t open = declaration.find_first_of("\"'", name);
    if (name == std::string_view::npos || open == std::string_view::npos)
        return false;
    const std::size_t close = declaration.find(declaration[open], open + 1);
    std::string encoding;
    for (const char c : declaration.substr(open + 1, close - open - 1))
        encoding += lower(c);
    for (const std::string_view alias : {"iso-8859-1", "iso_8859-1", "latin1", "latin-1", "l1"}) {
        if (encoding == alias)
            return true;
    }
    return false;
}

// A UTF-8 replacement written in ISO-8859-1; none where a character has no
// place in it.
std::optional<std::string> inLatin1(std::string_view utf8) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        if (byte < 0x80) {
            out += utf8[i];
        } else if ((byte == 0xC2 || byte == 0xC3) && i + 1 < utf8.size()) {
            out += static_cast<char>(((byte & 0x03) << 6) |
                                     (static_cast<unsigned char>(utf8[++i]) & 0x3F));
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// Counts and shows one finding of a file.
void show(FileOutput& output, const FileJob& job, const Printer& printer,
          const lint::Finding& finding, bool print) {
    output.tally.count(finding);
    if (printer.offersFix(finding))
        ++output.tally.fixable;
    else if (finding.fix)
        ++output.tally.unsafeHidden;
    if (print)
        printer.finding(output, job.path, finding);
}

// Whether a file found in a folder is left out: its root element is not
// XSL-FO or SVG, or it is broken before its root and not named as one.
bool leftOut(const FileJob& job, const lint::Result& result) {
    return result.skipped || (job.kind == FileJob::Walked && !result.rootRead &&
                              namedBy(job.path) != Named::Vocabulary);
}

void countResult(FileOutput& output, const FileJob& job, const Printer& printer,
                 const lint::Result& result) {
    Tally& tally = output.tally;
    tally.attributes += result.summary.attributes;
    tally.checked += result.summary.checked;
    tally.skipped += result.summary.skipped;
    tally.computed += result.summary.computed;
    if (result.error) {
        ++tally.unreadable;
        printer.problem(output, job.path, {result.error->position, result.error->message});
    }
}

// --fix and --diff: the file is read whole, fixed in memory, and written
// back (or diffed) only when its fixes changed it.
FileOutput fixFile(const FileJob& job, const Printer& printer, const lint::Options& options,
                   std::istream& in) {
    FileOutput output;
    Tally& tally = output.tally;
    const FixSettings& settings = printer.fixes();
    fix::ReadFile file;
    if (job.kind == FileJob::StandardIn) {
        file.bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        if (in.bad())
            file.error = "read error";
    } else {
        file = fix::readFile(job.path);
    }
    ++tally.files;
    if (!file.ok()) {
        ++tally.unreadable;
        printer.problem(output, job.path, {std::nullopt, file.error});
        return output;
    }
    // UTF-8 is rewritten, and ISO-8859-1 with its edits written in it: a
    // file in another encoding would come back in two.
    const bool latin1 = !fix::isUtf8(file.bytes) && declaresLatin1(file.bytes);
    const bool utf8 = !latin1 && fix::isUtf8(file.bytes);
    const fix::Linter linter = [&options, latin1](std::string_view bytes) {
        lint::Report report = lint::lintDocument(bytes, options);
        for (lint::Finding& finding : report.findings) {
            for (std::size_t i = 0; latin1 && finding.fix && i < finding.fix->edits.size(); ++i) {
                if (std::optional<std::string> bytes = inLatin1(finding.fix->edits[i].replacement))
                    finding.fix->edits[i].replacement = std::move(*bytes);
                else
                    finding.fix.reset();
            }
        }
        return report;
    };
    fix::Fixed fixed;
    if (utf8 || latin1) {
        fixed = fix::fixDocument(file.bytes, settings.unsafe, linter);
    } else {
        fixed.bytes = file.bytes;
        fixed.first = linter(file.bytes);
        fixed.report = fixed.first;
    }
    if (leftOut(job, fixed.first.result))
        return FileOutput{};
    const bool standardIn = job.kind == FileJob::StandardIn;
    bool kept = fixed.changed();
    // A file --diff only reads is not "not written".
    if (!utf8 && !latin1 &&
        std::any_of(fixed.first.findings.begin(), fixed.first.findings.end(),
                    [&](const lint::Finding& f) { return printer.offersFix(f); })) {
        const bool diff = settings.mode == FixSettings::Diff;
        tally.notWritten += diff ? 0 : 1;
        output.err += diff ? "xmlattr: warning: " : "xmlattr: error: ";
        output.err += job.path;
        output.err += " is neither UTF-8 nor ISO-8859-1: its fixes are not ";
        output.err += diff ? "shown\n" : "applied\n";
    }
    if (settings.mode == FixSettings::Fix && kept && !standardIn) {
        if (const std::string why = fix::rewriteFile(job.path, file, fixed.bytes); !why.empty()) {
            ++tally.notWritten;
            kept = false;
            output.err += "xmlattr: error: ";
            output.err += why;
            output.err += '\n';
        }
    }
    if (settings.mode == FixSettings::Fix && standardIn)
        output.document = kept ? fixed.bytes : file.bytes;
    if (settings.mode == FixSettings::Diff && kept)
        output.out += fix::unifiedDiff(job.path, file.bytes, fixed.bytes);
    tally.fixed += kept ? fixed.fixed : 0;
    const lint::Report& shown = kept ? fixed.report : fixed.first;
    for (const lint::Finding& finding : shown.findings)
        show(output, job, printer, finding, settings.mode != FixSettings::Diff);
    countResult(output, job, printer, shown.result);
    return output;
}

}  // namespace

void walkDirectory(const std::string& directory, const std::function<void(FileJob)>& onFile) {
    struct Entry {
        std::string key;  // the name, with a '/' after a directory's: sorts as full paths do
        std::string name;
        bool directory;
    };
    std::vector<Entry> entries;
    std::error_code error;
    for (fs::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        std::string name = it->path().filename().string();
        std::error_code ignored;
        const fs::file_status link = it->symlink_status(ignored);
        if (fs::is_directory(link)) {
            entries.push_back({name + '/', std::move(name), true});
        } else if (isDocumentName(name) && fs::is_regular_file(it->status(ignored))) {
            entries.push_back({name, std::move(name), false});
        }
    }
    if (error) {
        onFile({FileJob::Unreadable, directory, error.message()});
        return;
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.key < b.key; });
    for (const Entry& entry : entries) {
        std::string path = joinPath(directory, entry.name);
        if (entry.directory)
            walkDirectory(path, onFile);
        else
            onFile({FileJob::Walked, std::move(path), {}});
    }
}

void expandOperand(std::string_view operand, const std::function<void(FileJob)>& onFile) {
    if (operand == "-") {
        onFile({FileJob::StandardIn, "<stdin>", {}});
        return;
    }
    std::string path(operand);
    std::error_code ignored;
    if (fs::is_directory(path, ignored))
        walkDirectory(path, onFile);
    else
        onFile({FileJob::Named, std::move(path), {}});
}

FileOutput lintFile(const FileJob& job, const Printer& printer, const lint::Options& options,
                    std::istream& in) {
    FileOutput output;
    Tally& tally = output.tally;
    if (job.kind == FileJob::Unreadable) {
        ++tally.unreadable;
        printer.problem(output, job.path, {std::nullopt, job.problem});
        return output;
    }
    // A file found in a folder is linted only when its root element is
    // XSL-FO or SVG.
    lint::Options fileOptions = options;
    fileOptions.skipOtherRoots = job.kind == FileJob::Walked;
    // A stylesheet's attribute sets are judged on the elements that use them
    // in the modules beside it too.
    std::vector<lint::SetUse> beside;
    if (job.kind != FileJob::StandardIn && namedBy(job.path) == Named::Stylesheet) {
        beside = fix::setUsesBeside(job.path);
        fileOptions.setUses = beside;
    }
    if (printer.fixes().mode != FixSettings::Report) {
        try {
            return fixFile(job, printer, fileOptions, in);
        } catch (const std::exception& error) {
            FileOutput output;
            ++output.tally.files;
            ++output.tally.unreadable;
            ++output.tally.internalErrors;
            std::string message = "internal error: ";
            message += error.what();
            printer.problem(output, job.path, {lint::Position{}, message});
            return output;
        }
    }
    std::ifstream file;
    if (job.kind != FileJob::StandardIn) {
        file.open(job.path, std::ios::binary);
        if (!file) {
            const int error = errno;
            ++tally.files;
            ++tally.unreadable;
            printer.problem(output, job.path, {std::nullopt, std::strerror(error)});
            return output;
        }
    }
    ++tally.files;
    std::istream& stream = job.kind == FileJob::StandardIn ? in : file;
    const lint::Source source = [&stream](char* buffer, std::size_t size) -> std::ptrdiff_t {
        stream.read(buffer, static_cast<std::streamsize>(size));
        if (stream.bad())
            return -1;
        return static_cast<std::ptrdiff_t>(stream.gcount());
    };
    const lint::FindingSink sink = [&](const lint::Finding& finding) {
        show(output, job, printer, finding, true);
    };
    try {
        // One that is broken before its root is linted only when its name
        // says it is one (so that its error is shown).
        const lint::Result result = lint::lintDocument(source, sink, fileOptions);
        if (leftOut(job, result))
            return FileOutput{};
        countResult(output, job, printer, result);
    } catch (const std::exception& error) {
        // The engine reports what the library raises as findings; anything
        // else stops this file only.
        ++tally.unreadable;
        ++tally.internalErrors;
        std::string message = "internal error: ";
        message += error.what();
        printer.problem(output, job.path, {lint::Position{}, message});
    }
    return output;
}

}  // namespace xmlattr_tool::lint_cli
