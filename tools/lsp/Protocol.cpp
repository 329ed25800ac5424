// Reading parameters, and writing ranges.
#include "tools/lsp/Protocol.h"

#include <limits>

namespace xmlattr::lsp {

const Json& member(const Json& object, std::string_view name) {
    if (!object.is_object())
        throw RpcError{kInvalidParams, "expected an object with '" + std::string(name) + "'"};
    const auto found = object.find(name);
    if (found == object.end())
        throw RpcError{kInvalidParams, "'" + std::string(name) + "' is missing"};
    return *found;
}

std::string stringOf(const Json& object, std::string_view name) {
    const Json& value = member(object, name);
    if (!value.is_string())
        throw RpcError{kInvalidParams, "'" + std::string(name) + "' is not a string"};
    return value.get<std::string>();
}

std::int64_t integerOf(const Json& object, std::string_view name) {
    const Json& value = member(object, name);
    if (!value.is_number_integer())
        throw RpcError{kInvalidParams, "'" + std::string(name) + "' is not an integer"};
    return value.get<std::int64_t>();
}

TextPosition positionOf(const Json& position) {
    TextPosition at;
    for (const auto& [name, field] : {std::pair{"line", &at.line}, {"character", &at.character}}) {
        const std::int64_t value = integerOf(position, name);
        if (value < 0 || value > std::numeric_limits<std::uint32_t>::max())
            throw RpcError{kInvalidParams, std::string("'") + name + "' is out of range"};
        *field = static_cast<std::uint32_t>(value);
    }
    return at;
}

const Json* pointer(const Json& root, const char* path) {
    const Json* value = &root;
    // Walked by hand: json_pointer's lookup throws on a step of another type.
    std::string_view rest(path);
    while (!rest.empty()) {
        rest.remove_prefix(1);
        const std::size_t slash = rest.find('/');
        const std::string_view step = rest.substr(0, slash);
        if (!value->is_object())
            return nullptr;
        const auto found = value->find(step);
        if (found == value->end())
            return nullptr;
        value = &*found;
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    return value;
}

Json rangeJson(const Text& text, std::size_t begin, std::size_t end, Encoding encoding) {
    const TextPosition start = text.positionOf(begin, encoding);
    const TextPosition stop = text.positionOf(end, encoding);
    return Json{{"start", {{"line", start.line}, {"character", start.character}}},
                {"end", {{"line", stop.line}, {"character", stop.character}}}};
}

}  // namespace xmlattr::lsp
