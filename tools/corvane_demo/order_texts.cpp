// The texts WritePaymentData takes, built from the stored rows.
#include <string>
#include <utility>

#include "tools/corvane_demo/order_store.h"

namespace corvane::demo {
namespace {

// A field of the texts; a value holding a separator would split the record.
class TextBuilder {
 public:
  TextBuilder(QString fs, QString rs) : fs_(std::move(fs)), rs_(std::move(rs)) {}

  void Field(const QString& value, const QString& what) {
    for (const QString* separator : {&fs_, &rs_}) {
      if (value.contains(*separator)) {
        throw StoreError((what + " '" + value + "' holds the separator '" + *separator +
                          "'; choose other separators")
                             .toStdString());
      }
    }
    if (open_) text_ += fs_;
    text_ += value;
    open_ = true;
  }
  void EndRecord() {
    text_ += rs_;
    open_ = false;
  }
  const QString& text() const { return text_; }

 private:
  QString fs_;
  QString rs_;
  QString text_;
  bool open_ = false;
};

}  // namespace

OrderTexts OrderStore::Texts(int order_id, const QString& fs, const QString& rs) const {
  if (fs.isEmpty() || rs.isEmpty()) throw StoreError("the separators must not be empty");
  if (fs == rs) throw StoreError("the field and record separators must differ");
  ExpectOrder(order_id);

  TextBuilder cards(fs, rs);
  for (const QString& card : CreditCards(order_id)) {
    cards.Field(card, QStringLiteral("credit card"));
    cards.EndRecord();
  }

  TextBuilder types(fs, rs);
  int position = 0;
  for (const PaymentType& type : PaymentTypes()) {
    if (type.id != position) {
      throw StoreError(
          "payment type IDs must run 0, 1, 2, ... so that an ID is the type's "
          "position; found " +
          std::to_string(type.id) + " at position " + std::to_string(position));
    }
    types.Field(QString::number(type.id), QStringLiteral("payment type ID"));
    types.Field(type.name, QStringLiteral("payment type"));
    types.Field(type.non_selectable ? QStringLiteral("1") : QStringLiteral("0"),
                QStringLiteral("flag"));
    types.EndRecord();
    ++position;
  }

  TextBuilder payments(fs, rs);
  for (const StoredPayment& p : Payments(order_id)) {
    const QString which = QStringLiteral("payment %1: ").arg(p.sequence);
    payments.Field(QString::number(p.type_id), which + "type");
    payments.Field(p.reference, which + "reference");
    payments.Field(p.authorization, which + "authorization");
    payments.Field(AmountText(p.amount), which + "amount");
    payments.Field(p.date ? ControlDate(*p.date) : QString(), which + "date");
    payments.Field(QString::number(p.sequence), which + "sequence");
    payments.EndRecord();
  }
  return {cards.text(), types.text(), payments.text()};
}

}  // namespace corvane::demo
