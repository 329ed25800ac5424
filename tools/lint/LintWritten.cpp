#include "tools/lint/LintWritten.h"

#include <algorithm>
#include <charconv>

namespace xmlattr_tool::lint {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Skips a unit written after a coordinate ("2mm"): path and point lists
// take SVG lengths.
void skipUnit(std::string_view text, std::size_t& pos);

int arity(char command);

}  // namespace

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string concat(std::initializer_list<std::string_view> parts) {
    std::string out;
    for (const std::string_view part : parts)
        out += part;
    return out;
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

namespace {

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

}  // namespace

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
            break;
        }
        const std::string_view number = text.substr(start, pos - start);
        out.exponent = out.exponent || number.find_first_of("eE") != std::string_view::npos;
        out.values.push_back(*value);
        skipUnit(text, pos);
    }
    return out;
}

namespace {

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

}  // namespace

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

}  // namespace xmlattr_tool::lint
