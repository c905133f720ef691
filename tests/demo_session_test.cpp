// corvane-demo end to end: an order from a real SQLite file into the control on real Qt
// widgets, an operator's session, Save order, and the stored rows and the reloaded control
// checked.
#include <gmock/gmock.h>

#include "corvane/qt_operator.h"
#include "tests/demo_fixture.h"
#include "tools/corvane_demo/changes_box.h"
#include "tools/corvane_demo/texts_box.h"

namespace corvane::demo {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using W = WidgetId;

TEST_F(DemoSessionTest, SessionAtAConversionRateIsStoredInTheHostsCurrency) {
  const OrderContext context{1, 49, 1, 1.25, 400, QDate(2026, 12, 1)};
  const int order = store_.AddOrder("Euro order", context, {"4111 1111 1111 1111"});
  const int cheque =
      store_.AddPayment(order, {0, 2, "2001", "", Money(10000), QDate(2026, 11, 20)});
  const int cash = store_.AddPayment(order, {0, 0, "", "", Money(4000), QDate(2026, 11, 21)});
  const int card = store_.AddPayment(
      order, {0, 8, "4111 1111 1111 1111", "A1", Money(2000), QDate(2026, 11, 22)});
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
  EXPECT_THAT(StoredRows(store_, order),
              ElementsAre(std::to_string(cheque) + "|2|2001||120|2026-11-20",
                          std::to_string(card) + "|8|4111 1111 1111 1111|A1|20|2026-11-22",
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
  Open(1);
  window_->texts().Set({"", "0~Cash~0|1~On Account~0|2~Check~0|", "2~R~~abc~d~S1|"});
  EXPECT_FALSE(window_->LoadTexts());
  EXPECT_THAT(window_->status().toStdString(),
              HasSubstr("WritePaymentData failed: WritePaymentData: payment record 1"));
  EXPECT_THAT(window_->log().toStdString(), HasSubstr("WritePaymentData failed"));
}

// Stored texts holding the separators: the texts box cannot show the order, yet the control
// takes it as values, and the operator's work is stored whole; the change list refuses the
// payment, saying why, and the save goes on through the values.
TEST_F(DemoSessionTest, TextsHoldingTheSeparatorsLoadAndSaveAsValues) {
  const int order =
      store_.AddOrder("Separators", {1, 44, 1, 0, 500, QDate(2026, 12, 1)}, {"Visa~Gold|1"});
  const std::string cheque = std::to_string(
      store_.AddPayment(order, {0, 2, "A~1|2", "x|y", Money(6055), QDate(2026, 11, 20)}));
  Open(order);
  EXPECT_THAT(window_->log().toStdString(),
              HasSubstr("The texts cannot carry order " + std::to_string(order)));
  ASSERT_THAT(Rows(), ElementsAre("Check|A~1|2|x|y|60.55|Nov 20, 2026|" + cheque));

  qt::Operator person(window_->corvane().screen());
  person.ClickRow(W::lstPayment, 0);
  person.Click(W::cmdEdit);
  person.Select(W::txtAmount, 0, 5);
  person.Type(W::txtAmount, "70.1");
  person.Click(W::cmdAdd);
  ASSERT_TRUE(window_->SaveOrder()) << window_->status().toStdString();
  EXPECT_THAT(window_->log().toStdString(),
              HasSubstr("ReadPaymentData failed: ReadPaymentData: payment row 1: reference "
                        "'A~1|2' holds the field separator"));
  EXPECT_THAT(StoredRows(store_, order), ElementsAre(cheque + "|2|A~1|2|x|y|70.1|2026-11-20"));
  EXPECT_THAT(window_->status().toStdString(), HasSubstr("0 new (none), 1 changed, 0 deleted"));
}

TEST_F(DemoSessionTest, NothingToSaveStoresNothing) {
  Open(1);
  const std::vector<std::string> before = StoredRows(store_, 1);
  ASSERT_TRUE(window_->SaveOrder());
  EXPECT_EQ(StoredRows(store_, 1), before);
  EXPECT_EQ(List().Count(), 3);
}

}  // namespace
}  // namespace corvane::demo
