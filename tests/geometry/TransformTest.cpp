#include "css/geometry/Transform.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <limits>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

namespace Xml {

// Shown by gtest for a transform that differs.
static void PrintTo(const Transform& t, std::ostream* os) {
    *os << "{type " << static_cast<int>(t.type);
    for (double v : t.matrix)
        *os << ' ' << v;
    for (double v : {t.scaleX, t.scaleY, t.angle, t.skewAngleX, t.skewAngleY})
        *os << ' ' << v;
    for (const TXmlAttribute<SLength>* l : {&t.translateX, &t.translateY, &t.centerX, &t.centerY})
        *os << ' ' << (*l)->getSize() << '/' << (*l)->getUnit();
    *os << '}';
}

}  // namespace Xml

namespace {

using Xml::SLength;
using Xml::Transform;
using enum Xml::TransformType;
using TransformList = Core::Vector<Transform>;

const Transform kFallback;

Transform translate(float tx, float ty) {
    return Transform(SLength(tx), SLength(ty));
}

Transform rotate(double angle, float cx = 0, float cy = 0) {
    return Transform(angle, SLength(cx), SLength(cy));
}

TEST(Transform, ConstructionAndEquality) {
    // A skew sets both angles.
    const Transform skew(SkewY, 30);
    EXPECT_EQ(skew.skewAngleX, 30);
    EXPECT_EQ(skew.skewAngleY, 30);
    // Fields that the type does not use are not compared.
    Transform other = skew;
    other.scaleX = 7;
    other.translateX = SLength(9);
    EXPECT_EQ(other, skew);
    // A NaN, and a type outside 1 to 6, are unequal to everything.
    Transform nan(SkewX, std::numeric_limits<double>::quiet_NaN()), odd0, odd7;
    odd0.type = static_cast<Xml::TransformType>(0);
    odd7.type = static_cast<Xml::TransformType>(7);
    // clang-format off
    const std::pair<Transform, Transform> unequal[] = {
        {nan, nan}, {odd0, odd0}, {odd7, odd7},
        {Transform(SkewX, 30), Transform(SkewX, 31)},  {Transform(SkewX, 30), Transform(SkewY, 30)},
        {Transform(1, 2, 3, 4, 5, 6), Transform(1, 2, 3, 4, 5, 7)},
        {rotate(45, 1, 2), rotate(45, 1, 3)},
        {translate(1, 2), Transform(SLength(1), SLength(2, SLength::Pt))},
    };
    // clang-format on
    for (const auto& [a, b] : unequal)
        EXPECT_NE(a, b);
}

TEST(ReadTransform, ReadsEachKindAndFallsBackOnAnythingElse) {
    using enum SLength::Unit;
    const Transform scale2(2, 2), skewX30(SkewX, 30);
    const std::pair<const wchar_t*, Transform> cases[] = {
        // clang-format off
        // each kind, blanks and commas between arguments
        {L"matrix(1 2 3 4 5 6)", Transform(1, 2, 3, 4, 5, 6)},
        {L"translate(10,20)", translate(10, 20)},  {L"translate(10)", translate(10, 0)},
        {L"translate(1in, 50%)", Transform(SLength(1, In), SLength(0.5f, Percent))},
        {L"scale(2)", scale2},  {L"rotate(45 5)", rotate(45, 5)},  {L"skewX(30)", skewX30},
        // white space before the name and before "("
        {L"  rotate (45)", rotate(45)},  {L"scale\t(2)", scale2},
        // names are exact and case-sensitive; "(" and arguments are needed
        {L"Translate(5)", kFallback},  {L"rotate45)", kFallback},  {L"", kFallback},
        {L"scale 2", kFallback},       {L"scale(", kFallback},
        // read directly, the ")" ends an empty argument, which reads as 0
        {L"scale()", Transform(0, 0)},  {L"scale( )", Transform(0, 0)},
        // argument counts
        {L"matrix(1 0 0 1 0)", kFallback},  {L"matrix(1 0 0 1 0 0 0)", kFallback},
        {L"rotate(1 2 3 4)", kFallback},    {L"skewX(1 2)", kFallback},
        // one separator unit then any white space: a blank before a comma
        // makes an empty argument
        {L"translate( 10 , 20 )", kFallback},  {L"scale(2 ,3)", kFallback},
        {L"rotate(45 ,6)", rotate(45, 0, 6)},  {L"matrix(1,,2,3,4,5)", Transform(1, 0, 2, 3, 4, 5)},
        // after the last argument's separator only white space: fallback ...
        {L"translate(10,20) ", kFallback},  {L"translate(10,20 )", kFallback},
        // ... unless a ")" follows, which is then an empty argument
        {L"scale(2, )", Transform(2, 0)},
        // a missing ")" reads to the end
        {L"scale(2", scale2},
        // lengths that do not read leave their zero; numbers read their prefix
        {L"translate(10, x)", translate(10, 0)},  {L"translate(5qq)", translate(5, 0)},
        {L"skewX(abc)", Transform(SkewX, 0)},
        // numbers are read in single precision
        {L"rotate(0.1)", rotate(static_cast<double>(0.1f))},
        {L"matrix(0.1 0 0 1 0 1e-3)", Transform(double(0.1f), 0, 0, 1, 0, double(1e-3f))},
        // clang-format on
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        EXPECT_EQ(Transform::readTransform(text), expected);
    }
}

TEST(ReadTransform, NeverReadsPastTheTextAtAnyCut) {
    // Each prefix in a buffer of exactly its length: a read past the end
    // shows under the address sanitizer.
    const std::wstring_view whole = L"  matrix( 1,2 3e1\t,-4 5 6 ) rotate (45,1in 2%) scale(";
    for (std::size_t n = 0; n <= whole.size(); ++n) {
        std::unique_ptr<wchar_t[]> buffer(new wchar_t[n == 0 ? 1 : n]);
        whole.copy(buffer.get(), n);
        const Transform read = Xml::detail::readTransform(std::wstring_view(buffer.get(), n));
        EXPECT_GE(static_cast<int>(read.type), 1);
    }
}

TEST(TransformList, SplitsAtClosingParenthesesAndAppends) {
    const Transform scale2(2, 2), scale3(3, 3);
    const std::pair<const wchar_t*, std::vector<Transform>> cases[] = {
        // clang-format off
        {L"", {}},  {L"  \t ", {}},
        {L"translate(10,20) scale(2)", {translate(10, 20), scale2}},
        {L"\nrotate(45 5 5)\n\tskewX(30)  ", {rotate(45, 5, 5), Transform(SkewX, 30)}},
        // a comma between items starts the next piece, which is no keyword
        {L"translate(10,20), scale(2)", {translate(10, 20), kFallback}},
        // the ")" is not part of the piece: one blank before it is a separator
        {L"translate(10,20 )", {translate(10, 20)}},  {L"translate(10,20  )", {kFallback}},
        // an unterminated last item is dropped
        {L"scale(2", {}},  {L"scale(2)rotate(4", {scale2}},
        // empty and unknown items still append their fallback
        {L"()", {kFallback}},  {L"scale() rotate( )", {kFallback, kFallback}},
        {L"foo(1) scale(3)", {kFallback, scale3}},
        {L"matrix(1 2 3 4 5 6)skewY(9)", {Transform(1, 2, 3, 4, 5, 6), Transform(SkewY, 9)}},
        // clang-format on
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << text << "\"");
        // what the list held stays in front
        Xml::TXmlAttribute<TransformList> attribute(TransformList{scale3});
        EXPECT_TRUE(attribute.parseValue(text));
        ASSERT_EQ(attribute->size(), static_cast<int>(expected.size()) + 1);
        EXPECT_EQ((*attribute)[0], scale3);
        for (int i = 1; i < attribute->size(); ++i)
            EXPECT_EQ((*attribute)[i], expected[i - 1]) << "item " << i;
        EXPECT_TRUE(attribute.getValueAsString().empty());
    }
}

}  // namespace
