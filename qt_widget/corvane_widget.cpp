#include "corvane/corvane_widget.h"

#include <QVBoxLayout>

#include "toolkits/qt/access_keys.h"

namespace corvane::qt {

CorvaneWidget::CorvaneWidget(QWidget* parent, ScriptedServices* scripted, Corvane::Today today)
    : QWidget(parent), screen_(std::make_unique<Screen>(scripted, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(screen_->surface());
  // Fixed: a host's layout with less room than this would squeeze it, the fields cut off.
  setFixedSize(sizeHint());
  setFocusProxy(nullptr);
  control_ = std::make_unique<Corvane>(*screen_, std::move(today));
  control_->SubscribeAmountTotal([this](double total) { emit AmountTotal(total); });
}

QSize CorvaneWidget::sizeHint() const {
  return {screen_->Px(kControlWidth), screen_->Px(kControlHeight)};
}

QSize CorvaneWidget::minimumSizeHint() const { return sizeHint(); }

// The control goes first: it detaches from the screen, which then takes its widgets.
CorvaneWidget::~CorvaneWidget() {
  access_keys_.reset();
  control_.reset();
}

void CorvaneWidget::SetAccessKeys(bool on) {
  if (on && !access_keys_) access_keys_ = std::make_unique<AccessKeysOn>(*screen_);
  if (!on) access_keys_.reset();
}

std::int16_t CorvaneWidget::GetPaymentID(std::string_view payment_type) {
  return control_->GetPaymentID(payment_type);
}

void CorvaneWidget::WritePaymentData(std::string_view credit_cards, std::string_view payment_types,
                                     std::string_view payments, std::string_view field_separator,
                                     std::string_view record_separator) {
  control_->WritePaymentData(credit_cards, payment_types, payments, field_separator,
                             record_separator);
}

std::string CorvaneWidget::ReadPaymentData() { return control_->ReadPaymentData(); }

void CorvaneWidget::PaymentDetails(std::int16_t mode, std::int16_t country, std::int16_t order_type,
                                   double conversion_rate, double ordered_amount,
                                   std::string_view date_order_taken) {
  control_->PaymentDetails(mode, country, order_type, conversion_rate, ordered_amount,
                           date_order_taken);
}

double CorvaneWidget::TotalAmount() { return control_->TotalAmount(); }
void CorvaneWidget::OrderedAmount(double ordered_amount) {
  control_->OrderedAmount(ordered_amount);
}
std::int16_t CorvaneWidget::OrderType() { return control_->OrderType(); }
bool CorvaneWidget::GetNonSelectableID(std::string_view payment_type) {
  return control_->GetNonSelectableID(payment_type);
}
void CorvaneWidget::EnableNewPayment(bool value) { control_->EnableNewPayment(value); }
void CorvaneWidget::MaskCardNumbers(bool on) { control_->MaskCardNumbers(on); }

// The editing state is "Add" or "Edit" from New Payment or Edit until Save or Cancel ends
// the entry, and empty otherwise.
bool CorvaneWidget::EntryOpen() const { return control_->EntryOpen(); }
ControlSnapshot CorvaneWidget::Snapshot() const { return control_->Snapshot(); }

}  // namespace corvane::qt
