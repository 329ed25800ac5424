#include "css/lengths/Background.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/lengths/MeasureCases.h"

namespace {

using namespace measure_test;

TEST(BackgroundPositionAttribute, KeywordsAreFractionsWrittenAsHorizontalKeywords) {
    const BackgroundPosition before(measure(1, Length::In));
    // clang-format off
    checkParses<BackgroundPosition>(before, {
        // each keyword is an example in docs/attributes.md
        {L"bottom", true, fraction(1), L"right"},     {L"0%", true, fraction(0), L"left"},
        {L"100%", true, fraction(1), L"right"},       {L"0.5", true, fraction(0.5f), L"center"},
        {L"10px", true, measure(10, Length::Px), L"10px"},
        {L"0px", true, measure(0, Length::Px), L"0px"},
        {L"Left", false, {}, L"1in"}, {L"center ", false, {}, L"1in"}, {L"", false, {}, L"1in"},
    });
    // clang-format on
    BackgroundPosition target = before;
    EXPECT_FALSE(BackgroundPosition::readStringBackgroundPosition(target, L"50%"));
    EXPECT_EQ(describe(target), describe(before));
}

TEST(BackgroundSizeAttribute, KeywordTypesOrAnExplicitMeasureComparedByMeasureOnly) {
    using enum BackgroundSizeType;
    // clang-format off
    checkParses<BackgroundSize>(measure(1, Length::In), {
        {L"cover", true, Cover, L"cover"},       {L"contain", true, Contain, L"contain"},
        {L"stretch", true, Stretch, L"stretch"}, {L"fill", true, Stretch, L"stretch"},
        {L"auto", true, BackgroundSize(), L"auto"}, {L"50%", true, fraction(0.5f), L"50%"},
        {L"2.5cm", true, measure(2.5f, Length::Cm), L"2.5cm"},
        {L"Cover", false, {}, L"1in"},           {L"auto ", false, {}, L"1in"},
    });
    checkEquality<BackgroundSize>({
        {Cover, Contain, true}, {Cover, LengthOrPercent(), true},  // an explicit 0px
        {Cover, fraction(0.5f), false},
    });
    // clang-format on
}

TEST(TabStopOrder, ByPositionInPixelsOnly) {
    using enum Length::Unit;
    const auto stop = [](float size, Length::Unit unit, TabStopType type = TabStopType::Left) {
        return TabStop(Length(size, unit), type, TabPattern::None);
    };
    const std::tuple<TabStop, TabStop, bool> cases[] = {
        // clang-format off
        {stop(1, In), stop(100, Px), true},  // 96 against 100 pixels
        {stop(100, Px), stop(1, In), false},
        {stop(72, Pt), stop(1, In), false},  {stop(1, In), stop(72, Pt), false},  // equal
        {stop(1, Pc), stop(17, Px), true},   {stop(-1, Mm), stop(0, Pt), true},
        {stop(1, Px, TabStopType::Right), stop(1, Px, TabStopType::Left), false},
        // clang-format on
    };
    for (const auto& [first, second, less] : cases) {
        EXPECT_EQ(first < second, less)
            << describe(first.getPosition()) << " against " << describe(second.getPosition());
    }
    expectRaisedAt([&] { (void)(stop(1, Ex) < stop(1, Px)); }, "LengthAttribute", 158);
}

TEST(TPRuleAttribute, FindKeywordUpToTheFirstClosingParenthesis) {
    TPRule previous;
    ASSERT_TRUE(TPRule::parseRule(previous, L"FIND_KEYWORD(prev)"));
    using enum TPRuleType;
    const std::tuple<const wchar_t*, bool, TPRuleType, const wchar_t*> cases[] = {
        // clang-format off
        {L"FIND_KEYWORD(Total)", true, FindKeyword, L"Total"},
        {L"FIND_KEYWORD()", true, FindKeyword, L""},
        {L"FIND_KEYWORD(a)b)", true, FindKeyword, L"a"},
        {L"FIND_KEYWORD( two words )", true, FindKeyword, L" two words "},
        {L"FIND_KEYWORD(Total", false, None, L"prev"},   {L"FIND_KEYWORD(", false, None, L"prev"},
        {L"find_keyword(Total)", false, None, L"prev"},  {L"", false, None, L"prev"},
        {L" FIND_KEYWORD(Total)", false, None, L"prev"},
        // clang-format on
    };
    for (const auto& [text, accepted, type, keyword] : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        TXmlAttribute<TPRule> attribute(previous);
        EXPECT_EQ(attribute.parseValue(text), accepted);
        EXPECT_EQ(describe(attribute.getValue()), Fields::join(type, Core::String(keyword)));
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
    // No rules are equal whatever keyword they kept; keywords compare in exact case.
    TPRule none = previous, total, lowerTotal;
    TPRule::parseRule(none, L"no rule");
    TPRule::parseRule(total, L"FIND_KEYWORD(Total)");
    TPRule::parseRule(lowerTotal, L"FIND_KEYWORD(total)");
    // clang-format off
    checkEquality<TPRule>({
        {none, TPRule(), true}, {total, total, true},
        {total, lowerTotal, false}, {total, none, false},
    });
    // clang-format on
}

}  // namespace
