#include "control/payment_rows.h"

#include "control/payment_record.h"

namespace corvane {

std::string_view PaymentRows::Cell(int row, int cell) const {
  const PaymentView payment = payments_[row];
  switch (cell) {
    case kColPaymentType:
      return payment.type;
    case kColReference:
      return payment.reference;
    case kColAuthorization:
      return payment.authorization;
    case kColAmount:
      return payment.amount;
    case kColPaymentDate:
      return payment.date;
    case kColPaymentSequence:
      return payment.sequence;
    case kColIsUpdate:
      return MarkText(payment.mark);
    default:
      return {};
  }
}

}  // namespace corvane
