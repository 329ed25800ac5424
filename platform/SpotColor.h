/// @file
/// Drawing spot colours: a named ink with a tint, and the process colour
/// (CMYK or RGB) that stands in for it on devices without that ink.
#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <string_view>

#include "platform/Color.h"
#include "platform/String.h"

namespace Drawing {

/// The process colour that replaces a spot colour: a CMYK value, an RGB value,
/// both or neither.
class XMLATTR_API ColorSubstitute {
  public:
    /// A substitute with neither value.
    ColorSubstitute() = default;

    /// Sets the RGB value; the CMYK value, if any, stays.
    void setRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b);
    /// Sets the CMYK value; the RGB value, if any, stays.
    void setCMYK(double c, double m, double y, double k);

    /// Whether an RGB value was set.
    bool hasRGBSubstitute() const { return hasRGB_; }
    /// Whether a CMYK value was set.
    bool hasCMYKSubstitute() const { return hasCMYK_; }
    /// The RGB value's components; 0 when none was set.
    ///@{
    std::uint8_t getR() const { return r_; }
    std::uint8_t getG() const { return g_; }
    std::uint8_t getB() const { return b_; }
    ///@}
    /// The CMYK value's components; 0 when none was set.
    ///@{
    double getC() const { return c_; }
    double getM() const { return m_; }
    double getY() const { return y_; }
    double getK() const { return k_; }
    ///@}

    /// Reads "rgb(r,g,b)" (integers 0 to 255) or "cmyk(c,m,y,k)" (numbers; a
    /// component ending in "%" gives its fraction) after optional white space,
    /// with nothing after the ")". True with out set to that one value; false
    /// with out untouched for any other text, the empty text included.
    ///@{
    static bool parseColorFunctionString(const Core::String& text, ColorSubstitute& out) {
        return parseColorFunctionString(text.view(), out);
    }
    static bool parseColorFunctionString(std::wstring_view text, ColorSubstitute& out);
    ///@}

    /// Both flags and all seven components equal.
    XMLATTR_API friend bool operator==(const ColorSubstitute& a, const ColorSubstitute& b);

  private:
    bool hasRGB_ = false;
    bool hasCMYK_ = false;
    std::uint8_t r_ = 0, g_ = 0, b_ = 0;
    double c_ = 0, m_ = 0, y_ = 0, k_ = 0;
};

/// A named ink at a tint, with the process colour that stands in for it.
class XMLATTR_API SpotColor : public Color {
  public:
    /// The ink name at tint, with an RGB substitute.
    SpotColor(const Core::String& name, float tint, std::uint8_t r, std::uint8_t g, std::uint8_t b);
    /// The ink name at tint, with a CMYK substitute.
    SpotColor(const Core::String& name, float tint, float c, float m, float y, float k);
    /// Any substitute, also one with neither value (such a colour has no text form).
    SpotColor(const Core::String& name, float tint, const ColorSubstitute& substitute)
        : name_(name), tint_(tint), substitute_(substitute) {}

    Core::SmartPtr<Color> clone() const override;
    /// The substitute's colour lightened towards white by the tint
    /// (tint 1 is the full colour, 0 is white).
    RGBValue toRGB() const override;

    /// The ink's name.
    const Core::String& getColorName() const { return name_; }
    /// The tint as given: 1 is the full colour, 0 white.
    float getTint() const { return tint_; }
    /// The process colour standing in for the ink.
    const ColorSubstitute& getColorSubstitute() const { return substitute_; }

  private:
    Core::String name_;
    float tint_;
    ColorSubstitute substitute_;
};

/// The substitutes the engine knows for spot colour names. Empty until the
/// engine (or a test) teaches it names. Safe to use from several threads.
class XMLATTR_API SpotColorMapper {
  public:
    /// The substitute registered for name (exact case); for an unknown name,
    /// one with neither an RGB nor a CMYK value.
    static ColorSubstitute getColorSubstitute(const Core::String& name);

    /// Registers substitute for name (exact case), replacing any earlier one.
    static void setColorSubstitute(const Core::String& name, const ColorSubstitute& substitute);
    /// Forgets every registered name.
    static void clearColorSubstitutes();
};

}  // namespace Drawing
