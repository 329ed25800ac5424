// Which attribute value stands at an offset: the start tag that holds it is
// the one opened by the last "<" before it (an attribute value cannot hold
// one), so the document is read only up to that tag, and only its values are
// placed.
#include <algorithm>
#include <functional>
#include <string>
#include <utility>

#include "tools/lint/Document.h"
#include "tools/lint/Lint.h"
#include "tools/lint/Stylesheet.h"

namespace xmlattr::lint {

namespace {

// A value as written on its element, and where its bytes stand.
Value placedValue(DocumentReader& reader, const ElementStart& element, const AttributeValue& value,
                  const ByteRange& bytes) {
    Value found;
    found.vocabulary = *value.vocabulary;
    found.element = element.written;
    found.attribute = value.name;
    found.inStyle = value.inStyle;
    found.text = value.text;
    found.range.begin = bytes.begin;
    found.range.end = bytes.end;
    found.range.start =
        value.placed != nullptr ? value.placed->start : reader.positionAt(bytes.begin);
    found.range.stop = value.placed != nullptr ? value.placed->stop : reader.positionAt(bytes.end);
    return found;
}

class ValueFinder final : public DocumentHandler {
  public:
    ValueFinder(DocumentReader& reader, std::size_t tag, std::size_t offset)
        : reader_(reader), tag_(tag), offset_(offset) {}

    void startElement(const ElementStart& element) override {
        if (element.offset > tag_)
            reader_.stop();
    }

    void attribute(const ElementStart& element, const AttributeValue& value) override {
        // A value in the tag at tag_ (a select="..." of xsl:attribute lands
        // on another element), or a stylesheet's text, placed already; a
        // value whose element is not known here is not judged as on one.
        if ((!value.vocabulary && !value.elsewhere) ||
            (reader_.tagOffset() != tag_ && value.placed == nullptr))
            return;
        // A declaration is preferred to the style="..." that holds it.
        if (found_ && found_->inStyle)
            return;
        const ByteRange bytes =
            value.placed != nullptr ? value.placed->bytes : reader_.bytesOf(value);
        if ((bytes.quote == 0 && value.placed == nullptr) || offset_ < bytes.begin ||
            offset_ > bytes.end)
            return;
        if (value.elsewhere) {
            elsewhere_ = bytes.begin;  // judged once the document is read
            return;
        }
        Value found = placedValue(reader_, element, value, bytes);
        found.type = attributeType(found.vocabulary, element.local, value.local);
        found.finding = judge(found.vocabulary, element.local, value.local, value.text);
        found_ = std::move(found);
    }

    void comment(std::string_view, std::size_t offset) override {
        if (offset > tag_)
            reader_.stop();
    }

    std::optional<Value> found() && { return std::move(found_); }
    std::optional<std::size_t> elsewhere() const { return elsewhere_; }

  private:
    DocumentReader& reader_;
    std::size_t tag_;
    std::size_t offset_;
    std::optional<Value> found_;
    std::optional<std::size_t> elsewhere_;
};

std::optional<Value> valueIn(std::string_view bytes, std::size_t tag, std::size_t offset,
                             const Options& options) {
    const Source source = sourceOf(bytes);
    DocumentReader reader(source, options.svgWithoutNamespace);
    ValueFinder finder(reader, tag, offset);
    reader.read(finder);
    if (const std::optional<std::size_t> begin = finder.elsewhere()) {
        std::optional<Value> value = elsewhereValueAt(bytes, *begin, options);
        if (value && value->finding)
            value->finding->range = {};
        return value;
    }
    return std::move(finder).found();
}

// The quote that opens the value holding offset in the tag that starts at
// tag, and where it stands; none when offset is not inside quotes.
std::optional<std::size_t> openingQuote(std::string_view bytes, std::size_t tag,
                                        std::size_t offset) {
    std::optional<std::size_t> open;
    for (std::size_t at = tag; at < offset; ++at) {
        const char byte = bytes[at];
        if (open && byte == bytes[*open])
            open.reset();
        else if (!open && (byte == '"' || byte == '\''))
            open = at;
        else if (!open && byte == '>')
            return std::nullopt;  // offset is after the tag
    }
    return open;
}

// Hands over every typed value, placed, as the reader meets it.
class ValueLister final : public DocumentHandler {
  public:
    ValueLister(DocumentReader& reader, const std::function<void(const Value&)>& onValue)
        : reader_(reader), onValue_(onValue) {}

    void startElement(const ElementStart&) override {}
    void comment(std::string_view, std::size_t) override {}

    void attribute(const ElementStart& element, const AttributeValue& value) override {
        if (!value.vocabulary || value.elsewhere)
            return;
        const std::string_view type = attributeType(*value.vocabulary, element.local, value.local);
        if (type.empty())
            return;
        const ByteRange bytes =
            value.placed != nullptr ? value.placed->bytes : reader_.bytesOf(value);
        if (bytes.quote == 0 && value.placed == nullptr)
            return;
        Value found = placedValue(reader_, element, value, bytes);
        found.type = type;
        onValue_(found);
    }

  private:
    DocumentReader& reader_;
    const std::function<void(const Value&)>& onValue_;
};

}  // namespace

void forEachValue(std::string_view bytes, const std::function<void(const Value&)>& onValue,
                  const Options& options) {
    const Source source = sourceOf(bytes);
    DocumentReader reader(source, options.svgWithoutNamespace);
    ValueLister lister(reader, onValue);
    reader.read(lister);
}

std::optional<Value> valueAt(std::string_view bytes, std::size_t offset, const Options& options) {
    if (offset > bytes.size())
        return std::nullopt;
    const std::size_t tag = bytes.substr(0, offset).rfind('<');
    if (tag == std::string_view::npos)
        return std::nullopt;
    if (std::optional<Value> found = valueIn(bytes, tag, offset, options))
        return found;
    // As an author types, the tag may not be closed yet (or its value not
    // ended): it is read as if it ended after the value's closing quote.
    const std::optional<std::size_t> open = openingQuote(bytes, tag, offset);
    if (!open)
        return std::nullopt;
    // It ends at its quote, where markup begins (it holds no "<"), or at
    // the end of the line: what the author has not typed yet is not in it.
    const char quote = bytes[*open];
    const std::size_t close = std::min({bytes.find(quote, offset), bytes.find('<', offset),
                                        bytes.find_first_of("\r\n", offset), bytes.size()});
    std::string closed(bytes.substr(0, close));
    closed += quote;
    closed += "/>";
    return valueIn(closed, tag, offset, options);
}

}  // namespace xmlattr::lint
