// Which attribute type holds each attribute of an XSL-FO or SVG document. The
// rows are data (Table.cpp), sorted and checked when the table compiles;
// lookups go through a hash index built at compile time.
#pragma once

#include <string_view>

#include "tools/lint/Lint.h"

namespace xmlattr::lint {

inline constexpr std::string_view kFoNamespace = "http://www.w3.org/1999/XSL/Format";
inline constexpr std::string_view kSvgNamespace = "http://www.w3.org/2000/svg";
inline constexpr std::string_view kXmlNamespace = "http://www.w3.org/XML/1998/namespace";
inline constexpr std::string_view kXsltNamespace = "http://www.w3.org/1999/XSL/Transform";

// The row for name on element: the element's own row if there is one, else
// the row for any element; null when the attribute has no type.
const AttributeRow* findAttribute(Vocabulary vocabulary, std::string_view element,
                                  std::string_view name);

// The row for name when one type holds it on every element of vocabulary;
// null when none does, or when some element holds it in another type.
const AttributeRow* findAttributeOnEvery(Vocabulary vocabulary, std::string_view name);

}  // namespace xmlattr::lint
