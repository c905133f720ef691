/// @file
/// The currency the control shows amounts in: its number of decimals, and its ISO 4217
/// alphabetic code when the host named one. Without either, amounts have two decimals and
/// the captions say "$", as they always have.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "model/amount.h"

namespace corvane {

/// The displayed currency.
struct Currency {
  int decimals = Amount::kDefaultDecimals;  ///< 0, 2 or 3
  std::string code;  ///< ISO 4217 alphabetic code; empty when the host named none

  /// `value` written with the currency's decimals: "12.35", "12", "12.346".
  /// Throws std::overflow_error when `value` is not finite.
  std::string Text(double value) const;
  /// Zero as an empty amount box shows it: "0.00", "0", "0.000".
  std::string Zero() const { return Text(0); }
  /// A caption of the classic screen with the code in place of its "$" ("Amount $:" gives
  /// "Amount JPY:"); unchanged when no code is set.
  std::string Caption(std::string_view classic) const;

  bool operator==(const Currency&) const = default;
};

/// Whether amounts may have `decimals` decimals: 0, 2 or 3.
bool TakesDecimals(int decimals);

/// One currency of ISO 4217's list of current currencies and funds.
struct IsoCurrency {
  std::string_view code;  ///< the alphabetic code, "JPY"
  /// The minor unit: the decimals of its amounts; none where the standard gives none
  /// ("N.A.": precious metals, units of account, the testing code).
  std::optional<std::int8_t> minor_unit;
};

/// The list, sorted by code.
std::span<const IsoCurrency> IsoCurrencies();

/// The currency with alphabetic code `code` (exact, upper case), if the list has it.
std::optional<IsoCurrency> FindIsoCurrency(std::string_view code);

/// The displayed currency for ISO 4217 code `code`. Throws HostError, naming `operation`,
/// for a code the list does not hold and for one whose minor unit is not 0, 2 or 3.
Currency CurrencyOfCode(std::string_view code, std::string_view operation);

}  // namespace corvane
