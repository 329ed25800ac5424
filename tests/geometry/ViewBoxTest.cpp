#include "css/geometry/ViewBox.h"

#include <gtest/gtest.h>

namespace {

using Xml::SLength;
using Xml::SLengthOrPercent;
using Xml::ViewBox;

SLengthOrPercent px(float size) {
    return SLengthOrPercent(size, SLength::Px);
}

TEST(ViewBoxValue, DefaultIsTheWholeViewportInPercent) {
    const ViewBox whole;
    EXPECT_TRUE(whole.getX().isPercent());
    EXPECT_EQ(whole.getX().getPercent(), 0);
    EXPECT_EQ(whole.getY(), SLengthOrPercent(0.0f));
    EXPECT_EQ(whole.getWidth(), SLengthOrPercent(1.0f));
    EXPECT_EQ(whole.getHeight(), SLengthOrPercent(1.0f));
    EXPECT_EQ(Xml::TXmlAttribute<ViewBox>().getValue(), whole);
    // Zero per cent is not zero pixels.
    EXPECT_NE(whole, ViewBox(px(0), px(0), SLengthOrPercent(1.0f), SLengthOrPercent(1.0f)));
}

TEST(ViewBoxParse, FourWhiteSpaceSeparatedWords) {
    struct Case {
        const wchar_t* text;
        bool ok;
        ViewBox expected;
    };
    const ViewBox sentinel(px(-1), px(-2), px(-3), px(-4));
    const Case cases[] = {
        {L"0 0 100 50", true, ViewBox(px(0), px(0), px(100), px(50))},
        {L"\t-5  10.5\n1in 50%", true,
         ViewBox(px(-5), px(10.5f), SLengthOrPercent(1, SLength::In), SLengthOrPercent(0.5f))},
        // text after the fourth word is not looked at
        {L"1 2 3 4 5", true, ViewBox(px(1), px(2), px(3), px(4))},
        {L"1 2 3 4 junk", true, ViewBox(px(1), px(2), px(3), px(4))},
        {L"0 0 100", false, sentinel},
        {L"", false, sentinel},
        {L"   ", false, sentinel},
        // commas do not separate: the second word is empty
        {L"0,0,100,50", false, sentinel},
        {L"0 0 100 x", false, sentinel},
        {L"a 0 100 50", false, sentinel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        Xml::TXmlAttribute<ViewBox> attribute(sentinel);
        EXPECT_EQ(attribute.parseValue(c.text), c.ok);
        EXPECT_EQ(attribute, c.expected);
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
}

}  // namespace
