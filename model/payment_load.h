/// @file
/// Everything one load loads (WritePaymentData's texts or LoadPayments' values), checked
/// whole before the screen changes.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/payment_values.h"
#include "model/amount.h"
#include "model/payment_types.h"

namespace corvane {

/// The texts of one WritePaymentData call, as the host gave them.
struct PaymentLoadInput {
  std::string_view credit_cards;      ///< credit card records
  std::string_view payment_types;     ///< payment type records
  std::string_view payments;          ///< stored payment records
  std::string_view field_separator;   ///< between the fields of a record
  std::string_view record_separator;  ///< after each record
};

/// The values of one LoadPayments call; an empty list is not given.
struct PaymentValuesInput {
  const std::vector<std::string>& credit_cards;
  const std::vector<PaymentTypeInfo>& payment_types;
  const std::vector<PaymentInfo>& payments;
};

/// What the load finds on the control when it runs.
struct PaymentLoadContext {
  const std::optional<PaymentTypeTable>* current_types;  ///< the table in force before the call
  double rate;                                           ///< conversion rate, 0 counting as 1
  std::string_view total_text;                           ///< the total box
  std::string_view ordered_text;                         ///< the ordered-amount box
  int decimals = Amount::kDefaultDecimals;               ///< of the displayed currency
};

/// One stored payment, checked, as it goes into the list.
struct PaymentLoadRow {
  std::size_t type_position;       ///< the payment type's entry in the table
  std::string_view reference;      ///< as given
  std::string_view authorization;  ///< as given
  std::string amount;              ///< converted, written with the currency's decimals
  /// What `amount` reads as, in minor units; none when that is no whole number of them
  /// below Amount::kExactMinorUnits (Amount::MinorUnits, at the currency's decimals).
  std::optional<std::int64_t> amount_units;
  std::string_view payment_date;  ///< as given
  std::string_view sequence;      ///< the host's identification
};

/// The checked load, ready to be put on the screen.
struct PaymentLoad {
  std::optional<std::vector<std::string_view>> credit_cards;  ///< none: not given
  std::optional<PaymentTypeTable> payment_types;              ///< none: not given
  bool payments_given = false;                                ///< the payments text was given
  std::vector<PaymentLoadRow> rows;                           ///< the payments, in order
  std::string total;                                          ///< the total box after the rows
  std::optional<std::string> balance;                         ///< none: the balance keeps its text
};

/// Splits and checks the whole call. Views point into `input`. Throws HostError naming the
/// record (from 1) and the field when anything cannot be loaded.
PaymentLoad PlanPaymentLoad(const PaymentLoadInput& input, const PaymentLoadContext& context);
/// The same for values: a payment names its type by ID (the first type with that ID and a
/// name), and its amount must have no more decimals than the currency. Throws HostError
/// naming the payment (from 1) and the field.
PaymentLoad PlanPaymentLoad(const PaymentValuesInput& input, const PaymentLoadContext& context);

}  // namespace corvane
