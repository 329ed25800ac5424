/// @file
/// SVG paints: SColor (no paint, a paint-server reference "url(#id)", or a
/// colour) and SNullableColor, an SColor that also tells whether it was read
/// from attribute text. Colour objects are shared by copies and assignments.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/colours/ColorParse.h"

namespace Xml {

/// An SVG paint: none, a paint-server reference, or a colour.
class XMLATTR_API SColor {
  public:
    /// What the paint is.
    enum ColorType : std::int32_t { None = 0, Reference = 1, ColorValue = 2 };

    /// No paint.
    SColor() = default;
    /// A paint-server reference, including its leading "#".
    explicit SColor(const Core::String& url) : type_(Reference), url_(url) {}
    /// A colour (shared); an empty pointer still makes a ColorValue.
    explicit SColor(SmartPtr<Drawing::Color> color) : type_(ColorValue), color_(std::move(color)) {}

    /// What the paint is.
    ColorType getType() const { return type_; }
    /// The colour object of a ColorValue; empty for the other types.
    SmartPtr<Drawing::Color> getColor() const { return color_; }
    /// The reference of a Reference, with its "#"; empty for the other types.
    const Core::String& getUrl() const { return url_; }

    /// Same type and, by type, nothing more (None), the same url (Reference)
    /// or the same colour object (ColorValue).
    bool operator==(const SColor& other) const;

    /// "url(...#id...)" as a reference; any other text through the colour
    /// attribute's parser. On false the target is unchanged.
    static bool parseSColor(SColor& target, const Core::String& text);

  private:
    ColorType type_ = None;
    SmartPtr<Drawing::Color> color_;
    Core::String url_;
};

/// An SColor that starts null; a successful parse of its attribute clears the
/// flag. The flag takes no part in equality.
class XMLATTR_API SNullableColor : public SColor {
  public:
    /// No paint, null.
    SNullableColor() = default;
    /// The colour (shared), null until an attribute text is read.
    explicit SNullableColor(SmartPtr<Drawing::Color> color) : SColor(std::move(color)) {}

    /// True until a parse of the attribute succeeds.
    bool isNull() const { return null_; }
    /// Sets the null flag.
    void setNull(bool null) { null_ = null; }

  private:
    bool null_ = true;
};

/// Paint attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<SColor> : NoTextFormat {
    /// SColor::parseSColor.
    static bool parse(SColor& value, const Core::String& text) {
        return SColor::parseSColor(value, text);
    }
};

/// Nullable paint attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<SNullableColor> : NoTextFormat {
    /// SColor::parseSColor; success also clears the null flag.
    static bool parse(SNullableColor& value, const Core::String& text);
};

extern template class TXmlAttribute<SColor>;
extern template class TXmlAttribute<SNullableColor>;

}  // namespace Xml
