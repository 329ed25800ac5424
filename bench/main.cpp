// Runs the benchmarks, then prints each measured input's time as a ratio to
// its floor or baseline from the same run, so that machines and noise cancel.
// Unless told otherwise, each benchmark runs five times in random order with
// the others, and the ratios use the median times.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
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
    {"lint_10mb/lint", "lint_10mb/expat_alone", 0},
    {"lint_10mb/document_reading", "lint_10mb/expat_alone", 0},
    {"lint_10mb/judging_only", "lint_10mb/document_reading", 1.0},
    {"lint_folder/j2/2/real_time", "lint_folder/j1/1/real_time", 0.59},
    {"lsp_1mb/change", "lsp_1mb/lint_alone", 1.25},
    {"lsp_1mb/full_change", "lsp_1mb/lint_alone", 0},
    {"lsp_1mb/burst_20", "lsp_1mb/change", 0},
    {"lsp_1mb/hover", "lsp_1mb/lint_alone", 0},
    {"lsp_1mb/completion", "lsp_1mb/lint_alone", 0},
};

// The console output as usual, keeping each run's time per iteration.
class RatioReporter : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            // Single runs, or the median of repeated ones; elapsed time where
            // the benchmark measures it (threads of its own).
            const double time = run.run_name.time_type == "real_time" ? run.GetAdjustedRealTime()
                                                                      : run.GetAdjustedCPUTime();
            if (run.run_type == Run::RT_Iteration && run.iterations > 0)
                times_[run.run_name.str()].push_back(time);
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
                medians_[run.run_name.str()] = time;
        }
    }

    void printRatios() const {
        std::printf("\n%-28s %-38s %8s %8s\n", "input", "against", "ratio", "target");
        for (const Ratio& ratio : kRatios) {
            const double subject = median(ratio.subject);
            const double floor = median(ratio.floor);
            if (subject <= 0 || floor <= 0)
                continue;  // filtered out of this run
            const double value = subject / floor;
            char target[16] = "";
            if (ratio.target > 0)
                std::snprintf(target, sizeof target, "%.2f%s", ratio.target,
                              value <= ratio.target ? "" : " !");
            std::printf("%-28s %-38s %8.2f %8s\n", ratio.subject, ratio.floor, value, target);
        }
    }

  private:
    double median(const char* name) const {
        if (const auto given = medians_.find(name); given != medians_.end())
            return given->second;
        const auto found = times_.find(name);
        if (found == times_.end())
            return 0;
        std::vector<double> times = found->second;
        std::sort(times.begin(), times.end());
        return times[times.size() / 2];
    }

    std::map<std::string, std::vector<double>> times_;
    std::map<std::string, double> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    std::vector<char*> args(argv, argv + argc);
    const auto given = [&](const char* flag) {
        return std::any_of(args.begin(), args.end(),
                           [&](const char* arg) { return std::strstr(arg, flag) != nullptr; });
    };
    char repetitions[] = "--benchmark_repetitions=5";
    char interleaving[] = "--benchmark_enable_random_interleaving=true";
    char aggregates[] = "--benchmark_report_aggregates_only=true";
    if (!given("--benchmark_repetitions")) {
        args.push_back(repetitions);
        args.push_back(aggregates);
    }
    if (!given("--benchmark_enable_random_interleaving"))
        args.push_back(interleaving);
    argc = static_cast<int>(args.size());
    args.push_back(nullptr);
    argv = args.data();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatios();
    benchmark::Shutdown();
    return 0;
}
