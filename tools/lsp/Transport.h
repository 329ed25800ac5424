/// @file
/// The language server's wire: messages framed by a Content-Length header,
/// read from and written to file descriptors.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace xmlattr::lsp {

/// Cuts a byte stream into message bodies. A header without a usable
/// Content-Length is reported, and the stream is read again from the next
/// "Content-Length" on.
class MessageReader {
  public:
    struct Message {
        std::string body;
        std::string error;  ///< not empty: bytes that were not a message, and why
    };

    /// Bodies larger than this are refused (and skipped).
    static constexpr std::size_t kMaxBody = std::size_t{64} << 20;

    void feed(std::string_view bytes) { buffer_.append(bytes); }

    /// The next whole message, or none until more bytes come.
    std::optional<Message> next();

  private:
    std::optional<Message> skipTo(std::size_t from, std::string why);

    std::string buffer_;
    std::size_t start_ = 0;     // of the unread bytes in buffer_
    std::size_t skipping_ = 0;  // body bytes of a refused message still to drop
    bool seeking_ = false;      // after a bad header: bytes are dropped up to a Content-Length
};

/// body with its header, ready to write.
std::string frame(std::string_view body);

/// Runs a server on in and out until an exit notification or the end of in;
/// returns the exit status (0 after shutdown and exit, else 1).
int serve(int in, int out);

}  // namespace xmlattr::lsp
