// A database made by an earlier demo, whose sample types gave Credit Card the ID 5, is
// upgraded when the store opens it: Credit Card and its payments move to ID 8, the orders
// stay. A type table a person changed is left as it is.
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

int UserVersion(const QString& file) {
  const QString connection = QStringLiteral("version");
  int version = -1;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    db.setDatabaseName(file);
    if (db.open()) {
      QSqlQuery query(QStringLiteral("PRAGMA user_version"), db);
      if (query.next()) version = query.value(0).toInt();
      db.close();
    }
  }
  QSqlDatabase::removeDatabase(connection);
  return version;
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

  // What the earlier demo left: its tables (today's have the same columns), `types`, the
  // sample order with a saved card payment of its own, and no user_version.
  void WriteEarlierDemo(const std::vector<PaymentType>& types) {
    { OrderStore tables(file_); }
    QStringList statements;
    for (const PaymentType& t : types) {
      statements << QStringLiteral("INSERT INTO payment_types VALUES (%1, '%2', %3)")
                        .arg(t.id)
                        .arg(t.name)
                        .arg(t.non_selectable ? 1 : 0);
    }
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
  EXPECT_EQ(UserVersion(file_), 1);
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
  EXPECT_EQ(UserVersion(file_), 1);
}

TEST_F(DemoUpgradeTest, FreshDatabaseStartsWithTodaysTypes) {
  OrderStore store(file_);
  EXPECT_NE(store.AddSampleOrderIfEmpty(), 0);
  EXPECT_EQ(store.PaymentTypes(), SamplePaymentTypes());
  EXPECT_EQ(UserVersion(file_), 1);
}

}  // namespace
}  // namespace corvane::demo
