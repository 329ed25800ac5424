#include "css/lengths/KeywordLengths.h"

#include <gtest/gtest.h>

#include "tests/lengths/ExpectRaise.h"
#include "tests/lengths/MeasureCases.h"

namespace {

using namespace Xml;
using lengths_test::expectUnreacheable;
using measure_test::checkEquality;
using measure_test::checkParses;

LengthOrPercent measure(float size, Length::Unit unit) {
    return Length(size, unit);
}

LengthOrPercent pt(float size) {
    return measure(size, Length::Pt);
}

// An absolute font size that kept the relative size Smaller from before.
FontSize absoluteAfterSmaller(const LengthOrPercent& size) {
    FontSize value(RelativeFontSize::Smaller);
    value = size;
    return value;
}

TEST(FontSizeAttribute, KeywordsStandForPointSizesOrRelativeSteps) {
    checkParses<FontSize>(
        RelativeFontSize::Smaller,
        {
            {L"xx-small", true, absoluteAfterSmaller(pt(6)), L"6pt"},
            {L"x-small", true, absoluteAfterSmaller(pt(8)), L"8pt"},
            {L"small", true, absoluteAfterSmaller(pt(10)), L"10pt"},
            {L"medium", true, absoluteAfterSmaller(pt(12)), L"12pt"},
            {L"large", true, absoluteAfterSmaller(pt(16)), L"16pt"},
            {L"x-large", true, absoluteAfterSmaller(pt(18)), L"18pt"},
            {L"xx-large", true, absoluteAfterSmaller(pt(20)), L"20pt"},
            {L"larger", true, FontSize(RelativeFontSize::Larger), L"larger"},
            {L"50%", true, absoluteAfterSmaller(0.5f), L"50%"},
            {L"2em", true, absoluteAfterSmaller(Length(2, Length::Em)), L"2em"},
            {L"Medium", false, {}, L"smaller"},  // exact case: goes to the measure parser
            {L"LARGER", false, {}, L"smaller"},
            {L"medium ", false, {}, L"smaller"},
            {L"", false, {}, L"smaller"},
        });
    // A relative keyword replaces the whole value, measure included.
    checkParses<FontSize>(pt(9),
                          {{L"smaller", true, FontSize(RelativeFontSize::Smaller), L"smaller"}});
}

TEST(FontSizeAttribute, NonAbsoluteSizesWriteTheirRelativeStep) {
    EXPECT_EQ(TXmlAttribute<FontSize>().getValueAsString(), L"larger");  // type None
    TXmlAttribute<FontSize> bad(static_cast<RelativeFontSize>(2));
    expectUnreacheable([&] { bad.getValueAsString(); }, "FontAttributes", 74);
}

TEST(FontSizeValue, NoneEqualsNothing) {
    const FontSize larger(RelativeFontSize::Larger);
    checkEquality<FontSize>({
        {FontSize(), FontSize(), false},
        {FontSize(), larger, false},
        {larger, FontSize(RelativeFontSize::Larger), true},
        {larger, FontSize(RelativeFontSize::Smaller), false},
        {pt(12), pt(12), true},
        {pt(12), absoluteAfterSmaller(pt(12)), true},  // the relative field does not count
        {pt(12), measure(12, Length::Px), false},
        {pt(12), LengthOrPercent(0.5f), false},
        {LengthOrPercent(), larger, false},
    });
}

TEST(IndentAttribute, ListFunctionsOrAMeasure) {
    const Indent before(Length(1, Length::In));
    checkParses<Indent>(before,
                        {
                            {L"body-start()", true, IndentFunction::BodyStart, L"body-start()"},
                            {L"label-end()", true, IndentFunction::LabelEnd, L"label-end()"},
                            {L"2em", true, measure(2, Length::Em), L"2em"},
                            {L"-50%", true, LengthOrPercent(-0.5f), L"-50%"},
                            {L"body-start( )", false, {}, L"1in"},
                            {L"Label-end()", false, {}, L"1in"},
                            {L"body-start", false, {}, L"1in"},
                        });
    EXPECT_EQ(TXmlAttribute<Indent>().getValueAsString(), L"");
    TXmlAttribute<Indent> bad(static_cast<IndentFunction>(4));
    expectUnreacheable([&] { bad.getValueAsString(); }, "IndentAttribute", 43);
}

TEST(BaselineShiftAttribute, KeywordsOrAMeasure) {
    checkParses<BaselineShift>(BaselineShiftMode::Sub,
                               {
                                   {L"baseline", true, BaselineShiftMode::Baseline, L"baseline"},
                                   {L"super", true, BaselineShiftMode::Super, L"super"},
                                   {L"3pt", true, pt(3), L"3pt"},
                                   {L"50%", true, LengthOrPercent(0.5f), L"50%"},
                                   {L"Super", false, {}, L"sub"},
                                   {L"", false, {}, L"sub"},
                               });
    TXmlAttribute<BaselineShift> bad(static_cast<BaselineShiftMode>(4));
    expectUnreacheable([&] { bad.getValueAsString(); }, "LengthAttribute", 477);
}

TEST(SBaselineShiftAttribute, SvgMeasuresAndNoText) {
    checkParses<SBaselineShift>(BaselineShiftMode::Sub,
                                {
                                    {L"super", true, BaselineShiftMode::Super, L""},
                                    {L"10", true, SLengthOrPercent(10, SLength::Px), L""},
                                    {L"50%", true, SLengthOrPercent(0.5f), L""},
                                    {L"5x", true, SLengthOrPercent(1, SLength::Px), L""},
                                    {L"SUPER", false, {}, L""},
                                });
}

TEST(AlignmentAdjustAttribute, BaselineKeywordsOrAMeasure) {
    checkParses<AlignmentAdjust>(
        measure(1, Length::In),
        {
            {L"middle", true, AlignmentBaseline::Middle, L"middle"},
            {L"auto", true, AlignmentBaseline::Auto, L"auto"},
            {L"text-bottom", true, AlignmentBaseline::TextBottom, L"text-bottom"},
            {L"50%", true, LengthOrPercent(0.5f), L"50%"},
            {L"12pt", true, pt(12), L"12pt"},
            {L"Middle", false, {}, L"1in"},
        });
    EXPECT_EQ(TXmlAttribute<AlignmentAdjust>(static_cast<AlignmentBaseline>(16)).getValueAsString(),
              L"");
    checkEquality<AlignmentAdjust>({
        {AlignmentBaseline::Top, AlignmentBaseline::Top, true},
        {AlignmentBaseline::Top, AlignmentBaseline::Bottom, false},
        {AlignmentBaseline::Auto, LengthOrPercent(), false},
        {pt(2), pt(2), true},
        {pt(2), LengthOrPercent(0.02f), false},
    });
}

TEST(ContentLengthAttribute, FailureMarksTheValueNull) {
    const ContentLength before(Length(1, Length::In));
    ContentLength nullBefore = before;
    nullBefore.setNull(true);
    ContentLength scaleToFit(ContentScaleMode::ScaleToFit);
    scaleToFit.setNull(false);
    ContentLength automatic;
    automatic.setNull(false);
    checkParses<ContentLength>(before, {
                                           {L"scale-to-fit", true, scaleToFit, L"scale-to-fit"},
                                           {L"auto", true, automatic, L"auto"},
                                           {L"2cm", true, measure(2, Length::Cm), L"2cm"},
                                           {L"Auto", false, nullBefore, L"1in"},
                                           {L"", false, nullBefore, L"1in"},
                                       });
    EXPECT_TRUE(ContentLength().isNull());
    EXPECT_FALSE(ContentLength(pt(1)).isNull());
    EXPECT_EQ(TXmlAttribute<ContentLength>(static_cast<ContentScaleMode>(3)).getValueAsString(),
              L"");
    checkEquality<ContentLength>({
        {ContentScaleMode::Auto, ContentScaleMode::ScaleToFit, false},
        {ContentScaleMode::Auto, automatic, true},  // null flags are not compared
        {before, nullBefore, true},
        {before, pt(72), false},
    });
}

TEST(LetterSpacingAttribute, NormalInAnyCase) {
    checkParses<LetterSpacing>(Length(2, Length::Pt),
                               {
                                   {L"normal", true, LetterSpacing(), L"normal"},
                                   {L"Normal", true, LetterSpacing(), L"normal"},
                                   {L"NORMAL", true, LetterSpacing(), L"normal"},
                                   {L"0pt", true, Length(0, Length::Pt), L"0pt"},
                                   {L"0", true, Length(0, Length::Pt), L"0pt"},
                                   {L"5", false, {}, L"2pt"},
                                   {L" normal", false, {}, L"2pt"},
                               });
    checkEquality<LetterSpacing>({
        {LetterSpacing(), LetterSpacing(), true},
        {LetterSpacing(), Length(), false},  // 0px is not normal
        {Length(1, Length::Mm), Length(1, Length::Mm), true},
        {Length(1, Length::Mm), Length(1, Length::Cm), false},
    });
}

TEST(SSpacingAttribute, NormalInExactCaseOnly) {
    checkParses<SSpacing>(SLength(3, SLength::Pt),
                          {
                              {L"normal", true, SSpacing(), L""},
                              {L"Normal", true, SLength(0, SLength::Px), L""},  // "al" is no unit
                              {L"4pt", true, SLength(4, SLength::Pt), L""},
                              {L"x", false, {}, L""},
                          });
    checkEquality<SSpacing>({
        {SSpacing(), SSpacing(), true},
        {SSpacing(), SLength(), false},
        {SLength(4, SLength::Pt), SLength(4, SLength::Pt), true},
        {SLength(4, SLength::Pt), SLength(4, SLength::Pc), false},
    });
}

TEST(PageDimensionAttribute, AutoIndefiniteOrALength) {
    checkParses<PageDimension>(Length(210, Length::Mm),
                               {
                                   {L"auto", true, PageDimensionType::Auto, L""},
                                   {L"indefinite", true, PageDimensionType::Indefinite, L""},
                                   {L"297mm", true, Length(297, Length::Mm), L""},
                                   {L"AUTO", false, {}, L""},
                                   {L"8.5", false, {}, L""},
                               });
    PageDimensionType type = PageDimensionType::Explicit;
    EXPECT_TRUE(PageDimension::readStringPageDimension(L"indefinite", type));
    EXPECT_EQ(type, PageDimensionType::Indefinite);
    EXPECT_FALSE(PageDimension::readStringPageDimension(L"297mm", type));
    EXPECT_EQ(type, PageDimensionType::Indefinite);
    checkEquality<PageDimension>({
        {PageDimensionType::Auto, PageDimension(), true},
        {PageDimensionType::Auto, PageDimensionType::Indefinite, false},
        {Length(1, Length::In), Length(1, Length::In), true},
        {Length(1, Length::In), Length(2, Length::In), false},
    });
}

TEST(BorderWidthAttribute, WidthsOfOneThreeAndFivePointsWriteKeywords) {
    checkParses<BorderWidth>(BorderWidth(),
                             {
                                 {L"thin", true, BorderWidth(1, Length::Pt), L"thin"},
                                 {L"medium", true, BorderWidth(3, Length::Pt), L"medium"},
                                 {L"thick", true, BorderWidth(5, Length::Pt), L"thick"},
                                 {L"3pt", true, BorderWidth(3, Length::Pt), L"medium"},
                                 {L"1pt", true, BorderWidth(1, Length::Pt), L"thin"},
                                 {L"3px", true, BorderWidth(3, Length::Px), L"3px"},
                                 {L"4pt", true, BorderWidth(4, Length::Pt), L"4pt"},
                                 {L"Thin", false, {}, L"1.5pt"},
                                 {L"medium ", false, {}, L"1.5pt"},
                             });
}

TEST(InitialNumberAttributes, NumbersAreAtLeastOne) {
    checkParses<InitialPageNumber>(7,
                                   {
                                       {L"auto", true, InitialPageNumberType::Auto, L""},
                                       {L"auto-odd", true, InitialPageNumberType::AutoOdd, L""},
                                       {L"auto-even", true, InitialPageNumberType::AutoEven, L""},
                                       {L"12", true, 12, L""},
                                       {L"0", true, 1, L""},
                                       {L"-5", true, 1, L""},
                                       {L"abc", true, 1, L""},
                                       {L"Auto", true, 1, L""},
                                       {L"", true, 1, L""},
                                   });
    checkParses<InitialSheetNumber>(7, {
                                           {L"auto", true, InitialSheetNumberType::Auto, L""},
                                           {L"auto-odd", true, 1, L""},
                                           {L"3", true, 3, L""},
                                       });
    checkEquality<InitialPageNumber>({
        {InitialPageNumberType::AutoOdd, InitialPageNumberType::AutoOdd, true},
        {InitialPageNumberType::AutoOdd, InitialPageNumberType::AutoEven, false},
        {4, 4, true},
        {4, 5, false},
    });
    checkEquality<InitialSheetNumber>({{InitialSheetNumberType::Auto, 1, false}, {2, 2, true}});
}

}  // namespace
