// A Qt host whose window is a Designer form (order_form.ui) holding the control. Loads a
// small order, prints the control's total and the property the form sets, and exits.
#include <QApplication>
#include <QWidget>
#include <iostream>

#include "ui_order_form.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  Ui::OrderForm form;
  form.setupUi(&window);
  corvane::qt::CorvaneWidget* corvane = form.corvaneWidget;
  corvane->PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  corvane->WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|",
                            "2~1001~~100~Nov 28, 2026~501|0~~~20.5~Nov 29, 2026~502|", "~", "|");
  window.show();
  QApplication::processEvents();
  std::cout << "TotalAmount " << corvane->TotalAmount() << std::endl;
  std::cout << "accessKeys " << corvane->AccessKeys() << std::endl;  // set on the form
  return 0;
}
