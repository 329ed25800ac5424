#include "tools/lint/Table.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <tuple>

#include "tools/registry/TypeList.h"

namespace xmlattr::lint {

namespace {

constexpr auto Fo = Vocabulary::Fo;
constexpr auto Svg = Vocabulary::Svg;

// XSL-FO properties, on any formatting object unless an element is named.
// Shorthands are listed where the engine reads them as one value (border-color,
// margin, padding ...); a shorthand with several values is then rejected,
// which is what the engine makes of it.
constexpr AttributeRow kFoRows[] = {
    {Fo, "absolute-position", "", "AbsolutePosition"},
    {Fo, "alignment-adjust", "", "AlignmentAdjust"},
    {Fo, "alignment-baseline", "", "AlignmentBaseline"},
    {Fo, "background-color", "", "Color"},
    {Fo, "background-image", "", "Url"},
    {Fo, "background-position-horizontal", "", "BackgroundPosition"},
    {Fo, "background-position-vertical", "", "BackgroundPosition"},
    {Fo, "background-repeat", "", "BackgroundRepeat"},
    {Fo, "baseline-shift", "", "BaselineShift"},
    {Fo, "blank-or-not-blank", "", "BlankOrNotBlank"},
    {Fo, "border-after-color", "", "Color"},
    {Fo, "border-after-style", "", "BorderStyle"},
    {Fo, "border-after-width", "", "BorderWidth"},
    {Fo, "border-before-color", "", "Color"},
    {Fo, "border-before-style", "", "BorderStyle"},
    {Fo, "border-before-width", "", "BorderWidth"},
    {Fo, "border-bottom-color", "", "Color"},
    {Fo, "border-bottom-style", "", "BorderStyle"},
    {Fo, "border-bottom-width", "", "BorderWidth"},
    {Fo, "border-collapse", "", "BorderCollapse"},
    {Fo, "border-color", "", "Color"},
    {Fo, "border-end-color", "", "Color"},
    {Fo, "border-end-style", "", "BorderStyle"},
    {Fo, "border-end-width", "", "BorderWidth"},
    {Fo, "border-left-color", "", "Color"},
    {Fo, "border-left-style", "", "BorderStyle"},
    {Fo, "border-left-width", "", "BorderWidth"},
    {Fo, "border-right-color", "", "Color"},
    {Fo, "border-right-style", "", "BorderStyle"},
    {Fo, "border-right-width", "", "BorderWidth"},
    {Fo, "border-start-color", "", "Color"},
    {Fo, "border-start-style", "", "BorderStyle"},
    {Fo, "border-start-width", "", "BorderWidth"},
    {Fo, "border-style", "", "BorderStyle"},
    {Fo, "border-top-color", "", "Color"},
    {Fo, "border-top-style", "", "BorderStyle"},
    {Fo, "border-top-width", "", "BorderWidth"},
    {Fo, "border-width", "", "BorderWidth"},
    {Fo, "bottom", "", "LengthOrPercentAuto"},
    {Fo, "break-after", "", "Break"},
    {Fo, "break-before", "", "Break"},
    {Fo, "color", "", "Color"},
    {Fo, "column-count", "", "int"},
    {Fo, "column-gap", "", "LengthOrPercent"},
    {Fo, "column-width", "", "ColumnWidth"},
    {Fo, "content-height", "", "ContentLength"},
    {Fo, "content-width", "", "ContentLength"},
    {Fo, "direction", "", "TextDirection"},
    {Fo, "display-align", "", "DisplayAlign"},
    {Fo, "end-indent", "", "Indent"},
    {Fo, "extent", "", "Length"},
    {Fo, "float", "", "FloatPosition"},
    {Fo, "font-size", "", "FontSize"},
    {Fo, "font-style", "", "FontStyle"},
    {Fo, "font-variant", "", "FontVariant"},
    {Fo, "font-weight", "", "FontWeight"},
    {Fo, "force-page-count", "", "ForcePageCount"},
    {Fo, "height", "", "LengthOrPercentAuto"},
    {Fo, "hyphenation-push-character-count", "", "int"},
    {Fo, "hyphenation-remain-character-count", "", "int"},
    {Fo, "initial-page-number", "", "InitialPageNumber"},
    {Fo, "keep-together", "", "Keep"},
    {Fo, "keep-together.within-column", "", "Keep"},
    {Fo, "keep-together.within-line", "", "Keep"},
    {Fo, "keep-together.within-page", "", "Keep"},
    {Fo, "keep-with-next", "", "Keep"},
    {Fo, "keep-with-next.within-column", "", "Keep"},
    {Fo, "keep-with-next.within-page", "", "Keep"},
    {Fo, "keep-with-previous", "", "Keep"},
    {Fo, "keep-with-previous.within-column", "", "Keep"},
    {Fo, "keep-with-previous.within-page", "", "Keep"},
    {Fo, "language", "", "Language"},
    {Fo, "leader-alignment", "", "LeaderAlignment"},
    {Fo, "leader-length", "", "LengthOrPercent"},
    {Fo, "leader-pattern", "", "LeaderPattern"},
    {Fo, "leader-pattern-width", "", "LeaderPatternWidth"},
    {Fo, "left", "", "LengthOrPercentAuto"},
    {Fo, "letter-spacing", "", "LetterSpacing"},
    {Fo, "line-height", "", "LengthOrPercent", true},  // a number times the font size
    {Fo, "line-height-shift-adjustment", "", "LineHeightShiftAdjustment"},
    {Fo, "line-stacking-strategy", "", "LineStackingStrategy"},
    {Fo, "linefeed-treatment", "", "LinefeedTreatment"},
    {Fo, "margin", "", "Margin"},
    {Fo, "margin-bottom", "", "Margin"},
    {Fo, "margin-left", "", "Margin"},
    {Fo, "margin-right", "", "Margin"},
    {Fo, "margin-top", "", "Margin"},
    {Fo, "number-columns-repeated", "", "int"},
    {Fo, "number-columns-spanned", "", "int"},
    {Fo, "number-rows-spanned", "", "int"},
    {Fo, "odd-or-even", "", "Parity"},
    {Fo, "orphans", "", "int"},
    {Fo, "overflow", "", "Overflow"},
    {Fo, "padding", "", "LengthOrPercent"},
    {Fo, "padding-after", "", "LengthOrPercent"},
    {Fo, "padding-before", "", "LengthOrPercent"},
    {Fo, "padding-bottom", "", "LengthOrPercent"},
    {Fo, "padding-end", "", "LengthOrPercent"},
    {Fo, "padding-left", "", "LengthOrPercent"},
    {Fo, "padding-right", "", "LengthOrPercent"},
    {Fo, "padding-start", "", "LengthOrPercent"},
    {Fo, "padding-top", "", "LengthOrPercent"},
    {Fo, "page-height", "", "PageDimension"},
    {Fo, "page-position", "", "PagePosition"},
    {Fo, "page-width", "", "PageDimension"},
    {Fo, "provisional-distance-between-starts", "", "LengthOrPercent"},
    {Fo, "provisional-label-separation", "", "LengthOrPercent"},
    {Fo, "reference-orientation", "", "ReferenceOrientation"},
    {Fo, "relative-position", "", "RelativePosition"},
    {Fo, "retrieve-boundary", "", "RetrieveBoundary"},
    {Fo, "retrieve-boundary-within-table", "", "RetrieveBoundaryWithinTable"},
    {Fo, "retrieve-position", "", "RetrievePosition"},
    {Fo, "retrieve-position-within-table", "", "RetrievePositionWithinTable"},
    {Fo, "right", "", "LengthOrPercentAuto"},
    {Fo, "rule-style", "", "BorderStyle"},
    {Fo, "rule-thickness", "", "Length"},
    {Fo, "scaling", "", "Scaling"},
    {Fo, "space-after", "", "Length"},
    {Fo, "space-after.optimum", "", "Length"},
    {Fo, "space-before", "", "Length"},
    {Fo, "space-before.optimum", "", "Length"},
    {Fo, "space-end", "", "Length"},
    {Fo, "space-start", "", "Length"},
    {Fo, "span", "", "Span"},
    {Fo, "src", "", "Url"},
    {Fo, "start-indent", "", "Indent"},
    {Fo, "table-layout", "", "TableLayout"},
    {Fo, "text-align", "", "TextAlign"},
    {Fo, "text-align-last", "", "TextAlign"},
    {Fo, "text-indent", "", "LengthOrPercent"},
    {Fo, "top", "", "LengthOrPercentAuto"},
    {Fo, "visibility", "", "Visibility"},
    {Fo, "white-space-treatment", "", "WhiteSpaceTreatment"},
    {Fo, "widows", "", "int"},
    {Fo, "width", "", "LengthOrPercentAuto"},
    {Fo, "width", "table", "TableWidth"},
    {Fo, "word-spacing", "", "LetterSpacing"},
    {Fo, "wrap-option", "", "WrapOption"},
    {Fo, "z-index", "", "int"},
};

// SVG presentation attributes (also read from style="..."), on any element,
// and geometry attributes on the elements that have them.
constexpr AttributeRow kSvgRows[] = {
    {Svg, "baseline-shift", "", "SBaselineShift"},
    {Svg, "cx", "circle", "SLength"},
    {Svg, "cx", "ellipse", "SLength"},
    {Svg, "cx", "radialGradient", "SLengthOrPercent"},
    {Svg, "cy", "circle", "SLength"},
    {Svg, "cy", "ellipse", "SLength"},
    {Svg, "cy", "radialGradient", "SLengthOrPercent"},
    {Svg, "d", "path", "Vector<PathDataCommand>"},
    {Svg, "display", "", "SDisplay"},
    {Svg, "fill", "", "SColor"},
    {Svg, "fill-opacity", "", "float"},
    {Svg, "font-size", "", "SLengthOrPercent"},
    {Svg, "font-style", "", "FontStyle"},
    {Svg, "font-weight", "", "FontWeight"},
    {Svg, "fx", "radialGradient", "SLengthOrPercent"},
    {Svg, "fy", "radialGradient", "SLengthOrPercent"},
    {Svg, "gradientTransform", "", "Vector<Transform>"},
    {Svg, "gradientUnits", "", "GradientUnits"},
    {Svg, "height", "image", "SLength"},
    {Svg, "height", "pattern", "SLength"},
    {Svg, "height", "rect", "SLength"},
    {Svg, "height", "svg", "SLength"},
    {Svg, "height", "use", "SLength"},
    {Svg, "letter-spacing", "", "SSpacing"},
    {Svg, "offset", "stop", "FloatOrPercent"},
    {Svg, "opacity", "", "float"},
    {Svg, "patternTransform", "", "Vector<Transform>"},
    {Svg, "points", "polygon", "Vector<Point>"},
    {Svg, "points", "polyline", "Vector<Point>"},
    {Svg, "preserveAspectRatio", "", "SPreserveAspectRatio"},
    {Svg, "r", "circle", "SLength"},
    {Svg, "r", "radialGradient", "SLengthOrPercent"},
    {Svg, "rx", "ellipse", "SLength"},
    {Svg, "rx", "rect", "SLength"},
    {Svg, "ry", "ellipse", "SLength"},
    {Svg, "ry", "rect", "SLength"},
    {Svg, "spreadMethod", "", "GradientSpreadMethod"},
    {Svg, "stop-color", "", "Color"},
    {Svg, "stop-opacity", "", "float"},
    {Svg, "stroke", "", "SColor"},
    {Svg, "stroke-dasharray", "", "Vector<SLength>"},
    {Svg, "stroke-dashoffset", "", "SLength"},
    {Svg, "stroke-linecap", "", "SLineCap"},
    {Svg, "stroke-linejoin", "", "SLineJoin"},
    {Svg, "stroke-miterlimit", "", "SLength"},
    {Svg, "stroke-opacity", "", "float"},
    {Svg, "stroke-width", "", "SLength"},
    {Svg, "text-anchor", "", "STextAnchor"},
    {Svg, "text-decoration", "", "STextDecoration"},
    {Svg, "transform", "", "Vector<Transform>"},
    {Svg, "viewBox", "", "ViewBox"},
    {Svg, "visibility", "", "SVisibility"},
    {Svg, "width", "image", "SLength"},
    {Svg, "width", "pattern", "SLength"},
    {Svg, "width", "rect", "SLength"},
    {Svg, "width", "svg", "SLength"},
    {Svg, "width", "use", "SLength"},
    {Svg, "word-spacing", "", "SSpacing"},
    {Svg, "x", "image", "SLength"},
    {Svg, "x", "pattern", "SLength"},
    {Svg, "x", "rect", "SLength"},
    {Svg, "x", "svg", "SLength"},
    {Svg, "x", "text", "SLength"},
    {Svg, "x", "use", "SLength"},
    {Svg, "x1", "line", "SLength"},
    {Svg, "x1", "linearGradient", "SLengthOrPercent"},
    {Svg, "x2", "line", "SLength"},
    {Svg, "x2", "linearGradient", "SLengthOrPercent"},
    {Svg, "y", "image", "SLength"},
    {Svg, "y", "pattern", "SLength"},
    {Svg, "y", "rect", "SLength"},
    {Svg, "y", "svg", "SLength"},
    {Svg, "y", "text", "SLength"},
    {Svg, "y", "use", "SLength"},
    {Svg, "y1", "line", "SLength"},
    {Svg, "y1", "linearGradient", "SLengthOrPercent"},
    {Svg, "y2", "line", "SLength"},
    {Svg, "y2", "linearGradient", "SLengthOrPercent"},
};

constexpr AttributeRow kXmlRows[] = {
    {Vocabulary::Xml, "lang", "", "Language"},
};

constexpr auto key(const AttributeRow& row) {
    return std::tuple(row.vocabulary, row.name, row.element);
}

constexpr auto kRowCount = std::size(kFoRows) + std::size(kSvgRows) + std::size(kXmlRows);

// All rows in (vocabulary, name, element) order, the element-free row of a
// name first.
constexpr std::array<AttributeRow, kRowCount> sortedRows() {
    std::array<AttributeRow, kRowCount> rows{};
    auto out = std::copy(std::begin(kFoRows), std::end(kFoRows), rows.begin());
    out = std::copy(std::begin(kSvgRows), std::end(kSvgRows), out);
    std::copy(std::begin(kXmlRows), std::end(kXmlRows), out);
    std::sort(rows.begin(), rows.end(),
              [](const AttributeRow& a, const AttributeRow& b) { return key(a) < key(b); });
    return rows;
}

constexpr auto kRows = sortedRows();

constexpr bool uniqueKeys() {
    for (std::size_t i = 1; i < kRows.size(); ++i) {
        if (key(kRows[i - 1]) == key(kRows[i]))
            return false;
    }
    return true;
}
static_assert(uniqueKeys(), "an attribute is listed twice for the same element");

constexpr bool allTyped() {
    for (const AttributeRow& row : kRows) {
        if (row.name.empty() || row.type.empty())
            return false;
    }
    return true;
}
static_assert(allTyped(), "every row names an attribute and its type");

template <class... Types>
constexpr bool isListed(std::string_view type, xmlattr_tool::TypeList<Types...>) {
    return ((Types::name == type) || ...);
}

// A row names a type the tool compiles a judge for: a misspelt type fails
// the build rather than going unjudged.
constexpr bool typesListed() {
    for (const AttributeRow& row : kRows) {
        if (!isListed(row.type, xmlattr_tool::AllTypes{}))
            return false;
    }
    return true;
}
static_assert(typesListed(), "every row names a type of the tool's type list");

constexpr std::size_t hashOf(Vocabulary vocabulary, std::string_view name) {
    std::uint32_t hash = 2166136261u ^ static_cast<std::uint32_t>(vocabulary);
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

// An open-addressing hash index from (vocabulary, name) to the first row of
// that name, plus one (0: an empty slot); a lookup is one hash and, as a
// rule, one comparison, instead of a binary search over every row.
constexpr auto buildIndex() {
    std::array<std::uint16_t, 1024> index{};
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (i > 0 && kRows[i - 1].vocabulary == kRows[i].vocabulary &&
            kRows[i - 1].name == kRows[i].name)
            continue;
        std::size_t slot = hashOf(kRows[i].vocabulary, kRows[i].name) % index.size();
        while (index[slot] != 0)
            slot = (slot + 1) % index.size();
        index[slot] = static_cast<std::uint16_t>(i + 1);
    }
    return index;
}

constexpr auto kIndex = buildIndex();
static_assert(kRows.size() < kIndex.size() / 2, "the index stays at most half full");

}  // namespace

std::span<const AttributeRow> attributeRows() {
    return kRows;
}

const AttributeRow* findAttribute(Vocabulary vocabulary, std::string_view element,
                                  std::string_view name) {
    const std::size_t slots = kIndex.size();
    for (std::size_t slot = hashOf(vocabulary, name) % slots;; slot = (slot + 1) % slots) {
        const std::uint16_t entry = kIndex[slot];
        if (entry == 0)
            return nullptr;
        const AttributeRow* first = &kRows[entry - 1u];
        if (first->vocabulary != vocabulary || first->name != name)
            continue;
        // The rows of one name follow each other, the one for any element first.
        const AttributeRow* anyElement = nullptr;
        for (const AttributeRow* row = first;
             row != kRows.end() && row->vocabulary == vocabulary && row->name == name; ++row) {
            if (row->element == element)
                return row;
            if (row->element.empty())
                anyElement = row;
        }
        return anyElement;
    }
}

const AttributeRow* findAttributeOnEvery(Vocabulary vocabulary, std::string_view name) {
    const AttributeRow* any = findAttribute(vocabulary, {}, name);
    if (any == nullptr || !any->element.empty())
        return nullptr;
    for (const AttributeRow* row = any;
         row != kRows.end() && row->vocabulary == vocabulary && row->name == name; ++row) {
        if (row->type != any->type)
            return nullptr;
    }
    return any;
}

}  // namespace xmlattr::lint
