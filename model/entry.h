/// @file
/// The entry under way: none, a new payment, or a change of a payment in the list.
#pragma once

#include <chrono>
#include <optional>

#include "corvane/entry_kind.h"

namespace corvane {

/// The entry under way.
struct Entry {
  EntryKind kind = EntryKind::kNone;
  /// The payment an edit changes; -1 otherwise, and once that payment left the book (a
  /// new payment deleted while its edit is open).
  int row = -1;
  double start_amount = 0;  ///< the amount an edit started from; 0 otherwise
  /// While an edit of a payment whose date the picker could not take is open: the date
  /// the picker shows in its place. The save keeps the payment's own date text as long as
  /// the picker still shows this one.
  std::optional<std::chrono::year_month_day> date_stand_in;

  /// Whether an add or an edit is open.
  bool open() const { return kind != EntryKind::kNone; }
  /// Whether an edit is open on a payment that is still in the book.
  bool edits_payment() const { return kind == EntryKind::kEditing && row >= 0; }
  /// Payment `removed` left the book: the edit's row follows its payment.
  void PaymentRemoved(int removed) {
    if (row == removed) {
      row = -1;
    } else if (row > removed) {
      --row;
    }
  }
};

}  // namespace corvane
