/// @file
/// The checks of a save, in their fixed order: the first that fails says what the operator
/// is told and which field takes the cursor.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/entry.h"
#include "model/order.h"
#include "model/payment_book.h"
#include "model/payment_types.h"

namespace corvane {

/// The entry fields a refusal sends the cursor to.
enum class EntryField { kType, kReference, kAuthorization, kAmount };

/// A refused save: the message box and the field that takes the cursor. The prompt and the
/// title are the classic texts, which the control shows through its catalog; the prompt
/// may name the payment type by the placeholder "%1".
struct SaveRefusal {
  std::string_view prompt;
  std::string_view title;
  EntryField field;
  bool select_all = false;  ///< the field's text is selected whole first
  std::string named{};      ///< what the prompt's "%1" stands for

  bool operator==(const SaveRefusal&) const = default;
};

/// The entry fields' texts at the save.
struct EntryTexts {
  std::string_view type;
  std::string_view reference;
  std::string_view authorization;
  std::string_view amount;
};

/// The checks before the payment date is taken: a type that may be chosen, a reference
/// where the type needs one, authorization and reference of at most 20 characters
/// (spaces at both ends not counted), and an amount that is positive and can be totalled
/// and handed back to the host.
std::optional<SaveRefusal> CheckEntry(const EntryTexts& entry,
                                      const std::optional<PaymentTypeTable>& types,
                                      const OrderContext& order, const PaymentBook& payments,
                                      const Entry& open_entry);

/// The last check: on orders that cap it, the total with this payment (an edit's payment
/// counted at its new amount) may not exceed the ordered amount, as the boxes show them.
std::optional<SaveRefusal> CheckOrderTotal(const OrderContext& order, const OrderTotals& totals,
                                           std::string_view amount, const Entry& open_entry);

}  // namespace corvane
