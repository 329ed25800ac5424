// Keyword lookup must not grow with a keyword's position in its table: the
// first and the last keyword of the same table should cost about the same.
#include <benchmark/benchmark.h>

#include "css/attributes/XmlAttribute.h"
#include "css/keywords/FontKeywords.h"

namespace {

void parseAlignmentBaseline(benchmark::State& state, const wchar_t* keyword) {
    const Core::String text(keyword);
    Xml::TXmlAttribute<Xml::AlignmentBaseline> attribute;
    for (auto _ : state) {
        benchmark::DoNotOptimize(attribute.parseValue(text));
        benchmark::DoNotOptimize(attribute);
    }
}
BENCHMARK_CAPTURE(parseAlignmentBaseline, first_of_16, L"auto");
BENCHMARK_CAPTURE(parseAlignmentBaseline, last_of_16, L"text-bottom");
BENCHMARK_CAPTURE(parseAlignmentBaseline, no_match, L"text-centre");

void formatAlignmentBaseline(benchmark::State& state) {
    Xml::TXmlAttribute<Xml::AlignmentBaseline> attribute(Xml::AlignmentBaseline::TextBottom);
    for (auto _ : state)
        benchmark::DoNotOptimize(attribute.getValueAsString());
}
BENCHMARK(formatAlignmentBaseline);

}  // namespace
