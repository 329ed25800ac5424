// What `xmlattr describe` says about a type, built from the library's own
// tables (keyword tables, colour names, language tags), from what its parsers
// do with probe and example texts, and from the tool's notes (TypeNotes.cpp),
// then written as plain text or Markdown.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

struct Cell {
    std::string text;
    bool literal = false;  // text from or for the attribute: shown as code
};

struct Table {
    std::string title;
    std::string intro;  // a sentence before the rows, may be empty
    std::vector<std::string> columns;
    std::vector<std::vector<Cell>> rows;
};

// Paragraphs are Markdown: `code` spans mark literal texts.
struct Description {
    const TypeEntry* type = nullptr;
    std::vector<std::string> paragraphs;
    std::vector<Table> tables;
};

Description describe(const TypeEntry& type);

// What an author is shown of a type where a value is written (the editor's
// hover and completion), as data: the keywords it takes, each once and in
// the order they are tried (an alias only where no keyword names its
// value) with the other texts read as the same values, and its units, each
// with what one is worth in pixels.
struct ForAuthor {
    struct Unit {
        std::string suffix;  // "pt"
        std::string worth;   // "1.3333334px", or why it has no fixed size
    };
    struct Alias {
        std::string text;     // "bolder"
        std::string readsAs;  // the keyword of its value, "bold"
    };
    std::vector<std::string> keywords;
    std::vector<Alias> aliases;  // the other texts read as a keyword's value
    std::vector<Unit> units;
};
ForAuthor forAuthor(const TypeEntry& type);

void writeText(const Description& description, std::ostream& out);
void writeMarkdown(const Description& description, std::ostream& out);
// Every registered type, by family, with a title and contents.
void writeReference(std::ostream& out);

// GitHub's anchor for a heading text: lower case, punctuation dropped,
// blanks as hyphens.
std::string headingAnchor(std::string_view heading);

}  // namespace xmlattr_tool
