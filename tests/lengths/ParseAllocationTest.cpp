// Parsing a short length, percentage or keyword must not touch the heap: the
// parsers read the attribute text in place and convert numbers on the stack.
#include <gtest/gtest.h>

#include <tuple>

#include "tests/lengths/MeasureCases.h"
#include "tests/support/AllocationCounter.h"

namespace {

using namespace measure_test;
using test_support::AllocationCounter;

template <class... T>
using AttributesOf = std::tuple<TXmlAttribute<T>...>;

TEST(MeasureParseAllocation, ShortTextsAllocateNothing) {
    // The counter sees allocations: GeometryAllocation counts them exactly.
    // Built before counting: only the parses are measured.
    const Core::String texts[] = {
        L"12pt",   L"0",         L"-3.25mm",      L"50%",    L"1.5",
        L"3.",     L"10",        L"5x",           L"abc",    L"1.5e1px",
        L"auto",   L"12 pt",     L"99.999%",      L"",       L"use-font-metrics",
        L"medium", L"12pt 3mm",  L"body-start()", L"NORMAL", L"proportional-column-width(2)",
        L"-5",     L"auto-even", L"bottom",       L"fill",   L"FIND_KEYWORD(Total)"};
    for (const Core::String& text : texts) {
        SCOPED_TRACE(testing::Message() << "text \"" << text.c_str() << "\"");
        AttributesOf<Length, SLength, LengthOrPercent, SLengthOrPercent, Margin, ColumnWidth,
                     TableWidth, LeaderPatternWidth, LengthOrPercentAuto, FloatOrPercent,
                     SNullableLength, DLength, FontSize, Indent, BaselineShift, SBaselineShift,
                     AlignmentAdjust, ContentLength, LetterSpacing, SSpacing, PageDimension,
                     BorderWidth, InitialPageNumber, InitialSheetNumber, BackgroundPosition,
                     BackgroundSize, TPRule>
            attributes;
        AllocationCounter counter;
        std::apply([&](auto&... attribute) { (attribute.parseValue(text), ...); }, attributes);
        EXPECT_EQ(counter.count(), 0);
    }
}

}  // namespace
