#include "platform/Color.h"

#include <cmath>
#include <utility>

namespace Drawing {

namespace {

// Clamps to [0, 1]; NaN counts as 0.
double unit(double x) {
    return x > 0 ? (x < 1 ? x : 1.0) : 0.0;
}

std::uint8_t toByte(double fraction) {
    return static_cast<std::uint8_t>(std::lround(unit(fraction) * 255.0));
}

}  // namespace

double luminanceOf(const RGBValue& rgb) {
    return (0.299 * rgb.r + 0.587 * rgb.g + 0.114 * rgb.b) / 255.0;
}

RGBValue cmykToRGB(double c, double m, double y, double k) {
    const double white = 1.0 - unit(k);
    return {toByte((1.0 - unit(c)) * white), toByte((1.0 - unit(m)) * white),
            toByte((1.0 - unit(y)) * white)};
}

double ICCColorSpace::toGray(const Color& color) const {
    return color.getLuminance();
}

Core::SmartPtr<Color> RGBColor::clone() const {
    return new RGBColor(*this);
}

Core::SmartPtr<Color> CMYKColor::clone() const {
    return new CMYKColor(*this);
}

RGBValue CMYKColor::toRGB() const {
    return cmykToRGB(c_, m_, y_, k_);
}

ICCColor::ICCColor(int count, const float components[kMaxComponents],
                   Core::SmartPtr<ICCColorSpace> colorSpace)
    : count_(count), colorSpace_(std::move(colorSpace)) {
    for (int i = 0; i < count && i < kMaxComponents; ++i)
        components_[i] = components[i];
}

// The clone shares the colour space: spaces are immutable.
Core::SmartPtr<Color> ICCColor::clone() const {
    return new ICCColor(*this);
}

float ICCColor::getColor(int i) const {
    return i >= 0 && i < kMaxComponents ? components_[i] : 0.0f;
}

}  // namespace Drawing
