// Drawing::RectF: the Drawing library's rectangle of four floats.
#pragma once

#include "platform/Export.h"

namespace Drawing {

struct XMLATTR_API RectF {
    constexpr RectF() = default;
    constexpr RectF(float x_, float y_, float width_, float height_)
        : x(x_), y(y_), width(width_), height(height_) {}

    // Exact comparison of the four floats: a NaN never compares equal.
    constexpr bool operator==(const RectF& other) const {
        return x == other.x && y == other.y && width == other.width && height == other.height;
    }
    constexpr bool operator!=(const RectF& other) const { return !(*this == other); }

    float x = 0;
    float y = 0;
    float width = 0;
    float height = 0;
};

}  // namespace Drawing
