#include "css/geometry/PathData.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <memory>
#include <string_view>
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

// A command with its lengths in the order its letter reads them; missing
// ones stay zero.
PathDataCommand command(Type type, bool relative, std::initializer_list<SLength> values) {
    using Field = SLength P::*;
    std::vector<Field> fields = {&P::x, &P::y};
    if (type == Type::HorizontalLineTo)
        fields = {&P::x};
    if (type == Type::VerticalLineTo)
        fields = {&P::y};
    if (type == Type::CurveTo)
        fields = {&P::x1, &P::y1, &P::x2, &P::y2, &P::x, &P::y};
    if (type == Type::SmoothCurveTo)
        fields = {&P::x2, &P::y2, &P::x, &P::y};
    if (type == Type::QuadraticCurveTo)
        fields = {&P::x1, &P::y1, &P::x, &P::y};
    PathDataCommand c;
    c.type = type;
    c.relative = relative;
    int i = 0;
    for (const SLength& value : values)
        c.*fields[i++] = value;
    return c;
}

PathDataCommand arc(bool relative, float rx, float ry, float angle, bool large, bool sweep, float x,
                    float y) {
    PathDataCommand c = command(Type::Arc, relative, {x, y});
    c.rx = SLength(rx), c.ry = SLength(ry), c.angle = angle, c.largeArc = large, c.sweep = sweep;
    return c;
}

const auto M = [](std::initializer_list<SLength> v) { return command(Type::MoveTo, false, v); };
const auto m = [](std::initializer_list<SLength> v) { return command(Type::MoveTo, true, v); };
const auto L = [](std::initializer_list<SLength> v) { return command(Type::LineTo, false, v); };
const PathDataCommand Z = command(Type::ClosePath, false, {});

struct ScanCase {
    const wchar_t* text;
    std::vector<PathDataCommand> expected;
};

void expectScans(std::initializer_list<ScanCase> cases) {
    for (const ScanCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        Xml::TXmlAttribute<PathData> attribute;
        EXPECT_TRUE(attribute.parseValue(c.text));
        ASSERT_EQ(attribute->size(), static_cast<int>(c.expected.size()));
        for (int i = 0; i < attribute->size(); ++i)
            EXPECT_EQ((*attribute)[i], c.expected[i]) << "command " << i;
    }
}

TEST(PathDataScan, OneCommandPerLetterWithItsNumbers) {
    expectScans({
        {L"", {}},
        {L" \t\r\n ", {}},
        {L"M 10 20 L 30 40 z", {M({10, 20}), L({30, 40}), Z}},
        {L"m10,20l5-5", {m({10, 20}), command(Type::LineTo, true, {5, -5})}},
        {L"Z z H 5 v 8",
         {Z, Z, command(Type::HorizontalLineTo, false, {5}),
          command(Type::VerticalLineTo, true, {8})}},
        {L"c1,2,3,4,5,6S1 2 3 4q5 6 7 8T1 2",
         {command(Type::CurveTo, true, {1, 2, 3, 4, 5, 6}),
          command(Type::SmoothCurveTo, false, {1, 2, 3, 4}),
          command(Type::QuadraticCurveTo, true, {5, 6, 7, 8}),
          command(Type::SmoothQuadraticCurveTo, false, {1, 2})}},
        {L"A 25 26 -30 0 1 50 -25", {arc(false, 25, 26, -30, false, true, 50, -25)}},
        // any non-zero flag is true; the angle keeps its size, not its unit
        {L"a1 2 30pt 0.5 -2 3 4", {arc(true, 1, 2, 30, true, true, 3, 4)}},
        // commas and white space before a number; a sign before any digit
        {L"M,1,,\t2", {M({1, 2})}},
        {L"M-1-2", {M({-1, -2})}},
        {L"M+1+2", {M({1, 2})}},
        {L"M 50% 1e5", {M({SLength(0.5f, SLength::Percent), 100000})}},
        // no implicit repetition; missing numbers are zero
        {L"M 10 20 30 40", {M({10, 20})}},
        {L"M 1 2 z 3 4 L 5 6", {M({1, 2}), Z, L({5, 6})}},
        {L"M 10", {M({10, 0})}},
        {L"A", {arc(false, 0, 0, 0, false, false, 0, 0)}},
        // anything else where a command is expected is skipped unit by unit
        {L"x M 1 2", {M({1, 2})}},
        {L"\u00e91 2 ; M 1 2 !", {M({1, 2})}},
    });
}

TEST(PathDataScan, NumbersEndWhereTheReaderSaysNotWhereSvgWould) {
    expectScans({
        // a sign after a digit starts the next number, also after "e";
        // "1e" is then no length and reads as zero, while "10e" has three
        // units and so the (unknown, pixel) unit suffix "0e"
        {L"L 1e-5 3", {L({0, -5})}},
        {L"L 10e-5 3", {L({1, -5})}},
        // "cm", "mm" and "pt" stay whole, as do other unit letters
        {L"M 2mm 3cm", {M({SLength(2, SLength::Mm), SLength(3, SLength::Cm)})}},
        {L"M 2pt 3in", {M({SLength(2, SLength::Pt), SLength(3, SLength::In)})}},
        {L"M 1ex 2px", {M({SLength(1, SLength::Ex), 2})}},
        // "em" and "pc" are cut by their command letters
        {L"M 1em 2", {M({0, 0}), m({2})}},
        {L"L 1pc 2", {L({0, 0}), command(Type::CurveTo, true, {2})}},
        // "c" or "m" not followed by "m", "t" not after "p", "C" and "M"
        {L"M 1m2", {M({1}), m({2})}},
        {L"M 1t", {M({1}), command(Type::SmoothQuadraticCurveTo, true, {})}},
        {L"M 1C2", {M({1}), command(Type::CurveTo, false, {2})}},
        // the "m" after "cm" or "mm" stays; a third "m" is a command again
        {L"M 2mmm", {M({SLength(2, SLength::Mm)}), m({})}},
        // only tab, line feed, carriage return and blank separate: a vertical
        // tab stays inside the number, which then reads its leading part
        {L"M 1\v2 3", {M({1, 3})}},
        {L"M 1.5.5 2", {M({1.5f, 2})}},
        {L"M xy 2", {M({0, 2})}},
    });
}

TEST(PathDataEquality, ComparesTheFieldsOfTheTypeOnly) {
    EXPECT_NE(command(Type::CurveTo, false, {1, 2, 3, 4, 5, 6}),
              command(Type::CurveTo, false, {1, 2, 3, 4, 5, 7}));
    EXPECT_NE(M({1, 2}), m({1, 2}));
    EXPECT_NE(M({1, 2}), L({1, 2}));
    EXPECT_NE(M({1, 2}), M({1, SLength(2, SLength::Pt)}));

    // Changing one length matters exactly when the type carries it.
    struct FieldCase {
        Type type;
        SLength P::*field;
        bool counts;
    };
    const FieldCase fields[] = {
        {Type::MoveTo, &P::x, true},
        {Type::MoveTo, &P::x1, false},
        {Type::HorizontalLineTo, &P::y, false},
        {Type::VerticalLineTo, &P::x, false},
        {Type::CurveTo, &P::y2, true},
        {Type::SmoothCurveTo, &P::x1, false},
        {Type::QuadraticCurveTo, &P::y1, true},
        {Type::QuadraticCurveTo, &P::x2, false},
        {Type::Arc, &P::ry, true},
        {Type::Arc, &P::x1, false},
        {Type::ClosePath, &P::x, false},
        {static_cast<Type>(1), &P::x, false},
    };
    for (const FieldCase& f : fields) {
        SCOPED_TRACE(testing::Message() << "type " << static_cast<int>(f.type));
        const PathDataCommand a = command(f.type, false, {});
        PathDataCommand b = a;
        b.*f.field = SLength(1);
        EXPECT_EQ(a != b, f.counts);
    }

    const PathDataCommand base = arc(false, 1, 1, 0, false, false, 1, 1);
    EXPECT_NE(base, arc(false, 1, 1, 0, false, true, 1, 1));
    EXPECT_NE(base, arc(false, 1, 1, 0, true, false, 1, 1));
    const PathDataCommand nan =
        arc(false, 1, 1, std::numeric_limits<float>::quiet_NaN(), false, false, 1, 1);
    const PathDataCommand& same = nan;
    EXPECT_NE(nan, same);
    PathDataCommand odd;
    odd.type = static_cast<Type>(12);
    const PathDataCommand& alias = odd;
    EXPECT_NE(odd, alias);
}

TEST(PathDataAttribute, ReplacesTheHeldListAndHasNoText) {
    Xml::TXmlAttribute<PathData> attribute;
    EXPECT_TRUE(attribute.parseValue(L"M 1 2 L 3 4"));
    EXPECT_TRUE(attribute.parseValue(L"L 5 6"));
    EXPECT_EQ(attribute, (PathData{L({5, 6})}));
    EXPECT_NE(attribute, (PathData{L({5, 6}), L({5, 6})}));
    EXPECT_TRUE(attribute.getValueAsString().empty());
    EXPECT_TRUE(attribute.parseValue(L"#1 2 3"));
    EXPECT_TRUE(attribute->empty());
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
