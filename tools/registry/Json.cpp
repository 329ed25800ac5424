#include "tools/registry/Json.h"

namespace xmlattr_tool {

std::string jsonString(std::string_view utf8) {
    return dumpJson(Json(utf8));
}

}  // namespace xmlattr_tool
