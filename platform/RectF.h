/// @file
/// Drawing::RectF: the Drawing library's rectangle of four floats.
#pragma once

#include "platform/Export.h"

namespace Drawing {

/// A rectangle: its top-left corner, width and height.
struct XMLATTR_API RectF {
    /// The empty rectangle at the origin.
    constexpr RectF() = default;
    /// The rectangle at (x_, y_) of the given width and height.
    constexpr RectF(float x_, float y_, float width_, float height_)
        : x(x_), y(y_), width(width_), height(height_) {}

    /// Exact comparison of the four floats: a NaN never compares equal.
    constexpr bool operator==(const RectF& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    /// The negation of operator==.
    constexpr bool operator!=(const RectF& other) const { return !(*this == other); }

    float x = 0;       ///< left edge
    float y = 0;       ///< top edge
    float width = 0;   ///< width
    float height = 0;  ///< height
};

}  // namespace Drawing
