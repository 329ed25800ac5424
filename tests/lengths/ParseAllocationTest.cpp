// Parsing a short length or percentage must not touch the heap: the parsers
// read the attribute text in place and convert numbers on the stack.
#include <gtest/gtest.h>

#include "css/lengths/Length.h"
#include "css/lengths/LengthOrPercent.h"
#include "tests/support/AllocationCounter.h"

namespace {

using test_support::AllocationCounter;
using namespace Xml;

TEST(LengthParseAllocation, TheCounterSeesAllocations) {
    long counted = 0;
    {
        AllocationCounter counter;
        const Core::String longText(L"a text longer than the inline capacity");
        counted = counter.count();
    }
    EXPECT_GE(counted, 1);
}

TEST(LengthParseAllocation, ShortLengthAndPercentageTextsAllocateNothing) {
    // Built before counting: only the parse is measured.
    const Core::String texts[] = {L"12pt",
                                  L"0",
                                  L"-3.25mm",
                                  L"50%",
                                  L"1.5",
                                  L"3.",
                                  L"10",
                                  L"5x",
                                  L"abc",
                                  L"1.5e1px",
                                  L"auto",
                                  L"12 pt",
                                  L"99.999%",
                                  L"",
                                  L"use-font-metrics",
                                  L"12pt 3mm",
                                  L"proportional-column-width(2)"};
    for (const Core::String& text : texts) {
        SCOPED_TRACE(testing::Message() << "text \"" << text.c_str() << "\"");
        TXmlAttribute<Length> length;
        TXmlAttribute<SLength> sLength;
        TXmlAttribute<LengthOrPercent> lengthOrPercent;
        TXmlAttribute<SLengthOrPercent> sLengthOrPercent;
        TXmlAttribute<Margin> margin;
        TXmlAttribute<ColumnWidth> columnWidth;
        TXmlAttribute<TableWidth> tableWidth;
        TXmlAttribute<LeaderPatternWidth> leaderPatternWidth;
        TXmlAttribute<LengthOrPercentAuto> lengthOrPercentAuto;
        TXmlAttribute<FloatOrPercent> floatOrPercent;
        TXmlAttribute<SNullableLength> nullableLength;
        TXmlAttribute<DLength> pair;
        long counted = 0;
        {
            AllocationCounter counter;
            length.parseValue(text);
            sLength.parseValue(text);
            lengthOrPercent.parseValue(text);
            sLengthOrPercent.parseValue(text);
            margin.parseValue(text);
            columnWidth.parseValue(text);
            tableWidth.parseValue(text);
            leaderPatternWidth.parseValue(text);
            lengthOrPercentAuto.parseValue(text);
            floatOrPercent.parseValue(text);
            nullableLength.parseValue(text);
            pair.parseValue(text);
            counted = counter.count();
        }
        EXPECT_EQ(counted, 0);
    }
}

}  // namespace
