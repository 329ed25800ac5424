// Field printers of the chart value types.
#pragma once

#include <string>

#include "css/chart/Value.h"
#include "tools/registry/Fields.h"

namespace xmlattr_tool {

template <>
struct FieldPrinter<Xml::Value> {
    static void print(const Xml::Value& value, Fields& out) {
        static constexpr const char* kTypes[] = {"NoValue", "FloatValue", "DateTimeValue",
                                                 "StringValue"};
        out.add("type", std::string(kTypes[static_cast<int>(value.getType())]))
            .add("string", value.getStringValue());
        if (value.getType() == Xml::ValueType::FloatValue)
            out.add("number", value.getFloatValue());
        if (value.getType() == Xml::ValueType::DateTimeValue) {
            const Core::DateTime& date = value.getDateTimeValue();
            out.add("year", date.getYear()).add("month", date.getMonth()).add("day", date.getDay());
        }
        out.add("ordinal", value.getOrdinal()).add("getValue", value.getValue());
    }
};

template <>
struct FieldPrinter<Xml::AxisUnits> {
    static void print(const Xml::AxisUnits& value, Fields& out) {
        static constexpr const char* kTypes[] = {"Auto", "Days", "Months", "Years", "Numeric"};
        out.add("type", std::string(kTypes[value.getType()]))
            .add("numericValue", value.getNumericVal());
    }
};

}  // namespace xmlattr_tool
