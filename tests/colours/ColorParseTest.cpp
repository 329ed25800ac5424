#include "css/colours/ColorParse.h"

#include <gtest/gtest.h>

#include "platform/Exception.h"
#include "tests/colours/ColourTestSupport.h"

namespace {

using colour_test::expectedWarning;
using colour_test::LogCapture;
using colour_test::narrow;
using Xml::ColorAttribute;
using Xml::ColorParse;
using Xml::SmartPtr;

// The spot colour "Gold" has a known substitute in every test here.
class ColorParseTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Drawing::SpotColorMapper::clearColorSubstitutes();
        Drawing::ColorSubstitute gold;
        gold.setCMYK(0, 0.25, 0.5, 0);
        Drawing::SpotColorMapper::setColorSubstitute(L"Gold", gold);
    }
    void TearDown() override { Drawing::SpotColorMapper::clearColorSubstitutes(); }
};

// Parses text into an attribute holding another colour and checks the colour
// written back (nullptr: rejected, and the old colour object is kept with its
// references), that the written text reads back to itself, and the warnings:
// exactly one numbered `warning` whose argument is `argument` (default the
// whole text), or none for 0.
void expectParse(const wchar_t* text, const wchar_t* written, int warning = 0,
                 const wchar_t* argument = nullptr) {
    SCOPED_TRACE(narrow(text));
    ColorAttribute attribute(SmartPtr<Drawing::Color>(new Drawing::RGBColor(7, 7, 7)));
    const SmartPtr<Drawing::Color> before = attribute.getValue();
    {
        LogCapture log;
        EXPECT_EQ(attribute.parseValue(text), written != nullptr);
        const auto logged = log.take();
        if (warning == 0) {
            EXPECT_TRUE(logged.empty());
        } else {
            ASSERT_EQ(logged.size(), 1u);
            EXPECT_EQ(logged[0].level, Core::Log::Level::Warning);
            EXPECT_EQ(logged[0].text, narrow(expectedWarning(warning, argument ? argument : text)));
        }
    }
    EXPECT_EQ(before->getRefCount(), written ? 1 : 2);
    if (written == nullptr) {
        EXPECT_EQ(attribute.getValue().get(), before.get());
        return;
    }
    const Core::String formatted = attribute.getValueAsString();
    EXPECT_EQ(narrow(formatted), narrow(written));
    ColorAttribute again;
    if (!formatted.empty()) {
        ASSERT_TRUE(again.parseValue(formatted));
        EXPECT_EQ(narrow(again.getValueAsString()), narrow(written));
    }
}

TEST_F(ColorParseTest, AcceptedTextsAndTheColourWrittenBack) {
    // clang-format off
    const struct { const wchar_t* text; const wchar_t* written; } cases[] = {
        // rgb(): integers kept to their low 8 bits; only the prefix is tested,
        // nothing after ")" is read, components go untrimmed to the number reader.
        {L"rgb(300,-1,256)", L"rgb(44,255,0)"},       {L"rgb(-256,-255,1000)", L"rgb(0,1,232)"},
        {L"rgbx(1,2,3)", L"rgb(1,2,3)"},             {L"rgb(1,2,3)junk", L"rgb(1,2,3)"},
        {L"rgb(50%,0,0)", L"rgb(50,0,0)"},           {L"rgb( 255, 0 ,0 )", L"rgb(255,0,0)"},
        {L"#f80", L"rgb(255,136,0)"},                {L"#FF8800", L"rgb(255,136,0)"},
        {L"#a1B2c3", L"rgb(161,178,195)"},           {L"red", L"rgb(255,0,0)"},
        {L"transparent", L""},                       {L"none", L""},
        // cmyk(): a final "%" divides by 100 in double; components are stored as floats.
        {L"cmyk(0,1,0,100)", L"cmyk(0,1,0,100)"},    {L"cmyk(50% ,0,0,0)", L"cmyk(50,0,0,0)"},
        {L"cmyk(50%,10%,0.3,33%)",
         L"cmyk(0.5,0.10000000149011612,0.30000001192092896,0.33000001311302185)"},
        // rgb-icc(): 1, 3 or 4 components (a second alone is not counted, a
        // missing number reads 0); fallback percentages of 255, low 8 bits.
        {L"rgb-icc(255,0,0,#P,0.1,0.2,0.3,0.4)", L"rgb-icc(255,0,0,#P,0.1, 0.2, 0.3, 0.4)"},
        {L"rgb-icc(1,2,3,#P,0.5)", L"rgb-icc(1,2,3,#P,0.5)"},
        {L"rgb-icc(1,2,3,#P,0.1,0.2)", L"rgb-icc(1,2,3,#P,0.1)"},
        {L"rgb-icc(1,2,3,#P,0.1,0.2,0.3)", L"rgb-icc(1,2,3,#P,0.1, 0.2, 0.3)"},
        {L"rgb-icc(1,2,3,#P, 0.1 , 0.2,0.3,0.4,0.5)", L"rgb-icc(1,2,3,#P,0.1, 0.2, 0.3, 0.4)"},
        {L"rgb-icc(1,2,3,#P,x)", L"rgb-icc(1,2,3,#P,0)"},
        {L"rgb-icc(1,2,3,#P,0.1,,0.3)", L"rgb-icc(1,2,3,#P,0.1)"},
        {L"rgb-icc(50%,100%,300,#P,1)", L"rgb-icc(127,255,44,#P,1)"},
        {L"rgb-icc(-1,1%,200%,#Profile X,1)", L"rgb-icc(255,2,254,#Profile X,1)"},
        // spot-color(): tint 1 by default, the name untrimmed; a substitute
        // that is absent or unreadable comes from the mapper.
        {L"spot-color(Gold,0.5,cmyk(0,0.2,0.6,0))",
         L"spot-color(Gold,0.5,cmyk(0,0.20000000298023224,0.6000000238418579,0))"},
        {L"spot-color(Gold,cmyk(0,0.5,0.75,1))", L"spot-color(Gold,1,cmyk(0,0.5,0.75,1))"},
        {L"spot-color(Pantone 12 C,0.25,rgb(1,2,3))", L"spot-color(Pantone 12 C,0.25,rgb(1,2,3))"},
        {L"spot-color(Ink,rgb(1,2,3))", L"spot-color(Ink,1,rgb(1,2,3))"},
        {L"spot-color(Gold)", L"spot-color(Gold,1,cmyk(0,0.25,0.5,0))"},
        {L"spot-color(Gold,0.5)", L"spot-color(Gold,0.5,cmyk(0,0.25,0.5,0))"},
        {L"spot-color(Gold,0.5,rgb(1,2))", L"spot-color(Gold,0.5,cmyk(0,0.25,0.5,0))"},
        {L"spot-color(Gold,0.5,red)", L"spot-color(Gold,0.5,cmyk(0,0.25,0.5,0))"},
        {L"spot-color(Gold,)", L"spot-color(Gold,1,cmyk(0,0.25,0.5,0))"},
        {L"spot-color(Gold,x)", L"spot-color(Gold,0,cmyk(0,0.25,0.5,0))"},
        {L"spot-color(Gold, 0.75 )", L"spot-color(Gold,0.75,cmyk(0,0.25,0.5,0))"},
        {L"spot-color(Gold,0.5,)", L"spot-color(Gold,0.5,cmyk(0,0.25,0.5,0))"},
        // With a second argument closed before the end, the last unit is
        // taken as the closing parenthesis whatever it is.
        {L"spot-color(Ink,0.5,cmyk(0,0,0,1)x", L"spot-color(Ink,0.5,cmyk(0,0,0,1))"},
    };
    // clang-format on
    for (const auto& c : cases)
        expectParse(c.text, c.written);
    // Without a substitute a spot colour is black and warns with its name.
    expectParse(L"spot-color(Ink,0.3)", L"spot-color(Ink,0.3,rgb(0,0,0))", 30001, L"Ink");
}

TEST_F(ColorParseTest, RejectedTextsKeepTheColourAndWarnOnlyWhereDue) {
    // clang-format off
    for (const wchar_t* text : {
             L"rgb(255,0,0", L"rgb(1,2)", L"rgb", L"rgb 1,2,3", L"rgb(a,0,0)", L"rgb(1.5,0,0)",
             L"rgb(1,,3)", L"rgb(1)2,3)", L"RGB(1,2,3)", L"cmyk(0,0,0)", L"cmyk(0,0,0,0",
             L"cmyk(0,0,x,0)", L"cmyk(0,0,,0)", L"#ff88", L"#ff88001", L"#", L"#ggg", L"#12345g",
             L"#0x0000", L"", L"Red", L" red", L"red ", L"currentColor", L"inherit",
             // a fallback that is not an integer fails before any warning
             L"rgb-icc(x,0,0,#Coated,1)", L"rgb-icc(0,0,1.5,#Coated,1)", L"rgb-icc(x,0,0,#Coated)"})
        expectParse(text, nullptr);
    // Each ICC problem warns with the whole text: no "(", a profile without
    // "#", no component, an unclosed last argument, an empty fallback,
    // profile or first component, no profile at all.
    for (const wchar_t* text : {
             L"rgb-icc", L"rgb-icc(255,0,0,Coated,0.5)", L"rgb-icc(255,0,0,#Coated)",
             L"rgb-icc(255,0,0,#Coated,0.5", L"rgb-icc(255,,0,#Coated,0.5)",
             L"rgb-icc(255,0,0,,0.5)", L"rgb-icc(255,0,0,#Coated,,0.2,0.3)", L"rgb-icc(1,2,3)"})
        expectParse(text, nullptr, 30002);
    for (const wchar_t* text : {
             L"spot-color(", L"spot-color(Gold", L"spot-color", L"spot-colorGold)",
             L"spot-color(Gold,0.5", L"spot-color(Gold,0.5x", L"spot-color(Gold,cmyk(0"})
        expectParse(text, nullptr, 30000);
    // clang-format on
}

TEST_F(ColorParseTest, TheAttributeHoldsTheSpotColourWhenTheWarningIsWritten) {
    ColorAttribute observed;
    int calls = 0;
    Core::Log::Handler previous = Core::Log::setHandler([&](Core::Log::Level, const Core::String&) {
        ++calls;
        EXPECT_NE(dynamic_cast<const Drawing::SpotColor*>(observed.getValue().get()), nullptr);
    });
    EXPECT_TRUE(observed.parseValue(L"spot-color(Ink,0.3)"));
    Core::Log::setHandler(std::move(previous));
    EXPECT_EQ(calls, 1);
}

TEST(ColourMessages, AreDistinctFormatsWithOnePlaceholder) {
    const Core::String spot = Core::String::loadString(30000);
    const Core::String missing = Core::String::loadString(30001);
    const Core::String icc = Core::String::loadString(30002);
    for (const Core::String* text : {&spot, &missing, &icc})
        EXPECT_GE(text->find(L"{0}"), 0);
    EXPECT_TRUE(spot.compare(missing) != 0 && spot.compare(icc) != 0 && missing.compare(icc) != 0);
    EXPECT_TRUE(spot.find(L"spot") >= 0 && missing.find(L"spot") >= 0 && icc.find(L"ICC") >= 0);
    EXPECT_TRUE(Core::String::loadString(1).empty());
}

TEST(ColorParse, NextFunctionArgumentNeverStepsOverTheClosingParenthesis) {
    const Core::String text = L"f( a ,b)x,y";
    int position = 1;
    EXPECT_EQ(narrow(ColorParse::nextFunctionArgument(text, position)), "a");
    EXPECT_EQ(position, 5);
    EXPECT_EQ(narrow(ColorParse::nextFunctionArgument(text, position)), "b");
    EXPECT_EQ(position, 7);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(ColorParse::nextFunctionArgument(text, position).empty());
        EXPECT_EQ(position, 7);
    }
    position = 9;  // on the "," after the ")": "y" has no mark after it
    EXPECT_TRUE(ColorParse::nextFunctionArgument(text, position).empty());
}

TEST(ColorParse, EveryIccColourHasItsOwnColourSpace) {
    ColorAttribute a;
    ColorAttribute b;
    ASSERT_TRUE(a.parseValue(L"rgb-icc(1,2,3,#P,1)"));
    ASSERT_TRUE(b.parseValue(L"rgb-icc(1,2,3,#P,1)"));
    EXPECT_NE(a->get()->getColorSpace().get(), b->get()->getColorSpace().get());
}

TEST(ColorParse, WritesColoursMadeInCode) {
    class OtherColor : public Drawing::Color {
      public:
        SmartPtr<Drawing::Color> clone() const override { return new OtherColor; }
        Drawing::RGBValue toRGB() const override { return {}; }
    };
    Drawing::ColorSubstitute doubles;
    doubles.setCMYK(0.1, 0.2, 0.3, 0.4);
    const float components[4] = {1, 2, 3, 4};
    const struct {
        SmartPtr<Drawing::Color> colour;
        const char* text;
    } cases[] = {{new Drawing::SpotColor(L"Ink", 0.5f, doubles),
                  "spot-color(Ink,0.5,cmyk(0.1,0.2,0.3,0.4))"},
                 // through the float constructor the values are the floats, widened
                 {new Drawing::SpotColor(L"Ink", 1.0f, 0.1f, 0.f, 0.f, 0.f),
                  "spot-color(Ink,1,cmyk(0.10000000149011612,0,0,0))"},
                 // no text form: a spot colour without substitute, two ICC components,
                 // another colour class, no colour
                 {new Drawing::SpotColor(L"Ink", 1.0f, Drawing::ColorSubstitute()), ""},
                 {new Drawing::ICCColor(2, components, new Drawing::ICCColorSpace(L"P")), ""},
                 {new OtherColor, ""},
                 {nullptr, ""}};
    for (const auto& c : cases)
        EXPECT_EQ(narrow(ColorParse::getColorAsString(c.colour)), c.text);
}

TEST(ColorParse, IccColourWithoutColourSpaceRaisesAtSmartPtr118) {
    const float components[4] = {0.5f, 0, 0, 0};
    const SmartPtr<Drawing::Color> icc = new Drawing::ICCColor(1, components, nullptr);
    test_support::expectRaisedAt<Core::NullPointerException>(
        [&] { ColorParse::getColorAsString(icc); }, "SmartPtr", 118);
    EXPECT_EQ(icc->getRefCount(), 1);
}

}  // namespace
