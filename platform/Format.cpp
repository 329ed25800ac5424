#include "platform/Format.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>
#include <system_error>

namespace Core {

namespace {

bool isDigit(wchar_t c) {
    return String::isDigit(c);
}

std::size_t skipSpace(std::wstring_view text, std::size_t pos) {
    while (pos < text.size() && String::isSpace(text[pos]))
        ++pos;
    return pos;
}

// A number found in a text: [begin, end) with the sign at begin if any.
struct NumberSpan {
    std::size_t begin = 0;
    std::size_t end = 0;  // == begin when there is no number
    bool negative = false;
    std::size_t digitsBegin = 0;  // first unit after the sign
};

// Longest number of the grammar starting at pos; allowFraction selects floats.
NumberSpan scanNumber(std::wstring_view text, std::size_t pos, bool allowFraction) {
    NumberSpan span{pos, pos, false, pos};
    std::size_t i = pos;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        span.negative = text[i] == L'-';
        ++i;
    }
    span.digitsBegin = i;
    std::size_t digits = 0;
    while (i < text.size() && isDigit(text[i]))
        ++i, ++digits;
    if (allowFraction && i < text.size() && text[i] == L'.') {
        std::size_t j = i + 1;
        std::size_t fraction = 0;
        while (j < text.size() && isDigit(text[j]))
            ++j, ++fraction;
        if (digits + fraction > 0) {
            i = j;
            digits += fraction;
        }
    }
    if (digits == 0)
        return span;
    if (allowFraction && i < text.size() && (text[i] == L'e' || text[i] == L'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == L'+' || text[j] == L'-'))
            ++j;
        const std::size_t exponentDigits = j;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > exponentDigits)
            i = j;
    }
    span.end = i;
    return span;
}

// The number's units as narrow characters, without a "+" sign (from_chars
// rejects it). Short numbers stay on the stack.
class NarrowNumber {
  public:
    NarrowNumber(std::wstring_view text, const NumberSpan& span) {
        const std::size_t from = span.negative ? span.begin : span.digitsBegin;
        size_ = span.end - from;
        char* out = buffer_;
        if (size_ > sizeof buffer_) {
            long_.resize(size_);
            out = long_.data();
        }
        for (std::size_t k = 0; k < size_; ++k)
            out[k] = static_cast<char>(text[from + k]);
        data_ = out;
    }
    const char* begin() const { return data_; }
    const char* end() const { return data_ + size_; }

  private:
    char buffer_[64];
    std::string long_;
    const char* data_ = nullptr;
    std::size_t size_ = 0;
};

// Decimal exponent of the leading significant digit, for out-of-range numbers:
// positive means the magnitude overflowed, otherwise it underflowed.
long significantExponent(std::wstring_view text, const NumberSpan& span) {
    long position = 0;  // digits before the point, minus zeros leading the fraction
    bool seenPoint = false;
    bool seenSignificant = false;
    std::size_t i = span.digitsBegin;
    for (; i < span.end && text[i] != L'e' && text[i] != L'E'; ++i) {
        if (text[i] == L'.') {
            seenPoint = true;
        } else if (!seenSignificant && text[i] == L'0') {
            if (seenPoint)
                --position;
        } else {
            seenSignificant = true;
            if (!seenPoint)
                ++position;
        }
    }
    long exponent = 0;
    bool negativeExponent = false;
    if (i < span.end) {
        ++i;
        if (text[i] == L'+' || text[i] == L'-')
            negativeExponent = text[i++] == L'-';
        for (; i < span.end; ++i)
            exponent = std::min(exponent * 10 + (text[i] - L'0'), 100000L);
    }
    return position + (negativeExponent ? -exponent : exponent);
}

// Converts a scanned float; false when the magnitude is beyond float range
// (value then holds the clamped result).
bool convertFloat(std::wstring_view text, const NumberSpan& span, float& value) {
    const NarrowNumber narrow(text, span);
    auto [ptr, ec] = std::from_chars(narrow.begin(), narrow.end(), value);
    (void)ptr;
    if (ec == std::errc())
        return true;
    if (significantExponent(text, span) > 0) {
        value =
            span.negative ? -std::numeric_limits<float>::max() : std::numeric_limits<float>::max();
        return false;
    }
    // Underflow: the nearest float, down to a signed zero.
    double wide = 0;
    if (std::from_chars(narrow.begin(), narrow.end(), wide).ec != std::errc())
        wide = 0;
    value = static_cast<float>(wide);
    if (value == 0 && span.negative)
        value = -0.0f;
    return true;
}

bool convertInt(std::wstring_view text, const NumberSpan& span, int& value) {
    const NarrowNumber narrow(text, span);
    auto [ptr, ec] = std::from_chars(narrow.begin(), narrow.end(), value);
    (void)ptr;
    if (ec == std::errc())
        return true;
    value = span.negative ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
    return false;
}

// After the number: an optional single "%", optional white space, the end.
bool onlyTrailer(std::wstring_view text, std::size_t pos) {
    if (pos < text.size() && text[pos] == L'%')
        ++pos;
    return skipSpace(text, pos) == text.size();
}

}  // namespace

bool Format::parseInt(std::wstring_view text, int& out) {
    const NumberSpan span = scanNumber(text, skipSpace(text, 0), false);
    if (span.end == span.begin || !onlyTrailer(text, span.end))
        return false;
    int value = 0;
    if (!convertInt(text, span, value))
        return false;
    out = value;
    return true;
}

bool Format::parseFloat(std::wstring_view text, float& out) {
    const NumberSpan span = scanNumber(text, skipSpace(text, 0), true);
    if (span.end == span.begin || !onlyTrailer(text, span.end))
        return false;
    float value = 0;
    if (!convertFloat(text, span, value))
        return false;
    out = value;
    return true;
}

int Format::parseInt(std::wstring_view text) {
    const NumberSpan span = scanNumber(text, skipSpace(text, 0), false);
    int value = 0;
    if (span.end != span.begin)
        convertInt(text, span, value);
    return value;
}

float Format::parseFloat(std::wstring_view text) {
    const NumberSpan span = scanNumber(text, skipSpace(text, 0), true);
    float value = 0;
    if (span.end != span.begin)
        convertFloat(text, span, value);
    return value;
}

bool Format::parseHexInt(std::wstring_view text, int& out) {
    if (text.size() > 2 && text[0] == L'0' && text[1] == L'x')
        text.remove_prefix(2);
    if (text.empty())
        return false;
    unsigned long long value = 0;
    for (const wchar_t c : text) {
        unsigned digit = 0;
        if (c >= L'0' && c <= L'9') {
            digit = static_cast<unsigned>(c - L'0');
        } else if (c >= L'a' && c <= L'f') {
            digit = static_cast<unsigned>(c - L'a' + 10);
        } else if (c >= L'A' && c <= L'F') {
            digit = static_cast<unsigned>(c - L'A' + 10);
        } else {
            return false;
        }
        value = value * 16 + digit;
        if (value > 0xFFFFFFFFull)
            return false;
    }
    out = static_cast<int>(static_cast<unsigned>(value));
    return true;
}

}  // namespace Core
