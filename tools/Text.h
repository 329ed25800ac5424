// Showing Core::String texts on the tool's UTF-8 output.
#pragma once

#include <string>
#include <string_view>

#include "platform/String.h"

namespace xmlattr_tool {

// The text in double quotes with control characters escaped, for display.
std::string quoted(const Core::String& text);

}  // namespace xmlattr_tool
