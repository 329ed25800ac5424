#include "tools/fix/Fix.h"

#include <algorithm>
#include <vector>

#include "platform/String.h"

namespace xmlattr::fix {

namespace {

// Passes before fixDocument gives up: each pass applies every fix that does
// not overlap another, so only fixes that make new ones need more than two.
constexpr int kMaxPasses = 8;

bool overlaps(const lint::Edit& a, const lint::Edit& b) {
    if (a.range.begin == b.range.begin)
        return true;  // the same start: overlapping, or two insertions in no order
    const lint::Edit& first = a.range.begin < b.range.begin ? a : b;
    const lint::Edit& second = &first == &a ? b : a;
    return second.range.begin < first.range.end;
}

// "bytes 3-7" of an edit.
std::string bytesOf(const lint::Edit& edit) {
    std::string text = "bytes ";
    text += std::to_string(edit.range.begin);
    text += '-';
    text += std::to_string(edit.range.end);
    return text;
}

Applied refused(std::string why) {
    return {{}, std::move(why)};
}

}  // namespace

Applied applyEdits(std::string_view bytes, std::span<const lint::Edit> edits) {
    std::vector<const lint::Edit*> order;
    order.reserve(edits.size());
    for (const lint::Edit& edit : edits) {
        if (edit.range.begin > edit.range.end || edit.range.end > bytes.size()) {
            std::string why = "an edit of ";
            why += bytesOf(edit);
            why += " lies outside the ";
            why += std::to_string(bytes.size());
            why += " bytes of the document";
            return refused(std::move(why));
        }
        order.push_back(&edit);
    }
    std::stable_sort(order.begin(), order.end(), [](const lint::Edit* a, const lint::Edit* b) {
        return a->range.begin < b->range.begin;
    });
    for (std::size_t i = 1; i < order.size(); ++i) {
        if (overlaps(*order[i - 1], *order[i])) {
            std::string why = "edits of ";
            why += bytesOf(*order[i - 1]);
            why += " and ";
            why += bytesOf(*order[i]);
            why += " overlap";
            return refused(std::move(why));
        }
    }
    Applied applied;
    std::size_t size = bytes.size();
    for (const lint::Edit* edit : order)
        size = size - (edit->range.end - edit->range.begin) + edit->replacement.size();
    applied.bytes.reserve(size);
    std::size_t at = 0;
    for (const lint::Edit* edit : order) {
        applied.bytes.append(bytes.substr(at, edit->range.begin - at));
        applied.bytes += edit->replacement;
        at = edit->range.end;
    }
    applied.bytes.append(bytes.substr(at));
    return applied;
}

Pass choosePass(std::string_view bytes, std::span<const lint::Finding> findings, bool unsafe) {
    Pass pass;
    for (const lint::Finding& finding : findings) {
        if (!offersFix(finding, unsafe) || finding.fix->edits.empty())
            continue;
        const std::vector<lint::Edit>& mine = finding.fix->edits;
        const bool clear = std::none_of(mine.begin(), mine.end(), [&](const lint::Edit& e) {
            return std::any_of(pass.edits.begin(), pass.edits.end(),
                               [&](const lint::Edit& taken) { return overlaps(e, taken); });
        });
        // A fix whose own edits overlap, or that lies outside, is left.
        if (!clear || !applyEdits(bytes, mine).ok())
            continue;
        pass.edits.insert(pass.edits.end(), mine.begin(), mine.end());
        pass.fixes.push_back(&*finding.fix);
    }
    return pass;
}

Fixed fixDocument(std::string_view bytes, bool unsafe, const Linter& lintBytes) {
    Fixed fixed;
    fixed.bytes.assign(bytes);
    fixed.first = lintBytes(fixed.bytes);
    fixed.report = fixed.first;
    const bool wellFormed = !fixed.first.result.error;
    for (int round = 0; round < kMaxPasses; ++round) {
        Pass pass = choosePass(fixed.bytes, fixed.report.findings, unsafe);
        const std::vector<const lint::Fix*> chosen = std::move(pass.fixes);
        std::vector<lint::Edit> edits = std::move(pass.edits);
        if (chosen.empty())
            break;
        Applied applied = applyEdits(fixed.bytes, edits);
        lint::Report report = lintBytes(applied.bytes);
        std::size_t taken = chosen.size();
        if (wellFormed && report.result.error) {
            // Some fix breaks the document: the fixes are taken one by one,
            // each kept only if the document stays well-formed with it.
            edits.clear();
            taken = 0;
            applied.bytes = fixed.bytes;
            report = fixed.report;
            for (const lint::Fix* fix : chosen) {
                std::vector<lint::Edit> tried = edits;
                tried.insert(tried.end(), fix->edits.begin(), fix->edits.end());
                Applied attempt = applyEdits(fixed.bytes, tried);
                lint::Report attempted = lintBytes(attempt.bytes);
                if (attempted.result.error)
                    continue;
                edits = std::move(tried);
                applied = std::move(attempt);
                report = std::move(attempted);
                ++taken;
            }
        }
        if (taken == 0 || applied.bytes == fixed.bytes)
            break;
        fixed.bytes = std::move(applied.bytes);
        fixed.report = std::move(report);
        fixed.fixed += taken;
    }
    return fixed;
}

bool isUtf8(std::string_view bytes) {
    // The library's strict decoder counts each invalid part it replaces: a
    // stray or truncated sequence, an overlong form, a surrogate, a code
    // point past U+10FFFF.
    int replaced = 0;
    Core::String::fromUtf8(bytes, &replaced);
    return replaced == 0;
}

}  // namespace xmlattr::fix
