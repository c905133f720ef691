/// @file
/// The change list handed back to the host: one record per payment marked new, updated or
/// deleted, in list order: date, type ID, reference, authorization, amount in the host's
/// currency, sequence, mark.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/payment_book.h"
#include "model/payment_types.h"

namespace corvane {

/// The records of the marked payments, the fields joined by `field_separator`, each record
/// ended by `record_separator`. A payment's type is written as its ID (field 0 of the first
/// type of that name), or as its name when no type has it. Amounts are divided by `rate`
/// (0 counting as 1) and written with at most 15 significant digits. Throws HostError
/// naming the payment's row (from 1) when an amount is not a number or overflows.
std::string ChangeList(const PaymentBook& payments, const std::optional<PaymentTypeTable>& types,
                       double rate, std::string_view field_separator,
                       std::string_view record_separator);

}  // namespace corvane
