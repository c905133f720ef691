// The displayed currency: the ISO 4217 list the library keeps, the codes it takes and
// refuses, and the captions a code goes into.
#include "model/currency.h"

#include <gtest/gtest.h>

#include <string>

#include "corvane/host_error.h"

namespace corvane::testing {
namespace {

std::string Decimals(std::string_view code) {
  try {
    return std::to_string(CurrencyOfCode(code, "CurrencyCode").decimals);
  } catch (const HostError& e) {
    return e.what();
  }
}

TEST(IsoCurrenciesTest, SortedUniqueThreeCapitals) {
  const std::span<const IsoCurrency> list = IsoCurrencies();
  ASSERT_GT(list.size(), 150u);
  for (std::size_t i = 0; i < list.size(); ++i) {
    const std::string_view code = list[i].code;
    EXPECT_TRUE(code.size() == 3 &&
                code.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ") == std::string_view::npos)
        << code;
    if (i > 0) {
      EXPECT_LT(list[i - 1].code, code) << "sorted, each once";
    }
    EXPECT_EQ(FindIsoCurrency(code)->code, code);
  }
}

TEST(IsoCurrenciesTest, KnownMinorUnits) {
  const struct {
    std::string_view code;
    std::optional<std::int8_t> minor_unit;
  } cases[] = {
      {"JPY", 0}, {"KRW", 0}, {"ISK", 0}, {"CLP", 0},  {"XOF", 0},  {"KWD", 3},
      {"BHD", 3}, {"OMR", 3}, {"TND", 3}, {"EUR", 2},  {"USD", 2},  {"GBP", 2},
      {"CHF", 2}, {"CLF", 4}, {"UYW", 4}, {"XAU", {}}, {"XDR", {}}, {"XXX", {}},
  };
  for (const auto& c : cases) {
    const std::optional<IsoCurrency> found = FindIsoCurrency(c.code);
    ASSERT_TRUE(found) << c.code;
    EXPECT_EQ(found->minor_unit, c.minor_unit) << c.code;
  }
  for (std::string_view unknown : {"", "jpy", "JP", "JPYX", "ABC", "HRK", "DEM"}) {
    EXPECT_FALSE(FindIsoCurrency(unknown)) << unknown;
  }
}

TEST(CurrencyOfCodeTest, TakesZeroTwoOrThreeDecimals) {
  EXPECT_EQ(Decimals("JPY"), "0");
  EXPECT_EQ(Decimals("EUR"), "2");
  EXPECT_EQ(Decimals("KWD"), "3");
  EXPECT_EQ(CurrencyOfCode("BHD", "x").code, "BHD");
  EXPECT_EQ(Decimals("CLF"), "CurrencyCode: CLF has 4 decimals; amounts are shown with 0, 2 or 3");
  EXPECT_EQ(Decimals("UYW"), "CurrencyCode: UYW has 4 decimals; amounts are shown with 0, 2 or 3");
  EXPECT_EQ(Decimals("XAU"),
            "CurrencyCode: XAU has no minor unit; amounts are shown with 0, 2 or 3 decimals");
  EXPECT_EQ(Decimals("XTS"),
            "CurrencyCode: XTS has no minor unit; amounts are shown with 0, 2 or 3 decimals");
  EXPECT_EQ(Decimals("jpy"), "CurrencyCode: 'jpy' is no ISO 4217 currency code");
  EXPECT_EQ(Decimals(""), "CurrencyCode: '' is no ISO 4217 currency code");
  EXPECT_EQ(Decimals("US$"), "CurrencyCode: 'US$' is no ISO 4217 currency code");
}

TEST(CurrencyValueTest, TextsAndCaptions) {
  const Currency classic;
  const Currency yen{.decimals = 0, .code = "JPY"};
  const Currency dinar{.decimals = 3, .code = ""};
  EXPECT_EQ(classic.Zero() + " " + yen.Zero() + " " + dinar.Zero(), "0.00 0 0.000");
  EXPECT_EQ(yen.Text(1234.5) + " " + dinar.Text(-0.0005), "1235 -0.001");
  EXPECT_EQ(yen.Caption("Amount $:"), "Amount JPY:");
  EXPECT_EQ(yen.Caption("Amount ($)"), "Amount (JPY)");
  EXPECT_EQ(dinar.Caption("Amount ($)"), "Amount ($)") << "no code, no change";
  EXPECT_EQ(yen.Caption("Payment Date:"), "Payment Date:");
  EXPECT_TRUE(TakesDecimals(0) && TakesDecimals(2) && TakesDecimals(3));
  EXPECT_FALSE(TakesDecimals(1) || TakesDecimals(4) || TakesDecimals(-1));
}

}  // namespace
}  // namespace corvane::testing
