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
    static const Path path = makePath(100 * 1024);
    return path;
}

void setCounters(benchmark::State& state, const Path& path) {
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(path.numbers.size()));
    state.counters["numbers"] = static_cast<double>(path.numbers.size());
    state.counters["units"] = static_cast<double>(path.text.size());
}

// The floor: converting the same numbers, already split and narrow.
float sumFromChars(const std::vector<std::string>& numbers) {
    float sum = 0;
    for (const std::string& n : numbers) {
        float value = 0;
        std::from_chars(n.data(), n.data() + n.size(), value);
        sum += value;
    }
    return sum;
}

void pathFloor(benchmark::State& state) {
    const Path& path = bigPath();
    for (auto _ : state)
        benchmark::DoNotOptimize(sumFromChars(path.numbers));
    setCounters(state, path);
}
BENCHMARK(pathFloor)->Name("path_data/floor_from_chars")->Unit(benchmark::kMicrosecond);

// What a loader pays: the attribute's parseValue, which replaces its list.
void pathAttribute(benchmark::State& state) {
    const Path& path = bigPath();
    const Core::String text(path.text);
    Xml::TXmlAttribute<Core::Vector<Xml::PathDataCommand>> attribute;
    for (auto _ : state)
        benchmark::DoNotOptimize(attribute.parseValue(text));
    setCounters(state, path);
}
BENCHMARK(pathAttribute)->Name("path_data/parse")->Unit(benchmark::kMicrosecond);

// 10,000 points written "x,y " as drawing programs do.
const Path& pointText() {
    static const Path points = [] {
        Path list;
        Generator random;
        std::string narrow;
        for (int i = 0; i < 10000; ++i) {
            for (const char* separator : {",", " "}) {
                list.numbers.push_back(random.number());
                narrow += list.numbers.back() + separator;
            }
        }
        list.text.assign(narrow.begin(), narrow.end());
        return list;
    }();
    return points;
}

void pointFloor(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(sumFromChars(pointText().numbers));
    setCounters(state, pointText());
}
BENCHMARK(pointFloor)->Name("point_list/floor_from_chars")->Unit(benchmark::kMicrosecond);

void pointList(benchmark::State& state) {
    const Core::String text(pointText().text);
    Xml::TXmlAttribute<Core::Vector<Xml::Point>> attribute;
    for (auto _ : state)
        benchmark::DoNotOptimize(attribute.parseValue(text));
    setCounters(state, pointText());
}
BENCHMARK(pointList)->Name("point_list/parse")->Unit(benchmark::kMicrosecond);

void transformList(benchmark::State& state) {
    const Core::String text(L"translate(10.5,20) rotate(45 5 5) scale(2) matrix(1 0 0 1 0.5 -3)");
    for (auto _ : state) {
        Xml::TXmlAttribute<Core::Vector<Xml::Transform>> attribute;
        benchmark::DoNotOptimize(attribute.parseValue(text));
    }
}
BENCHMARK(transformList)->Name("transform_list/parse");

}  // namespace
