// The unified diff of --diff: GNU patch -p1 turns the old bytes into the new
// ones exactly, CR, missing last line ends and all.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

#include "tools/fix/Diff.h"

namespace {

namespace fs = std::filesystem;
using xmlattr::fix::unifiedDiff;

std::string numbered(int from, int to, const char* end = "\n") {
    std::string text;
    for (int i = from; i <= to; ++i) {
        text += "line ";
        text += std::to_string(i);
        text += end;
    }
    return text;
}

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(UnifiedDiff, IsEmptyForEqualTexts) {
    EXPECT_EQ(unifiedDiff("a.svg", "", ""), "");
    EXPECT_EQ(unifiedDiff("a.svg", "same\r\n", "same\r\n"), "");
}

TEST(UnifiedDiff, WritesHeadersHunksAndCounts) {
    // One changed line in the middle of ten: three lines of context around it.
    std::string after = numbered(1, 10);
    after.replace(after.find("line 5"), 6, "LINE 5");
    EXPECT_EQ(unifiedDiff("docs/a.svg", numbered(1, 10), after),
              "--- a/docs/a.svg\n+++ b/docs/a.svg\n@@ -2,7 +2,7 @@\n"
              " line 2\n line 3\n line 4\n-line 5\n+LINE 5\n line 6\n line 7\n line 8\n");
    // A changed last line without its LF, and one line inserted at the top.
    EXPECT_EQ(unifiedDiff("b.fo", "x\ny", "x\nz"),
              "--- a/b.fo\n+++ b/b.fo\n@@ -1,2 +1,2 @@\n x\n-y\n\\ No newline at end of file\n"
              "+z\n\\ No newline at end of file\n");
    EXPECT_EQ(unifiedDiff("c", "b\n", "a\nb\n"), "--- a/c\n+++ b/c\n@@ -1 +1,2 @@\n+a\n b\n");
    // Everything removed: the old side from line 1, the new one empty.
    EXPECT_EQ(unifiedDiff("d", "a\n", ""), "--- a/d\n+++ b/d\n@@ -1 +0,0 @@\n-a\n");
}

// Applies the diff of before and after with the real patch -p1 to a copy of
// before in a folder of its own, and gives what the copy became.
class PatchApplies : public ::testing::Test {
  protected:
    void SetUp() override {
        if (std::system("patch --version >/dev/null 2>&1") != 0)
            GTEST_SKIP() << "GNU patch is not installed";
        dir_ =
            fs::temp_directory_path() / (std::string("xmlattr-diff-") + std::to_string(::getpid()));
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string patched(const std::string& before, const std::string& after) {
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "docs");
        std::ofstream(dir_ / "docs/doc.fo", std::ios::binary) << before;
        std::ofstream(dir_ / "fix.diff", std::ios::binary)
            << unifiedDiff("docs/doc.fo", before, after);
        const std::string command = std::string("cd '") + dir_.string() +
                                    "' && patch -p1 --quiet --batch --no-backup-if-mismatch "
                                    "< fix.diff >patch.log 2>&1";
        if (std::system(command.c_str()) != 0)
            return std::string("patch failed: ") + contents(dir_ / "patch.log");
        return contents(dir_ / "docs/doc.fo");
    }

    fs::path dir_;
};

TEST_F(PatchApplies, GivesExactlyTheNewBytes) {
    auto replaced = [](std::string text, const std::string& from, const std::string& to) {
        for (std::size_t at = text.find(from); at != std::string::npos;
             at = text.find(from, at + to.size()))
            text.replace(at, from.size(), to);
        return text;
    };
    const std::string lf = numbered(1, 40);
    const std::string crlf = numbered(1, 40, "\r\n");
    struct Case {
        const char* name;
        std::string before;
        std::string after;
    };
    const std::vector<Case> cases = {
        {"first line", lf, replaced(lf, "line 1\n", "line one\n")},
        {"last line", lf, replaced(lf, "line 40", "line forty")},
        {"two hunks far apart", lf, replaced(replaced(lf, "line 3\n", "3\n"), "line 30", "30")},
        // Six lines between two changes: one hunk; seven: two.
        {"changes six lines apart", lf, replaced(replaced(lf, "line 10", "10"), "line 17", "17")},
        {"changes seven lines apart", lf, replaced(replaced(lf, "line 10", "10"), "line 18", "18")},
        {"every fifth line", lf, replaced(lf, "5\n", "5 (five)\n")},
        {"CR LF kept", crlf, replaced(crlf, "line 20\r", "line twenty\r")},
        {"CR alone inside a line", "a\rb\nc\n", "a\rB\nc\n"},
        {"a value across lines", lf, replaced(lf, "line 8\nline 9", "line 8 line 9")},
        {"no last LF, kept", numbered(1, 5) + "end", numbered(1, 4) + "LINE 5\nend"},
        {"no last LF, changed", numbered(1, 5) + "end", numbered(1, 5) + "END"},
        {"LF added at the end", numbered(1, 5) + "end", numbered(1, 5) + "end\n"},
        {"LF taken from the end", numbered(1, 5), replaced(numbered(1, 5), "5\n", "5")},
        {"a byte-order mark", "\xef\xbb\xbf<svg/>\n", "\xef\xbb\xbf<svg width=\"1\"/>\n"},
        {"lines removed", lf, replaced(lf, "line 12\nline 13\n", "")},
        {"lines inserted", lf, replaced(lf, "line 12\n", "line 12\nnew\nnewer\n")},
        {"one line only", "x", "y"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_NE(c.before, c.after);
        EXPECT_EQ(patched(c.before, c.after), c.after);
    }
}

}  // namespace
