// The change list ReadPaymentData gives: the raw text and a table of its records.
#pragma once

#include <QGroupBox>

class QLineEdit;
class QPushButton;
class QTableWidget;

namespace corvane::demo {

class ChangesBox : public QGroupBox {
 public:
  explicit ChangesBox(QWidget* parent = nullptr);

  // Shows `text` as it is and, split by the separators, one table row per record.
  void Show(const QString& text, const QString& fs, const QString& rs);

  QPushButton* read() const { return read_; }
  QTableWidget* table() const { return table_; }
  QString raw() const;

 private:
  QPushButton* read_;
  QLineEdit* raw_;
  QTableWidget* table_;
};

}  // namespace corvane::demo
