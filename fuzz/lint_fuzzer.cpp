// Lint target: any bytes as an XML document through the lint engine, which
// must neither crash nor read outside its buffers, and whose findings must
// stand inside the input, in document order, with positions that agree with
// their byte offsets, and each fix on exactly its value's bytes; the
// value found at an offset must stand around it; and a text an author writes,
// chosen by the input, has a finding exactly where the engine does not hold
// what it means (tests/tools/lint/AuthorsTexts.h).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "tests/tools/lint/AuthorsTexts.h"
#include "tools/lint/Lint.h"

namespace {

void fail(const char* what, const xmlattr::lint::Finding& finding) {
    std::fprintf(stderr, "%s: %s\n", what, finding.message.c_str());
    std::abort();
}

bool before(const xmlattr::lint::Position& a, const xmlattr::lint::Position& b) {
    return a.line < b.line || (a.line == b.line && a.column <= b.column);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::size_t last = 0;
    xmlattr::lint::lintDocument(bytes, [&](const xmlattr::lint::Finding& finding) {
        const xmlattr::lint::Range& range = finding.range;
        if (range.begin > range.end || range.end > size)
            fail("a finding outside the input", finding);
        if (!before(range.start, range.stop) || range.start.column > range.start.utf16Column)
            fail("positions out of order", finding);
        if (range.begin < last)
            fail("findings out of document order", finding);
        last = range.begin;
        if (finding.message.empty())
            fail("a finding without a message", finding);
        // A fix replaces the value's bytes, which are its text, or a part
        // of a value whose bytes are as many as its text's.
        if (finding.fix) {
            if (finding.fix->edits.size() != 1)
                fail("a fix of other than one edit", finding);
            const xmlattr::lint::Range& edit = finding.fix->edits.front().range;
            const bool whole = edit.begin == range.begin && edit.end == range.end &&
                               bytes.substr(range.begin, range.end - range.begin) == finding.text;
            const bool inner = edit.begin >= range.begin && edit.end <= range.end &&
                               range.end - range.begin == finding.text.size();
            if (!whole && !inner)
                fail("a fix beside the value's bytes", finding);
        }
    });
    // The value at an offset the input chooses stands around that offset,
    // inside the input (a tag still open is read as if it were closed).
    if (size > 0) {
        const std::size_t offset = size * data[0] / 256;
        if (const auto value = xmlattr::lint::valueAt(bytes, offset)) {
            const xmlattr::lint::Range& range = value->range;
            if (range.begin > offset || range.end < offset || range.end > size) {
                std::fprintf(stderr, "a value that does not hold its offset: %s\n",
                             value->text.c_str());
                std::abort();
            }
        }
    }
    unsigned long long seed = 0;
    for (std::size_t i = 0; i < size && i < 8; ++i)
        seed = seed << 8 | data[i];
    if (const auto broken = xmlattr::lint::truth::authorsText(seed)) {
        std::fprintf(stderr, "%s\n", broken->c_str());
        std::abort();
    }
    return 0;
}
