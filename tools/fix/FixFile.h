// Fixing one file as lint --fix and --diff do: the file's fixes applied in
// memory, then the file rewritten, or the change shown as a diff, or the
// fixed bytes kept for the caller (standard input).
#pragma once

#include <functional>
#include <string>

#include "tools/fix/Fix.h"
#include "tools/fix/Rewrite.h"

namespace xmlattr::fix {

// What is done with a file's fixes once they are applied in memory.
enum class Apply {
    Rewrite,  // the file is rewritten (Rewrite.h) when they changed it
    Diff,     // the unified diff of the change is made
    Keep,     // the fixed bytes are only held (a document without a file)
};

struct FileFixed {
    Fixed fixed;
    // The fixes stand: the file was rewritten (Rewrite), or the change is
    // shown (Diff) or held (Keep). False when none changed the file, or the
    // rewrite was refused.
    bool kept = false;
    // Left out by the caller's wanted: nothing was written or diffed.
    bool skipped = false;
    // The file is neither UTF-8 nor ISO-8859-1 and offers fixes that apply:
    // it is only linted, as one in another encoding would come back in two.
    bool refused = false;
    std::string notWritten;  // Rewrite: why rewriteFile refused ("" when it did not)
    std::string diff;        // Diff: the unified diff of the change
    const lint::Report& remaining() const { return kept ? fixed.report : fixed.first; }
};

// Applies the fixes of file (read from path; UTF-8, or ISO-8859-1 with the
// fixes' text written in it, a fix whose text has no place in it dropped)
// until none is left, then does what apply says. wanted sees the report on
// the file as read: when it returns false nothing else is done.
FileFixed fixFile(const std::string& path, const ReadFile& file, Apply apply, bool unsafe,
                  const lint::Options& options,
                  const std::function<bool(const lint::Report&)>& wanted = {});

}  // namespace xmlattr::fix
