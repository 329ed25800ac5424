#include "tools/lint/Position.h"

#include <algorithm>
#include <cstring>

#include "tools/common/Lines.h"

namespace xmlattr::lint {

void PositionTracker::byteByByte(std::string_view span) {
    using xmlattr_tool::lines::Step;
    for (const char c : span) {
        switch (xmlattr_tool::lines::stepOf(c, afterCr_)) {
            case Step::LineEnd:
                ++position_.line;
                position_.column = 1;
                position_.utf16Column = 1;
                break;
            case Step::Character:
                ++position_.column;
                position_.utf16Column += xmlattr_tool::lines::utf16Units(c);
                break;
            case Step::Inside:
            case Step::SameEnd:
                break;
        }
        afterCr_ = c == '\r';
    }
}

void PositionTracker::advance(std::string_view bytes, std::size_t first, std::size_t target) {
    if (target <= offset_)
        return;
    std::string_view span = bytes.substr(offset_ - first, target - offset_);
    // A byte-order mark is no character of the first line: columns start
    // after it, as editors count them.
    if (offset_ == 0 && span.starts_with("\xEF\xBB\xBF"))
        span.remove_prefix(3);
    offset_ = target;
    // The common case, LF line ends: count the lines at memchr speed (each LF
    // ends one) and read only the last line's bytes one by one.
    if (std::memchr(span.data(), '\r', span.size()) == nullptr && !afterCr_) {
        const std::size_t lastLf = span.rfind('\n');
        if (lastLf != std::string_view::npos) {
            position_.line +=
                static_cast<std::uint32_t>(std::count(span.begin(), span.end(), '\n'));
            position_.column = 1;
            position_.utf16Column = 1;
            span.remove_prefix(lastLf + 1);
        }
    }
    byteByByte(span);
}

}  // namespace xmlattr::lint
