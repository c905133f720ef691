// Applying the control's change list to the stored payments, all or nothing.
#include <QSqlQuery>
#include <QVariant>
#include <cmath>
#include <string>

#include "tools/corvane_demo/change_list.h"
#include "tools/corvane_demo/order_store.h"
#include "tools/corvane_demo/sql.h"

namespace corvane::demo {
namespace {

// One change record read into what the database takes.
class ChangeRecord {
 public:
  ChangeRecord(const QStringList& fields, int number) : fields_(fields), number_(number) {}

  [[noreturn]] void Fail(const QString& what) const {
    throw StoreError(QStringLiteral("change record %1: %2; nothing was saved")
                         .arg(number_)
                         .arg(what)
                         .toStdString());
  }

  int Sequence() const {
    const std::optional<int> sequence = WholeNumber(fields_[kChangeSequence]);
    if (!sequence) Fail("sequence '" + fields_[kChangeSequence] + "' is not a number");
    return *sequence;
  }

  double Amount() const {
    bool ok = false;
    const double amount = fields_[kChangeAmount].toDouble(&ok);
    if (!ok || !std::isfinite(amount)) {
      Fail("amount '" + fields_[kChangeAmount] + "' is not a number");
    }
    return amount;
  }

  QVariant Date() const {
    const QString& text = fields_[kChangeDate];
    if (text.trimmed().isEmpty()) return sql::DateValue(std::nullopt);
    const std::optional<QDate> date = ReadControlDate(text);
    if (!date) Fail("payment date '" + text + "' is not a date");
    return sql::DateValue(date);
  }

  // After an update or delete by sequence: exactly one stored payment of the order.
  void ExpectOneRow(const QSqlQuery& query, int order_id) const {
    if (query.numRowsAffected() != 1) {
      Fail(QStringLiteral("order %1 has no stored payment %2").arg(order_id).arg(Sequence()));
    }
  }

  const QString& operator[](ChangeField field) const { return fields_[field]; }

 private:
  const QStringList& fields_;
  int number_;
};

}  // namespace

SaveReport OrderStore::SaveOrder(int order_id, const OrderContext& context,
                                 const QString& change_list, const QString& fs, const QString& rs) {
  if (fs.isEmpty() || rs.isEmpty()) throw StoreError("the separators must not be empty");
  sql::Transaction transaction(db(), transaction_depth_);
  ExpectOrder(order_id);
  sql::Run(db(),
           QStringLiteral("UPDATE orders SET mode = ?, country = ?, order_type = ?,"
                          " conversion_rate = ?, ordered_amount = ?, date_taken = ?"
                          " WHERE id = ?"),
           {context.mode, context.country, context.order_type, context.conversion_rate,
            context.ordered_amount, sql::DateValue(context.date_taken), order_id});

  SaveReport report;
  const QList<QStringList> records = SplitChangeList(change_list, fs, rs);
  for (int i = 0; i < records.size(); ++i) {
    const ChangeRecord record(records[i], i + 1);
    if (records[i].size() != kChangeFieldCount) {
      record.Fail(QStringLiteral("has %1 fields; a change record has %2")
                      .arg(records[i].size())
                      .arg(kChangeFieldCount));
    }
    const QString& mark = record[kChangeMark];
    if (mark != "N" && mark != "U" && mark != "D") {
      record.Fail("mark '" + mark + "' is not N, U or D");
    }
    const std::optional<int> type_id = WholeNumber(record[kChangeType]);
    if (!type_id) {
      report.skipped.push_back(
          {i + 1, records[i].join(fs),
           "the payment type '" + record[kChangeType] +
               "' came back as a name, not a type ID (the control's payment types have no "
               "type of that name)"});
      continue;
    }
    if (mark == "D") {
      const QSqlQuery query =
          sql::Run(db(), QStringLiteral("DELETE FROM payments WHERE sequence = ? AND order_id = ?"),
                   {record.Sequence(), order_id});
      record.ExpectOneRow(query, order_id);
      ++report.deleted;
      continue;
    }
    if (sql::Scalar(db(), QStringLiteral("SELECT 1 FROM payment_types WHERE id = ?"), {*type_id})
            .isNull()) {
      record.Fail(QStringLiteral("no payment type has ID %1").arg(*type_id));
    }
    const QVariantList values = {*type_id, record[kChangeReference], record[kChangeAuthorization],
                                 record.Amount(), record.Date()};
    if (mark == "N") {
      const QSqlQuery query = sql::Run(
          db(),
          QStringLiteral("INSERT INTO payments (type_id, reference, authorization_code, amount,"
                         " payment_date, order_id) VALUES (?, ?, ?, ?, ?, ?)"),
          values + QVariantList{order_id});
      report.inserted.push_back(query.lastInsertId().toInt());
    } else {
      const QSqlQuery query =
          sql::Run(db(),
                   QStringLiteral("UPDATE payments SET type_id = ?, reference = ?,"
                                  " authorization_code = ?, amount = ?, payment_date = ?"
                                  " WHERE sequence = ? AND order_id = ?"),
                   values + QVariantList{record.Sequence(), order_id});
      record.ExpectOneRow(query, order_id);
      ++report.updated;
    }
  }
  transaction.Commit();
  return report;
}

}  // namespace corvane::demo
