#include "platform/StringFormatStream.h"

#include <charconv>

namespace Core {

namespace {

template <class T>
String toText(T value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    wchar_t wide[64];
    int count = 0;
    for (const char* p = buffer; p != result.ptr; ++p)
        wide[count++] = static_cast<wchar_t>(*p);
    return String(wide, count);
}

}  // namespace

String formatNumber(int value) {
    return toText(value);
}
String formatNumber(float value) {
    return toText(value);
}
String formatNumber(double value) {
    return toText(value);
}

VariantArray& VariantArray::operator<<(int value) {
    items_.push_back(formatNumber(value));
    return *this;
}
VariantArray& VariantArray::operator<<(float value) {
    items_.push_back(formatNumber(value));
    return *this;
}
VariantArray& VariantArray::operator<<(double value) {
    items_.push_back(formatNumber(value));
    return *this;
}
VariantArray& VariantArray::operator<<(const String& value) {
    items_.push_back(value);
    return *this;
}

void StringFormatStream::add(String&& text) {
    if (count_ < kInlineArgs) {
        inline_[count_] = std::move(text);
    } else {
        more_.push_back(std::move(text));
    }
    ++count_;
}

const String* StringFormatStream::argument(int index) const {
    if (index < 0 || index >= count_)
        return nullptr;
    return index < kInlineArgs ? &inline_[index] : &more_[index - kInlineArgs];
}

StringFormatStream& StringFormatStream::operator<<(int value) {
    add(formatNumber(value));
    return *this;
}
StringFormatStream& StringFormatStream::operator<<(float value) {
    add(formatNumber(value));
    return *this;
}
StringFormatStream& StringFormatStream::operator<<(double value) {
    add(formatNumber(value));
    return *this;
}
StringFormatStream& StringFormatStream::operator<<(const String& value) {
    add(String(value));
    return *this;
}
StringFormatStream& StringFormatStream::operator<<(const VariantArray& values) {
    for (int i = 0; i < values.size(); ++i)
        add(String(values[i]));
    return *this;
}

String StringFormatStream::getString() const {
    String result;
    const int n = format_.length();
    int literalStart = 0;
    for (int i = 0; i < n; ++i) {
        if (format_[i] != L'{')
            continue;
        int j = i + 1;
        int index = 0;
        while (j < n && String::isDigit(format_[j]) && index < 1000000) {
            index = index * 10 + (format_[j] - L'0');
            ++j;
        }
        const String* arg = argument(index);
        if (j == i + 1 || j >= n || format_[j] != L'}' || arg == nullptr)
            continue;
        result.append(format_.c_str() + literalStart, i - literalStart);
        result += *arg;
        literalStart = j + 1;
        i = j;
    }
    result.append(format_.c_str() + literalStart, n - literalStart);
    return result;
}

}  // namespace Core
