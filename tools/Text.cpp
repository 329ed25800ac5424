#include "tools/Text.h"

#include <cstdio>

namespace xmlattr_tool {

Core::String fromUtf8(std::string_view text) {
    Core::String out;
    for (std::size_t i = 0; i < text.size();) {
        const auto byte = static_cast<unsigned char>(text[i]);
        std::size_t extra = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
        if (i + extra >= text.size())
            extra = 0;  // truncated sequence: keep the byte
        char32_t code = extra == 0 ? byte : byte & (0x3F >> extra);
        for (std::size_t k = 1; k <= extra; ++k)
            code = (code << 6) | (text[i + k] & 0x3F);
        out += static_cast<wchar_t>(code);
        i += extra + 1;
    }
    return out;
}

std::string toUtf8(const Core::String& text) {
    std::string out;
    for (int i = 0; i < text.length(); ++i) {
        const auto code = static_cast<char32_t>(text[i]);
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | ((code >> 18) & 0x07));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }
    return out;
}

std::string quoted(const Core::String& text) {
    std::string out = "\"";
    for (const char c : toUtf8(text)) {
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

}  // namespace xmlattr_tool
