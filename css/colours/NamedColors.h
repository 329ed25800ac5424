/// @file
/// The colour keywords: SVG 1.1's 147 named colours (the set CSS3 Color
/// adopted) in comparison order, then the two keywords that mean no colour.
///
/// Lookups go through a hash index built at compile time (TextIndex.h), so a
/// name costs the same whatever its place in the table. Since no keyword
/// occurs twice, that gives the row a first-match scan would give.
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "css/attributes/TextIndex.h"

/// The colour keywords and their sRGB values.
namespace Xml::NamedColors {

/// One colour keyword.
struct Entry {
    std::wstring_view name;  ///< the keyword, lower case
    std::uint8_t r;          ///< red, 0 to 255
    std::uint8_t g;          ///< green, 0 to 255
    std::uint8_t b;          ///< blue, 0 to 255
    bool hasColor;           ///< false for "transparent" and "none"
};

/// The keywords in comparison order, then "transparent" and "none".
inline constexpr Entry kTable[] = {
    {L"aliceblue", 240, 248, 255, true},
    {L"antiquewhite", 250, 235, 215, true},
    {L"aqua", 0, 255, 255, true},
    {L"aquamarine", 127, 255, 212, true},
    {L"azure", 240, 255, 255, true},
    {L"beige", 245, 245, 220, true},
    {L"bisque", 255, 228, 196, true},
    {L"black", 0, 0, 0, true},
    {L"blanchedalmond", 255, 235, 205, true},
    {L"blue", 0, 0, 255, true},
    {L"blueviolet", 138, 43, 226, true},
    {L"brown", 165, 42, 42, true},
    {L"burlywood", 222, 184, 135, true},
    {L"cadetblue", 95, 158, 160, true},
    {L"chartreuse", 127, 255, 0, true},
    {L"chocolate", 210, 105, 30, true},
    {L"coral", 255, 127, 80, true},
    {L"cornflowerblue", 100, 149, 237, true},
    {L"cornsilk", 255, 248, 220, true},
    {L"crimson", 220, 20, 60, true},
    {L"cyan", 0, 255, 255, true},
    {L"darkblue", 0, 0, 139, true},
    {L"darkcyan", 0, 139, 139, true},
    {L"darkgoldenrod", 184, 134, 11, true},
    {L"darkgray", 169, 169, 169, true},
    {L"darkgreen", 0, 100, 0, true},
    {L"darkgrey", 169, 169, 169, true},
    {L"darkkhaki", 189, 183, 107, true},
    {L"darkmagenta", 139, 0, 139, true},
    {L"darkolivegreen", 85, 107, 47, true},
    {L"darkorange", 255, 140, 0, true},
    {L"darkorchid", 153, 50, 204, true},
    {L"darkred", 139, 0, 0, true},
    {L"darksalmon", 233, 150, 122, true},
    {L"darkseagreen", 143, 188, 143, true},
    {L"darkslateblue", 72, 61, 139, true},
    {L"darkslategray", 47, 79, 79, true},
    {L"darkslategrey", 47, 79, 79, true},
    {L"darkturquoise", 0, 206, 209, true},
    {L"darkviolet", 148, 0, 211, true},
    {L"deeppink", 255, 20, 147, true},
    {L"deepskyblue", 0, 191, 255, true},
    {L"dimgray", 105, 105, 105, true},
    {L"dimgrey", 105, 105, 105, true},
    {L"dodgerblue", 30, 144, 255, true},
    {L"firebrick", 178, 34, 34, true},
    {L"floralwhite", 255, 250, 240, true},
    {L"forestgreen", 34, 139, 34, true},
    {L"fuchsia", 255, 0, 255, true},
    {L"gainsboro", 220, 220, 220, true},
    {L"ghostwhite", 248, 248, 255, true},
    {L"gold", 255, 215, 0, true},
    {L"goldenrod", 218, 165, 32, true},
    {L"gray", 128, 128, 128, true},
    {L"grey", 128, 128, 128, true},
    {L"green", 0, 128, 0, true},
    {L"greenyellow", 173, 255, 47, true},
    {L"honeydew", 240, 255, 240, true},
    {L"hotpink", 255, 105, 180, true},
    {L"indianred", 205, 92, 92, true},
    {L"indigo", 75, 0, 130, true},
    {L"ivory", 255, 255, 240, true},
    {L"khaki", 240, 230, 140, true},
    {L"lavender", 230, 230, 250, true},
    {L"lavenderblush", 255, 240, 245, true},
    {L"lawngreen", 124, 252, 0, true},
    {L"lemonchiffon", 255, 250, 205, true},
    {L"lightblue", 173, 216, 230, true},
    {L"lightcoral", 240, 128, 128, true},
    {L"lightcyan", 224, 255, 255, true},
    {L"lightgoldenrodyellow", 250, 250, 210, true},
    {L"lightgray", 211, 211, 211, true},
    {L"lightgreen", 144, 238, 144, true},
    {L"lightgrey", 211, 211, 211, true},
    {L"lightpink", 255, 182, 193, true},
    {L"lightsalmon", 255, 160, 122, true},
    {L"lightseagreen", 32, 178, 170, true},
    {L"lightskyblue", 135, 206, 250, true},
    {L"lightslategray", 119, 136, 153, true},
    {L"lightslategrey", 119, 136, 153, true},
    {L"lightsteelblue", 176, 196, 222, true},
    {L"lightyellow", 255, 255, 224, true},
    {L"lime", 0, 255, 0, true},
    {L"limegreen", 50, 205, 50, true},
    {L"linen", 250, 240, 230, true},
    {L"magenta", 255, 0, 255, true},
    {L"maroon", 128, 0, 0, true},
    {L"mediumaquamarine", 102, 205, 170, true},
    {L"mediumblue", 0, 0, 205, true},
    {L"mediumorchid", 186, 85, 211, true},
    {L"mediumpurple", 147, 112, 219, true},
    {L"mediumseagreen", 60, 179, 113, true},
    {L"mediumslateblue", 123, 104, 238, true},
    {L"mediumspringgreen", 0, 250, 154, true},
    {L"mediumturquoise", 72, 209, 204, true},
    {L"mediumvioletred", 199, 21, 133, true},
    {L"midnightblue", 25, 25, 112, true},
    {L"mintcream", 245, 255, 250, true},
    {L"mistyrose", 255, 228, 225, true},
    {L"moccasin", 255, 228, 181, true},
    {L"navajowhite", 255, 222, 173, true},
    {L"navy", 0, 0, 128, true},
    {L"oldlace", 253, 245, 230, true},
    {L"olive", 128, 128, 0, true},
    {L"olivedrab", 107, 142, 35, true},
    {L"orange", 255, 165, 0, true},
    {L"orangered", 255, 69, 0, true},
    {L"orchid", 218, 112, 214, true},
    {L"palegoldenrod", 238, 232, 170, true},
    {L"palegreen", 152, 251, 152, true},
    {L"paleturquoise", 175, 238, 238, true},
    {L"palevioletred", 219, 112, 147, true},
    {L"papayawhip", 255, 239, 213, true},
    {L"peachpuff", 255, 218, 185, true},
    {L"peru", 205, 133, 63, true},
    {L"pink", 255, 192, 203, true},
    {L"plum", 221, 160, 221, true},
    {L"powderblue", 176, 224, 230, true},
    {L"purple", 128, 0, 128, true},
    {L"red", 255, 0, 0, true},
    {L"rosybrown", 188, 143, 143, true},
    {L"royalblue", 65, 105, 225, true},
    {L"saddlebrown", 139, 69, 19, true},
    {L"salmon", 250, 128, 114, true},
    {L"sandybrown", 244, 164, 96, true},
    {L"seagreen", 46, 139, 87, true},
    {L"seashell", 255, 245, 238, true},
    {L"sienna", 160, 82, 45, true},
    {L"silver", 192, 192, 192, true},
    {L"skyblue", 135, 206, 235, true},
    {L"slateblue", 106, 90, 205, true},
    {L"slategray", 112, 128, 144, true},
    {L"slategrey", 112, 128, 144, true},
    {L"snow", 255, 250, 250, true},
    {L"springgreen", 0, 255, 127, true},
    {L"steelblue", 70, 130, 180, true},
    {L"tan", 210, 180, 140, true},
    {L"teal", 0, 128, 128, true},
    {L"thistle", 216, 191, 216, true},
    {L"tomato", 255, 99, 71, true},
    {L"turquoise", 64, 224, 208, true},
    {L"violet", 238, 130, 238, true},
    {L"wheat", 245, 222, 179, true},
    {L"white", 255, 255, 255, true},
    {L"whitesmoke", 245, 245, 245, true},
    {L"yellow", 255, 255, 0, true},
    {L"yellowgreen", 154, 205, 50, true},
    {L"transparent", 0, 0, 0, false},
    {L"none", 0, 0, 0, false},
};

/// The number of rows of kTable.
inline constexpr int kCount = static_cast<int>(std::size(kTable));
static_assert(kCount == 147 + 2, "147 colour keywords and the two without colour");

/// The names in a compile-time hash index (exact case); building it fails
/// when a name occurs twice.
inline constexpr TextIndex<kCount> kByName = [] {
    TextIndex<kCount> index(false);
    for (int i = 0; i < kCount; ++i)
        index.add(static_cast<std::size_t>(i), kTable[i].name);
    index.build();
    return index;
}();
static_assert(kByName.built() && kByName.size() == kCount,
              "a colour keyword occurs twice, or is not an ASCII text the index takes");

/// The row whose keyword equals name exactly, or nullptr.
constexpr const Entry* find(std::wstring_view name) {
    const int row = kByName.find(name);
    return row >= 0 ? &kTable[row] : nullptr;
}

/// The same answer by comparing the rows in table order; the reference the
/// indexed lookup is checked against.
constexpr const Entry* findByScan(std::wstring_view name) {
    for (const Entry& entry : kTable) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

static_assert(find(L"aliceblue") == &kTable[0] && find(L"none") == &kTable[kCount - 1]);
static_assert(find(L"yellowgreen") == findByScan(L"yellowgreen") && find(L"Red") == nullptr);

}  // namespace Xml::NamedColors
