#include "bench/bench_order.h"

#include "bench/order_texts.h"
#include "control/payment_record.h"

namespace corvane::bench {

void GiveOrderDetails(Corvane& control) {
  control.PaymentDetails(1, 44, 1, 0, 1e12, "Dec 01, 2026");
}

BenchOrder::BenchOrder(int rows) : types(ShopPaymentTypes()) {
  GiveOrderDetails(control);
  control.WritePaymentData(kCreditCards, types, StoredPayments(rows, 10), kFieldSeparator,
                           kRecordSeparator);
}

BenchOrder::BenchOrder(int rows, int type_count) : types(NumberedPaymentTypes(type_count)) {
  GiveOrderDetails(control);
  control.WritePaymentData(kCreditCards, types, StoredPayments(rows, type_count), kFieldSeparator,
                           kRecordSeparator);
}

void BenchOrder::DeleteRows(int step) {
  for (int row = 0; row < list().Count(); row += step) {
    op.ClickRow(WidgetId::lstPayment, row);
    screen.QueueAnswer(kAnswerYes);
    op.Click(WidgetId::cmdDelete);
  }
  screen.TakeMessages();
}

}  // namespace corvane::bench
