// WritePaymentData of stored payments, against splitting and parsing the same text bare.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/baselines.h"
#include "bench/bench_order.h"
#include "bench/order_texts.h"

namespace corvane::bench {
namespace {

constexpr int kShopTypeCount = 10;

// Each iteration reloads: a load that gives payment types starts the screen over.
void LoadControl(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  BenchOrder order(0);
  for (auto _ : state) {
    order.control.WritePaymentData(kCreditCards, order.types, payments, kFieldSeparator,
                                   kRecordSeparator);
  }
  if (order.list().Count() != rows) state.SkipWithError("the load lost rows");
  state.SetItemsProcessed(state.iterations() * rows);
}

// Each iteration a fresh control (made and destroyed outside the timing), so that the
// list grows from nothing.
void LoadFreshControl(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  for (auto _ : state) {
    state.PauseTiming();
    auto order = std::make_unique<BenchOrder>(0);
    state.ResumeTiming();
    order->control.WritePaymentData(kCreditCards, order->types, payments, kFieldSeparator,
                                    kRecordSeparator);
    state.PauseTiming();
    order.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

void LoadBaseline(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  const std::string types = ShopPaymentTypes();
  std::vector<BaselineRecord> records;
  for (auto _ : state) {
    const std::vector<std::string> names =
        SplitTypeNames(types, kFieldSeparator, kRecordSeparator);
    SplitAndParse(payments, names, kFieldSeparator, kRecordSeparator, records);
    benchmark::DoNotOptimize(records.data());
  }
  if (static_cast<int>(records.size()) != rows) state.SkipWithError("the baseline lost rows");
  state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(LoadControl)->Name("load/control")->Arg(1'000)->Arg(10'000)->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadBaseline)->Name("load/baseline")->Arg(1'000)->Arg(10'000)->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadFreshControl)->Name("load/fresh_control")->Arg(10'000)->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::bench
