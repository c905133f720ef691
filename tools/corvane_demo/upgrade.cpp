// Demo databases of earlier demos are upgraded in place when the store opens them, so that
// the orders saved in them stay. SQLite's user_version says which layout a database has:
// 0, made before the credit card type moved to ID 8; 1, amounts in REAL columns; 2, amounts
// in cents, orders without a currency; 3, today's, each order's currency in its row.
#include <QSqlQuery>
#include <QVariant>

#include "tools/corvane_demo/order_store.h"
#include "tools/corvane_demo/sample_order.h"
#include "tools/corvane_demo/sql.h"

namespace corvane::demo {
namespace {

constexpr int kSchemaVersion = 3;

bool HasColumn(const QSqlDatabase& db, const QString& table, const QString& column) {
  QSqlQuery query = sql::Run(db, QStringLiteral("SELECT name FROM pragma_table_info(?)"), {table});
  while (query.next()) {
    if (query.value(0).toString() == column) return true;
  }
  return false;
}

// Replaces `table`'s REAL column `real` by the INTEGER column `cents`, each row's amount
// rounded to the nearest cent; `key` names the rows in a refusal.
void MoveToCents(const QSqlDatabase& db, const QString& table, const QString& key,
                 const QString& real, const QString& cents, const QString& what) {
  sql::Run(
      db,
      QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 INTEGER NOT NULL DEFAULT 0").arg(table, cents));
  QSqlQuery rows = sql::Run(db, QStringLiteral("SELECT %1, %2 FROM %3").arg(key, real, table));
  while (rows.next()) {
    const QString row_what =
        QStringLiteral("%1 %2: the amount").arg(what, rows.value(0).toString());
    const qlonglong value = MinorUnits(rows.value(1).toDouble(), kClassicDecimals, row_what);
    sql::Run(db, QStringLiteral("UPDATE %1 SET %2 = ? WHERE %3 = ?").arg(table, cents, key),
             {value, rows.value(0)});
  }
  sql::Run(db, QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, real));
}

}  // namespace

void OrderStore::Upgrade() {
  sql::Transaction transaction(db(), transaction_depth_);
  const int version = sql::Scalar(db(), QStringLiteral("PRAGMA user_version")).toInt();
  if (version >= kSchemaVersion) return;
  // Only the former sample types are renumbered: a table a person changed may mean other
  // things by its IDs, and is left as it is.
  if (version < 1 && PaymentTypes() == FormerSamplePaymentTypes()) {
    const std::vector<PaymentType> types = SamplePaymentTypes();
    const int former_card = 5;
    const int card = 8;
    // The names are unique: Credit Card's row takes its new name at 5 before the new row at
    // 8 takes "Credit Card".
    sql::Run(db(),
             QStringLiteral("UPDATE payment_types SET name = ?, non_selectable = ? WHERE id = ?"),
             {types[former_card].name, types[former_card].non_selectable ? 1 : 0, former_card});
    for (std::size_t id = former_card + 1; id < types.size(); ++id) AddPaymentType(types[id]);
    sql::Run(db(), QStringLiteral("UPDATE payments SET type_id = ? WHERE type_id = ?"),
             {card, former_card});
  }
  UpgradeAmountsToCents();
  // Orders made before they had a currency are in the classic one: NULL, "$" as before.
  if (!HasColumn(db(), QStringLiteral("orders"), QStringLiteral("currency"))) {
    sql::Run(db(), QStringLiteral("ALTER TABLE orders ADD COLUMN currency TEXT"));
  }
  sql::Run(db(), QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
  transaction.Commit();
}

// A fresh database was made with the columns in cents; one made before has them REAL.
void OrderStore::UpgradeAmountsToCents() {
  if (HasColumn(db(), QStringLiteral("payments"), QStringLiteral("amount"))) {
    MoveToCents(db(), QStringLiteral("payments"), QStringLiteral("sequence"),
                QStringLiteral("amount"), QStringLiteral("amount_minor_units"),
                QStringLiteral("payment"));
  }
  if (HasColumn(db(), QStringLiteral("orders"), QStringLiteral("ordered_amount"))) {
    MoveToCents(db(), QStringLiteral("orders"), QStringLiteral("id"),
                QStringLiteral("ordered_amount"), QStringLiteral("ordered_minor_units"),
                QStringLiteral("order"));
  }
}

}  // namespace corvane::demo
