// Field printer of the language type.
#pragma once

#include "css/language/Language.h"
#include "tools/registry/Fields.h"

namespace xmlattr_tool {

template <>
struct FieldPrinter<Xml::Language> {
    static void print(const Xml::Language& value, Fields& out) {
        out.add("language", static_cast<int>(value.language))
            .add("country", static_cast<int>(value.country))
            .add("name", Xml::Language::getFullLanguageNameById(value.language));
    }
};

}  // namespace xmlattr_tool
