#include "tools/LintRules.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "platform/StringFormatStream.h"
#include "tools/Output.h"

namespace xmlattr_tool {

namespace {

// How a type's texts are judged. Keyword tables and the other types whose
// texts are single words or opaque are only checked for rejection.
enum class Shape : std::uint8_t { Plain, Measure, LengthList, Colour, Path, Points, Transforms };

struct ShapeRow {
    std::string_view type;
    Shape shape;
};

// Types judged by their own rule; the other length types are measures.
constexpr ShapeRow kShapes[] = {
    {"Color", Shape::Colour},
    {"SColor", Shape::Colour},
    {"SNullableColor", Shape::Colour},
    {"Vector<SLength>", Shape::LengthList},
    {"Vector<PathDataCommand>", Shape::Path},
    {"Vector<Point>", Shape::Points},
    {"Vector<Transform>", Shape::Transforms},
    {"DLength", Shape::Plain},  // a pair of lengths, each read whole
};

Shape shapeOf(const TypeEntry& type) {
    for (const ShapeRow& row : kShapes) {
        if (row.type == type.name)
            return row.shape;
    }
    return type.family == Family::Lengths ? Shape::Measure : Shape::Plain;
}

constexpr std::string_view kKindNames[] = {
    "rejected",          "expression",   "blank-changed-unit", "unknown-unit",
    "not-a-number",      "rgb-percent",  "rgb-out-of-range",   "list-read-as-one",
    "implicit-commands", "number-split", "transform-default",  "reads-differently",
};
static_assert(std::size(kKindNames) == static_cast<std::size_t>(FindingKind::ReadsDifferently) + 1);

// ---- Reading the text ------------------------------------------------------

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string lower(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return out;
}

// A number as CSS and SVG write it: a sign, digits with an optional fraction,
// an optional exponent (an "e" followed by a digit, so "1em" is 1 and "em").
// Advances pos past it; no number leaves pos alone.
std::optional<double> readNumber(std::string_view text, std::size_t& pos) {
    std::size_t i = pos;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        ++i;
    const std::size_t digitsStart = i;
    while (i < text.size() && isDigit(text[i]))
        ++i;
    bool digits = i > digitsStart;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fraction = ++i;
        while (i < text.size() && isDigit(text[i]))
            ++i;
        digits = digits || i > fraction;
    }
    if (!digits)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-'))
            ++j;
        if (j < text.size() && isDigit(text[j])) {
            while (j < text.size() && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    std::size_t from = pos;
    if (text[from] == '+')
        ++from;
    double value = 0;
    std::from_chars(text.data() + from, text.data() + i, value);
    pos = i;
    return value;
}

bool knownUnit(std::string_view unit) {
    constexpr std::string_view kUnits[] = {"px", "pt", "pc", "cm", "mm", "in", "em", "ex", "%"};
    return std::find(std::begin(kUnits), std::end(kUnits), unit) != std::end(kUnits);
}

// Skips a unit written after a coordinate ("2mm"): path and point lists
// take SVG lengths.
void skipUnit(std::string_view text, std::size_t& pos) {
    if (pos < text.size() && text[pos] == '%') {
        ++pos;
        return;
    }
    if (pos + 2 <= text.size() && knownUnit(text.substr(pos, 2)) &&
        (pos + 2 == text.size() || !isLetter(text[pos + 2]))) {
        pos += 2;
    }
}

// One measure as written: a number and what follows it.
struct WrittenMeasure {
    bool blankAround = false;  // blanks before or after the text
    bool word = false;         // the whole text is one word ("auto", "medium")
    bool function = false;     // it opens with "name("
    std::string_view functionName;
    std::optional<double> argument;  // "name(number)": the number
    bool number = false;
    double value = 0;
    std::string unit;       // the letters or "%" after the number
    std::string_view rest;  // what follows the number and unit, trimmed
};

WrittenMeasure readMeasure(std::string_view text) {
    WrittenMeasure out;
    const std::string_view core = trim(text);
    out.blankAround = core.size() != text.size();
    std::size_t letters = 0;
    while (letters < core.size() && (isLetter(core[letters]) || core[letters] == '-'))
        ++letters;
    out.function = letters > 0 && letters < core.size() && core[letters] == '(';
    if (out.function) {
        out.functionName = core.substr(0, letters);
        std::size_t inside = letters + 1;
        const auto argument = readNumber(core, inside);
        if (argument && core.substr(inside) == ")")
            out.argument = argument;
    }
    out.word =
        letters > 0 && isLetter(core[0]) && std::all_of(core.begin(), core.end(), [](char c) {
            return isLetter(c) || isDigit(c) || c == '-' || c == '_';
        });
    std::size_t pos = 0;
    if (!core.empty() && core[0] == '(') {
        out.rest = core;  // an expression in parentheses
    } else if (const auto value = readNumber(core, pos)) {
        out.number = true;
        out.value = *value;
        std::size_t unitStart = pos;
        while (unitStart < core.size() && isBlank(core[unitStart]))
            ++unitStart;
        std::size_t unitEnd = unitStart;
        if (unitEnd < core.size() && core[unitEnd] == '%') {
            ++unitEnd;
        } else {
            while (unitEnd < core.size() && isLetter(core[unitEnd]))
                ++unitEnd;
        }
        if (unitEnd > unitStart) {
            out.unit = core.substr(unitStart, unitEnd - unitStart);
            pos = unitEnd;
        }
        out.rest = trim(core.substr(pos));
    }
    return out;
}

// Whether what follows a first number is arithmetic rather than more values.
bool isExpression(std::string_view rest) {
    if (rest.find_first_of("+*/()") != std::string_view::npos)
        return true;
    for (std::string_view op : {"div", "mod", "- "}) {
        const std::size_t at = rest.find(op);
        if (at != std::string_view::npos && (at == 0 || isBlank(rest[at - 1])))
            return true;
    }
    return false;
}

// The numbers of an SVG number list (blanks and commas between), stopping
// at the first thing that is not a number.
struct NumberList {
    std::vector<double> values;
    bool exponent = false;  // some number has an exponent
    bool complete = true;   // nothing but numbers and separators
};

NumberList readNumbers(std::string_view text) {
    NumberList out;
    std::size_t pos = 0;
    for (;;) {
        while (pos < text.size() && (isBlank(text[pos]) || text[pos] == ','))
            ++pos;
        if (pos == text.size())
            break;
        const std::size_t start = pos;
        const auto value = readNumber(text, pos);
        if (!value) {
            out.complete = false;
            break;
        }
        const std::string_view number = text.substr(start, pos - start);
        out.exponent = out.exponent || number.find_first_of("eE") != std::string_view::npos;
        out.values.push_back(*value);
        skipUnit(text, pos);
    }
    return out;
}

// A path as SVG reads it: every command with its numbers, a command letter
// followed by several groups of numbers counting once per group, and arc
// flags a single digit each.
struct WrittenPath {
    int commands = 0;
    bool implicit = false;  // a letter followed by more than one group
    bool exponent = false;
    bool compactFlags = false;  // an arc flag run into the next number
    std::vector<double> numbers;
};

int arity(char command) {
    switch (lower(std::string_view(&command, 1))[0]) {
        case 'm':
        case 'l':
        case 't':
            return 2;
        case 'h':
        case 'v':
            return 1;
        case 'c':
            return 6;
        case 's':
        case 'q':
            return 4;
        case 'a':
            return 7;
        case 'z':
            return 0;
        default:
            return -1;
    }
}

WrittenPath readPath(std::string_view text) {
    WrittenPath out;
    std::size_t pos = 0;
    const auto separators = [&] {
        while (pos < text.size() && (isBlank(text[pos]) || text[pos] == ','))
            ++pos;
    };
    for (separators(); pos < text.size(); separators()) {
        const char command = text[pos];
        const int count = arity(command);
        if (count < 0)
            break;  // not a command letter: the rest is the library's to judge
        ++pos;
        if (count == 0) {
            ++out.commands;
            continue;
        }
        const bool arc = count == 7;
        int groups = 0;
        for (;;) {
            std::vector<double> group;
            for (int k = 0; k < count; ++k) {
                separators();
                if (arc && (k == 3 || k == 4) && pos < text.size() &&
                    (text[pos] == '0' || text[pos] == '1')) {
                    group.push_back(text[pos] - '0');
                    ++pos;
                    if (pos < text.size() && (isDigit(text[pos]) || text[pos] == '.'))
                        out.compactFlags = true;
                    continue;
                }
                const std::size_t start = pos;
                const auto value = readNumber(text, pos);
                if (!value)
                    break;
                const std::string_view number = text.substr(start, pos - start);
                out.exponent = out.exponent || number.find_first_of("eE") != std::string_view::npos;
                group.push_back(*value);
                skipUnit(text, pos);
            }
            if (static_cast<int>(group.size()) < count)
                break;
            out.numbers.insert(out.numbers.end(), group.begin(), group.end());
            ++groups;
        }
        out.commands += std::max(groups, 1);
        out.implicit = out.implicit || groups > 1;
    }
    return out;
}

// The function names of a transform list, in order.
std::vector<std::string> readTransformNames(std::string_view text) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (!isLetter(text[pos])) {
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        while (pos < text.size() && isLetter(text[pos]))
            ++pos;
        std::size_t open = pos;
        while (open < text.size() && isBlank(text[open]))
            ++open;
        if (open < text.size() && text[open] == '(') {
            names.push_back(lower(text.substr(start, pos - start)));
            const std::size_t close = text.find(')', open);
            pos = close == std::string_view::npos ? text.size() : close + 1;
        }
    }
    return names;
}

// ---- Reading the held value (the registry's fields) -------------------------

std::optional<std::string_view> field(const Report& report, std::string_view name) {
    for (const Field& f : report.fields) {
        if (f.name == name)
            return std::string_view(f.value);
    }
    return std::nullopt;
}

std::string join(std::string_view a, std::string_view b) {
    std::string out(a);
    out += b;
    return out;
}

// The number a field value starts with ("12", "1 px (0)", "true").
double fieldNumber(std::string_view value) {
    if (value == "true")
        return 1;
    if (value == "false")
        return 0;
    double number = 0;
    std::size_t pos = 0;
    if (const auto read = readNumber(value, pos))
        number = *read;
    else if (value.starts_with("inf") || value.starts_with("-inf"))
        number = value[0] == '-' ? -HUGE_VAL : HUGE_VAL;
    return number;
}

// The first word of a field value: "pt" of "pt (1)", "MoveTo" of "MoveTo (2)".
std::string_view firstWord(std::string_view value) {
    return value.substr(0, value.find(' '));
}

struct HeldMeasure {
    double number;
    std::string unit;  // "px", "pt" ... or "%"
};

// The measure a value holds (prefix selects an item of a list): its
// percentage, or its length, whichever its kind says; none for a value held
// in a keyword form only.
std::optional<HeldMeasure> heldMeasure(const Report& report, std::string_view prefix = {}) {
    const auto kind = field(report, join(prefix, "kind"));
    if (kind && kind->starts_with('2')) {
        const auto percent = field(report, join(prefix, "percent"));
        return HeldMeasure{percent ? fieldNumber(*percent) * 100 : 0, "%"};
    }
    auto size = field(report, join(prefix, "length.size"));
    auto unit = field(report, join(prefix, "length.unit"));
    if (!size || !unit) {
        size = field(report, join(prefix, "size"));
        unit = field(report, join(prefix, "unit"));
    }
    if (!size || !unit)
        return std::nullopt;
    const std::string_view name = firstWord(*unit);
    if (name == "percent")
        return HeldMeasure{fieldNumber(*size) * 100, "%"};
    return HeldMeasure{fieldNumber(*size), std::string(name)};
}

int heldCount(const Report& report) {
    const auto count = field(report, "count");
    return count ? static_cast<int>(fieldNumber(*count)) : 0;
}

// Every number of a list's items in field order, type and relative flags
// aside (booleans count as 0 and 1).
std::vector<double> heldNumbers(const Report& report) {
    std::vector<double> numbers;
    for (const Field& f : report.fields) {
        if (!f.name.starts_with('[') || f.name.ends_with(".type") || f.name.ends_with(".relative"))
            continue;
        std::size_t pos = 0;
        const std::string_view value = f.value;
        if (value == "true" || value == "false") {
            numbers.push_back(value == "true");
            continue;
        }
        // "1 px (0)" is one number; "1 0 0 1 5 5" (a matrix) is six.
        while (const auto number = readNumber(value, pos)) {
            numbers.push_back(*number);
            while (pos < value.size() && value[pos] == ' ')
                ++pos;
        }
    }
    return numbers;
}

// ---- Showing the held value -------------------------------------------------

std::string number(double value) {
    return Core::formatNumber(static_cast<float>(value)).toUtf8();
}

std::string show(const HeldMeasure& measure) {
    return number(measure.number) + (measure.unit == "%" ? "%" : measure.unit);
}

// "x y z", cut to a readable length with the total of items.
std::string listShown(const std::vector<std::string>& items) {
    constexpr std::size_t kLimit = 60;
    std::string out;
    std::size_t shown = 0;
    for (const std::string& item : items) {
        if (!out.empty() && out.size() + item.size() > kLimit)
            break;
        if (!out.empty())
            out += ' ';
        out += item;
        ++shown;
    }
    if (shown < items.size())
        out += " ... (" + std::to_string(items.size()) + " in all)";
    return out.empty() ? "nothing" : out;
}

// Each item of a list as "name(numbers)" through show(name, numbers).
template <class Show>
std::vector<std::string> heldItems(const Report& report, Show show) {
    std::vector<std::string> items;
    const int count = heldCount(report);
    for (int i = 0; i < count; ++i) {
        const std::string prefix = "[" + std::to_string(i) + "].";
        Report item;
        for (const Field& f : report.fields) {
            if (f.name.starts_with(prefix)) {
                std::string name = "[0]." + f.name.substr(prefix.size());
                item.fields.push_back({std::move(name), f.value, f.text});
            }
        }
        const auto type = field(item, "[0].type");
        const auto relative = field(item, "[0].relative");
        items.push_back(show(type ? firstWord(*type) : std::string_view(),
                             relative && *relative == "true", heldNumbers(item)));
    }
    return items;
}

std::string numbersShown(const std::vector<double>& numbers, char separator) {
    std::string out;
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            out += separator;
        out += number(numbers[i]);
    }
    return out;
}

std::string pathShown(const Report& report) {
    constexpr std::pair<std::string_view, char> kLetters[] = {
        {"MoveTo", 'M'},
        {"LineTo", 'L'},
        {"HorizontalLineTo", 'H'},
        {"VerticalLineTo", 'V'},
        {"CurveTo", 'C'},
        {"SmoothCurveTo", 'S'},
        {"QuadraticCurveTo", 'Q'},
        {"SmoothQuadraticCurveTo", 'T'},
        {"Arc", 'A'},
        {"ClosePath", 'Z'},
    };
    return listShown(heldItems(
        report, [&](std::string_view type, bool relative, const std::vector<double>& numbers) {
            char letter = '?';
            for (const auto& [name, symbol] : kLetters) {
                if (name == type)
                    letter = symbol;
            }
            if (relative)
                letter = lower(std::string_view(&letter, 1))[0];
            std::string out(1, letter);
            out += numbersShown(numbers, ' ');
            return out;
        }));
}

std::string transformsShown(const Report& report) {
    return listShown(
        heldItems(report, [](std::string_view type, bool, const std::vector<double>& numbers) {
            std::string name = lower(type.substr(0, 1)) + std::string(type.substr(1));
            return name + "(" + numbersShown(numbers, ',') + ")";
        }));
}

std::string lengthListShown(const Report& report) {
    std::vector<std::string> items;
    for (int i = 0, count = heldCount(report); i < count; ++i) {
        const auto measure = heldMeasure(report, "[" + std::to_string(i) + "].");
        items.push_back(measure ? show(*measure) : "?");
    }
    return items.empty() ? "no dashes" : listShown(items);
}

std::string colourShown(const Report& report) {
    const auto r = field(report, "r");
    const auto g = field(report, "g");
    const auto b = field(report, "b");
    if (r && g && b)
        return "rgb(" + std::string(*r) + "," + std::string(*g) + "," + std::string(*b) + ")";
    const auto type = field(report, "type");
    return type ? lower(*type) : "no colour";
}

// How the held value reads: its written-back text where it has one.
std::string shown(Shape shape, const Report& report) {
    if (!report.text.empty())
        return report.text.toUtf8();
    switch (shape) {
        case Shape::Measure:
            if (const auto measure = heldMeasure(report))
                return show(*measure);
            return "its default";
        case Shape::LengthList:
            return lengthListShown(report);
        case Shape::Colour:
            return colourShown(report);
        case Shape::Path:
            return pathShown(report);
        case Shape::Points:
            return numbersShown(heldNumbers(report), ' ');
        case Shape::Transforms:
            return transformsShown(report);
        case Shape::Plain:
            break;
    }
    return "its default";
}

// ---- The rules --------------------------------------------------------------

Verdict finding(FindingKind kind, std::string reason) {
    return Verdict{kind, {}, std::move(reason)};
}

bool sameNumber(double a, double b) {
    return std::fabs(a - b) <= 1e-5 * std::max(1.0, std::fabs(a));
}

// Whether a measure written as number and unit holds that number in that
// unit: a bare number is pixels, or a ratio where the type holds percentages
// (line-height="1.2" is 120%), and zero is zero in any unit.
bool matches(const WrittenMeasure& written, const HeldMeasure& held) {
    if (written.unit.empty() && held.unit == "%")
        return sameNumber(written.value * 100, held.number);
    if (!sameNumber(written.value, held.number))
        return false;
    if (written.value == 0 || written.unit == held.unit)
        return true;
    return written.unit.empty() && held.unit == "px";
}

// A word read as a number reads like any other word the type does not know.
bool readsLikeNonsense(const TypeEntry& type, const Report& report) {
    const Report nonsense = type.run(Core::String::fromUtf8("qqqq"));
    if (nonsense.accepted != report.accepted || nonsense.fields.size() != report.fields.size())
        return false;
    for (std::size_t i = 0; i < report.fields.size(); ++i) {
        if (nonsense.fields[i].value != report.fields[i].value)
            return false;
    }
    return true;
}

std::optional<Verdict> judgeMeasure(const WrittenMeasure& written,
                                    const std::optional<HeldMeasure>& held) {
    // Column widths read the proportion of proportional-column-width(N) as
    // the ratio N, which is what the function means to the engine.
    if (written.functionName == "proportional-column-width" && written.argument && held &&
        held->unit == "%" && sameNumber(*written.argument * 100, held->number)) {
        return std::nullopt;
    }
    if (written.function)
        return finding(FindingKind::Expression,
                       "a function is not evaluated: only its first number is read");
    if (!written.rest.empty() && isExpression(written.rest))
        return finding(FindingKind::Expression,
                       "an expression is not computed: only its first number is read");
    if (!written.rest.empty())
        return finding(FindingKind::ListReadAsOne, "only the first of several values is read");
    if (!written.number || !held || matches(written, *held))
        return std::nullopt;
    if (written.blankAround)
        return finding(FindingKind::BlankChangedUnit,
                       "a blank before or after the value changes the unit it is read in");
    if (!written.unit.empty() && !knownUnit(written.unit))
        return finding(FindingKind::UnknownUnit,
                       "unknown unit '" + written.unit + "' is read as " + held->unit);
    return finding(FindingKind::ReadsDifferently, "the measure read is not the one written");
}

std::optional<Verdict> judgeLengthList(std::string_view text, const Report& report) {
    std::vector<std::string_view> items;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find_first_of(", \t\n\r", pos);
        const std::string_view item = text.substr(pos, end - pos);
        if (!item.empty())
            items.push_back(item);
        pos = end == std::string_view::npos ? text.size() : end + 1;
    }
    const int count = heldCount(report);
    if (count == 0)
        return std::nullopt;  // "none" or the empty text
    if (static_cast<std::size_t>(count) < items.size()) {
        if (text.find(',') == std::string_view::npos)
            return finding(FindingKind::ListReadAsOne,
                           "a list separated by blanks is read as one item: separate items "
                           "with commas");
        return finding(FindingKind::ReadsDifferently, "fewer items are read than are written");
    }
    for (int i = 0; i < count && static_cast<std::size_t>(i) < items.size(); ++i) {
        const auto held = heldMeasure(report, "[" + std::to_string(i) + "].");
        if (auto verdict = judgeMeasure(readMeasure(items[i]), held))
            return verdict;
    }
    return std::nullopt;
}

std::optional<Verdict> judgeColour(std::string_view text) {
    const std::string written = lower(trim(text));
    if (!written.starts_with("rgb("))
        return std::nullopt;
    std::string_view inside = std::string_view(written).substr(4);
    inside = inside.substr(0, inside.find(')'));
    if (inside.find('%') != std::string_view::npos)
        return finding(FindingKind::RgbPercent,
                       "percentages inside rgb() are read as numbers from 0 to 255");
    for (std::size_t pos = 0; pos <= inside.size();) {
        const std::size_t end = std::min(inside.find(',', pos), inside.size());
        const std::string_view component = trim(inside.substr(pos, end - pos));
        std::size_t at = 0;
        if (const auto value = readNumber(component, at); value && (*value < 0 || *value > 255))
            return finding(
                FindingKind::RgbOutOfRange,
                "rgb() components run from 0 to 255; " + std::string(component) + " wraps around");
        pos = end + 1;
    }
    return std::nullopt;
}

std::optional<Verdict> judgePath(std::string_view text, const Report& report) {
    const WrittenPath written = readPath(text);
    const int count = heldCount(report);
    if (count < written.commands && written.implicit)
        return finding(FindingKind::ImplicitCommands,
                       "commands repeated without their letter are dropped: " +
                           std::to_string(written.commands) + " commands written, " +
                           std::to_string(count) + " read");
    const std::vector<double> held = heldNumbers(report);
    const bool same = held.size() == written.numbers.size() &&
                      std::equal(held.begin(), held.end(), written.numbers.begin(), sameNumber);
    if (same)
        return std::nullopt;
    if (written.compactFlags)
        return finding(FindingKind::NumberSplit,
                       "arc flags written without a separator are read as one number");
    if (written.exponent)
        return finding(FindingKind::NumberSplit,
                       "the path grammar splits a number with an exponent");
    return finding(FindingKind::ReadsDifferently, "the path read is not the one written");
}

std::optional<Verdict> judgePoints(std::string_view text, const Report& report) {
    const NumberList written = readNumbers(text);
    const std::vector<double> held = heldNumbers(report);
    if (held.size() == written.values.size() &&
        std::equal(held.begin(), held.end(), written.values.begin(), sameNumber)) {
        return std::nullopt;
    }
    if (written.exponent && text.find('-') != std::string_view::npos)
        return finding(FindingKind::NumberSplit,
                       "the point grammar splits a number at the '-' of its exponent");
    return finding(FindingKind::ReadsDifferently, "the points read are not the ones written");
}

std::optional<Verdict> judgeTransforms(std::string_view text, const Report& report) {
    const std::vector<std::string> names = readTransformNames(text);
    const int count = heldCount(report);
    for (int i = 0; i < count && static_cast<std::size_t>(i) < names.size(); ++i) {
        const std::string prefix = "[" + std::to_string(i) + "].";
        const auto type = field(report, prefix + "type");
        const auto tx = field(report, prefix + "tx");
        const auto ty = field(report, prefix + "ty");
        const bool fallback = type && firstWord(*type) == "Translate" && tx && ty &&
                              fieldNumber(*tx) == 0 && fieldNumber(*ty) == 0;
        if (fallback && names[i] != "translate")
            return finding(FindingKind::TransformDefault,
                           names[i] + "() cannot be read and falls back to translate(0,0)");
    }
    if (static_cast<std::size_t>(count) != names.size())
        return finding(FindingKind::ReadsDifferently, std::to_string(names.size()) +
                                                          " transforms written, " +
                                                          std::to_string(count) + " read");
    return std::nullopt;
}

std::optional<Verdict> judgeAccepted(Shape shape, const TypeEntry& type, std::string_view text,
                                     const Report& report) {
    if (!report.text.empty() && report.text.toUtf8() == text)
        return std::nullopt;  // written back as written ("body-start()", "bold")
    switch (shape) {
        case Shape::Measure: {
            const WrittenMeasure written = readMeasure(text);
            if (written.word) {
                if (readsLikeNonsense(type, report))
                    return finding(FindingKind::NotANumber,
                                   "a word the type does not know is read as a number");
                return std::nullopt;
            }
            return judgeMeasure(written, heldMeasure(report));
        }
        case Shape::LengthList:
            return judgeLengthList(text, report);
        case Shape::Colour:
            return judgeColour(text);
        case Shape::Path:
            return judgePath(text, report);
        case Shape::Points:
            return judgePoints(text, report);
        case Shape::Transforms:
            return judgeTransforms(text, report);
        case Shape::Plain:
            break;
    }
    return std::nullopt;
}

}  // namespace

std::string_view findingKindName(FindingKind kind) {
    return kKindNames[static_cast<std::size_t>(kind)];
}

std::optional<Verdict> judge(const TypeEntry& type, std::string_view text) {
    // A held value with no text form (a point in ex units) makes the library
    // log as it raises; the finding says all there is to say.
    const LogCapture quiet;
    const Shape shape = shapeOf(type);
    const Report report = type.run(Core::String::fromUtf8(text), shape != Shape::Plain);
    if (!report.accepted) {
        if (type.storesOnRejection)
            return Verdict{FindingKind::Rejected, shown(shape, report),
                           "the engine stores " + shown(shape, report) + " instead"};
        return Verdict{
            FindingKind::Rejected, {}, "the engine keeps the value it had (inherited or initial)"};
    }
    auto verdict = judgeAccepted(shape, type, text, report);
    if (verdict)
        verdict->readsAs = shown(shape, report);
    return verdict;
}

}  // namespace xmlattr_tool
