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
    const Length zero;
    const Length px1(1), px2(2), px3(3);
    // clang-format off
    const struct { const wchar_t* text; Length dx, dy, blur; bool hasColour; } cases[] = {
        {L"2px 3px 4px red", px2, px3, Length(4), true},
        {L"red 2px 3px", px2, px3, zero, true},
        {L"2pt red 3mm 1in", Length(2, Length::Pt), Length(3, Length::Mm), Length(1, Length::In), true},
        {L"2px  3px", px2, zero, zero, false},  // the empty piece ends it
        {L"inset 2px 2px", zero, zero, zero, false},  // so does an unknown word
        {L"2px 2px rgb(0, 0, 0)", px2, px2, zero, false},
        {L"1px 2px 3px 4px", px1, px2, px3, false},
        {L"1px red blue 2px", px1, zero, zero, true},  // a second colour ends it
        {L"", zero, zero, zero, false},
        {L" 1px", zero, zero, zero, false},
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
        EXPECT_EQ(CountedColor::alive, 2);
        EXPECT_EQ(colour->getRefCount(), 1);

        const BoxShadow copy(built);
        EXPECT_EQ(copy.getColor().get(), built.getColor().get());
        EXPECT_TRUE(copy == built);

        BoxShadow assigned;
        assigned = built;
        EXPECT_FALSE(assigned == built);  // a cloned colour is another object
        EXPECT_EQ(assigned.getDy(), Length(2));
        EXPECT_EQ(CountedColor::alive, 3);

        const BoxShadow& same = assigned;
        assigned = same;  // self-assignment clones safely
        EXPECT_EQ(CountedColor::alive, 3);
        assigned = BoxShadow();
        EXPECT_EQ(CountedColor::alive, 2);

        const BoxShadow none(Length(1), Length(2), Length(3), SmartPtr<Drawing::Color>());
        EXPECT_FALSE(none.getColor());
        EXPECT_TRUE(none == BoxShadow(Length(1), Length(2), Length(3), nullptr));
    }
    EXPECT_EQ(CountedColor::alive, 0);
}

TEST(BoxShadow, AttributeParsesIntoDefaults) {
    TXmlAttribute<BoxShadow> attribute;
    ASSERT_TRUE(attribute.parseValue(L"2px 3px 4px red"));
    EXPECT_EQ(narrow(attribute.getValueAsString()), "2px 3px 4px rgb(255,0,0)");
    // Fields missing from the text take their defaults, not the old values.
    ASSERT_TRUE(attribute.parseValue(L"1pt"));
    EXPECT_FALSE(attribute->getColor());
    EXPECT_EQ(narrow(attribute.getValueAsString()), "1pt 0px 0px ");
    ASSERT_TRUE(attribute.parseValue(L""));
    EXPECT_TRUE(attribute == BoxShadow());
}

TEST(BoxShadow, AttributeCopiesShareAndAssignmentsClone) {
    ASSERT_EQ(CountedColor::alive, 0);
    {
        const BoxShadow withColour(Length(1), Length(1), Length(1), new CountedColor);
        TXmlAttribute<BoxShadow> a(withColour);
        TXmlAttribute<BoxShadow> b(a);
        EXPECT_TRUE(a == b.getValue());
        EXPECT_EQ(CountedColor::alive, 1);

        TXmlAttribute<BoxShadow> c;
        c = a;
        EXPECT_TRUE(c != a.getValue());
        TXmlAttribute<BoxShadow> d;
        d.copyFrom(a);
        d.setValue(withColour);
        EXPECT_EQ(CountedColor::alive, 3);
        // withColour, a, b, and the copy getColor returns
        EXPECT_EQ(withColour.getColor()->getRefCount(), 4);
    }
    EXPECT_EQ(CountedColor::alive, 0);
}

}  // namespace
