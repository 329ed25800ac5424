// Attribute texts of every kind of finding, each judged as one type: the
// kind, the value the engine holds, a fragment of the reason and the fix lint
// offers. The judge, fix and thread tests all read these tables.
#pragma once

#include "tools/lint/Lint.h"

namespace xmlattr::lint::cases {

using enum Kind;

struct Judged {
    const char* type;
    const char* text;
    Kind kind;
    const char* readsAs;
    const char* reason;  // a fragment of it
    const char* fixed;   // the text the fix writes; null: no fix
    bool safe;
};

// clang-format off
inline constexpr Judged kJudged[] = {
    // Rejected: what the engine keeps or stores instead.
    {"LengthOrPercent", "normal", Rejected, "", "", nullptr, false},
    {"Length", "12", Rejected, "", "a number needs a unit here; only 0 goes without; the engine keeps the value it had (inherited or initial)", nullptr, false},
    {"DLength", "10 20", Rejected, "0px 0px", "the engine stores 0px 0px instead", nullptr, false},
    {"Length", "12PT", Rejected, "", "units and keywords in lower case only: 12pt", "12pt", true},
    {"Length", "50%", Rejected, "", "takes no percentage", nullptr, false},
    {"Length", "12ch", Rejected, "", "'ch' is no unit the engine reads", nullptr, false},
    {"Margin", "auto", Rejected, "", "no keyword 'auto' here, only a measure", nullptr, false},
    {"SColor", "GreeN", Rejected, "", "colour names in lower case only: green", "green", true},
    {"SColor", " green ", Rejected, "", "does not read blanks around the value", "green", true},
    {"SColor", "hsl(0,0%,0%)", Rejected, "", "does not read hsl()", nullptr, false},
    {"SColor", "currentColor", Rejected, "", "does not read currentColor, a CSS keyword", nullptr, false},
    {"SColor", "#f80f", Rejected, "", "not 4 hex digits", nullptr, false},
    {"Color", "#ff8800ff", Rejected, "", "not 8 hex digits", nullptr, false},
    {"SColor", "rgb(18.5%,20%,21%)", Rejected, "", "rgb() of whole numbers only", nullptr, false},
    {"SColor", "rgb(1 2 3)", Rejected, "", "with commas between the components", nullptr, false},
    {"ViewBox", "0,0,100,100", Rejected, "", "blanks between its numbers, not commas", "0 0 100 100", true},
    {"ViewBox", "0 0 -10 10", ReadsDifferently, "0 0 -10 10", "a negative width or height", nullptr, false},
    {"Language", "en_US", Rejected, "", "separated by '-', not '_'", "en-US", true},
    {"Language", "de-CH", Rejected, "", "the type knows no tag de-CH, only its language de", "de", false},
    {"SLineCap", "rond", Rejected, "", "which takes butt, round, square; the nearest is round", nullptr, false},
    {"FontStyle", "Italic", Rejected, "", "keywords in lower case only: italic", "italic", true},
    {"SPreserveAspectRatio", "xmidymax", ReadsDifferently, "xMidYMid meet", "read in their exact case only", nullptr, false},
    // Expressions of one absolute unit computed; others need context.
    {"Length", "4in + 15pt", Expression, "4pt", "", nullptr, false},
    {"LengthOrPercent", "13in div 12", Expression, "1300%", "", "1.0833in", false},
    {"LengthOrPercent", "2in div 12", Expression, "200%", "only its first number is read, 2, as a ratio", "0.1667in", false},
    {"ColumnWidth", "(4.5in - 2cm) div 3 + 0.5in", Expression, "4.5cm", "", nullptr, false},
    {"ColumnWidth", "max(2cm)", Expression, "2cm", "", nullptr, false},
    {"ColumnWidth", "(1in + 0.5in) * 2", Expression, "1in", "", "3in", true},
    {"Indent", "10pt + 2pt", Expression, "10pt", "", "12pt", true},
    {"Indent", "3 * (2cm - 0.5cm)", Expression, "3px", "", "4.5cm", true},
    {"Indent", "0.1pt + 0.2pt", Expression, "0.1pt", "", "0.3pt", true},
    {"Indent", "10mm - 12mm", Expression, "10mm", "", "-2mm", true},
    {"Indent", "1em + 6pt", Expression, "1pt", "", nullptr, false},
    {"Indent", "2pt * 3pt", Expression, "2pt", "", nullptr, false},
    {"Indent", "2pt div 0", Expression, "200%", "", nullptr, false},
    // Blanks around a measure.
    {"Margin", "2em ", BlankChangedUnit, "2px", "", "2em", true},
    {"Margin", "1.5cm\n", BlankChangedUnit, "1.5px", "", "1.5cm", true},
    {"SLength", "12pt\t ", BlankChangedUnit, "12px", "", "12pt", true},
    // Units: one letter away from one known unit is suggested; from several
    // (pz: px, pt, pc), none is.
    {"FontSize", "12ptt", UnknownUnit, "12px", "unknown unit 'ptt' is read as px; did you mean pt?", nullptr, false},
    {"SLength", "10qq", UnknownUnit, "10px", "unknown unit 'qq' is read as px", nullptr, false},
    {"SLength", "1.5mmm", UnknownUnit, "1.5mm", "unknown unit 'mmm'; its last two letters are read as mm", nullptr, false},
    {"SLength", "2nn", UnknownUnit, "2px", "unknown unit 'nn' is read as px; did you mean in?", nullptr, false},
    {"SLength", "2pz", UnknownUnit, "2px", "unknown unit 'pz' is read as px", nullptr, false},
    {"FloatOrPercent", "5mm", UnknownUnit, "5", "a unit where none belongs", nullptr, false},
    {"SLength", "30Q", UnknownUnit, "3px", "the last two characters '0Q' are taken as the unit: read as 3px", nullptr, false},
    {"SLength", "1ch", UnknownUnit, "1px", "ch is a CSS unit the engine does not read: read as px", nullptr, false},
    {"SLength", "1rem", UnknownUnit, "1em", "rem is a CSS unit the engine does not read; its last two letters", nullptr, false},
    {"Indent", "12pt;", ReadsDifferently, "12px", "';' after the measure is no part of it and spoils its unit", nullptr, false},
    // Words where a number belongs, of ASCII letters or not.
    {"SLength", "thick", NotANumber, "0px", "", nullptr, false},
    {"SLength", "\xc3\xa9" "1", NotANumber, "0px", "a word the type does not know is read as a number", nullptr, false},
    {"SLength", "x5mm", NotANumber, "0mm", "read as a number", nullptr, false},
    {"SLength", "\xc3\xa9\xc3\xa9" "5mm", NotANumber, "0mm", "read as a number", nullptr, false},
    {"SSpacing", "wide", NotANumber, "0px", "", nullptr, false},
    // rgb() components as numbers from 0 to 255; 25.5 and 127.5 are rounded,
    // and percentages mixed with numbers are not fixed.
    {"Color", "rgb(100%,100%,50%)", RgbPercent, "rgb(100,100,50)", "", "rgb(255,255,128)", false},
    {"Color", "rgb(20%,20%,60%)", RgbPercent, "rgb(20,20,60)", "", "rgb(51,51,153)", true},
    {"Color", "rgb(0%, 100%, 40%)", RgbPercent, "rgb(0,100,40)", "", "rgb(0, 255, 102)", true},
    {"Color", "rgb(10%, 50%, 100%)", RgbPercent, "rgb(10,50,100)", "", "rgb(26, 128, 255)", false},
    {"Color", "rgb(120%,0%,0%)", RgbPercent, "rgb(120,0,0)", "", "rgb(255,0,0)", false},
    {"Color", "rgb(20%,20,60)", RgbPercent, "rgb(20,20,60)", "", nullptr, false},
    {"SColor", "rgb(300,0,-1)", RgbOutOfRange, "rgb(44,0,255)", "rgb() components run from 0 to 255; 300 wraps around", "rgb(255,0,0)", false},
    {"SColor", "rgb(300, 0, -1)", RgbOutOfRange, "rgb(44,0,255)", "", "rgb(255, 0, 0)", false},
    {"SColor", "rgb(31,56,256)", RgbOutOfRange, "rgb(31,56,0)", "", "rgb(31,56,255)", false},
    // Lists: items separated by commas, unless one would still not read as
    // written, or the type reads one value whatever is written.
    {"Vector<SLength>", "10 20 30", ListReadAsOne, "10px", "", "10, 20, 30", true},
    {"Vector<SLength>", "5mm 2.5mm", ListReadAsOne, "5mm", "", "5mm, 2.5mm", true},
    {"Vector<SLength>", "4  2\n1", ListReadAsOne, "4px", "", "4, 2, 1", true},
    {"Vector<SLength>", "20 40 -20", ListReadAsOne, "20px", "", "20, 40, -20", false},
    {"SLength", "10 20 30", ListReadAsOne, "10px", "", nullptr, false},
    // Path commands written, numbers separated.
    {"Vector<PathDataCommand>", "M 1 1 5 3 1 5", ImplicitCommands, "M1 1", "commands repeated without their letter are dropped: 3 commands written, 1 read", "M 1 1 L 5 3 L 1 5", true},
    {"Vector<PathDataCommand>", "M 30 40 110 160", ImplicitCommands, "M30 40", "", "M 30 40 L 110 160", true},
    {"Vector<PathDataCommand>", "m10,10,20,20,30,30", ImplicitCommands, "m10 10", "", "m10,10 l20,20 l30,30", true},
    {"Vector<PathDataCommand>", "M0 0 L10 10 20 20z", ImplicitCommands, "M0 0 L10 10 Z", "", "M0 0 L10 10 L20 20z", true},
    {"Vector<PathDataCommand>", "M0 0 c1 1 2 2 3 3 4 4 5 5 6 6", ImplicitCommands, "M0 0 c1 1 2 2 3 3", "", "M0 0 c1 1 2 2 3 3 c4 4 5 5 6 6", true},
    {"Vector<PathDataCommand>", "M5.5.3 1 1", ImplicitCommands, "M5.5 1", "", "M5.5 .3 L1 1", true},
    {"Vector<PathDataCommand>", "M0,0 l 12,-4.5e-1", NumberSplit, "M0 0 l12 -4", "", "M0,0 l 12,-0.45", true},
    {"Vector<PathDataCommand>", "M0,0 L 1.5E+2,-25e-2", NumberSplit, "M0 0 L1 2", "", "M0,0 L 150,-0.25", true},
    {"Vector<PathDataCommand>", "a1 1 0 00 1 1", NumberSplit, "a1 1 0 0 1 1 0", "", "a1 1 0 0 0 1 1", true},
    {"Vector<PathDataCommand>", "M-20,0 A20,20 0 01 20,0", NumberSplit, "M-20 0 A20 20 0 1 1 0 0", "", "M-20,0 A20,20 0 0 1 20,0", true},
    {"Vector<PathDataCommand>", "M0 0 a25 25 0 1125 25", NumberSplit, "M0 0 a25 25 0 1 1 0 0", "", "M0 0 a25 25 0 1 1 25 25", true},
    {"Vector<PathDataCommand>", "M0 0 L5.5.3z", NumberSplit, "M0 0 L5.5 0 Z", "two numbers written together (5.5.3) are read as one", "M0 0 L5.5 .3z", true},
    {"Vector<Point>", "10,20e-1 20,20", NumberSplit, "10 2,-1 20", "", "10,2 20,20", true},
    {"Vector<Point>", "5.5.3 1 2", NumberSplit, "5.5 1", "two numbers written together (5.5.3) are read as one", "5.5 .3 1 2", true},
    // Transforms that fall back to translate(0,0).
    {"Vector<Transform>", "matrix(1 0 0 1) scale(2)", TransformDefault, "translate(0,0) scale(2,2)", "takes 6 numbers, not 4", nullptr, false},
    {"Vector<Transform>", "skew(5)", TransformDefault, "translate(0,0)", "skew() is not a transform function; it falls back to translate(0,0)", nullptr, false},
    {"Vector<Transform>", "translate(5 5  )", TransformDefault, "translate(0,0)", "blanks before ')'", "translate(5 5)", true},
    {"Vector<Transform>", "Scale(2)", TransformDefault, "translate(0,0)", "case-sensitive (scale)", nullptr, false},
    // Read otherwise than written, of every shape. The library cannot write
    // ex in pixels: the numbers held are shown.
    {"Vector<Point>", "200,200 200,90 300", ReadsDifferently, "200 200,200 90", "", nullptr, false},
    {"Vector<Point>", "1ex,2ex 3", ReadsDifferently, "1 2", "", nullptr, false},
    {"Vector<Transform>", "translate(10 20) rotate(45", ReadsDifferently, "translate(10,20)", "2 transforms written, 1 read", nullptr, false},
    {"Vector<Transform>", "qwe", ReadsDifferently, "nothing", "no transform function", nullptr, false},
    {"float", "50%", ReadsDifferently, "50", "held as 50, not 0.5", "0.5", true},
    {"int", "-7%", ReadsDifferently, "-7", "takes no percentage", nullptr, false},
    {"SColor", "url('#a')", ReadsDifferently, "url(#a')", "keeps the quotes", "url(#a)", true},
    {"SColor", "url(#lg1) green", ReadsDifferently, "url(#lg1)", "'green' after", nullptr, false},
    {"Url", "url('a b' x)", ReadsDifferently, "url(a b' x)", "not a url()", nullptr, false},
    {"LengthOrPercentAuto", "1e39", ReadsDifferently, "inf%", "beyond the largest", nullptr, false},
    {"LengthOrPercentAuto", "1,5", ReadsDifferently, "100%", "a comma is no decimal point: only 1 is read", nullptr, false},
    {"SLength", "-1e39", ReadsDifferently, "-3.4028235e+38px", "beyond the largest", nullptr, false},
    {"LengthOrPercent", "12", ReadsDifferently, "1200%", "a number without a unit is read as a ratio", nullptr, false},
    {"FontWeight", "500", ReadsDifferently, "bold", "500 selects normal", nullptr, false},
    {"SDisplay", "None", ReadsDifferently, "inline", "not taken as none", "none", true},
    {"SDisplay", "qwe", ReadsDifferently, "inline", "not a keyword of the type", nullptr, false},
};
// clang-format on

struct Faithful {
    const char* type;
    const char* text;
};

// Texts that read as written, in forms the generated texts of AuthorsTexts.h
// do not write.
inline constexpr Faithful kFaithful[] = {
    {"Length", "12pt"},
    {"Length", "12 pt"},
    {"LengthOrPercent", "10%"},  // held as 9.999999%
    {"FontSize", "medium"},
    {"FontWeight", "bold"},
    {"Color", "rgb( 1 , 2 , 255 )"},
    {"Vector<SLength>", "none"},
    {"Vector<PathDataCommand>", "M 2mm 3cm"},
    {"Vector<PathDataCommand>", "M10,10 L20,20 h-5 v5 Z"},
    {"ColumnWidth", "proportional-column-width(2)"},
    {"Indent", "body-start()"},
    {"Vector<Transform>", "translate(10,20) rotate(45 10 10) skewX(5) matrix(1,0,0,1,5,5)"},
    {"Vector<Transform>", "none"},
    {"Url", "url('a b')"},
};

}  // namespace xmlattr::lint::cases
