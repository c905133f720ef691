#include "control/payment_control.h"

#include <cmath>
#include <string>

#include "control/payment_record.h"
#include "readings/dates.h"

namespace corvane {

using W = WidgetId;

PaymentControl::PaymentControl(Screen& screen, Today today)
    : screen_(screen),
      today_(today ? std::move(today) : Today(LocalToday)),
      balance_box_(screen.text_box(W::txtBalanceAmount)),
      ordered_box_(screen.text_box(W::txtOrderedAmount)),
      card_combo_(screen.combo_box(W::cboCreditCard)),
      total_box_(screen.text_box(W::txtTotalAmount)),
      type_combo_(screen.combo_box(W::cboPaymentType)),
      reference_box_(screen.text_box(W::txtReference)),
      authorization_box_(screen.text_box(W::txtAuthorization)),
      amount_box_(screen.text_box(W::txtAmount)),
      delete_button_(screen.button(W::cmdDelete)),
      edit_button_(screen.button(W::cmdEdit)),
      add_button_(screen.button(W::cmdAdd)),
      list_(screen.list_view(W::lstPayment)),
      card_box_(screen.text_box(W::txtCreditCard)),
      date_picker_(screen.date_picker(W::DTPckrPaymentDate)),
      date_box_(screen.text_box(W::txtPaymentDate)),
      version_label_(screen.label(W::lblVersionNumber)) {
  captions_ = {{{&add_button_, DesignOf(W::cmdAdd).text},
                {&edit_button_, DesignOf(W::cmdEdit).text},
                {&delete_button_, DesignOf(W::cmdDelete).text}}};
  screen_.SetEvents(this);
  try {
    StartUp();
  } catch (...) {
    screen_.SetEvents(nullptr);  // the control was never made; the screen must not call it
    throw;
  }
}

PaymentControl::~PaymentControl() { screen_.SetEvents(nullptr); }

void PaymentControl::StartUp() {
  const double width = std::nearbyint(list_.Width());
  for (const PaymentColumnSpec& column : kPaymentColumns) {
    list_.AddColumn(column.header, column.WidthFor(width), column.alignment);
  }
  list_.ShowRows(payment_rows_);
  date_picker_.SetCustomFormat(Tr("MMM dd, yyyy"));
  date_picker_.SetValue(today_());
  date_box_.SetLocked(true);
  ShowVersion();
}

ControlSnapshot PaymentControl::Snapshot() const {
  ControlSnapshot snapshot;
  snapshot.mode = order_.mode;
  snapshot.country = order_.country;
  snapshot.order_type = order_.order_type;
  snapshot.conversion_rate = order_.conversion_rate;
  snapshot.ordered_amount = order_.ordered_amount;
  snapshot.date_order_taken = order_.date_order_taken;
  snapshot.entry = entry_.kind;
  snapshot.edit_amount = entry_.start_amount;
  snapshot.field_separator = field_separator_;
  snapshot.record_separator = record_separator_;
  if (types_) snapshot.payment_types = types_->entries();
  if (currency_set_) {
    snapshot.currency_decimals = static_cast<std::int16_t>(currency_.decimals);
    snapshot.currency_code = currency_.code;
  }
  snapshot.mask_card_numbers = mask_card_numbers_;
  return snapshot;
}

bool PaymentControl::EntryOpen() const { return entry_.open(); }

void PaymentControl::ShowOrderedAmount(std::string text) {
  totals_.ordered = std::move(text);
  ordered_box_.SetText(totals_.ordered);  // the balance follows, in the box's Change
}

void PaymentControl::ShowTotal(std::string text) {
  totals_.total = std::move(text);
  total_box_.SetText(totals_.total);
}

void PaymentControl::ShowBalance() {
  totals_.balance = BalanceText(totals_.ordered, totals_.total, currency_.decimals);
  balance_box_.SetText(totals_.balance);
}

}  // namespace corvane
