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
    *os << "{type " << static_cast<int>(c.type) << (c.relative ? " rel" : " abs") << " x1 "
        << c.x1.getSize() << " y1 " << c.y1.getSize() << " x2 " << c.x2.getSize() << " y2 "
        << c.y2.getSize() << " x " << c.x.getSize() << '/' << c.x.getUnit() << " y "
        << c.y.getSize() << '/' << c.y.getUnit() << " rx " << c.rx.getSize() << " ry "
        << c.ry.getSize() << " angle " << c.angle << (c.largeArc ? " large" : "")
        << (c.sweep ? " sweep" : "") << '}';
}

}  // namespace Xml

namespace {

using Xml::PathDataCommand;
using Xml::SLength;
using Type = Xml::PathDataCommandType;
using PathData = Core::Vector<PathDataCommand>;

// A command with its data fields in the order the letter reads them (for an
// arc: rx, ry, angle, large-arc, sweep, x, y); missing ones stay zero.
PathDataCommand command(Type type, bool relative, std::initializer_list<SLength> values) {
    PathDataCommand c;
    c.type = type;
    c.relative = relative;
    std::vector<SLength> v(values);
    v.resize(7);
    switch (type) {
        case Type::MoveTo:
        case Type::LineTo:
        case Type::SmoothQuadraticCurveTo:
            c.x = v[0], c.y = v[1];
            break;
        case Type::HorizontalLineTo:
            c.x = v[0];
            break;
        case Type::VerticalLineTo:
            c.y = v[0];
            break;
        case Type::CurveTo:
            c.x1 = v[0], c.y1 = v[1], c.x2 = v[2], c.y2 = v[3], c.x = v[4], c.y = v[5];
            break;
        case Type::SmoothCurveTo:
            c.x2 = v[0], c.y2 = v[1], c.x = v[2], c.y = v[3];
            break;
        case Type::QuadraticCurveTo:
            c.x1 = v[0], c.y1 = v[1], c.x = v[2], c.y = v[3];
            break;
        case Type::Arc:
            c.rx = v[0], c.ry = v[1], c.angle = v[2].getSize();
            c.largeArc = v[3].getSize() != 0, c.sweep = v[4].getSize() != 0;
            c.x = v[5], c.y = v[6];
            break;
        default:
            break;
    }
    return c;
}

PathDataCommand M(std::initializer_list<SLength> v) {
    return command(Type::MoveTo, false, v);
}
PathDataCommand m(std::initializer_list<SLength> v) {
    return command(Type::MoveTo, true, v);
}
PathDataCommand L(std::initializer_list<SLength> v) {
    return command(Type::LineTo, false, v);
}
PathDataCommand l(std::initializer_list<SLength> v) {
    return command(Type::LineTo, true, v);
}
PathDataCommand Z() {
    return command(Type::ClosePath, false, {});
}

SLength len(float size, SLength::Unit unit = SLength::Px) {
    return SLength(size, unit);
}

struct ScanCase {
    const wchar_t* text;
    std::vector<PathDataCommand> expected;
};

void expectScan(const ScanCase& c) {
    SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
    Xml::TXmlAttribute<PathData> attribute;
    EXPECT_TRUE(attribute.parseValue(c.text));
    ASSERT_EQ(attribute->size(), static_cast<int>(c.expected.size()));
    for (int i = 0; i < attribute->size(); ++i) {
        EXPECT_EQ((*attribute)[i], c.expected[i])
            << "command " << i << ": " << testing::PrintToString((*attribute)[i]);
    }
}

TEST(PathDataScan, OneCommandPerLetterWithItsNumbers) {
    const ScanCase cases[] = {
        {L"", {}},
        {L" \t\r\n ", {}},
        {L"M 10 20 L 30 40 z", {M({10, 20}), L({30, 40}), Z()}},
        {L"m10,20l5-5", {m({10, 20}), l({5, -5})}},
        {L"Z z", {Z(), Z()}},
        {L"H 5 h 6 V 7 v 8",
         {command(Type::HorizontalLineTo, false, {5}), command(Type::HorizontalLineTo, true, {6}),
          command(Type::VerticalLineTo, false, {7}), command(Type::VerticalLineTo, true, {8})}},
        {L"C 1 2 3 4 5 6 c1,2,3,4,5,6",
         {command(Type::CurveTo, false, {1, 2, 3, 4, 5, 6}),
          command(Type::CurveTo, true, {1, 2, 3, 4, 5, 6})}},
        {L"S1 2 3 4s5 6 7 8",
         {command(Type::SmoothCurveTo, false, {1, 2, 3, 4}),
          command(Type::SmoothCurveTo, true, {5, 6, 7, 8})}},
        {L"Q1 2 3 4q5 6 7 8",
         {command(Type::QuadraticCurveTo, false, {1, 2, 3, 4}),
          command(Type::QuadraticCurveTo, true, {5, 6, 7, 8})}},
        {L"T1 2t3 4",
         {command(Type::SmoothQuadraticCurveTo, false, {1, 2}),
          command(Type::SmoothQuadraticCurveTo, true, {3, 4})}},
        {L"A 25 26 -30 0 1 50 -25", {command(Type::Arc, false, {25, 26, -30, 0, 1, 50, -25})}},
        {L"a1,2,3,1,0,4,5", {command(Type::Arc, true, {1, 2, 3, 1, 0, 4, 5})}},
        // any non-zero flag number is true; the angle keeps its size only
        {L"A 1 2 30pt 0.5 -2 3 4", {command(Type::Arc, false, {1, 2, 30, 1, 1, 3, 4})}},
        {L"A 1 2 50% 0 0 3 4", {command(Type::Arc, false, {1, 2, 0.5f, 0, 0, 3, 4})}},
        // commas and white space of every kind before a number
        {L"M,1,,\t2", {M({1, 2})}},
        {L"M-1-2", {M({-1, -2})}},
        {L"M+1+2", {M({1, 2})}},
        {L"M.5.5", {M({0.5f})}},
        {L"M1e5 2", {M({100000, 2})}},
        {L"M 50% 10%", {M({len(0.5f, SLength::Percent), len(0.1f, SLength::Percent)})}},
    };
    for (const ScanCase& c : cases)
        expectScan(c);
}

TEST(PathDataScan, NoImplicitRepetitionAndShortCommandsGetZeros) {
    const ScanCase cases[] = {
        {L"M 10 20 30 40", {M({10, 20})}},
        {L"M 10 20 30 40 L 1 2", {M({10, 20}), L({1, 2})}},
        {L"M 1 2 z 3 4", {M({1, 2}), Z()}},
        {L"M 10", {M({10, 0})}},
        {L"C 1 2", {command(Type::CurveTo, false, {1, 2})}},
        {L"A", {command(Type::Arc, false, {})}},
        // anything that is not a command letter is skipped one unit at a time
        {L"x M 1 2", {M({1, 2})}},
        {L"1 2 3 M 1 2", {M({1, 2})}},
        {L"M 1 2 ; L 3 4 !", {M({1, 2}), L({3, 4})}},
        {L"\u00e9M1 2", {M({1, 2})}},
    };
    for (const ScanCase& c : cases)
        expectScan(c);
}

TEST(PathDataScan, NumbersEndWhereTheReaderSaysNotWhereSvgWould) {
    const ScanCase cases[] = {
        // a sign after a digit starts the next number, also after "e"; "1e"
        // is then no length and reads as zero
        {L"L 1e-5 3", {L({0, -5})}},
        {L"L 1E-5 3", {L({0, -5})}},
        // "10e" has three units, so "0e" is its (unknown, pixel) unit suffix
        {L"L 10e-5 3", {L({1, -5})}},
        // "cm", "mm" and "pt" stay whole, as do other unit letters
        {L"M 2mm 3cm", {M({len(2, SLength::Mm), len(3, SLength::Cm)})}},
        {L"M 2pt 3pt", {M({len(2, SLength::Pt), len(3, SLength::Pt)})}},
        {L"M 2px 3in", {M({len(2), len(3, SLength::In)})}},
        {L"M 1ex 2xy", {M({len(1, SLength::Ex), len(2)})}},
        // "em" and "pc" are cut by their command letters
        {L"M 1em 2", {M({0, 0}), m({2})}},
        {L"L 1pc 2", {L({0, 0}), command(Type::CurveTo, true, {2})}},
        // "c" or "m" not followed by "m", and "t" not after "p", are commands
        {L"M 1m2", {M({1}), m({2})}},
        {L"M 1c", {M({1}), command(Type::CurveTo, true, {})}},
        {L"M 1t", {M({1}), command(Type::SmoothQuadraticCurveTo, true, {})}},
        {L"M 1T2", {M({1}), command(Type::SmoothQuadraticCurveTo, false, {2})}},
        {L"M 1C2", {M({1}), command(Type::CurveTo, false, {2})}},
        {L"M 1M2", {M({1}), M({2})}},
        // the "m" after "cm" or "mm" stays; a third "m" is a command again
        {L"M 2mmm", {M({len(2, SLength::Mm)}), m({})}},
        {L"M 1cmm", {M({len(1, SLength::Cm)}), m({})}},
        // only tab, line feed, carriage return and blank separate: a vertical
        // tab stays inside the number, which then reads its leading part
        {L"M 1\v2 3", {M({1, 3})}},
        {L"M 1\n2\r", {M({1, 2})}},
        // a number text that is no length reads as zero
        {L"M xy 2", {M({0, 2})}},
        {L"M 1.5.5 2", {M({1.5f, 2})}},
    };
    for (const ScanCase& c : cases)
        expectScan(c);
}

TEST(PathDataEquality, ComparesTheFieldsOfTheTypeOnly) {
    EXPECT_NE(command(Type::CurveTo, false, {1, 2, 3, 4, 5, 6}),
              command(Type::CurveTo, false, {1, 2, 3, 4, 5, 7}));
    EXPECT_NE(M({1, 2}), m({1, 2}));
    EXPECT_NE(M({1, 2}), L({1, 2}));
    EXPECT_NE(M({1, 2}), M({1, len(2, SLength::Pt)}));
    EXPECT_EQ(Z(), Z());

    // Each type's fields take part, and only they.
    struct FieldCase {
        Type type;
        SLength PathDataCommand::*field;
        bool counts;
    };
    const FieldCase fields[] = {
        {Type::MoveTo, &PathDataCommand::x, true},
        {Type::MoveTo, &PathDataCommand::x1, false},
        {Type::HorizontalLineTo, &PathDataCommand::x, true},
        {Type::HorizontalLineTo, &PathDataCommand::y, false},
        {Type::VerticalLineTo, &PathDataCommand::y, true},
        {Type::VerticalLineTo, &PathDataCommand::x, false},
        {Type::CurveTo, &PathDataCommand::x1, true},
        {Type::CurveTo, &PathDataCommand::y2, true},
        {Type::CurveTo, &PathDataCommand::rx, false},
        {Type::SmoothCurveTo, &PathDataCommand::x2, true},
        {Type::SmoothCurveTo, &PathDataCommand::x1, false},
        {Type::QuadraticCurveTo, &PathDataCommand::y1, true},
        {Type::QuadraticCurveTo, &PathDataCommand::x2, false},
        {Type::SmoothQuadraticCurveTo, &PathDataCommand::y, true},
        {Type::SmoothQuadraticCurveTo, &PathDataCommand::y1, false},
        {Type::Arc, &PathDataCommand::ry, true},
        {Type::Arc, &PathDataCommand::y, true},
        {Type::Arc, &PathDataCommand::x1, false},
        {Type::ClosePath, &PathDataCommand::x, false},
        {static_cast<Type>(1), &PathDataCommand::x, false},
    };
    for (const FieldCase& f : fields) {
        SCOPED_TRACE(testing::Message() << "type " << static_cast<int>(f.type));
        PathDataCommand a = command(f.type, false, {});
        PathDataCommand b = a;
        b.*f.field = SLength(1);
        EXPECT_EQ(a == b, !f.counts);
        EXPECT_EQ(a != b, f.counts);
    }

    PathDataCommand arc = command(Type::Arc, false, {1, 1, 0, 0, 0, 1, 1});
    PathDataCommand other = arc;
    other.sweep = true;
    EXPECT_NE(arc, other);
    other = arc;
    other.largeArc = true;
    EXPECT_NE(arc, other);
    other = arc;
    other.angle = std::numeric_limits<float>::quiet_NaN();
    const PathDataCommand& same = other;
    EXPECT_NE(other, same);

    for (int raw : {0, 12}) {
        PathDataCommand odd;
        odd.type = static_cast<Type>(raw);
        const PathDataCommand& alias = odd;
        EXPECT_NE(odd, alias) << raw;
    }
}

TEST(PathDataAttribute, ReplacesTheHeldListAndHasNoText) {
    Xml::TXmlAttribute<PathData> attribute;
    EXPECT_TRUE(attribute.parseValue(L"M 1 2 L 3 4"));
    EXPECT_TRUE(attribute.parseValue(L"l 5 6"));
    EXPECT_EQ(attribute, (PathData{l({5, 6})}));
    EXPECT_NE(attribute, (PathData{l({5, 6}), l({5, 6})}));
    EXPECT_TRUE(attribute.getValueAsString().empty());
    EXPECT_TRUE(attribute.parseValue(L"#1 2 3"));
    EXPECT_TRUE(attribute->empty());

    Xml::TXmlAttribute<PathData> source(PathData{M({1, 2}), Z()});
    attribute.copyFrom(source);
    EXPECT_EQ(attribute, source.getValue());
}

TEST(PathDataScan, NeverReadsPastTheTextAtAnyCut) {
    // Every prefix in a buffer of exactly its length, so that a read past the
    // end shows under the address sanitizer; each cut ends on a different
    // unit (a "c" or "m" that would look ahead, a "t" that looks back).
    const std::wstring_view whole = L"M1cm 2mm c1pt,2e-3 3 4 5 6A1 2 3 1 0 4 5Q1 2 3 4 t1 2 z m";
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        std::unique_ptr<wchar_t[]> buffer(new wchar_t[n == 0 ? 1 : n]);
        whole.copy(buffer.get(), n);
        const PathData scanned = PathDataCommand::parsePathData(std::wstring_view(buffer.get(), n));
        EXPECT_LE(scanned.size(), static_cast<int>(n));
    }
}

}  // namespace
