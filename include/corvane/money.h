/// @file
/// Money: an exact amount, a whole number of a currency's minor units. The control's typed
/// operations take and give amounts as Money (Corvane::LoadPayments, Corvane::Changes,
/// Corvane::ExactTotal).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

/// An exact amount: a whole number of minor units (cents, fils, yen) of a currency with
/// 0 to 3 decimals. 12.35 in a currency of two decimals is 1235 minor units; in one of
/// three, 12350.
class Money {
 public:
  /// The decimals of an amount when none are given: cents.
  static constexpr int kDefaultDecimals = 2;
  /// The most decimals an amount may have.
  static constexpr int kMaxDecimals = 3;

  /// Zero, with two decimals.
  Money() = default;
  /// `minor_units` of a currency with `decimals` decimals. Throws std::invalid_argument
  /// for decimals outside 0 to kMaxDecimals.
  explicit Money(std::int64_t minor_units, int decimals = kDefaultDecimals);

  /// The amount `text` writes: an optional minus sign, at least one digit, and optionally a
  /// point followed by one to `decimals` digits ("12.35", "-0.5", "12"). None for any other
  /// text (blanks, a plus sign, an exponent, thousands separators, more decimals than the
  /// currency has), for an amount beyond the range of minor units, and for decimals outside
  /// 0 to kMaxDecimals.
  static std::optional<Money> Parse(std::string_view text, int decimals = kDefaultDecimals);
  /// The amount nearest to `value` with `decimals` decimals, halves away from zero as
  /// judged on the value's 15-significant-digit text: the rounding the control applies to
  /// every amount it shows (0.125 gives 0.13, and so does 0.1249999999999999). None when
  /// `value` is not finite, or the amount lies beyond the range of minor units.
  static std::optional<Money> Nearest(double value, int decimals = kDefaultDecimals);

  /// The whole number of minor units.
  std::int64_t minor_units() const { return minor_units_; }
  /// The currency's decimals: the minor units in one unit are 10 to their power.
  int decimals() const { return decimals_; }
  /// Written with its decimals, no thousands separators: "12.35", "-0.05", "1200" (no
  /// decimals), "12.350" (three). Parse reads it back.
  std::string Text() const;
  /// The double nearest to the amount, for a caller that computes in doubles.
  double ToDouble() const;

  /// Equal when both the minor units and the decimals are: 12.35 with two decimals is not
  /// 12.350 with three.
  bool operator==(const Money&) const = default;

 private:
  std::int64_t minor_units_ = 0;
  int decimals_ = kDefaultDecimals;
};

}  // namespace corvane
