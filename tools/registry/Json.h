// JSON output of the commands: nlohmann-json objects that keep their keys in
// the order they are added, each written on one line by dumpJson.
#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

namespace xmlattr_tool {

using Json = nlohmann::ordered_json;

// value on one line without spaces; non-ASCII passes through as UTF-8, and
// bytes that are not UTF-8 are written as U+FFFD.
std::string dumpJson(const Json& value);

// text as a JSON string, as dumpJson writes it.
std::string jsonString(std::string_view utf8);

}  // namespace xmlattr_tool
