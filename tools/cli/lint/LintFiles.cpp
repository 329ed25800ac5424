#include "tools/cli/lint/LintFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <vector>

#include "tools/common/Ascii.h"
#include "tools/fix/FixFile.h"
#include "tools/fix/Modules.h"

namespace xmlattr_tool::lint_cli {

namespace {

namespace fs = std::filesystem;
namespace fix = xmlattr::fix;

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
        extension += xmlattr_tool::ascii::lower(c);
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

// Counts and shows one finding of a file.
void show(FileOutput& output, const FileJob& job, const Printer& printer, const FixSettings& fixes,
          const lint::Finding& finding, bool print) {
    output.tally.count(finding);
    const bool applies = fix::offersFix(finding, fixes.unsafe);
    if (applies)
        ++output.tally.fixable;
    else if (finding.fix)
        ++output.tally.unsafeHidden;
    if (print)
        printer.finding(output, job.path, finding, applies);
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

// --fix and --diff: the file is read whole and fixed (tools/fix); the
// findings shown are those that remain.
FileOutput fixFile(const FileJob& job, const Printer& printer, const FixSettings& settings,
                   const lint::Options& options, std::istream& in) {
    FileOutput output;
    Tally& tally = output.tally;
    const bool standardIn = job.kind == FileJob::StandardIn;
    fix::ReadFile file;
    if (standardIn) {
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
    const bool diff = settings.mode == FixSettings::Diff;
    const fix::Apply apply = diff         ? fix::Apply::Diff
                             : standardIn ? fix::Apply::Keep
                                          : fix::Apply::Rewrite;
    const fix::FileFixed fixed =
        fix::fixFile(job.path, file, apply, settings.unsafe, options,
                     [&job](const lint::Report& report) { return !leftOut(job, report.result); });
    if (fixed.skipped)
        return FileOutput{};
    // A file --diff only reads is not "not written".
    if (fixed.refused) {
        tally.notWritten += diff ? 0 : 1;
        output.err += diff ? "xmlattr: warning: " : "xmlattr: error: ";
        output.err += job.path;
        output.err += " is neither UTF-8 nor ISO-8859-1: its fixes are not ";
        output.err += diff ? "shown\n" : "applied\n";
    }
    if (!fixed.notWritten.empty()) {
        ++tally.notWritten;
        output.err += "xmlattr: error: ";
        output.err += fixed.notWritten;
        output.err += '\n';
    }
    if (apply == fix::Apply::Keep)
        output.document = fixed.kept ? fixed.fixed.bytes : file.bytes;
    output.out += fixed.diff;
    tally.fixed += fixed.kept ? fixed.fixed.fixed : 0;
    const lint::Report& shown = fixed.remaining();
    for (const lint::Finding& finding : shown.findings)
        show(output, job, printer, settings, finding, !diff);
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

FileOutput lintFile(const FileJob& job, const Printer& printer, const FixSettings& fixes,
                    const lint::Options& options, std::istream& in) {
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
    if (fixes.mode != FixSettings::Report) {
        try {
            return fixFile(job, printer, fixes, fileOptions, in);
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
        show(output, job, printer, fixes, finding, true);
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
