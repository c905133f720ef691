/// @file
/// The payments as the list view's rows: each payment's texts in the list's columns, its
/// mark written as the hidden column shows it. The list reads them here; it keeps none.
#pragma once

#include "model/payment_book.h"
#include "surface/list_rows.h"

namespace corvane {

class PaymentRows final : public ListRows {
 public:
  explicit PaymentRows(const PaymentBook& payments) : payments_(payments) {}

  int RowCount() const override { return payments_.size(); }
  std::string_view Cell(int row, int cell) const override;

 private:
  const PaymentBook& payments_;
};

}  // namespace corvane
