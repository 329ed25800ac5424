#include "css/lengths/Length.h"

#include <array>

#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/StringFormatStream.h"

namespace Xml {

namespace {

// Pixels of a size in unit, by its row of kLengthUnits; the operations run
// left to right in double and are narrowed once.
float tablePxSize(double size, int unit) {
    const LengthUnit& row = kLengthUnits[unit];
    return static_cast<float>(size * row.multiplier / row.divisor);
}

// The Length unit of each two-letter suffix of lowercase letters, or -1:
// kLengthUnits turned into one look-up at compile time.
constexpr int kLetters = 26;
constexpr auto kUnitBySuffix = [] {
    std::array<signed char, kLetters * kLetters> out{};
    out.fill(-1);
    for (std::size_t unit = 0; unit < std::size(kLengthUnits); ++unit) {
        const std::string_view suffix = kLengthUnits[unit].suffix;
        out[(suffix[0] - 'a') * kLetters + (suffix[1] - 'a')] = static_cast<signed char>(unit);
    }
    return out;
}();

}  // namespace

std::optional<Length::Unit> Length::unitOfSuffix(std::wstring_view suffix) {
    const int unit = suffix.size() == 2 ? detail::lengthUnitOfSuffix(suffix[0], suffix[1]) : -1;
    return unit < 0 ? std::nullopt : std::optional(static_cast<Unit>(unit));
}

namespace detail {

int lengthUnitOfSuffix(wchar_t first, wchar_t second) {
    if (first < L'a' || first > L'z' || second < L'a' || second > L'z')
        return -1;
    return kUnitBySuffix[(first - L'a') * kLetters + (second - L'a')];
}

SLength::Unit sLengthUnitOfSuffix(wchar_t first, wchar_t second) {
    const int unit = lengthUnitOfSuffix(first, second);
    // "px" and every unknown suffix are pixels.
    return static_cast<SLength::Unit>(unit < 0 ? 0 : kLengthUnits[unit].svgUnit);
}

bool parseLength(Length& target, std::wstring_view text) {
    const std::size_t n = text.size();
    if (n == 0 || !startsNumber(text[0]))
        return false;
    if (n > 2) {
        const int unit = lengthUnitOfSuffix(text[n - 2], text[n - 1]);
        if (unit < 0)
            return false;
        // Whatever precedes the suffix goes to the converter as it stands.
        target = Length(Core::Format::parseFloat(text.substr(0, n - 2)),
                        static_cast<Length::Unit>(unit));
        return true;
    }
    // A short text must be a unitless zero, which is read as points.
    if (n == 1 && text[0] == L'0') {
        target = Length(0, Length::Pt);
        return true;
    }
    return false;
}

bool parseSLength(SLength& target, std::wstring_view text) {
    const std::size_t n = text.size();
    if (n == 0)
        return false;
    const wchar_t last = text[n - 1];
    if (n > 1 && last == L'%') {
        float value = 0;
        if (!Core::Format::parseFloat(text.substr(0, n - 1), value))
            return false;
        target = SLength(static_cast<float>(static_cast<double>(value) / 100), SLength::Percent);
        return true;
    }
    if (Core::String::isDigit(last)) {
        target = SLength(Core::Format::parseFloat(text), SLength::Px);
        return true;
    }
    if (n < 3)
        return false;
    target = SLength(Core::Format::parseFloat(text.substr(0, n - 2)),
                     sLengthUnitOfSuffix(text[n - 2], last));
    return true;
}

}  // namespace detail

float Length::pxSize() const {
    if (unit_ < Px || unit_ >= Ex) {
        if (unit_ == Ex)  // no fixed size: a programming error
            Core::raise<Core::UnreacheableCodeException>("LengthAttribute", 158);
        return 0;
    }
    return tablePxSize(size_, unit_);
}

bool Length::parseLength(Length& target, const Core::String& text) {
    return detail::parseLength(target, text.view());
}

Core::String Length::getValueAsString(const Length& length) {
    const std::string_view suffix = suffixOf(length.unit_);
    if (suffix.empty()) {
        Core::raise<Core::UnreacheableCodeException>("LengthAttribute", 130);
        return Core::String();  // not reached: raise throws
    }
    Core::String out = Core::formatNumber(length.size_);
    for (const char c : suffix)
        out += static_cast<wchar_t>(c);
    return out;
}

float SLength::pxSize() const {
    if (unit_ == Percent)
        return size_;
    if (unit_ == Ex)  // no fixed size: a programming error
        Core::raise<Core::UnreacheableCodeException>("LengthAttribute", 302);
    for (std::size_t unit = 0; unit < std::size(kLengthUnits); ++unit) {
        if (kLengthUnits[unit].svgUnit == unit_)
            return tablePxSize(size_, static_cast<int>(unit));
    }
    return 0;  // 2, which no SLength unit uses, and values outside the units
}

bool SLength::parseSLength(SLength& target, const Core::String& text) {
    return detail::parseSLength(target, text.view());
}

template class TXmlAttribute<Length>;
template class TXmlAttribute<SLength>;

}  // namespace Xml
