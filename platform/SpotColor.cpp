#include "platform/SpotColor.h"

#include <cmath>
#include <map>
#include <mutex>
#include <string>

#include "platform/Format.h"

namespace Drawing {

namespace {

// Reads "name(a,b,...)" with exactly count arguments after optional leading
// white space; the pieces between the marks go to args, untrimmed.
bool splitFunction(std::wstring_view text, std::wstring_view name, int count,
                   std::wstring_view* args) {
    std::size_t pos = 0;
    while (pos < text.size() && Core::String::isSpace(text[pos]))
        ++pos;
    text.remove_prefix(pos);
    if (text.substr(0, name.size()) != name)
        return false;
    text.remove_prefix(name.size());
    if (text.empty() || text.front() != L'(' || text.back() != L')')
        return false;
    text = text.substr(1, text.size() - 2);
    for (int i = 0; i < count; ++i) {
        const std::size_t comma = text.find(L',');
        if ((comma == std::wstring_view::npos) != (i == count - 1))
            return false;
        args[i] = text.substr(0, comma);
        if (comma != std::wstring_view::npos)
            text.remove_prefix(comma + 1);
    }
    return true;
}

std::wstring_view trimEnd(std::wstring_view text) {
    while (!text.empty() && Core::String::isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::mutex& mapperMutex() {
    static std::mutex mutex;
    return mutex;
}

std::map<std::wstring, ColorSubstitute, std::less<>>& mapperTable() {
    static std::map<std::wstring, ColorSubstitute, std::less<>> table;
    return table;
}

}  // namespace

void ColorSubstitute::setRGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    hasRGB_ = true;
    r_ = r;
    g_ = g;
    b_ = b;
}

void ColorSubstitute::setCMYK(double c, double m, double y, double k) {
    hasCMYK_ = true;
    c_ = c;
    m_ = m;
    y_ = y;
    k_ = k;
}

bool operator==(const ColorSubstitute& a, const ColorSubstitute& b) {
    return a.hasRGB_ == b.hasRGB_ && a.hasCMYK_ == b.hasCMYK_ && a.r_ == b.r_ && a.g_ == b.g_ &&
           a.b_ == b.b_ && a.c_ == b.c_ && a.m_ == b.m_ && a.y_ == b.y_ && a.k_ == b.k_;
}

bool ColorSubstitute::parseColorFunctionString(std::wstring_view text, ColorSubstitute& out) {
    std::wstring_view args[4];
    if (splitFunction(text, L"rgb", 3, args)) {
        int rgb[3];
        for (int i = 0; i < 3; ++i) {
            // Integers only: the number reader would also take a trailing "%".
            if (trimEnd(args[i]).ends_with(L'%'))
                return false;
            if (!Core::Format::parseInt(args[i], rgb[i]) || rgb[i] < 0 || rgb[i] > 255) {
                return false;
            }
        }
        ColorSubstitute value;
        value.setRGB(static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                     static_cast<std::uint8_t>(rgb[2]));
        out = value;
        return true;
    }
    if (splitFunction(text, L"cmyk", 4, args)) {
        double cmyk[4];
        for (int i = 0; i < 4; ++i) {
            float number = 0;
            if (!Core::Format::parseFloat(args[i], number))
                return false;
            cmyk[i] = trimEnd(args[i]).ends_with(L'%') ? number / 100.0 : number;
        }
        ColorSubstitute value;
        value.setCMYK(cmyk[0], cmyk[1], cmyk[2], cmyk[3]);
        out = value;
        return true;
    }
    return false;
}

SpotColor::SpotColor(const Core::String& name, float tint, std::uint8_t r, std::uint8_t g,
                     std::uint8_t b)
    : name_(name), tint_(tint) {
    substitute_.setRGB(r, g, b);
}

SpotColor::SpotColor(const Core::String& name, float tint, float c, float m, float y, float k)
    : name_(name), tint_(tint) {
    substitute_.setCMYK(c, m, y, k);
}

Core::SmartPtr<Color> SpotColor::clone() const {
    return new SpotColor(name_, tint_, substitute_);
}

RGBValue SpotColor::toRGB() const {
    RGBValue full;
    if (substitute_.hasCMYKSubstitute()) {
        full = cmykToRGB(substitute_.getC(), substitute_.getM(), substitute_.getY(),
                         substitute_.getK());
    } else if (substitute_.hasRGBSubstitute()) {
        full = {substitute_.getR(), substitute_.getG(), substitute_.getB()};
    }
    const double tint = tint_ > 0 ? (tint_ < 1 ? static_cast<double>(tint_) : 1.0) : 0.0;
    const auto tinted = [tint](std::uint8_t v) {
        return static_cast<std::uint8_t>(std::lround(255.0 - tint * (255.0 - v)));
    };
    return {tinted(full.r), tinted(full.g), tinted(full.b)};
}

ColorSubstitute SpotColorMapper::getColorSubstitute(const Core::String& name) {
    std::lock_guard<std::mutex> lock(mapperMutex());
    const auto& table = mapperTable();
    const auto found = table.find(name.view());
    return found == table.end() ? ColorSubstitute() : found->second;
}

void SpotColorMapper::setColorSubstitute(const Core::String& name,
                                         const ColorSubstitute& substitute) {
    std::lock_guard<std::mutex> lock(mapperMutex());
    mapperTable().insert_or_assign(std::wstring(name.view()), substitute);
}

void SpotColorMapper::clearColorSubstitutes() {
    std::lock_guard<std::mutex> lock(mapperMutex());
    mapperTable().clear();
}

}  // namespace Drawing
