// The rules table: every kind of finding with its name, severity and summary.
// The help text, the documentation and the JSON output read it.
#include <array>

#include "tools/lint/Lint.h"

namespace xmlattr::lint {

namespace {

using enum Kind;
constexpr Severity E = Severity::Error;
constexpr Severity W = Severity::Warning;
constexpr Severity N = Severity::Note;

constexpr Rule kRules[] = {
    {Rejected, "rejected", E, "the type rejects the text: the engine ignores it", true},
    {Expression, "expression", W, "an expression or function, read as its first number", true},
    {BlankChangedUnit, "blank-changed-unit", W,
     "a blank before or after a measure changed its unit", true},
    {UnknownUnit, "unknown-unit", W, "a unit the type does not know, read as pixels", false},
    {NotANumber, "not-a-number", W, "a word where a number belongs, read as 0", false},
    {RgbPercent, "rgb-percent", W, "percentages inside rgb(), read as 0-255 numbers", true},
    {RgbOutOfRange, "rgb-out-of-range", W, "an rgb() component outside 0-255, which wraps", true},
    {ListReadAsOne, "list-read-as-one", W, "several values where only the first is read", true},
    {ImplicitCommands, "implicit-commands", W,
     "path commands repeated without their letter, dropped", true},
    {NumberSplit, "number-split", W, "a number split by the path or point grammar", true},
    {TransformDefault, "transform-default", W,
     "a transform that cannot be read, taken as translate(0,0)", true},
    {ReadsDifferently, "reads-differently", W, "read otherwise than written, for another reason",
     true},
    {SvgWithoutNamespace, "svg-without-namespace", N,
     "a root svg element without the SVG namespace, read as SVG", false},
    {NotChecked, "not-checked", N, "no XSL-FO or SVG namespace: nothing in the file was checked",
     false},
    {UnknownSuppression, "unknown-suppression", W, "a suppression comment names an unknown kind",
     false},
    {InternalError, "internal-error", E, "the library raised while a value was read", false},
};

constexpr bool inKindOrder() {
    for (std::size_t i = 0; i < std::size(kRules); ++i) {
        if (static_cast<std::size_t>(kRules[i].kind) != i || kRules[i].name.empty())
            return false;
    }
    return std::size(kRules) == static_cast<std::size_t>(InternalError) + 1;
}
static_assert(inKindOrder(), "one rule per kind, in the order of Kind");
static_assert(std::size(kRules) <= 32, "KindSet holds 32 kinds");

}  // namespace

std::string_view severityName(Severity severity) {
    constexpr std::string_view kNames[] = {"error", "warning", "note"};
    return kNames[static_cast<int>(severity)];
}

std::span<const Rule> rules() {
    return kRules;
}

const Rule& ruleOf(Kind kind) {
    return kRules[static_cast<std::size_t>(kind)];
}

std::optional<Kind> kindNamed(std::string_view name) {
    for (const Rule& rule : kRules) {
        if (rule.name == name)
            return rule.kind;
    }
    return std::nullopt;
}

}  // namespace xmlattr::lint
