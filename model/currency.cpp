#include "model/currency.h"

#include <algorithm>

#include "corvane/host_error.h"
#include "readings/numbers.h"

namespace corvane {

std::string Currency::Text(double value) const { return FormatAmount(value, decimals); }

std::string Currency::Caption(std::string_view classic) const {
  std::string caption(classic);
  if (const std::size_t dollar = caption.find('$'); !code.empty() && dollar != std::string::npos) {
    caption.replace(dollar, 1, code);
  }
  return caption;
}

bool TakesDecimals(int decimals) { return decimals == 0 || decimals == 2 || decimals == 3; }

std::optional<IsoCurrency> FindIsoCurrency(std::string_view code) {
  const std::span<const IsoCurrency> list = IsoCurrencies();
  const auto at = std::lower_bound(
      list.begin(), list.end(), code,
      [](const IsoCurrency& currency, std::string_view key) { return currency.code < key; });
  if (at == list.end() || at->code != code) return std::nullopt;
  return *at;
}

Currency CurrencyOfCode(std::string_view code, std::string_view operation) {
  const std::string where(operation);
  const std::optional<IsoCurrency> found = FindIsoCurrency(code);
  if (!found) {
    throw HostError(where + ": " + QuoteForMessage(code) + " is no ISO 4217 currency code");
  }
  const std::string name(found->code);
  if (!found->minor_unit) {
    throw HostError(where + ": " + name +
                    " has no minor unit; amounts are shown with 0, 2 or 3 decimals");
  }
  if (!TakesDecimals(*found->minor_unit)) {
    throw HostError(where + ": " + name + " has " + std::to_string(*found->minor_unit) +
                    " decimals; amounts are shown with 0, 2 or 3");
  }
  return {.decimals = *found->minor_unit, .code = name};
}

}  // namespace corvane
