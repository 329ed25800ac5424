/// @file
/// The whole library: every public header of xmlattr and of its platform layer.
#pragma once

// Platform services
#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/ImageFilter.h"
#include "platform/Log.h"
#include "platform/SmartPtr.h"
#include "platform/String.h"
#include "platform/StringFormatStream.h"
#include "platform/Vector.h"

// Attribute model
#include "css/attributes/ParseUtil.h"
#include "css/attributes/ScalarAttributes.h"
#include "css/attributes/XmlAttribute.h"

// Colours
#include "css/colours/BoxShadow.h"
#include "css/colours/ColorParse.h"
#include "css/colours/NamedColors.h"
#include "css/colours/SColor.h"
#include "platform/Color.h"
#include "platform/SpotColor.h"

// Lengths and measures
#include "css/lengths/Background.h"
#include "css/lengths/KeywordLengths.h"
#include "css/lengths/Length.h"
#include "css/lengths/LengthOrPercent.h"

// Language tags
#include "css/language/Language.h"
#include "platform/LanguageId.h"

// Chart values
#include "css/chart/Value.h"
#include "platform/DateTime.h"

// Keyword enumerations
#include "css/keywords/AreaKeywords.h"
#include "css/keywords/BarcodeKeywords.h"
#include "css/keywords/ChartKeywords.h"
#include "css/keywords/FontKeywords.h"
#include "css/keywords/GraphicsKeywords.h"
#include "css/keywords/Keyword.h"
#include "css/keywords/OutputKeywords.h"
#include "css/keywords/PageKeywords.h"
#include "platform/Gradient.h"

// Vector geometry
#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
#include "css/geometry/Transform.h"
#include "css/geometry/ViewBox.h"
#include "platform/RectF.h"

// Default values
#include "css/defaults/Defaults.h"
