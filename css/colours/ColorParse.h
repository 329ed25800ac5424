/// @file
/// The colour attribute and ColorParse, which reads every colour text form
/// ("#rgb", "#rrggbb", rgb(), cmyk(), rgb-icc(), spot-color(), colour names) and
/// writes colours back as text.
///
/// The colour attribute TXmlAttribute<SmartPtr<Drawing::Color>> shares colour
/// objects: copies and assignments take another reference to the same object,
/// and two attributes are equal only when they hold the same object. The
/// empty pointer means no colour ("transparent", "none", the default).
#pragma once

#include "platform/Export.h"

#include "css/attributes/XmlAttribute.h"
#include "platform/Color.h"
#include "platform/SpotColor.h"
#include "platform/String.h"

namespace Xml {

/// The colour attribute: a shared colour object, or none.
using ColorAttribute = TXmlAttribute<SmartPtr<Drawing::Color>>;

/// The colour readers and writer. ColorParse holds no state; every function
/// is static.
class XMLATTR_API ColorParse {
  public:
    /// An instance has nothing to hold; these exist for callers that make one.
    ///@{
    ColorParse() = default;
    ColorParse& operator=(const ColorParse&) = default;
    ///@}

    /// @name Readers of one form
    /// Each parser fills the attribute with a new colour object and returns
    /// true, or returns false and leaves the attribute's colour as it was.
    ///@{

    /// "rgb(r,g,b)": integers, each kept to its low 8 bits.
    static bool parseRGB(const Core::String& text, ColorAttribute* attribute);
    /// "cmyk(c,m,y,k)": numbers; a component ending in "%" gives its fraction.
    static bool parseCMYKString(Core::String text, ColorAttribute* attribute);
    /// "#rgb" and "#rrggbb".
    static bool parseHexaColor(const Core::String& text, ColorAttribute* attribute);
    /// "rgb-icc(r,g,b,#profile,c1[,c2,c3[,c4]])"; writes warning 30002 for a
    /// missing "(", fallback value, profile or component.
    static bool parseICCColor(const Core::String& text, ColorAttribute* attribute);
    /// "spot-color(name[,tint][,rgb(...)|cmyk(...)])"; writes warning 30000 for
    /// a malformed text and 30001 when no substitute is known (black is used).
    static bool parseSpotColor(const Core::String& text, ColorAttribute* attribute);
    /// A colour keyword; "transparent" and "none" leave the attribute without
    /// a colour. Exact, case-sensitive whole-text match.
    static bool parseColorName(const Core::String& text, ColorAttribute* attribute);
    ///@}

    /// The functional text form of a colour ("rgb(...)", "cmyk(...)",
    /// "rgb-icc(...)", "spot-color(...)"); empty for no colour and for colours
    /// it cannot write. An ICC colour without a colour space raises
    /// Core::NullPointerException.
    static Core::String getColorAsString(SmartPtr<Drawing::Color> color);

    /// One argument of a function text: from position (on a "(" or "," that is
    /// stepped over) up to the next "," or ")", trimmed. The position stays on
    /// that mark; without one the argument is empty.
    static Core::String nextFunctionArgument(const Core::String& text, int& position);

    /// Writes numbered message id, formatted with argument, as a log warning.
    static void logColorWarning(int id, const Core::String& argument);

    /// The dispatch of the colour attribute's parseValue, writing into the
    /// held pointer directly.
    static bool parseColor(SmartPtr<Drawing::Color>& color, const Core::String& text);
};

/// Colour attributes.
template <>
struct XMLATTR_API AttributeTraits<SmartPtr<Drawing::Color>> {
    /// ColorParse::parseColor.
    static bool parse(SmartPtr<Drawing::Color>& value, const Core::String& text) {
        return ColorParse::parseColor(value, text);
    }
    /// ColorParse::getColorAsString.
    static Core::String format(const SmartPtr<Drawing::Color>& value) {
        return ColorParse::getColorAsString(value);
    }
};

extern template class TXmlAttribute<SmartPtr<Drawing::Color>>;

}  // namespace Xml
