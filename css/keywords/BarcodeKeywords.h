/// @file
/// Keyword settings of barcodes: the symbology, the Data Matrix encodation and
/// symbol size, and the Code 128 code set. Keywords are compared without
/// regard to case (listed in their stored case) and no value is written back
/// as text.
#pragma once

#include "platform/Export.h"

#include <cstdint>

#include "css/keywords/Keyword.h"

namespace Xml {

/// The barcode symbology.
enum class XMLATTR_API BarcodeType : std::int32_t {
    Auto = 0,
    UpcE = 1,
    Ean8 = 2,
    UpcA = 3,
    Ean13 = 4,
    DataMatrix = 5,
    Code3of9 = 6,
    Code2of5 = 7,
    Postnet = 8,
    Planet = 9,
    Code128 = 10,
    Code128Raw = 11,
    Code128UCC = 12,
    Omr = 13,
    Pdf417 = 14,
};

/// Keywords of BarcodeType: any letter case, not written back.
template <>
struct KeywordsOf<BarcodeType> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<BarcodeType>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"UPC-E", BarcodeType::UpcE), keyword(L"EAN-8", BarcodeType::Ean8),
         keyword(L"UPC-A", BarcodeType::UpcA), keyword(L"EAN-13", BarcodeType::Ean13),
         keyword(L"Auto", BarcodeType::Auto), keyword(L"DataMatrix", BarcodeType::DataMatrix),
         keyword(L"3of9", BarcodeType::Code3of9), keyword(L"2of5", BarcodeType::Code2of5),
         keyword(L"Postnet", BarcodeType::Postnet), keyword(L"Planet", BarcodeType::Planet),
         keyword(L"Code128", BarcodeType::Code128), keyword(L"Code128Raw", BarcodeType::Code128Raw),
         keyword(L"Code128UCC", BarcodeType::Code128UCC), keyword(L"OMR", BarcodeType::Omr),
         keyword(L"Pdf417", BarcodeType::Pdf417)});
};

/// The Data Matrix encodation.
enum class XMLATTR_API DMEncoding : std::int32_t {
    Ascii = 0,
    C40 = 1,
    Text = 2,
    Base256 = 3,
    None = 4,
    Auto = 5
};

/// Keywords of DMEncoding: any letter case, not written back.
template <>
struct KeywordsOf<DMEncoding> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<DMEncoding>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"ASCII", DMEncoding::Ascii), keyword(L"C40", DMEncoding::C40),
         keyword(L"TEXT", DMEncoding::Text), keyword(L"BASE256", DMEncoding::Base256),
         keyword(L"NONE", DMEncoding::None), keyword(L"AUTO", DMEncoding::Auto)});
};

/// The Data Matrix symbol size, rows by columns: the 24 square sizes in
/// increasing order, then the 6 rectangular ones; Auto lets the encoder choose.
enum class XMLATTR_API DMFormat : std::int32_t {
    Auto = -1,
    C10x10 = 0,
    C12x12 = 1,
    C14x14 = 2,
    C16x16 = 3,
    C18x18 = 4,
    C20x20 = 5,
    C22x22 = 6,
    C24x24 = 7,
    C26x26 = 8,
    C32x32 = 9,
    C36x36 = 10,
    C40x40 = 11,
    C44x44 = 12,
    C48x48 = 13,
    C52x52 = 14,
    C64x64 = 15,
    C72x72 = 16,
    C80x80 = 17,
    C88x88 = 18,
    C96x96 = 19,
    C104x104 = 20,
    C120x120 = 21,
    C132x132 = 22,
    C144x144 = 23,
    C8x18 = 24,
    C8x32 = 25,
    C12x26 = 26,
    C12x36 = 27,
    C16x36 = 28,
    C16x48 = 29,
};

/// Keywords of DMFormat: any letter case, not written back.
template <>
struct KeywordsOf<DMFormat> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<DMFormat>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"AUTO", DMFormat::Auto),         keyword(L"C10X10", DMFormat::C10x10),
         keyword(L"C12X12", DMFormat::C12x12),     keyword(L"C14X14", DMFormat::C14x14),
         keyword(L"C16X16", DMFormat::C16x16),     keyword(L"C18X18", DMFormat::C18x18),
         keyword(L"C20X20", DMFormat::C20x20),     keyword(L"C22X22", DMFormat::C22x22),
         keyword(L"C24X24", DMFormat::C24x24),     keyword(L"C26X26", DMFormat::C26x26),
         keyword(L"C32X32", DMFormat::C32x32),     keyword(L"C36X36", DMFormat::C36x36),
         keyword(L"C40X40", DMFormat::C40x40),     keyword(L"C44X44", DMFormat::C44x44),
         keyword(L"C48X48", DMFormat::C48x48),     keyword(L"C52X52", DMFormat::C52x52),
         keyword(L"C64X64", DMFormat::C64x64),     keyword(L"C72X72", DMFormat::C72x72),
         keyword(L"C80X80", DMFormat::C80x80),     keyword(L"C88X88", DMFormat::C88x88),
         keyword(L"C96X96", DMFormat::C96x96),     keyword(L"C104X104", DMFormat::C104x104),
         keyword(L"C120X120", DMFormat::C120x120), keyword(L"C132X132", DMFormat::C132x132),
         keyword(L"C144X144", DMFormat::C144x144), keyword(L"C8X18", DMFormat::C8x18),
         keyword(L"C8X32", DMFormat::C8x32),       keyword(L"C12X26", DMFormat::C12x26),
         keyword(L"C12X36", DMFormat::C12x36),     keyword(L"C16X36", DMFormat::C16x36),
         keyword(L"C16X48", DMFormat::C16x48)});
};

/// The Code 128 code set.
enum class XMLATTR_API Code128CodeSet : std::int32_t { CodeSetA = 0, CodeSetB = 1, CodeSetC = 2 };

/// Keywords of Code128CodeSet: any letter case, not written back.
template <>
struct KeywordsOf<Code128CodeSet> {
    /// The rows in the order they are tried, and the rules.
    static constexpr auto table = keywordTable<Code128CodeSet>(
        {.match = KeywordMatch::CaseInsensitive, .format = KeywordFormat::None},
        {keyword(L"CodeSetA", Code128CodeSet::CodeSetA),
         keyword(L"CodeSetB", Code128CodeSet::CodeSetB),
         keyword(L"CodeSetC", Code128CodeSet::CodeSetC)});
};

extern template class TXmlAttribute<BarcodeType>;
extern template class TXmlAttribute<DMEncoding>;
extern template class TXmlAttribute<DMFormat>;
extern template class TXmlAttribute<Code128CodeSet>;

}  // namespace Xml
