#include "control/corvane.h"

#include <cmath>
#include <string>

#include "control/payment_record.h"
#include "control/version.h"
#include "readings/dates.h"

namespace corvane {

using W = WidgetId;

Corvane::Corvane(Screen& screen, Today today)
    : screen_(screen),
      today_(today ? std::move(today) : Today(LocalToday)),
      txtBalanceAmount(screen.text_box(W::txtBalanceAmount)),
      Framain(screen.frame(W::Framain)),
      txtOrderedAmount(screen.text_box(W::txtOrderedAmount)),
      cboCreditCard(screen.combo_box(W::cboCreditCard)),
      txtTotalAmount(screen.text_box(W::txtTotalAmount)),
      cboPaymentType(screen.combo_box(W::cboPaymentType)),
      txtReference(screen.text_box(W::txtReference)),
      txtAuthorization(screen.text_box(W::txtAuthorization)),
      txtAmount(screen.text_box(W::txtAmount)),
      cmdDelete(screen.button(W::cmdDelete)),
      cmdEdit(screen.button(W::cmdEdit)),
      cmdAdd(screen.button(W::cmdAdd)),
      lstPayment(screen.list_view(W::lstPayment)),
      txtCreditCard(screen.text_box(W::txtCreditCard)),
      DTPckrPaymentDate(screen.date_picker(W::DTPckrPaymentDate)),
      txtPaymentDate(screen.text_box(W::txtPaymentDate)),
      lblVersionNumber(screen.label(W::lblVersionNumber)) {
  screen_.SetEvents(this);
  try {
    UserControl_Initialize();
  } catch (...) {
    screen_.SetEvents(nullptr);  // the control was never made; the screen must not call it
    throw;
  }
}

Corvane::~Corvane() { screen_.SetEvents(nullptr); }

void Corvane::UserControl_Initialize() {
  const double width = std::nearbyint(lstPayment.Width());
  for (const PaymentColumnSpec& column : kPaymentColumns) {
    lstPayment.AddColumn(column.header, column.WidthFor(width), column.alignment);
  }
  DTPckrPaymentDate.SetCustomFormat("MMM dd, yyyy");
  DTPckrPaymentDate.SetValue(today_());
  txtPaymentDate.SetLocked(true);
  lblVersionNumber.SetCaption("Version Number: " + std::to_string(kVersionMajor) + "." +
                              std::to_string(kVersionMinor) + "." +
                              std::to_string(kVersionRevision));
}

ControlSnapshot Corvane::Snapshot() const {
  ControlSnapshot snapshot;
  if (!mtMode.empty()) snapshot.mode = static_cast<std::int16_t>(std::stoi(mtMode));
  snapshot.country = miCountry;
  snapshot.order_type = miOrderType;
  snapshot.conversion_rate = mdCurCnversRate;
  snapshot.ordered_amount = mdOrderedAmount;
  snapshot.date_order_taken = mtDateOrderTaken;
  snapshot.entry = mtAction == "Add"    ? EntryKind::kAdding
                   : mtAction == "Edit" ? EntryKind::kEditing
                                        : EntryKind::kNone;
  snapshot.edit_amount = mdEditAmount;
  snapshot.field_separator = mtFieldSeparator;
  snapshot.record_separator = mtRecordSeparator;
  if (mvPaymentTypes) snapshot.payment_types = mvPaymentTypes->entries();
  return snapshot;
}

bool Corvane::EntryOpen() const { return !mtAction.empty(); }

}  // namespace corvane
