#include "tools/lint/LintDocument.h"

#include <istream>
#include <memory>
#include <vector>

#if XMLATTR_HAVE_EXPAT
#include <expat.h>
#endif

namespace xmlattr_tool {

#if XMLATTR_HAVE_EXPAT

namespace {

// Expat joins a name's namespace, local name and prefix with this; it cannot
// occur in an XML name.
constexpr char kSeparator = '\x01';
constexpr int kChunkSize = 64 * 1024;

// White space as XML and CSS have it.
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

struct Name {
    std::string_view uri;
    std::string_view local;
    std::string_view prefix;
};

Name splitName(std::string_view raw) {
    const std::size_t first = raw.find(kSeparator);
    if (first == std::string_view::npos)
        return {{}, raw, {}};
    Name name{raw.substr(0, first), raw.substr(first + 1), {}};
    const std::size_t second = name.local.find(kSeparator);
    if (second != std::string_view::npos) {
        name.prefix = name.local.substr(second + 1);
        name.local = name.local.substr(0, second);
    }
    return name;
}

void writtenName(const Name& name, std::string& out) {
    out.clear();
    if (!name.prefix.empty()) {
        out += name.prefix;
        out += ':';
    }
    out += name.local;
}

std::optional<Vocabulary> vocabularyOf(std::string_view uri) {
    if (uri == kFoNamespace)
        return Vocabulary::Fo;
    if (uri == kSvgNamespace)
        return Vocabulary::Svg;
    if (uri == kXmlNamespace)
        return Vocabulary::Xml;
    return std::nullopt;
}

// Moves place over one character of raw text starting at text[i]; returns
// the index after it. A line ends at LF, CR or CR LF, as XML counts them;
// a column is a character, so UTF-8 continuation bytes do not count.
std::size_t step(std::string_view text, std::size_t i, Place& place) {
    const char c = text[i++];
    if (c == '\n' || c == '\r') {
        if (c == '\r' && i < text.size() && text[i] == '\n')
            ++i;
        ++place.line;
        place.column = 1;
    } else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
        ++place.column;
    }
    return i;
}

Place advanced(Place place, std::string_view text) {
    for (std::size_t i = 0; i < text.size();)
        i = step(text, i, place);
    return place;
}

// An attribute as it stands in the start tag: where its name and its value
// begin, and the value before entities are replaced.
struct RawAttribute {
    std::string_view name;
    Place place;
    Place valuePlace;
    std::string_view value;
};

// The attributes of the start tag at the beginning of text (which holds at
// least the whole tag: expat reports an element only once it has all of it).
void scanTag(std::string_view text, Place place, std::vector<RawAttribute>& out) {
    out.clear();
    std::size_t i = text.empty() ? 0 : step(text, 0, place);  // '<'
    while (i < text.size() && !isBlank(text[i]) && text[i] != '>' && text[i] != '/')
        i = step(text, i, place);
    for (;;) {
        while (i < text.size() && isBlank(text[i]))
            i = step(text, i, place);
        if (i >= text.size() || text[i] == '>' || text[i] == '/')
            return;
        RawAttribute attribute;
        attribute.place = place;
        const std::size_t nameStart = i;
        while (i < text.size() && !isBlank(text[i]) && text[i] != '=')
            i = step(text, i, place);
        attribute.name = text.substr(nameStart, i - nameStart);
        while (i < text.size() && (isBlank(text[i]) || text[i] == '='))
            i = step(text, i, place);
        if (i >= text.size() || (text[i] != '"' && text[i] != '\''))
            return;
        const char quote = text[i];
        i = step(text, i, place);
        attribute.valuePlace = place;
        const std::size_t valueStart = i;
        while (i < text.size() && text[i] != quote)
            i = step(text, i, place);
        attribute.value = text.substr(valueStart, i - valueStart);
        if (i < text.size())
            i = step(text, i, place);
        out.push_back(attribute);
    }
}

class Reader {
  public:
    Reader(XML_Parser parser, const std::function<void(const AttributeEvent&)>& onAttribute)
        : parser_(parser), onAttribute_(onAttribute) {
        XML_SetUserData(parser, this);
        XML_SetStartElementHandler(parser, &Reader::start);
    }

  private:
    static void XMLCALL start(void* data, const XML_Char* name, const XML_Char** attributes) {
        static_cast<Reader*>(data)->element(name, attributes);
    }

    void element(const XML_Char* rawName, const XML_Char** attributes) {
        const Name name = splitName(rawName);
        writtenName(name, element_);
        const std::optional<Vocabulary> vocabulary = vocabularyOf(name.uri);
        const Place tagPlace{static_cast<unsigned long>(XML_GetCurrentLineNumber(parser_)),
                             static_cast<unsigned long>(XML_GetCurrentColumnNumber(parser_)) + 1};
        int offset = 0;
        int size = 0;
        const char* context = XML_GetInputContext(parser_, &offset, &size);
        raw_.clear();
        if (context != nullptr && offset < size)
            scanTag(std::string_view(context + offset, size - offset), tagPlace, raw_);

        AttributeEvent event;
        event.element = element_;
        event.elementName = name.local;
        for (const XML_Char** attribute = attributes; *attribute != nullptr; attribute += 2) {
            const Name attributeName = splitName(attribute[0]);
            writtenName(attributeName, attributeName_);
            const RawAttribute* raw = find(attributeName_);
            event.vocabulary =
                attributeName.uri.empty() ? vocabulary : vocabularyOf(attributeName.uri);
            event.name = attributeName_;
            event.text = attribute[1];
            event.place = raw != nullptr ? raw->place : tagPlace;
            event.inStyle = false;
            if (event.vocabulary == Vocabulary::Svg && attributeName.uri.empty() &&
                attributeName.local == "style") {
                declarations(event, raw);
            } else {
                onAttribute_(event);
            }
        }
    }

    const RawAttribute* find(std::string_view name) const {
        for (const RawAttribute& raw : raw_) {
            if (raw.name == name)
                return &raw;
        }
        return nullptr;
    }

    // "property: value; ..." as CSS reads it: blanks around names and values
    // do not count. Each declaration is placed at its property name.
    void declarations(AttributeEvent event, const RawAttribute* raw) {
        const std::string_view style = event.text;
        std::size_t searchFrom = 0;
        event.inStyle = true;
        for (std::size_t pos = 0; pos < style.size();) {
            std::size_t end = style.find(';', pos);
            if (end == std::string_view::npos)
                end = style.size();
            const std::string_view declaration = style.substr(pos, end - pos);
            pos = end + 1;
            const std::size_t colon = declaration.find(':');
            if (colon == std::string_view::npos)
                continue;
            event.name = trim(declaration.substr(0, colon));
            event.text = trim(declaration.substr(colon + 1));
            if (event.name.empty())
                continue;
            if (raw != nullptr) {
                const std::size_t at = raw->value.find(event.name, searchFrom);
                if (at != std::string_view::npos) {
                    event.place = advanced(raw->valuePlace, raw->value.substr(0, at));
                    searchFrom = at + event.name.size();
                }
            }
            onAttribute_(event);
        }
    }

    XML_Parser parser_;
    const std::function<void(const AttributeEvent&)>& onAttribute_;
    std::vector<RawAttribute> raw_;
    std::string element_;
    std::string attributeName_;
};

struct ParserFree {
    void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};

}  // namespace

bool xmlReaderAvailable() {
    return true;
}

std::optional<DocumentError> readDocument(
    std::istream& in, const std::function<void(const AttributeEvent&)>& onAttribute) {
    const std::unique_ptr<XML_ParserStruct, ParserFree> parser(
        XML_ParserCreateNS(nullptr, kSeparator));
    if (!parser)
        return DocumentError{{}, "cannot create an XML parser"};
    XML_SetReturnNSTriplet(parser.get(), 1);
    Reader reader(parser.get(), onAttribute);
    bool empty = true;
    for (;;) {
        void* buffer = XML_GetBuffer(parser.get(), kChunkSize);
        if (buffer == nullptr)
            return DocumentError{{}, "out of memory"};
        in.read(static_cast<char*>(buffer), kChunkSize);
        const auto got = static_cast<int>(in.gcount());
        if (in.bad())
            return DocumentError{{}, "read error"};
        empty = empty && got == 0;
        const bool last = got < kChunkSize;
        if (empty && last)
            return DocumentError{{}, "the file is empty: no XML document"};
        if (XML_ParseBuffer(parser.get(), got, last) != XML_STATUS_OK) {
            const Place place{
                static_cast<unsigned long>(XML_GetCurrentLineNumber(parser.get())),
                static_cast<unsigned long>(XML_GetCurrentColumnNumber(parser.get())) + 1};
            return DocumentError{
                place, std::string("XML: ") + XML_ErrorString(XML_GetErrorCode(parser.get()))};
        }
        if (last)
            return std::nullopt;
    }
}

#else  // no libexpat: the lint mode says so

bool xmlReaderAvailable() {
    return false;
}

std::optional<DocumentError> readDocument(std::istream&,
                                          const std::function<void(const AttributeEvent&)>&) {
    return DocumentError{{}, "xmlattr was built without libexpat; lint cannot read XML"};
}

#endif

}  // namespace xmlattr_tool
