#include "platform/ImageFilter.h"

#include <charconv>
#include <string>

namespace Drawing {

namespace {

// Reads decimal digits from text[pos] up to the end or the first non-digit;
// false when there are none or the value exceeds 32 bits.
bool readWord(const Core::String& text, int& pos, std::uint32_t& out) {
    std::uint64_t value = 0;
    const int start = pos;
    while (pos < text.length() && Core::String::isDigit(text[pos])) {
        value = value * 10 + static_cast<std::uint64_t>(text[pos] - L'0');
        if (value > 0xFFFFFFFFu)
            return false;
        ++pos;
    }
    out = static_cast<std::uint32_t>(value);
    return pos > start;
}

}  // namespace

bool ImageFilter::parseFilter(ImageFilter& out, const Core::String& text) {
    int pos = 0;
    std::uint32_t kind = 0;
    std::uint32_t parameter = 0;
    if (!readWord(text, pos, kind) || pos >= text.length() || text[pos] != L':')
        return false;
    ++pos;
    if (!readWord(text, pos, parameter) || pos != text.length())
        return false;
    out = ImageFilter(kind, parameter);
    return true;
}

Core::String ImageFilter::toString() const {
    return Core::String(std::to_string(kind_) + ":" + std::to_string(parameter_));
}

}  // namespace Drawing
