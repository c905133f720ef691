// CorvaneWidget as a Qt host meets it: its properties and their change signals through a
// session of host calls and operator clicks, its invokable methods called by name, and the
// refusals that reach a caller without exceptions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QMetaObject>
#include <QMetaProperty>
#include <QSignalSpy>
#include <functional>
#include <string>
#include <vector>

#include "corvane/corvane_widget.h"
#include "corvane/qt_operator.h"

// Messages of failed checks name the text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using W = WidgetId;

constexpr const char* kTypes = "0~Cash~0|1~On Account~0|2~Check~0|";

// The values a spy recorded, each its signal's single argument.
template <class T>
std::vector<T> Told(QSignalSpy& spy) {
  std::vector<T> values;
  for (const QList<QVariant>& arguments : spy) values.push_back(arguments.at(0).value<T>());
  spy.clear();
  return values;
}

class QtWidgetTest : public ::testing::Test {
 protected:
  QtWidgetTest() {
    widget.show();
    QApplication::setActiveWindow(&widget);
    QApplication::processEvents();
  }

  // The operator's New Payment, amount and Save: a cheque, the only type offered.
  void EnterPayment(std::string_view amount) {
    person.Click(W::cmdAdd);
    person.Type(W::txtReference, "R1");
    person.Focus(W::txtAmount);
    person.Type(W::txtAmount, amount);
    person.Click(W::cmdAdd);
    for (const MessageRecord& message : services.TakeMessages()) ADD_FAILURE() << message.prompt;
  }

  ScriptedServices services;
  qt::CorvaneWidget widget{nullptr, &services, [] { return std::chrono::year{2026} / 12 / 6; }};
  qt::Operator person{widget.screen()};
  QSignalSpy total{&widget, &qt::CorvaneWidget::totalChanged};
  QSignalSpy balance{&widget, &qt::CorvaneWidget::balanceChanged};
  QSignalSpy entry{&widget, &qt::CorvaneWidget::entryOpenChanged};
  QSignalSpy amount_total{&widget, &qt::CorvaneWidget::AmountTotal};
  QSignalSpy failed{&widget, &qt::CorvaneWidget::operationFailed};
};

TEST_F(QtWidgetTest, TheTotalAndBalanceSignalEveryChangeThatAmountTotalMisses) {
  ASSERT_TRUE(widget.setPaymentDetails(1, 44, 1, 0, 500, "Dec 01, 2026"));
  EXPECT_THAT(Told<double>(balance), ElementsAre(500));
  ASSERT_TRUE(widget.writePaymentData("", kTypes, "2~1001~~100~Nov 28, 2026~501|", "~", "|"));
  EXPECT_THAT(Told<double>(total), ElementsAre(100));
  EXPECT_THAT(Told<double>(balance), ElementsAre(400));

  EnterPayment("\b\b\b\b150");
  EXPECT_THAT(Told<bool>(entry), ElementsAre(true, false));
  EXPECT_THAT(Told<double>(total), ElementsAre(250));
  EXPECT_THAT(Told<double>(balance), ElementsAre(250));
  EXPECT_THAT(Told<double>(amount_total), ElementsAre(250));

  services.QueueAnswer(kAnswerYes);
  person.ClickRow(W::lstPayment, 0);
  person.Click(W::cmdDelete);
  EXPECT_THAT(Told<double>(total), ElementsAre(150));
  EXPECT_THAT(Told<double>(balance), ElementsAre(350));
  services.QueueAnswer(kAnswerYes);
  person.Click(W::cmdDelete);  // now Undelete
  EXPECT_THAT(Told<double>(total), ElementsAre(250));
  EXPECT_THAT(Told<double>(balance), ElementsAre(250));
  EXPECT_THAT(Told<double>(amount_total), IsEmpty()) << "AmountTotal is the saves' alone";

  widget.setOrderedAmount(300);
  EXPECT_THAT(Told<double>(total), IsEmpty());
  EXPECT_THAT(Told<double>(balance), ElementsAre(50));
  EXPECT_EQ(widget.property("total").toDouble(), 250);
  EXPECT_EQ(widget.property("balance").toDouble(), 50);
  EXPECT_EQ(widget.property("orderedAmount").toDouble(), 300);
  EXPECT_THAT(Told<QString>(failed), IsEmpty());
}

// The exact total follows each totalChanged at once, with the currency's decimals, and Qt
// carries it in a QVariant: the type is registered.
TEST_F(QtWidgetTest, TheExactTotalComesRightAfterEveryTotalChange) {
  std::vector<std::string> told;
  QObject::connect(&widget, &qt::CorvaneWidget::totalChanged, [&](double value) {
    told.push_back("total " + QString::number(value).toStdString());
  });
  QObject::connect(&widget, &qt::CorvaneWidget::exactTotalChanged,
                   [&](const Money& value) { told.push_back("exact " + value.Text()); });
  QSignalSpy exact{&widget, &qt::CorvaneWidget::exactTotalChanged};
  ASSERT_TRUE(widget.setCurrencyDecimals(3));
  ASSERT_TRUE(widget.setPaymentDetails(1, 44, 1, 0, 500, "Dec 01, 2026"));
  widget.LoadPayments({}, {{0, "Cash", false}, {1, "On Account", false}, {2, "Check", false}},
                      {{2, "1001", "", Money(100125, 3), "Nov 28, 2026", "501"}});
  EnterPayment("\b\b\b\b\b0.1");
  services.QueueAnswer(kAnswerYes);
  person.ClickRow(W::lstPayment, 0);
  person.Click(W::cmdDelete);
  services.QueueAnswer(kAnswerYes);
  person.Click(W::cmdDelete);  // now Undelete
  EXPECT_THAT(told, ElementsAre("total 100.125", "exact 100.125", "total 100.225", "exact 100.225",
                                "total 0.1", "exact 0.100", "total 100.225", "exact 100.225"));
  ASSERT_EQ(exact.size(), 4);
  EXPECT_EQ(exact.at(0).at(0).value<Money>(), Money(100125, 3));
  EXPECT_TRUE(QMetaType::fromName("corvane::Money").isValid());
  EXPECT_EQ(widget.ExactTotal(), Money(100225, 3));
  EXPECT_EQ(widget.ExactBalance(), Money(399775, 3));
}

TEST_F(QtWidgetTest, ACancelledEntryTellsOnlyThatTheEntryClosed) {
  ASSERT_TRUE(widget.setPaymentDetails(1, 44, 1, 0, 500, "Dec 01, 2026"));
  ASSERT_TRUE(widget.writePaymentData("", kTypes, "", "~", "|"));
  total.clear();
  balance.clear();
  person.Click(W::cmdAdd);
  EXPECT_TRUE(widget.property("entryOpen").toBool());
  person.Click(W::cmdEdit);  // Cancel
  EXPECT_THAT(Told<bool>(entry), ElementsAre(true, false));
  EXPECT_THAT(Told<double>(total), IsEmpty());
  EXPECT_THAT(Told<double>(balance), IsEmpty());
}

TEST_F(QtWidgetTest, TheModeAndTheHostsSwitchBothMoveNewPaymentEnabled) {
  QSignalSpy enabled(&widget, &qt::CorvaneWidget::newPaymentEnabledChanged);
  QSignalSpy order_type(&widget, &qt::CorvaneWidget::orderTypeChanged);
  const bool at_start = widget.newPaymentEnabled();
  ASSERT_TRUE(widget.setPaymentDetails(0, 44, 2, 0, 100, "Dec 01, 2026"));
  EXPECT_FALSE(widget.newPaymentEnabled());
  EXPECT_EQ(Told<bool>(enabled), at_start ? std::vector<bool>{false} : std::vector<bool>{});
  EXPECT_THAT(Told<int>(order_type), ElementsAre(2));
  EXPECT_TRUE(widget.setProperty("newPaymentEnabled", true));
  EXPECT_THAT(Told<bool>(enabled), ElementsAre(true));
  EXPECT_TRUE(widget.screen().button(W::cmdAdd).Enabled());
  widget.EnableNewPayment(false);  // the classic call tells the same signal
  EXPECT_THAT(Told<bool>(enabled), ElementsAre(false));
}

TEST_F(QtWidgetTest, InvokableByNameWithQtTypes) {
  bool done = false;
  ASSERT_TRUE(QMetaObject::invokeMethod(
      &widget, "setPaymentDetails", Q_RETURN_ARG(bool, done), Q_ARG(int, 1), Q_ARG(int, 44),
      Q_ARG(int, 1), Q_ARG(double, 2), Q_ARG(double, 500), Q_ARG(QString, "Dec 01, 2026")));
  EXPECT_TRUE(done);
  ASSERT_TRUE(QMetaObject::invokeMethod(
      &widget, "writePaymentData", Q_RETURN_ARG(bool, done), Q_ARG(QString, "Visa€|"),
      Q_ARG(QString, "0~Cash~0|1~Chèque~1|2~Check~0|"),
      Q_ARG(QString, "2~Réf 1~~40~Nov 28, 2026~501|"), Q_ARG(QString, "~"), Q_ARG(QString, "|")));
  EXPECT_TRUE(done);
  EXPECT_EQ(widget.property("total").toDouble(), 80) << "shown at the rate";

  int id = -1;
  ASSERT_TRUE(QMetaObject::invokeMethod(&widget, "paymentId", Q_RETURN_ARG(int, id),
                                        Q_ARG(QString, "Chèque")));
  EXPECT_EQ(id, 1) << "names are UTF-8 through and through";
  bool refused = false;
  ASSERT_TRUE(QMetaObject::invokeMethod(&widget, "isNonSelectable", Q_RETURN_ARG(bool, refused),
                                        Q_ARG(QString, "Chèque")));
  EXPECT_TRUE(refused);

  ASSERT_TRUE(widget.setProperty("orderedAmount", 90.0));
  EXPECT_EQ(widget.property("balance").toDouble(), 10);
  services.QueueAnswer(kAnswerYes);
  person.ClickRow(W::lstPayment, 0);
  person.Click(W::cmdDelete);
  QString changes;
  ASSERT_TRUE(
      QMetaObject::invokeMethod(&widget, "readPaymentData", Q_RETURN_ARG(QString, changes)));
  EXPECT_EQ(changes, "Nov 28, 2026~2~Réf 1~~40~501~D|");
  EXPECT_TRUE(widget.lastError().isEmpty());
}

// A refusal reaches a caller that catches nothing: a false result, the message in
// lastError() and operationFailed; nothing changes, and the next call that succeeds clears
// the message.
TEST_F(QtWidgetTest, RefusalsComeBackAsResultsAndASignal) {
  widget.setOrderedAmount(120);
  EXPECT_EQ(widget.lastError(), "OrderedAmount: the mode is not set; call PaymentDetails first");
  EXPECT_EQ(widget.orderedAmount(), 120) << "the amount is taken before the mode is read";
  failed.clear();

  ASSERT_TRUE(widget.setPaymentDetails(1, 44, 1, 0, 500, "Dec 01, 2026"));
  EXPECT_TRUE(widget.lastError().isEmpty());
  ASSERT_TRUE(widget.writePaymentData("", kTypes, "2~1001~~100~Nov 28, 2026~501|", "~", "|"));
  total.clear();

  struct Case {
    std::function<bool()> call;
    QString message;
  };
  const std::vector<Case> cases = {
      {[&] { return widget.writePaymentData("", kTypes, "2~X~~abc~Nov 28, 2026~7|", "~", "|"); },
       "WritePaymentData: payment record 1: amount 'abc' is not a number"},
      {[&] { return widget.writePaymentData("", kTypes, "", "", "|"); },
       "WritePaymentData: the field separator is empty"},
      {[&] { return widget.setPaymentDetails(70000, 44, 1, 0, 500, "Dec 01, 2026"); },
       "PaymentDetails: the mode 70000 is not a 16-bit number"},
      {[&] { return widget.setPaymentDetails(1, 44, -40000, 0, 500, "Dec 01, 2026"); },
       "PaymentDetails: the order type -40000 is not a 16-bit number"},
      {[&] { return widget.setPaymentDetails(1, 44, 1, qInf(), 500, "Dec 01, 2026"); },
       "PaymentDetails: the conversion rate is not a finite number"},
  };
  for (const Case& refused : cases) {
    EXPECT_FALSE(refused.call()) << refused.message.toStdString();
    EXPECT_EQ(widget.lastError(), refused.message);
    EXPECT_THAT(Told<QString>(failed), ElementsAre(refused.message));
  }
  EXPECT_THAT(Told<double>(total), IsEmpty()) << "nothing changed";
  EXPECT_EQ(widget.total(), 100);
  EXPECT_EQ(widget.orderType(), 1);
  EXPECT_EQ(widget.paymentId("Check"), 2);
  EXPECT_TRUE(widget.lastError().isEmpty());
}

// The currency and the masking are properties too, set through Qt-typed calls.
TEST_F(QtWidgetTest, CurrencyAndMaskingAsProperties) {
  QSignalSpy currency(&widget, &qt::CorvaneWidget::currencyChanged);
  QSignalSpy masking(&widget, &qt::CorvaneWidget::maskCardNumbersChanged);
  EXPECT_EQ(widget.property("currencyDecimals").toInt(), 2);
  bool done = false;
  ASSERT_TRUE(QMetaObject::invokeMethod(&widget, "setCurrencyCode", Q_RETURN_ARG(bool, done),
                                        Q_ARG(QString, "JPY")));
  EXPECT_TRUE(done);
  EXPECT_EQ(currency.count(), 1);
  EXPECT_EQ(widget.property("currencyDecimals").toInt(), 0);
  EXPECT_EQ(widget.property("currencyCode").toString(), "JPY");
  EXPECT_FALSE(widget.setCurrencyDecimals(70000));
  EXPECT_EQ(widget.lastError(),
            "CurrencyDecimals: the number of decimals 70000 is not a 16-bit number");
  EXPECT_FALSE(widget.setCurrencyCode("XAU"));
  EXPECT_THAT(Told<QString>(failed), ::testing::SizeIs(2));
  EXPECT_EQ(widget.property("currencyCode").toString(), "JPY") << "refused, nothing changed";
  EXPECT_EQ(currency.count(), 1);

  ASSERT_TRUE(widget.setProperty("maskCardNumbers", true));
  EXPECT_THAT(Told<bool>(masking), ElementsAre(true));
  EXPECT_TRUE(widget.maskCardNumbers());
}

// A slot that answers a change by calling the control again sees the latest values, and
// no older value is signalled after a newer one.
TEST_F(QtWidgetTest, ASlotThatCallsBackLeavesTheLatestValueSignalledLast) {
  ASSERT_TRUE(widget.setPaymentDetails(1, 44, 1, 0, 500, "Dec 01, 2026"));
  QObject::connect(&widget, &qt::CorvaneWidget::totalChanged,
                   [&](double new_total) { widget.setOrderedAmount(new_total); });
  balance.clear();
  ASSERT_TRUE(widget.writePaymentData("", kTypes, "2~1001~~100~Nov 28, 2026~501|", "~", "|"));
  EXPECT_THAT(Told<double>(total), ElementsAre(100));
  EXPECT_THAT(Told<double>(balance), ElementsAre(0));
  EXPECT_EQ(widget.balance(), 0);
  EXPECT_EQ(widget.orderedAmount(), 100);
}

TEST_F(QtWidgetTest, PropertiesAreThereForDesignerAndHostsWithTheirSignals) {
  const QMetaObject* meta = widget.metaObject();
  struct Expected {
    const char* name;
    bool writable;
    const char* notify;
    QVariant at_start;
  };
  for (const Expected& expected : std::vector<Expected>{
           {"orderedAmount", true, "orderedAmountChanged", 0.0},
           {"newPaymentEnabled", true, "newPaymentEnabledChanged", widget.newPaymentEnabled()},
           {"orderType", false, "orderTypeChanged", 0},
           {"total", false, "totalChanged", 0.0},
           {"balance", false, "balanceChanged", 0.0},
           {"entryOpen", false, "entryOpenChanged", false},
           {"accessKeys", true, "accessKeysChanged", false},
       }) {
    const int index = meta->indexOfProperty(expected.name);
    ASSERT_GE(index, 0) << expected.name;
    const QMetaProperty property = meta->property(index);
    EXPECT_EQ(property.isWritable(), expected.writable) << expected.name;
    EXPECT_TRUE(property.isDesignable()) << expected.name;
    ASSERT_TRUE(property.hasNotifySignal()) << expected.name;
    EXPECT_EQ(property.notifySignal().name().toStdString(), expected.notify);
    EXPECT_EQ(widget.property(expected.name), expected.at_start) << expected.name;
  }
}

}  // namespace
}  // namespace corvane::testing
