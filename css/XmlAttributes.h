// The whole library: every public header of xmlattr and of its platform layer.
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

// Lengths and measures
#include "css/lengths/Length.h"
#include "css/lengths/LengthOrPercent.h"

// Vector geometry
#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
#include "css/geometry/Transform.h"
#include "css/geometry/ViewBox.h"
#include "platform/RectF.h"
