/// @file
/// Drawing colours: reference-counted colour objects held through
/// Core::SmartPtr<Drawing::Color>, and the ICC colour spaces they may refer to.
///
/// Colour objects are immutable once built (ICCColor's fallback is set right
/// after construction), so one object may be shared by many holders.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "platform/SmartPtr.h"
#include "platform/String.h"

/// The drawing layer's value types: colours and colour spaces, spot colours,
/// gradient settings, image filters, rectangles and language identifiers.
namespace Drawing {

class Color;

/// An sRGB triple, the common denominator every colour converts to.
struct XMLATTR_API RGBValue {
    std::uint8_t r = 0;  ///< red, 0 to 255
    std::uint8_t g = 0;  ///< green, 0 to 255
    std::uint8_t b = 0;  ///< blue, 0 to 255

    /// The three components equal.
    friend bool operator==(const RGBValue& a, const RGBValue& b) {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    }
};

/// Relative luminance of an sRGB triple in [0, 1], Rec. 601 weights.
XMLATTR_API double luminanceOf(const RGBValue& rgb);

/// The space a colour's components are given in; shared by the colours that
/// use it.
class XMLATTR_API ColorSpace : public Core::Object {
  public:
    /// The kinds of colour space.
    enum class Type { DeviceGray, DeviceRGB, DeviceCMYK, ICCBased };

    /// Which kind of space this is.
    virtual Type getType() const = 0;
    /// Components a colour of this space carries; 0 when not known.
    virtual int getComponentsCount() const = 0;
    /// Gray level in [0, 1] of a colour of this space.
    virtual double toGray(const Color& color) const = 0;
};

/// A colour space described by a named ICC profile. The profile itself is the
/// output device's business; this object only names it.
class XMLATTR_API ICCColorSpace : public ColorSpace {
  public:
    /// The space of the profile named profileName, whose colours carry
    /// componentsCount components (0 when not known).
    explicit ICCColorSpace(const Core::String& profileName, int componentsCount = 0)
        : profileName_(profileName), componentsCount_(componentsCount) {}

    Type getType() const override { return Type::ICCBased; }
    int getComponentsCount() const override { return componentsCount_; }
    /// The colour's getLuminance().
    double toGray(const Color& color) const override;

    /// The name of the ICC profile.
    const Core::String& getProfileName() const { return profileName_; }

  private:
    Core::String profileName_;
    int componentsCount_;
};

/// A colour value; the concrete classes are the device RGB and CMYK colours,
/// ICC colours and spot colours.
class XMLATTR_API Color : public Core::Object {
  public:
    /// The colour space of an ICC colour; empty for the device colours.
    virtual Core::SmartPtr<ColorSpace> getColorSpace() const { return {}; }
    /// A new object holding the same value.
    virtual Core::SmartPtr<Color> clone() const = 0;
    /// The sRGB value, for devices and for comparisons.
    virtual RGBValue toRGB() const = 0;
    /// The relative luminance of toRGB(), in [0, 1].
    virtual double getLuminance() const { return luminanceOf(toRGB()); }
};

/// A device RGB colour.
class XMLATTR_API RGBColor : public Color {
  public:
    /// The colour of the three components, each 0 to 255.
    RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) : rgb_{r, g, b} {}

    Core::SmartPtr<Color> clone() const override;
    RGBValue toRGB() const override { return rgb_; }

    /// The red, green and blue components.
    ///@{
    std::uint8_t getR() const { return rgb_.r; }
    std::uint8_t getG() const { return rgb_.g; }
    std::uint8_t getB() const { return rgb_.b; }
    ///@}

  private:
    RGBValue rgb_;
};

/// A device CMYK colour.
/// Components as given, normally fractions in [0, 1]; conversions clamp them.
class XMLATTR_API CMYKColor : public Color {
  public:
    /// The colour of the four components, kept as given.
    CMYKColor(double c, double m, double y, double k) : c_(c), m_(m), y_(y), k_(k) {}

    Core::SmartPtr<Color> clone() const override;
    /// cmykToRGB of the components.
    RGBValue toRGB() const override;

    /// The cyan, magenta, yellow and black components, as given.
    ///@{
    double getC() const { return c_; }
    double getM() const { return m_; }
    double getY() const { return y_; }
    double getK() const { return k_; }
    ///@}

  private:
    double c_, m_, y_, k_;
};

/// Naive device conversion of CMYK fractions (clamped to [0, 1]) to sRGB.
XMLATTR_API RGBValue cmykToRGB(double c, double m, double y, double k);

/// A colour in an ICC profile's space, with an sRGB fallback for devices that
/// cannot use the profile.
class XMLATTR_API ICCColor : public Color {
  public:
    /// The most components an ICC colour holds.
    static constexpr int kMaxComponents = 4;

    /// count is 1, 3 or 4; components past count are stored as 0.
    ICCColor(int count, const float components[kMaxComponents],
             Core::SmartPtr<ICCColorSpace> colorSpace);

    Core::SmartPtr<ColorSpace> getColorSpace() const override { return colorSpace_; }
    /// A copy sharing the colour space (spaces are immutable).
    Core::SmartPtr<Color> clone() const override;
    /// The sRGB fallback.
    RGBValue toRGB() const override { return fallBack_; }

    /// Sets the sRGB fallback; done once, right after construction.
    void setFallBack(std::uint8_t r, std::uint8_t g, std::uint8_t b) { fallBack_ = {r, g, b}; }
    /// The number of components given at construction.
    int getColorCount() const { return count_; }
    /// Component i (0 to 3); 0 past the count and outside that range.
    float getColor(int i) const;
    /// The red, green and blue components of the sRGB fallback.
    ///@{
    std::uint8_t getFallBackR() const { return fallBack_.r; }
    std::uint8_t getFallBackG() const { return fallBack_.g; }
    std::uint8_t getFallBackB() const { return fallBack_.b; }
    ///@}

  private:
    int count_;
    float components_[kMaxComponents] = {0, 0, 0, 0};
    Core::SmartPtr<ICCColorSpace> colorSpace_;
    RGBValue fallBack_;
};

}  // namespace Drawing
