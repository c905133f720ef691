// Creation of the control, and the heap a loaded row holds.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_order.h"
#include "bench/heap_counter.h"
#include "bench/order_texts.h"

namespace corvane::bench {
namespace {

// A fresh headless screen and the control on it, made and destroyed.
void CreateControl(benchmark::State& state) {
  for (auto _ : state) {
    headless::Screen screen;
    Corvane control(screen, [] { return kToday; });
    benchmark::DoNotOptimize(&control);
  }
}

// The heap a load of `rows` payments adds to a control that holds the same types and no
// payments, per row: what stays (bytes_per_row as malloc grants them, chunk_bytes_per_row
// with malloc's size word, blocks_per_row) and the peak during the load.
void BytesPerRow(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, 10);
  HeapCount before;
  HeapCount after;
  std::size_t peak = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto order = std::make_unique<BenchOrder>(0);
    before = LiveHeap();
    ResetPeak();
    state.ResumeTiming();
    order->control.WritePaymentData(kCreditCards, order->types, payments, kFieldSeparator,
                                    kRecordSeparator);
    state.PauseTiming();
    after = LiveHeap();
    peak = PeakHeapBytes();
    order.reset();
    state.ResumeTiming();
  }
  const double n = rows;
  const double bytes = static_cast<double>(after.bytes) - static_cast<double>(before.bytes);
  const double blocks = static_cast<double>(after.blocks) - static_cast<double>(before.blocks);
  state.counters["bytes_per_row"] = bytes / n;
  state.counters["chunk_bytes_per_row"] = (bytes + blocks * kMallocWordPerBlock) / n;
  state.counters["blocks_per_row"] = blocks / n;
  state.counters["peak_bytes_per_row"] = static_cast<double>(peak - before.bytes) / n;
  state.counters["row_chars"] = ShopRowCharacters(rows);
}

BENCHMARK(CreateControl)->Name("create")->Unit(benchmark::kMicrosecond);
BENCHMARK(BytesPerRow)
    ->Name("memory")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Iterations(3)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::bench
