// Running the xmlattr tool's modes in-process, and reading their --json
// output back.
#pragma once

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/cli/Modes.h"

namespace tool_test {

struct Run {
    int status;
    std::string out;
    std::string err;
};

inline Run runXmlattr(const std::vector<std::string>& args, const std::string& input = {}) {
    const std::vector<std::string_view> views(args.begin(), args.end());
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream err;
    const int status = xmlattr_tool::runTool(views, {in, out, err});
    return {status, out.str(), err.str()};
}

inline std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

struct Json {
    enum Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<Json> items;
    // An object's members in document order: keys[i] names values[i].
    std::vector<std::string> keys;
    std::vector<Json> values;

    bool has(std::string_view key) const {
        return std::find(keys.begin(), keys.end(), key) != keys.end();
    }
    const Json& operator[](std::string_view key) const {
        const auto found = std::find(keys.begin(), keys.end(), key);
        if (found == keys.end())
            throw std::runtime_error("no member " + std::string(key));
        return values[static_cast<std::size_t>(found - keys.begin())];
    }
};

// Reads JSON with nlohmann-json, which is strict enough to catch what a
// writer gets wrong (raw control characters in strings, bad escapes,
// trailing text), into the shape the tests read.
class JsonReader {
  public:
    static Json parse(std::string_view text) { return from(nlohmann::ordered_json::parse(text)); }

  private:
    static Json from(const nlohmann::ordered_json& value) {
        Json out;
        if (value.is_object()) {
            out.kind = Json::Object;
            for (const auto& [key, member] : value.items()) {
                out.keys.push_back(key);
                out.values.push_back(from(member));
            }
        } else if (value.is_array()) {
            out.kind = Json::Array;
            for (const auto& item : value)
                out.items.push_back(from(item));
        } else if (value.is_string()) {
            out.kind = Json::String;
            out.text = value.get<std::string>();
        } else if (value.is_boolean()) {
            out.kind = Json::Bool;
            out.boolean = value.get<bool>();
        } else if (value.is_number()) {
            out.kind = Json::Number;
            out.number = value.get<double>();
        }
        return out;
    }
};

}  // namespace tool_test
