#include "css/lengths/Length.h"

#include "platform/Exception.h"
#include "platform/Format.h"
#include "platform/StringFormatStream.h"

namespace Xml {

namespace {

// Centimetre and millimetre divisors are the single-precision constants
// widened to double, so conversions agree with the rest of the engine.
constexpr double kCmPerInch = static_cast<double>(2.54f);
constexpr double kMmPerInch = static_cast<double>(25.4f);

// Pixels of a size in one of the units both length types share; the
// operations run left to right in double and are narrowed once.
float sharedPxSize(double size, int unit) {
    switch (unit) {
        case Length::Px:
            return static_cast<float>(size * 96 / 96);
        case Length::Pt:
            return static_cast<float>(size * 96 / 72);
        case Length::Cm:
            return static_cast<float>(size * 96 / kCmPerInch);
        case Length::Mm:
            return static_cast<float>(size * 96 / kMmPerInch);
        case Length::In:
            return static_cast<float>(size * 96);
        case Length::Em:
            return static_cast<float>(size * 96 / 1536);
        default:
            return 0;
    }
}

float picaPxSize(double size) {
    return static_cast<float>(size * 12 * 96 / 72);
}

}  // namespace

namespace detail {

int lengthUnitOfSuffix(wchar_t first, wchar_t second) {
    switch (first) {
        case L'p':
            return second == L'x'   ? Length::Px
                   : second == L't' ? Length::Pt
                   : second == L'c' ? Length::Pc
                                    : -1;
        case L'c':
            return second == L'm' ? Length::Cm : -1;
        case L'm':
            return second == L'm' ? Length::Mm : -1;
        case L'i':
            return second == L'n' ? Length::In : -1;
        case L'e':
            return second == L'm' ? Length::Em : second == L'x' ? Length::Ex : -1;
        default:
            return -1;
    }
}

SLength::Unit sLengthUnitOfSuffix(wchar_t first, wchar_t second) {
    switch (lengthUnitOfSuffix(first, second)) {
        case Length::Pt:
            return SLength::Pt;
        case Length::Pc:
            return SLength::Pc;
        case Length::Cm:
            return SLength::Cm;
        case Length::Mm:
            return SLength::Mm;
        case Length::In:
            return SLength::In;
        case Length::Em:
            return SLength::Em;
        case Length::Ex:
            return SLength::Ex;
        default:  // "px" and every unknown suffix
            return SLength::Px;
    }
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
    switch (unit_) {
        case Pc:
            return picaPxSize(size_);
        case Ex:  // no fixed size: a programming error
            Core::raise<Core::UnreacheableCodeException>("LengthAttribute", 158);
            return 0;  // not reached: raise throws
        default:
            return sharedPxSize(size_, unit_);
    }
}

bool Length::parseLength(Length& target, const Core::String& text) {
    return detail::parseLength(target, text.view());
}

Core::String Length::getValueAsString(const Length& length) {
    const wchar_t* pattern = nullptr;
    switch (length.unit_) {
        case Px:
            pattern = L"{0}px";
            break;
        case Pt:
            pattern = L"{0}pt";
            break;
        case Pc:
            pattern = L"{0}pc";
            break;
        case Cm:
            pattern = L"{0}cm";
            break;
        case Mm:
            pattern = L"{0}mm";
            break;
        case In:
            pattern = L"{0}in";
            break;
        case Em:
            pattern = L"{0}em";
            break;
        case Ex:
            pattern = L"{0}ex";
            break;
        default:
            Core::raise<Core::UnreacheableCodeException>("LengthAttribute", 130);
            return Core::String();  // not reached: raise throws
    }
    return (Core::StringFormatStream(pattern) << length.size_).getString();
}

float SLength::pxSize() const {
    switch (unit_) {
        case Pc:
            return picaPxSize(size_);
        case Percent:
            return size_;
        case Ex:  // no fixed size: a programming error
            Core::raise<Core::UnreacheableCodeException>("LengthAttribute", 302);
            return 0;  // not reached: raise throws
        case Px:
        case Pt:
        case Cm:
        case Mm:
        case In:
        case Em:
            return sharedPxSize(size_, unit_);
        default:  // includes 2, which no SLength unit uses
            return 0;
    }
}

bool SLength::parseSLength(SLength& target, const Core::String& text) {
    return detail::parseSLength(target, text.view());
}

template class TXmlAttribute<Length>;
template class TXmlAttribute<SLength>;

}  // namespace Xml
