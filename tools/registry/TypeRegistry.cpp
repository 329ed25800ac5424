#include "tools/registry/TypeRegistry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

#include "css/XmlAttributes.h"
#include "platform/Exception.h"
#include "tools/registry/Fields.h"
#include "tools/registry/PropertyCheck.h"
#include "tools/registry/fields/Chart.h"
#include "tools/registry/fields/Colours.h"
#include "tools/registry/fields/Geometry.h"
#include "tools/registry/fields/Keywords.h"
#include "tools/registry/fields/Language.h"
#include "tools/registry/fields/Lengths.h"
#include "tools/registry/fields/Measures.h"
#include "tools/registry/fields/Scalars.h"
#include "tools/registry/fields/TextDecoration.h"

namespace xmlattr_tool {

namespace {

// Parses text with a fresh TXmlAttribute<T> and reports what it holds.
// Parsing never raises; writing back can, for values the library cannot
// write (the report then says where).
template <class T>
Report run(const Core::String& text, bool withFields) {
    Xml::TXmlAttribute<T> attribute;
    Report report;
    report.accepted = attribute.parseValue(text);
    if (withFields) {
        Fields fields;
        FieldPrinter<T>::print(attribute.getValue(), fields);
        report.fields = fields.take();
    }
    try {
        report.text = attribute.getValueAsString();
    } catch (const Core::Exception& error) {
        report.raisedFile = error.getFile();
        report.raisedLine = error.getLine();
    }
    return report;
}

template <class T>
constexpr TypeEntry entry(std::string_view name, Family family) {
    if constexpr (Xml::KeywordEnum<T>) {
        return TypeEntry{name, &run<T>, family, &keywordTableOf<T>, &checkProperties<T>,
                         storesOnRejection<T>()};
    } else {
        return TypeEntry{name, &run<T>, family, nullptr, &checkProperties<T>,
                         storesOnRejection<T>()};
    }
}

// Every type the tool can parse, by its C++ name. Keep one line per type.
constexpr TypeEntry kTypes[] = {
    entry<int>("int", Family::Scalars),
    entry<float>("float", Family::Scalars),
    entry<Core::String>("String", Family::Scalars),
    entry<Xml::Url>("Url", Family::Scalars),
    entry<Drawing::ImageFilter>("ImageFilter", Family::Scalars),
    entry<Core::SmartPtr<Drawing::Color>>("Color", Family::Colours),
    entry<Xml::SColor>("SColor", Family::Colours),
    entry<Xml::SNullableColor>("SNullableColor", Family::Colours),
    entry<Xml::Length>("Length", Family::Lengths),
    entry<Xml::SLength>("SLength", Family::Lengths),
    entry<Xml::BoxShadow>("BoxShadow", Family::Colours),
    entry<Xml::Language>("Language", Family::LanguageTags),
    entry<Xml::Value>("Value", Family::Chart),
    entry<Xml::AxisUnits>("AxisUnits", Family::Chart),
    entry<Xml::LengthOrPercent>("LengthOrPercent", Family::Lengths),
    entry<Xml::SLengthOrPercent>("SLengthOrPercent", Family::Lengths),
    entry<Xml::Margin>("Margin", Family::Lengths),
    entry<Xml::ColumnWidth>("ColumnWidth", Family::Lengths),
    entry<Xml::TableWidth>("TableWidth", Family::Lengths),
    entry<Xml::LeaderPatternWidth>("LeaderPatternWidth", Family::Lengths),
    entry<Xml::LengthOrPercentAuto>("LengthOrPercentAuto", Family::Lengths),
    entry<Xml::FloatOrPercent>("FloatOrPercent", Family::Lengths),
    entry<Xml::SNullableLength>("SNullableLength", Family::Lengths),
    entry<Xml::DLength>("DLength", Family::Lengths),
    entry<Core::Vector<Xml::SLength>>("Vector<SLength>", Family::Lengths),
    entry<Xml::FontStyle>("FontStyle", Family::TextKeywords),
    entry<Xml::FontWeight>("FontWeight", Family::TextKeywords),
    entry<Xml::FontVariant>("FontVariant", Family::TextKeywords),
    entry<Xml::TextLineStyle>("TextLineStyle", Family::TextKeywords),
    entry<Xml::TextAlign>("TextAlign", Family::TextKeywords),
    entry<Xml::TextDirection>("TextDirection", Family::TextKeywords),
    entry<Xml::WhiteSpaceTreatment>("WhiteSpaceTreatment", Family::TextKeywords),
    entry<Xml::LinefeedTreatment>("LinefeedTreatment", Family::TextKeywords),
    entry<Xml::WrapOption>("WrapOption", Family::TextKeywords),
    entry<Xml::LineStackingStrategy>("LineStackingStrategy", Family::TextKeywords),
    entry<Xml::LineHeightShiftAdjustment>("LineHeightShiftAdjustment", Family::TextKeywords),
    entry<Xml::AlignmentBaseline>("AlignmentBaseline", Family::TextKeywords),
    entry<Xml::DisplayAlign>("DisplayAlign", Family::TextKeywords),
    entry<Xml::Visibility>("Visibility", Family::TextKeywords),
    entry<Xml::LeaderPattern>("LeaderPattern", Family::TextKeywords),
    entry<Xml::LeaderAlignment>("LeaderAlignment", Family::TextKeywords),
    entry<Xml::TabStopType>("TabStopType", Family::TextKeywords),
    entry<Xml::TabPattern>("TabPattern", Family::TextKeywords),
    entry<Xml::Break>("Break", Family::PageKeywords),
    entry<Xml::Keep>("Keep", Family::PageKeywords),
    entry<Xml::ForcePageCount>("ForcePageCount", Family::PageKeywords),
    entry<Xml::PagePosition>("PagePosition", Family::PageKeywords),
    entry<Xml::Parity>("Parity", Family::PageKeywords),
    entry<Xml::BlankOrNotBlank>("BlankOrNotBlank", Family::PageKeywords),
    entry<Xml::ReferenceOrientation>("ReferenceOrientation", Family::PageKeywords),
    entry<Xml::Span>("Span", Family::PageKeywords),
    entry<Xml::FootnoteRestartRule>("FootnoteRestartRule", Family::PageKeywords),
    entry<Xml::RetrieveBoundary>("RetrieveBoundary", Family::PageKeywords),
    entry<Xml::RetrievePosition>("RetrievePosition", Family::PageKeywords),
    entry<Xml::RetrieveBoundaryWithinTable>("RetrieveBoundaryWithinTable", Family::PageKeywords),
    entry<Xml::RetrievePositionWithinTable>("RetrievePositionWithinTable", Family::PageKeywords),
    entry<Xml::PageConstraint>("PageConstraint", Family::PageKeywords),
    entry<Xml::PageRegionConstraint>("PageRegionConstraint", Family::PageKeywords),
    entry<Xml::AlignmentConstraint>("AlignmentConstraint", Family::PageKeywords),
    entry<Xml::MaxRepeats>("MaxRepeats", Family::PageKeywords),
    entry<Xml::SLineCap>("SLineCap", Family::GraphicsKeywords),
    entry<Xml::SLineJoin>("SLineJoin", Family::GraphicsKeywords),
    entry<Xml::STextAnchor>("STextAnchor", Family::GraphicsKeywords),
    entry<Xml::SVisibility>("SVisibility", Family::GraphicsKeywords),
    entry<Xml::SDisplay>("SDisplay", Family::GraphicsKeywords),
    entry<Drawing::GradientUnits>("GradientUnits", Family::GraphicsKeywords),
    entry<Drawing::GradientSpreadMethod>("GradientSpreadMethod", Family::GraphicsKeywords),
    entry<Xml::STextDecoration>("STextDecoration", Family::GraphicsKeywords),
    entry<Xml::BarcodeType>("BarcodeType", Family::BarcodeKeywords),
    entry<Xml::DMEncoding>("DMEncoding", Family::BarcodeKeywords),
    entry<Xml::DMFormat>("DMFormat", Family::BarcodeKeywords),
    entry<Xml::Code128CodeSet>("Code128CodeSet", Family::BarcodeKeywords),
    entry<Xml::ChartType>("ChartType", Family::ChartKeywords),
    entry<Xml::AxisPosition>("AxisPosition", Family::ChartKeywords),
    entry<Xml::LabelType>("LabelType", Family::ChartKeywords),
    entry<Xml::SliceOrientation>("SliceOrientation", Family::ChartKeywords),
    entry<Xml::TickStyle>("TickStyle", Family::ChartKeywords),
    entry<Xml::SerieGrouping>("SerieGrouping", Family::ChartKeywords),
    entry<Xml::AxisOrientation>("AxisOrientation", Family::ChartKeywords),
    entry<Xml::AxisIntersection>("AxisIntersection", Family::ChartKeywords),
    entry<Xml::AxisDataType>("AxisDataType", Family::ChartKeywords),
    entry<Xml::DisplayValPlacement>("DisplayValPlacement", Family::ChartKeywords),
    entry<Xml::Duplex>("Duplex", Family::OutputKeywords),
    entry<Xml::PDFConformance>("PDFConformance", Family::OutputKeywords),
    entry<Xml::TTFEmbedMode>("TTFEmbedMode", Family::OutputKeywords),
    entry<Xml::AFPEncoding>("AFPEncoding", Family::OutputKeywords),
    entry<Xml::PlayMediaObject>("PlayMediaObject", Family::OutputKeywords),
    entry<Xml::JavaScriptType>("JavaScriptType", Family::OutputKeywords),
    entry<Xml::ScriptType>("ScriptType", Family::OutputKeywords),
    entry<Xml::FormControlType>("FormControlType", Family::OutputKeywords),
    entry<Xml::FormActionType>("FormActionType", Family::OutputKeywords),
    entry<Xml::FormTriggerAction>("FormTriggerAction", Family::OutputKeywords),
    entry<Xml::LightingScheme>("LightingScheme", Family::OutputKeywords),
    entry<Xml::AbsolutePosition>("AbsolutePosition", Family::AreaKeywords),
    entry<Xml::RelativePosition>("RelativePosition", Family::AreaKeywords),
    entry<Xml::Overflow>("Overflow", Family::AreaKeywords),
    entry<Xml::FloatPosition>("FloatPosition", Family::AreaKeywords),
    entry<Xml::TableLayout>("TableLayout", Family::AreaKeywords),
    entry<Xml::BorderCollapse>("BorderCollapse", Family::AreaKeywords),
    entry<Xml::BorderStyle>("BorderStyle", Family::AreaKeywords),
    entry<Xml::BackgroundRepeat>("BackgroundRepeat", Family::AreaKeywords),
    entry<Xml::Scaling>("Scaling", Family::AreaKeywords),
    entry<Xml::ScalingReference>("ScalingReference", Family::AreaKeywords),
    entry<Xml::AnchorX>("AnchorX", Family::AreaKeywords),
    entry<Xml::AnchorY>("AnchorY", Family::AreaKeywords),
    entry<Xml::PositionX>("PositionX", Family::AreaKeywords),
    entry<Xml::PositionY>("PositionY", Family::AreaKeywords),
    entry<Xml::FontSize>("FontSize", Family::Lengths),
    entry<Xml::Indent>("Indent", Family::Lengths),
    entry<Xml::BaselineShift>("BaselineShift", Family::Lengths),
    entry<Xml::SBaselineShift>("SBaselineShift", Family::Lengths),
    entry<Xml::AlignmentAdjust>("AlignmentAdjust", Family::Lengths),
    entry<Xml::ContentLength>("ContentLength", Family::Lengths),
    entry<Xml::LetterSpacing>("LetterSpacing", Family::Lengths),
    entry<Xml::SSpacing>("SSpacing", Family::Lengths),
    entry<Xml::PageDimension>("PageDimension", Family::Lengths),
    entry<Xml::BorderWidth>("BorderWidth", Family::Lengths),
    entry<Xml::InitialPageNumber>("InitialPageNumber", Family::Lengths),
    entry<Xml::InitialSheetNumber>("InitialSheetNumber", Family::Lengths),
    entry<Xml::BackgroundPosition>("BackgroundPosition", Family::Lengths),
    entry<Xml::BackgroundSize>("BackgroundSize", Family::Lengths),
    entry<Xml::TPRule>("TPRule", Family::Scalars),
    entry<Core::Vector<Xml::Transform>>("Vector<Transform>", Family::Geometry),
    entry<Core::Vector<Xml::PathDataCommand>>("Vector<PathDataCommand>", Family::Geometry),
    entry<Core::Vector<Xml::Point>>("Vector<Point>", Family::Geometry),
    entry<Xml::ViewBox>("ViewBox", Family::Geometry),
    entry<Xml::SPreserveAspectRatio>("SPreserveAspectRatio", Family::Geometry),
    entry<Drawing::RectF>("RectF", Family::Geometry),
};

}  // namespace

std::string_view familyName(Family family) {
    static constexpr std::string_view kNames[kFamilyCount] = {
        "scalars",
        "colours",
        "lengths and measures",
        "language tags",
        "chart values",
        "keywords: text and fonts",
        "keywords: pages and flow",
        "keywords: areas",
        "keywords: SVG graphics",
        "keywords: charts",
        "keywords: barcodes",
        "keywords: output and forms",
        "geometry",
    };
    return kNames[static_cast<int>(family)];
}

std::span<const TypeEntry> registeredTypes() {
    return kTypes;
}

const TypeEntry* findType(std::string_view name) {
    const auto found = std::find_if(std::begin(kTypes), std::end(kTypes),
                                    [&](const TypeEntry& e) { return e.name == name; });
    return found == std::end(kTypes) ? nullptr : found;
}

}  // namespace xmlattr_tool

namespace xmlattr_tool {

namespace {

// Edits between a and b, ASCII case folded: changes, drops, additions and
// swaps of neighbours each count one.
std::size_t editDistance(std::string_view a, std::string_view b) {
    const auto same = [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    };
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (same(a[i - 1], b[j - 1]) ? 0 : 1)});
            if (i > 1 && j > 1 && same(a[i - 1], b[j - 2]) && same(a[i - 2], b[j - 1]))
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

}  // namespace

const TypeEntry* closestType(std::string_view name) {
    const TypeEntry* best = nullptr;
    std::size_t bestDistance = 3;
    for (const TypeEntry& type : kTypes) {
        const std::size_t distance = editDistance(name, type.name);
        // Short names are near everything; ask for most of the name to stay.
        if (distance < bestDistance && distance * 2 < name.size()) {
            best = &type;
            bestDistance = distance;
        }
    }
    return best;
}

}  // namespace xmlattr_tool
