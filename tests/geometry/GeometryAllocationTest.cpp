// The geometry scanners allocate the list they return and nothing per number,
// command, point or transform.
#include <gtest/gtest.h>

#include <string>

#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
#include "css/geometry/Transform.h"
#include "css/geometry/ViewBox.h"
#include "tests/support/AllocationCounter.h"

namespace {

using test_support::AllocationCounter;

Core::String repeated(const std::wstring& piece, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return Core::String(text.c_str());
}

TEST(GeometryAllocation, PathDataAllocatesItsListOnly) {
    // Dense and sparse paths: the held list is either the scan's storage or
    // one exact copy of it.
    const Core::String texts[] = {
        repeated(L"M 10.5 -20 C1,2 3,4 5,6 a25 26 -30 0 1 50-25 l1e2 3mm h4 z ", 500),
        repeated(L"M 1000.000001 2000.000002 L 30000.00003 40000.00004 ", 500),
        repeated(L"zZ", 2),
    };
    for (const Core::String& text : texts) {
        Xml::TXmlAttribute<Core::Vector<Xml::PathDataCommand>> attribute;
        long counted = 0;
        {
            AllocationCounter counter;
            attribute.parseValue(text);
            counted = counter.count();
        }
        EXPECT_GT(attribute->size(), 0);
        EXPECT_LE(counted, 2);
    }
}

TEST(GeometryAllocation, PointListAllocatesItsListOnly) {
    const Core::String text = repeated(L"10.25,-20 30-40 1in,50% ", 1000);
    Core::Vector<Xml::Point> points;
    long counted = 0;
    {
        AllocationCounter counter;
        EXPECT_TRUE(Xml::Point::parsePointList(points, text));
        counted = counter.count();
    }
    EXPECT_EQ(points.size(), 3000);
    EXPECT_LE(counted, 2);
}

TEST(GeometryAllocation, TransformsAndViewBoxesAllocateNothingButTheList) {
    const Core::String text(L"translate(10.5,20) rotate(45 5 5) scale(2)");
    Xml::TXmlAttribute<Core::Vector<Xml::Transform>> transforms;
    transforms->reserve(3);
    Xml::TXmlAttribute<Xml::ViewBox> viewBox;
    Xml::TXmlAttribute<Xml::SPreserveAspectRatio> aspect;
    Xml::TXmlAttribute<Drawing::RectF> rect;
    long counted = 0;
    {
        AllocationCounter counter;
        transforms.parseValue(text);
        viewBox.parseValue(L"0 0 100.5 50%");
        aspect.parseValue(L"xMinYMax slice");
        rect.parseValue(L"rect(1,2,3,4)");
        counted = counter.count();
    }
    EXPECT_EQ(transforms->size(), 3);
    EXPECT_EQ(counted, 0);
}

}  // namespace
