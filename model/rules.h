/// @file
/// What the buttons and the entry fields allow, as plain functions of the order, the
/// payment types and the payments.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "model/order.h"
#include "model/payment.h"
#include "model/payment_types.h"

namespace corvane {

/// The ID of the first payment type named `name`; 0 when there is none or no table.
std::int16_t TypeIdOf(const std::optional<PaymentTypeTable>& types, std::string_view name);
/// The non-selectable flag of the first payment type named `name`; false when none.
bool NonSelectable(const std::optional<PaymentTypeTable>& types, std::string_view name);

/// Whether a payment of type `type_id` needs a reference on an order of `order_type`.
/// Without one, the reference and authorization boxes stay closed.
bool ReferenceNeeded(std::int16_t type_id, std::int16_t order_type);
/// Whether a payment of type `type_id` takes its reference from the credit card box.
inline bool TakesCard(std::int16_t type_id) { return type_id == kCardTypeId; }

/// The three buttons as a mode sets them; none for a mode that leaves them as they are.
struct ModeButtons {
  bool add = false;
  bool edit = false;
  bool remove = false;
};
std::optional<ModeButtons> ButtonsForMode(std::int16_t mode);

/// What the buttons offer for the selected payment.
struct SelectionButtons {
  bool undelete = false;  ///< the delete button reads "Undelete"
  bool edit = false;      ///< Edit is enabled
  bool remove = false;    ///< Delete (or Undelete) is enabled
};
SelectionButtons ButtonsForSelection(std::int16_t mode, const Payment& selected);

/// Whether New Payment tops the selected payment up instead of opening an entry: on an order
/// of the top-up type that has a payment, in the edit mode. Throws ModeNotSet before there
/// is a mode.
bool TopsUp(const OrderContext& order, int payments);

}  // namespace corvane
