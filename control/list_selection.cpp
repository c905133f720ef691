// Selecting a payment in the list shows it in the locked entry fields and sets what may be
// done with it. The arrow keys, Home and End select as a click does.
#include "control/payment_control.h"
#include "model/rules.h"
#include "readings/numbers.h"

namespace corvane {

void PaymentControl::OnSelection() {
  if (payments_.size() == 0) return;
  const std::optional<int> selected = list_.Selected();
  if (!selected) throw WidgetError("lstPayment: no row is selected");
  // A copy: the handlers that run while it is shown change no payment, but need not know.
  const Payment payment = payments_[*selected].Copy();
  const std::int16_t mode = order_.Mode();
  const SelectionButtons buttons = ButtonsForSelection(mode, payment);
  ShowDeleteCaption(buttons.undelete);
  edit_button_.SetEnabled(buttons.edit);
  delete_button_.SetEnabled(buttons.remove);

  if (order_.order_type == kTopUpOrderType) {
    delete_button_.SetEnabled(false);
    edit_button_.SetEnabled(false);
    if (mode != kModeView) add_button_.SetEnabled(StrictNumber(totals_.balance) != 0);
    type_combo_.SetText(payment.type);  // refused when it is no entry
    amount_box_.SetText(payment.amount);
    amount_box_.SetLocked(true);
    date_box_.SetText(payment.date);
    return;
  }
  if (entry_.open()) return;
  ShowInEntryFields(payment);
}

void PaymentControl::ShowInEntryFields(const Payment& payment) {
  if (const int entry = type_combo_.FindItem(payment.type); entry >= 0) {
    type_combo_.SetListIndex(entry);
  }
  // A card payment's number is kept whole beside the boxes, which show it as masking wants.
  const bool card = TakesCard(GetPaymentID(payment.type));
  std::string card_shown;
  if (card) {
    card_shown = CardShown(payment.reference);
    card_combo_.SetText(card_shown);
    card_in_card_combo_ = payment.reference;
    card_in_reference_box_ = payment.reference;
  } else {
    card_in_reference_box_.reset();
  }
  const std::string& reference = card ? card_shown : payment.reference;
  for (auto [box, text] : {std::pair{&reference_box_, &reference},
                           std::pair{&authorization_box_, &payment.authorization}}) {
    box->SetText(*text);
    box->SetLocked(true);
    box->SetBackColor(kButtonFace);
  }
  amount_box_.SetText(payment.amount);
  amount_box_.SetLocked(true);
  date_box_.SetText(payment.date);
}

void PaymentControl::OnListKeyUp(std::int16_t key_code) {
  constexpr std::int16_t kEnd = 35, kHome = 36, kUp = 38, kDown = 40;
  if (key_code == kUp || key_code == kDown || key_code == kHome || key_code == kEnd) {
    OnSelection();
  }
}

}  // namespace corvane
