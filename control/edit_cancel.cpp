// Edit opens the selected payment for change; Cancel abandons an add or an edit.
#include "control/corvane.h"
#include "control/payment_record.h"
#include "readings/numbers.h"

namespace corvane {

void Corvane::cmdEdit_Click() {
  if (cmdEdit.Caption() == "Cancel") {
    CancelEntry();
  } else {
    StartEdit();
  }
}

void Corvane::StartEdit() {
  edit_date_stand_in_.reset();
  const std::optional<int> selected = lstPayment.Selected();
  if (!selected) throw WidgetError("lstPayment: no row is selected");
  const PaymentRecord row = PaymentRecord::FromRow(lstPayment, *selected);
  if (row[kColPaymentType].empty()) return;
  mtAction = "Edit";
  cmdAdd.SetCaption("Save");
  cmdEdit.SetCaption("Cancel");
  cmdDelete.SetEnabled(false);
  lstPayment.SetEnabled(false);
  lstPayment.SetBackColor(kButtonFace);
  lstPayment.SetHideSelection(false);
  cboPaymentType.SetLocked(false);
  cboPaymentType.SetEnabled(true);
  cboPaymentType.SetBackColor(kWindowBackground);
  const int entry = cboPaymentType.FindItem(row[kColPaymentType]);
  // A type that is not on offer shows no type rather than another one: the save keeps the
  // row's own type unless the operator chooses one.
  cboPaymentType.SetListIndex(entry);  // the type's handling runs here when it moves
  if (GetPaymentID(cboPaymentType.Text()) == kCardTypeId) {
    cboCreditCard.SetEnabled(true);
    cboCreditCard.SetBackColor(kWindowBackground);
    cboCreditCard.SetText(row[kColReference]);
  }
  const bool closed = miOrderType == 2 || GetPaymentID(cboPaymentType.Text()) == kNoReferenceTypeId;
  for (auto [box, column] :
       {std::pair{&txtReference, kColReference}, std::pair{&txtAuthorization, kColAuthorization}}) {
    if (closed) {  // shown, but not to be changed
      box->SetText("");
      box->SetEnabled(false);
      box->SetBackColor(kButtonFace);
    } else {
      box->SetEnabled(true);
      box->SetLocked(false);
      box->SetBackColor(kWindowBackground);
    }
    box->SetText(row[column]);
  }
  txtAmount.SetLocked(false);
  txtAmount.SetBackColor(kWindowBackground);
  txtAmount.SetText(row[kColAmount]);
  mdEditAmount = StrictNumber(txtAmount.Text());
  txtPaymentDate.SetBackColor(kWindowBackground);
  txtPaymentDate.SetText(row[kColPaymentDate]);
  DTPckrPaymentDate.SetVisible(true);
  if (txtPaymentDate.Text().empty()) {
    DTPckrPaymentDate.SetValue(today_());
  } else if (!ShowDateInPicker(txtPaymentDate.Text())) {
    // The picker shows today, but the payment keeps its own date unless the operator
    // picks another one (see ValidatePayment).
    edit_date_stand_in_ = DTPckrPaymentDate.Value();
  }
  cboPaymentType.SetFocus();
}

void Corvane::ReopenList() {
  cmdAdd.SetCaption("New Payment");
  cmdEdit.SetCaption("Edit");
  cmdEdit.SetEnabled(false);
  lstPayment.SetEnabled(true);
  lstPayment.SetHideSelection(true);
  lstPayment.SetBackColor(kWindowBackground);
}

void Corvane::CancelEntry() {
  ReopenList();
  mtAction.clear();
  mdEditAmount = 0;
  for (auto [box, text] : {std::pair{&txtReference, ""}, std::pair{&txtAuthorization, ""},
                           std::pair{&txtAmount, "0.00"}}) {
    box->SetText(text);
    box->SetLocked(true);
    box->SetBackColor(kButtonFace);
  }
  txtPaymentDate.SetText("");
  txtPaymentDate.SetBackColor(kButtonFace);
  DTPckrPaymentDate.SetVisible(false);
  cboPaymentType.SetListIndex(-1);
  cboPaymentType.SetEnabled(false);
  cboPaymentType.SetBackColor(kButtonFace);
  cboCreditCard.SetText("");
  cboCreditCard.SetLocked(true);
  cboCreditCard.SetBackColor(kButtonFace);
  txtCreditCard.SetText("");
  txtCreditCard.SetLocked(true);
  txtCreditCard.SetBackColor(kButtonFace);
  lstPayment.SetFocus();
  lstPayment_Click();
}

}  // namespace corvane
