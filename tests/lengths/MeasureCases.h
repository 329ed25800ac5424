// Shared checks of the lengths tests: what an attribute holds and writes after
// parsing a text, and which values compare equal.
// Values are compared through describe(), which lists every field, so a check
// also sees the fields that operator== leaves out.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>

#include "css/attributes/XmlAttribute.h"
#include "css/lengths/Background.h"
#include "css/lengths/KeywordLengths.h"
#include "tests/support/LogCapture.h"

namespace measure_test {

using namespace Xml;
using test_support::expectRaisedAt;
using S = std::wstring;

// One overload per value type, listing its fields; sizes as exact bits.
struct Fields {
    template <class... Parts>
    static S join(const Parts&... parts) {
        S text;
        ((text += of(parts) + L" "), ...);
        text.back() = L')';
        return L"(" + text;
    }
    static S of(float v) {
        std::wostringstream out;
        out << std::hexfloat << v;
        return out.str();
    }
    static S of(int v) { return std::to_wstring(v); }
    static S of(bool v) { return v ? L"yes" : L"no"; }
    template <class E>
    requires std::is_enum_v<E>
    static S of(E v) { return L"#" + std::to_wstring(static_cast<long long>(v)); }
    static S of(const Core::String& v) { return L"\"" + S(v.view()) + L"\""; }
    template <class L>  // Length, SLength and the types built on them
    requires requires(const L& v) { v.getUnit(); }
    static S of(const L& v) { return join(v.getUnit(), v.getSize()); }
    template <class M>  // LengthOrPercent, SLengthOrPercent and BackgroundPosition
    requires requires(const M& v) { v.isPercent(); }
    static S of(const M& v) { return join(v.isPercent(), v.getLength(), v.getPercent()); }
    static S of(const detail::AutoOrLengthOrPercent& v) {
        return join(v.isAuto(), v.getLengthOrPercent());
    }
    static S of(const FloatOrPercent& v) { return of(v.getValue()); }
    static S of(const SNullableLength& v) { return join(v.getUnit(), v.getSize(), v.isNull()); }
    static S of(const DLength& v) { return join(v.getFirst(), v.getSecond()); }
    static S of(const Core::Vector<SLength>& v) {
        S text;
        for (const SLength& length : v)
            text += of(length) + L"; ";
        return text;
    }
    static S of(const FontSize& v) {
        return join(v.getType(), v.getRelativeSize(), v.getAbsoluteSize());
    }
    static S of(const Indent& v) { return join(v.getFunction(), v.getLengthOrPercent()); }
    static S of(const BaselineShift& v) { return join(v.getMode(), v.getLengthOrPercent()); }
    static S of(const SBaselineShift& v) { return join(v.getMode(), v.getSLengthOrPercent()); }
    static S of(const AlignmentAdjust& v) {
        return join(v.isBaseline(), v.getBaseline(), v.getLengthOrPercent());
    }
    static S of(const ContentLength& v) {
        return join(v.getScaleMode(), v.getLength(), v.isNull());
    }
    static S of(const LetterSpacing& v) { return join(v.isNormal(), v.getLength()); }
    static S of(const SSpacing& v) { return join(v.getType(), v.getSLength()); }
    static S of(const PageDimension& v) { return join(v.getType(), v.getLength()); }
    static S of(const InitialPageNumber& v) { return join(v.getType(), v.getPageNumber()); }
    static S of(const InitialSheetNumber& v) { return join(v.getType(), v.getSheetNumber()); }
    static S of(const BackgroundSize& v) {
        return join(v.getType(), static_cast<const LengthOrPercent&>(v));
    }
    static S of(const TPRule& v) { return join(v.getType(), v.getKeyword()); }
};

inline LengthOrPercent measure(float size, Length::Unit unit) {
    return Length(size, unit);
}

inline LengthOrPercent pt(float size) {
    return measure(size, Length::Pt);
}

inline LengthOrPercent fraction(float value) {
    return value;
}

template <class T>
S describe(const T& value) {
    return Fields::of(value);
}

template <class T>
struct ParseCase {
    const wchar_t* text;
    bool accepted;
    std::optional<T> held;  // nullopt: the value held before, unchanged
    const wchar_t* written;
};

// Each text is parsed by a fresh attribute holding before.
template <class T>
void checkParses(const T& before, std::initializer_list<ParseCase<T>> cases) {
    for (const ParseCase<T>& c : cases) {
        SCOPED_TRACE(testing::Message() << "text \"" << c.text << "\"");
        TXmlAttribute<T> attribute(before);
        XmlAttribute& generic = attribute;
        EXPECT_EQ(generic.parseValue(c.text), c.accepted);
        EXPECT_EQ(describe(attribute.getValue()), describe(c.held.value_or(before)));
        EXPECT_EQ(S(generic.getValueAsString().view()), c.written);
    }
}

template <class T>
struct EqualityCase {
    T first;
    T second;
    bool equal;
};

// Both orders, on the values and through the attribute's == and !=.
template <class T>
void checkEquality(std::initializer_list<EqualityCase<T>> cases) {
    int row = 0;
    for (const EqualityCase<T>& c : cases) {
        SCOPED_TRACE(testing::Message() << "row " << row++);
        EXPECT_EQ(c.first == c.second, c.equal);
        EXPECT_EQ(c.second == c.first, c.equal);
        const TXmlAttribute<T> attribute(c.first);
        EXPECT_EQ(attribute == c.second, c.equal);
        EXPECT_EQ(attribute != c.second, !c.equal);
    }
}

}  // namespace measure_test
