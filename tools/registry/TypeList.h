// The attribute types the tool knows, by their C++ names, in one list that
// the type registry and the lint engine both expand: a name is written once.
// Header only, so that the lint library needs no part of the registry's.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <type_traits>

#include "css/XmlAttributes.h"

namespace xmlattr_tool {

// The groups --list and the reference sort the types into, in that order.
enum class Family : std::uint8_t {
    Scalars,
    Colours,
    Lengths,
    LanguageTags,
    Chart,
    TextKeywords,
    PageKeywords,
    AreaKeywords,
    GraphicsKeywords,
    ChartKeywords,
    BarcodeKeywords,
    OutputKeywords,
    Geometry,
};
inline constexpr int kFamilyCount = static_cast<int>(Family::Geometry) + 1;

// A string literal as a template argument.
template <std::size_t N>
struct TypeName {
    constexpr TypeName(const char (&text)[N]) { std::copy_n(text, N, chars); }  // NOLINT
    constexpr std::string_view view() const { return {chars, N - 1}; }
    char chars[N];
};

// One type of the list: the value type, its name and its family.
template <class T, TypeName Name, Family F>
struct Named {
    using type = T;
    static constexpr std::string_view name = Name.view();
    static constexpr Family family = F;
};

template <class... Types>
struct TypeList {
    static constexpr std::size_t size = sizeof...(Types);
};

// Every type the tool can parse, by its C++ name. Keep one line per type.
using AllTypes = TypeList<
    Named<int, "int", Family::Scalars>, Named<float, "float", Family::Scalars>,
    Named<Core::String, "String", Family::Scalars>, Named<Xml::Url, "Url", Family::Scalars>,
    Named<Drawing::ImageFilter, "ImageFilter", Family::Scalars>,
    Named<Core::SmartPtr<Drawing::Color>, "Color", Family::Colours>,
    Named<Xml::SColor, "SColor", Family::Colours>,
    Named<Xml::SNullableColor, "SNullableColor", Family::Colours>,
    Named<Xml::Length, "Length", Family::Lengths>, Named<Xml::SLength, "SLength", Family::Lengths>,
    Named<Xml::BoxShadow, "BoxShadow", Family::Colours>,
    Named<Xml::Language, "Language", Family::LanguageTags>,
    Named<Xml::Value, "Value", Family::Chart>, Named<Xml::AxisUnits, "AxisUnits", Family::Chart>,
    Named<Xml::LengthOrPercent, "LengthOrPercent", Family::Lengths>,
    Named<Xml::SLengthOrPercent, "SLengthOrPercent", Family::Lengths>,
    Named<Xml::Margin, "Margin", Family::Lengths>,
    Named<Xml::ColumnWidth, "ColumnWidth", Family::Lengths>,
    Named<Xml::TableWidth, "TableWidth", Family::Lengths>,
    Named<Xml::LeaderPatternWidth, "LeaderPatternWidth", Family::Lengths>,
    Named<Xml::LengthOrPercentAuto, "LengthOrPercentAuto", Family::Lengths>,
    Named<Xml::FloatOrPercent, "FloatOrPercent", Family::Lengths>,
    Named<Xml::SNullableLength, "SNullableLength", Family::Lengths>,
    Named<Xml::DLength, "DLength", Family::Lengths>,
    Named<Core::Vector<Xml::SLength>, "Vector<SLength>", Family::Lengths>,
    Named<Xml::FontStyle, "FontStyle", Family::TextKeywords>,
    Named<Xml::FontWeight, "FontWeight", Family::TextKeywords>,
    Named<Xml::FontVariant, "FontVariant", Family::TextKeywords>,
    Named<Xml::TextLineStyle, "TextLineStyle", Family::TextKeywords>,
    Named<Xml::TextAlign, "TextAlign", Family::TextKeywords>,
    Named<Xml::TextDirection, "TextDirection", Family::TextKeywords>,
    Named<Xml::WhiteSpaceTreatment, "WhiteSpaceTreatment", Family::TextKeywords>,
    Named<Xml::LinefeedTreatment, "LinefeedTreatment", Family::TextKeywords>,
    Named<Xml::WrapOption, "WrapOption", Family::TextKeywords>,
    Named<Xml::LineStackingStrategy, "LineStackingStrategy", Family::TextKeywords>,
    Named<Xml::LineHeightShiftAdjustment, "LineHeightShiftAdjustment", Family::TextKeywords>,
    Named<Xml::AlignmentBaseline, "AlignmentBaseline", Family::TextKeywords>,
    Named<Xml::DisplayAlign, "DisplayAlign", Family::TextKeywords>,
    Named<Xml::Visibility, "Visibility", Family::TextKeywords>,
    Named<Xml::LeaderPattern, "LeaderPattern", Family::TextKeywords>,
    Named<Xml::LeaderAlignment, "LeaderAlignment", Family::TextKeywords>,
    Named<Xml::TabStopType, "TabStopType", Family::TextKeywords>,
    Named<Xml::TabPattern, "TabPattern", Family::TextKeywords>,
    Named<Xml::Break, "Break", Family::PageKeywords>,
    Named<Xml::Keep, "Keep", Family::PageKeywords>,
    Named<Xml::ForcePageCount, "ForcePageCount", Family::PageKeywords>,
    Named<Xml::PagePosition, "PagePosition", Family::PageKeywords>,
    Named<Xml::Parity, "Parity", Family::PageKeywords>,
    Named<Xml::BlankOrNotBlank, "BlankOrNotBlank", Family::PageKeywords>,
    Named<Xml::ReferenceOrientation, "ReferenceOrientation", Family::PageKeywords>,
    Named<Xml::Span, "Span", Family::PageKeywords>,
    Named<Xml::FootnoteRestartRule, "FootnoteRestartRule", Family::PageKeywords>,
    Named<Xml::RetrieveBoundary, "RetrieveBoundary", Family::PageKeywords>,
    Named<Xml::RetrievePosition, "RetrievePosition", Family::PageKeywords>,
    Named<Xml::RetrieveBoundaryWithinTable, "RetrieveBoundaryWithinTable", Family::PageKeywords>,
    Named<Xml::RetrievePositionWithinTable, "RetrievePositionWithinTable", Family::PageKeywords>,
    Named<Xml::PageConstraint, "PageConstraint", Family::PageKeywords>,
    Named<Xml::PageRegionConstraint, "PageRegionConstraint", Family::PageKeywords>,
    Named<Xml::AlignmentConstraint, "AlignmentConstraint", Family::PageKeywords>,
    Named<Xml::MaxRepeats, "MaxRepeats", Family::PageKeywords>,
    Named<Xml::SLineCap, "SLineCap", Family::GraphicsKeywords>,
    Named<Xml::SLineJoin, "SLineJoin", Family::GraphicsKeywords>,
    Named<Xml::STextAnchor, "STextAnchor", Family::GraphicsKeywords>,
    Named<Xml::SVisibility, "SVisibility", Family::GraphicsKeywords>,
    Named<Xml::SDisplay, "SDisplay", Family::GraphicsKeywords>,
    Named<Drawing::GradientUnits, "GradientUnits", Family::GraphicsKeywords>,
    Named<Drawing::GradientSpreadMethod, "GradientSpreadMethod", Family::GraphicsKeywords>,
    Named<Xml::STextDecoration, "STextDecoration", Family::GraphicsKeywords>,
    Named<Xml::BarcodeType, "BarcodeType", Family::BarcodeKeywords>,
    Named<Xml::DMEncoding, "DMEncoding", Family::BarcodeKeywords>,
    Named<Xml::DMFormat, "DMFormat", Family::BarcodeKeywords>,
    Named<Xml::Code128CodeSet, "Code128CodeSet", Family::BarcodeKeywords>,
    Named<Xml::ChartType, "ChartType", Family::ChartKeywords>,
    Named<Xml::AxisPosition, "AxisPosition", Family::ChartKeywords>,
    Named<Xml::LabelType, "LabelType", Family::ChartKeywords>,
    Named<Xml::SliceOrientation, "SliceOrientation", Family::ChartKeywords>,
    Named<Xml::TickStyle, "TickStyle", Family::ChartKeywords>,
    Named<Xml::SerieGrouping, "SerieGrouping", Family::ChartKeywords>,
    Named<Xml::AxisOrientation, "AxisOrientation", Family::ChartKeywords>,
    Named<Xml::AxisIntersection, "AxisIntersection", Family::ChartKeywords>,
    Named<Xml::AxisDataType, "AxisDataType", Family::ChartKeywords>,
    Named<Xml::DisplayValPlacement, "DisplayValPlacement", Family::ChartKeywords>,
    Named<Xml::Duplex, "Duplex", Family::OutputKeywords>,
    Named<Xml::PDFConformance, "PDFConformance", Family::OutputKeywords>,
    Named<Xml::TTFEmbedMode, "TTFEmbedMode", Family::OutputKeywords>,
    Named<Xml::AFPEncoding, "AFPEncoding", Family::OutputKeywords>,
    Named<Xml::PlayMediaObject, "PlayMediaObject", Family::OutputKeywords>,
    Named<Xml::JavaScriptType, "JavaScriptType", Family::OutputKeywords>,
    Named<Xml::ScriptType, "ScriptType", Family::OutputKeywords>,
    Named<Xml::FormControlType, "FormControlType", Family::OutputKeywords>,
    Named<Xml::FormActionType, "FormActionType", Family::OutputKeywords>,
    Named<Xml::FormTriggerAction, "FormTriggerAction", Family::OutputKeywords>,
    Named<Xml::LightingScheme, "LightingScheme", Family::OutputKeywords>,
    Named<Xml::AbsolutePosition, "AbsolutePosition", Family::AreaKeywords>,
    Named<Xml::RelativePosition, "RelativePosition", Family::AreaKeywords>,
    Named<Xml::Overflow, "Overflow", Family::AreaKeywords>,
    Named<Xml::FloatPosition, "FloatPosition", Family::AreaKeywords>,
    Named<Xml::TableLayout, "TableLayout", Family::AreaKeywords>,
    Named<Xml::BorderCollapse, "BorderCollapse", Family::AreaKeywords>,
    Named<Xml::BorderStyle, "BorderStyle", Family::AreaKeywords>,
    Named<Xml::BackgroundRepeat, "BackgroundRepeat", Family::AreaKeywords>,
    Named<Xml::Scaling, "Scaling", Family::AreaKeywords>,
    Named<Xml::ScalingReference, "ScalingReference", Family::AreaKeywords>,
    Named<Xml::AnchorX, "AnchorX", Family::AreaKeywords>,
    Named<Xml::AnchorY, "AnchorY", Family::AreaKeywords>,
    Named<Xml::PositionX, "PositionX", Family::AreaKeywords>,
    Named<Xml::PositionY, "PositionY", Family::AreaKeywords>,
    Named<Xml::FontSize, "FontSize", Family::Lengths>,
    Named<Xml::Indent, "Indent", Family::Lengths>,
    Named<Xml::BaselineShift, "BaselineShift", Family::Lengths>,
    Named<Xml::SBaselineShift, "SBaselineShift", Family::Lengths>,
    Named<Xml::AlignmentAdjust, "AlignmentAdjust", Family::Lengths>,
    Named<Xml::ContentLength, "ContentLength", Family::Lengths>,
    Named<Xml::LetterSpacing, "LetterSpacing", Family::Lengths>,
    Named<Xml::SSpacing, "SSpacing", Family::Lengths>,
    Named<Xml::PageDimension, "PageDimension", Family::Lengths>,
    Named<Xml::BorderWidth, "BorderWidth", Family::Lengths>,
    Named<Xml::InitialPageNumber, "InitialPageNumber", Family::Lengths>,
    Named<Xml::InitialSheetNumber, "InitialSheetNumber", Family::Lengths>,
    Named<Xml::BackgroundPosition, "BackgroundPosition", Family::Lengths>,
    Named<Xml::BackgroundSize, "BackgroundSize", Family::Lengths>,
    Named<Xml::TPRule, "TPRule", Family::Scalars>,
    Named<Core::Vector<Xml::Transform>, "Vector<Transform>", Family::Geometry>,
    Named<Core::Vector<Xml::PathDataCommand>, "Vector<PathDataCommand>", Family::Geometry>,
    Named<Core::Vector<Xml::Point>, "Vector<Point>", Family::Geometry>,
    Named<Xml::ViewBox, "ViewBox", Family::Geometry>,
    Named<Xml::SPreserveAspectRatio, "SPreserveAspectRatio", Family::Geometry>,
    Named<Drawing::RectF, "RectF", Family::Geometry>>;

// Types whose parse stores a value even when it returns false.
template <class T>
constexpr bool storesOnRejection() {
    if constexpr (Xml::KeywordEnum<T>) {
        // A table whose miss rule stores a fixed value (ScriptType stores
        // Unspecified).
        return Xml::KeywordsOf<T>::table.rules.noMatch.kind == Xml::NoMatch::StoreAndReject;
    } else {
        // ContentLength marks itself null on a bad measure; DLength keeps a
        // first length it replaced when its second piece is bad; TPRule
        // becomes "no rule" (keeping its keyword) on a text it cannot read.
        return std::is_same_v<T, Xml::ContentLength> || std::is_same_v<T, Xml::DLength> ||
               std::is_same_v<T, Xml::TPRule>;
    }
}

}  // namespace xmlattr_tool
