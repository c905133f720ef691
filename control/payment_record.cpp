#include "control/payment_record.h"

#include "corvane/widgets.h"

namespace corvane {

const std::array<PaymentColumnSpec, kPaymentColumnCount> kPaymentColumns{{
    {"Payment Type", 5, Alignment::kLeft},
    {"Reference", 4.9, Alignment::kLeft},
    {"Authorization", 5, Alignment::kLeft},
    {"Amount ($)", 5, Alignment::kRight},
    {"Payment Date", 5.35, Alignment::kRight},
    {"PaymentSequence", 0, Alignment::kLeft},
    {"IsUpdate", 0, Alignment::kLeft},
}};

PaymentRecord PaymentRecord::FromRow(const ListView& list, int row) {
  PaymentRecord record;
  record.cells[0] = list.Text(row);
  for (int c = 1; c < kPaymentColumnCount; ++c) record.cells[c] = list.SubItem(row, c);
  return record;
}

}  // namespace corvane
