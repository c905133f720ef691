// Applying the control's changes to the stored payments, all or nothing: as values
// (Changes) or as the delimited change list (ReadPaymentData).
#include <QSqlQuery>
#include <QVariant>
#include <cmath>
#include <string>

#include "tools/corvane_demo/change_list.h"
#include "tools/corvane_demo/order_store.h"
#include "tools/corvane_demo/sql.h"

namespace corvane::demo {

// One change read into what the database takes. A delete needs only its sequence.
struct OrderStore::Change {
  int number = 0;  // from 1, in the order of the changes, for the messages
  QChar mark;      // 'N', 'U' or 'D'
  int sequence = 0;
  int type_id = 0;
  QString reference;
  QString authorization;
  qlonglong minor_units = 0;
  QVariant date;
};

namespace {

[[noreturn]] void Fail(int number, const QString& what) {
  throw StoreError(QStringLiteral("change record %1: %2; nothing was saved")
                       .arg(number)
                       .arg(what)
                       .toStdString());
}

int Sequence(const QString& text, int number) {
  const std::optional<int> sequence = WholeNumber(text);
  if (!sequence) Fail(number, "sequence '" + text + "' is not a number");
  return *sequence;
}

QVariant Date(const QString& text, int number) {
  if (text.trimmed().isEmpty()) return sql::DateValue(std::nullopt);
  const std::optional<QDate> date = ReadControlDate(text);
  if (!date) Fail(number, "payment date '" + text + "' is not a date");
  return sql::DateValue(date);
}

qlonglong UnitsOf(const Money& amount, int decimals, int number) {
  try {
    return static_cast<qlonglong>(MinorUnits(amount, decimals, QStringLiteral("amount")));
  } catch (const StoreError& e) {
    Fail(number, QString::fromStdString(e.what()));
  }
}

// The amount of a change record: exact when it is written to the currency's minor unit
// ("12.5" in cents), else the nearest minor unit (a rate's quotient, "3.33333333333333").
qlonglong UnitsOf(const QString& text, int decimals, int number) {
  if (const std::optional<Money> exact = Money::Parse(text.toStdString(), decimals)) {
    return UnitsOf(*exact, decimals, number);
  }
  bool ok = false;
  const double amount = text.toDouble(&ok);
  const std::optional<Money> nearest =
      ok ? Money::Nearest(amount, decimals) : std::optional<Money>();
  if (!nearest) Fail(number, "amount '" + text + "' is not a number");
  return UnitsOf(*nearest, decimals, number);
}

}  // namespace

int OrderStore::StoreContext(int order_id, const OrderContext& context) {
  const QString stored = Currency(order_id);
  const int decimals = CurrencyDecimals(context.currency);
  // The stored amounts are minor units of the order's currency: another currency would
  // read them as other amounts.
  if (context.currency != stored &&
      !sql::Scalar(db(), QStringLiteral("SELECT 1 FROM payments WHERE order_id = ?"), {order_id})
           .isNull()) {
    throw StoreError(QStringLiteral("order %1 has payments in %2; its currency cannot become %3")
                         .arg(order_id)
                         .arg(stored.isEmpty() ? QStringLiteral("$") : stored,
                              context.currency.isEmpty() ? QStringLiteral("$") : context.currency)
                         .toStdString());
  }
  sql::Run(db(),
           QStringLiteral("UPDATE orders SET mode = ?, country = ?, order_type = ?,"
                          " conversion_rate = ?, ordered_minor_units = ?, date_taken = ?,"
                          " currency = ? WHERE id = ?"),
           {context.mode, context.country, context.order_type, context.conversion_rate,
            static_cast<qlonglong>(
                MinorUnits(context.ordered_amount, decimals, QStringLiteral("the ordered amount"))),
            sql::DateValue(context.date_taken), sql::CurrencyValue(context.currency), order_id});
  return decimals;
}

void OrderStore::Apply(int order_id, const Change& change, SaveReport& report) {
  // After an update or delete by sequence: exactly one stored payment of the order.
  auto expect_one_row = [&](const QSqlQuery& query) {
    if (query.numRowsAffected() != 1) {
      Fail(change.number,
           QStringLiteral("order %1 has no stored payment %2").arg(order_id).arg(change.sequence));
    }
  };
  if (change.mark == 'D') {
    expect_one_row(
        sql::Run(db(), QStringLiteral("DELETE FROM payments WHERE sequence = ? AND order_id = ?"),
                 {change.sequence, order_id}));
    ++report.deleted;
    return;
  }
  if (sql::Scalar(db(), QStringLiteral("SELECT 1 FROM payment_types WHERE id = ?"),
                  {change.type_id})
          .isNull()) {
    Fail(change.number, QStringLiteral("no payment type has ID %1").arg(change.type_id));
  }
  const QVariantList values = {change.type_id, change.reference, change.authorization,
                               change.minor_units, change.date};
  if (change.mark == 'N') {
    const QSqlQuery query = sql::Run(
        db(),
        QStringLiteral("INSERT INTO payments (type_id, reference, authorization_code,"
                       " amount_minor_units, payment_date, order_id) VALUES (?, ?, ?, ?, ?, ?)"),
        values + QVariantList{order_id});
    report.inserted.push_back(query.lastInsertId().toInt());
  } else {
    expect_one_row(sql::Run(db(),
                            QStringLiteral("UPDATE payments SET type_id = ?, reference = ?,"
                                           " authorization_code = ?, amount_minor_units = ?,"
                                           " payment_date = ? WHERE sequence = ? AND order_id = ?"),
                            values + QVariantList{change.sequence, order_id}));
    ++report.updated;
  }
}

SaveReport OrderStore::SaveOrder(int order_id, const OrderContext& context,
                                 const std::vector<PaymentChange>& changes) {
  sql::Transaction transaction(db(), transaction_depth_);
  const int decimals = StoreContext(order_id, context);
  SaveReport report;
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const PaymentInfo& p = changes[i].payment;
    Change change;
    change.number = static_cast<int>(i) + 1;
    change.mark = QChar(static_cast<char>(changes[i].mark));
    if (changes[i].mark != ChangeMark::kNew) {
      change.sequence = Sequence(QString::fromStdString(p.sequence), change.number);
    }
    if (changes[i].mark != ChangeMark::kDeleted) {
      change.type_id = p.type_id;
      change.reference = QString::fromStdString(p.reference);
      change.authorization = QString::fromStdString(p.authorization);
      change.minor_units = UnitsOf(p.amount, decimals, change.number);
      change.date = Date(QString::fromStdString(p.date), change.number);
    }
    Apply(order_id, change, report);
  }
  transaction.Commit();
  return report;
}

SaveReport OrderStore::SaveOrder(int order_id, const OrderContext& context,
                                 const QString& change_list, const QString& fs, const QString& rs) {
  if (fs.isEmpty() || rs.isEmpty()) throw StoreError("the separators must not be empty");
  sql::Transaction transaction(db(), transaction_depth_);
  const int decimals = StoreContext(order_id, context);
  SaveReport report;
  const QList<QStringList> records = SplitChangeList(change_list, fs, rs);
  for (int i = 0; i < records.size(); ++i) {
    const QStringList& fields = records[i];
    Change change;
    change.number = i + 1;
    if (fields.size() != kChangeFieldCount) {
      Fail(change.number, QStringLiteral("has %1 fields; a change record has %2")
                              .arg(fields.size())
                              .arg(kChangeFieldCount));
    }
    const QString& mark = fields[kChangeMark];
    if (mark != "N" && mark != "U" && mark != "D") {
      Fail(change.number, "mark '" + mark + "' is not N, U or D");
    }
    change.mark = mark[0];
    const std::optional<int> type_id = WholeNumber(fields[kChangeType]);
    if (!type_id) {
      report.skipped.push_back(
          {change.number, fields.join(fs),
           "the payment type '" + fields[kChangeType] +
               "' came back as a name, not a type ID (the control's payment types have no "
               "type of that name)"});
      continue;
    }
    if (change.mark != 'N') change.sequence = Sequence(fields[kChangeSequence], change.number);
    if (change.mark != 'D') {
      change.type_id = *type_id;
      change.reference = fields[kChangeReference];
      change.authorization = fields[kChangeAuthorization];
      change.minor_units = UnitsOf(fields[kChangeAmount], decimals, change.number);
      change.date = Date(fields[kChangeDate], change.number);
    }
    Apply(order_id, change, report);
  }
  transaction.Commit();
  return report;
}

}  // namespace corvane::demo
