// Colours: the library reads them whole; what lint reads is the components
// of rgb(), which an author may write as percentages or beyond 0-255.
#include <algorithm>
#include <cmath>
#include <vector>

#include "tools/lint/judge/Shapes.h"

namespace xmlattr::lint::judging {

namespace {

// One component of rgb(): where it stands in the text, and its number as
// written (none for what is not a number alone).
struct Component {
    std::size_t begin;
    std::size_t end;
    std::optional<float> number;
    bool percent;
};

// The text with each component replaced by the whole number given for it.
template <class Value>
std::string withComponents(Text text, const std::vector<Component>& components, Value value) {
    std::string out;
    std::size_t copied = 0;
    for (const Component& component : components) {
        out += utf8(text.substr(copied, component.begin - copied));
        out += std::to_string(value(component));
        copied = component.end;
    }
    out += utf8(text.substr(copied));
    return out;
}

// Percentages of 255, clamped to 0-255 as CSS does; safe when each is a
// whole number within range. None unless every component is a percentage.
std::optional<Rewrite> percentFix(Text text, const std::vector<Component>& components) {
    bool exact = true;
    for (const Component& component : components) {
        if (!component.number || !component.percent || !std::isfinite(*component.number))
            return std::nullopt;
        const double value = static_cast<double>(*component.number) * 255 / 100;
        exact = exact && value >= 0 && value <= 255 &&
                std::fabs(value - std::round(value)) <= 1e-6 * std::max(1.0, value);
    }
    std::string fixed = withComponents(text, components, [](const Component& component) {
        const double value = static_cast<double>(*component.number) * 255 / 100;
        return static_cast<int>(std::clamp(std::round(value), 0.0, 255.0));
    });
    return Rewrite{std::move(fixed), exact,
                   exact ? "write the components as numbers from 0 to 255"
                         : "write the components as numbers from 0 to 255, rounded"};
}

// Components outside 0-255 clamped, as CSS does.
std::optional<Rewrite> rangeFix(Text text, const std::vector<Component>& components) {
    std::vector<Component> outside;
    for (const Component& component : components) {
        if (!component.number || component.percent)
            return std::nullopt;
        if (*component.number < 0 || *component.number > 255)
            outside.push_back(component);
    }
    std::string fixed = withComponents(
        text, outside, [](const Component& component) { return *component.number < 0 ? 0 : 255; });
    return Rewrite{std::move(fixed), false, "clamp the components to 0-255"};
}

}  // namespace

std::optional<Verdict> judgeColour(Text text) {
    const Text written = trim(text);
    if (!startsFolded(written, L"rgb("sv))
        return std::nullopt;
    const std::size_t insideAt = static_cast<std::size_t>(written.data() - text.data()) + 4;
    Text inside = text.substr(insideAt);
    inside = inside.substr(0, inside.find(L')'));
    // Calls onComponent with each component, placed in text.
    const auto forEachComponent = [&](auto onComponent) {
        for (std::size_t pos = 0; pos <= inside.size();) {
            const std::size_t end = std::min(inside.find(L',', pos), inside.size());
            const Text component = trim(inside.substr(pos, end - pos));
            const std::size_t begin =
                insideAt + static_cast<std::size_t>(component.data() - inside.data());
            std::size_t at = 0;
            std::optional<float> value = readNumber(component, at);
            const bool percent = at < component.size() && component[at] == L'%';
            if (!onComponent(Component{begin, begin + component.size(), value, percent},
                             at + (percent ? 1 : 0) == component.size()))
                return;
            pos = end + 1;
        }
    };
    // The components, gathered only for a fix.
    const auto components = [&] {
        std::vector<Component> all;
        forEachComponent([&](Component component, bool numberAlone) {
            if (!numberAlone)
                component.number.reset();
            all.push_back(component);
            return true;
        });
        return all;
    };
    // A percentage of 0 reads as 0 either way.
    bool percentOtherThanZero = false;
    if (inside.find(L'%') != Text::npos) {
        forEachComponent([&](const Component& component, bool) {
            percentOtherThanZero =
                component.percent && (!component.number || *component.number != 0);
            return !percentOtherThanZero;
        });
    }
    if (percentOtherThanZero) {
        Verdict verdict =
            finding(Kind::RgbPercent, "percentages inside rgb() are read as numbers from 0 to 255");
        verdict.fix = percentFix(text, components());
        return verdict;
    }
    std::optional<Verdict> verdict;
    forEachComponent([&](const Component& component, bool) {
        if (!component.number || (*component.number >= 0 && *component.number <= 255))
            return true;
        const Text shown = text.substr(component.begin, component.end - component.begin);
        verdict =
            finding(Kind::RgbOutOfRange,
                    concat({"rgb() components run from 0 to 255; ", utf8(shown), " wraps around"}));
        return false;
    });
    if (verdict)
        verdict->fix = rangeFix(text, components());
    return verdict;
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
            return concat({"url(", held.getUrl().toUtf8(), ")"});
        case Xml::SColor::ColorValue:
            return colourShown(held.getColor());
    }
    return "no colour";
}

}  // namespace xmlattr::lint::judging
