/// @file
/// What the control holds besides its screen, copied out for inspection: the order's
/// context as the host gave it, the entry under way, the last load's separators and
/// payment types, the displayed currency once the host set it, and whether card numbers
/// are masked.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "corvane/entry_kind.h"

namespace corvane {

/// A copy of the control's state; Corvane::Snapshot() takes one.
struct ControlSnapshot {
  std::optional<std::int16_t> mode;    ///< none until PaymentDetails
  std::int16_t country = 0;            ///< stored, never read
  std::int16_t order_type = 0;         ///< 2 has rules of its own
  double conversion_rate = 0;          ///< 0 counts as 1
  double ordered_amount = 0;           ///< as the host gave it
  std::string date_order_taken;        ///< as the host gave it
  EntryKind entry = EntryKind::kNone;  ///< the entry under way, if any
  double edit_amount = 0;              ///< the amount an open edit started from; 0 otherwise
  std::string field_separator;         ///< of the last load; empty before one
  std::string record_separator;        ///< of the last load; empty before one
  /// The payment-type records of the last load that gave them, each its text fields; none
  /// until then.
  std::optional<std::vector<std::vector<std::string>>> payment_types;
  /// The decimals of the displayed currency; none until the host sets the currency
  /// (amounts then have two).
  std::optional<std::int16_t> currency_decimals;
  /// The currency's ISO 4217 code when the host named it by one (Corvane::CurrencyCode);
  /// empty otherwise.
  std::string currency_code;
  /// Whether card numbers are masked on screen (MaskCardNumbers); none until the host set it.
  std::optional<bool> mask_card_numbers;

  /// Whether an entry (an add or an edit) is open.
  bool EntryOpen() const { return entry != EntryKind::kNone; }
};

}  // namespace corvane
