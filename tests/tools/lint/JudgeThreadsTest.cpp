// Several threads judge attribute texts at once, as a server linting several
// documents does: every verdict is the one a single thread gives, and no
// judgement touches another thread's log. Meant for ThreadSanitizer (the
// "threads" preset); in other builds it checks the verdicts.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "platform/Log.h"
#include "tests/tools/lint/LintCases.h"
#include "tools/lint/Judge.h"
#include "tools/lint/Lint.h"

namespace xmlattr::lint {
namespace {

using Text = cases::Faithful;  // a type and a text

// The judge test's texts, with and without findings.
std::vector<Text> texts() {
    std::vector<Text> all;
    for (const cases::Judged& c : cases::kJudged)
        all.push_back({c.type, c.text});
    all.insert(all.end(), std::begin(cases::kFaithful), std::end(cases::kFaithful));
    return all;
}

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
    const std::vector<Text> judged = texts();
    std::vector<std::string> expected;
    for (const Text& text : judged)
        expected.push_back(describe(judgeText(*judgedType(text.type), text.text)));

    // A process-wide handler that counts: judging logs nothing to it.
    std::atomic<int> logged{0};
    const Core::Log::Handler previous =
        Core::Log::setHandler([&](Core::Log::Level, const Core::String&) { ++logged; });

    constexpr int kThreads = 4;
    constexpr int kRounds = 10;
    std::atomic<int> mismatches{0};
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&, t] {
            for (int round = 0; round < kRounds; ++round) {
                // Each thread walks the texts from its own starting point.
                for (std::size_t i = 0; i < judged.size(); ++i) {
                    const std::size_t at = (i + static_cast<std::size_t>(t) * 5) % judged.size();
                    const Text& text = judged[at];
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
    EXPECT_EQ(std::count(expected.begin(), expected.end(), "none"),
              static_cast<std::ptrdiff_t>(std::size(cases::kFaithful)));
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
