// Selecting a payment in the list shows it in the locked entry fields and sets what may be
// done with it. The arrow keys, Home and End select as a click does.
#include "control/corvane.h"
#include "control/payment_record.h"
#include "readings/numbers.h"

namespace corvane {

void Corvane::lstPayment_Click() {
  if (lstPayment.Count() == 0) return;
  const std::optional<int> selected = lstPayment.Selected();
  if (!selected) throw WidgetError("lstPayment: no row is selected");
  const PaymentRecord row = PaymentRecord::FromRow(lstPayment, *selected);
  const double mode = StrictNumber(mtMode);
  const bool deleted = row[kColIsUpdate] == kMarkDeleted;
  const bool open = (mode == 1 && !deleted) || (mode == 2 && row[kColPaymentSequence].empty());
  cmdDelete.SetCaption(!open && deleted ? "Undelete" : "Delete");
  cmdEdit.SetEnabled(open);
  cmdDelete.SetEnabled(open || deleted);

  if (miOrderType == 2) {
    cmdDelete.SetEnabled(false);
    cmdEdit.SetEnabled(false);
    if (mode != 0) cmdAdd.SetEnabled(StrictNumber(txtBalanceAmount.Text()) != 0);
    cboPaymentType.SetText(row[kColPaymentType]);  // refused when it is no entry
    txtAmount.SetText(row[kColAmount]);
    txtAmount.SetLocked(true);
    txtPaymentDate.SetText(row[kColPaymentDate]);
    return;
  }
  if (!mtAction.empty()) return;
  if (const int entry = cboPaymentType.FindItem(row[kColPaymentType]); entry >= 0) {
    cboPaymentType.SetListIndex(entry);
  }
  if (GetPaymentID(row[kColPaymentType]) == kCardTypeId) cboCreditCard.SetText(row[kColReference]);
  for (auto [box, column] :
       {std::pair{&txtReference, kColReference}, std::pair{&txtAuthorization, kColAuthorization}}) {
    box->SetText(row[column]);
    box->SetLocked(true);
    box->SetBackColor(kButtonFace);
  }
  txtAmount.SetText(row[kColAmount]);
  txtAmount.SetLocked(true);
  txtPaymentDate.SetText(row[kColPaymentDate]);
}

void Corvane::lstPayment_KeyUp(std::int16_t& KeyCode, std::int16_t) {
  constexpr std::int16_t kEnd = 35, kHome = 36, kUp = 38, kDown = 40;
  if (KeyCode == kUp || KeyCode == kDown || KeyCode == kHome || KeyCode == kEnd) {
    lstPayment_Click();
  }
}

}  // namespace corvane
