#include "css/geometry/Point.h"

#include <string_view>

#include "css/attributes/ParseUtil.h"
#include "css/geometry/GeometryScan.h"
#include "platform/Format.h"
#include "platform/StringFormatStream.h"

namespace Xml {

namespace {

using View = std::wstring_view;

bool endsNumber(View text, std::size_t i, std::size_t start) {
    const wchar_t c = text[i];
    return Core::String::isSpace(c) || c == L',' || (c == L'-' && i != start);
}

// One number of a point list: its text runs from start up to the first white
// space, the first "," or the first "-" past its own first unit; or the end.
struct Coordinate {
    std::size_t end;
    SLength value;
    bool readable;  // what SLength's parser said of the text
};

// Any coordinate text: found by the rule above, read by SLength's parser.
Coordinate readAnyCoordinate(View text, std::size_t start) {
    std::size_t end = start;
    while (end < text.size() && !endsNumber(text, end, start))
        ++end;
    Coordinate coordinate{end, SLength(), false};
    coordinate.readable = detail::parseSLength(coordinate.value, text.substr(start, end - start));
    return coordinate;
}

inline Coordinate readCoordinate(View text, std::size_t start) {
    const std::size_t n = text.size();
    // Most coordinates are a plain decimal that ends where the float grammar
    // ends. SLength's parser reads such a text (its last unit a digit) as
    // that float in pixels, so the float read on the way is the coordinate.
    // An exponent keeps no sign here: "-" ends the text.
    const wchar_t* const first = text.data() + start;
    const Core::Format::ScannedFloat number =
        Core::Format::scanFloat(first, text.data() + n, false);
    const auto end = static_cast<std::size_t>(number.end - text.data());
    if (number.end != first && Core::String::isDigit(number.end[-1]) &&
        (end == n || endsNumber(text, end, start))) {
        return {end, SLength(number.value, SLength::Px), true};
    }
    return readAnyCoordinate(text, start);
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
    // Every point but the last takes at least four units: x, the unit that
    // ends it, y and the unit that ends that.
    detail::ListBuilder<Point> scanned(n, (n + 1) / 4);
    std::size_t pos = 0;
    while (n > 0) {
        pos = detail::skipSpace(view, pos);
        const Coordinate x = readCoordinate(view, pos);
        if (x.end == n)
            break;  // a lone last coordinate is dropped, readable or not
        std::size_t yStart = x.end;
        if (view[yStart] == L',')
            ++yStart;
        yStart = detail::skipSpace(view, yStart);
        const Coordinate y = readCoordinate(view, yStart);
        if (!x.readable || !y.readable)
            return false;
        scanned.add(pos, x.value, y.value);
        pos = y.end;
        // A separator after y is passed; a "-" stays as the next x's sign.
        if (pos < n && (Core::String::isSpace(view[pos]) || view[pos] == L','))
            ++pos;
        if (pos >= n)
            break;
    }
    points = scanned.finish();
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
