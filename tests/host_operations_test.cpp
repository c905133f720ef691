// The host operations: context and buttons, ordered amount and balance, lookups by name,
// the total, and the change list read back; numbers and names at their ends.
#include <gmock/gmock.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>

#include "readings/numbers.h"
#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kMax = std::numeric_limits<double>::max();

using HostOperationsTest = ControlTest;

TEST_F(HostOperationsTest, ModeDecidesTheButtons) {
  const struct {
    std::int16_t mode;
    std::string buttons;
  } cases[] = {{1, "yyy"}, {2, "ynn"}, {0, "nnn"}, {3, "nnn"}, {1, "yyy"}, {-7, "yyy"}};
  for (const auto& c : cases) {
    control.PaymentDetails(c.mode, 0, 1, 0, 0, "");
    EXPECT_EQ(Buttons(), c.buttons) << "mode " << c.mode;
  }
}

TEST_F(HostOperationsTest, CallOrderDecidesEditAndDelete) {
  LoadOrder("2~R~A~10~d~S|");
  EXPECT_EQ(Buttons(), "ynn");
  control.PaymentDetails(1, 0, 1, 0, 250, "");
  EXPECT_EQ(Buttons(), "yyy") << "PaymentDetails after the load turns them on at once";
}

TEST_F(HostOperationsTest, LoadBeforeDetailsOffersAndConvertsAsForNoContext) {
  control.WritePaymentData("", kTypes, "2~R~A~10~d~S|", "~", "|");
  control.PaymentDetails(1, 0, 2, 2, 250, "");
  EXPECT_EQ(Entries(W::cboPaymentType), (std::vector<std::string>{"Check", "Wire", "On Account"}));
  EXPECT_EQ(Row(0), "Check|R|A|10.00|d|S|");
  EXPECT_EQ(Totals(), "10.00 / 240.00");
}

TEST_F(HostOperationsTest, OrderedAmountMovesTheBalance) {
  LoadOrder("2~R~A~100~d~S|");
  control.OrderedAmount(250);
  EXPECT_EQ(Totals(), "100.00 / 150.00");
  control.OrderedAmount(80);
  EXPECT_EQ(Totals(), "100.00 / -20.00");
  EXPECT_EQ(Text(W::txtOrderedAmount), "80.00");
  EXPECT_EQ(control.Snapshot().ordered_amount, 80);
}

TEST_F(HostOperationsTest, OrderedAmountOnOrderTypeTwoFollowsTheBalance) {
  LoadOrder("0~R~A~100~d~S|", 1, 2);
  control.EnableNewPayment(false);
  control.OrderedAmount(105);
  EXPECT_TRUE(screen.widget(W::cmdAdd).Enabled()) << "balance 5.00";
  control.OrderedAmount(100);
  EXPECT_FALSE(screen.widget(W::cmdAdd).Enabled()) << "balance 0.00";

  LoadOrder("0~R~A~100~d~S|", 1, 1);
  control.OrderedAmount(100);
  EXPECT_TRUE(screen.widget(W::cmdAdd).Enabled()) << "order type 1 leaves it alone";
  LoadOrder("0~R~A~100~d~S|", 0, 2);
  control.EnableNewPayment(true);
  control.OrderedAmount(100);
  EXPECT_TRUE(screen.widget(W::cmdAdd).Enabled()) << "mode 0 leaves it alone";
}

TEST_F(HostOperationsTest, OrderedAmountBeforeDetailsShowsTheAmountThenFails) {
  try {
    control.OrderedAmount(12.5);
    ADD_FAILURE() << "no error";
  } catch (const HostError& e) {
    EXPECT_STREQ(e.what(), "OrderedAmount: the mode is not set; call PaymentDetails first");
  }
  EXPECT_EQ(Text(W::txtOrderedAmount), "12.50");
  EXPECT_EQ(Text(W::txtBalanceAmount), "12.50");
}

// A number PaymentDetails cannot take is refused before anything is stored; the ends of the
// 16-bit parameters and the largest ordered amount that reads back are taken.
TEST_F(HostOperationsTest, PaymentDetailsNumbersAndSixteenBitEnds) {
  const std::string stored = " New Payment/Edit focus none [" + kStoredRows[0] + "]";
  const struct {
    const char* name;
    std::int16_t mode, country, order_type;
    double rate, ordered;
    std::string error;
    std::string summary;  // after a call that is taken
  } cases[] = {
      {"InfiniteRate", 1, 0, 1, kInf, 250,
       "PaymentDetails: the conversion rate is not a finite number", ""},
      {"NaNRate", 1, 0, 1, kNaN, 250, "PaymentDetails: the conversion rate is not a finite number",
       ""},
      {"InfiniteOrdered", 1, 0, 1, 1, kInf,
       "PaymentDetails: the ordered amount is not a finite number", ""},
      {"NaNOrdered", 1, 0, 1, 0, kNaN, "PaymentDetails: the ordered amount is not a finite number",
       ""},
      {"OrderedAmountWhoseTextReadsBeyondADouble", 1, 0, 1, 0, kMax,
       "PaymentDetails: the ordered amount is too large", ""},
      {"NegativeZeroOrdered", 1, 0, 1, -0.0, -0.0, "", "10.00 / -10.00 yyy ''" + stored},
      {"LowestSixteenBit", -32768, -32768, -32768, 0, 250, "", "10.00 / 240.00 ynn ''" + stored},
      {"HighestSixteenBit", 32767, 32767, 32767, 0, 250, "", "10.00 / 240.00 ynn ''" + stored},
      {"LargestOrderedAmountThatReadsBack", 1, 0, 1, 0, 1.79769313486231e308, "",
       "10.00 / " + FormatAmount(1.79769313486231e308 - 10) + " yyy ''" + stored},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    const std::string before = Summary();
    EXPECT_EQ(ErrorOf([&] {
                control.PaymentDetails(c.mode, c.country, c.order_type, c.rate, c.ordered, "");
              }),
              c.error)
        << c.name;
    if (c.error.empty()) {
      EXPECT_EQ(Summary(), c.summary) << c.name;
      continue;
    }
    EXPECT_EQ(Summary(), before) << c.name;
    const ControlSnapshot s = control.Snapshot();
    EXPECT_EQ(s.country, 44) << c.name;
    EXPECT_EQ(s.conversion_rate, 0) << c.name;
    EXPECT_EQ(s.ordered_amount, 250) << c.name;
    EXPECT_EQ(s.date_order_taken, "Dec 01, 2026") << c.name;
  }
  control.PaymentDetails(-32768, 32767, -32768, 0, 0, "");
  EXPECT_EQ(control.OrderType(), -32768);
  EXPECT_EQ(control.Snapshot().mode, -32768);
}

// An amount the control cannot show is refused, and the ordered amount shown stays.
TEST_F(HostOperationsTest, OrderedAmountEnds) {
  const struct {
    double amount;
    std::string error;
    std::string totals;
  } cases[] = {
      {kInf, "OrderedAmount: the amount is not a finite number", "10.00 / 240.00"},
      {-kInf, "OrderedAmount: the amount is not a finite number", "10.00 / 240.00"},
      {kNaN, "OrderedAmount: the amount is not a finite number", "10.00 / 240.00"},
      {-0.0, "", "10.00 / -10.00"},
      {0.005, "", "10.00 / -9.99"},
      {1e15, "", "10.00 / 999999999999990.00"},
      {kMax, "OrderedAmount: the amount is too large", "10.00 / 240.00"},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    EXPECT_EQ(ErrorOf([&] { control.OrderedAmount(c.amount); }), c.error) << c.amount;
    EXPECT_EQ(Totals(), c.totals) << c.amount;
    if (!c.error.empty()) {
      EXPECT_EQ(Text(W::txtOrderedAmount), "250.00") << c.amount;
    }
  }
}

TEST_F(HostOperationsTest, TotalIsInTheDisplayedCurrency) {
  LoadOrder("2~R~A~10~d~S|", 1, 1, 2);
  EXPECT_EQ(control.TotalAmount(), 20);
}

TEST_F(HostOperationsTest, CountryAndOrderTypeAreKept) {
  control.PaymentDetails(1, 44, 2, 0, 0, "");
  const std::string before = Totals() + Buttons();
  control.PaymentDetails(1, -1, 2, 0, 0, "");
  EXPECT_EQ(Totals() + Buttons(), before);
  EXPECT_EQ(control.OrderType(), 2);
  EXPECT_EQ(control.Snapshot().country, -1);
}

TEST_F(HostOperationsTest, EnableNewPaymentTouchesOnlyNewPayment) {
  control.PaymentDetails(1, 0, 1, 0, 0, "");
  control.EnableNewPayment(false);
  EXPECT_EQ(Buttons(), "nyy");
}

TEST_F(HostOperationsTest, LookupsByName) {
  EXPECT_EQ(control.GetPaymentID("Cash"), 0);
  EXPECT_FALSE(control.GetNonSelectableID("Cash"));
  control.WritePaymentData("",
                           "8.0~Card~True|2.5~Half~-1|3.5~Odd~0|x~Bad~yes|40000~Big~False|"
                           "9~Card~0||7|1~Flagless|",
                           "", "~", "|");
  const struct {
    std::string_view name;
    std::int16_t id;
    bool non_selectable;
  } cases[] = {
      {"Card", 8, true},   // the first of two wins
      {"card", 0, false},  // names are case-sensitive
      {"Half", 2, true},   // halves to even; any number but 0 is true
      {"Odd", 4, false},      {"Bad", 0, false}, {"Big", 0, false},
      {"Flagless", 1, false}, {"", 0, false},    {"Nothing", 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(control.GetPaymentID(c.name), c.id) << c.name;
    EXPECT_EQ(control.GetNonSelectableID(c.name), c.non_selectable) << c.name;
  }
}

TEST_F(HostOperationsTest, LookupsByHostileNames) {
  control.WritePaymentData("",
                           "32768~Over~1|-32769~Under~1|-32768~Lowest~-0|32767~Highest~NaN|"
                           "1.5~Half~1e309|0x10~Hex~TRUE|\u0661~Arabic~Infinity|",
                           "", "~", "|");
  const struct {
    std::string name;
    std::int16_t id;
    bool non_selectable;
  } cases[] = {
      {"Over", 0, true},         {"Under", 0, true}, {"Lowest", -32768, false},
      {"Highest", 32767, false}, {"Half", 2, false}, {"Hex", 0, true},
      {"Arabic", 0, false},      {k10MB, 0, false},  {std::string("Over\0", 5), 0, false},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(control.GetPaymentID(c.name), c.id) << c.name.substr(0, 20);
    EXPECT_EQ(control.GetNonSelectableID(c.name), c.non_selectable) << c.name.substr(0, 20);
  }
}

// The change list as the operator's work leaves it: the edited payment updated, the
// deleted one deleted, in the host's currency, with the type's ID.
TEST_F(HostOperationsTest, ReadPaymentDataGivesTheOperatorsChanges) {
  LoadOrder("2~r1~a1~12.5~Nov 01, 2026~S1|0~r2~a2~20~Nov 02, 2026~S2|5~r3~a3~1~d3~S3|", 1, 3, 1.5);
  EXPECT_EQ(control.ReadPaymentData(), "") << "nothing changed yet";
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Click(W::cmdAdd);
  screen.QueueAnswer(kAnswerYes);
  op.ClickRow(W::lstPayment, 2);
  op.Click(W::cmdDelete);
  EXPECT_EQ(control.ReadPaymentData(), "Nov 01, 2026~2~r1~a1~12.5~S1~U|d3~5~r3~a3~1~S3~D|");
}

}  // namespace
}  // namespace corvane::testing
