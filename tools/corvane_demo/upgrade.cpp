// Demo databases made before the credit card type moved to ID 8 are upgraded in place when
// the store opens them, so that the orders saved in them stay: SQLite's user_version says
// which layout a database has (0: made before, 1: today's).
#include "tools/corvane_demo/order_store.h"
#include "tools/corvane_demo/sample_order.h"
#include "tools/corvane_demo/sql.h"

namespace corvane::demo {
namespace {

constexpr int kSchemaVersion = 1;

}  // namespace

void OrderStore::Upgrade() {
  sql::Transaction transaction(db(), transaction_depth_);
  const int version = sql::Scalar(db(), QStringLiteral("PRAGMA user_version")).toInt();
  if (version >= kSchemaVersion) return;
  // Only the former sample types are renumbered: a table a person changed may mean other
  // things by its IDs, and is left as it is.
  if (PaymentTypes() == FormerSamplePaymentTypes()) {
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
  sql::Run(db(), QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion));
  transaction.Commit();
}

}  // namespace corvane::demo
