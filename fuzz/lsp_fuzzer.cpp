// Language server target: any stream of messages through the server's own
// API, read by MessageReader and published when the reader runs dry, as the
// serve loop drives it. The server must never throw; everything it sends is
// a JSON-RPC message; each message it receives gets exactly the answers
// JSON-RPC asks for (one, with the request's id, for a request; one, with a
// null id, for what is not a message; none for a notification or a
// response), at once; ranges end after they start; after publish() nothing
// waits; the exit status follows the shutdown; and the reader cuts the same
// messages from a raw stream whatever pieces it comes in. Every publish
// equals the diagnostics of a fresh lint of the document's text (up to an
// XML error, after which findings are kept from before), however the
// changes came; after each, the document's colours are asked for, and the
// first one written back.
//
// The first byte chooses how the rest is read:
//   bit 0     1: the rest is split at '\n' and the harness frames each piece
//             (bodies are fuzzed without their lengths); an empty piece
//             publishes. 0: the rest is the raw stream, headers and all.
//   bits 1-2  the harness's initialize first: 0 none, 1 with no position
//             encoding offered (UTF-16), 2 offering UTF-8, 3 offering UTF-32
//             and plain-text hovers.
//   bits 3-4  raw stream only: fed whole, or in pieces of 1, 5 or 64 bytes.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "tools/lsp/Answers.h"
#include "tools/lsp/Server.h"
#include "tools/lsp/Transport.h"

namespace {

using Json = nlohmann::json;
using xmlattr::lsp::MessageReader;

[[noreturn]] void fail(const char* what, std::string_view body) {
    std::fprintf(stderr, "lsp: %s: %.*s\n", what,
                 static_cast<int>(std::min<std::size_t>(body.size(), 4000)), body.data());
    std::abort();
}

// What a received body must be answered with, by JSON-RPC's rules.
struct Expected {
    int responses = 1;
    Json id;  // of each response
    bool exit = false;
    bool shutdown = false;
};

Expected expectedOf(std::string_view body) {
    const Json message = Json::parse(body, nullptr, false);
    if (message.is_discarded() || !message.is_object())
        return {};
    const auto id = message.find("id");
    const auto method = message.find("method");
    const auto version = message.find("jsonrpc");
    const bool validId = id != message.end() && (id->is_number_integer() || id->is_string());
    if (method == message.end() && id != message.end() &&
        (message.contains("result") || message.contains("error")))
        return {0, Json()};  // a response
    if (method == message.end() || !method->is_string() || version == message.end() ||
        *version != "2.0" || (id != message.end() && !validId))
        return {1, validId ? *id : Json()};
    if (id == message.end())
        return {0, Json(), *method == "exit"};
    return {1, *id, false, *method == "shutdown"};
}

bool before(const Json& a, const Json& b) {
    return a["line"] < b["line"] || (a["line"] == b["line"] && a["character"] <= b["character"]);
}

bool isPosition(const Json& at) {
    return at.is_object() && at.size() == 2 && at.contains("line") &&
           at["line"].is_number_unsigned() && at.contains("character") &&
           at["character"].is_number_unsigned();
}

// Every {"start": ..., "end": ...} the server writes is a range of two
// positions, the start first.
void checkRanges(const Json& value, std::string_view body) {
    if (value.is_object()) {
        if (value.contains("start") && value.contains("end")) {
            if (!isPosition(value["start"]) || !isPosition(value["end"]))
                fail("a range of other than two positions", body);
            if (!before(value["start"], value["end"]))
                fail("a range that ends before it starts", body);
        }
        for (const Json& item : value)
            checkRanges(item, body);
    } else if (value.is_array()) {
        for (const Json& item : value)
            checkRanges(item, body);
    }
}

// Where a diagnostic starts, as (line, character).
std::pair<std::uint64_t, std::uint64_t> startOf(const Json& diagnostic) {
    const Json& start = diagnostic["range"]["start"];
    return {start["line"].get<std::uint64_t>(), start["character"].get<std::uint64_t>()};
}

// The diagnostics published for a document equal those of its text linted
// afresh; where that has an XML error (last, without a code), those before
// it and the error.
void checkAfresh(const std::string& uri, std::string_view text, xmlattr::lsp::Encoding encoding,
                 const Json& published, std::string_view body) {
    xmlattr::lsp::Document fresh{xmlattr::lsp::Text(std::string(text))};
    fresh.path = xmlattr::lsp::pathOfUri(uri);
    const Json want = Json::parse(fresh.lint(encoding));
    if (want.empty() || want.back().contains("code")) {
        if (published != want)
            fail("diagnostics other than a fresh lint's", body);
        return;
    }
    Json before = Json::array();
    for (const Json& diagnostic : published) {
        if (startOf(diagnostic) < startOf(want.back()) || &diagnostic == &published.back())
            before.push_back(diagnostic);
    }
    if (before != want)
        fail("diagnostics before an XML error other than a fresh lint's", body);
}

class Session {
  public:
    Session() : server_([this](const std::string& body) { sent_.push_back(body); }) {}

    bool exited() const { return server_.exitStatus().has_value(); }

    // Feeds bytes to the reader and delivers every whole message it cuts.
    void feed(std::string_view bytes) {
        reader_.feed(bytes);
        while (!exited()) {
            const std::optional<MessageReader::Message> message = reader_.next();
            if (!message)
                break;
            cut_.push_back(*message);
            deliver(*message);
        }
    }

    // Sends body framed, which the reader must give back whole.
    void send(std::string_view body) {
        reader_.feed(xmlattr::lsp::frame(body));
        const std::optional<MessageReader::Message> message = reader_.next();
        if (!message || !message->error.empty() || message->body != body || reader_.next())
            fail("a framed body not read back as itself", body);
        deliver(*message);
    }

    void publish() {
        sent_.clear();
        try {
            server_.publish();
        } catch (...) {
            fail("publish threw", "");
        }
        if (server_.pending())
            fail("changes pending after publish", "");
        std::vector<std::string> published;
        for (const std::string& body : sent_) {
            const Json message = check(body);
            if (message.contains("id"))
                fail("a response to no request", body);
            const std::string uri = message["params"]["uri"].get<std::string>();
            if (server_.textOf(uri))
                published.push_back(uri);
        }
        for (const std::string& uri : published)
            askColours(uri);
    }

    // The colours of the document uri, each in [0, 1]; the first written
    // back in its range, as "#rrggbb" first.
    void askColours(const std::string& uri) {
        const Json document = {{"uri", uri}};
        const Json colours = request("textDocument/documentColor", {{"textDocument", document}});
        if (colours.is_null())
            return;  // refused: not initialized, or shut down
        if (!colours.is_array())
            fail("colours not a list", colours.dump());
        for (const Json& colour : colours) {
            for (const char* component : {"red", "green", "blue", "alpha"}) {
                const Json& value = memberOf(memberOf(colour, "color"), component);
                if (!value.is_number() || value.get<double>() < 0 || value.get<double>() > 1)
                    fail("a colour component outside [0, 1]", colour.dump());
            }
        }
        if (colours.empty())
            return;
        const Json& range = memberOf(colours.front(), "range");
        const Json written = request("textDocument/colorPresentation",
                                     {{"textDocument", document},
                                      {"color", memberOf(colours.front(), "color")},
                                      {"range", range}});
        const Json& hex = written.is_array() && !written.empty() ? written.front() : Json();
        const Json& label = memberOf(hex, "label");
        if (memberOf(memberOf(hex, "textEdit"), "range") != range || !label.is_string() ||
            label.get<std::string>().size() != 7)
            fail("a colour not written back as #rrggbb in its range", written.dump());
    }

    static const Json& memberOf(const Json& object, const char* name) {
        static const Json none;
        if (!object.is_object())
            return none;
        const auto found = object.find(name);
        return found != object.end() ? *found : none;
    }

    // The result of a request the harness sends.
    Json request(const char* method, Json params) {
        // Past the reader, which may hold part of the stream.
        lastResult_ = nullptr;
        MessageReader::Message message;
        message.body =
            Json{{"jsonrpc", "2.0"}, {"id", "harness"}, {"method", method}, {"params", params}}
                .dump();
        deliver(message);
        return lastResult_;
    }

    // The messages feed() cut, in order.
    const std::vector<MessageReader::Message>& cut() const { return cut_; }

    // The answer to the harness's initialize, once it came.
    const Json& lastResult() const { return lastResult_; }

  private:
    // The message body is, as JSON-RPC and the protocol have them.
    Json check(const std::string& body) {
        const Json message = Json::parse(body, nullptr, false);
        if (message.is_discarded())
            fail("a body that is not JSON", body);
        if (!message.is_object() || message.value("jsonrpc", Json()) != "2.0")
            fail("a body that is not a JSON-RPC message", body);
        if (message.contains("method")) {
            if (!message["method"].is_string() || message.contains("id"))
                fail("a notification without a method name, or with an id", body);
            if (message["method"] == "textDocument/publishDiagnostics") {
                const Json& params = message.value("params", Json());
                if (!params.is_object() || !params.value("uri", Json()).is_string() ||
                    !params.value("diagnostics", Json()).is_array())
                    fail("diagnostics without a uri or a list", body);
                for (const Json& diagnostic : params["diagnostics"]) {
                    if (!diagnostic.is_object() || !diagnostic.contains("range") ||
                        !diagnostic.value("message", Json()).is_string())
                        fail("a diagnostic without a range or a message", body);
                }
                checkRanges(message, body);
                const std::string& uri = params["uri"].get_ref<const std::string&>();
                if (const std::optional<std::string_view> text = server_.textOf(uri))
                    checkAfresh(uri, *text, encoding_, params["diagnostics"], body);
            }
        } else if (!message.contains("id") ||
                   message.contains("result") == message.contains("error")) {
            fail("a response without an id, or without one result or error", body);
        } else if (message.contains("error") &&
                   (!message["error"].is_object() ||
                    !message["error"].value("code", Json()).is_number_integer() ||
                    !message["error"].value("message", Json()).is_string())) {
            fail("an error without a code and a message", body);
        }
        checkRanges(message, body);
        return message;
    }

    void deliver(const MessageReader::Message& message) {
        const Expected expected = message.error.empty() ? expectedOf(message.body) : Expected{};
        sent_.clear();
        try {
            if (message.error.empty())
                server_.receive(message.body);
            else
                server_.receiveGarbage(message.error);
        } catch (...) {
            fail("the server threw on", message.body);
        }
        int responses = 0;
        for (const std::string& body : sent_) {
            const Json sent = check(body);
            if (!sent.contains("id"))
                continue;
            ++responses;
            if (sent["id"] != expected.id)
                fail("a response with another id than the request's", body);
            if (sent.contains("result")) {
                lastResult_ = sent["result"];
                shutdown_ = shutdown_ || expected.shutdown;
                const Json* encoding =
                    xmlattr::lsp::pointer(sent, "/result/capabilities/positionEncoding");
                if (encoding != nullptr && encoding->is_string())
                    encoding_ = xmlattr::lsp::encodingNamed(encoding->get<std::string>())
                                    .value_or(encoding_);
            }
        }
        if (responses != expected.responses)
            fail(responses < expected.responses ? "a request not answered"
                                                : "more answers than asked",
                 message.error.empty() ? message.body : message.error);
        if (exited() != expected.exit)
            fail(expected.exit ? "exit did not end the server" : "ended by another message",
                 message.body);
        if (exited() && *server_.exitStatus() != (shutdown_ ? 0 : 1))
            fail("an exit status beside the shutdown", message.body);
    }

    std::vector<std::string> sent_;
    xmlattr::lsp::Server server_;
    MessageReader reader_;
    std::vector<MessageReader::Message> cut_;
    Json lastResult_;
    bool shutdown_ = false;  // a shutdown request succeeded
    xmlattr::lsp::Encoding encoding_ = xmlattr::lsp::Encoding::Utf16;  // as initialize chose
};

Json initializeParams(int offer) {
    Json capabilities = Json::object();
    if (offer >= 2)
        capabilities["general"]["positionEncodings"] = {offer == 2 ? "utf-8" : "utf-32"};
    if (offer == 3)
        capabilities["textDocument"]["hover"]["contentFormat"] = {"plaintext"};
    return Json{{"processId", nullptr}, {"rootUri", nullptr}, {"capabilities", capabilities}};
}

// The messages a reader cuts from bytes that came at once.
std::vector<MessageReader::Message> cutWhole(std::string_view bytes) {
    MessageReader reader;
    reader.feed(bytes);
    std::vector<MessageReader::Message> messages;
    while (std::optional<MessageReader::Message> message = reader.next())
        messages.push_back(std::move(*message));
    return messages;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const std::uint8_t mode = data[0];
    std::string_view rest(reinterpret_cast<const char*>(data) + 1, size - 1);
    Session session;
    if (const int offer = (mode >> 1) & 3; offer != 0) {
        session.send(Json{{"jsonrpc", "2.0"},
                          {"id", 0},
                          {"method", "initialize"},
                          {"params", initializeParams(offer)}}
                         .dump());
        static constexpr const char* kOffered[] = {"", "utf-16", "utf-8", "utf-32"};
        const Json& result = session.lastResult();
        if (!result.is_object() || !result.value("capabilities", Json()).is_object() ||
            result["capabilities"].value("positionEncoding", Json()) != kOffered[offer])
            fail("initialize not answered with the encoding offered", result.dump());
        session.send(R"({"jsonrpc":"2.0","method":"initialized","params":{}})");
    }
    std::vector<MessageReader::Message> whole;  // the raw stream's, cut at once
    if (mode & 1) {
        while (!session.exited()) {
            const std::size_t end = std::min(rest.find('\n'), rest.size());
            if (end == 0)
                session.publish();
            else
                session.send(rest.substr(0, end));
            if (end == rest.size())
                break;
            rest.remove_prefix(end + 1);
        }
    } else {
        static constexpr std::size_t kPieces[] = {0, 1, 5, 64};
        const std::size_t piece = kPieces[(mode >> 3) & 3];
        whole = cutWhole(rest);
        while (!rest.empty() && !session.exited()) {
            const std::size_t count = piece == 0 ? rest.size() : std::min(piece, rest.size());
            session.feed(rest.substr(0, count));
            rest.remove_prefix(count);
            // The input pauses: what changed is linted, as the serve loop does.
            if (!session.exited())
                session.publish();
        }
    }
    if (!session.exited())
        session.publish();
    if (!(mode & 1)) {
        // The same messages, whatever pieces the stream came in.
        const auto& cut = session.cut();
        if (cut.size() > whole.size() || (!session.exited() && cut.size() != whole.size()))
            fail("messages that depend on how the stream came", "");
        for (std::size_t i = 0; i < cut.size(); ++i) {
            if (cut[i].body != whole[i].body || cut[i].error != whole[i].error)
                fail("a message that depends on how the stream came", cut[i].body + cut[i].error);
        }
    }
    return 0;
}
