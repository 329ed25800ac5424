// Texts as authors write them for each attribute of the lint's table, from
// the public grammars' pieces (CSS, SVG and XSL-FO values) with the slips
// people make (a unit where none belongs, a percentage for a number, blanks,
// case, quotes, commas), each with what its author means. The rule: a
// finding exactly where the engine rejects the text or holds other than what
// it means. Shared by the property test and the lint fuzz target.
#pragma once

#include <algorithm>
#include <cctype>
#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "css/XmlAttributes.h"
#include "css/colours/NamedColors.h"
#include "tools/lint/Lint.h"
#include "tools/lint/judge/Measure.h"
#include "tools/registry/TypeList.h"

namespace xmlattr::lint::truth {

struct Dice {
    unsigned long long seed;
    std::size_t pick(std::size_t n) {
        seed = seed * 6364136223846793005ull + 1442695040888963407ull;
        return static_cast<std::size_t>((seed >> 33) % n);
    }
    template <class T, std::size_t N>
    const T& of(const T (&items)[N]) {
        return items[pick(N)];
    }
};

struct Number {
    const char* text;
    double value;
};
inline constexpr Number kNumbers[] = {{"0", 0},   {"1", 1},     {"0.5", 0.5}, {"12", 12},
                                      {"-3", -3}, {".25", .25}, {"2e1", 20},  {"1e39", 1e39}};
inline constexpr std::size_t kWithinFloat = std::size(kNumbers) - 1;

// Around a text, and whether it still means what it did.
struct Slip {
    const char* before;
    const char* after;
    bool keeps;
};
inline constexpr Slip kSlips[] = {{"", "", true},    {" ", " ", true}, {"", "", true},
                                  {"'", "'", false}, {"x", "", false}, {"", "mm", false}};
inline constexpr std::size_t kSlipsAround = std::size(kSlips) - 1;  // without a unit after

inline bool near(double a, double b) {
    return a == b || std::fabs(a - b) <= 1e-5 * std::max(1.0, std::fabs(a));
}

inline std::string lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Each letter in upper case, or only the first, as people type them.
inline std::string cased(std::string text, Dice& dice) {
    const std::size_t how = dice.pick(4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (how == 1 || (how == 2 && i == 0))
            text[i] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[i])));
    }
    return text;
}

inline std::string utf8Of(std::wstring_view text) {
    return Core::String(text).toUtf8();
}

template <class T>
bool parsed(Xml::TXmlAttribute<T>& attribute, const std::string& text) {
    return attribute.parseValue(Core::String::fromUtf8(text));
}

// Whether the lint's verdict on text for row follows the rule, given what
// the author means (asMeant on the attribute the engine read); what breaks
// it, or none.
template <class T, class AsMeant>
std::optional<std::string> broken(const AttributeRow& row, const std::string& text,
                                  AsMeant asMeant) {
    Xml::TXmlAttribute<T> attribute;
    const bool accepted = parsed(attribute, text);
    const bool found = judge(row.vocabulary, row.element, row.name, text).has_value();
    if (found == (!accepted || !asMeant(attribute)))
        return std::nullopt;
    return std::string(row.name) + "=\"" + text + "\" (" + std::string(row.type) + "): " +
           (found ? "a finding, but held as meant" : "held otherwise than meant, no finding");
}

// A slip of a text whose meaning is that of its plain form: the plain form
// read by the engine is the meaning (the parse tables pin it), so the slip
// must be held as it, or found.
template <class T>
std::optional<std::string> sameAsPlain(const AttributeRow& row, const std::string& plain,
                                       const std::string& text, bool keeps) {
    Xml::TXmlAttribute<T> meant;
    const bool known = parsed(meant, plain);
    return broken<T>(row, text, [&](const Xml::TXmlAttribute<T>& held) {
        return keeps && known && held == meant.getValue();
    });
}

// A number (a percentage is a fraction; an integer is whole) with a slip.
template <class T>
std::optional<std::string> numberCase(const AttributeRow& row, Dice& dice) {
    const Number& n = dice.of(kNumbers);
    const bool percent = dice.pick(4) == 0;
    const Slip& slip = percent ? kSlips[dice.pick(kSlipsAround)] : dice.of(kSlips);
    const bool whole = std::is_same_v<T, int>;
    const std::string text = slip.before + std::string(n.text) + (percent ? "%" : "") + slip.after;
    const double meant = percent ? n.value / 100 : n.value;
    const bool means =
        slip.keeps &&
        (percent ? !whole : !whole || std::string(n.text).find_first_of(".e") == std::string::npos);
    return broken<T>(row, text, [&](const Xml::TXmlAttribute<T>& held) {
        if constexpr (std::is_same_v<T, Xml::FloatOrPercent>)
            return means && near(meant, held.getValue().getValue());
        else
            return means && near(meant, held.getValue());
    });
}

// What an author means by a measure: a number in a unit, zero, or nothing
// the engine can hold.
struct MeantMeasure {
    enum { Measure, Zero, Nothing } is = Nothing;
    double number = 0;
    std::string unit;
};

// "12pt" by the CSS units, in any case; a bare number is pixels in SVG, a
// ratio where the attribute takes one, and no measure elsewhere in XSL-FO.
inline MeantMeasure measureMeant(const AttributeRow& row, const Number& n,
                                 const std::string& unit) {
    const std::string folded = lowered(unit);
    constexpr const char* kHeld[] = {"px", "pt", "mm", "cm", "in", "pc", "em", "ex", "%"};
    constexpr const char* kOtherCss[] = {"ch", "rem", "q"};
    const auto among = [&](const auto& units) {
        return std::find(std::begin(units), std::end(units), folded) != std::end(units);
    };
    if (n.value == 0 && (unit.empty() || among(kHeld) || among(kOtherCss)))
        return {MeantMeasure::Zero, 0, {}};  // zero in any unit
    if (among(kHeld))
        return {MeantMeasure::Measure, n.value, folded};
    if (!unit.empty())
        return {};
    if (row.vocabulary == Vocabulary::Svg)
        return {MeantMeasure::Measure, n.value, "px"};
    if (row.numberIsRatio)
        return {MeantMeasure::Measure, n.value * 100, "%"};
    return {};
}

// A measure type's text: a number in a unit, or a word of the CSS and
// XSL-FO keywords of measures, with a slip.
template <class T>
std::optional<std::string> measureCase(const AttributeRow& row, Dice& dice) {
    if (dice.pick(3) == 0) {
        constexpr const char* kWords[] = {
            "auto",  "inherit", "normal",       "medium",     "thin",  "thick",
            "large", "small",   "larger",       "baseline",   "super", "center",
            "left",  "top",     "scale-to-fit", "indefinite", "none",  "use-font-metrics"};
        const std::string word = dice.of(kWords);
        const Slip& slip = kSlips[dice.pick(kSlipsAround)];
        const std::string text = slip.before + cased(word, dice) + slip.after;
        Xml::TXmlAttribute<T> nonsense;
        if (parsed(nonsense, "qqqq" + word.substr(word.size() - 2))) {
            // A word read like any word it does not know (ending alike, as
            // its last letters may be read as a unit) means nothing held.
            Xml::TXmlAttribute<T> plain;
            if (parsed(plain, word) && plain == nonsense.getValue())
                return broken<T>(row, text, [](const auto&) { return false; });
        }
        return sameAsPlain<T>(row, word, text, slip.keeps);
    }
    const Number& n = dice.of(kNumbers);
    constexpr const char* kUnits[] = {"",   "",  "px", "pt", "mm", "cm", "in",  "pc", "em",
                                      "ex", "%", "PT", "Mm", "qq", "ch", "rem", "Q"};
    const std::string unit = dice.of(kUnits);
    const Slip& slip = kSlips[dice.pick(kSlipsAround)];
    const std::string text = slip.before + std::string(n.text) + unit + slip.after;
    const MeantMeasure meant = measureMeant(row, n, unit);
    return broken<T>(row, text, [&](const Xml::TXmlAttribute<T>& attribute) {
        const std::optional<judging::HeldMeasure> held = judging::heldMeasure(attribute.getValue());
        if (!slip.keeps || !held || meant.is == MeantMeasure::Nothing)
            return false;
        return meant.is == MeantMeasure::Zero
                   ? held->number == 0
                   : near(held->number, meant.number) && held->unit == meant.unit;
    });
}

// A keyword (or integer) of E's table in some case, with a slip; a font
// weight also as a number, which selects normal up to 500.
template <class E>
std::optional<std::string> keywordCase(const AttributeRow& row, Dice& dice) {
    std::vector<const Xml::KeywordRow*> rows;
    for (const Xml::KeywordRow& each : Xml::KeywordsOf<E>::table.rows) {
        if (each.parses() || each.isInteger())
            rows.push_back(&each);
    }
    const Xml::KeywordRow& keyword = *rows[dice.pick(rows.size())];
    std::string text = keyword.isInteger() ? std::to_string(keyword.number) : utf8Of(keyword.text);
    std::int32_t meant = keyword.value;
    const Slip& slip = kSlips[dice.pick(kSlipsAround)];
    text = slip.before + cased(text, dice) + slip.after;
    if constexpr (std::is_same_v<E, Xml::FontWeight>) {
        if (slip.keeps && dice.pick(2) == 0) {
            const int weight = 100 * static_cast<int>(1 + dice.pick(9));
            text = std::to_string(weight);
            meant = static_cast<std::int32_t>(weight > 500 ? E::Bold : E::Normal);
        }
    }
    return broken<E>(row, text, [&](const Xml::TXmlAttribute<E>& held) {
        return slip.keeps && static_cast<std::int32_t>(held.getValue()) == meant;
    });
}

// A page number: a keyword or a whole number, with a slip.
inline std::optional<std::string> pageNumberCase(const AttributeRow& row, Dice& dice) {
    constexpr const char* kPlain[] = {"auto", "auto-odd", "auto-even", "1", "12", "0"};
    const std::string plain = dice.of(kPlain);
    const Slip& slip = dice.of(kSlips);
    return sameAsPlain<Xml::InitialPageNumber>(
        row, plain, slip.before + cased(plain, dice) + slip.after, slip.keeps);
}

struct Rgb {
    int r, g, b;
};

// A colour as CSS writes it (a name, #rgb or #rrggbb, rgb() of numbers or
// percentages, hsl(), #rgba), and the sRGB it means; a paint also as none
// or a reference, with or without its fallback.
template <class T>
std::optional<std::string> colourCase(const AttributeRow& row, Dice& dice) {
    constexpr bool paint = !std::is_same_v<T, Core::SmartPtr<Drawing::Color>>;
    std::string text;
    std::optional<Rgb> meant;
    bool opaque = true;
    std::string reference;  // a paint's, with its "#"
    const auto hex = [&](int digits) {
        constexpr char kDigits[] = "0123456789abcdefABCDEF";
        int value[8] = {};
        text.clear();
        text += '#';
        for (int i = 0; i < digits; ++i) {
            const std::size_t d = dice.pick(sizeof kDigits - 1);
            text += kDigits[d];
            value[i] = static_cast<int>(d < 16 ? d : d - 6);
        }
        const bool shortForm = digits < 6;
        const auto at = [&](int i) {
            return shortForm ? value[i] * 17 : value[2 * i] * 16 + value[2 * i + 1];
        };
        meant = Rgb{at(0), at(1), at(2)};
        opaque = digits % 4 != 0 || at(3) == 255;
    };
    switch (dice.pick(paint ? 7 : 5)) {
        case 0: {
            const auto& entry = Xml::NamedColors::kTable[dice.pick(
                static_cast<std::size_t>(Xml::NamedColors::kCount))];
            text = cased(utf8Of(entry.name), dice);
            if (entry.hasColor)
                meant = Rgb{entry.r, entry.g, entry.b};
            else if (!paint || entry.name != L"none")
                return std::nullopt;  // transparent and none: paints only
            break;
        }
        case 1:
            hex(dice.pick(2) == 0 ? 3 : 6);
            break;
        case 2:
            hex(dice.pick(2) == 0 ? 4 : 8);
            break;
        case 3: {
            constexpr int kParts[] = {0, 20, 128, 255, 300};
            const bool percent = dice.pick(3) == 0;
            int part[3];
            text.clear();
            text += "rgb(";
            for (int i = 0; i < 3; ++i) {
                part[i] = percent ? kParts[dice.pick(4)] % 101 : dice.of(kParts);
                if (i > 0)
                    text += dice.pick(2) == 0 ? ", " : ",";
                text += std::to_string(part[i]);
                if (percent)
                    text += '%';
            }
            text += ')';
            const auto channel = [&](int v) {
                return std::min(255, percent ? static_cast<int>(std::lround(v * 2.55)) : v);
            };
            meant = Rgb{channel(part[0]), channel(part[1]), channel(part[2])};
            break;
        }
        case 4:
            text.clear();
            text += dice.pick(2) == 0 ? "hsl(0, 100%, 50%)" : "hsl(240,100%,50%)";
            meant = text[4] == '0' ? Rgb{255, 0, 0} : Rgb{0, 0, 255};
            break;
        default:
            reference = dice.pick(2) == 0 ? "#a" : "#lg1";
            text = "url(" + reference + ")" + (dice.pick(3) == 0 ? " green" : "");
            break;
    }
    const Slip& slip = kSlips[dice.pick(kSlipsAround)];
    text = slip.before + text + slip.after;
    const bool fallback = text.find(") green") != std::string::npos;
    return broken<T>(row, text, [&](const Xml::TXmlAttribute<T>& attribute) {
        const auto& held = attribute.getValue();
        if (!slip.keeps || !opaque || fallback)
            return false;
        Core::SmartPtr<Drawing::Color> colour;
        if constexpr (paint) {
            if (!reference.empty())
                return held.getType() == Xml::SColor::Reference &&
                       held.getUrl().toUtf8() == reference;
            if (!meant)
                return held.getType() == Xml::SColor::None;
            colour = held.getColor();
        } else {
            colour = held;
        }
        if (!meant || !colour)
            return false;
        const Drawing::RGBValue rgb = colour->toRGB();
        return rgb.r == meant->r && rgb.g == meant->g && rgb.b == meant->b;
    });
}

// A URL as written in XSL-FO and CSS: url() with or without quotes, with
// blanks inside, in any case, or bare.
inline std::optional<std::string> urlCase(const AttributeRow& row, Dice& dice) {
    constexpr const char* kTargets[] = {"a.png", "#a", "img/b.svg"};
    constexpr const char* kForms[] = {"url(%)", "url('%')", "url(\"%\")",
                                      "%",      "url( % )", "URL(%)"};
    const std::string target = dice.of(kTargets);
    std::string text = dice.of(kForms);
    text.replace(text.find('%'), 1, target);
    // Blanks or quotes around still mean the target.
    const Slip& slip = kSlips[dice.pick(4)];
    text = slip.before + text + slip.after;
    return broken<Xml::Url>(row, text, [&](const Xml::TXmlAttribute<Xml::Url>& held) {
        return held.getValue().getUrl().toUtf8() == target;
    });
}

// Numbers joined by a separator of the grammar (blanks, a comma, or both),
// each with a unit when the list takes them.
inline std::string joined(const std::vector<std::string>& items, Dice& dice) {
    constexpr const char* kSeparators[] = {" ", ",", ", ", " , ", "  "};
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i)
        text += (i > 0 ? dice.of(kSeparators) : "") + items[i];
    return text;
}

// A dash array: one to four lengths, none negative.
inline std::optional<std::string> lengthListCase(const AttributeRow& row, Dice& dice) {
    constexpr Number kLengths[] = {{"0", 0}, {"1", 1}, {"0.5", .5}, {"12", 12}, {".25", .25}};
    constexpr const char* kUnits[] = {"", "px", "%", "mm", "em"};
    std::vector<std::string> items;
    std::vector<MeantMeasure> meant;
    for (std::size_t i = 0, count = 1 + dice.pick(4); i < count; ++i) {
        const Number& n = dice.of(kLengths);
        const std::string unit = dice.of(kUnits);
        items.push_back(n.text + unit);
        meant.push_back(measureMeant(row, n, unit));
    }
    const Slip& slip = kSlips[dice.pick(kSlipsAround)];
    const std::string text = slip.before + joined(items, dice) + slip.after;
    using List = Core::Vector<Xml::SLength>;
    return broken<List>(row, text, [&](const Xml::TXmlAttribute<List>& attribute) {
        const List& held = attribute.getValue();
        if (!slip.keeps || held.size() != static_cast<int>(meant.size()))
            return false;
        for (std::size_t i = 0; i < meant.size(); ++i) {
            const judging::HeldMeasure measure = judging::heldMeasure(held[static_cast<int>(i)]);
            const bool same =
                meant[i].is == MeantMeasure::Zero
                    ? measure.number == 0
                    : near(measure.number, meant[i].number) && measure.unit == meant[i].unit;
            if (!same)
                return false;
        }
        return true;
    });
}

// Points: pairs of numbers; an odd count is no list of points.
inline std::optional<std::string> pointsCase(const AttributeRow& row, Dice& dice) {
    std::vector<std::string> items;
    std::vector<double> meant;
    for (std::size_t i = 0, count = 1 + dice.pick(6); i < count; ++i) {
        const Number& n = kNumbers[dice.pick(kWithinFloat)];
        items.push_back(n.text);
        meant.push_back(n.value);
    }
    const Slip& slip = kSlips[dice.pick(kSlipsAround)];
    const std::string text = slip.before + joined(items, dice) + slip.after;
    using List = Core::Vector<Xml::Point>;
    return broken<List>(row, text, [&](const Xml::TXmlAttribute<List>& attribute) {
        const List& held = attribute.getValue();
        if (!slip.keeps || meant.size() % 2 != 0 ||
            2 * held.size() != static_cast<int>(meant.size()))
            return false;
        for (int i = 0; i < held.size(); ++i) {
            const Xml::Point& point = held[i];
            if (!near(point.getX().getSize(), meant[2 * i]) ||
                !near(point.getY().getSize(), meant[2 * i + 1]))
                return false;
        }
        return true;
    });
}

// Path data: commands with their arguments, in either case, arguments
// repeated without the letter, separators of every kind.
inline std::optional<std::string> pathCase(const AttributeRow& row, Dice& dice) {
    struct Command {
        char letter;
        int arity;
    };
    constexpr Command kCommands[] = {{'M', 2}, {'L', 2}, {'H', 1}, {'V', 1}, {'C', 6},
                                     {'S', 4}, {'Q', 4}, {'T', 2}, {'A', 7}, {'Z', 0}};
    std::vector<std::string> items;
    std::vector<std::pair<char, std::vector<double>>> meant;
    for (std::size_t c = 0, count = 1 + dice.pick(4); c < count; ++c) {
        const Command& command = c == 0 ? kCommands[0] : dice.of(kCommands);
        const bool relative = dice.pick(2) == 0;
        const char letter =
            relative ? static_cast<char>(std::tolower(command.letter)) : command.letter;
        items.emplace_back(1, letter);
        for (std::size_t r = 0, repeats = command.arity == 0 ? 1 : 1 + dice.pick(2); r < repeats;
             ++r) {
            // A moveto's repeats are linetos; an arc's flags are 0 or 1.
            meant.push_back({r == 0 || command.letter != 'M' ? letter : relative ? 'l' : 'L', {}});
            for (int a = 0; a < command.arity; ++a) {
                const bool flag = command.letter == 'A' && (a == 3 || a == 4);
                const Number& n = kNumbers[dice.pick(flag ? 2 : kWithinFloat)];
                items.push_back(n.text);
                meant.back().second.push_back(n.value);
            }
        }
    }
    const Slip& slip = kSlips[dice.pick(kSlipsAround)];
    const std::string text = slip.before + joined(items, dice) + slip.after;
    using List = Core::Vector<Xml::PathDataCommand>;
    return broken<List>(row, text, [&](const Xml::TXmlAttribute<List>& attribute) {
        const List& held = attribute.getValue();
        if (!slip.keeps || held.size() != static_cast<int>(meant.size()))
            return false;
        for (int i = 0; i < held.size(); ++i) {
            const Xml::PathDataCommand& command = held[i];
            char letter = static_cast<char>(Xml::commandLetter(command.type));
            if (command.relative)
                letter = static_cast<char>(std::tolower(letter));
            std::vector<double> arguments;
            Xml::forEachArgument(command, [&](const char*, const auto& argument) {
                if constexpr (std::is_same_v<std::decay_t<decltype(argument)>, Xml::SLength>)
                    arguments.push_back(argument.getSize());
                else
                    arguments.push_back(static_cast<double>(argument));
            });
            const auto& [meantLetter, meantArguments] = meant[static_cast<std::size_t>(i)];
            if (std::tolower(letter) != std::tolower(meantLetter) ||
                (meantLetter != 'z' && meantLetter != 'Z' && letter != meantLetter) ||
                !std::equal(arguments.begin(), arguments.end(), meantArguments.begin(),
                            meantArguments.end(), near))
                return false;
        }
        return true;
    });
}

// A view box: four numbers (blanks or commas), or a slip of three, a unit, a
// negative size.
inline std::optional<std::string> viewBoxCase(const AttributeRow& row, Dice& dice) {
    struct Box {
        std::vector<std::string> numbers;
        bool valid;
    };
    const Box kBoxes[] = {{{"0", "0", "100", "100"}, true},
                          {{"-5", "10", "20.5", "1e2"}, true},
                          {{"0", "0", "100"}, false},
                          {{"0", "0", "10px", "10"}, false},
                          {{"0", "0", "-10", "10"}, false}};
    const Box& box = dice.of(kBoxes);
    std::string plain;
    for (const std::string& number : box.numbers) {
        if (!plain.empty())
            plain += ' ';
        plain += number;
    }
    const Slip& slip = kSlips[dice.pick(kSlipsAround)];
    return sameAsPlain<Xml::ViewBox>(
        row, plain, slip.before + joined(box.numbers, dice) + slip.after, slip.keeps && box.valid);
}

// An alignment with meet or slice, in another case or with more blanks.
inline std::optional<std::string> aspectRatioCase(const AttributeRow& row, Dice& dice) {
    constexpr const char* kAlign[] = {"none",     "xMinYMin", "xMidYMin", "xMaxYMin", "xMinYMid",
                                      "xMidYMid", "xMaxYMid", "xMinYMax", "xMidYMax", "xMaxYMax"};
    constexpr const char* kFit[] = {"", "meet", "slice"};
    const std::string align = dice.of(kAlign);
    const std::string fit = dice.of(kFit);
    const std::string plain = fit.empty() ? align : align + " " + fit;
    const Slip& slip = kSlips[dice.pick(kSlipsAround)];
    const std::string text = slip.before + (dice.pick(3) == 0 ? lowered(align) : align) +
                             (fit.empty()         ? ""
                              : dice.pick(2) == 0 ? "  "
                                                  : " ") +
                             fit + slip.after;
    return sameAsPlain<Xml::SPreserveAspectRatio>(row, plain, text, slip.keeps);
}

// A language tag of the table in any case, with "_" for "-", or with a
// region the table lacks.
inline std::optional<std::string> languageCase(const AttributeRow& row, Dice& dice) {
    const auto tags = Xml::Language::tags();
    const Xml::Language::Tag& tag = tags[dice.pick(tags.size())];
    const std::string plain = utf8Of(tag.tag);
    std::string text = cased(plain, dice);
    const std::size_t slip = dice.pick(4);
    if (slip == 1 && text.find('-') != std::string::npos)
        text[text.find('-')] = '_';
    const bool region = slip == 2 && plain.find('-') == std::string::npos;
    if (region)
        text += "-ZZ";
    const bool blanks = slip == 3;
    if (blanks)
        text = " " + text;
    return broken<Xml::Language>(row, text, [&](const Xml::TXmlAttribute<Xml::Language>& held) {
        return !blanks && text.find('_') == std::string::npos &&
               held.getValue() == Xml::Language(tag.language, tag.country);
    });
}

// One or two transform functions, with separators, a capital or blanks
// before ")".
inline std::optional<std::string> transformCase(const AttributeRow& row, Dice& dice) {
    constexpr const char* kNames[] = {"translate", "scale", "rotate", "skewX", "matrix"};
    constexpr const char* kSeparators[] = {",", " ", ", ", " ,"};
    std::string text;
    Core::Vector<Xml::Transform> meant;
    bool means = true;
    for (std::size_t f = 0, count = 1 + dice.pick(2); f < count; ++f) {
        const std::size_t function = dice.pick(std::size(kNames));
        const std::size_t slip = dice.pick(5);
        means = means && slip != 0;
        text += std::string(f > 0 ? " " : "") + (slip == 0 ? "Scale" : kNames[function]) + '(';
        double n[6];
        for (std::size_t i = 0; i < (function == 0 ? 2 : function == 4 ? 6 : 1); ++i) {
            const Number& number = kNumbers[dice.pick(kWithinFloat)];
            text += std::string(i > 0 ? dice.of(kSeparators) : "") + number.text;
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
    using List = Core::Vector<Xml::Transform>;
    return broken<List>(row, text, [&](const Xml::TXmlAttribute<List>& held) {
        return means && held.getValue() == meant;
    });
}

// Text decorations: one or two of the CSS keywords, blank- or
// comma-separated, in any case, or a word that is none of them.
inline std::optional<std::string> decorationCase(const AttributeRow& row, Dice& dice) {
    constexpr const char* kWords[] = {"underline", "overline", "line-through",
                                      "none",      "blink",    "nonet"};
    bool flags[3] = {false, false, false};
    bool means = true;
    std::string text;
    const std::size_t count = 1 + dice.pick(2);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t word = dice.pick(std::size(kWords));
        text += std::string(i > 0 ? dice.pick(2) == 0 ? " " : "," : "") + cased(kWords[word], dice);
        if (word < 3)
            flags[word] = true;
        means = means && word != 4 && word != 5 && (word != 3 || count == 1);
    }
    return broken<Xml::STextDecoration>(
        row, text, [&](const Xml::TXmlAttribute<Xml::STextDecoration>& held) {
            const Xml::STextDecoration& value = held.getValue();
            return means && value.isUnderline() == flags[0] && value.isOverline() == flags[1] &&
                   value.isLineThrough() == flags[2];
        });
}

using Case = std::optional<std::string> (*)(const AttributeRow&, Dice&);

// The case that writes texts of type T, by what T holds; none for a type no
// case writes.
template <class T>
constexpr Case caseOf() {
    if constexpr (Xml::KeywordEnum<T>)
        return &keywordCase<T>;
    else if constexpr (std::is_same_v<T, float> || std::is_same_v<T, int> ||
                       std::is_same_v<T, Xml::FloatOrPercent>)
        return &numberCase<T>;
    else if constexpr (std::is_same_v<T, Core::SmartPtr<Drawing::Color>> ||
                       std::is_same_v<T, Xml::SColor>)
        return &colourCase<T>;
    else if constexpr (std::is_same_v<T, Xml::Url>)
        return &urlCase;
    else if constexpr (std::is_same_v<T, Core::Vector<Xml::SLength>>)
        return &lengthListCase;
    else if constexpr (std::is_same_v<T, Core::Vector<Xml::Point>>)
        return &pointsCase;
    else if constexpr (std::is_same_v<T, Core::Vector<Xml::PathDataCommand>>)
        return &pathCase;
    else if constexpr (std::is_same_v<T, Xml::ViewBox>)
        return &viewBoxCase;
    else if constexpr (std::is_same_v<T, Xml::SPreserveAspectRatio>)
        return &aspectRatioCase;
    else if constexpr (std::is_same_v<T, Xml::Language>)
        return &languageCase;
    else if constexpr (std::is_same_v<T, Xml::InitialPageNumber>)
        return &pageNumberCase;
    else if constexpr (std::is_same_v<T, Core::Vector<Xml::Transform>>)
        return &transformCase;
    else if constexpr (std::is_same_v<T, Xml::STextDecoration>)
        return &decorationCase;
    else if constexpr (judging::MeasureShaped<T>)
        return &measureCase<T>;
    else
        return nullptr;
}

// Each type of the tool's list by name, with its case.
template <class... Types>
std::map<std::string_view, Case> casesByName(xmlattr_tool::TypeList<Types...>) {
    return {{Types::name, caseOf<typename Types::type>()}...};
}

// The case of each row of the lint's table, null where no case writes its
// type (the property test requires none).
inline const std::vector<Case>& rowCases() {
    static const std::vector<Case> cases = [] {
        const std::map<std::string_view, Case> byName = casesByName(xmlattr_tool::AllTypes{});
        std::vector<Case> all;
        for (const AttributeRow& row : attributeRows())
            all.push_back(byName.at(row.type));
        return all;
    }();
    return cases;
}

// One text for one row of the table, chosen by the seed; what breaks the
// rule, or none.
inline std::optional<std::string> authorsText(unsigned long long seed) {
    Dice dice{seed};
    const std::size_t row = dice.pick(attributeRows().size());
    const Case written = rowCases()[row];
    return written != nullptr ? written(attributeRows()[row], dice) : std::nullopt;
}

}  // namespace xmlattr::lint::truth
