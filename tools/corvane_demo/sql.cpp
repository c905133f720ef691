#include "tools/corvane_demo/sql.h"

#include <QSqlError>

#include "tools/corvane_demo/order_data.h"

namespace corvane::demo::sql {
namespace {

[[noreturn]] void Fail(const QString& what, const QSqlError& error) {
  throw StoreError((what + ": " + error.text()).toStdString());
}

}  // namespace

QSqlQuery Run(const QSqlDatabase& db, const QString& statement, const QVariantList& values) {
  QSqlQuery query(db);
  if (!query.prepare(statement)) Fail(statement.simplified(), query.lastError());
  for (const QVariant& value : values) query.addBindValue(value);
  if (!query.exec()) Fail(statement.simplified(), query.lastError());
  return query;
}

QVariant Scalar(const QSqlDatabase& db, const QString& statement, const QVariantList& values) {
  QSqlQuery query = Run(db, statement, values);
  return query.next() ? query.value(0) : QVariant();
}

QVariant DateValue(const std::optional<QDate>& date) {
  return date && date->isValid() ? QVariant(date->toString(Qt::ISODate))
                                 : QVariant(QMetaType::fromType<QString>());
}

QVariant CurrencyValue(const QString& code) {
  return code.isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(code);
}

std::optional<QDate> ReadDateValue(const QVariant& value) {
  const QDate date = QDate::fromString(value.toString(), Qt::ISODate);
  if (value.isNull() || !date.isValid()) return std::nullopt;
  return date;
}

Transaction::Transaction(const QSqlDatabase& db, int& depth)
    : db_(db), depth_(depth), outermost_(depth == 0) {
  if (outermost_ && !db_.transaction()) Fail("begin transaction", db_.lastError());
  ++depth_;
}

Transaction::~Transaction() {
  --depth_;
  if (outermost_ && open_) db_.rollback();
}

void Transaction::Commit() {
  if (outermost_ && !db_.commit()) Fail("commit", db_.lastError());
  open_ = false;
}

}  // namespace corvane::demo::sql
