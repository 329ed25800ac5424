#include "tools/describe/TypeNotes.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "css/keywords/FontKeywords.h"
#include "css/lengths/Background.h"
#include "css/lengths/KeywordLengths.h"

namespace xmlattr_tool {

namespace {

using P = Part;

// Keyword tables that some measures read before the measure.
const KeywordPart kAbsoluteFontSize{"Absolute sizes", &keywordTableOf<Xml::AbsoluteFontSize>};
const KeywordPart kRelativeFontSize{"Relative sizes", &keywordTableOf<Xml::RelativeFontSize>};
const KeywordPart kBorderWidthKeyword{"Keywords", &keywordTableOf<Xml::BorderWidthKeyword>};
const KeywordPart kIndentFunction{"Functions", &keywordTableOf<Xml::IndentFunction>};
const KeywordPart kBaselineShiftMode{"Keywords", &keywordTableOf<Xml::BaselineShiftMode>};
const KeywordPart kAlignmentBaseline{"Baseline keywords", &keywordTableOf<Xml::AlignmentBaseline>};
const KeywordPart kContentScaleMode{"Keywords", &keywordTableOf<Xml::ContentScaleMode>};
const KeywordPart kSpacingType{"Keywords", &keywordTableOf<Xml::SpacingType>};
const KeywordPart kPageDimensionType{"Keywords", &keywordTableOf<Xml::PageDimensionType>};
const KeywordPart kInitialPageNumberType{"Keywords", &keywordTableOf<Xml::InitialPageNumberType>};
const KeywordPart kInitialSheetNumberType{"Keywords", &keywordTableOf<Xml::InitialSheetNumberType>};
const KeywordPart kBackgroundSizeType{"Keywords", &keywordTableOf<Xml::BackgroundSizeType>};

// `text` for a keyword of the ASCII tables these paragraphs name.
std::string quoted(std::wstring_view text) {
    std::string out = "`";
    for (const wchar_t c : text)
        out += static_cast<char>(c);
    return out + '`';
}

// What a background position's paragraph says of its keywords, read from the
// library's table: each keyword written back with the aliases that read as
// it ("`left` or `top`, `center`, ..."), and the keywords written back.
std::string backgroundPositionParagraph() {
    std::string read;
    std::vector<std::string> written;
    for (const Xml::KeywordRow& row : Xml::KeywordsOf<Xml::BackgroundEdge>::table.rows) {
        if (row.names()) {
            read += read.empty() ? "" : ", ";
            written.push_back(quoted(row.text));
        } else {
            read += " or ";
        }
        read += quoted(row.text);
    }
    std::string writtenBack;
    for (std::size_t i = 0; i < written.size(); ++i)
        writtenBack += (i == 0 ? "" : i + 1 == written.size() ? " or " : ", ") + written[i];
    return "One axis of a background position: " + read +
           " (exact case), which are fractions of the free space, or a `LengthOrPercent`. A "
           "value equal to one of those fractions is written back as " +
           writtenBack + ", whatever text it came from; others as the measure.";
}

std::vector<TypeNotes> makeNotes() {
    static const std::string backgroundPosition = backgroundPositionParagraph();
    return {
        // Scalars
        {"int",
         {"A whole-text integer: an optional sign and decimal digits, white space allowed before "
          "and after, and one trailing `%` that changes nothing. Values beyond a 32-bit int are "
          "rejected. A rejected text keeps the value (a new attribute holds 0). Written back in "
          "decimal."},
         {},
         {},
         {"12", "-7%", " 42 ", "1.5", "99999999999", "abc"}},
        {"float",
         {"A whole-text number: an optional sign, digits with an optional fraction (`.5` and `5.` "
          "are numbers, `.` is not) and an optional exponent, white space allowed before and "
          "after, and one trailing `%` that changes nothing. It is read exactly: the float "
          "nearest the decimal. Values beyond float range are rejected, and a rejected text "
          "keeps the value. Written back by the library's number formatting."},
         {},
         {},
         {"0.5", "1e3", "-.25", "50%", "1e39", "."}},
        {"String",
         {"Any text, accepted as it stands (nothing is trimmed) and written back unchanged."},
         {},
         {},
         {"Times New Roman", " padded ", ""}},
        {"Url",
         {"An address. A text of more than three characters beginning with `url` is a "
          "functional address: from its `(` to the next `)`, with quotes and white space around "
          "the address dropped; without a `)` the rest of the text is the address. Such a text "
          "without a usable `(` (none, or one that ends the text) is rejected. Any other text is "
          "the address as it stands. Written back as `url(address)`."},
         {},
         {},
         {"url('images/logo.png')", "url( \"a b.png\" )", "url(open", "url(", "logo.png"}},
        {"ImageFilter",
         {"Two unsigned 32-bit integers in decimal joined by a colon, `kind:parameter`; nothing "
          "else is accepted. Written back the same way; a new attribute holds `0:0`."},
         {},
         {},
         {"3:128", "3 : 128", "blur"}},
        {"TPRule",
         {"A rule naming a keyword to find: `FIND_KEYWORD(` (exact case), then the keyword up to "
          "the first `)`; what follows the `)` is ignored. Any other text is rejected, sets the "
          "rule to none and keeps the keyword held before. No text form: written back as the "
          "empty text."},
         {},
         {},
         {"FIND_KEYWORD(Total)", "FIND_KEYWORD(Total", "find_keyword(Total)"}},

        // Colours
        {"Color",
         {"A colour in one of the forms below. `transparent` and `none` are accepted and mean no "
          "colour, which writes the empty text. A malformed `rgb-icc(...)` or `spot-color(...)` "
          "logs a warning, and so does a spot colour without a known substitute (it is drawn "
          "black). A rejected text keeps the colour held before. Written back in the functional "
          "form."},
         {P::ColourForms, P::ColourNames},
         {},
         {"#ff88", "Red", " red", "rgb(1,2)"}},
        {"SColor",
         {"An SVG paint: a text of more than three characters beginning with `url` is a reference "
          "to a paint server, from its `#` up to white space or `)` (it needs a `(` and a `#`); "
          "any other text is read as a `Color` (forms below, names as for `Color`), where "
          "`transparent` and `none` give no paint. No text form: written back as the empty text."},
         {P::ColourForms},
         {},
         {"url(#grad1)", "url(grad1)", "red", "none"}},
        {"SNullableColor",
         {"An `SColor` that records whether it was ever read: it starts null and an accepted "
          "text clears the flag. The same texts as `SColor`; no text form."},
         {P::ColourForms},
         {},
         {"url(#grad1)", "none", "foo"}},
        {"BoxShadow",
         {"A CSS box shadow. The blank-separated pieces of the text fill, in order, the "
          "horizontal offset, the vertical offset and the blur radius where they are lengths (as "
          "`Length` reads them); one piece anywhere may be a colour (any `Color` form). The "
          "first piece that fits nowhere, or an empty piece (two blanks in a row), ends the "
          "reading; fields not read keep their defaults (0px, no colour). Always accepted. "
          "Written back as the three lengths and the colour joined by single blanks."},
         {P::LengthUnits},
         {},
         {"2px 3px 4px red", "red 2pt 3pt", "2px  3px", "inset 2px 2px"}},

        // Lengths and measures
        {"Length",
         {"A length: the text starts with a digit, a sign or `.` and ends in one of the unit "
          "suffixes below (exact case). The number at the start of what precedes the suffix is "
          "the size (0 where there is none); anything after that number is ignored. `0` alone "
          "reads as 0pt. A bare number, an unknown suffix or any other text of one or two "
          "characters is rejected and keeps the value. Written back as the size and its "
          "suffix; converted to pixels at 96 per inch."},
         {P::LengthUnits},
         {},
         {"12pt", ".5in", "0", "12 pt", "12", "12PT", " 12pt", "1ex"}},
        {"SLength",
         {"An SVG length. A text ending in a digit is a number of user units (px); one ending in "
          "`%` is a percentage, stored as a fraction (50% holds 0.5), and rejected when what "
          "precedes the `%` is no number. Any other text needs at least three characters: its "
          "last two are the unit suffix (below; any other two letters mean px) and the number "
          "at its start is the size (0 where there is none). No text form."},
         {P::SvgUnits},
         {},
         {"10", "50%", "2mm", "10qq", "5x", "x%"}},
        {"LengthOrPercent",
         {"A length or a percentage of a base the caller supplies. The text starts with a "
          "digit, a sign or `.`. A text ending in `%` is a percentage, stored as a fraction "
          "computed in float (5% is written back as 4.9999995%); a bare number (ending in a "
          "digit or `.`) is a ratio, so 1.5 is 150%; otherwise the last two characters are the "
          "unit suffix (below), an unknown suffix meaning px, and the number at the start is "
          "the size. Written back as the length, or the percentage with `%`."},
         {P::LengthUnits},
         {},
         {"50%", "5%", "1.5", "12pt", "12qq", "auto"}},
        {"SLengthOrPercent",
         {"The SVG form of `LengthOrPercent`. The text starts with a digit, a sign or `.`; a "
          "text ending in a digit is a length in px, one ending in `%` a percentage (stored as "
          "a fraction), and otherwise the last two characters are the SVG unit suffix (below; "
          "unknown suffixes mean px). A text of one or two characters that is none of these "
          "reads as 1px. No text form."},
         {P::SvgUnits},
         {},
         {"10", "50%", "3mm", "5x", "x"}},
        {"Margin",
         {"A `LengthOrPercent` (same rules and units). A new margin is auto, but `auto` is not "
          "accepted. Written back as the measure, or the empty text while auto."},
         {P::LengthUnits},
         {},
         {"-1.5mm", "10%", "auto"}},
        {"ColumnWidth",
         {"A `LengthOrPercent`, or a function with the measure in its first parentheses, "
          "whatever name stands before them: `proportional-column-width(2)` is the ratio 2. A "
          "new width is auto. Written back as the measure, or the empty text while auto."},
         {P::LengthUnits},
         {},
         {"proportional-column-width(2)", "3cm", "f()", "auto"}},
        {"TableWidth",
         {"Read like `ColumnWidth`; no text form."},
         {P::LengthUnits},
         {},
         {"30%", "proportional-column-width(1)", "auto"}},
        {"LeaderPatternWidth",
         {"A `LengthOrPercent`, or `use-font-metrics` (exact case), which is accepted and changes "
          "nothing: it is what a new value (auto) stands for. Written back as the measure, or the "
          "empty text while auto."},
         {P::LengthUnits},
         {},
         {"8pt", "use-font-metrics", "USE-FONT-METRICS"}},
        {"LengthOrPercentAuto",
         {"`auto` in any letter case, which keeps the measure held before, or a "
          "`LengthOrPercent`. Written back as `auto` or the measure."},
         {P::LengthUnits},
         {},
         {"AUTO", "25%", "12pt", "automatic"}},
        {"FloatOrPercent",
         {"A plain ratio, always accepted: a text ending in `%` gives the number before it "
          "divided by 100, any other text the number at its start (0 where there is none). A "
          "new value holds 1. No text form."},
         {},
         {},
         {"0.75", "150%", "abc"}},
        {"SNullableLength",
         {"An `SLength` that records whether it was ever read: it starts null and an accepted "
          "text clears the flag. The same texts as `SLength`; no text form."},
         {P::SvgUnits},
         {},
         {"5mm", "5x"}},
        {"DLength",
         {"Two lengths, such as a horizontal and a vertical spacing: one length (as `Length` "
          "reads it) for both, or two separated by exactly one white-space character (blank, "
          "tab, line feed, carriage return, form feed, vertical tab or no-break space). More "
          "separators are rejected; a bad second length rejects the text but the first one is "
          "already replaced. Written back as the two lengths joined by a blank."},
         {P::LengthUnits},
         {},
         {"12pt", "12pt\t3mm", "1pt  2pt", "1pt 2"}},
        {"Vector<SLength>",
         {"An SVG dash list: `none` or the empty text for no dashes, else SVG lengths separated "
          "by commas (empty entries are skipped; blanks before a comma belong to the entry). "
          "One bad entry rejects the whole text and keeps the list held before. No text form."},
         {P::SvgUnits},
         {},
         {"1, 2,,3", "none", "1,5x"}},
        {"FontSize",
         {"A font size: an absolute keyword (below), stored as the point size it stands for; a "
          "relative keyword (below); or a `LengthOrPercent`. Keywords are exact case. Written "
          "back as the measure or the relative keyword."},
         {P::LengthUnits},
         {kAbsoluteFontSize, kRelativeFontSize},
         {"xx-small", "x-small", "small", "medium", "large", "x-large", "xx-large", "larger",
          "Medium", "50%", "12pt"}},
        {"Indent",
         {"A `LengthOrPercent`, or one of the list functions below (exact case, with their "
          "parentheses). A new indent holds neither and writes the empty text. Written back as "
          "the measure or the function."},
         {P::LengthUnits},
         {kIndentFunction},
         {"body-start()", "body-start( )", "2em"}},
        {"BaselineShift",
         {"A keyword below or a `LengthOrPercent`. Written back as the keyword or the measure."},
         {P::LengthUnits},
         {kBaselineShiftMode},
         {"super", "Super", "3pt", "-20%"}},
        {"SBaselineShift",
         {"The keywords of `BaselineShift` with an SVG measure (`SLengthOrPercent`); no text "
          "form."},
         {P::SvgUnits},
         {kBaselineShiftMode},
         {"sub", "2px", "x"}},
        {"AlignmentAdjust",
         {"A keyword of `AlignmentBaseline` (below, with its own matching rule) or a "
          "`LengthOrPercent`. Written back as the keyword or the measure."},
         {P::LengthUnits},
         {kAlignmentBaseline},
         {"middle", "12pt", "Middle"}},
        {"ContentLength",
         {"A keyword below or a `LengthOrPercent`. A rejected text marks the value null and "
          "keeps its mode and measure; an accepted one clears the flag. Written back as the "
          "keyword or the measure."},
         {P::LengthUnits},
         {kContentScaleMode},
         {"scale-to-fit", "75%", "wide"}},
        {"LetterSpacing",
         {"`normal` in any letter case, or a `Length`. Written back as `normal` or the length."},
         {P::LengthUnits},
         {},
         {"Normal", "0.5pt", "5%"}},
        {"SSpacing",
         {"The keyword below (exact case) or an `SLength`; no text form."},
         {P::SvgUnits},
         {kSpacingType},
         {"normal", "2px", "Normal"}},
        {"PageDimension",
         {"A keyword below (exact case) or a `Length`; no text form."},
         {P::LengthUnits},
         {kPageDimensionType},
         {"indefinite", "210mm", "AUTO"}},
        {"BorderWidth",
         {"A `Length`, or a keyword below (exact case), which reads as the point size the "
          "examples show. A width equal to one of those sizes is written back as its keyword, "
          "whatever text it came from; others as the length. A new width is 1.5pt."},
         {P::LengthUnits},
         {kBorderWidthKeyword},
         {"thin", "medium", "thick", "3pt", "3px", "thick "}},
        {"InitialPageNumber",
         {"A keyword below (exact case); any other text is accepted as a number: the integer at "
          "its start (0 where there is none), at least 1. No text form."},
         {},
         {kInitialPageNumberType},
         {"auto-odd", "7", "-5", "x"}},
        {"InitialSheetNumber",
         {"The keyword below (exact case); any other text is accepted as a number: the integer "
          "at its start (0 where there is none), at least 1. No text form."},
         {},
         {kInitialSheetNumberType},
         {"auto", "7", "0"}},
        {"BackgroundPosition",
         {backgroundPosition},
         {P::LengthUnits},
         {},
         {"left", "top", "center", "right", "bottom", "50%", "25%", "Left"}},
        {"BackgroundSize",
         {"A keyword below (exact case) or a `LengthOrPercent`. Written back as the keyword or "
          "the measure."},
         {P::LengthUnits},
         {kBackgroundSizeType},
         {"fill", "contain", "2.5cm", "Cover"}},

        // Language
        {"Language",
         {"A language tag, looked up whole in the table below ignoring the case of ASCII "
          "letters; nothing is trimmed or split. A tag gives its language and country "
          "identifiers; any other text is rejected and keeps the value. No text form."},
         {P::LanguageTags},
         {},
         {"en", "EN-us", "fr-ca", " en"}},

        // Chart values
        {"Value",
         {"A chart data value: a date `M/D/YYYY` when the text is a real calendar date, else a "
          "number (a whole-text float), else the text itself. Either way the whole text is kept "
          "as the value's string and the ordinal becomes -1. Only the empty text is rejected. "
          "No text form."},
         {},
         {},
         {"2.5", "3/7/2026", "2/29/2023", "abc", ""}},
        {"AxisUnits",
         {"The unit of a chart axis: `auto`, `days`, `months` or `years` (exact case), or a "
          "number other than zero (a whole-text float). Anything else is rejected and keeps the "
          "value. No text form."},
         {},
         {},
         {"days", "-2", "Days", "0"}},

        // SVG graphics
        {"STextDecoration",
         {"SVG text-decoration flags. A text containing `none` anywhere clears every flag. "
          "Otherwise it is a comma-separated list of `underline`, `overline` and "
          "`line-through`, each compared exactly after its leading blanks (blanks before a "
          "comma stay in the item, which is then unknown). The empty text or any other item is "
          "rejected and keeps the value. No text form."},
         {},
         {},
         {"underline,line-through", " overline, underline", "underline ,overline",
          "underline, none", ""}},

        // Geometry
        {"Vector<Transform>",
         {"An SVG transform list. Items run from the next non-blank character to the next `)`; "
          "an item without its `)` is dropped. An item is `matrix(a b c d e f)`, "
          "`translate(tx [ty])`, `scale(sx [sy])`, `rotate(angle [cx cy])`, `skewX(angle)` or "
          "`skewY(angle)`, names exact case, arguments ended by a comma or one white-space "
          "character; translations and rotation centres are SVG lengths. An item that is no "
          "transform reads as a translation by zero. The list is appended to, not replaced, "
          "and parsing always succeeds. No text form."},
         {},
         {},
         {"translate(10,20) scale(2)", "rotate(45 5 5)", "scale(2", "skew(3)"}},
        {"Vector<PathDataCommand>",
         {"SVG path data, scanned into one command per command letter (no implicit "
          "repetition): `M` x y, `Z`, `L` x y, `H` x, `V` y, `C` x1 y1 x2 y2 x y, `S` x2 y2 x y, "
          "`Q` x1 y1 x y, `T` x y, `A` rx ry angle large-arc sweep x y; the lower-case letters "
          "mark relative coordinates. Coordinates are SVG lengths, kept as written. Parsing "
          "replaces the list and always succeeds. No text form."},
         {P::SvgUnits},
         {},
         {"M 10 20 L 30 40 z", "m10,20l5-5", "M 2mm 3cm", "x"}},
        {"Vector<Point>",
         {"The points of a polyline or polygon: pairs of SVG lengths separated by white space, "
          "commas, or a `-` that starts the next number. A lone last coordinate is dropped. A "
          "coordinate that is no SVG length rejects the text and keeps the list. Written back "
          "as `x y,x y,...` in pixels; a point in ex units has no pixel size, so writing it "
          "raises."},
         {P::SvgUnits},
         {},
         {"10,20 30,40", "10,20-30,40", "1in 72pt 5", "10 x", "1ex 2"}},
        {"ViewBox",
         {"Four white-space separated words, read as x, y, width and height "
          "(`SLengthOrPercent` each); text after them is not looked at, and commas do not "
          "separate. The value is replaced only when all four read. A new view box is 0% 0% "
          "100% 100%. No text form."},
         {P::SvgUnits},
         {},
         {"0 0 100 50", "0,0,100,50", "0 0 100"}},
        {"SPreserveAspectRatio",
         {"An alignment word, `none` or `xMinYMin` to `xMaxYMax` (exact case; any other word "
          "means `xMidYMid`), then an optional `meet` or `slice` (nothing means meet; any other "
          "word adds neither). Never rejected. A new value is `xMidYMid meet`. No text form."},
         {},
         {},
         {"xMinYMax slice", "none", "bogus"}},
        {"RectF",
         {"`rect(` four comma-separated numbers `)`, exact case, each a whole-text float; the "
          "rectangle is replaced only when all four read. No text form."},
         {},
         {},
         {"rect(1,2,3,4)", "rect(1, 2, 3, 4)", "RECT(1,2,3,4)", "rect(1,2,3)"}},
    };
}

}  // namespace

const std::vector<TypeNotes>& allNotes() {
    static const std::vector<TypeNotes> notes = makeNotes();
    return notes;
}

const TypeNotes* findNotes(std::string_view name) {
    const std::vector<TypeNotes>& notes = allNotes();
    const auto found = std::find_if(notes.begin(), notes.end(),
                                    [&](const TypeNotes& n) { return n.name == name; });
    return found == notes.end() ? nullptr : &*found;
}

}  // namespace xmlattr_tool
