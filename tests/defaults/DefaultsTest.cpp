#include "css/defaults/Defaults.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using namespace Xml;

template <class E>
std::int32_t number(const TXmlAttribute<E>& attribute) {
    return static_cast<std::int32_t>(attribute.getValue());
}

// The numbers the enumeration defaults hold are part of the interface; the
// keywords they stand for are in docs/attributes.md.
TEST(Defaults, EnumerationsHoldTheirNumbers) {
    const struct {
        const char* name;
        std::int32_t held, expected;
    } cases[] = {
        // clang-format off
        {"LineStackingStrategy", number(DefaultLineStackingStrategy), 2},
        {"LinefeedTreatment", number(DefaultLinefeedTreatmentAttribute), 2},
        {"WhiteSpaceTreatment", number(DefaultWhiteSpaceTreatmentAttribute), 4},
        {"BlankOrNotBlank", number(DefaultBlankOrNotBlank), 2},
        {"PagePosition", number(DefaultPagePosition), 3}, {"Parity", number(DefaultParity), 2},
        {"RetrieveBoundary", number(DefaultRetrieveBoundary), 1},
        {"AxisIntersection", number(DefaultAxisIntersection), 2},
        {"AxisPosition", number(DefaultAxisPosition), 1},
        {"ChartType", number(DefaultChartType), 1},
        {"Code128CodeSet", number(DefaultCode128CodeSet), 1},
        {"DMEncoding", number(DefaultDMEncoding), 5}, {"DMFormat", number(DefaultDMFormat), -1},
        {"DisplayValPlacement", number(DefaultDisplayValPlacement), 2},
        {"LabelType", number(DefaultLabelType), 1}, {"STextAnchor", number(DefaultSTextAnchor), 1},
        {"SVisibility", number(DefaultSVisibility), 1},
        {"SliceOrientation", number(DefaultSliceOrientation), 1},
        {"TickStyle", number(DefaultTickStyle), 2}, {"Duplex", number(DefaultDuplexAttribute), 2},
        {"FormControlType", number(DefaultFormControlTypeAttribute), 5},
        {"ScriptType", number(DefaultScriptTypeAttribute), 2},
        {"TTFEmbedMode", number(DefaultTTFEmbedMode), 2},
        {"BorderStyle", number(DefaultBorderStyle), 0},
        {"LeaderRuleStyle", number(DefaultLeaderRuleStyle), 7},
        {"SGradientSpreadMethod", number(DefaultSGradientSpreadMethod), 0},
        {"TextAlign", number(DefaultTextAlign), 0}, {"FontWeight", number(DefaultFontWeight), 0},
        {"BarcodeType", number(DefaultBarcodeType), 0}, {"Overflow", number(DefaultOverflow), 0},
        {"ReferenceOrientation", number(DefaultReferenceOrientation), 0},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.held, c.expected) << c.name;
}

TEST(Defaults, CountsOfTheScalarDefaults) {
    EXPECT_EQ((std::vector<int>{DefaultDotSize.getValue(), DefaultBarColumnCount.getValue(),
                                DefaultBarRowCount.getValue(), DefaultColumnCount.getValue(),
                                DefaultHyphenationCharCount.getValue(),
                                DefaultWidowsAndOrphans.getValue()}),
              (std::vector<int>{4, 1, 3, 1, 2, 2}));
}

TEST(Defaults, LengthsAndOtherScalars) {
    EXPECT_EQ(DefaultLineHeight->pxSize(10), 12.0f);
    EXPECT_EQ(DefaultOneHundredPercent->pxSize(10), 10.0f);
    EXPECT_EQ(DefaultFloatLengthOrPercent->pxSize(10), -10.0f);
    EXPECT_EQ(DefaultTabStopLength->pxSize(), 48.0f);
    EXPECT_EQ(DefaultBorderLength->pxSize(), 2.0f);
    EXPECT_EQ(DefaultBorderWidth->pxSize(), 2.0f);
    EXPECT_TRUE(DefaultFontSize->isAbsoluteSize());
    EXPECT_TRUE(DefaultFontSize->getAbsoluteSize() == LengthOrPercent(Length(10, Length::Pt)));
    EXPECT_TRUE(DefaultMiterlimit == SLength(4, SLength::Px));
    EXPECT_TRUE(DefaultSNullableLength->isNull());
    EXPECT_TRUE(DefaultSDashPattern->empty());
    EXPECT_TRUE(DefaultColumnWidth->isAuto());
    EXPECT_EQ(DefaultMaxFloat.getValue(), 2147483648.0f);
    EXPECT_EQ(DefaultMinFloat.getValue(), -2147483648.0f);
    EXPECT_EQ(DefaultFontFamily.getValue(), L"Times");
    EXPECT_EQ(DefaultValue->getOrdinal(), -1);
    EXPECT_EQ(DefaultMaxValue->getFloatValue(), 2147483648.0f);
    EXPECT_EQ(DefaultLanguage->language, 0);
    EXPECT_EQ(DefaultAxisUnits->type, AxisUnits::Auto);
}

TEST(Defaults, BlackDefaultsHoldColoursOfTheirOwn) {
    const auto border = DefaultBorderColor.getValue();
    const auto fill = DefaultFillColor.getValue();
    ASSERT_TRUE(border && fill);
    EXPECT_NE(border.get(), fill.get());
    EXPECT_EQ(ColorParse::getColorAsString(border), L"rgb(0,0,0)");
    EXPECT_EQ(ColorParse::getColorAsString(fill), L"rgb(0,0,0)");
    EXPECT_FALSE(DefaultBackgroundColor.getValue());
    EXPECT_EQ(DefaultSFillColor->getType(), SColor::ColorValue);
    EXPECT_EQ(DefaultSColor->getType(), SColor::None);
    EXPECT_TRUE(DefaultSNullableFillColor->isNull());
    EXPECT_TRUE(DefaultSNullableFillColor->getColor());
    EXPECT_FALSE(DefaultBoxShadow->getColor());
}

TEST(Defaults, GeometryStartsEmptyAndCentred) {
    EXPECT_EQ(DefaultSPreserveAspectRatio->getAspectRatio(), 146);
    EXPECT_TRUE(DefaultViewBox == ViewBox(SLengthOrPercent(0.0f), SLengthOrPercent(0.0f),
                                          SLengthOrPercent(1.0f), SLengthOrPercent(1.0f)));
    EXPECT_TRUE(DefaultRectFAttribute == Drawing::RectF(0, 0, 0, 0));
    EXPECT_TRUE(DefaultTransformList->empty());
    EXPECT_TRUE(DefaultPathData->empty());
    EXPECT_TRUE(DefaultPointList->empty());
}

}  // namespace
