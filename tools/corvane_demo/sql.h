// Small helpers over Qt's SQL module: statements that throw StoreError when they fail, and
// a transaction that rolls back unless committed.
#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QVariantList>
#include <optional>

namespace corvane::demo::sql {

// Prepares and runs one statement with its values bound in order.
QSqlQuery Run(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});

// The first column of the first row, or an invalid QVariant when there is no row.
QVariant Scalar(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});

// A date as stored: YYYY-MM-DD, or NULL for none.
QVariant DateValue(const std::optional<QDate>& date);
std::optional<QDate> ReadDateValue(const QVariant& value);
// An order's currency as stored: its code, or NULL for the classic currency.
QVariant CurrencyValue(const QString& code);

// Transactions nest: only the outermost one (depth 0 when it starts) begins and ends the
// database's transaction, so an inner failure rolls back the whole of the outer one.
class Transaction {
 public:
  // `depth` counts the open transactions on `db`; it must outlive this one.
  Transaction(const QSqlDatabase& db, int& depth);
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Commit();

 private:
  QSqlDatabase db_;
  int& depth_;
  bool outermost_;
  bool open_ = true;
};

}  // namespace corvane::demo::sql
