// Routes widget events to the handlers. This is
// the handlers' edge: a run-time failure inside one ends it silently, keeping what it had
// already set; nothing escapes into the toolkit.
#include "control/payment_control.h"

namespace corvane {
namespace {

template <class Handler>
void AtHandlerEdge(PaymentControl& control, Handler&& handler) noexcept {
  const PaymentControl::Call call(control);
  try {
    handler();
  } catch (const std::exception&) {
  }
}

}  // namespace

void PaymentControl::Click(WidgetId id) {
  AtHandlerEdge(*this, [&] {
    switch (id) {
      case WidgetId::cmdAdd:
        return OnAddButton();
      case WidgetId::cmdEdit:
        return OnEditButton();
      case WidgetId::cmdDelete:
        return OnDeleteButton();
      case WidgetId::lstPayment:
        return OnSelection();
      case WidgetId::cboPaymentType:
        return OnTypeChosen();
      case WidgetId::cboCreditCard:
        return OnCardChosen();
      default:
        return;
    }
  });
}

void PaymentControl::GotFocus(WidgetId id) {
  AtHandlerEdge(*this, [&] {
    if (id == WidgetId::txtAmount) OnAmountFocus();
  });
}

void PaymentControl::LostFocus(WidgetId id) {
  AtHandlerEdge(*this, [&] {
    if (id == WidgetId::txtAmount) OnAmountLeft();
    if (id == WidgetId::txtReference) OnReferenceLeft();
  });
}

void PaymentControl::Change(WidgetId id) {
  AtHandlerEdge(*this, [&] {
    if (id == WidgetId::txtOrderedAmount) ShowBalance();  // the balance follows the ordered amount
  });
}

void PaymentControl::KeyPress(WidgetId id, std::int16_t& key_ascii) {
  AtHandlerEdge(*this, [&] {
    switch (id) {
      case WidgetId::txtAmount:
        return FilterAmountKey(key_ascii);
      case WidgetId::txtReference:
        return FilterReferenceKey(key_ascii);
      case WidgetId::txtAuthorization:
        return FilterReferenceKey(key_ascii);  // the same rule, with the beep
      case WidgetId::txtPaymentDate:
        return FilterDateKey(key_ascii);
      default:
        return;
    }
  });
}

void PaymentControl::KeyUp(WidgetId id, std::int16_t& key_code, std::int16_t /*shift*/) {
  AtHandlerEdge(*this, [&] {
    if (id == WidgetId::lstPayment) OnListKeyUp(key_code);
  });
}

}  // namespace corvane
