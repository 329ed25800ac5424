// Showing Core::String texts on the tool's UTF-8 output.
#pragma once

#include <string>

#include "platform/String.h"
#include "tools/common/Quoted.h"

namespace xmlattr_tool {

// quoted() of the text as UTF-8.
std::string quoted(const Core::String& text);

}  // namespace xmlattr_tool
