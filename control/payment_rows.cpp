#include "control/payment_rows.h"

#include "control/payment_record.h"
#include "model/rules.h"
#include "readings/card_mask.h"

namespace corvane {

bool PaymentRows::IsCardPayment(int row) const {
  return TakesCard(TypeIdOf(types_, payments_[row].type));
}

std::string_view PaymentRows::Cell(int row, int cell) const {
  const PaymentView payment = payments_[row];
  switch (cell) {
    case kColPaymentType:
      return payment.type;
    case kColReference:
      if (mask_ && IsCardPayment(row)) {
        masked_ = MaskCardNumber(payment.reference);
        return masked_;
      }
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
