// The three texts WritePaymentData takes (credit cards, payment types, payments) and the
// two separators, as the host would hand them over; editable, so that any text can be
// tried on the control.
#pragma once

#include <QGroupBox>

#include "tools/corvane_demo/order_data.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace corvane::demo {

class TextsBox : public QGroupBox {
 public:
  explicit TextsBox(QWidget* parent = nullptr);

  void Set(const OrderTexts& texts);
  OrderTexts Get() const;
  QString field_separator() const;
  QString record_separator() const;

  QPushButton* load() const { return load_; }

 private:
  QPlainTextEdit* credit_cards_;
  QPlainTextEdit* payment_types_;
  QPlainTextEdit* payments_;
  QLineEdit* field_separator_;
  QLineEdit* record_separator_;
  QPushButton* load_;
};

}  // namespace corvane::demo
