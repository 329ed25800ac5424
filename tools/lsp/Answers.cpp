// Diagnostics, code actions, hovers and completions, from the lint engine,
// its fixes, the type registry and describe.
#include "tools/lsp/Answers.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <set>

#include "css/colours/ColorParse.h"
#include "css/colours/NamedColors.h"
#include "css/colours/SColor.h"
#include "tools/common/Json.h"
#include "tools/describe/Description.h"
#include "tools/fix/Fix.h"
#include "tools/fix/Modules.h"
#include "tools/registry/TypeRegistry.h"

namespace xmlattr::lsp {

using xmlattr_tool::dumpJson;

namespace {

int severityOf(lint::Severity severity) {
    switch (severity) {
        case lint::Severity::Error:
            return 1;
        case lint::Severity::Warning:
            return 2;
        case lint::Severity::Note:
            break;
    }
    return 3;  // Information
}

Json diagnosticOf(const Text& text, const lint::Finding& finding, Encoding encoding) {
    return Json{{"range", rangeJson(text, finding.range.begin, finding.range.end, encoding)},
                {"severity", severityOf(finding.severity)},
                {"code", lint::ruleOf(finding.kind).name},
                {"source", "xmlattr"},
                {"message", finding.message}};
}

Json textEdit(const Text& text, std::size_t begin, std::size_t end, std::string newText,
              Encoding encoding) {
    return Json{{"range", rangeJson(text, begin, end, encoding)}, {"newText", std::move(newText)}};
}

// Whether the client asked for actions of kind: "source" asks for
// "source.fixAll.xmlattr" too.
bool asked(const Json& only, std::string_view kind) {
    if (!only.is_array())
        return true;
    for (const Json& each : only) {
        if (!each.is_string())
            continue;
        const std::string& wanted = each.get_ref<const std::string&>();
        if (kind == wanted || (kind.starts_with(wanted) && kind[wanted.size()] == '.'))
            return true;
    }
    return false;
}

// What an author is shown of a type, found once per type for every server
// of the process (finding the units probes the parser).
const xmlattr_tool::ForAuthor& forAuthorOf(const xmlattr_tool::TypeEntry& type) {
    static std::mutex lock;
    static std::map<std::string_view, xmlattr_tool::ForAuthor> found;
    const std::lock_guard<std::mutex> held(lock);
    const auto at = found.find(type.name);
    if (at != found.end())
        return at->second;
    return found.emplace(type.name, xmlattr_tool::forAuthor(type)).first->second;
}

// text, ended with a full stop unless it ends with "?" or "." already.
std::string sentence(std::string text) {
    if (text.empty() || (text.back() != '?' && text.back() != '.'))
        text += '.';
    return text;
}

std::string code(std::string_view text) {
    // A span with as many backticks around it as it needs.
    std::string fence = "`";
    while (text.find(fence) != std::string_view::npos)
        fence += '`';
    const bool pad = !text.empty() && (text.front() == '`' || text.back() == '`');
    std::string out = fence;
    out += pad ? " " : "";
    out += text;
    out += pad ? " " : "";
    out += fence;
    return out;
}

std::optional<lint::Value> valueIn(const Document& document, std::size_t offset) {
    lint::Options options;
    options.setUses = document.setUses;
    return lint::valueAt(document.text.bytes(), offset, options);
}

// Whether replacing the bytes [begin, end) of bytes with replacement keeps
// to the start tag of element, past its name and before its last quote, and
// neither opens nor closes markup, a value or a reference: the element may
// then be judged again alone.
bool insideTag(std::string_view bytes, const lint::ElementIndex::Element& element,
               std::size_t begin, std::size_t end, std::string_view replacement) {
    std::size_t nameEnd = element.begin + 1;
    while (nameEnd < element.end &&
           std::string_view(" \t\r\n/>").find(bytes[nameEnd]) == std::string_view::npos)
        ++nameEnd;
    const std::size_t lastQuote = bytes.find_last_of("\"'", element.end - 1);
    constexpr std::string_view markup = "<>&\"'";
    return begin > nameEnd && lastQuote != std::string_view::npos && lastQuote > nameEnd &&
           end <= lastQuote &&
           bytes.substr(begin, end - begin).find_first_of(markup) == std::string_view::npos &&
           replacement.find_first_of(markup) == std::string_view::npos;
}

// Whether replacing the bytes [begin, end) of bytes with replacement keeps
// to the text of an element: after a start tag, with nothing between but
// text and closed end tags (no comment, CDATA or processing instruction),
// and before a start or end tag; neither the bytes nor the replacement hold markup, a
// reference or other than printable ASCII, tabs and line ends. The document
// then reads as before but for that text, which lint does not judge outside
// a stylesheet.
bool inText(std::string_view bytes, const lint::ElementIndex& index, std::size_t begin,
            std::size_t end, std::string_view replacement) {
    const auto plain = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) {
            return (c >= 0x20 && c < 0x7F && c != '<' && c != '>' && c != '&' && c != ']') ||
                   c == '\t' || c == '\n' || c == '\r';
        });
    };
    if (!plain(bytes.substr(begin, end - begin)) || !plain(replacement) ||
        (begin < bytes.size() && (static_cast<unsigned char>(bytes[begin]) & 0xC0) == 0x80))
        return false;
    const auto after = std::upper_bound(
        index.elements.begin(), index.elements.end(), begin,
        [](std::size_t offset, const lint::ElementIndex::Element& e) { return offset < e.begin; });
    if (after == index.elements.begin() || (after - 1)->end > begin)
        return false;
    const std::string_view between = bytes.substr((after - 1)->end, begin - (after - 1)->end);
    const std::size_t next = bytes.find('<', end);
    const std::size_t lastTag = between.rfind('<');  // an end tag, which must be closed
    return (lastTag == std::string_view::npos ||
            between.find('>', lastTag) != std::string_view::npos) &&
           between.find("<!") == std::string_view::npos &&
           between.find("<?") == std::string_view::npos && next != std::string_view::npos &&
           (bytes.substr(next, 2) == "</" ||
            (after != index.elements.end() && after->begin == next));
}

}  // namespace

void Document::change(std::size_t begin, std::size_t end, std::string_view replacement) {
    dirty = true;
    const std::string_view bytes = text.bytes();
    begin = std::min(begin, bytes.size());
    end = std::clamp(end, begin, bytes.size());
    const std::size_t size = replacement.size();
    const lint::ElementIndex::Element* element =
        whole_ || bytes.starts_with("\xEF\xBB\xBF") ? nullptr : index_.holding(begin, end);
    if (element != nullptr && (element == &index_.elements.front() ||
                               !insideTag(bytes, *element, begin, end, replacement)))
        element = nullptr;
    // Typed text moves what follows it, and changes no finding.
    const bool typed = element == nullptr && !whole_ && !bytes.starts_with("\xEF\xBB\xBF") &&
                       inText(bytes, index_, begin, end, replacement);
    if (element == nullptr && !typed) {
        whole_ = true;
        touched_.clear();
        written_.clear();
    }
    const std::uint32_t endLine = text.positionOf(end, Encoding::Utf8).line;
    const std::size_t lines = text.lineCount();
    const auto moved = [&](lint::Range& range) {
        if (range.begin >= end) {
            range.begin = range.begin - end + begin + size;
            range.end = range.end - end + begin + size;
        }
    };
    std::size_t kept = 0;
    for (std::size_t i = 0; i < findings.size(); ++i) {
        lint::Finding& finding = findings[i];
        if (finding.range.end >= begin) {
            if (finding.range.begin <= end)
                continue;  // its value changed, or grew at an end: only a new lint can say
            moved(finding.range);
            if (finding.fix) {
                for (lint::Edit& edit : finding.fix->edits)
                    moved(edit.range);
            }
        }
        if (kept != i) {
            findings[kept] = std::move(finding);
            if (!whole_)
                written_[kept] = std::move(written_[i]);
        }
        ++kept;
    }
    findings.resize(kept);
    if (!whole_)
        written_.resize(kept);
    text.replace(begin, end, replacement);
    if (whole_)
        return;
    index_.edited(begin, end, size);
    for (std::size_t& at : touched_) {
        if (at >= end)
            at = at - end + begin + size;
    }
    if (element != nullptr)
        touched_.push_back(element->begin);
    // Lines after the edit's last line only move; on the lines it spans
    // (and the next, where a CR LF may have been split or joined) positions
    // are found again.
    const auto lineDelta =
        static_cast<std::int64_t>(text.lineCount()) - static_cast<std::int64_t>(lines);
    for (std::size_t i = 0; i < findings.size(); ++i) {
        Written& each = written_[i];
        if (findings[i].range.begin < begin + size || !each.placed)
            continue;
        if (each.start.line > endLine + 1) {
            each.start.line = static_cast<std::uint32_t>(each.start.line + lineDelta);
            each.stop.line = static_cast<std::uint32_t>(each.stop.line + lineDelta);
        } else {
            each.placed = false;
        }
    }
}

std::string pathOfUri(std::string_view uri) {
    constexpr std::string_view scheme = "file://";
    if (!uri.starts_with(scheme))
        return {};
    uri.remove_prefix(scheme.size());
    if (uri.starts_with("localhost/"))
        uri.remove_prefix(9);
    std::string path;
    for (std::size_t i = 0; i < uri.size(); ++i) {
        const auto hex = [](char c) {
            return c >= '0' && c <= '9'   ? c - '0'
                   : c >= 'a' && c <= 'f' ? c - 'a' + 10
                   : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                          : -1;
        };
        if (uri[i] == '%' && i + 2 < uri.size() && hex(uri[i + 1]) >= 0 && hex(uri[i + 2]) >= 0) {
            path += static_cast<char>(hex(uri[i + 1]) * 16 + hex(uri[i + 2]));
            i += 2;
        } else {
            path += uri[i];
        }
    }
    return path.starts_with('/') ? path : std::string();
}

// The diagnostics of findings [from, to), to be placed when written.
void Document::written(std::size_t from, std::size_t to) {
    std::vector<Written> fresh;
    for (std::size_t i = from; i < to; ++i) {
        const lint::Finding& finding = findings[i];
        std::string head =
            dumpJson(Json{{"code", lint::ruleOf(finding.kind).name}, {"message", finding.message}});
        head.pop_back();  // the closing brace: the range comes next
        head += ",\"range\":";
        fresh.push_back({std::move(head), severityOf(finding.severity), {}, {}, false});
    }
    written_.insert(written_.begin() + static_cast<std::ptrdiff_t>(from),
                    std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
}

std::string Document::write(Encoding encoding, const std::optional<Json>& error) {
    std::string out = "[";
    const auto position = [&out](const TextPosition& at) {
        out += "{\"character\":";
        out += std::to_string(at.character);
        out += ",\"line\":";
        out += std::to_string(at.line);
        out += '}';
    };
    for (std::size_t i = 0; i < findings.size(); ++i) {
        Written& each = written_[i];
        if (!each.placed) {
            each.start = text.positionOf(findings[i].range.begin, encoding);
            each.stop = text.positionOf(findings[i].range.end, encoding);
            each.placed = true;
        }
        if (i > 0)
            out += ',';
        out += each.head;
        out += "{\"end\":";
        position(each.stop);
        out += ",\"start\":";
        position(each.start);
        out += "},\"severity\":";
        out += std::to_string(each.severity);
        out += ",\"source\":\"xmlattr\"}";
    }
    if (error) {
        if (!findings.empty())
            out += ',';
        out += dumpJson(*error);
    }
    out += ']';
    return out;
}

// Judges again each element whose start tag changed, in place of its
// findings; false where one does not read alone.
bool Document::lintElements(const lint::Options& options) {
    std::sort(touched_.begin(), touched_.end());
    touched_.erase(std::unique(touched_.begin(), touched_.end()), touched_.end());
    for (const std::size_t begin : touched_) {
        const lint::ElementIndex::Element* element = index_.holding(begin, begin);
        if (element == nullptr || element->begin != begin)
            return false;
        const TextPosition points = text.positionOf(begin, Encoding::Utf32);
        const lint::Position at{points.line + 1, points.character + 1,
                                text.positionOf(begin, Encoding::Utf16).character + 1};
        std::optional<std::vector<lint::Finding>> found =
            lint::lintElement(text.bytes(), index_, *element, at, options);
        if (!found)
            return false;
        const auto by = [](const lint::Finding& f, std::size_t offset) {
            return f.range.begin < offset;
        };
        const auto first = std::lower_bound(findings.begin(), findings.end(), element->begin, by);
        const auto last = std::lower_bound(first, findings.end(), element->end, by);
        const auto from = static_cast<std::size_t>(first - findings.begin());
        written_.erase(written_.begin() + static_cast<std::ptrdiff_t>(from),
                       written_.begin() + (last - findings.begin()));
        const auto gap = findings.erase(first, last);
        findings.insert(gap, std::make_move_iterator(found->begin()),
                        std::make_move_iterator(found->end()));
        written(from, from + found->size());
    }
    touched_.clear();
    return true;
}

std::string Document::lint(Encoding encoding) {
    dirty = false;
    const std::string& bytes = text.bytes();
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos) {
        findings.clear();
        written_.clear();
        whole_ = true;
        return "[]";  // a new, empty document is not yet an error
    }
    // An editor starts the server for every XML file: one whose root is
    // neither XSL-FO nor SVG is left alone, as lint leaves it in a folder.
    lint::Options options;
    options.skipOtherRoots = true;
    options.setUses = setUses;
    if (!whole_ && lintElements(options))
        return write(encoding, std::nullopt);
    std::vector<lint::Finding> before = std::move(findings);
    findings.clear();
    options.index = &index_;
    lint::Report report = lint::lintDocument(bytes, options);
    // A stylesheet's sets are judged where the modules beside it use them
    // too: those are read once, from disk.
    if (report.result.stylesheet && !setUsesRead && !path.empty()) {
        setUsesRead = true;
        setUses = fix::setUsesBeside(path);
        options.setUses = setUses;
        if (!setUses.empty())
            report = lint::lintDocument(bytes, options);
    }
    findings = std::move(report.findings);
    std::optional<Json> error;
    if (report.result.error) {
        // Where the XML reader stopped.
        const std::size_t offset = std::min(report.result.error->offset, bytes.size());
        error = Json{{"range", rangeJson(text, offset, offset, encoding)},
                     {"severity", 1},
                     {"source", "xmlattr"},
                     {"message", report.result.error->message}};
        // What was read before the error is new; what stands after it is
        // kept from before.
        std::erase_if(findings, [&](const lint::Finding& f) { return f.range.begin >= offset; });
        for (lint::Finding& finding : before) {
            if (finding.range.begin >= offset)
                findings.push_back(std::move(finding));
        }
    }
    whole_ = !index_.usable;
    touched_.clear();
    written_.clear();
    written(0, findings.size());
    return write(encoding, error);
}

namespace {

// The suppression comment for finding, and where it goes: before the start
// tag of its element, on a line of its own with the tag's indent when the
// tag begins its line; for the file, after the XML declaration (or first).
lint::Edit suppression(std::string_view bytes, const lint::Finding& finding, bool file) {
    const std::string_view kind = lint::ruleOf(finding.kind).name;
    std::string comment = "<!-- xmlattr-lint: ";
    comment += file ? "ignore-file[" : "ignore[";
    comment += kind;
    comment += "] -->";
    // Lines end as the document's first line does.
    const std::size_t firstEnd = bytes.find_first_of("\r\n");
    const std::string newline = firstEnd == std::string_view::npos || bytes[firstEnd] == '\n' ? "\n"
                                : bytes.substr(firstEnd, 2) == "\r\n" ? "\r\n"
                                                                      : "\r";
    lint::Edit edit;
    if (file) {
        std::size_t at = 0;
        if (bytes.substr(0, 5) == "<?xml") {
            const std::size_t close = bytes.find("?>");
            at = close == std::string_view::npos ? 0 : close + 2;
        }
        edit.range.begin = edit.range.end = at;
        edit.replacement = at == 0 ? comment + newline : newline + comment;
        return edit;
    }
    // A value holds no "<": the last one before it opens its tag.
    const std::size_t tag = bytes.substr(0, finding.range.begin).rfind('<');
    const std::size_t at = tag == std::string_view::npos ? 0 : tag;
    const std::size_t lineStart = bytes.find_last_of("\r\n", at == 0 ? 0 : at - 1);
    const std::size_t from =
        lineStart == std::string_view::npos || lineStart >= at ? 0 : lineStart + 1;
    const std::string_view indent = bytes.substr(from, at - from);
    const bool ownLine = indent.find_first_not_of(" \t") == std::string_view::npos;
    edit.range.begin = edit.range.end = at;
    edit.replacement = comment + (ownLine ? newline + std::string(indent) : std::string(" "));
    return edit;
}

}  // namespace

Json codeActions(const Document& document, const std::string& uri, std::size_t begin,
                 std::size_t end, const Json& only, Encoding encoding) {
    Json actions = Json::array();
    const auto under = [&](const lint::Finding& finding) {
        return finding.range.end >= begin && finding.range.begin <= end;
    };
    for (const lint::Finding& finding : document.findings) {
        if (!finding.fix)
            continue;
        if (!asked(only, "quickfix") || !under(finding))
            continue;
        Json edits = Json::array();
        for (const lint::Edit& edit : finding.fix->edits) {
            edits.push_back(textEdit(document.text, edit.range.begin, edit.range.end,
                                     edit.replacement, encoding));
        }
        actions.push_back(
            Json{{"title", finding.fix->safe ? finding.fix->description
                                             : finding.fix->description + " (unsafe)"},
                 {"kind", "quickfix"},
                 {"diagnostics", {diagnosticOf(document.text, finding, encoding)}},
                 {"isPreferred", finding.fix->safe},
                 {"edit", {{"changes", {{uri, std::move(edits)}}}}}});
    }
    // Silencing a finding where it stands, or in the whole file, with the
    // documented comment; a note on the document itself has no element.
    for (const lint::Finding& finding : document.findings) {
        if (!asked(only, "quickfix") || !under(finding) || finding.element.empty() ||
            finding.severity == lint::Severity::Note)
            continue;
        const std::string_view kind = lint::ruleOf(finding.kind).name;
        for (const bool file : {false, true}) {
            const lint::Edit edit = suppression(document.text.bytes(), finding, file);
            actions.push_back(Json{
                {"title",
                 "Suppress " + std::string(kind) + (file ? " in this file" : " on this element")},
                {"kind", "quickfix"},
                {"diagnostics", {diagnosticOf(document.text, finding, encoding)}},
                {"edit",
                 {{"changes",
                   {{uri,
                     {textEdit(document.text, edit.range.begin, edit.range.end, edit.replacement,
                               encoding)}}}}}}});
        }
    }
    // Every safe fix at once, as one pass of --fix chooses them.
    if (asked(only, kFixAllKind)) {
        Json edits = Json::array();
        for (const lint::Edit& edit :
             fix::choosePass(document.text.bytes(), document.findings, false).edits)
            edits.push_back(textEdit(document.text, edit.range.begin, edit.range.end,
                                     edit.replacement, encoding));
        if (!edits.empty()) {
            actions.push_back(Json{{"title", "Fix every safe xmlattr finding"},
                                   {"kind", kFixAllKind},
                                   {"edit", {{"changes", {{uri, std::move(edits)}}}}}});
        }
    }
    return actions;
}

Json hoverAt(const Document& document, std::size_t offset, Encoding encoding, bool markdown) {
    const Text& text = document.text;
    const std::optional<lint::Value> value = valueIn(document, offset);
    if (!value || value->type.empty())
        return nullptr;
    const xmlattr_tool::TypeEntry* type = xmlattr_tool::findType(value->type);
    if (type == nullptr)
        return nullptr;
    std::string says = "**" + std::string(value->type) +
                       "**: " + code((value->inStyle ? "style " : "") + value->attribute) + " on " +
                       code(value->element) + "\n\n";
    const std::optional<lint::Finding>& finding = value->finding;
    if (!finding) {
        says += "Reads as written.";
    } else if (finding->kind == lint::Kind::Rejected) {
        says += "Rejected: " + sentence(finding->reason);
    } else {
        says += "Reads as " + code(finding->readsAs) + ": " + sentence(finding->reason);
    }
    const xmlattr_tool::Report report = type->run(Core::String::fromUtf8(value->text), false);
    // A held value without a text form (ex units in pixels) raises when written.
    if (report.accepted && report.raisedFile == nullptr) {
        const std::string written = report.text.toUtf8();
        says += written.empty() ? " Written back as an empty text."
                                : " Written back as " + code(written) + ".";
    }
    if (finding && finding->fix && !finding->fix->edits.empty()) {
        says += "\n\nFix" + std::string(finding->fix->safe ? "" : " (unsafe)") + ": " +
                sentence(finding->fix->description);
    }
    const xmlattr_tool::ForAuthor& author = forAuthorOf(*type);
    if (!author.keywords.empty()) {
        says += "\n\nKeywords:";
        for (std::size_t i = 0; i < author.keywords.size(); ++i)
            says += (i == 0 ? " " : ", ") + code(author.keywords[i]);
        for (std::size_t i = 0; i < author.aliases.size(); ++i) {
            says += (i == 0 ? "; also read: " : ", ") + code(author.aliases[i].text) + " (as " +
                    code(author.aliases[i].readsAs) + ")";
        }
        says += '.';
    }
    if (!author.units.empty()) {
        says += "\n\nUnits:";
        for (std::size_t i = 0; i < author.units.size(); ++i) {
            const auto& unit = author.units[i];
            says += (i == 0 ? " " : ", ") + code(unit.suffix) + " " + unit.worth;
        }
        says += '.';
    }
    return Json{{"contents", {{"kind", markdown ? "markdown" : "plaintext"}, {"value", says}}},
                {"range", rangeJson(text, value->range.begin, value->range.end, encoding)}};
}

namespace {

// "#rrggbb", as editors show colour swatches from it.
std::string hexOf(const Xml::NamedColors::Entry& colour) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex = "#";
    for (const std::uint8_t component : {colour.r, colour.g, colour.b}) {
        hex += kDigits[component >> 4];
        hex += kDigits[component & 15];
    }
    return hex;
}

// The colour the engine reads a value of a colour type as; none for no
// colour, a paint server reference or a text it rejects.
std::optional<Drawing::RGBValue> colourOf(const lint::Value& value) {
    Core::SmartPtr<Drawing::Color> colour;
    try {
        const Core::String text = Core::String::fromUtf8(value.text);
        if (value.type == "Color") {
            if (!Xml::ColorParse::parseColor(colour, text))
                return std::nullopt;
        } else if (value.type == "SColor") {
            Xml::SColor paint;
            if (!Xml::SColor::parseSColor(paint, text) ||
                paint.getType() != Xml::SColor::ColorValue)
                return std::nullopt;
            colour = paint.getColor();
        }
    } catch (...) {
        return std::nullopt;  // what the engine cannot read has no swatch
    }
    if (colour.get() == nullptr)
        return std::nullopt;
    return colour->toRGB();
}

}  // namespace

Json documentColors(const Document& document, Encoding encoding) {
    Json colours = Json::array();
    lint::Options options;
    options.setUses = document.setUses;
    lint::forEachValue(
        document.text.bytes(),
        [&](const lint::Value& value) {
            const std::optional<Drawing::RGBValue> rgb = colourOf(value);
            if (!rgb)
                return;
            colours.push_back(
                {{"range", rangeJson(document.text, value.range.begin, value.range.end, encoding)},
                 {"color",
                  {{"red", rgb->r / 255.0},
                   {"green", rgb->g / 255.0},
                   {"blue", rgb->b / 255.0},
                   {"alpha", 1.0}}}});
        },
        options);
    return colours;
}

Json colorPresentations(const Json& color, const Json& range) {
    const auto component = [&](const char* name) {
        const Json& value = member(color, name);
        if (!value.is_number())
            throw RpcError{kInvalidParams, std::string(name) + " is not a number"};
        return static_cast<std::uint8_t>(
            std::lround(std::clamp(value.get<double>(), 0.0, 1.0) * 255));
    };
    const Xml::NamedColors::Entry wanted{L"", component("red"), component("green"),
                                         component("blue"), true};
    Json presentations = Json::array();
    const auto offer = [&](const std::string& text) {
        presentations.push_back(
            {{"label", text}, {"textEdit", {{"range", range}, {"newText", text}}}});
    };
    offer(hexOf(wanted));
    for (const Xml::NamedColors::Entry& colour : Xml::NamedColors::kTable) {
        if (colour.hasColor && colour.r == wanted.r && colour.g == wanted.g && colour.b == wanted.b)
            offer(Core::String(colour.name).toUtf8());
    }
    return presentations;
}

Json completionsAt(const Document& document, std::size_t offset, Encoding encoding) {
    const Text& text = document.text;
    Json items = Json::array();
    const std::optional<lint::Value> value = valueIn(document, offset);
    const xmlattr_tool::TypeEntry* type =
        value && !value->type.empty() ? xmlattr_tool::findType(value->type) : nullptr;
    if (type == nullptr)
        return Json{{"isIncomplete", false}, {"items", std::move(items)}};
    // The edit replaces what the value holds on the cursor's line, never
    // a line end or what follows it.
    const std::string_view bytes = text.bytes();
    const std::size_t lineStart = bytes.find_last_of("\r\n", offset == 0 ? 0 : offset - 1);
    const std::size_t begin = lineStart == std::string_view::npos || lineStart >= offset
                                  ? value->range.begin
                                  : std::max(value->range.begin, lineStart + 1);
    const std::size_t end = std::min(value->range.end, bytes.find_first_of("\r\n", offset));
    const Json range = rangeJson(text, begin, end, encoding);
    std::set<std::string> seen;
    const auto offer = [&](std::string label, int kind, Json documentation) {
        if (!seen.insert(label).second)
            return;
        Json item = {{"label", label},
                     {"kind", kind},
                     {"detail", type->name},
                     {"textEdit", {{"range", range}, {"newText", label}}}};
        if (!documentation.is_null())
            item["documentation"] = std::move(documentation);
        items.push_back(std::move(item));
    };
    for (const std::string& keyword : forAuthorOf(*type).keywords)
        offer(keyword, 20, nullptr);  // EnumMember
    // A colour type takes the colour names: each with its colour, which
    // editors show as a swatch (CompletionItemKind Color).
    if (type->family == xmlattr_tool::Family::Colours &&
        type->run(Core::String(L"black"), false).accepted) {
        for (const Xml::NamedColors::Entry& colour : Xml::NamedColors::kTable) {
            const std::string name = Core::String(colour.name).toUtf8();
            if (colour.hasColor)
                offer(name, 16, hexOf(colour));  // Color
            else
                offer(name, 12, nullptr);  // Value
        }
    }
    return Json{{"isIncomplete", false}, {"items", std::move(items)}};
}

}  // namespace xmlattr::lsp
