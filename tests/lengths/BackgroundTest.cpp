#include "css/lengths/Background.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "css/lengths/KeywordLengths.h"
#include "tests/lengths/ExpectRaise.h"
#include "tests/lengths/MeasureCases.h"
#include "tests/support/AllocationCounter.h"

namespace {

using namespace Xml;
using measure_test::checkParses;

LengthOrPercent measure(float size, Length::Unit unit) {
    return Length(size, unit);
}

TEST(BackgroundPositionAttribute, KeywordsAreFractionsWrittenAsHorizontalKeywords) {
    const BackgroundPosition before(measure(1, Length::In));
    checkParses<BackgroundPosition>(before, {
                                                {L"left", true, LengthOrPercent(0.0f), L"left"},
                                                {L"top", true, LengthOrPercent(0.0f), L"left"},
                                                {L"center", true, LengthOrPercent(0.5f), L"center"},
                                                {L"right", true, LengthOrPercent(1.0f), L"right"},
                                                {L"bottom", true, LengthOrPercent(1.0f), L"right"},
                                                {L"0%", true, LengthOrPercent(0.0f), L"left"},
                                                {L"50%", true, LengthOrPercent(0.5f), L"center"},
                                                {L"100%", true, LengthOrPercent(1.0f), L"right"},
                                                {L"0.5", true, LengthOrPercent(0.5f), L"center"},
                                                {L"25%", true, LengthOrPercent(0.25f), L"25%"},
                                                {L"10px", true, measure(10, Length::Px), L"10px"},
                                                {L"0px", true, measure(0, Length::Px), L"0px"},
                                                {L"Left", false, {}, L"1in"},
                                                {L"center ", false, {}, L"1in"},
                                                {L"", false, {}, L"1in"},
                                            });
    BackgroundPosition target = before;
    EXPECT_FALSE(BackgroundPosition::readStringBackgroundPosition(target, L"50%"));
    EXPECT_TRUE(target == before);
}

TEST(BackgroundSizeAttribute, KeywordTypesOrAnExplicitMeasure) {
    const BackgroundSize before(measure(1, Length::In));
    checkParses<BackgroundSize>(before,
                                {
                                    {L"cover", true, BackgroundSizeType::Cover, L"cover"},
                                    {L"contain", true, BackgroundSizeType::Contain, L"contain"},
                                    {L"stretch", true, BackgroundSizeType::Stretch, L"stretch"},
                                    {L"fill", true, BackgroundSizeType::Stretch, L"stretch"},
                                    {L"auto", true, BackgroundSize(), L"auto"},
                                    {L"50%", true, LengthOrPercent(0.5f), L"50%"},
                                    {L"2.5cm", true, measure(2.5f, Length::Cm), L"2.5cm"},
                                    {L"Cover", false, {}, L"1in"},
                                    {L"auto ", false, {}, L"1in"},
                                });
    EXPECT_EQ(BackgroundSize().getType(), BackgroundSizeType::Auto);
    EXPECT_EQ(BackgroundSize(LengthOrPercent()).getType(), BackgroundSizeType::Explicit);
}

TEST(BackgroundSizeAttribute, EqualityComparesTheMeasureOnly) {
    const TXmlAttribute<BackgroundSize> cover(BackgroundSizeType::Cover);
    EXPECT_TRUE(cover == BackgroundSize(BackgroundSizeType::Contain));
    EXPECT_FALSE(cover != BackgroundSize(BackgroundSizeType::Contain));
    EXPECT_TRUE(cover == BackgroundSize(LengthOrPercent()));  // an explicit 0px
    EXPECT_FALSE(cover == BackgroundSize(LengthOrPercent(0.5f)));
    EXPECT_TRUE(cover != BackgroundSize(LengthOrPercent(0.5f)));
}

TEST(TabStopOrder, ByPositionInPixelsOnly) {
    const auto stop = [](float size, Length::Unit unit, TabStopType type = TabStopType::Left) {
        return TabStop(Length(size, unit), type, TabPattern::None);
    };
    const struct {
        TabStop first;
        TabStop second;
        bool less;
    } cases[] = {
        {stop(1, Length::In), stop(100, Length::Px), true},  // 96 against 100 pixels
        {stop(100, Length::Px), stop(1, Length::In), false},
        {stop(72, Length::Pt), stop(1, Length::In), false},  // equal positions
        {stop(1, Length::In), stop(72, Length::Pt), false},
        {stop(1, Length::Pc), stop(17, Length::Px), true},
        {stop(1, Length::Px, TabStopType::Right), stop(1, Length::Px, TabStopType::Left), false},
        {stop(-1, Length::Mm), stop(0, Length::Pt), true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.first < c.second, c.less)
            << c.first.getPosition().getSize() << " against " << c.second.getPosition().getSize();
    }
    std::vector<TabStop> stops = {stop(2, Length::Cm), stop(10, Length::Px), stop(1, Length::In),
                                  stop(0.5f, Length::Pc)};
    std::sort(stops.begin(), stops.end());
    std::vector<float> pixels;
    for (const TabStop& s : stops)
        pixels.push_back(s.getPosition().pxSize());
    EXPECT_TRUE(std::is_sorted(pixels.begin(), pixels.end()));
    EXPECT_EQ(stops.front().getPosition(), Length(0.5f, Length::Pc));
    lengths_test::expectUnreacheable([&] { (void)(stop(1, Length::Ex) < stop(1, Length::Px)); },
                                     "LengthAttribute", 158);
}

TEST(TPRuleParse, FindKeywordUpToTheFirstClosingParenthesis) {
    TPRule previous;
    ASSERT_TRUE(TPRule::parseRule(previous, L"FIND_KEYWORD(prev)"));
    const struct {
        const wchar_t* text;
        bool accepted;
        TPRuleType type;
        const wchar_t* keyword;
    } cases[] = {
        {L"FIND_KEYWORD(Total)", true, TPRuleType::FindKeyword, L"Total"},
        {L"FIND_KEYWORD()", true, TPRuleType::FindKeyword, L""},
        {L"FIND_KEYWORD(a)b)", true, TPRuleType::FindKeyword, L"a"},
        {L"FIND_KEYWORD( two words )", true, TPRuleType::FindKeyword, L" two words "},
        {L"FIND_KEYWORD(Total", false, TPRuleType::None, L"prev"},
        {L"FIND_KEYWORD(", false, TPRuleType::None, L"prev"},
        {L"find_keyword(Total)", false, TPRuleType::None, L"prev"},
        {L" FIND_KEYWORD(Total)", false, TPRuleType::None, L"prev"},
        {L"", false, TPRuleType::None, L"prev"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        TXmlAttribute<TPRule> attribute(previous);
        EXPECT_EQ(attribute.parseValue(c.text), c.accepted);
        EXPECT_EQ(attribute->getType(), c.type);
        EXPECT_EQ(std::wstring(attribute->getKeyword().view()), c.keyword);
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
}

TEST(TPRuleValue, NoRulesAreEqualWhateverKeywordTheyKept) {
    TPRule none;
    TPRule::parseRule(none, L"FIND_KEYWORD(kept)");
    TPRule::parseRule(none, L"no rule");
    TPRule a;
    TPRule b;
    TPRule::parseRule(a, L"FIND_KEYWORD(Total)");
    TPRule::parseRule(b, L"FIND_KEYWORD(total)");
    EXPECT_TRUE(none == TPRule());
    EXPECT_FALSE(a == b);  // keywords compare in exact case
    EXPECT_FALSE(a == none);
}

// Keywords and measures are read in place: short texts never reach the heap.
TEST(KeywordMeasureParseAllocation, ShortTextsAllocateNothing) {
    const Core::String texts[] = {
        L"medium", L"larger",    L"12pt", L"50%",    L"body-start()", L"scale-to-fit",
        L"NORMAL", L"auto-even", L"-5",   L"bottom", L"fill",         L"FIND_KEYWORD(Total)",
        L"x",      L""};
    for (const Core::String& text : texts) {
        SCOPED_TRACE(testing::Message() << "text \"" << text.c_str() << "\"");
        TXmlAttribute<FontSize> fontSize;
        TXmlAttribute<Indent> indent;
        TXmlAttribute<BaselineShift> shift;
        TXmlAttribute<SBaselineShift> sShift;
        TXmlAttribute<AlignmentAdjust> adjust;
        TXmlAttribute<ContentLength> content;
        TXmlAttribute<LetterSpacing> letterSpacing;
        TXmlAttribute<SSpacing> sSpacing;
        TXmlAttribute<PageDimension> page;
        TXmlAttribute<BorderWidth> border;
        TXmlAttribute<InitialPageNumber> pageNumber;
        TXmlAttribute<InitialSheetNumber> sheetNumber;
        TXmlAttribute<BackgroundPosition> position;
        TXmlAttribute<BackgroundSize> size;
        TXmlAttribute<TPRule> rule;
        test_support::AllocationCounter counter;
        for (XmlAttribute* attribute : std::initializer_list<XmlAttribute*>{
                 &fontSize, &indent, &shift, &sShift, &adjust, &content, &letterSpacing, &sSpacing,
                 &page, &border, &pageNumber, &sheetNumber, &position, &size, &rule}) {
            attribute->parseValue(text);
        }
        EXPECT_EQ(counter.count(), 0);
    }
}

}  // namespace
