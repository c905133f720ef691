// A host written for the include paths of earlier versions ("control/corvane.h"), built
// unchanged against the installed package: each path forwards to its public header.
#include <iostream>

#include "control/corvane.h"
#include "control/dispatch.h"
#include "control/snapshot.h"
#include "control/version.h"
#include "model/host_error.h"
#include "surface/operator.h"
#include "surface/scripted_services.h"
#include "toolkits/headless/operator.h"
#include "toolkits/headless/screen.h"

int main() {
  corvane::headless::Screen screen;
  corvane::Corvane control(screen);
  corvane::headless::Operator person(screen);
  control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  control.WritePaymentData("", "0~Cash~0|", "", "~", "|");
  person.Click(corvane::WidgetId::cmdAdd);
  std::cout << "EntryOpen " << control.EntryOpen() << std::endl;
  return 0;
}
