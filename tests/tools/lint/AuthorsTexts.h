// Texts as authors write them, composed from the public grammars' pieces with
// the slips people make (a unit where none belongs, a percentage where a
// number belongs, blanks, case, quotes, commas), each with what it means: the
// rule lint keeps is that a text has a finding exactly when the engine
// rejects it, or holds other than what it means (or the grammar gives it no
// meaning). Shared by the property test and the lint fuzz target.
#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "css/XmlAttributes.h"
#include "tools/lint/Judge.h"
#include "tools/lint/Lint.h"
#include "tools/registry/TypeList.h"

namespace xmlattr::lint::truth {

// Picks the next of n choices from a seed.
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

inline bool near(double a, double b) {
    return a == b || std::fabs(a - b) <= 1e-5 * std::max(1.0, std::fabs(a));
}

// A verdict that breaks the rule, said in a line; none when it holds.
inline std::optional<std::string> broken(std::string_view type, const std::string& text,
                                         bool accepted, bool heldAsMeant) {
    const JudgedType* judged = judgedType(type);
    const bool found = judged != nullptr && judgeText(*judged, text).has_value();
    if (found == (!accepted || !heldAsMeant))
        return std::nullopt;
    return std::string(type) + " \"" + text + "\": " +
           (found ? "a finding, but held as meant" : "held otherwise than meant, no finding");
}

// A number with a slip, for float (a percentage is a fraction) or int.
template <class T>
std::optional<std::string> numberCase(Dice& dice) {
    const Number& n = kNumbers[dice.pick(std::size(kNumbers))];
    std::string text = n.text;
    const bool whole = std::is_same_v<T, int>;
    double meant = n.value;
    bool meaning =
        !whole || (n.value == std::floor(n.value) && text.find_first_of(".e") == std::string::npos);
    switch (dice.pick(6)) {
        case 0:
            text += '%';
            meant = n.value / 100;
            meaning = !whole;
            break;
        case 1:
            text += "mm";
            meaning = false;
            break;
        case 2:
            text = " " + text;
            break;
        case 3:
            if (const std::size_t point = text.find('.'); point != std::string::npos) {
                text[point] = ',';
                meaning = false;
            }
            break;
        case 4:
            text = "'" + text + "'";
            meaning = false;
            break;
        default:
            break;
    }
    Xml::TXmlAttribute<T> attribute;
    const bool accepted = attribute.parseValue(Core::String::fromUtf8(text));
    return broken(whole ? "int" : "float", text, accepted,
                  meaning && near(meant, static_cast<double>(attribute.getValue())));
}

// An SVG length: a number and a unit, in some case, with a slip.
inline std::optional<std::string> lengthCase(Dice& dice) {
    const Number& n = kNumbers[dice.pick(std::size(kNumbers) - 1)];  // within a float
    constexpr const char* kUnits[] = {"", "px", "mm", "%", "em", "PT", "qq", "Mm"};
    const std::string unit = kUnits[dice.pick(std::size(kUnits))];
    std::string text = std::string(n.text) + unit;
    std::string meantUnit;
    for (const char c : unit.empty() ? std::string("px") : unit)
        meantUnit += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    bool meaning = unit != "qq";
    switch (dice.pick(4)) {
        case 0:
            text = "x" + text;
            meaning = false;
            break;
        case 1:
            text = " " + text + " ";
            break;
        default:
            break;
    }
    Xml::TXmlAttribute<Xml::SLength> attribute;
    const bool accepted = attribute.parseValue(Core::String::fromUtf8(text));
    const Xml::SLength& held = attribute.getValue();
    const bool percent = held.getUnit() == Xml::SLength::Percent;
    const double size = held.getSize() * (percent ? 100.0 : 1.0);
    const bool asMeant = meaning && near(size, n.value) &&
                         (n.value == 0 || Xml::SLength::suffixOf(held.getUnit()) == meantUnit);
    return broken("SLength", text, accepted, asMeant);
}

// A keyword of E's table, in some case, with blanks or quotes, or not a
// keyword at all; a font weight also as a number.
template <class E>
std::optional<std::string> keywordCase(std::string_view type, Dice& dice) {
    const auto& rows = Xml::KeywordsOf<E>::table.rows;
    std::vector<const Xml::KeywordRow*> keywords;
    for (const Xml::KeywordRow& row : rows) {
        if (row.parses() || row.isInteger())
            keywords.push_back(&row);
    }
    const Xml::KeywordRow& row = *keywords[dice.pick(keywords.size())];
    std::string text =
        row.isInteger() ? std::to_string(row.number) : Core::String(row.text).toUtf8();
    std::int32_t meant = row.value;
    bool meaning = true;
    switch (dice.pick(6)) {
        case 0:
            for (char& c : text)
                c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
            break;
        case 1:
            text = " " + text + " ";
            break;
        case 2:
            text = "'" + text + "'";
            meaning = false;
            break;
        case 3:
            text = "qwe";
            meaning = false;
            break;
        case 4:
            if constexpr (std::is_same_v<E, Xml::FontWeight>) {
                const int weight = 100 * static_cast<int>(1 + dice.pick(9));
                text = std::to_string(weight);
                meant = static_cast<std::int32_t>(weight > 500 ? E::Bold : E::Normal);
            }
            break;
        default:
            break;
    }
    Xml::TXmlAttribute<E> attribute;
    const bool accepted = attribute.parseValue(Core::String::fromUtf8(text));
    return broken(type, text, accepted,
                  meaning && static_cast<std::int32_t>(attribute.getValue()) == meant);
}

// A paint reference, quoted or not, with or without a fallback.
inline std::optional<std::string> paintCase(Dice& dice) {
    constexpr const char* kForms[] = {"url(#a)",   "url('#a')",     "url(\"#a\")",
                                      "url( #a )", "url(#a) green", "url(#a) none"};
    const std::size_t form = dice.pick(std::size(kForms));
    const std::string text = kForms[form];
    Xml::TXmlAttribute<Xml::SColor> attribute;
    const bool accepted = attribute.parseValue(Core::String::fromUtf8(text));
    const Xml::SColor& held = attribute.getValue();
    // The engine keeps no fallback: a text with one is never held as meant.
    const bool asMeant =
        form < 4 && held.getType() == Xml::SColor::Reference && held.getUrl().toUtf8() == "#a";
    return broken("SColor", text, accepted, asMeant);
}

// The numbers of a transform, in the order its function writes them, with
// the defaults filled in (scale(2) is scale(2,2)).
inline std::vector<double> numbersOf(const Xml::Transform& t) {
    switch (t.type) {
        case Xml::TransformType::Translate:
            return {t.translateX->getSize(), t.translateY->getSize()};
        case Xml::TransformType::Scale:
            return {t.scaleX, t.scaleY};
        case Xml::TransformType::Rotate:
            return {t.angle, t.centerX->getSize(), t.centerY->getSize()};
        case Xml::TransformType::SkewX:
            return {t.skewAngleX};
        default:
            return std::vector<double>(t.matrix, t.matrix + 6);
    }
}

// One or two transform functions, with separators and slips.
inline std::optional<std::string> transformCase(Dice& dice) {
    struct Function {
        const char* name;
        Xml::TransformType type;
        int count;
    };
    constexpr Function kFunctions[] = {{"translate", Xml::TransformType::Translate, 2},
                                       {"scale", Xml::TransformType::Scale, 1},
                                       {"rotate", Xml::TransformType::Rotate, 1},
                                       {"skewX", Xml::TransformType::SkewX, 1},
                                       {"matrix", Xml::TransformType::Matrix, 6}};
    constexpr const char* kSeparators[] = {",", " ", ", ", " ,"};
    std::string text;
    std::vector<std::pair<Xml::TransformType, std::vector<double>>> meant;
    bool meaning = true;
    for (std::size_t f = 0, count = 1 + dice.pick(2); f < count; ++f) {
        const Function& function = kFunctions[dice.pick(std::size(kFunctions))];
        std::string name = function.name;
        const std::size_t slip = dice.pick(5);
        if (slip == 0) {  // a capital: names are case-sensitive
            name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
            meaning = false;
        }
        text += (f > 0 ? " " : "") + name + "(";
        std::vector<double> numbers;
        for (int i = 0; i < function.count; ++i) {
            const Number& n = kNumbers[dice.pick(std::size(kNumbers) - 1)];
            text += (i > 0 ? kSeparators[dice.pick(std::size(kSeparators))] : "");
            text += n.text;
            numbers.push_back(n.value);
        }
        text += slip == 1 ? "  )" : ")";
        if (function.type == Xml::TransformType::Scale)
            numbers.push_back(numbers[0]);
        if (function.type == Xml::TransformType::Rotate)
            numbers.insert(numbers.end(), {0, 0});
        meant.emplace_back(function.type, std::move(numbers));
    }
    Xml::TXmlAttribute<Core::Vector<Xml::Transform>> attribute;
    const bool accepted = attribute.parseValue(Core::String::fromUtf8(text));
    const auto& held = attribute.getValue();
    bool asMeant = meaning && held.size() == static_cast<int>(meant.size());
    for (int i = 0; asMeant && i < held.size(); ++i) {
        const auto& [type, numbers] = meant[static_cast<std::size_t>(i)];
        asMeant = held[i].type == type &&
                  std::equal(numbers.begin(), numbers.end(), numbersOf(held[i]).begin(), near);
    }
    return broken("Vector<Transform>", text, accepted, asMeant);
}

using Case = std::optional<std::string> (*)(Dice&);

template <class Named>
std::optional<std::string> keywordOf(Dice& dice) {
    return keywordCase<typename Named::type>(Named::name, dice);
}

// The keyword types the attribute table names, each with its case.
template <class... Types>
std::vector<Case> keywordCases(xmlattr_tool::TypeList<Types...>) {
    std::vector<Case> cases;
    const auto add = [&]<class Named>(Named) {
        if constexpr (Xml::KeywordEnum<typename Named::type>) {
            for (const AttributeRow& row : attributeRows()) {
                if (row.type == Named::name) {
                    cases.push_back(&keywordOf<Named>);
                    return;
                }
            }
        }
    };
    (add(Types{}), ...);
    return cases;
}

// One text of one shape, chosen by the seed.
inline std::optional<std::string> authorsText(unsigned long long seed) {
    static const std::vector<Case> keywords = keywordCases(xmlattr_tool::AllTypes{});
    Dice dice{seed};
    switch (dice.pick(6)) {
        case 0:
            return numberCase<float>(dice);
        case 1:
            return numberCase<int>(dice);
        case 2:
            return lengthCase(dice);
        case 3:
            return paintCase(dice);
        case 4:
            return transformCase(dice);
        default:
            return keywords[dice.pick(keywords.size())](dice);
    }
}

}  // namespace xmlattr::lint::truth
