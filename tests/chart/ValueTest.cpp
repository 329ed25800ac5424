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

constexpr ValueType kText = ValueType::StringValue;
constexpr ValueType kNumber = ValueType::FloatValue;
constexpr ValueType kDate = ValueType::DateTimeValue;

// Which type a text becomes (a date before a number, text otherwise), the
// string it keeps, getValue afterwards, and the ordinal reset by parsing.
TEST(ChartValue, ParseTakesDateThenNumberThenText) {
    // clang-format off
    const struct { const wchar_t* text; ValueType type; const wchar_t* value; } cases[] = {
        {L"abc", kText, L"abc"},            {L"2.5", kNumber, L"2.5"},
        {L"2.50", kNumber, L"2.5"},         {L"0.1", kNumber, L"0.1"},
        {L" 7", kNumber, L"7"},             {L"-1e3", kNumber, L"-1000"},
        {L"3/7/2026", kDate, L"03/07/2026"}, {L"03/07/2026", kDate, L"03/07/2026"},
        {L"12/31/1999", kDate, L"12/31/1999"},  // not its leading number 12
        {L"2/29/2023", kText, L"2/29/2023"}, {L"3/7/26", kText, L"3/7/26"},
        {L"2.5x", kText, L"2.5x"},          {L" ", kText, L" "},
    };
    // clang-format on
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        TXmlAttribute<Value> attribute;
        attribute->setOrdinal(4);
        ASSERT_TRUE(attribute.parseValue(c.text));
        EXPECT_EQ(attribute->getType(), c.type);
        EXPECT_EQ(attribute->getStringValue(), c.text);
        EXPECT_EQ(attribute->getValue(), c.value);
        EXPECT_EQ(attribute->getOrdinal(), -1);
        EXPECT_EQ(attribute.getValueAsString(), L"");
    }
}

TEST(ChartValue, EmptyTextIsRefusedAndKeepsTheValue) {
    TXmlAttribute<Value> attribute(Value(4.0f));
    attribute->setOrdinal(9);
    EXPECT_FALSE(attribute.parseValue(L""));
    EXPECT_EQ(attribute->getType(), kNumber);
    EXPECT_EQ(attribute->getFloatValue(), 4.0f);
    EXPECT_EQ(attribute->getOrdinal(), 9);
}

TEST(ChartValue, AssignmentCopiesOrdinalAndOnlyTheMeaningfulField) {
    // A text value carries no number: the target keeps the one it had.
    Value target(8.0f);
    Value text(String(L"t"));
    text.setOrdinal(5);
    target = text;
    EXPECT_EQ(target.getType(), kText);
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

    // setValue replaces the string only.
    to->setValue(L"two");
    EXPECT_TRUE(to->getType() == kDate && to->getStringValue() == L"two");
    EXPECT_EQ(to->getValue(), L"05/06/2021");
}

TEST(ChartValue, Equality) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const DateTime march(2026, 3, 7);
    // clang-format off
    const struct { Value a, b; bool equal; } cases[] = {
        {Value(1.5f), Value(1.5f), true},  {Value(1.5f), Value(String(L"1.5")), false},
        {Value(), Value(), false},         {Value(nan), Value(nan), false},
        {Value(0.0f), Value(-0.0f), true}, {Value(String(L"ab")), Value(String(L"ab")), true},
        {Value(String(L"ab")), Value(String(L"AB")), false},
        {Value(march), Value(march), true}, {Value(march), Value(DateTime(2026, 3, 8)), false},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].a == cases[i].b, cases[i].equal) << "case " << i;
        EXPECT_EQ(cases[i].a != cases[i].b, !cases[i].equal) << "case " << i;
    }

    // The string a number was read from takes no part.
    Value a;
    Value b;
    ASSERT_TRUE(Value::parseValue(a, L"2.5") && Value::parseValue(b, L"2.50"));
    EXPECT_TRUE(a == b);
}

TEST(ChartValue, Ordering) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Value one(1.0f), two(2.0f), march(DateTime(2026, 3, 7)), april(DateTime(2026, 4, 1));
    const Value zz(String(L"zz")), aaa(String(L"aaa")), ab(String(L"ab")), ba(String(L"ba"));
    // clang-format off
    const struct { Value a, b; bool less; } cases[] = {
        {one, two, true},   {two, one, false},  {two, two, false},  {Value(nan), one, false},
        {one, Value(nan), false},  {march, april, true},  {april, march, false},
        {Value(DateTime(2027, 1, 1)), Value(DateTime(2026, 12, 31)), false},
        // texts are ordered by length alone
        {zz, aaa, true},    {aaa, zz, false},   {ab, ba, false},    {ba, ab, false},
        // different types, or no type, are unordered
        {two, zz, false},   {zz, two, false},   {one, march, false}, {march, one, false},
        {Value(), Value(), false},  {Value(), one, false},
    };
    // clang-format on
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(cases[i].a < cases[i].b, cases[i].less) << "case " << i;
    EXPECT_TRUE(two > one && !(one > two) && aaa > zz && !(ab > ba));
}

TEST(AxisUnits, ParsesKeywordsAndNonZeroNumbersOnly) {
    // clang-format off
    const struct { const wchar_t* text; AxisUnits::Type type; float number; } cases[] = {
        {L"auto", AxisUnits::Auto, 0.0f},     {L"days", AxisUnits::Days, 0.0f},
        {L"months", AxisUnits::Months, 0.0f}, {L"years", AxisUnits::Years, 0.0f},
        {L"-2", AxisUnits::Numeric, -2.0f},   {L"2.5", AxisUnits::Numeric, 2.5f},
        {L"1e-3", AxisUnits::Numeric, 0.001f}};
    // clang-format on
    for (const auto& c : cases) {
        TXmlAttribute<AxisUnits> attribute(AxisUnits(7.0f));
        ASSERT_TRUE(attribute.parseValue(c.text)) << testing::PrintToString(c.text);
        EXPECT_EQ(attribute->getType(), c.type) << testing::PrintToString(c.text);
        EXPECT_EQ(attribute->getNumericVal(), c.number) << testing::PrintToString(c.text);
        EXPECT_EQ(attribute.getValueAsString(), L"");
    }
    for (const wchar_t* text : {L"0", L"0.0", L"-0", L"0e5", L"", L"Days", L"AUTO", L"day",
                                L" auto", L"years ", L"abc", L"1x"}) {
        TXmlAttribute<AxisUnits> attribute(AxisUnits(7.0f));
        EXPECT_FALSE(attribute.parseValue(text)) << testing::PrintToString(text);
        EXPECT_TRUE(attribute == AxisUnits(7.0f)) << testing::PrintToString(text);
    }
}

TEST(AxisUnits, Equality) {
    AxisUnits days(AxisUnits::Days);
    days.numericValue = 3.0f;
    EXPECT_TRUE(days == AxisUnits(AxisUnits::Days));  // a keyword's number takes no part
    EXPECT_FALSE(days == AxisUnits(AxisUnits::Months));
    EXPECT_TRUE(AxisUnits(2.0f) == AxisUnits(2.0f));
    EXPECT_FALSE(AxisUnits(2.0f) == AxisUnits(3.0f));
    EXPECT_TRUE(AxisUnits(std::nanf("")) != AxisUnits(std::nanf("")));
}

}  // namespace
