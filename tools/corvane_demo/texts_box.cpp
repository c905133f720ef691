#include "tools/corvane_demo/texts_box.h"

#include <QFontMetrics>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace corvane::demo {
namespace {

QPlainTextEdit* TextEdit(QWidget* parent, int lines) {
  auto* edit = new QPlainTextEdit(parent);
  edit->setWordWrapMode(QTextOption::WrapAnywhere);
  edit->setTabChangesFocus(true);
  const QFontMetrics metrics(edit->font());
  edit->setFixedHeight(metrics.lineSpacing() * lines + 2 * edit->frameWidth() +
                       static_cast<int>(2 * edit->document()->documentMargin()));
  return edit;
}

QLineEdit* Separator(const QString& text, QWidget* parent) {
  auto* edit = new QLineEdit(text, parent);
  edit->setMaximumWidth(edit->fontMetrics().horizontalAdvance(QStringLiteral("MMMM")) + 12);
  return edit;
}

}  // namespace

TextsBox::TextsBox(QWidget* parent)
    : QGroupBox(tr("Payment data (WritePaymentData)"), parent),
      credit_cards_(TextEdit(this, 2)),
      payment_types_(TextEdit(this, 3)),
      payments_(TextEdit(this, 4)),
      field_separator_(Separator(QStringLiteral("~"), this)),
      record_separator_(Separator(QStringLiteral("|"), this)),
      load_(new QPushButton(tr("Load"), this)) {
  auto* form = new QFormLayout(this);
  form->addRow(tr("Cards"), credit_cards_);
  form->addRow(tr("Types"), payment_types_);
  form->addRow(tr("Payments"), payments_);
  auto* separators = new QHBoxLayout;
  separators->addWidget(field_separator_);
  auto* record_label = new QLabel(tr("Record separator"), this);
  record_label->setBuddy(record_separator_);
  separators->addWidget(record_label);
  separators->addWidget(record_separator_);
  separators->addStretch();
  separators->addWidget(load_);
  auto* field_label = new QLabel(tr("Field separator"), this);
  field_label->setBuddy(field_separator_);
  form->addRow(field_label, separators);
  // A line edit's name is not its buddy label's text on every Qt: given here.
  field_separator_->setAccessibleName(field_label->text());
  record_separator_->setAccessibleName(record_label->text());
}

void TextsBox::Set(const OrderTexts& texts) {
  credit_cards_->setPlainText(texts.credit_cards);
  payment_types_->setPlainText(texts.payment_types);
  payments_->setPlainText(texts.payments);
}

OrderTexts TextsBox::Get() const {
  return {credit_cards_->toPlainText(), payment_types_->toPlainText(), payments_->toPlainText()};
}

QString TextsBox::field_separator() const { return field_separator_->text(); }
QString TextsBox::record_separator() const { return record_separator_->text(); }

}  // namespace corvane::demo
