// A document's text as the language server holds it, and the translation
// between byte offsets and the protocol's positions: a line from 0, and a
// character from 0 counted in the units the client and server agreed on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xmlattr::lsp {

// The unit a position's character counts: UTF-16 code units unless the
// client offers another.
enum class Encoding : std::uint8_t { Utf8, Utf16, Utf32 };

// "utf-8", "utf-16", "utf-32", as the protocol names them.
std::string_view encodingName(Encoding encoding);
std::optional<Encoding> encodingNamed(std::string_view name);

struct TextPosition {
    std::uint32_t line = 0;
    std::uint32_t character = 0;
    bool operator==(const TextPosition&) const = default;
};

class Text {
  public:
    explicit Text(std::string bytes = {});

    const std::string& bytes() const { return bytes_; }
    std::size_t lineCount() const { return lineStarts_.size(); }

    // The offset of position: a character past the end of its line stands at
    // the line's end, as the protocol says, and one inside a character (a
    // UTF-8 sequence or a surrogate pair) at that character's start. None for
    // a line past the last.
    std::optional<std::size_t> offsetOf(TextPosition position, Encoding encoding) const;

    // The position of offset (at most the size; one inside a character
    // counts from that character's start). Lines end at LF, CR or CR LF.
    TextPosition positionOf(std::size_t offset, Encoding encoding) const;

    // Replaces the bytes [begin, end) with replacement.
    void replace(std::size_t begin, std::size_t end, std::string_view replacement);

  private:
    // Adds the starts of the lines that end in the bytes [from, to).
    void indexLines(std::size_t from, std::size_t to);

    std::string bytes_;
    std::vector<std::size_t> lineStarts_;  // offset of each line's first byte
};

}  // namespace xmlattr::lsp
