// The protocol: the lifecycle (initialize, shutdown, exit), the documents
// the client holds open, and the dispatch of each request and notification
// to its handler (Answers.cpp builds what hovers, completions and code
// actions say). Errors are the JSON-RPC ones the protocol defines; no input
// ends the server but an exit notification.
#include "tools/lsp/Server.h"

#include <algorithm>
#include <exception>
#include <unordered_map>
#include <utility>

#include "tools/common/Json.h"
#include "tools/lsp/Answers.h"
#include "tools/lsp/Protocol.h"

namespace xmlattr::lsp {

using xmlattr_tool::dumpJson;

namespace {

// A method the server knows; a request's handler returns its result.
struct Method {
    std::string_view name;
    bool request;
    Json (*handle)(Server::State& state, const Json& params);
};

}  // namespace

struct Server::State {
    Send send;
    Encoding encoding = Encoding::Utf16;
    bool markdown = true;  // the client shows Markdown in hovers
    bool initialized = false;
    bool shutdown = false;
    std::optional<int> exitStatus;
    std::unordered_map<std::string, Document> documents;

    void write(const Json& message) { send(dumpJson(message)); }

    void answer(const Json& id, Json result) {
        write(Json{{"jsonrpc", "2.0"}, {"id", id}, {"result", std::move(result)}});
    }

    void fail(const Json& id, int code, std::string message) {
        write(Json{{"jsonrpc", "2.0"},
                   {"id", id},
                   {"error", {{"code", code}, {"message", std::move(message)}}}});
    }

    // What cannot be answered (a notification's error) is logged to the
    // client.
    void log(std::string message) {
        write(Json{{"jsonrpc", "2.0"},
                   {"method", "window/logMessage"},
                   {"params", {{"type", 1}, {"message", "xmlattr: " + std::move(message)}}}});
    }

    Document& open(const std::string& uri) {
        const auto found = documents.find(uri);
        if (found == documents.end())
            throw RpcError{kInvalidParams, "the document is not open: " + uri};
        return found->second;
    }

    // Lints document if its text changed since, and publishes its
    // diagnostics.
    void refresh(const std::string& uri, Document& document) {
        if (!document.dirty)
            return;
        // Written as the message's JSON would be, around the diagnostics
        // the document keeps written.
        std::string body =
            R"({"jsonrpc":"2.0","method":"textDocument/publishDiagnostics","params":{"diagnostics":)";
        body += document.lint(encoding);
        body += R"(,"uri":)";
        body += dumpJson(Json(uri));
        body += R"(,"version":)";
        body += std::to_string(document.version);
        body += "}}";
        send(body);
    }

    void clear(const std::string& uri) {
        write(Json{{"jsonrpc", "2.0"},
                   {"method", "textDocument/publishDiagnostics"},
                   {"params", {{"uri", uri}, {"diagnostics", Json::array()}}}});
    }
};

namespace {

using State = Server::State;

// Prefers the encoding that costs no translation of lint's offsets.
Json initialize(State& state, const Json& params) {
    if (!params.is_object())
        throw RpcError{kInvalidParams, "initialize takes an object"};
    const Json* offered = pointer(params, "/capabilities/general/positionEncodings");
    if (offered != nullptr && offered->is_array()) {
        for (const Encoding preferred : {Encoding::Utf8, Encoding::Utf32}) {
            if (std::find(offered->begin(), offered->end(), encodingName(preferred)) !=
                offered->end()) {
                state.encoding = preferred;
                break;
            }
        }
    }
    const Json* formats = pointer(params, "/capabilities/textDocument/hover/contentFormat");
    if (formats != nullptr && formats->is_array())
        state.markdown = std::find(formats->begin(), formats->end(), "markdown") != formats->end();
    state.initialized = true;
    return Json{
        {"capabilities",
         {{"positionEncoding", encodingName(state.encoding)},
          {"textDocumentSync", {{"openClose", true}, {"change", 2}}},
          {"hoverProvider", true},
          {"completionProvider", {{"triggerCharacters", {"\"", "'"}}}},
          {"colorProvider", true},
          {"codeActionProvider", {{"codeActionKinds", {"quickfix", std::string(kFixAllKind)}}}}}},
        {"serverInfo", {{"name", "xmlattr"}, {"version", XMLATTR_VERSION}}}};
}

Json shutdown(State& state, const Json&) {
    state.shutdown = true;
    return nullptr;
}

Json didOpen(State& state, const Json& params) {
    const Json& item = member(params, "textDocument");
    const std::string uri = stringOf(item, "uri");
    Document document(Text(stringOf(item, "text")));
    document.path = pathOfUri(uri);
    document.version = integerOf(item, "version");
    state.documents.insert_or_assign(uri, std::move(document));
    return nullptr;
}

Json didChange(State& state, const Json& params) {
    const Json& item = member(params, "textDocument");
    Document& document = state.open(stringOf(item, "uri"));
    const std::int64_t version = integerOf(item, "version");
    const Json& changes = member(params, "contentChanges");
    if (!changes.is_array())
        throw RpcError{kInvalidParams, "contentChanges is not an array"};
    // Each change applies to the text the one before it left.
    for (const Json& change : changes) {
        std::string text = stringOf(change, "text");
        if (!change.contains("range")) {
            // A whole new text: what changed is what lies between the
            // bytes it has in common with the old one at both ends.
            const std::string_view old = document.text.bytes();
            const std::size_t common = std::min(old.size(), text.size());
            std::size_t prefix = 0;
            while (prefix < common && old[prefix] == text[prefix])
                ++prefix;
            std::size_t suffix = 0;
            while (suffix < common - prefix &&
                   old[old.size() - 1 - suffix] == text[text.size() - 1 - suffix])
                ++suffix;
            document.change(prefix, old.size() - suffix,
                            std::string_view(text).substr(prefix, text.size() - suffix - prefix));
            continue;
        }
        // A change past the end stands at the end: the client's text is the
        // truth, and a notification cannot be refused.
        const Json& range = member(change, "range");
        const std::size_t size = document.text.bytes().size();
        const std::size_t begin =
            document.text.offsetOf(positionOf(member(range, "start")), state.encoding)
                .value_or(size);
        const std::size_t end =
            document.text.offsetOf(positionOf(member(range, "end")), state.encoding).value_or(size);
        if (end < begin)
            throw RpcError{kInvalidParams, "a change's range ends before it starts"};
        document.change(begin, end, text);
    }
    document.version = version;
    return nullptr;
}

Json didClose(State& state, const Json& params) {
    const std::string uri = stringOf(member(params, "textDocument"), "uri");
    if (state.documents.erase(uri) == 0)
        throw RpcError{kInvalidParams, "the document is not open: " + uri};
    state.clear(uri);
    return nullptr;
}

// The document a request names, linted if it changed, and the offset of its
// position.
struct Place {
    std::string uri;
    Document* document;
    std::size_t offset;
};

Place placeOf(State& state, const Json& params, const Json& position) {
    Place place;
    place.uri = stringOf(member(params, "textDocument"), "uri");
    place.document = &state.open(place.uri);
    const TextPosition at = positionOf(position);
    const std::optional<std::size_t> offset = place.document->text.offsetOf(at, state.encoding);
    if (!offset) {
        throw RpcError{kInvalidParams,
                       "line " + std::to_string(at.line) + " is past the document's last line (" +
                           std::to_string(place.document->text.lineCount() - 1) + ")"};
    }
    place.offset = *offset;
    return place;
}

Json codeAction(State& state, const Json& params) {
    const Json& range = member(params, "range");
    Place start = placeOf(state, params, member(range, "start"));
    const std::size_t end = placeOf(state, params, member(range, "end")).offset;
    state.refresh(start.uri, *start.document);
    const Json* only = pointer(params, "/context/only");
    return codeActions(*start.document, start.uri, start.offset, std::max(end, start.offset),
                       only != nullptr && only->is_array() ? *only : Json(), state.encoding);
}

Json hover(State& state, const Json& params) {
    const Place place = placeOf(state, params, member(params, "position"));
    return hoverAt(*place.document, place.offset, state.encoding, state.markdown);
}

Json completion(State& state, const Json& params) {
    const Place place = placeOf(state, params, member(params, "position"));
    return completionsAt(*place.document, place.offset, state.encoding);
}

Json documentColor(State& state, const Json& params) {
    return documentColors(state.open(stringOf(member(params, "textDocument"), "uri")),
                          state.encoding);
}

Json colorPresentation(State& state, const Json& params) {
    state.open(stringOf(member(params, "textDocument"), "uri"));
    return colorPresentations(member(params, "color"), member(params, "range"));
}

Json ignore(State&, const Json&) {
    return nullptr;
}

// Every request is answered before the next message is read, so a
// cancellation always comes too late to matter: it is ignored, as the
// protocol allows.
constexpr Method kMethods[] = {
    {"initialize", true, initialize},
    {"shutdown", true, shutdown},
    {"textDocument/codeAction", true, codeAction},
    {"textDocument/hover", true, hover},
    {"textDocument/completion", true, completion},
    {"textDocument/documentColor", true, documentColor},
    {"textDocument/colorPresentation", true, colorPresentation},
    {"initialized", false, ignore},
    {"$/cancelRequest", false, ignore},
    {"textDocument/didOpen", false, didOpen},
    {"textDocument/didChange", false, didChange},
    {"textDocument/didClose", false, didClose},
};

const Method* methodNamed(std::string_view name) {
    for (const Method& method : kMethods) {
        if (method.name == name)
            return &method;
    }
    return nullptr;
}

}  // namespace

Server::Server(Send send) : state_(std::make_unique<State>()) {
    state_->send = std::move(send);
}

Server::~Server() = default;

void Server::receiveGarbage(std::string_view why) {
    state_->fail(nullptr, kParseError, std::string(why));
}

void Server::receive(std::string_view body) {
    State& state = *state_;
    const Json message = Json::parse(body, nullptr, false);
    if (message.is_discarded()) {
        state.fail(nullptr, kParseError, "the message is not JSON");
        return;
    }
    if (!message.is_object()) {
        state.fail(nullptr, kInvalidRequest, "a message is a JSON object");
        return;
    }
    const auto id = message.find("id");
    const auto method = message.find("method");
    const bool validId = id != message.end() && (id->is_number_integer() || id->is_string());
    if (method == message.end() && id != message.end() &&
        (message.contains("result") || message.contains("error")))
        return;  // a response: the server sends no requests
    const auto version = message.find("jsonrpc");
    if (method == message.end() || !method->is_string() || version == message.end() ||
        *version != "2.0" || (id != message.end() && !validId)) {
        state.fail(validId ? *id : Json(), kInvalidRequest,
                   "a message has \"jsonrpc\": \"2.0\", a method, and an integer or string id");
        return;
    }
    const std::string& name = method->get_ref<const std::string&>();
    const Json params = message.value("params", Json());
    if (!validId) {
        if (name == "exit") {
            state.exitStatus = state.shutdown ? 0 : 1;
            return;
        }
        const Method* handler = methodNamed(name);
        if (!state.initialized || handler == nullptr || handler->request)
            return;  // before initialize, or unknown: dropped, as the protocol says
        try {
            handler->handle(state, params);
        } catch (const RpcError& error) {
            state.log(name + ": " + error.message);
        } catch (const std::exception& error) {
            state.log(name + ": " + error.what());
        }
        return;
    }
    if (!state.initialized && name != "initialize") {
        state.fail(*id, kServerNotInitialized, "the server is not initialized");
        return;
    }
    if (state.initialized && name == "initialize") {
        state.fail(*id, kInvalidRequest, "the server is initialized already");
        return;
    }
    if (state.shutdown) {
        state.fail(*id, kInvalidRequest, "the server is shut down");
        return;
    }
    const Method* handler = methodNamed(name);
    if (handler == nullptr || !handler->request) {
        state.fail(*id, kMethodNotFound, "no method " + name);
        return;
    }
    try {
        state.answer(*id, handler->handle(state, params));
    } catch (const RpcError& error) {
        state.fail(*id, error.code, error.message);
    } catch (const Json::exception& error) {
        state.fail(*id, kInvalidParams, error.what());
    } catch (const std::exception& error) {
        state.fail(*id, kInternalError, error.what());
    }
}

void Server::publish() {
    for (auto& [uri, document] : state_->documents) {
        try {
            state_->refresh(uri, document);
        } catch (const std::exception& error) {
            document.dirty = false;  // not tried again until the next change
            state_->log("cannot lint " + uri + ": " + error.what());
        }
    }
}

bool Server::pending() const {
    return std::any_of(state_->documents.begin(), state_->documents.end(),
                       [](const auto& entry) { return entry.second.dirty; });
}

std::optional<int> Server::exitStatus() const {
    return state_->exitStatus;
}

std::size_t Server::openDocuments() const {
    return state_->documents.size();
}

std::optional<std::string_view> Server::textOf(const std::string& uri) const {
    const auto found = state_->documents.find(uri);
    if (found == state_->documents.end())
        return std::nullopt;
    return found->second.text.bytes();
}

}  // namespace xmlattr::lsp
