// Texts as authors write them, from the public grammars' pieces with the slips
// people make (a unit where none belongs, a percentage for a number, blanks,
// case, quotes), each with what it means. The rule: a finding exactly where
// the engine rejects the text or holds other than what it means. Shared by
// the property test and the lint fuzz target.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "css/XmlAttributes.h"
#include "tools/lint/Judge.h"
#include "tools/lint/Lint.h"
#include "tools/registry/TypeList.h"

namespace xmlattr::lint::truth {

struct Dice {
    unsigned long long seed;
    std::size_t pick(std::size_t n) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::size_t>((seed >> 33) % n);
    }
};

struct Number {
    const char* text;
    double value;
};
inline constexpr Number kNumbers[] = {{"0", 0},   {"1", 1},     {"0.5", 0.5}, {"12", 12},
                                      {"-3", -3}, {".25", .25}, {"2e1", 20},  {"1e39", 1e39}};

// Around a text, and whether it still means what it did.
struct Slip {
    const char* before;
    const char* after;
    bool keeps;
};
inline constexpr Slip kSlips[] = {
    {"", "", true}, {" ", " ", true}, {"'", "'", false}, {"x", "", false}, {"", "mm", false}};

inline bool near(double a, double b) {
    return a == b || std::fabs(a - b) <= 1e-5 * std::max(1.0, std::fabs(a));
}

inline std::string utf8Of(std::wstring_view text) {
    return Core::String(text).toUtf8();
}

template <class T, class AsMeant>
std::optional<std::string> broken(std::string_view type, const std::string& text, AsMeant asMeant) {
    Xml::TXmlAttribute<T> attribute;
    const bool accepted = attribute.parseValue(Core::String::fromUtf8(text));
    const bool found = judgeText(*judgedType(type), text).has_value();
    if (found == (!accepted || !asMeant(attribute.getValue())))
        return std::nullopt;
    return std::string(type) + " \"" + text + "\": " +
           (found ? "a finding, but held as meant" : "held otherwise than meant, no finding");
}

// A number (float: a percentage is a fraction; int: whole) with a slip.
template <class T>
std::optional<std::string> numberCase(std::string_view type, Dice& dice) {
    const Number& n = kNumbers[dice.pick(std::size(kNumbers))];
    const Slip& slip = kSlips[dice.pick(std::size(kSlips))];
    const bool whole = std::is_same_v<T, int>;
    const bool percent = dice.pick(4) == 0;
    const std::string text = slip.before + std::string(n.text) + (percent ? "%" : slip.after);
    const double meant = percent ? n.value / 100 : n.value;
    const bool means = percent ? !whole
                               : slip.keeps && (!whole || std::string(n.text).find_first_of(".e") ==
                                                              std::string::npos);
    return broken<T>(type, text, [&](const T& held) { return means && near(meant, held); });
}

// An SVG length: a number and a unit in some case, with a slip.
inline std::optional<std::string> lengthCase(Dice& dice) {
    const Number& n = kNumbers[dice.pick(std::size(kNumbers) - 1)];  // within a float
    constexpr const char* kUnits[] = {"", "px", "mm", "%", "em", "PT", "qq", "Mm"};
    const std::string unit = kUnits[dice.pick(std::size(kUnits))];
    const Slip& slip = kSlips[dice.pick(std::size(kSlips) - 1)];
    std::string meantUnit = unit.empty() ? "px" : unit;
    for (char& c : meantUnit)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    const std::string text = slip.before + std::string(n.text) + unit + slip.after;
    return broken<Xml::SLength>("SLength", text, [&](const Xml::SLength& held) {
        const bool percent = held.getUnit() == Xml::SLength::Percent;
        return slip.keeps && unit != "qq" && near(held.getSize() * (percent ? 100 : 1), n.value) &&
               (n.value == 0 || Xml::SLength::suffixOf(held.getUnit()) == meantUnit);
    });
}

// A keyword (or integer) of E's table in some case, with a slip; a font
// weight also as a number, which selects normal up to 500.
template <class Named>
std::optional<std::string> keywordCase(Dice& dice) {
    using E = typename Named::type;
    std::vector<const Xml::KeywordRow*> rows;
    for (const Xml::KeywordRow& row : Xml::KeywordsOf<E>::table.rows) {
        if (row.parses() || row.isInteger())
            rows.push_back(&row);
    }
    const Xml::KeywordRow& row = *rows[dice.pick(rows.size())];
    std::string text = row.isInteger() ? std::to_string(row.number) : utf8Of(row.text);
    std::int32_t meant = row.value;
    const Slip& slip = kSlips[dice.pick(std::size(kSlips) - 1)];
    text = slip.before + text + slip.after;
    if (dice.pick(3) == 0) {
        for (char& c : text)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    if constexpr (std::is_same_v<E, Xml::FontWeight>) {
        if (slip.keeps && dice.pick(2) == 0) {
            const int weight = 100 * static_cast<int>(1 + dice.pick(9));
            text = std::to_string(weight);
            meant = static_cast<std::int32_t>(weight > 500 ? E::Bold : E::Normal);
        }
    }
    return broken<E>(Named::name, text, [&](const E& held) {
        return slip.keeps && static_cast<std::int32_t>(held) == meant;
    });
}

// One or two transform functions, with separators, a capital or blanks
// before ")".
inline std::optional<std::string> transformCase(Dice& dice) {
    constexpr const char* kNames[] = {"translate", "scale", "rotate", "skewX", "matrix"};
    constexpr const char* kSeparators[] = {",", " ", ", ", " ,"};
    std::string text;
    Core::Vector<Xml::Transform> meant;
    bool means = true;
    for (std::size_t f = 0, count = 1 + dice.pick(2); f < count; ++f) {
        const std::size_t function = dice.pick(std::size(kNames));
        const std::size_t slip = dice.pick(5);
        means = means && slip != 0;
        if (f > 0)
            text += ' ';
        text += slip == 0 ? "Scale" : kNames[function];
        text += '(';
        double n[6];
        for (std::size_t i = 0; i < (function == 0 ? 2 : function == 4 ? 6 : 1); ++i) {
            const Number& number = kNumbers[dice.pick(std::size(kNumbers) - 1)];
            if (i > 0)
                text += kSeparators[dice.pick(std::size(kSeparators))];
            text += number.text;
            n[i] = number.value;
        }
        text += slip == 1 ? "  )" : ")";
        const auto px = [](double v) { return Xml::SLength(static_cast<float>(v)); };
        meant.push_back(function == 0   ? Xml::Transform(px(n[0]), px(n[1]))
                        : function == 1 ? Xml::Transform(n[0], n[0])
                        : function == 2 ? Xml::Transform(n[0], px(0), px(0))
                        : function == 3 ? Xml::Transform(Xml::TransformType::SkewX, n[0])
                                        : Xml::Transform(n[0], n[1], n[2], n[3], n[4], n[5]));
    }
    return broken<Core::Vector<Xml::Transform>>(
        "Vector<Transform>", text, [&](const auto& held) { return means && held == meant; });
}

using Case = std::optional<std::string> (*)(Dice&);

// Every keyword type of the tool's list.
template <class... Types>
std::vector<Case> keywordCases(xmlattr_tool::TypeList<Types...>) {
    std::vector<Case> cases;
    const auto add = [&]<class Named>(Named) {
        if constexpr (Xml::KeywordEnum<typename Named::type>)
            cases.push_back(&keywordCase<Named>);
    };
    (add(Types{}), ...);
    return cases;
}

// One text of one shape, chosen by the seed; what breaks the rule, or none.
inline std::optional<std::string> authorsText(unsigned long long seed) {
    static const std::vector<Case> keywords = keywordCases(xmlattr_tool::AllTypes{});
    Dice dice{seed};
    switch (dice.pick(5)) {
        case 0:
            return numberCase<float>("float", dice);
        case 1:
            return numberCase<int>("int", dice);
        case 2:
            return lengthCase(dice);
        case 3:
            return transformCase(dice);
        default:
            return keywords[dice.pick(keywords.size())](dice);
    }
}

}  // namespace xmlattr::lint::truth
