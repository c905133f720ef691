#include "model/change_list.h"

#include <initializer_list>
#include <stdexcept>

#include "corvane/host_error.h"
#include "readings/numbers.h"

namespace corvane {

std::string ChangeList(const PaymentBook& payments, const std::optional<PaymentTypeTable>& types,
                       double rate, std::string_view field_separator,
                       std::string_view record_separator) {
  if (rate == 0) rate = 1;
  std::string result;
  for (int row = 0; row < payments.size(); ++row) {
    const PaymentView p = payments[row];
    if (p.mark == Mark::kNone) continue;
    const PaymentTypeEntry* type = types ? types->Find(p.type) : nullptr;
    auto where = [row] { return "ReadPaymentData: payment row " + std::to_string(row + 1); };
    double amount;
    try {
      amount = StrictNumber(p.amount) / rate;
    } catch (const ReadError& e) {
      throw HostError(where() + ": amount " + e.what());
    }
    std::string amount_text;
    try {
      amount_text = GeneralNumber(amount);
    } catch (const std::overflow_error&) {
      throw HostError(where() + ": the amount overflows in the host's currency");
    }
    for (std::string_view field :
         {std::string_view(p.date), type ? std::string_view(type->front()) : p.type,
          std::string_view(p.reference), std::string_view(p.authorization),
          std::string_view(amount_text), std::string_view(p.sequence)}) {
      result += field;
      result += field_separator;
    }
    result += MarkText(p.mark);
    result += record_separator;
  }
  return result;
}

}  // namespace corvane
