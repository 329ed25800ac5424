/// @file
/// Keyword enumerations of text, fonts and inline formatting.
///
/// Each enum's numbers are part of the interface (defaults and callers hold
/// them). Rows are listed in the order keywords are tried.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/keywords/Keyword.h"

namespace Xml {

/// The slant of a font.
enum class XMLATTR_API FontStyle : std::int32_t {
    Normal = 0,
    Italic = 1,
    Oblique = 2,
    Backslant = 3
};

/// Keywords of FontStyle: exact case, written back by name; a value without one raises.
/// "oblique" reads as Italic; Oblique is only set directly and still writes "oblique".
template <>
struct KeywordsOf<FontStyle> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<FontStyle>(
        {.format = KeywordFormat::Strict, .raiseAt = {"FontAttributes", __LINE__}},
        {keyword(L"italic", FontStyle::Italic), keywordAlias(L"oblique", FontStyle::Italic),
         keyword(L"backslant", FontStyle::Backslant), keyword(L"normal", FontStyle::Normal),
         writtenAs(L"oblique", FontStyle::Oblique)});
};

/// The weight of a font.
enum class XMLATTR_API FontWeight : std::int32_t { Normal = 0, Bold = 1 };

/// Keywords of FontWeight: exact case, written back by name, "normal" for a value without one.
/// After the keywords, an integer weight: above 400 is bold.
template <>
struct KeywordsOf<FontWeight> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<FontWeight>(
        {.format = KeywordFormat::Fallback,
         .fallback = L"normal",
         .noMatch = integerThreshold(400, FontWeight::Bold, FontWeight::Normal)},
        {keyword(L"bold", FontWeight::Bold), keywordAlias(L"bolded", FontWeight::Bold),
         keywordAlias(L"bolder", FontWeight::Bold), keyword(L"normal", FontWeight::Normal),
         keywordAlias(L"lighter", FontWeight::Normal)});
};

/// Whether lower-case letters are set as small capitals.
enum class XMLATTR_API FontVariant : std::int32_t { Normal = 0, SmallCaps = 1 };

/// Keywords of FontVariant: exact case, not written back.
template <>
struct KeywordsOf<FontVariant> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<FontVariant>(
        {.format = KeywordFormat::None},
        {keyword(L"small-caps", FontVariant::SmallCaps), keyword(L"normal", FontVariant::Normal)});
};

/// The style of underline, overline and line-through rules.
enum class XMLATTR_API TextLineStyle : std::int32_t {
    None = 0,
    Solid = 1,
    Double = 2,
    Dotted = 3,
    Dashed = 4,
    DotDash = 5,
    DotDotDash = 6,
};

/// Keywords of TextLineStyle: exact case, written back by name; a value without one raises.
template <>
struct KeywordsOf<TextLineStyle> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<TextLineStyle>(
        {.format = KeywordFormat::Strict, .raiseAt = {"FontAttributes", __LINE__}},
        {keyword(L"solid", TextLineStyle::Solid), keyword(L"double", TextLineStyle::Double),
         keyword(L"dotted", TextLineStyle::Dotted), keyword(L"dashed", TextLineStyle::Dashed),
         keyword(L"dot-dash", TextLineStyle::DotDash),
         keyword(L"dot-dot-dash", TextLineStyle::DotDotDash),
         keyword(L"none", TextLineStyle::None)});
};

/// The alignment of the lines of a block.
/// "left" and "right" read as Start and End; Left, LeftAlternate and Right are
/// only set directly (the default holds Left).
enum class XMLATTR_API TextAlign : std::int32_t {
    Left = 0,
    LeftAlternate = 1,  ///< no keyword of its own; written as "left"
    Right = 2,
    Center = 3,
    Justify = 4,
    Start = 5,
    End = 6,
    Inside = 7,
    Outside = 8,
};

/// Keywords of TextAlign: the text lower-cased, written back by name; a value without one raises.
template <>
struct KeywordsOf<TextAlign> {
    /// The rows in the order they are tried, and the rules.
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

/// The writing direction: left to right or right to left.
enum class XMLATTR_API TextDirection : std::int32_t { Ltr = 0, Rtl = 1 };

/// Keywords of TextDirection: exact case, not written back.
template <>
struct KeywordsOf<TextDirection> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<TextDirection>(
        {.format = KeywordFormat::None},
        {keyword(L"ltr", TextDirection::Ltr), keyword(L"rtl", TextDirection::Rtl)});
};

/// What happens to white space around line feeds.
enum class XMLATTR_API WhiteSpaceTreatment : std::int32_t {
    Ignore = 0,
    Preserve = 1,
    IgnoreIfBeforeLinefeed = 2,
    IgnoreIfAfterLinefeed = 3,
    IgnoreIfSurroundingLinefeed = 4,
};

/// Keywords of WhiteSpaceTreatment: any letter case, written back by name.
template <>
struct KeywordsOf<WhiteSpaceTreatment> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<WhiteSpaceTreatment>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"ignore", WhiteSpaceTreatment::Ignore),
         keyword(L"preserve", WhiteSpaceTreatment::Preserve),
         keyword(L"ignore-if-before-linefeed", WhiteSpaceTreatment::IgnoreIfBeforeLinefeed),
         keyword(L"ignore-if-after-linefeed", WhiteSpaceTreatment::IgnoreIfAfterLinefeed),
         keyword(L"ignore-if-surrounding-linefeed",
                 WhiteSpaceTreatment::IgnoreIfSurroundingLinefeed)});
};

/// What happens to line feeds in text.
enum class XMLATTR_API LinefeedTreatment : std::int32_t {
    Ignore = 0,
    Preserve = 1,
    TreatAsSpace = 2,
    TreatAsZeroWidthSpace = 3,
};

/// Keywords of LinefeedTreatment: any letter case, written back by name.
template <>
struct KeywordsOf<LinefeedTreatment> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<LinefeedTreatment>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"ignore", LinefeedTreatment::Ignore),
         keyword(L"preserve", LinefeedTreatment::Preserve),
         keyword(L"treat-as-space", LinefeedTreatment::TreatAsSpace),
         keyword(L"treat-as-zero-width-space", LinefeedTreatment::TreatAsZeroWidthSpace)});
};

/// Whether lines wrap at the area's edge.
enum class XMLATTR_API WrapOption : std::int32_t { Wrap = 0, NoWrap = 1 };

/// Keywords of WrapOption: any letter case, written back by name.
template <>
struct KeywordsOf<WrapOption> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<WrapOption>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"wrap", WrapOption::Wrap), keyword(L"no-wrap", WrapOption::NoWrap)});
};

/// How the height of a line is found.
/// The numbers do not follow the order keywords are tried in.
enum class XMLATTR_API LineStackingStrategy : std::int32_t {
    LineHeight = 0,
    FontHeight = 1,
    MaxHeight = 2
};

/// Keywords of LineStackingStrategy: any letter case, written back by name.
template <>
struct KeywordsOf<LineStackingStrategy> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<LineStackingStrategy>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"font-height", LineStackingStrategy::FontHeight),
         keyword(L"line-height", LineStackingStrategy::LineHeight),
         keyword(L"max-height", LineStackingStrategy::MaxHeight)});
};

/// Whether baseline shifts count in a line's height.
enum class XMLATTR_API LineHeightShiftAdjustment : std::int32_t {
    ConsiderShifts = 0,
    DisregardShifts = 1
};

/// Keywords of LineHeightShiftAdjustment: any letter case, written back by name.
template <>
struct KeywordsOf<LineHeightShiftAdjustment> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<LineHeightShiftAdjustment>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"consider-shifts", LineHeightShiftAdjustment::ConsiderShifts),
         keyword(L"disregard-shifts", LineHeightShiftAdjustment::DisregardShifts)});
};

/// The baseline an inline object aligns with.
/// Also the keyword form of AlignmentAdjust, read and written by this table.
enum class XMLATTR_API AlignmentBaseline : std::int32_t {
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

/// Keywords of AlignmentBaseline: exact case, written back by name.
template <>
struct KeywordsOf<AlignmentBaseline> {
    /// The rows in the order they are tried, and the rules.
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

/// The alignment of content in the block-progression direction.
enum class XMLATTR_API DisplayAlign : std::int32_t { Before = 0, After = 1, Center = 2 };

/// Keywords of DisplayAlign: exact case, written back by name.
template <>
struct KeywordsOf<DisplayAlign> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<DisplayAlign>(
        {}, {keyword(L"before", DisplayAlign::Before), keyword(L"after", DisplayAlign::After),
             keyword(L"center", DisplayAlign::Center)});
};

/// The formatting-object visibility (SVG has its own).
enum class XMLATTR_API Visibility : std::int32_t { Visible = 0, Hidden = 1, Collapse = 2 };

/// Keywords of Visibility: any letter case, written back by name.
template <>
struct KeywordsOf<Visibility> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<Visibility>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"visible", Visibility::Visible), keyword(L"hidden", Visibility::Hidden),
         keyword(L"collapse", Visibility::Collapse)});
};

/// What a leader is drawn with.
enum class XMLATTR_API LeaderPattern : std::int32_t {
    Space = 0,
    Rule = 1,
    Dots = 2,
    UseContent = 3
};

/// Keywords of LeaderPattern: exact case, written back by name.
template <>
struct KeywordsOf<LeaderPattern> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<LeaderPattern>(
        {}, {keyword(L"space", LeaderPattern::Space), keyword(L"rule", LeaderPattern::Rule),
             keyword(L"dots", LeaderPattern::Dots),
             keyword(L"use-content", LeaderPattern::UseContent)});
};

/// What leader patterns align with.
enum class XMLATTR_API LeaderAlignment : std::int32_t { None = 0, ReferenceArea = 1, Page = 2 };

/// Keywords of LeaderAlignment: exact case, written back by name.
template <>
struct KeywordsOf<LeaderAlignment> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<LeaderAlignment>(
        {}, {keyword(L"none", LeaderAlignment::None),
             keyword(L"reference-area", LeaderAlignment::ReferenceArea),
             keyword(L"page", LeaderAlignment::Page)});
};

/// The alignment at one tab stop.
enum class XMLATTR_API TabStopType : std::int32_t { Left = 0, Center = 1, Right = 2 };

/// Keywords of TabStopType: any letter case, written back by name.
template <>
struct KeywordsOf<TabStopType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<TabStopType>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"left", TabStopType::Left), keyword(L"center", TabStopType::Center),
         keyword(L"right", TabStopType::Right)});
};

/// The leader drawn up to a tab stop.
enum class XMLATTR_API TabPattern : std::int32_t { None = 0, Dot = 1, Hyphen = 2, Underscore = 3 };

/// Keywords of TabPattern: any letter case, written back by name.
template <>
struct KeywordsOf<TabPattern> {
    /// The rows in the order they are tried, and the rules.
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
