// Keyword-or-length values: properties that take one keyword out of a small
// set or an explicit measure (font size, indents, baseline shifts, alignment
// adjustment, content sizes, letter spacing, page sizes, border widths and the
// initial page and sheet numbers).
//
// Each value stores its mode first and its measure after it. Keywords are the
// whole text, compared exactly unless a type says otherwise; any other text
// goes to the measure parser, whose failure is the attribute's failure. A
// keyword mode holds the default measure, and equality compares the measure
// only in the mode that gives one.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/attributes/XmlAttribute.h"
#include "css/keywords/FontKeywords.h"
#include "css/keywords/Keyword.h"
#include "css/lengths/Length.h"
#include "css/lengths/LengthOrPercent.h"
#include "platform/String.h"

namespace Xml {

// The modes and their keyword tables. Values without a keyword (the explicit
// modes) are handled by the value types before the table is consulted.

enum class RelativeFontSize : std::int32_t { Larger = 0, Smaller = 1 };

template <>
struct KeywordsOf<RelativeFontSize> {
    static constexpr auto table = keywordTable<RelativeFontSize>(
        {.format = KeywordFormat::Strict, .raiseAt = {"FontAttributes", 74}},
        {keyword(L"larger", RelativeFontSize::Larger),
         keyword(L"smaller", RelativeFontSize::Smaller)});
};

enum class IndentFunction : std::int32_t { None = 0, Explicit = 1, LabelEnd = 2, BodyStart = 3 };

template <>
struct KeywordsOf<IndentFunction> {
    static constexpr auto table = keywordTable<IndentFunction>(
        {.format = KeywordFormat::Strict, .raiseAt = {"IndentAttribute", 43}},
        {keyword(L"body-start()", IndentFunction::BodyStart),
         keyword(L"label-end()", IndentFunction::LabelEnd)});
};

enum class BaselineShiftMode : std::int32_t { Baseline = 0, Sub = 1, Super = 2, Explicit = 3 };

template <>
struct KeywordsOf<BaselineShiftMode> {
    static constexpr auto table = keywordTable<BaselineShiftMode>(
        {.format = KeywordFormat::Strict, .raiseAt = {"LengthAttribute", 477}},
        {keyword(L"baseline", BaselineShiftMode::Baseline), keyword(L"sub", BaselineShiftMode::Sub),
         keyword(L"super", BaselineShiftMode::Super)});
};

enum class ContentScaleMode : std::int32_t { Auto = 0, ScaleToFit = 1, Explicit = 2 };

template <>
struct KeywordsOf<ContentScaleMode> {
    static constexpr auto table = keywordTable<ContentScaleMode>(
        {}, {keyword(L"auto", ContentScaleMode::Auto),
             keyword(L"scale-to-fit", ContentScaleMode::ScaleToFit)});
};

// Exact case; letter spacing compares its keyword without case itself.
enum class SpacingType : std::int32_t { Normal = 0, Explicit = 1 };

template <>
struct KeywordsOf<SpacingType> {
    static constexpr auto table =
        keywordTable<SpacingType>({}, {keyword(L"normal", SpacingType::Normal)});
};

enum class PageDimensionType : std::int32_t { Auto = 0, Indefinite = 1, Explicit = 2 };

template <>
struct KeywordsOf<PageDimensionType> {
    static constexpr auto table = keywordTable<PageDimensionType>(
        {}, {keyword(L"auto", PageDimensionType::Auto),
             keyword(L"indefinite", PageDimensionType::Indefinite)});
};

enum class InitialPageNumberType : std::int32_t {
    Auto = 0,
    AutoOdd = 1,
    AutoEven = 2,
    Explicit = 3,
};

template <>
struct KeywordsOf<InitialPageNumberType> {
    static constexpr auto table = keywordTable<InitialPageNumberType>(
        {}, {keyword(L"auto", InitialPageNumberType::Auto),
             keyword(L"auto-odd", InitialPageNumberType::AutoOdd),
             keyword(L"auto-even", InitialPageNumberType::AutoEven)});
};

enum class InitialSheetNumberType : std::int32_t { Auto = 0, Explicit = 1 };

template <>
struct KeywordsOf<InitialSheetNumberType> {
    static constexpr auto table =
        keywordTable<InitialSheetNumberType>({}, {keyword(L"auto", InitialSheetNumberType::Auto)});
};

// A font size: a relative keyword, or an absolute measure (the absolute
// keywords are stored as the point sizes they stand for).
class XMLATTR_API FontSize {
  public:
    enum Type : std::int32_t { None = 0, Relative = 1, Absolute = 2 };

    constexpr FontSize() = default;
    constexpr FontSize(RelativeFontSize size)  // NOLINT(google-explicit-constructor)
        : type_(Relative), relative_(size) {}
    constexpr FontSize(const LengthOrPercent& size)  // NOLINT(google-explicit-constructor)
        : type_(Absolute), absolute_(size) {}

    // Absolute with that measure; the relative size is left as it was.
    FontSize& operator=(const LengthOrPercent& size) {
        type_ = Absolute;
        absolute_ = size;
        return *this;
    }

    constexpr Type getType() const { return type_; }
    constexpr RelativeFontSize getRelativeSize() const { return relative_; }
    constexpr const LengthOrPercent& getAbsoluteSize() const { return absolute_; }
    constexpr bool isRelativeSize() const { return type_ == Relative; }
    constexpr bool isAbsoluteSize() const { return type_ == Absolute; }

    // Two relative sizes or two absolute measures; a size of type None equals
    // nothing, not even itself.
    constexpr bool operator==(const FontSize& other) const {
        if (type_ != other.type_)
            return false;
        return (type_ == Relative && relative_ == other.relative_) ||
               (type_ == Absolute && absolute_ == other.absolute_);
    }
    constexpr bool operator!=(const FontSize& other) const { return !(*this == other); }

  private:
    Type type_ = None;
    RelativeFontSize relative_ = RelativeFontSize::Larger;  // written for type None
    LengthOrPercent absolute_;
};

// start-indent and end-indent: a measure or one of the list functions.
class XMLATTR_API Indent {
  public:
    constexpr Indent() = default;
    constexpr Indent(IndentFunction function)  // NOLINT(google-explicit-constructor)
        : function_(function) {}
    constexpr Indent(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : function_(IndentFunction::Explicit), value_(value) {}

    constexpr IndentFunction getFunction() const { return function_; }
    constexpr const LengthOrPercent& getLengthOrPercent() const { return value_; }

    constexpr bool operator==(const Indent& other) const {
        return function_ == other.function_ &&
               (function_ != IndentFunction::Explicit || value_ == other.value_);
    }
    constexpr bool operator!=(const Indent& other) const { return !(*this == other); }

  private:
    IndentFunction function_ = IndentFunction::None;
    LengthOrPercent value_;
};

namespace detail {

// A baseline-shift mode with the measure used in the explicit mode.
template <class Measure>
class ShiftOf {
  public:
    constexpr ShiftOf() = default;
    constexpr ShiftOf(BaselineShiftMode mode)  // NOLINT(google-explicit-constructor)
        : mode_(mode) {}
    constexpr ShiftOf(const Measure& value)  // NOLINT(google-explicit-constructor)
        : mode_(BaselineShiftMode::Explicit), value_(value) {}

    constexpr BaselineShiftMode getMode() const { return mode_; }

    constexpr bool operator==(const ShiftOf& other) const {
        return mode_ == other.mode_ &&
               (mode_ != BaselineShiftMode::Explicit || value_ == other.value_);
    }
    constexpr bool operator!=(const ShiftOf& other) const { return !(*this == other); }

  protected:
    BaselineShiftMode mode_ = BaselineShiftMode::Baseline;
    Measure value_;
};

}  // namespace detail

class XMLATTR_API BaselineShift : public detail::ShiftOf<LengthOrPercent> {
  public:
    using ShiftOf::ShiftOf;
    constexpr const LengthOrPercent& getLengthOrPercent() const { return value_; }
};

// The SVG baseline shift: the same keywords with an SVG measure; no text form.
class XMLATTR_API SBaselineShift : public detail::ShiftOf<SLengthOrPercent> {
  public:
    using ShiftOf::ShiftOf;
    constexpr const SLengthOrPercent& getSLengthOrPercent() const { return value_; }
};

// alignment-adjust: a baseline keyword or a measure.
class XMLATTR_API AlignmentAdjust {
  public:
    constexpr AlignmentAdjust() = default;
    constexpr AlignmentAdjust(AlignmentBaseline baseline)  // NOLINT(google-explicit-constructor)
        : baseline_(baseline) {}
    constexpr AlignmentAdjust(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : isBaseline_(false), value_(value) {}

    constexpr bool isBaseline() const { return isBaseline_; }
    constexpr AlignmentBaseline getBaseline() const { return baseline_; }
    constexpr const LengthOrPercent& getLengthOrPercent() const { return value_; }

    constexpr bool operator==(const AlignmentAdjust& other) const {
        if (isBaseline_ != other.isBaseline_)
            return false;
        return isBaseline_ ? baseline_ == other.baseline_ : value_ == other.value_;
    }
    constexpr bool operator!=(const AlignmentAdjust& other) const { return !(*this == other); }

  private:
    bool isBaseline_ = true;
    AlignmentBaseline baseline_ = AlignmentBaseline::Auto;  // also for a measure
    LengthOrPercent value_;
};

// content-width and content-height. The null flag says that no usable text
// was read: it starts set, a successful parse clears it and a failed one sets it.
class XMLATTR_API ContentLength {
  public:
    constexpr ContentLength(
        ContentScaleMode mode = ContentScaleMode::Auto)  // NOLINT(google-explicit-constructor)
        : mode_(mode) {}
    constexpr ContentLength(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : mode_(ContentScaleMode::Explicit), value_(value), null_(false) {}

    constexpr ContentScaleMode getScaleMode() const { return mode_; }
    constexpr const LengthOrPercent& getLength() const { return value_; }
    constexpr bool isLengthOrPercent() const { return mode_ == ContentScaleMode::Explicit; }
    constexpr bool isNull() const { return null_; }
    void setNull(bool isNull) { null_ = isNull; }

    // The measure's pixels, whatever the mode.
    float pxSize(float base) const { return value_.pxSize(base); }

    // Modes, and for explicit values the measures; the null flags are not compared.
    constexpr bool operator==(const ContentLength& other) const {
        return mode_ == other.mode_ &&
               (mode_ != ContentScaleMode::Explicit || value_ == other.value_);
    }
    constexpr bool operator!=(const ContentLength& other) const { return !(*this == other); }

  private:
    ContentScaleMode mode_;
    LengthOrPercent value_;
    bool null_ = true;
};

// letter-spacing: "normal" in any letter case, or a length.
class XMLATTR_API LetterSpacing {
  public:
    constexpr LetterSpacing() = default;
    constexpr LetterSpacing(const Length& length)  // NOLINT(google-explicit-constructor)
        : type_(static_cast<std::int32_t>(SpacingType::Explicit)), length_(length) {}

    constexpr bool isNormal() const {
        return type_ == static_cast<std::int32_t>(SpacingType::Normal);
    }
    constexpr const Length& getLength() const { return length_; }

    // Two normal values are equal; otherwise both must be non-normal with equal lengths.
    constexpr bool operator==(const LetterSpacing& other) const {
        if (isNormal() || other.isNormal())
            return isNormal() && other.isNormal();
        return length_ == other.length_;
    }
    constexpr bool operator!=(const LetterSpacing& other) const { return !(*this == other); }

  private:
    std::int32_t type_ = static_cast<std::int32_t>(SpacingType::Normal);  // a SpacingType
    Length length_;
};

// The SVG letter and word spacing: "normal" (exact case) or an SVG length.
class XMLATTR_API SSpacing {
  public:
    constexpr SSpacing() = default;
    constexpr SSpacing(const SLength& length)  // NOLINT(google-explicit-constructor)
        : type_(SpacingType::Explicit), length_(length) {}

    constexpr SpacingType getType() const { return type_; }
    constexpr const SLength& getSLength() const { return length_; }

    constexpr bool operator==(const SSpacing& other) const {
        return type_ == other.type_ && (type_ != SpacingType::Explicit || length_ == other.length_);
    }
    constexpr bool operator!=(const SSpacing& other) const { return !(*this == other); }

  private:
    SpacingType type_ = SpacingType::Normal;
    SLength length_;
};

// page-width and page-height.
class XMLATTR_API PageDimension {
  public:
    constexpr PageDimension(
        PageDimensionType type = PageDimensionType::Auto)  // NOLINT(google-explicit-constructor)
        : type_(type) {}
    constexpr PageDimension(const Length& length)  // NOLINT(google-explicit-constructor)
        : type_(PageDimensionType::Explicit), length_(length) {}

    constexpr PageDimensionType getType() const { return type_; }
    constexpr const Length& getLength() const { return length_; }

    constexpr bool operator==(const PageDimension& other) const {
        return type_ == other.type_ &&
               (type_ != PageDimensionType::Explicit || length_ == other.length_);
    }
    constexpr bool operator!=(const PageDimension& other) const { return !(*this == other); }

    // "auto" or "indefinite" into type; any other text gives false and leaves type.
    static bool readStringPageDimension(Core::String text, PageDimensionType& type);

  private:
    PageDimensionType type_;
    Length length_;
};

// A border width: a length, read also from "thin", "medium" and "thick" and
// written back as those keywords whenever it equals 1pt, 3pt or 5pt.
class XMLATTR_API BorderWidth : public Length {
  public:
    constexpr BorderWidth() : Length(1.5f, Pt) {}
    constexpr BorderWidth(float size, Length::Unit unit) : Length(size, unit) {}

    BorderWidth& operator=(const Length& length) {
        Length::operator=(length);
        return *this;
    }
};

namespace detail {

// A numbering mode with the number used in the explicit mode.
template <class Type>
class NumberOf {
  public:
    constexpr NumberOf(Type type = Type::Auto)
        : type_(type) {}            // NOLINT(google-explicit-constructor)
    constexpr NumberOf(int number)  // NOLINT(google-explicit-constructor)
        : type_(Type::Explicit), number_(number) {}

    constexpr Type getType() const { return type_; }

    constexpr bool operator==(const NumberOf& other) const {
        return type_ == other.type_ && (type_ != Type::Explicit || number_ == other.number_);
    }
    constexpr bool operator!=(const NumberOf& other) const { return !(*this == other); }

  protected:
    Type type_;
    std::int32_t number_ = 0;  // what a keyword mode holds
};

}  // namespace detail

class XMLATTR_API InitialPageNumber : public detail::NumberOf<InitialPageNumberType> {
  public:
    using NumberOf::NumberOf;
    constexpr int getPageNumber() const { return number_; }
};

class XMLATTR_API InitialSheetNumber : public detail::NumberOf<InitialSheetNumberType> {
  public:
    using NumberOf::NumberOf;
    constexpr int getSheetNumber() const { return number_; }
};

template <>
struct XMLATTR_API AttributeTraits<FontSize> {
    static bool parse(FontSize& value, const Core::String& text);
    static Core::String format(const FontSize& value);
};

template <>
struct XMLATTR_API AttributeTraits<Indent> {
    static bool parse(Indent& value, const Core::String& text);
    static Core::String format(const Indent& value);  // empty for None
};

template <>
struct XMLATTR_API AttributeTraits<BaselineShift> {
    static bool parse(BaselineShift& value, const Core::String& text);
    static Core::String format(const BaselineShift& value);
};

template <>
struct XMLATTR_API AttributeTraits<SBaselineShift> : NoTextFormat {
    static bool parse(SBaselineShift& value, const Core::String& text);
};

template <>
struct XMLATTR_API AttributeTraits<AlignmentAdjust> {
    static bool parse(AlignmentAdjust& value, const Core::String& text);
    static Core::String format(const AlignmentAdjust& value);
};

template <>
struct XMLATTR_API AttributeTraits<ContentLength> {
    // A failed parse marks the value null and keeps its mode and measure.
    static bool parse(ContentLength& value, const Core::String& text);
    static Core::String format(const ContentLength& value);
};

template <>
struct XMLATTR_API AttributeTraits<LetterSpacing> {
    static bool parse(LetterSpacing& value, const Core::String& text);
    static Core::String format(const LetterSpacing& value);
};

template <>
struct XMLATTR_API AttributeTraits<SSpacing> : NoTextFormat {
    static bool parse(SSpacing& value, const Core::String& text);
};

template <>
struct XMLATTR_API AttributeTraits<PageDimension> : NoTextFormat {
    static bool parse(PageDimension& value, const Core::String& text);
};

template <>
struct XMLATTR_API AttributeTraits<BorderWidth> {
    static bool parse(BorderWidth& value, const Core::String& text);
    static Core::String format(const BorderWidth& value);
};

template <>
struct XMLATTR_API AttributeTraits<InitialPageNumber> : NoTextFormat {
    // Always true: text that is no keyword is a number, at least 1.
    static bool parse(InitialPageNumber& value, const Core::String& text);
};

template <>
struct XMLATTR_API AttributeTraits<InitialSheetNumber> : NoTextFormat {
    // Always true: text that is no keyword is a number, at least 1.
    static bool parse(InitialSheetNumber& value, const Core::String& text);
};

extern template class TXmlAttribute<FontSize>;
extern template class TXmlAttribute<Indent>;
extern template class TXmlAttribute<BaselineShift>;
extern template class TXmlAttribute<SBaselineShift>;
extern template class TXmlAttribute<AlignmentAdjust>;
extern template class TXmlAttribute<ContentLength>;
extern template class TXmlAttribute<LetterSpacing>;
extern template class TXmlAttribute<SSpacing>;
extern template class TXmlAttribute<PageDimension>;
extern template class TXmlAttribute<BorderWidth>;
extern template class TXmlAttribute<InitialPageNumber>;
extern template class TXmlAttribute<InitialSheetNumber>;

}  // namespace Xml
