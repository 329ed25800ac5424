/// @file
/// Keyword settings of embedded SVG graphics: stroke caps and joins, text
/// anchoring, visibility and display, gradient units and spread, and the
/// text-decoration flags. Keywords are compared exactly and no value is
/// written back as text.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/keywords/Keyword.h"
#include "platform/Gradient.h"

namespace Xml {

/// The shape at the ends of an open SVG stroke.
enum class XMLATTR_API SLineCap : std::int32_t { Butt = 0, Round = 1, Square = 2 };

/// Keywords of SLineCap: exact case, not written back.
template <>
struct KeywordsOf<SLineCap> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<SLineCap>(
        {.format = KeywordFormat::None},
        {keyword(L"butt", SLineCap::Butt), keyword(L"round", SLineCap::Round),
         keyword(L"square", SLineCap::Square)});
};

/// The shape at the corners of an SVG stroke.
/// "round" is 2 here but 1 as a line cap.
enum class XMLATTR_API SLineJoin : std::int32_t { Miter = 0, Bevel = 1, Round = 2 };

/// Keywords of SLineJoin: exact case, not written back.
template <>
struct KeywordsOf<SLineJoin> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<SLineJoin>(
        {.format = KeywordFormat::None},
        {keyword(L"miter", SLineJoin::Miter), keyword(L"round", SLineJoin::Round),
         keyword(L"bevel", SLineJoin::Bevel)});
};

/// Which point of SVG text its position gives.
/// Unspecified is the zero an attribute starts from; parsing never gives it.
enum class XMLATTR_API STextAnchor : std::int32_t {
    Unspecified = 0,
    Start = 1,
    Middle = 2,
    End = 3
};

/// Keywords of STextAnchor: exact case, not written back.
template <>
struct KeywordsOf<STextAnchor> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<STextAnchor>(
        {.format = KeywordFormat::None},
        {keyword(L"start", STextAnchor::Start), keyword(L"middle", STextAnchor::Middle),
         keyword(L"end", STextAnchor::End)});
};

/// The visibility of an SVG element.
/// Unspecified is the zero an attribute starts from; parsing never gives it.
enum class XMLATTR_API SVisibility : std::int32_t {
    Unspecified = 0,
    Visible = 1,
    Hidden = 2,
    Collapse = 3
};

/// Keywords of SVisibility: exact case, not written back.
template <>
struct KeywordsOf<SVisibility> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<SVisibility>(
        {.format = KeywordFormat::None},
        {keyword(L"visible", SVisibility::Visible), keyword(L"hidden", SVisibility::Hidden),
         keyword(L"collapse", SVisibility::Collapse)});
};

/// How an SVG element is displayed; None hides it.
/// Any text is accepted: one that is no keyword leaves the value as it was.
enum class XMLATTR_API SDisplay : std::int32_t {
    Inline = 0,
    Block = 1,
    ListItem = 2,
    RunIn = 3,
    Compact = 4,
    Marker = 5,
    Table = 6,
    InlineTable = 7,
    TableRowGroup = 8,
    TableHeaderGroup = 9,
    TableFooterGroup = 10,
    TableRow = 11,
    TableColumnGroup = 12,
    TableColumn = 13,
    TableCell = 14,
    TableCaption = 15,
    None = 16,
};

/// Keywords of SDisplay: exact case, not written back.
template <>
struct KeywordsOf<SDisplay> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<SDisplay>(
        {.format = KeywordFormat::None, .noMatch = acceptUnchanged()},
        {keyword(L"inline", SDisplay::Inline), keyword(L"block", SDisplay::Block),
         keyword(L"list-item", SDisplay::ListItem), keyword(L"run-in", SDisplay::RunIn),
         keyword(L"compact", SDisplay::Compact), keyword(L"marker", SDisplay::Marker),
         keyword(L"table", SDisplay::Table), keyword(L"inline-table", SDisplay::InlineTable),
         keyword(L"table-row-group", SDisplay::TableRowGroup),
         keyword(L"table-header-group", SDisplay::TableHeaderGroup),
         keyword(L"table-footer-group", SDisplay::TableFooterGroup),
         keyword(L"table-row", SDisplay::TableRow),
         keyword(L"table-column-group", SDisplay::TableColumnGroup),
         keyword(L"table-column", SDisplay::TableColumn),
         keyword(L"table-cell", SDisplay::TableCell),
         keyword(L"table-caption", SDisplay::TableCaption), keyword(L"none", SDisplay::None)});
};

/// Keywords of Drawing::GradientUnits: exact case, not written back.
template <>
struct KeywordsOf<Drawing::GradientUnits> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<Drawing::GradientUnits>(
        {.format = KeywordFormat::None},
        {keyword(L"userSpaceOnUse", Drawing::GradientUnits::UserSpaceOnUse),
         keyword(L"objectBoundingBox", Drawing::GradientUnits::ObjectBoundingBox)});
};

/// Keywords of Drawing::GradientSpreadMethod: exact case, not written back.
template <>
struct KeywordsOf<Drawing::GradientSpreadMethod> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<Drawing::GradientSpreadMethod>(
        {.format = KeywordFormat::None},
        {keyword(L"repeat", Drawing::GradientSpreadMethod::Repeat),
         keyword(L"reflect", Drawing::GradientSpreadMethod::Reflect),
         keyword(L"pad", Drawing::GradientSpreadMethod::Pad)});
};

/// The lines drawn with SVG text: any of underline, overline and line-through.
class XMLATTR_API STextDecoration {
  public:
    /// No lines.
    STextDecoration() = default;
    /// The lines whose flags are set.
    STextDecoration(bool underline, bool overline, bool lineThrough)
        : underline_(underline), overline_(overline), lineThrough_(lineThrough) {}

    /// True when no flag is set.
    bool isNone() const { return !underline_ && !overline_ && !lineThrough_; }
    /// The flags, one per line.
    ///@{
    bool isUnderline() const { return underline_; }
    bool isOverline() const { return overline_; }
    bool isLineThrough() const { return lineThrough_; }
    ///@}

    /// The same three flags.
    bool operator==(const STextDecoration& other) const {
        return underline_ == other.underline_ && overline_ == other.overline_ &&
               lineThrough_ == other.lineThrough_;
    }

    /// A text containing "none" anywhere clears every flag. Otherwise a
    /// comma-separated list of "underline", "overline" and "line-through",
    /// each token after its leading blanks compared exactly (blanks before a
    /// comma stay in the token). An empty text or any other token gives false
    /// and leaves target as it was.
    static bool parseSTextDecoration(STextDecoration& target, const Core::String& text);

  private:
    bool underline_ = false;
    bool overline_ = false;
    bool lineThrough_ = false;
};

/// Text-decoration attributes; no text form.
template <>
struct XMLATTR_API AttributeTraits<STextDecoration> : NoTextFormat {
    /// STextDecoration::parseSTextDecoration.
    static bool parse(STextDecoration& value, const Core::String& text) {
        return STextDecoration::parseSTextDecoration(value, text);
    }
};

extern template class TXmlAttribute<SLineCap>;
extern template class TXmlAttribute<SLineJoin>;
extern template class TXmlAttribute<STextAnchor>;
extern template class TXmlAttribute<SVisibility>;
extern template class TXmlAttribute<SDisplay>;
extern template class TXmlAttribute<Drawing::GradientUnits>;
extern template class TXmlAttribute<Drawing::GradientSpreadMethod>;
extern template class TXmlAttribute<STextDecoration>;

}  // namespace Xml
