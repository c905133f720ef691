// corvane-demo's storage on a real SQLite file: the sample order, the texts built from the
// rows, and change lists applied all or nothing.
#include <gmock/gmock.h>

#include <QTemporaryDir>
#include <memory>

#include "tools/corvane_demo/order_store.h"

namespace corvane::demo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string S(const QString& text) { return text.toStdString(); }

// A stored payment as "sequence|type|reference|authorization|amount|date", the amount as
// the delimited texts write it.
std::string Describe(const StoredPayment& p) {
  return S(QStringLiteral("%1|%2|%3|%4|%5|%6")
               .arg(p.sequence)
               .arg(p.type_id)
               .arg(p.reference, p.authorization, AmountText(p.amount),
                    p.date ? p.date->toString(Qt::ISODate) : QStringLiteral("none")));
}

std::string Describe(const OrderContext& c) {
  return S(QStringLiteral("mode %1, country %2, type %3, rate %4, ordered %5, taken %6")
               .arg(c.mode)
               .arg(c.country)
               .arg(c.order_type)
               .arg(c.conversion_rate)
               .arg(c.ordered_amount)
               .arg(c.date_taken.toString(Qt::ISODate)));
}

std::vector<std::string> Stored(const OrderStore& store, int order_id) {
  std::vector<std::string> rows;
  for (const StoredPayment& p : store.Payments(order_id)) rows.push_back(Describe(p));
  return rows;
}

const std::vector<std::string> kSamplePayments = {
    "501|2|1001||100|2026-11-28",
    "502|8|4111 1111 1111 1111|A1234|50.25|2026-11-29",
    "503|0|||20|2026-11-30",
};

class DemoStoreTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    store_ = std::make_unique<OrderStore>(File());
    order_ = store_->AddSampleOrderIfEmpty();
    ASSERT_NE(order_, 0);
  }

  QString File() const { return dir_.filePath(QStringLiteral("orders.sqlite")); }
  OrderStore& store() { return *store_; }
  OrderContext SampleContext() const { return {1, 44, 1, 0, 250, QDate(2026, 12, 1)}; }

  QTemporaryDir dir_;
  std::unique_ptr<OrderStore> store_;
  int order_ = 0;
};

TEST_F(DemoStoreTest, FreshDatabaseHoldsTheSampleOrderAsTheControlTakesIt) {
  EXPECT_EQ(Describe(store().Context(order_)), Describe(SampleContext()));
  const OrderTexts texts = store().Texts(order_, "~", "|");
  EXPECT_EQ(S(texts.credit_cards), "4111 1111 1111 1111|5500 0000 0000 0004|3400 000000 00009|");
  EXPECT_EQ(S(texts.payment_types),
            "0~Cash~0|1~On Account~1|2~Check~0|3~Gift Card~0|4~Voucher~1|5~Money Order~0|"
            "6~Store Credit~0|7~Wire Transfer~0|8~Credit Card~0|");
  EXPECT_EQ(S(texts.payments),
            "2~1001~~100~Nov 28, 2026~501|"
            "8~4111 1111 1111 1111~A1234~50.25~Nov 29, 2026~502|"
            "0~~~20~Nov 30, 2026~503|");
  EXPECT_EQ(S(store().Texts(order_, "^", "\n").payments.section('\n', 0, 0)),
            "2^1001^^100^Nov 28, 2026^501");
}

TEST_F(DemoStoreTest, ReopenedDatabaseKeepsItsOrdersAndGetsNoSecondSample) {
  store_.reset();
  OrderStore reopened(File());
  EXPECT_EQ(reopened.AddSampleOrderIfEmpty(), 0);
  ASSERT_EQ(reopened.Orders().size(), 1u);
  EXPECT_EQ(S(reopened.Orders()[0].name), "Sample order");
  EXPECT_EQ(Stored(reopened, order_), kSamplePayments);
}

TEST_F(DemoStoreTest, ChangeListInsertsUpdatesAndDeletes) {
  const OrderContext context{2, 33, 1, 1.25, 300, QDate(2026, 12, 2)};
  const SaveReport report =
      store().SaveOrder(order_, context,
                        "Nov 28, 2026~2~1001~~90~501~U|Nov 30, 2026~0~~~20~503~D|"
                        "Dec 01, 2026~8~5500 0000 0000 0004~B7781~60~~N|",
                        "~", "|");
  EXPECT_THAT(report.inserted, ElementsAre(504));
  EXPECT_EQ(report.updated, 1);
  EXPECT_EQ(report.deleted, 1);
  EXPECT_TRUE(report.skipped.empty());
  EXPECT_THAT(Stored(store(), order_),
              ElementsAre("501|2|1001||90|2026-11-28", kSamplePayments[1],
                          "504|8|5500 0000 0000 0004|B7781|60|2026-12-01"));
  EXPECT_EQ(Describe(store().Context(order_)), Describe(context));
}

TEST_F(DemoStoreTest, UpdateCanChangeEveryFieldAndClearTheDate) {
  store().SaveOrder(order_, SampleContext(), "#3#GC-9#X#12.5#502#U@", "#", "@");
  EXPECT_EQ(Stored(store(), order_)[1], "502|3|GC-9|X|12.5|none");
  EXPECT_EQ(S(store().Texts(order_, "~", "|").payments.section('|', 1, 1)), "3~GC-9~X~12.5~~502");
}

TEST_F(DemoStoreTest, RecordWithATypeNameIsReportedAndNotApplied) {
  const SaveReport report =
      store().SaveOrder(order_, SampleContext(),
                        "Dec 02, 2026~Cheque~77~~10~~N|Nov 28, 2026~2~1001~~90~501~U|"
                        "Nov 30, 2026~Petty Cash~~~20~503~D|",
                        "~", "|");
  ASSERT_EQ(report.skipped.size(), 2u);
  EXPECT_EQ(report.skipped[0].record, 1);
  EXPECT_EQ(S(report.skipped[0].text), "Dec 02, 2026~Cheque~77~~10~~N");
  EXPECT_THAT(S(report.skipped[0].reason), HasSubstr("'Cheque'"));
  EXPECT_EQ(report.skipped[1].record, 3);
  EXPECT_TRUE(report.inserted.empty());
  EXPECT_EQ(report.updated, 1);
  EXPECT_EQ(report.deleted, 0);
  EXPECT_THAT(Stored(store(), order_),
              ElementsAre("501|2|1001||90|2026-11-28", kSamplePayments[1], kSamplePayments[2]));
}

TEST_F(DemoStoreTest, FailingChangeListLeavesTheDatabaseAsItWas) {
  const int other = store().AddOrder("Other", SampleContext(), {});
  const int others_payment =
      store().AddPayment(other, {0, 0, "", "", Money(500), QDate(2026, 1, 2)});
  const std::string new_payment = "Dec 01, 2026~2~777~~60~~N|";
  const std::string failing[] = {
      "Nov 28, 2026~2~1001~~90~999~U|",                                     // no such payment
      "Nov 28, 2026~2~1001~~90~" + std::to_string(others_payment) + "~D|",  // another order's
      "Nov 28, 2026~2~1001~~90~501|",                                       // six fields
      "Nov 28, 2026~9~1001~~90~501~U|",                                     // no type 9
      "Nov 28, 2026~2~1001~~ninety~501~U|",
      "someday~2~1001~~90~501~U|",
      "Nov 28, 2026~2~1001~~90~501~X|",
      "Nov 28, 2026~2~1001~~90~five~D|",
  };
  for (const std::string& record : failing) {
    const QString list = QString::fromStdString(new_payment + record);
    EXPECT_THROW(store().SaveOrder(order_, {0, 1, 2, 3, 4, QDate(2030, 1, 1)}, list, "~", "|"),
                 StoreError)
        << record;
    EXPECT_EQ(Stored(store(), order_), kSamplePayments) << record;
    EXPECT_EQ(Describe(store().Context(order_)), Describe(SampleContext())) << record;
  }
  EXPECT_EQ(store().Payments(other).size(), 1u);
  EXPECT_THROW(store().SaveOrder(9999, SampleContext(), "", "~", "|"), StoreError);

  // The sequence numbers the failed inserts took were given back.
  const SaveReport report =
      store().SaveOrder(order_, SampleContext(), QString::fromStdString(new_payment), "~", "|");
  EXPECT_THAT(report.inserted, ElementsAre(others_payment + 1));
}

TEST_F(DemoStoreTest, StoredTextHoldingASeparatorIsRefused) {
  store().AddPayment(order_, {0, 2, "A|B", "", Money(100), {}});
  EXPECT_THROW(store().Texts(order_, "~", "|"), StoreError);
  EXPECT_EQ(S(store().Texts(order_, "~", "^").payments.section('^', 3, 3)), "2~A|B~~1~~504");
}

// An order keeps its amounts in its currency's minor units: what the control gives back
// for a yen or a dinar order is stored and read back exactly, the texts written with as
// many decimals as it has (a yen amount with cents is refused, as the control would).
TEST_F(DemoStoreTest, OrdersInYenAndDinarsKeepTheirAmountsExactly) {
  struct Case {
    const char* currency;
    Money ordered;
    Money paid;
    const char* text;
    const char* stored_units;
  };
  for (const Case& c : {Case{"JPY", Money(123457, 0), Money(98765, 0), "98765", "98765"},
                        Case{"KWD", Money(1234567, 3), Money(60555, 3), "60.555", "60555"}}) {
    OrderContext context = SampleContext();
    context.currency = c.currency;
    context.ordered_amount = c.ordered.ToDouble();
    const int order = store().AddOrder(c.currency, context, {});
    const SaveReport report = store().SaveOrder(
        order, context,
        std::vector<PaymentChange>{{ChangeMark::kNew, {2, "R1", "", c.paid, "Dec 01, 2026", ""}}});
    ASSERT_EQ(report.inserted.size(), 1u) << c.currency;

    OrderStore reopened(File());
    EXPECT_TRUE(reopened.Context(order) == context) << c.currency;
    ASSERT_EQ(reopened.Payments(order).size(), 1u);
    EXPECT_EQ(reopened.Payments(order)[0].amount, c.paid) << c.currency;
    EXPECT_EQ(S(reopened.Texts(order, "~", "|").payments.section('~', 3, 3)), c.text);
    EXPECT_EQ(reopened.Values(order).payments[0].amount, c.paid);
    // The change list's text reads at the currency's decimals too.
    reopened.SaveOrder(
        order, context,
        QStringLiteral("Dec 01, 2026~2~R1~~%1~%2~U|").arg(c.text).arg(report.inserted[0]), "~",
        "|");
    EXPECT_EQ(reopened.Payments(order)[0].amount, c.paid) << c.currency;
  }
  OrderContext yen = SampleContext();
  yen.currency = "JPY";
  const int order = store().AddOrder("Yen", yen, {});
  EXPECT_THROW(store().AddPayment(order, {0, 0, "", "", Money(1050), {}}), StoreError)
      << "10.50 has no yen";
  EXPECT_NO_THROW(store().AddPayment(order, {0, 0, "", "", Money(1000), {}})) << "10.00 is 10";
  EXPECT_EQ(store().Payments(order)[0].amount, Money(10, 0));
}

// The stored minor units mean amounts only in the order's currency: an order with payments
// keeps it; an empty one may take another. An unknown code is refused.
TEST_F(DemoStoreTest, AnOrderWithPaymentsKeepsItsCurrency) {
  OrderContext context = SampleContext();
  context.currency = "KWD";
  try {
    store().SaveOrder(order_, context, std::vector<PaymentChange>{});
    ADD_FAILURE() << "the currency changed";
  } catch (const StoreError& e) {
    EXPECT_EQ(std::string(e.what()), "order 1 has payments in $; its currency cannot become KWD");
  }
  EXPECT_EQ(S(store().Currency(order_)), "");
  const int empty = store().AddOrder("Empty", SampleContext(), {});
  store().SaveOrder(empty, context, std::vector<PaymentChange>{});
  EXPECT_EQ(S(store().Currency(empty)), "KWD");
  context.currency = "XAU";
  EXPECT_THROW(store().AddOrder("Gold", context, {}), StoreError);
}

// Each sample order in a currency is added once; the classic one is the first.
TEST_F(DemoStoreTest, SampleOrderInACurrencyIsAddedOnce) {
  EXPECT_EQ(store().SampleOrderIn(""), order_);
  const int dinars = store().SampleOrderIn("KWD");
  EXPECT_NE(dinars, order_);
  EXPECT_EQ(store().SampleOrderIn("KWD"), dinars);
  EXPECT_EQ(S(store().Orders().back().name), "Sample order in KWD");
  const int yen = store().SampleOrderIn("JPY");
  std::vector<std::string> amounts;
  for (const StoredPayment& p : store().Payments(yen)) amounts.push_back(p.amount.Text());
  EXPECT_THAT(amounts, ElementsAre("100", "50", "20"));
  EXPECT_EQ(store().Payments(dinars)[1].amount, Money(50250, 3));
  EXPECT_EQ(Stored(store(), order_), kSamplePayments);
  EXPECT_THROW(store().SampleOrderIn("XAU"), StoreError);
}

TEST_F(DemoStoreTest, PaymentTypeIdsRunFromZeroInOrder) {
  EXPECT_THROW(store().AddPaymentType({10, "Wire", false}), StoreError);
  store().AddPaymentType({9, "Wire", false});
  EXPECT_THAT(S(store().Texts(order_, "~", "|").payment_types),
              HasSubstr("|8~Credit Card~0|9~Wire~0|"));
}

}  // namespace
}  // namespace corvane::demo
