// Routes widget events to the handlers, each named after its widget and event. This is
// the handlers' edge: a run-time failure inside one ends it silently, keeping what it had
// already set; nothing escapes into the toolkit.
#include "control/corvane.h"

namespace corvane {
namespace {

template <class Handler>
void AtHandlerEdge(Handler&& handler) noexcept {
  try {
    handler();
  } catch (const std::exception&) {
  }
}

}  // namespace

void Corvane::Click(WidgetId id) {
  AtHandlerEdge([&] {
    switch (id) {
      case WidgetId::cmdAdd:
        return cmdAdd_Click();
      case WidgetId::cmdEdit:
        return cmdEdit_Click();
      case WidgetId::cmdDelete:
        return cmdDelete_Click();
      case WidgetId::lstPayment:
        return lstPayment_Click();
      case WidgetId::cboPaymentType:
        return cboPaymentType_Click();
      case WidgetId::cboCreditCard:
        return cboCreditCard_Click();
      default:
        return;
    }
  });
}

void Corvane::GotFocus(WidgetId id) {
  AtHandlerEdge([&] {
    if (id == WidgetId::txtAmount) txtAmount_GotFocus();
  });
}

void Corvane::LostFocus(WidgetId id) {
  AtHandlerEdge([&] {
    if (id == WidgetId::txtAmount) txtAmount_LostFocus();
    if (id == WidgetId::txtReference) txtReference_LostFocus();
  });
}

void Corvane::Change(WidgetId id) {
  AtHandlerEdge([&] {
    if (id == WidgetId::txtOrderedAmount) txtOrderedAmount_Change();
  });
}

void Corvane::KeyPress(WidgetId id, std::int16_t& key_ascii) {
  AtHandlerEdge([&] {
    switch (id) {
      case WidgetId::txtAmount:
        return txtAmount_KeyPress(key_ascii);
      case WidgetId::txtReference:
        return txtReference_KeyPress(key_ascii);
      case WidgetId::txtAuthorization:
        return txtAuthorization_KeyPress(key_ascii);
      case WidgetId::txtPaymentDate:
        return txtPaymentDate_KeyPress(key_ascii);
      default:
        return;
    }
  });
}

void Corvane::KeyUp(WidgetId id, std::int16_t& key_code, std::int16_t shift) {
  AtHandlerEdge([&] {
    if (id == WidgetId::lstPayment) lstPayment_KeyUp(key_code, shift);
  });
}

}  // namespace corvane
