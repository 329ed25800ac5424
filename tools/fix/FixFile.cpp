#include "tools/fix/FixFile.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "tools/common/Ascii.h"
#include "tools/fix/Diff.h"

namespace xmlattr::fix {

namespace {

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
        encoding += xmlattr_tool::ascii::lower(c);
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

}  // namespace

FileFixed fixFile(const std::string& path, const ReadFile& file, Apply apply, bool unsafe,
                  const lint::Options& options,
                  const std::function<bool(const lint::Report&)>& wanted) {
    FileFixed out;
    const bool latin1 = !isUtf8(file.bytes) && declaresLatin1(file.bytes);
    const bool utf8 = !latin1 && isUtf8(file.bytes);
    const Linter linter = [&options, latin1](std::string_view bytes) {
        lint::Report report = lint::lintDocument(bytes, options);
        for (lint::Finding& finding : report.findings) {
            for (std::size_t i = 0; latin1 && finding.fix && i < finding.fix->edits.size(); ++i) {
                if (std::optional<std::string> text = inLatin1(finding.fix->edits[i].replacement))
                    finding.fix->edits[i].replacement = std::move(*text);
                else
                    finding.fix.reset();
            }
        }
        return report;
    };
    Fixed& fixed = out.fixed;
    if (utf8 || latin1) {
        fixed = fixDocument(file.bytes, unsafe, linter);
    } else {
        fixed.bytes = file.bytes;
        fixed.first = linter(file.bytes);
        fixed.report = fixed.first;
        const std::vector<lint::Finding>& findings = fixed.first.findings;
        out.refused =
            std::any_of(findings.begin(), findings.end(),
                        [unsafe](const lint::Finding& f) { return offersFix(f, unsafe); });
    }
    if (wanted && !wanted(fixed.first)) {
        out.skipped = true;
        return out;
    }
    out.kept = fixed.changed();
    if (apply == Apply::Rewrite && out.kept) {
        out.notWritten = rewriteFile(path, file, fixed.bytes);
        out.kept = out.notWritten.empty();
    }
    if (apply == Apply::Diff && out.kept)
        out.diff = unifiedDiff(path, file.bytes, fixed.bytes);
    return out;
}

}  // namespace xmlattr::fix
