/// @file
/// Money in the displayed currency as the control shows it: a value with a number of
/// decimals (two), written "0.00" with the classic rounding (halves away from zero, judged
/// on the value's 15-significant-digit text).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class Amount {
 public:
  /// The decimals every amount has today.
  static constexpr int kDecimals = 2;
  /// Below this size (in minor units, 1e13 in the currency) a double holds every whole
  /// number of hundredths closely enough that adding two and rounding the sum to hundredths
  /// gives the exact sum: sums of exact amounts kept in minor units agree with the classic
  /// running total, rounded at every step.
  static constexpr std::int64_t kExactMinorUnits = 1'000'000'000'000'000;

  /// Zero.
  Amount() = default;
  /// `value`, as a double.
  explicit Amount(double value) : value_(value) {}
  /// The amount a box's text reads as: its leading number, 0 when there is none (see
  /// LenientNumber). Never throws.
  static Amount Read(std::string_view text);
  /// A whole number of minor units.
  static Amount FromMinorUnits(std::int64_t units);

  /// The value, as a double.
  double value() const { return value_; }
  /// The number of decimals it is shown with.
  int decimals() const { return kDecimals; }
  /// Written with its decimals, "-12.35". Throws std::overflow_error when not finite.
  std::string Text() const;
  /// The value as a whole number of minor units, when it is the double nearest to one and
  /// smaller than kExactMinorUnits; none otherwise.
  std::optional<std::int64_t> MinorUnits() const;

 private:
  double value_ = 0;
};

}  // namespace corvane
