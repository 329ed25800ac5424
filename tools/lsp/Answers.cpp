// Diagnostics, code actions, hovers and completions, from the lint engine,
// its fixes, the type registry and describe.
#include "tools/lsp/Answers.h"

#include <algorithm>
#include <map>
#include <mutex>
#include <set>
#include <sstream>

#include "tools/describe/Description.h"
#include "tools/fix/Modules.h"
#include "tools/registry/TypeRegistry.h"

namespace xmlattr::lsp {

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

// What describe says of a type, without its heading and its examples; an
// enumeration's keywords are all there, but other long tables (colour names,
// language tags) are left to `xmlattr describe`.
// Described once per type, for every server of the process.
const std::string& descriptionOf(const xmlattr_tool::TypeEntry& type) {
    static std::mutex lock;
    static std::map<std::string_view, std::string> described;
    const std::lock_guard<std::mutex> held(lock);
    const auto found = described.find(type.name);
    if (found != described.end())
        return found->second;
    xmlattr_tool::Description description = xmlattr_tool::describe(type);
    std::erase_if(description.tables, [](const xmlattr_tool::Table& table) {
        return table.title == "Examples" || (table.title != "Keywords" && table.rows.size() > 40);
    });
    std::ostringstream out;
    xmlattr_tool::writeMarkdown(description, out);
    std::string markdown = out.str();
    markdown.erase(0, markdown.find("\n\n") + 2);  // the heading: the hover has its own
    return described.emplace(type.name, std::move(markdown)).first->second;
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

}  // namespace

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

Json Document::lint(Encoding encoding) {
    dirty = false;
    findings.clear();
    Json diagnostics = Json::array();
    const std::string& bytes = text.bytes();
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos)
        return diagnostics;  // a new, empty document is not yet an error
    // An editor starts the server for every XML file: one whose root is
    // neither XSL-FO nor SVG is left alone, as lint leaves it in a folder.
    lint::Options options;
    options.skipOtherRoots = true;
    options.setUses = setUses;
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
    if (report.result.error) {
        // Where the XML reader stopped: its line, and its column in code points.
        const lint::Position& at = report.result.error->position;
        const std::size_t offset =
            text.offsetOf({at.line > 0 ? at.line - 1 : 0, at.column > 0 ? at.column - 1 : 0},
                          Encoding::Utf32)
                .value_or(bytes.size());
        diagnostics.push_back(Json{{"range", rangeJson(text, offset, offset, encoding)},
                                   {"severity", 1},
                                   {"source", "xmlattr"},
                                   {"message", report.result.error->message}});
        return diagnostics;
    }
    findings = std::move(report.findings);
    for (const lint::Finding& finding : findings)
        diagnostics.push_back(diagnosticOf(text, finding, encoding));
    return diagnostics;
}

Json codeActions(const Document& document, const std::string& uri, std::size_t begin,
                 std::size_t end, const Json& only, Encoding encoding) {
    Json actions = Json::array();
    for (const lint::Finding& finding : document.findings) {
        if (!finding.fix)
            continue;
        if (!asked(only, "quickfix") || finding.range.end < begin || finding.range.begin > end)
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
    // Every safe fix at once: the findings are of distinct values, so their
    // edits do not overlap (one that would waits for the next time).
    if (asked(only, kFixAllKind)) {
        Json edits = Json::array();
        std::size_t reached = 0;
        for (const lint::Finding& finding : document.findings) {
            if (!finding.fix || !finding.fix->safe)
                continue;
            const auto& fixEdits = finding.fix->edits;
            if (std::any_of(fixEdits.begin(), fixEdits.end(),
                            [&](const lint::Edit& edit) { return edit.range.begin < reached; }))
                continue;
            for (const lint::Edit& edit : fixEdits) {
                edits.push_back(textEdit(document.text, edit.range.begin, edit.range.end,
                                         edit.replacement, encoding));
                reached = std::max(reached, edit.range.end);
            }
        }
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
    says += "\n\n---\n\n";
    says += descriptionOf(*type);
    return Json{{"contents", {{"kind", markdown ? "markdown" : "plaintext"}, {"value", says}}},
                {"range", rangeJson(text, value->range.begin, value->range.end, encoding)}};
}

Json completionsAt(const Document& document, std::size_t offset, Encoding encoding) {
    const Text& text = document.text;
    Json items = Json::array();
    const std::optional<lint::Value> value = valueIn(document, offset);
    const xmlattr_tool::TypeEntry* type =
        value && !value->type.empty() ? xmlattr_tool::findType(value->type) : nullptr;
    if (type != nullptr && type->keywords != nullptr) {
        const Json range = rangeJson(text, value->range.begin, value->range.end, encoding);
        // The keywords that name their values; an alias only for a value
        // that has no such keyword.
        const auto rows = type->keywords().rows;
        std::set<std::int32_t> named;
        for (const Xml::KeywordRow& row : rows) {
            if (row.parses() && row.names())
                named.insert(row.value);
        }
        std::set<std::string> seen;
        for (const Xml::KeywordRow& row : rows) {
            if (!row.parses() || row.isInteger() || (!row.names() && named.count(row.value) > 0))
                continue;
            std::string keyword = Core::String(row.text).toUtf8();
            if (!seen.insert(keyword).second)
                continue;
            items.push_back(Json{{"label", keyword},
                                 {"kind", 20},  // EnumMember
                                 {"detail", type->name},
                                 {"textEdit", {{"range", range}, {"newText", keyword}}}});
        }
    }
    return Json{{"isIncomplete", false}, {"items", std::move(items)}};
}

}  // namespace xmlattr::lsp
