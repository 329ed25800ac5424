// Shared pieces of the keyword enumeration tests: an enum described as plain
// data (its keywords, names and rules as expected), and a runner that checks
// an attribute of that enum against the description.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "css/attributes/XmlAttribute.h"
#include "platform/Exception.h"
#include "platform/Log.h"
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
                Xml::XmlAttribute& generic = attribute;
                const bool accepted = generic.parseValue(text);
                return std::pair{accepted, static_cast<int>(attribute.getValue())};
            },
            [](int value) {
                Xml::TXmlAttribute<E> attribute(static_cast<E>(value));
                Xml::XmlAttribute& generic = attribute;
                return generic.getValueAsString();
            }};
}

// What one enum is expected to do.
struct EnumSpec {
    std::string name;
    Ops ops;
    Rule rule;
    std::vector<std::pair<std::wstring, int>> keywords;  // every keyword and alias
    Writes writes;
    std::vector<std::pair<int, std::wstring>> names;  // values written as text; empty: the keywords
    std::vector<int> outside;                         // values the table does not name
    std::wstring fallback = {};                       // Writes::Fallback
    const char* location = nullptr;                   // Writes::Strict
};

inline std::ostream& operator<<(std::ostream& out, const EnumSpec& spec) {
    return out << spec.name;
}

// A value no table of these tests uses, to see whether a parse wrote the value.
constexpr int kUntouched = 77;

inline std::wstring upper(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'a' && c <= L'z')
            c = static_cast<wchar_t>(c - (L'a' - L'A'));
    }
    return text;
}

inline std::wstring capitalised(std::wstring text) {
    if (!text.empty() && text[0] >= L'a' && text[0] <= L'z') {
        text[0] = static_cast<wchar_t>(text[0] - (L'a' - L'A'));
    }
    return text;
}

inline std::wstring lowered(std::wstring text) {
    for (wchar_t& c : text) {
        if (c >= L'A' && c <= L'Z')
            c = static_cast<wchar_t>(c + (L'a' - L'A'));
    }
    return text;
}

inline std::string narrow(const std::wstring& text) {
    return std::string(text.begin(), text.end());
}

// Collects what the log receives while it lives.
class LogCapture {
  public:
    LogCapture() {
        previous_ = Core::Log::setHandler([this](Core::Log::Level level, const Core::String& text) {
            entries_.emplace_back(level, std::wstring(text.view()));
        });
    }
    ~LogCapture() { Core::Log::setHandler(previous_); }
    const std::vector<std::pair<Core::Log::Level, std::wstring>>& entries() const {
        return entries_;
    }

  private:
    Core::Log::Handler previous_;
    std::vector<std::pair<Core::Log::Level, std::wstring>> entries_;
};

// The checks every enum goes through (KeywordTest.cpp). A group of enums runs
// them with
//     INSTANTIATE_TEST_SUITE_P(Group, KeywordEnumTest, ValuesIn(specs), specName);
class KeywordEnumTest : public ::testing::TestWithParam<EnumSpec> {};

inline std::string specName(const ::testing::TestParamInfo<EnumSpec>& info) {
    return info.param.name;
}

}  // namespace keyword_test
