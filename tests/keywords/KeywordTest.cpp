// The shared keyword mechanism: the checks every enum goes through and the
// indexed lookup against a first-match scan.
#include "css/keywords/Keyword.h"

#include <gtest/gtest.h>

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
#include "platform/Exception.h"
#include "platform/Log.h"
#include "tests/keywords/KeywordTestSupport.h"
#include "tests/support/AllocationCounter.h"

namespace keyword_test {
namespace {

std::wstring lowered(std::wstring text) {
    for (wchar_t& c : text)
        c = (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c + (L'a' - L'A')) : c;
    return text;
}

std::wstring upper(std::wstring text) {
    for (wchar_t& c : text)
        c = (c >= L'a' && c <= L'z') ? static_cast<wchar_t>(c - (L'a' - L'A')) : c;
    return text;
}

// The first letter in capitals, the rest in lower case.
std::wstring capitalised(const std::wstring& text) {
    return text.empty() ? text : upper(text.substr(0, 1)) + lowered(text.substr(1));
}

// Whether the enum reads text as one of its keywords, by its comparison rule.
bool isKeyword(const EnumCase& tested, const std::wstring& text) {
    for (const auto& entry : tested.keywords) {
        if (tested.rule == Rule::Exact ? entry.first == text
                                       : lowered(entry.first) == lowered(text))
            return true;
    }
    return false;
}

std::pair<bool, int> missed(const EnumCase& tested) {
    return {tested.miss.accepted, tested.miss.stores.value_or(kUntouched)};
}

// Collects what the log receives while it lives.
class LogCapture {
  public:
    LogCapture() {
        previous_ = Core::Log::setHandler([this](Core::Log::Level level, const Core::String& text) {
            entries.emplace_back(level, std::wstring(text.view()));
        });
    }
    ~LogCapture() { Core::Log::setHandler(previous_); }
    std::vector<std::pair<Core::Log::Level, std::wstring>> entries;

  private:
    Core::Log::Handler previous_;
};

}  // namespace

TEST_P(KeywordEnumTest, EveryKeywordAndAliasGivesItsNumber) {
    const EnumCase& tested = GetParam();
    for (const auto& [text, number] : tested.keywords) {
        SCOPED_TRACE(narrow(text));
        EXPECT_EQ(tested.ops.parse(kUntouched, Core::String(text.c_str())),
                  std::pair(true, number));
    }
}

// A keyword in capitals, in lower case and capitalised: refused under the
// exact rule (unless it is a keyword of its own), read under the two others.
TEST_P(KeywordEnumTest, ComparisonRule) {
    const EnumCase& tested = GetParam();
    for (const auto& [text, number] : tested.keywords) {
        for (const std::wstring& variant : {upper(text), lowered(text), capitalised(text)}) {
            if (variant == text || (tested.rule == Rule::Exact && isKeyword(tested, variant)))
                continue;
            SCOPED_TRACE(narrow(variant));
            EXPECT_EQ(tested.ops.parse(kUntouched, Core::String(variant.c_str())),
                      tested.rule == Rule::Exact ? missed(tested) : std::pair(true, number));
        }
    }
}

// The empty text, keywords with blanks around them or a letter more or less,
// and common words the enum lacks follow the enum's no-match rule.
TEST_P(KeywordEnumTest, NonKeywordsFollowTheNoMatchRule) {
    const EnumCase& tested = GetParam();
    std::vector<std::wstring> probes = {L"", L"auto", L"none", L"inherit", L"normal", L"-"};
    for (const auto& entry : tested.keywords) {
        const std::wstring& text = entry.first;
        probes.insert(probes.end(), {L" " + text, text + L" ", L"\t" + text + L"\n", text + L"s",
                                     text.substr(1), text.substr(0, text.size() - 1)});
    }
    for (const std::wstring& probe : probes) {
        if (isKeyword(tested, probe))
            continue;
        SCOPED_TRACE(narrow(probe));
        EXPECT_EQ(tested.ops.parse(kUntouched, Core::String(probe.c_str())), missed(tested));
    }
}

TEST_P(KeywordEnumTest, FormatRule) {
    const EnumCase& tested = GetParam();
    // Without a list of names, each keyword is the name of its number.
    std::vector<std::pair<int, std::wstring>> names = tested.names;
    if (names.empty()) {
        for (const auto& [text, number] : tested.keywords)
            names.emplace_back(number, text);
    }
    for (const auto& [number, text] : names) {
        EXPECT_EQ(tested.ops.format(number), tested.writes == Writes::Nothing ? L"" : text.c_str())
            << number;
    }
    ASSERT_FALSE(tested.outside.empty());
    for (int number : tested.outside) {
        SCOPED_TRACE(number);
        if (tested.writes != Writes::Strict) {
            EXPECT_EQ(tested.ops.format(number),
                      tested.writes == Writes::Fallback ? tested.fallback.c_str() : L"");
            continue;
        }
        LogCapture log;
        try {
            tested.ops.format(number);
            ADD_FAILURE() << "no exception";
        } catch (const Core::UnreacheableCodeException& error) {
            EXPECT_STREQ(error.getFile(), tested.location);
            EXPECT_GT(error.getLine(), 0);
        }
        ASSERT_EQ(log.entries.size(), 1u);
        EXPECT_EQ(log.entries[0].first, Core::Log::Level::Error);
        const std::string location(tested.location);
        EXPECT_NE(log.entries[0].second.find(std::wstring(location.begin(), location.end())),
                  std::wstring::npos);
    }
}

namespace {

enum class Unlisted : std::int32_t { A = 0 };
static_assert(Xml::KeywordEnum<Xml::FontStyle> && Xml::KeywordEnum<Xml::MaxRepeats>);
static_assert(!Xml::KeywordEnum<Unlisted> && !Xml::KeywordEnum<int>);

// Every keyword enum; a new table joins the lookup check by being added here.
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

// The matching rule as written: every keyword in table order, compared with
// the Core string operations, first match wins.
template <class E>
std::optional<int> firstMatch(const Core::String& text) {
    const auto& table = Xml::KeywordsOf<E>::table;
    for (const Xml::KeywordRow& row : table.rows) {
        if (!row.parses())
            continue;
        const Core::String keyword(row.text);
        bool match = false;
        switch (table.rules.match) {
            case Xml::KeywordMatch::Exact:
                match = text.compare(keyword) == 0;
                break;
            case Xml::KeywordMatch::CaseInsensitive:
                match = text.compareNoCase(keyword) == 0;
                break;
            case Xml::KeywordMatch::LowerCased:
                match = text.toLower().compare(keyword) == 0;
                break;
        }
        if (match)
            return row.value;
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
                      {text, upper(text), capitalised(text), L" " + text, text + L" ",
                       text.substr(0, text.size() - 1), text.substr(1), text + L"s", changed});
    }
}

template <class E>
void compareLookups(const std::vector<std::wstring>& probes) {
    for (const std::wstring& probe : probes) {
        const Core::String text(probe.c_str());
        std::optional<int> indexed;
        long allocations = 0;
        {
            test_support::AllocationCounter counter;
            const Xml::KeywordRow* row =
                Xml::keyword_detail::findKeyword(Xml::keywordIndex<E>(), text.view());
            indexed = row != nullptr ? std::optional<int>(row->value) : std::nullopt;
            allocations = counter.count();
        }
        EXPECT_EQ(indexed, firstMatch<E>(text))
            << typeid(E).name() << " \"" << narrow(probe) << '"';
        EXPECT_EQ(allocations, 0) << typeid(E).name() << " \"" << narrow(probe) << '"';
    }
}

}  // namespace

// Every keyword of every table, changed in case, padded, shortened and
// lengthened, is looked up in every table both ways, without allocating.
TEST(KeywordLookup, IndexAgreesWithFirstMatchScanInTableOrder) {
    std::vector<std::wstring> probes = {L"", L"a", L"-", L"0", L"90"};
    std::apply([&](auto... e) { (addProbes<decltype(e)>(probes), ...); }, AllKeywordEnums{});
    std::apply([&](auto... e) { (compareLookups<decltype(e)>(probes), ...); }, AllKeywordEnums{});
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

TEST(KeywordLookup, NameIsGivenWhateverTheFormatRule) {
    EXPECT_EQ(Xml::keywordName(Xml::FontVariant::SmallCaps), L"small-caps");
    EXPECT_EQ(Xml::keywordName(Xml::TextAlign::LeftAlternate), L"left");
    EXPECT_EQ(Xml::keywordName(Xml::ReferenceOrientation::Deg270), L"270");
    EXPECT_EQ(Xml::keywordName(Xml::MaxRepeats::NoLimit), L"no-limit");
    EXPECT_EQ(Xml::keywordName(static_cast<Xml::Break>(2)), L"");
}

}  // namespace keyword_test
