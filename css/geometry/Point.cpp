#include "css/geometry/Point.h"

#include <string_view>

#include "css/attributes/ParseUtil.h"
#include "css/geometry/GeometryScan.h"
#include "platform/Format.h"
#include "platform/StringFormatStream.h"

namespace Xml {

namespace {

using View = std::wstring_view;

// End of a point-list number starting at start: the first white space, the
// first "," or the first "-" past the number's own first unit; or the end.
std::size_t numberEnd(View text, std::size_t start) {
    std::size_t i = start;
    while (i < text.size()) {
        const wchar_t c = text[i];
        if (Core::String::isSpace(c) || c == L',' || (c == L'-' && i != start))
            break;
        ++i;
    }
    return i;
}

// SLength's parser, with plain numbers (most coordinates) read directly.
bool readCoordinate(SLength& target, View number) {
    float size = 0;
    if (detail::readPlainNumber(number, size)) {
        target = SLength(size, SLength::Px);
        return true;
    }
    return detail::parseSLength(target, number);
}

// The bit of one half of an alignment word: the axis letter, then "Min",
// "Mid" or "Max" (minBit, twice it, four times it); 0 for anything else.
int alignmentBit(View half, wchar_t axis, int minBit) {
    if (half[0] != axis)
        return 0;
    const View name = half.substr(1);
    if (name == L"Min")
        return minBit;
    if (name == L"Mid")
        return minBit * 2;
    if (name == L"Max")
        return minBit * 4;
    return 0;
}

}  // namespace

bool Point::parsePointList(Core::Vector<Point>& points, const Core::String& text) {
    const View view = text.view();
    const std::size_t n = view.size();
    Core::Vector<Point> scanned;
    scanned.reserve(static_cast<int>(n / 4));
    std::size_t pos = 0;
    while (n > 0) {
        pos = detail::skipSpace(view, pos);
        const std::size_t xEnd = numberEnd(view, pos);
        if (xEnd == n)
            break;  // a lone last coordinate is dropped
        std::size_t yStart = xEnd;
        if (view[yStart] == L',')
            ++yStart;
        yStart = detail::skipSpace(view, yStart);
        const std::size_t yEnd = numberEnd(view, yStart);
        SLength x;
        SLength y;
        if (!readCoordinate(x, view.substr(pos, xEnd - pos)) ||
            !readCoordinate(y, view.substr(yStart, yEnd - yStart))) {
            return false;
        }
        scanned.emplace_back(x, y);
        pos = yEnd;
        // A separator after y is passed; a "-" stays as the next x's sign.
        if (pos < n && (Core::String::isSpace(view[pos]) || view[pos] == L','))
            ++pos;
        if (pos >= n)
            break;
    }
    detail::adoptList(points, std::move(scanned));
    return true;
}

Core::String Point::getPointListValueAsString(const Core::Vector<Point>& points) {
    Core::String text;
    for (int i = 0; i < points.size(); ++i) {
        Core::StringFormatStream item(i == 0 ? L"{0} {1}" : L",{0} {1}");
        item << points[i].x_.pxSize() << points[i].y_.pxSize();
        text += item.getString();
    }
    return text;
}

bool SPreserveAspectRatio::parseSPreserveAspectRatio(SPreserveAspectRatio& target,
                                                     const Core::String& text) {
    int pos = 0;
    const Core::String align = ParseUtil::extractWord(text, pos);
    const Core::String meetOrSlice = ParseUtil::extractWord(text, pos);
    const View word = align.view();
    if (word == L"none") {
        target = SPreserveAspectRatio(None);
        return true;
    }
    int value = XMid | YMid;
    if (word.size() == 8) {
        const int x = alignmentBit(word.substr(0, 4), L'x', XMin);
        const int y = alignmentBit(word.substr(4, 4), L'Y', YMin);
        if (x != 0 && y != 0)
            value = x | y;
    }
    const View second = meetOrSlice.view();
    if (second.empty() || second == L"meet") {
        value |= Meet;
    } else if (second == L"slice") {
        value |= Slice;
    }
    target = SPreserveAspectRatio(value);
    return true;
}

bool AttributeTraits<Drawing::RectF>::parse(Drawing::RectF& value, const Core::String& text) {
    const View view = text.view();
    constexpr View kOpen = L"rect(";
    if (!view.starts_with(kOpen) || !view.ends_with(L')'))
        return false;
    // Exactly four pieces between the commas, each read as it stands.
    const View inside = view.substr(kOpen.size(), view.size() - kOpen.size() - 1);
    float numbers[4];
    std::size_t start = 0;
    for (int i = 0; i < 4; ++i) {
        const std::size_t comma = inside.find(L',', start);
        if ((comma == View::npos) != (i == 3))
            return false;
        const std::size_t end = comma == View::npos ? inside.size() : comma;
        if (!Core::Format::parseFloat(inside.substr(start, end - start), numbers[i]))
            return false;
        start = end + 1;
    }
    value = Drawing::RectF(numbers[0], numbers[1], numbers[2], numbers[3]);
    return true;
}

template class TXmlAttribute<Core::Vector<Point>>;
template class TXmlAttribute<SPreserveAspectRatio>;
template class TXmlAttribute<Drawing::RectF>;

}  // namespace Xml
