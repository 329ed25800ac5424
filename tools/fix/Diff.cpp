#include "tools/fix/Diff.h"

#include <algorithm>
#include <vector>

#include <dtl/dtl.hpp>

namespace xmlattr::fix {

namespace {

constexpr std::size_t kContext = 3;

// The lines of text, each with its LF; the last one may have none.
std::vector<std::string_view> linesOf(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::size_t size = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, size));
        text.remove_prefix(size);
    }
    return lines;
}

struct Op {
    dtl::edit_t type;
    std::string_view line;
};

// "l,n", or "l" when n is 1, as GNU diff writes a hunk's range; l is the
// line before the hunk when it holds no line of that side.
std::string hunkRange(std::size_t linesBefore, std::size_t count) {
    std::string text = std::to_string(count == 0 ? linesBefore : linesBefore + 1);
    if (count != 1) {
        text += ',';
        text += std::to_string(count);
    }
    return text;
}

void addLine(std::string& out, char mark, std::string_view line) {
    out += mark;
    out += line;
    if (!line.ends_with('\n'))
        out += "\n\\ No newline at end of file\n";
}

}  // namespace

std::string unifiedDiff(std::string_view path, std::string_view before, std::string_view after) {
    if (before == after)
        return {};
    const std::vector<std::string_view> a = linesOf(before);
    const std::vector<std::string_view> b = linesOf(after);
    dtl::Diff<std::string_view> diff(a, b, true);  // deletions before additions
    diff.onHuge();
    diff.compose();
    std::vector<Op> ops;
    for (const auto& [line, info] : diff.getSes().getSequence())
        ops.push_back({info.type, line});
    // Lines of each side before each op.
    std::vector<std::size_t> oldBefore(ops.size() + 1, 0);
    std::vector<std::size_t> newBefore(ops.size() + 1, 0);
    for (std::size_t i = 0; i < ops.size(); ++i) {
        oldBefore[i + 1] = oldBefore[i] + (ops[i].type != dtl::SES_ADD ? 1 : 0);
        newBefore[i + 1] = newBefore[i] + (ops[i].type != dtl::SES_DELETE ? 1 : 0);
    }
    std::string out = "--- a/";
    out += path;
    out += "\n+++ b/";
    out += path;
    out += '\n';
    const std::size_t n = ops.size();
    std::size_t printed = 0;  // ops before this one are in a hunk already
    std::size_t i = 0;
    while (i < n) {
        if (ops[i].type == dtl::SES_COMMON) {
            ++i;
            continue;
        }
        const std::size_t start = std::max(printed, i >= kContext ? i - kContext : 0);
        // The hunk takes changes until more than twice the context lies
        // between two of them.
        std::size_t end = i;
        while (true) {
            while (end < n && ops[end].type != dtl::SES_COMMON)
                ++end;
            std::size_t next = end;
            while (next < n && ops[next].type == dtl::SES_COMMON)
                ++next;
            if (next == n || next - end > 2 * kContext)
                break;
            end = next;
        }
        const std::size_t stop = std::min(n, end + kContext);
        out += "@@ -";
        out += hunkRange(oldBefore[start], oldBefore[stop] - oldBefore[start]);
        out += " +";
        out += hunkRange(newBefore[start], newBefore[stop] - newBefore[start]);
        out += " @@\n";
        for (std::size_t k = start; k < stop; ++k) {
            const char mark = ops[k].type == dtl::SES_ADD      ? '+'
                              : ops[k].type == dtl::SES_DELETE ? '-'
                                                               : ' ';
            addLine(out, mark, ops[k].line);
        }
        printed = stop;
        i = stop;
    }
    return out;
}

}  // namespace xmlattr::fix
