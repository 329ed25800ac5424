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
#include "tools/lint/Lint.h"

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

// Whole documents linted at once, each thread its own: every report is the
// one a single thread makes.
TEST(JudgeThreads, DocumentsLintedAtOnceGiveTheirOwnReports) {
    if (!xmlReaderAvailable())
        GTEST_SKIP() << "built without libexpat";
    std::string document = "<svg xmlns=\"http://www.w3.org/2000/svg\">\n";
    for (int i = 0; i < 200; ++i) {
        document +=
            "<rect x=\"" + std::to_string(i) + (i % 3 == 0 ? "qq" : "") +
            "\" style=\"fill:rgb(300,0,0); stroke-width: thick\"/>\n"
            "<!-- xmlattr-lint: ignore[unknown-unit] --><path d=\"M 1 1 5 3\" x=\"1qq\"/>\n";
    }
    document += "</svg>\n";
    const auto describeReport = [](const Report& report) {
        std::string out;
        for (const Finding& finding : report.findings) {
            out += finding.message;
            out += '@';
            out += std::to_string(finding.range.begin);
            out += '\n';
        }
        return out;
    };
    const std::string expected = describeReport(lintDocument(document));
    std::atomic<int> mismatches{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t) {
        threads.emplace_back([&] {
            for (int round = 0; round < 5; ++round) {
                if (describeReport(lintDocument(document)) != expected)
                    ++mismatches;
            }
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(mismatches.load(), 0);
    EXPECT_GT(expected.size(), 1000u);
}

}  // namespace
}  // namespace xmlattr::lint
