// New Payment opens an entry; Save checks it and writes it into the list. On an order of
// the top-up type that already holds a payment, New Payment instead tops the selected
// payment up to the ordered amount.
#include "control/payment_control.h"
#include "control/payment_record.h"
#include "model/rules.h"
#include "readings/dates.h"
#include "readings/numbers.h"

namespace corvane {
namespace {

void Open(TextBox& box, std::string_view text) {
  box.SetText(text);
  box.SetLocked(false);
  box.SetBackColor(kWindowBackground);
}

}  // namespace

void PaymentControl::OnAddButton() {
  if (entry_.open()) {  // the button reads "Save"
    if (CheckSave()) CommitEntry();
    return;
  }
  if (TopsUp(order_, payments_.size())) {
    TopUpSelectedPayment();
  } else {
    StartEntry();
  }
}

void PaymentControl::StartEntry() {
  entry_.kind = EntryKind::kAdding;
  ForgetShownCards();  // the fields are the entry's now
  ShowCaption(add_button_, "Save");
  ShowCaption(edit_button_, "Cancel");
  edit_button_.SetEnabled(true);
  delete_button_.SetEnabled(false);
  list_.SetEnabled(false);
  Open(reference_box_, "");
  Open(authorization_box_, "");
  Open(amount_box_, currency_.Zero());
  date_box_.SetText(order_.date_order_taken);
  date_box_.SetBackColor(kWindowBackground);
  date_picker_.SetVisible(true);
  // An order date the picker cannot take (no date, out of its range) is only an offer
  // that cannot be made: the picker offers today instead and the entry opens as usual.
  // The date box takes the picker's date too, so that it never holds the unreadable
  // text; a save writes the picker's date in any case.
  if (!ShowDateInPicker(order_.date_order_taken)) {
    date_box_.SetText(FormatPaymentDate(*date_picker_.Value()));
  }
  // Cleared first, so that choosing the first entry runs its handling even when it was
  // already selected.
  type_combo_.SetListIndex(-1);
  if (type_combo_.ListCount() != 0) type_combo_.SetListIndex(0);
  type_combo_.SetEnabled(true);
  type_combo_.SetLocked(false);
  type_combo_.SetBackColor(kWindowBackground);
}

bool PaymentControl::ShowDateInPicker(std::string_view text) {
  try {
    date_picker_.SetValueText(text);
    return true;
  } catch (const WidgetError&) {
    date_picker_.SetValue(today_());
    return false;
  }
}

void PaymentControl::TopUpSelectedPayment() {
  const std::optional<int> row = list_.Selected();
  if (!row) throw WidgetError("lstPayment: no row is selected");
  const Mark mark = payments_[*row].mark;
  if (mark == Mark::kDeleted) return;  // a deleted payment is not brought back this way
  payments_.SetAmount(*row, totals_.ordered);
  list_.RowChanged(*row);
  ShowTotal(currency_.Text(payments_.Total()));
  amount_box_.SetText(totals_.ordered);
  // A payment entered here stays new: the host has never stored it.
  if (mark != Mark::kNew) {
    payments_.SetMark(*row, Mark::kUpdated);
    list_.RowChanged(*row);
  }
  ShowBalance();
  add_button_.SetEnabled(false);
}

void PaymentControl::CommitEntry() {
  entry_.start_amount = 0;
  ReopenList();

  if (entry_.kind == EntryKind::kAdding) {
    Payment payment{.type = type_combo_.Text(),
                    .reference = reference_box_.Text(),
                    .authorization = authorization_box_.Text(),
                    .amount = amount_box_.Text(),
                    .date = date_box_.Text(),
                    .sequence = "",
                    .mark = Mark::kNew,
                    .mark_before_delete = Mark::kNone};
    const int row = payments_.Add(payment);
    list_.RowsInserted(row, 1);
    list_.Select(row);
  } else if (entry_.kind == EntryKind::kEditing) {
    // The edit writes to its payment; when that left the list, the save ends here, as a
    // run-time failure, with the list open again.
    if (!entry_.edits_payment()) throw WidgetError("lstPayment: the edited payment is gone");
    const int row = entry_.row;
    Payment payment = payments_[row].Copy();
    const bool retyped = type_combo_.ListIndex() >= 0;
    if (retyped) payment.type = type_combo_.Text();
    payment.reference = reference_box_.Text();
    payment.authorization = authorization_box_.Text();
    payment.amount = amount_box_.Text();
    payment.date = date_box_.Text();
    if (payment.Stored()) payment.mark = Mark::kUpdated;
    payments_.Set(row, payment);
    list_.RowChanged(row);
  }
  ShowTotal(currency_.Text(payments_.Total()));
  // The host's handler runs here and may call back into the control, even reload it:
  // nothing below holds a row across it.
  RaiseAmountTotal(StrictNumber(totals_.total));
  totals_.balance = currency_.Zero();
  balance_box_.SetText(totals_.balance);
  ShowBalance();
  CloseEntryPanel(Closing::kSave);
}

}  // namespace corvane
