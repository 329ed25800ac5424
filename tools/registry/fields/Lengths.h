// Field printers of the length and length-or-percent types.
#pragma once

#include <string>

#include "css/lengths/Length.h"
#include "css/lengths/LengthOrPercent.h"
#include "tools/registry/Fields.h"

namespace xmlattr_tool {

namespace lengths {

inline std::string unitText(std::string name, int number) {
    return name.append(" (").append(std::to_string(number)).append(")");
}

inline std::string unitName(Xml::Length::Unit unit) {
    const std::string_view suffix = Xml::Length::suffixOf(unit);
    return unitText(suffix.empty() ? "invalid" : std::string(suffix), unit);
}

inline std::string unitName(Xml::SLength::Unit unit) {
    const std::string_view suffix = Xml::SLength::suffixOf(unit);
    return unitText(unit == Xml::SLength::Percent ? "percent"
                    : unit == 2                   ? "unused"
                    : suffix.empty()              ? "invalid"
                                                  : std::string(suffix),
                    unit);
}

// One length as "unit" and "size", each name behind an optional prefix.
template <class L>
void addLength(Fields& out, const std::string& prefix, const L& length) {
    out.add(prefix + "unit", unitName(length.getUnit())).add(prefix + "size", length.getSize());
}

// Kind 1 (a length) or 2 (a percentage), then the length and the fraction.
template <class M>
void addMeasure(Fields& out, const M& measure) {
    out.add("kind", measure.isPercent() ? 2 : 1);
    addLength(out, "length.", measure.getLength());
    out.add("percent", measure.getPercent());
}

template <class A>
struct AutoPrinter {
    static void print(const A& value, Fields& out) {
        out.add("auto", value.isAuto());
        addMeasure(out, value.getLengthOrPercent());
    }
};

}  // namespace lengths

template <>
struct FieldPrinter<Xml::Length> {
    static void print(const Xml::Length& value, Fields& out) { lengths::addLength(out, "", value); }
};

template <>
struct FieldPrinter<Xml::SLength> {
    static void print(const Xml::SLength& value, Fields& out) {
        lengths::addLength(out, "", value);
    }
};

template <>
struct FieldPrinter<Xml::LengthOrPercent> {
    static void print(const Xml::LengthOrPercent& value, Fields& out) {
        lengths::addMeasure(out, value);
    }
};

template <>
struct FieldPrinter<Xml::SLengthOrPercent> {
    static void print(const Xml::SLengthOrPercent& value, Fields& out) {
        lengths::addMeasure(out, value);
    }
};

template <>
struct FieldPrinter<Xml::Margin> : lengths::AutoPrinter<Xml::Margin> {};
template <>
struct FieldPrinter<Xml::ColumnWidth> : lengths::AutoPrinter<Xml::ColumnWidth> {};
template <>
struct FieldPrinter<Xml::TableWidth> : lengths::AutoPrinter<Xml::TableWidth> {};
template <>
struct FieldPrinter<Xml::LeaderPatternWidth> : lengths::AutoPrinter<Xml::LeaderPatternWidth> {};
template <>
struct FieldPrinter<Xml::LengthOrPercentAuto> : lengths::AutoPrinter<Xml::LengthOrPercentAuto> {};

template <>
struct FieldPrinter<Xml::FloatOrPercent> {
    static void print(const Xml::FloatOrPercent& value, Fields& out) {
        out.add("value", value.getValue());
    }
};

template <>
struct FieldPrinter<Xml::SNullableLength> {
    static void print(const Xml::SNullableLength& value, Fields& out) {
        lengths::addLength(out, "", value);
        out.add("null", value.isNull());
    }
};

template <>
struct FieldPrinter<Xml::DLength> {
    static void print(const Xml::DLength& value, Fields& out) {
        lengths::addLength(out, "first.", value.getFirst());
        lengths::addLength(out, "second.", value.getSecond());
    }
};

template <>
struct FieldPrinter<Core::Vector<Xml::SLength>> {
    static void print(const Core::Vector<Xml::SLength>& value, Fields& out) {
        out.add("count", value.size());
        for (int i = 0; i < value.size(); ++i) {
            lengths::addLength(out, itemPrefix(i), value[i]);
        }
    }
};

}  // namespace xmlattr_tool
