// What an attribute holds after reading a text, for xmlattr lint: taken from
// the registry's report field by field (the measure, a list's items and
// numbers), and shown as text where the type has no text form of its own.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "tools/registry/TypeRegistry.h"

namespace xmlattr_tool::lint {

// A value's fields, or one list item's, whose names start with "[i]." set
// aside: field(item, "x") finds "[3].x".
struct FieldView {
    FieldView(const Report& report) : fields(report.fields) {}  // NOLINT: a report is a view
    FieldView(std::span<const Field> item, std::size_t prefix) : fields(item), prefix(prefix) {}

    std::span<const Field> fields;
    std::size_t prefix = 0;
};

std::optional<std::string_view> field(FieldView view, std::string_view name);

// The items of a list, in order, found in one pass over its fields.
std::vector<FieldView> heldItems(const Report& report);

// The first word of a field value: "pt" of "pt (1)", "MoveTo" of "MoveTo (2)".
std::string_view firstWord(std::string_view value);

// The number a field value starts with ("12", "1 px (0)"; "true" is 1).
double fieldNumber(std::string_view value);

struct HeldMeasure {
    double number;
    std::string unit;  // "px", "pt" ... or "%"
};

// The measure a value or an item holds: its percentage or its length,
// whichever its kind says; none for a value held in a keyword form only.
std::optional<HeldMeasure> heldMeasure(FieldView view);

// A list's item count, and every number of its items in field order (item
// types and relative flags aside; booleans count as 0 and 1).
int heldCount(const Report& report);
std::vector<double> heldNumbers(FieldView view);

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
