#include "tools/lint/Document.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tools/lint/Namespaces.h"
#include "tools/lint/Stylesheet.h"
#include "tools/lint/Table.h"

#if XMLATTR_HAVE_EXPAT
#include <expat.h>
#endif

namespace xmlattr::lint {

Position DocumentReader::positionAt(std::size_t offset) {
    const std::string_view window = window_;
    if (!eventTrackerSet_) {
        tracker_.advance(window, windowStart_, eventStart_);
        eventTracker_ = tracker_;
        eventTrackerSet_ = true;
    }
    if (offset >= tracker_.offset()) {
        tracker_.advance(window, windowStart_, offset);
        return tracker_.position();
    }
    PositionTracker back = eventTracker_;  // an answer before the last one
    back.advance(window, windowStart_, std::max(offset, eventStart_));
    return back.position();
}

#if XMLATTR_HAVE_EXPAT

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trimmed(std::string_view text, std::size_t& offset) {
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    std::size_t last = text.size();
    while (last > first && isBlank(text[last - 1]))
        --last;
    offset += first;
    return text.substr(first, last - first);
}

// How many bytes the character reference "&#...;" stands for in UTF-8.
std::size_t characterReferenceSize(std::string_view reference) {
    unsigned long code = 0;
    const bool hex = reference.size() > 3 && reference[2] == 'x';
    for (std::size_t i = hex ? 3 : 2; i + 1 < reference.size(); ++i) {
        const char c = reference[i];
        const int digit = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : 0;
        code = std::min(code * (hex ? 16 : 10) + static_cast<unsigned long>(digit), 0x110000ul);
    }
    return code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
}

// The byte of raw (an attribute value as written) that the byte at
// delivered of its value as delivered comes from: references stand for what
// they replace, and a CR LF, normalised, for one blank. npos where an entity
// of the document's own makes it unknown.
std::size_t rawIndex(std::string_view raw, std::size_t delivered) {
    std::size_t at = 0;  // in the delivered value
    std::size_t i = 0;
    while (i < raw.size() && at < delivered) {
        if (raw[i] == '&') {
            const std::size_t semicolon = raw.find(';', i);
            if (semicolon == std::string_view::npos)
                return std::string_view::npos;
            const std::string_view reference = raw.substr(i, semicolon + 1 - i);
            std::size_t size = 0;
            if (reference.starts_with("&#"))
                size = characterReferenceSize(reference);
            else if (reference == "&lt;" || reference == "&gt;" || reference == "&amp;" ||
                     reference == "&quot;" || reference == "&apos;")
                size = 1;
            else
                return std::string_view::npos;
            at += size;
            i = semicolon + 1;
        } else if (raw[i] == '\r' && i + 1 < raw.size() && raw[i + 1] == '\n') {
            ++at;
            i += 2;
        } else {
            ++at;
            ++i;
        }
    }
    return at == delivered ? i : std::string_view::npos;
}

// The attributes of the start tag at the beginning of tag (which holds at
// least the whole tag: the XML reader reports an element once it has it all).
template <class Raw>
void scanTag(std::string_view tag, std::vector<Raw>& out) {
    out.clear();
    std::size_t i = 1;  // past '<'
    while (i < tag.size() && !isBlank(tag[i]) && tag[i] != '>' && tag[i] != '/')
        ++i;
    for (;;) {
        while (i < tag.size() && isBlank(tag[i]))
            ++i;
        if (i >= tag.size() || tag[i] == '>' || tag[i] == '/')
            return;
        const std::size_t nameStart = i;
        while (i < tag.size() && !isBlank(tag[i]) && tag[i] != '=')
            ++i;
        const std::string_view name = tag.substr(nameStart, i - nameStart);
        while (i < tag.size() && (isBlank(tag[i]) || tag[i] == '='))
            ++i;
        if (i >= tag.size() || (tag[i] != '"' && tag[i] != '\''))
            return;
        const char* close =
            static_cast<const char*>(std::memchr(tag.data() + i + 1, tag[i], tag.size() - i - 1));
        const std::size_t end = close != nullptr ? close - tag.data() : tag.size();
        out.push_back({name, i + 1, tag.substr(i + 1, end - i - 1), tag[i]});
        i = end + 1;
    }
}

}  // namespace

namespace {

constexpr std::size_t kChunkSize = 64 * 1024;

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

}  // namespace

// The parse of one document: the XML reader's callbacks, in document order.
struct DocumentReader::Parse final : ParseHost {
    Parse(DocumentReader& reader, XML_Parser parser, DocumentHandler& handler)
        : reader(reader), parser(parser), handler(handler) {
        XML_SetUserData(parser, this);
        XML_SetElementHandler(parser, &Parse::start, &Parse::end);
        XML_SetCommentHandler(parser, &Parse::comment);
        if (reader.index_ != nullptr) {
            indexing = true;
            XML_SetXmlDeclHandler(parser, &Parse::declaration);
            XML_SetStartDoctypeDeclHandler(parser, &Parse::doctype);
        }
    }

    // An element reads alone only in a document in UTF-8 without a DTD.
    static void XMLCALL declaration(void* data, const XML_Char*, const XML_Char* encoding, int) {
        std::string_view name = encoding != nullptr ? encoding : "utf-8";
        const bool utf8 = name.size() == 5 && (name[0] | 0x20) == 'u' && (name[1] | 0x20) == 't' &&
                          (name[2] | 0x20) == 'f' && name.substr(3) == "-8";
        if (!utf8)
            static_cast<Parse*>(data)->indexing = false;
    }
    static void XMLCALL doctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*,
                                int) {
        static_cast<Parse*>(data)->indexing = false;
    }

    // Text is not looked at (but inside a stylesheet's xsl:attribute): the
    // reader asks for it only to mark its progress when a long run of text
    // would otherwise stay in the window, as delivering text costs the XML
    // reader a quarter of its time.
    void watchText(bool watch) override {
        if (watch != watchingText) {
            XML_SetCharacterDataHandler(parser, watch ? &Parse::text : nullptr);
            watchingText = watch;
        }
    }

    static void XMLCALL start(void* data, const XML_Char* name, const XML_Char** attributes) {
        static_cast<Parse*>(data)->element(name, attributes);
    }
    static void XMLCALL end(void* data, const XML_Char*) {
        Parse& parse = *static_cast<Parse*>(data);
        if (!parse.scopeIds.empty())
            parse.scopeIds.pop_back();
        if (parse.stylesheet)
            parse.stylesheet->markup();
        parse.event();
        if (parse.stylesheet) {
            parse.stylesheet->end();
            if (parse.reader.stopped_)
                XML_StopParser(parse.parser, XML_FALSE);
        }
        parse.scopes.close();
    }
    static void XMLCALL text(void* data, const XML_Char* text, int length) {
        Parse& parse = *static_cast<Parse*>(data);
        if (parse.stylesheet)
            parse.stylesheet->text({text, static_cast<std::size_t>(length)});
        else
            parse.event();
    }
    static void XMLCALL comment(void* data, const XML_Char* text) {
        Parse& parse = *static_cast<Parse*>(data);
        if (parse.stylesheet)
            parse.stylesheet->comment();
        parse.event();
        // The content starts after "<!--".
        parse.handler.comment(text, parse.reader.eventStart_ + 4);
    }

    std::size_t byteIndex() const override {
        return reader.base_ + static_cast<std::size_t>(XML_GetCurrentByteIndex(parser));
    }

    // Marks where the reader stands: no later event starts before it.
    void event() override {
        reader.eventStart_ = byteIndex();
        reader.eventTrackerSet_ = false;
    }

    // A prefix without a declaration makes the document not namespace-well-formed.
    void unbound(std::string_view prefix) override {
        std::string why = "XML: unbound prefix '";
        why += prefix;
        why += '\'';
        fail(std::move(why));
    }

    void fail(std::string why) {
        error = std::move(why);
        XML_StopParser(parser, XML_FALSE);
    }

    // Indexes the element whose start tag is being read, with the scope of
    // the declarations it makes (its parent's when it makes none).
    void index(const ElementStart& element, const XML_Char** attributes) {
        ElementIndex& index = *reader.index_;
        if (element.root) {
            const std::string_view at =
                std::string_view(reader.window_).substr(element.offset - reader.windowStart_);
            indexing =
                indexing && !element.stylesheet && at.size() > 1 && at[0] == '<' && at[1] != '\0';
        }
        if (!indexing)
            return;
        ElementIndex::Scope declared;
        for (const XML_Char** attribute = attributes; *attribute != nullptr; attribute += 2) {
            const std::string_view name = attribute[0];
            if (name == "xmlns" || name.starts_with("xmlns:"))
                declared.emplace_back(name, attribute[1]);
        }
        if (scopeIds.empty() || !declared.empty()) {
            ElementIndex::Scope scope;
            if (!scopeIds.empty())
                scope = index.scopes[scopeIds.back()];
            scope.insert(scope.end(), declared.begin(), declared.end());
            index.scopes.push_back(std::move(scope));
            scopeIds.push_back(static_cast<std::uint32_t>(index.scopes.size() - 1));
        } else {
            scopeIds.push_back(scopeIds.back());
        }
        index.elements.push_back(
            {element.offset,
             element.offset + static_cast<std::size_t>(XML_GetCurrentByteCount(parser)),
             scopeIds.back(), KindSet::none()});
    }

    void element(const XML_Char* rawName, const XML_Char** attributes) {
        if (stylesheet)
            stylesheet->markup();
        event();
        scopes.open(attributes);
        ElementStart element;
        element.written = rawName;
        const auto [prefix, local] = splitName(element.written);
        element.local = local;
        const std::optional<Space> space = scopes.find(prefix);
        if (!space)
            return unbound(prefix);
        element.offset = reader.eventStart_;
        element.root = !seenRoot;
        if (element.root) {
            seenRoot = true;
            svgByDefault = reader.svgWithoutNamespace_ && *space == Space::None && local == "svg";
            element.rootSvgWithoutNamespace = svgByDefault;
            if (StylesheetReader::isStylesheet(element, *space, attributes, scopes)) {
                element.stylesheet = true;
                element.declaresFo = scopes.binds(Space::Fo);
                element.declaresSvg = scopes.binds(Space::Svg);
                stylesheet.emplace(reader, handler, scopes, *this);
            }
        }
        element.vocabulary = *space == Space::None && svgByDefault ? std::optional(Vocabulary::Svg)
                                                                   : vocabularyOf(*space);
        if (reader.index_ != nullptr)
            index(element, attributes);
        if (reader.alone_ != nullptr) {
            for (const XML_Char** attribute = attributes; *attribute != nullptr; attribute += 2) {
                const std::string_view name = attribute[0];
                if (name == "xmlns" || name.starts_with("xmlns:"))
                    return fail("a namespace declaration: the element does not read alone");
            }
        }
        if (stylesheet) {
            stylesheet->start(element, *space, attributes);
            if (reader.stopped_)
                XML_StopParser(parser, XML_FALSE);
            return;
        }
        handler.startElement(element);
        if (reader.stopped_) {
            XML_StopParser(parser, XML_FALSE);
            return;
        }

        reader.elementOffset_ = element.offset;
        reader.tagScanned_ = false;
        for (const XML_Char** attribute = attributes; *attribute != nullptr; attribute += 2) {
            AttributeValue value;
            value.name = attribute[0];
            value.attribute = value.name;
            const auto [attributePrefix, attributeLocal] = splitName(value.name);
            value.local = attributeLocal;
            if (value.name == "xmlns" || attributePrefix == "xmlns") {
                continue;  // a declaration, not an attribute
            } else if (attributePrefix.empty()) {
                value.vocabulary = element.vocabulary;  // an unprefixed attribute is its element's
            } else if (const std::optional<Space> attributeSpace = scopes.find(attributePrefix)) {
                value.vocabulary = vocabularyOf(*attributeSpace);
            } else {
                return unbound(attributePrefix);
            }
            value.text = attribute[1];
            if (value.vocabulary == Vocabulary::Svg && value.name == "style")
                declarations(element, value);
            else
                handler.attribute(element, value);
        }
    }

    // "property: value; ..." as CSS reads it: blanks around names and values
    // do not count. Each value is placed where it is written in the style.
    void declarations(const ElementStart& element, AttributeValue value) override {
        const std::string_view style = value.text;
        value.inStyle = true;
        for (std::size_t pos = 0; pos < style.size();) {
            std::size_t end = style.find(';', pos);
            if (end == std::string_view::npos)
                end = style.size();
            const std::string_view declaration = style.substr(pos, end - pos);
            const std::size_t colon = declaration.find(':');
            std::size_t nameAt = pos;
            value.declaration = pos + colon + 1;
            pos = end + 1;
            if (colon == std::string_view::npos)
                continue;
            value.name = trimmed(declaration.substr(0, colon), nameAt);
            value.local = value.name;
            value.text = trimmed(declaration.substr(colon + 1), value.declaration);
            if (!value.name.empty())
                handler.attribute(element, value);
        }
    }

    DocumentReader& reader;
    XML_Parser parser;
    DocumentHandler& handler;
    Scopes scopes;
    std::string error;  // what stopped the parse, when a callback stopped it
    bool seenRoot = false;
    bool svgByDefault = false;
    bool watchingText = false;
    std::optional<StylesheetReader> stylesheet;  // when the root makes it one
    bool indexing = false;                       // the document can be indexed so far
    std::vector<std::uint32_t> scopeIds;         // of the open elements, when indexing
};

void DocumentReader::readAlone(const ElementIndex& index, const ElementIndex::Element& element,
                               Position position) {
    alone_ = &index;
    aloneElement_ = &element;
    base_ = windowStart_ = eventStart_ = elementOffset_ = element.begin;
    tracker_ = PositionTracker(element.begin, position);
    eventTrackerSet_ = false;
}

ByteRange DocumentReader::bytesOf(const AttributeValue& value) {
    if (!tagScanned_) {
        scanTag(std::string_view(window_).substr(elementOffset_ - windowStart_), raw_);
        tagScanned_ = true;
    }
    const RawAttribute* found = nullptr;
    for (const RawAttribute& candidate : raw_) {
        if (candidate.name == value.attribute) {
            found = &candidate;
            break;
        }
    }
    // A defaulted attribute stands nowhere: it is placed at its tag.
    if (found == nullptr)
        return {elementOffset_, elementOffset_};
    const ByteRange whole{elementOffset_ + found->begin,
                          elementOffset_ + found->begin + found->value.size(), found->quote, false};
    if (!value.inStyle && !value.literal)
        return {whole.begin, whole.end, whole.quote, found->value == value.text};
    // A declaration (or a string literal) is placed through the references and line ends the XML
    // reader replaced; where a document's own entity hides it, at the style.
    const std::size_t first = rawIndex(found->value, value.declaration);
    const std::size_t last = rawIndex(found->value, value.declaration + value.text.size());
    if (first == std::string_view::npos || last == std::string_view::npos)
        return whole;
    return {whole.begin + first, whole.begin + last, whole.quote,
            found->value.substr(first, last - first) == value.text};
}

bool xmlReaderAvailable() {
    return true;
}

std::optional<DocumentError> DocumentReader::read(DocumentHandler& handler) {
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(XML_ParserCreate(nullptr));
    if (!parser)
        return DocumentError{{}, "cannot create an XML parser"};
    Parse parse(*this, parser.get(), handler);
    if (alone_ != nullptr) {
        // Inside the root, in the declarations in scope at the element.
        parse.seenRoot = true;
        parse.svgByDefault = alone_->svgByDefault;
        std::vector<const XML_Char*> declarations;
        for (const auto& [name, uri] : alone_->scopes.at(aloneElement_->scope)) {
            declarations.push_back(name.c_str());
            declarations.push_back(uri.c_str());
        }
        declarations.push_back(nullptr);
        parse.scopes.open(declarations.data());
    }
    bool empty = true;
    for (;;) {
        // Only the bytes from the last event on are kept: a later event never
        // starts before it.
        tracker_.advance(window_, windowStart_, eventStart_);
        if (const std::size_t passed = eventStart_ - windowStart_; passed > 0) {
            window_.erase(0, passed);
            windowStart_ = eventStart_;
        }
        eventTrackerSet_ = false;
        parse.watchText(window_.size() > 4 * kChunkSize ||
                        (parse.stylesheet && parse.stylesheet->gathering()));
        const std::size_t before = window_.size();
        window_.resize(before + kChunkSize);
        const std::ptrdiff_t got = source_(window_.data() + before, kChunkSize);
        if (got < 0)
            return DocumentError{positionAt(windowStart_ + before), "read error",
                                 windowStart_ + before};
        window_.resize(before + static_cast<std::size_t>(got));
        empty = empty && got == 0;
        const bool last = got == 0;
        if (empty && last)
            return DocumentError{{}, "the file is empty: no XML document"};
        if (XML_Parse(parser.get(), window_.data() + before, static_cast<int>(got), last) !=
            XML_STATUS_OK) {
            if (stopped_)
                return std::nullopt;
            const std::size_t at = parse.byteIndex();
            Position place{static_cast<std::uint32_t>(XML_GetCurrentLineNumber(parser.get())),
                           static_cast<std::uint32_t>(XML_GetCurrentColumnNumber(parser.get())) + 1,
                           0};
            if (at >= tracker_.offset() && at <= windowStart_ + window_.size()) {
                eventStart_ = at;
                eventTrackerSet_ = false;
                place = positionAt(at);
            } else {
                place.utf16Column = place.column;
            }
            if (!parse.error.empty())
                return DocumentError{place, parse.error, at};
            return DocumentError{
                place, std::string("XML: ") + XML_ErrorString(XML_GetErrorCode(parser.get())), at};
        }
        if (last) {
            if (index_ != nullptr) {
                index_->usable = parse.indexing;
                index_->svgByDefault = parse.svgByDefault;
            }
            return std::nullopt;
        }
    }
}

#else  // no libexpat: every document says so

bool xmlReaderAvailable() {
    return false;
}

std::optional<DocumentError> DocumentReader::read(DocumentHandler&) {
    return DocumentError{{}, "xmlattr was built without libexpat; lint cannot read XML"};
}

ByteRange DocumentReader::bytesOf(const AttributeValue&) {
    return {};
}

void DocumentReader::readAlone(const ElementIndex& index, const ElementIndex::Element& element,
                               Position) {
    alone_ = &index;
    aloneElement_ = &element;
}

#endif

}  // namespace xmlattr::lint
