// The lint engine over a generated 10 MB XSL-FO document with embedded SVG,
// against libexpat alone reading the same bytes. Bytes per second are the
// figure to quote.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include <expat.h>

#include "tools/cli/Modes.h"
#include "tools/lint/Document.h"
#include "tools/lint/Judge.h"
#include "tools/lint/Lint.h"
#include "tools/lint/Table.h"

namespace {

// A report of numbered sections, each a few styled blocks, a table row and a
// small chart, until the document reaches about 10 MB. One text in a hundred
// sections draws a warning, as real documents do.
// Appends the parts in place: g++ 12 at -O3 misreads chains of
// "literal" + std::string as overlapping copies (-Wrestrict).
void append(std::string& out, std::initializer_list<std::string_view> parts) {
    for (const std::string_view part : parts)
        out += part;
}

std::string makeDocument(std::size_t size = 10'000'000) {
    std::string document =
        "<?xml version=\"1.0\"?>\n"
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
        "xmlns:svg=\"http://www.w3.org/2000/svg\"><fo:page-sequence master-reference=\"A4\">"
        "<fo:flow flow-name=\"xsl-region-body\">\n";
    for (int section = 0; document.size() < size; ++section) {
        const std::string n = std::to_string(section % 97);
        append(document,
               {"<fo:block font-size=\"1", n.substr(0, 1),
                "pt\" font-weight=\"bold\" space-before=\"12pt\" keep-with-next=\"always\" "
                "color=\"#1f3864\">Section ",
                n,
                "</fo:block>\n<fo:block font-family=\"Helvetica\" line-height=\"1.3\" "
                "text-align=\"justify\" margin-left=\"",
                n,
                "mm\" start-indent=\"1.5cm\" space-after=\"6pt\">Text of the section, long "
                "enough to stand for a paragraph of a real report.</fo:block>\n"
                "<fo:table-row background-color=\"rgb(238,238,238)\"><fo:table-cell "
                "padding=\"4pt\" border-bottom-width=\"0.5pt\" border-bottom-style=\"solid\">"
                "<fo:block text-align=\"end\">",
                n,
                "</fo:block></fo:table-cell></fo:table-row>\n"
                "<fo:instream-foreign-object content-width=\"8cm\"><svg:svg width=\"200\" "
                "height=\"100\" viewBox=\"0 0 200 100\"><svg:g transform=\"translate(10,10) "
                "scale(0.5)\"><svg:rect x=\"",
                n,
                "\" y=\"20\" width=\"30\" height=\"60\" fill=\"#8faadc\" "
                "stroke-width=\"0.5\"/><svg:path d=\"M0,0 L",
                n, ",40 C10,10 20,20 30,", n,
                " Z\" style=\"fill: none; stroke: #333333\"/></svg:g></svg:svg>"
                "</fo:instream-foreign-object>\n"});
        if (section % 100 == 0)
            document += "<fo:block margin=\"2em \" font-size=\"12ptt\">typo</fo:block>\n";
    }
    document += "</fo:flow></fo:page-sequence></fo:root>\n";
    return document;
}

const std::string& document() {
    static const std::string text = makeDocument();
    return text;
}

// The engine on the document in memory, as the command and an editor call it.
void lintDocument(benchmark::State& state) {
    const std::string& text = document();
    for (auto _ : state) {
        std::size_t findings = 0;
        const auto result =
            xmlattr::lint::lintDocument(text, [&](const xmlattr::lint::Finding&) { ++findings; });
        benchmark::DoNotOptimize(result.summary.checked);
        benchmark::DoNotOptimize(findings);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(lintDocument)->Name("lint_10mb/lint")->Unit(benchmark::kMillisecond);

// The bytes of text, handed over in the pieces a reader asks for.
xmlattr::lint::Source sourceOf(std::string_view text) {
    return [text](char* buffer, std::size_t size) mutable {
        const std::size_t n = std::min(size, text.size());
        std::copy_n(text.data(), n, buffer);
        text.remove_prefix(n);
        return static_cast<std::ptrdiff_t>(n);
    };
}

// The engine's document reader alone: expat, the attribute places and the
// style declarations, with no attribute read as a type.
void readingOnly(benchmark::State& state) {
    struct Count final : xmlattr::lint::DocumentHandler {
        void startElement(const xmlattr::lint::ElementStart&) override {}
        void attribute(const xmlattr::lint::ElementStart&,
                       const xmlattr::lint::AttributeValue& value) override {
            attributes += !value.text.empty();
        }
        void comment(std::string_view, std::size_t) override {}
        long attributes = 0;
    };
    const std::string& text = document();
    for (auto _ : state) {
        const xmlattr::lint::Source source = sourceOf(text);
        xmlattr::lint::DocumentReader reader(source, true);
        Count count;
        benchmark::DoNotOptimize(reader.read(count));
        benchmark::DoNotOptimize(count.attributes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(readingOnly)->Name("lint_10mb/document_reading")->Unit(benchmark::kMillisecond);

// The floor: libexpat alone, counting the attributes of each start tag.
void expatAlone(benchmark::State& state) {
    const std::string& text = document();
    for (auto _ : state) {
        long attributes = 0;
        XML_Parser parser = XML_ParserCreateNS(nullptr, '\x01');
        XML_SetUserData(parser, &attributes);
        XML_SetStartElementHandler(parser, [](void* data, const XML_Char*, const XML_Char** atts) {
            for (; *atts != nullptr; atts += 2)
                ++*static_cast<long*>(data);
        });
        benchmark::DoNotOptimize(XML_Parse(parser, text.data(), static_cast<int>(text.size()), 1));
        XML_ParserFree(parser);
        benchmark::DoNotOptimize(attributes);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(expatAlone)->Name("lint_10mb/expat_alone")->Unit(benchmark::kMillisecond);

// The judging alone: every typed attribute of the document, gathered once,
// judged as lint judges it. Items per second are attributes judged.
void judgingOnly(benchmark::State& state) {
    struct Gather final : xmlattr::lint::DocumentHandler {
        void startElement(const xmlattr::lint::ElementStart&) override {}
        void attribute(const xmlattr::lint::ElementStart& element,
                       const xmlattr::lint::AttributeValue& value) override {
            const xmlattr::lint::AttributeRow* row =
                value.vocabulary
                    ? xmlattr::lint::findAttribute(*value.vocabulary, element.local, value.local)
                    : nullptr;
            if (row != nullptr)
                texts.emplace_back(xmlattr::lint::judgedType(row->type), std::string(value.text));
        }
        void comment(std::string_view, std::size_t) override {}
        std::vector<std::pair<const xmlattr::lint::JudgedType*, std::string>> texts;
    };
    Gather gather;
    {
        const xmlattr::lint::Source source = sourceOf(document());
        xmlattr::lint::DocumentReader reader(source, true);
        reader.read(gather);
    }
    const auto& texts = gather.texts;
    std::int64_t bytes = 0;
    for (const auto& [type, text] : texts)
        bytes += static_cast<std::int64_t>(text.size());
    for (auto _ : state) {
        int findings = 0;
        for (const auto& [type, text] : texts)
            findings += xmlattr::lint::judgeText(*type, text).has_value();
        benchmark::DoNotOptimize(findings);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(texts.size()));
    state.SetBytesProcessed(state.iterations() * bytes);
}
BENCHMARK(judgingOnly)->Name("lint_10mb/judging_only")->Unit(benchmark::kMillisecond);

// The command on a folder of 40 documents of 250 KB, with one and with two
// files at a time: wall-clock time, as -j is about the elapsed time.
const std::string& folder() {
    static const std::string path = [] {
        const auto dir = std::filesystem::temp_directory_path() / "xmlattr-lint-bench-folder";
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        const std::string text = makeDocument(250'000);
        for (int i = 0; i < 40; ++i)
            std::ofstream(dir / ("report-" + std::to_string(100 + i) + ".fo"), std::ios::binary)
                << text;
        return dir.string();
    }();
    return path;
}

void lintFolder(benchmark::State& state) {
    const std::string jobs = std::to_string(state.range(0));
    const std::vector<std::string_view> args = {"lint", "-j", jobs, folder()};
    for (auto _ : state) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(xmlattr_tool::runTool(args, {in, out, err}));
    }
    state.SetBytesProcessed(state.iterations() * 40 * 250'000);
}
BENCHMARK(lintFolder)->Name("lint_folder/j1")->Arg(1)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(lintFolder)->Name("lint_folder/j2")->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
