// The path data and point list scanners read most numbers without going
// through SLength's parser; whatever the route, the coordinate must be the
// one SLength::parseSLength gives for the number's text.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"

namespace {

using Xml::SLength;

std::vector<std::wstring> numberTexts() {
    // clang-format off
    std::vector<std::wstring> texts = {
        L"-0", L"+5", L"-.5", L"5.", L"1.2.3", L"007", L"0.000000000000000000000000000001",
        // the lengths around 32 units, where the direct route ends
        L"99999999999999999999999999999999", L"999999999999999999999999999999999",
        L"-9999999999999999999999999999999999999999"};
    // clang-format on
    // Random texts of signs, digits and points, short and beyond 32 units.
    std::uint32_t state = 7;
    const auto next = [&state] { return state = state * 1664525u + 1013904223u; };
    const std::wstring_view alphabet = L"0123456789012345678901234567890123456789.";
    for (int n = 0; n < 1000; ++n) {
        const int length = 1 + static_cast<int>(next() >> 26);  // 1 to 64
        const std::uint32_t sign = next() >> 30;
        std::wstring text = sign == 1 ? L"-" : sign == 2 ? L"+" : L"";
        for (int i = 0; i < length; ++i)
            text += alphabet[(next() >> 16) % alphabet.size()];
        texts.push_back(text);
    }
    return texts;
}

TEST(NumberReading, PathAndPointCoordinatesMatchTheSvgLengthParser) {
    for (const std::wstring& number : numberTexts()) {
        SCOPED_TRACE(testing::Message() << "number \"" << number.c_str() << "\"");
        SLength expected;
        const bool readable = SLength::parseSLength(expected, Core::String(number.c_str()));

        const auto path = Xml::PathDataCommand::parsePathData(L"L" + number + L" 1");
        ASSERT_EQ(path.size(), 1);
        EXPECT_EQ(path[0].x, expected);
        EXPECT_EQ(std::signbit(path[0].x.getSize()), std::signbit(expected.getSize()));

        Core::Vector<Xml::Point> points;
        const bool read =
            Xml::Point::parsePointList(points, Core::String((number + L" 1").c_str()));
        EXPECT_EQ(read, readable);
        if (read && readable) {
            ASSERT_EQ(points.size(), 1);
            EXPECT_EQ(points[0].getX(), expected);
            EXPECT_EQ(std::signbit(points[0].getX().getSize()), std::signbit(expected.getSize()));
        }
    }
}

}  // namespace
