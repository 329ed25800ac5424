/// @file
/// ViewBox: the four lengths or percentages of an SVG view box, written as
/// four words separated by white space ("0 0 100 50").
#pragma once

#include "platform/Export.h"

#include "css/attributes/XmlAttribute.h"
#include "css/lengths/LengthOrPercent.h"
#include "platform/String.h"

namespace Xml {

/// The rectangle of user space an SVG viewport shows.
class XMLATTR_API ViewBox {
  public:
    /// The whole viewport: x and y at 0 per cent, width and height 100 per cent.
    constexpr ViewBox() : x_(0.0f), y_(0.0f), width_(1.0f), height_(1.0f) {}
    /// The box at (x, y) of the given width and height.
    constexpr ViewBox(const SLengthOrPercent& x, const SLengthOrPercent& y,
                      const SLengthOrPercent& width, const SLengthOrPercent& height)
        : x_(x), y_(y), width_(width), height_(height) {}

    /// The box's x, y, width and height.
    ///@{
    constexpr const SLengthOrPercent& getX() const { return x_; }
    constexpr const SLengthOrPercent& getY() const { return y_; }
    constexpr const SLengthOrPercent& getWidth() const { return width_; }
    constexpr const SLengthOrPercent& getHeight() const { return height_; }
    ///@}

    /// Four equal measures.
    ///@{
    constexpr bool operator==(const ViewBox& other) const {
        return x_ == other.x_ && y_ == other.y_ && width_ == other.width_ &&
               height_ == other.height_;
    }
    constexpr bool operator!=(const ViewBox& other) const { return !(*this == other); }
    ///@}

    /// The first four white-space separated words as x, y, width and height;
    /// text after them is not looked at. The target is written only when all
    /// four read.
    static bool parseViewBox(ViewBox& target, const Core::String& text);

  private:
    SLengthOrPercent x_;
    SLengthOrPercent y_;
    SLengthOrPercent width_;
    SLengthOrPercent height_;
};

/// View-box attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<ViewBox> : NoTextFormat {
    /// ViewBox::parseViewBox.
    static bool parse(ViewBox& value, const Core::String& text) {
        return ViewBox::parseViewBox(value, text);
    }
};

extern template class TXmlAttribute<ViewBox>;

}  // namespace Xml
