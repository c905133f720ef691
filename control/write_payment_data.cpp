// Loading the host's credit cards, payment types and stored payments, as delimited texts or
// as values.
#include "control/payment_control.h"
#include "control/payment_record.h"
#include "model/payment_load.h"

namespace corvane {

void PaymentControl::WritePaymentData(std::string_view credit_cards, std::string_view payment_types,
                                      std::string_view payments, std::string_view field_separator,
                                      std::string_view record_separator) {
  PaymentLoad load = PlanPaymentLoad(
      {credit_cards, payment_types, payments, field_separator, record_separator}, LoadContext());
  field_separator_ = field_separator;
  record_separator_ = record_separator;
  TakeLoad(std::move(load));
}

void PaymentControl::LoadPayments(const std::vector<std::string>& credit_cards,
                                  const std::vector<PaymentTypeInfo>& payment_types,
                                  const std::vector<PaymentInfo>& payments) {
  TakeLoad(
      PlanPaymentLoad(PaymentValuesInput{credit_cards, payment_types, payments}, LoadContext()));
  values_loaded_ = true;
}

PaymentLoadContext PaymentControl::LoadContext() const {
  return {&types_, order_.conversion_rate, totals_.total, totals_.ordered, currency_.decimals};
}

void PaymentControl::TakeLoad(PaymentLoad load) {
  card_combo_.Clear();
  card_in_card_combo_.reset();
  type_combo_.Clear();
  if (load.credit_cards) {
    for (std::string_view card : *load.credit_cards) card_combo_.AddItem(card);
  }
  if (load.payment_types) {
    types_ = std::move(*load.payment_types);
    OfferPaymentTypes();
    type_combo_.SetEnabled(false);
    ResetPaymentScreen();
  }
  if (load.payments_given) {
    const int first = payments_.size();
    payments_.Reserve(static_cast<std::size_t>(first) + load.rows.size());
    for (const PaymentLoadRow& row : load.rows) {
      // The plan checked that the position names an entry with a name.
      payments_.Add({.type = *NameOf(types_->entries()[row.type_position]),
                     .reference = row.reference,
                     .authorization = row.authorization,
                     .amount = row.amount,
                     .date = row.payment_date,
                     .sequence = row.sequence,
                     .mark = Mark::kNone,
                     .mark_before_delete = Mark::kNone},
                    row.amount_units);
    }
    list_.RowsInserted(first, payments_.size() - first);
    ShowTotal(std::move(load.total));
  }
  if (load.balance) {
    totals_.balance = std::move(*load.balance);
    balance_box_.SetText(totals_.balance);
  }
}

void PaymentControl::OfferPaymentTypes() {
  const std::vector<PaymentTypeEntry>& entries = types_->entries();
  auto offer = [&](std::size_t i) {
    if (i < entries.size()) {
      if (const std::string* name = NameOf(entries[i])) type_combo_.AddItem(*name);
    }
  };
  if (order_.order_type == kTopUpOrderType) {
    offer(0);
  } else {
    // Positions 0, 3 and 4 are never offered; position 1 comes last.
    for (std::size_t i = 2; i < entries.size(); ++i) {
      if (i != 3 && i != 4) offer(i);
    }
    offer(1);
  }
}

void PaymentControl::ResetPaymentScreen() {
  payments_.Clear();
  list_.RowsCleared();
  list_.SetEnabled(true);
  list_.SetHideSelection(true);
  list_.SetBackColor(kWindowBackground);
  ShowCaption(add_button_, "New Payment");
  ShowCaption(edit_button_, "Edit");
  delete_button_.SetEnabled(false);
  edit_button_.SetEnabled(false);
  for (TextBox* box : {&reference_box_, &authorization_box_}) {
    box->SetText("");
    box->SetLocked(true);
    box->SetBackColor(kButtonFace);
  }
  amount_box_.SetText(currency_.Zero());
  amount_box_.SetLocked(true);
  amount_box_.SetBackColor(kButtonFace);
  date_box_.SetText("");
  date_box_.SetBackColor(kButtonFace);
  totals_.total = totals_.balance = currency_.Zero();
  for (TextBox* box : {&total_box_, &balance_box_}) {
    box->SetText(totals_.total);
    box->SetLocked(true);
    box->SetBackColor(kButtonFace);
  }
  CloseEntryPanel(Closing::kReset);
}

}  // namespace corvane
