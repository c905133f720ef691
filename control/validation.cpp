// The checks of a save, in a fixed order; the first that fails tells the operator and
// puts the cursor where the correction goes.
#include "control/payment_control.h"
#include "readings/dates.h"
#include "readings/utf8.h"

namespace corvane {

bool PaymentControl::CheckSave() {
  const std::string type = type_combo_.Text();
  const std::string reference = reference_box_.Text();
  const std::string authorization = authorization_box_.Text();
  const std::string amount = amount_box_.Text();
  if (std::optional<SaveRefusal> refusal =
          CheckEntry({type, reference, authorization, amount}, types_, order_, payments_, entry_)) {
    Refuse(*refusal);
    return false;
  }
  const std::optional<Date> date = date_picker_.Value();
  if (!date) throw WidgetError("DTPckrPaymentDate: no date");
  if (entry_.edits_payment() && entry_.date_stand_in == date) {
    // An edited payment whose date the picker could not take keeps that date: the picker
    // still shows the date it was given in its place, so the operator picked no other.
    // (Picking that very date again cannot be told from no pick, and keeps it too.)
    date_box_.SetText(payments_[entry_.row].date);
  } else {
    date_box_.SetText(FormatPaymentDate(*date));
  }
  if (std::optional<SaveRefusal> refusal = CheckOrderTotal(order_, totals_, amount, entry_)) {
    Refuse(*refusal);
    return false;
  }
  return true;
}

void PaymentControl::Refuse(const SaveRefusal& refusal) {
  screen_.MsgBox(catalog_.Text(refusal.prompt, refusal.named), kMbOkInformation, Tr(refusal.title));
  Widget* field = nullptr;
  TextBox* box = nullptr;
  switch (refusal.field) {
    case EntryField::kType:
      field = &type_combo_;
      break;
    case EntryField::kReference:
      field = box = &reference_box_;
      break;
    case EntryField::kAuthorization:
      field = box = &authorization_box_;
      break;
    case EntryField::kAmount:
      field = box = &amount_box_;
      break;
  }
  if (refusal.select_all && box) {
    box->SetSelStart(0);
    box->SetSelLength(CodePointCount(box->Text()));
  }
  field->SetFocus();
}

}  // namespace corvane
