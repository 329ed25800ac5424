#include "css/geometry/Point.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "tests/lengths/MeasureCases.h"

namespace {

using Xml::Point;
using Xml::SLength;
using Xml::SPreserveAspectRatio;
using PointList = Core::Vector<Point>;

Point pt(float x, float y) {
    return Point(SLength(x), SLength(y));
}

const PointList kSentinel{pt(-7, -7)};

struct PointCase {
    const wchar_t* text;
    bool ok;
    std::vector<Point> expected;
};

TEST(PointList, ReadsPairsSeparatedByCommasBlanksOrSigns) {
    const PointCase cases[] = {
        {L"", true, {}},
        {L"   ", true, {}},
        {L"10,20 30,40", true, {pt(10, 20), pt(30, 40)}},
        {L"10 20 30 40", true, {pt(10, 20), pt(30, 40)}},
        {L"  10, 20\t30,\n40", true, {pt(10, 20), pt(30, 40)}},
        {L"10,20-30,40", true, {pt(10, 20), pt(-30, 40)}},
        {L"10-20", true, {pt(10, -20)}},
        {L"-10-20-30-40", true, {pt(-10, -20), pt(-30, -40)}},
        // a "-" inside a number ends it, exponents included: "1e" is no length
        {L"1e-2,3", false, {}},
        {L"1e2,3", true, {pt(100, 3)}},
        {L"1in 50%", true, {Point(SLength(1, SLength::In), SLength(0.5f, SLength::Percent))}},
        {L"10 20 ", true, {pt(10, 20)}},
        // a lone last coordinate is dropped, without failing
        {L"10 20 30", true, {pt(10, 20)}},
        {L"10", true, {}},
        // ... but one followed by white space asks for an empty y
        {L"10 20 30 ", false, {}},
        // a number that is not an SVG length fails the whole list
        {L"10 x 30 40", false, {}},
        {L"10,,20", false, {}},
        {L"10 ,20", false, {}},
        {L"5x 20", false, {}},
        // one separator after y is passed, then white space before x
        {L"10 20, 30 40", true, {pt(10, 20), pt(30, 40)}},
        {L"10 20 ,30 40", false, {}},
    };
    for (const PointCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        PointList points = kSentinel;
        EXPECT_EQ(Point::parsePointList(points, c.text), c.ok);
        if (!c.ok) {
            EXPECT_EQ(points, kSentinel);
            continue;
        }
        ASSERT_EQ(points.size(), static_cast<int>(c.expected.size()));
        for (int i = 0; i < points.size(); ++i) {
            EXPECT_EQ(points[i].getX(), c.expected[i].getX()) << "point " << i;
            EXPECT_EQ(points[i].getY(), c.expected[i].getY()) << "point " << i;
        }
    }
}

TEST(PointList, WritesPixelsSeparatedByCommas) {
    EXPECT_EQ(Point::getPointListValueAsString(PointList{}), L"");
    EXPECT_EQ(Point::getPointListValueAsString(PointList{pt(10, 20), pt(30, 40)}), L"10 20,30 40");
    EXPECT_EQ(Point::getPointListValueAsString(PointList{pt(-1.5f, 0.25f)}), L"-1.5 0.25");
    // Units are converted; a percentage writes its fraction.
    const PointList units{Point(SLength(1, SLength::In), SLength(72, SLength::Pt)),
                          Point(SLength(1, SLength::Pc), SLength(0.5f, SLength::Percent))};
    EXPECT_EQ(Point::getPointListValueAsString(units), L"96 96,16 0.5");
}

TEST(PointList, WritingAnExLengthRaisesLikeItsPixelSize) {
    const PointList points{Point(SLength(1, SLength::Ex), SLength(2))};
    measure_test::expectUnreacheable([&] { Point::getPointListValueAsString(points); },
                                     "LengthAttribute", 302);
}

TEST(PointList, AttributeParsesAndWritesItsList) {
    Xml::TXmlAttribute<PointList> attribute;
    EXPECT_TRUE(attribute.parseValue(L"1,2 3,4"));
    EXPECT_EQ(attribute.getValueAsString(), L"1 2,3 4");
    EXPECT_TRUE(attribute.parseValue(L"5 6"));
    EXPECT_EQ(attribute, (PointList{pt(5, 6)}));
    EXPECT_FALSE(attribute.parseValue(L"5 q"));
    EXPECT_EQ(attribute, (PointList{pt(5, 6)}));
    EXPECT_NE(attribute, (PointList{pt(6, 5)}));
}

TEST(AspectRatio, EveryAlignmentWithEveryMeetOrSliceWord) {
    struct Align {
        const wchar_t* word;
        int value;
    };
    // The nine alignments, then words that align to the middle.
    const Align aligns[] = {{L"xMinYMin", 72},  {L"xMidYMin", 80},  {L"xMaxYMin", 96},
                            {L"xMinYMid", 136}, {L"xMidYMid", 144}, {L"xMaxYMid", 160},
                            {L"xMinYMax", 264}, {L"xMidYMax", 272}, {L"xMaxYMax", 288},
                            {L"bogus", 144},    {L"xminymin", 144}, {L"XMinYMin", 144},
                            {L"xMinxMin", 144}, {L"xMinYMi", 144}};
    struct Second {
        const wchar_t* word;
        int bits;
    };
    const Second seconds[] = {{L"", 2},      {L"meet", 2},  {L"slice", 4},
                              {L"bogus", 0}, {L"Slice", 0}, {L"meet,", 0}};
    for (const Align& a : aligns) {
        for (const Second& s : seconds) {
            Core::String text(a.word);
            text += L" ";
            text += s.word;
            SCOPED_TRACE(testing::Message() << "text \"" << text.c_str() << "\"");
            Xml::TXmlAttribute<SPreserveAspectRatio> attribute(SPreserveAspectRatio(-1));
            EXPECT_TRUE(attribute.parseValue(text));
            EXPECT_EQ(attribute->getAspectRatio(), a.value + s.bits);
        }
    }
}

TEST(AspectRatio, NoneWordsAndDefaults) {
    struct Case {
        const wchar_t* text;
        int value;
    };
    const Case cases[] = {{L"none", 1},
                          {L"none slice", 1},
                          {L"None", 146},
                          {L"xMinYMax slice", 268},
                          {L"xMaxYMid", 162},
                          {L"bogus", 146},
                          {L"xMidYMid bogus", 144},
                          {L"", 146},
                          {L"\txMinYMin\n  slice  ", 76},
                          {L"xMinYMin meet extra words", 74}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        Xml::TXmlAttribute<SPreserveAspectRatio> attribute;
        EXPECT_TRUE(attribute.parseValue(c.text));
        EXPECT_EQ(attribute, SPreserveAspectRatio(c.value));
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
    EXPECT_EQ(Xml::TXmlAttribute<SPreserveAspectRatio>()->getAspectRatio(), 146);
    EXPECT_NE(SPreserveAspectRatio(72), SPreserveAspectRatio(74));
}

TEST(Rectangle, FourCommaSeparatedNumbersInsideRect) {
    struct Case {
        const wchar_t* text;
        bool ok;
        Drawing::RectF expected;
    };
    const Case cases[] = {
        {L"rect(1,2,3,4)", true, {1, 2, 3, 4}},
        {L"rect(-1.5,2e1,.5,0)", true, {-1.5f, 20, 0.5f, 0}},
        {L"rect( 1, 2, 3, 4 )", true, {1, 2, 3, 4}},
        {L"rect(1,2,3,4%)", true, {1, 2, 3, 4}},
        {L"rect(1,2,3)", false, {}},
        {L"rect(1,2,3,4,5)", false, {}},
        {L"RECT(1,2,3,4)", false, {}},
        {L"rect (1,2,3,4)", false, {}},
        {L" rect(1,2,3,4)", false, {}},
        {L"rect(1,2,3,4) ", false, {}},
        {L"rect(1,2,x,4)", false, {}},
        {L"rect(1,2,3,4px)", false, {}},
        {L"rect(,,,)", false, {}},
        {L"rect()", false, {}},
        {L"rect)", false, {}},
    };
    const Drawing::RectF sentinel(-9, -9, -9, -9);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        Xml::TXmlAttribute<Drawing::RectF> attribute(sentinel);
        EXPECT_EQ(attribute.parseValue(c.text), c.ok);
        EXPECT_EQ(attribute, c.ok ? c.expected : sentinel);
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
}

TEST(Rectangle, DefaultIsZeroAndEqualityIsExact) {
    EXPECT_EQ(Drawing::RectF(), Drawing::RectF(0, 0, 0, 0));
    EXPECT_EQ(Xml::TXmlAttribute<Drawing::RectF>().getValue(), Drawing::RectF());
    EXPECT_NE(Drawing::RectF(1, 2, 3, 4), Drawing::RectF(1, 2, 3, 5));
    const Drawing::RectF withNaN(0, std::numeric_limits<float>::quiet_NaN(), 0, 0);
    const Drawing::RectF& same = withNaN;
    EXPECT_FALSE(withNaN == same);
    EXPECT_TRUE(withNaN != same);
}

}  // namespace
