// Helpers the geometry scanners share: reading plain numbers without the
// general number grammar, and handing a finished list to its attribute.
// Internal to css/geometry.
#pragma once

#include <charconv>
#include <cstddef>
#include <string_view>
#include <system_error>
#include <utility>

#include "platform/String.h"
#include "platform/Vector.h"

namespace Xml::detail {

// The first position at or after pos that is not white space, or the end.
inline std::size_t skipSpace(std::wstring_view text, std::size_t pos) {
    while (pos < text.size() && Core::String::isSpace(text[pos]))
        ++pos;
    return pos;
}

// A plain number is an optional sign, digits and at most one point, ending in
// a digit, of up to kPlainLength units. Its size is what
// Core::Format::parseFloat makes of it: the same units without a "+", given to
// std::from_chars. So short a decimal cannot leave float range, so no checks
// beyond from_chars's own are needed. SLength's parser reads such a text as
// that size in pixels.
constexpr std::size_t kPlainLength = 32;

// Converts a number already known to be plain apart from its length and last
// unit; false when it is not convertible this way.
inline bool convertPlainNumber(std::wstring_view number, float& size) {
    if (number.empty() || number.size() > kPlainLength || !Core::String::isDigit(number.back()))
        return false;
    char narrow[kPlainLength];
    std::size_t length = 0;
    for (const wchar_t c : number) {
        if (c != L'+')
            narrow[length++] = static_cast<char>(c);
    }
    return std::from_chars(narrow, narrow + length, size).ec == std::errc();
}

// The same for any text: false when it is not a plain number.
inline bool readPlainNumber(std::wstring_view number, float& size) {
    std::size_t i = !number.empty() && (number[0] == L'-' || number[0] == L'+') ? 1 : 0;
    int points = 0;
    for (; i < number.size(); ++i) {
        const wchar_t c = number[i];
        if (c == L'.') {
            ++points;
        } else if (!Core::String::isDigit(c)) {
            return false;
        }
    }
    return points <= 1 && convertPlainNumber(number, size);
}

// The scanners reserve for the longest list a text could give, which real
// texts rarely fill. Hand the storage over when at least half of it is used;
// otherwise give the target an exactly sized copy so it does not keep the
// slack, and let the scan's storage go.
template <class T>
void adoptList(Core::Vector<T>& target, Core::Vector<T>&& scanned) {
    if (scanned.size() >= scanned.capacity() / 2) {
        target = std::move(scanned);
    } else {
        target = scanned;
    }
}

}  // namespace Xml::detail
