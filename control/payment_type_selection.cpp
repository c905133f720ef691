// Choosing a payment type opens the fields that type needs; choosing a card fills the
// reference. Both also run when code moves the selection.
#include "control/corvane.h"
#include "readings/card_grouping.h"
#include "readings/numbers.h"

namespace corvane {
namespace {

void Open(TextBox& box) {
  box.SetEnabled(true);
  box.SetLocked(false);
  box.SetBackColor(kWindowBackground);
}

}  // namespace

void Corvane::cboPaymentType_Click() {
  const bool entering = mtAction == "Add" || mtAction == "Edit";
  if (entering && GetPaymentID(cboPaymentType.Text()) == kCardTypeId) {
    const std::string first_card = cboCreditCard.ListCount() > 0 ? cboCreditCard.List(0) : "";
    if (first_card == "Not Found") {
      cboCreditCard.ZOrder(1);
      txtCreditCard.ZOrder(0);
      txtCreditCard.SetText("Not Found");
      txtCreditCard.SetEnabled(false);
      txtCreditCard.SetBackColor(kWindowBackground);
      txtReference.SetEnabled(true);
      txtReference.SetText("");
      txtReference.SetBackColor(kWindowBackground);
      txtReference.SetFocus();
      txtAuthorization.SetEnabled(true);
      txtAuthorization.SetText("");
      txtAuthorization.SetBackColor(kWindowBackground);
    } else {
      txtCreditCard.ZOrder(1);
      cboCreditCard.ZOrder(0);
      cboCreditCard.SetLocked(false);
      cboCreditCard.SetEnabled(true);
      cboCreditCard.SetBackColor(kWindowBackground);
      cboCreditCard.SetFocus();
      Open(txtReference);
      Open(txtAuthorization);
      if (std::optional<std::string> grouped = GroupCardNumber(txtReference.Text())) {
        txtReference.SetText(*grouped);
      }
    }
  } else if (entering &&
             (GetPaymentID(cboPaymentType.Text()) == kNoReferenceTypeId || miOrderType == 2)) {
    cboCreditCard.SetText("");
    cboCreditCard.SetBackColor(kButtonFace);
    cboCreditCard.SetEnabled(false);
    txtCreditCard.SetText("");
    txtCreditCard.SetBackColor(kButtonFace);
    txtCreditCard.SetEnabled(false);
    for (TextBox* box : {&txtReference, &txtAuthorization}) {
      box->SetText("");
      box->SetEnabled(false);
      box->SetBackColor(kButtonFace);
    }
    if (miOrderType != 2) txtAmount.SetFocus();
  } else if (entering) {
    Open(txtReference);
    Open(txtAuthorization);
    txtCreditCard.ZOrder(1);
    cboCreditCard.ZOrder(0);
    cboCreditCard.SetText("");
    txtReference.SetText("");
    txtAuthorization.SetText("");
    cboCreditCard.SetEnabled(false);
    cboCreditCard.SetBackColor(kButtonFace);
    txtReference.SetFocus();
  }
  if (miOrderType == 2) {  // proposes what is left to pay, on the order's date
    txtAmount.SetText(
        FormatAmount(StrictNumber(txtOrderedAmount.Text()) - StrictNumber(txtTotalAmount.Text())));
    txtPaymentDate.SetText(mtDateOrderTaken);
  }
}

void Corvane::cboCreditCard_Click() {
  txtReference.SetLocked(false);
  txtReference.SetEnabled(true);
  txtReference.SetText(cboCreditCard.Text());
  txtReference.SetBackColor(kWindowBackground);
  Open(txtAuthorization);
  txtAuthorization.SetFocus();
}

}  // namespace corvane
