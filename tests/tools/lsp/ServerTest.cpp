// The language server driven through its own API: the recorded sessions
// replayed, and edits at random, whose diagnostics must be those of the
// edited text read afresh.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/tools/ToolTestSupport.h"
#include "tools/lsp/Answers.h"
#include "tools/lsp/Server.h"

namespace {

using Json = nlohmann::json;
using xmlattr::lsp::Server;

void replaceAll(std::string& text, const std::string& from, const std::string& to) {
    for (std::size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Each tests/tools/data/golden/lsp/*.lsp is a session (README.md there):
// "--> " a message the client sends, handled then published; "-+> " one
// received only (held until the next publish); "--! " bytes that were not a
// message; after each, the "<-- " messages the server wrote, byte for byte,
// and "=== exit N" once exit came. Other lines are comments. ${DATA} stands
// for tests/tools/data. XMLATTR_RECORD=1 writes the replies afresh.
TEST(LspServer, SessionsAnswerAsRecorded) {
    const std::string data = XMLATTR_SOURCE_DIR "/tests/tools/data";
    int sessions = 0;
    for (const auto& entry : std::filesystem::directory_iterator(data + "/golden/lsp")) {
        if (entry.path().extension() != ".lsp")
            continue;
        ++sessions;
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string recorded{std::istreambuf_iterator<char>(in), {}};
        std::string replayed;
        Server server([&](std::string body) {
            replaceAll(body, data, "${DATA}");
            replayed += "<-- " + body + '\n';
        });
        bool exited = false;
        for (const std::string& line : tool_test::lines(recorded)) {
            if (line.starts_with("<-- ") || line.starts_with("=== "))
                continue;
            replayed += line + '\n';
            std::string body = line.substr(std::min<std::size_t>(4, line.size()));
            replaceAll(body, "${DATA}", data);
            if (line.starts_with("--> "))
                server.handle(body);
            else if (line.starts_with("-+> "))
                server.receive(body);
            else if (line.starts_with("--! "))
                server.receiveGarbage(body);
            if (server.exitStatus() && !std::exchange(exited, true))
                replayed += "=== exit " + std::to_string(*server.exitStatus()) + '\n';
        }
        if (std::getenv("XMLATTR_RECORD") != nullptr) {
            std::ofstream(entry.path(), std::ios::binary) << replayed;
            continue;
        }
        const auto want = tool_test::lines(recorded), got = tool_test::lines(replayed);
        for (std::size_t i = 0; replayed != recorded; ++i) {
            if (i >= want.size() || i >= got.size() || want[i] != got[i]) {
                ADD_FAILURE() << entry.path().string() << ':' << i + 1 << " differs\nrecorded: "
                              << (i < want.size() ? want[i] : "(end)")
                              << "\nreplayed: " << (i < got.size() ? got[i] : "(end)");
                break;
            }
        }
    }
    EXPECT_GE(sessions, 8);
    EXPECT_EQ(xmlattr::lsp::pathOfUri("file:///a%20b/c.xsl"), "/a b/c.xsl");
}

// A document with findings on every line, LF, CR and CR LF line ends, a
// suppression comment and SVG styles.
std::string manyFindings() {
    std::string text =
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
        "xmlns:svg=\"http://www.w3.org/2000/svg\">\n";
    for (int i = 0; i < 12; ++i) {
        const std::string n = std::to_string(i);
        text += "<fo:block font-size=\"1" + n + "ptt\" color=\"rgb(20%,0,0)\" margin=\"2em \">" +
                n + "</fo:block>\r\n<!-- xmlattr-lint: ignore[unknown-unit] --><fo:block " +
                "space-before=\"3pxx\" start-indent=\"" + n + "cm\"/>\n<svg:rect style=\"fill: #1" +
                n + "; stroke-width: 2 px\" x=\"" + n + "\" width=\"1e\"/>\r";
    }
    return text + "</fo:root>\n";
}

// Where each diagnostic starts, to compare with an XML error's place.
std::pair<int, int> startOf(const Json& diagnostic) {
    const Json& start = diagnostic["range"]["start"];
    return {start["line"].get<int>(), start["character"].get<int>()};
}

TEST(LspServer, AnyEditsArePublishedAsTheTextReadAfresh) {
    // Values typed (many judged again alone), text typed, tags broken and
    // mended, line ends and characters of each width, sometimes several changes at once:
    // the text's lines, and each publish, must be those of the edited text
    // read from the start (before an XML error; after it, findings are kept).
    using xmlattr::lsp::Document;
    using xmlattr::lsp::Encoding;
    using xmlattr::lsp::Text;
    const std::string inValue[] = {
        "",  "1", "t", "pt", " ",  "%",    ";",        ":",
        ",", "e", "#", "\n", "\r", "\r\n", "\xC3\xA9", "\xF0\x9F\x98\x80"};
    // At any place: markup, and text (typed between tags, it moves findings).
    const std::string breaking[] = {"<",
                                    ">",
                                    "\"",
                                    "'",
                                    "/",
                                    "&",
                                    "=",
                                    " ",
                                    "a",
                                    "",
                                    "x y\r\n",
                                    "]",
                                    "xmlns:q=\"u\" ",
                                    "<!-- xmlattr-lint: ignore -->"};
    const std::string start = manyFindings();
    std::minstd_rand random(7);
    Document document{Text(start)};
    document.lint(Encoding::Utf16);
    struct Mend {
        std::size_t begin, size;
        std::string original;
    };
    std::optional<Mend> mend;  // undoes the change before, a break
    int broken = 0;
    for (int round = 0; round < 3000; ++round) {
        for (int change = 1 + static_cast<int>(random() % 3 == 0); change > 0; --change) {
            const std::string& bytes = document.text.bytes();
            std::size_t begin = random() % (bytes.size() + 1);
            std::size_t end = std::min(bytes.size(), begin + random() % 3);
            std::string replacement;
            std::optional<Mend> next;
            if (mend && random() % 16 != 0) {
                begin = mend->begin;
                end = begin + mend->size;
                replacement = mend->original;
            } else if (random() % 5 == 0) {
                replacement = breaking[random() % std::size(breaking)];
                next = Mend{begin, replacement.size(), bytes.substr(begin, end - begin)};
            } else {
                // Inside the value of one attribute: between a pair of quotes,
                // past the root's namespace declarations.
                std::vector<std::size_t> quotes;
                for (std::size_t at = bytes.find('"'); at != std::string::npos;
                     at = bytes.find('"', at + 1))
                    quotes.push_back(at);
                if (quotes.size() < 6)
                    continue;
                const std::size_t pair = 2 + random() % (quotes.size() / 2 - 2);
                const std::size_t open = quotes[2 * pair], close = quotes[2 * pair + 1];
                begin = open + 1 + random() % (close - open);
                end = std::min(close, begin + random() % 3);
                for (std::size_t n = random() % 3; n > 0; --n)
                    replacement += inValue[random() % std::size(inValue)];
            }
            mend = std::move(next);
            document.change(begin, end, replacement);
        }
        const Text fresh(document.text.bytes());
        ASSERT_EQ(document.text.lineCount(), fresh.lineCount()) << "round " << round;
        for (std::uint32_t line = 0; line < fresh.lineCount(); ++line)
            ASSERT_EQ(document.text.offsetOf({line, 0}, Encoding::Utf8),
                      fresh.offsetOf({line, 0}, Encoding::Utf8));
        const Json got = Json::parse(document.lint(Encoding::Utf16));
        Document afresh{Text(document.text.bytes())};
        const Json want = Json::parse(afresh.lint(Encoding::Utf16));
        if (!want.empty() && !want.back().contains("code")) {
            Json before = Json::array();
            for (const Json& diagnostic : got) {
                if (startOf(diagnostic) < startOf(want.back()) || &diagnostic == &got.back())
                    before.push_back(diagnostic);
            }
            ASSERT_EQ(before, want) << "round " << round << "\n" << document.text.bytes();
            if (++broken > 3) {  // too long broken: back to the start, as a whole new text
                document.change(0, document.text.bytes().size(), start);
                mend.reset();
                broken = 0;
            }
            continue;
        }
        broken = 0;
        ASSERT_EQ(got, want) << "round " << round << "\n" << document.text.bytes();
        ASSERT_EQ(document.findings.size(), afresh.findings.size());
        for (std::size_t i = 0; i < afresh.findings.size(); ++i) {
            const auto& [mine, theirs] = std::tie(document.findings[i], afresh.findings[i]);
            ASSERT_EQ(mine.fix.has_value(), theirs.fix.has_value()) << theirs.message;
            for (std::size_t e = 0; mine.fix && e < mine.fix->edits.size(); ++e)
                ASSERT_EQ(mine.fix->edits[e].range.begin, theirs.fix->edits[e].range.begin);
        }
    }
}

}  // namespace
