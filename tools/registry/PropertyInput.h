// The input of the property checks, shared by the fuzz target and the corpus
// replay test: "TYPE\nTEXT" or "TYPE\nFIRST\0SECOND", UTF-8. The second
// (or only) text is the one checked; the first is parsed before it, so that
// a rejected text meets a held value other than the default. A TYPE that
// names no registered type picks one by a hash of its bytes, so mutated
// names still exercise some type.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool {

struct PropertyInput {
    const TypeEntry* type = nullptr;
    Core::String first;
    Core::String second;
};

inline PropertyInput readPropertyInput(std::string_view data) {
    PropertyInput input;
    const std::size_t newline = data.find('\n');
    const std::string_view name = data.substr(0, newline);
    const std::string_view texts =
        newline == std::string_view::npos ? std::string_view() : data.substr(newline + 1);
    input.type = findType(name);
    if (input.type == nullptr) {
        const auto types = registeredTypes();
        std::uint32_t hash = 2166136261u;
        for (const char c : name)
            hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
        input.type = &types[hash % types.size()];
    }
    const std::size_t split = texts.find('\0');
    if (split == std::string_view::npos) {
        input.second = Core::String::fromUtf8(texts);
    } else {
        input.first = Core::String::fromUtf8(texts.substr(0, split));
        input.second = Core::String::fromUtf8(texts.substr(split + 1));
    }
    return input;
}

}  // namespace xmlattr_tool
