// What the server says about a document: its diagnostics (lint's findings),
// the code actions that apply their fixes, the hover over a value and the
// keywords a value can be completed with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lint/Lint.h"
#include "tools/lsp/Protocol.h"
#include "tools/lsp/Text.h"

namespace xmlattr::lsp {

// The kind of the source action that applies every safe fix.
inline constexpr std::string_view kFixAllKind = "source.fixAll.xmlattr";

// An open document: its text, and what lint found in it when last linted.
struct Document {
    explicit Document(Text held) : text(std::move(held)) {}

    Text text;
    std::string path;  // on disk, for a file: URI: a stylesheet's modules are beside it
    std::vector<lint::SetUse> setUses;  // of its attribute sets, by those modules
    bool setUsesRead = false;
    std::int64_t version = 0;
    bool dirty = true;  // changed since last linted
    // Of the last lint, moved with every change since; those of a value a
    // change touched are gone.
    std::vector<lint::Finding> findings;

    // Replaces the bytes [begin, end) of the text with replacement.
    void change(std::size_t begin, std::size_t end, std::string_view replacement);

    // Lints the text and returns its diagnostics, as a JSON array: one per
    // finding; for a text that is not well-formed, the findings before its
    // XML error, the error, and the findings of before the change that stand
    // after it (a half-typed tag does not blank the rest of the file); none
    // for a document whose root is neither XSL-FO nor SVG. Where every
    // change since the last lint stayed inside the start tag of one element
    // (a value typed), only those elements are judged again, and only their
    // diagnostics written anew.
    std::string lint(Encoding encoding);

  private:
    // A finding's diagnostic as last written: all but its range, which is
    // kept apart for the changes that only move it.
    struct Written {
        std::string head;  // {"code":...,"message":...,"range":
        int severity = 0;
        TextPosition start;
        TextPosition stop;
        bool placed = false;  // start and stop hold where it stands now
    };

    void written(std::size_t from, std::size_t to);
    std::string write(Encoding encoding, const std::optional<Json>& error);
    bool lintElements(const lint::Options& options);

    // Of the last lint that read the whole text, moved with every change.
    lint::ElementIndex index_;
    bool whole_ = true;                 // the next lint reads the whole text
    std::vector<std::size_t> touched_;  // where the start tags changed since begin
    std::vector<Written> written_;      // of each finding, when not whole
};

// The fixes of the findings whose values meet the bytes [begin, end], as
// quick fixes, and the source action that applies every safe fix. only:
// the kinds the client asked for (null: all).
Json codeActions(const Document& document, const std::string& uri, std::size_t begin,
                 std::size_t end, const Json& only, Encoding encoding);

// A hover over the typed attribute value at offset, or null.
Json hoverAt(const Document& document, std::size_t offset, Encoding encoding, bool markdown);

// The keywords of the value at offset when its type is a keyword
// enumeration, as a completion list.
Json completionsAt(const Document& document, std::size_t offset, Encoding encoding);

// The colour values of the document (of the colour types: a colour, or a
// paint that is one), each with the colour the engine reads, for inline
// swatches.
Json documentColors(const Document& document, Encoding encoding);

// The texts that write color ({"red": 0-1, ...}) back into range: "#rrggbb",
// and each colour name that is exactly that colour.
Json colorPresentations(const Json& color, const Json& range);

// The path of a file: URI ("file:///a%20b.xsl" -> "/a b.xsl"); empty for
// another URI.
std::string pathOfUri(std::string_view uri);

}  // namespace xmlattr::lsp
