/// @file
/// Keyword enumerations of pagination and flow: breaks and keeps, page
/// counts and page-master conditions, reference orientation, spans, footnote
/// restarts, marker retrieval, page and region constraints, repeat limits.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/keywords/Keyword.h"

namespace Xml {

/// Where a break sends the content after it: the next column, page, even page or odd page.
/// The numbers combine the bits 1, 2, 4 and 8; numbers in between are no value.
enum class XMLATTR_API Break : std::int32_t {
    Auto = 0,
    Column = 1,
    Page = 3,
    EvenPage = 7,
    OddPage = 11
};

/// Keywords of Break: exact case, written back by name.
template <>
struct KeywordsOf<Break> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<Break>(
        {}, {keyword(L"auto", Break::Auto), keyword(L"column", Break::Column),
             keyword(L"page", Break::Page), keyword(L"even-page", Break::EvenPage),
             keyword(L"odd-page", Break::OddPage)});
};

/// Whether content is kept together.
/// After the keywords, an integer strength: above 0 keeps always; the integer
/// itself is not kept.
enum class XMLATTR_API Keep : std::int32_t { Auto = 0, Always = 1 };

/// Keywords of Keep: exact case, written back by name.
template <>
struct KeywordsOf<Keep> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<Keep>({.noMatch = integerThreshold(0, Keep::Always, Keep::Auto)},
                           {keyword(L"auto", Keep::Auto), keyword(L"always", Keep::Always)});
};

/// What a page sequence's page count is forced to.
enum class XMLATTR_API ForcePageCount : std::int32_t {
    Auto = 0,
    Even = 1,
    Odd = 2,
    EndOnEven = 3,
    EndOnOdd = 4,
    NoForce = 5,
};

/// Keywords of ForcePageCount: exact case, not written back.
template <>
struct KeywordsOf<ForcePageCount> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<ForcePageCount>(
        {.format = KeywordFormat::None},
        {keyword(L"auto", ForcePageCount::Auto), keyword(L"even", ForcePageCount::Even),
         keyword(L"odd", ForcePageCount::Odd), keyword(L"end-on-even", ForcePageCount::EndOnEven),
         keyword(L"end-on-odd", ForcePageCount::EndOnOdd),
         keyword(L"no-force", ForcePageCount::NoForce)});
};

/// The page position a page master applies to.
enum class XMLATTR_API PagePosition : std::int32_t { First = 0, Last = 1, Rest = 2, Any = 3 };

/// Keywords of PagePosition: exact case, not written back.
template <>
struct KeywordsOf<PagePosition> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<PagePosition>(
        {.format = KeywordFormat::None},
        {keyword(L"first", PagePosition::First), keyword(L"last", PagePosition::Last),
         keyword(L"rest", PagePosition::Rest), keyword(L"any", PagePosition::Any)});
};

/// The page parity a page master applies to.
enum class XMLATTR_API Parity : std::int32_t { Odd = 0, Even = 1, Any = 2 };

/// Keywords of Parity: exact case, not written back.
template <>
struct KeywordsOf<Parity> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<Parity>({.format = KeywordFormat::None},
                             {keyword(L"odd", Parity::Odd), keyword(L"even", Parity::Even),
                              keyword(L"any", Parity::Any)});
};

/// Whether a page master applies to blank pages, other pages or both.
enum class XMLATTR_API BlankOrNotBlank : std::int32_t { Blank = 0, NotBlank = 1, Any = 2 };

/// Keywords of BlankOrNotBlank: exact case, not written back.
template <>
struct KeywordsOf<BlankOrNotBlank> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<BlankOrNotBlank>(
        {.format = KeywordFormat::None},
        {keyword(L"blank", BlankOrNotBlank::Blank),
         keyword(L"not-blank", BlankOrNotBlank::NotBlank), keyword(L"any", BlankOrNotBlank::Any)});
};

/// The rotation of an area's reference frame, in steps of 90 degrees.
/// Read from an integer angle in degrees; written as the angle's text.
enum class XMLATTR_API ReferenceOrientation : std::int32_t {
    Deg0 = 0,
    Deg90 = 1,
    Deg180 = 2,
    Deg270 = 3
};

/// Keywords of ReferenceOrientation: exact case, written back by name; a value without one raises.
template <>
struct KeywordsOf<ReferenceOrientation> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<ReferenceOrientation>(
        {.format = KeywordFormat::Strict, .raiseAt = {"MiscAttributes", __LINE__}},
        {fromInteger(0, ReferenceOrientation::Deg0), fromInteger(90, ReferenceOrientation::Deg90),
         fromInteger(-270, ReferenceOrientation::Deg90),
         fromInteger(180, ReferenceOrientation::Deg180),
         fromInteger(-180, ReferenceOrientation::Deg180),
         fromInteger(270, ReferenceOrientation::Deg270),
         fromInteger(-90, ReferenceOrientation::Deg270),
         writtenAs(L"0", ReferenceOrientation::Deg0), writtenAs(L"90", ReferenceOrientation::Deg90),
         writtenAs(L"180", ReferenceOrientation::Deg180),
         writtenAs(L"270", ReferenceOrientation::Deg270)});
};

/// Whether a block spans all columns.
enum class XMLATTR_API Span : std::int32_t { None = 0, All = 1 };

/// Keywords of Span: any letter case, written back by name.
template <>
struct KeywordsOf<Span> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<Span>({.match = KeywordMatch::CaseInsensitive},
                           {keyword(L"none", Span::None), keyword(L"all", Span::All)});
};

/// When footnote numbering restarts.
enum class XMLATTR_API FootnoteRestartRule : std::int32_t { Auto = 0, Page = 1 };

/// Keywords of FootnoteRestartRule: any letter case, not written back.
template <>
struct KeywordsOf<FootnoteRestartRule> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<FootnoteRestartRule>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"auto", FootnoteRestartRule::Auto), keyword(L"page", FootnoteRestartRule::Page)});
};

/// How far back a marker is looked for.
enum class XMLATTR_API RetrieveBoundary : std::int32_t { Page = 0, PageSequence = 1, Document = 2 };

/// Keywords of RetrieveBoundary: exact case, written back by name.
template <>
struct KeywordsOf<RetrieveBoundary> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<RetrieveBoundary>(
        {}, {keyword(L"page", RetrieveBoundary::Page),
             keyword(L"page-sequence", RetrieveBoundary::PageSequence),
             keyword(L"document", RetrieveBoundary::Document)});
};

/// Which marker is retrieved from the page.
enum class XMLATTR_API RetrievePosition : std::int32_t {
    FirstStartingWithinPage = 0,
    FirstIncludingCarryover = 1,
    LastStartingWithinPage = 2,
    LastEndingWithinPage = 3,
};

/// Keywords of RetrievePosition: exact case, written back by name.
template <>
struct KeywordsOf<RetrievePosition> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<RetrievePosition>(
        {}, {keyword(L"first-starting-within-page", RetrievePosition::FirstStartingWithinPage),
             keyword(L"first-including-carryover", RetrievePosition::FirstIncludingCarryover),
             keyword(L"last-starting-within-page", RetrievePosition::LastStartingWithinPage),
             keyword(L"last-ending-within-page", RetrievePosition::LastEndingWithinPage)});
};

/// How far back a table marker is looked for.
enum class XMLATTR_API RetrieveBoundaryWithinTable : std::int32_t {
    Table = 0,
    TableFragment = 1,
    Page = 2
};

/// Keywords of RetrieveBoundaryWithinTable: exact case, not written back.
template <>
struct KeywordsOf<RetrieveBoundaryWithinTable> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<RetrieveBoundaryWithinTable>(
        {.format = KeywordFormat::None},
        {keyword(L"table", RetrieveBoundaryWithinTable::Table),
         keyword(L"table-fragment", RetrieveBoundaryWithinTable::TableFragment),
         keyword(L"page", RetrieveBoundaryWithinTable::Page)});
};

/// Which marker is retrieved within a table.
enum class XMLATTR_API RetrievePositionWithinTable : std::int32_t {
    FirstStarting = 0,
    FirstIncludingCarryover = 1,
    LastStarting = 2,
    LastEnding = 3,
};

/// Keywords of RetrievePositionWithinTable: exact case, written back by name.
template <>
struct KeywordsOf<RetrievePositionWithinTable> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<RetrievePositionWithinTable>(
        {}, {keyword(L"first-starting", RetrievePositionWithinTable::FirstStarting),
             keyword(L"first-including-carryover",
                     RetrievePositionWithinTable::FirstIncludingCarryover),
             keyword(L"last-starting", RetrievePositionWithinTable::LastStarting),
             keyword(L"last-ending", RetrievePositionWithinTable::LastEnding)});
};

/// The pages a constraint names.
enum class XMLATTR_API PageConstraint : std::int32_t {
    Any = 0,
    Odd = 1,
    Even = 2,
    Last = 3,
    First = 4
};

/// Keywords of PageConstraint: any letter case, written back by name.
template <>
struct KeywordsOf<PageConstraint> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<PageConstraint>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"any", PageConstraint::Any), keyword(L"odd", PageConstraint::Odd),
         keyword(L"even", PageConstraint::Even), keyword(L"last", PageConstraint::Last),
         keyword(L"first", PageConstraint::First)});
};

/// The page region a constraint names.
enum class XMLATTR_API PageRegionConstraint : std::int32_t {
    None = 0,
    Body = 1,
    Footer = 2,
    Header = 3,
    Left = 4,
    Right = 5,
};

/// Keywords of PageRegionConstraint: any letter case, written back by name, "none" for a value
/// without one.
template <>
struct KeywordsOf<PageRegionConstraint> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<PageRegionConstraint>({.match = KeywordMatch::CaseInsensitive,
                                            .format = KeywordFormat::Fallback,
                                            .fallback = L"none"},
                                           {keyword(L"body", PageRegionConstraint::Body),
                                            keyword(L"footer", PageRegionConstraint::Footer),
                                            keyword(L"header", PageRegionConstraint::Header),
                                            keyword(L"left", PageRegionConstraint::Left),
                                            keyword(L"right", PageRegionConstraint::Right),
                                            keyword(L"none", PageRegionConstraint::None)});
};

/// The alignment a constraint names.
enum class XMLATTR_API AlignmentConstraint : std::int32_t {
    None = 0,
    Top = 1,
    Bottom = 2,
    Center = 3,
    Left = 4,
    Right = 5,
};

/// Keywords of AlignmentConstraint: any letter case, written back by name, "none" for a value
/// without one.
template <>
struct KeywordsOf<AlignmentConstraint> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AlignmentConstraint>(
        {.match = KeywordMatch::CaseInsensitive,
         .format = KeywordFormat::Fallback,
         .fallback = L"none"},
        {keyword(L"top", AlignmentConstraint::Top), keyword(L"bottom", AlignmentConstraint::Bottom),
         keyword(L"center", AlignmentConstraint::Center),
         keyword(L"left", AlignmentConstraint::Left), keyword(L"right", AlignmentConstraint::Right),
         keyword(L"none", AlignmentConstraint::None)});
};

/// A repeat count of 0 and up, or NoLimit. Never fails: any other text is read
/// with the integer-returning parseInt, negative results raised to 0.
enum class XMLATTR_API MaxRepeats : std::int32_t { NoLimit = -1 };

/// Keywords of MaxRepeats: exact case, not written back.
template <>
struct KeywordsOf<MaxRepeats> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<MaxRepeats>({.format = KeywordFormat::None, .noMatch = clampedCount(0)},
                                 {keyword(L"no-limit", MaxRepeats::NoLimit)});
};

extern template class TXmlAttribute<Break>;
extern template class TXmlAttribute<Keep>;
extern template class TXmlAttribute<ForcePageCount>;
extern template class TXmlAttribute<PagePosition>;
extern template class TXmlAttribute<Parity>;
extern template class TXmlAttribute<BlankOrNotBlank>;
extern template class TXmlAttribute<ReferenceOrientation>;
extern template class TXmlAttribute<Span>;
extern template class TXmlAttribute<FootnoteRestartRule>;
extern template class TXmlAttribute<RetrieveBoundary>;
extern template class TXmlAttribute<RetrievePosition>;
extern template class TXmlAttribute<RetrieveBoundaryWithinTable>;
extern template class TXmlAttribute<RetrievePositionWithinTable>;
extern template class TXmlAttribute<PageConstraint>;
extern template class TXmlAttribute<PageRegionConstraint>;
extern template class TXmlAttribute<AlignmentConstraint>;
extern template class TXmlAttribute<MaxRepeats>;

}  // namespace Xml
