// Table-driven checks shared by the keyword-or-measure tests: what an
// attribute holds and writes after parsing a text, and which values compare
// equal. Values are compared field by field through describe(), so a check
// also sees the fields that operator== leaves out.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <sstream>
#include <string>
#include <type_traits>

#include "css/attributes/XmlAttribute.h"
#include "css/lengths/Background.h"
#include "css/lengths/KeywordLengths.h"
#include "css/lengths/Length.h"
#include "css/lengths/LengthOrPercent.h"

namespace measure_test {

inline std::wstring number(float value) {
    std::wostringstream out;
    out << std::hexfloat << value;
    return out.str();
}

template <class E>
requires std::is_enum_v<E> std::wstring describe(E value) {
    return L"#" + std::to_wstring(static_cast<long long>(value));
}

template <class L>
requires std::is_same_v<L, Xml::Length> || std::is_same_v<L, Xml::SLength> std::wstring describe(
    const L& length) {
    return number(length.getSize()) + L" unit " + std::to_wstring(length.getUnit());
}

template <class M>
requires std::is_same_v<M, Xml::LengthOrPercent> || std::is_same_v<M, Xml::SLengthOrPercent>
    std::wstring describe(const M& measure) {
    return measure.isPercent() ? L"percent " + number(measure.getPercent())
                               : L"length " + describe(measure.getLength());
}

inline std::wstring describe(const Xml::FontSize& value) {
    return describe(value.getType()) + describe(value.getRelativeSize()) + L" " +
           describe(value.getAbsoluteSize());
}
inline std::wstring describe(const Xml::Indent& value) {
    return describe(value.getFunction()) + L" " + describe(value.getLengthOrPercent());
}
inline std::wstring describe(const Xml::BaselineShift& value) {
    return describe(value.getMode()) + L" " + describe(value.getLengthOrPercent());
}
inline std::wstring describe(const Xml::SBaselineShift& value) {
    return describe(value.getMode()) + L" " + describe(value.getSLengthOrPercent());
}
inline std::wstring describe(const Xml::AlignmentAdjust& value) {
    return (value.isBaseline() ? L"baseline " : L"measure ") + describe(value.getBaseline()) +
           L" " + describe(value.getLengthOrPercent());
}
inline std::wstring describe(const Xml::ContentLength& value) {
    return describe(value.getScaleMode()) + L" " + describe(value.getLength()) +
           (value.isNull() ? L" null" : L"");
}
inline std::wstring describe(const Xml::LetterSpacing& value) {
    return (value.isNormal() ? L"normal " : L"explicit ") + describe(value.getLength());
}
inline std::wstring describe(const Xml::SSpacing& value) {
    return describe(value.getType()) + L" " + describe(value.getSLength());
}
inline std::wstring describe(const Xml::PageDimension& value) {
    return describe(value.getType()) + L" " + describe(value.getLength());
}
inline std::wstring describe(const Xml::BorderWidth& value) {
    return describe(static_cast<const Xml::Length&>(value));
}
inline std::wstring describe(const Xml::InitialPageNumber& value) {
    return describe(value.getType()) + L" " + std::to_wstring(value.getPageNumber());
}
inline std::wstring describe(const Xml::InitialSheetNumber& value) {
    return describe(value.getType()) + L" " + std::to_wstring(value.getSheetNumber());
}
inline std::wstring describe(const Xml::BackgroundPosition& value) {
    return describe(static_cast<const Xml::LengthOrPercent&>(value));
}
inline std::wstring describe(const Xml::BackgroundSize& value) {
    return describe(value.getType()) + L" " +
           describe(static_cast<const Xml::LengthOrPercent&>(value));
}
inline std::wstring describe(const Xml::TPRule& value) {
    return describe(value.getType()) + L" \"" + std::wstring(value.getKeyword().view()) + L"\"";
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
        Xml::TXmlAttribute<T> attribute(before);
        Xml::XmlAttribute& generic = attribute;
        EXPECT_EQ(generic.parseValue(c.text), c.accepted);
        EXPECT_EQ(describe(attribute.getValue()), describe(c.held.value_or(before)));
        EXPECT_EQ(std::wstring(generic.getValueAsString().view()), c.written);
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
        const Xml::TXmlAttribute<T> attribute(c.first);
        EXPECT_EQ(attribute == c.second, c.equal);
        EXPECT_EQ(attribute != c.second, !c.equal);
    }
}

}  // namespace measure_test
