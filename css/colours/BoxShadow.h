/// @file
/// BoxShadow: a CSS box shadow, horizontal and vertical offsets, a blur radius
/// and a colour.
///
/// The copy constructor shares the colour object; the four-argument
/// constructor and assignment give the new value a clone of it, so after
/// a = b the two shadows hold distinct colour objects (and are not equal).
#pragma once

#include "platform/Export.h"

#include "css/colours/ColorParse.h"
#include "css/lengths/Length.h"

namespace Xml {

/// A box shadow: offsets, blur radius and colour.
class XMLATTR_API BoxShadow {
  public:
    /// Zero lengths and no colour.
    BoxShadow() = default;
    /// The given lengths and a clone of color (none when color is empty).
    BoxShadow(const Length& dx, const Length& dy, const Length& blurRadius,
              SmartPtr<Drawing::Color> color);
    /// Shares other's colour object.
    BoxShadow(const BoxShadow& other) = default;
    /// Takes other's lengths and a clone of its colour.
    BoxShadow& operator=(const BoxShadow& other);
    ~BoxShadow() = default;

    /// The horizontal offset.
    Length getDx() const { return dx_; }
    /// The vertical offset.
    Length getDy() const { return dy_; }
    /// The blur radius.
    Length getBlurRadius() const { return blurRadius_; }
    /// The colour object; empty for none.
    SmartPtr<Drawing::Color> getColor() const { return color_; }

    /// Equal lengths and the same colour object.
    bool operator==(const BoxShadow& other) const;

    /// Reads the blank-separated pieces of text in place: lengths fill dx, dy
    /// and the blur radius in that order, one colour may stand anywhere, and
    /// the first piece that fits nowhere (or an empty one) ends the reading.
    /// Fields not found keep their values. Always true: even the empty text
    /// is one (empty) piece, which ends the reading at once.
    bool readFromString(const Core::String& text);

    /// dx, dy, blur radius and colour as text, joined by single blanks.
    static Core::String getValueAsString(const BoxShadow& shadow);

  private:
    Length dx_;
    Length dy_;
    Length blurRadius_;
    SmartPtr<Drawing::Color> color_;
};

/// Box-shadow attributes.
template <>
struct XMLATTR_API AttributeTraits<BoxShadow> {
    /// Reads into a default shadow, so every field missing from the text takes
    /// its default; the held value is replaced only on success.
    static bool parse(BoxShadow& value, const Core::String& text);
    /// BoxShadow::getValueAsString.
    static Core::String format(const BoxShadow& value) {
        return BoxShadow::getValueAsString(value);
    }
};

extern template class TXmlAttribute<BoxShadow>;

}  // namespace Xml
