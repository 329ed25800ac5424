// xmlattr lint over a generated 10 MB XSL-FO document with embedded SVG,
// against the XML reading alone (libexpat and the attribute places, with no
// attribute read as a type). Bytes per second are the figure to quote.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <benchmark/benchmark.h>

#include "tools/cli/Modes.h"
#include "tools/lint/Judge.h"
#include "tools/lint/LintDocument.h"
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

std::string makeDocument() {
    std::string document =
        "<?xml version=\"1.0\"?>\n"
        "<fo:root xmlns:fo=\"http://www.w3.org/1999/XSL/Format\" "
        "xmlns:svg=\"http://www.w3.org/2000/svg\"><fo:page-sequence master-reference=\"A4\">"
        "<fo:flow flow-name=\"xsl-region-body\">\n";
    for (int section = 0; document.size() < 10'000'000; ++section) {
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

const std::string& documentPath() {
    static const std::string path = [] {
        const auto file = std::filesystem::temp_directory_path() / "xmlattr-lint-bench.fo";
        std::ofstream(file, std::ios::binary) << makeDocument();
        return file.string();
    }();
    return path;
}

void lintDocument(benchmark::State& state) {
    const std::string& path = documentPath();
    const std::vector<std::string_view> args = {"lint", path};
    for (auto _ : state) {
        std::istringstream in;
        std::ostringstream out;
        std::ostringstream err;
        benchmark::DoNotOptimize(xmlattr_tool::runTool(args, {in, out, err}));
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(lintDocument)->Name("lint_10mb/lint")->Unit(benchmark::kMillisecond);

void readOnly(benchmark::State& state) {
    const std::string& path = documentPath();
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        long attributes = 0;
        benchmark::DoNotOptimize(xmlattr_tool::readDocument(
            in, [&](const xmlattr_tool::AttributeEvent&) { ++attributes; }));
        benchmark::DoNotOptimize(attributes);
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}
BENCHMARK(readOnly)->Name("lint_10mb/xml_reading_only")->Unit(benchmark::kMillisecond);

// The judging alone: every typed attribute of the document, gathered once,
// judged as lint judges it. Items per second are attributes judged.
void judgingOnly(benchmark::State& state) {
    std::vector<std::pair<const xmlattr::lint::JudgedType*, std::string>> texts;
    {
        std::ifstream in(documentPath(), std::ios::binary);
        xmlattr_tool::readDocument(in, [&](const xmlattr_tool::AttributeEvent& event) {
            const xmlattr::lint::AttributeRow* row =
                event.vocabulary
                    ? xmlattr::lint::findAttribute(*event.vocabulary, event.elementName, event.name)
                    : nullptr;
            if (row != nullptr)
                texts.emplace_back(xmlattr::lint::judgedType(row->type), std::string(event.text));
        });
    }
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

}  // namespace
