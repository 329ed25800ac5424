#include "css/colours/BoxShadow.h"

#include <string_view>
#include <utility>

namespace Xml {

namespace {

SmartPtr<Drawing::Color> cloneOf(const SmartPtr<Drawing::Color>& color) {
    return color ? color->clone() : SmartPtr<Drawing::Color>();
}

}  // namespace

BoxShadow::BoxShadow(const Length& dx, const Length& dy, const Length& blurRadius,
                     SmartPtr<Drawing::Color> color)
    : dx_(dx), dy_(dy), blurRadius_(blurRadius), color_(cloneOf(color)) {}

BoxShadow& BoxShadow::operator=(const BoxShadow& other) {
    // Clone before releasing: other may be this shadow.
    SmartPtr<Drawing::Color> color = cloneOf(other.color_);
    dx_ = other.dx_;
    dy_ = other.dy_;
    blurRadius_ = other.blurRadius_;
    color_ = std::move(color);
    return *this;
}

bool BoxShadow::operator==(const BoxShadow& other) const {
    return dx_ == other.dx_ && dy_ == other.dy_ && blurRadius_ == other.blurRadius_ &&
           color_ == other.color_;
}

bool BoxShadow::readFromString(const Core::String& text) {
    // The pieces between single blanks, walked in place: consecutive blanks
    // give an empty piece, and there is always at least one piece.
    const std::wstring_view view = text.view();
    bool hasDx = false;
    bool hasDy = false;
    bool hasBlurRadius = false;
    bool hasColor = false;
    Length length;
    ColorAttribute color;
    std::size_t start = 0;
    for (;;) {
        const std::size_t blank = view.find(L' ', start);
        const std::wstring_view piece =
            view.substr(start, blank == std::wstring_view::npos ? blank : blank - start);
        if (piece.empty())
            break;

        if (!hasDx && detail::parseLength(length, piece)) {
            dx_ = length;
            hasDx = true;
        } else if (!hasDy && detail::parseLength(length, piece)) {
            dy_ = length;
            hasDy = true;
        } else if (!hasBlurRadius && detail::parseLength(length, piece)) {
            blurRadius_ = length;
            hasBlurRadius = true;
        } else {
            if (hasColor || !color.parseValue(Core::String(piece)))
                break;
            hasColor = true;
            // "transparent" and "none" leave the colour as it was.
            if (color.getValue())
                color_ = color.getValue()->clone();
        }

        if (blank == std::wstring_view::npos)
            break;
        start = blank + 1;
    }
    return true;
}

Core::String BoxShadow::getValueAsString(const BoxShadow& shadow) {
    Core::String text = Length::getValueAsString(shadow.dx_);
    text += L' ';
    text += Length::getValueAsString(shadow.dy_);
    text += L' ';
    text += Length::getValueAsString(shadow.blurRadius_);
    text += L' ';
    text += ColorParse::getColorAsString(shadow.color_);
    return text;
}

bool AttributeTraits<BoxShadow>::parse(BoxShadow& value, const Core::String& text) {
    BoxShadow shadow;
    if (!shadow.readFromString(text))
        return false;
    value = shadow;  // clones the colour once more
    return true;
}

template class TXmlAttribute<BoxShadow>;

}  // namespace Xml
