#include "css/keywords/GraphicsKeywords.h"

#include <string_view>

#include "css/attributes/ParseUtil.h"

namespace Xml {

bool STextDecoration::parseSTextDecoration(STextDecoration& target, const Core::String& text) {
    if (text.length() == 0)
        return false;
    const std::wstring_view units = text.view();
    if (units.find(L"none") != std::wstring_view::npos) {
        target = STextDecoration();
        return true;
    }
    STextDecoration read;
    int pos = 0;
    while (pos < text.length()) {
        ParseUtil::skipWhiteSpace(text, pos);
        const std::size_t comma = units.find(L',', static_cast<std::size_t>(pos));
        const std::size_t end = comma == std::wstring_view::npos ? units.size() : comma;
        const std::wstring_view token = units.substr(static_cast<std::size_t>(pos), end - pos);
        if (token == L"underline") {
            read.underline_ = true;
        } else if (token == L"overline") {
            read.overline_ = true;
        } else if (token == L"line-through") {
            read.lineThrough_ = true;
        } else {
            return false;
        }
        pos = static_cast<int>(end) + 1;
    }
    target = read;
    return true;
}

template class TXmlAttribute<SLineCap>;
template class TXmlAttribute<SLineJoin>;
template class TXmlAttribute<STextAnchor>;
template class TXmlAttribute<SVisibility>;
template class TXmlAttribute<SDisplay>;
template class TXmlAttribute<Drawing::GradientUnits>;
template class TXmlAttribute<Drawing::GradientSpreadMethod>;
template class TXmlAttribute<STextDecoration>;

}  // namespace Xml
