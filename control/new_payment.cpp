// New Payment opens an entry; Save checks it and writes it into the list. On an order of
// type 2 that already holds a payment, New Payment instead tops the selected payment up
// to the ordered amount.
#include <cmath>

#include "control/corvane.h"
#include "control/payment_record.h"
#include "readings/dates.h"
#include "readings/numbers.h"

namespace corvane {
namespace {

void Open(TextBox& box, std::string_view text) {
  box.SetText(text);
  box.SetLocked(false);
  box.SetBackColor(kWindowBackground);
}

void Close(TextBox& box, std::string_view text) {
  box.SetText(text);
  box.SetLocked(true);
  box.SetBackColor(kButtonFace);
}

}  // namespace

void Corvane::cmdAdd_Click() {
  if (cmdAdd.Caption() != "New Payment") {
    if (ValidatePayment()) CommitEntry();
    return;
  }
  const int rows = lstPayment.Count();
  const double mode = StrictNumber(mtMode);
  if (miOrderType == 2 && rows >= 1 && mode == 1) {
    TopUpSelectedPayment();
  } else {
    StartEntry();
  }
}

void Corvane::StartEntry() {
  mtAction = "Add";
  cmdAdd.SetCaption("Save");
  cmdEdit.SetCaption("Cancel");
  cmdEdit.SetEnabled(true);
  cmdDelete.SetEnabled(false);
  lstPayment.SetEnabled(false);
  Open(txtReference, "");
  Open(txtAuthorization, "");
  Open(txtAmount, "0.00");
  txtPaymentDate.SetText(mtDateOrderTaken);
  txtPaymentDate.SetBackColor(kWindowBackground);
  DTPckrPaymentDate.SetVisible(true);
  // An order date the picker cannot take (no date, out of its range) is only an offer
  // that cannot be made: the picker offers today instead and the entry opens as usual.
  // The date box takes the picker's date too, so that it never holds the unreadable
  // text; a save writes the picker's date in any case.
  if (!ShowDateInPicker(txtPaymentDate.Text())) {
    txtPaymentDate.SetText(FormatPaymentDate(*DTPckrPaymentDate.Value()));
  }
  // Cleared first, so that choosing the first entry runs its handling even when it was
  // already selected.
  cboPaymentType.SetListIndex(-1);
  if (cboPaymentType.ListCount() != 0) cboPaymentType.SetListIndex(0);
  cboPaymentType.SetEnabled(true);
  cboPaymentType.SetLocked(false);
  cboPaymentType.SetBackColor(kWindowBackground);
}

bool Corvane::ShowDateInPicker(std::string_view text) {
  try {
    DTPckrPaymentDate.SetValueText(text);
    return true;
  } catch (const WidgetError&) {
    DTPckrPaymentDate.SetValue(today_());
    return false;
  }
}

void Corvane::TopUpSelectedPayment() {
  const std::optional<int> row = lstPayment.Selected();
  if (!row) throw WidgetError("lstPayment: no row is selected");
  const std::string mark = lstPayment.SubItem(*row, kColIsUpdate);
  if (mark == kMarkDeleted) return;  // a deleted payment is not brought back this way
  const std::string ordered = txtOrderedAmount.Text();
  lstPayment.SetSubItem(*row, kColAmount, ordered);
  RecomputeTotals();
  txtAmount.SetText(ordered);
  // A payment entered here stays new: the host has never stored it.
  if (mark != kMarkNew) lstPayment.SetSubItem(*row, kColIsUpdate, kMarkUpdated);
  txtBalanceAmount.SetText(
      FormatAmount(StrictNumber(txtOrderedAmount.Text()) - StrictNumber(txtTotalAmount.Text())));
  cmdAdd.SetEnabled(false);
}

void Corvane::CommitEntry() {
  mdEditAmount = 0;
  ReopenList();

  if (mtAction == "Add" || mtAction == "Edit") {
    int row;
    if (mtAction == "Add") {
      row = lstPayment.Add(cboPaymentType.Text());
    } else {
      const std::optional<int> selected = lstPayment.Selected();
      if (!selected) throw WidgetError("lstPayment: no row is selected");
      row = *selected;
      if (cboPaymentType.ListIndex() >= 0) lstPayment.SetText(row, cboPaymentType.Text());
    }
    lstPayment.SetSubItem(row, kColReference, txtReference.Text());
    lstPayment.SetSubItem(row, kColAuthorization, txtAuthorization.Text());
    lstPayment.SetSubItem(row, kColAmount, txtAmount.Text());
    lstPayment.SetSubItem(row, kColPaymentDate, txtPaymentDate.Text());
    if (mtAction == "Add") {
      lstPayment.SetSubItem(row, kColIsUpdate, kMarkNew);
      lstPayment.Select(row);
    } else if (!lstPayment.SubItem(row, kColPaymentSequence).empty()) {
      lstPayment.SetSubItem(row, kColIsUpdate, kMarkUpdated);
    }
  }
  RecomputeTotals();
  // The host's handler runs here and may call back into the control, even reload it:
  // nothing below holds a row across it.
  RaiseAmountTotal(StrictNumber(txtTotalAmount.Text()));
  txtBalanceAmount.SetText("0.00");
  txtBalanceAmount.SetText(
      FormatAmount(StrictNumber(txtOrderedAmount.Text()) - StrictNumber(txtTotalAmount.Text())));
  mtAction.clear();

  cboCreditCard.SetText("");
  cboCreditCard.SetEnabled(false);
  cboCreditCard.SetBackColor(kButtonFace);
  Close(txtReference, "");
  Close(txtAuthorization, "");
  Close(txtAmount, "0.00");
  txtPaymentDate.SetText("");
  txtPaymentDate.SetBackColor(kButtonFace);
  DTPckrPaymentDate.SetVisible(false);
  cboPaymentType.SetEnabled(false);
  cboPaymentType.SetLocked(true);
  cboPaymentType.SetBackColor(kButtonFace);
  lstPayment.SetFocus();
  lstPayment_Click();
}

double Corvane::SumOfPayments(int replaced_row, double amount) {
  double total = 0;
  const int rows = lstPayment.Count();
  for (int row = 0; row < rows; ++row) {
    if (lstPayment.SubItem(row, kColIsUpdate) == kMarkDeleted) continue;
    total += row == replaced_row ? amount : LenientNumber(lstPayment.SubItem(row, kColAmount));
    if (!std::isfinite(total)) return total;
    total = LenientNumber(FormatAmount(total));
  }
  return total;
}

void Corvane::RecomputeTotals() {
  // The box shows only the final sum: nothing watches it in between.
  txtTotalAmount.SetText(FormatAmount(SumOfPayments()));
}

}  // namespace corvane
