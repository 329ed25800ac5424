#include "css/colours/ColorParse.h"

#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "tests/colours/ColourTestSupport.h"

namespace {

using colour_test::as;
using colour_test::CountedColor;
using colour_test::expectedWarning;
using colour_test::narrow;
using colour_test::rgbOf;
using colour_test::WarningLog;
using Drawing::RGBValue;
using Xml::ColorAttribute;
using Xml::ColorParse;
using Xml::SmartPtr;

class ColorParseTest : public ::testing::Test {
  protected:
    void SetUp() override { Drawing::SpotColorMapper::clearColorSubstitutes(); }
    void TearDown() override { Drawing::SpotColorMapper::clearColorSubstitutes(); }
};

// ---- dispatch and the rgb / cmyk / hexadecimal forms ----

TEST_F(ColorParseTest, RgbKeepsTheLow8BitsOfEachComponent) {
    struct Case {
        const wchar_t* text;
        RGBValue value;
    };
    for (const Case& c :
         {Case{L"rgb(255,136,0)", {255, 136, 0}}, Case{L"rgb(300,0,0)", {44, 0, 0}},
          Case{L"rgb(256,-1,511)", {0, 255, 255}}, Case{L"rgb(-256,-255,1000)", {0, 1, 232}},
          Case{L"rgbx(1,2,3)", {1, 2, 3}},       // only the prefix is tested
          Case{L"rgb(1,2,3)junk", {1, 2, 3}},    // nothing after ")" is read
          Case{L"rgb(50%,0,0)", {50, 0, 0}}}) {  // no percentage form
        ColorAttribute attribute;
        ASSERT_TRUE(attribute.parseValue(c.text)) << narrow(c.text);
        EXPECT_EQ(rgbOf(attribute), c.value) << narrow(c.text);
    }
}

TEST_F(ColorParseTest, MalformedRgbAndCmykAreRejectedWithoutWarning) {
    WarningLog log;
    for (const wchar_t* text : {L"rgb(255,0,0",
                                L"rgb(1,2)",
                                L"rgb",
                                L"rgb 1,2,3",
                                L"rgb(a,0,0)",
                                L"rgb(1.5,0,0)",
                                L"rgb(1,,3)",
                                L"rgb(1)2,3)",
                                L"cmyk(0,0,0)",
                                L"cmyk(0,0,0,0",
                                L"cmyk(0,0,x,0)",
                                L"cmyk(0,0,,0)",
                                L"#ff88",
                                L"#ff88001",
                                L"#",
                                L"#ggg",
                                L"#12345g",
                                L"#0x0000",
                                L"",
                                L"Red",
                                L" red",
                                L"red ",
                                L"currentColor",
                                L"inherit",
                                L"RGB(1,2,3)"}) {
        ColorAttribute attribute;
        EXPECT_FALSE(attribute.parseValue(text)) << narrow(text);
        EXPECT_FALSE(attribute.getValue()) << narrow(text);
    }
    EXPECT_TRUE(log.warnings().empty());
}

TEST_F(ColorParseTest, RgbComponentsGoToTheIntegerReaderUntrimmed) {
    // The number reader passes leading blanks over; trailing ones too.
    ColorAttribute attribute;
    ASSERT_TRUE(attribute.parseValue(L"rgb( 255, 0 ,0 )"));
    EXPECT_EQ(rgbOf(attribute), (RGBValue{255, 0, 0}));
}

TEST_F(ColorParseTest, CmykTakesPercentagesAsFractions) {
    ColorAttribute attribute;
    ASSERT_TRUE(attribute.parseValue(L"cmyk(0,0,0,1)"));
    const auto* cmyk = as<Drawing::CMYKColor>(attribute);
    ASSERT_NE(cmyk, nullptr);
    EXPECT_EQ(cmyk->getK(), 1.0);

    ASSERT_TRUE(attribute.parseValue(L"cmyk(0,0,0,100)"));
    EXPECT_EQ(as<Drawing::CMYKColor>(attribute)->getK(), 100.0);

    // The division is done in double and stored back as a float.
    ASSERT_TRUE(attribute.parseValue(L"cmyk(50%,10%,0.3,33%)"));
    cmyk = as<Drawing::CMYKColor>(attribute);
    ASSERT_NE(cmyk, nullptr);
    EXPECT_EQ(cmyk->getC(), 0.5);
    EXPECT_EQ(cmyk->getM(), static_cast<double>(static_cast<float>(10.0 / 100.0)));
    EXPECT_EQ(cmyk->getY(), static_cast<double>(0.3f));
    EXPECT_EQ(cmyk->getK(), static_cast<double>(static_cast<float>(33.0 / 100.0)));

    // Only a "%" that is the component's last character counts.
    ASSERT_TRUE(attribute.parseValue(L"cmyk(50% ,0,0,0)"));
    EXPECT_EQ(as<Drawing::CMYKColor>(attribute)->getC(), 50.0);
}

TEST_F(ColorParseTest, HexadecimalForms) {
    struct Case {
        const wchar_t* text;
        RGBValue value;
    };
    for (const Case& c : {Case{L"#f80", {255, 136, 0}}, Case{L"#ff8800", {255, 136, 0}},
                          Case{L"#FF8800", {255, 136, 0}}, Case{L"#000", {0, 0, 0}},
                          Case{L"#a1B2c3", {0xa1, 0xb2, 0xc3}}}) {
        ColorAttribute attribute;
        ASSERT_TRUE(attribute.parseValue(c.text)) << narrow(c.text);
        EXPECT_EQ(rgbOf(attribute), c.value) << narrow(c.text);
    }
}

TEST_F(ColorParseTest, DispatchTriesIccBeforeRgb) {
    WarningLog log;
    ColorAttribute attribute;
    EXPECT_FALSE(attribute.parseValue(L"rgb-icc(1,2,3)"));  // read as ICC: no profile
    EXPECT_EQ(log.warnings().size(), 1u);
    // parseRGB alone reads the same text as an RGB colour.
    ASSERT_TRUE(ColorParse::parseRGB(L"rgb-icc(1,2,3)", &attribute));
    EXPECT_EQ(rgbOf(attribute), (RGBValue{1, 2, 3}));
}

// ---- ICC colours ----

TEST_F(ColorParseTest, IccColourWithFourComponents) {
    WarningLog log;
    ColorAttribute attribute;
    ASSERT_TRUE(attribute.parseValue(L"rgb-icc(255,0,0,#Coated,0.1,0.2,0.3,0.4)"));
    const auto* icc = as<Drawing::ICCColor>(attribute);
    ASSERT_NE(icc, nullptr);
    EXPECT_EQ(icc->getColorCount(), 4);
    EXPECT_EQ(icc->getColor(0), 0.1f);
    EXPECT_EQ(icc->getColor(3), 0.4f);
    EXPECT_EQ(icc->getFallBackR(), 255);
    EXPECT_EQ(icc->getFallBackG(), 0);
    const auto space = icc->getColorSpace();
    const auto* profile = dynamic_cast<const Drawing::ICCColorSpace*>(space.get());
    ASSERT_NE(profile, nullptr);
    EXPECT_TRUE(profile->getProfileName() == L"Coated");
    EXPECT_TRUE(log.warnings().empty());
}

TEST_F(ColorParseTest, IccComponentCount) {
    struct Case {
        const wchar_t* text;
        int count;
        float components[4];
    };
    for (const Case& c : {
             Case{L"rgb-icc(1,2,3,#P,0.5)", 1, {0.5f, 0, 0, 0}},
             Case{L"rgb-icc(1,2,3,#P,0.1,0.2)", 1, {0.1f, 0, 0, 0}},  // second not counted
             Case{L"rgb-icc(1,2,3,#P,0.1,0.2,0.3)", 3, {0.1f, 0.2f, 0.3f, 0}},
             Case{L"rgb-icc(1,2,3,#P, 0.1 , 0.2,0.3,0.4,0.5)", 4, {0.1f, 0.2f, 0.3f, 0.4f}},
             Case{L"rgb-icc(1,2,3,#P,x)", 1, {0, 0, 0, 0}},  // no number reads as 0
             Case{L"rgb-icc(1,2,3,#P,0.1,,0.3)", 1, {0.1f, 0, 0, 0}},
         }) {
        ColorAttribute attribute;
        ASSERT_TRUE(attribute.parseValue(c.text)) << narrow(c.text);
        const auto* icc = as<Drawing::ICCColor>(attribute);
        ASSERT_NE(icc, nullptr);
        EXPECT_EQ(icc->getColorCount(), c.count) << narrow(c.text);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(icc->getColor(i), c.components[i]) << narrow(c.text);
    }
}

TEST_F(ColorParseTest, IccFallbackPercentagesAndWrap) {
    ColorAttribute attribute;
    ASSERT_TRUE(attribute.parseValue(L"rgb-icc(50%,100%,300,#P,1)"));
    const auto* icc = as<Drawing::ICCColor>(attribute);
    ASSERT_NE(icc, nullptr);
    EXPECT_EQ(icc->getFallBackR(), 127);
    EXPECT_EQ(icc->getFallBackG(), 255);
    EXPECT_EQ(icc->getFallBackB(), 44);

    ASSERT_TRUE(attribute.parseValue(L"rgb-icc(-1,1%,200%,#P,1)"));
    icc = as<Drawing::ICCColor>(attribute);
    EXPECT_EQ(icc->getFallBackR(), 255);
    EXPECT_EQ(icc->getFallBackG(), 2);    // 255 / 100, truncated
    EXPECT_EQ(icc->getFallBackB(), 254);  // 510 in its low 8 bits
}

TEST_F(ColorParseTest, IccProblemsWarn30002WithTheWholeText) {
    for (const wchar_t* text : {L"rgb-icc",                      // no "("
                                L"rgb-icc(255,0,0,Coated,0.5)",  // profile without "#"
                                L"rgb-icc(255,0,0,#Coated)",     // no component
                                L"rgb-icc(255,0,0,#Coated,0.5",  // nothing closes the last argument
                                L"rgb-icc(255,,0,#Coated,0.5)",  // empty green
                                L"rgb-icc(255,0,0,,0.5)",        // empty profile
                                L"rgb-icc(1,2,3)",               // no profile
                                L"rgb-icc(255,0,0,#Coated,,0.2,0.3)"})  // c1 empty
    {
        WarningLog log;
        ColorAttribute attribute;
        EXPECT_FALSE(attribute.parseValue(text)) << narrow(text);
        ASSERT_EQ(log.warnings().size(), 1u) << narrow(text);
        EXPECT_TRUE(log.warnings()[0] == expectedWarning(30002, text)) << narrow(text);
    }
}

TEST_F(ColorParseTest, NonNumericIccFallbackFailsSilently) {
    for (const wchar_t* text :
         {L"rgb-icc(x,0,0,#Coated,1)", L"rgb-icc(0,0,1.5,#Coated,1)", L"rgb-icc(x,0,0,#Coated)"}) {
        WarningLog log;
        ColorAttribute attribute;
        EXPECT_FALSE(attribute.parseValue(text)) << narrow(text);
        EXPECT_TRUE(log.warnings().empty()) << narrow(text);
    }
}

TEST_F(ColorParseTest, EveryIccColourHasItsOwnColourSpace) {
    ColorAttribute a;
    ColorAttribute b;
    ASSERT_TRUE(a.parseValue(L"rgb-icc(1,2,3,#P,1)"));
    ASSERT_TRUE(b.parseValue(L"rgb-icc(1,2,3,#P,1)"));
    EXPECT_NE(a->get()->getColorSpace().get(), b->get()->getColorSpace().get());
}

TEST_F(ColorParseTest, NextFunctionArgumentNeverStepsOverTheClosingParenthesis) {
    const Core::String text = L"f( a ,b)x,y";
    int position = 1;
    EXPECT_TRUE(ColorParse::nextFunctionArgument(text, position) == L"a");
    EXPECT_EQ(position, 5);
    EXPECT_TRUE(ColorParse::nextFunctionArgument(text, position) == L"b");
    EXPECT_EQ(position, 7);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(ColorParse::nextFunctionArgument(text, position).empty());
        EXPECT_EQ(position, 7);
    }
    position = 9;  // on the "," after the ")": "y" has no mark after it
    EXPECT_TRUE(ColorParse::nextFunctionArgument(text, position).empty());
}

// ---- spot colours ----

const Drawing::SpotColor* spotOf(const ColorAttribute& attribute) {
    const auto* spot = as<Drawing::SpotColor>(attribute);
    EXPECT_NE(spot, nullptr) << "not a spot colour";
    return spot;
}

TEST_F(ColorParseTest, SpotColourShapes) {
    WarningLog log;
    ColorAttribute attribute;

    ASSERT_TRUE(attribute.parseValue(L"spot-color(Gold,0.5,cmyk(0,0.2,0.6,0))"));
    const auto* spot = spotOf(attribute);
    ASSERT_NE(spot, nullptr);
    EXPECT_TRUE(spot->getColorName() == L"Gold");
    EXPECT_EQ(spot->getTint(), 0.5f);
    ASSERT_TRUE(spot->getColorSubstitute().hasCMYKSubstitute());
    EXPECT_EQ(spot->getColorSubstitute().getM(), static_cast<double>(0.2f));
    EXPECT_EQ(spot->getColorSubstitute().getY(), static_cast<double>(0.6f));

    ASSERT_TRUE(attribute.parseValue(L"spot-color(Gold,cmyk(0,0.2,0.6,0))"));
    spot = spotOf(attribute);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->getTint(), 1.0f);
    EXPECT_EQ(spot->getColorSubstitute().getY(), static_cast<double>(0.6f));

    ASSERT_TRUE(attribute.parseValue(L"spot-color(Pantone 123 C,0.25,rgb(1,2,3))"));
    spot = spotOf(attribute);
    ASSERT_NE(spot, nullptr);
    EXPECT_TRUE(spot->getColorName() == L"Pantone 123 C");  // untrimmed, blanks kept
    EXPECT_EQ(spot->getTint(), 0.25f);
    ASSERT_TRUE(spot->getColorSubstitute().hasRGBSubstitute());
    EXPECT_FALSE(spot->getColorSubstitute().hasCMYKSubstitute());
    EXPECT_EQ(spot->getColorSubstitute().getB(), 3);

    ASSERT_TRUE(attribute.parseValue(L"spot-color(Gold,rgb(1,2,3))"));
    spot = spotOf(attribute);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->getTint(), 1.0f);
    EXPECT_EQ(spot->getColorSubstitute().getG(), 2);

    EXPECT_TRUE(log.warnings().empty());
}

TEST_F(ColorParseTest, SpotColourFallsBackOnTheMapper) {
    Drawing::ColorSubstitute gold;
    gold.setRGB(255, 215, 0);
    Drawing::SpotColorMapper::setColorSubstitute(L"Gold", gold);

    WarningLog log;
    ColorAttribute attribute;
    for (const wchar_t* text : {L"spot-color(Gold)", L"spot-color(Gold,0.5)",
                                L"spot-color(Gold,0.5,rgb(1,2))", L"spot-color(Gold,0.5,red)"}) {
        ASSERT_TRUE(attribute.parseValue(text)) << narrow(text);
        const auto* spot = spotOf(attribute);
        ASSERT_NE(spot, nullptr);
        EXPECT_TRUE(spot->getColorSubstitute() == gold) << narrow(text);
    }
    EXPECT_EQ(spotOf(attribute)->getTint(), 0.5f);
    EXPECT_TRUE(log.warnings().empty());
}

TEST_F(ColorParseTest, SpotColourWithoutSubstituteIsBlackAndWarns30001WithTheName) {
    WarningLog log;
    ColorAttribute attribute;
    ASSERT_TRUE(attribute.parseValue(L"spot-color(Gold)"));
    const auto* spot = spotOf(attribute);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->getTint(), 1.0f);
    ASSERT_TRUE(spot->getColorSubstitute().hasRGBSubstitute());
    EXPECT_EQ(spot->toRGB(), (RGBValue{0, 0, 0}));
    ASSERT_EQ(log.warnings().size(), 1u);
    EXPECT_TRUE(log.warnings()[0] == expectedWarning(30001, L"Gold"));

    // The attribute already holds the colour when the warning is written.
    ColorAttribute observed;
    Core::Log::Handler previous = Core::Log::setHandler([&](Core::Log::Level, const Core::String&) {
        EXPECT_NE(as<Drawing::SpotColor>(observed), nullptr);
    });
    EXPECT_TRUE(observed.parseValue(L"spot-color(Ink,0.3)"));
    Core::Log::setHandler(std::move(previous));
}

TEST_F(ColorParseTest, SpotColourSecondArgumentRules) {
    Drawing::ColorSubstitute any;
    any.setRGB(9, 9, 9);
    Drawing::SpotColorMapper::setColorSubstitute(L"S", any);
    struct Case {
        const wchar_t* text;
        float tint;
    };
    for (const Case& c : {Case{L"spot-color(S,)", 1.0f},         // empty second argument
                          Case{L"spot-color(S,x)", 0.0f},        // a tint without a number
                          Case{L"spot-color(S, 0.75 )", 0.75f},  // read by the number reader
                          Case{L"spot-color(S,0.5,)", 0.5f}}) {
        ColorAttribute attribute;
        ASSERT_TRUE(attribute.parseValue(c.text)) << narrow(c.text);
        const auto* spot = spotOf(attribute);
        ASSERT_NE(spot, nullptr);
        EXPECT_EQ(spot->getTint(), c.tint) << narrow(c.text);
        EXPECT_TRUE(spot->getColorName() == L"S") << narrow(c.text);
    }
}

TEST_F(ColorParseTest, SpotColourLastUnitIsTakenAsItsClosingParenthesis) {
    // With a second argument closed before the end, the last unit is not
    // examined: it ends the colour function whatever it is.
    WarningLog log;
    ColorAttribute attribute;
    ASSERT_TRUE(attribute.parseValue(L"spot-color(Gold,0.5,cmyk(0,0,0,1)x"));
    const auto* spot = spotOf(attribute);
    ASSERT_NE(spot, nullptr);
    EXPECT_EQ(spot->getColorSubstitute().getK(), 1.0);
    EXPECT_TRUE(log.warnings().empty());
}

TEST_F(ColorParseTest, MalformedSpotColoursWarn30000WithTheWholeText) {
    for (const wchar_t* text :
         {L"spot-color(", L"spot-color(Gold", L"spot-color", L"spot-colorGold)",
          L"spot-color(Gold,0.5", L"spot-color(Gold,0.5x", L"spot-color(Gold,cmyk(0"}) {
        WarningLog log;
        ColorAttribute attribute;
        EXPECT_FALSE(attribute.parseValue(text)) << narrow(text);
        ASSERT_EQ(log.warnings().size(), 1u) << narrow(text);
        EXPECT_TRUE(log.warnings()[0] == expectedWarning(30000, text)) << narrow(text);
    }
}

TEST(ColourMessages, AreDistinctFormatsWithOnePlaceholder) {
    const Core::String spot = Core::String::loadString(30000);
    const Core::String missing = Core::String::loadString(30001);
    const Core::String icc = Core::String::loadString(30002);
    for (const Core::String* text : {&spot, &missing, &icc})
        EXPECT_GE(text->find(L"{0}"), 0);
    EXPECT_NE(spot.compare(missing), 0);
    EXPECT_NE(spot.compare(icc), 0);
    EXPECT_NE(missing.compare(icc), 0);
    EXPECT_GE(spot.find(L"spot"), 0);
    EXPECT_GE(missing.find(L"spot"), 0);
    EXPECT_GE(icc.find(L"ICC"), 0);
}

// ---- sharing, failures and reference counts ----

TEST_F(ColorParseTest, AFailedParseKeepsTheColourObject) {
    WarningLog log;
    ColorAttribute attribute;
    ASSERT_TRUE(attribute.parseValue(L"red"));
    const SmartPtr<Drawing::Color> before = attribute.getValue();
    for (const wchar_t* text : {L"Red", L"rgb(1,2)", L"cmyk(1)", L"#12", L"rgb-icc(1,2,3,#P)",
                                L"rgb-icc(x,2,3,#P,1)", L"spot-color(", L""}) {
        EXPECT_FALSE(attribute.parseValue(text)) << narrow(text);
        EXPECT_EQ(attribute.getValue().get(), before.get()) << narrow(text);
    }
    EXPECT_EQ(before->getRefCount(), 2);  // the attribute's and ours
    EXPECT_EQ(rgbOf(attribute), (RGBValue{255, 0, 0}));
}

TEST_F(ColorParseTest, EqualityIsObjectIdentity) {
    ColorAttribute a;
    ColorAttribute b;
    EXPECT_TRUE(a == b.getValue());  // both without colour
    ASSERT_TRUE(a.parseValue(L"red"));
    ASSERT_TRUE(b.parseValue(L"red"));
    EXPECT_FALSE(a == b.getValue());
    EXPECT_TRUE(a != b.getValue());
    b = a;
    EXPECT_TRUE(a == b.getValue());
    EXPECT_FALSE(a != b.getValue());
}

TEST_F(ColorParseTest, ReferenceCountsBalanceAcrossCopiesAssignmentsAndParses) {
    ASSERT_EQ(CountedColor::alive, 0);
    {
        const SmartPtr<Drawing::Color> colour = new CountedColor;
        EXPECT_EQ(colour->getRefCount(), 1);
        {
            ColorAttribute a(colour);
            ColorAttribute b(a);
            ColorAttribute c;
            c = a;
            ColorAttribute d;
            d.copyFrom(b);
            ColorAttribute e;
            e.setValue(colour);
            e = colour;  // replacing a reference by the same object
            EXPECT_EQ(colour->getRefCount(), 6);
            EXPECT_FALSE(a.parseValue(L"nonsense"));
            EXPECT_FALSE(b.parseValue(L"rgb-icc(1,2,3,#P)"));
            EXPECT_EQ(colour->getRefCount(), 6);
            ASSERT_TRUE(c.parseValue(L"none"));
            ASSERT_TRUE(d.parseValue(L"blue"));
            EXPECT_EQ(colour->getRefCount(), 4);
            const ColorAttribute& same = a;
            a = same;  // self-assignment keeps the one reference
            EXPECT_EQ(colour->getRefCount(), 4);
            EXPECT_EQ(CountedColor::alive, 1);
        }
        EXPECT_EQ(colour->getRefCount(), 1);
    }
    EXPECT_EQ(CountedColor::alive, 0);
}

// ---- formatting ----

TEST_F(ColorParseTest, FormatsEachColourClass) {
    struct Case {
        const wchar_t* text;
        const wchar_t* formatted;
    };
    Drawing::ColorSubstitute gold;
    gold.setCMYK(0, 0.25, 0.5, 0);
    Drawing::SpotColorMapper::setColorSubstitute(L"Gold", gold);
    for (const Case& c : {
             Case{L"red", L"rgb(255,0,0)"},
             Case{L"#ff0000", L"rgb(255,0,0)"},
             Case{L"rgb(255,0,0)", L"rgb(255,0,0)"},
             Case{L"#f80", L"rgb(255,136,0)"},
             Case{L"transparent", L""},
             Case{L"none", L""},
             Case{L"cmyk(0,0.5,50%,100)", L"cmyk(0,0.5,0.5,100)"},
             Case{L"rgb-icc(255,0,0,#Coated,0.5)", L"rgb-icc(255,0,0,#Coated,0.5)"},
             Case{L"rgb-icc(255,0,0,#Coated,0.5,0.25)", L"rgb-icc(255,0,0,#Coated,0.5)"},
             Case{L"rgb-icc(1,2,3,#P,0.5,0.25,1)", L"rgb-icc(1,2,3,#P,0.5, 0.25, 1)"},
             Case{L"rgb-icc(1,2,3,#P,0.5,0.25,1,0)", L"rgb-icc(1,2,3,#P,0.5, 0.25, 1, 0)"},
             Case{L"spot-color(Gold)", L"spot-color(Gold,1,cmyk(0,0.25,0.5,0))"},
             Case{L"spot-color(A b,0.5,rgb(1,2,3))", L"spot-color(A b,0.5,rgb(1,2,3))"},
         }) {
        ColorAttribute attribute;
        ASSERT_TRUE(attribute.parseValue(c.text)) << narrow(c.text);
        EXPECT_EQ(narrow(attribute.getValueAsString()), narrow(c.formatted)) << narrow(c.text);
    }
}

TEST_F(ColorParseTest, FormattedTextReadsBackToTheSameValue) {
    for (const wchar_t* text :
         {L"cornflowerblue", L"cmyk(0.1,0.2,0.3,0.4)", L"rgb-icc(9,8,7,#Profile X,0.1,0.2,0.3,0.4)",
          L"spot-color(Gold,0.5,cmyk(0,0.2,0.6,0))", L"spot-color(Gold,0.5,rgb(1,2,3))"}) {
        ColorAttribute first;
        ASSERT_TRUE(first.parseValue(text)) << narrow(text);
        const Core::String formatted = first.getValueAsString();
        ColorAttribute second;
        ASSERT_TRUE(second.parseValue(formatted)) << narrow(formatted);
        EXPECT_TRUE(second.getValueAsString() == formatted) << narrow(formatted);
    }
}

TEST_F(ColorParseTest, FormatsSpotCmykSubstituteAsDoubles) {
    Drawing::ColorSubstitute substitute;
    substitute.setCMYK(0.1, 0.2, 0.3, 0.4);
    const SmartPtr<Drawing::Color> spot = new Drawing::SpotColor(L"Ink", 0.5f, substitute);
    EXPECT_EQ(narrow(ColorParse::getColorAsString(spot)),
              "spot-color(Ink,0.5,cmyk(0.1,0.2,0.3,0.4))");
    // Through the float constructor the values are the floats, widened.
    const SmartPtr<Drawing::Color> narrowed =
        new Drawing::SpotColor(L"Ink", 1.0f, 0.1f, 0.f, 0.f, 0.f);
    EXPECT_EQ(narrow(ColorParse::getColorAsString(narrowed)),
              narrow((Core::StringFormatStream(L"spot-color(Ink,1,cmyk({0},0,0,0))")
                      << static_cast<double>(0.1f))
                         .getString()));
}

TEST_F(ColorParseTest, ColoursWithoutATextFormGiveTheEmptyText) {
    const SmartPtr<Drawing::Color> noSubstitute =
        new Drawing::SpotColor(L"Ink", 1.0f, Drawing::ColorSubstitute());
    EXPECT_TRUE(ColorParse::getColorAsString(noSubstitute).empty());

    const float components[4] = {1, 2, 3, 4};
    const SmartPtr<Drawing::Color> twoComponents =
        new Drawing::ICCColor(2, components, new Drawing::ICCColorSpace(L"P"));
    EXPECT_TRUE(ColorParse::getColorAsString(twoComponents).empty());

    class OtherColor : public Drawing::Color {
      public:
        SmartPtr<Drawing::Color> clone() const override { return new OtherColor; }
        Drawing::RGBValue toRGB() const override { return {}; }
    };
    EXPECT_TRUE(ColorParse::getColorAsString(new OtherColor).empty());
    EXPECT_TRUE(ColorParse::getColorAsString(SmartPtr<Drawing::Color>()).empty());
}

TEST_F(ColorParseTest, IccColourWithoutColourSpaceRaisesAtSmartPtr118) {
    const float components[4] = {0.5f, 0, 0, 0};
    const SmartPtr<Drawing::Color> icc = new Drawing::ICCColor(1, components, nullptr);
    std::vector<Core::String> errors;
    Core::Log::Handler previous =
        Core::Log::setHandler([&](Core::Log::Level level, const Core::String& text) {
            if (level == Core::Log::Level::Error)
                errors.push_back(text);
        });
    try {
        ColorParse::getColorAsString(icc);
        ADD_FAILURE() << "no exception";
    } catch (const Core::NullPointerException& error) {
        EXPECT_STREQ(error.getFile(), "SmartPtr");
        EXPECT_EQ(error.getLine(), 118);
    }
    Core::Log::setHandler(std::move(previous));
    EXPECT_EQ(errors.size(), 1u);  // logged before it was thrown
    EXPECT_EQ(icc->getRefCount(), 1);
}

}  // namespace
