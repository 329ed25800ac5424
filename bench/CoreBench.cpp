// Single numbers and lengths against std::from_chars of the same digits, and
// the Core string and formatting services the parsers lean on.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>

#include "css/lengths/Length.h"
#include "platform/Format.h"
#include "platform/String.h"
#include "platform/StringFormatStream.h"

namespace {

// The bare conversion of a narrow number: the floor every number reader is
// measured against.
void fromChars(benchmark::State& state, const char* text) {
    const std::size_t length = std::strlen(text);
    float out = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(text);
        benchmark::DoNotOptimize(std::from_chars(text, text + length, out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK_CAPTURE(fromChars, 12.5, "12.5")->Name("length_12.5pt/floor_from_chars");
BENCHMARK_CAPTURE(fromChars, long, "-1234.5678e-2")->Name("float_-1234.5678e-2/floor_from_chars");

void parseLength(benchmark::State& state) {
    const Core::String text(L"12.5pt");
    Xml::Length length;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Xml::Length::parseLength(length, text));
        benchmark::DoNotOptimize(length);
    }
}
BENCHMARK(parseLength)->Name("length_12.5pt/parse");

void parseFloat(benchmark::State& state) {
    const Core::String text(L"-1234.5678e-2");
    float out = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Core::Format::parseFloat(text, out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(parseFloat)->Name("float_-1234.5678e-2/parse");

void BM_StringShortCopy(benchmark::State& state) {
    const Core::String text(L"12.5pt");
    for (auto _ : state) {
        Core::String copy(text);
        benchmark::DoNotOptimize(copy);
    }
}
BENCHMARK(BM_StringShortCopy);

void BM_StringSubString(benchmark::State& state) {
    const Core::String text(L"translate(10.5, 20.25)");
    for (auto _ : state)
        benchmark::DoNotOptimize(text.subString(10, 20));
}
BENCHMARK(BM_StringSubString);

void BM_FormatFloatWithUnit(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize((Core::StringFormatStream(L"{0}pt") << 12.5f).getString());
    }
}
BENCHMARK(BM_FormatFloatWithUnit);

}  // namespace
