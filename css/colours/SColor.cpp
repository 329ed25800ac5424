#include "css/colours/SColor.h"

namespace Xml {

bool SColor::operator==(const SColor& other) const {
    if (type_ != other.type_)
        return false;
    switch (type_) {
        case None:
            return true;
        case Reference:
            return url_.compare(other.url_) == 0;
        case ColorValue:
            return color_ == other.color_;
    }
    return false;
}

bool SColor::parseSColor(SColor& target, const Core::String& text) {
    if (text.length() > 3 && text.view().starts_with(L"url")) {
        const int open = text.find(L'(');
        if (open < 0)
            return false;
        const int hash = text.find(L'#', open);
        if (hash < 0)
            return false;
        // The reference runs from the "#" to white space or ")", which is not
        // required; it is never empty since it holds the "#".
        int end = hash;
        while (end < text.length() && !Core::String::isSpace(text[end]) && text[end] != L')')
            ++end;
        target = SColor(text.subString(hash, end - 1));
        return true;
    }
    ColorAttribute color;
    if (!color.parseValue(text))
        return false;
    target = color.getValue() ? SColor(color.getValue()) : SColor();
    return true;
}

bool AttributeTraits<SNullableColor>::parse(SNullableColor& value, const Core::String& text) {
    if (!SColor::parseSColor(value, text))
        return false;
    value.setNull(false);
    return true;
}

template class TXmlAttribute<SColor>;
template class TXmlAttribute<SNullableColor>;

}  // namespace Xml
