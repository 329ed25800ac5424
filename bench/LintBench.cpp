// The lint engine over a generated 10 MB XSL-FO document with embedded SVG,
// against libexpat alone reading the same bytes. Bytes per second are the
// figure to quote.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include <expat.h>

#include "bench/Report.h"
#include "tools/cli/Modes.h"
#include "tools/lint/Document.h"
#include "tools/lint/Judge.h"
#include "tools/lint/Lint.h"
#include "tools/lint/Table.h"

namespace {

const std::string& document() {
    static const std::string text = xmlattr_bench::makeReport();
    return text;
}

// The engine on text in memory, as the command and an editor call it.
void lintInMemory(benchmark::State& state, const std::string& text) {
    for (auto _ : state) {
        std::size_t findings = 0;
        const auto result =
            xmlattr::lint::lintDocument(text, [&](const xmlattr::lint::Finding&) { ++findings; });
        benchmark::DoNotOptimize(result.summary.checked);
        benchmark::DoNotOptimize(findings);
    }
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}

void lintDocument(benchmark::State& state) {
    lintInMemory(state, document());
}
BENCHMARK(lintDocument)->Name("lint_10mb/lint")->Unit(benchmark::kMillisecond);

// A stylesheet of the same size, which should lint as fast.
void lintStylesheet(benchmark::State& state) {
    static const std::string text = xmlattr_bench::makeStylesheet();
    lintInMemory(state, text);
}
BENCHMARK(lintStylesheet)->Name("lint_10mb/stylesheet")->Unit(benchmark::kMillisecond);

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
                texts.push_back({xmlattr::lint::judgedType(row->type),
                                 {row->numberIsRatio},
                                 std::string(value.text)});
        }
        void comment(std::string_view, std::size_t) override {}
        struct Judged {
            const xmlattr::lint::JudgedType* type;
            xmlattr::lint::Grammar grammar;
            std::string text;
        };
        std::vector<Judged> texts;
    };
    Gather gather;
    {
        const xmlattr::lint::Source source = sourceOf(document());
        xmlattr::lint::DocumentReader reader(source, true);
        reader.read(gather);
    }
    const auto& texts = gather.texts;
    std::int64_t bytes = 0;
    for (const auto& judged : texts)
        bytes += static_cast<std::int64_t>(judged.text.size());
    for (auto _ : state) {
        int findings = 0;
        for (const auto& [type, grammar, text] : texts)
            findings += xmlattr::lint::judgeText(*type, text, grammar).has_value();
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
        const std::string text = xmlattr_bench::makeReport(250'000);
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
