// xmlattr lint --fix, --unsafe-fixes and --diff: files rewritten only where
// fixes change them, byte for byte elsewhere; the diff applies with patch
// -p1 to the same result; a second --fix changes nothing. The fixes each
// format offers on the bundled documents are recorded in
// tests/tools/data/golden/ (the xmlattr_lint_documents_* CTests).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "tests/tools/TempFolder.h"
#include "tests/tools/ToolTestSupport.h"
#include "tools/fix/Rewrite.h"
#include "tools/lint/Lint.h"

namespace {

namespace fs = std::filesystem;
namespace fix = xmlattr::fix;
namespace lint = xmlattr::lint;
using tool_test::Json;
using tool_test::JsonReader;
using tool_test::lines;
using tool_test::runXmlattr;

std::string contents(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The bytes of every file below folder, by their path relative to it.
std::map<std::string, std::string> tree(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            files[fs::relative(entry.path(), folder).string()] = contents(entry.path());
    }
    return files;
}

std::map<std::string, fix::Stamp> stamps(const fs::path& folder) {
    std::map<std::string, fix::Stamp> found;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file())
            found[entry.path().string()] = fix::readFile(entry.path().string()).stamp;
    }
    return found;
}

class LintFix : public tool_test::TempFolderTest {
  protected:
    void SetUp() override {
        if (!lint::xmlReaderAvailable())
            GTEST_SKIP() << "built without libexpat";
        TempFolderTest::SetUp();
        previous_ = fs::current_path();
        // Paths relative to the test's folder, as a user in a project gives them.
        fs::current_path(dir_);
    }
    void TearDown() override {
        if (previous_.empty())
            return;
        fs::current_path(previous_);
        TempFolderTest::TearDown();
    }

    // The bundled documents, and the same with a byte-order mark and CR LF
    // line ends, in folder.
    static void copyDocuments(const fs::path& folder) {
        fs::create_directories(folder);
        const fs::path source = fs::path(XMLATTR_SOURCE_DIR) / "examples/documents";
        for (const auto& entry : fs::directory_iterator(source)) {
            const std::string bytes = contents(entry.path());
            std::ofstream(folder / entry.path().filename(), std::ios::binary) << bytes;
            std::string crlf = "\xef\xbb\xbf";
            for (const char c : bytes)
                crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
            std::ofstream(folder / (std::string("crlf-") + entry.path().filename().string()),
                          std::ios::binary)
                << crlf;
        }
    }

    fs::path previous_;
};

TEST_F(LintFix, BadCombinationsAreUsageErrors) {
    std::ofstream("a.svg") << "<svg xmlns=\"http://www.w3.org/2000/svg\"/>";
    const std::vector<std::vector<std::string>> cases = {
        {"lint", "--fix", "--diff", "a.svg"},
        {"lint", "--diff", "--json", "a.svg"},
        {"lint", "--diff", "--format", "sarif", "a.svg"},
    };
    for (const auto& args : cases) {
        const auto run = runXmlattr(args);
        EXPECT_EQ(run.status, 2) << args[2];
        EXPECT_NE(run.err.find("--diff"), std::string::npos) << run.err;
        EXPECT_EQ(contents("a.svg"), "<svg xmlns=\"http://www.w3.org/2000/svg\"/>");
    }
}

// A value written with character references reads otherwise than its bytes:
// the engine offers no fix for it, and the file is not touched.
TEST_F(LintFix, AFileWithNothingToFixIsNotWritten) {
    const std::string document =
        "<svg xmlns=\"http://www.w3.org/2000/svg\">\r\n"
        "<rect width=\"1&#113;&#x71;\" stroke=\"currentColor\"/>\r\n</svg>";
    std::ofstream("refs.svg", std::ios::binary) << document;
    const fix::Stamp before = fix::readFile("refs.svg").stamp;
    const auto json = runXmlattr({"lint", "--json", "refs.svg"});
    for (const std::string& line : lines(json.out))
        EXPECT_FALSE(JsonReader::parse(line).has("fix")) << line;
    for (const char* flag : {"--fix", "--diff"}) {
        SCOPED_TRACE(flag);
        const auto run = runXmlattr({"lint", flag, "--unsafe-fixes", "refs.svg"});
        EXPECT_EQ(run.status, 1) << run.err;
        EXPECT_EQ(contents("refs.svg"), document);
        EXPECT_EQ(fix::readFile("refs.svg").stamp, before) << "not even rewritten as it was";
        const std::string summary =
            flag == std::string("--fix") ? lines(run.out).back() : lines(run.err).back();
        EXPECT_TRUE(summary.ends_with(flag == std::string("--fix")
                                          ? "; 0 fixed, 2 remaining"
                                          : "; 0 would be fixed, 2 remaining"))
            << summary;
    }
    EXPECT_EQ(runXmlattr({"lint", "--diff", "refs.svg"}).out, "");
}

// The whole round: --diff writes nothing, --fix changes only the values its
// fixes name, patch -p1 with the diff gives the same files, a second --fix
// changes nothing, and -j does not change the result. It runs with whatever
// fixes the engine offers.
TEST_F(LintFix, FixDiffAndPatchAgreeOnTheBundledDocuments) {
    for (const bool unsafe : {false, true}) {
        SCOPED_TRACE(unsafe);
        const std::string round = unsafe ? "unsafe" : "safe";
        for (const char* copy : {"original", "fixed", "fixed-j2", "patched"})
            copyDocuments(fs::path(round) / copy / "docs");
        const auto originals = tree(fs::path(round) / "original");
        auto run = [&](const char* copy, std::vector<std::string> args) {
            fs::current_path(dir_ / round / copy);
            if (unsafe)
                args.insert(args.begin() + 1, "--unsafe-fixes");
            auto result = runXmlattr(args);
            fs::current_path(dir_);
            return result;
        };
        // What the findings offer, from the original documents.
        const auto report = run("original", {"lint", "--json", "-j", "1", "docs"});
        std::map<std::string, std::vector<std::pair<std::size_t, std::size_t>>> edited;
        std::size_t offered = 0;
        for (const std::string& line : lines(report.out)) {
            const Json finding = JsonReader::parse(line);
            if (!finding.has("fix") || !finding["fix"]["applies"].boolean)
                continue;
            ++offered;
            for (const Json& edit : finding["fix"]["edits"].items)
                edited[fs::path(finding["file"].text).string()].emplace_back(
                    static_cast<std::size_t>(edit["begin"].number),
                    static_cast<std::size_t>(edit["end"].number));
        }

        const auto diff = run("original", {"lint", "--diff", "-j", "1", "docs"});
        EXPECT_EQ(tree(fs::path(round) / "original"), originals) << "--diff writes nothing";
        EXPECT_EQ(diff.out.empty(), offered == 0) << diff.out;

        const auto fixed = run("fixed", {"lint", "--fix", "-j", "1", "docs"});
        const auto fixedJ2 = run("fixed-j2", {"lint", "--fix", "-j", "2", "docs"});
        EXPECT_EQ(fixed.out, fixedJ2.out);
        EXPECT_EQ(fixed.err, fixedJ2.err);
        EXPECT_EQ(fixed.err, "");
        const auto after = tree(fs::path(round) / "fixed");
        EXPECT_EQ(tree(fs::path(round) / "fixed-j2"), after);
        // The --diff summary says what --fix then did.
        std::string said = lines(fixed.out).back();
        const std::size_t word = said.find(" fixed, ");
        ASSERT_NE(word, std::string::npos) << said;
        said.replace(word, 8, " would be fixed, ");
        EXPECT_EQ(lines(diff.err).back(), said);

        // Outside the edited ranges the bytes are those of the original, in
        // order: what lies before the first edit, between two, after the last.
        for (const auto& [name, bytes] : originals) {
            SCOPED_TRACE(name);
            const std::string& now = after.at(name);
            auto ranges = edited[name];
            std::sort(ranges.begin(), ranges.end());
            if (ranges.empty()) {
                EXPECT_EQ(now, bytes);
                continue;
            }
            std::size_t from = 0;
            std::size_t at = 0;
            for (std::size_t i = 0; i <= ranges.size(); ++i) {
                const std::size_t to = i < ranges.size() ? ranges[i].first : bytes.size();
                const std::string kept = bytes.substr(from, to - from);
                const std::size_t found =
                    i == ranges.size() ? now.size() - kept.size() : now.find(kept, at);
                ASSERT_NE(found, std::string::npos) << "bytes " << from << "-" << to << " lost";
                if (i == 0) {
                    EXPECT_EQ(found, 0u);
                }
                EXPECT_EQ(now.compare(found, kept.size(), kept), 0);
                at = found + kept.size();
                if (i < ranges.size())
                    from = ranges[i].second;
            }
        }

        // patch is one of the test dependencies (scripts/install-deps), and
        // the bundled documents have fixes in both rounds.
        ASSERT_EQ(std::system("patch --version >/dev/null 2>&1"), 0) << "patch is missing";
        ASSERT_FALSE(diff.out.empty());
        std::ofstream(dir_ / round / "fix.diff", std::ios::binary) << diff.out;
        const std::string command = std::string("cd '") + (dir_ / round / "patched").string() +
                                    "' && patch -p1 --quiet --batch < ../fix.diff";
        EXPECT_EQ(std::system(command.c_str()), 0);
        EXPECT_EQ(tree(fs::path(round) / "patched"), after);

        const auto stamped = stamps(fs::path(round) / "fixed");
        const auto again = run("fixed", {"lint", "--fix", "-j", "1", "docs"});
        EXPECT_TRUE(lines(again.out).back().find("; 0 fixed,") != std::string::npos) << again.out;
        EXPECT_EQ(stamps(fs::path(round) / "fixed"), stamped) << "a second --fix writes nothing";
        EXPECT_EQ(again.status, fixed.status);
    }
}

// --fix on '-' writes the document, fixed, to standard output, and the
// report to standard error; the fixed bytes are those --fix writes to a file.
TEST_F(LintFix, StandardInputIsFixedToStandardOutput) {
    copyDocuments("docs");
    for (const auto& [name, bytes] : tree("docs")) {
        SCOPED_TRACE(name);
        const auto piped = runXmlattr({"lint", "--fix", "--unsafe-fixes", "-"}, bytes);
        const auto inPlace = runXmlattr({"lint", "--fix", "--unsafe-fixes", "docs/" + name});
        EXPECT_EQ(piped.out, contents("docs/" + name));
        EXPECT_EQ(piped.status, inPlace.status);
        ASSERT_FALSE(piped.err.empty());
        EXPECT_NE(lines(piped.err).back().find(" remaining"), std::string::npos) << piped.err;
        EXPECT_EQ(lines(piped.err).size(), lines(inPlace.out).size());
    }
    // Nothing to fix, or not even a document: the bytes come back as they came.
    for (const std::string& input : {std::string("<svg xmlns=\"http://www.w3.org/2000/svg\"/>\r\n"),
                                     std::string("not < xml")}) {
        EXPECT_EQ(runXmlattr({"lint", "--fix", "-"}, input).out, input);
    }
}

// A file with fixes that its user may not write is reported (exit status
// 2) and left as it was, also when the command runs as root.
TEST_F(LintFix, AReadOnlyFileIsReportedAndLeftAlone) {
    copyDocuments("docs");
    const auto json = runXmlattr({"lint", "--json", "--unsafe-fixes", "docs"});
    if (json.out.find("\"applies\":true") == std::string::npos)
        GTEST_SKIP() << "the engine offers no fix for the bundled documents";
    const auto before = tree("docs");
    for (const auto& entry : fs::directory_iterator("docs"))
        fs::permissions(entry.path(), fs::perms(0444));
    const auto run = runXmlattr({"lint", "--fix", "--unsafe-fixes", "docs"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cannot write docs/"), std::string::npos) << run.err;
    EXPECT_NE(lines(run.out).back().find(" not written; 0 fixed, "), std::string::npos);
    EXPECT_EQ(tree("docs"), before);
}

// A document in ISO-8859-1 is fixed in its own encoding, as its UTF-8 twin
// is, and --diff, which only reads it, does not fail for it.
TEST_F(LintFix, AFileInIso88591IsFixedInItsOwnEncoding) {
    copyDocuments("docs");
    for (const auto& [name, bytes] : tree("docs")) {
        if (name.starts_with("crlf-"))
            continue;
        SCOPED_TRACE(name);
        const auto declared = [&, &bytes = bytes](std::string_view encoding, std::string_view e) {
            std::string text = bytes;
            text.replace(0, text.find("?>"),
                         "<?xml version=\"1.0\" encoding=\"" + std::string(encoding) + "\"");
            return text.insert(text.find("?>") + 2, "<!-- caf" + std::string(e) + " -->");
        };
        std::ofstream("latin-" + name, std::ios::binary) << declared("ISO-8859-1", "\xe9");
        std::ofstream("utf8-" + name, std::ios::binary) << declared("UTF-8", "\xc3\xa9");
        EXPECT_EQ(runXmlattr({"lint", "--diff", "latin-" + name}).status, 1);
        runXmlattr({"lint", "--fix", "--unsafe-fixes", "latin-" + name});
        runXmlattr({"lint", "--fix", "--unsafe-fixes", "utf8-" + name});
        // Built by appending, which g++'s Release optimiser does not misread
        // as overlapping copies.
        const std::string utf8 = contents("utf8-" + name);
        const std::size_t encoding = utf8.find("UTF-8"), e = utf8.find("\xc3\xa9");
        std::string expected = utf8.substr(0, encoding);
        expected.append("ISO-8859-1").append(utf8, encoding + 5, e - encoding - 5);
        expected.append(1, '\xe9').append(utf8, e + 2);
        EXPECT_EQ(contents("latin-" + name), expected);
    }
}

}  // namespace
