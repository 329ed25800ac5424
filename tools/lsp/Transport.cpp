// Content-Length framing, and the loop that serves standard input and
// output: it reads every message already waiting before it lints, so that a
// burst of changes costs one lint of the last text.
#include "tools/lsp/Transport.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <variant>

#include "tools/lsp/Server.h"

namespace xmlattr::lsp {

namespace {

constexpr std::string_view kLengthField = "Content-Length";
constexpr std::size_t kMaxHeader = 8192;

bool sameLetters(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return (x | 0x20) == (y | 0x20);
           });
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// The body length a header gives, or why it gives none.
std::variant<std::size_t, std::string> bodyLength(std::string_view header) {
    std::optional<std::size_t> length;
    while (!header.empty()) {
        const std::size_t end = std::min(header.find("\r\n"), header.size());
        const std::string_view line = header.substr(0, end);
        header.remove_prefix(std::min(end + 2, header.size()));
        const std::size_t colon = line.find(':');
        if (colon == std::string_view::npos)
            return "a header line without ':'";
        if (!sameLetters(trimmed(line.substr(0, colon)), kLengthField))
            continue;  // Content-Type, or a field of another protocol version
        const std::string_view digits = trimmed(line.substr(colon + 1));
        std::size_t value = 0;
        if (digits.empty() || digits.size() > 10 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return "Content-Length is not a number";
        for (const char digit : digits)
            value = value * 10 + static_cast<std::size_t>(digit - '0');
        length = value;
    }
    if (!length)
        return "a header without Content-Length";
    return *length;
}

bool writeAll(int out, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(out, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::optional<MessageReader::Message> MessageReader::skipTo(std::size_t from, std::string why) {
    start_ = from;
    seeking_ = true;
    return Message{{}, std::move(why)};
}

std::optional<MessageReader::Message> MessageReader::next() {
    if (skipping_ > 0) {
        const std::size_t dropped = std::min(skipping_, buffer_.size() - start_);
        start_ += dropped;
        skipping_ -= dropped;
    }
    if (start_ > 0 && (skipping_ > 0 || start_ * 2 >= buffer_.size())) {
        buffer_.erase(0, start_);
        start_ = 0;
    }
    if (skipping_ > 0)
        return std::nullopt;
    if (seeking_) {
        // The next "Content-Length" may still be to come, or cut in two.
        const std::size_t next = buffer_.find(kLengthField, start_);
        if (next == std::string::npos) {
            start_ =
                std::max(start_, buffer_.size() - std::min(buffer_.size(), kLengthField.size()));
            return std::nullopt;
        }
        start_ = next;
        seeking_ = false;
    }
    const std::string_view rest = std::string_view(buffer_).substr(start_);
    // A header is too long by where it ends, whatever pieces it came in.
    const std::size_t headerEnd = rest.find("\r\n\r\n");
    if (headerEnd == std::string_view::npos ? rest.size() > kMaxHeader + 3 : headerEnd > kMaxHeader)
        return skipTo(start_ + 1, "a header longer than 8 KiB");
    if (headerEnd == std::string_view::npos)
        return std::nullopt;
    std::variant<std::size_t, std::string> length = bodyLength(rest.substr(0, headerEnd));
    if (std::string* why = std::get_if<std::string>(&length))
        return skipTo(start_ + headerEnd + 4, std::move(*why));
    const std::size_t size = std::get<std::size_t>(length);
    if (size > kMaxBody) {
        start_ += headerEnd + 4;
        skipping_ = size;
        return Message{{}, "a body of " + std::to_string(size) + " bytes is too large"};
    }
    if (rest.size() - headerEnd - 4 < size)
        return std::nullopt;
    Message message{std::string(rest.substr(headerEnd + 4, size)), {}};
    start_ += headerEnd + 4 + size;
    return message;
}

std::string frame(std::string_view body) {
    std::string framed(kLengthField);
    framed += ": ";
    framed += std::to_string(body.size());
    framed += "\r\n\r\n";
    framed += body;
    return framed;
}

int serve(int in, int out) {
    // A client that goes away ends the server through a failed write, not a
    // signal.
    std::signal(SIGPIPE, SIG_IGN);
    bool broken = false;
    Server server([&](const std::string& body) { broken = broken || !writeAll(out, frame(body)); });
    MessageReader reader;
    std::string buffer(std::size_t{1} << 16, '\0');
    for (;;) {
        while (std::optional<MessageReader::Message> message = reader.next()) {
            if (message->error.empty())
                server.receive(message->body);
            else
                server.receiveGarbage(message->error);
            if (server.exitStatus())
                return *server.exitStatus();
        }
        if (broken)
            return 1;
        // Changes wait for the input to pause: a text replaced before it is
        // linted is never linted.
        if (server.pending()) {
            pollfd waiting{in, POLLIN, 0};
            if (::poll(&waiting, 1, 0) <= 0) {
                server.publish();
                continue;
            }
        }
        const ssize_t count = ::read(in, buffer.data(), buffer.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return server.exitStatus().value_or(1);
        reader.feed(std::string_view(buffer.data(), static_cast<std::size_t>(count)));
    }
}

}  // namespace xmlattr::lsp
