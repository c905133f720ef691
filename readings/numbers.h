/// @file
/// Reading and writing of numbers typed into, and handed out of, the payment-entry control.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace corvane {

/// Raised when a text that has to be read as a value is not one.
class ReadError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// Returns the number at the start of `text`, ignoring blanks (space, tab, line feed, carriage
/// return) anywhere in it. Reading stops at the first character that cannot continue the number;
/// a text that does not start with a number gives 0. Values beyond the range of a double give
/// infinity of their sign, underflow gives 0 (or a denormal). Never throws.
double LenientNumber(std::string_view text) noexcept;

/// Returns the value of `text`, which must be a number as a whole: optional surrounding spaces or
/// tabs, optional sign, digits with ',' allowed between integer digits, optional fraction and
/// exponent. Throws ReadError("'<text>' is not a number") otherwise, or when the value is beyond
/// the range of a double.
double StrictNumber(std::string_view text);

/// Returns `value` in the amount pattern "0.00": rounded to hundredths, halves away from zero as
/// judged on its 15-significant-digit decimal text, never "-0.00", never exponent form.
/// Throws std::overflow_error("numeric overflow") when `value` is not finite.
std::string FormatAmount(double value);

/// As FormatAmount(value), with `decimals` decimals in place of two: "0" for none, "0.000"
/// for three (the rounding judged the same way). Throws std::invalid_argument for decimals
/// outside 0 to 3.
std::string FormatAmount(double value, int decimals);

/// Returns `value` with at most 15 significant digits and no trailing zeros; plain notation for
/// 1e-5 <= |value| < 1e15 (after rounding), otherwise "<mantissa>E<sign><2+ digits>".
/// Throws std::overflow_error("numeric overflow") when `value` is not finite.
std::string GeneralNumber(double value);

/// Returns `text` in single quotes for an error message; a text longer than 40 code points is cut
/// to its first 40 followed by "..." inside the quotes. Never throws except std::bad_alloc.
std::string QuoteForMessage(std::string_view text);

}  // namespace corvane
