// Conversions between the tool's UTF-8 command line and Core::String.
#pragma once

#include <string>
#include <string_view>

#include "platform/String.h"

namespace xmlattr_tool {

Core::String fromUtf8(std::string_view text);
std::string toUtf8(const Core::String& text);
// The text in double quotes with control characters escaped, for display.
std::string quoted(const Core::String& text);

}  // namespace xmlattr_tool
