// The language server driven through its own API, message by message: the
// lifecycle, each request and notification it handles, and malformed input,
// after which it still answers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cmath>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "tests/tools/TempFolder.h"
#include "tools/lsp/Answers.h"
#include "tools/lsp/Server.h"

namespace {

using Json = nlohmann::json;
using xmlattr::lsp::Server;

constexpr const char* kUri = "file:///doc.fo";

// line 0: the root; line 1: a block whose font-size has a misspelt unit
// (safe fix: none, a suggestion) and whose colour has rgb() percentages
// (safe fix); line 2: 😀 then an svg:rect with a blank-separated dash array.
const std::string kDocument =
    "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
    "xmlns:svg=\"http://www.w3.org/2000/svg\">\r\n"
    "<fo:block font-size=\"11ptt\" color=\"rgb(20%,20%,60%)\" font-weight=\"bold\"/>\r\n"
    "<!-- \xF0\x9F\x98\x80 --><svg:svg><svg:line stroke-dasharray=\"4 "
    "2\"/></svg:svg></fo:root>\r\n";

Json position(int line, int character) {
    return {{"line", line}, {"character", character}};
}

class Session {
  public:
    Session() : server_([this](const std::string& body) { sent_.push_back(Json::parse(body)); }) {}

    // The answer to a request (and everything else sent meanwhile in sent()).
    Json request(const std::string& method, Json params) {
        const int id = ++lastId_;
        return answerTo(
            id,
            Json{{"jsonrpc", "2.0"}, {"id", id}, {"method", method}, {"params", std::move(params)}}
                .dump());
    }

    Json answerTo(const Json& id, const std::string& body) {
        sent_.clear();
        server_.handle(body);
        for (const Json& message : sent_) {
            if (message.contains("id") && message["id"] == id)
                return message;
        }
        ADD_FAILURE() << "no answer to " << body;
        return {};
    }

    void notify(const std::string& method, Json params) {
        sent_.clear();
        server_.handle(
            Json{{"jsonrpc", "2.0"}, {"method", method}, {"params", std::move(params)}}.dump());
    }

    Json initialize(Json capabilities = Json::object()) {
        const Json answer = request("initialize", {{"capabilities", std::move(capabilities)}});
        notify("initialized", Json::object());
        return answer;
    }

    void open(const std::string& text, const char* uri = kUri) {
        notify("textDocument/didOpen",
               {{"textDocument",
                 {{"uri", uri}, {"languageId", "xml"}, {"version", 1}, {"text", text}}}});
    }

    // The diagnostics published last for uri.
    Json diagnostics(const char* uri = kUri) const {
        for (auto at = sent_.rbegin(); at != sent_.rend(); ++at) {
            if ((*at)["method"] == "textDocument/publishDiagnostics" &&
                (*at)["params"]["uri"] == uri)
                return (*at)["params"]["diagnostics"];
        }
        return nullptr;
    }

    std::vector<std::string> codes() const {
        std::vector<std::string> out;
        for (const Json& diagnostic : diagnostics())
            out.push_back(diagnostic["code"]);
        return out;
    }

    Json at(const std::string& method, int line, int character) {
        return request(
            method, {{"textDocument", {{"uri", kUri}}}, {"position", position(line, character)}});
    }

    Server& server() { return server_; }
    const std::vector<Json>& sent() const { return sent_; }

  private:
    std::vector<Json> sent_;
    Server server_;
    int lastId_ = 0;
};

int errorCode(const Json& answer) {
    return answer.contains("error") ? answer["error"]["code"].get<int>() : 0;
}

TEST(LspServer, InitializeNegotiatesThePositionEncoding) {
    struct Row {
        Json offered;
        const char* chosen;
    };
    const Row rows[] = {
        {nullptr, "utf-16"},
        {Json{"utf-16"}, "utf-16"},
        {Json{"utf-32", "utf-16"}, "utf-32"},
        {Json{"utf-16", "utf-32", "utf-8"}, "utf-8"},
    };
    for (const Row& row : rows) {
        Session session;
        Json capabilities = Json::object();
        if (!row.offered.is_null())
            capabilities["general"]["positionEncodings"] = row.offered;
        const Json answer = session.initialize(capabilities);
        EXPECT_EQ(answer["result"]["capabilities"]["positionEncoding"], row.chosen);
    }
    Session session;
    const Json capabilities = session.initialize()["result"]["capabilities"];
    EXPECT_EQ(capabilities["textDocumentSync"]["change"], 2);
    EXPECT_TRUE(capabilities["hoverProvider"]);
    EXPECT_TRUE(capabilities["colorProvider"]);
}

TEST(LspServer, DiagnosticsStandOnTheValuesInUtf16) {
    Session session;
    session.initialize();
    session.open(kDocument);
    const Json diagnostics = session.diagnostics();
    ASSERT_EQ(session.codes(),
              (std::vector<std::string>{"unknown-unit", "rgb-percent", "list-read-as-one"}));
    EXPECT_EQ(diagnostics[0]["range"],
              (Json{{"start", position(1, 21)}, {"end", position(1, 26)}}));
    EXPECT_EQ(diagnostics[0]["severity"], 2);
    EXPECT_EQ(diagnostics[0]["source"], "xmlattr");
    EXPECT_THAT(diagnostics[0]["message"].get<std::string>(),
                testing::StartsWith("font-size=\"11ptt\" on fo:block reads as 11px (FontSize)"));
    // After the emoji, two UTF-16 units: the dash array's value starts at 48.
    EXPECT_EQ(diagnostics[2]["range"]["start"], position(2, 48));
}

TEST(LspServer, PositionsFollowTheNegotiatedEncoding) {
    Session session;
    session.initialize({{"general", {{"positionEncodings", {"utf-8"}}}}});
    session.open(kDocument);
    EXPECT_EQ(session.diagnostics()[2]["range"]["start"], position(2, 50));
}

TEST(LspServer, ChangesFullAndIncrementalAreLintedAsTheyStand) {
    Session session;
    session.initialize();
    session.open(kDocument);
    // 11ptt -> 11pt, written over the value's last letter.
    session.notify(
        "textDocument/didChange",
        {{"textDocument", {{"uri", kUri}, {"version", 2}}},
         {"contentChanges",
          {{{"range", {{"start", position(1, 25)}, {"end", position(1, 26)}}}, {"text", ""}}}}});
    EXPECT_EQ(session.codes(), (std::vector<std::string>{"rgb-percent", "list-read-as-one"}));
    EXPECT_EQ(session.sent().back()["params"]["version"], 2);
    // A whole new text, not well-formed: one diagnostic at the XML error.
    session.notify("textDocument/didChange",
                   {{"textDocument", {{"uri", kUri}, {"version", 3}}},
                    {"contentChanges",
                     {{{"text", "<svg xmlns=\"http://www.w3.org/2000/svg\">\n<b></svg>"}}}}});
    const Json diagnostics = session.diagnostics();
    ASSERT_EQ(diagnostics.size(), 1u);
    EXPECT_EQ(diagnostics[0]["severity"], 1);
    EXPECT_EQ(diagnostics[0]["range"]["start"], position(1, 5));
    // Well-formed and clean again: an empty list clears them.
    session.notify(
        "textDocument/didChange",
        {{"textDocument", {{"uri", kUri}, {"version", 4}}},
         {"contentChanges", {{{"text", "<svg xmlns=\"http://www.w3.org/2000/svg\"/>"}}}}});
    EXPECT_EQ(session.diagnostics(), Json::array());
}

TEST(LspServer, AHalfTypedTagKeepsTheFindingsAroundIt) {
    Session session;
    session.initialize();
    session.open(kDocument);
    // Deleting the ">" of <svg:svg> on line 2: line 1's findings are linted
    // afresh, the dash array's after the error is kept from before.
    session.notify(
        "textDocument/didChange",
        {{"textDocument", {{"uri", kUri}, {"version", 2}}},
         {"contentChanges",
          {{{"range", {{"start", position(2, 19)}, {"end", position(2, 20)}}}, {"text", ""}}}}});
    std::vector<std::string> said;
    for (const Json& diagnostic : session.diagnostics())
        said.push_back(diagnostic.value(
            "code", "XML error at line " + diagnostic["range"]["start"]["line"].dump()));
    EXPECT_EQ(said, (std::vector<std::string>{"unknown-unit", "rgb-percent", "list-read-as-one",
                                              "XML error at line 2"}));
    EXPECT_EQ(session.diagnostics()[2]["range"]["start"], position(2, 47));
    // The whole text sent again, still broken, with a blank more before the
    // tag: the kept finding moves with it.
    std::string broken = kDocument;
    broken.replace(broken.find("<svg:svg>"), 9, " <svg:svg");
    session.notify("textDocument/didChange", {{"textDocument", {{"uri", kUri}, {"version", 3}}},
                                              {"contentChanges", {{{"text", broken}}}}});
    EXPECT_EQ(session.diagnostics().size(), 4u);
    EXPECT_EQ(session.diagnostics()[2]["range"]["start"], position(2, 48));
}

TEST(LspServer, ChangesThatComeTogetherAreLintedOnce) {
    Session session;
    session.initialize();
    session.open(kDocument);
    for (int version = 2; version < 12; ++version) {
        session.server().receive(Json{{"jsonrpc", "2.0"},
                                      {"method", "textDocument/didChange"},
                                      {"params",
                                       {{"textDocument", {{"uri", kUri}, {"version", version}}},
                                        {"contentChanges", {{{"text", kDocument}}}}}}}
                                     .dump());
    }
    EXPECT_TRUE(session.server().pending());
    session.notify("$/setTrace", {{"value", "off"}});  // publishes
    ASSERT_EQ(session.sent().size(), 1u);
    EXPECT_EQ(session.sent()[0]["params"]["version"], 11);
    EXPECT_FALSE(session.server().pending());
}

TEST(LspServer, CloseForgetsTheDocumentAndClearsItsDiagnostics) {
    Session session;
    session.initialize();
    session.open(kDocument);
    // Another vocabulary is left alone: no note that nothing was checked.
    session.open("<project><a x='1 2'/></project>", "file:///other.xml");
    EXPECT_EQ(session.diagnostics("file:///other.xml"), Json::array());
    EXPECT_EQ(session.server().openDocuments(), 2u);
    session.notify("textDocument/didClose", {{"textDocument", {{"uri", kUri}}}});
    EXPECT_EQ(session.diagnostics(), Json::array());
    EXPECT_EQ(session.server().openDocuments(), 1u);
    EXPECT_EQ(errorCode(session.at("textDocument/hover", 1, 22)), -32602);
}

TEST(LspServer, CodeActionsOfferTheFixesUnderTheRangeAndEverySafeFix) {
    Session session;
    session.initialize();
    session.open(kDocument);
    const auto actions = [&](int from, int to, Json only) {
        Json params = {{"textDocument", {{"uri", kUri}}},
                       {"range", {{"start", position(1, from)}, {"end", position(1, to)}}},
                       {"context", {{"diagnostics", Json::array()}}}};
        if (!only.is_null())
            params["context"]["only"] = only;
        return session.request("textDocument/codeAction", params)["result"];
    };
    // On the colour: its quick fix, preferred, the two suppressions and the
    // fix-all action.
    const Json onColour = actions(40, 40, nullptr);
    ASSERT_EQ(onColour.size(), 4u);
    EXPECT_EQ(onColour[0]["kind"], "quickfix");
    EXPECT_TRUE(onColour[0]["isPreferred"]);
    EXPECT_EQ(onColour[0]["diagnostics"][0]["code"], "rgb-percent");
    EXPECT_EQ(onColour[0]["edit"]["changes"][kUri],
              (Json{{{"range", {{"start", position(1, 35)}, {"end", position(1, 51)}}},
                     {"newText", "rgb(51,51,153)"}}}));
    EXPECT_EQ(onColour[3]["kind"], "source.fixAll.xmlattr");
    EXPECT_EQ(onColour[3]["edit"]["changes"][kUri].size(), 2u);  // the colour and the dash array
    // On the font size: no fix to offer (a suggestion only), but it can be
    // silenced on its element or in the file; applied, the finding goes.
    const Json onSize = actions(22, 22, Json{"quickfix"});
    ASSERT_EQ(onSize.size(), 2u);
    EXPECT_EQ(onSize[0]["title"], "Suppress unknown-unit on this element");
    EXPECT_EQ(onSize[0]["edit"]["changes"][kUri][0]["newText"],
              "<!-- xmlattr-lint: ignore[unknown-unit] -->\r\n");
    for (const Json& action : onSize) {
        const Json edit = action["edit"]["changes"][kUri][0];
        Session fresh;
        fresh.initialize();
        std::string text = kDocument;
        const std::size_t at = edit["range"]["start"]["line"] == 0 ? 0 : text.find("<fo:block");
        EXPECT_EQ(edit["range"]["start"], position(edit["range"]["start"]["line"], 0));
        fresh.open(text.insert(at, edit["newText"].get<std::string>()));
        EXPECT_EQ(fresh.codes(), (std::vector<std::string>{"rgb-percent", "list-read-as-one"}))
            << action["title"];
    }
    EXPECT_EQ(actions(0, 80, Json{"source"}).size(), 1u);
}

TEST(LspServer, HoverSaysHowATypedValueReads) {
    Session session;
    session.initialize();
    session.open(kDocument);
    const Json hover = session.at("textDocument/hover", 1, 23)["result"];
    EXPECT_EQ(hover["contents"]["kind"], "markdown");
    const std::string text = hover["contents"]["value"];
    EXPECT_THAT(text, testing::HasSubstr("**FontSize**"));
    EXPECT_THAT(text, testing::HasSubstr("Reads as `11px`"));
    EXPECT_THAT(text, testing::HasSubstr("Written back as `11px`"));
    EXPECT_EQ(hover["range"], (Json{{"start", position(1, 21)}, {"end", position(1, 26)}}));
    // A measure's hover says its units and what they are worth; no internals.
    EXPECT_THAT(text, testing::HasSubstr("`pt` 1.3333334px"));
    EXPECT_THAT(text, testing::Not(testing::HasSubstr("Exception")));
    // An enumeration's: its keywords each once, then what else reads as them.
    const std::string keywords =
        session.at("textDocument/hover", 1, 67)["result"]["contents"]["value"];
    EXPECT_THAT(keywords, testing::HasSubstr("Keywords: `bold`, `normal`; also read: "));
    EXPECT_THAT(keywords, testing::HasSubstr("`lighter` (as `normal`)"));
    EXPECT_THAT(keywords, testing::Not(testing::HasSubstr("Exception")));
    // A finding's fix is said.
    EXPECT_THAT(
        session.at("textDocument/hover", 1, 40)["result"]["contents"]["value"].get<std::string>(),
        testing::HasSubstr("\n\nFix: "));
    // Between attributes, and on an untyped one: nothing.
    EXPECT_TRUE(session.at("textDocument/hover", 1, 27)["result"].is_null());
    EXPECT_TRUE(session.at("textDocument/hover", 0, 20)["result"].is_null());
}

TEST(LspServer, CompletionOffersAKeywordEnumerationsKeywords) {
    Session session;
    session.initialize();
    session.open(kDocument);
    const Json items = session.at("textDocument/completion", 1, 68)["result"]["items"];
    std::vector<std::string> labels;
    for (const Json& item : items)
        labels.push_back(item["label"]);
    // The keywords that name values; bolder and lighter only read as them.
    EXPECT_THAT(labels, testing::UnorderedElementsAre("bold", "normal"));
    EXPECT_EQ(items[0]["textEdit"]["range"],
              (Json{{"start", position(1, 66)}, {"end", position(1, 70)}}));
    // A font size takes its keywords besides its measures.
    labels.clear();
    const Json sizes = session.at("textDocument/completion", 1, 23)["result"]["items"];
    for (const Json& item : sizes)
        labels.push_back(item["label"]);
    EXPECT_THAT(labels, testing::ElementsAre("xx-small", "x-small", "small", "medium", "large",
                                             "x-large", "xx-large", "larger", "smaller"));
    // A colour takes the colour names, each with its colour for a swatch.
    std::map<std::string, Json> colours;
    const Json names = session.at("textDocument/completion", 1, 40)["result"]["items"];
    for (const Json& item : names)
        colours[item["label"]] = item;
    EXPECT_EQ(colours.size(), 149u);  // 147 colours, transparent and none
    EXPECT_EQ(colours["orange"]["kind"], 16);
    EXPECT_EQ(colours["orange"]["documentation"], "#ffa500");
    EXPECT_EQ(colours["transparent"]["kind"], 12);
    // Nothing where no value stands.
    EXPECT_EQ(session.at("textDocument/completion", 1, 28)["result"]["items"], Json::array());
}

TEST(LspServer, ColourValuesGetTheirSwatchAndAreWrittenBack) {
    Session session;
    session.initialize();
    session.open(
        "<svg xmlns=\"http://www.w3.org/2000/svg\"><rect fill=\"red\" stroke=\"url(#g)\" "
        "style=\"stroke: #abc; fill: none\" stop-color=\"rgb(20%,0,300)\" width=\"#fff\"/></svg>");
    // Where each colour stands and what the engine reads it as (rgb()
    // percentages as numbers, 300 wrapped); not a paint reference, none, or a
    // value of another type.
    const Json colours = session.request("textDocument/documentColor",
                                         {{"textDocument", {{"uri", kUri}}}})["result"];
    std::vector<std::tuple<int, int, int, int>> found;
    for (const Json& colour : colours) {
        found.emplace_back(colour["range"]["start"]["character"].get<int>(),
                           std::lround(colour["color"]["red"].get<double>() * 255),
                           std::lround(colour["color"]["green"].get<double>() * 255),
                           std::lround(colour["color"]["blue"].get<double>() * 255));
    }
    EXPECT_THAT(found,
                testing::ElementsAre(std::tuple(52, 255, 0, 0), std::tuple(89, 170, 187, 204),
                                     std::tuple(119, 20, 0, 44)));
    const Json range = {{"start", position(0, 52)}, {"end", position(0, 55)}};
    const auto written = [&](double red, double green, double blue) {
        std::vector<std::string> texts;
        const Json answer = session.request(
            "textDocument/colorPresentation",
            {{"textDocument", {{"uri", kUri}}},
             {"color", {{"red", red}, {"green", green}, {"blue", blue}, {"alpha", 1}}},
             {"range", range}});
        for (const Json& each : answer["result"]) {
            EXPECT_EQ(each["textEdit"]["range"], range);
            texts.push_back(each["textEdit"]["newText"]);
        }
        return texts;
    };
    EXPECT_THAT(written(0, 1, 1), testing::ElementsAre("#00ffff", "aqua", "cyan"));
    EXPECT_THAT(written(0.5, 0.25, 0.125), testing::ElementsAre("#804020"));
}

// A stylesheet is told by its content: diagnostics, hover and completion
// stand in xsl:attribute text as on attributes; computed values get none.
TEST(LspServer, AStylesheetIsServedAsTheXslFoItWrites) {
    Session session;
    session.initialize();
    session.open(
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
        "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">\n"
        "<xsl:template match=\"/\"><fo:block font-size=\"{$s}pt\" margin=\"2em \">\n"
        "<xsl:attribute name=\"font-size\">11ptt</xsl:attribute>\n"
        "<xsl:attribute name=\"font-weight\">bold</xsl:attribute>\n"
        "<xsl:attribute name=\"color\" select=\"'red'\"/>\n"
        "</fo:block></xsl:template></xsl:stylesheet>\n");
    EXPECT_EQ(session.codes(), (std::vector<std::string>{"blank-changed-unit", "unknown-unit"}));
    const Json text = {{"start", position(2, 32)}, {"end", position(2, 37)}};
    EXPECT_EQ(session.diagnostics()[1]["range"], text);
    const Json hover = session.at("textDocument/hover", 2, 34)["result"];
    EXPECT_THAT(hover["contents"]["value"].get<std::string>(), testing::HasSubstr("**FontSize**"));
    EXPECT_EQ(hover["range"], text);
    EXPECT_TRUE(session.at("textDocument/hover", 1, 50)["result"].is_null());
    const Json literal = session.at("textDocument/hover", 4, 38)["result"];
    EXPECT_THAT(literal["contents"]["value"].get<std::string>(), testing::HasSubstr("**Color**"));
    const Json items = session.at("textDocument/completion", 3, 35)["result"]["items"];
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items[0]["textEdit"]["range"],
              (Json{{"start", position(3, 34)}, {"end", position(3, 38)}}));
}

// An attribute set is judged where the modules beside the stylesheet, on
// disk, use it: width on fo:table, which no type holds on every element.
class LspStylesheetFolder : public tool_test::TempFolderTest {};

TEST_F(LspStylesheetFolder, ASetIsJudgedOnItsUsesInTheModulesBesideIt) {
    const std::string head =
        "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
        "xmlns:fo=\"http://www.w3.org/1999/XSL/Format\">";
    const std::string sets = head +
                             "<xsl:attribute-set name=\"t\"><xsl:attribute name=\"width\">3qq"
                             "</xsl:attribute></xsl:attribute-set></xsl:stylesheet>";
    const std::string file = write("a b/sets.xsl", sets);
    write("a b/main.xsl", head +
                              "<xsl:include href=\"sets.xsl\"/><xsl:template match=\"/\">"
                              "<fo:table xsl:use-attribute-sets=\"t\"/></xsl:template>"
                              "</xsl:stylesheet>");
    const std::string uri = "file://" + path("a%20b/sets.xsl");
    EXPECT_EQ(xmlattr::lsp::pathOfUri(uri), file);
    Session session;
    session.initialize();
    session.open(sets, uri.c_str());
    ASSERT_EQ(session.diagnostics(uri.c_str()).size(), 1u);
    EXPECT_THAT(session.diagnostics(uri.c_str())[0]["message"].get<std::string>(),
                testing::HasSubstr("on fo:table reads as 3px (TableWidth)"));
    session.open(sets, "untitled:sets.xsl");  // nothing beside it
    EXPECT_EQ(session.diagnostics("untitled:sets.xsl"), Json::array());
}

TEST(LspServer, MalformedInputGetsItsErrorAndTheServerGoesOn) {
    Session session;
    // Before initialize, a request is refused.
    EXPECT_EQ(errorCode(session.request("textDocument/hover", Json::object())), -32002);
    session.initialize();
    session.open(kDocument);
    struct Row {
        const char* body;
        int code;
    };
    const Row rows[] = {
        {"{not json", -32700},
        {"[1,2]", -32600},
        {R"({"jsonrpc":"2.0","id":{"a":1},"method":"shutdown"})", -32600},
        {R"({"jsonrpc":"1.0","id":7,"method":"shutdown"})", -32600},
        {R"({"jsonrpc":2,"id":7,"method":"shutdown"})", -32600},
        {R"({"jsonrpc":"2.0","id":7,"method":"textDocument/rename","params":{}})", -32601},
        {R"({"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":{"position":3}})",
         -32602},
        {R"({"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///doc.fo"},"position":{"line":99,"character":0}}})",
         -32602},
        {R"({"jsonrpc":"2.0","id":7,"method":"textDocument/hover","params":{"textDocument":{"uri":"file:///doc.fo"},"position":{"line":-1,"character":0}}})",
         -32602},
        {R"({"jsonrpc":"2.0","id":7,"method":"initialize","params":{"capabilities":{}}})", -32600},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.body);
        const Json invalidId =
            std::string(row.body).find("\"id\":7") != std::string::npos ? Json(7) : Json();
        const Json answer = session.answerTo(invalidId, row.body);
        EXPECT_EQ(errorCode(answer), row.code);
        EXPECT_EQ(session.at("textDocument/hover", 1, 23)["result"]["range"]["start"],
                  position(1, 21));
    }
    // A bad header, reported by the transport.
    session.server().receiveGarbage("a header without Content-Length");
    EXPECT_EQ(errorCode(session.sent().back()), -32700);
    // Notifications that cannot be acted on are logged, never answered.
    for (
        const char* body : {
            R"({"jsonrpc":"2.0","method":"textDocument/didChange","params":{"textDocument":{"uri":"file:///not-open.fo","version":2},"contentChanges":[]}})",
            R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{}})",
            R"({"jsonrpc":"2.0","method":"$/cancelRequest","params":{"id":3}})",
            R"({"jsonrpc":"2.0","method":"workspace/didChangeConfiguration","params":{}})",
            R"({"jsonrpc":"2.0","id":5,"result":null})",
        }) {
        SCOPED_TRACE(body);
        session.server().handle(body);
        EXPECT_EQ(session.at("textDocument/hover", 1, 23)["result"]["range"]["start"],
                  position(1, 21));
    }
    session.server().handle(R"({"jsonrpc":"2.0","method":"textDocument/didOpen","params":{}})");
    EXPECT_EQ(session.sent().back()["method"], "window/logMessage");
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

TEST(LspServer, ShutdownThenExitEndsWithZero) {
    for (const bool shutdownFirst : {true, false}) {
        Session session;
        session.initialize();
        if (shutdownFirst) {
            EXPECT_TRUE(session.request("shutdown", nullptr)["result"].is_null());
            EXPECT_EQ(errorCode(session.at("textDocument/hover", 0, 0)), -32600);
        }
        EXPECT_FALSE(session.server().exitStatus());
        session.notify("exit", nullptr);
        EXPECT_EQ(session.server().exitStatus(), shutdownFirst ? 0 : 1);
    }
}

}  // namespace
