// The exported default values: one constant attribute per kind of attribute,
// copied into new attributes by the engine and compared against by its
// writers. Enumerations, numbers and the empty colours are constant data;
// the rest are built when the library is loaded.
#pragma once

#include "css/attributes/ScalarAttributes.h"
#include "css/chart/Value.h"
#include "css/colours/BoxShadow.h"
#include "css/colours/ColorParse.h"
#include "css/colours/SColor.h"
#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
#include "css/geometry/Transform.h"
#include "css/geometry/ViewBox.h"
#include "css/keywords/AreaKeywords.h"
#include "css/keywords/BarcodeKeywords.h"
#include "css/keywords/ChartKeywords.h"
#include "css/keywords/FontKeywords.h"
#include "css/keywords/GraphicsKeywords.h"
#include "css/keywords/OutputKeywords.h"
#include "css/keywords/PageKeywords.h"
#include "css/language/Language.h"
#include "css/lengths/Background.h"
#include "css/lengths/KeywordLengths.h"
#include "css/lengths/Length.h"
#include "css/lengths/LengthOrPercent.h"
#include "platform/RectF.h"

namespace Xml {
// Keyword enumerations
extern const TXmlAttribute<AlignmentBaseline> DefaultAlignmentBaseline;
extern const TXmlAttribute<DisplayAlign> DefaultDisplayAlign;
extern const TXmlAttribute<Visibility> DefaultFOVisibilityAttribute;
extern const TXmlAttribute<FontStyle> DefaultFontStyle;
extern const TXmlAttribute<FontVariant> DefaultFontVariant;
extern const TXmlAttribute<FontWeight> DefaultFontWeight;
extern const TXmlAttribute<LeaderAlignment> DefaultLeaderAlignment;
extern const TXmlAttribute<LeaderPattern> DefaultLeaderPattern;
extern const TXmlAttribute<LineHeightShiftAdjustment> DefaultLineHeightShiftAdjustment;
extern const TXmlAttribute<LineStackingStrategy> DefaultLineStackingStrategy;
extern const TXmlAttribute<LinefeedTreatment> DefaultLinefeedTreatmentAttribute;
extern const TXmlAttribute<TabPattern> DefaultTabPattern;
extern const TXmlAttribute<TabStopType> DefaultTabStopType;
extern const TXmlAttribute<TextAlign> DefaultTextAlign;
extern const TXmlAttribute<TextDirection> DefaultTextDirection;
extern const TXmlAttribute<TextLineStyle> DefaultTextLineStyle;
extern const TXmlAttribute<WhiteSpaceTreatment> DefaultWhiteSpaceTreatmentAttribute;
extern const TXmlAttribute<WrapOption> DefaultWrapOptionAttribute;
extern const TXmlAttribute<AlignmentConstraint> DefaultAlignmentConstraintAttribute;
extern const TXmlAttribute<BlankOrNotBlank> DefaultBlankOrNotBlank;
extern const TXmlAttribute<Break> DefaultBreak;
extern const TXmlAttribute<FootnoteRestartRule> DefaultFootnoteRestartRule;
extern const TXmlAttribute<ForcePageCount> DefaultForcePageCount;
extern const TXmlAttribute<Keep> DefaultKeep;
extern const TXmlAttribute<PageConstraint> DefaultPageConstraintAttribute;
extern const TXmlAttribute<PagePosition> DefaultPagePosition;
extern const TXmlAttribute<PageRegionConstraint> DefaultPageRegionConstraintAttribute;
extern const TXmlAttribute<Parity> DefaultParity;
extern const TXmlAttribute<ReferenceOrientation> DefaultReferenceOrientation;
extern const TXmlAttribute<RetrieveBoundary> DefaultRetrieveBoundary;
extern const TXmlAttribute<RetrieveBoundaryWithinTable> DefaultRetrieveBoundaryWithinTable;
extern const TXmlAttribute<RetrievePosition> DefaultRetrievePosition;
extern const TXmlAttribute<RetrievePositionWithinTable> DefaultRetrievePositionWithinTable;
extern const TXmlAttribute<Span> DefaultSpanAttribute;
extern const TXmlAttribute<AxisDataType> DefaultAxisDataType;
extern const TXmlAttribute<AxisIntersection> DefaultAxisIntersection;
extern const TXmlAttribute<AxisOrientation> DefaultAxisOrientation;
extern const TXmlAttribute<AxisPosition> DefaultAxisPosition;
extern const TXmlAttribute<BarcodeType> DefaultBarcodeType;
extern const TXmlAttribute<ChartType> DefaultChartType;
extern const TXmlAttribute<Code128CodeSet> DefaultCode128CodeSet;
extern const TXmlAttribute<DMEncoding> DefaultDMEncoding;
extern const TXmlAttribute<DMFormat> DefaultDMFormat;
extern const TXmlAttribute<DisplayValPlacement> DefaultDisplayValPlacement;
extern const TXmlAttribute<LabelType> DefaultLabelType;
extern const TXmlAttribute<SDisplay> DefaultSDisplay;
extern const TXmlAttribute<Drawing::GradientSpreadMethod> DefaultSGradientSpreadMethod;
extern const TXmlAttribute<Drawing::GradientUnits> DefaultSGradientUnits;
extern const TXmlAttribute<SLineCap> DefaultSLineCap;
extern const TXmlAttribute<SLineJoin> DefaultSLineJoin;
extern const TXmlAttribute<STextAnchor> DefaultSTextAnchor;
extern const TXmlAttribute<SVisibility> DefaultSVisibility;
extern const TXmlAttribute<SerieGrouping> DefaultSerieGrouping;
extern const TXmlAttribute<SliceOrientation> DefaultSliceOrientation;
extern const TXmlAttribute<TickStyle> DefaultTickStyle;
extern const TXmlAttribute<AFPEncoding> DefaultAFPEncoding;
extern const TXmlAttribute<Duplex> DefaultDuplexAttribute;
extern const TXmlAttribute<LightingScheme> DefaultFOLightingSchemeAttribute;
extern const TXmlAttribute<FormActionType> DefaultFormActionTypeAttribute;
extern const TXmlAttribute<FormControlType> DefaultFormControlTypeAttribute;
extern const TXmlAttribute<FormTriggerAction> DefaultFormTriggerActionAttribute;
extern const TXmlAttribute<JavaScriptType> DefaultJavaScriptTypeAttribute;
extern const TXmlAttribute<PDFConformance> DefaultPDFConformance;
extern const TXmlAttribute<PlayMediaObject> DefaultPlayMediaObject;
extern const TXmlAttribute<ScriptType> DefaultScriptTypeAttribute;
extern const TXmlAttribute<TTFEmbedMode> DefaultTTFEmbedMode;
extern const TXmlAttribute<AbsolutePosition> DefaultAbsolutePosition;
extern const TXmlAttribute<AnchorX> DefaultAnchorXAttribute;
extern const TXmlAttribute<AnchorY> DefaultAnchorYAttribute;
extern const TXmlAttribute<BackgroundRepeat> DefaultBackgroundRepeat;
extern const TXmlAttribute<BorderCollapse> DefaultBorderCollapse;
extern const TXmlAttribute<BorderStyle> DefaultBorderStyle;
extern const TXmlAttribute<FloatPosition> DefaultFloatPositionAttribute;
extern const TXmlAttribute<BorderStyle> DefaultLeaderRuleStyle;
extern const TXmlAttribute<Overflow> DefaultOverflow;
extern const TXmlAttribute<PositionX> DefaultPositionXAttribute;
extern const TXmlAttribute<PositionY> DefaultPositionYAttribute;
extern const TXmlAttribute<RelativePosition> DefaultRelativePosition;
extern const TXmlAttribute<Scaling> DefaultScaling;
extern const TXmlAttribute<ScalingReference> DefaultScalingReferenceAttribute;
extern const TXmlAttribute<TableLayout> DefaultTableLayout;

// Numbers and text
extern const TXmlAttribute<int> DefaultDotSize;
extern const TXmlAttribute<int> DefaultBarColumnCount;
extern const TXmlAttribute<int> DefaultBarRowCount;
extern const TXmlAttribute<int> DefaultColumnCount;
extern const TXmlAttribute<int> DefaultHyphenationCharCount;
extern const TXmlAttribute<int> DefaultWidowsAndOrphans;
extern const TXmlAttribute<float> DefaultMinFloat;
extern const TXmlAttribute<float> DefaultMaxFloat;
extern const TXmlAttribute<Core::String> DefaultFontFamily;
extern const TXmlAttribute<Core::String> DefaultHyphenationCharacter;
extern const TXmlAttribute<Core::String> DefaultNumberFormat;
extern const TXmlAttribute<Url> DefaultUrl;
extern const TXmlAttribute<Drawing::ImageFilter> DefaultImgFilter;

// Lengths
extern const TXmlAttribute<Length> DefaultLength;
extern const TXmlAttribute<Length> DefaultBorderLength;
extern const TXmlAttribute<Length> DefaultRuleThickness;
extern const TXmlAttribute<Length> DefaultTabStopLength;
extern const TXmlAttribute<Length> DefaultBarUnit;
extern const TXmlAttribute<Length> DefaultAspect3DDepth;
extern const TXmlAttribute<Length> DefaultAspect3DShading;
extern const TXmlAttribute<Length> DefaultAspect3DChartDepth;
extern const TXmlAttribute<Length> DefaultAspect3DSceneDepth;
extern const TXmlAttribute<Length> DefaultCaptionOffset;
extern const TXmlAttribute<Length> DefaultTickLength;
extern const TXmlAttribute<Length> DefaultWidthLength;
extern const TXmlAttribute<DLength> DefaultDLength;
extern const TXmlAttribute<SLength> DefaultSLength;
extern const TXmlAttribute<SLength> DefaultMiterlimit;
extern const TXmlAttribute<SLength> DefaultStrokeWidth;
extern const TXmlAttribute<SNullableLength> DefaultSNullableLength;
extern const TXmlAttribute<Core::Vector<SLength>> DefaultSDashPattern;
extern const TXmlAttribute<LengthOrPercent> DefaultLengthOrPercent;
extern const TXmlAttribute<LengthOrPercent> DefaultFloatLengthOrPercent;
extern const TXmlAttribute<LengthOrPercent> DefaultOneHundredPercent;
extern const TXmlAttribute<LengthOrPercent> DefaultLineHeight;
extern const TXmlAttribute<LengthOrPercent> DefaultProvisionalLabelSeparation;
extern const TXmlAttribute<LengthOrPercent> DefaultProvisionalDistanceBetweenStarts;
extern const TXmlAttribute<LengthOrPercent> DefaultLeaderLength;
extern const TXmlAttribute<SLengthOrPercent> DefaultSLengthOrPercent;
extern const TXmlAttribute<SLengthOrPercent> DefaultSOneHundredPercent;
extern const TXmlAttribute<SLengthOrPercent> DefaultSFontSize;
extern const TXmlAttribute<FloatOrPercent> DefaultFloatOrPercent;
extern const TXmlAttribute<ColumnWidth> DefaultColumnWidth;
extern const TXmlAttribute<TableWidth> DefaultTableWidth;
extern const TXmlAttribute<Margin> DefaultMargin;
extern const TXmlAttribute<LengthOrPercentAuto> DefaultLengthOrPercentAuto;
extern const TXmlAttribute<LeaderPatternWidth> DefaultLeaderPatternWidth;

// Keyword-or-length values, backgrounds and rules
extern const TXmlAttribute<FontSize> DefaultFontSize;
extern const TXmlAttribute<Indent> DefaultIndent;
extern const TXmlAttribute<BaselineShift> DefaultBaselineShift;
extern const TXmlAttribute<SBaselineShift> DefaultSBaselineShift;
extern const TXmlAttribute<AlignmentAdjust> DefaultAlignmentAdjust;
extern const TXmlAttribute<ContentLength> DefaultContentLength;
extern const TXmlAttribute<LetterSpacing> DefaultLetterSpacing;
extern const TXmlAttribute<SSpacing> DefaultSSpacing;
extern const TXmlAttribute<PageDimension> DefaultPageDimension;
extern const TXmlAttribute<InitialPageNumber> DefaultInitialPageNumber;
extern const TXmlAttribute<InitialSheetNumber> DefaultInitialSheetNumber;
extern const TXmlAttribute<BorderWidth> DefaultBorderWidth;
extern const TXmlAttribute<BackgroundPosition> DefaultBackgroundPosition;
extern const TXmlAttribute<BackgroundSize> DefaultBackgroundSize;
extern const TXmlAttribute<TPRule> DefaultTPRuleAttribute;

// Colours
extern const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultBackgroundColor;
extern const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultStrokeColor;
extern const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultGradientStopColor;
extern const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultBorderColor;
extern const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultFillColor;
extern const TXmlAttribute<SColor> DefaultSColor;
extern const TXmlAttribute<SColor> DefaultSStrokeColor;
extern const TXmlAttribute<SColor> DefaultSFillColor;
extern const TXmlAttribute<SNullableColor> DefaultSNullableStrokeColor;
extern const TXmlAttribute<SNullableColor> DefaultSNullableFillColor;
extern const TXmlAttribute<BoxShadow> DefaultBoxShadow;

// Text decoration, language, geometry and chart values
extern const TXmlAttribute<STextDecoration> DefaultSTextDecoration;
extern const TXmlAttribute<Language> DefaultLanguage;
extern const TXmlAttribute<Core::Vector<Transform>> DefaultTransformList;
extern const TXmlAttribute<Core::Vector<PathDataCommand>> DefaultPathData;
extern const TXmlAttribute<Core::Vector<Point>> DefaultPointList;
extern const TXmlAttribute<ViewBox> DefaultViewBox;
extern const TXmlAttribute<SPreserveAspectRatio> DefaultSPreserveAspectRatio;
extern const TXmlAttribute<Drawing::RectF> DefaultRectFAttribute;
extern const TXmlAttribute<Value> DefaultMinValue;
extern const TXmlAttribute<Value> DefaultMaxValue;
extern const TXmlAttribute<Value> DefaultValue;
extern const TXmlAttribute<AxisUnits> DefaultAxisUnits;

}  // namespace Xml
