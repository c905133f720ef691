// A host's test of the control in its window, as a test program built against the installed
// package drives it: the operator's hands on the Qt toolkit (Corvane::qt_operator) click New
// Payment and type an amount. Prints what the screen then shows.
#include <QApplication>
#include <iostream>

#include "corvane/corvane_widget.h"
#include "corvane/qt_operator.h"

int main(int argc, char** argv) {
  using corvane::WidgetId;
  QApplication app(argc, argv);
  corvane::qt::CorvaneWidget corvane;
  corvane.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  corvane.WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|", "", "~", "|");
  corvane.show();
  QApplication::setActiveWindow(&corvane);
  QApplication::processEvents();
  corvane::qt::Operator person(corvane.screen());
  person.Click(WidgetId::cmdAdd);
  person.Type(WidgetId::txtAmount, "\b\b\b\b12.5");
  std::cout << "cmdAdd " << corvane.screen().button(WidgetId::cmdAdd).Caption() << ", txtAmount "
            << corvane.screen().text_box(WidgetId::txtAmount).Text() << std::endl;
  return 0;
}
