/// @file
/// The exported default values: one constant attribute per kind of attribute,
/// copied into new attributes by the engine and compared against by its
/// writers. Enumerations, numbers and the empty colours are constant data;
/// the rest are built when the library is loaded.
#pragma once

#include "platform/Export.h"

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
/// @name Keyword enumerations
///@{

/// The keyword an enumerated attribute of its kind starts from.
extern XMLATTR_API const TXmlAttribute<AlignmentBaseline> DefaultAlignmentBaseline;
extern XMLATTR_API const TXmlAttribute<DisplayAlign> DefaultDisplayAlign;
extern XMLATTR_API const TXmlAttribute<Visibility> DefaultFOVisibilityAttribute;
extern XMLATTR_API const TXmlAttribute<FontStyle> DefaultFontStyle;
extern XMLATTR_API const TXmlAttribute<FontVariant> DefaultFontVariant;
extern XMLATTR_API const TXmlAttribute<FontWeight> DefaultFontWeight;
extern XMLATTR_API const TXmlAttribute<LeaderAlignment> DefaultLeaderAlignment;
extern XMLATTR_API const TXmlAttribute<LeaderPattern> DefaultLeaderPattern;
extern XMLATTR_API const TXmlAttribute<LineHeightShiftAdjustment> DefaultLineHeightShiftAdjustment;
extern XMLATTR_API const TXmlAttribute<LineStackingStrategy> DefaultLineStackingStrategy;
extern XMLATTR_API const TXmlAttribute<LinefeedTreatment> DefaultLinefeedTreatmentAttribute;
extern XMLATTR_API const TXmlAttribute<TabPattern> DefaultTabPattern;
extern XMLATTR_API const TXmlAttribute<TabStopType> DefaultTabStopType;
extern XMLATTR_API const TXmlAttribute<TextAlign> DefaultTextAlign;
extern XMLATTR_API const TXmlAttribute<TextDirection> DefaultTextDirection;
extern XMLATTR_API const TXmlAttribute<TextLineStyle> DefaultTextLineStyle;
extern XMLATTR_API const TXmlAttribute<WhiteSpaceTreatment> DefaultWhiteSpaceTreatmentAttribute;
extern XMLATTR_API const TXmlAttribute<WrapOption> DefaultWrapOptionAttribute;
extern XMLATTR_API const TXmlAttribute<AlignmentConstraint> DefaultAlignmentConstraintAttribute;
extern XMLATTR_API const TXmlAttribute<BlankOrNotBlank> DefaultBlankOrNotBlank;
extern XMLATTR_API const TXmlAttribute<Break> DefaultBreak;
extern XMLATTR_API const TXmlAttribute<FootnoteRestartRule> DefaultFootnoteRestartRule;
extern XMLATTR_API const TXmlAttribute<ForcePageCount> DefaultForcePageCount;
extern XMLATTR_API const TXmlAttribute<Keep> DefaultKeep;
extern XMLATTR_API const TXmlAttribute<PageConstraint> DefaultPageConstraintAttribute;
extern XMLATTR_API const TXmlAttribute<PagePosition> DefaultPagePosition;
extern XMLATTR_API const TXmlAttribute<PageRegionConstraint> DefaultPageRegionConstraintAttribute;
extern XMLATTR_API const TXmlAttribute<Parity> DefaultParity;
extern XMLATTR_API const TXmlAttribute<ReferenceOrientation> DefaultReferenceOrientation;
extern XMLATTR_API const TXmlAttribute<RetrieveBoundary> DefaultRetrieveBoundary;
extern XMLATTR_API const TXmlAttribute<RetrieveBoundaryWithinTable>
    DefaultRetrieveBoundaryWithinTable;
extern XMLATTR_API const TXmlAttribute<RetrievePosition> DefaultRetrievePosition;
extern XMLATTR_API const TXmlAttribute<RetrievePositionWithinTable>
    DefaultRetrievePositionWithinTable;
extern XMLATTR_API const TXmlAttribute<Span> DefaultSpanAttribute;
extern XMLATTR_API const TXmlAttribute<AxisDataType> DefaultAxisDataType;
extern XMLATTR_API const TXmlAttribute<AxisIntersection> DefaultAxisIntersection;
extern XMLATTR_API const TXmlAttribute<AxisOrientation> DefaultAxisOrientation;
extern XMLATTR_API const TXmlAttribute<AxisPosition> DefaultAxisPosition;
extern XMLATTR_API const TXmlAttribute<BarcodeType> DefaultBarcodeType;
extern XMLATTR_API const TXmlAttribute<ChartType> DefaultChartType;
extern XMLATTR_API const TXmlAttribute<Code128CodeSet> DefaultCode128CodeSet;
extern XMLATTR_API const TXmlAttribute<DMEncoding> DefaultDMEncoding;
extern XMLATTR_API const TXmlAttribute<DMFormat> DefaultDMFormat;
extern XMLATTR_API const TXmlAttribute<DisplayValPlacement> DefaultDisplayValPlacement;
extern XMLATTR_API const TXmlAttribute<LabelType> DefaultLabelType;
extern XMLATTR_API const TXmlAttribute<SDisplay> DefaultSDisplay;
extern XMLATTR_API const TXmlAttribute<Drawing::GradientSpreadMethod> DefaultSGradientSpreadMethod;
extern XMLATTR_API const TXmlAttribute<Drawing::GradientUnits> DefaultSGradientUnits;
extern XMLATTR_API const TXmlAttribute<SLineCap> DefaultSLineCap;
extern XMLATTR_API const TXmlAttribute<SLineJoin> DefaultSLineJoin;
extern XMLATTR_API const TXmlAttribute<STextAnchor> DefaultSTextAnchor;
extern XMLATTR_API const TXmlAttribute<SVisibility> DefaultSVisibility;
extern XMLATTR_API const TXmlAttribute<SerieGrouping> DefaultSerieGrouping;
extern XMLATTR_API const TXmlAttribute<SliceOrientation> DefaultSliceOrientation;
extern XMLATTR_API const TXmlAttribute<TickStyle> DefaultTickStyle;
extern XMLATTR_API const TXmlAttribute<AFPEncoding> DefaultAFPEncoding;
extern XMLATTR_API const TXmlAttribute<Duplex> DefaultDuplexAttribute;
extern XMLATTR_API const TXmlAttribute<LightingScheme> DefaultFOLightingSchemeAttribute;
extern XMLATTR_API const TXmlAttribute<FormActionType> DefaultFormActionTypeAttribute;
extern XMLATTR_API const TXmlAttribute<FormControlType> DefaultFormControlTypeAttribute;
extern XMLATTR_API const TXmlAttribute<FormTriggerAction> DefaultFormTriggerActionAttribute;
extern XMLATTR_API const TXmlAttribute<JavaScriptType> DefaultJavaScriptTypeAttribute;
extern XMLATTR_API const TXmlAttribute<PDFConformance> DefaultPDFConformance;
extern XMLATTR_API const TXmlAttribute<PlayMediaObject> DefaultPlayMediaObject;
extern XMLATTR_API const TXmlAttribute<ScriptType> DefaultScriptTypeAttribute;
extern XMLATTR_API const TXmlAttribute<TTFEmbedMode> DefaultTTFEmbedMode;
extern XMLATTR_API const TXmlAttribute<AbsolutePosition> DefaultAbsolutePosition;
extern XMLATTR_API const TXmlAttribute<AnchorX> DefaultAnchorXAttribute;
extern XMLATTR_API const TXmlAttribute<AnchorY> DefaultAnchorYAttribute;
extern XMLATTR_API const TXmlAttribute<BackgroundRepeat> DefaultBackgroundRepeat;
extern XMLATTR_API const TXmlAttribute<BorderCollapse> DefaultBorderCollapse;
extern XMLATTR_API const TXmlAttribute<BorderStyle> DefaultBorderStyle;
extern XMLATTR_API const TXmlAttribute<FloatPosition> DefaultFloatPositionAttribute;
extern XMLATTR_API const TXmlAttribute<BorderStyle> DefaultLeaderRuleStyle;
extern XMLATTR_API const TXmlAttribute<Overflow> DefaultOverflow;
extern XMLATTR_API const TXmlAttribute<PositionX> DefaultPositionXAttribute;
extern XMLATTR_API const TXmlAttribute<PositionY> DefaultPositionYAttribute;
extern XMLATTR_API const TXmlAttribute<RelativePosition> DefaultRelativePosition;
extern XMLATTR_API const TXmlAttribute<Scaling> DefaultScaling;
extern XMLATTR_API const TXmlAttribute<ScalingReference> DefaultScalingReferenceAttribute;
extern XMLATTR_API const TXmlAttribute<TableLayout> DefaultTableLayout;
///@}

/// @name Numbers and text
///@{

/// The number or text a scalar attribute of its kind starts from.
extern XMLATTR_API const TXmlAttribute<int> DefaultDotSize;
extern XMLATTR_API const TXmlAttribute<int> DefaultBarColumnCount;
extern XMLATTR_API const TXmlAttribute<int> DefaultBarRowCount;
extern XMLATTR_API const TXmlAttribute<int> DefaultColumnCount;
extern XMLATTR_API const TXmlAttribute<int> DefaultHyphenationCharCount;
extern XMLATTR_API const TXmlAttribute<int> DefaultWidowsAndOrphans;
extern XMLATTR_API const TXmlAttribute<float> DefaultMinFloat;
extern XMLATTR_API const TXmlAttribute<float> DefaultMaxFloat;
extern XMLATTR_API const TXmlAttribute<Core::String> DefaultFontFamily;
extern XMLATTR_API const TXmlAttribute<Core::String> DefaultHyphenationCharacter;
extern XMLATTR_API const TXmlAttribute<Core::String> DefaultNumberFormat;
extern XMLATTR_API const TXmlAttribute<Url> DefaultUrl;
extern XMLATTR_API const TXmlAttribute<Drawing::ImageFilter> DefaultImgFilter;
///@}

/// @name Lengths
///@{

/// The measure a length attribute of its kind starts from.
extern XMLATTR_API const TXmlAttribute<Length> DefaultLength;
extern XMLATTR_API const TXmlAttribute<Length> DefaultBorderLength;
extern XMLATTR_API const TXmlAttribute<Length> DefaultRuleThickness;
extern XMLATTR_API const TXmlAttribute<Length> DefaultTabStopLength;
extern XMLATTR_API const TXmlAttribute<Length> DefaultBarUnit;
extern XMLATTR_API const TXmlAttribute<Length> DefaultAspect3DDepth;
extern XMLATTR_API const TXmlAttribute<Length> DefaultAspect3DShading;
extern XMLATTR_API const TXmlAttribute<Length> DefaultAspect3DChartDepth;
extern XMLATTR_API const TXmlAttribute<Length> DefaultAspect3DSceneDepth;
extern XMLATTR_API const TXmlAttribute<Length> DefaultCaptionOffset;
extern XMLATTR_API const TXmlAttribute<Length> DefaultTickLength;
extern XMLATTR_API const TXmlAttribute<Length> DefaultWidthLength;
extern XMLATTR_API const TXmlAttribute<DLength> DefaultDLength;
extern XMLATTR_API const TXmlAttribute<SLength> DefaultSLength;
extern XMLATTR_API const TXmlAttribute<SLength> DefaultMiterlimit;
extern XMLATTR_API const TXmlAttribute<SLength> DefaultStrokeWidth;
extern XMLATTR_API const TXmlAttribute<SNullableLength> DefaultSNullableLength;
extern XMLATTR_API const TXmlAttribute<Core::Vector<SLength>> DefaultSDashPattern;
extern XMLATTR_API const TXmlAttribute<LengthOrPercent> DefaultLengthOrPercent;
extern XMLATTR_API const TXmlAttribute<LengthOrPercent> DefaultFloatLengthOrPercent;
extern XMLATTR_API const TXmlAttribute<LengthOrPercent> DefaultOneHundredPercent;
extern XMLATTR_API const TXmlAttribute<LengthOrPercent> DefaultLineHeight;
extern XMLATTR_API const TXmlAttribute<LengthOrPercent> DefaultProvisionalLabelSeparation;
extern XMLATTR_API const TXmlAttribute<LengthOrPercent> DefaultProvisionalDistanceBetweenStarts;
extern XMLATTR_API const TXmlAttribute<LengthOrPercent> DefaultLeaderLength;
extern XMLATTR_API const TXmlAttribute<SLengthOrPercent> DefaultSLengthOrPercent;
extern XMLATTR_API const TXmlAttribute<SLengthOrPercent> DefaultSOneHundredPercent;
extern XMLATTR_API const TXmlAttribute<SLengthOrPercent> DefaultSFontSize;
extern XMLATTR_API const TXmlAttribute<FloatOrPercent> DefaultFloatOrPercent;
extern XMLATTR_API const TXmlAttribute<ColumnWidth> DefaultColumnWidth;
extern XMLATTR_API const TXmlAttribute<TableWidth> DefaultTableWidth;
extern XMLATTR_API const TXmlAttribute<Margin> DefaultMargin;
extern XMLATTR_API const TXmlAttribute<LengthOrPercentAuto> DefaultLengthOrPercentAuto;
extern XMLATTR_API const TXmlAttribute<LeaderPatternWidth> DefaultLeaderPatternWidth;
///@}

/// @name Keyword-or-length values, backgrounds and rules
///@{

/// The value an attribute of its kind starts from.
extern XMLATTR_API const TXmlAttribute<FontSize> DefaultFontSize;
extern XMLATTR_API const TXmlAttribute<Indent> DefaultIndent;
extern XMLATTR_API const TXmlAttribute<BaselineShift> DefaultBaselineShift;
extern XMLATTR_API const TXmlAttribute<SBaselineShift> DefaultSBaselineShift;
extern XMLATTR_API const TXmlAttribute<AlignmentAdjust> DefaultAlignmentAdjust;
extern XMLATTR_API const TXmlAttribute<ContentLength> DefaultContentLength;
extern XMLATTR_API const TXmlAttribute<LetterSpacing> DefaultLetterSpacing;
extern XMLATTR_API const TXmlAttribute<SSpacing> DefaultSSpacing;
extern XMLATTR_API const TXmlAttribute<PageDimension> DefaultPageDimension;
extern XMLATTR_API const TXmlAttribute<InitialPageNumber> DefaultInitialPageNumber;
extern XMLATTR_API const TXmlAttribute<InitialSheetNumber> DefaultInitialSheetNumber;
extern XMLATTR_API const TXmlAttribute<BorderWidth> DefaultBorderWidth;
extern XMLATTR_API const TXmlAttribute<BackgroundPosition> DefaultBackgroundPosition;
extern XMLATTR_API const TXmlAttribute<BackgroundSize> DefaultBackgroundSize;
extern XMLATTR_API const TXmlAttribute<TPRule> DefaultTPRuleAttribute;
///@}

/// @name Colours
///@{

/// The colour or paint an attribute of its kind starts from; an empty colour is none.
extern XMLATTR_API const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultBackgroundColor;
extern XMLATTR_API const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultStrokeColor;
extern XMLATTR_API const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultGradientStopColor;
extern XMLATTR_API const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultBorderColor;
extern XMLATTR_API const TXmlAttribute<SmartPtr<Drawing::Color>> DefaultFillColor;
extern XMLATTR_API const TXmlAttribute<SColor> DefaultSColor;
extern XMLATTR_API const TXmlAttribute<SColor> DefaultSStrokeColor;
extern XMLATTR_API const TXmlAttribute<SColor> DefaultSFillColor;
extern XMLATTR_API const TXmlAttribute<SNullableColor> DefaultSNullableStrokeColor;
extern XMLATTR_API const TXmlAttribute<SNullableColor> DefaultSNullableFillColor;
extern XMLATTR_API const TXmlAttribute<BoxShadow> DefaultBoxShadow;
///@}

/// @name Text decoration, language, geometry and chart values
///@{

/// The value an attribute of its kind starts from.
extern XMLATTR_API const TXmlAttribute<STextDecoration> DefaultSTextDecoration;
extern XMLATTR_API const TXmlAttribute<Language> DefaultLanguage;
extern XMLATTR_API const TXmlAttribute<Core::Vector<Transform>> DefaultTransformList;
extern XMLATTR_API const TXmlAttribute<Core::Vector<PathDataCommand>> DefaultPathData;
extern XMLATTR_API const TXmlAttribute<Core::Vector<Point>> DefaultPointList;
extern XMLATTR_API const TXmlAttribute<ViewBox> DefaultViewBox;
extern XMLATTR_API const TXmlAttribute<SPreserveAspectRatio> DefaultSPreserveAspectRatio;
extern XMLATTR_API const TXmlAttribute<Drawing::RectF> DefaultRectFAttribute;
extern XMLATTR_API const TXmlAttribute<Value> DefaultMinValue;
extern XMLATTR_API const TXmlAttribute<Value> DefaultMaxValue;
extern XMLATTR_API const TXmlAttribute<Value> DefaultValue;
extern XMLATTR_API const TXmlAttribute<AxisUnits> DefaultAxisUnits;
///@}

}  // namespace Xml
