// Keyword enumerations of output writers and interactive features.
#include "css/keywords/OutputKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordCaseChecks.h"
#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

using Xml::ScriptType;

const std::vector<EnumSpec> kOutputEnums = {
    {"Duplex",
     opsFor<Xml::Duplex>(),
     Rule::Exact,
     {{L"true", 0}, {L"false", 1}},
     Writes::Nothing,
     {},
     {2, 3}},
    {"PDFConformance",
     opsFor<Xml::PDFConformance>(),
     Rule::Exact,
     {{L"Default", 0}, {L"PDF/X-1a:2003", 1}, {L"PDF/A-1a:2005", 2}, {L"PDF/A-1b:2005", 3}},
     Writes::Nothing,
     {},
     {4}},
    {"TTFEmbedMode",
     opsFor<Xml::TTFEmbedMode>(),
     Rule::Exact,
     {{L"true", 1}, {L"false", 0}, {L"subset", 2}},
     Writes::Nothing,
     {},
     {3}},
    {"AFPEncoding",
     opsFor<Xml::AFPEncoding>(),
     Rule::CaseInsensitive,
     {{L"ASCII", 0}, {L"EBCDIC", 1}, {L"UTF-16", 2}},
     Writes::Nothing,
     {},
     {3}},
    {"PlayMediaObject",
     opsFor<Xml::PlayMediaObject>(),
     Rule::CaseInsensitive,
     {{L"on-click", 0}, {L"on-page-visible", 1}, {L"on-page-focus", 2}},
     Writes::Keyword,
     {},
     {3, -1}},
    {"JavaScriptType",
     opsFor<Xml::JavaScriptType>(),
     Rule::CaseInsensitive,
     {{L"all", 0}, {L"pdf", 1}, {L"html", 2}},
     Writes::Fallback,
     {},
     {3, 7, -1},
     L"all"},
    {"FormControlType",
     opsFor<Xml::FormControlType>(),
     Rule::CaseInsensitive,
     {{L"checkbox", 0},
      {L"text", 1},
      {L"signature", 6},
      {L"button", 2},
      {L"radiobutton", 3},
      {L"submit", 4}},
     Writes::Keyword,
     {},
     {5, 7, -1}},
    {"FormActionType",
     opsFor<Xml::FormActionType>(),
     Rule::CaseInsensitive,
     {{L"url", 1}, {L"javascript", 2}},
     Writes::Nothing,
     {},
     {0, 3}},
    {"FormTriggerAction",
     opsFor<Xml::FormTriggerAction>(),
     Rule::CaseInsensitive,
     {{L"OnMouseUp", 1},
      {L"OnMouseDown", 2},
      {L"OnMouseEnter", 3},
      {L"OnMouseExit", 4},
      {L"OnFocus", 5},
      {L"OnBlur", 6}},
     Writes::Nothing,
     {},
     {0, 7}},
    {"LightingScheme",
     opsFor<Xml::LightingScheme>(),
     Rule::CaseInsensitive,
     {{L"artwork", 0},
      {L"none", 1},
      {L"white", 2},
      {L"day", 3},
      {L"night", 4},
      {L"hard", 5},
      {L"primary", 6},
      {L"blue", 7},
      {L"red", 8},
      {L"cube", 9},
      {L"cad", 10},
      {L"headlamp", 11}},
     Writes::Nothing,
     {},
     {12, -1}},
};

INSTANTIATE_TEST_SUITE_P(OutputKeywords, KeywordEnumTest, ::testing::ValuesIn(kOutputEnums),
                         specName);

TEST(OutputKeywords, KeywordsReadByTheirCaseRule) {
    expectCaseRules(kOutputEnums);
}

TEST(OutputKeywords, TrueIsZeroForDuplexButOneForEmbedding) {
    Xml::TXmlAttribute<Xml::Duplex> duplex(Xml::Duplex::Unspecified);
    Xml::TXmlAttribute<Xml::TTFEmbedMode> embed(Xml::TTFEmbedMode::Subset);
    EXPECT_TRUE(duplex.parseValue(L"true"));
    EXPECT_TRUE(embed.parseValue(L"true"));
    EXPECT_EQ(static_cast<int>(duplex.getValue()), 0);
    EXPECT_EQ(static_cast<int>(embed.getValue()), 1);
    EXPECT_FALSE(duplex.parseValue(L"TRUE"));
    EXPECT_TRUE(duplex == Xml::Duplex::True);
}

TEST(OutputKeywords, ConformanceLevelsOnlyAsWritten) {
    Xml::TXmlAttribute<Xml::PDFConformance> conformance;
    EXPECT_TRUE(conformance.parseValue(L"PDF/A-1b:2005"));
    EXPECT_EQ(static_cast<int>(conformance.getValue()), 3);
    for (const wchar_t* text : {L"pdf/a-1b:2005", L"PDF/A-1b", L"PDF/A-1B:2005", L"default"}) {
        EXPECT_FALSE(conformance.parseValue(text)) << narrow(text);
        EXPECT_TRUE(conformance == Xml::PDFConformance::PdfA1b2005);
    }
}

TEST(ScriptType, EveryKeywordGivesItsNumber) {
    const Ops ops = opsFor<ScriptType>();
    for (const auto& [text, number] :
         {std::pair(L"js", 0), std::pair(L"vb", 1), std::pair(L"JS", 0), std::pair(L"Vb", 1)}) {
        SCOPED_TRACE(narrow(text));
        EXPECT_EQ(ops.parse(kUntouched, text), std::pair(true, number));
    }
    for (int number : {0, 1, 2, 3})
        EXPECT_EQ(ops.format(number), L"");
}

// A failed match does not keep the value: it stores Unspecified.
TEST(ScriptType, AnyOtherTextStoresUnspecifiedAndFails) {
    for (const wchar_t* text : {L"javascript", L"", L" js", L"js ", L"vbs", L"2"}) {
        SCOPED_TRACE(narrow(text));
        Xml::TXmlAttribute<ScriptType> script(ScriptType::Js);
        EXPECT_FALSE(script.parseValue(text));
        EXPECT_TRUE(script == ScriptType::Unspecified);
        EXPECT_EQ(static_cast<int>(script.getValue()), 2);
    }
}

TEST(OutputKeywords, WrittenForms) {
    Xml::TXmlAttribute<Xml::JavaScriptType> javaScript(static_cast<Xml::JavaScriptType>(7));
    EXPECT_EQ(javaScript.getValueAsString(), L"all");
    Xml::TXmlAttribute<Xml::FormControlType> control(Xml::FormControlType::Unspecified);
    EXPECT_EQ(control.getValueAsString(), L"");
    EXPECT_TRUE(control.parseValue(L"SIGNATURE"));
    EXPECT_EQ(control.getValueAsString(), L"signature");
    Xml::TXmlAttribute<Xml::FormTriggerAction> trigger;
    EXPECT_TRUE(trigger.parseValue(L"onmouseup"));
    EXPECT_TRUE(trigger == Xml::FormTriggerAction::OnMouseUp);
    EXPECT_EQ(trigger.getValueAsString(), L"");
}

}  // namespace
}  // namespace keyword_test
