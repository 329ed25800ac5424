#include "tools/LintHeld.h"

#include <cmath>

#include "platform/StringFormatStream.h"
#include "tools/Fields.h"
#include "tools/LintWritten.h"

namespace xmlattr_tool::lint {

namespace {

std::string join(std::string_view a, std::string_view b) {
    std::string out(a);
    out += b;
    return out;
}

}  // namespace

std::optional<std::string_view> field(const Report& report, std::string_view name) {
    for (const Field& f : report.fields) {
        if (f.name == name)
            return std::string_view(f.value);
    }
    return std::nullopt;
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

// The measure a value holds (prefix selects an item of a list): its
// percentage, or its length, whichever its kind says; none for a value held
// in a keyword form only.
std::optional<HeldMeasure> heldMeasure(const Report& report, std::string_view prefix) {
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

// Each item of a list as "name(numbers)" through show(name, numbers).
template <class Show>
std::vector<std::string> heldItems(const Report& report, Show show) {
    std::vector<std::string> items;
    const int count = heldCount(report);
    for (int i = 0; i < count; ++i) {
        const std::string prefix = itemPrefix(i);
        Report item;
        for (const Field& f : report.fields) {
            if (f.name.starts_with(prefix)) {
                std::string name = concat({"[0].", std::string_view(f.name).substr(prefix.size())});
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
            return concat({name, "(", numbersShown(numbers, ','), ")"});
        }));
}

std::string lengthListShown(const Report& report) {
    std::vector<std::string> items;
    for (int i = 0, count = heldCount(report); i < count; ++i) {
        const auto measure = heldMeasure(report, itemPrefix(i));
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
