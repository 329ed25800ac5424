/// @file
/// Keyword-or-length values: properties that take one keyword out of a small
/// set or an explicit measure (font size, indents, baseline shifts, alignment
/// adjustment, content sizes, letter spacing, page sizes, border widths and the
/// initial page and sheet numbers).
///
/// Each value stores its mode first and its measure after it. Keywords are the
/// whole text, compared exactly unless a type says otherwise; any other text
/// goes to the measure parser, whose failure is the attribute's failure. A
/// keyword mode holds the default measure, and equality compares the measure
/// only in the mode that gives one.
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

/// A font size relative to the inherited one.
enum class XMLATTR_API RelativeFontSize : std::int32_t { Larger = 0, Smaller = 1 };

/// Keywords of RelativeFontSize: exact case, written back by name; a value without one raises.
template <>
struct KeywordsOf<RelativeFontSize> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<RelativeFontSize>(
        {.format = KeywordFormat::Strict, .raiseAt = {"FontAttributes", 74}},
        {keyword(L"larger", RelativeFontSize::Larger),
         keyword(L"smaller", RelativeFontSize::Smaller)});
};

/// The absolute font-size keywords, which FontSize reads as the point sizes
/// that are their values.
enum class XMLATTR_API AbsoluteFontSize : std::int32_t {
    XxSmall = 6,
    XSmall = 8,
    Small = 10,
    Medium = 12,
    Large = 16,
    XLarge = 18,
    XxLarge = 20,
};

/// Keywords of AbsoluteFontSize: exact case; read only, never written back.
template <>
struct KeywordsOf<AbsoluteFontSize> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AbsoluteFontSize>(
        {},
        {keyword(L"xx-small", AbsoluteFontSize::XxSmall),
         keyword(L"x-small", AbsoluteFontSize::XSmall), keyword(L"small", AbsoluteFontSize::Small),
         keyword(L"medium", AbsoluteFontSize::Medium), keyword(L"large", AbsoluteFontSize::Large),
         keyword(L"x-large", AbsoluteFontSize::XLarge),
         keyword(L"xx-large", AbsoluteFontSize::XxLarge)});
};

/// The border-width keywords, which BorderWidth reads as the point widths
/// that are their values.
enum class XMLATTR_API BorderWidthKeyword : std::int32_t { Thin = 1, Medium = 3, Thick = 5 };

/// Keywords of BorderWidthKeyword: exact case; read only, never written back.
template <>
struct KeywordsOf<BorderWidthKeyword> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<BorderWidthKeyword>({}, {keyword(L"thin", BorderWidthKeyword::Thin),
                                              keyword(L"medium", BorderWidthKeyword::Medium),
                                              keyword(L"thick", BorderWidthKeyword::Thick)});
};

/// How an indent is given: none, a measure, or a list function.
enum class XMLATTR_API IndentFunction : std::int32_t {
    None = 0,
    Explicit = 1,
    LabelEnd = 2,
    BodyStart = 3
};

/// Keywords of IndentFunction: exact case, written back by name; a value without one raises.
template <>
struct KeywordsOf<IndentFunction> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<IndentFunction>(
        {.format = KeywordFormat::Strict, .raiseAt = {"IndentAttribute", 43}},
        {keyword(L"body-start()", IndentFunction::BodyStart),
         keyword(L"label-end()", IndentFunction::LabelEnd)});
};

/// How a baseline shift is given: a keyword or a measure.
enum class XMLATTR_API BaselineShiftMode : std::int32_t {
    Baseline = 0,
    Sub = 1,
    Super = 2,
    Explicit = 3
};

/// Keywords of BaselineShiftMode: exact case, written back by name; a value without one raises.
template <>
struct KeywordsOf<BaselineShiftMode> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<BaselineShiftMode>(
        {.format = KeywordFormat::Strict, .raiseAt = {"LengthAttribute", 477}},
        {keyword(L"baseline", BaselineShiftMode::Baseline), keyword(L"sub", BaselineShiftMode::Sub),
         keyword(L"super", BaselineShiftMode::Super)});
};

/// How content is sized: automatically, scaled to fit, or by a measure.
enum class XMLATTR_API ContentScaleMode : std::int32_t { Auto = 0, ScaleToFit = 1, Explicit = 2 };

/// Keywords of ContentScaleMode: exact case, written back by name.
template <>
struct KeywordsOf<ContentScaleMode> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<ContentScaleMode>(
        {}, {keyword(L"auto", ContentScaleMode::Auto),
             keyword(L"scale-to-fit", ContentScaleMode::ScaleToFit)});
};

/// How a spacing is given: normal or a measure.
/// Exact case; letter spacing compares its keyword without case itself.
enum class XMLATTR_API SpacingType : std::int32_t { Normal = 0, Explicit = 1 };

/// Keywords of SpacingType: exact case, written back by name.
template <>
struct KeywordsOf<SpacingType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<SpacingType>({}, {keyword(L"normal", SpacingType::Normal)});
};

/// How a page dimension is given: auto, indefinite, or a measure.
enum class XMLATTR_API PageDimensionType : std::int32_t { Auto = 0, Indefinite = 1, Explicit = 2 };

/// Keywords of PageDimensionType: exact case, written back by name.
template <>
struct KeywordsOf<PageDimensionType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<PageDimensionType>(
        {}, {keyword(L"auto", PageDimensionType::Auto),
             keyword(L"indefinite", PageDimensionType::Indefinite)});
};

/// How a page sequence's first page number is found.
enum class XMLATTR_API InitialPageNumberType : std::int32_t {
    Auto = 0,
    AutoOdd = 1,
    AutoEven = 2,
    Explicit = 3,
};

/// Keywords of InitialPageNumberType: exact case, written back by name.
template <>
struct KeywordsOf<InitialPageNumberType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<InitialPageNumberType>(
        {}, {keyword(L"auto", InitialPageNumberType::Auto),
             keyword(L"auto-odd", InitialPageNumberType::AutoOdd),
             keyword(L"auto-even", InitialPageNumberType::AutoEven)});
};

/// How the first sheet number is found: auto, or a number.
enum class XMLATTR_API InitialSheetNumberType : std::int32_t { Auto = 0, Explicit = 1 };

/// Keywords of InitialSheetNumberType: exact case, written back by name.
template <>
struct KeywordsOf<InitialSheetNumberType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<InitialSheetNumberType>({}, {keyword(L"auto", InitialSheetNumberType::Auto)});
};

/// A font size: a relative keyword, or an absolute measure (the absolute
/// keywords are stored as the point sizes they stand for).
class XMLATTR_API FontSize {
  public:
    /// What the size holds; None only before a value is given.
    enum Type : std::int32_t { None = 0, Relative = 1, Absolute = 2 };

    /// A size of type None.
    constexpr FontSize() = default;
    /// A relative size.
    constexpr FontSize(RelativeFontSize size)  // NOLINT(google-explicit-constructor)
        : type_(Relative), relative_(size) {}
    /// An absolute size.
    constexpr FontSize(const LengthOrPercent& size)  // NOLINT(google-explicit-constructor)
        : type_(Absolute), absolute_(size) {}

    /// Absolute with that measure; the relative size is left as it was.
    FontSize& operator=(const LengthOrPercent& size) {
        type_ = Absolute;
        absolute_ = size;
        return *this;
    }

    /// What the size holds.
    constexpr Type getType() const { return type_; }
    /// The relative size; meaningful for type Relative.
    constexpr RelativeFontSize getRelativeSize() const { return relative_; }
    /// The measure; meaningful for type Absolute.
    constexpr const LengthOrPercent& getAbsoluteSize() const { return absolute_; }
    /// getType() is Relative.
    constexpr bool isRelativeSize() const { return type_ == Relative; }
    /// getType() is Absolute.
    constexpr bool isAbsoluteSize() const { return type_ == Absolute; }

    /// Two relative sizes or two absolute measures; a size of type None equals
    /// nothing, not even itself.
    ///@{
    constexpr bool operator==(const FontSize& other) const {
        if (type_ != other.type_)
            return false;
        return (type_ == Relative && relative_ == other.relative_) ||
               (type_ == Absolute && absolute_ == other.absolute_);
    }
    constexpr bool operator!=(const FontSize& other) const { return !(*this == other); }
    ///@}

  private:
    Type type_ = None;
    RelativeFontSize relative_ = RelativeFontSize::Larger;  // written for type None
    LengthOrPercent absolute_;
};

/// start-indent and end-indent: a measure or one of the list functions.
class XMLATTR_API Indent {
  public:
    /// No indent (IndentFunction::None).
    constexpr Indent() = default;
    /// One of the list functions (or None).
    constexpr Indent(IndentFunction function)  // NOLINT(google-explicit-constructor)
        : function_(function) {}
    /// A measure.
    constexpr Indent(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : function_(IndentFunction::Explicit), value_(value) {}

    /// The function, or Explicit for a measure.
    constexpr IndentFunction getFunction() const { return function_; }
    /// The measure; meaningful for Explicit.
    constexpr const LengthOrPercent& getLengthOrPercent() const { return value_; }

    /// Same function, and for Explicit equal measures.
    ///@{
    constexpr bool operator==(const Indent& other) const {
        return function_ == other.function_ &&
               (function_ != IndentFunction::Explicit || value_ == other.value_);
    }
    constexpr bool operator!=(const Indent& other) const { return !(*this == other); }
    ///@}

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

/// baseline-shift: "baseline", "sub", "super" or a measure. Built from a
/// BaselineShiftMode or a measure; getMode() gives the mode, and equality
/// compares the modes and, for Explicit, the measures.
class XMLATTR_API BaselineShift : public detail::ShiftOf<LengthOrPercent> {
  public:
    using ShiftOf::ShiftOf;
    /// The measure; meaningful for BaselineShiftMode::Explicit.
    constexpr const LengthOrPercent& getLengthOrPercent() const { return value_; }
};

/// The SVG baseline shift: the same keywords with an SVG measure; no text form.
class XMLATTR_API SBaselineShift : public detail::ShiftOf<SLengthOrPercent> {
  public:
    using ShiftOf::ShiftOf;
    /// The measure; meaningful for BaselineShiftMode::Explicit.
    constexpr const SLengthOrPercent& getSLengthOrPercent() const { return value_; }
};

/// alignment-adjust: a baseline keyword or a measure.
class XMLATTR_API AlignmentAdjust {
  public:
    /// The keyword auto.
    constexpr AlignmentAdjust() = default;
    /// A baseline keyword.
    constexpr AlignmentAdjust(AlignmentBaseline baseline)  // NOLINT(google-explicit-constructor)
        : baseline_(baseline) {}
    /// A measure.
    constexpr AlignmentAdjust(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : isBaseline_(false), value_(value) {}

    /// True for a keyword, false for a measure.
    constexpr bool isBaseline() const { return isBaseline_; }
    /// The keyword; meaningful when isBaseline() is true.
    constexpr AlignmentBaseline getBaseline() const { return baseline_; }
    /// The measure; meaningful when isBaseline() is false.
    constexpr const LengthOrPercent& getLengthOrPercent() const { return value_; }

    /// Two equal keywords, or two equal measures.
    ///@{
    constexpr bool operator==(const AlignmentAdjust& other) const {
        if (isBaseline_ != other.isBaseline_)
            return false;
        return isBaseline_ ? baseline_ == other.baseline_ : value_ == other.value_;
    }
    constexpr bool operator!=(const AlignmentAdjust& other) const { return !(*this == other); }
    ///@}

  private:
    bool isBaseline_ = true;
    AlignmentBaseline baseline_ = AlignmentBaseline::Auto;  // also for a measure
    LengthOrPercent value_;
};

/// content-width and content-height. The null flag says that no usable text
/// was read: it starts set, a successful parse clears it and a failed one sets it.
class XMLATTR_API ContentLength {
  public:
    /// A keyword mode, null; the default is auto.
    constexpr ContentLength(
        ContentScaleMode mode = ContentScaleMode::Auto)  // NOLINT(google-explicit-constructor)
        : mode_(mode) {}
    /// A measure, not null.
    constexpr ContentLength(const LengthOrPercent& value)  // NOLINT(google-explicit-constructor)
        : mode_(ContentScaleMode::Explicit), value_(value), null_(false) {}

    /// The mode; Explicit for a measure.
    constexpr ContentScaleMode getScaleMode() const { return mode_; }
    /// The measure; meaningful for Explicit.
    constexpr const LengthOrPercent& getLength() const { return value_; }
    /// The mode is Explicit.
    constexpr bool isLengthOrPercent() const { return mode_ == ContentScaleMode::Explicit; }
    /// The null flag.
    constexpr bool isNull() const { return null_; }
    /// Sets the null flag.
    void setNull(bool isNull) { null_ = isNull; }

    /// The measure's pixels, whatever the mode.
    float pxSize(float base) const { return value_.pxSize(base); }

    /// Modes, and for explicit values the measures; the null flags are not compared.
    ///@{
    constexpr bool operator==(const ContentLength& other) const {
        return mode_ == other.mode_ &&
               (mode_ != ContentScaleMode::Explicit || value_ == other.value_);
    }
    constexpr bool operator!=(const ContentLength& other) const { return !(*this == other); }
    ///@}

  private:
    ContentScaleMode mode_;
    LengthOrPercent value_;
    bool null_ = true;
};

/// letter-spacing: "normal" in any letter case, or a length.
class XMLATTR_API LetterSpacing {
  public:
    /// Normal.
    constexpr LetterSpacing() = default;
    /// A length.
    constexpr LetterSpacing(const Length& length)  // NOLINT(google-explicit-constructor)
        : type_(static_cast<std::int32_t>(SpacingType::Explicit)), length_(length) {}

    /// True for normal.
    constexpr bool isNormal() const {
        return type_ == static_cast<std::int32_t>(SpacingType::Normal);
    }
    /// The length; meaningful when not normal.
    constexpr const Length& getLength() const { return length_; }

    /// Two normal values are equal; otherwise both must be non-normal with equal lengths.
    ///@{
    constexpr bool operator==(const LetterSpacing& other) const {
        if (isNormal() || other.isNormal())
            return isNormal() && other.isNormal();
        return length_ == other.length_;
    }
    constexpr bool operator!=(const LetterSpacing& other) const { return !(*this == other); }
    ///@}

  private:
    std::int32_t type_ = static_cast<std::int32_t>(SpacingType::Normal);  // a SpacingType
    Length length_;
};

/// The SVG letter and word spacing: "normal" (exact case) or an SVG length.
class XMLATTR_API SSpacing {
  public:
    /// Normal.
    constexpr SSpacing() = default;
    /// A length.
    constexpr SSpacing(const SLength& length)  // NOLINT(google-explicit-constructor)
        : type_(SpacingType::Explicit), length_(length) {}

    /// Normal, or Explicit for a length.
    constexpr SpacingType getType() const { return type_; }
    /// The length; meaningful for Explicit.
    constexpr const SLength& getSLength() const { return length_; }

    /// Same type, and for Explicit equal lengths.
    ///@{
    constexpr bool operator==(const SSpacing& other) const {
        return type_ == other.type_ && (type_ != SpacingType::Explicit || length_ == other.length_);
    }
    constexpr bool operator!=(const SSpacing& other) const { return !(*this == other); }
    ///@}

  private:
    SpacingType type_ = SpacingType::Normal;
    SLength length_;
};

/// page-width and page-height.
class XMLATTR_API PageDimension {
  public:
    /// A keyword; the default is auto.
    constexpr PageDimension(
        PageDimensionType type = PageDimensionType::Auto)  // NOLINT(google-explicit-constructor)
        : type_(type) {}
    /// A length.
    constexpr PageDimension(const Length& length)  // NOLINT(google-explicit-constructor)
        : type_(PageDimensionType::Explicit), length_(length) {}

    /// The keyword, or Explicit for a length.
    constexpr PageDimensionType getType() const { return type_; }
    /// The length; meaningful for Explicit.
    constexpr const Length& getLength() const { return length_; }

    /// Same type, and for Explicit equal lengths.
    ///@{
    constexpr bool operator==(const PageDimension& other) const {
        return type_ == other.type_ &&
               (type_ != PageDimensionType::Explicit || length_ == other.length_);
    }
    constexpr bool operator!=(const PageDimension& other) const { return !(*this == other); }
    ///@}

    /// "auto" or "indefinite" into type; any other text gives false and leaves type.
    static bool readStringPageDimension(Core::String text, PageDimensionType& type);

  private:
    PageDimensionType type_;
    Length length_;
};

/// A border width: a length, read also from "thin", "medium" and "thick" and
/// written back as those keywords whenever it equals 1pt, 3pt or 5pt.
class XMLATTR_API BorderWidth : public Length {
  public:
    /// 1.5pt.
    constexpr BorderWidth() : Length(1.5f, Pt) {}
    /// The width of size units.
    constexpr BorderWidth(float size, Length::Unit unit) : Length(size, unit) {}

    /// Takes the length.
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

/// initial-page-number: a keyword or a number. Built from an
/// InitialPageNumberType (auto by default) or an int; getType() gives the
/// mode, and equality compares the modes and, for Explicit, the numbers.
class XMLATTR_API InitialPageNumber : public detail::NumberOf<InitialPageNumberType> {
  public:
    using NumberOf::NumberOf;
    /// The number; meaningful for Explicit.
    constexpr int getPageNumber() const { return number_; }
};

/// The initial sheet number: auto or a number. Built from an
/// InitialSheetNumberType (auto by default) or an int; getType() gives the
/// mode, and equality compares the modes and, for Explicit, the numbers.
class XMLATTR_API InitialSheetNumber : public detail::NumberOf<InitialSheetNumberType> {
  public:
    using NumberOf::NumberOf;
    /// The number; meaningful for Explicit.
    constexpr int getSheetNumber() const { return number_; }
};

/// Font-size attributes.
template <>
struct XMLATTR_API AttributeTraits<FontSize> {
    /// An absolute keyword ("xx-small" to "xx-large") as its point size, a
    /// relative keyword, or a measure. An absolute size keeps the relative
    /// size held before; a relative keyword replaces the whole value.
    static bool parse(FontSize& value, const Core::String& text);
    /// The measure's text for an absolute size, else the relative keyword
    /// (for type None, the one held: "larger" unless set).
    static Core::String format(const FontSize& value);
};

/// Indent attributes.
template <>
struct XMLATTR_API AttributeTraits<Indent> {
    /// A list function ("label-end()", "body-start()"), else a measure.
    static bool parse(Indent& value, const Core::String& text);
    /// The function or the measure's text; empty for None.
    static Core::String format(const Indent& value);
};

/// Baseline-shift attributes.
template <>
struct XMLATTR_API AttributeTraits<BaselineShift> {
    /// A keyword, else a measure.
    static bool parse(BaselineShift& value, const Core::String& text);
    /// The keyword, or the measure's text.
    static Core::String format(const BaselineShift& value);
};

/// SVG baseline-shift attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<SBaselineShift> : NoTextFormat {
    /// A keyword, else an SVG length or percentage.
    static bool parse(SBaselineShift& value, const Core::String& text);
};

/// Alignment-adjust attributes.
template <>
struct XMLATTR_API AttributeTraits<AlignmentAdjust> {
    /// An AlignmentBaseline keyword, else a measure.
    static bool parse(AlignmentAdjust& value, const Core::String& text);
    /// The keyword, or the measure's text.
    static Core::String format(const AlignmentAdjust& value);
};

/// Content-size attributes.
template <>
struct XMLATTR_API AttributeTraits<ContentLength> {
    /// A keyword, else a measure; success clears the null flag. A failed
    /// parse marks the value null and keeps its mode and measure.
    static bool parse(ContentLength& value, const Core::String& text);
    /// The keyword, or the measure's text.
    static Core::String format(const ContentLength& value);
};

/// Letter-spacing attributes.
template <>
struct XMLATTR_API AttributeTraits<LetterSpacing> {
    /// "normal" in any letter case, else a length.
    static bool parse(LetterSpacing& value, const Core::String& text);
    /// "normal", or the length's text.
    static Core::String format(const LetterSpacing& value);
};

/// SVG spacing attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<SSpacing> : NoTextFormat {
    /// "normal" (exact case), else an SVG length.
    static bool parse(SSpacing& value, const Core::String& text);
};

/// Page-dimension attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<PageDimension> : NoTextFormat {
    /// A keyword, else a length.
    static bool parse(PageDimension& value, const Core::String& text);
};

/// Border-width attributes.
template <>
struct XMLATTR_API AttributeTraits<BorderWidth> {
    /// "thin", "medium" or "thick" as 1pt, 3pt or 5pt, else a length.
    static bool parse(BorderWidth& value, const Core::String& text);
    /// The keyword of a width equal to 1pt, 3pt or 5pt, else the length's text.
    static Core::String format(const BorderWidth& value);
};

/// Initial-page-number attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<InitialPageNumber> : NoTextFormat {
    /// Always true: text that is no keyword is a number, at least 1.
    static bool parse(InitialPageNumber& value, const Core::String& text);
};

/// Initial-sheet-number attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<InitialSheetNumber> : NoTextFormat {
    /// Always true: text that is no keyword is a number, at least 1.
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
