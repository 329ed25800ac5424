/// @file
/// Core::DateTime: a calendar date (year, month, day) of the Core library.
///
/// Texts are read and written in the month/day/year form: "3/7/2026" and
/// "03/07/2026" are the 7th of March 2026. A default DateTime is the empty
/// date, which sorts before every real date and writes as the empty text.
#pragma once

#include "platform/Export.h"

#include <cstdint>
#include <string_view>

#include "platform/String.h"

namespace Core {

/// How toDateString writes a date.
enum class XMLATTR_API DateFormat : std::int32_t {
    MonthDayYear = 1,  ///< "03/07/2026": two-digit month and day, four-digit year
};

/// A calendar date, or the empty date.
class XMLATTR_API DateTime {
  public:
    DateTime() = default;  ///< the empty date
    /// The caller gives a valid date (see isValidDate); nothing is checked.
    DateTime(int year, int month, int day) : year_(year), month_(month), day_(day) {}

    /// The year, month (1 to 12) and day of the month; all 0 for the empty date.
    ///@{
    int getYear() const { return year_; }
    int getMonth() const { return month_; }
    int getDay() const { return day_; }
    ///@}
    /// True for the empty date.
    bool isEmpty() const { return month_ == 0; }

    /// True for a day of the Gregorian calendar in the years 1 to 9999.
    static bool isValidDate(int year, int month, int day);

    /// Reads a whole text "M/D/YYYY": one or two digits of month, one or two of
    /// day, exactly four of year, separated by "/" and nothing else (no blanks).
    /// An impossible date (2/29/2023, 13/1/2026) is refused. On false, out is
    /// left as it was.
    ///@{
    static bool parseMDYDate(const String& text, DateTime& out) {
        return parseMDYDate(text.view(), out);
    }
    static bool parseMDYDate(std::wstring_view text, DateTime& out);
    ///@}

    /// The date in the given form; the empty date, and a format this library
    /// does not know, give the empty text.
    String toDateString(DateFormat format) const;

    /// Same year, month and day.
    friend bool operator==(const DateTime& a, const DateTime& b) {
        return a.year_ == b.year_ && a.month_ == b.month_ && a.day_ == b.day_;
    }
    /// Calendar order; the empty date comes first.
    ///@{
    friend bool operator<(const DateTime& a, const DateTime& b) { return a.key() < b.key(); }
    friend bool operator>(const DateTime& a, const DateTime& b) { return b < a; }
    ///@}

  private:
    // Calendar order as one number: year, then month, then day.
    std::int64_t key() const {
        return (static_cast<std::int64_t>(year_) * 16 + month_) * 32 + day_;
    }

    int year_ = 0;
    int month_ = 0;
    int day_ = 0;
};

}  // namespace Core
