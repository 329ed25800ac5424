// The server on file descriptors, as an editor runs it: messages that wait
// together are read before any lint, and exit ends the loop with its status.
#include <gtest/gtest.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "tests/tools/ToolTestSupport.h"
#include "tools/lsp/Transport.h"

namespace {

using Json = nlohmann::json;
using xmlattr::lsp::frame;

std::string message(const std::string& method, Json params, int id = 0) {
    Json body = {{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
    if (id != 0)
        body["id"] = id;
    return frame(body.dump());
}

std::string change(int version, const std::string& text) {
    return message("textDocument/didChange",
                   {{"textDocument", {{"uri", "file:///a.svg"}, {"version", version}}},
                    {"contentChanges", {{{"text", text}}}}});
}

const std::string kSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect x=\"1 2\"/></svg>";
const std::string kCleanSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect x=\"1\"/></svg>";

// initialize, and a document opened as text then changed nine times, the
// last time to last: under the pipe's atomic size, so read in one piece.
std::string openThenChange(const std::string& text, const std::string& last) {
    std::string burst =
        message("initialize", {{"capabilities", Json::object()}}, 1) +
        message("initialized", Json::object()) +
        message(
            "textDocument/didOpen",
            {{"textDocument",
              {{"uri", "file:///a.svg"}, {"languageId", "svg"}, {"version", 1}, {"text", text}}}});
    for (int version = 2; version <= 10; ++version)
        burst += change(version, version == 10 ? last : text);
    EXPECT_LT(burst.size(), 4096u);
    return burst;
}

class Pipe {
  public:
    Pipe() { EXPECT_EQ(::pipe(ends_), 0); }
    ~Pipe() {
        closeWrite();
        ::close(ends_[0]);
    }
    int read() const { return ends_[0]; }
    int write() const { return ends_[1]; }
    void send(const std::string& bytes) const {
        ASSERT_EQ(::write(ends_[1], bytes.data(), bytes.size()),
                  static_cast<ssize_t>(bytes.size()));
    }
    void closeWrite() {
        if (ends_[1] >= 0)
            ::close(ends_[1]);
        ends_[1] = -1;
    }

  private:
    int ends_[2] = {-1, -1};
};

// serve() on a thread, reading in and writing out.
class Served {
  public:
    Served()
        : thread_([this] {
              status_ = xmlattr::lsp::serve(in.read(), out.write());
              out.closeWrite();
          }) {}
    ~Served() {
        in.closeWrite();
        if (thread_.joinable())
            thread_.join();
    }
    // Waits for the loop to end; its exit status.
    int join() {
        thread_.join();
        return status_;
    }

    Pipe in;
    Pipe out;

  private:
    int status_ = -1;
    std::thread thread_;
};

// The messages the server writes on fd, read as they come.
class Output {
  public:
    explicit Output(int fd) : fd_(fd) {}

    // Until one satisfies done, or the output ends.
    template <class Done>
    std::vector<Json> until(Done done) {
        std::vector<Json> out;
        char buffer[4096];
        for (;;) {
            while (auto next = reader_.next()) {
                out.push_back(Json::parse(next->body));
                if (done(out.back()))
                    return out;
            }
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n <= 0)
                return out;
            reader_.feed(std::string_view(buffer, static_cast<std::size_t>(n)));
        }
    }

    std::vector<Json> rest() {
        return until([](const Json&) { return false; });
    }

  private:
    int fd_;
    xmlattr::lsp::MessageReader reader_;
};

std::vector<Json> published(const std::vector<Json>& sent) {
    std::vector<Json> out;
    for (const Json& each : sent) {
        if (each.value("method", "") == "textDocument/publishDiagnostics")
            out.push_back(each["params"]);
    }
    return out;
}

TEST(LspServe, ChangesWaitingTogetherCostOneLintAndExitEndsTheLoop) {
    Served served;
    Pipe& in = served.in;
    // One write (under the pipe's atomic size): the server finds it all waiting.
    const std::string burst = openThenChange(kSvg, kSvg);
    in.send(burst + message("shutdown", nullptr, 2));
    in.send(message("exit", nullptr));
    in.closeWrite();
    const std::vector<Json> sent = Output(served.out.read()).rest();
    EXPECT_EQ(served.join(), 0);
    // Exit came right after the burst: at most its last text was linted
    // (TheLastTextIsTheOneLinted shows that it is).
    const std::vector<Json> diagnostics = published(sent);
    EXPECT_LE(diagnostics.size(), 1u);
    for (const Json& each : diagnostics)
        EXPECT_EQ(each["version"], 10);
    ASSERT_GE(sent.size(), 2u);
    EXPECT_EQ(sent.front()["id"], 1);
    EXPECT_EQ(std::count_if(sent.begin(), sent.end(),
                            [](const Json& each) { return each.value("id", 0) == 2; }),
              1);
}

TEST(LspServe, TheLastTextIsTheOneLinted) {
    Served served;
    Pipe& in = served.in;
    // Only the last text has a finding: a server that linted another text,
    // or none, publishes no finding.
    const std::string burst = openThenChange(kCleanSvg, kSvg);
    in.send(burst);
    // The burst came in one piece: the first diagnostics are of its last text.
    Output output(served.out.read());
    std::vector<Json> sent = output.until([](const Json& message) {
        return message.value("method", "") == "textDocument/publishDiagnostics";
    });
    in.send(message("shutdown", nullptr, 2) + message("exit", nullptr));
    in.closeWrite();
    for (Json& each : output.rest())
        sent.push_back(std::move(each));
    served.join();
    const std::vector<Json> diagnostics = published(sent);
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics[0]["version"], 10);
    ASSERT_EQ(diagnostics[0]["diagnostics"].size(), 1u);
    EXPECT_EQ(diagnostics[0]["diagnostics"][0]["code"], "list-read-as-one");
}

TEST(LspServe, ABadHeaderIsAnsweredAndTheNextRequestToo) {
    Served served;
    Pipe& in = served.in;
    in.send(message("initialize", {{"capabilities", Json::object()}}, 1) +
            "Content-Length: many\r\n\r\n{}" + message("shutdown", nullptr, 2) +
            message("exit", nullptr));
    in.closeWrite();
    const std::vector<Json> sent = Output(served.out.read()).rest();
    EXPECT_EQ(served.join(), 0);
    ASSERT_EQ(sent.size(), 3u);
    EXPECT_EQ(sent[1]["error"]["code"], -32700);
    EXPECT_TRUE(sent[1]["id"].is_null());
    EXPECT_EQ(sent[2]["id"], 2);
}

TEST(LspServe, TheModeTakesNoOperands) {
    EXPECT_EQ(tool_test::runXmlattr({"lsp", "--help"}).status, 0);
    const tool_test::Run run = tool_test::runXmlattr({"lsp", "file.fo"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("lsp takes no operands"), std::string::npos);
}

}  // namespace
