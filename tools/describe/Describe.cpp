// Building descriptions: keyword tables from Xml::KeywordsOf<E>::table, unit
// tables by probing the length parsers, colour names and language tags from
// the library's tables, and examples run through the registered type.
#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "css/colours/NamedColors.h"
#include "css/language/Language.h"
#include "css/lengths/Length.h"
#include "platform/Exception.h"
#include "platform/StringFormatStream.h"
#include "tools/describe/Description.h"
#include "tools/describe/TypeNotes.h"
#include "tools/registry/Output.h"
#include "tools/registry/Text.h"

namespace xmlattr_tool {

namespace {

Cell literal(std::string text) {
    return {std::move(text), true};
}
Cell plain(std::string text) {
    return {std::move(text), false};
}

std::string number(float value) {
    return Core::formatNumber(value).toUtf8();
}

std::string code(std::string_view text) {
    return "`" + std::string(text) + "`";
}

// --- Keyword tables ---------------------------------------------------------

std::string utf8(std::wstring_view text) {
    return Core::String(text).toUtf8();
}

// The name row of value, or null.
const Xml::KeywordRow* nameRow(const KeywordTableView& table, std::int32_t value) {
    for (const Xml::KeywordRow& row : table.rows) {
        if (row.names() && row.value == value)
            return &row;
    }
    return nullptr;
}

// "value 1 (`bold`)", or "value 1" where the table names none.
std::string valueText(const KeywordTableView& table, std::int32_t value) {
    std::string text = "value " + std::to_string(value);
    if (const Xml::KeywordRow* row = nameRow(table, value))
        text += " (" + code(utf8(row->text)) + ")";
    return text;
}

// What getValueAsString writes for value, as a table cell.
Cell writtenCell(const KeywordTableView& table, std::int32_t value) {
    try {
        const std::string text = table.format(value).toUtf8();
        return text.empty() ? plain("(empty)") : literal(text);
    } catch (const Core::Exception& error) {
        return plain("raises at " + std::string(error.getFile()) + ':' +
                     std::to_string(error.getLine()));
    }
}

std::string matchSentence(Xml::KeywordMatch match) {
    switch (match) {
        case Xml::KeywordMatch::Exact:
            return "The whole text must equal a keyword exactly: letter case counts and blanks "
                   "around the text are not trimmed.";
        case Xml::KeywordMatch::CaseInsensitive:
            return "The whole text must equal a keyword, ignoring the case of ASCII letters; "
                   "blanks around the text are not trimmed.";
        case Xml::KeywordMatch::LowerCased:
            return "The text, its ASCII letters lower-cased, must equal a keyword (all are lower "
                   "case), so letter case does not matter; blanks around the text are not "
                   "trimmed.";
    }
    return {};
}

std::string noMatchSentence(const KeywordTableView& table) {
    const Xml::NoMatchRule& rule = table.rules->noMatch;
    switch (rule.kind) {
        case Xml::NoMatch::Reject:
            return "Any other text is rejected and the attribute keeps its value.";
        case Xml::NoMatch::IntegerThreshold:
            return "Any other text that reads as a whole integer is accepted: above " +
                   std::to_string(rule.limit) + " it gives " + valueText(table, rule.value) +
                   ", otherwise " + valueText(table, rule.otherwise) +
                   ". A text that is no integer is rejected and the attribute keeps its value.";
        case Xml::NoMatch::ClampedCount:
            return "Any other text is accepted: the integer at its start (0 where there is none), "
                   "raised to at least " +
                   std::to_string(rule.limit) + ", is stored as the value itself.";
        case Xml::NoMatch::Accept:
            return "Any other text is accepted and changes nothing: the attribute keeps its "
                   "value.";
        case Xml::NoMatch::StoreAndReject:
            return "Any other text is rejected and stores " + valueText(table, rule.value) + ".";
    }
    return {};
}

std::string formatSentence(const KeywordTableView& table) {
    const Xml::KeywordRules& rules = *table.rules;
    const std::string named = "`getValueAsString` writes the value's name (the last column); ";
    switch (rules.format) {
        case Xml::KeywordFormat::Keyword:
            return named + "a value without a name writes the empty text.";
        case Xml::KeywordFormat::Fallback:
            return named + "a value without a name writes " + code(utf8(rules.fallback)) + ".";
        case Xml::KeywordFormat::Strict:
            // The location's line is where the table stands in its header, so
            // only its name is given: it names the place the engine reports.
            return named +
                   "a value without a name is a programming error: writing it raises "
                   "`Core::UnreacheableCodeException`, reported at " +
                   rules.raiseAt.file + ".";
        case Xml::KeywordFormat::None:
            return "`getValueAsString` writes the empty text for every value.";
    }
    return {};
}

// The rows of a keyword table; written is false where the table only reads a
// mode of a larger value, which is written by rules of its own.
Table keywordRows(const KeywordTableView& table, std::string title, bool written = true) {
    Table out;
    out.title = std::move(title);
    if (std::any_of(table.rows.begin(), table.rows.end(),
                    [](const Xml::KeywordRow& row) { return row.isInteger(); })) {
        out.intro = "Integer rows are tried after every keyword.";
    }
    out.columns = {"Text", "Row", "Value"};
    if (written)
        out.columns.push_back("Written back as");
    for (const Xml::KeywordRow& row : table.rows) {
        std::vector<Cell> cells;
        if (row.isInteger()) {
            cells = {literal(std::to_string(row.number)), plain("integer")};
        } else {
            const char* kind = row.parses() && row.names() ? "keyword"
                               : row.parses()              ? "alias (read only)"
                                                           : "name only (not read)";
            cells = {literal(utf8(row.text)), plain(kind)};
        }
        cells.push_back(plain(std::to_string(row.value)));
        if (written)
            cells.push_back(writtenCell(table, row.value));
        out.rows.push_back(std::move(cells));
    }
    return out;
}

void describeKeywords(const KeywordTableView& table, Description& out) {
    const Xml::KeywordRules& rules = *table.rules;
    out.paragraphs.push_back(
        "A keyword enumeration: the value is a number, read from the keywords "
        "below. " +
        matchSentence(rules.match));
    if (std::any_of(table.rows.begin(), table.rows.end(),
                    [](const Xml::KeywordRow& row) { return row.isInteger(); })) {
        out.paragraphs.push_back(
            "After the keywords, a text that reads as a whole integer (blanks around it and one "
            "trailing `%` allowed) gives the value of its integer row.");
    }
    out.paragraphs.push_back(noMatchSentence(table));
    out.paragraphs.push_back(formatSentence(table) + " A new attribute holds " +
                             valueText(table, 0) + ".");
    out.tables.push_back(keywordRows(table, "Keywords"));
}

// Texts that show the matching and no-match rules at work.
std::vector<std::string> keywordExamples(const KeywordTableView& table) {
    std::vector<std::string> texts;
    const auto first = std::find_if(table.rows.begin(), table.rows.end(),
                                    [](const Xml::KeywordRow& row) { return row.parses(); });
    if (first != table.rows.end()) {
        std::string upper = utf8(first->text);
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (upper != utf8(first->text))
            texts.push_back(upper);
        texts.push_back(" " + utf8(first->text));
    }
    const Xml::NoMatchRule& rule = table.rules->noMatch;
    if (rule.kind == Xml::NoMatch::IntegerThreshold) {
        texts.push_back(std::to_string(rule.limit));
        texts.push_back(std::to_string(rule.limit + 1));
    } else if (rule.kind == Xml::NoMatch::ClampedCount) {
        texts.push_back(std::to_string(rule.limit - 1));
    }
    texts.push_back("no-such-keyword");
    return texts;
}

// --- Units ------------------------------------------------------------------

// Every two-letter ASCII suffix, in order.
std::vector<std::wstring> suffixes() {
    std::wstring letters;
    for (wchar_t c = L'a'; c <= L'z'; ++c)
        letters += c;
    for (wchar_t c = L'A'; c <= L'Z'; ++c)
        letters += c;
    std::vector<std::wstring> out;
    for (wchar_t a : letters) {
        for (wchar_t b : letters)
            out.push_back(std::wstring{a, b});
    }
    return out;
}

template <class L>
std::string pixelsPerUnit(const L& one) {
    try {
        return number(one.pxSize());
    } catch (const Core::Exception&) {
        return "no fixed size (converting raises)";
    }
}

// The suffixes Length's parser accepts, found by asking it about every
// two-letter suffix, with the unit each gives and its size in pixels.
Table lengthUnits() {
    Table out;
    out.title = "Units";
    out.intro =
        "The suffixes `Length` reads (exact case), found by trying every two-letter "
        "suffix on its parser:";
    out.columns = {"Suffix", "Unit", "Pixels per unit"};
    std::vector<std::pair<int, std::wstring>> found;
    for (const std::wstring& suffix : suffixes()) {
        Xml::Length length;
        if (Xml::Length::parseLength(length, Core::String((L"1" + suffix).c_str())))
            found.emplace_back(length.getUnit(), suffix);
    }
    std::sort(found.begin(), found.end());
    for (const auto& [unit, suffix] : found) {
        const Xml::Length one(1, static_cast<Xml::Length::Unit>(unit));
        out.rows.push_back(
            {literal(utf8(suffix)), plain(std::to_string(unit)), plain(pixelsPerUnit(one))});
    }
    return out;
}

Table svgUnits() {
    Table out;
    out.title = "SVG units";
    out.intro =
        "The suffixes `SLength` gives a unit of its own, found by trying every two-letter "
        "suffix and `%` on its parser; every other two-letter suffix reads as px:";
    out.columns = {"Suffix", "Unit", "Pixels per unit"};
    std::vector<std::pair<int, std::wstring>> found;
    for (const std::wstring& suffix : suffixes()) {
        Xml::SLength length;
        if (Xml::SLength::parseSLength(length, Core::String((L"1" + suffix).c_str())) &&
            (length.getUnit() != Xml::SLength::Px || suffix == L"px")) {
            found.emplace_back(length.getUnit(), suffix);
        }
    }
    Xml::SLength percent;
    if (Xml::SLength::parseSLength(percent, L"1%"))
        found.emplace_back(percent.getUnit(), L"%");
    std::sort(found.begin(), found.end());
    for (const auto& [unit, suffix] : found) {
        const Xml::SLength one(1, static_cast<Xml::SLength::Unit>(unit));
        out.rows.push_back({literal(utf8(suffix)), plain(std::to_string(unit)),
                            plain(unit == Xml::SLength::Percent ? "the fraction (1% holds 0.01)"
                                                                : pixelsPerUnit(one))});
    }
    return out;
}

// --- Colours ----------------------------------------------------------------

// The colour text forms. ColorParse dispatches on them in code, so they are
// listed here; each example is run through the colour attribute.
struct ColourForm {
    const char* form;
    const char* meaning;
    const char* example;
};

constexpr ColourForm kColourForms[] = {
    {"#rgb", "three hexadecimal digits, each doubled (#f80 is #ff8800)", "#f80"},
    {"#rrggbb", "six hexadecimal digits, either case", "#FF8800"},
    {"rgb(r,g,b)", "three integers, each kept to its low 8 bits (256 is 0, -1 is 255)",
     "rgb(300,0,-1)"},
    {"cmyk(c,m,y,k)", "four numbers; one ending in % gives its fraction", "cmyk(0,50%,0.25,1)"},
    {"rgb-icc(r,g,b,#profile,c1[,c2,c3[,c4]])",
     "an ICC colour: the fallback RGB (a % scales to 0..255), the profile name after #, then 1, "
     "3 or 4 components",
     "rgb-icc(255,0,0,#Coated,0.5)"},
    {"spot-color(name[,tint][,rgb(...)|cmyk(...)])",
     "a named spot colour with an optional tint (1 by default) and substitute colour; without "
     "one a known substitute is looked up, else black is used with a warning",
     "spot-color(Gold,0.5,rgb(255,215,0))"},
    {"name", "one of the colour names below, exact case; transparent and none mean no colour",
     "cornflowerblue"},
};

Table colourForms() {
    Table out;
    out.title = "Colour forms";
    out.intro =
        "The first characters pick the form, exact case: `rgb-icc`, `spot-color`, `rgb`, "
        "`cmyk`, `#`; any other text must be a colour name.";
    out.columns = {"Form", "Meaning", "Example", "Written back as"};
    const TypeEntry* colour = findType("Color");
    for (const ColourForm& form : kColourForms) {
        const Report report = colour->run(Core::String::fromUtf8(form.example), false);
        out.rows.push_back({literal(form.form), plain(form.meaning), literal(form.example),
                            report.accepted ? literal(writtenBack(report)) : plain("(rejected)")});
    }
    return out;
}

Table colourNames() {
    Table out;
    out.title = "Colour names";
    out.intro = "Exact case, the whole text:";
    out.columns = {"Name", "Colour"};
    for (const Xml::NamedColors::Entry& entry : Xml::NamedColors::kTable) {
        out.rows.push_back(
            {literal(utf8(entry.name)),
             entry.hasColor ? literal("rgb(" + std::to_string(entry.r) + "," +
                                      std::to_string(entry.g) + "," + std::to_string(entry.b) + ")")
                            : plain("no colour")});
    }
    return out;
}

// --- Language tags ----------------------------------------------------------

Table languageTags() {
    Table out;
    out.title = "Language tags";
    out.intro = "In table order; any letter case matches:";
    out.columns = {"Tag", "Language id", "Country id", "Language"};
    for (const Xml::Language::Tag& tag : Xml::Language::tags()) {
        out.rows.push_back({literal(utf8(tag.tag)), plain(std::to_string(tag.language)),
                            plain(std::to_string(tag.country)),
                            plain(Xml::Language::getFullLanguageNameById(tag.language).toUtf8())});
    }
    return out;
}

// --- Examples ---------------------------------------------------------------

// The held value's fields on one line.
std::string heldFields(const Report& report) {
    std::string text;
    for (const Field& field : report.fields) {
        text += (text.empty() ? "" : ", ") + field.name + ": " +
                (field.text ? quoted(field.value) : field.value);
    }
    return text;
}

Table examples(const TypeEntry& type, const std::vector<std::string>& texts) {
    Table out;
    out.title = "Examples";
    out.intro = "What a new attribute makes of these texts:";
    out.columns = {"Text", "Result", "Written back as", "Holds"};
    for (const std::string& text : texts) {
        const Report report = type.run(Core::String::fromUtf8(text));
        out.rows.push_back({literal(quoted(text)), plain(report.accepted ? "accepted" : "rejected"),
                            report.raisedFile != nullptr
                                ? plain("raises at " + std::string(report.raisedFile) + ':' +
                                        std::to_string(report.raisedLine))
                                : literal(quoted(report.text)),
                            plain(heldFields(report))});
    }
    return out;
}

}  // namespace

Description describe(const TypeEntry& type) {
    // Strict keyword tables and ex lengths log before they raise; the
    // description says so itself.
    Core::Log::Capture quiet;
    Description out;
    out.type = &type;
    std::vector<std::string> exampleTexts;
    if (type.keywords != nullptr) {
        const KeywordTableView table = type.keywords();
        describeKeywords(table, out);
        exampleTexts = keywordExamples(table);
    }
    if (const TypeNotes* notes = findNotes(type.name)) {
        for (std::string_view paragraph : notes->paragraphs)
            out.paragraphs.emplace_back(paragraph);
        for (const KeywordPart& part : notes->keywords) {
            const KeywordTableView table = part.table();
            Table rows = keywordRows(table, std::string(part.title), false);
            rows.intro = matchSentence(table.rules->match);
            out.tables.push_back(std::move(rows));
        }
        for (const Part part : notes->parts) {
            switch (part) {
                case Part::LengthUnits:
                    out.tables.push_back(lengthUnits());
                    break;
                case Part::SvgUnits:
                    out.tables.push_back(svgUnits());
                    break;
                case Part::ColourForms:
                    out.tables.push_back(colourForms());
                    break;
                case Part::ColourNames:
                    out.tables.push_back(colourNames());
                    break;
                case Part::LanguageTags:
                    out.tables.push_back(languageTags());
                    break;
            }
        }
        for (std::string_view text : notes->examples)
            exampleTexts.emplace_back(text);
    }
    if (out.paragraphs.empty())
        out.paragraphs.push_back(
            "(No description: add notes for this type to tools/TypeNotes.cpp.)");
    if (!exampleTexts.empty())
        out.tables.push_back(examples(type, exampleTexts));
    return out;
}

namespace {

// The keywords of table that name their values (and the aliases of values
// that no keyword names), each once; the other texts it reads go to aliases.
void keywordsTaken(const KeywordTableView& table, ForAuthor& out) {
    std::map<std::int32_t, std::string> named;
    for (const Xml::KeywordRow& row : table.rows) {
        if (row.parses() && row.names())
            named.emplace(row.value, utf8(row.text));
    }
    const auto known = [&](const std::string& text) {
        return std::find(out.keywords.begin(), out.keywords.end(), text) != out.keywords.end() ||
               std::any_of(out.aliases.begin(), out.aliases.end(),
                           [&](const ForAuthor::Alias& alias) { return alias.text == text; });
    };
    for (const Xml::KeywordRow& row : table.rows) {
        if (!row.parses() || row.isInteger())
            continue;
        std::string text = utf8(row.text);
        if (known(text))
            continue;
        const auto name = named.find(row.value);
        if (row.names() || name == named.end())
            out.keywords.push_back(std::move(text));
        else
            out.aliases.push_back({std::move(text), name->second});
    }
}

}  // namespace

ForAuthor forAuthor(const TypeEntry& type) {
    Core::Log::Capture quiet;
    ForAuthor out;
    if (type.keywords != nullptr)
        keywordsTaken(type.keywords(), out);
    const TypeNotes* notes = findNotes(type.name);
    if (notes == nullptr)
        return out;
    for (const KeywordPart& part : notes->keywords)
        keywordsTaken(part.table(), out);
    for (const Part part : notes->parts) {
        if (part != Part::LengthUnits && part != Part::SvgUnits)
            continue;
        const Table units = part == Part::LengthUnits ? lengthUnits() : svgUnits();
        // The pixels column holds a number, or why there is none.
        for (const std::vector<Cell>& row : units.rows) {
            const std::string& pixels = row[2].text;
            const bool number =
                !pixels.empty() && std::isdigit(static_cast<unsigned char>(pixels[0]));
            out.units.push_back({row[0].text, number ? pixels + "px" : pixels});
        }
    }
    return out;
}

}  // namespace xmlattr_tool
