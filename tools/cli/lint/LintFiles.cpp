#include "tools/cli/lint/LintFiles.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <exception>
#include <filesystem>
#include <fstream>
#include <istream>
#include <vector>

namespace xmlattr_tool::lint_cli {

namespace {

namespace fs = std::filesystem;

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool hasExtension(std::string_view name, std::initializer_list<std::string_view> extensions) {
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0)
        return false;
    std::string extension;
    for (const char c : name.substr(dot + 1))
        extension += lower(c);
    return std::find(extensions.begin(), extensions.end(), extension) != extensions.end();
}

bool isDocumentName(std::string_view name) {
    return hasExtension(name, {"fo", "svg", "xml", "xsl"});
}

std::string joinPath(std::string_view directory, std::string_view name) {
    std::string path(directory);
    if (!path.empty() && path.back() != '/')
        path += '/';
    path += name;
    return path;
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
        tally.count(finding);
        printer.finding(output, job.path, finding);
    };
    // A file found in a folder is linted only when its root element is
    // XSL-FO or SVG; one that is broken before its root, only when its name
    // says it is one (so that its error is shown).
    lint::Options fileOptions = options;
    fileOptions.skipOtherRoots = job.kind == FileJob::Walked;
    try {
        const lint::Result result = lint::lintDocument(source, sink, fileOptions);
        if (result.skipped || (job.kind == FileJob::Walked && !result.rootRead &&
                               !hasExtension(job.path, {"fo", "svg"})))
            return FileOutput{};
        tally.attributes += result.summary.attributes;
        tally.checked += result.summary.checked;
        tally.skipped += result.summary.skipped;
        if (result.error) {
            ++tally.unreadable;
            printer.problem(output, job.path, {result.error->position, result.error->message});
        }
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
