// The JSON-RPC side of the language server: its error codes, and reading
// the members of a message's parameters, each missing or mistyped one an
// InvalidParams error that names it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "tools/lsp/Text.h"

namespace xmlattr::lsp {

using Json = nlohmann::json;

inline constexpr int kParseError = -32700;
inline constexpr int kInvalidRequest = -32600;
inline constexpr int kMethodNotFound = -32601;
inline constexpr int kInvalidParams = -32602;
inline constexpr int kInternalError = -32603;
inline constexpr int kServerNotInitialized = -32002;

// An error answer, thrown by a handler.
struct RpcError {
    int code;
    std::string message;
};

// The member name of object.
const Json& member(const Json& object, std::string_view name);
std::string stringOf(const Json& object, std::string_view name);
std::int64_t integerOf(const Json& object, std::string_view name);
// {"line": L, "character": C}
TextPosition positionOf(const Json& position);
// The value at a JSON pointer ("/capabilities/general"), or null.
const Json* pointer(const Json& root, const char* path);

// {"start": ..., "end": ...} for the bytes [begin, end) of text.
Json rangeJson(const Text& text, std::size_t begin, std::size_t end, Encoding encoding);

}  // namespace xmlattr::lsp
