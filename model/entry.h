/// @file
/// The entry under way: none, a new payment, or a change of a payment in the list.
#pragma once

#include <chrono>
#include <optional>

namespace corvane {

/// The kind of entry under way.
enum class EntryKind {
  kNone,     ///< no entry is open
  kAdding,   ///< a new payment, from New Payment until Save, Cancel or a reload
  kEditing,  ///< a payment of the list, from Edit until Save, Cancel or a reload
};

/// The entry under way.
struct Entry {
  EntryKind kind = EntryKind::kNone;
  int row = -1;             ///< the payment an edit changes; -1 otherwise
  double start_amount = 0;  ///< the amount an edit started from; 0 otherwise
  /// While an edit of a payment whose date the picker could not take is open: the date
  /// the picker shows in its place. The save keeps the payment's own date text as long as
  /// the picker still shows this one.
  std::optional<std::chrono::year_month_day> date_stand_in;

  /// Whether an add or an edit is open.
  bool open() const { return kind != EntryKind::kNone; }
};

}  // namespace corvane
