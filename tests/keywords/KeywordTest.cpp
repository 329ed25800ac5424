// The keyword mechanism, checked over every table from the table's own rules:
// parsing (against a first-match scan of the rows) and writing through the
// attribute, and the tables whose rules read integers. Each table's rows,
// with their values and the names written, are listed in docs/attributes.md,
// which xmlattr_docs_up_to_date pins, so no row is named here.
#include "css/keywords/Keyword.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cwctype>
#include <optional>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "css/keywords/AreaKeywords.h"
#include "css/keywords/BarcodeKeywords.h"
#include "css/keywords/ChartKeywords.h"
#include "css/keywords/FontKeywords.h"
#include "css/keywords/GraphicsKeywords.h"
#include "css/keywords/OutputKeywords.h"
#include "css/keywords/PageKeywords.h"
#include "platform/Format.h"
#include "tests/support/AllocationCounter.h"
#include "tests/support/LogCapture.h"

namespace {

enum class Unlisted : std::int32_t { A = 0 };
static_assert(Xml::KeywordEnum<Xml::FontStyle> && Xml::KeywordEnum<Xml::MaxRepeats>);
static_assert(!Xml::KeywordEnum<Unlisted> && !Xml::KeywordEnum<int>);

// Every keyword enum; a new table joins the checks by being added here.
using AllKeywordEnums = std::tuple<
    // text, font and inline
    Xml::FontStyle, Xml::FontWeight, Xml::FontVariant, Xml::TextLineStyle, Xml::TextAlign,
    Xml::TextDirection, Xml::WhiteSpaceTreatment, Xml::LinefeedTreatment, Xml::WrapOption,
    Xml::LineStackingStrategy, Xml::LineHeightShiftAdjustment, Xml::AlignmentBaseline,
    Xml::DisplayAlign, Xml::Visibility, Xml::LeaderPattern, Xml::LeaderAlignment, Xml::TabStopType,
    Xml::TabPattern,
    // page and flow
    Xml::Break, Xml::Keep, Xml::ForcePageCount, Xml::PagePosition, Xml::Parity,
    Xml::BlankOrNotBlank, Xml::ReferenceOrientation, Xml::Span, Xml::FootnoteRestartRule,
    Xml::RetrieveBoundary, Xml::RetrievePosition, Xml::RetrieveBoundaryWithinTable,
    Xml::RetrievePositionWithinTable, Xml::PageConstraint, Xml::PageRegionConstraint,
    Xml::AlignmentConstraint, Xml::MaxRepeats,
    // graphics, barcodes and charts
    Xml::SLineCap, Xml::SLineJoin, Xml::STextAnchor, Xml::SVisibility, Xml::SDisplay,
    Drawing::GradientUnits, Drawing::GradientSpreadMethod, Xml::BarcodeType, Xml::DMEncoding,
    Xml::DMFormat, Xml::Code128CodeSet, Xml::ChartType, Xml::AxisPosition, Xml::LabelType,
    Xml::SliceOrientation, Xml::TickStyle, Xml::SerieGrouping, Xml::AxisOrientation,
    Xml::AxisIntersection, Xml::AxisDataType, Xml::DisplayValPlacement,
    // output and interactive
    Xml::Duplex, Xml::PDFConformance, Xml::TTFEmbedMode, Xml::AFPEncoding, Xml::PlayMediaObject,
    Xml::JavaScriptType, Xml::ScriptType, Xml::FormControlType, Xml::FormActionType,
    Xml::FormTriggerAction, Xml::LightingScheme,
    // areas, tables and borders
    Xml::AbsolutePosition, Xml::RelativePosition, Xml::Overflow, Xml::FloatPosition,
    Xml::TableLayout, Xml::BorderCollapse, Xml::BorderStyle, Xml::BackgroundRepeat, Xml::Scaling,
    Xml::ScalingReference, Xml::AnchorX, Xml::AnchorY, Xml::PositionX, Xml::PositionY>;

// All the enumerated attribute types of the library, each with 32-bit storage.
static_assert(std::tuple_size_v<AllKeywordEnums> == 81);
static_assert(std::apply([](auto... e) { return ((sizeof(e) == 4) && ...); }, AllKeywordEnums{}));

// A value no table uses, to see whether a parse wrote the value.
constexpr int kUntouched = 77;

// The text in upper or in lower case.
std::wstring cased(std::wstring text, bool upper) {
    for (wchar_t& c : text)
        c = static_cast<wchar_t>(upper ? std::towupper(c) : std::towlower(c));
    return text;
}

// What an attribute of E holding start has after parsing text through the base class.
template <class E>
std::pair<bool, int> parsed(const std::wstring& text, int start = kUntouched) {
    Xml::TXmlAttribute<E> attribute(static_cast<E>(start));
    const bool accepted = static_cast<Xml::XmlAttribute&>(attribute).parseValue(text.c_str());
    return {accepted, static_cast<int>(attribute.getValue())};
}

template <class E>
std::wstring written(int value) {
    Xml::TXmlAttribute<E> attribute(static_cast<E>(value));
    return std::wstring(static_cast<Xml::XmlAttribute&>(attribute).getValueAsString().view());
}

// The matching rule as written: every keyword in table order, compared with
// the Core string operations, first match wins.
template <class E>
std::optional<int> firstMatch(const Core::String& text) {
    const Xml::KeywordMatch match = Xml::KeywordsOf<E>::table.rules.match;
    const Core::String compared = match == Xml::KeywordMatch::LowerCased ? text.toLower() : text;
    for (const Xml::KeywordRow& row : Xml::KeywordsOf<E>::table.rows) {
        const Core::String keyword(row.text);
        if (row.parses() &&
            (match == Xml::KeywordMatch::CaseInsensitive ? compared.compareNoCase(keyword) == 0
                                                         : compared.compare(keyword) == 0)) {
            return row.value;
        }
    }
    return std::nullopt;
}

template <class E>
void addProbes(std::vector<std::wstring>& probes) {
    for (const Xml::KeywordRow& row : Xml::KeywordsOf<E>::table.rows) {
        if (row.text.empty())
            continue;
        const std::wstring text(row.text);
        std::wstring changed = text;
        changed[changed.size() / 2] = L'_';
        probes.insert(probes.end(),
                      {text, cased(text, true), cased(text, false), L" " + text, text + L" ",
                       L"\t" + text + L"\n", text.substr(0, text.size() - 1), text.substr(1),
                       text + L"s", changed});
    }
}

// What parsing a text that is no keyword and no integer gives under E's rule.
template <class E>
std::pair<bool, int> missed() {
    const Xml::NoMatchRule& rule = Xml::KeywordsOf<E>::table.rules.noMatch;
    switch (rule.kind) {
        case Xml::NoMatch::Accept:
            return {true, kUntouched};
        case Xml::NoMatch::StoreAndReject:
            return {false, rule.value};
        case Xml::NoMatch::ClampedCount:  // such a text counts 0
            return {true, std::max(0, rule.limit)};
        default:  // Reject, and IntegerThreshold without an integer
            return {false, kUntouched};
    }
}

// Through the attribute, without allocating: every probe reads as the scan
// says, or follows the table's no-match rule. Texts that hold an integer are
// left to the integer rules below.
template <class E>
void checkParsing(const std::vector<std::wstring>& probes) {
    for (const Xml::KeywordRow& row : Xml::KeywordsOf<E>::table.rows)
        ASSERT_NE(row.value, kUntouched) << typeid(E).name();
    for (const std::wstring& probe : probes) {
        int number = 0;
        if (Core::Format::parseInt(probe) != 0 || Core::Format::parseInt(probe, number))
            continue;
        const Core::String text(probe.c_str());
        Xml::TXmlAttribute<E> attribute(static_cast<E>(kUntouched));
        long allocations = 0;
        bool accepted = false;
        {
            test_support::AllocationCounter counter;
            accepted = static_cast<Xml::XmlAttribute&>(attribute).parseValue(text);
            allocations = counter.count();
        }
        const std::optional<int> match = firstMatch<E>(text);
        EXPECT_EQ(std::pair(accepted, static_cast<int>(attribute.getValue())),
                  match ? std::pair(true, *match) : missed<E>())
            << typeid(E).name() << " \"" << probe << '"';
        EXPECT_EQ(allocations, 0) << typeid(E).name() << " \"" << probe << '"';
    }
}

// Every named value is written by the format rule; a value without a name
// writes nothing, the fallback, or raises where the table is strict.
template <class E>
void checkWriting() {
    const auto& table = Xml::KeywordsOf<E>::table;
    const Xml::KeywordRules& rules = table.rules;
    const bool writes = rules.format != Xml::KeywordFormat::None;
    std::vector<int> named;
    for (const Xml::KeywordRow& row : table.rows) {
        if (!row.names())
            continue;
        named.push_back(row.value);
        EXPECT_EQ(written<E>(row.value), writes ? std::wstring(row.text) : L"")
            << typeid(E).name() << ' ' << row.value;
    }
    ASSERT_FALSE(named.empty()) << typeid(E).name();
    for (int value : {*std::min_element(named.begin(), named.end()) - 1,
                      *std::max_element(named.begin(), named.end()) + 1}) {
        SCOPED_TRACE(testing::Message() << typeid(E).name() << ' ' << value);
        if (rules.format != Xml::KeywordFormat::Strict) {
            EXPECT_EQ(written<E>(value), rules.format == Xml::KeywordFormat::Fallback
                                             ? std::wstring(rules.fallback)
                                             : L"");
            continue;
        }
        test_support::expectRaisedAt([&] { written<E>(value); }, rules.raiseAt.file,
                                     rules.raiseAt.line);
    }
}

// Every keyword of every table, changed in case, padded, shortened and
// lengthened, is read by every table.
TEST(KeywordAttribute, EveryTableReadsByItsComparisonAndNoMatchRules) {
    std::vector<std::wstring> probes = {L"", L"a", L"-", L"auto", L"none", L"inherit"};
    std::apply([&](auto... e) { (addProbes<decltype(e)>(probes), ...); }, AllKeywordEnums{});
    std::apply([&](auto... e) { (checkParsing<decltype(e)>(probes), ...); }, AllKeywordEnums{});
}

TEST(KeywordAttribute, EveryTableWritesByItsFormatRule) {
    std::apply([](auto... e) { (checkWriting<decltype(e)>(), ...); }, AllKeywordEnums{});
}

// The tables whose rules read integers: each text, parsed into a value of
// kUntouched, gives accepted and value.
TEST(KeywordAttribute, IntegerRules) {
    using Parse = std::pair<bool, int> (*)(const std::wstring&, int);
    const int u = kUntouched;
    const struct {
        Parse parse;
        std::vector<std::tuple<const wchar_t*, bool, int>> cases;
    } tables[] = {
        // clang-format off
        // above 400 bold, any other integer normal
        {parsed<Xml::FontWeight>, {
            {L"400", true, 0}, {L"401", true, 1}, {L"100", true, 0}, {L"-5", true, 0},
            {L"+700", true, 1}, {L" 900% ", true, 1}, {L"heavy", false, u}, {L"700px", false, u},
            {L"4.5e2", false, u}}},
        // above zero always, otherwise auto
        {parsed<Xml::Keep>, {
            {L"5", true, 1}, {L"1", true, 1}, {L"0", true, 0}, {L"-3", true, 0},
            {L"2.5", false, u}, {L"never", false, u}}},
        // the four quarter turns, negative ones included; nothing else
        {parsed<Xml::ReferenceOrientation>, {
            {L"0", true, 0}, {L"90", true, 1}, {L"-270", true, 1}, {L"180", true, 2},
            {L"-180", true, 2}, {L"270", true, 3}, {L"-90", true, 3}, {L" 90%", true, 1},
            {L"360", false, u}, {L"45", false, u}, {L"-360", false, u}, {L"1", false, u},
            {L"90deg", false, u}, {L"9O", false, u}}},
        // "no-limit" exactly is -1; any other text is its leading integer, at least 0
        {parsed<Xml::MaxRepeats>, {
            {L"no-limit", true, -1}, {L"3", true, 3}, {L"-2", true, 0}, {L"12abc", true, 12},
            {L"abc", true, 0}, {L"", true, 0}, {L" no-limit", true, 0}, {L"No-Limit", true, 0},
            {L" 7 ", true, 7}, {L"-1", true, 0}, {L"99999999999", true, INT_MAX}}},
        // sizes that are not among the thirty keep the value
        {parsed<Xml::DMFormat>, {
            {L"C18X8", false, u}, {L"C28X28", false, u}, {L"C010X010", false, u},
            {L"-1", false, u}}},
        // clang-format on
    };
    for (const auto& table : tables) {
        for (const auto& [text, accepted, value] : table.cases)
            EXPECT_EQ(table.parse(text, u), std::pair(accepted, value))
                << testing::PrintToString(text);
    }
}

TEST(KeywordLookup, ParsesAWordInsideALongerText) {
    const std::wstring_view text = L"center dot 12pt";
    Xml::TabStopType type = Xml::TabStopType::Left;
    Xml::TabPattern pattern = Xml::TabPattern::None;
    EXPECT_TRUE(Xml::parseKeyword(type, text.substr(0, 6)));
    EXPECT_TRUE(Xml::parseKeyword(pattern, text.substr(7, 3)));
    EXPECT_FALSE(Xml::parseKeyword(pattern, text.substr(7, 4)));
    EXPECT_EQ(type, Xml::TabStopType::Center);
    EXPECT_EQ(pattern, Xml::TabPattern::Dot);
}

}  // namespace
