// How xmlattr lint reads an attribute text as its author wrote it: numbers as
// CSS and SVG write them, a measure and what follows it, SVG number lists,
// paths and transform lists. Only closely enough to say what the text meant;
// what the engine makes of it is the library's to say.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace xmlattr_tool::lint {

// The parts joined, built in place: g++ 12 at -O3 misreads "literal" +
// std::string&& as an overlapping copy (-Wrestrict).
std::string concat(std::initializer_list<std::string_view> parts);

// A blank, tab, line feed or carriage return: white space as XML and CSS
// have it.
bool isBlank(char c);
std::string_view trim(std::string_view text);
std::string lower(std::string_view text);  // ASCII letters only

// A number: a sign, digits with an optional fraction, an optional exponent
// (an "e" followed by a digit, so "1em" is 1 and "em"). Advances pos past
// it; no number leaves pos alone.
std::optional<double> readNumber(std::string_view text, std::size_t& pos);

// px, pt, pc, cm, mm, in, em, ex or %.
bool knownUnit(std::string_view unit);

// One measure as written: a number and what follows it.
struct WrittenMeasure {
    bool blankAround = false;  // blanks before or after the text
    bool word = false;         // the whole text is one word ("auto", "medium")
    bool function = false;     // it opens with "name("
    std::string_view functionName;
    std::optional<double> argument;  // "name(number)": the number
    bool number = false;
    double value = 0;
    std::string unit;       // the letters or "%" after the number
    std::string_view rest;  // what follows the number and unit, trimmed
};
WrittenMeasure readMeasure(std::string_view text);

// Whether what follows a first number is arithmetic rather than more values.
bool isExpression(std::string_view rest);

// The numbers of an SVG number list (blanks and commas between, a unit after
// each allowed), up to the first thing that is not a number.
struct NumberList {
    std::vector<double> values;
    bool exponent = false;  // some number has an exponent
};
NumberList readNumbers(std::string_view text);

// A path as SVG reads it: every command with its numbers, a command letter
// followed by several groups of numbers counting once per group, and arc
// flags a single digit each.
struct WrittenPath {
    int commands = 0;
    bool implicit = false;  // a letter followed by more than one group
    bool exponent = false;
    bool compactFlags = false;  // an arc flag run into the next number
    std::vector<double> numbers;
};
WrittenPath readPath(std::string_view text);

// The function names of a transform list, in order, lower-cased.
std::vector<std::string> readTransformNames(std::string_view text);

}  // namespace xmlattr_tool::lint
