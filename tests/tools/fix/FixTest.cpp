// Applying edits in one pass, fixing a document until no fix is left, and
// telling UTF-8 from other bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tools/fix/Fix.h"

namespace {

namespace fix = xmlattr::fix;
namespace lint = xmlattr::lint;

lint::Edit edit(std::size_t begin, std::size_t end, std::string replacement) {
    lint::Edit e;
    e.range.begin = begin;
    e.range.end = end;
    e.replacement = std::move(replacement);
    return e;
}

TEST(ApplyEdits, AppliesEveryEditAtItsOffsetInTheOriginal) {
    struct Case {
        const char* name;
        std::string bytes;
        std::vector<lint::Edit> edits;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {"none", "abc", {}, "abc"},
        {"one replacement", "w=\"1qq\"", {edit(3, 6, "1pt")}, "w=\"1pt\""},
        {"longer and shorter", "a 12345 b", {edit(2, 7, "1"), edit(0, 1, "AAA")}, "AAA 1 b"},
        // Given last first: offsets are those of the original, not shifted.
        {"out of order", "0123456789", {edit(8, 9, "eight"), edit(1, 2, "")}, "0234567eight9"},
        {"insertion at both ends", "mid", {edit(3, 3, ">"), edit(0, 0, "<")}, "<mid>"},
        {"adjacent edits", "abcd", {edit(1, 2, "X"), edit(2, 3, "Y")}, "aXYd"},
        {"insertion after a replacement", "abcd", {edit(1, 2, "X"), edit(2, 2, "+")}, "aX+cd"},
        {"deletion of all", "abc", {edit(0, 3, "")}, ""},
        {"bytes that are not text",
         std::string("\0\r\n\xff", 4),
         {edit(1, 3, "\n")},
         std::string("\0\n\xff", 3)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fix::Applied applied = fix::applyEdits(c.bytes, c.edits);
        ASSERT_TRUE(applied.ok()) << applied.error;
        EXPECT_EQ(applied.bytes, c.expected);
    }
}

TEST(ApplyEdits, RefusesOverlappingOrOutsideEditsWhole) {
    struct Case {
        const char* name;
        std::vector<lint::Edit> edits;
        const char* says;
    };
    const std::vector<Case> cases = {
        {"overlap", {edit(0, 4, "x"), edit(3, 5, "y")}, "overlap"},
        {"overlap given in reverse", {edit(3, 5, "y"), edit(0, 4, "x")}, "overlap"},
        {"one inside another", {edit(1, 8, "x"), edit(2, 3, "y")}, "overlap"},
        {"the same range twice", {edit(2, 4, "x"), edit(2, 4, "x")}, "overlap"},
        {"two insertions at one offset", {edit(2, 2, "x"), edit(2, 2, "y")}, "overlap"},
        {"an insertion inside a replacement", {edit(1, 5, "x"), edit(3, 3, "y")}, "overlap"},
        {"past the end", {edit(1, 2, "ok"), edit(9, 11, "x")}, "outside"},
        {"reversed range", {edit(5, 4, "x")}, "outside"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fix::Applied applied = fix::applyEdits("0123456789", c.edits);
        EXPECT_FALSE(applied.ok());
        EXPECT_NE(applied.error.find(c.says), std::string::npos) << applied.error;
        EXPECT_EQ(applied.bytes, "") << "nothing is half applied";
    }
}

// A linter for the tests: each "qq" is a finding with a safe fix to "pt",
// each "zz" one with an unsafe fix to "px", each "ab" and "bc" one whose
// fix replaces it by "X" (so "abc" offers two overlapping fixes), and "!!"
// one whose fix would write "<<", which it reads as a broken document.
lint::Report fakeLint(std::string_view bytes) {
    lint::Report report;
    if (bytes.find("<<") != std::string_view::npos)
        report.result.error = lint::DocumentError{{}, "XML: not well-formed"};
    struct Rule {
        std::string_view find;
        std::string_view replacement;
        bool safe;
    };
    constexpr Rule kRules[] = {
        {"qq", "pt", true}, {"zz", "px", false},      {"ab", "X", true},       {"bc", "X", true},
        {"!!", "<<", true}, {"swap1", "swap2", true}, {"swap2", "swap1", true}};
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        for (const Rule& rule : kRules) {
            if (bytes.substr(at, rule.find.size()) != rule.find)
                continue;
            lint::Finding finding;
            finding.range.begin = at;
            finding.range.end = at + rule.find.size();
            finding.fix = lint::Fix{rule.safe, "replace", {}};
            finding.fix->edits.push_back(
                edit(at, at + rule.find.size(), std::string(rule.replacement)));
            report.findings.push_back(std::move(finding));
        }
    }
    return report;
}

TEST(FixPasses, AppliesTheFixesThatApplyUntilNoneIsLeft) {
    struct Case {
        const char* name;
        std::string bytes;
        bool unsafe;
        std::string expected;
        std::size_t fixed;
        std::size_t remaining;
    };
    const std::vector<Case> cases = {
        {"nothing to fix", "plain", false, "plain", 0, 0},
        {"safe fixes", "1qq 2qq", false, "1pt 2pt", 2, 0},
        {"unsafe ones left", "1qq 2zz", false, "1pt 2zz", 1, 1},
        {"unsafe ones asked for", "1qq 2zz", true, "1pt 2px", 2, 0},
        // "ab" and "bc" overlap: the first is taken, the second is gone with it.
        {"overlapping fixes", "abc", false, "Xc", 1, 0},
        // One pass takes "ab" of "abab", the next finds nothing new.
        {"several in one pass", "ab-ab-bc", false, "X-X-X", 3, 0},
        // A fix that breaks the document is left; the others are applied.
        {"a fix that breaks the document", "1qq !! 2qq", false, "1pt !! 2pt", 2, 1},
        {"only a fix that breaks the document", "!!", false, "!!", 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const fix::Fixed fixed = fix::fixDocument(c.bytes, c.unsafe, fakeLint);
        EXPECT_EQ(fixed.bytes, c.expected);
        EXPECT_EQ(fixed.fixed, c.fixed);
        EXPECT_EQ(fixed.changed(), c.fixed > 0);
        EXPECT_EQ(fixed.report.findings.size(), c.remaining);
        EXPECT_EQ(fixed.first.findings.size(), fakeLint(c.bytes).findings.size());
        // Fixing again changes nothing.
        const fix::Fixed again = fix::fixDocument(fixed.bytes, c.unsafe, fakeLint);
        if (c.remaining == 0) {
            EXPECT_FALSE(again.changed());
            EXPECT_EQ(again.bytes, fixed.bytes);
        }
    }
}

TEST(FixPasses, FixesThatUndoEachOtherStopAfterAFewPasses) {
    const fix::Fixed fixed = fix::fixDocument("swap1", false, fakeLint);
    EXPECT_GT(fixed.fixed, 1u);
    EXPECT_LE(fixed.fixed, 8u);
    EXPECT_EQ(fixed.report.findings.size(), 1u);
}

TEST(IsUtf8, AcceptsUtf8AndNothingElse) {
    struct Case {
        const char* name;
        std::string bytes;
        bool utf8;
    };
    const std::vector<Case> cases = {
        {"empty", "", true},
        {"ASCII", "<svg width=\"1qq\"/>", true},
        {"two, three and four bytes", "caf\xc3\xa9 \xe2\x82\xac \xf0\x9f\x98\x80", true},
        {"byte-order mark", "\xef\xbb\xbf<svg/>", true},
        {"Latin-1", "caf\xe9", false},
        {"stray continuation byte", "a\x80z", false},
        {"truncated at the end", "a\xe2\x82", false},
        {"overlong slash", "\xc0\xaf", false},
        {"surrogate", "\xed\xa0\x80", false},
        {"past U+10FFFF", "\xf4\x90\x80\x80", false},
        {"UTF-16 with its mark", std::string("\xff\xfe<\0s\0", 6), false},
        {"long, wrong at its end", std::string(10000, 'x') + "\xff", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fix::isUtf8(c.bytes), c.utf8);
    }
}

}  // namespace
