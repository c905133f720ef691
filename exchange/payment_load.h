// Everything one WritePaymentData call loads, checked whole before the screen changes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/payment_types.h"

namespace corvane {

struct PaymentLoadInput {
  std::string_view credit_cards;
  std::string_view payment_types;
  std::string_view payments;
  std::string_view field_separator;
  std::string_view record_separator;
};

// What the load finds on the control when it runs.
struct PaymentLoadContext {
  const std::optional<PaymentTypeTable>* current_types;  // the table in force before the call
  double rate;                                           // conversion rate, 0 counting as 1
  std::string_view total_text;                           // the total box
  std::string_view ordered_text;                         // the ordered-amount box
};

struct PaymentLoadRow {
  std::size_t type_position;
  std::string_view reference;
  std::string_view authorization;
  std::string amount;  // converted, "0.00"
  std::string_view payment_date;
  std::string_view sequence;
};

struct PaymentLoad {
  std::optional<std::vector<std::string_view>> credit_cards;  // none: not given
  std::optional<PaymentTypeTable> payment_types;              // none: not given
  bool payments_given = false;
  std::vector<PaymentLoadRow> rows;
  std::string total;                    // the total box after the rows
  std::optional<std::string> balance;   // none: the balance keeps its text
};

// Splits and checks the whole call. Views point into `input`. Throws HostError naming the
// record (from 1) and the field when anything cannot be loaded.
PaymentLoad PlanPaymentLoad(const PaymentLoadInput& input, const PaymentLoadContext& context);

}  // namespace corvane
