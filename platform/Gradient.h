// The gradient settings the Drawing library receives with an SVG gradient:
// which coordinate space the gradient vector is given in, and how the
// gradient continues past its ends. The numbers are the Drawing library's.
#pragma once

#include <cstdint>

namespace Drawing {

enum class GradientUnits : std::int32_t { ObjectBoundingBox = 0, UserSpaceOnUse = 1 };

enum class GradientSpreadMethod : std::int32_t { Repeat = 0, Reflect = 1, Pad = 2 };

}  // namespace Drawing
