/// @file
/// Reading and writing of the payment date shown by the payment-entry control.
#pragma once

#include <chrono>
#include <string>
#include <string_view>

#include "readings/numbers.h"

namespace corvane {

/// A calendar date.
using Date = std::chrono::year_month_day;

/// @{
/// The first and last dates the date picker accepts.
inline constexpr Date kFirstPickerDate{std::chrono::year{1900}, std::chrono::January,
                                       std::chrono::day{1}};
inline constexpr Date kLastPickerDate{std::chrono::year{2060}, std::chrono::December,
                                      std::chrono::day{31}};
/// @}

/// True when `d` is a real calendar date between kFirstPickerDate and kLastPickerDate inclusive.
bool InPickerRange(Date d) noexcept;

/// Reads a date in one of the forms "M d, y", "M d y", "d M y", "y-m-d" or "m/d/y" (M an English
/// month name or its three-letter abbreviation in any case, d and m one or two digits, y four
/// digits; blanks around the text and one or more blanks where a form shows one). The result
/// satisfies InPickerRange. Throws ReadError("'<text>' is not a date") for anything else.
Date ReadDate(std::string_view text);

/// Returns "MMM DD, YYYY", such as "Dec 06, 2026"; ReadDate reads it back.
/// Throws std::invalid_argument when `d` is not a valid date with a year in 0..9999.
std::string FormatPaymentDate(Date d);

/// Returns "YYYY-MM-DD", such as "2026-12-06".
/// Throws std::invalid_argument when `d` is not a valid date with a year in 0..9999.
std::string FormatIsoDate(Date d);

/// Returns the machine's current local date. Throws std::runtime_error if the clock cannot be
/// converted to local time.
Date LocalToday();

}  // namespace corvane
