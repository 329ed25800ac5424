// Cutting a byte stream into messages: bodies split anywhere, several in one
// piece, and headers that give no usable length, after which the stream is
// read again from the next message.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/lsp/Transport.h"

namespace {

using xmlattr::lsp::frame;
using xmlattr::lsp::MessageReader;

// Every message the reader gives for stream, fed in pieces of step bytes:
// a body as it is, an error as "!".
std::vector<std::string> read(const std::string& stream, std::size_t step) {
    MessageReader reader;
    std::vector<std::string> got;
    for (std::size_t at = 0; at < stream.size(); at += step) {
        reader.feed(std::string_view(stream).substr(at, step));
        while (auto message = reader.next())
            got.push_back(message->error.empty() ? message->body : "!");
    }
    return got;
}

TEST(LspTransport, BodiesComeWholeHoweverTheBytesArrive) {
    const std::string stream = frame("{}") + frame("[1,\"\xC3\xA9\"]") +
                               "content-length: 2\r\nContent-Type: application/"
                               "vscode-jsonrpc; charset=utf-8\r\n\r\n{}" +
                               frame("");
    const std::vector<std::string> expected = {"{}", "[1,\"\xC3\xA9\"]", "{}", ""};
    for (const std::size_t step : {std::size_t{1}, std::size_t{3}, stream.size()})
        EXPECT_EQ(read(stream, step), expected) << "in pieces of " << step;
}

TEST(LspTransport, ABadHeaderIsReportedAndTheNextMessageRead) {
    const std::string after = frame("{\"next\":1}");
    for (const std::string& bad : {
             std::string("Content-Length: twelve\r\n\r\n{}"),
             std::string("Content-Type: x\r\n\r\n{}"),
             std::string("no colon here\r\n\r\n"),
             std::string("Content-Length: 99999999999\r\n\r\n"),
             std::string(9000, 'x'),
         }) {
        SCOPED_TRACE(bad.substr(0, 40));
        EXPECT_EQ(read(bad + after, 7), (std::vector<std::string>{"!", "{\"next\":1}"}));
    }
}

TEST(LspTransport, ABodyTooLargeIsSkippedWithoutBeingHeld) {
    MessageReader reader;
    reader.feed("Content-Length: " + std::to_string(MessageReader::kMaxBody + 1) + "\r\n\r\n");
    ASSERT_EQ(reader.next()->error, "a body of 67108865 bytes is too large");
    const std::string chunk(1 << 20, ' ');
    for (std::size_t left = MessageReader::kMaxBody + 1; left > 0;) {
        const std::size_t n = std::min(left, chunk.size());
        reader.feed(std::string_view(chunk).substr(0, n));
        EXPECT_FALSE(reader.next());
        left -= n;
    }
    reader.feed(frame("{}"));
    EXPECT_EQ(reader.next()->body, "{}");
}

}  // namespace
