// The order's context as the host gives it to the control with PaymentDetails: mode,
// country, order type, conversion rate, ordered amount and the date the order was taken;
// and the order's currency, which the host sets before it loads the payments.
#pragma once

#include <QGroupBox>

#include "tools/corvane_demo/order_data.h"

class QComboBox;
class QDateEdit;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;

namespace corvane::demo {

class ContextBox : public QGroupBox {
 public:
  explicit ContextBox(QWidget* parent = nullptr);

  void Set(const OrderContext& context);
  OrderContext Get() const;
  void SetOrderedAmount(double amount);

  QPushButton* apply() const { return apply_; }
  QComboBox* currency() const { return currency_; }

 private:
  QSpinBox* mode_;
  QSpinBox* country_;
  QSpinBox* order_type_;
  QDoubleSpinBox* rate_;
  QDoubleSpinBox* ordered_amount_;
  QDateEdit* date_taken_;
  QComboBox* currency_;
  QPushButton* apply_;
};

}  // namespace corvane::demo
