// A check the shared enum checks leave out: keywords in lower case, in
// capitals and in alternating case. Tables whose keywords are stored in
// capitals or mixed case need it to show the comparison rule at all.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {

inline std::wstring alternating(std::wstring text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        text[i] = static_cast<wchar_t>(i % 2 == 0 ? lowered(std::wstring(1, text[i]))[0]
                                                  : upper(std::wstring(1, text[i]))[0]);
    }
    return text;
}

// Case-insensitive tables read every variant; exact ones refuse each variant
// that differs from the keyword and is no keyword of its own, keeping the value.
inline void expectCaseRule(const EnumSpec& spec) {
    SCOPED_TRACE(spec.name);
    const auto isKeyword = [&](const std::wstring& text) {
        return std::any_of(spec.keywords.begin(), spec.keywords.end(),
                           [&](const auto& entry) { return entry.first == text; });
    };
    for (const auto& [text, number] : spec.keywords) {
        for (const std::wstring& variant : {lowered(text), upper(text), alternating(text)}) {
            if (variant == text || (spec.rule == Rule::Exact && isKeyword(variant)))
                continue;
            SCOPED_TRACE(narrow(variant));
            const auto result = spec.ops.parse(kUntouched, Core::String(variant.c_str()));
            if (spec.rule == Rule::Exact) {
                EXPECT_EQ(result, std::pair(false, kUntouched));
            } else {
                EXPECT_EQ(result, std::pair(true, number));
            }
        }
    }
}

inline void expectCaseRules(const std::vector<EnumSpec>& specs) {
    for (const EnumSpec& spec : specs)
        expectCaseRule(spec);
}

}  // namespace keyword_test
