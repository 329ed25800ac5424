// Reading an XSLT stylesheet for lint: what it writes becomes the events a
// document gives. A literal result element's constant attribute is an
// attribute; an xsl:attribute's text (text nodes and xsl:text) or its
// string-literal select is an attribute of the element it lands on; a value
// with an expression, or instructions inside xsl:attribute, is computed when
// the stylesheet runs: counted, never judged. The attributes of an attribute
// set land on the elements that use it, which are found at the end.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/lint/Document.h"
#include "tools/lint/Namespaces.h"

namespace xmlattr::lint {

// What the stylesheet reader asks of the parse that drives it.
class ParseHost {
  public:
    virtual std::size_t byteIndex() const = 0;  // of the event being delivered
    virtual void event() = 0;                   // marks where the reader stands
    virtual void unbound(std::string_view prefix) = 0;
    virtual void declarations(const ElementStart& element, AttributeValue value) = 0;
    // Whether the text is handed over (it is, in any case, in long runs).
    virtual void watchText(bool watch) = 0;

  protected:
    ~ParseHost() = default;
};

// The value of an attribute set (or on no element known here) whose text
// begins at begin, as lint judges it (Lint.cpp); none where no type holds it.
std::optional<Value> elsewhereValueAt(std::string_view bytes, std::size_t begin,
                                      const Options& options);

class StylesheetReader {
  public:
    StylesheetReader(DocumentReader& reader, DocumentHandler& handler, const Scopes& scopes,
                     ParseHost& host)
        : reader_(reader), handler_(handler), scopes_(scopes), host_(host) {}

    // Whether the root element (its namespace space, its attributes as the
    // XML reader gives them) makes the document a stylesheet.
    static bool isStylesheet(const ElementStart& root, Space space, const char** attributes,
                             const Scopes& scopes);

    // Each element, in document order; markup() comes first at every start
    // tag, end tag and comment, and ends a text node.
    void markup();
    void start(ElementStart& element, Space space, const char** attributes);
    void end();
    void text(std::string_view chunk);
    void comment() { merged_ = true; }
    // Whether an xsl:attribute's text is being read.
    bool gathering() const { return gathering_.depth != 0; }

  private:
    // Where an xsl:attribute lands.
    struct Landing {
        enum Kind : std::uint8_t { Element, Set, Unknown, Nowhere };
        Kind kind = Nowhere;
        std::optional<Vocabulary> vocabulary;
        std::string written;  // Element: as written; Set: the set's name
        std::string local;
        std::size_t offset = 0;
    };
    // An xsl:attribute whose text is being gathered.
    struct Gathering {
        std::size_t depth = 0;  // of the xsl:attribute; 0 when none is
        std::size_t landing = 0;
        std::optional<Vocabulary> vocabulary;
        std::string name;
        std::string value;
        bool computed = false;
        std::size_t textDepth = 0;  // of an xsl:text inside; 0 outside one
        std::size_t nodes = 0;
        bool doubled = false;  // doubled braces in a text value template
        PlacedText placed;
    };

    void literal(ElementStart& element, const char** attributes);
    void instruction(ElementStart& element, const char** attributes);
    void attributeStart(const ElementStart& element, const char** attributes);
    void emit(const Landing& landing, AttributeValue& value);
    // Where an xsl:attribute directly inside the open element lands.
    std::size_t current() const { return frames_.empty() ? 0 : frames_.back().landing; }
    void push(Landing::Kind kind, std::optional<Vocabulary> vocabulary = {},
              std::string_view written = {}, std::string_view local = {}, std::size_t offset = 0);
    void inherit() { frames_.push_back({current(), false}); }
    void uses(std::string_view names, const ElementStart* element, std::string_view bySet);
    void flush();
    std::string_view raw(std::size_t begin, std::size_t end) const;

    DocumentReader& reader_;
    DocumentHandler& handler_;
    const Scopes& scopes_;
    ParseHost& host_;
    std::vector<Landing> landings_{Landing{}};  // the first lands nowhere
    std::size_t used_ = 1;                      // the landings in use
    struct Frame {
        std::size_t landing;
        bool owns;            // the landing is its own
        bool expand = false;  // its text is a text value template (expand-text)
    };
    std::vector<Frame> frames_;     // per open element
    Gathering gathering_;           // while its depth is not 0
    std::size_t ignoredDepth_ = 0;  // inside an xsl:attribute not gathered
    std::string node_;              // the text node being read
    std::size_t nodeBegin_ = 0;
    Position nodeStart_;
    bool inNode_ = false;
    bool merged_ = false;  // a comment inside the node
    std::string unescaped_;
};

}  // namespace xmlattr::lint
