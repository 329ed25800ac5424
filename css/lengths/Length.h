/// @file
/// Length and SLength: the common measures of the library.
///
/// Length is the XSL-FO/CSS length (a number with one of eight units); SLength
/// is the SVG length, where a bare number is a user-space (pixel) value and a
/// percentage is a unit of its own. Both convert to device pixels at 96 per
/// inch.
#pragma once

#include "platform/Export.h"

#include <optional>
#include <string_view>

#include "css/attributes/XmlAttribute.h"
#include "platform/String.h"

namespace Xml {

class SLengthOrPercent;

/// One of the units both length types read: its suffix, its number in SLength
/// (its number in Length is its place in kLengthUnits), and its size in device
/// pixels, computed as size * multiplier / divisor in double and narrowed once.
struct LengthUnit {
    std::string_view suffix;  ///< two letters, exact case
    int svgUnit;              ///< the SLength::Unit
    double multiplier;
    double divisor;  ///< 0: no fixed size (converting raises)
};

/// The units in Length::Unit order: the one table the readers, the writer and
/// the pixel conversions of both length types follow. Centimetres and
/// millimetres divide by the single-precision constants widened to double, so
/// conversions agree with the rest of the engine.
inline constexpr LengthUnit kLengthUnits[] = {
    {"px", 0, 96, 96},
    {"pt", 1, 96, 72},
    {"pc", 8, 12 * 96, 72},
    {"cm", 3, 96, static_cast<double>(2.54f)},
    {"mm", 4, 96, static_cast<double>(25.4f)},
    {"in", 5, 96, 1},
    {"em", 6, 96, 1536},
    {"ex", 7, 0, 0},
};

/// A length: a size and its unit.
class XMLATTR_API Length {
  public:
    /// The units, by their suffixes "px", "pt", "pc", "cm", "mm", "in", "em", "ex".
    enum Unit : int { Px = 0, Pt = 1, Pc = 2, Cm = 3, Mm = 4, In = 5, Em = 6, Ex = 7 };

    /// The length of size units; the default is 0px.
    constexpr Length(float size = 0, Unit unit = Px) : unit_(unit), size_(size) {}

    /// The size, in the length's unit.
    constexpr float getSize() const { return size_; }
    /// The unit.
    constexpr Unit getUnit() const { return unit_; }
    /// The suffix of unit as the reader takes it ("px" ... "ex"); empty for a
    /// value outside Px..Ex.
    static constexpr std::string_view suffixOf(Unit unit) {
        return unit >= Px && unit <= Ex ? kLengthUnits[unit].suffix : std::string_view();
    }
    /// The unit of a suffix (exact case), if it is one of kLengthUnits.
    static std::optional<Unit> unitOfSuffix(std::wstring_view suffix);

    /// Same unit and equal sizes; a NaN size never compares equal.
    constexpr bool operator==(const Length& other) const {
        return unit_ == other.unit_ && size_ == other.size_;
    }
    /// The negation of operator==.
    constexpr bool operator!=(const Length& other) const { return !(*this == other); }

    /// The size in device pixels. Raises for Ex, which has no fixed size.
    float pxSize() const;

    /// A number with a two-letter unit suffix (exact case), or "0" alone, which
    /// gives 0pt. The target is written only on success.
    static bool parseLength(Length& target, const Core::String& text);
    /// The size followed by its unit suffix. Raises for a unit outside Px..Ex.
    static Core::String getValueAsString(const Length& length);

  private:
    Unit unit_;
    float size_;
};

/// An SVG length: a size and its unit, where a percentage is a unit too.
class XMLATTR_API SLength {
  public:
    /// The units. Pica is 8 here, not 2 as in Length; nothing produces the value 2.
    enum Unit : int { Px = 0, Pt = 1, Cm = 3, Mm = 4, In = 5, Em = 6, Ex = 7, Pc = 8, Percent = 9 };

    /// The length of size units; the default is 0 user units (pixels).
    constexpr SLength(float size = 0, Unit unit = Px) : unit_(unit), size_(size) {}

    /// The size, in the length's unit; a fraction for Percent.
    constexpr float getSize() const { return size_; }
    /// The unit.
    constexpr Unit getUnit() const { return unit_; }
    /// The suffix of unit as the reader takes it ("px" ... "pc"), "%" for
    /// Percent; empty for 2 and for values outside the units.
    static constexpr std::string_view suffixOf(Unit unit) {
        if (unit == Percent)
            return "%";
        for (const LengthUnit& each : kLengthUnits) {
            if (each.svgUnit == unit)
                return each.suffix;
        }
        return {};
    }

    /// Same unit and equal sizes; a NaN size never compares equal.
    ///@{
    constexpr bool operator==(const SLength& other) const {
        return unit_ == other.unit_ && size_ == other.size_;
    }
    constexpr bool operator!=(const SLength& other) const { return !(*this == other); }
    ///@}
    /// True for a zero size, whatever the unit.
    constexpr bool operator!() const { return size_ == 0; }

    /// The size in device pixels; a percentage gives its fraction unchanged.
    /// Raises for Ex.
    float pxSize() const;

    /// A bare number (pixels), a number with a unit suffix (an unknown suffix
    /// means pixels) or a percentage (stored as a fraction). The target is
    /// written only on success.
    static bool parseSLength(SLength& target, const Core::String& text);
    /// Defined with SLengthOrPercent (LengthOrPercent.h).
    static bool parseSLengthOrPercent(SLengthOrPercent& target, const Core::String& text);

  private:
    Unit unit_;
    float size_;
};

// The enumerations and the table agree.
static_assert(Length::suffixOf(Length::Pc) == "pc" && Length::suffixOf(Length::Ex) == "ex" &&
              std::size(kLengthUnits) == Length::Ex + 1);
static_assert(SLength::suffixOf(SLength::Pc) == "pc" && SLength::suffixOf(SLength::Pt) == "pt" &&
              SLength::suffixOf(SLength::Ex) == "ex" &&
              SLength::suffixOf(SLength::Unit{2}).empty());

/// The parsers above on a view of the text, for the compound parsers that work
/// on part of a text without copying it. Same rules, same results.
namespace detail {
XMLATTR_API bool parseLength(Length& target, std::wstring_view text);
XMLATTR_API bool parseSLength(SLength& target, std::wstring_view text);

// The first character a length or percentage text must begin with.
inline bool startsNumber(wchar_t c) {
    return Core::String::isDigit(c) || c == L'+' || c == L'-' || c == L'.';
}
// The Length unit of a two-character suffix (exact case), or -1.
int lengthUnitOfSuffix(wchar_t first, wchar_t second);
// The SLength unit of a two-character suffix; any unknown suffix is Px.
SLength::Unit sLengthUnitOfSuffix(wchar_t first, wchar_t second);
}  // namespace detail

/// Length attributes.
template <>
struct XMLATTR_API AttributeTraits<Length> {
    /// Length::parseLength.
    static bool parse(Length& value, const Core::String& text) {
        return Length::parseLength(value, text);
    }
    /// Length::getValueAsString.
    static Core::String format(const Length& value) { return Length::getValueAsString(value); }
};

/// SVG length attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<SLength> : NoTextFormat {
    /// SLength::parseSLength.
    static bool parse(SLength& value, const Core::String& text) {
        return SLength::parseSLength(value, text);
    }
};

extern template class TXmlAttribute<Length>;
extern template class TXmlAttribute<SLength>;

}  // namespace Xml
