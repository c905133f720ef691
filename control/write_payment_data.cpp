// Loading the host's credit cards, payment types and stored payments.
#include "control/corvane.h"
#include "control/payment_record.h"
#include "model/payment_load.h"

namespace corvane {

void Corvane::WritePaymentData(std::string_view ptCreditCard, std::string_view ptPaymentType,
                               std::string_view ptData, std::string_view ptFieldSeparator,
                               std::string_view ptRecordSeparator) {
  const std::string total_text = txtTotalAmount.Text();
  const std::string ordered_text = txtOrderedAmount.Text();
  PaymentLoad load =
      PlanPaymentLoad({ptCreditCard, ptPaymentType, ptData, ptFieldSeparator, ptRecordSeparator},
                      {&mvPaymentTypes, mdCurCnversRate, total_text, ordered_text});

  cboCreditCard.Clear();
  cboPaymentType.Clear();
  mtFieldSeparator = ptFieldSeparator;
  mtRecordSeparator = ptRecordSeparator;
  if (load.credit_cards) {
    for (std::string_view card : *load.credit_cards) cboCreditCard.AddItem(card);
  }
  if (load.payment_types) {
    mvPaymentTypes = std::move(*load.payment_types);
    const std::vector<PaymentTypeEntry>& entries = mvPaymentTypes->entries();
    auto offer = [&](std::size_t i) {
      if (i < entries.size()) {
        if (const std::string* name = NameOf(entries[i])) cboPaymentType.AddItem(*name);
      }
    };
    if (miOrderType == 2) {
      offer(0);
    } else {
      // Positions 0, 3 and 4 are never offered; position 1 comes last.
      for (std::size_t i = 2; i < entries.size(); ++i) {
        if (i != 3 && i != 4) offer(i);
      }
      offer(1);
    }
    cboPaymentType.SetEnabled(false);
    ResetPaymentScreen();
  }
  if (load.payments_given) {
    lstPayment.Reserve(static_cast<int>(load.rows.size()));
    for (const PaymentLoadRow& row : load.rows) {
      // The plan checked that the position names an entry with a name.
      const int i = lstPayment.Add(*NameOf(mvPaymentTypes->entries()[row.type_position]));
      lstPayment.SetSubItem(i, kColReference, row.reference);
      lstPayment.SetSubItem(i, kColAuthorization, row.authorization);
      lstPayment.SetSubItem(i, kColAmount, row.amount);
      lstPayment.SetSubItem(i, kColPaymentDate, row.payment_date);
      lstPayment.SetSubItem(i, kColPaymentSequence, row.sequence);
    }
    txtTotalAmount.SetText(load.total);
  }
  if (load.balance) txtBalanceAmount.SetText(*load.balance);
}

void Corvane::ResetPaymentScreen() {
  lstPayment.Clear();
  lstPayment.SetEnabled(true);
  lstPayment.SetHideSelection(true);
  lstPayment.SetBackColor(kWindowBackground);
  cmdAdd.SetCaption("New Payment");
  cmdEdit.SetCaption("Edit");
  cmdDelete.SetEnabled(false);
  cmdEdit.SetEnabled(false);
  for (TextBox* box : {&txtReference, &txtAuthorization}) {
    box->SetText("");
    box->SetLocked(true);
    box->SetBackColor(kButtonFace);
  }
  txtAmount.SetText("0.00");
  txtAmount.SetLocked(true);
  txtAmount.SetBackColor(kButtonFace);
  txtPaymentDate.SetText("");
  txtPaymentDate.SetBackColor(kButtonFace);
  for (TextBox* box : {&txtTotalAmount, &txtBalanceAmount}) {
    box->SetText("0.00");
    box->SetLocked(true);
    box->SetBackColor(kButtonFace);
  }
  // An add or edit under way ends here, as far as a cancel would end it.
  mtAction.clear();
  mdEditAmount = 0;
  DTPckrPaymentDate.SetVisible(false);
  cboCreditCard.SetText("");
  cboCreditCard.SetLocked(true);
  cboCreditCard.SetBackColor(kButtonFace);
}

}  // namespace corvane
