/// @file
/// One payment: one row of the payment list. The list is the only store of payments; every
/// cell is text. The row text is column 0; sub-items 1 to 6 are the other columns.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "corvane/layout.h"

namespace corvane {

class ListView;

/// The columns of the payment list.
enum PaymentColumn : int {
  kColPaymentType = 0,
  kColReference = 1,
  kColAuthorization = 2,
  kColAmount = 3,  ///< displayed currency, written "0.00"
  kColPaymentDate = 4,
  kColPaymentSequence = 5,  ///< the host's identification; empty for a payment entered here
  kColIsUpdate = 6,         ///< the change mark
};
/// The number of columns, PaymentColumn's values.
inline constexpr int kPaymentColumnCount = 7;

/// @{
/// Change marks: empty for a payment loaded and unchanged.
inline constexpr std::string_view kMarkNew = "N";
inline constexpr std::string_view kMarkUpdated = "U";
inline constexpr std::string_view kMarkDeleted = "D";
/// @}

/// A column's header, width and alignment.
struct PaymentColumnSpec {
  std::string_view header;  ///< the header's text
  double divisor;           ///< width = list width / divisor; 0 gives a hidden column of width 0
  Alignment alignment;      ///< of the header and the cells

  /// The column's width in a list `list_width` wide.
  double WidthFor(double list_width) const { return divisor == 0 ? 0 : list_width / divisor; }
};

/// The columns in PaymentColumn order.
extern const std::array<PaymentColumnSpec, kPaymentColumnCount> kPaymentColumns;

/// A payment's cells, copied out of the list.
struct PaymentRecord {
  std::array<std::string, kPaymentColumnCount> cells;  ///< in PaymentColumn order

  /// The cell of column `c`.
  const std::string& operator[](PaymentColumn c) const { return cells[c]; }
  /// Equal when every cell is.
  bool operator==(const PaymentRecord&) const = default;

  /// The cells of list row `row`.
  /// REQUIRES: `row` exists in `list`.
  static PaymentRecord FromRow(const ListView& list, int row);
};

}  // namespace corvane
