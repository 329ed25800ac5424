/// @file
/// Keyword settings of business charts: chart type, axes, legend labels, pie
/// slices, ticks, series grouping and where value labels go. Keywords are
/// compared exactly and no value is written back as text.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/keywords/Keyword.h"

namespace Xml {

/// The kind of chart.
/// 3 is no chart type: no keyword gives it.
enum class XMLATTR_API ChartType : std::int32_t {
    Line = 0,
    Bar = 1,
    Area = 2,
    Pie = 4,
    Spider = 5
};

/// Keywords of ChartType: exact case, not written back.
template <>
struct KeywordsOf<ChartType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<ChartType>(
        {.format = KeywordFormat::None},
        {keyword(L"line", ChartType::Line), keyword(L"area", ChartType::Area),
         keyword(L"bar", ChartType::Bar), keyword(L"pie", ChartType::Pie),
         keyword(L"spider", ChartType::Spider)});
};

/// The side of the chart an axis is drawn on.
enum class XMLATTR_API AxisPosition : std::int32_t { Top = 0, Left = 1, Bottom = 2, Right = 3 };

/// Keywords of AxisPosition: exact case, not written back.
template <>
struct KeywordsOf<AxisPosition> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AxisPosition>(
        {.format = KeywordFormat::None},
        {keyword(L"top", AxisPosition::Top), keyword(L"left", AxisPosition::Left),
         keyword(L"bottom", AxisPosition::Bottom), keyword(L"right", AxisPosition::Right)});
};

/// The marker shape of a legend label.
enum class XMLATTR_API LabelType : std::int32_t { Line = 0, Square = 1, Circle = 2, Triangle = 3 };

/// Keywords of LabelType: exact case, not written back.
template <>
struct KeywordsOf<LabelType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<LabelType>(
        {.format = KeywordFormat::None},
        {keyword(L"square", LabelType::Square), keyword(L"circle", LabelType::Circle),
         keyword(L"line", LabelType::Line), keyword(L"triangle", LabelType::Triangle)});
};

/// The direction pie slices follow.
enum class XMLATTR_API SliceOrientation : std::int32_t { Clockwise = 0, Counterclockwise = 1 };

/// Keywords of SliceOrientation: exact case, not written back.
template <>
struct KeywordsOf<SliceOrientation> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<SliceOrientation>(
        {.format = KeywordFormat::None},
        {keyword(L"clockwise", SliceOrientation::Clockwise),
         keyword(L"counterclockwise", SliceOrientation::Counterclockwise)});
};

/// Where tick marks are drawn against the axis line.
enum class XMLATTR_API TickStyle : std::int32_t { Inside = 0, Cross = 1, Outside = 2 };

/// Keywords of TickStyle: exact case, not written back.
template <>
struct KeywordsOf<TickStyle> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<TickStyle>(
        {.format = KeywordFormat::None},
        {keyword(L"inside", TickStyle::Inside), keyword(L"cross", TickStyle::Cross),
         keyword(L"outside", TickStyle::Outside)});
};

/// How the series of a chart share a category: overlapped, side by side or stacked.
enum class XMLATTR_API SerieGrouping : std::int32_t { Overlapped = 0, Clustered = 1, Stacked = 2 };

/// Keywords of SerieGrouping: exact case, not written back.
template <>
struct KeywordsOf<SerieGrouping> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<SerieGrouping>(
        {.format = KeywordFormat::None}, {keyword(L"overlapped", SerieGrouping::Overlapped),
                                          keyword(L"clustered", SerieGrouping::Clustered),
                                          keyword(L"stacked", SerieGrouping::Stacked)});
};

/// The direction of an axis.
enum class XMLATTR_API AxisOrientation : std::int32_t { Auto = 0, Vertical = 1, Horizontal = 2 };

/// Keywords of AxisOrientation: exact case, not written back.
template <>
struct KeywordsOf<AxisOrientation> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AxisOrientation>(
        {.format = KeywordFormat::None},
        {keyword(L"auto", AxisOrientation::Auto), keyword(L"vertical", AxisOrientation::Vertical),
         keyword(L"horizontal", AxisOrientation::Horizontal)});
};

/// Where the other axis crosses this one.
/// Numbered in the reverse of the keyword order.
enum class XMLATTR_API AxisIntersection : std::int32_t { Max = 0, Min = 1, Auto = 2 };

/// Keywords of AxisIntersection: exact case, not written back.
template <>
struct KeywordsOf<AxisIntersection> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AxisIntersection>(
        {.format = KeywordFormat::None},
        {keyword(L"auto", AxisIntersection::Auto), keyword(L"min", AxisIntersection::Min),
         keyword(L"max", AxisIntersection::Max)});
};

/// The kind of data along an axis.
enum class XMLATTR_API AxisDataType : std::int32_t { Auto = 0, Number = 1, Date = 2, String = 3 };

/// Keywords of AxisDataType: exact case, not written back.
template <>
struct KeywordsOf<AxisDataType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AxisDataType>(
        {.format = KeywordFormat::None},
        {keyword(L"auto", AxisDataType::Auto), keyword(L"number", AxisDataType::Number),
         keyword(L"date", AxisDataType::Date), keyword(L"string", AxisDataType::String)});
};

/// Where a data value's label is drawn. Numbered in the reverse of the
/// keyword order.
enum class XMLATTR_API DisplayValPlacement : std::int32_t { Center = 0, Between = 1, Auto = 2 };

/// Keywords of DisplayValPlacement: exact case, not written back.
template <>
struct KeywordsOf<DisplayValPlacement> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<DisplayValPlacement>(
        {.format = KeywordFormat::None}, {keyword(L"auto", DisplayValPlacement::Auto),
                                          keyword(L"between", DisplayValPlacement::Between),
                                          keyword(L"center", DisplayValPlacement::Center)});
};

extern template class TXmlAttribute<ChartType>;
extern template class TXmlAttribute<AxisPosition>;
extern template class TXmlAttribute<LabelType>;
extern template class TXmlAttribute<SliceOrientation>;
extern template class TXmlAttribute<TickStyle>;
extern template class TXmlAttribute<SerieGrouping>;
extern template class TXmlAttribute<AxisOrientation>;
extern template class TXmlAttribute<AxisIntersection>;
extern template class TXmlAttribute<AxisDataType>;
extern template class TXmlAttribute<DisplayValPlacement>;

}  // namespace Xml
