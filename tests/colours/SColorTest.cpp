#include "css/colours/SColor.h"

#include <gtest/gtest.h>

#include "tests/colours/ColourTestSupport.h"

namespace {

using colour_test::CountedColor;
using colour_test::narrow;
using Xml::SColor;
using Xml::SmartPtr;
using Xml::SNullableColor;
using Xml::TXmlAttribute;

// What a text gives: references run from the "#" to a blank or ")", colour
// texts go through the colour parser; a rejected text leaves the target as it was.
TEST(SColor, ParsesReferencesAndColours) {
    constexpr auto kRejected = static_cast<SColor::ColorType>(-1);
    // clang-format off
    const struct { const wchar_t* text; SColor::ColorType type; const char* url; } cases[] = {
        {L"url(#grad1)", SColor::Reference, "#grad1"}, {L"url(#a b)", SColor::Reference, "#a"},
        {L"url(#open", SColor::Reference, "#open"},    {L"url('#q')", SColor::Reference, "#q'"},
        {L"url(x#y)", SColor::Reference, "#y"},        {L"url(#)", SColor::Reference, "#"},
        {L"urlx(#id)", SColor::Reference, "#id"},      {L"red", SColor::ColorValue, ""},
        {L"none", SColor::None, ""},                   {L"transparent", SColor::None, ""},
        {L"url(grad1)", kRejected, "#keep"}, {L"url#id", kRejected, "#keep"},
        {L"url", kRejected, "#keep"}, {L"blue ", kRejected, "#keep"}, {L"Red", kRejected, "#keep"},
        {L"", kRejected, "#keep"},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        SColor value(L"#keep");
        EXPECT_EQ(SColor::parseSColor(value, c.text), c.type != kRejected);
        EXPECT_EQ(value.getType(), c.type == kRejected ? SColor::Reference : c.type);
        EXPECT_EQ(narrow(value.getUrl()), c.url);
        EXPECT_EQ(static_cast<bool>(value.getColor()), c.type == SColor::ColorValue);
    }
    colour_test::LogCapture log;  // the colour parser's warnings are written as there
    SColor value;
    EXPECT_FALSE(SColor::parseSColor(value, L"rgb-icc(1,2,3,#P)"));
    const auto logged = log.take();
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0].level, Core::Log::Level::Warning);
}

TEST(SColor, AttributesShareColoursAndCompareThemByIdentity) {
    ASSERT_EQ(CountedColor::alive, 0);
    {
        const SmartPtr<Drawing::Color> colour = new CountedColor;
        TXmlAttribute<SColor> a{SColor(colour)};
        TXmlAttribute<SColor> b(a);
        TXmlAttribute<SColor> c;
        c.copyFrom(a);
        EXPECT_EQ(colour->getRefCount(), 4);
        EXPECT_TRUE(a == b.getValue() && a == c.getValue());  // the same colour object
        EXPECT_FALSE(b.parseValue(L"foo"));
        EXPECT_EQ(colour->getRefCount(), 4);
        ASSERT_TRUE(b.parseValue(L"red") && c.parseValue(L"red"));
        EXPECT_TRUE(b != c.getValue());  // two colour objects
        EXPECT_EQ(colour->getRefCount(), 2);
        ASSERT_TRUE(b.parseValue(L"url(#g)") && c.parseValue(L"url(#g)"));
        EXPECT_TRUE(b == c.getValue() && b != SColor(L"#G"));
        ASSERT_TRUE(c.parseValue(L"none"));
        EXPECT_TRUE(c == SColor() && c != SColor(SmartPtr<Drawing::Color>()));  // None, ColorValue
    }
    EXPECT_EQ(CountedColor::alive, 0);
    EXPECT_TRUE(SColor(SmartPtr<Drawing::Color>()) == SColor(SmartPtr<Drawing::Color>()));
}

// A new attribute is null and a parse clears the flag (docs/attributes.md); a
// colour given in code leaves it set.
TEST(SNullableColor, TheNullFlagTravelsWithCopiesAndTakesNoPartInEquality) {
    TXmlAttribute<SNullableColor> attribute;
    ASSERT_TRUE(attribute.parseValue(L"red"));
    EXPECT_TRUE(SNullableColor(SmartPtr<Drawing::Color>(new Drawing::RGBColor(1, 2, 3))).isNull());
    TXmlAttribute<SNullableColor> copy;
    copy.copyFrom(attribute);
    EXPECT_FALSE(copy->isNull());
    SNullableColor flagged = attribute.getValue();
    flagged.setNull(true);
    EXPECT_TRUE(attribute == flagged);
}

}  // namespace
