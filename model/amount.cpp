#include "model/amount.h"

#include <array>
#include <cmath>

#include "readings/numbers.h"

namespace corvane {
namespace {

// Minor units in one unit of a currency of 0 to 3 decimals.
constexpr std::array<double, 4> kUnitsPerWhole = {1, 10, 100, 1000};

}  // namespace

Amount Amount::Read(std::string_view text, int decimals) {
  return Amount(LenientNumber(text), decimals);
}

Amount Amount::FromMinorUnits(std::int64_t units, int decimals) {
  // Exact below 2^53; the one rounding of the division gives the double nearest to it.
  return Amount(static_cast<double>(units) / kUnitsPerWhole[decimals], decimals);
}

std::string Amount::Text() const { return FormatAmount(value_, decimals_); }

std::optional<std::int64_t> Amount::MinorUnits() const {
  const double scaled = value_ * kUnitsPerWhole[decimals_];
  if (!(std::fabs(scaled) < static_cast<double>(kExactMinorUnits))) return std::nullopt;
  const auto units = static_cast<std::int64_t>(std::nearbyint(scaled));
  if (FromMinorUnits(units, decimals_).value_ != value_) return std::nullopt;
  return units;
}

}  // namespace corvane
