// Path data: the commands and numbers an author wrote (a letter followed by
// several groups of numbers stands for as many commands, and arc flags are a
// single digit each) against the commands held, number by number.
#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>
#include <type_traits>

#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

namespace {

using Type = Xml::PathDataCommandType;

// The numbers of one held command, in the order path data writes them.
struct CommandNumbers {
    float values[7];
    int count = 0;
};

CommandNumbers numbersOf(const Xml::PathDataCommand& c) {
    CommandNumbers out;
    Xml::forEachArgument(c, [&](const char*, const auto& argument) {
        using Argument = std::decay_t<decltype(argument)>;
        if constexpr (std::is_same_v<Argument, Xml::SLength>)
            out.values[out.count++] = argument.getSize();
        else
            out.values[out.count++] = static_cast<float>(argument);  // the angle; a flag is 0 or 1
    });
    return out;
}

// The held numbers one after another, across commands.
class HeldNumbers {
  public:
    explicit HeldNumbers(const Core::Vector<Xml::PathDataCommand>& held) : held_(held) {}

    std::optional<float> next() {
        while (at_ == current_.count) {
            if (command_ == held_.size())
                return std::nullopt;
            current_ = numbersOf(held_[command_++]);
            at_ = 0;
        }
        return current_.values[at_++];
    }

  private:
    const Core::Vector<Xml::PathDataCommand>& held_;
    int command_ = 0;
    CommandNumbers current_;
    int at_ = 0;
};

// Numbers each ASCII command letter takes, in either case, from the path
// grammar's table; -1 for what is not a command letter.
constexpr std::array<std::int8_t, 128> kArity = [] {
    std::array<std::int8_t, 128> arity{};
    arity.fill(-1);
    for (const Xml::PathCommandGrammar& command : Xml::kPathCommands)
        arity[command.letter] = arity[command.letter + (L'a' - L'A')] =
            static_cast<std::int8_t>(command.arguments);
    return arity;
}();

int arity(wchar_t letter) {
    return static_cast<unsigned>(letter) < kArity.size() ? kArity[letter] : -1;
}

// The letter that repeats a command for a further group of numbers: a
// moveto's further pairs are linetos.
char repeatedLetter(wchar_t letter) {
    if (letter == L'M')
        return 'L';
    if (letter == L'm')
        return 'l';
    return static_cast<char>(letter);
}

}  // namespace

std::optional<Verdict> judgePath(Text text, const Core::Vector<Xml::PathDataCommand>& held) {
    int commands = 0;
    bool implicit = false;  // a letter followed by more than one group
    bool exponent = false;
    bool compactFlags = false;  // an arc flag run into the next number
    Text runTogether;           // a number run into the next one's point
    bool same = true;           // every number written is the one held
    // The text rewritten as its author meant it: each command's letter
    // written, flags and numbers separated, numbers without exponents.
    Splices rewrite;
    bool rewritable = true;
    HeldNumbers heldNumbers(held);
    std::size_t pos = 0;
    const auto separators = [&] {
        while (pos < text.size() && (isBlank(text[pos]) || text[pos] == L','))
            ++pos;
    };
    for (separators(); pos < text.size(); separators()) {
        const wchar_t letter = text[pos];
        const int count = arity(letter);
        if (count < 0)
            break;  // not a command letter: the rest is the library's to judge
        ++pos;
        if (count == 0) {
            ++commands;
            continue;
        }
        const bool blankAfterLetter = pos < text.size() && isBlank(text[pos]);
        const bool arc = count == 7;
        int groups = 0;
        for (;;) {
            const std::size_t groupSeparators = pos;
            Splices group;  // the changes within this group, kept once it is whole
            float numbers[7];
            int read = 0;
            for (; read < count; ++read) {
                separators();
                if (read == 0 && groups > 0 && pos < text.size() && arity(text[pos]) < 0) {
                    // A further group: its command's letter, after a blank
                    // rather than a comma.
                    const bool comma =
                        text.substr(groupSeparators, pos - groupSeparators).find(L',') !=
                        Text::npos;
                    std::string inserted = comma ? " " : "";
                    inserted += repeatedLetter(letter);
                    if (blankAfterLetter)
                        inserted += ' ';
                    group.add(comma ? groupSeparators : pos, pos, std::move(inserted));
                }
                if (arc && (read == 3 || read == 4) && pos < text.size() &&
                    (text[pos] == L'0' || text[pos] == L'1')) {
                    numbers[read] = static_cast<float>(text[pos] - L'0');
                    ++pos;
                    if (pos < text.size() && (isDigit(text[pos]) || text[pos] == L'.')) {
                        compactFlags = true;
                        group.add(pos, pos, " ");
                    }
                    continue;
                }
                const std::size_t start = pos;
                const auto value = readNumber(text, pos);
                if (!value)
                    break;
                noteExponent(text, start, pos, exponent, rewritable, group);
                numbers[read] = *value;
                skipUnit(text, pos);
                noteRunTogether(text, start, pos, runTogether, group);
            }
            if (read < count)
                break;
            rewrite.append(std::move(group));
            for (int k = 0; k < count && same; ++k) {
                const auto number = heldNumbers.next();
                same = number && sameNumber(*number, numbers[k]);
            }
            ++groups;
        }
        commands += std::max(groups, 1);
        implicit = implicit || groups > 1;
    }
    const auto withFix = [&](Verdict verdict, const char* description) {
        if (rewritable && !rewrite.empty())
            verdict.fix = Rewrite{rewrite.appliedTo(text), true, description};
        return verdict;
    };
    if (held.size() < commands && implicit)
        return withFix(finding(Kind::ImplicitCommands,
                               concat({"commands repeated without their letter are dropped: ",
                                       std::to_string(commands), " commands written, ",
                                       std::to_string(held.size()), " read"})),
                       "write the commands' letters");
    if (same && !heldNumbers.next())
        return std::nullopt;
    if (compactFlags)
        return withFix(finding(Kind::NumberSplit,
                               "arc flags written without a separator are read as one number"),
                       "separate the numbers");
    if (exponent)
        return withFix(
            finding(Kind::NumberSplit, "the path grammar splits a number with an exponent"),
            "write the numbers without exponents");
    if (!runTogether.empty())
        return withFix(finding(Kind::NumberSplit, concat({"two numbers written together (",
                                                          utf8(runTogether), ") are read as one"})),
                       "separate the numbers");
    return finding(Kind::ReadsDifferently, "the path read is not the one written");
}

std::string pathShown(const Core::Vector<Xml::PathDataCommand>& held) {
    ListShown shown(static_cast<std::size_t>(held.size()));
    for (int i = 0; i < held.size(); ++i) {
        const Xml::PathDataCommand& command = held[i];
        const wchar_t upper = Xml::commandLetter(command.type);
        char letter = upper == 0 ? '?' : static_cast<char>(upper);
        if (command.relative && upper != 0)
            letter = static_cast<char>(lower(upper));
        std::string item(1, letter);
        const CommandNumbers numbers = numbersOf(command);
        for (int k = 0; k < numbers.count; ++k) {
            if (k > 0)
                item += ' ';
            item += numberShown(numbers.values[k]);
        }
        if (!shown.add(item))
            break;
    }
    return std::move(shown).finish();
}

}  // namespace xmlattr::lint::judging
