#include "corvane/corvane_widget.h"

#include <QVBoxLayout>
#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "toolkits/qt/access_keys.h"

namespace corvane::qt {
namespace {

// A Qt caller's number for a 16-bit parameter; out of range is refused, never cut.
std::int16_t Narrow(int value, const char* operation, const char* what) {
  if (value < std::numeric_limits<std::int16_t>::min() ||
      value > std::numeric_limits<std::int16_t>::max()) {
    throw HostError(std::string(operation) + ": the " + what + " " + std::to_string(value) +
                    " is not a 16-bit number");
  }
  return static_cast<std::int16_t>(value);
}

// Whether a property's value changed; NaN is the same as NaN, so a box that is not a
// number does not signal on every call.
bool Differs(double before, double now) {
  return before != now && !(std::isnan(before) && std::isnan(now));
}
bool Differs(bool before, bool now) { return before != now; }
bool Differs(int before, int now) { return before != now; }

std::optional<Money> NoneOnFailure(auto&& read) {
  try {
    return read();
  } catch (const std::exception&) {
    return std::nullopt;
  }
}

double NanOnFailure(auto&& read) {
  try {
    return read();
  } catch (const std::exception&) {
    return std::numeric_limits<double>::quiet_NaN();
  }
}

}  // namespace

CorvaneWidget::CorvaneWidget(QWidget* parent, ScriptedServices* scripted, Corvane::Today today)
    : QWidget(parent), screen_(std::make_unique<Screen>(scripted, this)) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  // The control's fields have fixed places: room beyond its size stays a margin.
  screen_->surface()->setFixedSize(sizeHint());
  layout->addWidget(screen_->surface(), 0, Qt::AlignLeft | Qt::AlignTop);
  setMinimumSize(sizeHint());
  setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
  setFocusProxy(nullptr);
  qRegisterMetaType<Money>();
  control_ = std::make_unique<Corvane>(*screen_, std::move(today));
  control_->SubscribeAmountTotal([this](double total) { emit AmountTotal(total); });
  shown_ = Read();
  control_->SubscribeSettled([this] { TellChanges(); });
  FollowTranslators();
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
  if (on == AccessKeys()) return;
  if (on) access_keys_ = std::make_unique<AccessKeysOn>(*screen_);
  if (!on) access_keys_.reset();
  emit accessKeysChanged(on);
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
void CorvaneWidget::CurrencyDecimals(std::int16_t decimals) {
  control_->CurrencyDecimals(decimals);
}
void CorvaneWidget::CurrencyCode(std::string_view code) { control_->CurrencyCode(code); }
void CorvaneWidget::MaskCardNumbers(bool on) { control_->MaskCardNumbers(on); }

void CorvaneWidget::LoadPayments(const std::vector<std::string>& credit_cards,
                                 const std::vector<PaymentTypeInfo>& payment_types,
                                 const std::vector<PaymentInfo>& payments) {
  control_->LoadPayments(credit_cards, payment_types, payments);
}
std::vector<PaymentChange> CorvaneWidget::Changes() const { return control_->Changes(); }
Money CorvaneWidget::ExactTotal() const { return control_->ExactTotal(); }
Money CorvaneWidget::ExactBalance() const { return control_->ExactBalance(); }

// The editing state is "Add" or "Edit" from New Payment or Edit until Save or Cancel ends
// the entry, and empty otherwise.
bool CorvaneWidget::EntryOpen() const { return control_->EntryOpen(); }
ControlSnapshot CorvaneWidget::Snapshot() const { return control_->Snapshot(); }

template <class Call>
bool CorvaneWidget::Attempt(Call&& call) {
  try {
    call();
    last_error_.clear();
    return true;
  } catch (const std::exception& error) {
    last_error_ = QString::fromUtf8(error.what());
    emit operationFailed(last_error_);
    return false;
  }
}

int CorvaneWidget::paymentId(const QString& paymentType) {
  last_error_.clear();
  return control_->GetPaymentID(paymentType.toStdString());
}

bool CorvaneWidget::isNonSelectable(const QString& paymentType) {
  last_error_.clear();
  return control_->GetNonSelectableID(paymentType.toStdString());
}

bool CorvaneWidget::writePaymentData(const QString& creditCards, const QString& paymentTypes,
                                     const QString& payments, const QString& fieldSeparator,
                                     const QString& recordSeparator) {
  return Attempt([&] {
    control_->WritePaymentData(creditCards.toStdString(), paymentTypes.toStdString(),
                               payments.toStdString(), fieldSeparator.toStdString(),
                               recordSeparator.toStdString());
  });
}

QString CorvaneWidget::readPaymentData() {
  std::string changes;
  Attempt([&] { changes = control_->ReadPaymentData(); });
  return QString::fromStdString(changes);
}

bool CorvaneWidget::setPaymentDetails(int mode, int country, int orderType, double conversionRate,
                                      double orderedAmount, const QString& dateOrderTaken) {
  return Attempt([&] {
    control_->PaymentDetails(Narrow(mode, "PaymentDetails", "mode"),
                             Narrow(country, "PaymentDetails", "country"),
                             Narrow(orderType, "PaymentDetails", "order type"), conversionRate,
                             orderedAmount, dateOrderTaken.toStdString());
  });
}

void CorvaneWidget::setOrderedAmount(double amount) {
  Attempt([&] { control_->OrderedAmount(amount); });
}

void CorvaneWidget::setNewPaymentEnabled(bool enabled) {
  Attempt([&] { control_->EnableNewPayment(enabled); });
}

double CorvaneWidget::orderedAmount() const { return control_->Snapshot().ordered_amount; }

bool CorvaneWidget::newPaymentEnabled() const {
  return screen_->button(WidgetId::cmdAdd).Enabled();
}

int CorvaneWidget::orderType() const { return control_->Snapshot().order_type; }

double CorvaneWidget::total() const {
  return NanOnFailure([this] { return control_->TotalAmount(); });
}

double CorvaneWidget::balance() const {
  return NanOnFailure([this] { return control_->Balance(); });
}

bool CorvaneWidget::maskCardNumbers() const {
  return control_->Snapshot().mask_card_numbers.value_or(false);
}

int CorvaneWidget::currencyDecimals() const {
  return control_->Snapshot().currency_decimals.value_or(2);
}

QString CorvaneWidget::currencyCode() const {
  return QString::fromStdString(control_->Snapshot().currency_code);
}

void CorvaneWidget::setMaskCardNumbers(bool on) {
  Attempt([&] { control_->MaskCardNumbers(on); });
}

bool CorvaneWidget::setCurrencyDecimals(int decimals) {
  return Attempt([&] {
    control_->CurrencyDecimals(Narrow(decimals, "CurrencyDecimals", "number of decimals"));
  });
}

bool CorvaneWidget::setCurrencyCode(const QString& code) {
  return Attempt([&] { control_->CurrencyCode(code.toStdString()); });
}

std::optional<Money> CorvaneWidget::ExactTotalIfAny() const {
  return NoneOnFailure([this] { return control_->ExactTotal(); });
}

CorvaneWidget::Shown CorvaneWidget::Read() const {
  const ControlSnapshot snapshot = control_->Snapshot();
  return {snapshot.ordered_amount,
          newPaymentEnabled(),
          snapshot.order_type,
          total(),
          ExactTotalIfAny(),
          balance(),
          snapshot.EntryOpen(),
          snapshot.mask_card_numbers.value_or(false),
          snapshot.currency_decimals.value_or(2),
          QString::fromStdString(snapshot.currency_code)};
}

// A slot may call back into the control and change it again. Each value is marked shown
// just before its signal; once a nested round has run, it has told every value that still
// differed, so this round stops rather than tell an older one after it.
void CorvaneWidget::TellChanges() {
  const int round = ++tell_rounds_;
  const Shown now = Read();
  const auto tell = [&](auto& shown, auto value, auto signal) {
    if (round != tell_rounds_ || !Differs(shown, value)) return false;
    shown = value;
    emit(this->*signal)(value);
    return true;
  };
  tell(shown_.ordered_amount, now.ordered_amount, &CorvaneWidget::orderedAmountChanged);
  tell(shown_.new_payment_enabled, now.new_payment_enabled,
       &CorvaneWidget::newPaymentEnabledChanged);
  tell(shown_.order_type, now.order_type, &CorvaneWidget::orderTypeChanged);
  if (tell(shown_.total, now.total, &CorvaneWidget::totalChanged) && round == tell_rounds_ &&
      now.exact_total) {
    emit exactTotalChanged(*now.exact_total);
  }
  tell(shown_.balance, now.balance, &CorvaneWidget::balanceChanged);
  tell(shown_.entry_open, now.entry_open, &CorvaneWidget::entryOpenChanged);
  tell(shown_.mask_card_numbers, now.mask_card_numbers, &CorvaneWidget::maskCardNumbersChanged);
  if (round == tell_rounds_ && (shown_.currency_decimals != now.currency_decimals ||
                                shown_.currency_code != now.currency_code)) {
    shown_.currency_decimals = now.currency_decimals;
    shown_.currency_code = now.currency_code;
    emit currencyChanged();
  }
}

}  // namespace corvane::qt
