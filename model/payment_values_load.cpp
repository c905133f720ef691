// A load of values: the checks of a load of delimited texts, on fields that need no
// splitting, with payment types named by ID and amounts that are exact.
#include <cmath>
#include <limits>
#include <unordered_map>

#include "corvane/host_error.h"
#include "model/load_total.h"
#include "model/payment_load.h"
#include "readings/numbers.h"

namespace corvane {
namespace {

[[noreturn]] void Fail(std::size_t payment, const std::string& what) {
  throw HostError("LoadPayments: payment " + std::to_string(payment + 1) + ": " + what);
}

PaymentTypeEntry EntryOf(const PaymentTypeInfo& type) {
  return {std::to_string(type.id), type.name, type.non_selectable ? "1" : "0"};
}

// Where in `table` each ID has its first type with a name, as lookups by name skip the
// types without one.
std::unordered_map<std::int16_t, std::size_t> PositionsById(const PaymentTypeTable& table) {
  std::unordered_map<std::int16_t, std::size_t> positions;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const PaymentTypeEntry& entry = table.entries()[i];
    if (NameOf(entry) == nullptr) continue;
    if (const std::optional<std::int16_t> id = ReadPaymentTypeId(entry)) {
      positions.try_emplace(*id, i);
    }
  }
  return positions;
}

// `amount` as its row shows it: converted at `rate` (0 counting as 1) and written with the
// currency's decimals. Without a conversion it keeps every minor unit.
std::string ShownAmount(const Money& amount, std::size_t payment, double rate, int decimals) {
  const std::string quoted = QuoteForMessage(amount.Text());
  if (amount.decimals() > decimals) {
    Fail(payment, "amount " + quoted + " has " + std::to_string(amount.decimals()) +
                      " decimals; the currency has " + std::to_string(decimals));
  }
  if (rate == 0 || rate == 1) {
    std::int64_t units = amount.minor_units();
    for (int d = amount.decimals(); d < decimals; ++d) {
      if (units > std::numeric_limits<std::int64_t>::max() / 10 ||
          units < std::numeric_limits<std::int64_t>::min() / 10) {
        Fail(payment, "amount " + quoted + " is too large");
      }
      units *= 10;
    }
    return Money(units, decimals).Text();
  }
  const double value = amount.ToDouble() * rate;
  // Too large also when the amount its row shows, read back, is beyond the range of a
  // double in the host's currency.
  if (!std::isfinite(value) ||
      !std::isfinite(LenientNumber(FormatAmount(value, decimals)) / rate)) {
    Fail(payment, "amount " + quoted + " is too large");
  }
  return FormatAmount(value, decimals);
}

}  // namespace

PaymentLoad PlanPaymentLoad(const PaymentValuesInput& input, const PaymentLoadContext& context) {
  PaymentLoad load;
  if (!input.credit_cards.empty()) {
    load.credit_cards.emplace(input.credit_cards.begin(), input.credit_cards.end());
  }
  if (!input.payment_types.empty()) {
    std::vector<PaymentTypeEntry> entries;
    entries.reserve(input.payment_types.size());
    for (const PaymentTypeInfo& type : input.payment_types) entries.push_back(EntryOf(type));
    load.payment_types = PaymentTypeTable::FromEntries(std::move(entries));
  }
  const std::optional<PaymentTypeTable>& types =
      load.payment_types ? load.payment_types : *context.current_types;
  // A load with payment types starts the screen over, from a total of 0.
  LoadTotal total(load.payment_types ? 0 : LenientNumber(context.total_text), context.decimals);

  load.payments_given = !input.payments.empty();
  const auto positions =
      types ? PositionsById(*types) : std::unordered_map<std::int16_t, std::size_t>();
  load.rows.reserve(input.payments.size());
  for (std::size_t p = 0; p < input.payments.size(); ++p) {
    const PaymentInfo& payment = input.payments[p];
    if (!types) Fail(p, "no payment types are loaded");
    const auto position = positions.find(payment.type_id);
    if (position == positions.end()) {
      Fail(p, "payment type " + std::to_string(payment.type_id) + " names no payment type");
    }
    std::string amount = ShownAmount(payment.amount, p, context.rate, context.decimals);
    std::optional<std::int64_t> units;
    if (!total.Add(amount, units)) Fail(p, "the total of the payments is too large");
    load.rows.push_back({position->second, payment.reference, payment.authorization,
                         std::move(amount), units, payment.date, payment.sequence});
  }
  total.Finish(load, context.ordered_text, "LoadPayments");
  return load;
}

}  // namespace corvane
