// Point lists: the numbers an author wrote (blanks and commas between, a
// unit after each allowed) against the coordinates held, in order.
#include <initializer_list>

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
    if (same && written == coordinates)
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

}  // namespace xmlattr::lint::judging
