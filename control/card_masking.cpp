// Card numbers masked on screen. While the host has masking on, every text that shows the
// reference of a card payment outside an open entry shows it masked: the list masks its
// cells as it reads them (PaymentRows), and the reference and credit card boxes show the
// selected payment's number masked, kept whole beside them. What the operator types or
// chooses in an open entry shows as it is; the payments keep their whole numbers, and
// nothing masked is ever read back into them.
#include "control/payment_control.h"
#include "readings/card_mask.h"

namespace corvane {

void PaymentControl::MaskCardNumbers(bool on) {
  const bool was = Masking();
  mask_card_numbers_ = on;
  if (on == was) return;
  payment_rows_.MaskCardNumbers(on);
  for (int row = 0; row < payments_.size(); ++row) {
    if (payment_rows_.IsCardPayment(row)) list_.RowChanged(row);
  }
  // An open entry's fields are the operator's: none holds a number for a payment then.
  if (card_in_reference_box_) reference_box_.SetText(CardShown(*card_in_reference_box_));
  if (card_in_card_combo_) card_combo_.SetText(CardShown(*card_in_card_combo_));
}

std::string PaymentControl::CardShown(std::string_view number) const {
  return Masking() ? MaskCardNumber(number) : std::string(number);
}

void PaymentControl::ForgetShownCards() {
  card_in_reference_box_.reset();
  card_in_card_combo_.reset();
}

}  // namespace corvane
