#include "platform/String.h"

#include <algorithm>
#include <cstdint>
#include <cwchar>

namespace Core {

namespace {

int wideLength(const wchar_t* text) {
    return text == nullptr ? 0 : static_cast<int>(std::wcslen(text));
}

// Numbered messages of the Core message table, each a format with one "{0}".
struct Message {
    int id;
    const wchar_t* text;
};
constexpr Message kMessages[] = {
    {30000, L"Invalid spot color: {0}"},
    {30001, L"No substitute for spot color {0}; black is used"},
    {30002, L"Invalid ICC color: {0}"},
};

}  // namespace

String::String(const wchar_t* text) : String() {
    assign(text, wideLength(text));
}

String::String(const wchar_t* text, int count) : String() {
    assign(text, count < 0 ? 0 : count);  // a negative count is an empty text
}

String::String(const std::string& narrow) : String() {
    const int count = static_cast<int>(narrow.size());
    reserveExact(count);
    for (int i = 0; i < count; ++i) {
        data_[i] =
            static_cast<wchar_t>(static_cast<unsigned char>(narrow[static_cast<std::size_t>(i)]));
    }
    length_ = count;
    data_[count] = 0;
}

String::String(const String& other) : String() {
    assign(other.data_, other.length_);
}

String::String(String&& other) noexcept : String() {
    *this = std::move(other);
}

String::~String() {
    if (!isInline())
        delete[] data_;
}

String& String::operator=(const String& other) {
    if (this != &other)
        assign(other.data_, other.length_);
    return *this;
}

String& String::operator=(String&& other) noexcept {
    if (this == &other)
        return *this;
    if (other.isInline()) {
        // Inline content always fits our own storage, whatever it is.
        std::copy_n(other.data_, other.length_ + 1, data_);
        length_ = other.length_;
    } else {
        if (!isInline())
            delete[] data_;
        data_ = other.data_;
        length_ = other.length_;
        capacity_ = other.capacity_;
        other.data_ = other.inline_;
        other.capacity_ = kInlineCapacity;
    }
    other.length_ = 0;
    other.data_[0] = 0;
    return *this;
}

String& String::operator=(const wchar_t* text) {
    // The text may point into this string; copy through a temporary then.
    if (text >= data_ && text <= data_ + length_) {
        String copy(text);
        return *this = std::move(copy);
    }
    assign(text, wideLength(text));
    return *this;
}

String& String::operator+=(const wchar_t* text) {
    return append(text, wideLength(text));
}

void String::reserveExact(int capacity) {
    if (capacity <= capacity_)
        return;
    wchar_t* block = new wchar_t[static_cast<std::size_t>(capacity) + 1];
    std::copy_n(data_, length_ + 1, block);
    if (!isInline())
        delete[] data_;
    data_ = block;
    capacity_ = capacity;
}

void String::assign(const wchar_t* text, int count) {
    if (count > capacity_) {
        wchar_t* block = new wchar_t[static_cast<std::size_t>(count) + 1];
        if (!isInline())
            delete[] data_;
        data_ = block;
        capacity_ = count;
    }
    if (count > 0)
        std::copy_n(text, count, data_);
    length_ = count;
    data_[count] = 0;
}

String& String::append(const wchar_t* text, int count) {
    if (count <= 0)
        return *this;
    const int needed = length_ + count;
    if (needed > capacity_) {
        if (text >= data_ && text < data_ + length_) {
            // Appending part of ourselves: growing would free the source.
            String copy(text, count);
            return append(copy.data_, copy.length_);
        }
        reserveExact(std::max(needed, capacity_ * 2));
    }
    std::copy_n(text, count, data_ + length_);
    length_ = needed;
    data_[needed] = 0;
    return *this;
}

int String::compare(const String& text) const noexcept {
    return view().compare(text.view());
}

int String::compareNoCase(const String& text) const noexcept {
    const int n = std::min(length_, text.length_);
    for (int i = 0; i < n; ++i) {
        const wchar_t a = toLowerAscii(data_[i]);
        const wchar_t b = toLowerAscii(text.data_[i]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    return length_ == text.length_ ? 0 : (length_ < text.length_ ? -1 : 1);
}

bool String::startsWith(const String& prefix) const noexcept {
    return view().substr(0, static_cast<std::size_t>(prefix.length_)) == prefix.view();
}

bool String::endsIn(const String& suffix) const noexcept {
    return length_ >= suffix.length_ &&
           view().substr(static_cast<std::size_t>(length_ - suffix.length_)) == suffix.view();
}

int String::find(const String& text, int start) const noexcept {
    if (start < 0)
        start = 0;
    if (start > length_)
        return -1;
    const auto at = view().find(text.view(), static_cast<std::size_t>(start));
    return at == std::wstring_view::npos ? -1 : static_cast<int>(at);
}

int String::find(wchar_t unit, int start) const noexcept {
    if (start < 0)
        start = 0;
    for (int i = start; i < length_; ++i) {
        if (data_[i] == unit)
            return i;
    }
    return -1;
}

String String::subString(int first, int last) const {
    first = std::max(first, 0);
    last = std::min(last, length_ - 1);
    if (last < first)
        return String();
    return String(data_ + first, last - first + 1);
}

Vector<String> String::split(const String& separators) const {
    Vector<String> pieces;
    int start = 0;
    for (int i = 0; i < length_; ++i) {
        if (separators.find(data_[i]) >= 0) {
            pieces.emplace_back(data_ + start, i - start);
            start = i + 1;
        }
    }
    pieces.emplace_back(data_ + start, length_ - start);
    return pieces;
}

String& String::trim() {
    int first = 0;
    while (first < length_ && isSpace(data_[first]))
        ++first;
    int last = length_;
    while (last > first && isSpace(data_[last - 1]))
        --last;
    if (first > 0)
        std::copy(data_ + first, data_ + last, data_);
    length_ = last - first;
    data_[length_] = 0;
    return *this;
}

String String::toLower() const {
    String lower(*this);
    for (int i = 0; i < lower.length_; ++i)
        lower.data_[i] = toLowerAscii(lower.data_[i]);
    return lower;
}

namespace {

constexpr wchar_t kReplacement = 0xFFFD;

// The code point of the UTF-8 sequence at text[i], advancing i past it; -1
// (advancing past the longest valid start of a sequence, at least one byte)
// when the sequence is invalid.
long decodeUtf8(std::string_view text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    // The continuation bytes a lead byte takes, and the range of the first
    // (narrower for E0, ED, F0 and F4: no overlong forms, no surrogates, no
    // code point beyond U+10FFFF).
    int count = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 1;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 2;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 3;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return -1;
    }
    long code = lead & (0x3F >> count);
    for (int k = 0; k < count; ++k) {
        if (i == text.size())
            return -1;
        const auto next = static_cast<unsigned char>(text[i]);
        if (next < low || next > high)
            return -1;
        code = (code << 6) | (next & 0x3F);
        ++i;
        low = 0x80;
        high = 0xBF;
    }
    return code;
}

void appendUtf8(std::string& out, unsigned long code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(unsigned long unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool isLowSurrogate(unsigned long unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

}  // namespace

String String::fromUtf8(std::string_view text, int* replaced) {
    String out;
    out.reserveExact(static_cast<int>(text.size()));  // never more units than bytes
    int invalid = 0;
    for (std::size_t i = 0; i < text.size();) {
        // Runs of ASCII, most of every text, are copied unit for unit.
        while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
            out.data_[out.length_++] = static_cast<wchar_t>(text[i++]);
        if (i == text.size())
            break;
        const long code = decodeUtf8(text, i);
        if (code < 0) {
            out.data_[out.length_++] = kReplacement;
            ++invalid;
        } else if (code >= 0x10000) {
            out.data_[out.length_++] = static_cast<wchar_t>(0xD800 + ((code - 0x10000) >> 10));
            out.data_[out.length_++] = static_cast<wchar_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            out.data_[out.length_++] = static_cast<wchar_t>(code);
        }
    }
    out.data_[out.length_] = 0;
    if (replaced != nullptr)
        *replaced = invalid;
    return out;
}

std::string String::toUtf8() const {
    std::string out;
    out.reserve(static_cast<std::size_t>(length_));
    for (int i = 0; i < length_; ++i) {
        const auto unit = static_cast<unsigned long>(static_cast<std::uint32_t>(data_[i]));
        if (isHighSurrogate(unit) && i + 1 < length_ &&
            isLowSurrogate(static_cast<std::uint32_t>(data_[i + 1]))) {
            const auto low = static_cast<unsigned long>(static_cast<std::uint32_t>(data_[++i]));
            appendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
        } else if (isHighSurrogate(unit) || isLowSurrogate(unit) || unit > 0xFFFF) {
            appendUtf8(out, kReplacement);
        } else {
            appendUtf8(out, unit);
        }
    }
    return out;
}

String String::loadString(int id) {
    for (const Message& message : kMessages) {
        if (message.id == id)
            return String(message.text);
    }
    return String();
}

}  // namespace Core
