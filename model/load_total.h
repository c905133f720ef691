/// @file
/// The total box as a load carries it from payment to payment, and the balance after the
/// last one: shared by the loads of delimited texts and of values.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane {

struct PaymentLoad;

class LoadTotal {
 public:
  /// From `start`, the total before the first payment (0 after a load that gives payment
  /// types), with the currency's `decimals`.
  LoadTotal(double start, int decimals);

  /// Adds a payment whose row shows `amount`. Returns what `amount` reads as in minor units
  /// (see PaymentLoadRow::amount_units), or false, adding nothing, when the total would
  /// leave the range of a double.
  bool Add(std::string_view amount, std::optional<std::int64_t>& units);
  /// Sets the load's total and, when the ordered-amount box reads as a number, its balance.
  /// Throws HostError, naming `operation`, when the balance leaves the range of a double.
  void Finish(PaymentLoad& load, std::string_view ordered_text, std::string_view operation) const;

 private:
  int decimals_;
  double total_;
  // The total in minor units, while it and every amount so far are whole numbers of them
  // below Amount::kExactMinorUnits: there the total carried at the currency's decimals is
  // exactly their sum, so the sum is kept instead of writing and reading the total at
  // every row.
  bool in_units_;
  std::int64_t total_units_;
};

}  // namespace corvane
