/// @file
/// Keyword settings of how an area is placed and painted: absolute and
/// relative positioning, overflow, floats, table layout and border collapsing,
/// border styles, background repetition, image scaling, and the anchor and
/// position of placed objects.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/keywords/Keyword.h"

namespace Xml {

/// How an area is positioned: in the normal flow, against its containing area, or fixed on the
/// page.
enum class XMLATTR_API AbsolutePosition : std::int32_t { Auto = 0, Absolute = 1, Fixed = 2 };

/// Keywords of AbsolutePosition: exact case, written back by name; a value without one raises.
template <>
struct KeywordsOf<AbsolutePosition> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AbsolutePosition>(
        {.format = KeywordFormat::Strict, .raiseAt = {"MiscAttributes", __LINE__}},
        {keyword(L"absolute", AbsolutePosition::Absolute),
         keyword(L"fixed", AbsolutePosition::Fixed), keyword(L"auto", AbsolutePosition::Auto)});
};

/// Whether an area is shifted from its place in the normal flow.
enum class XMLATTR_API RelativePosition : std::int32_t { Static = 0, Relative = 1 };

/// Keywords of RelativePosition: exact case, written back by name; a value without one raises.
template <>
struct KeywordsOf<RelativePosition> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<RelativePosition>(
        {.format = KeywordFormat::Strict, .raiseAt = {"MiscAttributes", __LINE__}},
        {keyword(L"relative", RelativePosition::Relative),
         keyword(L"static", RelativePosition::Static)});
};

/// What happens to content that overflows its area.
/// "repeat" and "auto" read as Visible and "scroll" as Hidden; each is written
/// back as its value's own keyword.
enum class XMLATTR_API Overflow : std::int32_t { Visible = 0, Hidden = 1, ErrorIfOverflow = 2 };

/// Keywords of Overflow: exact case, written back by name.
template <>
struct KeywordsOf<Overflow> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<Overflow>(
        {}, {keyword(L"visible", Overflow::Visible), keyword(L"hidden", Overflow::Hidden),
             keyword(L"error-if-overflow", Overflow::ErrorIfOverflow),
             keywordAlias(L"repeat", Overflow::Visible), keywordAlias(L"scroll", Overflow::Hidden),
             keywordAlias(L"auto", Overflow::Visible)});
};

/// The side a float goes to.
enum class XMLATTR_API FloatPosition : std::int32_t { Left = 0, Right = 1 };

/// Keywords of FloatPosition: any letter case, written back by name.
template <>
struct KeywordsOf<FloatPosition> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<FloatPosition>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"left", FloatPosition::Left), keyword(L"right", FloatPosition::Right)});
};

/// How a table's column widths are found: from the content, or from the given widths.
enum class XMLATTR_API TableLayout : std::int32_t { Auto = 0, Fixed = 1 };

/// Keywords of TableLayout: exact case, written back by name.
template <>
struct KeywordsOf<TableLayout> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<TableLayout>(
        {}, {keyword(L"auto", TableLayout::Auto), keyword(L"fixed", TableLayout::Fixed)});
};

/// Whether the borders of adjacent table cells are merged or kept apart.
enum class XMLATTR_API BorderCollapse : std::int32_t {
    Collapse = 0,
    CollapseWithPrecedence = 1,
    Separate = 2,
};

/// Keywords of BorderCollapse: exact case, written back by name.
template <>
struct KeywordsOf<BorderCollapse> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<BorderCollapse>(
        {}, {keyword(L"collapse", BorderCollapse::Collapse),
             keyword(L"collapse-with-precedence", BorderCollapse::CollapseWithPrecedence),
             keyword(L"separate", BorderCollapse::Separate)});
};

/// Border styles and the style of leader rules. The numbers are not those of
/// TextLineStyle: Solid is 7 here.
enum class XMLATTR_API BorderStyle : std::int32_t {
    None = 0,
    Inset = 1,
    Groove = 2,
    Outset = 3,
    Ridge = 4,
    Dotted = 5,
    Dashed = 6,
    Solid = 7,
    Double = 8,
    Hidden = 9,
};

/// Keywords of BorderStyle: exact case, written back by name.
template <>
struct KeywordsOf<BorderStyle> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<BorderStyle>(
        {}, {keyword(L"none", BorderStyle::None), keyword(L"solid", BorderStyle::Solid),
             keyword(L"hidden", BorderStyle::Hidden), keyword(L"dotted", BorderStyle::Dotted),
             keyword(L"dashed", BorderStyle::Dashed), keyword(L"double", BorderStyle::Double),
             keyword(L"groove", BorderStyle::Groove), keyword(L"ridge", BorderStyle::Ridge),
             keyword(L"inset", BorderStyle::Inset), keyword(L"outset", BorderStyle::Outset)});
};

/// How a background image repeats: in both directions, along one axis, or not at all.
enum class XMLATTR_API BackgroundRepeat : std::int32_t {
    Repeat = 0,
    RepeatX = 1,
    RepeatY = 2,
    NoRepeat = 3
};

/// Keywords of BackgroundRepeat: exact case, written back by name.
template <>
struct KeywordsOf<BackgroundRepeat> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<BackgroundRepeat>({}, {keyword(L"repeat", BackgroundRepeat::Repeat),
                                            keyword(L"repeat-x", BackgroundRepeat::RepeatX),
                                            keyword(L"repeat-y", BackgroundRepeat::RepeatY),
                                            keyword(L"no-repeat", BackgroundRepeat::NoRepeat)});
};

/// Whether an image keeps its aspect ratio when scaled.
enum class XMLATTR_API Scaling : std::int32_t { Uniform = 0, NonUniform = 1 };

/// Keywords of Scaling: exact case, written back by name.
template <>
struct KeywordsOf<Scaling> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<Scaling>(
        {}, {keyword(L"uniform", Scaling::Uniform), keyword(L"non-uniform", Scaling::NonUniform)});
};

/// What an object's scaling refers to: the line or the block.
enum class XMLATTR_API ScalingReference : std::int32_t { Line = 0, Block = 1 };

/// Keywords of ScalingReference: any letter case, written back by name.
template <>
struct KeywordsOf<ScalingReference> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<ScalingReference>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"line", ScalingReference::Line), keyword(L"block", ScalingReference::Block)});
};

/// What a placed object's horizontal position is measured from.
enum class XMLATTR_API AnchorX : std::int32_t { Auto = 0, Body = 1, Page = 2, Character = 3 };

/// Keywords of AnchorX: any letter case, not written back.
template <>
struct KeywordsOf<AnchorX> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AnchorX>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"body", AnchorX::Body), keyword(L"page", AnchorX::Page),
         keyword(L"character", AnchorX::Character), keyword(L"auto", AnchorX::Auto)});
};

/// What a placed object's vertical position is measured from.
enum class XMLATTR_API AnchorY : std::int32_t { Auto = 0, Body = 1, Page = 2, Block = 3, Line = 4 };

/// Keywords of AnchorY: any letter case, not written back.
template <>
struct KeywordsOf<AnchorY> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AnchorY>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"body", AnchorY::Body), keyword(L"page", AnchorY::Page),
         keyword(L"block", AnchorY::Block), keyword(L"line", AnchorY::Line),
         keyword(L"auto", AnchorY::Auto)});
};

/// Where a placed object stands horizontally against its anchor.
enum class XMLATTR_API PositionX : std::int32_t { Auto = 0, Left = 1, Center = 2, Right = 3 };

/// Keywords of PositionX: any letter case, not written back.
template <>
struct KeywordsOf<PositionX> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<PositionX>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"left", PositionX::Left), keyword(L"center", PositionX::Center),
         keyword(L"right", PositionX::Right), keyword(L"auto", PositionX::Auto)});
};

/// Where a placed object stands vertically against its anchor.
enum class XMLATTR_API PositionY : std::int32_t { Auto = 0, Top = 1, Middle = 2, Bottom = 3 };

/// Keywords of PositionY: any letter case, not written back.
template <>
struct KeywordsOf<PositionY> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<PositionY>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"top", PositionY::Top), keyword(L"middle", PositionY::Middle),
         keyword(L"bottom", PositionY::Bottom), keyword(L"auto", PositionY::Auto)});
};

extern template class TXmlAttribute<AbsolutePosition>;
extern template class TXmlAttribute<RelativePosition>;
extern template class TXmlAttribute<Overflow>;
extern template class TXmlAttribute<FloatPosition>;
extern template class TXmlAttribute<TableLayout>;
extern template class TXmlAttribute<BorderCollapse>;
extern template class TXmlAttribute<BorderStyle>;
extern template class TXmlAttribute<BackgroundRepeat>;
extern template class TXmlAttribute<Scaling>;
extern template class TXmlAttribute<ScalingReference>;
extern template class TXmlAttribute<AnchorX>;
extern template class TXmlAttribute<AnchorY>;
extern template class TXmlAttribute<PositionX>;
extern template class TXmlAttribute<PositionY>;

}  // namespace Xml
