// The host guide's host on the typed API, built against the installed package: an order
// loaded as values, a cheque the operator adds, the changes and the total read back exact.
#include <corvane/corvane.h>
#include <corvane/headless_operator.h>
#include <corvane/headless_screen.h>

#include <iostream>

int main() {
  using corvane::Money, corvane::WidgetId;
  corvane::headless::Screen screen;
  corvane::Corvane control(screen, [] { return std::chrono::year{2026} / 12 / 6; });
  control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  control.LoadPayments({"Visa~Gold"},
                       {{0, "Cash", false}, {1, "On Account", false}, {2, "Check", false}},
                       {{2, "1001|A", "", Money(10000), "Nov 28, 2026", "501"}});

  corvane::headless::Operator person(screen);  // the operator adds a cheque of 20.55
  person.Click(WidgetId::cmdAdd);
  person.Type(WidgetId::txtReference, "1002");
  person.Type(WidgetId::txtAmount, "20.55");
  person.Click(WidgetId::cmdAdd);

  for (const corvane::PaymentChange& change : control.Changes()) {
    std::cout << static_cast<char>(change.mark) << ' ' << change.payment.reference << ' '
              << change.payment.amount.Text() << '\n';  // N 1002 20.55
  }
  std::cout << "total " << control.ExactTotal().Text() << '\n';  // total 120.55
}
