/// @file
/// The payment-type table: one entry per payment-type record of the host's text, each the
/// list of that record's text fields (0 ID, 1 name, 2 non-selectable flag, later ones kept
/// and never read). Lookups by name take the first entry with exactly that name, in
/// constant time; entries without a name are passed over.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "readings/text_hash.h"

namespace corvane {

/// One payment-type record: its text fields.
using PaymentTypeEntry = std::vector<std::string>;

/// @{
/// Payment type IDs with rules of their own: card payments choose a credit card; payments
/// of the other kind need no reference.
inline constexpr std::int16_t kCardTypeId = 8;
inline constexpr std::int16_t kNoReferenceTypeId = 1;
/// @}

/// The payment types of one load, in the host's order.
class PaymentTypeTable {
 public:
  /// A table without entries.
  PaymentTypeTable() = default;
  /// The table of the records in `text`.
  /// REQUIRES: both separators are not empty.
  static PaymentTypeTable Parse(std::string_view text, std::string_view field_separator,
                                std::string_view record_separator);
  /// The table of `entries`, in that order.
  static PaymentTypeTable FromEntries(std::vector<PaymentTypeEntry> entries);

  /// The entries, in the host's order.
  const std::vector<PaymentTypeEntry>& entries() const { return entries_; }
  /// The number of entries.
  std::size_t size() const { return entries_.size(); }
  /// The first entry named `name`, or nullptr.
  const PaymentTypeEntry* Find(std::string_view name) const;

 private:
  std::vector<PaymentTypeEntry> entries_;
  std::unordered_map<std::string, std::size_t, TextHash, std::equal_to<>> first_by_name_;
};

/// A type's ID as a 16-bit integer: the number rounded to the nearest, halves to even;
/// 0 when it is not a number or does not fit.
std::int16_t PaymentTypeId(const PaymentTypeEntry& entry);
/// The same, none when the ID is not a number or does not fit.
std::optional<std::int16_t> ReadPaymentTypeId(const PaymentTypeEntry& entry);
/// The non-selectable flag: "True" (any case) or a number other than 0 is true; anything
/// else, or a missing field, is false.
bool IsNonSelectable(const PaymentTypeEntry& entry);
/// Field 1, or nullptr for an entry without one.
const std::string* NameOf(const PaymentTypeEntry& entry);

}  // namespace corvane
