// The Core services every parse goes through, against their bare baselines.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstring>

#include "platform/Format.h"
#include "platform/String.h"
#include "platform/StringFormatStream.h"

namespace {

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

void BM_ParseFloat(benchmark::State& state) {
    const Core::String text(L"-1234.5678e-2");
    float out = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Core::Format::parseFloat(text, out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_ParseFloat);

// The bare conversion the number services are built on, for the ratio.
void BM_FromCharsBaseline(benchmark::State& state) {
    const char* text = "-1234.5678e-2";
    const std::size_t length = std::strlen(text);
    float out = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::from_chars(text, text + length, out));
        benchmark::DoNotOptimize(out);
    }
}
BENCHMARK(BM_FromCharsBaseline);

void BM_FormatFloatWithUnit(benchmark::State& state) {
    for (auto _ : state) {
        benchmark::DoNotOptimize((Core::StringFormatStream(L"{0}pt") << 12.5f).getString());
    }
}
BENCHMARK(BM_FormatFloatWithUnit);

}  // namespace
