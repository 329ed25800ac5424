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

Core::String repeated(const std::wstring& piece, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return Core::String(text.c_str());
}

template <class Parse>
long allocations(Parse&& parse) {
    test_support::AllocationCounter counter;
    parse();
    return counter.count();
}

TEST(GeometryAllocation, OnlyTheListIsAllocated) {
    // Dense and sparse paths: the held list is either the scan's storage or
    // one exact copy of it.
    for (const Core::String& text :
         {repeated(L"M 10.5 -20 C1,2 3,4 5,6 a25 26 -30 0 1 50-25 l1e2 3mm h4 z ", 500),
          repeated(L"M 1000.000001 2000.000002 L 30000.00003 40000.00004 ", 500),
          repeated(L"zZ", 2)}) {
        Xml::TXmlAttribute<Core::Vector<Xml::PathDataCommand>> path;
        EXPECT_LE(allocations([&] { path.parseValue(text); }), 2);
        EXPECT_GT(path->size(), 0);
    }
    const Core::String pointText = repeated(L"10.25,-20 30-40 1in,50% ", 1000);
    Xml::TXmlAttribute<Core::Vector<Xml::Point>> points;
    EXPECT_LE(allocations([&] { points.parseValue(pointText); }), 2);
    EXPECT_EQ(points->size(), 3000);

    const Core::String transformText(L"translate(10.5,20) rotate(45 5 5) scale(2)");
    Xml::TXmlAttribute<Core::Vector<Xml::Transform>> transforms;
    transforms->reserve(3);
    Xml::TXmlAttribute<Xml::ViewBox> viewBox;
    Xml::TXmlAttribute<Xml::SPreserveAspectRatio> aspect;
    Xml::TXmlAttribute<Drawing::RectF> rect;
    EXPECT_EQ(allocations([&] {
                  transforms.parseValue(transformText);
                  viewBox.parseValue(L"0 0 100.5 50%");
                  aspect.parseValue(L"xMinYMax slice");
                  rect.parseValue(L"rect(1,2,3,4)");
              }),
              0);
    EXPECT_EQ(transforms->size(), 3);
}

}  // namespace
