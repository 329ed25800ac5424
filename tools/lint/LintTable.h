// Which attribute type holds each attribute of an XSL-FO or SVG document, for
// xmlattr lint. The rows are data (LintTable.cpp), sorted and checked when the
// table compiles; lookups are binary searches.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace xmlattr_tool {

// The vocabulary an attribute belongs to: an unprefixed attribute takes its
// element's; xml:lang is the XML namespace's own.
enum class Vocabulary : std::uint8_t { Fo, Svg, Xml };

inline constexpr std::string_view kFoNamespace = "http://www.w3.org/1999/XSL/Format";
inline constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";
inline constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";

struct AttributeRow {
    Vocabulary vocabulary;
    std::string_view name;     // the attribute, or the property of a style declaration
    std::string_view element;  // local name of the element it applies to; empty: any
    std::string_view type;     // the registry's name of the attribute type
};

std::span<const AttributeRow> attributeRows();

// The row for name on element: the element's own row if there is one, else
// the row for any element; null when the attribute has no type.
const AttributeRow* findAttribute(Vocabulary vocabulary, std::string_view element,
                                  std::string_view name);

}  // namespace xmlattr_tool
