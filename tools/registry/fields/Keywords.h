// Field printer shared by every keyword enumeration: the number it holds and
// the name its table gives that number (empty where there is none).
#pragma once

#include <cstdint>

#include "css/keywords/Keyword.h"
#include "tools/registry/Fields.h"

namespace xmlattr_tool {

template <Xml::KeywordEnum E>
struct FieldPrinter<E> {
    static void print(E value, Fields& out) {
        out.add("value", static_cast<int>(static_cast<std::int32_t>(value)))
            .add("keyword", Core::String(Xml::keywordName(value)));
    }
};

}  // namespace xmlattr_tool
