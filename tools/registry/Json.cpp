#include "tools/registry/Json.h"

namespace xmlattr_tool {

std::string dumpJson(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string jsonString(std::string_view utf8) {
    return dumpJson(Json(utf8));
}

}  // namespace xmlattr_tool
