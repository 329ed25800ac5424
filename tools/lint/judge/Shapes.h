// The shapes of text lint judges beyond a single measure (Measure.h), each
// in a file of its own with its reading of what the author wrote: a text the
// type accepted against the value it holds, and that value shown as text.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "css/colours/ColorParse.h"
#include "css/colours/SColor.h"
#include "css/geometry/PathData.h"
#include "css/geometry/Point.h"
#include "css/geometry/Transform.h"
#include "css/geometry/ViewBox.h"
#include "css/keywords/GraphicsKeywords.h"
#include "css/keywords/Keyword.h"
#include "css/lengths/Length.h"
#include "platform/Vector.h"
#include "tools/lint/judge/Written.h"

namespace xmlattr::lint::judging {

// LengthList.cpp: "5, 3, 1%".
std::optional<Verdict> judgeLengthList(Text text, const Core::Vector<Xml::SLength>& held);
std::string lengthListShown(const Core::Vector<Xml::SLength>& held);  // "4px 2px"

// Colour.cpp: "rgb(1,2,3)", "#f80", "none". What is held is the library's to
// judge; only rgb() texts are read.
std::optional<Verdict> judgeColour(Text text);
std::string colourShown(const Core::SmartPtr<Drawing::Color>& held);  // "rgb(1,2,3)"
std::string colourShown(const Xml::SColor& held);

// Path.cpp: "M10,10 L20,20 z".
std::optional<Verdict> judgePath(Text text, const Core::Vector<Xml::PathDataCommand>& held);
std::string pathShown(const Core::Vector<Xml::PathDataCommand>& held);  // "M1 1 l2 2"

// Points.cpp: "10,20 30,40".
std::optional<Verdict> judgePoints(Text text, const Core::Vector<Xml::Point>& held);
// "10 20,30 40" as the library writes it; the coordinates' numbers where it
// cannot (a coordinate in ex units, which has no size in pixels).
std::string pointsShown(const Core::Vector<Xml::Point>& held);

// Points.cpp too: "0 0 100 100" (blanks or commas between).
std::optional<Verdict> judgeViewBox(Text text, const Xml::ViewBox& held);
std::string viewBoxShown(const Xml::ViewBox& held);  // "0 0 100 100"
// And "xMidYMid slice" (in any case, as authors write it).
std::optional<Verdict> judgeAspectRatio(Text text, const Xml::SPreserveAspectRatio& held);
std::string aspectRatioShown(const Xml::SPreserveAspectRatio& held);  // "xMinYMax meet"

// Transforms.cpp: "translate(10,20) rotate(45)".
std::optional<Verdict> judgeTransforms(Text text, const Core::Vector<Xml::Transform>& held);
std::string transformsShown(const Core::Vector<Xml::Transform>& held);  // "scale(2,2)"

// Keywords.cpp: "bold", "500". A keyword type's table as lint reads it: its
// rows, its index and, for a type that also takes numbers, the value an
// author means by a number and the rule the engine applies instead.
struct Keywords {
    std::span<const Xml::KeywordRow> rows;
    Xml::KeywordIndex index;
    std::optional<std::int32_t> (*byNumber)(long) = nullptr;
    std::string_view numberRule;
};
std::optional<Verdict> judgeKeyword(Text text, const Keywords& table, std::int32_t held);
std::string keywordShown(const Keywords& table, std::int32_t held);  // "bold"
// The face a font weight selects: normal up to 500, bold above.
std::optional<std::int32_t> fontWeightOfNumber(long weight);

// Keywords.cpp too: text decorations, "underline overline".
std::optional<Verdict> judgeDecoration(Text text, const Xml::STextDecoration& held);
std::string decorationShown(const Xml::STextDecoration& held);  // "underline"

// Rejected.cpp: why the type rejects a text, where one cause stands out; the
// type's own reader (accepts) tries the text without it.
struct Refusal {
    bool (*accepts)(const Core::String& text);
    const Keywords* keywords = nullptr;  // a keyword type's table
    bool colour = false;                 // a colour or paint
    bool commas = false;                 // numbers separated by blanks
    bool language = false;               // a language tag from a table
    bool measure = false;                // a measure, or a keyword of a measure type
    bool words = false;                  // a list of keywords between commas
};
std::optional<Verdict> whyRejected(Text text, const Refusal& refusal);
// "not a keyword of the type, which takes a, b; the nearest is b"; empty for
// a table without keywords.
std::string keywordsTaken(Text text, const Keywords& table);

// Scalars.cpp: numbers ("0.5", "50%"), references ("url(#a)") and paints
// ("url(#a) green"). A number's grammar: whether it takes a percentage (a
// fraction of 1) and whether it must be whole.
struct NumberGrammar {
    bool percent = false;
    bool whole = false;
};
std::optional<Verdict> judgeNumber(Text text, double held, NumberGrammar grammar);
// A URL as text ("url(a)", "a") against the reference held.
std::optional<Verdict> judgeUrl(Text text, const Core::String& held);
// A paint: a reference with its fallback, or a colour (judgeColour).
std::optional<Verdict> judgePaint(Text text, const Xml::SColor& held);

}  // namespace xmlattr::lint::judging
