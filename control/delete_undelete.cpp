// Delete marks a stored payment deleted (or removes one never stored); Undelete takes the
// mark back. Both keep the total and the balance.
#include <cmath>

#include "control/corvane.h"
#include "control/payment_record.h"
#include "readings/numbers.h"

namespace corvane {

void Corvane::cmdDelete_Click() {
  const bool undelete = cmdDelete.Caption() == "Undelete";
  std::optional<int> row = lstPayment.Selected();
  if (!row) return;  // nothing to act on: not even a question
  // Only a deleted payment can be undeleted, and only once; only a live one deleted.
  if (undelete != (lstPayment.SubItem(*row, kColIsUpdate) == kMarkDeleted)) return;
  const char* question = undelete ? "Do you want to Undelete the selected payment record"
                                  : "Do you want to delete the selected payment record";
  if (screen_.MsgBox(question, kMbYesNoQuestion, "Payment") != kAnswerYes) return;
  row = lstPayment.Selected();
  if (!row) return;

  // The total is summed again from the payments that stay, the selected one counted as it
  // will stand: taking its amount off the total shown would go wrong from about 1e13 on,
  // where the total no longer holds the cents of the smaller payments. A sum beyond a
  // double changes nothing.
  double total;
  if (undelete) {
    // The mark the payment had before its delete: an edit is not lost.
    lstPayment.SetSubItem(*row, kColIsUpdate, lstPayment.Tag(*row));
    total = SumOfPayments();
    if (!std::isfinite(total)) {
      lstPayment.SetSubItem(*row, kColIsUpdate, kMarkDeleted);
      return;
    }
    lstPayment.SetTag(*row, "");
  } else {
    total = SumOfPayments(*row, 0);
    if (!std::isfinite(total)) return;
  }
  txtTotalAmount.SetText(FormatAmount(total));
  txtBalanceAmount.SetText(
      FormatAmount(StrictNumber(txtOrderedAmount.Text()) - StrictNumber(txtTotalAmount.Text())));

  if (undelete) {
    lstPayment.SetForeColor(*row, kBlack);
    lstPayment.SetDescription(*row, "");
    cmdDelete.SetCaption("Delete");
    cmdDelete.SetEnabled(false);
    return;
  }
  if (!lstPayment.SubItem(*row, kColPaymentSequence).empty()) {
    lstPayment.SetForeColor(*row, kRed);
    // The red is for the eye; a screen reader says it.
    lstPayment.SetDescription(*row, "Deleted");
    lstPayment.SetTag(*row, lstPayment.SubItem(*row, kColIsUpdate));
    lstPayment.SetSubItem(*row, kColIsUpdate, kMarkDeleted);
    cmdDelete.SetCaption("Undelete");
  } else {
    lstPayment.Remove(*row);
    cmdDelete.SetEnabled(false);
  }
  cmdEdit.SetEnabled(false);
  cboPaymentType.SetEnabled(false);
  cboPaymentType.SetListIndex(-1);
  txtReference.SetText("");
  txtAuthorization.SetText("");
  txtAmount.SetText("0.00");
  txtPaymentDate.SetText("");
  if (miOrderType == 2) cmdAdd.SetEnabled(true);
}

}  // namespace corvane
