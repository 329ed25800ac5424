#include "tools/lint/LintHeld.h"

#include <cmath>

#include "platform/StringFormatStream.h"
#include "tools/lint/LintWritten.h"

namespace xmlattr_tool::lint {

std::optional<std::string_view> field(FieldView view, std::string_view name) {
    for (const Field& f : view.fields) {
        if (std::string_view(f.name).substr(view.prefix) == name)
            return std::string_view(f.value);
    }
    return std::nullopt;
}

std::vector<FieldView> heldItems(const Report& report) {
    std::vector<FieldView> items;
    const std::span<const Field> fields = report.fields;
    std::string_view current;  // the "[i]." of the item being gathered
    std::size_t first = 0;
    for (std::size_t i = 0; i <= fields.size(); ++i) {
        std::string_view prefix;
        if (i < fields.size() && fields[i].name.starts_with('[')) {
            const std::string_view name = fields[i].name;
            prefix = name.substr(0, name.find("].") + 2);
        }
        if (prefix == current)
            continue;
        if (!current.empty())
            items.emplace_back(fields.subspan(first, i - first), current.size());
        current = prefix;
        first = i;
    }
    return items;
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

std::optional<HeldMeasure> heldMeasure(FieldView view) {
    const auto kind = field(view, "kind");
    if (kind && kind->starts_with('2')) {
        const auto percent = field(view, "percent");
        return HeldMeasure{percent ? fieldNumber(*percent) * 100 : 0, "%"};
    }
    auto size = field(view, "length.size");
    auto unit = field(view, "length.unit");
    if (!size || !unit) {
        size = field(view, "size");
        unit = field(view, "unit");
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

std::vector<double> heldNumbers(FieldView view) {
    std::vector<double> numbers;
    for (const Field& f : view.fields) {
        const std::string_view name = std::string_view(f.name).substr(view.prefix);
        if (name == "count" || name.ends_with("type") || name.ends_with("relative"))
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

namespace {

std::string number(double value) {
    return Core::formatNumber(static_cast<float>(value)).toUtf8();
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
        out += concat({" ... (", std::to_string(items.size()), " in all)"});
    return out.empty() ? "nothing" : out;
}

// Each item of a list through show(type, relative, numbers).
template <class Show>
std::vector<std::string> itemsShown(const Report& report, Show show) {
    std::vector<std::string> shown;
    for (const FieldView& item : heldItems(report)) {
        const auto type = field(item, "type");
        const auto relative = field(item, "relative");
        shown.push_back(show(type ? firstWord(*type) : std::string_view(),
                             relative && *relative == "true", heldNumbers(item)));
    }
    return shown;
}

}  // namespace

std::string measureShown(const HeldMeasure& measure) {
    return number(measure.number) + (measure.unit == "%" ? "%" : measure.unit);
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
    return listShown(itemsShown(
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
        itemsShown(report, [](std::string_view type, bool, const std::vector<double>& numbers) {
            std::string name = lower(type.substr(0, 1)) + std::string(type.substr(1));
            return concat({name, "(", numbersShown(numbers, ','), ")"});
        }));
}

std::string lengthListShown(const Report& report) {
    std::vector<std::string> items;
    for (const FieldView& item : heldItems(report)) {
        const auto measure = heldMeasure(item);
        items.push_back(measure ? measureShown(*measure) : "?");
    }
    return items.empty() ? "no dashes" : listShown(items);
}

std::string colourShown(const Report& report) {
    const auto r = field(report, "r");
    const auto g = field(report, "g");
    const auto b = field(report, "b");
    if (r && g && b)
        return concat({"rgb(", *r, ",", *g, ",", *b, ")"});
    const auto type = field(report, "type");
    return type ? lower(*type) : "no colour";
}

}  // namespace xmlattr_tool::lint
