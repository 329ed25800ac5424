/// @file
/// Core::Format: the number services every parser reads numbers through.
///
/// Grammar (after leading white space): an optional "+" or "-", then a decimal
/// number (integers: digits; floats: digits with an optional fraction and an
/// optional "e"/"E" exponent, where ".5" and "5." are numbers and "." is not).
/// The checking forms also accept one trailing "%" and trailing white space.
///
/// Floats are read exactly: every float is the one std::from_chars gives for
/// the same digits (correctly rounded, ties to even), whichever route
/// scanFloat takes to it.
#pragma once

#include "platform/Export.h"

#include <cfloat>
#include <cstdint>
#include <limits>
#include <string_view>

#include "platform/String.h"

namespace Core {

/// The number readers; every function is static.
struct XMLATTR_API Format {
    /// Whole-text conversions: true with the number, or false with out untouched.
    /// Values beyond int or float range are false.
    ///@{
    static bool parseInt(const String& text, int& out) { return parseInt(text.view(), out); }
    static bool parseFloat(const String& text, float& out) { return parseFloat(text.view(), out); }
    static bool parseInt(std::wstring_view text, int& out);
    static bool parseFloat(std::wstring_view text, float& out);
    ///@}

    /// One or more hexadecimal digits of either case, bare or after "0x", and
    /// nothing else; up to 32 bits.
    ///@{
    static bool parseHexInt(const String& text, int& out) { return parseHexInt(text.view(), out); }
    static bool parseHexInt(std::wstring_view text, int& out);
    ///@}

    /// The longest number at the start of the text (after white space); 0 where
    /// there is none. Magnitudes beyond range clamp to the largest finite value.
    ///@{
    static int parseInt(const String& text) { return parseInt(text.view()); }
    static float parseFloat(const String& text) { return parseFloat(text.view()); }
    static int parseInt(std::wstring_view text);
    static float parseFloat(std::wstring_view text);
    ///@}

    /// What scanFloat gives. scanFloat is the float reader behind every form
    /// above, for scanners that walk a longer text: the longest float of the
    /// grammar starting exactly at first (no white space is skipped). Without
    /// a number, end is first and value 0.
    /// Beyond float range, value is the largest finite float of the sign and
    /// inRange is false; a magnitude too small for a float gives the nearest
    /// float, down to a zero of the sign. With signedExponent false an exponent
    /// is digits only, so "1e-5" reads as "1" (for grammars where a sign always
    /// starts the next number).
    struct ScannedFloat {
        const wchar_t* end;  ///< just past the number; first when there is none
        float value;         ///< the number read, 0 when there is none
        bool inRange;        ///< false when the magnitude was beyond float range
    };
    /// Reads the float starting at first, by the rules given with ScannedFloat.
    static ScannedFloat scanFloat(const wchar_t* first, const wchar_t* last,
                                  bool signedExponent = true);

  private:
    static ScannedFloat convertFloat(const wchar_t* first, const wchar_t* digits,
                                     const wchar_t* end, bool negative);
};

// Why the short route of scanFloat is exact: a significand m <= 2^24 and
// 10^k for k <= 10 (5^10 < 2^24) are both exactly representable floats, so
// m * 10^k and m / 10^k are single IEEE operations on exact operands, each
// correctly rounded to nearest, ties to even: the float nearest the decimal,
// which is what std::from_chars returns. That needs IEEE single precision
// evaluated in single precision (no wider intermediate, no fast-math).
static_assert(std::numeric_limits<float>::is_iec559, "the exact float route needs IEEE floats");
static_assert(FLT_EVAL_METHOD == 0, "the exact float route needs float arithmetic in float");
#if defined(__FAST_MATH__)
#error "Core::Format reads floats exactly; do not build it with -ffast-math"
#endif

namespace format_detail {

inline constexpr std::uint32_t kMaxExactSignificand = 1u << 24;
inline constexpr int kMaxExactPower = 10;
inline constexpr float kPowersOfTen[kMaxExactPower + 1] = {1e0f, 1e1f, 1e2f, 1e3f, 1e4f, 1e5f,
                                                           1e6f, 1e7f, 1e8f, 1e9f, 1e10f};

inline bool isDigit(wchar_t c) {
    return static_cast<unsigned>(c) - L'0' < 10u;
}

}  // namespace format_detail

// Inline: the geometry scanners call it once per coordinate. Every unit is
// looked at once; the digits are gathered into an integer on the way, and
// only numbers outside the short route go to std::from_chars.
inline Format::ScannedFloat Format::scanFloat(const wchar_t* first, const wchar_t* last,
                                              bool signedExponent) {
    using namespace format_detail;
    const wchar_t* p = first;
    bool negative = false;
    if (p != last && (*p == L'+' || *p == L'-')) {
        negative = *p == L'-';
        ++p;
    }
    const wchar_t* const digitsBegin = p;
    // The digits gather into an integer as they pass. Up to 19 digits cannot
    // overflow it; more (rare) take the long route whatever their value.
    std::uint64_t significand = 0;
    while (p != last && isDigit(*p))
        significand = significand * 10 + static_cast<unsigned>(*p++ - L'0');
    long digits = p - digitsBegin;
    long power = 0;  // the exponent minus the fraction digits
    if (p != last && *p == L'.') {
        const wchar_t* q = p + 1;
        while (q != last && isDigit(*q))
            significand = significand * 10 + static_cast<unsigned>(*q++ - L'0');
        const long fraction = q - p - 1;
        if (digits + fraction > 0) {  // "." alone is no number
            p = q;
            digits += fraction;
            power = -fraction;
        }
    }
    if (digits == 0)
        return {first, 0.0f, true};
    if (p != last && (*p == L'e' || *p == L'E')) {
        const wchar_t* q = p + 1;
        bool negativeExponent = false;
        if (signedExponent && q != last && (*q == L'+' || *q == L'-'))
            negativeExponent = *q++ == L'-';
        const wchar_t* const exponentDigits = q;
        long exponent = 0;
        while (q != last && isDigit(*q)) {
            if (exponent < 100000)  // far beyond any float; keeps the sum finite
                exponent = exponent * 10 + (*q - L'0');
            ++q;
        }
        if (q != exponentDigits) {
            p = q;
            power += negativeExponent ? -exponent : exponent;
        }
    }
    if (digits <= 19 && significand <= kMaxExactSignificand && power >= -kMaxExactPower &&
        power <= kMaxExactPower) {
        const float m = static_cast<float>(significand);
        const float value = power < 0 ? m / kPowersOfTen[-power] : m * kPowersOfTen[power];
        return {p, negative ? -value : value, true};
    }
    return convertFloat(first, digitsBegin, p, negative);
}

}  // namespace Core
