// Colours: the library reads them whole; what lint reads is the components
// of rgb(), which an author may write as percentages or beyond 0-255.
#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

namespace {

// Whether text starts with prefix, ASCII letters of text in either case.
bool startsWithLower(Text text, std::wstring_view prefix) {
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lower(text[i]) != prefix[i])
            return false;
    }
    return true;
}

}  // namespace

std::optional<Verdict> judgeColour(Text text) {
    const Text written = trim(text);
    if (!startsWithLower(written, L"rgb("sv))
        return std::nullopt;
    Text inside = written.substr(4);
    inside = inside.substr(0, inside.find(L')'));
    if (inside.find(L'%') != Text::npos)
        return finding(Kind::RgbPercent,
                       "percentages inside rgb() are read as numbers from 0 to 255");
    for (std::size_t pos = 0; pos <= inside.size();) {
        const std::size_t end = std::min(inside.find(L',', pos), inside.size());
        const Text component = trim(inside.substr(pos, end - pos));
        std::size_t at = 0;
        if (const auto value = readNumber(component, at); value && (*value < 0 || *value > 255))
            return finding(Kind::RgbOutOfRange, concat({"rgb() components run from 0 to 255; ",
                                                        utf8(component), " wraps around"}));
        pos = end + 1;
    }
    return std::nullopt;
}

std::string colourShown(const Core::SmartPtr<Drawing::Color>& held) {
    const std::string shown = Xml::ColorParse::getColorAsString(held).toUtf8();
    return shown.empty() ? "no colour" : shown;
}

std::string colourShown(const Xml::SColor& held) {
    switch (held.getType()) {
        case Xml::SColor::None:
            return "none";
        case Xml::SColor::Reference:
            return "reference";
        case Xml::SColor::ColorValue:
            return colourShown(held.getColor());
    }
    return "no colour";
}

}  // namespace xmlattr::lint::judging
