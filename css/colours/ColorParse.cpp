#include "css/colours/ColorParse.h"

#include <cstdint>
#include <string_view>

#include "css/colours/NamedColors.h"
#include "platform/Format.h"
#include "platform/Log.h"
#include "platform/StringFormatStream.h"

namespace Xml {

namespace {

using Drawing::Color;
using View = std::wstring_view;

// Message numbers of the colour warnings.
constexpr int kSpotColorWarning = 30000;
constexpr int kSpotColorWithoutSubstitute = 30001;
constexpr int kICCColorWarning = 30002;

// rgb components wrap rather than clamp: 256 is 0, -1 is 255.
std::uint8_t low8(long long value) {
    return static_cast<std::uint8_t>(static_cast<unsigned long long>(value) & 0xFFu);
}

// The attribute's pointer itself, so a parser can replace it in place.
SmartPtr<Color>& held(ColorAttribute* attribute) {
    return *attribute->operator->();
}

// The units strictly between two marks.
View between(View text, int open, int close) {
    return text.substr(static_cast<std::size_t>(open + 1),
                       static_cast<std::size_t>(close - open - 1));
}

bool readRGB(const Core::String& text, SmartPtr<Color>& color) {
    const int open = text.find(L'(');
    if (open < 0)
        return false;
    const int comma1 = text.find(L',', open + 1);
    if (comma1 < 0)
        return false;
    const int comma2 = text.find(L',', comma1 + 1);
    if (comma2 < 0)
        return false;
    const int close = text.find(L')', comma2 + 1);
    if (close < 0)
        return false;

    const View view = text.view();
    int red = 0;
    int green = 0;
    int blue = 0;
    if (!Core::Format::parseInt(between(view, open, comma1), red) ||
        !Core::Format::parseInt(between(view, comma1, comma2), green) ||
        !Core::Format::parseInt(between(view, comma2, close), blue)) {
        return false;
    }
    color = new Drawing::RGBColor(low8(red), low8(green), low8(blue));
    return true;
}

bool readCMYK(const Core::String& text, SmartPtr<Color>& color) {
    int marks[5];
    marks[0] = text.find(L'(');
    if (marks[0] < 0)
        return false;
    for (int i = 1; i < 5; ++i) {
        marks[i] = text.find(i < 4 ? L',' : L')', marks[i - 1] + 1);
        if (marks[i] < 0)
            return false;
    }

    const View view = text.view();
    float values[4];
    for (int i = 0; i < 4; ++i) {
        const View component = between(view, marks[i], marks[i + 1]);
        if (!Core::Format::parseFloat(component, values[i]))
            return false;
        if (component.ends_with(L'%')) {
            values[i] = static_cast<float>(static_cast<double>(values[i]) / 100.0);
        }
    }
    color = new Drawing::CMYKColor(values[0], values[1], values[2], values[3]);
    return true;
}

bool readHexaColor(const Core::String& text, SmartPtr<Color>& color) {
    int values[3];
    if (text.length() == 4 && text[0] == L'#') {
        // "#f80" reads as "ff", "88", "00".
        for (int i = 0; i < 3; ++i) {
            const wchar_t pair[2] = {text[1 + i], text[1 + i]};
            if (!Core::Format::parseHexInt(View(pair, 2), values[i]))
                return false;
        }
    } else if (text.length() == 7 && text[0] == L'#') {
        for (int i = 0; i < 3; ++i) {
            const wchar_t pair[4] = {L'0', L'x', text[1 + 2 * i], text[2 + 2 * i]};
            if (!Core::Format::parseHexInt(View(pair, 4), values[i]))
                return false;
        }
    } else {
        return false;
    }
    color = new Drawing::RGBColor(low8(values[0]), low8(values[1]), low8(values[2]));
    return true;
}

bool readICCColor(const Core::String& text, SmartPtr<Color>& color) {
    int position = text.find(L'(');
    if (position < 0) {
        ColorParse::logColorWarning(kICCColorWarning, text);
        return false;
    }
    // red, green, blue, profile, then up to four components.
    Core::String args[8];
    for (Core::String& arg : args)
        arg = ColorParse::nextFunctionArgument(text, position);
    const Core::String& profile = args[3];
    if (args[0].empty() || args[1].empty() || args[2].empty() || profile.empty() ||
        profile[0] != L'#') {
        ColorParse::logColorWarning(kICCColorWarning, text);
        return false;
    }
    const Core::String profileName = profile.subString(1, profile.length() - 1);

    int rgb[3];
    for (int i = 0; i < 3; ++i) {
        if (!Core::Format::parseInt(args[i], rgb[i]))
            return false;
    }

    float components[Drawing::ICCColor::kMaxComponents] = {0, 0, 0, 0};
    for (int i = 0; i < Drawing::ICCColor::kMaxComponents; ++i) {
        if (!args[4 + i].empty())
            components[i] = Core::Format::parseFloat(args[4 + i]);
    }
    int count = 0;
    if (!args[4].empty() && !args[5].empty() && !args[6].empty() && !args[7].empty()) {
        count = 4;
    } else if (!args[4].empty() && !args[5].empty() && !args[6].empty()) {
        count = 3;
    } else if (!args[4].empty()) {
        count = 1;  // also with two components: the second is not counted
    } else {
        ColorParse::logColorWarning(kICCColorWarning, text);
        return false;
    }

    std::uint8_t fallBack[3];
    for (int i = 0; i < 3; ++i) {
        // A percentage is scaled to 0..255, truncating (50% is 127).
        const long long value =
            args[i].view().ends_with(L'%') ? static_cast<long long>(rgb[i]) * 255 / 100 : rgb[i];
        fallBack[i] = low8(value);
    }

    // Each ICC colour gets a colour space of its own; profiles are not cached.
    const SmartPtr<Drawing::ICCColorSpace> space = new Drawing::ICCColorSpace(profileName);
    const SmartPtr<Drawing::ICCColor> icc = new Drawing::ICCColor(count, components, space);
    icc->setFallBack(fallBack[0], fallBack[1], fallBack[2]);
    color = icc;
    return true;
}

bool readSpotColor(const Core::String& text, SmartPtr<Color>& color) {
    const View view = text.view();
    const int length = text.length();
    const int open = text.find(L'(');
    if (open < 0 || open == length - 1) {
        ColorParse::logColorWarning(kSpotColorWarning, text);
        return false;
    }
    const bool closed = view[static_cast<std::size_t>(length - 1)] == L')';
    // The next "," or ")" at or after from and before the last unit, or -1.
    const auto findMark = [&](int from) {
        for (int i = from; i < length - 1; ++i) {
            const wchar_t c = view[static_cast<std::size_t>(i)];
            if (c == L',' || c == L')')
                return i;
        }
        return -1;
    };

    Core::String name;
    float tint = 1.0f;
    int functionStart = 0;
    const int nameEnd = findMark(open + 1);
    if (nameEnd < 0) {
        // spot-color(name): the closing ")" ends the name.
        if (!closed) {
            ColorParse::logColorWarning(kSpotColorWarning, text);
            return false;
        }
        name = text.subString(open + 1, length - 2);
        functionStart = length - 1;
    } else {
        name = text.subString(open + 1, nameEnd - 1);
        const int secondStart = nameEnd + 1;
        int secondEnd = findMark(secondStart);
        if (secondEnd < 0) {
            if (!closed) {
                ColorParse::logColorWarning(kSpotColorWarning, text);
                return false;
            }
            secondEnd = length - 1;
        }
        const View second = between(view, nameEnd, secondEnd);
        if (!second.empty() && second.find(L"rgb") == View::npos &&
            second.find(L"cmyk") == View::npos) {
            tint = Core::Format::parseFloat(second);
            functionStart = secondEnd + 1;
        } else {
            functionStart = secondStart;  // no tint: the colour function starts here
        }
    }
    // The colour function runs up to the spot colour's own closing unit.
    const View function =
        functionStart < length - 1 ? between(view, functionStart - 1, length - 1) : View();

    Drawing::ColorSubstitute substitute;
    if (!Drawing::ColorSubstitute::parseColorFunctionString(function, substitute)) {
        substitute = Drawing::SpotColorMapper::getColorSubstitute(name);
    }
    if (substitute.hasCMYKSubstitute()) {
        color = new Drawing::SpotColor(name, tint, static_cast<float>(substitute.getC()),
                                       static_cast<float>(substitute.getM()),
                                       static_cast<float>(substitute.getY()),
                                       static_cast<float>(substitute.getK()));
    } else if (substitute.hasRGBSubstitute()) {
        color = new Drawing::SpotColor(name, tint, substitute.getR(), substitute.getG(),
                                       substitute.getB());
    } else {
        const std::uint8_t black = 0;
        color = new Drawing::SpotColor(name, tint, black, black, black);
        ColorParse::logColorWarning(kSpotColorWithoutSubstitute, name);
    }
    return true;
}

bool readColorName(const Core::String& text, SmartPtr<Color>& color) {
    const NamedColors::Entry* entry = NamedColors::find(text.view());
    if (entry == nullptr)
        return false;
    if (entry->hasColor) {
        color = new Drawing::RGBColor(entry->r, entry->g, entry->b);
    } else {
        color = nullptr;
    }
    return true;
}

}  // namespace

bool ColorParse::parseColor(SmartPtr<Drawing::Color>& color, const Core::String& text) {
    // The forms are tried by exact-case prefix in the order "rgb-icc",
    // "spot-color", "rgb", "cmyk", "#", then names. Only the prefixes that
    // share the text's first unit can match, so that unit picks the reader.
    const View view = text.view();
    switch (view.empty() ? L'\0' : view[0]) {
        case L'r':
            if (view.starts_with(L"rgb-icc"))
                return readICCColor(text, color);
            if (view.starts_with(L"rgb"))
                return readRGB(text, color);
            break;
        case L's':
            if (view.starts_with(L"spot-color"))
                return readSpotColor(text, color);
            break;
        case L'c':
            if (view.starts_with(L"cmyk"))
                return readCMYK(text, color);
            break;
        case L'#':
            return readHexaColor(text, color);
        default:
            break;
    }
    return readColorName(text, color);
}

bool ColorParse::parseRGB(const Core::String& text, ColorAttribute* attribute) {
    return readRGB(text, held(attribute));
}

bool ColorParse::parseCMYKString(Core::String text, ColorAttribute* attribute) {
    return readCMYK(text, held(attribute));
}

bool ColorParse::parseHexaColor(const Core::String& text, ColorAttribute* attribute) {
    return readHexaColor(text, held(attribute));
}

bool ColorParse::parseICCColor(const Core::String& text, ColorAttribute* attribute) {
    return readICCColor(text, held(attribute));
}

bool ColorParse::parseSpotColor(const Core::String& text, ColorAttribute* attribute) {
    return readSpotColor(text, held(attribute));
}

bool ColorParse::parseColorName(const Core::String& text, ColorAttribute* attribute) {
    return readColorName(text, held(attribute));
}

Core::String ColorParse::nextFunctionArgument(const Core::String& text, int& position) {
    const int length = text.length();
    if (position >= length)
        return Core::String();
    if (text[position] == L',' || text[position] == L'(')
        ++position;
    const int start = position;
    // A ")" is never stepped over, so every argument after it is empty.
    while (position < length && text[position] != L',' && text[position] != L')')
        ++position;
    if (position >= length)
        return Core::String();
    Core::String argument = text.subString(start, position - 1);
    argument.trim();
    return argument;
}

void ColorParse::logColorWarning(int id, const Core::String& argument) {
    Core::VariantArray arguments;
    arguments << argument;
    Core::StringFormatStream stream(Core::String::loadString(id));
    stream << arguments;
    Core::Log::warning(stream.getString());
}

Core::String ColorParse::getColorAsString(SmartPtr<Drawing::Color> color) {
    if (!color)
        return Core::String();
    const Color* value = color.get();

    if (const auto* rgb = dynamic_cast<const Drawing::RGBColor*>(value)) {
        return (Core::StringFormatStream(L"rgb({0},{1},{2})")
                << static_cast<int>(rgb->getR()) << static_cast<int>(rgb->getG())
                << static_cast<int>(rgb->getB()))
            .getString();
    }
    if (const auto* cmyk = dynamic_cast<const Drawing::CMYKColor*>(value)) {
        return (Core::StringFormatStream(L"cmyk({0},{1},{2},{3})")
                << cmyk->getC() << cmyk->getM() << cmyk->getY() << cmyk->getK())
            .getString();
    }
    if (const auto* icc = dynamic_cast<const Drawing::ICCColor*>(value)) {
        const SmartPtr<Drawing::ColorSpace> space = icc->getColorSpace();
        // An ICC colour's space is an ICC space; an empty one raises here.
        const auto* profile = static_cast<const Drawing::ICCColorSpace*>(space.operator->());
        const wchar_t* format = nullptr;
        switch (icc->getColorCount()) {
            case 1:
                format = L"rgb-icc({0},{1},{2},#{3},{4})";
                break;
            case 3:
                format = L"rgb-icc({0},{1},{2},#{3},{4}, {5}, {6})";
                break;
            case 4:
                format = L"rgb-icc({0},{1},{2},#{3},{4}, {5}, {6}, {7})";
                break;
            default:
                return Core::String();
        }
        Core::StringFormatStream stream(format);
        stream << static_cast<int>(icc->getFallBackR()) << static_cast<int>(icc->getFallBackG())
               << static_cast<int>(icc->getFallBackB()) << profile->getProfileName();
        for (int i = 0; i < icc->getColorCount(); ++i)
            stream << icc->getColor(i);
        return stream.getString();
    }
    if (const auto* spot = dynamic_cast<const Drawing::SpotColor*>(value)) {
        const Drawing::ColorSubstitute& substitute = spot->getColorSubstitute();
        if (substitute.hasCMYKSubstitute()) {
            return (Core::StringFormatStream(L"spot-color({0},{1},cmyk({2},{3},{4},{5}))")
                    << spot->getColorName() << spot->getTint() << substitute.getC()
                    << substitute.getM() << substitute.getY() << substitute.getK())
                .getString();
        }
        if (substitute.hasRGBSubstitute()) {
            return (Core::StringFormatStream(L"spot-color({0},{1},rgb({2},{3},{4}))")
                    << spot->getColorName() << spot->getTint()
                    << static_cast<int>(substitute.getR()) << static_cast<int>(substitute.getG())
                    << static_cast<int>(substitute.getB()))
                .getString();
        }
        return Core::String();
    }
    return Core::String();
}

template class TXmlAttribute<SmartPtr<Drawing::Color>>;

}  // namespace Xml
