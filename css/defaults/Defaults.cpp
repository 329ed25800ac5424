#include "css/defaults/Defaults.h"

namespace Xml {

namespace {

// Each black default holds a colour object of its own.
SmartPtr<Drawing::Color> black() {
    return SmartPtr<Drawing::Color>(new Drawing::RGBColor(0, 0, 0));
}

}  // namespace

// Keyword enumerations
constinit const TXmlAttribute<AlignmentBaseline> DefaultAlignmentBaseline{AlignmentBaseline::Auto};
constinit const TXmlAttribute<DisplayAlign> DefaultDisplayAlign{DisplayAlign::Before};
constinit const TXmlAttribute<Visibility> DefaultFOVisibilityAttribute{Visibility::Visible};
constinit const TXmlAttribute<FontStyle> DefaultFontStyle{FontStyle::Normal};
constinit const TXmlAttribute<FontVariant> DefaultFontVariant{FontVariant::Normal};
constinit const TXmlAttribute<FontWeight> DefaultFontWeight{FontWeight::Normal};
constinit const TXmlAttribute<LeaderAlignment> DefaultLeaderAlignment{LeaderAlignment::None};
constinit const TXmlAttribute<LeaderPattern> DefaultLeaderPattern{LeaderPattern::Space};
constinit const TXmlAttribute<LineHeightShiftAdjustment> DefaultLineHeightShiftAdjustment{
    LineHeightShiftAdjustment::ConsiderShifts};
constinit const TXmlAttribute<LineStackingStrategy> DefaultLineStackingStrategy{
    LineStackingStrategy::MaxHeight};
constinit const TXmlAttribute<LinefeedTreatment> DefaultLinefeedTreatmentAttribute{
    LinefeedTreatment::TreatAsSpace};
constinit const TXmlAttribute<TabPattern> DefaultTabPattern{TabPattern::None};
constinit const TXmlAttribute<TabStopType> DefaultTabStopType{TabStopType::Left};
constinit const TXmlAttribute<TextAlign> DefaultTextAlign{TextAlign::Left};
constinit const TXmlAttribute<TextDirection> DefaultTextDirection{TextDirection::Ltr};
constinit const TXmlAttribute<TextLineStyle> DefaultTextLineStyle{TextLineStyle::None};
constinit const TXmlAttribute<WhiteSpaceTreatment> DefaultWhiteSpaceTreatmentAttribute{
    WhiteSpaceTreatment::IgnoreIfSurroundingLinefeed};
constinit const TXmlAttribute<WrapOption> DefaultWrapOptionAttribute{WrapOption::Wrap};
constinit const TXmlAttribute<AlignmentConstraint> DefaultAlignmentConstraintAttribute{
    AlignmentConstraint::None};
constinit const TXmlAttribute<BlankOrNotBlank> DefaultBlankOrNotBlank{BlankOrNotBlank::Any};
constinit const TXmlAttribute<Break> DefaultBreak{Break::Auto};
constinit const TXmlAttribute<FootnoteRestartRule> DefaultFootnoteRestartRule{
    FootnoteRestartRule::Auto};
constinit const TXmlAttribute<ForcePageCount> DefaultForcePageCount{ForcePageCount::Auto};
constinit const TXmlAttribute<Keep> DefaultKeep{Keep::Auto};
constinit const TXmlAttribute<PageConstraint> DefaultPageConstraintAttribute{PageConstraint::Any};
constinit const TXmlAttribute<PagePosition> DefaultPagePosition{PagePosition::Any};
constinit const TXmlAttribute<PageRegionConstraint> DefaultPageRegionConstraintAttribute{
    PageRegionConstraint::None};
constinit const TXmlAttribute<Parity> DefaultParity{Parity::Any};
constinit const TXmlAttribute<ReferenceOrientation> DefaultReferenceOrientation{
    ReferenceOrientation::Deg0};
constinit const TXmlAttribute<RetrieveBoundary> DefaultRetrieveBoundary{
    RetrieveBoundary::PageSequence};
constinit const TXmlAttribute<RetrieveBoundaryWithinTable> DefaultRetrieveBoundaryWithinTable{
    RetrieveBoundaryWithinTable::Table};
constinit const TXmlAttribute<RetrievePosition> DefaultRetrievePosition{
    RetrievePosition::FirstStartingWithinPage};
constinit const TXmlAttribute<RetrievePositionWithinTable> DefaultRetrievePositionWithinTable{
    RetrievePositionWithinTable::FirstStarting};
constinit const TXmlAttribute<Span> DefaultSpanAttribute{Span::None};
constinit const TXmlAttribute<AxisDataType> DefaultAxisDataType{AxisDataType::Auto};
constinit const TXmlAttribute<AxisIntersection> DefaultAxisIntersection{AxisIntersection::Auto};
constinit const TXmlAttribute<AxisOrientation> DefaultAxisOrientation{AxisOrientation::Auto};
constinit const TXmlAttribute<AxisPosition> DefaultAxisPosition{AxisPosition::Left};
constinit const TXmlAttribute<BarcodeType> DefaultBarcodeType{BarcodeType::Auto};
constinit const TXmlAttribute<ChartType> DefaultChartType{ChartType::Bar};
constinit const TXmlAttribute<Code128CodeSet> DefaultCode128CodeSet{Code128CodeSet::CodeSetB};
constinit const TXmlAttribute<DMEncoding> DefaultDMEncoding{DMEncoding::Auto};
constinit const TXmlAttribute<DMFormat> DefaultDMFormat{DMFormat::Auto};
constinit const TXmlAttribute<DisplayValPlacement> DefaultDisplayValPlacement{
    DisplayValPlacement::Auto};
constinit const TXmlAttribute<LabelType> DefaultLabelType{LabelType::Square};
constinit const TXmlAttribute<SDisplay> DefaultSDisplay{SDisplay::Inline};
constinit const TXmlAttribute<Drawing::GradientSpreadMethod> DefaultSGradientSpreadMethod{
    Drawing::GradientSpreadMethod::Repeat};
constinit const TXmlAttribute<Drawing::GradientUnits> DefaultSGradientUnits{
    Drawing::GradientUnits::ObjectBoundingBox};
constinit const TXmlAttribute<SLineCap> DefaultSLineCap{SLineCap::Butt};
constinit const TXmlAttribute<SLineJoin> DefaultSLineJoin{SLineJoin::Miter};
constinit const TXmlAttribute<STextAnchor> DefaultSTextAnchor{STextAnchor::Start};
constinit const TXmlAttribute<SVisibility> DefaultSVisibility{SVisibility::Visible};
constinit const TXmlAttribute<SerieGrouping> DefaultSerieGrouping{SerieGrouping::Overlapped};
constinit const TXmlAttribute<SliceOrientation> DefaultSliceOrientation{
    SliceOrientation::Counterclockwise};
constinit const TXmlAttribute<TickStyle> DefaultTickStyle{TickStyle::Outside};
constinit const TXmlAttribute<AFPEncoding> DefaultAFPEncoding{AFPEncoding::Ascii};
constinit const TXmlAttribute<Duplex> DefaultDuplexAttribute{Duplex::Unspecified};
constinit const TXmlAttribute<LightingScheme> DefaultFOLightingSchemeAttribute{
    LightingScheme::Artwork};
constinit const TXmlAttribute<FormActionType> DefaultFormActionTypeAttribute{
    FormActionType::Unspecified};
constinit const TXmlAttribute<FormControlType> DefaultFormControlTypeAttribute{
    FormControlType::Unspecified};
constinit const TXmlAttribute<FormTriggerAction> DefaultFormTriggerActionAttribute{
    FormTriggerAction::Unspecified};
constinit const TXmlAttribute<JavaScriptType> DefaultJavaScriptTypeAttribute{JavaScriptType::All};
constinit const TXmlAttribute<PDFConformance> DefaultPDFConformance{PDFConformance::Default};
constinit const TXmlAttribute<PlayMediaObject> DefaultPlayMediaObject{PlayMediaObject::OnClick};
constinit const TXmlAttribute<ScriptType> DefaultScriptTypeAttribute{ScriptType::Unspecified};
constinit const TXmlAttribute<TTFEmbedMode> DefaultTTFEmbedMode{TTFEmbedMode::Subset};
constinit const TXmlAttribute<AbsolutePosition> DefaultAbsolutePosition{AbsolutePosition::Auto};
constinit const TXmlAttribute<AnchorX> DefaultAnchorXAttribute{AnchorX::Auto};
constinit const TXmlAttribute<AnchorY> DefaultAnchorYAttribute{AnchorY::Auto};
constinit const TXmlAttribute<BackgroundRepeat> DefaultBackgroundRepeat{BackgroundRepeat::Repeat};
constinit const TXmlAttribute<BorderCollapse> DefaultBorderCollapse{BorderCollapse::Collapse};
constinit const TXmlAttribute<BorderStyle> DefaultBorderStyle{BorderStyle::None};
constinit const TXmlAttribute<FloatPosition> DefaultFloatPositionAttribute{FloatPosition::Left};
constinit const TXmlAttribute<BorderStyle> DefaultLeaderRuleStyle{BorderStyle::Solid};
constinit const TXmlAttribute<Overflow> DefaultOverflow{Overflow::Visible};
constinit const TXmlAttribute<PositionX> DefaultPositionXAttribute{PositionX::Auto};
constinit const TXmlAttribute<PositionY> DefaultPositionYAttribute{PositionY::Auto};
constinit const TXmlAttribute<RelativePosition> DefaultRelativePosition{RelativePosition::Static};
constinit const TXmlAttribute<Scaling> DefaultScaling{Scaling::Uniform};
constinit const TXmlAttribute<ScalingReference> DefaultScalingReferenceAttribute{
    ScalingReference::Line};
constinit const TXmlAttribute<TableLayout> DefaultTableLayout{TableLayout::Auto};

// Numbers and text
constinit const TXmlAttribute<int> DefaultDotSize{4};
constinit const TXmlAttribute<int> DefaultBarColumnCount{1};
constinit const TXmlAttribute<int> DefaultBarRowCount{3};
constinit const TXmlAttribute<int> DefaultColumnCount{1};
constinit const TXmlAttribute<int> DefaultHyphenationCharCount{2};
constinit const TXmlAttribute<int> DefaultWidowsAndOrphans{2};
constinit const TXmlAttribute<float> DefaultMinFloat{-2147483648.0f};
constinit const TXmlAttribute<float> DefaultMaxFloat{2147483648.0f};
const TXmlAttribute<Core::String> DefaultFontFamily{Core::String(L"Times")};
const TXmlAttribute<Core::String> DefaultHyphenationCharacter{Core::String(L"-")};
const TXmlAttribute<Core::String> DefaultNumberFormat{Core::String(L"1")};
const TXmlAttribute<Url> DefaultUrl{Url()};
const TXmlAttribute<Drawing::ImageFilter> DefaultImgFilter{Drawing::ImageFilter()};

// Lengths
const TXmlAttribute<Length> DefaultLength{Length(0, Length::Px)};
const TXmlAttribute<Length> DefaultBorderLength{Length(1.5f, Length::Pt)};
const TXmlAttribute<Length> DefaultRuleThickness{Length(1, Length::Pt)};
const TXmlAttribute<Length> DefaultTabStopLength{Length(0.5f, Length::In)};
const TXmlAttribute<Length> DefaultBarUnit{Length(1, Length::Pt)};
const TXmlAttribute<Length> DefaultAspect3DDepth{Length(15, Length::Px)};
const TXmlAttribute<Length> DefaultAspect3DShading{Length(0.5f, Length::Px)};
const TXmlAttribute<Length> DefaultAspect3DChartDepth{Length(5, Length::Px)};
const TXmlAttribute<Length> DefaultAspect3DSceneDepth{Length(14, Length::Px)};
const TXmlAttribute<Length> DefaultCaptionOffset{Length(5, Length::Px)};
const TXmlAttribute<Length> DefaultTickLength{Length(5, Length::Px)};
const TXmlAttribute<Length> DefaultWidthLength{Length(10, Length::Px)};
const TXmlAttribute<DLength> DefaultDLength{DLength()};
const TXmlAttribute<SLength> DefaultSLength{SLength(0, SLength::Px)};
const TXmlAttribute<SLength> DefaultMiterlimit{SLength(4, SLength::Px)};
const TXmlAttribute<SLength> DefaultStrokeWidth{SLength(1, SLength::Px)};
const TXmlAttribute<SNullableLength> DefaultSNullableLength{SNullableLength()};
const TXmlAttribute<Core::Vector<SLength>> DefaultSDashPattern{Core::Vector<SLength>()};
const TXmlAttribute<LengthOrPercent> DefaultLengthOrPercent{LengthOrPercent()};
const TXmlAttribute<LengthOrPercent> DefaultFloatLengthOrPercent{LengthOrPercent(-1.0f)};
const TXmlAttribute<LengthOrPercent> DefaultOneHundredPercent{LengthOrPercent(1.0f)};
const TXmlAttribute<LengthOrPercent> DefaultLineHeight{LengthOrPercent(1.2f)};
const TXmlAttribute<LengthOrPercent> DefaultProvisionalLabelSeparation{
    LengthOrPercent(Length(6, Length::Pt))};
const TXmlAttribute<LengthOrPercent> DefaultProvisionalDistanceBetweenStarts{
    LengthOrPercent(Length(24, Length::Pt))};
const TXmlAttribute<LengthOrPercent> DefaultLeaderLength{LengthOrPercent(Length(12, Length::Pt))};
const TXmlAttribute<SLengthOrPercent> DefaultSLengthOrPercent{SLengthOrPercent()};
const TXmlAttribute<SLengthOrPercent> DefaultSOneHundredPercent{SLengthOrPercent(1.0f)};
const TXmlAttribute<SLengthOrPercent> DefaultSFontSize{SLengthOrPercent(10, SLength::Pt)};
const TXmlAttribute<FloatOrPercent> DefaultFloatOrPercent{FloatOrPercent(1.0f)};
const TXmlAttribute<ColumnWidth> DefaultColumnWidth{ColumnWidth()};
const TXmlAttribute<TableWidth> DefaultTableWidth{TableWidth()};
const TXmlAttribute<Margin> DefaultMargin{Margin()};
const TXmlAttribute<LengthOrPercentAuto> DefaultLengthOrPercentAuto{LengthOrPercentAuto()};
const TXmlAttribute<LeaderPatternWidth> DefaultLeaderPatternWidth{LeaderPatternWidth()};

// Keyword-or-length values, backgrounds and rules
const TXmlAttribute<FontSize> DefaultFontSize{FontSize(LengthOrPercent(Length(10, Length::Pt)))};
const TXmlAttribute<Indent> DefaultIndent{Indent()};
const TXmlAttribute<BaselineShift> DefaultBaselineShift{BaselineShift()};
const TXmlAttribute<SBaselineShift> DefaultSBaselineShift{SBaselineShift()};
const TXmlAttribute<AlignmentAdjust> DefaultAlignmentAdjust{AlignmentAdjust()};
const TXmlAttribute<ContentLength> DefaultContentLength{ContentLength()};
const TXmlAttribute<LetterSpacing> DefaultLetterSpacing{LetterSpacing()};
const TXmlAttribute<SSpacing> DefaultSSpacing{SSpacing()};
const TXmlAttribute<PageDimension> DefaultPageDimension{PageDimension(PageDimensionType::Auto)};
const TXmlAttribute<InitialPageNumber> DefaultInitialPageNumber{
    InitialPageNumber(InitialPageNumberType::Auto)};
const TXmlAttribute<InitialSheetNumber> DefaultInitialSheetNumber{
    InitialSheetNumber(InitialSheetNumberType::Auto)};
const TXmlAttribute<BorderWidth> DefaultBorderWidth{BorderWidth()};
const TXmlAttribute<BackgroundPosition> DefaultBackgroundPosition{BackgroundPosition()};
const TXmlAttribute<BackgroundSize> DefaultBackgroundSize{BackgroundSize()};
const TXmlAttribute<TPRule> DefaultTPRuleAttribute{TPRule()};

// Colours
constinit const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultBackgroundColor;    // no colour
constinit const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultStrokeColor;        // no colour
constinit const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultGradientStopColor;  // no colour
const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultBorderColor{black()};
const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultFillColor{black()};
const TXmlAttribute<SColor> DefaultSColor{SColor()};
const TXmlAttribute<SColor> DefaultSStrokeColor{SColor()};
const TXmlAttribute<SColor> DefaultSFillColor{SColor(black())};
const TXmlAttribute<SNullableColor> DefaultSNullableStrokeColor{SNullableColor()};
const TXmlAttribute<SNullableColor> DefaultSNullableFillColor{SNullableColor(black())};
const TXmlAttribute<BoxShadow> DefaultBoxShadow{BoxShadow()};

// Text decoration, language, geometry and chart values
const TXmlAttribute<STextDecoration> DefaultSTextDecoration{STextDecoration()};
const TXmlAttribute<Language> DefaultLanguage{Language()};
const TXmlAttribute<Core::Vector<Transform>> DefaultTransformList;
const TXmlAttribute<Core::Vector<PathDataCommand>> DefaultPathData;
const TXmlAttribute<Core::Vector<Point>> DefaultPointList;
const TXmlAttribute<ViewBox> DefaultViewBox{ViewBox()};
constinit const TXmlAttribute<SPreserveAspectRatio> DefaultSPreserveAspectRatio{
    SPreserveAspectRatio(146)};
const TXmlAttribute<Drawing::RectF> DefaultRectFAttribute{Drawing::RectF()};
const TXmlAttribute<Value> DefaultMinValue{Value(-2147483648.0f)};
const TXmlAttribute<Value> DefaultMaxValue{Value(2147483648.0f)};
const TXmlAttribute<Value> DefaultValue{Value()};
const TXmlAttribute<AxisUnits> DefaultAxisUnits{AxisUnits()};

}  // namespace Xml
