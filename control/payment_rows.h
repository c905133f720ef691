/// @file
/// The payments as the list view's rows: each payment's texts in the list's columns, its
/// mark written as the hidden column shows it. The list reads them here; it keeps none.
/// With card numbers masked, a card payment's reference cell shows the masked number.
#pragma once

#include <optional>
#include <string>

#include "model/payment_book.h"
#include "model/payment_types.h"
#include "surface/list_rows.h"

namespace corvane {

class PaymentRows final : public ListRows {
 public:
  /// The rows of `payments`, whose types `types` names.
  /// REQUIRES: both outlive the rows.
  PaymentRows(const PaymentBook& payments, const std::optional<PaymentTypeTable>& types)
      : payments_(payments), types_(types) {}

  int RowCount() const override { return payments_.size(); }
  /// A masked reference is made afresh here; it stays valid until the next call.
  std::string_view Cell(int row, int cell) const override;

  /// Masks the references of card payments from now on, or shows them whole again.
  void MaskCardNumbers(bool on) { mask_ = on; }
  /// Whether the payment of row `row` is a card payment, whose reference masking hides.
  bool IsCardPayment(int row) const;

 private:
  const PaymentBook& payments_;
  const std::optional<PaymentTypeTable>& types_;
  bool mask_ = false;
  mutable std::string masked_;  // the last masked reference given out
};

}  // namespace corvane
