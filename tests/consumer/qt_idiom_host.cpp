// A Qt host that uses the widget as Qt widgets are used: properties, signals and invokable
// methods, compiled without exceptions, so nothing it calls may throw. Its own test clicks
// the control's buttons by their object names with Qt's test library, as a person would,
// and checks that the total it shows followed the load, a save, a delete and an undelete.
#include <corvane/corvane_widget.h>
#include <corvane/scripted_services.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <chrono>
#include <iostream>
#include <vector>

namespace {

void Click(QWidget& parent, const char* name) {
  QTest::mouseClick(parent.findChild<QPushButton*>(name), Qt::LeftButton);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // A test answers the control's questions itself (Delete and Undelete ask "Payment"
  // questions) and fixes today's date; without them a box would wait for a person.
  corvane::ScriptedServices answers;
  answers.QueueAnswer(corvane::kAnswerYes);
  answers.QueueAnswer(corvane::kAnswerYes);
  corvane::qt::CorvaneWidget payments(nullptr, &answers,
                                      [] { return std::chrono::year{2026} / 12 / 6; });

  std::vector<double> totals;
  QObject::connect(&payments, &corvane::qt::CorvaneWidget::totalChanged,
                   [&](double total) { totals.push_back(total); });
  QObject::connect(
      &payments, &corvane::qt::CorvaneWidget::operationFailed,
      [](const QString& message) { std::cout << "failed: " << message.toStdString() << "\n"; });

  bool done = false;
  QMetaObject::invokeMethod(&payments, "setPaymentDetails", Q_RETURN_ARG(bool, done), Q_ARG(int, 1),
                            Q_ARG(int, 44), Q_ARG(int, 1), Q_ARG(double, 1), Q_ARG(double, 500),
                            Q_ARG(QString, "Dec 01, 2026"));
  if (!done) return 1;
  if (!payments.writePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|",
                                 "2~1001~~100~Nov 28, 2026~501|", "~", "|")) {
    return 1;
  }
  payments.show();
  QApplication::setActiveWindow(&payments);
  QApplication::processEvents();

  Click(payments, "cmdAdd");  // New Payment: a cheque, the type on offer
  QTest::keyClicks(payments.findChild<QLineEdit*>("txtReference"), "1002");
  auto* amount = payments.findChild<QLineEdit*>("txtAmount");
  amount->setFocus(Qt::TabFocusReason);  // the box selects its "0.00"
  QTest::keyClicks(amount, "150");
  Click(payments, "cmdAdd");  // Save
  std::cout << "entryOpen " << payments.property("entryOpen").toBool() << "\n";

  auto* list = payments.findChild<QTableView*>("lstPayment");
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualRect(list->model()->index(0, 0)).center());
  Click(payments, "cmdDelete");
  Click(payments, "cmdDelete");  // Undelete

  std::cout << "totalChanged";
  for (double total : totals) std::cout << " " << total;
  std::cout << "\nbalance " << payments.property("balance").toDouble() << "\n";
  std::cout << "changes " << payments.readPaymentData().toStdString() << std::endl;
  return totals == std::vector<double>{100, 250, 150, 250} ? 0 : 1;
}
