#include "tools/registry/Text.h"

namespace xmlattr_tool {

std::string quoted(const Core::String& text) {
    return quoted(std::string_view(text.toUtf8()));
}

}  // namespace xmlattr_tool
