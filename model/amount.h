/// @file
/// Money in the displayed currency as the control shows it: a value with the currency's
/// number of decimals (two unless the host sets 0 or 3), written "0.00" with the classic
/// rounding (halves away from zero, judged on the value's 15-significant-digit text).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

class Amount {
 public:
  /// The decimals of an amount when the host sets none.
  static constexpr int kDefaultDecimals = 2;
  /// Below this size in minor units (1e13 in a currency of two decimals, 1e15 of none, 1e12
  /// of three) a double holds every whole number of minor units closely enough, and a
  /// 15-significant-digit text writes it exactly, that adding two and rounding the sum to
  /// minor units gives the exact sum: sums of exact amounts kept in minor units agree with
  /// the classic running total, rounded at every step.
  static constexpr std::int64_t kExactMinorUnits = 1'000'000'000'000'000;

  /// Zero.
  Amount() = default;
  /// `value`, as a double, with `decimals` decimals. REQUIRES: `decimals` is 0, 2 or 3.
  explicit Amount(double value, int decimals = kDefaultDecimals)
      : value_(value), decimals_(decimals) {}
  /// The amount a box's text reads as: its leading number, 0 when there is none (see
  /// LenientNumber). Never throws.
  static Amount Read(std::string_view text, int decimals = kDefaultDecimals);
  /// A whole number of minor units.
  static Amount FromMinorUnits(std::int64_t units, int decimals = kDefaultDecimals);

  /// The value, as a double.
  double value() const { return value_; }
  /// The number of decimals it is shown with.
  int decimals() const { return decimals_; }
  /// Written with its decimals, "-12.35". Throws std::overflow_error when not finite.
  std::string Text() const;
  /// The value as a whole number of minor units, when it is the double nearest to one and
  /// smaller than kExactMinorUnits; none otherwise.
  std::optional<std::int64_t> MinorUnits() const;

 private:
  double value_ = 0;
  int decimals_ = kDefaultDecimals;
};

}  // namespace corvane
