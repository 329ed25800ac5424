// The geometry scanners on long texts, against the bare cost of converting
// the same numbers with std::from_chars.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
#include "css/geometry/Transform.h"
#include "platform/String.h"

namespace {

// A long path of every command kind, absolute and relative, with numbers
// separated by blanks, commas or signs as real drawings write them.
struct Path {
    std::wstring text;
    std::vector<std::string> numbers;  // the same numbers, narrow
};

class Generator {
  public:
    std::string number() {
        next();
        const int whole = static_cast<int>(state_ >> 20) % 2000 - 1000;
        next();
        const int fraction = static_cast<int>(state_ >> 24) % 100;
        return std::to_string(whole) + "." + std::to_string(fraction);
    }
    int pick(int n) {
        next();
        return static_cast<int>((state_ >> 16) % static_cast<std::uint32_t>(n));
    }

  private:
    void next() { state_ = state_ * 1664525u + 1013904223u; }
    std::uint32_t state_ = 2024;
};

Path makePath(std::size_t minimumLength) {
    Path path;
    Generator random;
    std::string narrow;
    const auto add = [&](int count) {
        for (int i = 0; i < count; ++i) {
            std::string n = random.number();
            // A sign may follow the previous number directly, as in "l5-5".
            if (i > 0 && !(n[0] == '-' && random.pick(2) == 0))
                narrow += random.pick(3) == 0 ? "," : " ";
            narrow += n;
            path.numbers.push_back(n);
        }
    };
    const auto arc = [&] {
        narrow += random.pick(2) ? "A" : "a";
        add(3);
        narrow += random.pick(2) ? " 0 1 " : " 1 0 ";
        path.numbers.push_back(narrow.substr(narrow.size() - 4, 1));
        path.numbers.push_back(narrow.substr(narrow.size() - 2, 1));
        add(2);
    };
    while (narrow.size() < minimumLength) {
        narrow += "M";
        add(2);
        for (int i = 0; i < 20; ++i) {
            switch (random.pick(8)) {
                case 0:
                    narrow += random.pick(2) ? "L" : "l";
                    add(2);
                    break;
                case 1:
                    narrow += random.pick(2) ? "C" : "c";
                    add(6);
                    break;
                case 2:
                    narrow += random.pick(2) ? "S" : "s";
                    add(4);
                    break;
                case 3:
                    narrow += random.pick(2) ? "Q" : "q";
                    add(4);
                    break;
                case 4:
                    narrow += random.pick(2) ? "T" : "t";
                    add(2);
                    break;
                case 5:
                    narrow += random.pick(2) ? "H" : "v";
                    add(1);
                    break;
                case 6:
                    arc();
                    break;
                default:
                    narrow += " L";
                    add(2);
                    break;
            }
        }
        narrow += "z ";
    }
    path.text.assign(narrow.begin(), narrow.end());
    return path;
}

const Path& bigPath() {
    static const Path path = makePath(256 * 1024);
    return path;
}

void setCounters(benchmark::State& state, const Path& path) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(path.numbers.size()));
    state.counters["numbers"] = static_cast<double>(path.numbers.size());
    state.counters["units"] = static_cast<double>(path.text.size());
}

// The floor: converting every number of the path, already split and narrow.
void BM_PathNumbersFromChars(benchmark::State& state) {
    const Path& path = bigPath();
    for (auto _ : state) {
        float sum = 0;
        for (const std::string& n : path.numbers) {
            float value = 0;
            std::from_chars(n.data(), n.data() + n.size(), value);
            sum += value;
        }
        benchmark::DoNotOptimize(sum);
    }
    setCounters(state, path);
}
BENCHMARK(BM_PathNumbersFromChars)->Unit(benchmark::kMicrosecond);

// The scanner alone: one pass over the text into a freshly reserved list.
void BM_PathDataScan(benchmark::State& state) {
    const Path& path = bigPath();
    for (auto _ : state) {
        Core::Vector<Xml::PathDataCommand> commands =
            Xml::PathDataCommand::parsePathData(path.text);
        benchmark::DoNotOptimize(commands.data());
    }
    setCounters(state, path);
}
BENCHMARK(BM_PathDataScan)->Unit(benchmark::kMicrosecond);

// What a loader pays: the attribute's parseValue, handing the list over.
void BM_PathDataAttribute(benchmark::State& state) {
    const Path& path = bigPath();
    const Core::String text(path.text);
    Xml::TXmlAttribute<Core::Vector<Xml::PathDataCommand>> attribute;
    for (auto _ : state)
        benchmark::DoNotOptimize(attribute.parseValue(text));
    setCounters(state, path);
}
BENCHMARK(BM_PathDataAttribute)->Unit(benchmark::kMicrosecond);

void BM_PointList(benchmark::State& state) {
    Generator random;
    std::string narrow;
    for (int i = 0; i < 20000; ++i)
        narrow += random.number() + "," + random.number() + " ";
    const Core::String text(std::wstring(narrow.begin(), narrow.end()));
    Core::Vector<Xml::Point> points;
    for (auto _ : state)
        benchmark::DoNotOptimize(Xml::Point::parsePointList(points, text));
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) * 40000);
}
BENCHMARK(BM_PointList)->Unit(benchmark::kMicrosecond);

void BM_TransformList(benchmark::State& state) {
    const Core::String text(L"translate(10.5,20) rotate(45 5 5) scale(2) matrix(1 0 0 1 0.5 -3)");
    for (auto _ : state) {
        Xml::TXmlAttribute<Core::Vector<Xml::Transform>> attribute;
        benchmark::DoNotOptimize(attribute.parseValue(text));
    }
}
BENCHMARK(BM_TransformList);

}  // namespace
