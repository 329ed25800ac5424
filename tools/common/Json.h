// Writing JSON, the one way every part of the tool does: on one line without
// spaces, non-ASCII passed through as UTF-8, and bytes that are not UTF-8 (a
// file name can hold any) written as U+FFFD rather than raising.
#pragma once

#include <string>

namespace xmlattr_tool {

// value is an nlohmann-json value of any flavour (ordered or not).
template <class Json>
std::string dumpJson(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace xmlattr_tool
