// ReadPaymentData with every row in the change list, against writing the same records bare.
#include <benchmark/benchmark.h>

#include "bench/baselines.h"
#include "bench/bench_order.h"
#include "bench/order_texts.h"
#include "control/payment_record.h"

namespace corvane::bench {
namespace {

constexpr int kShopTypeCount = 10;

void ReadControl(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  BenchOrder order(rows);
  order.DeleteRows();
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string change_list = order.control.ReadPaymentData();
    size = change_list.size();
    benchmark::DoNotOptimize(change_list.data());
  }
  state.counters["bytes_out"] = static_cast<double>(size);
  state.SetItemsProcessed(state.iterations() * rows);
}

// The usual case: a few changed rows among many (one in a hundred marked).
void ReadControlFewMarked(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  BenchOrder order(rows);
  order.DeleteRows(100);
  for (auto _ : state) {
    const std::string change_list = order.control.ReadPaymentData();
    benchmark::DoNotOptimize(change_list.data());
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

void ReadBaseline(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  std::vector<BaselineRecord> records;
  SplitAndParse(StoredPayments(rows, kShopTypeCount),
                SplitTypeNames(ShopPaymentTypes(), kFieldSeparator, kRecordSeparator),
                kFieldSeparator, kRecordSeparator, records, kMarkUpdated);
  std::size_t size = 0;
  for (auto _ : state) {
    const std::string out = WriteRecords(records, kFieldSeparator, kRecordSeparator);
    size = out.size();
    benchmark::DoNotOptimize(out.data());
  }
  state.counters["bytes_out"] = static_cast<double>(size);
  state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(ReadControl)
    ->Name("read/control")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadControlFewMarked)
    ->Name("read/control_few_marked")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ReadBaseline)
    ->Name("read/baseline")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::bench
