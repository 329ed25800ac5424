// How the tool counts lines and columns: the one rule behind every position
// it shows, the lint's findings and their sinks as well as the language
// server's ranges. Lines end at LF, CR or CR LF; a column counts characters
// (UTF-8 sequences), or UTF-16 code units where editors count those.
#pragma once

#include <cstdint>

namespace xmlattr_tool::lines {

// What a byte does to the position after it.
enum class Step : std::uint8_t {
    Character,  ///< starts a character on the same line
    Inside,     ///< continues the character before it (a UTF-8 continuation byte)
    LineEnd,    ///< ends the line: an LF, or a CR
    SameEnd,    ///< an LF just after a CR, which already ended the line
};

constexpr Step stepOf(char byte, bool afterCr) {
    if (byte == '\r')
        return Step::LineEnd;
    if (byte == '\n')
        return afterCr ? Step::SameEnd : Step::LineEnd;
    return (static_cast<unsigned char>(byte) & 0xC0) == 0x80 ? Step::Inside : Step::Character;
}

// The UTF-16 code units of the character whose first byte is lead: a
// four-byte sequence is a surrogate pair.
constexpr std::uint32_t utf16Units(char lead) {
    return static_cast<unsigned char>(lead) >= 0xF0 ? 2 : 1;
}

}  // namespace xmlattr_tool::lines
