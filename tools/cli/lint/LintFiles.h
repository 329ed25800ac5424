// The files xmlattr lint reads: operands as given, directories walked, and
// each file linted into its own output.
#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

#include "tools/cli/lint/LintOutput.h"

namespace xmlattr_tool::lint_cli {

struct FileJob {
    enum Kind {
        Named,       // named on the command line: always linted
        Walked,      // found in a directory: linted if its root is XSL-FO or SVG
        StandardIn,  // "-"
        Unreadable,  // a directory that could not be listed
    };
    Kind kind = Named;
    std::string path;     // as shown in the output
    std::string problem;  // Unreadable: why
};

// Hands each file under directory (given as on the command line) that is
// named *.fo, *.svg, *.xml, *.xsl or *.xslt to onFile, in the byte order of their
// paths; a subdirectory that cannot be listed is handed over as Unreadable.
// Symbolic links to directories are not followed (no cycles).
void walkDirectory(const std::string& directory, const std::function<void(FileJob)>& onFile);

// The job for one operand: a file, standard input, or (through onFile) the
// files of a directory.
void expandOperand(std::string_view operand, const std::function<void(FileJob)>& onFile);

// Lints one file into its output; in is standard input. With
// FixSettings::Fix the file's fixes are applied and it is rewritten (in
// place, nothing else changed) when they changed it, and the findings that
// remain are shown; standard input's document goes to output.document. With
// Diff, output.out gets the diff of what Fix would do.
FileOutput lintFile(const FileJob& job, const Printer& printer, const FixSettings& fixes,
                    const lint::Options& options, std::istream& in);

}  // namespace xmlattr_tool::lint_cli
