#include "css/geometry/Point.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <tuple>
#include <utility>

#include "tests/lengths/MeasureCases.h"

namespace Xml {

// Shown by gtest for a point that differs.
static void PrintTo(const Point& p, std::ostream* os) {
    *os << '(' << p.getX().getSize() << '/' << p.getX().getUnit() << ", " << p.getY().getSize()
        << '/' << p.getY().getUnit() << ')';
}

}  // namespace Xml

namespace {

using Xml::Point;
using Xml::SLength;
using Xml::SPreserveAspectRatio;
using PointList = Core::Vector<Point>;

Point pt(float x, float y) {
    return Point(SLength(x), SLength(y));
}

TEST(PointList, ReadsPairsSeparatedByCommasBlanksOrSigns) {
    const PointList kept{pt(-7, -7)};
    const std::tuple<const wchar_t*, bool, PointList> cases[] = {
        // clang-format off
        {L"", true, {}},  {L"   ", true, {}},
        {L"10,20 30,40", true, {pt(10, 20), pt(30, 40)}},
        {L"10 20 30 40", true, {pt(10, 20), pt(30, 40)}},
        {L"  10, 20\t30,\n40", true, {pt(10, 20), pt(30, 40)}},
        {L"10,20-30,40", true, {pt(10, 20), pt(-30, 40)}},  {L"10-20", true, {pt(10, -20)}},
        {L"-10-20-30-40", true, {pt(-10, -20), pt(-30, -40)}},
        // a "-" inside a number ends it, exponents included: "1e" is no length
        {L"1e-2,3", false, kept},  {L"1e2,3", true, {pt(100, 3)}},
        {L"1in 50%", true, {Point(SLength(1, SLength::In), SLength(0.5f, SLength::Percent))}},
        // a lone last coordinate is dropped without failing, unless white
        // space follows it, which asks for an empty y
        {L"10 20 ", true, {pt(10, 20)}},  {L"10 20 30", true, {pt(10, 20)}},  {L"10", true, {}},
        {L"10 20 30 ", false, kept},
        // a number that is not an SVG length fails the whole list
        {L"10 x 30 40", false, kept},  {L"10,,20", false, kept},  {L"10 ,20", false, kept},
        {L"5x 20", false, kept},
        // one separator after y is passed, then white space before x
        {L"10 20, 30 40", true, {pt(10, 20), pt(30, 40)}},  {L"10 20 ,30 40", false, kept},
        // clang-format on
    };
    for (const auto& [text, ok, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        Xml::TXmlAttribute<PointList> attribute(kept);
        EXPECT_EQ(attribute.parseValue(text), ok);
        EXPECT_EQ(attribute.getValue(), expected);
    }
}

TEST(PointList, WritesPixelsSeparatedByCommas) {
    // Units are converted; a percentage writes its fraction. docs/attributes.md
    // has texts of pixels, inches and points and a point in ex, which raises.
    const PointList units{Point(SLength(1, SLength::In), SLength(72, SLength::Pt)),
                          Point(SLength(1, SLength::Pc), SLength(0.5f, SLength::Percent))};
    EXPECT_EQ(Point::getPointListValueAsString(units), L"96 96,16 0.5");
}

TEST(AspectRatio, EveryAlignmentWithEveryMeetOrSliceWord) {
    // clang-format off
    const std::pair<const wchar_t*, int> aligns[] = {
        {L"xMinYMin", 72},  {L"xMidYMin", 80},  {L"xMaxYMin", 96},
        {L"xMinYMid", 136}, {L"xMidYMid", 144}, {L"xMaxYMid", 160},
        {L"xMinYMax", 264}, {L"xMidYMax", 272}, {L"xMaxYMax", 288},
        // other words align to the middle
        {L"bogus", 144}, {L"xminymin", 144}, {L"XMinYMin", 144}, {L"xMinxMin", 144},
        {L"xMinYMi", 144}, {L"None", 144},
    };
    const std::pair<const wchar_t*, int> seconds[] = {
        {L"", 2}, {L"meet", 2}, {L"slice", 4}, {L"bogus", 0}, {L"Slice", 0}, {L"meet,", 0},
    };
    // clang-format on
    for (const auto& [align, alignBits] : aligns) {
        for (const auto& [second, secondBits] : seconds) {
            const std::wstring text = std::wstring(align) + L" " + second;
            Xml::TXmlAttribute<SPreserveAspectRatio> attribute(SPreserveAspectRatio(-1));
            EXPECT_TRUE(attribute.parseValue(Core::String(text.c_str())));
            EXPECT_EQ(attribute->getAspectRatio(), alignBits + secondBits) << text.c_str();
        }
    }
    // "none" alone; words are taken across any white space, the rest ignored
    // clang-format off
    const std::pair<const wchar_t*, int> cases[] = {
        {L"none", 1}, {L"none slice", 1}, {L"", 146}, {L"\txMinYMin\n  slice  ", 76},
        {L"xMinYMin meet extra words", 74},
    };
    // clang-format on
    for (const auto& [text, value] : cases) {
        Xml::TXmlAttribute<SPreserveAspectRatio> attribute;
        EXPECT_TRUE(attribute.parseValue(text));
        EXPECT_EQ(attribute, SPreserveAspectRatio(value)) << "text " << text;
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
    EXPECT_EQ(Xml::TXmlAttribute<SPreserveAspectRatio>()->getAspectRatio(), 146);
}

TEST(Rectangle, FourCommaSeparatedNumbersInsideRect) {
    using Drawing::RectF;
    const RectF kept(-9, -9, -9, -9);
    const std::tuple<const wchar_t*, bool, RectF> cases[] = {
        // clang-format off
        {L"rect(1,2,3,4)", true, {1, 2, 3, 4}},
        {L"rect(-1.5,2e1,.5,0)", true, {-1.5f, 20, 0.5f, 0}},
        {L"rect( 1, 2, 3, 4 )", true, {1, 2, 3, 4}},  {L"rect(1,2,3,4%)", true, {1, 2, 3, 4}},
        {L"rect(1,2,3)", false, kept},      {L"rect(1,2,3,4,5)", false, kept},
        {L"RECT(1,2,3,4)", false, kept},    {L"rect (1,2,3,4)", false, kept},
        {L" rect(1,2,3,4)", false, kept},   {L"rect(1,2,3,4) ", false, kept},
        {L"rect(1,2,x,4)", false, kept},    {L"rect(1,2,3,4px)", false, kept},
        {L"rect(,,,)", false, kept},        {L"rect()", false, kept},  {L"rect)", false, kept},
        // clang-format on
    };
    for (const auto& [text, ok, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        Xml::TXmlAttribute<RectF> attribute(kept);
        EXPECT_EQ(attribute.parseValue(text), ok);
        EXPECT_EQ(attribute, expected);
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
    const RectF withNaN(0, std::numeric_limits<float>::quiet_NaN(), 0, 0);
    const RectF& same = withNaN;
    EXPECT_FALSE(withNaN == same);
    EXPECT_TRUE(withNaN != same);
}

}  // namespace
