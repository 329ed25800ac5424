// Field printers of the keyword-or-length values, background positions and
// sizes and keyword rules.
#pragma once

#include <cstdint>
#include <string>

#include "css/lengths/Background.h"
#include "css/lengths/KeywordLengths.h"
#include "tools/registry/Fields.h"
#include "tools/registry/fields/Lengths.h"

namespace xmlattr_tool {

namespace measures {

// A mode as its number and, where its table has one, its keyword.
template <Xml::KeywordEnum E>
void addMode(Fields& out, const std::string& name, E mode) {
    const std::wstring_view keyword = Xml::keywordName(mode);
    std::string text = std::to_string(static_cast<std::int32_t>(mode));
    if (!keyword.empty())
        text += " (" + Core::String(keyword).toUtf8() + ")";
    out.add(name, text);
}

}  // namespace measures

template <>
struct FieldPrinter<Xml::FontSize> {
    static void print(const Xml::FontSize& value, Fields& out) {
        static const char* const kTypes[] = {"0 (none)", "1 (relative)", "2 (absolute)"};
        const int type = value.getType();
        out.add("type", type >= 0 && type < 3 ? std::string(kTypes[type]) : std::to_string(type));
        measures::addMode(out, "relative", value.getRelativeSize());
        lengths::addMeasure(out, value.getAbsoluteSize());
    }
};

template <>
struct FieldPrinter<Xml::Indent> {
    static void print(const Xml::Indent& value, Fields& out) {
        measures::addMode(out, "function", value.getFunction());
        lengths::addMeasure(out, value.getLengthOrPercent());
    }
};

template <>
struct FieldPrinter<Xml::BaselineShift> {
    static void print(const Xml::BaselineShift& value, Fields& out) {
        measures::addMode(out, "mode", value.getMode());
        lengths::addMeasure(out, value.getLengthOrPercent());
    }
};

template <>
struct FieldPrinter<Xml::SBaselineShift> {
    static void print(const Xml::SBaselineShift& value, Fields& out) {
        measures::addMode(out, "mode", value.getMode());
        lengths::addMeasure(out, value.getSLengthOrPercent());
    }
};

template <>
struct FieldPrinter<Xml::AlignmentAdjust> {
    static void print(const Xml::AlignmentAdjust& value, Fields& out) {
        out.add("baseline.flag", value.isBaseline());
        measures::addMode(out, "baseline", value.getBaseline());
        lengths::addMeasure(out, value.getLengthOrPercent());
    }
};

template <>
struct FieldPrinter<Xml::ContentLength> {
    static void print(const Xml::ContentLength& value, Fields& out) {
        measures::addMode(out, "mode", value.getScaleMode());
        lengths::addMeasure(out, value.getLength());
        out.add("null", value.isNull());
    }
};

template <>
struct FieldPrinter<Xml::LetterSpacing> {
    static void print(const Xml::LetterSpacing& value, Fields& out) {
        out.add("normal", value.isNormal());
        lengths::addLength(out, "", value.getLength());
    }
};

template <>
struct FieldPrinter<Xml::SSpacing> {
    static void print(const Xml::SSpacing& value, Fields& out) {
        measures::addMode(out, "type", value.getType());
        lengths::addLength(out, "", value.getSLength());
    }
};

template <>
struct FieldPrinter<Xml::PageDimension> {
    static void print(const Xml::PageDimension& value, Fields& out) {
        measures::addMode(out, "type", value.getType());
        lengths::addLength(out, "", value.getLength());
    }
};

template <>
struct FieldPrinter<Xml::BorderWidth> {
    static void print(const Xml::BorderWidth& value, Fields& out) {
        lengths::addLength(out, "", value);
    }
};

template <>
struct FieldPrinter<Xml::InitialPageNumber> {
    static void print(const Xml::InitialPageNumber& value, Fields& out) {
        measures::addMode(out, "type", value.getType());
        out.add("number", value.getPageNumber());
    }
};

template <>
struct FieldPrinter<Xml::InitialSheetNumber> {
    static void print(const Xml::InitialSheetNumber& value, Fields& out) {
        measures::addMode(out, "type", value.getType());
        out.add("number", value.getSheetNumber());
    }
};

template <>
struct FieldPrinter<Xml::BackgroundPosition> {
    static void print(const Xml::BackgroundPosition& value, Fields& out) {
        lengths::addMeasure(out, value);
    }
};

template <>
struct FieldPrinter<Xml::BackgroundSize> {
    static void print(const Xml::BackgroundSize& value, Fields& out) {
        measures::addMode(out, "type", value.getType());
        lengths::addMeasure(out, value);
    }
};

template <>
struct FieldPrinter<Xml::TPRule> {
    static void print(const Xml::TPRule& value, Fields& out) {
        out.add("type", static_cast<int>(value.getType())).add("keyword", value.getKeyword());
    }
};

}  // namespace xmlattr_tool
