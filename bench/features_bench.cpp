// The load and the change list with each of the features a host switches on: a currency
// with three decimals, card numbers masked, the German catalog, and the typed operations.
// Each sits beside load/control and read/control, which run with every feature off.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_order.h"
#include "bench/order_texts.h"
#include "corvane/catalog.h"
#include "corvane/payment_values.h"

namespace corvane::bench {
namespace {

constexpr int kShopTypeCount = 10;

using Setup = std::function<void(Corvane&)>;

// Each iteration reloads the delimited texts, as load/control does, on a control set up by
// `setup` before the first load.
void LoadWith(benchmark::State& state, const Setup& setup) {
  const int rows = static_cast<int>(state.range(0));
  const std::string payments = StoredPayments(rows, kShopTypeCount);
  BenchOrder order(0);
  setup(order.control);
  for (auto _ : state) {
    order.control.WritePaymentData(kCreditCards, order.types, payments, kFieldSeparator,
                                   kRecordSeparator);
  }
  if (order.list().Count() != rows) state.SkipWithError("the load lost rows");
  state.SetItemsProcessed(state.iterations() * rows);
}

void LoadKuwaitiDinars(benchmark::State& state) {
  LoadWith(state, [](Corvane& control) { control.CurrencyDecimals(3); });
}
void LoadMasked(benchmark::State& state) {
  LoadWith(state, [](Corvane& control) { control.MaskCardNumbers(true); });
}
void LoadGerman(benchmark::State& state) {
  LoadWith(state, [](Corvane& control) { control.SetCatalog(Catalog::German()); });
}

// The same order as values: the types and payments StoredPayments writes, read back from
// a control that loaded them.
struct OrderValues {
  std::vector<std::string> cards{"Visa", "Mastercard", "Amex", "Diners"};
  std::vector<PaymentTypeInfo> types;
  std::vector<PaymentInfo> payments;
};

OrderValues ValuesOf(int rows) {
  BenchOrder order(rows);
  OrderValues values;
  const std::string table = ShopPaymentTypes();  // "0~Cash~0|1~On Account~0|..."
  for (std::size_t at = 0; at < table.size();) {
    const std::size_t name = table.find(kFieldSeparator, at) + kFieldSeparator.size();
    const std::size_t flag = table.find(kFieldSeparator, name);
    values.types.push_back({static_cast<std::int16_t>(std::stoi(table.substr(at, name - at))),
                            table.substr(name, flag - name), false});
    at = table.find(kRecordSeparator, flag) + kRecordSeparator.size();
  }
  order.DeleteRows();
  for (PaymentChange& change : order.control.Changes()) {
    values.payments.push_back(std::move(change.payment));
  }
  return values;
}

void LoadTyped(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  const OrderValues values = ValuesOf(rows);
  BenchOrder order(0);
  for (auto _ : state) order.control.LoadPayments(values.cards, values.types, values.payments);
  if (order.list().Count() != rows) state.SkipWithError("the load lost rows");
  state.SetItemsProcessed(state.iterations() * rows);
}

// Changes with every row marked, beside read/control.
void ChangesTyped(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  BenchOrder order(rows);
  order.DeleteRows();
  for (auto _ : state) {
    const std::vector<PaymentChange> changes = order.control.Changes();
    benchmark::DoNotOptimize(changes.data());
  }
  state.SetItemsProcessed(state.iterations() * rows);
}

BENCHMARK(LoadKuwaitiDinars)
    ->Name("features/load_kwd")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadMasked)
    ->Name("features/load_masked")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadGerman)
    ->Name("features/load_german")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(LoadTyped)
    ->Name("features/load_typed")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(ChangesTyped)
    ->Name("features/changes_typed")
    ->Arg(10'000)
    ->Arg(100'000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace corvane::bench
