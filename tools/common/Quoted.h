// Quoting UTF-8 texts for report lines, header-only so that every part of the
// tool (the lint engine among them) shows texts the same way.
#pragma once

#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace xmlattr_tool {

// The text in double quotes with quotes, backslashes and control characters
// escaped, for display.
inline std::string quoted(std::string_view utf8) {
    std::string out = "\"";
    for (const char c : utf8) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02x", static_cast<unsigned>(c));
            out += escape;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

inline std::string quoted(const std::string& utf8) {
    return quoted(std::string_view(utf8));
}

// quoted(), cut after about limit bytes of text (never inside a UTF-8
// sequence) and followed by the text's length, for report lines that must
// stay readable whatever the text.
inline std::string quotedShort(std::string_view utf8, std::size_t limit = 60) {
    if (utf8.size() <= limit)
        return quoted(utf8);
    std::size_t cut = limit;
    // Back up to the first byte of a sequence: continuation bytes are 10xxxxxx.
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    std::string out = quoted(utf8.substr(0, cut));
    out.insert(out.size() - 1, "...");
    out += " (";
    out += std::to_string(utf8.size());
    out += " bytes)";
    return out;
}

}  // namespace xmlattr_tool
