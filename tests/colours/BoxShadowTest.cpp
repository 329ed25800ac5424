#include "css/colours/BoxShadow.h"

#include <gtest/gtest.h>

#include "tests/colours/ColourTestSupport.h"

namespace {

using colour_test::CountedColor;
using colour_test::narrow;
using Xml::BoxShadow;
using Xml::Length;
using Xml::SmartPtr;
using Xml::TXmlAttribute;

TEST(BoxShadow, ReadsLengthsInOrderAndOneColourAnywhere) {
    const Length zero, px1(1), px2(2), px3(3);
    const Length pt2(2, Length::Pt), mm3(3, Length::Mm), in1(1, Length::In);
    // clang-format off
    const struct { const wchar_t* text; Length dx, dy, blur; bool hasColour; } cases[] = {
        {L"2px 3px 4px red", px2, px3, Length(4), true}, {L"red 2px 3px", px2, px3, zero, true},
        {L"2pt red 3mm 1in", pt2, mm3, in1, true},       {L"1px 2px 3px 4px", px1, px2, px3, false},
        {L"2px 2px rgb(0, 0, 0)", px2, px2, zero, false}, {L"", zero, zero, zero, false},
        {L" 1px", zero, zero, zero, false},              {L"2px  3px", px2, zero, zero, false},
        // an empty piece (above), an unknown word or a second colour ends the reading
        {L"inset 2px 2px", zero, zero, zero, false}, {L"1px red blue 2px", px1, zero, zero, true},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        BoxShadow shadow;
        ASSERT_TRUE(shadow.readFromString(c.text));
        EXPECT_EQ(shadow.getDx(), c.dx);
        EXPECT_EQ(shadow.getDy(), c.dy);
        EXPECT_EQ(shadow.getBlurRadius(), c.blur);
        EXPECT_EQ(static_cast<bool>(shadow.getColor()), c.hasColour);
    }
}

TEST(BoxShadow, ReadingKeepsFieldsItDoesNotFind) {
    BoxShadow shadow(Length(9), Length(8), Length(7), new Drawing::RGBColor(1, 2, 3));
    const auto before = shadow.getColor();
    ASSERT_TRUE(shadow.readFromString(L"5pt none"));
    EXPECT_EQ(shadow.getDx(), Length(5, Length::Pt));
    EXPECT_EQ(shadow.getDy(), Length(8));
    EXPECT_EQ(shadow.getBlurRadius(), Length(7));
    EXPECT_EQ(shadow.getColor().get(), before.get());  // "none" leaves the colour

    ASSERT_TRUE(shadow.readFromString(L"lime"));
    EXPECT_EQ(colour_test::rgbOf(shadow.getColor()), (Drawing::RGBValue{0, 255, 0}));
}

TEST(BoxShadow, CopiesShareButConstructionAndAssignmentClone) {
    ASSERT_EQ(CountedColor::alive, 0);
    {
        const SmartPtr<Drawing::Color> colour = new CountedColor;
        const BoxShadow built(Length(1), Length(2), Length(3), colour);
        EXPECT_NE(built.getColor().get(), colour.get());
        EXPECT_EQ(colour->getRefCount(), 1);
        const BoxShadow copy(built);
        EXPECT_TRUE(copy == built);  // the same colour object
        TXmlAttribute<BoxShadow> a(built);
        TXmlAttribute<BoxShadow> b(a);
        EXPECT_TRUE(b == built);
        EXPECT_EQ(CountedColor::alive, 2);

        BoxShadow assigned;
        assigned = built;
        EXPECT_FALSE(assigned == built);  // a cloned colour is another object
        EXPECT_EQ(assigned.getDy(), Length(2));
        TXmlAttribute<BoxShadow> c;
        c = a;
        EXPECT_TRUE(c != built);
        TXmlAttribute<BoxShadow> d;
        d.copyFrom(a);
        d.setValue(built);
        EXPECT_EQ(CountedColor::alive, 5);
        EXPECT_EQ(built.getColor()->getRefCount(), 5);  // built, copy, a, b and this one

        const BoxShadow& same = assigned;
        assigned = same;  // self-assignment clones safely
        EXPECT_EQ(CountedColor::alive, 5);
        assigned = BoxShadow();
        EXPECT_EQ(CountedColor::alive, 4);
        const BoxShadow none(Length(1), Length(2), Length(3), SmartPtr<Drawing::Color>());
        EXPECT_TRUE(!none.getColor() &&
                    none == BoxShadow(Length(1), Length(2), Length(3), nullptr));
    }
    EXPECT_EQ(CountedColor::alive, 0);
}

TEST(BoxShadow, AttributeParsesIntoDefaults) {
    TXmlAttribute<BoxShadow> attribute;
    ASSERT_TRUE(attribute.parseValue(L"2px 3px 4px red"));
    // Fields missing from the text take their defaults, not the old values.
    ASSERT_TRUE(attribute.parseValue(L"1pt"));
    EXPECT_FALSE(attribute->getColor());
    EXPECT_EQ(narrow(attribute.getValueAsString()), "1pt 0px 0px ");
    ASSERT_TRUE(attribute.parseValue(L""));
    EXPECT_TRUE(attribute == BoxShadow());
}

}  // namespace
