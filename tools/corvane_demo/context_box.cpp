#include "tools/corvane_demo/context_box.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <cstdint>
#include <limits>

namespace corvane::demo {
namespace {

// The control takes 16-bit numbers for country and order type.
QSpinBox* Short(QWidget* parent) {
  auto* box = new QSpinBox(parent);
  box->setRange(std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max());
  return box;
}

// A label naming `field`, for the eye and for screen readers alike.
QLabel* LabelFor(const QString& text, QWidget* field, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setBuddy(field);
  field->setAccessibleName(text);
  return label;
}

}  // namespace

ContextBox::ContextBox(QWidget* parent)
    : QGroupBox(tr("Order context"), parent),
      mode_(new QSpinBox(this)),
      country_(Short(this)),
      order_type_(Short(this)),
      rate_(new QDoubleSpinBox(this)),
      ordered_amount_(new QDoubleSpinBox(this)),
      date_taken_(new QDateEdit(this)),
      currency_(new QComboBox(this)),
      apply_(new QPushButton(tr("Apply (PaymentDetails)"), this)) {
  mode_->setRange(0, 2);
  mode_->setToolTip(tr("0: view only, 1: add, edit and delete, 2: add only"));
  rate_->setRange(0, 1e6);
  rate_->setDecimals(4);
  rate_->setSingleStep(0.05);
  rate_->setToolTip(tr("Displayed amount = stored amount x rate; 0 counts as 1"));
  ordered_amount_->setRange(-1e9, 1e9);
  ordered_amount_->setDecimals(2);
  date_taken_->setLocale(QLocale::c());
  date_taken_->setDisplayFormat(QStringLiteral("MMM dd, yyyy"));
  date_taken_->setCalendarPopup(true);
  date_taken_->setDate(QDate(2026, 12, 1));
  currency_->addItem(QStringLiteral("$"), QString());
  for (const QString& code : OfferedCodes()) currency_->addItem(code, code);
  currency_->setToolTip(
      tr("$: the classic currency, two decimals; a code: ISO 4217's decimals, the code in "
         "the captions. Set before the payments are loaded."));
  // The ordered amount takes the currency's decimals.
  connect(currency_, &QComboBox::currentIndexChanged, this, [this] {
    ordered_amount_->setDecimals(CurrencyDecimals(currency_->currentData().toString()));
  });

  auto* form = new QFormLayout(this);
  auto* numbers = new QHBoxLayout;
  numbers->addWidget(mode_);
  numbers->addWidget(LabelFor(tr("Country"), country_, this));
  numbers->addWidget(country_);
  numbers->addWidget(LabelFor(tr("Order type"), order_type_, this));
  numbers->addWidget(order_type_);
  form->addRow(LabelFor(tr("Mode"), mode_, this), numbers);
  auto* amounts = new QHBoxLayout;
  amounts->addWidget(rate_);
  amounts->addWidget(LabelFor(tr("Ordered"), ordered_amount_, this));
  amounts->addWidget(ordered_amount_);
  form->addRow(LabelFor(tr("Rate"), rate_, this), amounts);
  auto* date = new QHBoxLayout;
  date->addWidget(date_taken_);
  date->addWidget(LabelFor(tr("Currency"), currency_, this));
  date->addWidget(currency_);
  date->addStretch();
  date->addWidget(apply_);
  form->addRow(LabelFor(tr("Taken"), date_taken_, this), date);
}

void ContextBox::Set(const OrderContext& context) {
  mode_->setValue(context.mode);
  country_->setValue(context.country);
  order_type_->setValue(context.order_type);
  rate_->setValue(context.conversion_rate);
  currency_->setCurrentIndex(std::max(0, currency_->findData(context.currency)));
  ordered_amount_->setValue(context.ordered_amount);
  date_taken_->setDate(context.date_taken);
}

OrderContext ContextBox::Get() const {
  OrderContext context;
  context.mode = mode_->value();
  context.country = country_->value();
  context.order_type = order_type_->value();
  context.conversion_rate = rate_->value();
  context.ordered_amount = ordered_amount_->value();
  context.date_taken = date_taken_->date();
  context.currency = currency_->currentData().toString();
  return context;
}

void ContextBox::SetOrderedAmount(double amount) { ordered_amount_->setValue(amount); }

}  // namespace corvane::demo
