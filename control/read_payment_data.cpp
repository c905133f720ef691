// The change list handed back to the host.
#include "control/corvane.h"
#include "control/payment_record.h"
#include "readings/numbers.h"

namespace corvane {

std::string Corvane::ReadPaymentData() {
  const double rate = mdCurCnversRate == 0 ? 1 : mdCurCnversRate;
  const std::string& fs = mtFieldSeparator;
  const std::string& rs = mtRecordSeparator;
  std::string result;
  const int count = lstPayment.Count();
  for (int row = 0; row < count; ++row) {
    // Unchanged rows are passed over on their mark alone, without reading their cells.
    if (lstPayment.SubItem(row, kColIsUpdate).empty()) continue;
    const PaymentRecord r = PaymentRecord::FromRow(lstPayment, row);
    const PaymentTypeEntry* type =
        mvPaymentTypes ? mvPaymentTypes->Find(r[kColPaymentType]) : nullptr;
    double amount;
    try {
      amount = StrictNumber(r[kColAmount]) / rate;
    } catch (const ReadError& e) {
      throw HostError("ReadPaymentData: payment row " + std::to_string(row + 1) + ": amount " +
                      e.what());
    }
    std::string amount_text;
    try {
      amount_text = GeneralNumber(amount);
    } catch (const std::overflow_error&) {
      throw HostError("ReadPaymentData: payment row " + std::to_string(row + 1) +
                      ": the amount overflows in the host's currency");
    }
    for (const std::string* field : std::initializer_list<const std::string*>{
             &r[kColPaymentDate], type ? &type->front() : &r[kColPaymentType], &r[kColReference],
             &r[kColAuthorization], &amount_text, &r[kColPaymentSequence]}) {
      result += *field;
      result += fs;
    }
    result += r[kColIsUpdate];
    result += rs;
  }
  return result;
}

}  // namespace corvane
