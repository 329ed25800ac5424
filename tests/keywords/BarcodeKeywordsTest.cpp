// Keyword enumerations of barcodes.
#include "css/keywords/BarcodeKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordCaseChecks.h"
#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

const std::vector<EnumSpec> kBarcodeEnums = {
    {"BarcodeType",
     opsFor<Xml::BarcodeType>(),
     Rule::CaseInsensitive,
     {{L"UPC-E", 1},
      {L"EAN-8", 2},
      {L"UPC-A", 3},
      {L"EAN-13", 4},
      {L"Auto", 0},
      {L"DataMatrix", 5},
      {L"3of9", 6},
      {L"2of5", 7},
      {L"Postnet", 8},
      {L"Planet", 9},
      {L"Code128", 10},
      {L"Code128Raw", 11},
      {L"Code128UCC", 12},
      {L"OMR", 13},
      {L"Pdf417", 14}},
     Writes::Nothing,
     {},
     {15, -1}},
    {"DMEncoding",
     opsFor<Xml::DMEncoding>(),
     Rule::CaseInsensitive,
     {{L"ASCII", 0}, {L"C40", 1}, {L"TEXT", 2}, {L"BASE256", 3}, {L"NONE", 4}, {L"AUTO", 5}},
     Writes::Nothing,
     {},
     {6, -1}},
    {"DMFormat",
     opsFor<Xml::DMFormat>(),
     Rule::CaseInsensitive,
     {{L"AUTO", -1},   {L"C10X10", 0},    {L"C12X12", 1},    {L"C14X14", 2},    {L"C16X16", 3},
      {L"C18X18", 4},  {L"C20X20", 5},    {L"C22X22", 6},    {L"C24X24", 7},    {L"C26X26", 8},
      {L"C32X32", 9},  {L"C36X36", 10},   {L"C40X40", 11},   {L"C44X44", 12},   {L"C48X48", 13},
      {L"C52X52", 14}, {L"C64X64", 15},   {L"C72X72", 16},   {L"C80X80", 17},   {L"C88X88", 18},
      {L"C96X96", 19}, {L"C104X104", 20}, {L"C120X120", 21}, {L"C132X132", 22}, {L"C144X144", 23},
      {L"C8X18", 24},  {L"C8X32", 25},    {L"C12X26", 26},   {L"C12X36", 27},   {L"C16X36", 28},
      {L"C16X48", 29}},
     Writes::Nothing,
     {},
     {30, -2}},
    {"Code128CodeSet",
     opsFor<Xml::Code128CodeSet>(),
     Rule::CaseInsensitive,
     {{L"CodeSetA", 0}, {L"CodeSetB", 1}, {L"CodeSetC", 2}},
     Writes::Nothing,
     {},
     {3}},
};

INSTANTIATE_TEST_SUITE_P(BarcodeKeywords, KeywordEnumTest, ::testing::ValuesIn(kBarcodeEnums),
                         specName);

TEST(BarcodeKeywords, KeywordsReadInAnyCase) {
    expectCaseRules(kBarcodeEnums);
}

TEST(BarcodeKeywords, LowerCaseKeywords) {
    Xml::TXmlAttribute<Xml::BarcodeType> type;
    EXPECT_TRUE(type.parseValue(L"upc-e"));
    EXPECT_TRUE(type == Xml::BarcodeType::UpcE);
    Xml::TXmlAttribute<Xml::DMFormat> format(Xml::DMFormat::C16x48);
    EXPECT_TRUE(format.parseValue(L"auto"));
    EXPECT_EQ(static_cast<int>(format.getValue()), -1);
    EXPECT_TRUE(format.parseValue(L"c8x32"));
    EXPECT_TRUE(format == Xml::DMFormat::C8x32);
    Xml::TXmlAttribute<Xml::DMEncoding> encoding;
    EXPECT_TRUE(encoding.parseValue(L"auto"));
    EXPECT_EQ(static_cast<int>(encoding.getValue()), 5);
}

// Sizes that are not among the thirty, and near misses of the keyword shape.
TEST(BarcodeKeywords, DataMatrixSizesOutsideTheTable) {
    Xml::TXmlAttribute<Xml::DMFormat> format(Xml::DMFormat::C24x24);
    for (const wchar_t* text : {L"C18X8", L"C28X28", L"C10X12", L"10X10", L"C10x10 ", L"C010X010",
                                L"C10*10", L"-1", L"0", L"C"}) {
        EXPECT_FALSE(format.parseValue(text)) << narrow(text);
        EXPECT_TRUE(format == Xml::DMFormat::C24x24);
    }
}

}  // namespace
}  // namespace keyword_test
