// Delete marks a stored payment deleted (or removes one never stored); Undelete takes the
// mark back. Both keep the total and the balance.
#include <cmath>

#include "control/payment_control.h"
#include "control/payment_record.h"

namespace corvane {

void PaymentControl::ShowDeleteCaption(bool undelete) {
  undelete_offered_ = undelete;
  ShowCaption(delete_button_, undelete ? "Undelete" : "Delete");
}

void PaymentControl::OnDeleteButton() {
  const bool undelete = undelete_offered_;
  std::optional<int> row = list_.Selected();
  if (!row) return;  // nothing to act on: not even a question
  // Only a deleted payment can be undeleted, and only once; only a live one deleted.
  if (undelete != (payments_[*row].mark == Mark::kDeleted)) return;
  const char* question = undelete ? "Do you want to Undelete the selected payment record"
                                  : "Do you want to delete the selected payment record";
  if (screen_.MsgBox(Tr(question), kMbYesNoQuestion, Tr("Payment")) != kAnswerYes) return;
  // The host may have reloaded while the question was open.
  row = list_.Selected();
  if (!row) return;

  // The total is summed again from the payments that stay, the selected one counted as it
  // will stand: taking its amount off the total shown would go wrong from about 1e13 on,
  // where the total no longer holds the cents of the smaller payments. A sum beyond a
  // double changes nothing.
  double total;
  if (undelete) {
    // The mark the payment had before its delete: an edit is not lost.
    const Mark before = payments_[*row].mark_before_delete;
    payments_.SetMark(*row, before);
    list_.RowChanged(*row);
    total = payments_.Total();
    if (!std::isfinite(total)) {
      payments_.SetMark(*row, Mark::kDeleted);
      list_.RowChanged(*row);
      return;
    }
    payments_.SetMarkBeforeDelete(*row, Mark::kNone);
  } else {
    total = payments_.TotalWith(*row, 0);
    if (!std::isfinite(total)) return;
  }
  ShowTotal(currency_.Text(total));
  ShowBalance();

  if (undelete) {
    list_.SetForeColor(*row, kBlack);
    list_.SetDescription(*row, "");
    ShowDeleteCaption(false);
    delete_button_.SetEnabled(false);
    return;
  }
  if (payments_[*row].Stored()) {
    list_.SetForeColor(*row, kRed);
    // The red is for the eye; a screen reader says it.
    list_.SetDescription(*row, Tr("Deleted"));
    payments_.SetMarkBeforeDelete(*row, payments_[*row].mark);
    payments_.SetMark(*row, Mark::kDeleted);
    list_.RowChanged(*row);
    ShowDeleteCaption(true);
  } else {
    payments_.Remove(*row);
    entry_.PaymentRemoved(*row);
    list_.RowRemoved(*row);
    delete_button_.SetEnabled(false);
  }
  edit_button_.SetEnabled(false);
  type_combo_.SetEnabled(false);
  type_combo_.SetListIndex(-1);
  reference_box_.SetText("");
  card_in_reference_box_.reset();  // the card box keeps the number it shows
  authorization_box_.SetText("");
  amount_box_.SetText(currency_.Zero());
  date_box_.SetText("");
  if (order_.order_type == kTopUpOrderType) add_button_.SetEnabled(true);
}

}  // namespace corvane
