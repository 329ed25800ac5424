// Keyword and colour-name lookups against a hash map of the same keys. A
// lookup must cost the same whatever the keyword's place in its table, and a
// miss no more than a hit.
#include <benchmark/benchmark.h>

#include <string_view>
#include <unordered_map>

#include "css/attributes/XmlAttribute.h"
#include "css/colours/ColorParse.h"
#include "css/colours/NamedColors.h"
#include "css/keywords/BarcodeKeywords.h"
#include "css/keywords/FontKeywords.h"

namespace {

// DMFormat: 31 case-insensitive keywords; "AUTO" is the first, "C16X48" the
// last, "C16X49" no keyword at all.
constexpr const wchar_t* kFirst = L"AUTO";
constexpr const wchar_t* kLast = L"C16X48";
constexpr const wchar_t* kMiss = L"C16X49";

void parseDMFormat(benchmark::State& state, const wchar_t* keyword) {
    const Core::String text(keyword);
    Xml::TXmlAttribute<Xml::DMFormat> attribute;
    for (auto _ : state) {
        benchmark::DoNotOptimize(attribute.parseValue(text));
        benchmark::DoNotOptimize(attribute);
    }
}
BENCHMARK_CAPTURE(parseDMFormat, first, kFirst)->Name("dm_format/first");
BENCHMARK_CAPTURE(parseDMFormat, last, kLast)->Name("dm_format/last");
BENCHMARK_CAPTURE(parseDMFormat, miss, kMiss)->Name("dm_format/miss");

// The baseline: std::unordered_map over the same 31 keys, found as written.
void hashMapDMFormat(benchmark::State& state, const wchar_t* keyword) {
    // The same keys as the table, read from its rows.
    std::unordered_map<std::wstring_view, int> map;
    for (const Xml::KeywordRow& row : Xml::KeywordsOf<Xml::DMFormat>::table.rows) {
        if (row.parses())
            map.emplace(row.text, row.value);
    }
    const Core::String text(keyword);
    for (auto _ : state) {
        const auto found = map.find(text.view());
        benchmark::DoNotOptimize(found == map.end() ? -1 : found->second);
    }
}
BENCHMARK_CAPTURE(hashMapDMFormat, first, kFirst)->Name("dm_format/hash_map_first");
BENCHMARK_CAPTURE(hashMapDMFormat, last, kLast)->Name("dm_format/hash_map_last");
BENCHMARK_CAPTURE(hashMapDMFormat, miss, kMiss)->Name("dm_format/hash_map_miss");

void parseAlignmentBaseline(benchmark::State& state, const wchar_t* keyword) {
    const Core::String text(keyword);
    Xml::TXmlAttribute<Xml::AlignmentBaseline> attribute;
    for (auto _ : state) {
        benchmark::DoNotOptimize(attribute.parseValue(text));
        benchmark::DoNotOptimize(attribute);
    }
}
BENCHMARK_CAPTURE(parseAlignmentBaseline, first, L"auto")->Name("alignment_baseline/first");
BENCHMARK_CAPTURE(parseAlignmentBaseline, last, L"text-bottom")->Name("alignment_baseline/last");
BENCHMARK_CAPTURE(parseAlignmentBaseline, miss, L"text-centre")->Name("alignment_baseline/miss");

void formatAlignmentBaseline(benchmark::State& state) {
    Xml::TXmlAttribute<Xml::AlignmentBaseline> attribute(Xml::AlignmentBaseline::TextBottom);
    for (auto _ : state)
        benchmark::DoNotOptimize(attribute.getValueAsString());
}
BENCHMARK(formatAlignmentBaseline)->Name("alignment_baseline/format");

// A colour name: the attribute's whole parse, which allocates the colour.
void parseColourName(benchmark::State& state) {
    const Core::String text(L"yellowgreen");
    Xml::ColorAttribute attribute;
    for (auto _ : state) {
        benchmark::DoNotOptimize(attribute.parseValue(text));
        benchmark::DoNotOptimize(attribute);
    }
}
BENCHMARK(parseColourName)->Name("colour_name/yellowgreen");

// The baseline: a hash map over as many names, then one new colour object
// replacing the one held, as the attribute does.
void hashMapColourName(benchmark::State& state) {
    struct Rgb {
        std::uint8_t r, g, b;
    };
    std::unordered_map<std::wstring_view, Rgb> map;
    for (const Xml::NamedColors::Entry& entry : Xml::NamedColors::kTable)
        map.emplace(entry.name, Rgb{entry.r, entry.g, entry.b});
    const Core::String text(L"yellowgreen");
    Xml::SmartPtr<Drawing::Color> held;
    for (auto _ : state) {
        const auto found = map.find(text.view());
        if (found != map.end())
            held = new Drawing::RGBColor(found->second.r, found->second.g, found->second.b);
        benchmark::DoNotOptimize(held);
    }
}
BENCHMARK(hashMapColourName)->Name("colour_name/hash_map_and_new");

}  // namespace
