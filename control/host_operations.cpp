// The host operations of the automation interface, and the event AmountTotal.
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "control/payment_control.h"
#include "model/change_list.h"
#include "model/rules.h"
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

// A box's amount, which the control writes with the currency's decimals, as Money; a
// failure names the operation.
Money RequireExact(std::string_view text, int decimals, const char* operation, const char* what) {
  if (const std::optional<Money> amount = Money::Parse(text, decimals)) return *amount;
  throw HostError(std::string(operation) + ": " + what + " " + QuoteForMessage(text) +
                  " is beyond the range of an exact amount");
}

// Whether the amount boxes can show `amount`: its text must read back as a number, which
// the largest doubles' texts do not.
bool Showable(const Currency& currency, double amount) {
  return std::isfinite(LenientNumber(currency.Text(amount)));
}

}  // namespace

std::int16_t PaymentControl::GetPaymentID(std::string_view payment_type) {
  return TypeIdOf(types_, payment_type);
}

bool PaymentControl::GetNonSelectableID(std::string_view payment_type) {
  return NonSelectable(types_, payment_type);
}

void PaymentControl::PaymentDetails(std::int16_t mode, std::int16_t country,
                                    std::int16_t order_type, double conversion_rate,
                                    double ordered_amount, std::string_view date_order_taken) {
  if (!std::isfinite(conversion_rate)) {
    throw HostError("PaymentDetails: the conversion rate is not a finite number");
  }
  if (!std::isfinite(ordered_amount)) {
    throw HostError("PaymentDetails: the ordered amount is not a finite number");
  }
  if (!Showable(currency_, ordered_amount)) {
    throw HostError("PaymentDetails: the ordered amount is too large");
  }
  order_.mode = mode;
  order_.country = country;
  order_.order_type = order_type;
  order_.conversion_rate = conversion_rate;
  order_.ordered_amount = ordered_amount;
  ShowOrderedAmount(currency_.Text(ordered_amount));
  order_.date_order_taken = date_order_taken;
  ShowModeButtons();
}

void PaymentControl::ShowModeButtons() {
  if (const std::optional<ModeButtons> buttons = ButtonsForMode(order_.Mode())) {
    add_button_.SetEnabled(buttons->add);
    edit_button_.SetEnabled(buttons->edit);
    delete_button_.SetEnabled(buttons->remove);
  }
}

double PaymentControl::TotalAmount() { return Require(totals_.total, "TotalAmount", "the total"); }

void PaymentControl::OrderedAmount(double ordered_amount) {
  if (!std::isfinite(ordered_amount)) {
    throw HostError("OrderedAmount: the amount is not a finite number");
  }
  if (!Showable(currency_, ordered_amount)) {
    throw HostError("OrderedAmount: the amount is too large");
  }
  order_.ordered_amount = ordered_amount;
  ShowOrderedAmount(currency_.Text(ordered_amount));
  if (!order_.mode) {
    throw HostError("OrderedAmount: the mode is not set; call PaymentDetails first");
  }
  if (*order_.mode != kModeView && order_.order_type == kTopUpOrderType) {
    add_button_.SetEnabled(Require(totals_.balance, "OrderedAmount", "the balance") != 0);
  }
}

std::int16_t PaymentControl::OrderType() { return order_.order_type; }

void PaymentControl::EnableNewPayment(bool enabled) { add_button_.SetEnabled(enabled); }

std::pair<std::string_view, std::string_view> PaymentControl::ChangeListSeparators() const {
  // Payments loaded as values came without separators: until a WritePaymentData gives
  // some, the change list is written with those the host guide's examples use. A host
  // that never loaded values keeps the classic answer, separators or none.
  if (values_loaded_ && field_separator_.empty() && record_separator_.empty()) {
    return {"~", "|"};
  }
  return {field_separator_, record_separator_};
}

std::string PaymentControl::ReadPaymentData() {
  const auto [field_separator, record_separator] = ChangeListSeparators();
  return ChangeList(payments_, types_, order_.conversion_rate, field_separator, record_separator);
}

std::vector<PaymentChange> PaymentControl::Changes() const {
  return ChangeValues(payments_, types_, order_.conversion_rate, currency_.decimals);
}

Money PaymentControl::ExactTotal() const {
  return RequireExact(totals_.total, currency_.decimals, "ExactTotal", "the total");
}

Money PaymentControl::ExactBalance() const {
  return RequireExact(totals_.balance, currency_.decimals, "ExactBalance", "the balance");
}

int PaymentControl::SubscribeAmountTotal(AmountTotalHandler handler) {
  return amount_total_handlers_.Add(std::move(handler));
}

void PaymentControl::UnsubscribeAmountTotal(int key) { amount_total_handlers_.Remove(key); }

void PaymentControl::RaiseAmountTotal(double total) { amount_total_handlers_.Raise(total); }

int PaymentControl::SubscribeSettled(Corvane::SettledHandler handler) {
  return settled_handlers_.Add(std::move(handler));
}

void PaymentControl::UnsubscribeSettled(int key) { settled_handlers_.Remove(key); }

double PaymentControl::Balance() const {
  return Require(totals_.balance, "Balance", "the balance");
}

}  // namespace corvane
