#include "css/attributes/ScalarAttributes.h"

#include "platform/Format.h"
#include "platform/StringFormatStream.h"

namespace Xml {

namespace {

bool isQuoteOrSpace(wchar_t c) {
    return c == L'\'' || c == L'"' || Core::String::isSpace(c);
}

}  // namespace

bool Url::parseUrl(Url& target, const Core::String& text) {
    if (!(text.length() > 3 && text.startsWith(L"url"))) {
        target.url_ = text;
        return true;
    }
    const int open = text.find(L'(');
    const int length = text.length();
    if (open < 0 || open == length - 1)
        return false;

    int start = open + 1;
    while (start < length && isQuoteOrSpace(text[start]))
        ++start;
    const int close = text.find(L')', start);
    if (close < 0) {
        target.url_ = text.subString(start, length - 1);
        return true;
    }
    // Drop trailing quotes and blanks, but never the start character itself.
    int last = close - 1;
    while (last > start && isQuoteOrSpace(text[last]))
        --last;
    target.url_ = close == start ? Core::String() : text.subString(start, last);
    return true;
}

bool AttributeTraits<int>::parse(int& value, const Core::String& text) {
    return Core::Format::parseInt(text, value);
}

Core::String AttributeTraits<int>::format(const int& value) {
    return (Core::StringFormatStream(L"{0}") << value).getString();
}

bool AttributeTraits<float>::parse(float& value, const Core::String& text) {
    return Core::Format::parseFloat(text, value);
}

Core::String AttributeTraits<float>::format(const float& value) {
    return (Core::StringFormatStream(L"{0}") << value).getString();
}

bool AttributeTraits<Core::String>::parse(Core::String& value, const Core::String& text) {
    value = text;
    return true;
}

Core::String AttributeTraits<Core::String>::format(const Core::String& value) {
    return value;
}

Core::String AttributeTraits<Url>::format(const Url& value) {
    Core::String text(L"url(");
    text += value.getUrl();
    text += L')';
    return text;
}

bool AttributeTraits<Drawing::ImageFilter>::parse(Drawing::ImageFilter& value,
                                                  const Core::String& text) {
    return Drawing::ImageFilter::parseFilter(value, text);
}

Core::String AttributeTraits<Drawing::ImageFilter>::format(const Drawing::ImageFilter& value) {
    return value.toString();
}

template class TXmlAttribute<int>;
template class TXmlAttribute<float>;
template class TXmlAttribute<Core::String>;
template class TXmlAttribute<Url>;
template class TXmlAttribute<Drawing::ImageFilter>;

}  // namespace Xml
