// The load plan's total: the classic running total, rounded to the currency's minor units
// after every payment, whether the plan carries it in minor units or as the total box's
// text.
#include "model/payment_load.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "corvane/host_error.h"
#include "model/amount.h"
#include "readings/numbers.h"

namespace corvane::testing {
namespace {

// The total box after each payment of `load`, carried as the box carries it, from `start`.
double ClassicTotal(double start, const PaymentLoad& load, int decimals) {
  double total = start;
  for (const PaymentLoadRow& row : load.rows) {
    total += LenientNumber(row.amount);
    if (!std::isfinite(total)) return total;
    total = LenientNumber(FormatAmount(total, decimals));
  }
  return total;
}

// In a currency of two decimals, of none and of three.
class PaymentLoadTest : public ::testing::TestWithParam<int> {};

TEST_P(PaymentLoadTest, TheTotalIsTheClassicRunningTotalAtEveryScale) {
  const int decimals = GetParam();
  const std::optional<PaymentTypeTable> types = PaymentTypeTable::Parse("0~Cash~0|", "~", "|");
  std::mt19937_64 random(20261207);
  const char* const starts[] = {"0.00",
                                "12.34",
                                "-7.50",
                                "9999999999990.00",
                                "99999999999999.5",
                                "0.1",
                                "1e300",
                                "999999999999.999",
                                "999999999999999"};
  const double rates[] = {0, 1, 0.37, 3};
  for (int load_number = 0; load_number < 3000; ++load_number) {
    std::string payments;
    const int count = 1 + static_cast<int>(random() % 12);
    for (int i = 0; i < count; ++i) {
      // Whole hundredths up to 10^15 of them, or amounts with more decimals, some negative.
      const int digits = 1 + static_cast<int>(random() % 16);
      const std::uint64_t units = random() % static_cast<std::uint64_t>(std::pow(10.0, digits));
      std::string amount =
          std::to_string(units / 100) + "." + std::to_string(100 + units % 100).substr(1);
      if (random() % 4 == 0) amount += std::to_string(random() % 1000);
      if (random() % 5 == 0) amount.insert(0, "-");
      payments += "0~~~" + amount + "~~|";
    }
    const std::string start = starts[random() % std::size(starts)];
    const double rate = rates[random() % std::size(rates)];
    const PaymentLoadContext context{&types, rate, start, "100.00", decimals};
    const PaymentLoadInput input{"", "", payments, "~", "|"};
    SCOPED_TRACE(payments + " from " + start + " at rate " + std::to_string(rate));
    try {
      const PaymentLoad load = PlanPaymentLoad(input, context);
      EXPECT_EQ(load.total,
                FormatAmount(ClassicTotal(LenientNumber(start), load, decimals), decimals));
      for (const PaymentLoadRow& row : load.rows) {
        EXPECT_EQ(row.amount, FormatAmount(LenientNumber(row.amount), decimals));
        EXPECT_EQ(row.amount_units, Amount(LenientNumber(row.amount), decimals).MinorUnits())
            << row.amount;
      }
    } catch (const HostError& e) {
      // Refused only where the classic total runs out of doubles.
      EXPECT_NE(std::string(e.what()).find("too large"), std::string::npos) << e.what();
    }
  }
}

// Amounts written at the currency's precision, halves away from zero, and a total exact in
// its minor units however many payments there are.
TEST_P(PaymentLoadTest, AmountsAndTotalAtTheCurrencysPrecision) {
  const int decimals = GetParam();
  const std::optional<PaymentTypeTable> types = PaymentTypeTable::Parse("0~Cash~0|", "~", "|");
  std::string payments = "0~~~12.3455~~|0~~~-0.5~~|";
  for (int i = 0; i < 2000; ++i) payments += "0~~~0.001~~|0~~~1~~|";
  const PaymentLoad load =
      PlanPaymentLoad({"", "", payments, "~", "|"}, {&types, 0, "0", "5000", decimals});
  const char* const expected[][3] = {
      // amount 1, amount 2, total
      {"12", "-1", "2011"},              // none: 0.001 counts 0
      {"", "", ""},                      // (one decimal is never asked for)
      {"12.35", "-0.50", "2011.85"},     // two: 0.001 counts 0.00
      {"12.346", "-0.500", "2013.846"},  // three
  };
  EXPECT_EQ(load.rows[0].amount, expected[decimals][0]);
  EXPECT_EQ(load.rows[1].amount, expected[decimals][1]);
  EXPECT_EQ(load.total, expected[decimals][2]);
  EXPECT_EQ(load.balance, FormatAmount(5000 - LenientNumber(load.total), decimals));
}

INSTANTIATE_TEST_SUITE_P(Decimals, PaymentLoadTest, ::testing::Values(2, 0, 3),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::to_string(info.param);
                         });

}  // namespace
}  // namespace corvane::testing
