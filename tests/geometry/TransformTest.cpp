#include "css/geometry/Transform.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string_view>
#include <vector>

namespace Xml {

// Shown by gtest for a transform that differs.
static void PrintTo(const Transform& t, std::ostream* os) {
    *os << "{type " << static_cast<int>(t.type) << " matrix";
    for (double v : t.matrix)
        *os << ' ' << v;
    *os << " translate " << t.translateX->getSize() << '/' << t.translateX->getUnit() << ' '
        << t.translateY->getSize() << '/' << t.translateY->getUnit() << " scale " << t.scaleX << ' '
        << t.scaleY << " angle " << t.angle << " centre " << t.centerX->getSize() << '/'
        << t.centerX->getUnit() << ' ' << t.centerY->getSize() << '/' << t.centerY->getUnit()
        << " skew " << t.skewAngleX << ' ' << t.skewAngleY << '}';
}

}  // namespace Xml

namespace {

using Xml::SLength;
using Xml::Transform;
using Xml::TransformType;
using TransformList = Core::Vector<Transform>;

const Transform kFallback;

Transform translate(float tx, float ty) {
    return Transform(SLength(tx), SLength(ty));
}

Transform rotate(double angle, float cx, float cy) {
    return Transform(angle, SLength(cx), SLength(cy));
}

TEST(Transform, ConstructionAndEquality) {
    // The default is a zero translation; a skew sets both angles.
    EXPECT_EQ(kFallback.type, TransformType::Translate);
    EXPECT_EQ(kFallback.translateX, SLength());
    EXPECT_EQ(kFallback.translateY, SLength());
    const Transform skew(TransformType::SkewY, 30);
    EXPECT_EQ(skew.skewAngleX, 30);
    EXPECT_EQ(skew.skewAngleY, 30);

    EXPECT_EQ(Transform(), Transform());
    EXPECT_NE(Transform(TransformType::SkewX, 30), Transform(TransformType::SkewX, 31));
    EXPECT_NE(Transform(TransformType::SkewX, 30), Transform(TransformType::SkewY, 30));
    EXPECT_NE(Transform(1, 2, 3, 4, 5, 6), Transform(1, 2, 3, 4, 5, 7));
    EXPECT_NE(rotate(45, 1, 2), rotate(45, 1, 3));
    EXPECT_NE(translate(1, 2), Transform(SLength(1), SLength(2, SLength::Pt)));
    // Fields that the type does not use are not compared.
    Transform other = skew;
    other.scaleX = 7;
    other.translateX = SLength(9);
    EXPECT_EQ(other, skew);

    // A NaN, and a type outside 1 to 6, are unequal to everything.
    const Transform nan(TransformType::SkewX, std::numeric_limits<double>::quiet_NaN());
    const Transform& sameNaN = nan;
    EXPECT_NE(nan, sameNaN);
    for (int raw : {0, 7}) {
        Transform odd;
        odd.type = static_cast<TransformType>(raw);
        const Transform& same = odd;
        EXPECT_FALSE(odd == same) << raw;
    }
}

struct ReadCase {
    const wchar_t* text;
    Transform expected;
};

TEST(ReadTransform, ReadsEachKindAndFallsBackOnAnythingElse) {
    const ReadCase cases[] = {
        // each kind, blanks and commas between arguments
        {L"matrix(1 2 3 4 5 6)", Transform(1, 2, 3, 4, 5, 6)},
        {L"translate(10,20)", translate(10, 20)},
        {L"translate(10)", translate(10, 0)},
        {L"translate(1in, 50%)",
         Transform(SLength(1, SLength::In), SLength(0.5f, SLength::Percent))},
        {L"scale(2)", Transform(2, 2)},
        {L"rotate(45 5)", rotate(45, 5, 0)},
        {L"skewX(30)", Transform(TransformType::SkewX, 30)},
        // white space before the name and before "("
        {L"  rotate (45)", rotate(45, 0, 0)},
        {L"scale\t(2)", Transform(2, 2)},
        // names are exact and case-sensitive
        {L"Translate(5)", kFallback},
        {L"rotate45)", kFallback},
        {L"", kFallback},
        // missing "(" or arguments
        {L"scale 2", kFallback},
        {L"scale(", kFallback},
        // read directly, the ")" ends an empty argument, which reads as 0
        {L"scale()", Transform(0, 0)},
        {L"scale( )", Transform(0, 0)},
        // argument counts
        {L"matrix(1 0 0 1 0)", kFallback},
        {L"matrix(1 0 0 1 0 0 0)", kFallback},
        {L"rotate(1 2 3 4)", kFallback},
        {L"skewX(1 2)", kFallback},
        // one separator unit then any white space: a blank before a comma
        // makes an empty argument
        {L"translate( 10 , 20 )", kFallback},
        {L"scale(2 ,3)", kFallback},
        {L"rotate(45 ,6)", rotate(45, 0, 6)},
        {L"matrix(1,,2,3,4,5)", Transform(1, 0, 2, 3, 4, 5)},
        // after the last argument's separator only white space: fallback
        {L"translate(10,20) ", kFallback},
        {L"translate(10,20 )", kFallback},
        // ... unless a ")" follows, which is then an empty argument
        {L"scale(2, )", Transform(2, 0)},
        // a missing ")" reads to the end
        {L"scale(2", Transform(2, 2)},
        // lengths that do not read leave their zero; numbers read their prefix
        {L"translate(10, x)", translate(10, 0)},
        {L"translate(5qq)", translate(5, 0)},
        {L"skewX(abc)", Transform(TransformType::SkewX, 0)},
        // numbers are read in single precision
        {L"rotate(0.1)", rotate(static_cast<double>(0.1f), 0, 0)},
        {L"matrix(0.1 0 0 1 0 1e-3)",
         Transform(static_cast<double>(0.1f), 0, 0, 1, 0, static_cast<double>(1e-3f))},
    };
    for (const ReadCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        const Transform read = Transform::readTransform(c.text);
        EXPECT_EQ(read.type, c.expected.type);
        EXPECT_EQ(read, c.expected);
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

struct ListCase {
    const wchar_t* text;
    std::vector<Transform> expected;
};

TEST(TransformList, SplitsAtClosingParenthesesAndAppends) {
    const ListCase cases[] = {
        {L"", {}},
        {L"  \t ", {}},
        {L"translate(10,20) scale(2)", {translate(10, 20), Transform(2, 2)}},
        {L"\nrotate(45 5 5)\n\tskewX(30)  ",
         {rotate(45, 5, 5), Transform(TransformType::SkewX, 30)}},
        // a comma between items starts the next piece, which is no keyword
        {L"translate(10,20), scale(2)", {translate(10, 20), kFallback}},
        // the ")" is not part of the piece: one blank before it is a separator
        {L"translate(10,20 )", {translate(10, 20)}},
        {L"translate(10,20  )", {kFallback}},
        // an unterminated last item is dropped
        {L"scale(2", {}},
        {L"scale(2)rotate(4", {Transform(2, 2)}},
        // empty and unknown items still append their fallback
        {L"()", {kFallback}},
        {L"scale() rotate( )", {kFallback, kFallback}},
        {L"foo(1) scale(3)", {kFallback, Transform(3, 3)}},
        {L"matrix(1 2 3 4 5 6)skewY(9)",
         {Transform(1, 2, 3, 4, 5, 6), Transform(TransformType::SkewY, 9)}},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        Xml::TXmlAttribute<TransformList> attribute;
        EXPECT_TRUE(attribute.parseValue(c.text));
        ASSERT_EQ(attribute->size(), static_cast<int>(c.expected.size()));
        for (int i = 0; i < attribute->size(); ++i)
            EXPECT_EQ((*attribute)[i], c.expected[i]) << "item " << i;
    }
}

TEST(TransformList, KeepsWhatItHeldAndComparesElementwise) {
    Xml::TXmlAttribute<TransformList> attribute(TransformList{Transform(5, 5)});
    EXPECT_TRUE(attribute.parseValue(L"rotate(1)"));
    EXPECT_TRUE(attribute.parseValue(L"   "));
    EXPECT_TRUE(attribute.parseValue(L"scale(2"));
    EXPECT_EQ(attribute, (TransformList{Transform(5, 5), rotate(1, 0, 0)}));
    EXPECT_NE(attribute, (TransformList{rotate(1, 0, 0), Transform(5, 5)}));
    EXPECT_NE(attribute, (TransformList{Transform(5, 5)}));
    EXPECT_TRUE(attribute.getValueAsString().empty());
}

}  // namespace
