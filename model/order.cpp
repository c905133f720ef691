#include "model/order.h"

#include "readings/numbers.h"

namespace corvane {

std::int16_t OrderContext::Mode() const {
  if (!mode) throw ModeNotSet();
  return *mode;
}

std::string BalanceText(std::string_view ordered, std::string_view total, int decimals) {
  return FormatAmount(StrictNumber(ordered) - StrictNumber(total), decimals);
}

}  // namespace corvane
