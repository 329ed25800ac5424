#include "tools/registry/Text.h"

#include <cstdio>

namespace xmlattr_tool {

std::string quoted(const Core::String& text) {
    return quoted(std::string_view(text.toUtf8()));
}

std::string quoted(std::string_view utf8) {
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
    return out + "\"";
}

std::string quotedShort(std::string_view utf8, std::size_t limit) {
    if (utf8.size() <= limit)
        return quoted(utf8);
    std::size_t cut = limit;
    // Back up to the first byte of a sequence: continuation bytes are 10xxxxxx.
    while (cut > 0 && (static_cast<unsigned char>(utf8[cut]) & 0xC0) == 0x80)
        --cut;
    std::string out = quoted(utf8.substr(0, cut));
    out.insert(out.size() - 1, "...");
    return out + " (" + std::to_string(utf8.size()) + " bytes)";
}

}  // namespace xmlattr_tool
