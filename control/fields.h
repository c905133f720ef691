/// @file
/// The control's instance fields. All start empty: texts "", numbers 0, no type table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "model/payment_types.h"

namespace corvane {

/// The control's instance fields; Corvane::fields() shows them.
struct InstanceFields {
  std::string mtMode;             ///< the host's mode number as decimal text
  std::string mtAction;           ///< "Add", "Edit" or "" (idle)
  std::string mtFieldSeparator;   ///< of the last load
  std::string mtRecordSeparator;  ///< of the last load
  std::int16_t miCountry = 0;     ///< stored, never read
  std::int16_t miOrderType = 0;   ///< as PaymentDetails gave it
  double mdOrderedAmount = 0;     ///< only copied, formatted, into the ordered-amount box
  std::string mtDateOrderTaken;   ///< as the host gave it
  double mdCurCnversRate = 0;     ///< 0 counts as 1
  double mdEditAmount = 0;        ///< the amount an open edit started from; 0 otherwise
  std::optional<PaymentTypeTable> mvPaymentTypes;  ///< none until a load gives types
};

}  // namespace corvane
