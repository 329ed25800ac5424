// The promises every attribute type keeps, whatever the text, checked on one
// pair of texts: the property fuzz target and the corpus replay test both go
// through checkProperties<T>.
//
//  - parseValue never throws (a Core exception out of it is a finding; reads
//    outside the text are the sanitizers' to catch);
//  - a rejected text leaves the held value as it was, except for the types
//    whose rejection stores something by design (StoresOnRejection below);
//  - a written-back text reads again as the same type, and where writing is
//    exact (ExactText below) it comes back unchanged after one round.
#pragma once

#include <string>
#include <string_view>
#include <type_traits>

#include "css/XmlAttributes.h"
#include "platform/Exception.h"
#include "tools/registry/TypeList.h"

namespace xmlattr_tool {

// Types whose written text reads back as the very same text: keywords (the
// table's name of the value) and lengths (a number in the shortest form that
// reads back as the same float, and a unit).
template <class T>
constexpr bool writesExactText() {
    return Xml::KeywordEnum<T> || std::is_same_v<T, Xml::Length>;
}

// A written text that is not expected to read again: a number beyond float
// range is written as "inf" or "-inf" (no reader takes it), and a point list
// writes small numbers with a negative exponent, whose "-" its grammar takes
// for the next number's sign.
template <class T>
bool writtenOutsideGrammar(std::wstring_view written) {
    if (written.find(L"inf") != std::wstring_view::npos ||
        written.find(L"nan") != std::wstring_view::npos) {
        return true;
    }
    if constexpr (std::is_same_v<T, Core::Vector<Xml::Point>>)
        return written.find(L"e-") != std::wstring_view::npos;
    return false;
}

// Whether writing a held value back may raise: points in ex units have no
// pixel size, and the point list writes pixels.
template <class T>
constexpr bool mayRaiseWhenWritten() {
    return std::is_same_v<T, Core::Vector<Xml::Point>>;
}

// The value compares equal to itself (a NaN does not, so "unchanged" cannot
// be judged by equality).
template <class T>
bool selfEqual(const Xml::TXmlAttribute<T>& attribute) {
    return attribute == attribute.getValue();
}

// Parses first, then second, into one attribute and checks the promises on
// the second parse. Empty when they hold; otherwise what broke.
template <class T>
std::string checkProperties(const Core::String& first, const Core::String& second) {
    try {
        Xml::TXmlAttribute<T> attribute;
        (void)attribute.parseValue(first);
        const Xml::TXmlAttribute<T> before(attribute);
        const bool accepted = attribute.parseValue(second);
        if (!accepted) {
            if (!storesOnRejection<T>() && selfEqual(before) && !(attribute == before.getValue())) {
                return "a rejected text changed the held value";
            }
            return {};
        }
        Core::String written;
        try {
            written = attribute.getValueAsString();
        } catch (const Core::Exception&) {
            return mayRaiseWhenWritten<T>() ? std::string() : "writing the value back raised";
        }
        if (written.empty() || writtenOutsideGrammar<T>(written.view()))
            return {};  // no text form, or one no reader takes
        Xml::TXmlAttribute<T> again;
        if (!again.parseValue(written))
            return "the written text does not read again";
        if constexpr (writesExactText<T>()) {
            if (again.getValueAsString() != written)
                return "the written text changes when read and written again";
        }
        return {};
    } catch (const Core::Exception& error) {
        return std::string("raised ") + error.what();
    }
}

}  // namespace xmlattr_tool
