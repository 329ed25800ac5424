// Lines and columns of byte offsets, counted as the bytes go by: a tracker
// moves forward over the input once, and answers for any offset at or after
// where it stands.
#pragma once

#include <cstddef>
#include <string_view>

#include "tools/lint/Lint.h"

namespace xmlattr::lint {

class PositionTracker {
  public:
    PositionTracker() = default;
    // Stands at offset, whose position is position (not after a CR).
    PositionTracker(std::size_t offset, Position position) : offset_(offset), position_(position) {}

    std::size_t offset() const { return offset_; }
    const Position& position() const { return position_; }

    // Moves to target, reading bytes (which starts at offset first): the
    // bytes from offset() to target must be in it. Lines end at LF, CR or
    // CR LF; a column counts code points, and UTF-16 units beside them.
    void advance(std::string_view bytes, std::size_t first, std::size_t target);

  private:
    void byteByByte(std::string_view span);

    std::size_t offset_ = 0;
    Position position_;
    bool afterCr_ = false;  // the last byte read was a CR (an LF after it ends no line)
};

}  // namespace xmlattr::lint
