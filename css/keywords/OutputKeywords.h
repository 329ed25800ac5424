/// @file
/// Keyword settings of the output writers and of the interactive features of
/// produced documents: duplex printing, PDF conformance, TrueType embedding,
/// AFP text encoding, media playback, 3D lighting, JavaScript targets, the
/// scripting language and the form controls.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/keywords/Keyword.h"

namespace Xml {

/// Whether to print on both sides of the sheet.
/// Unspecified has no keyword.
enum class XMLATTR_API Duplex : std::int32_t { True = 0, False = 1, Unspecified = 2 };

/// Keywords of Duplex: exact case, not written back.
template <>
struct KeywordsOf<Duplex> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<Duplex>({.format = KeywordFormat::None},
                             {keyword(L"true", Duplex::True), keyword(L"false", Duplex::False)});
};

/// The PDF standard a written file conforms to.
enum class XMLATTR_API PDFConformance : std::int32_t {
    Default = 0,
    PdfX1a2003 = 1,
    PdfA1a2005 = 2,
    PdfA1b2005 = 3,
};

/// Keywords of PDFConformance: exact case, not written back.
template <>
struct KeywordsOf<PDFConformance> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<PDFConformance>(
        {.format = KeywordFormat::None}, {keyword(L"Default", PDFConformance::Default),
                                          keyword(L"PDF/X-1a:2003", PDFConformance::PdfX1a2003),
                                          keyword(L"PDF/A-1a:2005", PDFConformance::PdfA1a2005),
                                          keyword(L"PDF/A-1b:2005", PDFConformance::PdfA1b2005)});
};

/// How TrueType fonts are embedded: not at all, whole, or the used glyphs only.
/// True is 1 here, unlike Duplex::True.
enum class XMLATTR_API TTFEmbedMode : std::int32_t { False = 0, True = 1, Subset = 2 };

/// Keywords of TTFEmbedMode: exact case, not written back.
template <>
struct KeywordsOf<TTFEmbedMode> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<TTFEmbedMode>(
        {.format = KeywordFormat::None},
        {keyword(L"true", TTFEmbedMode::True), keyword(L"false", TTFEmbedMode::False),
         keyword(L"subset", TTFEmbedMode::Subset)});
};

/// The text encoding of AFP output.
enum class XMLATTR_API AFPEncoding : std::int32_t { Ascii = 0, Ebcdic = 1, Utf16 = 2 };

/// Keywords of AFPEncoding: any letter case, not written back.
template <>
struct KeywordsOf<AFPEncoding> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<AFPEncoding>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"ASCII", AFPEncoding::Ascii), keyword(L"EBCDIC", AFPEncoding::Ebcdic),
         keyword(L"UTF-16", AFPEncoding::Utf16)});
};

/// When embedded media start playing.
enum class XMLATTR_API PlayMediaObject : std::int32_t {
    OnClick = 0,
    OnPageVisible = 1,
    OnPageFocus = 2
};

/// Keywords of PlayMediaObject: any letter case, written back by name.
template <>
struct KeywordsOf<PlayMediaObject> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<PlayMediaObject>({.match = KeywordMatch::CaseInsensitive},
                                      {keyword(L"on-click", PlayMediaObject::OnClick),
                                       keyword(L"on-page-visible", PlayMediaObject::OnPageVisible),
                                       keyword(L"on-page-focus", PlayMediaObject::OnPageFocus)});
};

/// Which output formats receive JavaScript.
enum class XMLATTR_API JavaScriptType : std::int32_t { All = 0, Pdf = 1, Html = 2 };

/// Keywords of JavaScriptType: any letter case, written back by name, "all" for a value without
/// one.
template <>
struct KeywordsOf<JavaScriptType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<JavaScriptType>(
        {.match = KeywordMatch::CaseInsensitive,
         .format = KeywordFormat::Fallback,
         .fallback = L"all"},
        {keyword(L"all", JavaScriptType::All), keyword(L"pdf", JavaScriptType::Pdf),
         keyword(L"html", JavaScriptType::Html)});
};

/// The scripting language of a script.
/// A text that is no keyword stores Unspecified and is rejected.
enum class XMLATTR_API ScriptType : std::int32_t { Js = 0, Vb = 1, Unspecified = 2 };

/// Keywords of ScriptType: any letter case, not written back.
template <>
struct KeywordsOf<ScriptType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table =
        keywordTable<ScriptType>({.match = KeywordMatch::CaseInsensitive,
                                  .format = KeywordFormat::None,
                                  .noMatch = storeAndReject(ScriptType::Unspecified)},
                                 {keyword(L"js", ScriptType::Js), keyword(L"vb", ScriptType::Vb)});
};

/// The kind of a form control.
/// Unspecified has no keyword and is written as the empty text.
enum class XMLATTR_API FormControlType : std::int32_t {
    Checkbox = 0,
    Text = 1,
    Button = 2,
    Radiobutton = 3,
    Submit = 4,
    Unspecified = 5,
    Signature = 6,
};

/// Keywords of FormControlType: any letter case, written back by name.
template <>
struct KeywordsOf<FormControlType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<FormControlType>(
        {.match = KeywordMatch::CaseInsensitive},
        {keyword(L"checkbox", FormControlType::Checkbox), keyword(L"text", FormControlType::Text),
         keyword(L"signature", FormControlType::Signature),
         keyword(L"button", FormControlType::Button),
         keyword(L"radiobutton", FormControlType::Radiobutton),
         keyword(L"submit", FormControlType::Submit)});
};

/// What a form action does: open an address or run JavaScript.
enum class XMLATTR_API FormActionType : std::int32_t { Unspecified = 0, Url = 1, Javascript = 2 };

/// Keywords of FormActionType: any letter case, not written back.
template <>
struct KeywordsOf<FormActionType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<FormActionType>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"url", FormActionType::Url), keyword(L"javascript", FormActionType::Javascript)});
};

/// The event that triggers a form action.
enum class XMLATTR_API FormTriggerAction : std::int32_t {
    Unspecified = 0,
    OnMouseUp = 1,
    OnMouseDown = 2,
    OnMouseEnter = 3,
    OnMouseExit = 4,
    OnFocus = 5,
    OnBlur = 6,
};

/// Keywords of FormTriggerAction: any letter case, not written back.
template <>
struct KeywordsOf<FormTriggerAction> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<FormTriggerAction>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"OnMouseUp", FormTriggerAction::OnMouseUp),
         keyword(L"OnMouseDown", FormTriggerAction::OnMouseDown),
         keyword(L"OnMouseEnter", FormTriggerAction::OnMouseEnter),
         keyword(L"OnMouseExit", FormTriggerAction::OnMouseExit),
         keyword(L"OnFocus", FormTriggerAction::OnFocus),
         keyword(L"OnBlur", FormTriggerAction::OnBlur)});
};

/// The lighting of 3D content, by the scheme names of PDF 3D annotations.
enum class XMLATTR_API LightingScheme : std::int32_t {
    Artwork = 0,
    None = 1,
    White = 2,
    Day = 3,
    Night = 4,
    Hard = 5,
    Primary = 6,
    Blue = 7,
    Red = 8,
    Cube = 9,
    Cad = 10,
    Headlamp = 11,
};

/// Keywords of LightingScheme: any letter case, not written back.
template <>
struct KeywordsOf<LightingScheme> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<LightingScheme>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"artwork", LightingScheme::Artwork), keyword(L"none", LightingScheme::None),
         keyword(L"white", LightingScheme::White), keyword(L"day", LightingScheme::Day),
         keyword(L"night", LightingScheme::Night), keyword(L"hard", LightingScheme::Hard),
         keyword(L"primary", LightingScheme::Primary), keyword(L"blue", LightingScheme::Blue),
         keyword(L"red", LightingScheme::Red), keyword(L"cube", LightingScheme::Cube),
         keyword(L"cad", LightingScheme::Cad), keyword(L"headlamp", LightingScheme::Headlamp)});
};

extern template class TXmlAttribute<Duplex>;
extern template class TXmlAttribute<PDFConformance>;
extern template class TXmlAttribute<TTFEmbedMode>;
extern template class TXmlAttribute<AFPEncoding>;
extern template class TXmlAttribute<PlayMediaObject>;
extern template class TXmlAttribute<JavaScriptType>;
extern template class TXmlAttribute<ScriptType>;
extern template class TXmlAttribute<FormControlType>;
extern template class TXmlAttribute<FormActionType>;
extern template class TXmlAttribute<FormTriggerAction>;
extern template class TXmlAttribute<LightingScheme>;

}  // namespace Xml
