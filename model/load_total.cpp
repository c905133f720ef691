#include "model/load_total.h"

#include <cmath>
#include <cstdlib>
#include <string>

#include "corvane/host_error.h"
#include "model/amount.h"
#include "model/payment_load.h"
#include "readings/numbers.h"

namespace corvane {

LoadTotal::LoadTotal(double start, int decimals) : decimals_(decimals), total_(start) {
  const std::optional<std::int64_t> start_units = Amount(start, decimals).MinorUnits();
  in_units_ = start_units.has_value();
  total_units_ = start_units.value_or(0);
}

bool LoadTotal::Add(std::string_view amount, std::optional<std::int64_t>& units) {
  // The total is carried in its box at the currency's decimals from row to row, each
  // payment counted at the amount its row shows, as every later total counts it.
  const double amount_value = LenientNumber(amount);
  units = Amount(amount_value, decimals_).MinorUnits();
  if (in_units_ && units && std::llabs(total_units_ + *units) < Amount::kExactMinorUnits) {
    total_units_ += *units;
    total_ = Amount::FromMinorUnits(total_units_, decimals_).value();
    return true;
  }
  in_units_ = false;
  double total = total_ + amount_value;
  if (std::isfinite(total)) total = LenientNumber(FormatAmount(total, decimals_));
  if (!std::isfinite(total)) return false;
  total_ = total;
  return true;
}

void LoadTotal::Finish(PaymentLoad& load, std::string_view ordered_text,
                       std::string_view operation) const {
  load.total = FormatAmount(total_, decimals_);
  try {
    const double balance = StrictNumber(ordered_text) - StrictNumber(load.total);
    if (!std::isfinite(balance)) {
      throw HostError(std::string(operation) + ": the balance is too large");
    }
    load.balance = FormatAmount(balance, decimals_);
  } catch (const ReadError&) {
  }
}

}  // namespace corvane
