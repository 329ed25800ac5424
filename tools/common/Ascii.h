// ASCII case folding for the words the tool compares without regard to case
// (file extensions, encoding names, keywords, units): only A to Z fold, so a
// text's other characters, and its length, stay as they are.
#pragma once

namespace xmlattr_tool::ascii {

template <class Char>
constexpr Char lower(Char c) {
    return c >= Char('A') && c <= Char('Z') ? static_cast<Char>(c - Char('A') + Char('a')) : c;
}

}  // namespace xmlattr_tool::ascii
