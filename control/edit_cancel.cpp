// Edit opens the selected payment for change; Cancel abandons an add or an edit.
#include "control/payment_control.h"
#include "model/rules.h"
#include "readings/numbers.h"

namespace corvane {

void PaymentControl::OnEditButton() {
  if (entry_.open()) {  // the button reads "Cancel"
    CancelEntry();
  } else {
    StartEdit();
  }
}

void PaymentControl::StartEdit() {
  entry_.date_stand_in.reset();
  const std::optional<int> selected = list_.Selected();
  if (!selected) throw WidgetError("lstPayment: no row is selected");
  const Payment payment = payments_[*selected].Copy();
  if (payment.type.empty()) return;
  entry_.kind = EntryKind::kEditing;
  entry_.row = *selected;
  // The fields are the entry's now. The reference box gets back the whole number it showed
  // masked: the type's handling below reads it.
  if (card_in_reference_box_ && Masking()) reference_box_.SetText(*card_in_reference_box_);
  ForgetShownCards();
  ShowCaption(add_button_, "Save");
  ShowCaption(edit_button_, "Cancel");
  delete_button_.SetEnabled(false);
  list_.SetEnabled(false);
  list_.SetBackColor(kButtonFace);
  list_.SetHideSelection(false);
  type_combo_.SetLocked(false);
  type_combo_.SetEnabled(true);
  type_combo_.SetBackColor(kWindowBackground);
  // A type that is not on offer shows no type rather than another one: the save keeps the
  // payment's own type unless the operator chooses one.
  type_combo_.SetListIndex(type_combo_.FindItem(payment.type));  // the type's handling runs
  const std::int16_t type_id = GetPaymentID(type_combo_.Text());
  if (TakesCard(type_id)) {
    card_combo_.SetEnabled(true);
    card_combo_.SetBackColor(kWindowBackground);
    card_combo_.SetText(payment.reference);
  }
  const bool closed = !ReferenceNeeded(GetPaymentID(type_combo_.Text()), order_.order_type);
  for (auto [box, text] : {std::pair{&reference_box_, &payment.reference},
                           std::pair{&authorization_box_, &payment.authorization}}) {
    if (closed) {  // shown, but not to be changed
      box->SetText("");
      box->SetEnabled(false);
      box->SetBackColor(kButtonFace);
    } else {
      box->SetEnabled(true);
      box->SetLocked(false);
      box->SetBackColor(kWindowBackground);
    }
    box->SetText(*text);
  }
  amount_box_.SetLocked(false);
  amount_box_.SetBackColor(kWindowBackground);
  amount_box_.SetText(payment.amount);
  entry_.start_amount = StrictNumber(payment.amount);
  date_box_.SetBackColor(kWindowBackground);
  date_box_.SetText(payment.date);
  date_picker_.SetVisible(true);
  if (payment.date.empty()) {
    date_picker_.SetValue(today_());
  } else if (!ShowDateInPicker(payment.date)) {
    // The picker shows today, but the payment keeps its own date unless the operator picks
    // another one (see CheckSave).
    entry_.date_stand_in = date_picker_.Value();
  }
  type_combo_.SetFocus();
}

void PaymentControl::ReopenList() {
  ShowCaption(add_button_, "New Payment");
  ShowCaption(edit_button_, "Edit");
  edit_button_.SetEnabled(false);
  list_.SetEnabled(true);
  list_.SetHideSelection(true);
  list_.SetBackColor(kWindowBackground);
}

void PaymentControl::CancelEntry() {
  ReopenList();
  CloseEntryPanel(Closing::kCancel);
}

}  // namespace corvane
