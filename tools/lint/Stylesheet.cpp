#include "tools/lint/Stylesheet.h"

#include <algorithm>

namespace xmlattr::lint {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool allBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), isBlank);
}

// The unprefixed attribute name of an XSLT element, as the XML reader gives it.
std::optional<std::string_view> attributeOf(const char** attributes, std::string_view name) {
    for (const char** attribute = attributes; *attribute != nullptr; attribute += 2) {
        if (attribute[0] == name)
            return std::string_view(attribute[1]);
    }
    return std::nullopt;
}

// An attribute value template: whether it holds an expression, and whether
// it doubles braces to write them. A lone "}" makes it no constant either.
struct Template {
    bool expression = false;
    bool doubled = false;
};

Template templateOf(std::string_view text) {
    Template found;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '{' && text[i] != '}')
            continue;
        if (i + 1 < text.size() && text[i + 1] == text[i]) {
            found.doubled = true;
            ++i;
        } else {
            found.expression = true;
        }
    }
    return found;
}

// The elements whose content writes no attribute of an element around them.
constexpr std::string_view kNowhere[] = {
    "comment", "message", "processing-instruction", "namespace", "key", "sort", "value-of"};
// The elements inside which an attribute lands on an element not known here.
constexpr std::string_view kUnknown[] = {"template",   "variable", "param",
                                         "with-param", "function", "copy"};

// "{{" and "}}" for the brace they stand for.
void unescape(std::string& text) {
    std::size_t to = 0;
    for (std::size_t from = 0; from < text.size(); ++from, ++to) {
        text[to] = text[from];
        if (text[from] == '{' || text[from] == '}')
            ++from;  // the second of the pair
    }
    text.resize(to);
}

bool among(std::span<const std::string_view> names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

bool StylesheetReader::isStylesheet(const ElementStart& root, Space space, const char** attributes,
                                    const Scopes& scopes) {
    if (space == Space::Xslt)
        return root.local == "stylesheet" || root.local == "transform";
    for (const char** attribute = attributes; *attribute != nullptr; attribute += 2) {
        const auto [prefix, local] = splitName(attribute[0]);
        if (!prefix.empty() && local == "version" && scopes.find(prefix) == Space::Xslt)
            return true;
    }
    return false;
}

std::string_view StylesheetReader::raw(std::size_t begin, std::size_t end) const {
    const std::string_view window = reader_.window_;
    if (begin < reader_.windowStart_ || end > reader_.windowStart_ + window.size())
        return {};
    return window.substr(begin - reader_.windowStart_, end - begin);
}

void StylesheetReader::push(Landing::Kind kind, std::optional<Vocabulary> vocabulary,
                            std::string_view written, std::string_view local, std::size_t offset) {
    // The landings are kept for the next elements: their texts keep their room.
    if (used_ == landings_.size())
        landings_.emplace_back();
    Landing& landing = landings_[used_++];
    landing.kind = kind;
    landing.vocabulary = vocabulary;
    landing.written.assign(written);
    landing.local.assign(local);
    landing.offset = offset;
    frames_.push_back({used_ - 1, true});
}

void StylesheetReader::uses(std::string_view names, const ElementStart* element,
                            std::string_view bySet) {
    for (std::size_t pos = 0; pos < names.size();) {
        while (pos < names.size() && isBlank(names[pos]))
            ++pos;
        std::size_t end = pos;
        while (end < names.size() && !isBlank(names[end]))
            ++end;
        if (end > pos)
            handler_.setUse(names.substr(pos, end - pos), element, bySet);
        pos = end;
    }
}

void StylesheetReader::emit(const Landing& landing, AttributeValue& value) {
    ElementStart target;
    if (landing.kind == Landing::Element) {
        target.written = landing.written;
        target.local = landing.local;
        target.vocabulary = landing.vocabulary;
        target.offset = landing.offset;
    } else {
        value.elsewhere = true;
        if (landing.kind == Landing::Set)
            value.set = landing.written;
    }
    handler_.attribute(target, value);
}

void StylesheetReader::markup() {
    if (!inNode_)
        return;
    inNode_ = false;
    const bool kept =
        gathering() && !gathering_.computed && (gathering_.textDepth != 0 || !allBlank(node_));
    // Under expand-text, braces in text hold expressions, as in an attribute.
    const Template tvt = kept && frames_.back().expand ? templateOf(node_) : Template{};
    if (tvt.expression)
        gathering_.computed = true;
    if (kept && !tvt.expression) {
        Gathering& gathering = gathering_;
        if (tvt.doubled) {
            gathering.doubled = true;
            unescape(node_);
        }
        const std::size_t end = host_.byteIndex();
        PlacedText& placed = gathering.placed;
        if (++gathering.nodes == 1) {
            placed.bytes.begin = nodeBegin_;
            placed.start = nodeStart_;
            placed.bytes.verbatim = !merged_ && raw(nodeBegin_, end) == node_;
        } else {
            placed.bytes.verbatim = false;
        }
        placed.bytes.end = end;
        placed.stop = reader_.positionAt(end);
        gathering.value += node_;
    }
    node_.clear();
    merged_ = false;
}

void StylesheetReader::text(std::string_view chunk) {
    if (!gathering() || gathering_.computed) {
        host_.event();
        return;
    }
    if (!inNode_) {
        host_.event();
        inNode_ = true;
        nodeBegin_ = host_.byteIndex();
        nodeStart_ = reader_.positionAt(nodeBegin_);
    }
    node_ += chunk;
}

void StylesheetReader::start(ElementStart& element, Space space, const char** attributes) {
    reader_.elementOffset_ = element.offset;
    reader_.tagScanned_ = false;
    if (gathering()) {
        // Inside xsl:attribute, only xsl:text keeps the value a text.
        if (space == Space::Xslt && element.local == "text" && gathering_.textDepth == 0)
            gathering_.textDepth = frames_.size() + 1;
        else
            gathering_.computed = true;
        inherit();
        return;
    }
    if (ignoredDepth_ != 0) {
        inherit();
        return;
    }
    // expand-text="yes" (xsl:expand-text on a literal element) makes the
    // text inside a text value template, until another says no.
    bool expand = !frames_.empty() && frames_.back().expand;
    for (const char** attribute = attributes; *attribute != nullptr; attribute += 2) {
        const auto [prefix, local] = splitName(attribute[0]);
        if (local == "expand-text" &&
            (space == Space::Xslt ? prefix.empty() : scopes_.find(prefix) == Space::Xslt)) {
            const std::string_view value = attribute[1];
            expand = value == "yes" || value == "true" || value == "1";
        }
    }
    if (space == Space::Xslt)
        instruction(element, attributes);
    else
        literal(element, attributes);
    if (!frames_.empty())
        frames_.back().expand = expand;
}

void StylesheetReader::end() {
    const std::size_t depth = frames_.size();
    if (gathering() && gathering_.textDepth == depth) {
        gathering_.textDepth = 0;
    } else if (gathering() && gathering_.depth == depth) {
        Gathering& gathering = gathering_;
        if (gathering.computed) {
            handler_.computed();
        } else {
            if (gathering.nodes == 0) {
                // An empty value stands where its text would: at the end tag.
                const std::size_t at = host_.byteIndex();
                const Position position = reader_.positionAt(at);
                gathering.placed = {{at, at}, position, position};
            }
            AttributeValue value;
            value.vocabulary = gathering.vocabulary;
            value.name = gathering.name;
            value.local = splitName(gathering.name).second;
            value.text = gathering.value;
            value.placed = &gathering.placed;
            if (gathering.nodes > 1)
                value.unfixable = "made of several text nodes";
            else if (gathering.doubled)
                value.unfixable = "written with doubled braces";
            emit(landings_[gathering.landing], value);
        }
        gathering_.depth = 0;
        host_.watchText(false);
    }
    if (ignoredDepth_ == depth)
        ignoredDepth_ = 0;
    if (!frames_.empty()) {
        if (frames_.back().owns)
            --used_;
        frames_.pop_back();
    }
}

void StylesheetReader::literal(ElementStart& element, const char** attributes) {
    if (!element.root && landings_[current()].kind == Landing::Nowhere) {
        inherit();  // data at the top of the stylesheet, not written
        return;
    }
    handler_.startElement(element);
    push(Landing::Element, element.vocabulary, element.written, element.local, element.offset);
    for (const char** attribute = attributes; *attribute != nullptr; attribute += 2) {
        AttributeValue value;
        value.name = attribute[0];
        value.attribute = value.name;
        const auto [prefix, local] = splitName(value.name);
        value.local = local;
        if (value.name == "xmlns" || prefix == "xmlns")
            continue;
        if (prefix.empty()) {
            value.vocabulary = element.vocabulary;
        } else if (const std::optional<Space> space = scopes_.find(prefix)) {
            if (*space == Space::Xslt) {
                if (local == "use-attribute-sets")
                    uses(attribute[1], &element, {});
                continue;  // an instruction to XSLT, not written
            }
            value.vocabulary = vocabularyOf(*space);
        } else {
            return host_.unbound(prefix);
        }
        value.text = attribute[1];
        value.avt = true;
        const Template avt = templateOf(value.text);
        const bool style = value.vocabulary == Vocabulary::Svg && value.name == "style";
        if (avt.expression || (avt.doubled && style)) {
            handler_.computed();
            continue;
        }
        if (avt.doubled) {
            unescaped_ = value.text;
            unescape(unescaped_);
            value.text = unescaped_;
            value.unfixable = "written with doubled braces";
        }
        if (style)
            host_.declarations(element, value);
        else
            handler_.attribute(element, value);
    }
}

void StylesheetReader::instruction(ElementStart& element, const char** attributes) {
    const std::string_view local = element.local;
    if (local == "attribute")
        return attributeStart(element, attributes);
    if (local == "include" || local == "import") {
        if (const auto href = attributeOf(attributes, "href"))
            handler_.module(*href);
        inherit();
        return;
    }
    handler_.startElement(element);
    const std::optional<std::string_view> sets = attributeOf(attributes, "use-attribute-sets");
    if (local == "element") {
        const std::optional<std::string_view> name = attributeOf(attributes, "name");
        const std::optional<std::string_view> space = attributeOf(attributes, "namespace");
        if (!name || name->find('{') != std::string_view::npos ||
            (space && space->find('{') != std::string_view::npos)) {
            push(Landing::Unknown);
            uses(sets.value_or(""), nullptr, {});
            return;
        }
        ElementStart target;
        target.written = *name;
        const auto [prefix, targetLocal] = splitName(*name);
        target.local = targetLocal;
        const Space resolved =
            space ? spaceOf(*space) : scopes_.find(prefix).value_or(Space::Other);
        if (resolved == Space::Fo || resolved == Space::Svg)
            target.vocabulary = vocabularyOf(resolved);
        target.offset = element.offset;
        handler_.startElement(target);
        push(Landing::Element, target.vocabulary, target.written, target.local, target.offset);
        uses(sets.value_or(""), &target, {});
    } else if (local == "attribute-set") {
        const std::string_view name = attributeOf(attributes, "name").value_or("");
        push(Landing::Set, std::nullopt, name);
        uses(sets.value_or(""), nullptr, name);
    } else if (among(kUnknown, local)) {
        push(Landing::Unknown);
        uses(sets.value_or(""), nullptr, {});
    } else if (among(kNowhere, local) || element.root) {
        push(Landing::Nowhere);
    } else {
        inherit();
    }
}

void StylesheetReader::attributeStart(const ElementStart& element, const char** attributes) {
    const std::size_t landing = current();
    frames_.push_back({landing, false});
    ignoredDepth_ = frames_.size();  // unless its text is gathered
    const Landing::Kind kind = landings_[landing].kind;
    const std::optional<std::string_view> name = attributeOf(attributes, "name");
    if (kind == Landing::Nowhere || !name)
        return;
    handler_.startElement(element);
    const std::optional<std::string_view> space = attributeOf(attributes, "namespace");
    if (name->find('{') != std::string_view::npos ||
        (space && space->find('{') != std::string_view::npos)) {
        handler_.computed();
        return;
    }
    const auto [prefix, local] = splitName(*name);
    std::optional<Vocabulary> vocabulary;
    if (space && !space->empty()) {
        if (spaceOf(*space) != Space::Xml)
            return;  // an attribute of another namespace
        vocabulary = Vocabulary::Xml;
    } else if (!prefix.empty()) {
        if (scopes_.find(prefix) != Space::Xml)
            return;
        vocabulary = Vocabulary::Xml;
    } else if (kind == Landing::Element) {
        vocabulary = landings_[landing].vocabulary;
    }
    if (const std::optional<std::string_view> select = attributeOf(attributes, "select")) {
        // A string literal, 'text' or "text", is a constant; anything else is computed.
        std::size_t first = 0;
        while (first < select->size() && isBlank((*select)[first]))
            ++first;
        std::size_t last = select->size();
        while (last > first && isBlank((*select)[last - 1]))
            --last;
        const std::string_view literal = select->substr(first, last - first);
        if (literal.size() < 2 || (literal.front() != '\'' && literal.front() != '"') ||
            literal.find(literal.front(), 1) != literal.size() - 1) {
            handler_.computed();
            return;
        }
        AttributeValue value;
        value.vocabulary = vocabulary;
        value.name = *name;
        value.local = local;
        value.attribute = "select";
        value.literal = true;
        value.declaration = first + 1;
        value.text = literal.substr(1, literal.size() - 2);
        emit(landings_[landing], value);
        return;
    }
    ignoredDepth_ = 0;
    // Its text is read: the XML reader hands it over until its end.
    host_.watchText(true);
    gathering_.depth = frames_.size();
    gathering_.landing = landing;
    gathering_.vocabulary = vocabulary;
    gathering_.name.assign(*name);
    gathering_.value.clear();
    gathering_.computed = false;
    gathering_.textDepth = 0;
    gathering_.nodes = 0;
    gathering_.doubled = false;
    gathering_.placed = {};
}

}  // namespace xmlattr::lint
