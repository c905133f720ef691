// One payment: one row of the payment list. The list is the only store of payments; every
// cell is text. The row text is column 0; sub-items 1 to 6 are the other columns.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "widgets/layout.h"

namespace corvane {

class ListView;

enum PaymentColumn : int {
  kColPaymentType = 0,
  kColReference = 1,
  kColAuthorization = 2,
  kColAmount = 3,  // displayed currency, written "0.00"
  kColPaymentDate = 4,
  kColPaymentSequence = 5,  // the host's identification; empty for a payment entered here
  kColIsUpdate = 6,         // the change mark
};
inline constexpr int kPaymentColumnCount = 7;

// Change marks: empty for a payment loaded and unchanged.
inline constexpr std::string_view kMarkNew = "N";
inline constexpr std::string_view kMarkUpdated = "U";
inline constexpr std::string_view kMarkDeleted = "D";

struct PaymentColumnSpec {
  std::string_view header;
  double divisor;  // width = list width / divisor; 0 gives a hidden column of width 0
  Alignment alignment;

  double WidthFor(double list_width) const { return divisor == 0 ? 0 : list_width / divisor; }
};

extern const std::array<PaymentColumnSpec, kPaymentColumnCount> kPaymentColumns;

struct PaymentRecord {
  std::array<std::string, kPaymentColumnCount> cells;

  const std::string& operator[](PaymentColumn c) const { return cells[c]; }
  bool operator==(const PaymentRecord&) const = default;

  // REQUIRES: `row` exists in `list`.
  static PaymentRecord FromRow(const ListView& list, int row);
};

}  // namespace corvane
