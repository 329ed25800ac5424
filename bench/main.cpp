// Runs the benchmarks, then prints each measured input's time as a ratio to
// its floor or baseline from the same run, so that machines and noise cancel.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// A subject, the floor it is measured against, and the ratio it should stay
// within (0 where only the figure is of interest).
struct Ratio {
    const char* subject;
    const char* floor;
    double target;
};

constexpr Ratio kRatios[] = {
    {"path_data/parse", "path_data/floor_from_chars", 1.15},
    {"point_list/parse", "point_list/floor_from_chars", 0.95},
    {"length_12.5pt/parse", "length_12.5pt/floor_from_chars", 1.10},
    {"float_-1234.5678e-2/parse", "float_-1234.5678e-2/floor_from_chars", 0},
    {"dm_format/first", "dm_format/hash_map_first", 1.0},
    {"dm_format/last", "dm_format/hash_map_last", 1.0},
    {"dm_format/miss", "dm_format/hash_map_miss", 1.0},
    {"dm_format/last", "dm_format/first", 1.15},
    {"dm_format/miss", "dm_format/first", 1.15},
    {"colour_name/yellowgreen", "colour_name/hash_map_and_new", 2.0},
};

// The console output as usual, keeping each run's time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times_[run.benchmark_name()] = run.GetAdjustedCPUTime();
        }
    }

    void printRatios() const {
        std::printf("\n%-28s %-38s %8s %8s\n", "input", "against", "ratio", "target");
        for (const Ratio& ratio : kRatios) {
            const auto subject = times_.find(ratio.subject);
            const auto floor = times_.find(ratio.floor);
            if (subject == times_.end() || floor == times_.end() || floor->second <= 0)
                continue;  // filtered out of this run
            const double value = subject->second / floor->second;
            char target[16] = "";
            if (ratio.target > 0)
                std::snprintf(target, sizeof target, "%.2f%s", ratio.target,
                              value <= ratio.target ? "" : " !");
            std::printf("%-28s %-38s %8.2f %8s\n", ratio.subject, ratio.floor, value, target);
        }
    }

  private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
