// The displayed currency: how many decimals its amounts have and, when the host names it
// by its code, the captions that say "$" otherwise. It is set before the payments come:
// the amounts in the list are written with the currency's decimals.
#include <string>

#include "control/payment_control.h"

namespace corvane {

void PaymentControl::CurrencyDecimals(std::int16_t decimals) {
  if (!TakesDecimals(decimals)) {
    throw HostError("CurrencyDecimals: " + std::to_string(decimals) +
                    " decimals are not taken; amounts are shown with 0, 2 or 3");
  }
  TakeCurrency({.decimals = decimals, .code = ""}, "CurrencyDecimals");
}

void PaymentControl::CurrencyCode(std::string_view code) {
  TakeCurrency(CurrencyOfCode(code, "CurrencyCode"), "CurrencyCode");
}

void PaymentControl::TakeCurrency(Currency currency, const std::string& operation) {
  if (entry_.open()) {
    throw HostError(operation + ": an entry is open; set the currency before WritePaymentData");
  }
  if (payments_.size() != 0) {
    throw HostError(operation +
                    ": the list holds payments; set the currency before WritePaymentData");
  }
  currency_ = std::move(currency);
  currency_set_ = true;
  payments_.SetDecimals(currency_.decimals);

  // The captions go first: a toolkit may give a longer one a narrower face.
  ShowAmountCaptions();

  // With no payment and no entry, the amount box shows the empty amount and the total is
  // zero; the ordered amount is the host's, written anew.
  amount_box_.SetText(currency_.Zero());
  ShowTotal(currency_.Zero());
  ShowOrderedAmount(currency_.Text(order_.ordered_amount));
  ShowBalance();  // the ordered box's Change shows it only when its text changed
}

}  // namespace corvane
