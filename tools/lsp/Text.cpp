// Offsets and positions. A change indexes again only the lines it touches;
// a position's character is counted along its own line only.
#include "tools/lsp/Text.h"

#include <algorithm>
#include <cstring>

#include "tools/common/Lines.h"

namespace xmlattr::lsp {

namespace {

using xmlattr_tool::lines::Step;

bool continuation(char byte) {
    return xmlattr_tool::lines::stepOf(byte, false) == Step::Inside;
}

// The units a character whose first byte is lead takes.
std::uint32_t unitsOf(char lead, Encoding encoding) {
    return encoding == Encoding::Utf16 ? xmlattr_tool::lines::utf16Units(lead) : 1;
}

}  // namespace

std::string_view encodingName(Encoding encoding) {
    switch (encoding) {
        case Encoding::Utf8:
            return "utf-8";
        case Encoding::Utf32:
            return "utf-32";
        case Encoding::Utf16:
            break;
    }
    return "utf-16";
}

std::optional<Encoding> encodingNamed(std::string_view name) {
    for (const Encoding encoding : {Encoding::Utf8, Encoding::Utf16, Encoding::Utf32}) {
        if (encodingName(encoding) == name)
            return encoding;
    }
    return std::nullopt;
}

Text::Text(std::string bytes) : bytes_(std::move(bytes)) {
    lineStarts_.push_back(0);
    indexLines(0, bytes_.size());
}

void Text::indexLines(std::size_t from, std::size_t to) {
    using xmlattr_tool::lines::stepOf;
    const std::size_t size = bytes_.size();
    for (std::size_t at = from; at < to; ++at) {
        const Step step = stepOf(bytes_[at], at > 0 && bytes_[at - 1] == '\r');
        if (step != Step::LineEnd && step != Step::SameEnd)
            continue;
        // A CR LF is one line end: the next line starts after its LF.
        if (at + 1 < size && stepOf(bytes_[at + 1], bytes_[at] == '\r') == Step::SameEnd)
            continue;
        lineStarts_.push_back(at + 1);
    }
}

std::optional<std::size_t> Text::offsetOf(TextPosition position, Encoding encoding) const {
    if (position.line >= lineStarts_.size())
        return std::nullopt;
    std::size_t at = lineStarts_[position.line];
    std::size_t end =
        position.line + 1 < lineStarts_.size() ? lineStarts_[position.line + 1] : bytes_.size();
    // The line's own bytes, without its end.
    while (end > at && (bytes_[end - 1] == '\n' || bytes_[end - 1] == '\r'))
        --end;
    if (encoding == Encoding::Utf8) {
        at = std::min(at + position.character, end);
        while (at > lineStarts_[position.line] && at < end && continuation(bytes_[at]))
            --at;
        return at;
    }
    std::uint32_t units = 0;
    while (at < end) {
        const std::uint32_t width = unitsOf(bytes_[at], encoding);
        if (units + width > position.character)
            break;
        units += width;
        ++at;
        while (at < end && continuation(bytes_[at]))
            ++at;
    }
    return at;
}

TextPosition Text::positionOf(std::size_t offset, Encoding encoding) const {
    offset = std::min(offset, bytes_.size());
    const auto next = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), offset);
    const auto line = static_cast<std::size_t>(next - lineStarts_.begin()) - 1;
    const std::size_t start = lineStarts_[line];
    // An offset inside a CR LF stands at the line's end, one inside a
    // character at its start.
    std::size_t end = offset;
    if (end > start && end < bytes_.size() &&
        xmlattr_tool::lines::stepOf(bytes_[end], bytes_[end - 1] == '\r') == Step::SameEnd)
        --end;
    while (end > start && end < bytes_.size() && continuation(bytes_[end]))
        --end;
    std::uint32_t units = 0;
    for (std::size_t at = start; at < end; ++at) {
        if (encoding == Encoding::Utf8)
            ++units;
        else if (!continuation(bytes_[at]))
            units += unitsOf(bytes_[at], encoding);
    }
    return {static_cast<std::uint32_t>(line), units};
}

void Text::replace(std::size_t begin, std::size_t end, std::string_view replacement) {
    begin = std::min(begin, bytes_.size());
    end = std::clamp(end, begin, bytes_.size());
    bytes_.replace(begin, end - begin, replacement);
    const std::size_t newEnd = begin + replacement.size();
    // Lines that start after the replaced bytes keep their ends: they only
    // move. Those that start before it keep their starts; a CR just before
    // it may now be followed by an LF, so the line it ends is indexed again,
    // up to the end of the new bytes.
    const auto after = std::upper_bound(lineStarts_.begin(), lineStarts_.end(), end);
    std::vector<std::size_t> moved(after, lineStarts_.end());
    for (std::size_t& start : moved)
        start = start - end + newEnd;
    lineStarts_.erase(std::lower_bound(lineStarts_.begin(), lineStarts_.end(), begin),
                      lineStarts_.end());
    if (lineStarts_.empty())
        lineStarts_.push_back(0);
    indexLines(lineStarts_.back(), newEnd);
    lineStarts_.insert(lineStarts_.end(), moved.begin(), moved.end());
}

}  // namespace xmlattr::lsp
