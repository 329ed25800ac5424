// Field printers of the scalar attribute types.
#pragma once

#include "css/attributes/ScalarAttributes.h"
#include "tools/registry/Fields.h"

namespace xmlattr_tool {

template <>
struct FieldPrinter<int> {
    static void print(int value, Fields& out) { out.add("value", value); }
};

template <>
struct FieldPrinter<float> {
    static void print(float value, Fields& out) { out.add("value", value); }
};

template <>
struct FieldPrinter<Core::String> {
    static void print(const Core::String& value, Fields& out) {
        out.add("value", value).add("length", value.length());
    }
};

template <>
struct FieldPrinter<Xml::Url> {
    static void print(const Xml::Url& value, Fields& out) { out.add("url", value.getUrl()); }
};

template <>
struct FieldPrinter<Drawing::ImageFilter> {
    static void print(const Drawing::ImageFilter& value, Fields& out) {
        out.add("kind", static_cast<double>(value.getKind()))
            .add("parameter", static_cast<double>(value.getParameter()));
    }
};

}  // namespace xmlattr_tool
