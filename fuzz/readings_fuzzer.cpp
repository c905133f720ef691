// Fuzzes the number and date readings with their round trips. The whole input is read as
// a text by each reading; its first bytes also make a raw double and a calendar date.
//
// Properties:
//  - LenientNumber never throws; StrictNumber throws ReadError only, ReadDate too;
//  - FormatAmount and GeneralNumber throw std::overflow_error exactly for non-finite values;
//  - an amount text reads back, strictly and leniently, to a value with the same amount text;
//  - a general number reads back strictly to the same value at 15 significant digits;
//  - a date read is in the picker's range, and a payment date in range reads back to itself.
#include <chrono>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "readings/dates.h"
#include "readings/numbers.h"

namespace {

using corvane::Date;
using corvane::ReadError;

[[noreturn]] void Fail(const std::string& what) {
  std::fprintf(stderr, "property failed: %s\n", what.c_str());
  std::fflush(stderr);
  __builtin_trap();
}

void Check(bool ok, const std::string& what) {
  if (!ok) Fail(what);
}

std::string Shown(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.17g", value);
  return text;
}

// "0.00", "-12.34", "1234.50": digits, a point and two decimals, never a negative zero.
bool IsAmountText(std::string_view text) {
  std::size_t i = text.starts_with('-') ? 1 : 0;
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos || point == i || text.size() != point + 3) return false;
  for (std::size_t k = i; k < text.size(); ++k) {
    if (k != point && (text[k] < '0' || text[k] > '9')) return false;
  }
  return !(i == 1 && text.find_first_not_of("0.", 1) == std::string_view::npos);
}

// The 15 significant digits and the exponent of a finite value, as "%.14e" writes them.
std::string Digits15(double value) {
  char text[64];
  std::snprintf(text, sizeof text, "%.14e", value);
  return text;
}

std::optional<double> Strict(std::string_view text) {
  try {
    return corvane::StrictNumber(text);
  } catch (const ReadError&) {
    return std::nullopt;
  }
}

void CheckAmountRoundTrip(double value) {
  const std::string amount = corvane::FormatAmount(value);
  Check(IsAmountText(amount), "FormatAmount(" + Shown(value) + ") = '" + amount + "'");
  const std::optional<double> strict = Strict(amount);
  Check(strict.has_value(), "StrictNumber refuses FormatAmount's '" + amount + "'");
  Check(corvane::FormatAmount(*strict) == amount,
        "'" + amount + "' reads back strictly as " + Shown(*strict));
  const double lenient = corvane::LenientNumber(amount);
  Check(corvane::FormatAmount(lenient) == amount,
        "'" + amount + "' reads back leniently as " + Shown(lenient));
}

void CheckGeneralRoundTrip(double value) {
  const std::string general = corvane::GeneralNumber(value);
  const std::optional<double> back = Strict(general);
  Check(back.has_value(), "StrictNumber refuses GeneralNumber's '" + general + "'");
  if (value == 0) {
    Check(*back == 0, "'" + general + "' is not 0");
    return;
  }
  Check(Digits15(*back) == Digits15(value),
        "GeneralNumber(" + Shown(value) + ") = '" + general + "' reads back as " + Shown(*back));
}

// Finite values within half a unit of the 15th digit of the largest double are written as
// 1.79769313486232e308, which is beyond the range of a double and reads back as nothing;
// tests/bad_input_test.cpp keeps that case. The round trips are checked below it.
constexpr double kLargestReadBack = 1.797693134862315e308;

// A finite value through both writers; a non-finite one must make both throw overflow.
void CheckWriters(double value) {
  if (std::isfinite(value)) {
    if (std::fabs(value) >= kLargestReadBack) {
      corvane::FormatAmount(value);
      corvane::GeneralNumber(value);
      return;
    }
    CheckAmountRoundTrip(value);
    CheckGeneralRoundTrip(value);
    return;
  }
  for (auto writer : {&corvane::FormatAmount, &corvane::GeneralNumber}) {
    try {
      writer(value);
      Fail("a writer took " + Shown(value));
    } catch (const std::overflow_error&) {
    }
  }
}

void CheckDate(Date date) {
  if (!date.ok() || date.year() < std::chrono::year{0} || date.year() > std::chrono::year{9999}) {
    return;
  }
  const std::string text = corvane::FormatPaymentDate(date);
  try {
    const Date back = corvane::ReadDate(text);
    Check(corvane::InPickerRange(date) && back == date,
          "'" + text + "' reads back as " + corvane::FormatIsoDate(back));
  } catch (const ReadError&) {
    Check(!corvane::InPickerRange(date), "ReadDate refuses '" + text + "'");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const double lenient = corvane::LenientNumber(text);
  CheckWriters(lenient);
  if (const std::optional<double> strict = Strict(text)) {
    Check(std::isfinite(*strict), "StrictNumber gave " + Shown(*strict));
    CheckWriters(*strict);
    // A text read strictly starts with the same number, read leniently, unless it holds
    // thousands separators, which leniency stops at.
    if (text.find(',') == std::string_view::npos && text.find('\n') == std::string_view::npos &&
        text.find('\r') == std::string_view::npos) {
      Check(
          lenient == *strict || (std::isnan(lenient) && std::isnan(*strict)),
          "'" + std::string(text) + "': strict " + Shown(*strict) + ", lenient " + Shown(lenient));
    }
  }

  if (size >= sizeof(double)) {
    double raw;
    std::memcpy(&raw, data, sizeof raw);
    CheckWriters(raw);
  }

  try {
    const Date date = corvane::ReadDate(text);
    Check(corvane::InPickerRange(date), "ReadDate gave a date out of range");
    CheckDate(date);
  } catch (const ReadError&) {
  }
  if (size >= 4) {
    const int year = 1890 + (data[0] | (data[1] << 8)) % 190;
    CheckDate(Date{std::chrono::year{year}, std::chrono::month{data[2] % 14u},
                   std::chrono::day{data[3] % 33u}});
  }
  return 0;
}
