/// @file
/// The gradient settings the Drawing library receives with an SVG gradient:
/// which coordinate space the gradient vector is given in, and how the
/// gradient continues past its ends. The numbers are the Drawing library's.
#pragma once

#include "platform/Export.h"

#include <cstdint>

namespace Drawing {

/// The space the gradient vector is given in: fractions of the painted
/// object's bounding box, or the user space where the gradient is used.
enum class XMLATTR_API GradientUnits : std::int32_t { ObjectBoundingBox = 0, UserSpaceOnUse = 1 };

/// How the gradient continues past its ends: repeated, mirrored, or padded
/// with the end colours.
enum class XMLATTR_API GradientSpreadMethod : std::int32_t { Repeat = 0, Reflect = 1, Pad = 2 };

}  // namespace Drawing
