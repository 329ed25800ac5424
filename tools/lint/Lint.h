/// @file
/// The xmlattr lint engine: reads the attributes of XSL-FO and SVG documents
/// (and every declaration of an SVG style="...") exactly as the engine does,
/// and reports each value that is rejected or reads otherwise than written as
/// a Finding: data, with where the value stands in the input. An XSLT
/// stylesheet is read for the XSL-FO and SVG it writes: its constant values,
/// where they stand in it.
///
/// Nothing here prints or opens files. Every function is safe to call from
/// several threads at once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace xmlattr::lint {

/// The vocabulary an attribute belongs to: an unprefixed attribute takes its
/// element's; xml:lang is the XML namespace's own.
enum class Vocabulary : std::uint8_t { Fo, Svg, Xml };

enum class Severity : std::uint8_t { Error, Warning, Note };

/// "error", "warning", "note".
std::string_view severityName(Severity severity);

/// What a finding says. The first twelve judge one value; the others are
/// about the document or the lint itself.
enum class Kind : std::uint8_t {
    Rejected,             ///< the type rejects the text
    Expression,           ///< an expression or function, read as its first number
    BlankChangedUnit,     ///< a blank around a measure changed its unit
    UnknownUnit,          ///< a unit the type does not know, read as pixels
    NotANumber,           ///< a word where a number belongs, read as 0
    RgbPercent,           ///< percentages inside rgb(), read as 0-255 numbers
    RgbOutOfRange,        ///< an rgb() component outside 0-255, which wraps
    ListReadAsOne,        ///< several values where one is read
    ImplicitCommands,     ///< path commands repeated implicitly, dropped
    NumberSplit,          ///< a number split by the path or point grammar
    TransformDefault,     ///< a transform that fell back to its default
    ReadsDifferently,     ///< read otherwise than written, none of the above
    SvgWithoutNamespace,  ///< a root svg element without namespace, read as SVG
    NotChecked,           ///< no XSL-FO or SVG namespace: nothing was checked
    UnknownSuppression,   ///< a suppression comment names an unknown kind
    InternalError,        ///< the library raised while judging a value
};

/// One row of the rules table: the help text, the documentation and the JSON
/// names all come from it.
struct Rule {
    Kind kind;
    std::string_view name;  ///< "unknown-unit"
    Severity severity;
    std::string_view summary;  ///< one line
    bool fixable;              ///< whether a fix is offered for it
};

/// Every rule, in Kind order.
std::span<const Rule> rules();
const Rule& ruleOf(Kind kind);
/// The kind named name ("unknown-unit"), or none.
std::optional<Kind> kindNamed(std::string_view name);

/// A set of kinds, for selecting and ignoring.
class KindSet {
  public:
    static KindSet all() { return KindSet(~std::uint32_t{0}); }
    static KindSet none() { return KindSet(0); }
    KindSet& add(Kind kind) {
        bits_ |= bit(kind);
        return *this;
    }
    KindSet& remove(Kind kind) {
        bits_ &= ~bit(kind);
        return *this;
    }
    bool has(Kind kind) const { return (bits_ & bit(kind)) != 0; }
    bool operator==(const KindSet&) const = default;

  private:
    explicit KindSet(std::uint32_t bits) : bits_(bits) {}
    static std::uint32_t bit(Kind kind) { return std::uint32_t{1} << static_cast<int>(kind); }
    std::uint32_t bits_;
};

/// A place in the input: line and columns count from 1. Lines end at LF, CR
/// or CR LF, as XML has them.
struct Position {
    std::uint32_t line = 1;
    std::uint32_t column = 1;       ///< in code points
    std::uint32_t utf16Column = 1;  ///< in UTF-16 code units, as editors count
};

/// Where a value stands: its bytes [begin, end) in the input, and the
/// positions of its first byte and of the byte after it.
struct Range {
    std::size_t begin = 0;
    std::size_t end = 0;
    Position start;
    Position stop;
};

/// One replacement of input bytes.
struct Edit {
    Range range;
    std::string replacement;  ///< UTF-8, as it stands in the file
};

/// A way to rewrite a value into what its author meant.
struct Fix {
    bool safe = false;  ///< the meaning is certain
    std::string description;
    std::vector<Edit> edits;
};

struct Finding {
    Kind kind = Kind::ReadsDifferently;
    Severity severity = Severity::Warning;
    std::string element;    ///< as written, "fo:block"; empty for a note on the document
    std::string attribute;  ///< as written, "xml:lang"; or the property of a style declaration
    bool inStyle = false;   ///< a declaration of style="..."
    std::string text;       ///< the value, as the XML reader delivers it
    std::string type;       ///< the attribute type that reads it, "Length"
    std::string readsAs;    ///< what the engine holds; empty where it keeps its old value
    std::string reason;     ///< why, in a few words
    /// One line: ATTR="TEXT" on ELEMENT reads as VALUE (TYPE): REASON.
    std::string message;
    Range range;             ///< of the value's text (for a document, of the element)
    std::optional<Fix> fix;  ///< where the author's meaning is known
};

/// One row of the attribute table: which type holds an attribute.
struct AttributeRow {
    Vocabulary vocabulary;
    std::string_view name;       ///< the attribute, or the property of a style declaration
    std::string_view element;    ///< local name of the element it applies to; empty: any
    std::string_view type;       ///< the attribute type, "Length"
    bool numberIsRatio = false;  ///< a bare number is a ratio ("1.2" is 120%)
};

/// The attribute table, sorted by vocabulary, name and element.
std::span<const AttributeRow> attributeRows();

/// The attribute type that holds name on element (its local name, "block") in
/// vocabulary, as lint reads it: "Length"; empty when no type holds it.
std::string_view attributeType(Vocabulary vocabulary, std::string_view element,
                               std::string_view name);

/// Judges one attribute text (UTF-8, entities already replaced) as the
/// engine reads it; none when it reads as written or the attribute has no
/// type. The finding's range is left empty.
std::optional<Finding> judge(Vocabulary vocabulary, std::string_view element, std::string_view name,
                             std::string_view text);

/// A use of a stylesheet's attribute set: by an element (its vocabulary,
/// none for another namespace; an empty element for one not known, as of
/// xsl:copy) or by another set.
struct SetUse {
    std::string set;
    std::optional<Vocabulary> vocabulary;
    std::string element;  ///< as written, "fo:block"
    std::string local;    ///< "block"
    std::string bySet;    ///< the set that uses it; empty for an element's use
};

/// What a first reading of a stylesheet module finds: whether it is one, the
/// modules it includes or imports (href as written), its attribute sets that
/// hold a constant value and each use of a set. Modules beside a stylesheet
/// lend it their uses (Options::setUses).
struct ModuleLinks {
    bool stylesheet = false;
    std::vector<std::string> modules;
    std::vector<std::string> sets;
    std::vector<SetUse> uses;
};
ModuleLinks moduleLinks(std::string_view bytes);

/// What a lint of a whole document keeps of its elements, so that one whose
/// start tag was edited can be judged again alone (lintElement): where each
/// start tag stands, the namespace declarations in scope at it and the kinds
/// a comment silences on it. Only a document that lets an element be read
/// alone is indexed (usable): well-formed, not a stylesheet, in UTF-8, with
/// no document type declaration (which may declare entities or defaults).
struct ElementIndex {
    struct Element {
        std::size_t begin = 0;  ///< of its "<"
        std::size_t end = 0;    ///< after its ">"
        std::uint32_t scope = 0;
        KindSet ignored = KindSet::none();
    };
    /// The namespace declarations in scope, as written: ("xmlns:fo", URI).
    using Scope = std::vector<std::pair<std::string, std::string>>;

    bool usable = false;
    std::vector<Element> elements;  ///< in document order, the root first
    std::vector<Scope> scopes;
    bool svgByDefault = false;  ///< a root svg without namespace makes svg elements SVG
    KindSet fileIgnored = KindSet::none();

    /// The element whose start tag holds the bytes [begin, end), or none.
    const Element* holding(std::size_t begin, std::size_t end) const;
    /// The bytes [begin, end) were replaced by size bytes, inside one start
    /// tag or before every element.
    void edited(std::size_t begin, std::size_t end, std::size_t size);
};

struct Options {
    KindSet kinds = KindSet::all();  ///< the kinds reported
    /// Read a root svg element without namespace as SVG (with a note).
    bool svgWithoutNamespace = true;
    /// Stop at a root element that is neither XSL-FO nor SVG, reporting
    /// nothing (Result::skipped): for documents found by walking a folder.
    bool skipOtherRoots = false;
    /// In a stylesheet: uses of its attribute sets by the modules beside it,
    /// besides its own.
    std::span<const SetUse> setUses;
    /// Filled with the document's elements when set (lintDocument).
    ElementIndex* index = nullptr;
};

/// What a document held, besides its findings.
struct Summary {
    std::size_t attributes = 0;  ///< attributes and style declarations read
    std::size_t checked = 0;     ///< those a type holds
    std::size_t skipped = 0;     ///< those without a type
    std::size_t computed = 0;    ///< in a stylesheet: those computed when it runs, not judged
    std::size_t suppressed = 0;  ///< findings silenced by comments or not selected
};

/// Why a document could not be read (to its end).
struct DocumentError {
    Position position;
    std::string message;
    std::size_t offset = 0;  ///< the byte where reading stopped
};

struct Result {
    Summary summary;
    std::optional<DocumentError> error;  ///< not well-formed, empty, unreadable
    bool rootRead = false;               ///< the root element was reached
    bool skipped = false;                ///< stopped at another root (Options::skipOtherRoots)
    bool stylesheet = false;             ///< an XSLT stylesheet, read for what it writes
};

/// Whether this build reads XML (libexpat); without it, every document gives
/// an error that says so.
bool xmlReaderAvailable();

using FindingSink = std::function<void(const Finding&)>;

/// Lints a document held in memory, handing each finding to onFinding in
/// document order once the document is read (an ignore-file comment silences
/// findings before it too). Findings before an XML error are still given.
Result lintDocument(std::string_view bytes, const FindingSink& onFinding,
                    const Options& options = {});

/// Reads into buffer at most size bytes and returns how many; 0 at the end,
/// a negative number on a read error.
using Source = std::function<std::ptrdiff_t(char* buffer, std::size_t size)>;

/// Lints a document read in pieces from source: memory stays flat whatever
/// the document's size.
Result lintDocument(const Source& source, const FindingSink& onFinding,
                    const Options& options = {});

struct Report {
    std::vector<Finding> findings;
    Result result;
};

/// An attribute value, or a declaration of an SVG style="...", and the type
/// that reads it.
struct Value {
    Vocabulary vocabulary = Vocabulary::Fo;
    std::string element;    ///< as written, "fo:block"
    std::string attribute;  ///< as written, or the property of a style declaration
    bool inStyle = false;
    std::string text;                ///< as the XML reader delivers it
    std::string_view type;           ///< the attribute type, "Length"; empty when none holds it
    Range range;                     ///< of the value's text
    std::optional<Finding> finding;  ///< what lint says of it (its range left empty)
};

/// The XSL-FO, SVG or XML attribute value of the document in bytes whose text
/// holds offset (from its first byte to the byte after its last; in a style,
/// the declaration's value); none elsewhere. The document is read up to the
/// start tag that holds offset: what follows it need not be well-formed.
std::optional<Value> valueAt(std::string_view bytes, std::size_t offset,
                             const Options& options = {});

/// Each XSL-FO, SVG or XML attribute value of the document in bytes (or
/// declaration of an SVG style="...") that a type holds, in document order,
/// up to an XML error; its finding is left empty. A stylesheet's values
/// whose element is not known here are not given.
void forEachValue(std::string_view bytes, const std::function<void(const Value&)>& onValue,
                  const Options& options = {});

/// Lints a document held in memory and gathers its findings.
Report lintDocument(std::string_view bytes, const Options& options = {});

/// The findings of element alone, in the document bytes whose earlier lint
/// gave index (moved with every edit since), as that lint would give them
/// now; at: the position of the element's first byte. None when its start
/// tag no longer reads alone as the same element: not well-formed, or with a
/// namespace declaration; the document must then be linted whole.
std::optional<std::vector<Finding>> lintElement(std::string_view bytes, const ElementIndex& index,
                                                const ElementIndex::Element& element, Position at,
                                                const Options& options = {});

}  // namespace xmlattr::lint
