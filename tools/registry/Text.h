// Showing Core::String texts on the tool's UTF-8 output.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "platform/String.h"

namespace xmlattr_tool {

// The text in double quotes with quotes, backslashes and control characters
// escaped, for display.
std::string quoted(const Core::String& text);
std::string quoted(std::string_view utf8);
inline std::string quoted(const std::string& utf8) {
    return quoted(std::string_view(utf8));
}

// quoted(), cut after about limit bytes of text (never inside a UTF-8
// sequence) and followed by the text's length, for report lines that must
// stay readable whatever the text.
std::string quotedShort(std::string_view utf8, std::size_t limit = 60);

}  // namespace xmlattr_tool
