// A Qt host: the control in a window with a small order; every save prints the new total.
// With --quit it exits as soon as the window is up (for tests and scripts).
#include <QApplication>
#include <QMainWindow>
#include <QTimer>
#include <iostream>

#include "corvane/corvane_widget.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  auto* corvane = new corvane::qt::CorvaneWidget;
  window.setCentralWidget(corvane);
  QObject::connect(corvane, &corvane::qt::CorvaneWidget::AmountTotal,
                   [](double total) { std::cout << "AmountTotal " << total << std::endl; });
  corvane->PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  corvane->WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|",
                            "2~1001~~100~Nov 28, 2026~501|", "~", "|");
  window.show();
  if (QApplication::arguments().contains("--quit")) {
    QTimer::singleShot(0, &app, &QApplication::quit);
  }
  return QApplication::exec();
}
