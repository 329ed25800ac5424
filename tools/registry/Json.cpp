#include "tools/registry/Json.h"

#include <cstdio>

namespace xmlattr_tool {

std::string jsonString(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size() + 2);
    out += '"';
    for (const char c : utf8) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    char escape[8];
                    std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
                    out += escape;
                } else {
                    out += c;
                }
        }
    }
    out += '"';
    return out;
}

void JsonObject::key(std::string_view name) {
    if (text_.size() > 1)
        text_ += ',';
    text_ += jsonString(name);
    text_ += ':';
}

JsonObject& JsonObject::add(std::string_view name, std::string_view text) {
    key(name);
    text_ += jsonString(text);
    return *this;
}

JsonObject& JsonObject::add(std::string_view name, bool value) {
    key(name);
    text_ += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::add(std::string_view name, int value) {
    key(name);
    text_ += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::addNull(std::string_view name) {
    key(name);
    text_ += "null";
    return *this;
}

JsonObject& JsonObject::addRaw(std::string_view name, std::string_view value) {
    key(name);
    text_ += value;
    return *this;
}

}  // namespace xmlattr_tool
