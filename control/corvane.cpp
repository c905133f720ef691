#include "corvane/corvane.h"

#include "control/payment_control.h"

namespace corvane {

Corvane::Corvane(Screen& screen, Today today)
    : control_(std::make_unique<PaymentControl>(screen, std::move(today))) {}

Corvane::~Corvane() = default;

PaymentControl& Internals(Corvane& control) { return *control.control_; }

ControlSnapshot Corvane::Snapshot() const { return control_->Snapshot(); }
bool Corvane::EntryOpen() const { return control_->EntryOpen(); }
Screen& Corvane::screen() { return control_->screen(); }

std::int16_t Corvane::GetPaymentID(std::string_view payment_type) {
  return control_->GetPaymentID(payment_type);
}

void Corvane::WritePaymentData(std::string_view credit_cards, std::string_view payment_types,
                               std::string_view payments, std::string_view field_separator,
                               std::string_view record_separator) {
  const PaymentControl::Call call(*control_);
  control_->WritePaymentData(credit_cards, payment_types, payments, field_separator,
                             record_separator);
}

std::string Corvane::ReadPaymentData() { return control_->ReadPaymentData(); }

void Corvane::PaymentDetails(std::int16_t mode, std::int16_t country, std::int16_t order_type,
                             double conversion_rate, double ordered_amount,
                             std::string_view date_order_taken) {
  const PaymentControl::Call call(*control_);
  control_->PaymentDetails(mode, country, order_type, conversion_rate, ordered_amount,
                           date_order_taken);
}

double Corvane::TotalAmount() { return control_->TotalAmount(); }

void Corvane::OrderedAmount(double ordered_amount) {
  const PaymentControl::Call call(*control_);
  control_->OrderedAmount(ordered_amount);
}

std::int16_t Corvane::OrderType() { return control_->OrderType(); }

bool Corvane::GetNonSelectableID(std::string_view payment_type) {
  return control_->GetNonSelectableID(payment_type);
}

void Corvane::EnableNewPayment(bool enabled) {
  const PaymentControl::Call call(*control_);
  control_->EnableNewPayment(enabled);
}

void Corvane::CurrencyDecimals(std::int16_t decimals) {
  const PaymentControl::Call call(*control_);
  control_->CurrencyDecimals(decimals);
}

void Corvane::CurrencyCode(std::string_view code) {
  const PaymentControl::Call call(*control_);
  control_->CurrencyCode(code);
}

void Corvane::MaskCardNumbers(bool on) {
  const PaymentControl::Call call(*control_);
  control_->MaskCardNumbers(on);
}

void Corvane::SetCatalog(Catalog catalog) {
  const PaymentControl::Call call(*control_);
  control_->SetCatalog(std::move(catalog));
}

const Catalog& Corvane::catalog() const { return control_->catalog(); }

void Corvane::LoadPayments(const std::vector<std::string>& credit_cards,
                           const std::vector<PaymentTypeInfo>& payment_types,
                           const std::vector<PaymentInfo>& payments) {
  const PaymentControl::Call call(*control_);
  control_->LoadPayments(credit_cards, payment_types, payments);
}

std::vector<PaymentChange> Corvane::Changes() const { return control_->Changes(); }
Money Corvane::ExactTotal() const { return control_->ExactTotal(); }
Money Corvane::ExactBalance() const { return control_->ExactBalance(); }

int Corvane::SubscribeAmountTotal(AmountTotalHandler handler) {
  return control_->SubscribeAmountTotal(std::move(handler));
}

void Corvane::UnsubscribeAmountTotal(int key) { control_->UnsubscribeAmountTotal(key); }

double Corvane::Balance() const { return control_->Balance(); }

int Corvane::SubscribeSettled(SettledHandler handler) {
  return control_->SubscribeSettled(std::move(handler));
}

void Corvane::UnsubscribeSettled(int key) { control_->UnsubscribeSettled(key); }

}  // namespace corvane
