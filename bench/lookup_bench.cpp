// Lookups of payment types with a short and a long type table: they should not grow with it.
#include <benchmark/benchmark.h>

#include "bench/bench_order.h"
#include "bench/order_texts.h"
#include "control/payment_record.h"

namespace corvane::bench {
namespace {

using W = WidgetId;

constexpr int kPayments = 1'000;

// GetPaymentID of a name near the end of the table.
void GetPaymentId(benchmark::State& state) {
  const int types = static_cast<int>(state.range(0));
  BenchOrder order(0, types);
  const std::string name = NumberedTypeName(types - 2);
  std::int16_t id = 0;
  for (auto _ : state) {
    id = order.control.GetPaymentID(name);
    benchmark::DoNotOptimize(id);
  }
  if (id != types - 2) state.SkipWithError("the lookup found the wrong type");
}

// A load of 1,000 payments whose types are spread over the table loaded before: each
// payment's type is found by its position.
void LoadTypeLookup(benchmark::State& state) {
  const int types = static_cast<int>(state.range(0));
  BenchOrder order(0, types);
  const std::string payments = StoredPayments(kPayments, types);
  for (auto _ : state) {
    state.PauseTiming();
    order.control.WritePaymentData("", order.types, "", kFieldSeparator, kRecordSeparator);
    state.ResumeTiming();
    order.control.WritePaymentData("", "", payments, kFieldSeparator, kRecordSeparator);
  }
  if (order.list().Count() != kPayments) state.SkipWithError("the load lost rows");
}

// The same load with the type table in the call, as an order is first loaded.
void LoadWithTypes(benchmark::State& state) {
  const int types = static_cast<int>(state.range(0));
  BenchOrder order(0, types);
  const std::string payments = StoredPayments(kPayments, types);
  for (auto _ : state) {
    order.control.WritePaymentData(kCreditCards, order.types, payments, kFieldSeparator,
                                   kRecordSeparator);
  }
}

// A click on a row whose type is near the end of the type box: the box shows that type.
void SelectRowType(benchmark::State& state) {
  const int types = static_cast<int>(state.range(0));
  BenchOrder order(kPayments, types);
  int row = kPayments - 3;  // types 997 and 996 of 1,000; 7 and 6 of 10
  for (auto _ : state) {
    order.op.ClickRow(W::lstPayment, row);
    row ^= 1;
  }
  if (order.screen.combo_box(W::cboPaymentType).Text() !=
      order.list().Text(order.list().Selected().value_or(0))) {
    state.SkipWithError("the type box does not show the row's type");
  }
}

#define CORVANE_TYPES_BENCH(function, name) \
  BENCHMARK(function)->Name(name)->Arg(10)->Arg(1'000)->Unit(benchmark::kMicrosecond)

CORVANE_TYPES_BENCH(GetPaymentId, "lookup/get_payment_id");
CORVANE_TYPES_BENCH(LoadTypeLookup, "lookup/load_1000_payments");
CORVANE_TYPES_BENCH(SelectRowType, "lookup/select_row_type");
CORVANE_TYPES_BENCH(LoadWithTypes, "lookup/load_1000_payments_with_types");

}  // namespace
}  // namespace corvane::bench
