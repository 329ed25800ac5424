// xmlattr describe: what it says must be what the library does.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <sstream>
#include <string>

#include "css/colours/NamedColors.h"
#include "tests/tools/ToolTestSupport.h"
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
TEST(Describe, LengthUnitsAreTheSuffixesTheParserTakes) {
    const TypeEntry& length = *findType("Length");
    const Description description = xmlattr_tool::describe(length);
    const Table* units = tableNamed(description, "Units");
    ASSERT_NE(units, nullptr);
    std::set<std::string> suffixes;
    for (const auto& row : units->rows) {
        suffixes.insert(row[0].text);
        const auto report = run(length, "2.5" + row[0].text);
        EXPECT_TRUE(report.accepted) << row[0].text;
        EXPECT_EQ(report.text.toUtf8(), "2.5" + row[0].text);
    }
    EXPECT_EQ(suffixes, (std::set<std::string>{"px", "pt", "pc", "cm", "mm", "in", "em", "ex"}));
    for (const char* other : {"PT", "Pt", "xp", "tp", "qq"})
        EXPECT_FALSE(run(length, std::string("2") + other).accepted) << other;
    EXPECT_EQ(units->rows.back()[2].text, "no fixed size (converting raises)");

    const Description svgDescription = xmlattr_tool::describe(*findType("SLength"));
    const Table* svg = tableNamed(svgDescription, "SVG units");
    ASSERT_NE(svg, nullptr);
    EXPECT_EQ(svg->rows.size(), 9u);  // the eight suffixes and %
    EXPECT_EQ(svg->rows.back()[0].text, "%");
}

TEST(Describe, ColourFormsAreReadAndEveryNameIsListed) {
    const Description colour = xmlattr_tool::describe(*findType("Color"));
    const Table* forms = tableNamed(colour, "Colour forms");
    ASSERT_NE(forms, nullptr);
    const std::string firstUnits[] = {"#", "#", "rgb(", "cmyk(", "rgb-icc(", "spot-color("};
    for (std::size_t i = 0; i < forms->rows.size(); ++i) {
        EXPECT_NE(forms->rows[i][3].text, "(rejected)") << forms->rows[i][0].text;
        if (i < std::size(firstUnits)) {
            EXPECT_TRUE(forms->rows[i][2].text.starts_with(firstUnits[i]));
        }
    }
    const Table* names = tableNamed(colour, "Colour names");
    ASSERT_NE(names, nullptr);
    ASSERT_EQ(names->rows.size(), std::size(Xml::NamedColors::kTable));
    const TypeEntry& type = *findType("Color");
    for (const auto& row : names->rows) {
        const auto report = run(type, row[0].text);
        EXPECT_TRUE(report.accepted) << row[0].text;
        EXPECT_EQ(row[1].text == "no colour" ? "" : row[1].text, report.text.toUtf8());
    }
    // The paint types show the forms and leave the long name list to Color.
    const Description paint = xmlattr_tool::describe(*findType("SColor"));
    EXPECT_NE(tableNamed(paint, "Colour forms"), nullptr);
    EXPECT_EQ(tableNamed(paint, "Colour names"), nullptr);
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
    EXPECT_EQ(links, static_cast<int>(xmlattr_tool::registeredTypes().size()) +
                         xmlattr_tool::kFamilyCount);
    EXPECT_EQ(xmlattr_tool::headingAnchor("`Vector<SLength>`"), "vectorslength");
    EXPECT_EQ(xmlattr_tool::headingAnchor("Keywords: text and fonts"), "keywords-text-and-fonts");
}

TEST(Describe, CommandLine) {
    using tool_test::runXmlattr;
    const auto keyword = runXmlattr({"describe", "Span"});
    EXPECT_EQ(keyword.status, 0);
    EXPECT_TRUE(keyword.out.starts_with("Span (keywords: pages and flow)\n")) << keyword.out;
    const auto markdown = runXmlattr({"describe", "--markdown", "Span"});
    EXPECT_TRUE(markdown.out.starts_with("### `Span`\n")) << markdown.out;
    EXPECT_NE(markdown.out.find("| `all` | keyword | 1 | `all` |"), std::string::npos);
    EXPECT_EQ(runXmlattr({"describe", "Spam"}).status, 2);
    EXPECT_EQ(runXmlattr({"describe"}).status, 2);
    EXPECT_EQ(runXmlattr({"describe", "--all", "Span"}).status, 2);
    EXPECT_EQ(runXmlattr({"describe", "--color", "Span"}).status, 2);
}

}  // namespace
