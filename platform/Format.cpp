#include "platform/Format.h"

#include <algorithm>
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

// An integer found in a text: [begin, end) with the sign at begin if any.
struct NumberSpan {
    std::size_t begin = 0;
    std::size_t end = 0;  // == begin when there is no number
    bool negative = false;
    std::size_t digitsBegin = 0;  // first unit after the sign
};

// Longest integer of the grammar starting at pos.
NumberSpan scanInteger(std::wstring_view text, std::size_t pos) {
    NumberSpan span{pos, pos, false, pos};
    std::size_t i = pos;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) {
        span.negative = text[i] == L'-';
        ++i;
    }
    span.digitsBegin = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    if (i > span.digitsBegin)
        span.end = i;
    return span;
}

// The number's units [from, end) as narrow characters. Short numbers stay on
// the stack.
class NarrowNumber {
  public:
    NarrowNumber(const wchar_t* from, const wchar_t* end) {
        size_ = static_cast<std::size_t>(end - from);
        char* out = buffer_;
        if (size_ > sizeof buffer_) {
            long_.resize(size_);
            out = long_.data();
        }
        for (std::size_t k = 0; k < size_; ++k)
            out[k] = static_cast<char>(from[k]);
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

// Decimal exponent of the leading significant digit of the number whose
// digits run over [digits, end), for out-of-range numbers: positive means the
// magnitude overflowed, otherwise it underflowed.
long significantExponent(const wchar_t* digits, const wchar_t* end) {
    long position = 0;  // digits before the point, minus zeros leading the fraction
    bool seenPoint = false;
    bool seenSignificant = false;
    const wchar_t* p = digits;
    for (; p != end && *p != L'e' && *p != L'E'; ++p) {
        if (*p == L'.') {
            seenPoint = true;
        } else if (!seenSignificant && *p == L'0') {
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
    if (p != end) {
        ++p;
        if (*p == L'+' || *p == L'-')
            negativeExponent = *p++ == L'-';
        for (; p != end; ++p)
            exponent = std::min(exponent * 10 + (*p - L'0'), 100000L);
    }
    return position + (negativeExponent ? -exponent : exponent);
}

bool convertInt(std::wstring_view text, const NumberSpan& span, int& value) {
    // Without a "+": from_chars rejects it.
    const std::size_t from = span.negative ? span.begin : span.digitsBegin;
    const NarrowNumber narrow(text.data() + from, text.data() + span.end);
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
    const NumberSpan span = scanInteger(text, skipSpace(text, 0));
    if (span.end == span.begin || !onlyTrailer(text, span.end))
        return false;
    int value = 0;
    if (!convertInt(text, span, value))
        return false;
    out = value;
    return true;
}

bool Format::parseFloat(std::wstring_view text, float& out) {
    const wchar_t* const begin = text.data() + skipSpace(text, 0);
    const ScannedFloat number = scanFloat(begin, text.data() + text.size());
    if (number.end == begin || !number.inRange ||
        !onlyTrailer(text, static_cast<std::size_t>(number.end - text.data()))) {
        return false;
    }
    out = number.value;
    return true;
}

int Format::parseInt(std::wstring_view text) {
    const NumberSpan span = scanInteger(text, skipSpace(text, 0));
    int value = 0;
    if (span.end != span.begin)
        convertInt(text, span, value);
    return value;
}

float Format::parseFloat(std::wstring_view text) {
    return scanFloat(text.data() + skipSpace(text, 0), text.data() + text.size()).value;
}

// The long route of scanFloat: the number's units, without a "+", through
// std::from_chars, with float range handled as the header says.
Format::ScannedFloat Format::convertFloat(const wchar_t* first, const wchar_t* digits,
                                          const wchar_t* end, bool negative) {
    const NarrowNumber narrow(negative ? first : digits, end);
    float value = 0;
    if (std::from_chars(narrow.begin(), narrow.end(), value).ec == std::errc())
        return {end, value, true};
    if (significantExponent(digits, end) > 0) {
        const float largest = std::numeric_limits<float>::max();
        return {end, negative ? -largest : largest, false};
    }
    // Underflow: the nearest float, down to a signed zero.
    double wide = 0;
    if (std::from_chars(narrow.begin(), narrow.end(), wide).ec != std::errc())
        wide = 0;
    value = static_cast<float>(wide);
    if (value == 0 && negative)
        value = -0.0f;
    return {end, value, true};
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
