// The host operations of the automation interface, and the event AmountTotal.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "control/corvane.h"
#include "readings/numbers.h"

namespace corvane {
namespace {

// StrictNumber for a text the operation relies on; a failure names the operation.
double Require(std::string_view text, const char* operation, const char* what) {
  try {
    return StrictNumber(text);
  } catch (const ReadError&) {
    throw HostError(std::string(operation) + ": " + what + " " + QuoteForMessage(text) +
                    " is not a number");
  }
}

// Whether the amount boxes can show `amount`: its two-decimal text must read back as a
// number, which the largest doubles' texts do not.
bool Showable(double amount) { return std::isfinite(LenientNumber(FormatAmount(amount))); }

}  // namespace

std::int16_t Corvane::GetPaymentID(std::string_view ptPaymentType) {
  if (!mvPaymentTypes) return 0;
  const PaymentTypeEntry* entry = mvPaymentTypes->Find(ptPaymentType);
  return entry ? PaymentTypeId(*entry) : std::int16_t{0};
}

bool Corvane::GetNonSelectableID(std::string_view ptPaymentType) {
  if (!mvPaymentTypes) return false;
  const PaymentTypeEntry* entry = mvPaymentTypes->Find(ptPaymentType);
  return entry && IsNonSelectable(*entry);
}

void Corvane::PaymentDetails(std::int16_t piMode, std::int16_t piCountry, std::int16_t piOrderType,
                             double pdCurCnversRate, double pdOrderedAmount,
                             std::string_view txtDateOrderTaken) {
  if (!std::isfinite(pdCurCnversRate)) {
    throw HostError("PaymentDetails: the conversion rate is not a finite number");
  }
  if (!std::isfinite(pdOrderedAmount)) {
    throw HostError("PaymentDetails: the ordered amount is not a finite number");
  }
  if (!Showable(pdOrderedAmount)) {
    throw HostError("PaymentDetails: the ordered amount is too large");
  }
  mtMode = std::to_string(piMode);
  miCountry = piCountry;
  miOrderType = piOrderType;
  mdCurCnversRate = pdCurCnversRate;
  mdOrderedAmount = pdOrderedAmount;
  txtOrderedAmount.SetText(FormatAmount(mdOrderedAmount));  // the balance follows
  mtDateOrderTaken = txtDateOrderTaken;
  RefreshButtons();
}

void Corvane::RefreshButtons() {
  const double mode = StrictNumber(mtMode);
  if (mode == 1) {
    cmdAdd.SetEnabled(true);
    cmdEdit.SetEnabled(true);
    cmdDelete.SetEnabled(true);
  } else if (mode == 2) {
    cmdAdd.SetEnabled(true);
    cmdEdit.SetEnabled(false);
    cmdDelete.SetEnabled(false);
  } else if (mode == 0) {
    cmdAdd.SetEnabled(false);
    cmdEdit.SetEnabled(false);
    cmdDelete.SetEnabled(false);
  }
}

double Corvane::TotalAmount() { return Require(txtTotalAmount.Text(), "TotalAmount", "the total"); }

void Corvane::OrderedAmount(double pdOrderedAmount) {
  if (!std::isfinite(pdOrderedAmount)) {
    throw HostError("OrderedAmount: the amount is not a finite number");
  }
  if (!Showable(pdOrderedAmount)) throw HostError("OrderedAmount: the amount is too large");
  mdOrderedAmount = pdOrderedAmount;
  txtOrderedAmount.SetText(FormatAmount(mdOrderedAmount));  // the balance follows
  double mode;
  try {
    mode = StrictNumber(mtMode);
  } catch (const ReadError&) {
    throw HostError("OrderedAmount: the mode is not set; call PaymentDetails first");
  }
  if (mode != 0 && miOrderType == 2) {
    cmdAdd.SetEnabled(Require(txtBalanceAmount.Text(), "OrderedAmount", "the balance") != 0);
  }
}

std::int16_t Corvane::OrderType() { return miOrderType; }

void Corvane::EnableNewPayment(bool Value) { cmdAdd.SetEnabled(Value); }

int Corvane::SubscribeAmountTotal(AmountTotalHandler handler) {
  amount_total_handlers_.emplace(next_handler_key_, std::move(handler));
  return next_handler_key_++;
}

void Corvane::UnsubscribeAmountTotal(int key) { amount_total_handlers_.erase(key); }

void Corvane::RaiseAmountTotal(double total) {
  // A handler may subscribe or unsubscribe; those it removes are not called afterwards.
  std::vector<int> keys;
  for (const auto& [key, handler] : amount_total_handlers_) keys.push_back(key);
  for (int key : keys) {
    const auto it = amount_total_handlers_.find(key);
    if (it == amount_total_handlers_.end()) continue;
    const AmountTotalHandler handler = it->second;  // a copy: it may unsubscribe itself
    try {
      handler(total);
    } catch (...) {
      // An event's failure is the host's own; the save goes on.
    }
  }
}

}  // namespace corvane
