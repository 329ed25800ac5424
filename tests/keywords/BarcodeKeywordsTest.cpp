// Keyword enumerations of barcodes.
#include "css/keywords/BarcodeKeywords.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/keywords/KeywordTestSupport.h"

namespace keyword_test {
namespace {

// The columns as in FontKeywordsTest.cpp.
// clang-format off
const std::vector<EnumCase> kBarcodeEnums = {
    {"BarcodeType", opsFor<Xml::BarcodeType>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"UPC-E", 1}, {L"EAN-8", 2}, {L"UPC-A", 3}, {L"EAN-13", 4}, {L"Auto", 0}, {L"DataMatrix", 5},
      {L"3of9", 6}, {L"2of5", 7}, {L"Postnet", 8}, {L"Planet", 9}, {L"Code128", 10},
      {L"Code128Raw", 11}, {L"Code128UCC", 12}, {L"OMR", 13}, {L"Pdf417", 14}}, {15, -1}},
    {"DMEncoding", opsFor<Xml::DMEncoding>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"ASCII", 0}, {L"C40", 1}, {L"TEXT", 2}, {L"BASE256", 3}, {L"NONE", 4}, {L"AUTO", 5}},
     {6, -1}},
    {"DMFormat", opsFor<Xml::DMFormat>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"AUTO", -1},   {L"C10X10", 0},    {L"C12X12", 1},    {L"C14X14", 2},    {L"C16X16", 3},
      {L"C18X18", 4},  {L"C20X20", 5},    {L"C22X22", 6},    {L"C24X24", 7},    {L"C26X26", 8},
      {L"C32X32", 9},  {L"C36X36", 10},   {L"C40X40", 11},   {L"C44X44", 12},   {L"C48X48", 13},
      {L"C52X52", 14}, {L"C64X64", 15},   {L"C72X72", 16},   {L"C80X80", 17},   {L"C88X88", 18},
      {L"C96X96", 19}, {L"C104X104", 20}, {L"C120X120", 21}, {L"C132X132", 22}, {L"C144X144", 23},
      {L"C8X18", 24},  {L"C8X32", 25},    {L"C12X26", 26},   {L"C12X36", 27},   {L"C16X36", 28},
      {L"C16X48", 29}}, {30, -2}},
    {"Code128CodeSet", opsFor<Xml::Code128CodeSet>(), Rule::CaseInsensitive, Writes::Nothing,
     {{L"CodeSetA", 0}, {L"CodeSetB", 1}, {L"CodeSetC", 2}}, {3}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(BarcodeKeywords, KeywordEnumTest, ::testing::ValuesIn(kBarcodeEnums),
                         caseName);

// Sizes that are not among the thirty, and near misses of the keyword shape.
TEST(DMFormat, SizesOutsideTheTableKeepTheValue) {
    // clang-format off
    expectParses(opsFor<Xml::DMFormat>(), {
        {L"C18X8", false, kUntouched}, {L"C28X28", false, kUntouched},
        {L"C10X12", false, kUntouched}, {L"C010X010", false, kUntouched},
        {L"C10*10", false, kUntouched}, {L"-1", false, kUntouched}});
    // clang-format on
}

}  // namespace
}  // namespace keyword_test
