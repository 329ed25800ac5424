#include "tools/lint/LintRules.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/lint/LintHeld.h"
#include "tools/lint/LintWritten.h"
#include "tools/lint/Judge.h"
#include "platform/Exception.h"
#include "platform/Log.h"

namespace xmlattr_tool {

std::string concatRaised(const char* file, int line) {
    return lint::concat({"the library raised at ", file, ":", std::to_string(line)});
}

namespace {

using namespace lint;

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

// How the held value reads: its written-back text where it has one.
std::string shown(Shape shape, const Report& report) {
    if (!report.text.empty())
        return report.text.toUtf8();
    switch (shape) {
        case Shape::Measure:
            if (const auto measure = heldMeasure(report))
                return measureShown(*measure);
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
                       concat({"unknown unit '", written.unit, "' is read as ", held->unit}));
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
    const std::vector<FieldView> held = heldItems(report);
    for (std::size_t i = 0; i < held.size() && i < items.size(); ++i) {
        if (auto verdict = judgeMeasure(readMeasure(items[i]), heldMeasure(held[i])))
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
                concat({"rgb() components run from 0 to 255; ", component, " wraps around"}));
        pos = end + 1;
    }
    return std::nullopt;
}

std::optional<Verdict> judgePath(std::string_view text, const Report& report) {
    const WrittenPath written = readPath(text);
    const int count = heldCount(report);
    if (count < written.commands && written.implicit)
        return finding(FindingKind::ImplicitCommands,
                       concat({"commands repeated without their letter are dropped: ",
                               std::to_string(written.commands), " commands written, ",
                               std::to_string(count), " read"}));
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
    const std::vector<FieldView> held = heldItems(report);
    for (std::size_t i = 0; i < held.size() && i < names.size(); ++i) {
        const auto type = field(held[i], "type");
        const auto tx = field(held[i], "tx");
        const auto ty = field(held[i], "ty");
        const bool fallback = type && firstWord(*type) == "Translate" && tx && ty &&
                              fieldNumber(*tx) == 0 && fieldNumber(*ty) == 0;
        if (fallback && names[i] != "translate")
            return finding(
                FindingKind::TransformDefault,
                concat({names[i], "() cannot be read and falls back to translate(0,0)"}));
    }
    if (static_cast<std::size_t>(count) != names.size())
        return finding(FindingKind::ReadsDifferently,
                       concat({std::to_string(names.size()), " transforms written, ",
                               std::to_string(count), " read"}));
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

std::optional<Verdict> judge(const TypeEntry& type, std::string_view text) {
    // A held value with no text form (a point in ex units) makes the library
    // log as it raises; the finding says all there is to say.
    const Shape shape = shapeOf(type);
    const Report report = type.run(Core::String::fromUtf8(text), shape != Shape::Plain);
    if (!report.accepted) {
        if (type.storesOnRejection)
            return Verdict{FindingKind::Rejected, shown(shape, report),
                           concat({"the engine stores ", shown(shape, report), " instead"})};
        return Verdict{
            FindingKind::Rejected, {}, "the engine keeps the value it had (inherited or initial)"};
    }
    auto verdict = judgeAccepted(shape, type, text, report);
    if (verdict)
        verdict->readsAs = shown(shape, report);
    return verdict;
}

}  // namespace xmlattr_tool

namespace xmlattr::lint {

struct JudgedType {
    const xmlattr_tool::TypeEntry* entry;
};

const JudgedType* judgedType(std::string_view name) {
    static const std::vector<JudgedType> types = [] {
        std::vector<JudgedType> all;
        for (const xmlattr_tool::TypeEntry& entry : xmlattr_tool::registeredTypes())
            all.push_back({&entry});
        return all;
    }();
    for (const JudgedType& type : types) {
        if (type.entry->name == name)
            return &type;
    }
    return nullptr;
}

std::string_view typeName(const JudgedType& type) {
    return type.entry->name;
}

std::optional<Verdict> judgeText(const JudgedType& type, std::string_view text) {
    // A held value with no text form (a point in ex units) makes the library
    // log as it raises; the finding says all there is to say.
    static const Core::Log::Handler drop;
    const Core::Log::ThreadScope quiet(drop);
    try {
        auto verdict = xmlattr_tool::judge(*type.entry, text);
        if (!verdict)
            return std::nullopt;
        return Verdict{verdict->kind, std::move(verdict->readsAs), std::move(verdict->reason)};
    } catch (const Core::Exception& error) {
        return Verdict{Kind::InternalError, {},
                       xmlattr_tool::concatRaised(error.getFile(), error.getLine())};
    }
}

}  // namespace xmlattr::lint
