#include "css/geometry/ViewBox.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Xml::SLength;
using Xml::SLengthOrPercent;
using Xml::ViewBox;

SLengthOrPercent px(float size) {
    return SLengthOrPercent(size, SLength::Px);
}

TEST(ViewBoxAttribute, FourWhiteSpaceSeparatedWords) {
    // The default (in docs/attributes.md) is the whole viewport in per cent, which is not 0px.
    EXPECT_NE(ViewBox(), ViewBox(px(0), px(0), 1.0f, 1.0f));

    const ViewBox kept(px(-1), px(-2), px(-3), px(-4));
    const std::tuple<const wchar_t*, bool, ViewBox> cases[] = {
        // clang-format off
        {L"0 0 100 50", true, ViewBox(px(0), px(0), px(100), px(50))},
        {L"\t-5  10.5\n1in 50%", true,
         ViewBox(px(-5), px(10.5f), SLengthOrPercent(1, SLength::In), 0.5f)},
        // text after the fourth word is not looked at
        {L"1 2 3 4 5", true, ViewBox(px(1), px(2), px(3), px(4))},
        {L"1 2 3 4 junk", true, ViewBox(px(1), px(2), px(3), px(4))},
        {L"0 0 100", false, kept},  {L"", false, kept},  {L"   ", false, kept},
        // commas do not separate: the second word is empty
        {L"0,0,100,50", false, kept},  {L"0 0 100 x", false, kept},  {L"a 0 100 50", false, kept},
        // clang-format on
    };
    for (const auto& [text, ok, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        Xml::TXmlAttribute<ViewBox> attribute(kept);
        EXPECT_EQ(attribute.parseValue(text), ok);
        EXPECT_EQ(attribute, expected);
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
}

}  // namespace
