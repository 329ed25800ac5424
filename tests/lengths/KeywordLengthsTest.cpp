#include "css/lengths/KeywordLengths.h"

#include <gtest/gtest.h>

#include "tests/lengths/MeasureCases.h"

namespace {

using namespace measure_test;

// An absolute font size that kept the relative size Smaller from before.
FontSize absolute(const LengthOrPercent& size) {
    FontSize value(RelativeFontSize::Smaller);
    value = size;
    return value;
}

TEST(FontSizeAttribute, KeywordsStandForPointSizesOrRelativeSteps) {
    const FontSize larger(RelativeFontSize::Larger), smaller(RelativeFontSize::Smaller);
    // clang-format off
    checkParses<FontSize>(smaller, {
        // each size is in docs/attributes.md; these keep the relative step
        {L"xx-small", true, absolute(pt(6)), L"6pt"}, {L"medium", true, absolute(pt(12)), L"12pt"},
        {L"xx-large", true, absolute(pt(20)), L"20pt"}, {L"larger", true, larger, L"larger"},
        {L"50%", true, absolute(fraction(0.5f)), L"50%"},
        {L"2em", true, absolute(measure(2, Length::Em)), L"2em"},
        // exact case, no trimming: such texts go to the measure parser
        {L"Medium", false, {}, L"smaller"},  {L"LARGER", false, {}, L"smaller"},
        {L"medium ", false, {}, L"smaller"}, {L"", false, {}, L"smaller"},
    });
    // a relative keyword replaces the whole value, measure included
    checkParses<FontSize>(pt(9), {{L"smaller", true, smaller, L"smaller"}});
    checkEquality<FontSize>({
        {FontSize(), FontSize(), false}, {FontSize(), larger, false},  // None equals nothing
        {larger, larger, true},          {larger, smaller, false},
        {pt(12), absolute(pt(12)), true},  // the relative field does not count
        {pt(12), measure(12, Length::Px), false}, {pt(12), fraction(0.5f), false},
        {LengthOrPercent(), larger, false},
    });
    // clang-format on
    TXmlAttribute<FontSize> bad(static_cast<RelativeFontSize>(2));
    expectRaisedAt([&] { bad.getValueAsString(); }, "FontAttributes", 74);
}

TEST(IndentAndBaselineShiftAttributes, KeywordsOrAMeasure) {
    using enum BaselineShiftMode;
    // clang-format off
    checkParses<Indent>(measure(1, Length::In), {
        {L"body-start()", true, IndentFunction::BodyStart, L"body-start()"},
        {L"label-end()", true, IndentFunction::LabelEnd, L"label-end()"},
        {L"2em", true, measure(2, Length::Em), L"2em"}, {L"-50%", true, fraction(-0.5f), L"-50%"},
        {L"body-start( )", false, {}, L"1in"}, {L"Label-end()", false, {}, L"1in"},
        {L"body-start", false, {}, L"1in"},
    });
    checkParses<BaselineShift>(Sub, {
        {L"baseline", true, Baseline, L"baseline"}, {L"super", true, Super, L"super"},
        {L"3pt", true, pt(3), L"3pt"},  {L"50%", true, fraction(0.5f), L"50%"},
        {L"Super", false, {}, L"sub"},  {L"", false, {}, L"sub"},
    });
    checkParses<SBaselineShift>(Sub, {
        {L"super", true, Super, L""},  {L"10", true, SLengthOrPercent(10, SLength::Px), L""},
        {L"50%", true, SLengthOrPercent(0.5f), L""},
        {L"5x", true, SLengthOrPercent(1, SLength::Px), L""},  {L"SUPER", false, {}, L""},
    });
    // clang-format on
    TXmlAttribute<Indent> badIndent(static_cast<IndentFunction>(4));
    expectRaisedAt([&] { badIndent.getValueAsString(); }, "IndentAttribute", 43);
    TXmlAttribute<BaselineShift> badShift(static_cast<BaselineShiftMode>(4));
    expectRaisedAt([&] { badShift.getValueAsString(); }, "LengthAttribute", 477);
}

TEST(AlignmentAdjustAttribute, BaselineKeywordsOrAMeasure) {
    using enum AlignmentBaseline;
    // clang-format off
    checkParses<AlignmentAdjust>(measure(1, Length::In), {
        {L"middle", true, Middle, L"middle"},  {L"auto", true, Auto, L"auto"},
        {L"text-bottom", true, TextBottom, L"text-bottom"},
        {L"50%", true, fraction(0.5f), L"50%"},  {L"12pt", true, pt(12), L"12pt"},
        {L"Middle", false, {}, L"1in"},
    });
    checkEquality<AlignmentAdjust>({
        {Top, Top, true},       {Top, Bottom, false},  {Auto, LengthOrPercent(), false},
        {pt(2), pt(2), true},   {pt(2), fraction(0.02f), false},
    });
    // clang-format on
    TXmlAttribute<AlignmentAdjust> outside(static_cast<AlignmentBaseline>(16));
    EXPECT_EQ(outside.getValueAsString(), L"");
}

TEST(ContentLengthAttribute, FailureMarksTheValueNull) {
    using enum ContentScaleMode;
    const ContentLength before(Length(1, Length::In));
    ContentLength nullBefore = before, scaleToFit(ScaleToFit), automatic;
    nullBefore.setNull(true);
    scaleToFit.setNull(false);
    automatic.setNull(false);
    // clang-format off
    checkParses<ContentLength>(before, {
        {L"scale-to-fit", true, scaleToFit, L"scale-to-fit"}, {L"auto", true, automatic, L"auto"},
        {L"2cm", true, measure(2, Length::Cm), L"2cm"},
        {L"Auto", false, nullBefore, L"1in"}, {L"", false, nullBefore, L"1in"},
    });
    checkEquality<ContentLength>({
        {Auto, ScaleToFit, false}, {Auto, automatic, true},  // null flags are not compared
        {before, nullBefore, true}, {before, pt(72), false},
    });
    // clang-format on
    EXPECT_TRUE(ContentLength().isNull() && !ContentLength(pt(1)).isNull());
    EXPECT_EQ(TXmlAttribute<ContentLength>(static_cast<ContentScaleMode>(3)).getValueAsString(),
              L"");
}

TEST(SpacingAttributes, NormalInAnyCaseForLetterSpacingExactForSvg) {
    const Length zeroPt(0, Length::Pt), mm1(1, Length::Mm);
    const SLength svgPt4(4, SLength::Pt);
    const LetterSpacing normal;
    // clang-format off
    checkParses<LetterSpacing>(Length(2, Length::Pt), {
        {L"normal", true, normal, L"normal"}, {L"Normal", true, normal, L"normal"},
        {L"NORMAL", true, normal, L"normal"}, {L"0pt", true, zeroPt, L"0pt"},
        {L"0", true, zeroPt, L"0pt"}, {L"5", false, {}, L"2pt"}, {L" normal", false, {}, L"2pt"},
    });
    checkParses<SSpacing>(SLength(3, SLength::Pt), {
        {L"normal", true, SSpacing(), L""},  {L"Normal", true, SLength(), L""},  // "al" is no unit
        {L"4pt", true, svgPt4, L""},         {L"x", false, {}, L""},
    });
    checkEquality<LetterSpacing>({
        {normal, normal, true}, {normal, Length(), false},  // 0px is not normal
        {mm1, mm1, true},       {mm1, Length(1, Length::Cm), false},
    });
    checkEquality<SSpacing>({
        {SSpacing(), SSpacing(), true}, {SSpacing(), SLength(), false},
        {svgPt4, svgPt4, true},         {svgPt4, SLength(4, SLength::Pc), false},
    });
    // clang-format on
}

TEST(PageDimensionAttribute, AutoIndefiniteOrALength) {
    using enum PageDimensionType;
    const Length in1(1, Length::In);
    // clang-format off
    checkParses<PageDimension>(Length(210, Length::Mm), {
        {L"auto", true, Auto, L""},  {L"indefinite", true, Indefinite, L""},
        {L"297mm", true, Length(297, Length::Mm), L""},  {L"AUTO", false, {}, L""},
        {L"8.5", false, {}, L""},
    });
    checkEquality<PageDimension>({
        {Auto, PageDimension(), true}, {Auto, Indefinite, false},
        {in1, in1, true},              {in1, Length(2, Length::In), false},
    });
    // clang-format on
    PageDimensionType type = Explicit;
    EXPECT_FALSE(PageDimension::readStringPageDimension(L"297mm", type));
    EXPECT_EQ(type, Explicit);
}

TEST(BorderWidthAttribute, WidthsOfOneThreeAndFivePointsWriteKeywords) {
    using enum Length::Unit;
    using W = BorderWidth;
    // clang-format off
    checkParses<BorderWidth>(BorderWidth(), {
        {L"thin", true, W(1, Pt), L"thin"},   {L"medium", true, W(3, Pt), L"medium"},
        {L"thick", true, W(5, Pt), L"thick"}, {L"3pt", true, W(3, Pt), L"medium"},
        {L"1pt", true, W(1, Pt), L"thin"},    {L"3px", true, W(3, Px), L"3px"},
        {L"4pt", true, W(4, Pt), L"4pt"},     {L"Thin", false, {}, L"1.5pt"},
        {L"medium ", false, {}, L"1.5pt"},
    });
    // clang-format on
}

TEST(InitialNumberAttributes, NumbersAreAtLeastOne) {
    using enum InitialPageNumberType;
    // clang-format off
    checkParses<InitialPageNumber>(7, {
        {L"auto", true, Auto, L""}, {L"auto-odd", true, AutoOdd, L""},
        {L"auto-even", true, AutoEven, L""}, {L"12", true, 12, L""}, {L"0", true, 1, L""},
        {L"-5", true, 1, L""}, {L"abc", true, 1, L""}, {L"Auto", true, 1, L""}, {L"", true, 1, L""},
    });
    checkParses<InitialSheetNumber>(7, {
        {L"auto", true, InitialSheetNumberType::Auto, L""}, {L"auto-odd", true, 1, L""},
        {L"3", true, 3, L""},
    });
    checkEquality<InitialPageNumber>({
        {AutoOdd, AutoOdd, true}, {AutoOdd, AutoEven, false}, {4, 4, true}, {4, 5, false},
    });
    checkEquality<InitialSheetNumber>({{InitialSheetNumberType::Auto, 1, false}, {2, 2, true}});
    // clang-format on
}

}  // namespace
