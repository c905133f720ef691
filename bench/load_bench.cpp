// WritePaymentData of stored payments, against splitting and parsing the same text bare.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <memory>

#include "bench/baselines.h"
#include "bench/bench_order.h"
#include "bench/order_texts.h"

namespace corvane::bench {
namespace {

constexpr int kShopTypeCount = 10;

// Page faults the process has taken so far (minor ones: memory the kernel hands out).
long PageFaults() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_minflt;
}

// Each iteration reloads: a load that gives payment types starts the screen over.
void LoadControl(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  BenchOrder order(0);
  const long faults = PageFaults();
  for (auto _ : state) {
    order.control.WritePaymentData(kCreditCards, order.types, payments, kFieldSeparator,
                                   kRecordSeparator);
  }
  state.counters["page_faults"] =
      static_cast<double>(PageFaults() - faults) / static_cast<double>(state.iterations());
  if (order.list().Count() != rows) state.SkipWithError("the load lost rows");
  state.SetItemsProcessed(state.iterations() * rows);
}

// Each iteration a fresh control (made and destroyed outside the timing), so that the
// list grows from nothing, in a heap that has handed its free memory back to the kernel
// (malloc_trim), as a host's first load finds it: the load takes from the kernel every
// page it touches, and the figure holds those page faults. Without the trim, whether the
// previous control's memory is still there to reuse depends on malloc's history, and the
// figure at 100,000 rows swung between two values a third apart.
void LoadFreshControl(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  long faults = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto order = std::make_unique<BenchOrder>(0);
    malloc_trim(0);
    faults -= PageFaults();
    state.ResumeTiming();
    order->control.WritePaymentData(kCreditCards, order->types, payments, kFieldSeparator,
                                    kRecordSeparator);
    state.PauseTiming();
    faults += PageFaults();
    order.reset();
    state.ResumeTiming();
  }
  state.counters["page_faults"] =
      static_cast<double>(faults) / static_cast<double>(state.iterations());
  state.SetItemsProcessed(state.iterations() * rows);
}

void LoadBaseline(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  const std::string types = ShopPaymentTypes();
  std::vector<BaselineRecord> records;
  for (auto _ : state) {
    const std::vector<std::string> names = SplitTypeNames(types, kFieldSeparator, kRecordSeparator);
    SplitAndParse(payments, names, kFieldSeparator, kRecordSeparator, records);
    benchmark::DoNotOptimize(records.data());
  }
  if (static_cast<int>(records.size()) != rows) state.SkipWithError("the baseline lost rows");
  state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(LoadControl)
    ->Name("load/control")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadBaseline)
    ->Name("load/baseline")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadFreshControl)
    ->Name("load/fresh_control")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::bench
