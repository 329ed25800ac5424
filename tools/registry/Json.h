// Writing JSON Lines: one object per line, keys in the order they are added.
#pragma once

#include <string>
#include <string_view>

namespace xmlattr_tool {

// text as a JSON string: quotes, backslashes and control characters escaped;
// everything else, non-ASCII included, passes through as UTF-8.
std::string jsonString(std::string_view utf8);

class JsonObject {
  public:
    JsonObject& add(std::string_view key, std::string_view text);
    JsonObject& add(std::string_view key, const char* text) {
        return add(key, std::string_view(text));
    }
    JsonObject& add(std::string_view key, bool value);
    JsonObject& add(std::string_view key, int value);
    JsonObject& addNull(std::string_view key);
    // value must already be JSON (an array or an object built by the caller).
    JsonObject& addRaw(std::string_view key, std::string_view value);

    // The object, without a line end.
    std::string str() const { return text_ + "}"; }

  private:
    void key(std::string_view name);
    std::string text_ = "{";
};

}  // namespace xmlattr_tool
