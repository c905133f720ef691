#include "tools/corvane_demo/order_store.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <cstdint>
#include <limits>

#include "tools/corvane_demo/sql.h"

namespace corvane::demo {
namespace {

constexpr const char* kTables[] = {
    "CREATE TABLE IF NOT EXISTS payment_types ("
    "  id INTEGER PRIMARY KEY CHECK (id >= 0),"
    "  name TEXT NOT NULL UNIQUE,"
    "  non_selectable INTEGER NOT NULL DEFAULT 0 CHECK (non_selectable IN (0, 1)))",
    "CREATE TABLE IF NOT EXISTS orders ("
    "  id INTEGER PRIMARY KEY,"
    "  name TEXT NOT NULL,"
    "  mode INTEGER NOT NULL CHECK (mode BETWEEN 0 AND 2),"
    "  country INTEGER NOT NULL,"
    "  order_type INTEGER NOT NULL,"
    "  conversion_rate REAL NOT NULL,"
    "  ordered_minor_units INTEGER NOT NULL,"
    "  date_taken TEXT,"
    "  currency TEXT)",
    "CREATE TABLE IF NOT EXISTS credit_cards ("
    "  order_id INTEGER NOT NULL REFERENCES orders (id) ON DELETE CASCADE,"
    "  position INTEGER NOT NULL,"
    "  number TEXT NOT NULL,"
    "  PRIMARY KEY (order_id, position))",
    "CREATE TABLE IF NOT EXISTS payments ("
    "  sequence INTEGER PRIMARY KEY AUTOINCREMENT,"
    "  order_id INTEGER NOT NULL REFERENCES orders (id) ON DELETE CASCADE,"
    "  type_id INTEGER NOT NULL REFERENCES payment_types (id),"
    "  reference TEXT NOT NULL DEFAULT '',"
    "  authorization_code TEXT NOT NULL DEFAULT '',"
    "  amount_minor_units INTEGER NOT NULL,"
    "  payment_date TEXT)",
    "CREATE INDEX IF NOT EXISTS payments_by_order ON payments (order_id, sequence)",
};

}  // namespace

OrderStore::OrderStore(const QString& file) {
  static std::atomic<int> next_connection{0};
  if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
    throw StoreError("Qt's SQLite driver is not installed (Debian: libqt6sql6-sqlite)");
  }
  connection_ = QStringLiteral("corvane-demo-%1").arg(next_connection++);
  QSqlDatabase database = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
  database.setDatabaseName(file);
  if (!database.open()) {
    const QString error = database.lastError().text();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
    throw StoreError(("cannot open " + file + ": " + error).toStdString());
  }
  try {
    sql::Run(database, QStringLiteral("PRAGMA foreign_keys = ON"));
    CreateTables();
    Upgrade();
  } catch (...) {
    database.close();
    database = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
    throw;
  }
}

OrderStore::~OrderStore() {
  {
    QSqlDatabase database = db();
    database.close();
  }
  QSqlDatabase::removeDatabase(connection_);
}

QSqlDatabase OrderStore::db() const { return QSqlDatabase::database(connection_, false); }

void OrderStore::CreateTables() {
  sql::Transaction transaction(db(), transaction_depth_);
  for (const char* statement : kTables) sql::Run(db(), QString::fromLatin1(statement));
  transaction.Commit();
}

void OrderStore::ExpectOrder(int order_id) const {
  if (sql::Scalar(db(), QStringLiteral("SELECT 1 FROM orders WHERE id = ?"), {order_id}).isNull()) {
    throw StoreError("there is no order " + std::to_string(order_id));
  }
}

std::vector<PaymentType> OrderStore::PaymentTypes() const {
  QSqlQuery query = sql::Run(
      db(), QStringLiteral("SELECT id, name, non_selectable FROM payment_types ORDER BY id"));
  std::vector<PaymentType> types;
  while (query.next()) {
    types.push_back({query.value(0).toInt(), query.value(1).toString(), query.value(2).toBool()});
  }
  return types;
}

std::vector<OrderSummary> OrderStore::Orders() const {
  QSqlQuery query = sql::Run(db(), QStringLiteral("SELECT id, name FROM orders ORDER BY id"));
  std::vector<OrderSummary> orders;
  while (query.next()) orders.push_back({query.value(0).toInt(), query.value(1).toString()});
  return orders;
}

OrderContext OrderStore::Context(int order_id) const {
  QSqlQuery query = sql::Run(db(),
                             QStringLiteral("SELECT mode, country, order_type, conversion_rate,"
                                            " ordered_minor_units, date_taken, currency"
                                            " FROM orders WHERE id = ?"),
                             {order_id});
  if (!query.next()) throw StoreError("there is no order " + std::to_string(order_id));
  OrderContext context;
  context.mode = query.value(0).toInt();
  context.country = query.value(1).toInt();
  context.order_type = query.value(2).toInt();
  context.conversion_rate = query.value(3).toDouble();
  context.date_taken = sql::ReadDateValue(query.value(5)).value_or(QDate());
  context.currency = query.value(6).toString();
  context.ordered_amount =
      Money(query.value(4).toLongLong(), CurrencyDecimals(context.currency)).ToDouble();
  return context;
}

QString OrderStore::Currency(int order_id) const {
  QSqlQuery query =
      sql::Run(db(), QStringLiteral("SELECT currency FROM orders WHERE id = ?"), {order_id});
  if (!query.next()) throw StoreError("there is no order " + std::to_string(order_id));
  return query.value(0).toString();
}

QStringList OrderStore::CreditCards(int order_id) const {
  QSqlQuery query = sql::Run(
      db(), QStringLiteral("SELECT number FROM credit_cards WHERE order_id = ? ORDER BY position"),
      {order_id});
  QStringList cards;
  while (query.next()) cards.push_back(query.value(0).toString());
  return cards;
}

std::vector<StoredPayment> OrderStore::Payments(int order_id) const {
  const int decimals = CurrencyDecimals(Currency(order_id));
  QSqlQuery query =
      sql::Run(db(),
               QStringLiteral("SELECT sequence, type_id, reference, authorization_code,"
                              " amount_minor_units, payment_date FROM payments"
                              " WHERE order_id = ? ORDER BY sequence"),
               {order_id});
  std::vector<StoredPayment> payments;
  while (query.next()) {
    payments.push_back({query.value(0).toInt(), query.value(1).toInt(), query.value(2).toString(),
                        query.value(3).toString(), Money(query.value(4).toLongLong(), decimals),
                        sql::ReadDateValue(query.value(5))});
  }
  return payments;
}

void OrderStore::AddPaymentType(const PaymentType& type) {
  sql::Transaction transaction(db(), transaction_depth_);
  const int count = sql::Scalar(db(), QStringLiteral("SELECT COUNT(*) FROM payment_types")).toInt();
  if (type.id != count) {
    throw StoreError("payment type IDs run 0, 1, 2, ...: the next one is " + std::to_string(count) +
                     ", not " + std::to_string(type.id));
  }
  sql::Run(db(),
           QStringLiteral("INSERT INTO payment_types (id, name, non_selectable)"
                          " VALUES (?, ?, ?)"),
           {type.id, type.name, type.non_selectable ? 1 : 0});
  transaction.Commit();
}

int OrderStore::AddOrder(const QString& name, const OrderContext& context,
                         const QStringList& cards) {
  const int decimals = CurrencyDecimals(context.currency);
  sql::Transaction transaction(db(), transaction_depth_);
  QSqlQuery query = sql::Run(
      db(),
      QStringLiteral("INSERT INTO orders (name, mode, country, order_type, conversion_rate,"
                     " ordered_minor_units, date_taken, currency)"
                     " VALUES (?, ?, ?, ?, ?, ?, ?, ?)"),
      {name, context.mode, context.country, context.order_type, context.conversion_rate,
       static_cast<qlonglong>(
           MinorUnits(context.ordered_amount, decimals, QStringLiteral("the ordered amount"))),
       sql::DateValue(context.date_taken), sql::CurrencyValue(context.currency)});
  const int order_id = query.lastInsertId().toInt();
  for (int position = 0; position < cards.size(); ++position) {
    sql::Run(db(),
             QStringLiteral("INSERT INTO credit_cards (order_id, position, number)"
                            " VALUES (?, ?, ?)"),
             {order_id, position, cards[position]});
  }
  transaction.Commit();
  return order_id;
}

int OrderStore::AddPayment(int order_id, const StoredPayment& payment) {
  const QVariant sequence =
      payment.sequence == 0 ? QVariant(QMetaType::fromType<int>()) : QVariant(payment.sequence);
  const auto units = static_cast<qlonglong>(MinorUnits(
      payment.amount, CurrencyDecimals(Currency(order_id)), QStringLiteral("the amount")));
  QSqlQuery query =
      sql::Run(db(),
               QStringLiteral("INSERT INTO payments (sequence, order_id, type_id, reference,"
                              " authorization_code, amount_minor_units, payment_date)"
                              " VALUES (?, ?, ?, ?, ?, ?, ?)"),
               {sequence, order_id, payment.type_id, payment.reference, payment.authorization,
                units, sql::DateValue(payment.date)});
  return query.lastInsertId().toInt();
}

OrderValues OrderStore::Values(int order_id) const {
  ExpectOrder(order_id);
  OrderValues values;
  for (const QString& card : CreditCards(order_id))
    values.credit_cards.push_back(card.toStdString());
  auto type_id = [](int id) {
    if (id < std::numeric_limits<std::int16_t>::min() ||
        id > std::numeric_limits<std::int16_t>::max()) {
      throw StoreError("payment type ID " + std::to_string(id) + " does not fit 16 bits");
    }
    return static_cast<std::int16_t>(id);
  };
  for (const PaymentType& type : PaymentTypes()) {
    values.payment_types.push_back(
        {type_id(type.id), type.name.toStdString(), type.non_selectable});
  }
  for (const StoredPayment& p : Payments(order_id)) {
    values.payments.push_back(
        {type_id(p.type_id), p.reference.toStdString(), p.authorization.toStdString(), p.amount,
         p.date ? ControlDate(*p.date).toStdString() : std::string(), std::to_string(p.sequence)});
  }
  return values;
}

}  // namespace corvane::demo
