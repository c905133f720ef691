/// @file
/// The kind of entry under way in the control, as its snapshot reports it.
#pragma once

namespace corvane {

/// The kind of entry under way.
enum class EntryKind {
  kNone,     ///< no entry is open
  kAdding,   ///< a new payment, from New Payment until Save, Cancel or a reload
  kEditing,  ///< a payment of the list, from Edit until Save, Cancel or a reload
};

}  // namespace corvane
