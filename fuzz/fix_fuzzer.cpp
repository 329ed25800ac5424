// Fix target: any UTF-8 document with every fix applied (safe and unsafe),
// as xmlattr lint --fix --unsafe-fixes does. A well-formed document stays
// well-formed, no finding of the fixed document still offers a fix, fixing
// it again changes nothing, and each fix's edits lie inside the input and
// apply on their own.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tools/fix/Fix.h"
#include "tools/lint/Lint.h"

namespace {

namespace fix = xmlattr::fix;
namespace lint = xmlattr::lint;

[[noreturn]] void fail(const char* what) {
    std::fprintf(stderr, "fix: %s\n", what);
    std::abort();
}

lint::Report lintBytes(std::string_view bytes) {
    return lint::lintDocument(bytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (!fix::isUtf8(bytes))
        return 0;  // the command rewrites only UTF-8
    const fix::Fixed fixed = fix::fixDocument(bytes, true, lintBytes);
    for (const lint::Finding& finding : fixed.first.findings) {
        if (finding.fix && !fix::applyEdits(bytes, finding.fix->edits).ok())
            fail("a fix whose edits overlap or lie outside the document");
    }
    if (!fixed.first.result.error && fixed.report.result.error)
        fail("fixing made a well-formed document ill-formed");
    for (const lint::Finding& finding : fixed.report.findings) {
        if (finding.fix && !finding.fix->edits.empty()) {
            std::fprintf(stderr, "%s\n", finding.message.c_str());
            fail("a finding of the fixed document still offers a fix");
        }
    }
    const fix::Fixed again = fix::fixDocument(fixed.bytes, true, lintBytes);
    if (again.changed() || again.bytes != fixed.bytes)
        fail("fixing a fixed document changed it");
    return 0;
}
