// Shared pieces of the keyword enumeration tests: an enum described as plain
// data (its keywords, names and rules as expected), checked against its
// attribute by the KeywordEnumTest cases of KeywordTest.cpp.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "css/attributes/XmlAttribute.h"
#include "platform/String.h"

namespace keyword_test {

enum class Rule { Exact, CaseInsensitive, LowerCased };
enum class Writes { Keyword, Fallback, Strict, Nothing };

// An attribute of some enum, driven through its virtual operations.
struct Ops {
    std::function<std::pair<bool, int>(int start, const Core::String& text)> parse;
    std::function<Core::String(int value)> format;
};

template <class E>
Ops opsFor() {
    return {[](int start, const Core::String& text) {
                Xml::TXmlAttribute<E> attribute(static_cast<E>(start));
                const bool accepted = static_cast<Xml::XmlAttribute&>(attribute).parseValue(text);
                return std::pair{accepted, static_cast<int>(attribute.getValue())};
            },
            [](int value) {
                Xml::TXmlAttribute<E> attribute(static_cast<E>(value));
                return static_cast<Xml::XmlAttribute&>(attribute).getValueAsString();
            }};
}

// What a text that is no keyword does; by default it is refused and the value kept.
struct Miss {
    bool accepted = false;
    std::optional<int> stores = {};
};

// What one enum is expected to do.
struct EnumCase {
    std::string name;
    Ops ops;
    Rule rule;
    Writes writes;
    std::vector<std::pair<std::wstring, int>> keywords;    // every keyword and alias
    std::vector<int> outside;                              // values the table does not name
    std::vector<std::pair<int, std::wstring>> names = {};  // written names; empty: the keywords
    std::wstring fallback = {};                            // Writes::Fallback
    const char* location = nullptr;                        // Writes::Strict
    Miss miss = {};
};

inline std::ostream& operator<<(std::ostream& out, const EnumCase& tested) {
    return out << tested.name;
}

// A value no table of these tests uses, to see whether a parse wrote the value.
constexpr int kUntouched = 77;

inline std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// Special parse rules: each text, parsed into a value of kUntouched, gives
// accepted and value.
struct ParseCase {
    const wchar_t* text;
    bool accepted;
    int value;
};

inline void expectParses(const Ops& ops, std::initializer_list<ParseCase> cases) {
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(narrow(c.text));
        EXPECT_EQ(ops.parse(kUntouched, c.text), std::pair(c.accepted, c.value));
    }
}

// A group of enums runs the shared checks with
//     INSTANTIATE_TEST_SUITE_P(Group, KeywordEnumTest, ValuesIn(cases), caseName);
class KeywordEnumTest : public ::testing::TestWithParam<EnumCase> {};

inline std::string caseName(const ::testing::TestParamInfo<EnumCase>& info) {
    return info.param.name;
}

}  // namespace keyword_test
