// The sample order a fresh database starts with: the order of
// examples/scripts/sample-order.jsonl, with the payment types numbered from 0 so that
// positions and IDs agree (Credit Card, at position 8, has ID 8). The same order in another
// currency is added on request.
#include "tools/corvane_demo/sample_order.h"

#include <QVariant>

#include "tools/corvane_demo/order_store.h"
#include "tools/corvane_demo/sql.h"

namespace corvane::demo {

std::vector<PaymentType> SamplePaymentTypes() {
  return {
      {0, "Cash", false},         {1, "On Account", true},     {2, "Check", false},
      {3, "Gift Card", false},    {4, "Voucher", true},        {5, "Money Order", false},
      {6, "Store Credit", false}, {7, "Wire Transfer", false}, {8, "Credit Card", false},
  };
}

std::vector<PaymentType> FormerSamplePaymentTypes() {
  return {
      {0, "Cash", false},      {1, "On Account", true}, {2, "Check", false},
      {3, "Gift Card", false}, {4, "Voucher", true},    {5, "Credit Card", false},
  };
}

int OrderStore::AddSampleOrderIfEmpty() {
  if (!Orders().empty()) return 0;
  return AddSampleOrder(QString(), true);
}

int OrderStore::SampleOrderIn(const QString& currency) {
  CurrencyDecimals(currency);  // an unknown code adds nothing
  const QVariant found = sql::Scalar(
      db(), QStringLiteral("SELECT id FROM orders WHERE IFNULL(currency, '') = ? ORDER BY id"),
      {currency});
  return found.isNull() ? AddSampleOrder(currency, false) : found.toInt();
}

int OrderStore::AddSampleOrder(const QString& currency, bool numbered) {
  const int decimals = CurrencyDecimals(currency);
  auto amount = [decimals](double value) { return *Money::Nearest(value, decimals); };
  auto sequence = [numbered](int number) { return numbered ? number : 0; };
  sql::Transaction transaction(db(), transaction_depth_);
  if (PaymentTypes().empty()) {
    for (const PaymentType& type : SamplePaymentTypes()) AddPaymentType(type);
  }
  OrderContext context;
  context.mode = 1;
  context.country = 44;
  context.order_type = 1;
  context.conversion_rate = 0;
  context.ordered_amount = 250;
  context.date_taken = QDate(2026, 12, 1);
  context.currency = currency;
  const QString name = currency.isEmpty() ? QStringLiteral("Sample order")
                                          : QStringLiteral("Sample order in %1").arg(currency);
  const int order_id =
      AddOrder(name, context, {"4111 1111 1111 1111", "5500 0000 0000 0004", "3400 000000 00009"});
  AddPayment(order_id, {sequence(501), 2, "1001", "", amount(100), QDate(2026, 11, 28)});
  AddPayment(order_id, {sequence(502), 8, "4111 1111 1111 1111", "A1234", amount(50.25),
                        QDate(2026, 11, 29)});
  AddPayment(order_id, {sequence(503), 0, "", "", amount(20), QDate(2026, 11, 30)});
  transaction.Commit();
  return order_id;
}

}  // namespace corvane::demo
