// Rewriting a file in place: permissions kept, nothing else changed, no
// temporary file left, and nothing written when the file changed after it
// was read or cannot be written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tests/tools/TempFolder.h"
#include "tools/fix/Fix.h"
#include "tools/fix/Rewrite.h"

namespace {

namespace fs = std::filesystem;
namespace fix = xmlattr::fix;

class Rewrite : public tool_test::TempFolderTest {
  protected:
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(dir_))
            found.insert(entry.path().filename().string());
        return found;
    }
};

TEST_F(Rewrite, ReplacesTheContentAndKeepsThePermissionBits) {
    for (const fs::perms perms :
         {fs::perms(0644), fs::perms(0600), fs::perms(0755), fs::perms(0640) | fs::perms(04000)}) {
        SCOPED_TRACE(static_cast<int>(perms));
        const std::string path = write("doc.svg", "<svg width=\"1qq\"/>");
        fs::permissions(path, perms);
        const fix::ReadFile read = fix::readFile(path);
        ASSERT_TRUE(read.ok()) << read.error;
        EXPECT_EQ(read.bytes, "<svg width=\"1qq\"/>");
        EXPECT_EQ(fix::rewriteFile(path, read, "<svg width=\"1pt\"/>"), "");
        EXPECT_EQ(contents(path), "<svg width=\"1pt\"/>");
        EXPECT_EQ(fs::status(path).permissions(), perms);
        EXPECT_EQ(names(), std::set<std::string>{"doc.svg"}) << "no temporary file is left";
        fs::remove(path);
    }
}

// Bytes before and after the edited ones, a byte-order mark and CR LF line
// ends among them, come back as they were.
TEST_F(Rewrite, ChangesOnlyTheEditedBytes) {
    const std::vector<std::string> documents = {
        "\xef\xbb\xbf<svg xmlns=\"http://www.w3.org/2000/svg\">\r\n<rect width=\"1qq\"/>\r\n</svg>",
        "<svg>\r<rect width=\"1qq\"/>\r</svg>\r\n\r\n",
        "<svg>\n\t<rect\twidth='1qq' />  \n</svg>\n\n\n",
        "<svg>\n<rect width=\"caf\xc3\xa9 1qq\"/></svg>",
    };
    for (const std::string& document : documents) {
        SCOPED_TRACE(document);
        const std::string path = write("doc.svg", document);
        const std::size_t begin = document.find("1qq");
        xmlattr::lint::Edit edit;
        edit.range.begin = begin;
        edit.range.end = begin + 3;
        edit.replacement = "12.5pt";
        const fix::Applied applied = fix::applyEdits(document, std::span(&edit, 1));
        ASSERT_TRUE(applied.ok());
        const fix::ReadFile read = fix::readFile(path);
        ASSERT_EQ(fix::rewriteFile(path, read, applied.bytes), "");
        const std::string after = contents(path);
        ASSERT_EQ(after.size(), document.size() + 3);
        EXPECT_EQ(after.substr(0, begin), document.substr(0, begin));
        EXPECT_EQ(after.substr(begin, 6), "12.5pt");
        EXPECT_EQ(after.substr(begin + 6), document.substr(begin + 3));
    }
}

// Whatever happens to the file between its reading and its writing, it is
// left as that made it, and the temporary file is gone.
TEST_F(Rewrite, RefusesAFileThatChangedAfterItWasRead) {
    struct Case {
        const char* name;
        std::function<void(const std::string& path)> change;
    };
    const std::vector<Case> cases = {
        {"appended to",
         [](const std::string& path) { std::ofstream(path, std::ios::app) << "<!-- -->"; }},
        {"same size, its time put back",
         [](const std::string& path) {
             struct stat info {};
             ::stat(path.c_str(), &info);
             std::ofstream(path, std::ios::binary | std::ios::in) << "<SVG";
             const timespec times[2] = {info.st_atim, info.st_mtim};
             ::utimensat(AT_FDCWD, path.c_str(), times, 0);
         }},
        {"replaced by another file",
         [](const std::string& path) {
             const std::string other = path + ".new";
             std::ofstream(other, std::ios::binary) << "<svg width=\"1qq\"/>";
             fs::rename(other, path);
         }},
        {"removed", [](const std::string& path) { fs::remove(path); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = write("doc.svg", "<svg width=\"1qq\"/>");
        const fix::ReadFile read = fix::readFile(path);
        std::string changed;
        fix::RewriteHooks hooks;
        hooks.beforeCheck = [&] {
            c.change(path);
            changed = fs::exists(path) ? contents(path) : "(none)";
        };
        const std::string why = fix::rewriteFile(path, read, "<svg width=\"1pt\"/>", hooks);
        EXPECT_NE(why.find("not written"), std::string::npos) << why;
        EXPECT_NE(why.find(path), std::string::npos) << why;
        EXPECT_EQ(fs::exists(path) ? contents(path) : "(none)", changed);
        const std::set<std::string> left = names();
        EXPECT_TRUE(left.empty() || left == std::set<std::string>{"doc.svg"});
        fs::remove(path);
    }
}

TEST_F(Rewrite, ASymbolicLinkStaysALinkToTheRewrittenFile) {
    const std::string target = write("target.svg", "<svg width=\"1qq\"/>");
    const fs::path link = dir_ / "link.svg";
    fs::create_symlink("target.svg", link);
    const fix::ReadFile read = fix::readFile(link.string());
    ASSERT_EQ(fix::rewriteFile(link.string(), read, "<svg width=\"1pt\"/>"), "");
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(contents(target), "<svg width=\"1pt\"/>");
    EXPECT_EQ(names(), (std::set<std::string>{"link.svg", "target.svg"}));
}

// A file its user may not write is reported and left alone; so is one in a
// folder where no file can be made. As root, permissions do not bind: the
// check then runs in a child process that gives root up.
TEST_F(Rewrite, RefusesAFileOrFolderItMayNotWrite) {
    struct Case {
        const char* name;
        fs::perms file;
        fs::perms folder;
    };
    const std::vector<Case> cases = {
        {"read-only file", fs::perms(0444), fs::perms(0777)},
        {"read-only folder", fs::perms(0666), fs::perms(0555)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = write("doc.svg", "<svg width=\"1qq\"/>");
        fs::permissions(path, c.file);
        fs::permissions(dir_, c.folder);
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // 65534: nobody.
            if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
                ::_exit(3);
            const fix::ReadFile read = fix::readFile(path);
            if (!read.ok())
                ::_exit(4);
            const std::string why = fix::rewriteFile(path, read, "<svg width=\"1pt\"/>");
            ::_exit(why.find("Permission denied") != std::string::npos ? 0 : 1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "3: cannot give root up, 4: cannot read, 1: written";
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(contents(path), "<svg width=\"1qq\"/>");
        EXPECT_EQ(names(), std::set<std::string>{"doc.svg"});
        fs::remove(path);
    }
}

TEST_F(Rewrite, ReadsWhatCannotBeReadAsAnError) {
    EXPECT_NE(fix::readFile((dir_ / "missing.svg").string()).error, "");
    EXPECT_NE(fix::readFile(dir_.string()).error, "");
}

}  // namespace
