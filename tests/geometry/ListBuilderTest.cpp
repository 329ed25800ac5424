// Path data and point lists are built with one allocation in the usual case:
// the list is sized from the first items' share of the text. Whatever the
// density of the text, the list holds every item in order and keeps less
// than half of its storage unused.
#include <gtest/gtest.h>

#include <string>

#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
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

template <class T>
void expectConcatenation(const Core::Vector<T>& whole, const Core::Vector<T>& first,
                         const Core::Vector<T>& second) {
    ASSERT_EQ(whole.size(), first.size() + second.size());
    for (int i = 0; i < whole.size(); ++i)
        EXPECT_TRUE(whole[i] == (i < first.size() ? first[i] : second[i - first.size()])) << i;
    EXPECT_GE(2 * whole.size(), whole.capacity());
}

TEST(ListBuilder, UniformTextsAllocateOnce) {
    for (const std::wstring& path :
         {std::wstring(L"M 1 2 z"),
          repeated(L"M 10.5 -20 C1,2 3,4 5,6 a25 26 -30 0 1 50-25 ", 2000),
          repeated(L"l1000.000001 2000.000002 ", 900)}) {
        const Core::String text(path.c_str());
        Xml::TXmlAttribute<Commands> attribute;
        test_support::AllocationCounter counter;
        attribute.parseValue(text);
        EXPECT_EQ(counter.count(), 1) << path.size();
    }
    for (const std::wstring& list :
         {std::wstring(L"1,2"), repeated(L"10.25,-20 30-40 ", 5000), repeated(L"1 2 ", 17)}) {
        const Core::String text(list.c_str());
        Xml::TXmlAttribute<Points> attribute;
        test_support::AllocationCounter counter;
        attribute.parseValue(text);
        EXPECT_EQ(counter.count(), 1) << list.size();
    }
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
        Points whole;
        Points a;
        Points b;
        ASSERT_TRUE(Xml::Point::parsePointList(whole, Core::String((first + second).c_str())));
        ASSERT_TRUE(Xml::Point::parsePointList(a, Core::String(first.c_str())));
        ASSERT_TRUE(Xml::Point::parsePointList(b, Core::String(second.c_str())));
        expectConcatenation(whole, a, b);
    }
}

}  // namespace
