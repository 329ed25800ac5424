// Keyword enumerations of output writers and interactive features.
#include "css/keywords/OutputKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

// The columns as in FontKeywordsTest.cpp. ScriptType stores Unspecified (2)
// for a text that is no keyword, and refuses it.
// clang-format off
const std::vector<EnumCase> kOutputEnums = {
    {"Duplex", opsFor<Xml::Duplex>(), Rule::Exact, Writes::Nothing,
     {{L"true", 0}, {L"false", 1}}, {2, 3}},
    {"PDFConformance", opsFor<Xml::PDFConformance>(), Rule::Exact, Writes::Nothing,
     {{L"Default", 0}, {L"PDF/X-1a:2003", 1}, {L"PDF/A-1a:2005", 2}, {L"PDF/A-1b:2005", 3}}, {4}},
    {"TTFEmbedMode", opsFor<Xml::TTFEmbedMode>(), Rule::Exact, Writes::Nothing,
     {{L"true", 1}, {L"false", 0}, {L"subset", 2}}, {3}},
    {"AFPEncoding", opsFor<Xml::AFPEncoding>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"ASCII", 0}, {L"EBCDIC", 1}, {L"UTF-16", 2}}, {3}},
    {"PlayMediaObject", opsFor<Xml::PlayMediaObject>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"on-click", 0}, {L"on-page-visible", 1}, {L"on-page-focus", 2}}, {3, -1}},
    {"JavaScriptType", opsFor<Xml::JavaScriptType>(), Rule::CaseInsensitive, Writes::Fallback,
     {{L"all", 0}, {L"pdf", 1}, {L"html", 2}}, {3, 7, -1}, {}, L"all"},
    {"ScriptType", opsFor<Xml::ScriptType>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"js", 0}, {L"vb", 1}}, {2, 3}, {}, {}, nullptr, {false, 2}},
    {"FormControlType", opsFor<Xml::FormControlType>(), Rule::CaseInsensitive, Writes::Keyword,
     {{L"checkbox", 0}, {L"text", 1}, {L"signature", 6}, {L"button", 2}, {L"radiobutton", 3},
      {L"submit", 4}}, {5, 7, -1}},
    {"FormActionType", opsFor<Xml::FormActionType>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"url", 1}, {L"javascript", 2}}, {0, 3}},
    {"FormTriggerAction", opsFor<Xml::FormTriggerAction>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"OnMouseUp", 1}, {L"OnMouseDown", 2}, {L"OnMouseEnter", 3}, {L"OnMouseExit", 4},
      {L"OnFocus", 5}, {L"OnBlur", 6}}, {0, 7}},
    {"LightingScheme", opsFor<Xml::LightingScheme>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"artwork", 0}, {L"none", 1}, {L"white", 2}, {L"day", 3}, {L"night", 4}, {L"hard", 5},
      {L"primary", 6}, {L"blue", 7}, {L"red", 8}, {L"cube", 9}, {L"cad", 10}, {L"headlamp", 11}},
     {12, -1}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(OutputKeywords, KeywordEnumTest, ::testing::ValuesIn(kOutputEnums),
                         caseName);

}  // namespace
}  // namespace keyword_test
