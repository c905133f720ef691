// corvane-demo end to end: an order from a real SQLite file into the control on real Qt
// widgets, an operator's session, Save order, and the stored rows and the reloaded control
// checked.
#include <gmock/gmock.h>

#include <QApplication>
#include <QTemporaryDir>
#include <string>

#include "tools/corvane_demo/changes_box.h"
#include "tools/corvane_demo/demo_window.h"
#include "widgets/qt/operator.h"

namespace corvane::demo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using W = WidgetId;

// A stored payment as "sequence|type|reference|authorization|amount|date", the amount to
// every digit a double has.
std::vector<std::string> Stored(const OrderStore& store, int order_id) {
  std::vector<std::string> rows;
  for (const StoredPayment& p : store.Payments(order_id)) {
    rows.push_back(QStringLiteral("%1|%2|%3|%4|%5|%6")
                       .arg(p.sequence)
                       .arg(p.type_id)
                       .arg(p.reference, p.authorization, QString::number(p.amount, 'g', 17),
                            p.date ? p.date->toString(Qt::ISODate) : QStringLiteral("none"))
                       .toStdString());
  }
  return rows;
}

class DemoSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    store_.AddSampleOrderIfEmpty();
  }

  // A shown, active window on the order (an offscreen one will do).
  void Open(int order_id) {
    window_ = std::make_unique<DemoWindow>(store_, &scripted_, [] {
      return Corvane::Date{std::chrono::year{2026}, std::chrono::December, std::chrono::day{6}};
    });
    window_->show();
    QApplication::setActiveWindow(window_.get());
    QApplication::processEvents();
    ASSERT_TRUE(window_->LoadOrder(order_id)) << window_->status().toStdString();
  }

  ListView& List() { return window_->corvane().screen().list_view(W::lstPayment); }
  std::string Row(int row) {
    std::string text = List().Text(row);
    for (int sub = 1; sub <= 5; ++sub) text += "|" + List().SubItem(row, sub);
    return text;
  }
  std::vector<std::string> Rows() {
    std::vector<std::string> rows;
    rows.reserve(List().Count());
    for (int row = 0; row < List().Count(); ++row) rows.push_back(Row(row));
    return rows;
  }

  QTemporaryDir dir_;
  OrderStore store_{dir_.filePath(QStringLiteral("orders.sqlite"))};
  ScriptedServices scripted_;
  std::unique_ptr<DemoWindow> window_;
};

TEST_F(DemoSessionTest, SessionAtAConversionRateIsStoredInTheHostsCurrency) {
  const OrderContext context{1, 49, 1, 1.25, 400, QDate(2026, 12, 1)};
  const int order = store_.AddOrder("Euro order", context, {"4111 1111 1111 1111"});
  const int cheque = store_.AddPayment(order, {0, 2, "2001", "", 100, QDate(2026, 11, 20)});
  const int cash = store_.AddPayment(order, {0, 0, "", "", 40, QDate(2026, 11, 21)});
  const int card =
      store_.AddPayment(order, {0, 5, "4111 1111 1111 1111", "A1", 20, QDate(2026, 11, 22)});
  Open(order);
  ASSERT_THAT(Rows(), ElementsAre("Check|2001||125.00|Nov 20, 2026|" + std::to_string(cheque),
                                  "Cash|||50.00|Nov 21, 2026|" + std::to_string(cash),
                                  "Credit Card|4111 1111 1111 1111|A1|25.00|Nov 22, 2026|" +
                                      std::to_string(card)));

  qt::Operator person(window_->corvane().screen());
  person.Click(W::cmdAdd);
  person.Type(W::txtReference, "3001");
  person.Type(W::txtAmount, "50");
  person.Click(W::cmdAdd);
  person.ClickRow(W::lstPayment, 0);
  person.Click(W::cmdEdit);
  person.Select(W::txtAmount, 0, 6);
  person.Type(W::txtAmount, "150");
  person.Click(W::cmdAdd);
  scripted_.QueueAnswer(kAnswerYes);
  person.ClickRow(W::lstPayment, 1);
  person.Click(W::cmdDelete);
  EXPECT_THAT(window_->log().toStdString(), HasSubstr("AmountTotal 250.00\nAmountTotal 275.00"));

  ASSERT_TRUE(window_->SaveOrder()) << window_->status().toStdString();
  EXPECT_EQ(window_->changes().raw().toStdString(),
            "Nov 20, 2026~2~2001~~120~" + std::to_string(cheque) + "~U|Nov 21, 2026~0~~~40~" +
                std::to_string(cash) + "~D|Dec 01, 2026~2~3001~~40~~N|");
  const int added = card + 1;
  EXPECT_THAT(Stored(store_, order),
              ElementsAre(std::to_string(cheque) + "|2|2001||120|2026-11-20",
                          std::to_string(card) + "|5|4111 1111 1111 1111|A1|20|2026-11-22",
                          std::to_string(added) + "|2|3001||40|2026-12-01"));
  EXPECT_TRUE(store_.Context(order) == context);
  EXPECT_THAT(window_->status().toStdString(),
              HasSubstr("1 new (" + std::to_string(added) + "), 1 changed, 1 deleted"));

  // The control holds the order as stored, with nothing left to save.
  EXPECT_THAT(Rows(), ElementsAre("Check|2001||150.00|Nov 20, 2026|" + std::to_string(cheque),
                                  "Credit Card|4111 1111 1111 1111|A1|25.00|Nov 22, 2026|" +
                                      std::to_string(card),
                                  "Check|3001||50.00|Dec 01, 2026|" + std::to_string(added)));
  EXPECT_EQ(window_->corvane().TotalAmount(), 225);
  EXPECT_EQ(window_->corvane().ReadPaymentData(), "");
  EXPECT_EQ(store_.Payments(1).size(), 3u) << "the sample order is untouched";
}

TEST_F(DemoSessionTest, HostErrorEndsUpInTheStatusBar) {
  const int order = store_.AddOrder("Huge", {1, 44, 1, 1e6, 0, QDate(2026, 12, 1)}, {});
  store_.AddPayment(order, {0, 2, "", "", 1e308, {}});
  Open(1);
  EXPECT_FALSE(window_->LoadOrder(order));
  EXPECT_THAT(window_->status().toStdString(),
              HasSubstr("WritePaymentData failed: WritePaymentData: payment record 1"));
  EXPECT_THAT(window_->log().toStdString(), HasSubstr("WritePaymentData failed"));
}

TEST_F(DemoSessionTest, NothingToSaveStoresNothing) {
  Open(1);
  const std::vector<std::string> before = Stored(store_, 1);
  ASSERT_TRUE(window_->SaveOrder());
  EXPECT_EQ(Stored(store_, 1), before);
  EXPECT_EQ(List().Count(), 3);
}

}  // namespace
}  // namespace corvane::demo
