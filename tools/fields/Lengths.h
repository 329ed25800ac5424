// Field printers of the length and length-or-percent types.
#pragma once

#include <string>

#include "css/lengths/Length.h"
#include "tools/Fields.h"

namespace xmlattr_tool {

namespace lengths {

inline std::string unitText(const char* name, int number) {
    return std::string(name) + " (" + std::to_string(number) + ")";
}

inline std::string unitName(Xml::Length::Unit unit) {
    static const char* const kNames[] = {"px", "pt", "pc", "cm", "mm", "in", "em", "ex"};
    const int number = unit;
    return unitText(number >= 0 && number < 8 ? kNames[number] : "invalid", number);
}

inline std::string unitName(Xml::SLength::Unit unit) {
    static const char* const kNames[] = {"px", "pt", "unused", "cm", "mm",
                                         "in", "em", "ex",     "pc", "percent"};
    const int number = unit;
    return unitText(number >= 0 && number < 10 ? kNames[number] : "invalid", number);
}

// One length as "unit" and "size", each name behind an optional prefix.
template <class L>
void addLength(Fields& out, const std::string& prefix, const L& length) {
    out.add(prefix + "unit", unitName(length.getUnit())).add(prefix + "size", length.getSize());
}

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

}  // namespace xmlattr_tool
