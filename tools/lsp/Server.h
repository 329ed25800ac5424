/// @file
/// The xmlattr language server: lint's findings, fixes, hovers and keyword
/// completions for the XSL-FO and SVG documents an editor holds, over the
/// Language Server Protocol 3.17 (JSON-RPC).
///
/// The server is a plain object: it takes message bodies and hands back the
/// bodies it sends, so that it can be driven without a process; Transport.h
/// frames them on a byte stream and runs it on standard input and output.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace xmlattr::lsp {

class Server {
  public:
    /// Takes the body (JSON) of each message the server sends.
    using Send = std::function<void(const std::string& body)>;

    explicit Server(Send send);
    ~Server();
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    /// Takes one message body. A request is answered at once; a change is
    /// held, and its document linted at the next publish() (or before a
    /// request on it needs its findings), so that changes that come faster
    /// than lint cost one lint for the last text only.
    void receive(std::string_view body);

    /// Answers that bytes that were not a message (a bad header) came in.
    void receiveGarbage(std::string_view why);

    /// Lints each document changed since the last publish and sends its
    /// diagnostics.
    void publish();

    /// Whether changed documents wait for publish().
    bool pending() const;

    /// The exit status once an exit notification came: 0 after a shutdown
    /// request, else 1.
    std::optional<int> exitStatus() const;

    /// How many documents are open.
    std::size_t openDocuments() const;

    /// The text of the open document uri, as the changes so far left it.
    std::optional<std::string_view> textOf(const std::string& uri) const;

    /// Receives body, then publishes: one message as a lone client sends it.
    void handle(std::string_view body) {
        receive(body);
        publish();
    }

    struct State;  ///< the lifecycle and the open documents (Server.cpp)

  private:
    std::unique_ptr<State> state_;
};

}  // namespace xmlattr::lsp
