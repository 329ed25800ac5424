// xmlattr describe: what it says must be what the library does. What it
// says, docs/attributes.md holds whole (the CTest xmlattr_docs_up_to_date).
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "css/colours/NamedColors.h"
#include "tests/tools/ToolTestSupport.h"
#include "tools/common/Wrap.h"
#include "tools/describe/Description.h"
#include "tools/describe/TypeNotes.h"
#include "tools/registry/Output.h"
#include "tools/registry/TypeRegistry.h"

namespace {

using xmlattr_tool::Description;
using xmlattr_tool::findType;
using xmlattr_tool::Table;
using xmlattr_tool::TypeEntry;

const Table* tableNamed(const Description& description, std::string_view title) {
    for (const Table& table : description.tables) {
        if (table.title == title)
            return &table;
    }
    return nullptr;
}

xmlattr_tool::Report run(const TypeEntry& type, const std::string& text) {
    Core::Log::Capture quiet;
    return type.run(Core::String::fromUtf8(text));
}

// For every keyword enumeration: each row that reads a text reads it as the
// listed value, and the value is written back as the listed text.
TEST(Describe, KeywordTablesAgreeWithTheParser) {
    int tables = 0;
    for (const TypeEntry& type : xmlattr_tool::registeredTypes()) {
        if (type.keywords == nullptr)
            continue;
        ++tables;
        const Description description = xmlattr_tool::describe(type);
        const Table* keywords = tableNamed(description, "Keywords");
        ASSERT_NE(keywords, nullptr) << type.name;
        EXPECT_EQ(keywords->rows.size(), type.keywords().rows.size()) << type.name;
        for (const auto& row : keywords->rows) {
            const std::string& kind = row[1].text;
            if (kind.starts_with("name only"))
                continue;
            const auto report = run(type, row[0].text);
            EXPECT_TRUE(report.accepted) << type.name << ' ' << row[0].text;
            EXPECT_EQ(report.fields.at(0).value, row[2].text) << type.name << ' ' << row[0].text;
            const std::string written = report.text.toUtf8();
            EXPECT_EQ(written.empty() ? "(empty)" : written, row[3].text)
                << type.name << ' ' << row[0].text;
        }
    }
    EXPECT_GT(tables, 80);
}

// The unit table is what the parser takes: every listed suffix round-trips,
// and a suffix made of the same letters in another order or case does not.
// (Which units are listed, docs/attributes.md says: xmlattr_docs_up_to_date.)
TEST(Describe, LengthUnitsAreTheSuffixesTheParserTakes) {
    const TypeEntry& length = *findType("Length");
    const Description description = xmlattr_tool::describe(length);
    const Table* units = tableNamed(description, "Units");
    ASSERT_NE(units, nullptr);
    for (const auto& row : units->rows) {
        const auto report = run(length, "2.5" + row[0].text);
        EXPECT_TRUE(report.accepted) << row[0].text;
        EXPECT_EQ(report.text.toUtf8(), "2.5" + row[0].text);
    }
    for (const char* other : {"PT", "Pt", "xp", "tp", "qq"})
        EXPECT_FALSE(run(length, std::string("2") + other).accepted) << other;
}

TEST(Describe, ColourFormsAreReadAndEveryNameIsListed) {
    const Description colour = xmlattr_tool::describe(*findType("Color"));
    const Table* forms = tableNamed(colour, "Colour forms");
    ASSERT_NE(forms, nullptr);
    for (const auto& row : forms->rows)
        EXPECT_NE(row[3].text, "(rejected)") << row[0].text;
    const Table* names = tableNamed(colour, "Colour names");
    ASSERT_NE(names, nullptr);
    ASSERT_EQ(names->rows.size(), std::size(Xml::NamedColors::kTable));
    const TypeEntry& type = *findType("Color");
    for (const auto& row : names->rows) {
        const auto report = run(type, row[0].text);
        EXPECT_TRUE(report.accepted) << row[0].text;
        EXPECT_EQ(row[1].text == "no colour" ? "" : row[1].text, report.text.toUtf8());
    }
}

TEST(Describe, EveryTypeHasADescriptionAndEveryNoteAType) {
    for (const TypeEntry& type : xmlattr_tool::registeredTypes()) {
        const bool notes = xmlattr_tool::findNotes(type.name) != nullptr;
        EXPECT_NE(type.keywords != nullptr, notes) << type.name << ": a keyword table or notes";
        const Description description = xmlattr_tool::describe(type);
        EXPECT_FALSE(description.paragraphs.front().starts_with("(No description")) << type.name;
        EXPECT_NE(tableNamed(description, "Examples"), nullptr) << type.name;
    }
    for (const auto& notes : xmlattr_tool::allNotes()) {
        EXPECT_NE(findType(notes.name), nullptr) << notes.name << " is not a registered type";
        EXPECT_FALSE(notes.examples.empty()) << notes.name;
    }
}

TEST(Describe, ReferenceLinksReachUniqueHeadings) {
    std::ostringstream out;
    xmlattr_tool::writeReference(out);
    const std::string reference = out.str();
    std::set<std::string> anchors;
    std::istringstream in(reference);
    for (std::string line; std::getline(in, line);) {
        if (!line.starts_with("#"))
            continue;
        const std::string heading = line.substr(line.find(' ') + 1);
        EXPECT_TRUE(anchors.insert(xmlattr_tool::headingAnchor(heading)).second) << heading;
    }
    const std::regex link(R"(\]\(#([^)]+)\))");
    int links = 0;
    for (auto it = std::sregex_iterator(reference.begin(), reference.end(), link);
         it != std::sregex_iterator(); ++it, ++links) {
        EXPECT_TRUE(anchors.contains((*it)[1].str())) << (*it)[1].str();
    }
    EXPECT_GT(links, 0);
}

TEST(Describe, CommandLine) {
    using tool_test::runXmlattr;
    const auto keyword = runXmlattr({"describe", "Span"});
    EXPECT_EQ(keyword.status, 0);
    EXPECT_TRUE(keyword.out.starts_with("Span (keywords: pages and flow)\n")) << keyword.out;
    const auto markdown = runXmlattr({"describe", "--markdown", "Span"});
    EXPECT_TRUE(markdown.out.starts_with("### `Span`\n")) << markdown.out;
    // The terminal's width counts code points (the descriptions are ASCII).
    EXPECT_EQ(xmlattr_tool::displayWidth("caf\xc3\xa9 \xf0\x9f\x98\x80"), 6u);
    EXPECT_EQ(runXmlattr({"describe", "Spam"}).status, 2);
    EXPECT_EQ(runXmlattr({"describe"}).status, 2);
    EXPECT_EQ(runXmlattr({"describe", "--all", "Span"}).status, 2);
    EXPECT_EQ(runXmlattr({"describe", "--color", "Span"}).status, 2);
}

}  // namespace
