// What an attribute holds after reading a text, for xmlattr lint: taken from
// the registry's report field by field (the measure, a list's items and
// numbers), and shown as text where the type has no text form of its own.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/TypeRegistry.h"

namespace xmlattr_tool::lint {

std::optional<std::string_view> field(const Report& report, std::string_view name);

// The first word of a field value: "pt" of "pt (1)", "MoveTo" of "MoveTo (2)".
std::string_view firstWord(std::string_view value);

// The number a field value starts with ("12", "1 px (0)"; "true" is 1).
double fieldNumber(std::string_view value);

struct HeldMeasure {
    double number;
    std::string unit;  // "px", "pt" ... or "%"
};

// The measure a value holds (prefix selects an item of a list, "[2]."): its
// percentage or its length, whichever its kind says; none for a value held
// in a keyword form only.
std::optional<HeldMeasure> heldMeasure(const Report& report, std::string_view prefix = {});

// A list's item count, and every number of its items in field order (type
// and relative flags aside; booleans count as 0 and 1).
int heldCount(const Report& report);
std::vector<double> heldNumbers(const Report& report);

// "12pt", "50%".
std::string measureShown(const HeldMeasure& measure);
// "1 2 3" with separator between.
std::string numbersShown(const std::vector<double>& numbers, char separator);
// A path as "M1 1 L2 2", transforms as "translate(1,2) scale(2,2)", dashes
// as "4px 2px", colours as "rgb(1,2,3)"; long lists are cut with their count.
std::string pathShown(const Report& report);
std::string transformsShown(const Report& report);
std::string lengthListShown(const Report& report);
std::string colourShown(const Report& report);

}  // namespace xmlattr_tool::lint
