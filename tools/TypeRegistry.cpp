#include "tools/TypeRegistry.h"

#include <algorithm>
#include <array>

#include "css/XmlAttributes.h"
#include "tools/Fields.h"
#include "tools/fields/Scalars.h"
#include "tools/fields/Lengths.h"
#include "tools/fields/Geometry.h"

namespace xmlattr_tool {

namespace {

// Parses text with a fresh TXmlAttribute<T> and reports what it holds.
template <class T>
Report run(const Core::String& text) {
    Xml::TXmlAttribute<T> attribute;
    Report report;
    report.accepted = attribute.parseValue(text);
    Fields fields;
    FieldPrinter<T>::print(attribute.getValue(), fields);
    report.fields = fields.take();
    report.text = attribute.getValueAsString();
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
    entry<Xml::Length>("Length"),
    entry<Xml::SLength>("SLength"),
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
