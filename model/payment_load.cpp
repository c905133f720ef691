#include "model/payment_load.h"

#include <cmath>
#include <cstdint>

#include "corvane/host_error.h"
#include "model/load_total.h"
#include "readings/numbers.h"
#include "readings/split.h"

namespace corvane {
namespace {

constexpr int kPaymentFields = 6;

[[noreturn]] void Fail(std::size_t record, const std::string& what) {
  throw HostError("WritePaymentData: payment record " + std::to_string(record + 1) + ": " + what);
}

std::size_t TypePosition(std::string_view text, std::size_t record, const PaymentTypeTable* table) {
  double value;
  try {
    value = StrictNumber(text);
  } catch (const ReadError&) {
    Fail(record, "payment type " + QuoteForMessage(text) + " is not a whole number");
  }
  if (value != std::floor(value)) {
    Fail(record, "payment type " + QuoteForMessage(text) + " is not a whole number");
  }
  if (!table) Fail(record, "no payment types are loaded");
  if (value < 0 || value >= static_cast<double>(table->size())) {
    Fail(record, "payment type " + QuoteForMessage(text) + " names no payment type");
  }
  const auto position = static_cast<std::size_t>(value);
  if (!NameOf(table->entries()[position])) {
    Fail(record, "payment type " + QuoteForMessage(text) + " has no name");
  }
  return position;
}

double ConvertedAmount(std::string_view text, std::size_t record, double rate, int decimals) {
  double value;
  try {
    value = StrictNumber(text) * rate;
  } catch (const ReadError&) {
    Fail(record, "amount " + QuoteForMessage(text) + " is not a number");
  }
  // Too large also when the amount its row shows, read back, is beyond the range of a
  // double, here or in the host's currency.
  if (!std::isfinite(value) ||
      !std::isfinite(LenientNumber(FormatAmount(value, decimals)) / rate)) {
    Fail(record, "amount " + QuoteForMessage(text) + " is too large");
  }
  return value;
}

}  // namespace

PaymentLoad PlanPaymentLoad(const PaymentLoadInput& input, const PaymentLoadContext& context) {
  if (input.field_separator.empty()) {
    throw HostError("WritePaymentData: the field separator is empty");
  }
  if (input.record_separator.empty()) {
    throw HostError("WritePaymentData: the record separator is empty");
  }
  PaymentLoad load;
  if (!IsBlank(input.credit_cards)) {
    load.credit_cards = SplitRecords(input.credit_cards, input.record_separator);
    // A chosen card becomes the payment's reference, a field of the change list: a card
    // holding the field separator would cut its record in two.
    const std::vector<std::string_view>& cards = *load.credit_cards;
    for (std::size_t c = 0; c < cards.size(); ++c) {
      if (cards[c].find(input.field_separator) != std::string_view::npos) {
        throw HostError("WritePaymentData: credit card " + std::to_string(c + 1) + " " +
                        QuoteForMessage(cards[c]) + " holds the field separator");
      }
    }
  }
  if (!IsBlank(input.payment_types)) {
    load.payment_types =
        PaymentTypeTable::Parse(input.payment_types, input.field_separator, input.record_separator);
  }
  const std::optional<PaymentTypeTable>& types =
      load.payment_types ? load.payment_types : *context.current_types;
  // A load with payment types starts the screen over, from a total of 0.
  LoadTotal total(load.payment_types ? 0 : LenientNumber(context.total_text), context.decimals);

  load.payments_given = !IsBlank(input.payments);
  if (load.payments_given) {
    const double rate = context.rate == 0 ? 1 : context.rate;
    const std::vector<std::string_view> records =
        SplitRecords(input.payments, input.record_separator);
    std::size_t field_count = 0;
    load.rows.reserve(records.size());
    std::vector<std::string_view> fields;
    for (std::size_t r = 0; r < records.size(); ++r) {
      SplitFields(records[r], input.field_separator, fields);
      if (r == 0) {
        field_count = fields.size();
        if (field_count < kPaymentFields) {
          Fail(r, "has " + std::to_string(field_count) + " fields; a payment needs 6");
        }
      } else if (fields.size() < field_count) {
        Fail(r, "has " + std::to_string(fields.size()) + " fields; the first record has " +
                    std::to_string(field_count));
      }
      const std::size_t position = TypePosition(fields[0], r, types ? &*types : nullptr);
      std::string amount =
          FormatAmount(ConvertedAmount(fields[3], r, rate, context.decimals), context.decimals);
      std::optional<std::int64_t> units;
      if (!total.Add(amount, units)) Fail(r, "the total of the payments is too large");
      load.rows.push_back(
          {position, fields[1], fields[2], std::move(amount), units, fields[4], fields[5]});
    }
  }
  total.Finish(load, context.ordered_text, "WritePaymentData");
  return load;
}

}  // namespace corvane
