// Databases made by earlier demos are upgraded when the store opens them, their orders
// kept: where the sample types gave Credit Card the ID 5, Credit Card and its payments move
// to ID 8 (a type table a person changed is left as it is); amounts kept in REAL columns
// become whole cents, as the control showed them; orders made before orders had a currency
// stay in the classic one.
#include <gmock/gmock.h>

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include "tools/corvane_demo/order_store.h"
#include "tools/corvane_demo/sample_order.h"

namespace corvane::demo {
namespace {

using ::testing::ElementsAre;

// Runs statements on the file outside the store, as the earlier demo wrote it.
void Execute(const QString& file, const QStringList& statements) {
  const QString connection = QStringLiteral("earlier-demo");
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    ASSERT_TRUE(db.open());
    QSqlQuery query(db);
    for (const QString& statement : statements) {
      EXPECT_TRUE(query.exec(statement))
          << statement.toStdString() << ": " << query.lastError().text().toStdString();
    }
    db.close();
  }
  QSqlDatabase::removeDatabase(connection);
}

// The first column of each row `statement` gives, as text, read outside the store.
std::vector<std::string> Column(const QString& file, const QString& statement) {
  const QString connection = QStringLiteral("column");
  std::vector<std::string> values;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    if (db.open()) {
      QSqlQuery query(statement, db);
      while (query.next()) values.push_back(query.value(0).toString().toStdString());
      db.close();
    }
  }
  QSqlDatabase::removeDatabase(connection);
  return values;
}

int UserVersion(const QString& file) {
  const std::vector<std::string> version = Column(file, QStringLiteral("PRAGMA user_version"));
  return version.empty() ? -1 : std::stoi(version[0]);
}

// The tables of the earlier demos: amounts in REAL columns.
const QStringList kEarlierTables = {
    "CREATE TABLE payment_types (id INTEGER PRIMARY KEY CHECK (id >= 0),"
    " name TEXT NOT NULL UNIQUE,"
    " non_selectable INTEGER NOT NULL DEFAULT 0 CHECK (non_selectable IN (0, 1)))",
    "CREATE TABLE orders (id INTEGER PRIMARY KEY, name TEXT NOT NULL,"
    " mode INTEGER NOT NULL CHECK (mode BETWEEN 0 AND 2), country INTEGER NOT NULL,"
    " order_type INTEGER NOT NULL, conversion_rate REAL NOT NULL,"
    " ordered_amount REAL NOT NULL, date_taken TEXT)",
    "CREATE TABLE credit_cards (order_id INTEGER NOT NULL REFERENCES orders (id) ON DELETE"
    " CASCADE, position INTEGER NOT NULL, number TEXT NOT NULL, PRIMARY KEY (order_id,"
    " position))",
    "CREATE TABLE payments (sequence INTEGER PRIMARY KEY AUTOINCREMENT,"
    " order_id INTEGER NOT NULL REFERENCES orders (id) ON DELETE CASCADE,"
    " type_id INTEGER NOT NULL REFERENCES payment_types (id),"
    " reference TEXT NOT NULL DEFAULT '', authorization_code TEXT NOT NULL DEFAULT '',"
    " amount REAL NOT NULL, payment_date TEXT)",
    "CREATE INDEX payments_by_order ON payments (order_id, sequence)",
};

QStringList TypeRows(const std::vector<PaymentType>& types) {
  QStringList statements;
  for (const PaymentType& t : types) {
    statements << QStringLiteral("INSERT INTO payment_types VALUES (%1, '%2', %3)")
                      .arg(t.id)
                      .arg(t.name)
                      .arg(t.non_selectable ? 1 : 0);
  }
  return statements;
}

std::vector<std::string> Payments(const OrderStore& store, int order_id) {
  std::vector<std::string> rows;
  for (const StoredPayment& p : store.Payments(order_id)) {
    rows.push_back(std::to_string(p.sequence) + "|" + std::to_string(p.type_id) + "|" +
                   p.reference.toStdString());
  }
  return rows;
}

class DemoUpgradeTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  // What the first demo left: its tables, `types`, the sample order with a saved card
  // payment of its own, and no user_version.
  void WriteEarlierDemo(const std::vector<PaymentType>& types) {
    QStringList statements = kEarlierTables + TypeRows(types);
    statements << "INSERT INTO orders VALUES (1, 'Sample order', 1, 44, 1, 0, 250, '2026-12-01')"
               << "INSERT INTO credit_cards VALUES (1, 0, '4111 1111 1111 1111')"
               << "INSERT INTO payments VALUES (501, 1, 2, '1001', '', 100, '2026-11-28')"
               << "INSERT INTO payments VALUES (502, 1, 5, '4111 1111 1111 1111', 'A1234', "
                  "50.25, '2026-11-29')"
               << "INSERT INTO payments VALUES (503, 1, 0, '', '', 20, '2026-11-30')"
               << "INSERT INTO payments VALUES (504, 1, 5, '4111 1111 1111 1111', 'B7', 9, NULL)"
               << "PRAGMA user_version = 0";
    Execute(file_, statements);
  }

  QTemporaryDir dir_;
  QString file_ = dir_.filePath(QStringLiteral("orders.sqlite"));
};

TEST_F(DemoUpgradeTest, EarlierSampleTypesMoveCreditCardToEightWithItsPayments) {
  WriteEarlierDemo(FormerSamplePaymentTypes());
  OrderStore store(file_);
  EXPECT_EQ(store.PaymentTypes(), SamplePaymentTypes());
  EXPECT_THAT(Payments(store, 1), ElementsAre("501|2|1001", "502|8|4111 1111 1111 1111", "503|0|",
                                              "504|8|4111 1111 1111 1111"));
  EXPECT_EQ(store.AddSampleOrderIfEmpty(), 0) << "the order was kept";
  EXPECT_EQ(store.Texts(1, "~", "|").payments.section('|', 1, 1).toStdString(),
            "8~4111 1111 1111 1111~A1234~50.25~Nov 29, 2026~502");
  EXPECT_EQ(UserVersion(file_), 3);
}

TEST_F(DemoUpgradeTest, UpgradeRunsOnceAndLeavesOtherTablesAlone) {
  // Upgraded, then reopened: nothing moves again.
  WriteEarlierDemo(FormerSamplePaymentTypes());
  { OrderStore upgraded(file_); }
  OrderStore reopened(file_);
  EXPECT_EQ(reopened.PaymentTypes(), SamplePaymentTypes());
  EXPECT_THAT(Payments(reopened, 1), ElementsAre("501|2|1001", "502|8|4111 1111 1111 1111",
                                                 "503|0|", "504|8|4111 1111 1111 1111"));
}

TEST_F(DemoUpgradeTest, TypesAPersonChangedAreKept) {
  std::vector<PaymentType> changed = FormerSamplePaymentTypes();
  changed.push_back({6, "Wire", false});
  WriteEarlierDemo(changed);
  OrderStore store(file_);
  EXPECT_EQ(store.PaymentTypes(), changed);
  EXPECT_THAT(Payments(store, 1), ElementsAre("501|2|1001", "502|5|4111 1111 1111 1111", "503|0|",
                                              "504|5|4111 1111 1111 1111"));
  EXPECT_EQ(UserVersion(file_), 3);
}

TEST_F(DemoUpgradeTest, FreshDatabaseStartsWithTodaysTypes) {
  OrderStore store(file_);
  EXPECT_NE(store.AddSampleOrderIfEmpty(), 0);
  EXPECT_EQ(store.PaymentTypes(), SamplePaymentTypes());
  EXPECT_EQ(UserVersion(file_), 3);
}

// A database of the demo before amounts were kept in cents: today's types, REAL amounts as
// a double holds them (60.55 is 60.549999999999997, 100.005 is 100.00499999999999).
TEST_F(DemoUpgradeTest, RealAmountsBecomeTheCentsTheControlShowed) {
  Execute(file_, kEarlierTables + TypeRows(SamplePaymentTypes()) +
                     QStringList{
                         "INSERT INTO orders VALUES (1, 'Sample order', 1, 44, 1, 0, 250.1, NULL)",
                         "INSERT INTO orders VALUES (2, 'Rate', 1, 44, 1, 1.25, 0.3, NULL)",
                         "INSERT INTO payments VALUES (501, 1, 2, '1001', '', 60.55, NULL)",
                         "INSERT INTO payments VALUES (502, 1, 0, '', '', 100.005, NULL)",
                         "INSERT INTO payments VALUES (503, 2, 8, '', '', -0.1, NULL)",
                         "INSERT INTO payments VALUES (504, 2, 0, '', '', 0.004, NULL)",
                         "PRAGMA user_version = 1",
                     });
  {
    OrderStore store(file_);
    EXPECT_EQ(store.Payments(1)[0].amount, Money(6055));
    EXPECT_EQ(store.Payments(1)[1].amount, Money(10001));
    EXPECT_EQ(store.Payments(2)[0].amount, Money(-10));
    EXPECT_EQ(store.Payments(2)[1].amount, Money(0));
    EXPECT_EQ(store.Context(1).ordered_amount, 250.1);
    EXPECT_EQ(store.Context(2).ordered_amount, 0.3);
    EXPECT_EQ(store.PaymentTypes(), SamplePaymentTypes()) << "the types stay";
  }
  EXPECT_EQ(UserVersion(file_), 3);
  EXPECT_EQ(Column(file_,
                   "SELECT typeof(amount_minor_units) || amount_minor_units FROM payments"
                   " ORDER BY sequence"),
            (std::vector<std::string>{"integer6055", "integer10001", "integer-10", "integer0"}));
  EXPECT_EQ(Column(file_, "SELECT name FROM pragma_table_info('payments') WHERE name = 'amount'"),
            std::vector<std::string>{})
      << "the REAL column is gone";
  OrderStore reopened(file_);
  EXPECT_EQ(reopened.Payments(1)[0].amount, Money(6055)) << "converted once";
}

// The demo before orders had a currency: amounts in cents, no currency column. Its orders
// stay in the classic currency, their cents as they were, and take no code on saving.
TEST_F(DemoUpgradeTest, OrdersWithoutACurrencyStayClassic) {
  QStringList tables = kEarlierTables;
  tables.replaceInStrings("ordered_amount REAL", "ordered_minor_units INTEGER");
  tables.replaceInStrings("amount REAL", "amount_minor_units INTEGER");
  Execute(file_, tables + TypeRows(SamplePaymentTypes()) +
                     QStringList{
                         "INSERT INTO orders VALUES (1, 'Sample order', 1, 44, 1, 0, 25010, NULL)",
                         "INSERT INTO payments VALUES (501, 1, 2, '1001', '', 6055, NULL)",
                         "PRAGMA user_version = 2",
                     });
  {
    OrderStore store(file_);
    EXPECT_EQ(store.Currency(1).toStdString(), "");
    EXPECT_EQ(store.Context(1).ordered_amount, 250.1);
    EXPECT_EQ(store.Payments(1)[0].amount, Money(6055));
    store.SaveOrder(1, store.Context(1), std::vector<PaymentChange>{});
    EXPECT_EQ(store.SampleOrderIn("KWD"), 2) << "a new order takes a currency";
  }
  EXPECT_EQ(UserVersion(file_), 3);
  EXPECT_EQ(Column(file_, "SELECT IFNULL(currency, 'NULL') FROM orders ORDER BY id"),
            (std::vector<std::string>{"NULL", "KWD"}));
  EXPECT_EQ(Column(file_, "SELECT amount_minor_units FROM payments ORDER BY sequence"),
            (std::vector<std::string>{"6055", "100000", "50250", "20000"}));
}

// An amount no whole number of cents can hold stops the upgrade: the store does not open
// and the database stays as it was, for a person to mend.
TEST_F(DemoUpgradeTest, AnAmountBeyondCentsLeavesTheDatabaseAsItWas) {
  Execute(file_, kEarlierTables + TypeRows(SamplePaymentTypes()) +
                     QStringList{
                         "INSERT INTO orders VALUES (1, 'Sample order', 1, 44, 1, 0, 250, NULL)",
                         "INSERT INTO payments VALUES (501, 1, 2, '', '', 12.5, NULL)",
                         "INSERT INTO payments VALUES (502, 1, 2, '', '', 1e300, NULL)",
                         "PRAGMA user_version = 1",
                     });
  try {
    OrderStore store(file_);
    ADD_FAILURE() << "the store opened";
  } catch (const StoreError& e) {
    EXPECT_EQ(std::string(e.what()),
              "payment 502: the amount 1e+300 is too large to keep in cents");
  }
  EXPECT_EQ(UserVersion(file_), 1);
  EXPECT_EQ(Column(file_, "SELECT amount FROM payments ORDER BY sequence"),
            (std::vector<std::string>{"12.5", "1e+300"}));
}

}  // namespace
}  // namespace corvane::demo
