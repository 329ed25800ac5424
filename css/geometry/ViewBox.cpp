#include "css/geometry/ViewBox.h"

#include <string_view>

#include "css/attributes/ParseUtil.h"

namespace Xml {

bool ViewBox::parseViewBox(ViewBox& target, const Core::String& text) {
    // The words are taken as ParseUtil::extractWord takes them, as views of
    // the text rather than copies.
    SLengthOrPercent values[4];
    int pos = 0;
    for (SLengthOrPercent& value : values) {
        ParseUtil::skipWhiteSpace(text, pos);
        const int start = pos;
        ParseUtil::skipNonWhiteSpace(text, pos);
        const std::wstring_view word = text.view().substr(start, pos - start);
        if (!detail::parseSLengthOrPercent(value, word))
            return false;
    }
    target = ViewBox(values[0], values[1], values[2], values[3]);
    return true;
}

template class TXmlAttribute<ViewBox>;

}  // namespace Xml
