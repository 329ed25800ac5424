// The tool's notes on the types that are not plain keyword enumerations:
// what a text must look like, in a paragraph or two, which generated tables
// apply, and example texts whose results describe computes with the library.
#pragma once

#include <string_view>
#include <vector>

#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

enum class Part : std::uint8_t {
    LengthUnits,   // the suffixes Length reads, found by probing its parser
    SvgUnits,      // the same for SLength
    ColourForms,   // the colour text forms, with their examples
    ColourNames,   // Xml::NamedColors::kTable
    LanguageTags,  // Xml::Language::tags()
};

struct KeywordPart {
    std::string_view title;
    KeywordTableView (*table)();
};

struct TypeNotes {
    std::string_view name;
    std::vector<std::string_view> paragraphs;  // Markdown
    std::vector<Part> parts;
    std::vector<KeywordPart> keywords;  // keyword tables read before the measure
    std::vector<std::string_view> examples;
};

// The notes of a type, or null (keyword enumerations need none).
const TypeNotes* findNotes(std::string_view name);
const std::vector<TypeNotes>& allNotes();

}  // namespace xmlattr_tool
