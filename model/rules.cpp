#include "model/rules.h"

namespace corvane {

std::int16_t TypeIdOf(const std::optional<PaymentTypeTable>& types, std::string_view name) {
  if (!types) return 0;
  const PaymentTypeEntry* entry = types->Find(name);
  return entry ? PaymentTypeId(*entry) : std::int16_t{0};
}

bool NonSelectable(const std::optional<PaymentTypeTable>& types, std::string_view name) {
  if (!types) return false;
  const PaymentTypeEntry* entry = types->Find(name);
  return entry && IsNonSelectable(*entry);
}

bool ReferenceNeeded(std::int16_t type_id, std::int16_t order_type) {
  return order_type != kTopUpOrderType && type_id != kNoReferenceTypeId;
}

std::optional<ModeButtons> ButtonsForMode(std::int16_t mode) {
  switch (mode) {
    case kModeEdit:
      return ModeButtons{true, true, true};
    case kModeAppend:
      return ModeButtons{true, false, false};
    case kModeView:
      return ModeButtons{false, false, false};
    default:
      return std::nullopt;
  }
}

SelectionButtons ButtonsForSelection(std::int16_t mode, const Payment& selected) {
  const bool deleted = selected.mark == Mark::kDeleted;
  // A payment may be changed when the mode allows it: any live one in the edit mode, and
  // only those entered here in the append mode.
  const bool open = (mode == kModeEdit && !deleted) || (mode == kModeAppend && !selected.Stored());
  return {.undelete = !open && deleted, .edit = open, .remove = open || deleted};
}

bool TopsUp(const OrderContext& order, int payments) {
  const std::int16_t mode = order.Mode();  // New Payment does nothing before there is a mode
  return order.order_type == kTopUpOrderType && payments >= 1 && mode == kModeEdit;
}

}  // namespace corvane
