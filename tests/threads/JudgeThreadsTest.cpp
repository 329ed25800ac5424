// Several threads judge attribute texts at once, as a server linting several
// documents does: every verdict is the one a single thread gives, and no
// judgement touches another thread's log. Meant for ThreadSanitizer (the
// "threads" preset); in other builds it checks the verdicts.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Log.h"
#include "tools/lint/Judge.h"

namespace xmlattr::lint {
namespace {

struct Text {
    const char* type;
    const char* text;
};

// Texts of every shape, with and without findings, and rejected ones.
constexpr Text kTexts[] = {
    {"Length", "12pt"},
    {"Length", "4in + 15pt"},
    {"Length", "12"},
    {"LengthOrPercent", "1.2"},
    {"FontSize", "12ptt"},
    {"FontSize", "medium"},
    {"Margin", "2em "},
    {"SLength", "thick"},
    {"SLength",
     "\xc3\xa9"
     "1"},
    {"SSpacing", "wide"},
    {"Color", "rgb(100%,100%,50%)"},
    {"SColor", "rgb(300,0,-1)"},
    {"Vector<SLength>", "10 20 30"},
    {"Vector<PathDataCommand>", "M 1 1 5 3 1 5"},
    {"Vector<PathDataCommand>", "M10,10 L20,20 h-5 v5 Z"},
    {"Vector<Point>", "1ex,2ex 3"},
    {"Vector<Point>", "10,20e-1 20,20"},
    {"Vector<Transform>", "matrix(1 0 0 1) scale(2)"},
    {"DLength", "10 20"},
    {"FontWeight", "bold"},
};

std::string describe(const std::optional<Verdict>& verdict) {
    if (!verdict)
        return "none";
    std::string out(ruleOf(verdict->kind).name);
    out += '|';
    out += verdict->readsAs;
    out += '|';
    out += verdict->reason;
    return out;
}

TEST(JudgeThreads, ThreadsJudgeAsOneThreadDoes) {
    std::vector<std::string> expected;
    for (const Text& text : kTexts)
        expected.push_back(describe(judgeText(*judgedType(text.type), text.text)));

    // A process-wide handler that counts: judging logs nothing to it.
    std::atomic<int> logged{0};
    const Core::Log::Handler previous =
        Core::Log::setHandler([&](Core::Log::Level, const Core::String&) { ++logged; });

    constexpr int kThreads = 4;
    constexpr int kRounds = 50;
    std::atomic<int> mismatches{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                // Each thread walks the texts from its own starting point.
                for (std::size_t i = 0; i < std::size(kTexts); ++i) {
                    const std::size_t at =
                        (i + static_cast<std::size_t>(t) * 5) % std::size(kTexts);
                    const Text& text = kTexts[at];
                    if (describe(judgeText(*judgedType(text.type), text.text)) != expected[at])
                        ++mismatches;
                }
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    Core::Log::setHandler(previous);
    EXPECT_EQ(mismatches.load(), 0);
    EXPECT_EQ(logged.load(), 0);
    EXPECT_EQ(expected[0], "none");
    EXPECT_EQ(expected[8], "not-a-number|0px|a word the type does not know is read as a number");
}

}  // namespace
}  // namespace xmlattr::lint
