#include "model/amount.h"

#include <cmath>

#include "readings/numbers.h"

namespace corvane {

Amount Amount::Read(std::string_view text) { return Amount(LenientNumber(text)); }

Amount Amount::FromMinorUnits(std::int64_t units) {
  // Exact below 2^53; the one rounding of the division gives the double nearest to it.
  return Amount(static_cast<double>(units) / 100);
}

std::string Amount::Text() const { return FormatAmount(value_); }

std::optional<std::int64_t> Amount::MinorUnits() const {
  const double scaled = value_ * 100;
  if (!(std::fabs(scaled) < static_cast<double>(kExactMinorUnits))) return std::nullopt;
  const auto units = static_cast<std::int64_t>(std::nearbyint(scaled));
  if (FromMinorUnits(units).value_ != value_) return std::nullopt;
  return units;
}

}  // namespace corvane
