// The book's total: the classic running total, rounded to the currency's minor units
// (hundredths, or whole units, or thousandths) after every payment, whether it is kept in
// minor units or summed again.
#include "model/payment_book.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <tuple>

#include "model/amount.h"
#include "readings/numbers.h"

namespace corvane::testing {
namespace {

Payment Paid(std::string amount, Mark mark = Mark::kNone) {
  Payment payment;
  payment.amount = std::move(amount);
  payment.mark = mark;
  return payment;
}

// The running total as the total box carries it, row after row.
double RunningTotal(const PaymentBook& book) {
  double total = 0;
  for (int row = 0; row < book.size(); ++row) {
    if (book[row].mark == Mark::kDeleted) continue;
    total += LenientNumber(book[row].amount);
    if (!std::isfinite(total)) return total;
    total = LenientNumber(FormatAmount(total, book.decimals()));
  }
  return total;
}

TEST(AmountTest, MinorUnitsOnlyForWholeHundredthsBelowTheExactLimit) {
  EXPECT_EQ(Amount(12.5).MinorUnits(), 1250);
  EXPECT_EQ(Amount(-0.01).MinorUnits(), -1);
  EXPECT_EQ(Amount(0.1 + 0.2).MinorUnits(), std::nullopt) << "not the double nearest 0.30";
  EXPECT_EQ(Amount(1.999).MinorUnits(), std::nullopt);
  EXPECT_EQ(Amount(9999999999999.99).MinorUnits(), 999999999999999);
  EXPECT_EQ(Amount(1e13).MinorUnits(), std::nullopt);
  EXPECT_EQ(Amount(INFINITY).MinorUnits(), std::nullopt);
  EXPECT_EQ(Amount(-2.5).Text(), "-2.50");
  EXPECT_EQ(Amount::Read(" 1 2.345x").Text(), "12.35") << "blanks skipped, halves away from zero";
}

TEST(AmountTest, MinorUnitsOfCurrenciesWithoutOrWithThreeDecimals) {
  EXPECT_EQ(Amount(1500, 0).MinorUnits(), 1500);
  EXPECT_EQ(Amount(12.5, 0).MinorUnits(), std::nullopt);
  EXPECT_EQ(Amount(999999999999999, 0).MinorUnits(), 999999999999999);
  EXPECT_EQ(Amount(1e15, 0).MinorUnits(), std::nullopt);
  EXPECT_EQ(Amount(12.345, 3).MinorUnits(), 12345);
  EXPECT_EQ(Amount(-0.001, 3).MinorUnits(), -1);
  EXPECT_EQ(Amount(0.1 + 0.2, 3).MinorUnits(), std::nullopt) << "not the double nearest 0.300";
  EXPECT_EQ(Amount(12.3456, 3).MinorUnits(), std::nullopt);
  EXPECT_EQ(Amount(999999999999.999, 3).MinorUnits(), 999999999999999);
  EXPECT_EQ(Amount::FromMinorUnits(12345, 3).value(), 12.345);
  EXPECT_EQ(Amount::FromMinorUnits(12345, 0).Text(), "12345");
  EXPECT_EQ(Amount::Read("2.0005", 3).Text(), "2.001");
  EXPECT_EQ(Amount::Read("2.5", 0).Text(), "3");
}

// A thousand payments of one thousandth, or of one yen, with some deleted: exact to the
// last minor unit, kept and summed again alike.
TEST(PaymentBookTest, TotalsExactInTheirMinorUnits) {
  for (const auto& [decimals, amount, expected] :
       {std::tuple{3, "0.001", "0.750"}, std::tuple{0, "7", "5250"},
        std::tuple{3, "1234567.891", "925925918.250"}}) {
    PaymentBook book;
    book.SetDecimals(decimals);
    for (int i = 0; i < 1000; ++i) {
      book.Add(Paid(amount, i % 4 == 3 ? Mark::kDeleted : Mark::kNone));
    }
    EXPECT_EQ(FormatAmount(book.Total(), decimals), expected) << amount;
    EXPECT_EQ(book.Total(), RunningTotal(book)) << amount;
    book.SetAmount(0, "x");  // a payment that is no number: the book sums row by row
    EXPECT_EQ(book.Total(), RunningTotal(book)) << amount;
  }
}

TEST(PaymentBookTest, DeletedPaymentsAndTextsWithoutANumber) {
  PaymentBook book;
  book.Add(Paid("10.00", Mark::kDeleted));
  book.Add(Paid("20.00", Mark::kUpdated));
  book.Add(Paid("x30"));
  book.Add(Paid("0.01", Mark::kNew));
  EXPECT_EQ(book.Total(), 20.01) << "D out, a text without a number counts 0";
  EXPECT_EQ(book.TotalWith(1, 0), 0.01);
  EXPECT_EQ(book.TotalWith(0, 5), 20.01) << "a deleted payment stays out at any amount";
  book.SetMark(0, Mark::kUpdated);
  EXPECT_EQ(book.Total(), 30.01);
  book.Remove(1);
  EXPECT_EQ(book.Total(), 10.01);
  book.SetAmount(2, "1.999");
  EXPECT_EQ(book.Total(), 12.00) << "rounded after the payment";
  book.Clear();
  EXPECT_EQ(book.Total(), 0);
}

TEST(PaymentBookTest, OverflowIsInfinite) {
  PaymentBook book;
  book.Add(Paid("1e308"));
  book.Add(Paid("1e308"));
  EXPECT_EQ(book.Total(), INFINITY);
  EXPECT_EQ(book.TotalWith(1, -1e308), 0);
}

// Every change, at every size, from cents to beyond the limit where the kept sum is exact,
// agrees with the running total, in a currency of two decimals, of none and of three.
TEST(PaymentBookTest, KeptTotalAgreesWithTheRunningTotal) {
  std::mt19937_64 random(20261206);
  const double scales[] = {1, 1e4, 1e9, 1e11, 4e11, 9e11, 4e12, 9e12, 2e13, 1e15, 4e15, 1e300};
  for (int decimals : {2, 0, 3})
    for (double scale : scales) {
      SCOPED_TRACE(decimals);
      PaymentBook book;
      book.SetDecimals(decimals);
      for (int step = 0; step < 400; ++step) {
        const double value = std::uniform_real_distribution<double>(-0.2, 1)(random) * scale;
        std::string amount = FormatAmount(value, decimals);
        if (step % 37 == 0) amount = std::to_string(value);  // more decimals than the currency
        const int row = book.size() == 0 ? 0 : static_cast<int>(random() % book.size());
        switch (random() % 6) {
          case 0:
          case 1:
            book.Add(Paid(amount, random() % 5 == 0 ? Mark::kDeleted : Mark::kNone));
            break;
          case 2:
            if (book.size()) book.SetAmount(row, amount);
            break;
          case 3:
            if (book.size()) book.SetMark(row, book[row].Counted() ? Mark::kDeleted : Mark::kNone);
            break;
          case 4:
            if (book.size() > 1) book.Remove(row);
            break;
          case 5:
            if (book.size()) {
              const double changed = book.TotalWith(row, 0);
              Payment zero = book[row].Copy();
              zero.amount = "0";
              PaymentBook copy = book;
              copy.Set(row, zero);
              ASSERT_EQ(FormatAmount(changed, decimals), FormatAmount(RunningTotal(copy), decimals))
                  << scale;
            }
            break;
        }
        const double total = book.Total();
        const double expected = RunningTotal(book);
        ASSERT_TRUE(total == expected || (std::isnan(total) && std::isnan(expected)))
            << "scale " << scale << " step " << step << ": " << total << " != " << expected;
      }
    }
}

}  // namespace
}  // namespace corvane::testing
