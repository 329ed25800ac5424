#include "css/geometry/PathData.h"

#include <gtest/gtest.h>

#include <cwctype>
#include <initializer_list>
#include <limits>
#include <memory>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

namespace Xml {

// Shown by gtest for a command that differs.
static void PrintTo(const PathDataCommand& c, std::ostream* os) {
    *os << "{type " << static_cast<int>(c.type) << (c.relative ? " rel" : " abs");
    for (const SLength* l : {&c.x1, &c.y1, &c.x2, &c.y2, &c.x, &c.y, &c.rx, &c.ry})
        *os << ' ' << l->getSize() << '/' << l->getUnit();
    *os << " angle " << c.angle << (c.largeArc ? " large" : "") << (c.sweep ? " sweep" : "") << '}';
}

}  // namespace Xml

namespace {

using Xml::PathDataCommand;
using Xml::SLength;
using P = PathDataCommand;
using Type = Xml::PathDataCommandType;
using PathData = Core::Vector<PathDataCommand>;

// The command of a letter with the numbers it reads, in order; missing ones
// are zero. An arc reads rx, ry, the angle, the two flags, x and y.
PathDataCommand cmd(wchar_t letter, std::initializer_list<SLength> values = {}) {
    using Fields = std::vector<SLength P::*>;
    const auto upper = static_cast<wchar_t>(std::towupper(letter));
    const Fields fields = upper == L'H'   ? Fields{&P::x}
                          : upper == L'V' ? Fields{&P::y}
                          : upper == L'C' ? Fields{&P::x1, &P::y1, &P::x2, &P::y2, &P::x, &P::y}
                          : upper == L'S' ? Fields{&P::x2, &P::y2, &P::x, &P::y}
                          : upper == L'Q' ? Fields{&P::x1, &P::y1, &P::x, &P::y}
                          : upper == L'A' ? Fields{&P::rx, &P::ry, {}, {}, {}, &P::x, &P::y}
                                          : Fields{&P::x, &P::y};
    PathDataCommand c;
    c.type = static_cast<Type>(std::wstring_view(L"MZLHVCSQTA").find(upper) + 2);
    c.relative = letter != upper && upper != L'Z';
    const std::vector<SLength> numbers(values);
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (fields.at(i))
            c.*fields[i] = numbers[i];
    }
    if (upper == L'A' && numbers.size() > 4) {
        c.angle = numbers[2].getSize();
        c.largeArc = numbers[3].getSize() != 0;
        c.sweep = numbers[4].getSize() != 0;
    }
    return c;
}

void expectScans(std::initializer_list<std::pair<const wchar_t*, PathData>> cases) {
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        Xml::TXmlAttribute<PathData> attribute(PathData{cmd(L'V', {9})});
        EXPECT_TRUE(attribute.parseValue(text));
        ASSERT_EQ(attribute->size(), expected.size());
        for (int i = 0; i < attribute->size(); ++i) {
            EXPECT_EQ((*attribute)[i], expected[i]) << "command " << i;
            // also the fields that == leaves out, such as the flag of "z"
            EXPECT_EQ(testing::PrintToString((*attribute)[i]), testing::PrintToString(expected[i]));
        }
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
}

TEST(PathDataScan, OneCommandPerLetterWithItsNumbers) {
    const SLength percent50(0.5f, SLength::Percent);
    // clang-format off
    expectScans({
        {L"", {}}, {L" \t\r\n ", {}},
        {L"M 10 20 L 30 40 z", {cmd('M', {10, 20}), cmd('L', {30, 40}), cmd('z')}},
        {L"m10,20l5-5", {cmd('m', {10, 20}), cmd('l', {5, -5})}},
        {L"Z z H 5 v 8", {cmd('Z'), cmd('z'), cmd('H', {5}), cmd('v', {8})}},
        {L"c1,2,3,4,5,6S1 2 3 4q5 6 7 8T1 2",
         {cmd('c', {1, 2, 3, 4, 5, 6}), cmd('S', {1, 2, 3, 4}), cmd('q', {5, 6, 7, 8}),
          cmd('T', {1, 2})}},
        {L"A 25 26 -30 0 1 50 -25", {cmd('A', {25, 26, -30, 0, 1, 50, -25})}},
        // any non-zero flag is true; the angle keeps its size, not its unit
        {L"a1 2 30pt 0.5 -2 3 4", {cmd('a', {1, 2, 30, 1, 1, 3, 4})}},
        // commas and white space before a number; a sign before any digit
        {L"M,1,,\t2", {cmd('M', {1, 2})}},  {L"M-1-2", {cmd('M', {-1, -2})}},
        {L"M+1+2", {cmd('M', {1, 2})}},     {L"M 50% 1e5", {cmd('M', {percent50, 100000})}},
        // no implicit repetition; missing numbers are zero
        {L"M 10 20 30 40", {cmd('M', {10, 20})}},
        {L"M 1 2 z 3 4 L 5 6", {cmd('M', {1, 2}), cmd('z'), cmd('L', {5, 6})}},
        {L"M 10", {cmd('M', {10, 0})}},  {L"A", {cmd('A')}},
        // anything else where a command is expected is skipped unit by unit
        {L"x M 1 2", {cmd('M', {1, 2})}},  {L"\u00e91 2 ; M 1 2 !", {cmd('M', {1, 2})}},
    });
    // clang-format on
}

TEST(PathDataScan, NumbersEndWhereTheReaderSaysNotWhereSvgWould) {
    const auto mm = [](float size) { return SLength(size, SLength::Mm); };
    // clang-format off
    expectScans({
        // a sign after a digit starts the next number, also after "e"; "1e"
        // is then no length and reads as zero, while "10e" has three units
        // and so the (unknown, pixel) unit suffix "0e"
        {L"L 1e-5 3", {cmd('L', {0, -5})}},  {L"L 10e-5 3", {cmd('L', {1, -5})}},
        // "cm", "mm" and "pt" stay whole, as do other unit letters
        {L"M 2mm 3cm", {cmd('M', {mm(2), SLength(3, SLength::Cm)})}},
        {L"M 2pt 3in", {cmd('M', {SLength(2, SLength::Pt), SLength(3, SLength::In)})}},
        {L"M 1ex 2px", {cmd('M', {SLength(1, SLength::Ex), 2})}},
        // "em" and "pc" are cut by their command letters
        {L"M 1em 2", {cmd('M'), cmd('m', {2})}},  {L"L 1pc 2", {cmd('L'), cmd('c', {2})}},
        // "c" or "m" not followed by "m", "t" not after "p", "C" and "M"
        {L"M 1m2", {cmd('M', {1}), cmd('m', {2})}},  {L"M 1t", {cmd('M', {1}), cmd('t')}},
        {L"M 1C2", {cmd('M', {1}), cmd('C', {2})}},
        // the "m" after "cm" or "mm" stays; a third "m" is a command again
        {L"M 2mmm", {cmd('M', {mm(2)}), cmd('m')}},
        // only tab, line feed, carriage return and blank separate: a vertical
        // tab stays inside the number, which then reads its leading part
        {L"M 1\v2 3", {cmd('M', {1, 3})}},  {L"M 1.5.5 2", {cmd('M', {1.5f, 2})}},
        {L"M xy 2", {cmd('M', {0, 2})}},
    });
    // clang-format on
}

TEST(PathDataEquality, ComparesTheFieldsOfTheTypeOnly) {
    const PathDataCommand arc = cmd('A', {1, 1, 0, 0, 0, 1, 1});
    // clang-format off
    const std::pair<PathDataCommand, PathDataCommand> unequal[] = {
        {cmd('C', {1, 2, 3, 4, 5, 6}), cmd('C', {1, 2, 3, 4, 5, 7})},
        {cmd('M', {1, 2}), cmd('m', {1, 2})},  {cmd('M', {1, 2}), cmd('L', {1, 2})},
        {cmd('M', {1, 2}), cmd('M', {1, SLength(2, SLength::Pt)})},
        {arc, cmd('A', {1, 1, 0, 0, 1, 1, 1})},  {arc, cmd('A', {1, 1, 0, 1, 0, 1, 1})},
    };
    // clang-format on
    for (const auto& [a, b] : unequal)
        EXPECT_NE(a, b);
    // Changing one length matters exactly when the type carries it.
    const std::tuple<Type, SLength P::*, bool> fields[] = {
        // clang-format off
        {Type::MoveTo, &P::x, true},            {Type::MoveTo, &P::x1, false},
        {Type::HorizontalLineTo, &P::y, false}, {Type::VerticalLineTo, &P::x, false},
        {Type::CurveTo, &P::y2, true},          {Type::SmoothCurveTo, &P::x1, false},
        {Type::QuadraticCurveTo, &P::y1, true}, {Type::QuadraticCurveTo, &P::x2, false},
        {Type::Arc, &P::ry, true},              {Type::Arc, &P::x1, false},
        {Type::ClosePath, &P::x, false},        {static_cast<Type>(1), &P::x, false},
        // clang-format on
    };
    for (const auto& [type, field, counts] : fields) {
        PathDataCommand a, b;
        a.type = b.type = type;
        b.*field = SLength(1);
        EXPECT_EQ(a != b, counts) << "type " << static_cast<int>(type);
    }
    // A NaN angle and a type outside 1 to 11 are unequal even to themselves.
    PathDataCommand nan = arc, odd;
    nan.angle = std::numeric_limits<float>::quiet_NaN();
    odd.type = static_cast<Type>(12);
    for (const PathDataCommand& c : {nan, odd}) {
        const PathDataCommand& same = c;
        EXPECT_NE(c, same);
    }
}

TEST(PathDataScan, NeverReadsPastTheTextAtAnyCut) {
    // Every prefix in a buffer of exactly its length, so that a read past the
    // end shows under the address sanitizer; the cuts fall on a "c" or "m"
    // that looks ahead and a "t" that looks back.
    const std::wstring_view whole = L"M1cm 2mm c1pt,2e-3 3 4 5 6A1 2 3 1 0 4 5Q1 2 3 4 t1 2 z m";
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        std::unique_ptr<wchar_t[]> buffer(new wchar_t[n == 0 ? 1 : n]);
        whole.copy(buffer.get(), n);
        const PathData scanned = PathDataCommand::parsePathData(std::wstring_view(buffer.get(), n));
        EXPECT_LE(scanned.size(), static_cast<int>(n));
    }
}

}  // namespace
