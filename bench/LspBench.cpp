// The language server on a 1 MB XSL-FO report (LintBench's, with its
// findings) and on a 5 MB one with thousands of findings, driven through its
// own API: how long a change takes to come back as diagnostics, and a hover
// and a completion, against the lint engine alone on the same bytes.
#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include <nlohmann/json.hpp>

#include "bench/Report.h"
#include "tools/lint/Lint.h"
#include "tools/lsp/Server.h"

namespace {

using Json = nlohmann::json;

constexpr const char* kUri = "file:///report.fo";

const std::string& document() {
    static const std::string text = xmlattr_bench::makeReport(1'000'000);
    return text;
}

// A 5 MB report where two sections in three carry a unit typo: thousands of
// findings, spread over the whole text.
const std::string& findingsDocument() {
    static const std::string text = [] {
        const std::string report = xmlattr_bench::makeReport(5'000'000);
        constexpr std::string_view good = "space-after=\"6pt\"";
        std::string planted;
        planted.reserve(report.size() + report.size() / 500);
        std::size_t from = 0;
        int section = 0;
        for (std::size_t at = report.find(good); at != std::string::npos;
             at = report.find(good, from)) {
            planted.append(report, from, at + good.size() - 1 - from);
            if (section++ % 3 != 0)
                planted += 't';  // 6ptt: an unknown unit
            from = at + good.size() - 1;
        }
        planted.append(report, from);
        return planted;
    }();
    return text;
}

// The offset of the first byte after needle, from the middle of text on
// (editing or pointing at a value there).
std::size_t middle(std::string_view needle, const std::string& text = document()) {
    return text.find(needle, text.size() / 2) + needle.size();
}

Json positionOf(const std::string& text, std::size_t offset) {
    const auto begin = text.begin();
    const std::size_t lineStart = text.rfind('\n', offset - 1) + 1;  // the text starts with a line
    return {{"line", std::count(begin, begin + static_cast<std::ptrdiff_t>(offset), '\n')},
            {"character", offset - lineStart}};  // ASCII: bytes are UTF-16 units
}

std::string message(const char* method, Json params, int id = -1) {
    Json message{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}};
    if (id >= 0)
        message["id"] = id;
    return message.dump();
}

// A change of one character: the first digit of a margin-left value in the
// middle of the document, to '5' (edit 0) and back (edit 1).
// Or, after needle, the first letter of a paragraph's text, T to t and back.
std::string oneCharacterChange(int edit, int version, const std::string& text = document(),
                               std::string_view needle = "margin-left=\"") {
    const std::size_t at = middle(needle, text);
    const char original = text[at];
    const char other = original == 'T' ? 't' : original == '5' ? '6' : '5';
    const std::string character(1, edit == 0 ? other : original);
    const Json start = positionOf(text, at);
    Json end = start;
    end["character"] = start["character"].get<std::size_t>() + 1;
    return message(
        "textDocument/didChange",
        {{"textDocument", {{"uri", kUri}, {"version", version}}},
         {"contentChanges", {{{"range", {{"start", start}, {"end", end}}}, {"text", character}}}}});
}

// A server with the document open and its diagnostics published, counting
// the diagnostics it sends and keeping its last answer.
class Session {
  public:
    explicit Session(const std::string& text = document())
        : server_([this](const std::string& body) {
              if (body.find("\"textDocument/publishDiagnostics\"") != std::string::npos)
                  ++published;
              else
                  answer = body;
          }) {
        server_.handle(message("initialize", {{"capabilities", Json::object()}}, 0));
        server_.handle(message("initialized", Json::object()));
        server_.handle(
            message("textDocument/didOpen",
                    {{"textDocument",
                      {{"uri", kUri}, {"languageId", "xml"}, {"version", 1}, {"text", text}}}}));
    }

    xmlattr::lsp::Server& server() { return server_; }

    std::size_t published = 0;
    std::string answer;

  private:
    xmlattr::lsp::Server server_;
};

void checkPublished(benchmark::State& state, const Session& session, std::size_t expected) {
    if (session.published != expected)
        state.SkipWithError("a change not answered with diagnostics");
}

// Receives the two changes in turn, each published: every one must be
// answered with diagnostics.
void answerInTurn(benchmark::State& state, Session& session, const std::string (&changes)[2],
                  const std::string& text = document()) {
    int edit = 0;
    const std::size_t before = session.published;
    for (auto _ : state) {
        session.server().receive(changes[edit]);
        session.server().publish();
        edit ^= 1;
    }
    checkPublished(state, session, before + state.iterations());
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

// A one-character change inside a value, and publish(): the server applies
// it, lints the whole text and hands over its diagnostics.
void change(benchmark::State& state) {
    Session session;
    const std::string edits[] = {oneCharacterChange(0, 2), oneCharacterChange(1, 3)};
    answerInTurn(state, session, edits);
}
BENCHMARK(change)->Name("lsp_1mb/change")->Unit(benchmark::kMillisecond);

// The same change in the 5 MB document with thousands of findings.
void changeWithFindings(benchmark::State& state) {
    const std::string& text = findingsDocument();
    Session session(text);
    const std::string edits[] = {oneCharacterChange(0, 2, text), oneCharacterChange(1, 3, text)};
    answerInTurn(state, session, edits, text);
}
BENCHMARK(changeWithFindings)->Name("lsp_5mb/change")->Unit(benchmark::kMillisecond);

// A letter of a paragraph's text changed instead, in the same document.
void typeText(benchmark::State& state) {
    const std::string& text = findingsDocument();
    Session session(text);
    constexpr std::string_view paragraph = "space-after=\"6ptt\">";
    const std::string edits[] = {oneCharacterChange(0, 2, text, paragraph),
                                 oneCharacterChange(1, 3, text, paragraph)};
    answerInTurn(state, session, edits, text);
}
BENCHMARK(typeText)->Name("lsp_5mb/type_text")->Unit(benchmark::kMillisecond);

// The whole text sent again (a client without incremental sync), with the
// same one-character edit, alternating.
void fullChange(benchmark::State& state) {
    Session session;
    std::string edited = document();
    const std::size_t at = middle("margin-left=\"");
    edited[at] = edited[at] == '5' ? '6' : '5';
    std::string bodies[2];
    for (int i = 0; i < 2; ++i) {
        bodies[i] = message("textDocument/didChange",
                            {{"textDocument", {{"uri", kUri}, {"version", 2 + i}}},
                             {"contentChanges", {{{"text", i == 0 ? edited : document()}}}}});
    }
    answerInTurn(state, session, bodies);
}
BENCHMARK(fullChange)->Name("lsp_1mb/full_change")->Unit(benchmark::kMillisecond);

// Twenty one-character changes received as from a fast typist, then one
// publish(): one lint, of the last text.
void burst(benchmark::State& state) {
    Session session;
    std::vector<std::string> edits;
    for (int i = 0; i < 20; ++i)
        edits.push_back(oneCharacterChange(i % 2, 2 + i));
    const std::size_t before = session.published;
    for (auto _ : state) {
        for (const std::string& edit : edits)
            session.server().receive(edit);
        session.server().publish();
    }
    checkPublished(state, session, before + state.iterations());
}
BENCHMARK(burst)->Name("lsp_1mb/burst_20")->Unit(benchmark::kMillisecond);

// A request at a value in the middle of the linted document, answered.
void request(benchmark::State& state, const char* method, std::string_view before,
             std::string_view expected) {
    Session session;
    const std::string body = message(
        method,
        {{"textDocument", {{"uri", kUri}}}, {"position", positionOf(document(), middle(before))}},
        1);
    for (auto _ : state) {
        session.server().receive(body);
        benchmark::DoNotOptimize(session.answer.data());
    }
    if (session.answer.find(expected) == std::string::npos)
        state.SkipWithError("the request not answered as expected");
}
BENCHMARK_CAPTURE(request, hover, "textDocument/hover", "space-before=\"", "**Length**")
    ->Name("lsp_1mb/hover")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(request, completion, "textDocument/completion", "text-align=\"j",
                  "\"label\":\"justify\"")
    ->Name("lsp_1mb/completion")
    ->Unit(benchmark::kMillisecond);

// The floor: the lint engine alone on the same bytes, gathering its findings
// as the server does.
void lintAlone(benchmark::State& state, const std::string& text) {
    std::size_t findings = 0;
    for (auto _ : state) {
        const xmlattr::lint::Report report = xmlattr::lint::lintDocument(text);
        benchmark::DoNotOptimize(report.findings.data());
        findings = report.findings.size();
    }
    state.counters["findings"] = static_cast<double>(findings);
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK_CAPTURE(lintAlone, report, document())
    ->Name("lsp_1mb/lint_alone")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(lintAlone, findings, findingsDocument())
    ->Name("lsp_5mb/lint_alone")
    ->Unit(benchmark::kMillisecond);

}  // namespace
