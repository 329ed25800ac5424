/// @file
/// Applying the fixes of lint findings to a document's bytes: edits in one
/// pass, and a whole document fixed until no fix is left to apply.
///
/// Nothing here opens files (see Rewrite.h) or prints.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lint/Lint.h"

namespace xmlattr::fix {

/// The bytes after some edits, or why none was applied.
struct Applied {
    std::string bytes;
    std::string error;  ///< empty when the edits were applied
    bool ok() const { return error.empty(); }
};

/// Applies edits, in any order, to bytes in one pass: each replaces the
/// bytes [range.begin, range.end) of the original. Edits that overlap (two
/// insertions at one offset among them: their order would be a guess) or
/// reach past the end are refused, and then none is applied.
Applied applyEdits(std::string_view bytes, std::span<const lint::Edit> edits);

/// Whether fix is applied: safe fixes always, unsafe ones when asked.
inline bool applies(const lint::Fix& fix, bool unsafe) {
    return fix.safe || unsafe;
}

/// Whether finding offers a fix that applies.
inline bool offersFix(const lint::Finding& finding, bool unsafe) {
    return finding.fix && applies(*finding.fix, unsafe);
}

/// The fixes one pass over findings takes, and their edits: in document
/// order, each fix that applies and whose edits overlap none taken before it
/// (two insertions at one offset overlap; their order would be a guess).
struct Pass {
    std::vector<const lint::Fix*> fixes;
    std::vector<lint::Edit> edits;
};
Pass choosePass(std::string_view bytes, std::span<const lint::Finding> findings, bool unsafe);

/// Lints a document held in memory.
using Linter = std::function<lint::Report(std::string_view bytes)>;

struct Fixed {
    std::string bytes;      ///< the document with its fixes applied
    std::size_t fixed = 0;  ///< fixes applied
    lint::Report first;     ///< the report on the document as given
    lint::Report report;    ///< the report on bytes: what remains
    bool changed() const { return fixed > 0; }
};

/// Applies the fixes the findings of bytes offer (the unsafe ones too when
/// unsafe), and lints again, until no fix is left or a pass stops changing
/// anything. In one pass the fixes are taken in document order, and one
/// whose edits overlap a fix already taken waits for the next pass. A fix
/// that would make a well-formed document ill-formed is not applied (the
/// others of its pass are, each tried in turn).
Fixed fixDocument(std::string_view bytes, bool unsafe, const Linter& lintBytes);

/// Whether bytes are UTF-8 throughout (no stray, truncated or overlong
/// sequence, no surrogate): only such files are rewritten.
bool isUtf8(std::string_view bytes);

}  // namespace xmlattr::fix
