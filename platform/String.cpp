#include "platform/String.h"

#include <algorithm>
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
    assign(text, count);
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

String String::loadString(int id) {
    for (const Message& message : kMessages) {
        if (message.id == id)
            return String(message.text);
    }
    return String();
}

}  // namespace Core
