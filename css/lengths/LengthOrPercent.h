/// @file
/// Length-or-percent values: a length or a fraction of a base the caller
/// supplies, their auto-capable wrappers, the plain ratio, the nullable SVG
/// length, the length pair and the SVG dash list.
///
/// Percentages are stored as fractions: fifty per cent holds 0.5.
#pragma once

#include "platform/Export.h"

#include <string_view>

#include "css/attributes/XmlAttribute.h"
#include "css/lengths/Length.h"
#include "platform/String.h"
#include "platform/Vector.h"

namespace Xml {

/// A length, or a percentage of a base the caller supplies.
class XMLATTR_API LengthOrPercent {
  public:
    /// The length 0px.
    constexpr LengthOrPercent() = default;
    /// The length.
    constexpr LengthOrPercent(const Length& length)  // NOLINT(google-explicit-constructor)
        : kind_(kLength), length_(length) {}
    /// The percentage, as a fraction (0.5 is fifty per cent).
    constexpr LengthOrPercent(float percent)  // NOLINT(google-explicit-constructor)
        : kind_(kPercent), percent_(percent) {}

    /// Each setter changes the kind and leaves the other field as it was.
    ///@{
    void setLength(const Length& length) {
        length_ = length;
        kind_ = kLength;
    }
    void setPercent(float percent) {
        percent_ = percent;
        kind_ = kPercent;
    }
    ///@}

    /// The length; meaningful when isPercent() is false.
    constexpr const Length& getLength() const { return length_; }
    /// The percentage as a fraction; meaningful when isPercent() is true.
    constexpr float getPercent() const { return percent_; }
    /// True for a percentage, false for a length.
    constexpr bool isPercent() const { return kind_ == kPercent; }

    /// The length in pixels, or the fraction of base (multiplied in float).
    float pxSize(float base) const { return isPercent() ? percent_ * base : length_.pxSize(); }
    /// The length in pixels, whatever the kind.
    float getLengthPxSize() const { return length_.pxSize(); }

    /// Two percentages compare fractions, two lengths unit and size; a
    /// percentage never equals a length.
    ///@{
    constexpr bool operator==(const LengthOrPercent& other) const {
        if (isPercent() != other.isPercent())
            return false;
        return isPercent() ? percent_ == other.percent_ : length_ == other.length_;
    }
    constexpr bool operator!=(const LengthOrPercent& other) const { return !(*this == other); }
    ///@}

    /// A length with its unit, a percentage ("50%") or a bare number, which is
    /// a ratio (1.5 is 150%). The target is written only on success.
    static bool parseLengthOrPercent(LengthOrPercent& target, const Core::String& text);
    /// "{0}%" of the percentage, or the length's text.
    static Core::String getValueAsString(const LengthOrPercent& value);

  private:
    static constexpr int kLength = 1;
    static constexpr int kPercent = 2;

    int kind_ = kLength;
    Length length_;
    float percent_ = 0;
};

/// The SVG twin of LengthOrPercent; parsed by SLength::parseSLengthOrPercent.
class XMLATTR_API SLengthOrPercent {
  public:
    /// The length 0 user units (pixels).
    constexpr SLengthOrPercent() = default;
    /// The length of size units.
    constexpr SLengthOrPercent(float size, SLength::Unit unit)
        : kind_(kLength), length_(size, unit) {}
    /// The percentage, as a fraction (0.5 is fifty per cent).
    constexpr SLengthOrPercent(float percent)  // NOLINT(google-explicit-constructor)
        : kind_(kPercent), percent_(percent) {}

    /// The length; meaningful when isPercent() is false.
    constexpr const SLength& getLength() const { return length_; }
    /// The percentage as a fraction; meaningful when isPercent() is true.
    constexpr float getPercent() const { return percent_; }
    /// True for a percentage, false for a length.
    constexpr bool isPercent() const { return kind_ == kPercent; }

    /// The length in pixels, or the fraction of base (multiplied in float).
    float pxSize(float base) const { return isPercent() ? percent_ * base : length_.pxSize(); }
    /// The length in pixels, whatever the kind.
    float getLengthPxSize() const { return length_.pxSize(); }

    /// Two percentages compare fractions, two lengths unit and size; a
    /// percentage never equals a length.
    ///@{
    constexpr bool operator==(const SLengthOrPercent& other) const {
        if (isPercent() != other.isPercent())
            return false;
        return isPercent() ? percent_ == other.percent_ : length_ == other.length_;
    }
    constexpr bool operator!=(const SLengthOrPercent& other) const { return !(*this == other); }
    ///@}

  private:
    static constexpr int kLength = 1;
    static constexpr int kPercent = 2;

    int kind_ = kLength;
    SLength length_;
    float percent_ = 0;
};

namespace detail {

XMLATTR_API bool parseLengthOrPercent(LengthOrPercent& target, std::wstring_view text);
XMLATTR_API bool parseSLengthOrPercent(SLengthOrPercent& target, std::wstring_view text);

// The shape the auto-capable measures share: a keyword flag, then the measure
// used when the flag is false. Each measure is a class of its own so that
// attributes of different roles do not mix.
class XMLATTR_API AutoOrLengthOrPercent {
  public:
    constexpr bool isAuto() const { return auto_; }
    constexpr const LengthOrPercent& getLengthOrPercent() const { return value_; }

  protected:
    constexpr AutoOrLengthOrPercent() = default;
    constexpr explicit AutoOrLengthOrPercent(const LengthOrPercent& value)
        : auto_(false), value_(value) {}

    // Flags equal, and for explicit values equal measures.
    constexpr bool sameAs(const AutoOrLengthOrPercent& other) const {
        return auto_ == other.auto_ && (auto_ || value_ == other.value_);
    }
    bool auto_ = true;
    LengthOrPercent value_;
};

}  // namespace detail

/// A margin: a measure, or auto by default. Its parser does not accept "auto".
/// isAuto() tells which; getLengthOrPercent() gives the measure.
class XMLATTR_API Margin : public detail::AutoOrLengthOrPercent {
  public:
    /// Auto.
    constexpr Margin() = default;
    /// The measure.
    constexpr Margin(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : AutoOrLengthOrPercent(value) {}

    using AutoOrLengthOrPercent::getLengthOrPercent;
    /// The measure held, also when auto, to be changed in place.
    LengthOrPercent& getLengthOrPercent() { return value_; }

    /// Both auto, or equal measures.
    ///@{
    constexpr bool operator==(const Margin& other) const { return sameAs(other); }
    constexpr bool operator!=(const Margin& other) const { return !(*this == other); }
    ///@}

    /// A length or percentage (a bare number is a ratio); the target is
    /// written only on success.
    static bool parseMargin(Margin& target, const Core::String& text);
};

/// A column width: a measure, a function with a parenthesised ratio such as
/// proportional-column-width(2), or auto by default. isAuto() tells which;
/// getLengthOrPercent() gives the measure.
class XMLATTR_API ColumnWidth : public detail::AutoOrLengthOrPercent {
  public:
    /// Auto.
    constexpr ColumnWidth() = default;
    /// The measure.
    constexpr ColumnWidth(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : AutoOrLengthOrPercent(value) {}

    /// Both auto, or equal measures.
    ///@{
    constexpr bool operator==(const ColumnWidth& other) const { return sameAs(other); }
    constexpr bool operator!=(const ColumnWidth& other) const { return !(*this == other); }
    ///@}

    /// The whole text as a measure, else the measure inside the first
    /// parentheses, whatever name stands before them. The target is written
    /// only on success.
    static bool parseColumnWidth(ColumnWidth& target, const Core::String& text);
};

/// A table width: read like a column width, written as no text. isAuto()
/// tells whether it is auto; getLengthOrPercent() gives the measure.
class XMLATTR_API TableWidth : public detail::AutoOrLengthOrPercent {
  public:
    /// Auto.
    constexpr TableWidth() = default;
    /// The measure.
    constexpr TableWidth(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : AutoOrLengthOrPercent(value) {}

    /// Both auto, or equal measures.
    ///@{
    constexpr bool operator==(const TableWidth& other) const { return sameAs(other); }
    constexpr bool operator!=(const TableWidth& other) const { return !(*this == other); }
    ///@}

    /// As ColumnWidth::parseColumnWidth.
    static bool parseTableWidth(TableWidth& target, const Core::String& text);
};

/// A leader pattern width: a measure, or the keyword use-font-metrics, which
/// the default value stands for. isAuto() is true for the keyword;
/// getLengthOrPercent() gives the measure.
class XMLATTR_API LeaderPatternWidth : public detail::AutoOrLengthOrPercent {
  public:
    /// use-font-metrics.
    constexpr LeaderPatternWidth() = default;
    /// The measure.
    constexpr LeaderPatternWidth(
        const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : AutoOrLengthOrPercent(value) {}

    /// Both use-font-metrics, or equal measures.
    ///@{
    constexpr bool operator==(const LeaderPatternWidth& other) const { return sameAs(other); }
    constexpr bool operator!=(const LeaderPatternWidth& other) const { return !(*this == other); }
    ///@}
};

/// A measure or "auto" (any letter case); auto keeps the measure held before.
/// isAuto() tells which; getLengthOrPercent() gives the measure.
class XMLATTR_API LengthOrPercentAuto : public detail::AutoOrLengthOrPercent {
  public:
    /// Auto.
    constexpr LengthOrPercentAuto() = default;
    /// The measure.
    constexpr LengthOrPercentAuto(
        const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : AutoOrLengthOrPercent(value) {}

    using AutoOrLengthOrPercent::getLengthOrPercent;
    /// The measure held, also when auto, to be changed in place.
    LengthOrPercent& getLengthOrPercent() { return value_; }

    /// The measure's pixels, whatever the flag.
    float pxSize(float base) const { return value_.pxSize(base); }

    /// Both auto, or equal measures.
    ///@{
    constexpr bool operator==(const LengthOrPercentAuto& other) const { return sameAs(other); }
    constexpr bool operator!=(const LengthOrPercentAuto& other) const { return !(*this == other); }
    ///@}

    /// "auto" in any letter case sets the flag and keeps the measure; any other
    /// text is read as a measure. The target is written only on success.
    static bool parseLengthOrPercentAuto(LengthOrPercentAuto& target, const Core::String& text);
};

/// A plain ratio; a percentage text is stored divided by 100.
class XMLATTR_API FloatOrPercent {
  public:
    /// The ratio; the default is 1.
    constexpr FloatOrPercent(float value = 1.0f)  // NOLINT(google-explicit-constructor)
        : value_(value) {}

    /// The ratio.
    constexpr float getValue() const { return value_; }

    /// Equal ratios.
    ///@{
    constexpr bool operator==(const FloatOrPercent& other) const { return value_ == other.value_; }
    constexpr bool operator!=(const FloatOrPercent& other) const { return !(*this == other); }
    ///@}

  private:
    float value_;
};

/// An SVG length that remembers whether it was ever read from text.
class XMLATTR_API SNullableLength : public SLength {
  public:
    /// Zero pixels, null.
    constexpr SNullableLength() = default;

    /// Sets the null flag.
    void setNull(bool isNull) { null_ = isNull; }
    /// True until the length is read from text.
    constexpr bool isNull() const { return null_; }

  private:
    bool null_ = true;
};

/// Two lengths, such as a horizontal and a vertical spacing.
class XMLATTR_API DLength {
  public:
    /// The pair; the default is two lengths of 0px.
    constexpr DLength(const Length& first = Length(), const Length& second = Length())
        : first_(first), second_(second) {}

    /// The first length.
    constexpr const Length& getFirst() const { return first_; }
    /// The second length.
    constexpr const Length& getSecond() const { return second_; }

    /// Both lengths equal.
    ///@{
    constexpr bool operator==(const DLength& other) const {
        return first_ == other.first_ && second_ == other.second_;
    }
    constexpr bool operator!=(const DLength& other) const { return !(*this == other); }
    ///@}

  private:
    friend struct AttributeTraits<DLength>;

    Length first_;
    Length second_;
};

/// Length-or-percent attributes.
template <>
struct XMLATTR_API AttributeTraits<LengthOrPercent> {
    /// LengthOrPercent::parseLengthOrPercent.
    static bool parse(LengthOrPercent& value, const Core::String& text) {
        return LengthOrPercent::parseLengthOrPercent(value, text);
    }
    /// LengthOrPercent::getValueAsString.
    static Core::String format(const LengthOrPercent& value) {
        return LengthOrPercent::getValueAsString(value);
    }
};

/// SVG length-or-percent attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<SLengthOrPercent> : NoTextFormat {
    /// SLength::parseSLengthOrPercent.
    static bool parse(SLengthOrPercent& value, const Core::String& text) {
        return SLength::parseSLengthOrPercent(value, text);
    }
};

/// Margin attributes.
template <>
struct XMLATTR_API AttributeTraits<Margin> {
    /// Margin::parseMargin.
    static bool parse(Margin& value, const Core::String& text) {
        return Margin::parseMargin(value, text);
    }
    /// The measure's text; empty when auto.
    static Core::String format(const Margin& value);
};

/// Column-width attributes.
template <>
struct XMLATTR_API AttributeTraits<ColumnWidth> {
    /// ColumnWidth::parseColumnWidth.
    static bool parse(ColumnWidth& value, const Core::String& text) {
        return ColumnWidth::parseColumnWidth(value, text);
    }
    /// The measure's text; empty when auto.
    static Core::String format(const ColumnWidth& value);
};

/// Table-width attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<TableWidth> : NoTextFormat {
    /// TableWidth::parseTableWidth.
    static bool parse(TableWidth& value, const Core::String& text) {
        return TableWidth::parseTableWidth(value, text);
    }
};

/// Leader-pattern-width attributes.
template <>
struct XMLATTR_API AttributeTraits<LeaderPatternWidth> {
    /// A length or percentage. "use-font-metrics" (exact case) is accepted and
    /// changes nothing.
    static bool parse(LeaderPatternWidth& value, const Core::String& text);
    /// The measure's text; empty for use-font-metrics.
    static Core::String format(const LeaderPatternWidth& value);
};

/// Length-or-percent-or-auto attributes.
template <>
struct XMLATTR_API AttributeTraits<LengthOrPercentAuto> {
    /// LengthOrPercentAuto::parseLengthOrPercentAuto.
    static bool parse(LengthOrPercentAuto& value, const Core::String& text) {
        return LengthOrPercentAuto::parseLengthOrPercentAuto(value, text);
    }
    /// The measure's text; "auto" when auto.
    static Core::String format(const LengthOrPercentAuto& value);
};

/// Ratio attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<FloatOrPercent> : NoTextFormat {
    /// The number at the start of the text, divided by 100 when the text ends
    /// in "%". Always true: a text that is no number stores the converter's value.
    static bool parse(FloatOrPercent& value, const Core::String& text);
};

/// Nullable SVG length attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<SNullableLength> : NoTextFormat {
    /// Parses into the length; success clears the null flag.
    static bool parse(SNullableLength& value, const Core::String& text);
    /// The length only; the null flags are not compared.
    static bool equal(const SNullableLength& held, const SNullableLength& other) {
        return static_cast<const SLength&>(held) == static_cast<const SLength&>(other);
    }
};

/// Length-pair attributes.
template <>
struct XMLATTR_API AttributeTraits<DLength> {
    /// One length for both, or two separated by one white-space character. A
    /// bad second length fails the parse but keeps the replaced first one.
    static bool parse(DLength& value, const Core::String& text);
    /// "first second".
    static Core::String format(const DLength& value);
};

/// Dash-list attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<Core::Vector<SLength>> : NoTextFormat {
    /// "none" or empty for no dashes, else comma-separated SVG lengths; a bad
    /// entry fails the whole list and keeps the list held before.
    static bool parse(Core::Vector<SLength>& value, const Core::String& text);
    /// Same number of entries, each equal.
    static bool equal(const Core::Vector<SLength>& held, const Core::Vector<SLength>& other);
};

extern template class TXmlAttribute<LengthOrPercent>;
extern template class TXmlAttribute<SLengthOrPercent>;
extern template class TXmlAttribute<Margin>;
extern template class TXmlAttribute<ColumnWidth>;
extern template class TXmlAttribute<TableWidth>;
extern template class TXmlAttribute<LeaderPatternWidth>;
extern template class TXmlAttribute<LengthOrPercentAuto>;
extern template class TXmlAttribute<FloatOrPercent>;
extern template class TXmlAttribute<SNullableLength>;
extern template class TXmlAttribute<DLength>;
extern template class TXmlAttribute<Core::Vector<SLength>>;

}  // namespace Xml
