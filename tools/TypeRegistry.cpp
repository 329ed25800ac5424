#include "tools/TypeRegistry.h"

#include <algorithm>
#include <array>

#include "css/XmlAttributes.h"
#include "platform/Exception.h"
#include "tools/Fields.h"
#include "tools/fields/Chart.h"
#include "tools/fields/Colours.h"
#include "tools/fields/Geometry.h"
#include "tools/fields/Keywords.h"
#include "tools/fields/Language.h"
#include "tools/fields/Lengths.h"
#include "tools/fields/Measures.h"
#include "tools/fields/Scalars.h"
#include "tools/fields/TextDecoration.h"

namespace xmlattr_tool {

namespace {

// Parses text with a fresh TXmlAttribute<T> and reports what it holds.
// Parsing never raises; writing back can, for values the library cannot
// write (the report then says where).
template <class T>
Report run(const Core::String& text) {
    Xml::TXmlAttribute<T> attribute;
    Report report;
    report.accepted = attribute.parseValue(text);
    Fields fields;
    FieldPrinter<T>::print(attribute.getValue(), fields);
    report.fields = fields.take();
    try {
        report.text = attribute.getValueAsString();
    } catch (const Core::Exception& error) {
        report.raisedFile = error.getFile();
        report.raisedLine = error.getLine();
    }
    return report;
}

template <class T>
constexpr TypeEntry entry(std::string_view name) {
    return TypeEntry{name, &run<T>};
}

// Every type the tool can parse, by its C++ name. Keep one line per type.
constexpr TypeEntry kTypes[] = {
    entry<int>("int"),
    entry<float>("float"),
    entry<Core::String>("String"),
    entry<Xml::Url>("Url"),
    entry<Drawing::ImageFilter>("ImageFilter"),
    entry<Core::SmartPtr<Drawing::Color>>("Color"),
    entry<Xml::SColor>("SColor"),
    entry<Xml::SNullableColor>("SNullableColor"),
    entry<Xml::Length>("Length"),
    entry<Xml::SLength>("SLength"),
    entry<Xml::BoxShadow>("BoxShadow"),
    entry<Xml::Language>("Language"),
    entry<Xml::Value>("Value"),
    entry<Xml::AxisUnits>("AxisUnits"),
    entry<Xml::LengthOrPercent>("LengthOrPercent"),
    entry<Xml::SLengthOrPercent>("SLengthOrPercent"),
    entry<Xml::Margin>("Margin"),
    entry<Xml::ColumnWidth>("ColumnWidth"),
    entry<Xml::TableWidth>("TableWidth"),
    entry<Xml::LeaderPatternWidth>("LeaderPatternWidth"),
    entry<Xml::LengthOrPercentAuto>("LengthOrPercentAuto"),
    entry<Xml::FloatOrPercent>("FloatOrPercent"),
    entry<Xml::SNullableLength>("SNullableLength"),
    entry<Xml::DLength>("DLength"),
    entry<Core::Vector<Xml::SLength>>("Vector<SLength>"),
    entry<Xml::FontStyle>("FontStyle"),
    entry<Xml::FontWeight>("FontWeight"),
    entry<Xml::FontVariant>("FontVariant"),
    entry<Xml::TextLineStyle>("TextLineStyle"),
    entry<Xml::TextAlign>("TextAlign"),
    entry<Xml::TextDirection>("TextDirection"),
    entry<Xml::WhiteSpaceTreatment>("WhiteSpaceTreatment"),
    entry<Xml::LinefeedTreatment>("LinefeedTreatment"),
    entry<Xml::WrapOption>("WrapOption"),
    entry<Xml::LineStackingStrategy>("LineStackingStrategy"),
    entry<Xml::LineHeightShiftAdjustment>("LineHeightShiftAdjustment"),
    entry<Xml::AlignmentBaseline>("AlignmentBaseline"),
    entry<Xml::DisplayAlign>("DisplayAlign"),
    entry<Xml::Visibility>("Visibility"),
    entry<Xml::LeaderPattern>("LeaderPattern"),
    entry<Xml::LeaderAlignment>("LeaderAlignment"),
    entry<Xml::TabStopType>("TabStopType"),
    entry<Xml::TabPattern>("TabPattern"),
    entry<Xml::Break>("Break"),
    entry<Xml::Keep>("Keep"),
    entry<Xml::ForcePageCount>("ForcePageCount"),
    entry<Xml::PagePosition>("PagePosition"),
    entry<Xml::Parity>("Parity"),
    entry<Xml::BlankOrNotBlank>("BlankOrNotBlank"),
    entry<Xml::ReferenceOrientation>("ReferenceOrientation"),
    entry<Xml::Span>("Span"),
    entry<Xml::FootnoteRestartRule>("FootnoteRestartRule"),
    entry<Xml::RetrieveBoundary>("RetrieveBoundary"),
    entry<Xml::RetrievePosition>("RetrievePosition"),
    entry<Xml::RetrieveBoundaryWithinTable>("RetrieveBoundaryWithinTable"),
    entry<Xml::RetrievePositionWithinTable>("RetrievePositionWithinTable"),
    entry<Xml::PageConstraint>("PageConstraint"),
    entry<Xml::PageRegionConstraint>("PageRegionConstraint"),
    entry<Xml::AlignmentConstraint>("AlignmentConstraint"),
    entry<Xml::MaxRepeats>("MaxRepeats"),
    entry<Xml::SLineCap>("SLineCap"),
    entry<Xml::SLineJoin>("SLineJoin"),
    entry<Xml::STextAnchor>("STextAnchor"),
    entry<Xml::SVisibility>("SVisibility"),
    entry<Xml::SDisplay>("SDisplay"),
    entry<Drawing::GradientUnits>("GradientUnits"),
    entry<Drawing::GradientSpreadMethod>("GradientSpreadMethod"),
    entry<Xml::STextDecoration>("STextDecoration"),
    entry<Xml::BarcodeType>("BarcodeType"),
    entry<Xml::DMEncoding>("DMEncoding"),
    entry<Xml::DMFormat>("DMFormat"),
    entry<Xml::Code128CodeSet>("Code128CodeSet"),
    entry<Xml::ChartType>("ChartType"),
    entry<Xml::AxisPosition>("AxisPosition"),
    entry<Xml::LabelType>("LabelType"),
    entry<Xml::SliceOrientation>("SliceOrientation"),
    entry<Xml::TickStyle>("TickStyle"),
    entry<Xml::SerieGrouping>("SerieGrouping"),
    entry<Xml::AxisOrientation>("AxisOrientation"),
    entry<Xml::AxisIntersection>("AxisIntersection"),
    entry<Xml::AxisDataType>("AxisDataType"),
    entry<Xml::DisplayValPlacement>("DisplayValPlacement"),
    entry<Xml::Duplex>("Duplex"),
    entry<Xml::PDFConformance>("PDFConformance"),
    entry<Xml::TTFEmbedMode>("TTFEmbedMode"),
    entry<Xml::AFPEncoding>("AFPEncoding"),
    entry<Xml::PlayMediaObject>("PlayMediaObject"),
    entry<Xml::JavaScriptType>("JavaScriptType"),
    entry<Xml::ScriptType>("ScriptType"),
    entry<Xml::FormControlType>("FormControlType"),
    entry<Xml::FormActionType>("FormActionType"),
    entry<Xml::FormTriggerAction>("FormTriggerAction"),
    entry<Xml::LightingScheme>("LightingScheme"),
    entry<Xml::AbsolutePosition>("AbsolutePosition"),
    entry<Xml::RelativePosition>("RelativePosition"),
    entry<Xml::Overflow>("Overflow"),
    entry<Xml::FloatPosition>("FloatPosition"),
    entry<Xml::TableLayout>("TableLayout"),
    entry<Xml::BorderCollapse>("BorderCollapse"),
    entry<Xml::BorderStyle>("BorderStyle"),
    entry<Xml::BackgroundRepeat>("BackgroundRepeat"),
    entry<Xml::Scaling>("Scaling"),
    entry<Xml::ScalingReference>("ScalingReference"),
    entry<Xml::AnchorX>("AnchorX"),
    entry<Xml::AnchorY>("AnchorY"),
    entry<Xml::PositionX>("PositionX"),
    entry<Xml::PositionY>("PositionY"),
    entry<Xml::FontSize>("FontSize"),
    entry<Xml::Indent>("Indent"),
    entry<Xml::BaselineShift>("BaselineShift"),
    entry<Xml::SBaselineShift>("SBaselineShift"),
    entry<Xml::AlignmentAdjust>("AlignmentAdjust"),
    entry<Xml::ContentLength>("ContentLength"),
    entry<Xml::LetterSpacing>("LetterSpacing"),
    entry<Xml::SSpacing>("SSpacing"),
    entry<Xml::PageDimension>("PageDimension"),
    entry<Xml::BorderWidth>("BorderWidth"),
    entry<Xml::InitialPageNumber>("InitialPageNumber"),
    entry<Xml::InitialSheetNumber>("InitialSheetNumber"),
    entry<Xml::BackgroundPosition>("BackgroundPosition"),
    entry<Xml::BackgroundSize>("BackgroundSize"),
    entry<Xml::TPRule>("TPRule"),
    entry<Core::Vector<Xml::Transform>>("Vector<Transform>"),
    entry<Core::Vector<Xml::PathDataCommand>>("Vector<PathDataCommand>"),
    entry<Core::Vector<Xml::Point>>("Vector<Point>"),
    entry<Xml::ViewBox>("ViewBox"),
    entry<Xml::SPreserveAspectRatio>("SPreserveAspectRatio"),
    entry<Drawing::RectF>("RectF"),
};

}  // namespace

std::span<const TypeEntry> registeredTypes() {
    return kTypes;
}

const TypeEntry* findType(std::string_view name) {
    const auto found = std::find_if(std::begin(kTypes), std::end(kTypes),
                                    [&](const TypeEntry& e) { return e.name == name; });
    return found == std::end(kTypes) ? nullptr : found;
}

}  // namespace xmlattr_tool
