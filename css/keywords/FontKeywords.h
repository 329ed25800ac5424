// Keyword enumerations of text, fonts and inline formatting.
//
// Each enum's numbers are part of the interface (defaults and callers hold
// them). Rows are listed in the order keywords are tried.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/keywords/Keyword.h"

namespace Xml {

enum class FontStyle : std::int32_t { Normal = 0, Italic = 1, Oblique = 2, Backslant = 3 };

// "oblique" reads as Italic; Oblique is only set directly and still writes "oblique".
template <>
struct KeywordsOf<FontStyle> {
    static constexpr auto table = keywordTable<FontStyle>(
        {.format = KeywordFormat::Strict, .raiseAt = {"FontAttributes", __LINE__}},
        {keyword(L"italic", FontStyle::Italic), keywordAlias(L"oblique", FontStyle::Italic),
         keyword(L"backslant", FontStyle::Backslant), keyword(L"normal", FontStyle::Normal),
         writtenAs(L"oblique", FontStyle::Oblique)});
};

enum class FontWeight : std::int32_t { Normal = 0, Bold = 1 };

// After the keywords, an integer weight: above 400 is bold.
template <>
struct KeywordsOf<FontWeight> {
    static constexpr auto table = keywordTable<FontWeight>(
        {.format = KeywordFormat::Fallback,
         .fallback = L"normal",
         .noMatch = integerThreshold(400, FontWeight::Bold, FontWeight::Normal)},
        {keyword(L"bold", FontWeight::Bold), keywordAlias(L"bolded", FontWeight::Bold),
         keywordAlias(L"bolder", FontWeight::Bold), keyword(L"normal", FontWeight::Normal),
         keywordAlias(L"lighter", FontWeight::Normal)});
};

enum class FontVariant : std::int32_t { Normal = 0, SmallCaps = 1 };

template <>
struct KeywordsOf<FontVariant> {
    static constexpr auto table = keywordTable<FontVariant>(
        {.format = KeywordFormat::None},
        {keyword(L"small-caps", FontVariant::SmallCaps), keyword(L"normal", FontVariant::Normal)});
};

// The style of underline, overline and line-through rules.
enum class TextLineStyle : std::int32_t {
    None = 0,
    Solid = 1,
    Double = 2,
    Dotted = 3,
    Dashed = 4,
    DotDash = 5,
    DotDotDash = 6,
};

template <>
struct KeywordsOf<TextLineStyle> {
    static constexpr auto table = keywordTable<TextLineStyle>(
        {.format = KeywordFormat::Strict, .raiseAt = {"FontAttributes", __LINE__}},
        {keyword(L"solid", TextLineStyle::Solid), keyword(L"double", TextLineStyle::Double),
         keyword(L"dotted", TextLineStyle::Dotted), keyword(L"dashed", TextLineStyle::Dashed),
         keyword(L"dot-dash", TextLineStyle::DotDash),
         keyword(L"dot-dot-dash", TextLineStyle::DotDotDash),
         keyword(L"none", TextLineStyle::None)});
};

// "left" and "right" read as Start and End; Left, LeftAlternate and Right are
// only set directly (the default holds Left).
enum class TextAlign : std::int32_t {
    Left = 0,
    LeftAlternate = 1,  // no keyword of its own; written as "left"
    Right = 2,
    Center = 3,
    Justify = 4,
    Start = 5,
    End = 6,
    Inside = 7,
    Outside = 8,
};

template <>
struct KeywordsOf<TextAlign> {
    static constexpr auto table = keywordTable<TextAlign>(
        {.match = KeywordMatch::LowerCased,
         .format = KeywordFormat::Strict,
         .raiseAt = {"MiscAttributes", __LINE__}},
        {keywordAlias(L"left", TextAlign::Start), keywordAlias(L"right", TextAlign::End),
         keyword(L"center", TextAlign::Center), keyword(L"justify", TextAlign::Justify),
         keyword(L"start", TextAlign::Start), keyword(L"end", TextAlign::End),
         keyword(L"inside", TextAlign::Inside), keyword(L"outside", TextAlign::Outside),
         writtenAs(L"left", TextAlign::Left), writtenAs(L"left", TextAlign::LeftAlternate),
         writtenAs(L"right", TextAlign::Right)});
};

enum class TextDirection : std::int32_t { Ltr = 0, Rtl = 1 };

template <>
struct KeywordsOf<TextDirection> {
    static constexpr auto table = keywordTable<TextDirection>(
        {.format = KeywordFormat::None},
        {keyword(L"ltr", TextDirection::Ltr), keyword(L"rtl", TextDirection::Rtl)});
};

enum class WhiteSpaceTreatment : std::int32_t {
    Ignore = 0,
    Preserve = 1,
    IgnoreIfBeforeLinefeed = 2,
    IgnoreIfAfterLinefeed = 3,
    IgnoreIfSurroundingLinefeed = 4,
};

template <>
struct KeywordsOf<WhiteSpaceTreatment> {
    static constexpr auto table = keywordTable<WhiteSpaceTreatment>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"ignore", WhiteSpaceTreatment::Ignore),
         keyword(L"preserve", WhiteSpaceTreatment::Preserve),
         keyword(L"ignore-if-before-linefeed", WhiteSpaceTreatment::IgnoreIfBeforeLinefeed),
         keyword(L"ignore-if-after-linefeed", WhiteSpaceTreatment::IgnoreIfAfterLinefeed),
         keyword(L"ignore-if-surrounding-linefeed",
                 WhiteSpaceTreatment::IgnoreIfSurroundingLinefeed)});
};

enum class LinefeedTreatment : std::int32_t {
    Ignore = 0,
    Preserve = 1,
    TreatAsSpace = 2,
    TreatAsZeroWidthSpace = 3,
};

template <>
struct KeywordsOf<LinefeedTreatment> {
    static constexpr auto table = keywordTable<LinefeedTreatment>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"ignore", LinefeedTreatment::Ignore),
         keyword(L"preserve", LinefeedTreatment::Preserve),
         keyword(L"treat-as-space", LinefeedTreatment::TreatAsSpace),
         keyword(L"treat-as-zero-width-space", LinefeedTreatment::TreatAsZeroWidthSpace)});
};

enum class WrapOption : std::int32_t { Wrap = 0, NoWrap = 1 };

template <>
struct KeywordsOf<WrapOption> {
    static constexpr auto table = keywordTable<WrapOption>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"wrap", WrapOption::Wrap), keyword(L"no-wrap", WrapOption::NoWrap)});
};

// The numbers do not follow the order keywords are tried in.
enum class LineStackingStrategy : std::int32_t { LineHeight = 0, FontHeight = 1, MaxHeight = 2 };

template <>
struct KeywordsOf<LineStackingStrategy> {
    static constexpr auto table = keywordTable<LineStackingStrategy>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"font-height", LineStackingStrategy::FontHeight),
         keyword(L"line-height", LineStackingStrategy::LineHeight),
         keyword(L"max-height", LineStackingStrategy::MaxHeight)});
};

enum class LineHeightShiftAdjustment : std::int32_t { ConsiderShifts = 0, DisregardShifts = 1 };

template <>
struct KeywordsOf<LineHeightShiftAdjustment> {
    static constexpr auto table = keywordTable<LineHeightShiftAdjustment>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"consider-shifts", LineHeightShiftAdjustment::ConsiderShifts),
         keyword(L"disregard-shifts", LineHeightShiftAdjustment::DisregardShifts)});
};

// Also the keyword form of AlignmentAdjust, read and written by this table.
enum class AlignmentBaseline : std::int32_t {
    Auto = 0,
    Baseline = 1,
    BeforeEdge = 2,
    TextBeforeEdge = 3,
    Middle = 4,
    Central = 5,
    AfterEdge = 6,
    TextAfterEdge = 7,
    Ideographic = 8,
    Alphabetic = 9,
    Hanging = 10,
    Mathematical = 11,
    Top = 12,
    TextTop = 13,
    Bottom = 14,
    TextBottom = 15,
};

template <>
struct KeywordsOf<AlignmentBaseline> {
    static constexpr auto table = keywordTable<AlignmentBaseline>(
        {},
        {keyword(L"auto", AlignmentBaseline::Auto),
         keyword(L"baseline", AlignmentBaseline::Baseline),
         keyword(L"before-edge", AlignmentBaseline::BeforeEdge),
         keyword(L"text-before-edge", AlignmentBaseline::TextBeforeEdge),
         keyword(L"middle", AlignmentBaseline::Middle),
         keyword(L"central", AlignmentBaseline::Central),
         keyword(L"after-edge", AlignmentBaseline::AfterEdge),
         keyword(L"text-after-edge", AlignmentBaseline::TextAfterEdge),
         keyword(L"ideographic", AlignmentBaseline::Ideographic),
         keyword(L"alphabetic", AlignmentBaseline::Alphabetic),
         keyword(L"hanging", AlignmentBaseline::Hanging),
         keyword(L"mathematical", AlignmentBaseline::Mathematical),
         keyword(L"top", AlignmentBaseline::Top), keyword(L"text-top", AlignmentBaseline::TextTop),
         keyword(L"bottom", AlignmentBaseline::Bottom),
         keyword(L"text-bottom", AlignmentBaseline::TextBottom)});
};

enum class DisplayAlign : std::int32_t { Before = 0, After = 1, Center = 2 };

template <>
struct KeywordsOf<DisplayAlign> {
    static constexpr auto table = keywordTable<DisplayAlign>(
        {}, {keyword(L"before", DisplayAlign::Before), keyword(L"after", DisplayAlign::After),
             keyword(L"center", DisplayAlign::Center)});
};

// The formatting-object visibility (SVG has its own).
enum class Visibility : std::int32_t { Visible = 0, Hidden = 1, Collapse = 2 };

template <>
struct KeywordsOf<Visibility> {
    static constexpr auto table = keywordTable<Visibility>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"visible", Visibility::Visible), keyword(L"hidden", Visibility::Hidden),
         keyword(L"collapse", Visibility::Collapse)});
};

enum class LeaderPattern : std::int32_t { Space = 0, Rule = 1, Dots = 2, UseContent = 3 };

template <>
struct KeywordsOf<LeaderPattern> {
    static constexpr auto table = keywordTable<LeaderPattern>(
        {}, {keyword(L"space", LeaderPattern::Space), keyword(L"rule", LeaderPattern::Rule),
             keyword(L"dots", LeaderPattern::Dots),
             keyword(L"use-content", LeaderPattern::UseContent)});
};

enum class LeaderAlignment : std::int32_t { None = 0, ReferenceArea = 1, Page = 2 };

template <>
struct KeywordsOf<LeaderAlignment> {
    static constexpr auto table = keywordTable<LeaderAlignment>(
        {}, {keyword(L"none", LeaderAlignment::None),
             keyword(L"reference-area", LeaderAlignment::ReferenceArea),
             keyword(L"page", LeaderAlignment::Page)});
};

// The alignment at one tab stop.
enum class TabStopType : std::int32_t { Left = 0, Center = 1, Right = 2 };

template <>
struct KeywordsOf<TabStopType> {
    static constexpr auto table = keywordTable<TabStopType>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"left", TabStopType::Left), keyword(L"center", TabStopType::Center),
         keyword(L"right", TabStopType::Right)});
};

// The leader drawn up to a tab stop.
enum class TabPattern : std::int32_t { None = 0, Dot = 1, Hyphen = 2, Underscore = 3 };

template <>
struct KeywordsOf<TabPattern> {
    static constexpr auto table = keywordTable<TabPattern>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"none", TabPattern::None), keyword(L"dot", TabPattern::Dot),
         keyword(L"hyphen", TabPattern::Hyphen), keyword(L"underscore", TabPattern::Underscore)});
};

extern template class TXmlAttribute<FontStyle>;
extern template class TXmlAttribute<FontWeight>;
extern template class TXmlAttribute<FontVariant>;
extern template class TXmlAttribute<TextLineStyle>;
extern template class TXmlAttribute<TextAlign>;
extern template class TXmlAttribute<TextDirection>;
extern template class TXmlAttribute<WhiteSpaceTreatment>;
extern template class TXmlAttribute<LinefeedTreatment>;
extern template class TXmlAttribute<WrapOption>;
extern template class TXmlAttribute<LineStackingStrategy>;
extern template class TXmlAttribute<LineHeightShiftAdjustment>;
extern template class TXmlAttribute<AlignmentBaseline>;
extern template class TXmlAttribute<DisplayAlign>;
extern template class TXmlAttribute<Visibility>;
extern template class TXmlAttribute<LeaderPattern>;
extern template class TXmlAttribute<LeaderAlignment>;
extern template class TXmlAttribute<TabStopType>;
extern template class TXmlAttribute<TabPattern>;

}  // namespace Xml
