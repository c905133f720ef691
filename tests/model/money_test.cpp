// Money: exact amounts read from and written as text, and doubles rounded the way the
// control rounds the amounts it shows.
#include "corvane/money.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace corvane::testing {
namespace {

constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
constexpr std::int64_t kMin = std::numeric_limits<std::int64_t>::min();

TEST(MoneyTest, ParseTakesPlainDecimalsUpToTheCurrencysAndWritesThemBack) {
  const struct {
    const char* text;
    int decimals;
    std::int64_t units;
    const char* written;  // Text() of the amount read
  } cases[] = {
      {"12.35", 2, 1235, "12.35"},
      {"-0.5", 2, -50, "-0.50"},
      {"12", 2, 1200, "12.00"},
      {"0012.30", 2, 1230, "12.30"},
      {"-0", 2, 0, "0.00"},
      {"1200", 0, 1200, "1200"},
      {"12.345", 3, 12345, "12.345"},
      {"0.001", 3, 1, "0.001"},
      {"92233720368547758.07", 2, kMax, "92233720368547758.07"},
      {"-92233720368547758.08", 2, kMin, "-92233720368547758.08"},
      {"-9223372036854775.808", 3, kMin, "-9223372036854775.808"},
  };
  for (const auto& c : cases) {
    const std::optional<Money> read = Money::Parse(c.text, c.decimals);
    ASSERT_TRUE(read.has_value()) << c.text;
    EXPECT_EQ(*read, Money(c.units, c.decimals)) << c.text;
    EXPECT_EQ(read->Text(), c.written) << c.text;
    EXPECT_EQ(Money::Parse(read->Text(), c.decimals), read) << c.text;
  }
}

TEST(MoneyTest, ParseRefusesWhatIsNoPlainAmountOfTheCurrency) {
  const struct {
    const char* text;
    int decimals;
  } cases[] = {
      {"", 2},
      {"-", 2},
      {".5", 2},
      {"12.", 2},
      {"+1", 2},
      {" 1", 2},
      {"1 ", 2},
      {"1e3", 2},
      {"1,000", 2},
      {"12.345", 2},
      {"1.5", 0},
      {"--1", 2},
      {"1.2.3", 3},
      {"0x10", 2},
      {"12.3a", 2},
      {"92233720368547758.08", 2},
      {"-92233720368547758.09", 2},
      {"1", 4},
      {"99999999999999999999", 0},
      {"1", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Money::Parse(c.text, c.decimals), std::nullopt) << c.text << " at " << c.decimals;
  }
}

TEST(MoneyTest, NearestRoundsHalvesAwayFromZeroOnFifteenDigits) {
  const struct {
    double value;
    int decimals;
    std::optional<std::int64_t> units;
  } cases[] = {
      {0.125, 2, 13},
      {-0.125, 2, -13},
      {0.1249999999999999, 2, 13},  // 0.125000000000000 at fifteen digits
      {0.124999999999, 2, 12},
      {60.55, 2, 6055},
      {2.5, 0, 3},
      {-2.5, 0, -3},
      {1.0005, 3, 1001},
      {1e15, 2, 100'000'000'000'000'000},
      {1e17, 2, std::nullopt},
      {std::numeric_limits<double>::infinity(), 2, std::nullopt},
      {std::nan(""), 2, std::nullopt},
      {1, 4, std::nullopt},
  };
  for (const auto& c : cases) {
    const std::optional<Money> nearest = Money::Nearest(c.value, c.decimals);
    if (c.units) {
      EXPECT_EQ(nearest, Money(*c.units, c.decimals)) << c.value;
    } else {
      EXPECT_EQ(nearest, std::nullopt) << c.value;
    }
  }
}

TEST(MoneyTest, DecimalsAreZeroToThreeAndPartOfTheValue) {
  EXPECT_THROW(Money(1, 4), std::invalid_argument);
  EXPECT_THROW(Money(1, -1), std::invalid_argument);
  EXPECT_EQ(Money(), Money(0, 2));
  EXPECT_NE(Money(1235, 2), Money(12350, 3));
  EXPECT_EQ(Money(6055, 2).ToDouble(), 60.55);
  EXPECT_EQ(Money(-7, 3).ToDouble(), -0.007);
  EXPECT_EQ(Money(-7, 0).Text(), "-7");
}

}  // namespace
}  // namespace corvane::testing
