// Writing a description: wrapped plain text for the terminal, Markdown for
// docs/attributes.md and the language server's hovers.
#include <algorithm>
#include <cctype>
#include <ostream>
#include <string>

#include "tools/common/Wrap.h"
#include "tools/describe/Description.h"

namespace xmlattr_tool {

namespace {

// Markdown code spans as 'quoted' text for the terminal.
std::string plainText(std::string_view markdown) {
    std::string out;
    for (const char c : markdown)
        out += c == '`' ? '\'' : c;
    return out;
}

void writeWrapped(std::string_view text, std::size_t indent, std::ostream& out) {
    out << wrapWords(text, indent);
}

void writeTextTable(const Table& table, std::ostream& out) {
    out << '\n' << table.title << ":\n";
    if (!table.intro.empty())
        writeWrapped(plainText(table.intro), 2, out);
    std::vector<std::size_t> widths;
    for (const std::string& column : table.columns)
        widths.push_back(displayWidth(column));
    for (const auto& row : table.rows) {
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], displayWidth(row[i].text));
    }
    std::size_t total = 0;
    for (const std::size_t w : widths)
        total += w + 2;
    if (total > kLineWidth) {
        // Too wide for columns: one block per row, the other cells under the first.
        for (const auto& row : table.rows) {
            out << "  " << row[0].text << '\n';
            for (std::size_t i = 1; i < row.size(); ++i)
                writeWrapped(table.columns[i] + ": " + row[i].text, 6, out);
        }
        return;
    }
    const auto writeRow = [&](const auto& cells, auto textOf) {
        std::string line = "  ";
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const std::string& text = textOf(cells[i]);
            line += text;
            if (i + 1 < cells.size())
                line += std::string(widths[i] - displayWidth(text) + 2, ' ');
        }
        out << line << '\n';
    };
    writeRow(table.columns, [](const std::string& column) -> const std::string& { return column; });
    for (const auto& row : table.rows)
        writeRow(row, [](const Cell& cell) -> const std::string& { return cell.text; });
}

std::string markdownCell(const Cell& cell) {
    std::string text;
    for (const char c : cell.text) {
        if (c == '|') {
            text += "\\|";  // also inside code spans, where GitHub honours it
        } else if (cell.literal) {
            text += c;
        } else if (c == '<') {
            text += "&lt;";
        } else if (c == '>') {
            text += "&gt;";
        } else if (c == '\\' || c == '*' || c == '_' || c == '[' || c == ']' || c == '`') {
            text += '\\';
            text += c;
        } else {
            text += c;
        }
    }
    if (!cell.literal)
        return text;
    // A code span holding a backquote needs a longer fence.
    return cell.text.find('`') == std::string::npos ? "`" + text + "`" : "`` " + text + " ``";
}

void writeMarkdownTable(const Table& table, std::ostream& out) {
    out << "\n**" << table.title << ".**";
    if (!table.intro.empty())
        out << ' ' << table.intro;
    out << "\n\n|";
    for (const std::string& column : table.columns)
        out << ' ' << column << " |";
    out << "\n|";
    for (std::size_t i = 0; i < table.columns.size(); ++i)
        out << "---|";
    out << '\n';
    for (const auto& row : table.rows) {
        out << '|';
        for (const Cell& cell : row)
            out << ' ' << markdownCell(cell) << " |";
        out << '\n';
    }
}

std::string capitalised(std::string_view text) {
    std::string out(text);
    if (!out.empty())
        out[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(out[0])));
    return out;
}

}  // namespace

std::string headingAnchor(std::string_view heading) {
    std::string anchor;
    for (const char c : heading) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) || c == '-' || c == '_')
            anchor += static_cast<char>(std::tolower(u));
        else if (c == ' ')
            anchor += '-';
    }
    return anchor;
}

void writeText(const Description& description, std::ostream& out) {
    out << description.type->name << " (" << familyName(description.type->family) << ")\n";
    for (const std::string& paragraph : description.paragraphs) {
        out << '\n';
        writeWrapped(plainText(paragraph), 0, out);
    }
    for (const Table& table : description.tables)
        writeTextTable(table, out);
}

void writeMarkdown(const Description& description, std::ostream& out) {
    out << "### `" << description.type->name << "`\n";
    for (const std::string& paragraph : description.paragraphs)
        out << '\n' << paragraph << '\n';
    for (const Table& table : description.tables)
        writeMarkdownTable(table, out);
}

void writeReference(std::ostream& out) {
    out << "# Attribute types\n\n"
           "Every type the `xmlattr` tool knows: what its attribute accepts and how its values "
           "are written back. Generated by `xmlattr describe --all --markdown` from the tool's "
           "type table and notes, the library's keyword, colour-name and language tables, and "
           "what the library's parsers make of probe and example texts. Do not edit it by "
           "hand; regenerate it with\n\n"
           "    xmlattr describe --all --markdown > docs/attributes.md\n\n"
           "(the CTest `xmlattr_docs_up_to_date` fails while it is out of date).\n\n"
           "## Contents\n\n";
    for (int f = 0; f < kFamilyCount; ++f) {
        const auto family = static_cast<Family>(f);
        const std::string heading = capitalised(familyName(family));
        out << "- [" << heading << "](#" << headingAnchor(heading) << "):";
        const char* separator = " ";
        for (const TypeEntry& type : registeredTypes()) {
            if (type.family == family) {
                out << separator << "[`" << type.name << "`](#" << headingAnchor(type.name) << ')';
                separator = ", ";
            }
        }
        out << '\n';
    }
    for (int f = 0; f < kFamilyCount; ++f) {
        const auto family = static_cast<Family>(f);
        out << "\n## " << capitalised(familyName(family)) << '\n';
        for (const TypeEntry& type : registeredTypes()) {
            if (type.family == family) {
                out << '\n';
                writeMarkdown(describe(type), out);
            }
        }
    }
}

}  // namespace xmlattr_tool
