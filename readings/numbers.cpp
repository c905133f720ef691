#include "readings/numbers.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <system_error>

namespace corvane {
namespace {

// More significant digits than can ever decide how a decimal rounds to a double (767).
constexpr std::size_t kMaxDigits = 800;
// Explicit exponents are saturated here; anything this large already decides the result.
constexpr std::int64_t kExponentLimit = 1'000'000'000;
// Beyond these decimal exponents of 0.<digits> the value is certainly inf or 0.
constexpr std::int64_t kOverflowPoint = 400;
constexpr std::int64_t kUnderflowPoint = -400;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A decimal value sign * 0.<digits> * 10^(point + exponent), assembled one digit at a time with
// bounded storage: digits past kMaxDigits are only remembered as "something non-zero followed".
class DecimalBuilder {
 public:
  void SetNegative() { negative_ = true; }
  void SetExponentNegative() { exponent_negative_ = true; }

  void AddIntegerDigit(char c) {
    if (count_ == 0 && c == '0') return;
    ++point_;
    Keep(c);
  }

  void AddFractionDigit(char c) {
    if (count_ == 0 && c == '0') {
      --point_;
      return;
    }
    Keep(c);
  }

  void AddExponentDigit(char c) {
    exponent_ = exponent_ * 10 + (c - '0');
    if (exponent_ > kExponentLimit) exponent_ = kExponentLimit;
  }

  // Correctly rounded value; `overflow` tells whether it lies beyond the range of a double, in
  // which case the result is infinity of the value's sign.
  double ToDouble(bool& overflow) const noexcept {
    overflow = false;
    const double zero = negative_ ? -0.0 : 0.0;
    const double inf = negative_ ? -std::numeric_limits<double>::infinity()
                                 : std::numeric_limits<double>::infinity();
    if (count_ == 0) return zero;
    const std::int64_t point = point_ + (exponent_negative_ ? -exponent_ : exponent_);
    if (point > kOverflowPoint) {
      overflow = true;
      return inf;
    }
    if (point < kUnderflowPoint) return zero;

    std::array<char, 1 + kMaxDigits + 1 + 1 + 24> text;
    char* out = text.data();
    if (negative_) *out++ = '-';
    for (std::size_t i = 0; i < count_; ++i) *out++ = digits_[i];
    std::int64_t written = static_cast<std::int64_t>(count_);
    if (truncated_) {
      *out++ = '1';  // stands for the dropped non-zero tail, so halfway cases round correctly
      ++written;
    }
    *out++ = 'e';
    out = std::to_chars(out, text.data() + text.size(), point - written).ptr;

    double value = 0.0;
    if (std::from_chars(text.data(), out, value).ec == std::errc::result_out_of_range) {
      if (point > 0) {
        overflow = true;
        return inf;
      }
      return zero;
    }
    return value;
  }

 private:
  void Keep(char c) {
    if (count_ < kMaxDigits) {
      digits_[count_++] = c;
    } else if (c != '0') {
      truncated_ = true;
    }
  }

  std::array<char, kMaxDigits> digits_{};
  std::size_t count_ = 0;
  bool truncated_ = false;
  bool negative_ = false;
  std::int64_t point_ = 0;
  std::int64_t exponent_ = 0;
  bool exponent_negative_ = false;
};

// Walks a text as if every blank in it were absent; '\0' stands for the end.
class BlankSkippingCursor {
 public:
  explicit BlankSkippingCursor(std::string_view text) : text_(text) {}

  char Peek() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    return pos_ < text_.size() ? text_[pos_] : '\0';
  }
  void Advance() { ++pos_; }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

  std::string_view text_;
  std::size_t pos_ = 0;
};

std::string_view TrimSpacesAndTabs(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

[[noreturn]] void ThrowNotANumber(std::string_view text) {
  throw ReadError(QuoteForMessage(text) + " is not a number");
}

// `value` written with 15 significant digits: sign * d.dddddddddddddd * 10^exponent.
struct Digits15 {
  std::array<char, 15> digits;
  int exponent;
  bool negative;
};

Digits15 ToDigits15(double value) {
  Digits15 result{};
  result.negative = std::signbit(value);
  std::array<char, 32> text;  // "d.dddddddddddddde+XXX"
  const char* end = std::to_chars(text.data(), text.data() + text.size(), std::fabs(value),
                                  std::chars_format::scientific, 14)
                        .ptr;
  result.digits[0] = text[0];
  for (int i = 1; i < 15; ++i) result.digits[i] = text[i + 1];
  const char* exponent = text.data() + 17;  // the exponent's sign
  std::from_chars(exponent + 1, end, result.exponent);
  if (*exponent == '-') result.exponent = -result.exponent;
  return result;
}

// Adds one to a non-negative integer written in decimal digits ("" counts as 0).
void IncrementDecimal(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

void CheckFinite(double value) {
  if (!std::isfinite(value)) throw std::overflow_error("numeric overflow");
}

// The common case of every reading, in one pass: a plain decimal "[+-]digits[.digits]"
// with at most 15 digits in all. Its digits and the power of ten below them are exact
// doubles, so one division gives the correctly rounded value, the same the digit-by-digit
// reading gives. Returns false, with `value` untouched, for any other text.
bool ReadShortDecimal(std::string_view text, double& value) {
  static constexpr std::array<double, 16> kPowersOfTen = {
      1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) ++i;
  std::uint64_t digits = 0;
  int count = 0;
  int fraction_digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (IsDigit(c)) {
      if (++count > 15) return false;
      digits = digits * 10 + static_cast<std::uint64_t>(c - '0');
      if (point) ++fraction_digits;
    } else if (c == '.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  if (count == 0) return false;
  const double magnitude = static_cast<double>(digits) / kPowersOfTen[fraction_digits];
  value = negative ? -magnitude : magnitude;
  return true;
}

// Amounts below this size take the short ways of FormatAmount and GeneralNumber.
constexpr double kShortAmountLimit = 1e9;

// The decimals an amount may be written with, and 10 to their power.
constexpr int kMaxAmountDecimals = 3;
constexpr std::array<double, kMaxAmountDecimals + 1> kUnitScales = {1, 10, 100, 1000};

// `value` in whole minor units of `decimals` decimals when it lies within a thousandth of a
// unit of one and is below kShortAmountLimit in size. Its 15-significant-digit text then
// reaches at least the millionths and lies within far less than half a unit of that many
// units, so FormatAmount's rounding gives exactly them.
bool NearWholeUnits(double value, int decimals, std::int64_t& units) {
  if (!(std::fabs(value) < kShortAmountLimit)) return false;
  const double scaled = value * kUnitScales[decimals];
  const double nearest = std::nearbyint(scaled);
  if (std::fabs(scaled - nearest) > 1e-3) return false;
  units = static_cast<std::int64_t>(nearest);
  return true;
}

// "[-]<whole>[.<decimals digits>]" of an amount in minor units; 0 has no sign.
std::string UnitsText(std::int64_t units, int decimals) {
  std::array<char, 32> text;
  char* out = text.data();
  if (units < 0) *out++ = '-';
  std::uint64_t magnitude =
      units < 0 ? 0 - static_cast<std::uint64_t>(units) : static_cast<std::uint64_t>(units);
  std::array<char, kMaxAmountDecimals> fraction{};
  for (int i = decimals - 1; i >= 0; --i) {
    fraction[i] = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  }
  out = std::to_chars(out, text.data() + text.size(), magnitude).ptr;
  if (decimals > 0) {
    *out++ = '.';
    for (int i = 0; i < decimals; ++i) *out++ = fraction[i];
  }
  return std::string(text.data(), out);
}

}  // namespace

std::string QuoteForMessage(std::string_view text) {
  constexpr int kMaxCodePoints = 40;
  int code_points = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool starts_code_point = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (starts_code_point && ++code_points > kMaxCodePoints) {
      return "'" + std::string(text.substr(0, i)) + "...'";
    }
  }
  return "'" + std::string(text) + "'";
}

double LenientNumber(std::string_view text) noexcept {
  if (double value; ReadShortDecimal(text, value)) return value;
  BlankSkippingCursor in(text);
  DecimalBuilder number;
  if (in.Peek() == '+') {
    in.Advance();
  } else if (in.Peek() == '-') {
    number.SetNegative();
    in.Advance();
  }
  bool any_digit = false;
  for (char c = in.Peek(); IsDigit(c); c = in.Peek()) {
    number.AddIntegerDigit(c);
    any_digit = true;
    in.Advance();
  }
  if (in.Peek() == '.') {
    in.Advance();
    for (char c = in.Peek(); IsDigit(c); c = in.Peek()) {
      number.AddFractionDigit(c);
      any_digit = true;
      in.Advance();
    }
  }
  if (!any_digit) return 0.0;
  if (in.Peek() == 'e' || in.Peek() == 'E') {
    in.Advance();
    if (in.Peek() == '+') {
      in.Advance();
    } else if (in.Peek() == '-') {
      number.SetExponentNegative();
      in.Advance();
    }
    for (char c = in.Peek(); IsDigit(c); c = in.Peek()) {
      number.AddExponentDigit(c);
      in.Advance();
    }
  }
  bool overflow = false;
  return number.ToDouble(overflow);
}

double StrictNumber(std::string_view text) {
  const std::string_view body = TrimSpacesAndTabs(text);
  if (double value; ReadShortDecimal(body, value)) return value;
  const auto at = [body](std::size_t i) { return i < body.size() ? body[i] : '\0'; };
  DecimalBuilder number;
  std::size_t i = 0;
  if (at(i) == '+') {
    ++i;
  } else if (at(i) == '-') {
    number.SetNegative();
    ++i;
  }
  bool any_digit = false;
  for (;;) {
    if (IsDigit(at(i))) {
      number.AddIntegerDigit(at(i++));
      any_digit = true;
    } else if (at(i) == ',' && any_digit && IsDigit(at(i + 1))) {
      ++i;  // a thousands separator, always between two integer digits
    } else {
      break;
    }
  }
  if (at(i) == '.') {
    ++i;
    for (; IsDigit(at(i)); ++i) {
      number.AddFractionDigit(at(i));
      any_digit = true;
    }
  }
  if (!any_digit) ThrowNotANumber(text);
  if (at(i) == 'e' || at(i) == 'E') {
    ++i;
    if (at(i) == '+') {
      ++i;
    } else if (at(i) == '-') {
      number.SetExponentNegative();
      ++i;
    }
    if (!IsDigit(at(i))) ThrowNotANumber(text);
    for (; IsDigit(at(i)); ++i) number.AddExponentDigit(at(i));
  }
  if (i != body.size()) ThrowNotANumber(text);
  bool overflow = false;
  const double value = number.ToDouble(overflow);
  if (overflow) ThrowNotANumber(text);
  return value;
}

std::string FormatAmount(double value) { return FormatAmount(value, 2); }

std::string FormatAmount(double value, int decimals) {
  if (decimals < 0 || decimals > kMaxAmountDecimals) {
    throw std::invalid_argument("an amount has 0 to 3 decimals");
  }
  CheckFinite(value);
  if (std::int64_t units; NearWholeUnits(value, decimals, units)) {
    return UnitsText(units, decimals);
  }
  const Digits15 d = ToDigits15(value);
  // The amount in minor units: the digits down to the last decimal's place, rounded on the
  // next one.
  const int kept = d.exponent + 1 + decimals;
  std::string units;
  if (kept >= 15) {
    units.assign(d.digits.data(), 15);
    units.append(static_cast<std::size_t>(kept - 15), '0');
  } else if (kept >= 0) {
    units.assign(d.digits.data(), static_cast<std::size_t>(kept));
    if (d.digits[kept] >= '5') IncrementDecimal(units);
  }
  const auto width = static_cast<std::size_t>(decimals) + 1;  // one integer digit at least
  if (units.size() < width) units.insert(0, width - units.size(), '0');
  const bool is_zero = units.find_first_not_of('0') == std::string::npos;

  std::string result;
  if (d.negative && !is_zero) result += '-';
  const std::size_t point = units.size() - static_cast<std::size_t>(decimals);
  result.append(units, 0, point);
  if (decimals > 0) result.append(".").append(units, point);
  return result;
}

std::string GeneralNumber(double value) {
  CheckFinite(value);
  if (value == 0.0) return "0";
  // A value that is exactly the double nearest some number of hundredths (below 10^13):
  // its 15-significant-digit text is that number, so its plain text is the amount's
  // without the trailing zeros.
  if (const double cents = std::nearbyint(value * 100);
      std::fabs(cents) < 1e15 && cents / 100 == value) {
    std::string text = UnitsText(static_cast<std::int64_t>(cents), 2);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') text.pop_back();
    return text;
  }
  const Digits15 d = ToDigits15(value);
  std::string mantissa(d.digits.data(), d.digits.size());
  mantissa.erase(mantissa.find_last_not_of('0') + 1);

  std::string result = d.negative ? "-" : "";
  if (d.exponent >= 15 || d.exponent < -5) {
    result += mantissa[0];
    if (mantissa.size() > 1) result.append(".").append(mantissa, 1);
    result += d.exponent < 0 ? "E-" : "E+";
    const int magnitude = d.exponent < 0 ? -d.exponent : d.exponent;
    if (magnitude < 10) result += '0';
    result += std::to_string(magnitude);
  } else if (d.exponent >= 0) {
    const auto integer_digits = static_cast<std::size_t>(d.exponent) + 1;
    if (mantissa.size() <= integer_digits) {
      result += mantissa;
      result.append(integer_digits - mantissa.size(), '0');
    } else {
      result.append(mantissa, 0, integer_digits).append(".").append(mantissa, integer_digits);
    }
  } else {
    result += "0.";
    result.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    result += mantissa;
  }
  return result;
}

}  // namespace corvane
