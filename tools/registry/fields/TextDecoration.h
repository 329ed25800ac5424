// Field printer of the SVG text-decoration flags.
#pragma once

#include "css/keywords/GraphicsKeywords.h"
#include "tools/registry/Fields.h"

namespace xmlattr_tool {

template <>
struct FieldPrinter<Xml::STextDecoration> {
    static void print(const Xml::STextDecoration& value, Fields& out) {
        out.add("underline", value.isUnderline())
            .add("overline", value.isOverline())
            .add("lineThrough", value.isLineThrough());
    }
};

}  // namespace xmlattr_tool
