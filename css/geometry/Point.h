/// @file
/// Point and its list attribute (the points of SVG polylines and polygons),
/// SPreserveAspectRatio (alignment and meet-or-slice in one integer), and the
/// rectangle attribute written "rect(x,y,width,height)".
#pragma once

#include "platform/Export.h"

#include "css/attributes/XmlAttribute.h"
#include "css/lengths/Length.h"
#include "platform/RectF.h"
#include "platform/String.h"
#include "platform/Vector.h"

namespace Xml {

/// A point of a polyline or polygon, its coordinates as written.
class XMLATTR_API Point {
  public:
    /// The point (0, 0).
    Point() = default;
    /// The point (x, y).
    Point(const SLength& x, const SLength& y) : x_(x), y_(y) {}

    /// The coordinates.
    ///@{
    const SLength& getX() const { return x_; }
    const SLength& getY() const { return y_; }
    ///@}

    /// Equal coordinates, unit and size.
    ///@{
    bool operator==(const Point& other) const { return x_ == other.x_ && y_ == other.y_; }
    bool operator!=(const Point& other) const { return !(*this == other); }
    ///@}

    /// Reads pairs of numbers ("10,20 30,40", "10 20 30 40", "10-20") into
    /// points; a lone last coordinate is dropped. On success replaces points
    /// and returns true; a number that is not an SVG length gives false and
    /// leaves points unchanged.
    static bool parsePointList(Core::Vector<Point>& points, const Core::String& text);
    /// "x y,x y,..." with every coordinate in pixels.
    static Core::String getPointListValueAsString(const Core::Vector<Point>& points);

  private:
    SLength x_;
    SLength y_;
};

/// Bits of the aspect-ratio value.
class XMLATTR_API SPreserveAspectRatio {
  public:
    /// The bits: an alignment with Meet or Slice, or None alone.
    enum Bits : int {
        None = 1,  ///< no uniform scaling; no other bit is set with it
        Meet = 2,
        Slice = 4,
        XMin = 8,
        XMid = 16,
        XMax = 32,
        YMin = 64,
        YMid = 128,
        YMax = 256,
    };

    /// The default is "xMidYMid meet".
    constexpr SPreserveAspectRatio(int value = YMid | XMid | Meet) : value_(value) {}  // NOLINT

    /// The bits.
    constexpr int getAspectRatio() const { return value_; }
    /// The same bits.
    ///@{
    constexpr bool operator==(const SPreserveAspectRatio& other) const {
        return value_ == other.value_;
    }
    constexpr bool operator!=(const SPreserveAspectRatio& other) const { return !(*this == other); }
    ///@}

    /// An alignment word ("none", or "xMinYMin" to "xMaxYMax"; any other word
    /// means "xMidYMid") and a meet-or-slice word (empty or "meet", "slice";
    /// any other adds nothing). Never fails.
    static bool parseSPreserveAspectRatio(SPreserveAspectRatio& target, const Core::String& text);

  private:
    int value_;
};

/// Point-list attributes.
template <>
struct XMLATTR_API AttributeTraits<Core::Vector<Point>> {
    /// Point::parsePointList.
    static bool parse(Core::Vector<Point>& value, const Core::String& text) {
        return Point::parsePointList(value, text);
    }
    /// Point::getPointListValueAsString.
    static Core::String format(const Core::Vector<Point>& value) {
        return Point::getPointListValueAsString(value);
    }
};

/// Aspect-ratio attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<SPreserveAspectRatio> : NoTextFormat {
    /// SPreserveAspectRatio::parseSPreserveAspectRatio.
    static bool parse(SPreserveAspectRatio& value, const Core::String& text) {
        return SPreserveAspectRatio::parseSPreserveAspectRatio(value, text);
    }
};

/// "rect(" four comma-separated numbers ")", exact case; the rectangle is
/// written only when all four read.
template <>
struct XMLATTR_API AttributeTraits<Drawing::RectF> : NoTextFormat {
    /// Reads the rectangle; false, with value unchanged, for any other text.
    static bool parse(Drawing::RectF& value, const Core::String& text);
};

extern template class TXmlAttribute<Core::Vector<Point>>;
extern template class TXmlAttribute<SPreserveAspectRatio>;
extern template class TXmlAttribute<Drawing::RectF>;

}  // namespace Xml
