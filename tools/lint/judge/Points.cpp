// Point lists: the numbers an author wrote (blanks and commas between, a
// unit after each allowed) against the coordinates held, in order; and the
// aspect ratio of a view box, its words against the bits held.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <vector>

#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

std::optional<Verdict> judgePoints(Text text, const Core::Vector<Xml::Point>& held) {
    const int coordinates = held.size() * 2;
    const auto heldNumber = [&](int i) {
        const Xml::Point& point = held[i / 2];
        return (i % 2 == 0 ? point.getX() : point.getY()).getSize();
    };
    int written = 0;
    bool same = true;
    bool exponent = false;  // some number has an exponent
    Splices plain;          // the numbers written without exponents
    bool rewritable = true;
    Text runTogether;  // a number run into the next one's point
    std::size_t pos = 0;
    for (;;) {
        while (pos < text.size() && (isBlank(text[pos]) || text[pos] == L','))
            ++pos;
        if (pos == text.size())
            break;
        const std::size_t start = pos;
        const auto value = readNumber(text, pos);
        if (!value)
            break;
        noteExponent(text, start, pos, exponent, rewritable, plain);
        same = same && written < coordinates && sameNumber(heldNumber(written), *value);
        ++written;
        skipUnit(text, pos);
        noteRunTogether(text, start, pos, runTogether, plain);
    }
    if (same && written == coordinates && pos == text.size())
        return std::nullopt;
    if (exponent && text.find(L'-') != Text::npos) {
        Verdict verdict = finding(Kind::NumberSplit,
                                  "the point grammar splits a number at the '-' of its exponent");
        if (rewritable)
            verdict.fix =
                Rewrite{plain.appliedTo(text), true, "write the numbers without exponents"};
        return verdict;
    }
    if (!runTogether.empty()) {
        Verdict verdict = finding(
            Kind::NumberSplit,
            concat({"two numbers written together (", utf8(runTogether), ") are read as one"}));
        if (rewritable)
            verdict.fix = Rewrite{plain.appliedTo(text), true, "separate the numbers"};
        return verdict;
    }
    if (pos < text.size())
        return finding(Kind::ReadsDifferently,
                       concat({"'", utf8(text.substr(pos)),
                               "' is no number: the points from there on are not read"}));
    return finding(Kind::ReadsDifferently, "the points read are not the ones written");
}

std::string pointsShown(const Core::Vector<Xml::Point>& held) {
    bool inEx = false;
    for (int i = 0; i < held.size(); ++i) {
        inEx = inEx || held[i].getX().getUnit() == Xml::SLength::Ex ||
               held[i].getY().getUnit() == Xml::SLength::Ex;
    }
    if (!inEx)
        return Xml::Point::getPointListValueAsString(held).toUtf8();
    // The library writes every coordinate in pixels, and ex has no size in
    // pixels: the numbers as held.
    std::string out;
    for (int i = 0; i < held.size(); ++i) {
        for (const Xml::SLength* coordinate : {&held[i].getX(), &held[i].getY()}) {
            if (!out.empty())
                out += ' ';
            out += numberShown(coordinate->getSize());
        }
    }
    return out;
}

namespace {

using Ratio = Xml::SPreserveAspectRatio;

constexpr std::wstring_view kHalves[] = {L"min", L"mid", L"max"};  // folded
constexpr const char* kHalvesShown[] = {"Min", "Mid", "Max"};

// The bits of an alignment word in any case ("xmidymax"), or none.
std::optional<int> alignmentOf(Text word) {
    if (word.size() == 4 && startsFolded(word, L"none"))
        return Ratio::None;
    if (word.size() != 8 || lower(word[0]) != L'x' || lower(word[4]) != L'y')
        return std::nullopt;
    int bits[2] = {0, 0};
    for (int axis = 0; axis < 2; ++axis) {
        const Text half = word.substr(static_cast<std::size_t>(axis) * 4 + 1, 3);
        for (int i = 0; i < 3; ++i) {
            if (startsFolded(half, kHalves[i]))
                bits[axis] = (axis == 0 ? Ratio::XMin : Ratio::YMin) << i;
        }
    }
    return bits[0] != 0 && bits[1] != 0 ? std::optional<int>(bits[0] | bits[1]) : std::nullopt;
}

// The bits of meet or slice in any case; none for another word.
std::optional<int> fitOf(Text word) {
    if (word.empty() || (word.size() == 4 && startsFolded(word, L"meet")))
        return Ratio::Meet;
    if (word.size() == 5 && startsFolded(word, L"slice"))
        return Ratio::Slice;
    return std::nullopt;
}

}  // namespace

std::optional<Verdict> judgeAspectRatio(Text text, const Xml::SPreserveAspectRatio& held) {
    std::vector<Text> words;
    for (std::size_t pos = 0; pos < text.size();) {
        while (pos < text.size() && isBlank(text[pos]))
            ++pos;
        const std::size_t start = pos;
        while (pos < text.size() && !isBlank(text[pos]))
            ++pos;
        if (pos > start)
            words.push_back(text.substr(start, pos - start));
    }
    if (!words.empty() && words[0] == L"defer"sv)
        return finding(Kind::ReadsDifferently, "'defer' is not read: the words after it are lost");
    const std::optional<int> align = words.empty() ? std::nullopt : alignmentOf(words[0]);
    if (!align)
        return finding(Kind::ReadsDifferently,
                       concat({"'", utf8(words.empty() ? text : words[0]),
                               "' is no alignment (none, xMinYMin ... xMaxYMax)"}));
    const std::optional<int> fit = fitOf(words.size() > 1 ? words[1] : Text());
    if (!fit || words.size() > 2)
        return finding(Kind::ReadsDifferently,
                       "only an alignment and meet or slice are read; the rest is lost");
    // With none, meet or slice means nothing.
    if ((*align == Ratio::None ? *align : *align | *fit) == held.getAspectRatio())
        return std::nullopt;
    return finding(Kind::ReadsDifferently,
                   "the words are read in their exact case only (xMidYMid, meet)");
}

namespace {

// A number of a view box: most are whole numbers of a few digits, read here
// exactly and at once; the others by the library's reader.
std::optional<float> readViewBoxNumber(Text text, std::size_t& pos) {
    std::size_t end = pos;
    std::uint32_t whole = 0;
    while (end < text.size() && end - pos < 7 && isDigit(text[end]))
        whole = whole * 10 + static_cast<std::uint32_t>(text[end++] - L'0');
    if (end > pos && (end == text.size() || isBlank(text[end]) || text[end] == L',')) {
        pos = end;
        return static_cast<float>(whole);
    }
    return readNumber(text, pos);
}

// A side's number as held: view boxes hold lengths in user units.
double sideOf(const Xml::SLengthOrPercent& side) {
    return side.isPercent() ? static_cast<double>(side.getPercent()) * 100
                            : side.getLength().getSize();
}

}  // namespace

std::optional<Verdict> judgeViewBox(Text text, const Xml::ViewBox& held) {
    const double heldNumbers[4] = {sideOf(held.getX()), sideOf(held.getY()),
                                   sideOf(held.getWidth()), sideOf(held.getHeight())};
    int count = 0;
    bool same = true;
    bool negative = false;
    for (std::size_t pos = 0;;) {
        while (pos < text.size() && (isBlank(text[pos]) || text[pos] == L','))
            ++pos;
        if (pos == text.size())
            break;
        const std::optional<float> value = readViewBoxNumber(text, pos);
        if (!value || (pos < text.size() && !isBlank(text[pos]) && text[pos] != L','))
            return finding(Kind::ReadsDifferently,
                           concat({"a view box is four numbers, without units: read as ",
                                   viewBoxShown(held)}));
        same = same && count < 4 && sameNumber(heldNumbers[count], *value);
        negative = negative || (count >= 2 && *value < 0);
        ++count;
    }
    if (count != 4)
        return finding(Kind::ReadsDifferently,
                       concat({"a view box is four numbers, not ", std::to_string(count)}));
    if (negative)
        return finding(Kind::ReadsDifferently,
                       "a negative width or height is an error: the view box is not used");
    if (!same)
        return finding(Kind::ReadsDifferently, "the numbers read are not the ones written");
    return std::nullopt;
}

std::string viewBoxShown(const Xml::ViewBox& held) {
    std::string out;
    for (const Xml::SLengthOrPercent* side :
         {&held.getX(), &held.getY(), &held.getWidth(), &held.getHeight()}) {
        if (!out.empty())
            out += ' ';
        out += numberShown(sideOf(*side));
    }
    return out;
}

std::string aspectRatioShown(const Xml::SPreserveAspectRatio& held) {
    const int bits = held.getAspectRatio();
    if (bits & Ratio::None)
        return "none";
    std::string out;
    for (int axis = 0; axis < 2; ++axis) {
        out += axis == 0 ? 'x' : 'Y';
        for (int i = 0; i < 3; ++i) {
            if (bits & ((axis == 0 ? Ratio::XMin : Ratio::YMin) << i))
                out += kHalvesShown[i];
        }
    }
    if (bits & Ratio::Meet)
        out += " meet";
    else if (bits & Ratio::Slice)
        out += " slice";
    return out;
}

}  // namespace xmlattr::lint::judging
