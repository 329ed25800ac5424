// JSON output of the commands: nlohmann-json objects that keep their keys in
// the order they are added, each written on one line by dumpJson.
#pragma once

#include <string>
#include <string_view>

#include <nlohmann/json.hpp>

#include "tools/common/Json.h"

namespace xmlattr_tool {

using Json = nlohmann::ordered_json;

// dumpJson for an object or array written in braces where it is passed.
inline std::string dumpJson(const Json& value) {
    return dumpJson<Json>(value);
}

// text as a JSON string, as dumpJson writes it.
std::string jsonString(std::string_view utf8);

}  // namespace xmlattr_tool
