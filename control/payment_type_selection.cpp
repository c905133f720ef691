// Choosing a payment type opens the fields that type needs; choosing a card fills the
// reference. Both also run when code moves the selection.
#include "control/payment_control.h"
#include "model/rules.h"
#include "readings/card_grouping.h"

namespace corvane {
namespace {

void Open(TextBox& box) {
  box.SetEnabled(true);
  box.SetLocked(false);
  box.SetBackColor(kWindowBackground);
}

}  // namespace

void PaymentControl::OnTypeChosen() {
  const bool entering = entry_.open();
  const std::int16_t type_id = entering ? GetPaymentID(type_combo_.Text()) : 0;
  if (entering && TakesCard(type_id)) {
    const std::string first_card = card_combo_.ListCount() > 0 ? card_combo_.List(0) : "";
    if (first_card == "Not Found") {
      card_combo_.ZOrder(1);
      card_box_.ZOrder(0);
      ShowCardNotFound(true);
      card_box_.SetEnabled(false);
      card_box_.SetBackColor(kWindowBackground);
      reference_box_.SetEnabled(true);
      reference_box_.SetText("");
      reference_box_.SetBackColor(kWindowBackground);
      reference_box_.SetFocus();
      authorization_box_.SetEnabled(true);
      authorization_box_.SetText("");
      authorization_box_.SetBackColor(kWindowBackground);
    } else {
      card_box_.ZOrder(1);
      card_combo_.ZOrder(0);
      card_combo_.SetLocked(false);
      card_combo_.SetEnabled(true);
      card_combo_.SetBackColor(kWindowBackground);
      card_combo_.SetFocus();
      Open(reference_box_);
      Open(authorization_box_);
      if (std::optional<std::string> grouped = GroupCardNumber(reference_box_.Text())) {
        reference_box_.SetText(*grouped);
      }
    }
  } else if (entering && !ReferenceNeeded(type_id, order_.order_type)) {
    card_combo_.SetText("");
    card_combo_.SetBackColor(kButtonFace);
    card_combo_.SetEnabled(false);
    ShowCardNotFound(false);
    card_box_.SetBackColor(kButtonFace);
    card_box_.SetEnabled(false);
    for (TextBox* box : {&reference_box_, &authorization_box_}) {
      box->SetText("");
      box->SetEnabled(false);
      box->SetBackColor(kButtonFace);
    }
    if (order_.order_type != kTopUpOrderType) amount_box_.SetFocus();
  } else if (entering) {
    Open(reference_box_);
    Open(authorization_box_);
    card_box_.ZOrder(1);
    card_combo_.ZOrder(0);
    card_combo_.SetText("");
    reference_box_.SetText("");
    authorization_box_.SetText("");
    card_combo_.SetEnabled(false);
    card_combo_.SetBackColor(kButtonFace);
    reference_box_.SetFocus();
  }
  if (order_.order_type == kTopUpOrderType) {  // proposes what is left to pay, on the order's date
    amount_box_.SetText(BalanceText(totals_.ordered, totals_.total, currency_.decimals));
    date_box_.SetText(order_.date_order_taken);
  }
}

void PaymentControl::OnCardChosen() {
  ForgetShownCards();  // both boxes show the operator's choice from here on
  reference_box_.SetLocked(false);
  reference_box_.SetEnabled(true);
  reference_box_.SetText(card_combo_.Text());
  reference_box_.SetBackColor(kWindowBackground);
  Open(authorization_box_);
  authorization_box_.SetFocus();
}

}  // namespace corvane
