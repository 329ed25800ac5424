#include "css/chart/Value.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using Core::DateTime;
using Core::String;
using Xml::AxisUnits;
using Xml::TXmlAttribute;
using Xml::Value;
using Xml::ValueType;

TEST(ChartValue, GetValueByType) {
    EXPECT_EQ(Value().getValue(), L"");
    EXPECT_EQ(Value(2.5f).getValue(), L"2.5");
    EXPECT_EQ(Value(0.1f).getValue(), L"0.1");
    EXPECT_EQ(Value(DateTime(2026, 3, 7)).getValue(), L"03/07/2026");
    EXPECT_EQ(Value(String(L"abc")).getValue(), L"abc");
}

// Parsing: which type a text becomes, the string it keeps, and getValue.
TEST(ChartValue, ParseTakesDateThenNumberThenText) {
    const struct {
        const wchar_t* text;
        ValueType type;
        const wchar_t* value;  // getValue afterwards
    } cases[] = {
        {L"abc", ValueType::StringValue, L"abc"},
        {L"2.5", ValueType::FloatValue, L"2.5"},
        {L"2.50", ValueType::FloatValue, L"2.5"},
        {L" 7", ValueType::FloatValue, L"7"},
        {L"-1e3", ValueType::FloatValue, L"-1000"},
        {L"3/7/2026", ValueType::DateTimeValue, L"03/07/2026"},
        {L"03/07/2026", ValueType::DateTimeValue, L"03/07/2026"},
        // Neither a date nor a number: kept as text.
        {L"2/29/2023", ValueType::StringValue, L"2/29/2023"},
        {L"3/7/26", ValueType::StringValue, L"3/7/26"},
        {L"2.5x", ValueType::StringValue, L"2.5x"},
        {L" ", ValueType::StringValue, L" "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        TXmlAttribute<Value> attribute;
        ASSERT_TRUE(attribute.parseValue(c.text));
        EXPECT_EQ(attribute->getType(), c.type);
        EXPECT_EQ(attribute->getStringValue(), c.text);
        EXPECT_EQ(attribute->getValue(), c.value);
        EXPECT_EQ(attribute->getOrdinal(), -1);
        EXPECT_EQ(attribute.getValueAsString(), L"");
    }
}

TEST(ChartValue, DateTextIsNotReadAsItsLeadingNumber) {
    Value value;
    ASSERT_TRUE(Value::parseValue(value, L"12/31/1999"));
    ASSERT_EQ(value.getType(), ValueType::DateTimeValue);
    EXPECT_EQ(value.getDateTimeValue(), DateTime(1999, 12, 31));
    EXPECT_EQ(value.getStringValue(), L"12/31/1999");
}

TEST(ChartValue, EmptyTextIsRefusedAndKeepsTheValue) {
    TXmlAttribute<Value> attribute(Value(4.0f));
    attribute->setOrdinal(9);
    EXPECT_FALSE(attribute.parseValue(L""));
    EXPECT_EQ(attribute->getType(), ValueType::FloatValue);
    EXPECT_EQ(attribute->getFloatValue(), 4.0f);
    EXPECT_EQ(attribute->getOrdinal(), 9);
}

TEST(ChartValue, ParsingResetsTheOrdinal) {
    TXmlAttribute<Value> attribute;
    attribute->setOrdinal(4);
    ASSERT_TRUE(attribute.parseValue(L"abc"));
    EXPECT_EQ(attribute->getOrdinal(), -1);
}

TEST(ChartValue, AssignmentCopiesOrdinalAndOnlyTheMeaningfulField) {
    Value number(1.5f);
    number.setOrdinal(3);
    Value copy(number);
    EXPECT_EQ(copy.getOrdinal(), 3);
    EXPECT_EQ(copy.getFloatValue(), 1.5f);

    // A text value carries no number: the target keeps the one it had.
    Value target(8.0f);
    Value text(String(L"t"));
    text.setOrdinal(5);
    target = text;
    EXPECT_EQ(target.getType(), ValueType::StringValue);
    EXPECT_EQ(target.getStringValue(), L"t");
    EXPECT_EQ(target.getOrdinal(), 5);
    EXPECT_EQ(target.getFloatValue(), 8.0f);

    // Likewise a number carries no date.
    Value dated(DateTime(2020, 1, 2));
    dated = Value(3.0f);
    EXPECT_EQ(dated.getDateTimeValue(), DateTime(2020, 1, 2));
    EXPECT_EQ(dated.getFloatValue(), 3.0f);

    TXmlAttribute<Value> from(Value(DateTime(2021, 5, 6)));
    from->setOrdinal(2);
    TXmlAttribute<Value> to;
    to.copyFrom(from);
    EXPECT_EQ(to->getDateTimeValue(), DateTime(2021, 5, 6));
    EXPECT_EQ(to->getOrdinal(), 2);
}

TEST(ChartValue, SetValueReplacesTheStringOnly) {
    Value value(2.0f);
    value.setValue(L"two");
    EXPECT_EQ(value.getType(), ValueType::FloatValue);
    EXPECT_EQ(value.getStringValue(), L"two");
    EXPECT_EQ(value.getValue(), L"2");
}

TEST(ChartValue, Equality) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_TRUE(Value(1.5f) == Value(1.5f));
    EXPECT_FALSE(Value(1.5f) == Value(String(L"1.5")));
    EXPECT_FALSE(Value() == Value());
    EXPECT_TRUE(Value() != Value());
    EXPECT_FALSE(Value(nan) == Value(nan));
    EXPECT_TRUE(Value(nan) != Value(nan));
    EXPECT_TRUE(Value(0.0f) == Value(-0.0f));
    EXPECT_TRUE(Value(String(L"ab")) == Value(String(L"ab")));
    EXPECT_FALSE(Value(String(L"ab")) == Value(String(L"AB")));
    EXPECT_TRUE(Value(DateTime(2026, 3, 7)) == Value(DateTime(2026, 3, 7)));
    EXPECT_FALSE(Value(DateTime(2026, 3, 7)) == Value(DateTime(2026, 3, 8)));

    // The string a number or date was read from takes no part.
    Value a;
    Value b;
    ASSERT_TRUE(Value::parseValue(a, L"2.5"));
    ASSERT_TRUE(Value::parseValue(b, L"2.50"));
    EXPECT_TRUE(a == b);

    TXmlAttribute<Value> attribute(Value(1.0f));
    EXPECT_TRUE(attribute == Value(1.0f));
    EXPECT_TRUE(attribute != Value(String(L"1")));
}

TEST(ChartValue, Ordering) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const struct {
        Value a, b;
        bool less, greater;
    } cases[] = {
        {Value(1.0f), Value(2.0f), true, false},
        {Value(2.0f), Value(1.0f), false, true},
        {Value(2.0f), Value(2.0f), false, false},
        {Value(nan), Value(1.0f), false, false},
        {Value(1.0f), Value(nan), false, false},
        {Value(DateTime(2026, 3, 7)), Value(DateTime(2026, 4, 1)), true, false},
        {Value(DateTime(2027, 1, 1)), Value(DateTime(2026, 12, 31)), false, true},
        // Texts are ordered by length alone.
        {Value(String(L"zz")), Value(String(L"aaa")), true, false},
        {Value(String(L"aaa")), Value(String(L"zz")), false, true},
        {Value(String(L"ab")), Value(String(L"ba")), false, false},
        {Value(String(L"ba")), Value(String(L"ab")), false, false},
        // Different types, or no type, are unordered.
        {Value(2.0f), Value(String(L"x")), false, false},
        {Value(String(L"x")), Value(2.0f), false, false},
        {Value(1.0f), Value(DateTime(2026, 3, 7)), false, false},
        {Value(), Value(), false, false},
        {Value(), Value(1.0f), false, false},
    };
    int index = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << index++);
        EXPECT_EQ(c.a < c.b, c.less);
        EXPECT_EQ(c.a > c.b, c.greater);
    }
}

TEST(AxisUnits, ParsesKeywordsAndNonZeroNumbers) {
    const struct {
        const wchar_t* text;
        AxisUnits::Type type;
        float number;
    } cases[] = {
        {L"auto", AxisUnits::Auto, 0.0f},      {L"days", AxisUnits::Days, 0.0f},
        {L"months", AxisUnits::Months, 0.0f},  {L"years", AxisUnits::Years, 0.0f},
        {L"-2", AxisUnits::Numeric, -2.0f},    {L"2.5", AxisUnits::Numeric, 2.5f},
        {L"1e-3", AxisUnits::Numeric, 0.001f},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        TXmlAttribute<AxisUnits> attribute(AxisUnits(7.0f));
        ASSERT_TRUE(attribute.parseValue(c.text));
        EXPECT_EQ(attribute->getType(), c.type);
        EXPECT_EQ(attribute->getNumericVal(), c.number);
        EXPECT_EQ(attribute.getValueAsString(), L"");
    }
}

TEST(AxisUnits, RefusesZeroAndOtherWords) {
    const wchar_t* const texts[] = {L"0",    L"0.0", L"-0",    L"0e5",    L"",    L"Days",
                                    L"AUTO", L"day", L" auto", L"years ", L"abc", L"1x"};
    for (const wchar_t* text : texts) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        TXmlAttribute<AxisUnits> attribute(AxisUnits(7.0f));
        EXPECT_FALSE(attribute.parseValue(text));
        EXPECT_EQ(attribute->getType(), AxisUnits::Numeric);
        EXPECT_EQ(attribute->getNumericVal(), 7.0f);
    }
}

TEST(AxisUnits, Equality) {
    AxisUnits days(AxisUnits::Days);
    days.numericValue = 3.0f;
    EXPECT_TRUE(days == AxisUnits(AxisUnits::Days));
    EXPECT_FALSE(days == AxisUnits(AxisUnits::Months));
    EXPECT_TRUE(AxisUnits(2.0f) == AxisUnits(2.0f));
    EXPECT_FALSE(AxisUnits(2.0f) == AxisUnits(3.0f));
    EXPECT_TRUE(AxisUnits(std::nanf("")) != AxisUnits(std::nanf("")));
    EXPECT_EQ(AxisUnits().getType(), AxisUnits::Auto);
    EXPECT_EQ(AxisUnits().getNumericVal(), 0.0f);

    TXmlAttribute<AxisUnits> attribute;
    EXPECT_TRUE(attribute == AxisUnits());
    TXmlAttribute<AxisUnits> copy;
    copy.copyFrom(TXmlAttribute<AxisUnits>(AxisUnits(4.5f)));
    EXPECT_TRUE(copy == AxisUnits(4.5f));
}

}  // namespace
