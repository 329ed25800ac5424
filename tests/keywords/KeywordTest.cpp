// The shared keyword mechanism: the checks every enum goes through, the
// indexed lookup against a first-match scan, and the no-match rules.
#include "css/keywords/Keyword.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <tuple>
#include <typeinfo>
#include <vector>

#include "css/keywords/FontKeywords.h"
#include "css/keywords/PageKeywords.h"
#include "tests/keywords/KeywordTestSupport.h"
#include "tests/support/AllocationCounter.h"

namespace keyword_test {

TEST_P(KeywordEnumTest, EveryKeywordAndAliasGivesItsNumber) {
    const EnumSpec& spec = GetParam();
    for (const auto& [text, number] : spec.keywords) {
        SCOPED_TRACE(narrow(text));
        EXPECT_EQ(spec.ops.parse(kUntouched, Core::String(text.c_str())), std::pair(true, number));
    }
}

// A keyword in capitals or with a capital first letter: refused (and the
// value kept) under the exact rule, read under the two others.
TEST_P(KeywordEnumTest, ComparisonRule) {
    const EnumSpec& spec = GetParam();
    for (const auto& [text, number] : spec.keywords) {
        for (const std::wstring& variant : {upper(text), capitalised(text)}) {
            if (variant == text)
                continue;
            SCOPED_TRACE(narrow(variant));
            const auto result = spec.ops.parse(kUntouched, Core::String(variant.c_str()));
            if (spec.rule == Rule::Exact) {
                EXPECT_EQ(result, std::pair(false, kUntouched));
            } else {
                EXPECT_EQ(result, std::pair(true, number));
            }
        }
    }
}

TEST_P(KeywordEnumTest, BlanksAndEmptyTextMatchNothing) {
    const EnumSpec& spec = GetParam();
    EXPECT_EQ(spec.ops.parse(kUntouched, Core::String()), std::pair(false, kUntouched));
    for (const auto& entry : spec.keywords) {
        const std::wstring& text = entry.first;
        for (const std::wstring& variant : {L" " + text, text + L" ", L"\t" + text + L"\n"}) {
            SCOPED_TRACE(narrow(variant));
            EXPECT_EQ(spec.ops.parse(kUntouched, Core::String(variant.c_str())),
                      std::pair(false, kUntouched));
        }
    }
}

TEST_P(KeywordEnumTest, FormatRule) {
    const EnumSpec& spec = GetParam();
    if (spec.writes == Writes::Nothing) {
        ASSERT_TRUE(spec.names.empty());
        for (const auto& entry : spec.keywords) {
            EXPECT_EQ(spec.ops.format(entry.second), L"") << entry.second;
        }
    }
    // Without a list of names, each keyword is the name of its number.
    std::vector<std::pair<int, std::wstring>> names = spec.names;
    if (names.empty() && spec.writes != Writes::Nothing) {
        for (const auto& [text, number] : spec.keywords)
            names.emplace_back(number, text);
    }
    for (const auto& [number, text] : names) {
        EXPECT_EQ(spec.ops.format(number), text.c_str()) << number;
    }
    ASSERT_FALSE(spec.outside.empty());
    for (int number : spec.outside) {
        SCOPED_TRACE(number);
        switch (spec.writes) {
            case Writes::Keyword:
            case Writes::Nothing:
                EXPECT_EQ(spec.ops.format(number), L"");
                break;
            case Writes::Fallback:
                EXPECT_EQ(spec.ops.format(number), spec.fallback.c_str());
                break;
            case Writes::Strict: {
                LogCapture log;
                try {
                    spec.ops.format(number);
                    ADD_FAILURE() << "no exception";
                } catch (const Core::UnreacheableCodeException& error) {
                    EXPECT_STREQ(error.getFile(), spec.location);
                    EXPECT_GT(error.getLine(), 0);
                }
                ASSERT_EQ(log.entries().size(), 1u);
                EXPECT_EQ(log.entries()[0].first, Core::Log::Level::Error);
                const std::string location(spec.location);
                EXPECT_NE(
                    log.entries()[0].second.find(std::wstring(location.begin(), location.end())),
                    std::wstring::npos);
                break;
            }
        }
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
    Xml::AlignmentConstraint, Xml::MaxRepeats>;

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
std::optional<int> indexedMatch(const Core::String& text) {
    const Xml::KeywordRow* row =
        Xml::keyword_detail::findKeyword(Xml::keywordIndex<E>(), text.view());
    return row != nullptr ? std::optional<int>(row->value) : std::nullopt;
}

template <class E>
void addProbes(std::vector<std::wstring>& probes) {
    for (const Xml::KeywordRow& row : Xml::KeywordsOf<E>::table.rows) {
        if (row.text.empty())
            continue;
        const std::wstring text(row.text);
        probes.push_back(text);
        probes.push_back(upper(text));
        probes.push_back(capitalised(text));
        probes.push_back(L" " + text);
        probes.push_back(text + L" ");
        probes.push_back(text.substr(0, text.size() - 1));
        probes.push_back(text.substr(1));
        probes.push_back(text + L"s");
        std::wstring changed = text;
        changed[changed.size() / 2] = L'_';
        probes.push_back(changed);
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
            indexed = indexedMatch<E>(text);
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
    EXPECT_EQ(Xml::formatKeyword(Xml::AlignmentBaseline::TextBottom), L"text-bottom");
    EXPECT_EQ(Xml::formatKeyword(static_cast<Xml::AlignmentBaseline>(16)), L"");
}

TEST(KeywordAttribute, CopyFromCopiesTheEnumerator) {
    const Xml::TXmlAttribute<Xml::Break> source(Xml::Break::OddPage);
    Xml::TXmlAttribute<Xml::Break> target(Xml::Break::Auto);
    static_cast<Xml::XmlAttribute&>(target).copyFrom(source);
    EXPECT_EQ(static_cast<int>(target.getValue()), 11);
    EXPECT_TRUE(target == Xml::Break::OddPage);
    EXPECT_FALSE(target != Xml::Break::OddPage);
    EXPECT_EQ(sizeof(Xml::Break), 4u);
}

}  // namespace keyword_test

// Tables that use the no-match rules the enums above leave out.
namespace Xml {

enum class AcceptingProbe : std::int32_t { First = 0, Second = 1 };
enum class StoringProbe : std::int32_t { First = 0, Second = 1, Unspecified = 2 };

template <>
struct KeywordsOf<AcceptingProbe> {
    static constexpr auto table = keywordTable<AcceptingProbe>(
        {.format = KeywordFormat::None, .noMatch = acceptUnchanged()},
        {keyword(L"first", AcceptingProbe::First), keyword(L"second", AcceptingProbe::Second)});
};

template <>
struct KeywordsOf<StoringProbe> {
    static constexpr auto table = keywordTable<StoringProbe>(
        {.match = KeywordMatch::CaseInsensitive,
         .format = KeywordFormat::None,
         .noMatch = storeAndReject(StoringProbe::Unspecified)},
        {keyword(L"first", StoringProbe::First), keyword(L"second", StoringProbe::Second)});
};

}  // namespace Xml

namespace keyword_test {

TEST(KeywordNoMatch, AcceptUnchangedKeepsTheValueAndSucceeds) {
    Xml::TXmlAttribute<Xml::AcceptingProbe> attribute(Xml::AcceptingProbe::Second);
    EXPECT_TRUE(attribute.parseValue(L"third"));
    EXPECT_TRUE(attribute == Xml::AcceptingProbe::Second);
    EXPECT_TRUE(attribute.parseValue(L"first"));
    EXPECT_TRUE(attribute == Xml::AcceptingProbe::First);
}

TEST(KeywordNoMatch, StoreAndRejectLosesThePreviousValue) {
    Xml::TXmlAttribute<Xml::StoringProbe> attribute(Xml::StoringProbe::First);
    EXPECT_TRUE(attribute.parseValue(L"SECOND"));
    EXPECT_TRUE(attribute == Xml::StoringProbe::Second);
    EXPECT_FALSE(attribute.parseValue(L"third"));
    EXPECT_TRUE(attribute == Xml::StoringProbe::Unspecified);
}

}  // namespace keyword_test
