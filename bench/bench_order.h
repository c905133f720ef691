// A control on the headless screen with an order loaded, as the benchmarks drive it.
#pragma once

#include <chrono>
#include <string>

#include "corvane/corvane.h"
#include "corvane/headless_operator.h"
#include "corvane/headless_screen.h"

namespace corvane::bench {

inline constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::December,
                                                    std::chrono::day{6}};

// The order's context: mode 1 (everything allowed), order type 1, no conversion, an
// ordered amount no load or save reaches.
void GiveOrderDetails(Corvane& control);

class BenchOrder {
 public:
  // The order's context, then the shop's cards and ten payment types and `rows` stored
  // payments spread over them.
  explicit BenchOrder(int rows);
  // The same over NumberedPaymentTypes(`type_count`).
  BenchOrder(int rows, int type_count);
  BenchOrder(const BenchOrder&) = delete;
  BenchOrder& operator=(const BenchOrder&) = delete;

  ListView& list() { return screen.list_view(WidgetId::lstPayment); }
  // Deletes every `step`-th stored payment as the operator does (each answered Yes), so that
  // the change list holds them, marked "D".
  void DeleteRows(int step = 1);

  headless::Screen screen;
  Corvane control{screen, [] { return kToday; }};
  headless::Operator op{screen};
  std::string types;
};

}  // namespace corvane::bench
