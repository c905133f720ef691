/// @file
/// The change list handed back to the host: one record per payment marked new, updated or
/// deleted, in list order: date, type ID, reference, authorization, amount in the host's
/// currency, sequence, mark. As delimited text (ReadPaymentData) or as values (Changes).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/payment_values.h"
#include "model/payment_book.h"
#include "model/payment_types.h"

namespace corvane {

/// The records of the marked payments, the fields joined by `field_separator`, each record
/// ended by `record_separator`. A payment's type is written as its ID (field 0 of the first
/// type of that name), or as its name when no type has it. Amounts are divided by `rate`
/// (0 counting as 1) and written with at most 15 significant digits. Throws HostError
/// naming the payment's row (from 1) when an amount is not a number or overflows, and,
/// naming the field too, when a record would not split back into its fields at the
/// separators: a field holds one, or runs into one with the text after it. With an empty
/// separator nothing is split, and nothing refused for it.
std::string ChangeList(const PaymentBook& payments, const std::optional<PaymentTypeTable>& types,
                       double rate, std::string_view field_separator,
                       std::string_view record_separator);

/// The marked payments as values, in list order: the type by the ID of the first type of
/// its name; the amount divided by `rate` (0 counting as 1) with the currency's `decimals`,
/// exact when the rate is 1 and otherwise rounded as Money::Nearest rounds. Throws HostError
/// naming the payment's row (from 1) and the field when a payment's type has no 16-bit ID
/// (no type has its name, or that type's ID is no such number) or its amount is beyond the
/// range of Money.
std::vector<PaymentChange> ChangeValues(const PaymentBook& payments,
                                        const std::optional<PaymentTypeTable>& types, double rate,
                                        int decimals);

}  // namespace corvane
