// Core::Format: the number services every parser reads numbers through.
//
// Grammar (after leading white space): an optional "+" or "-", then a decimal
// number (integers: digits; floats: digits with an optional fraction and an
// optional "e"/"E" exponent, where ".5" and "5." are numbers and "." is not).
// The checking forms also accept one trailing "%" and trailing white space.
#pragma once

#include <string_view>

#include "platform/String.h"

namespace Core {

struct Format {
    // Whole-text conversions: true with the number, or false with out untouched.
    // Values beyond int or float range are false.
    static bool parseInt(const String& text, int& out) { return parseInt(text.view(), out); }
    static bool parseFloat(const String& text, float& out) { return parseFloat(text.view(), out); }
    static bool parseInt(std::wstring_view text, int& out);
    static bool parseFloat(std::wstring_view text, float& out);

    // One or more hexadecimal digits of either case, bare or after "0x", and
    // nothing else; up to 32 bits.
    static bool parseHexInt(const String& text, int& out) { return parseHexInt(text.view(), out); }
    static bool parseHexInt(std::wstring_view text, int& out);

    // The longest number at the start of the text (after white space); 0 where
    // there is none. Magnitudes beyond range clamp to the largest finite value.
    static int parseInt(const String& text) { return parseInt(text.view()); }
    static float parseFloat(const String& text) { return parseFloat(text.view()); }
    static int parseInt(std::wstring_view text);
    static float parseFloat(std::wstring_view text);
};

}  // namespace Core
