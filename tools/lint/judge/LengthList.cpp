// A list of SVG lengths (stroke-dasharray="5, 3, 1%"): the items written
// against the lengths held, one by one.
#include "tools/lint/judge/Shapes.h"

#include "tools/lint/judge/Measure.h"

namespace xmlattr::lint::judging {

namespace {

bool separatesItems(wchar_t c) {
    return c == L',' || isBlank(c);
}

// Calls onItem with each item written, in order, until it returns false;
// gives the number of items seen.
template <class OnItem>
std::size_t forEachItem(Text text, OnItem onItem) {
    std::size_t count = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && !separatesItems(text[end]))
            ++end;
        if (end > pos) {
            if (!onItem(count, text.substr(pos, end - pos)))
                return count + 1;
            ++count;
        }
        pos = end + 1;
    }
    return count;
}

}  // namespace

std::optional<Verdict> judgeLengthList(Text text, const Core::Vector<Xml::SLength>& held) {
    const std::size_t count = static_cast<std::size_t>(held.size());
    if (count == 0)
        return std::nullopt;  // "none" or the empty text
    const std::size_t written = forEachItem(text, [](std::size_t, Text) { return true; });
    if (count < written) {
        if (text.find(L',') != Text::npos)
            return finding(Kind::ReadsDifferently, "fewer items are read than are written");
        Verdict verdict = finding(Kind::ListReadAsOne,
                                  "a list separated by blanks is read as one item: separate "
                                  "items with commas");
        // The items as written, separated by commas.
        // A negative length has no meaning in a dash list: the rewrite would
        // give the engine a list the grammar forbids, so it is not certain.
        std::string items;
        bool negative = false;
        forEachItem(text, [&](std::size_t i, Text item) {
            if (i > 0)
                items += ", ";
            items += utf8(item);
            negative = negative || item[0] == L'-';
            return true;
        });
        verdict.fix = Rewrite{std::move(items), !negative, "separate the items with commas"};
        return verdict;
    }
    std::optional<Verdict> verdict;
    forEachItem(text, [&](std::size_t i, Text item) {
        if (i >= count)
            return false;
        const WrittenMeasure measure = readMeasure(item);
        verdict = measure.number || measure.function
                      ? judgeWrittenMeasure(measure, heldMeasure(held[static_cast<int>(i)]))
                      : std::optional<Verdict>(notANumber());
        return !verdict;
    });
    return verdict;
}

std::string lengthListShown(const Core::Vector<Xml::SLength>& held) {
    ListShown shown(static_cast<std::size_t>(held.size()));
    for (int i = 0; i < held.size(); ++i) {
        if (!shown.add(measureShown(heldMeasure(held[i]))))
            break;
    }
    return std::move(shown).finish("no dashes");
}

}  // namespace xmlattr::lint::judging
