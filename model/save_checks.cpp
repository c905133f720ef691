#include "model/save_checks.h"

#include <cmath>

#include "model/rules.h"
#include "readings/numbers.h"
#include "readings/utf8.h"

namespace corvane {
namespace {

constexpr int kMaxNumberLength = 20;

// Length in characters without the spaces at both ends.
int TrimmedLength(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return 0;
  return CodePointCount(text.substr(first, text.find_last_not_of(' ') - first + 1));
}

SaveRefusal Refuse(std::string_view prompt, std::string_view title, EntryField field) {
  return {prompt, title, field};
}

}  // namespace

std::optional<SaveRefusal> CheckEntry(const EntryTexts& entry,
                                      const std::optional<PaymentTypeTable>& types,
                                      const OrderContext& order, const PaymentBook& payments,
                                      const Entry& open_entry) {
  if (NonSelectable(types, entry.type)) {
    SaveRefusal refusal =
        Refuse("%1 cannot be selected from the center for use on a new or existing payment.",
               " Corvane", EntryField::kType);
    refusal.named = entry.type;
    return refusal;
  }
  if (ReferenceNeeded(TypeIdOf(types, entry.type), order.order_type) && entry.reference.empty()) {
    return Refuse("Please enter the Reference Number", "Corvane", EntryField::kReference);
  }
  if (TrimmedLength(entry.authorization) > kMaxNumberLength) {
    SaveRefusal refusal = Refuse("Autorization Number cannot exceed 20 characters", " Corvane",
                                 EntryField::kAuthorization);
    refusal.select_all = true;
    return refusal;
  }
  if (TrimmedLength(entry.reference) > kMaxNumberLength) {
    SaveRefusal refusal =
        Refuse("Reference Number cannot exceed  20 characters", " Corvane", EntryField::kReference);
    refusal.select_all = true;
    return refusal;
  }
  // An amount too large to be totalled is refused like one that is not positive, and so is
  // one the host could not read back: the change list gives it in the host's currency,
  // divided by the rate, which a rate below 1 may take beyond a double.
  const double amount = LenientNumber(entry.amount);
  const double projected = open_entry.edits_payment() ? payments.TotalWith(open_entry.row, amount)
                                                      : payments.Total() + amount;
  if (!(amount > 0) || !std::isfinite(amount) || !std::isfinite(amount / order.Rate()) ||
      !std::isfinite(projected)) {
    return Refuse("Please enter the Payment Amount", " Corvane", EntryField::kAmount);
  }
  return std::nullopt;
}

std::optional<SaveRefusal> CheckOrderTotal(const OrderContext& order, const OrderTotals& totals,
                                           std::string_view amount, const Entry& open_entry) {
  if (!order.CapsTotal()) return std::nullopt;
  const double sum = LenientNumber(totals.total) + LenientNumber(amount) - open_entry.start_amount;
  const double total = LenientNumber(GeneralNumber(sum));  // at 15 significant digits
  if (LenientNumber(totals.ordered) < total) {
    return Refuse(
        "The Total Amount of all payments has to be less than or equal to Ordered Amount ",
        " Corvane", EntryField::kAmount);
  }
  return std::nullopt;
}

}  // namespace corvane
