// Reading an XML document for xmlattr lint: a streaming parse (libexpat) that
// hands over every attribute, and every declaration of an SVG style="...",
// with its vocabulary and its place in the file. Memory does not grow with
// the document: it is read in fixed chunks and nothing is kept per element.
#pragma once

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "tools/lint/Table.h"

namespace xmlattr_tool {

using xmlattr::lint::kFoNamespace;
using xmlattr::lint::kSvgNamespace;
using xmlattr::lint::kXmlNamespace;
using xmlattr::lint::Vocabulary;

// A place in the file: line and column count from 1, columns in characters.
struct Place {
    unsigned long line = 1;
    unsigned long column = 1;
};

struct AttributeEvent {
    std::optional<Vocabulary> vocabulary;  // none: an attribute of another namespace
    std::string_view element;              // as written, "fo:block"
    std::string_view elementName;          // its local name, "block"
    std::string_view name;                 // as written ("xml:lang"), or the style property
    bool inStyle = false;                  // a declaration of style="..."
    std::string_view text;                 // the value as the parser delivers it
    Place place;                           // of the attribute's name, or the property's
};

struct DocumentError {
    Place place;
    std::string message;
};

// Whether the tool was built with an XML reader (libexpat).
bool xmlReaderAvailable();

// Reads the document from in and calls onAttribute for each attribute and
// style declaration in document order. Returns what stopped the reading: an
// XML error (with its place), a read error, or an empty input.
std::optional<DocumentError> readDocument(
    std::istream& in, const std::function<void(const AttributeEvent&)>& onAttribute);

}  // namespace xmlattr_tool
