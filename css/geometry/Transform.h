/// @file
/// Transform: one SVG transform as written (matrix, translate, scale, rotate,
/// skewX or skewY), and the transform list attribute that reads a whole list.
///
/// Transforms keep the numbers and lengths of their text; composing them into
/// matrices is the renderer's business.
#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <string_view>

#include "css/attributes/XmlAttribute.h"
#include "css/lengths/Length.h"
#include "platform/String.h"
#include "platform/Vector.h"

namespace Xml {

/// The kind of a transform; the values are fixed and none is 0.
enum class XMLATTR_API TransformType : std::int32_t {
    Matrix = 1,
    Translate = 2,
    Scale = 3,
    Rotate = 4,
    SkewX = 5,
    SkewY = 6,
};

/// One transform of a transform list, its numbers and lengths as written.
class XMLATTR_API Transform {
  public:
    /// A translation by two zero lengths: also what a text that is not a
    /// transform reads as.
    Transform() = default;
    /// matrix(a b c d e f)
    Transform(double a, double b, double c, double d, double e, double f);
    /// translate(tx ty)
    Transform(const SLength& tx, const SLength& ty);
    /// scale(sx sy)
    Transform(double sx, double sy);
    /// rotate(angle cx cy)
    Transform(double angle, const SLength& cx, const SLength& cy);
    /// skewX(angle) or skewY(angle): both skew angles take the angle.
    Transform(TransformType type, double angle);

    /// Same type (one of the six) and equal fields of that type, compared
    /// exactly; a NaN is unequal to everything.
    bool operator==(const Transform& other) const;
    /// The negation of operator==.
    bool operator!=(const Transform& other) const { return !(*this == other); }

    /// Reads one transform such as "rotate(45 5 5)". Never fails: a text that
    /// is not a transform gives Transform(), and an error raised while a number
    /// is converted gives the identity matrix.
    static Transform readTransform(const Core::String& text);

    /// @name Fields
    /// Fields that the type does not use keep their zero starting values.
    ///@{
    TransformType type = TransformType::Translate;  ///< which transform this is
    double matrix[6] = {0, 0, 0, 0, 0, 0};          ///< a, b, c, d, e, f
    TXmlAttribute<SLength> translateX;              ///< translation along x
    TXmlAttribute<SLength> translateY;              ///< translation along y
    double scaleX = 0;                              ///< scale factor along x
    double scaleY = 0;                              ///< scale factor along y
    double angle = 0;                               ///< rotation angle as written
    TXmlAttribute<SLength> centerX;                 ///< rotation centre, x
    TXmlAttribute<SLength> centerY;                 ///< rotation centre, y
    double skewAngleX = 0;                          ///< skew angle; either skew sets both
    double skewAngleY = 0;                          ///< skew angle; either skew sets both
    ///@}
};

namespace detail {
// readTransform on a view, so the list reader needs no string per item.
XMLATTR_API Transform readTransform(std::wstring_view text);
}  // namespace detail

/// The transform list: parsing appends one transform per ")"-terminated item
/// to the held list and always succeeds; the list has no text form.
template <>
struct XMLATTR_API AttributeTraits<Core::Vector<Transform>> : NoTextFormat {
    /// Appends the transforms of text (Transform::readTransform per item).
    static bool parse(Core::Vector<Transform>& value, const Core::String& text);
};

extern template class TXmlAttribute<Core::Vector<Transform>>;

}  // namespace Xml
