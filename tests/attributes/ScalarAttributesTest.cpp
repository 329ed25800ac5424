#include "css/attributes/ScalarAttributes.h"

#include <gtest/gtest.h>

#include <type_traits>

namespace {

using Xml::TXmlAttribute;

// The model fixes three virtual operations and no virtual destructor.
static_assert(!std::has_virtual_destructor_v<Xml::XmlAttribute>);
static_assert(sizeof(TXmlAttribute<int>) == sizeof(void*) + sizeof(void*));
static_assert(!std::is_destructible_v<Xml::XmlAttribute>);

// Each text parsed into an attribute holding "previous": accepted, and the address held.
TEST(ScalarAttributes, UrlReadsFunctionalAndPlainAddresses) {
    // clang-format off
    const struct { const wchar_t* text; bool accepted; const wchar_t* url; } cases[] = {
        {L"url('a.png')", true, L"a.png"},      {L"url( \"a.png\" )", true, L"a.png"},
        {L"url(a.png)", true, L"a.png"},        {L"url(x)", true, L"x"},
        {L"url()", true, L""},                  {L"url( ' ' )", true, L""},
        {L"url('a b' )tail", true, L"a b"},     {L"url(  'open.png", true, L"open.png"},
        {L"url(x ", true, L"x "},               // no ")": nothing trailing is dropped
        {L"urlfoo(bar)", true, L"bar"},         {L"url", true, L"url"},
        {L"url(", false, L"previous"},          {L"url-no-paren", false, L"previous"},
        {L"images/a.png", true, L"images/a.png"}, {L" url(a)", true, L" url(a)"},
        {L"URL(a)", true, L"URL(a)"},           {L"http://x/y", true, L"http://x/y"},
        {L"", true, L""},
    };
    // clang-format on
    for (const auto& c : cases) {
        TXmlAttribute<Xml::Url> attribute(Xml::Url(L"previous"));
        EXPECT_EQ(attribute.parseValue(c.text), c.accepted) << testing::PrintToString(c.text);
        EXPECT_EQ(attribute->getUrl(), c.url) << testing::PrintToString(c.text);
    }
}

TEST(ScalarAttributes, FailedParsesKeepTheHeldValue) {
    TXmlAttribute<int> number(12);
    EXPECT_EQ(number.getValueAsString(), L"12");
    EXPECT_FALSE(number.parseValue(L"abc"));
    EXPECT_FALSE(number.parseValue(L"99999999999"));
    EXPECT_EQ(number.getValue(), 12);
    EXPECT_TRUE(number.parseValue(L" -3% "));
    EXPECT_EQ(*number, -3);

    TXmlAttribute<float> ratio(0.5f);
    EXPECT_EQ(ratio.getValueAsString(), L"0.5");
    EXPECT_FALSE(ratio.parseValue(L"1.5.2"));
    EXPECT_EQ(ratio.getValue(), 0.5f);

    TXmlAttribute<Drawing::ImageFilter> filter(Drawing::ImageFilter(3, 9));
    EXPECT_FALSE(filter.parseValue(L"3:"));
    EXPECT_EQ(filter.getValue(), Drawing::ImageFilter(3, 9));
}

TEST(ScalarAttributes, ImageFilterTextRoundTrips) {
    for (const Drawing::ImageFilter f : {Drawing::ImageFilter(), Drawing::ImageFilter(1, 2),
                                         Drawing::ImageFilter(4294967295u, 7)}) {
        Drawing::ImageFilter back(9, 9);
        ASSERT_TRUE(Drawing::ImageFilter::parseFilter(back, f.toString()));
        EXPECT_EQ(back, f);
    }
    for (const wchar_t* bad :
         {L"", L":", L"1", L"1:", L":1", L"1:2:3", L" 1:2", L"1:2 ", L"-1:2", L"4294967296:0"}) {
        Drawing::ImageFilter out(5, 6);
        EXPECT_FALSE(Drawing::ImageFilter::parseFilter(out, bad)) << bad;
        EXPECT_EQ(out, Drawing::ImageFilter(5, 6));
    }
}

}  // namespace
