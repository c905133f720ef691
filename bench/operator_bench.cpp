// The operator's actions on a long list: a save, a list selection, a delete, an undelete.
#include <benchmark/benchmark.h>

#include "bench/bench_order.h"
#include "control/payment_record.h"

namespace corvane::bench {
namespace {

using W = WidgetId;

// New Payment, a payment type, a reference and an amount: everything before Save.
void OpenNewPayment(BenchOrder& order) {
  order.op.Click(W::cmdAdd);
  order.op.Choose(W::cboPaymentType, "Wire Transfer");
  order.op.Type(W::txtReference, "WT-2026113000042");
  order.op.Type(W::txtAmount, "125.50");
}

// Takes the saved payment out again, as the operator would (a new payment's delete removes
// it), so that every iteration saves into `rows` rows.
bool TakeBackSavedPayment(BenchOrder& order, int rows) {
  ListView& list = order.list();
  const bool saved = list.Count() == rows + 1 && list.SubItem(rows, kColIsUpdate) == kMarkNew;
  if (list.Count() > rows) {
    order.op.ClickRow(WidgetId::lstPayment, list.Count() - 1);
    order.screen.QueueAnswer(kAnswerYes);
    order.op.Click(WidgetId::cmdDelete);
  }
  return saved && list.Count() == rows;
}

// The whole save: New Payment, type, reference, amount, Save.
void SaveNewPayment(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  BenchOrder order(rows);
  for (auto _ : state) {
    OpenNewPayment(order);
    order.op.Click(W::cmdAdd);
    state.PauseTiming();
    const bool saved = TakeBackSavedPayment(order, rows);
    state.ResumeTiming();
    if (!saved) {
      state.SkipWithError("the payment was not saved");
      break;
    }
  }
}

// The Save click alone: the checks, the commit and the new total.
void SaveClick(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  BenchOrder order(rows);
  for (auto _ : state) {
    state.PauseTiming();
    OpenNewPayment(order);
    state.ResumeTiming();
    order.op.Click(W::cmdAdd);
    state.PauseTiming();
    const bool saved = TakeBackSavedPayment(order, rows);
    state.ResumeTiming();
    if (!saved) {
      state.SkipWithError("the payment was not saved");
      break;
    }
  }
}

// A click on a row, alternating between two rows in the middle of the list.
void SelectRow(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  BenchOrder order(rows);
  int row = rows / 2;
  for (auto _ : state) {
    order.op.ClickRow(W::lstPayment, row);
    row ^= 1;
  }
}

// Delete of a stored payment (marked deleted), or with `undelete` its undelete; the other
// half of the pair runs outside the timing.
void DeleteOrUndelete(benchmark::State& state, bool undelete) {
  const int rows = static_cast<int>(state.range(0));
  BenchOrder order(rows);
  const int row = rows / 2;
  auto delete_click = [&] {
    order.screen.QueueAnswer(kAnswerYes);
    order.op.Click(W::cmdDelete);
  };
  for (auto _ : state) {
    state.PauseTiming();
    order.op.ClickRow(W::lstPayment, row);
    if (undelete) delete_click();
    order.screen.QueueAnswer(kAnswerYes);
    state.ResumeTiming();
    order.op.Click(W::cmdDelete);
    state.PauseTiming();
    const bool deleted = order.list().SubItem(row, kColIsUpdate) == kMarkDeleted;
    if (!undelete) delete_click();
    order.screen.TakeMessages();
    state.ResumeTiming();
    if (deleted == undelete) {
      state.SkipWithError("the delete or undelete did not happen");
      break;
    }
  }
}

void DeleteStored(benchmark::State& state) { DeleteOrUndelete(state, false); }
void UndeleteStored(benchmark::State& state) { DeleteOrUndelete(state, true); }

// Delete of a payment entered here (never stored), the last of the list: the row goes. It
// is entered and saved again outside the timing.
void DeleteNewPayment(benchmark::State& state) {
  const int rows = static_cast<int>(state.range(0));
  BenchOrder order(rows);
  ListView& list = order.list();
  for (auto _ : state) {
    state.PauseTiming();
    OpenNewPayment(order);
    order.op.Click(W::cmdAdd);
    order.op.ClickRow(W::lstPayment, rows);
    order.screen.QueueAnswer(kAnswerYes);
    state.ResumeTiming();
    order.op.Click(W::cmdDelete);
    state.PauseTiming();
    const bool removed = list.Count() == rows;
    order.screen.TakeMessages();
    state.ResumeTiming();
    if (!removed) {
      state.SkipWithError("the new payment was not removed");
      break;
    }
  }
}

#define CORVANE_ROWS_BENCH(function, name) \
  BENCHMARK(function)->Name(name)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMicrosecond)

CORVANE_ROWS_BENCH(SaveNewPayment, "save");
CORVANE_ROWS_BENCH(SaveClick, "save_click");
CORVANE_ROWS_BENCH(SelectRow, "select");
CORVANE_ROWS_BENCH(DeleteStored, "delete");
CORVANE_ROWS_BENCH(UndeleteStored, "undelete");
CORVANE_ROWS_BENCH(DeleteNewPayment, "delete_new");

}  // namespace
}  // namespace corvane::bench
