// The attribute types the xmlattr tool knows, in one table (TypeRegistry.cpp).
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/String.h"

namespace xmlattr_tool {

// What parsing one text as one type gave.
struct Report {
    bool accepted = false;
    std::vector<std::pair<std::string, std::string>> fields;  // the held value, field by field
    Core::String text;                                        // getValueAsString
    // Set when getValueAsString raised (a held value with no text form, such
    // as a point in ex units written in pixels): where it was raised.
    const char* raisedFile = nullptr;
    int raisedLine = 0;
};

struct TypeEntry {
    std::string_view name;
    Report (*run)(const Core::String& text);
};

std::span<const TypeEntry> registeredTypes();
const TypeEntry* findType(std::string_view name);

}  // namespace xmlattr_tool
