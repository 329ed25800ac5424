#include "platform/DateTime.h"

namespace Core {

namespace {

bool isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : kDays[month - 1];
}

// Reads minDigits to maxDigits decimal digits at text[pos]; pos moves past them.
bool readDigits(std::wstring_view text, std::size_t& pos, int minDigits, int maxDigits, int& out) {
    int value = 0;
    int count = 0;
    while (pos < text.size() && count < maxDigits && String::isDigit(text[pos])) {
        value = value * 10 + static_cast<int>(text[pos] - L'0');
        ++pos;
        ++count;
    }
    out = value;
    return count >= minDigits;
}

bool expect(std::wstring_view text, std::size_t& pos, wchar_t unit) {
    if (pos >= text.size() || text[pos] != unit)
        return false;
    ++pos;
    return true;
}

// Writes value as exactly `digits` decimal digits, zero-padded.
void appendPadded(String& out, int value, int digits) {
    wchar_t units[4];
    for (int i = digits - 1; i >= 0; --i) {
        units[i] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    }
    out.append(units, digits);
}

}  // namespace

bool DateTime::isValidDate(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

bool DateTime::parseMDYDate(std::wstring_view text, DateTime& out) {
    std::size_t pos = 0;
    int month = 0;
    int day = 0;
    int year = 0;
    if (!readDigits(text, pos, 1, 2, month) || !expect(text, pos, L'/') ||
        !readDigits(text, pos, 1, 2, day) || !expect(text, pos, L'/') ||
        !readDigits(text, pos, 4, 4, year) || pos != text.size()) {
        return false;
    }
    if (!isValidDate(year, month, day))
        return false;
    out = DateTime(year, month, day);
    return true;
}

String DateTime::toDateString(DateFormat format) const {
    String text;
    if (isEmpty() || format != DateFormat::MonthDayYear)
        return text;
    appendPadded(text, month_, 2);
    text += L'/';
    appendPadded(text, day_, 2);
    text += L'/';
    appendPadded(text, year_, 4);
    return text;
}

}  // namespace Core
