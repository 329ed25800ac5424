// The geometry scanners allocate the list they return and nothing per number,
// command, point or transform. Path data and point lists are sized from the
// first items' share of the text: a uniform text allocates once, and whatever
// the density the list holds every item in order and keeps less than half of
// its storage unused.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
#include "css/geometry/Transform.h"
#include "css/geometry/ViewBox.h"
#include "tests/support/AllocationCounter.h"

namespace {

using Commands = Core::Vector<Xml::PathDataCommand>;
using Points = Core::Vector<Xml::Point>;

std::wstring repeated(const std::wstring& piece, int times) {
    std::wstring text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

// Allocations made by parsing text into a new attribute of T.
template <class T>
long parseAllocations(const std::wstring& piece, int times = 1) {
    const Core::String text(repeated(piece, times).c_str());
    Xml::TXmlAttribute<T> attribute;
    test_support::AllocationCounter counter;
    attribute.parseValue(text);
    return counter.count();
}

TEST(GeometryAllocation, UniformListsAllocateOnce) {
    EXPECT_EQ(parseAllocations<Commands>(L"M 1 2 z"), 1);
    EXPECT_EQ(parseAllocations<Commands>(L"M 10.5 -20 C1,2 3,4 5,6 a25 26 -30 0 1 50-25 ", 2000),
              1);
    EXPECT_EQ(parseAllocations<Commands>(L"l1000.000001 2000.000002 ", 900), 1);
    EXPECT_EQ(parseAllocations<Points>(L"1,2"), 1);
    EXPECT_EQ(parseAllocations<Points>(L"10.25,-20 30-40 ", 5000), 1);
    EXPECT_EQ(parseAllocations<Points>(L"1 2 ", 17), 1);
}

// The held list is the scan's storage or one exact copy of it.
TEST(GeometryAllocation, MixedListsAllocateAtMostTwiceTheRestNothing) {
    EXPECT_LE(parseAllocations<Commands>(
                  L"M 10.5 -20 C1,2 3,4 5,6 a25 26 -30 0 1 50-25 l1e2 3mm h4 z ", 500),
              2);
    EXPECT_LE(
        parseAllocations<Commands>(L"M 1000.000001 2000.000002 L 30000.00003 40000.00004 ", 500),
        2);
    EXPECT_LE(parseAllocations<Commands>(L"zZ", 2), 2);
    const Core::String pointText(repeated(L"10.25,-20 30-40 1in,50% ", 1000).c_str());
    Xml::TXmlAttribute<Points> points;
    {
        test_support::AllocationCounter counter;
        points.parseValue(pointText);
        EXPECT_LE(counter.count(), 2);
    }
    EXPECT_EQ(points->size(), 3000);

    const Core::String transformText(L"translate(10.5,20) rotate(45 5 5) scale(2)");
    Xml::TXmlAttribute<Core::Vector<Xml::Transform>> transforms;
    transforms->reserve(3);
    Xml::TXmlAttribute<Xml::ViewBox> viewBox;
    Xml::TXmlAttribute<Xml::SPreserveAspectRatio> aspect;
    Xml::TXmlAttribute<Drawing::RectF> rect;
    {
        test_support::AllocationCounter counter;
        transforms.parseValue(transformText);
        viewBox.parseValue(L"0 0 100.5 50%");
        aspect.parseValue(L"xMinYMax slice");
        rect.parseValue(L"rect(1,2,3,4)");
        EXPECT_EQ(counter.count(), 0);
    }
    EXPECT_EQ(transforms->size(), 3);
}

template <class T>
void expectConcatenation(const Core::Vector<T>& whole, const Core::Vector<T>& first,
                         const Core::Vector<T>& second) {
    ASSERT_EQ(whole.size(), first.size() + second.size());
    for (int i = 0; i < whole.size(); ++i)
        EXPECT_TRUE(whole[i] == (i < first.size() ? first[i] : second[i - first.size()])) << i;
    EXPECT_GE(2 * whole.size(), whole.capacity());
}

TEST(ListBuilder, DensityChangesKeepEveryItemAndLittleSlack) {
    // Sparse then dense (the list grows), dense then sparse (it is copied to
    // its size), and lists around the sample of sixteen items.
    const std::wstring sparse = repeated(L"L 123456.7890 98765.4321 ", 400);
    const std::wstring dense = repeated(L"zl1 2", 400);
    for (const auto& [first, second] : {std::pair{sparse, dense}, std::pair{dense, sparse},
                                        std::pair{repeated(L"z", 16), std::wstring(L"M1 2")},
                                        std::pair{repeated(L"z", 15), std::wstring(L"z")}}) {
        expectConcatenation(Xml::PathDataCommand::parsePathData(first + second),
                            Xml::PathDataCommand::parsePathData(first),
                            Xml::PathDataCommand::parsePathData(second));
    }
    const std::wstring wide = repeated(L"123456.7890,98765.4321 ", 400);
    const std::wstring narrow = repeated(L"1 2 ", 400);
    for (const auto& [first, second] : {std::pair{wide, narrow}, std::pair{narrow, wide},
                                        std::pair{repeated(L"1 2 ", 16), std::wstring(L"3 4")}}) {
        Points whole, a, b;
        ASSERT_TRUE(Xml::Point::parsePointList(whole, Core::String((first + second).c_str())));
        ASSERT_TRUE(Xml::Point::parsePointList(a, Core::String(first.c_str())));
        ASSERT_TRUE(Xml::Point::parsePointList(b, Core::String(second.c_str())));
        expectConcatenation(whole, a, b);
    }
}

}  // namespace
