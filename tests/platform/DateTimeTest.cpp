#include "platform/DateTime.h"

#include <gtest/gtest.h>

namespace {

using Core::DateFormat;
using Core::DateTime;

// Whole month/day/year texts of real dates are read; any other text leaves the target.
TEST(DateTime, ReadsMonthDayYearOfRealDatesOnly) {
    const DateTime keep(2001, 2, 3);
    // clang-format off
    const struct { const wchar_t* text; DateTime date; } cases[] = {
        {L"3/7/2026", {2026, 3, 7}}, {L"03/07/2026", {2026, 3, 7}}, {L"2/29/2024", {2024, 2, 29}},
        {L"2/29/2000", {2000, 2, 29}}, {L"1/1/0001", {1, 1, 1}}, {L"4/30/2026", {2026, 4, 30}},
        {L"11/30/9999", {9999, 11, 30}}, {L"12/31/1999", {1999, 12, 31}},
    };
    const wchar_t* const refused[] = {
        L"",          L"2/29/2023", L"2/29/1900", L"13/1/2026",  L"0/1/2026",   L"1/0/2026",
        L"4/31/2026", L"1/32/2026", L"3/7/26",    L"3/7/20261",  L"003/7/2026", L"3/007/2026",
        L" 3/7/2026", L"3/7/2026 ", L"3-7-2026",  L"3/7",        L"3//2026",    L"/7/2026",
        L"3/7/2026/", L"1/1/0000",  L"+3/7/2026", L"2026-03-07", L"2.5",        L"abc",
    };
    // clang-format on
    for (const auto& c : cases) {
        DateTime date = keep;
        ASSERT_TRUE(DateTime::parseMDYDate(Core::String(c.text), date)) << c.text;
        EXPECT_EQ(date, c.date) << c.text;
    }
    for (const wchar_t* text : refused) {
        DateTime date = keep;
        EXPECT_FALSE(DateTime::parseMDYDate(Core::String(text), date)) << text;
        EXPECT_EQ(date, keep) << text;
    }
}

TEST(DateTime, WritesMonthDayYearAndReadsItBack) {
    DateTime date;
    ASSERT_TRUE(DateTime::parseMDYDate(Core::String(L"3/7/2026"), date));
    EXPECT_EQ(DateTime(12, 11, 10).toDateString(DateFormat::MonthDayYear), L"11/10/0012");
    DateTime back;
    ASSERT_TRUE(DateTime::parseMDYDate(date.toDateString(DateFormat::MonthDayYear), back));
    EXPECT_EQ(back, date);
    EXPECT_TRUE(DateTime().isEmpty());
    EXPECT_EQ(DateTime().toDateString(DateFormat::MonthDayYear), L"");
}

TEST(DateTime, OrdersByYearThenMonthThenDay) {
    const DateTime ordered[] = {DateTime(),           DateTime(1999, 12, 31), DateTime(2000, 1, 1),
                                DateTime(2000, 1, 2), DateTime(2000, 2, 1),   DateTime(2001, 1, 1)};
    for (int i = 0; i < 6; ++i) {
        for (int j = 0; j < 6; ++j) {
            EXPECT_EQ(ordered[i] < ordered[j], i < j) << i << " against " << j;
            EXPECT_EQ(ordered[i] > ordered[j], i > j) << i << " against " << j;
            EXPECT_EQ(ordered[i] == ordered[j], i == j) << i << " against " << j;
        }
    }
}

}  // namespace
