// Reading an XML document for lint: a streaming parse (libexpat) that hands
// over each start tag, each attribute and each declaration of an SVG
// style="...", with its vocabulary and where its value stands in the input,
// and each comment. Memory does not grow with the document: it is read in
// fixed pieces, and only the bytes not yet passed are kept. A stylesheet is
// read for what it writes (Stylesheet.h), through the same events.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lint/Lint.h"
#include "tools/lint/Position.h"

namespace xmlattr::lint {

struct ElementStart {
    std::string_view written;              // as written, "fo:block"
    std::string_view local;                // "block"
    std::optional<Vocabulary> vocabulary;  // none: another namespace
    std::size_t offset = 0;                // of its "<"
    bool root = false;
    bool rootSvgWithoutNamespace = false;  // a root svg read as SVG for want of a namespace
    // The root of a stylesheet: what it writes is read (Stylesheet.h), and
    // which of the vocabularies it declares, for values whose element is not known.
    bool stylesheet = false;
    bool declaresFo = false;
    bool declaresSvg = false;
};

// Where a value's bytes are in the input: [begin, end), with the quote the
// attribute is written in and whether those bytes are the text delivered
// (no reference or line end the XML reader replaced).
struct ByteRange {
    std::size_t begin = 0;
    std::size_t end = 0;
    char quote = 0;  // '"' or '\''; 0 for a value that stands nowhere
    bool verbatim = false;
};

// A value that is not in a start tag (a stylesheet's text): its bytes and
// positions, found as it was read.
struct PlacedText {
    ByteRange bytes;
    Position start;
    Position stop;
};

struct AttributeValue {
    std::optional<Vocabulary> vocabulary;  // none: an attribute of another namespace
    std::string_view name;                 // as written ("xml:lang"), or the style property
    std::string_view local;                // without its prefix ("lang")
    bool inStyle = false;                  // a declaration of style="..."
    std::string_view text;                 // as the XML reader delivers it
    // Where it stands is found only when asked for (DocumentReader::bytesOf).
    std::string_view attribute;   // the attribute's name as written ("style")
    std::size_t declaration = 0;  // a declaration's text: where it begins in the style
    // What a stylesheet writes (Stylesheet.h):
    bool literal = false;  // the string literal of select="...", from declaration on
    bool avt = false;      // an attribute value template: braces in a rewrite would be read
    const PlacedText* placed = nullptr;  // a text, placed already
    std::string_view unfixable;          // why no rewrite can be written in its bytes
    bool elsewhere = false;              // lands on an element not known here: set's, or none
    std::string_view set;                // the attribute set that holds it
};

// A source that hands over bytes, which it holds by value.
inline Source sourceOf(std::string_view bytes) {
    return [bytes](char* buffer, std::size_t size) mutable {
        const std::size_t n = std::min(size, bytes.size());
        if (n > 0)
            std::memcpy(buffer, bytes.data(), n);
        bytes.remove_prefix(n);
        return static_cast<std::ptrdiff_t>(n);
    };
}

class DocumentHandler {
  public:
    virtual void startElement(const ElementStart& element) = 0;
    virtual void attribute(const ElementStart& element, const AttributeValue& value) = 0;
    // text is the comment's content; offset is where that content begins.
    virtual void comment(std::string_view text, std::size_t offset) = 0;
    // In a stylesheet: a value computed when it runs (never judged); an
    // attribute set used by element (none: an element not known here) or by
    // the set bySet; a module it includes or imports.
    virtual void computed() {}
    virtual void setUse(std::string_view /*set*/, const ElementStart* /*element*/,
                        std::string_view /*bySet*/) {}
    virtual void module(std::string_view /*href*/) {}

  protected:
    ~DocumentHandler() = default;
};

class DocumentReader {
  public:
    DocumentReader(const Source& source, bool svgWithoutNamespace)
        : source_(source), svgWithoutNamespace_(svgWithoutNamespace) {}

    // Reads to the end, calling handler in document order. Returns what
    // stopped the reading: an XML error, a read error, or an empty input.
    std::optional<DocumentError> read(DocumentHandler& handler);

    // The position of offset, which must not lie before the element or
    // comment being handled.
    Position positionAt(std::size_t offset);

    // Ends the reading after the event being handled, without an error.
    void stop() { stopped_ = true; }

    // The bytes of value, an attribute of the element being handled (its
    // start tag is scanned once, on the first question).
    ByteRange bytesOf(const AttributeValue& value);

    // Where the start tag being handled begins.
    std::size_t tagOffset() const { return elementOffset_; }

    // Fills index with every element read, when the document allows one to
    // be read alone (ElementIndex::usable).
    void indexInto(ElementIndex* index) { index_ = index; }

    // Reads only the start tag of element, which begins at position, in the
    // namespaces index has in scope there: the source holds its bytes, with
    // "/>" closing it. An XML error or a namespace declaration in it stops
    // the reading with an error.
    void readAlone(const ElementIndex& index, const ElementIndex::Element& element,
                   Position position);

  private:
    struct Parse;
    friend struct Parse;
    friend class StylesheetReader;

    // An attribute as it stands in the start tag.
    struct RawAttribute {
        std::string_view name;
        std::size_t begin;  // of its value, in the tag
        std::string_view value;
        char quote;
    };

    const Source& source_;
    bool svgWithoutNamespace_;
    std::string window_;  // the input from windowStart_ on, not yet passed
    std::size_t windowStart_ = 0;
    PositionTracker tracker_;       // never past an event still to come
    std::size_t eventStart_ = 0;    // of the element or comment being handled
    PositionTracker eventTracker_;  // at eventStart_, for answers that go back
    bool eventTrackerSet_ = false;
    bool stopped_ = false;
    std::size_t elementOffset_ = 0;  // of the element being handled
    bool tagScanned_ = false;
    std::vector<RawAttribute> raw_;  // of its start tag, once scanned
    std::size_t base_ = 0;           // the offset of the source's first byte in the document
    ElementIndex* index_ = nullptr;
    const ElementIndex* alone_ = nullptr;  // the index of the element read alone
    const ElementIndex::Element* aloneElement_ = nullptr;
};

}  // namespace xmlattr::lint
