// The entry fields' own rules: key filters, the amount's decimals, the card grouping of the
// reference, and the balance that follows the ordered amount.
#include <cmath>

#include "control/payment_control.h"
#include "model/amount.h"
#include "readings/card_grouping.h"
#include "readings/utf8.h"

namespace corvane {
namespace {

constexpr std::int16_t kBackspace = 8;

bool IsDigit(int c) { return c >= '0' && c <= '9'; }
bool IsLetter(int c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

void PaymentControl::FilterAmountKey(std::int16_t& key_ascii) {
  if (!IsDigit(key_ascii) && key_ascii != '.' && key_ascii != kBackspace) {
    key_ascii = 0;
    return;
  }
  // One decimal point at most, and none in a currency without decimals.
  if (key_ascii == '.' &&
      (currency_.decimals == 0 || amount_box_.Text().find('.') != std::string::npos)) {
    key_ascii = 0;
  }
}

void PaymentControl::FilterReferenceKey(std::int16_t& key_ascii) {
  if (!IsDigit(key_ascii) && !IsLetter(key_ascii) && key_ascii != kBackspace) {
    key_ascii = 0;
    screen_.Beep();
  }
}

void PaymentControl::FilterDateKey(std::int16_t& key_ascii) {
  if (!IsDigit(key_ascii) && key_ascii != '/' && key_ascii != kBackspace) key_ascii = 0;
}

void PaymentControl::OnAmountFocus() {
  if (entry_.open()) {
    amount_box_.SetSelStart(0);
    amount_box_.SetSelLength(CodePointCount(amount_box_.Text()));
  }
}

void PaymentControl::OnAmountLeft() {
  const Amount amount = Amount::Read(amount_box_.Text(), currency_.decimals);
  // Zero, and an amount too large to be a number, stay as typed.
  if (amount.value() != 0 && std::isfinite(amount.value())) amount_box_.SetText(amount.Text());
}

void PaymentControl::OnReferenceLeft() {
  if (card_in_reference_box_) {  // a card payment's number, perhaps masked: group the number
    if (std::optional<std::string> grouped = GroupCardNumber(*card_in_reference_box_)) {
      card_in_reference_box_ = *grouped;
      reference_box_.SetText(CardShown(*grouped));
    }
    return;
  }
  if (std::optional<std::string> grouped = GroupCardNumber(reference_box_.Text())) {
    reference_box_.SetText(*grouped);
  }
}

}  // namespace corvane
