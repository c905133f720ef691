// A currency without decimals (yen) and one with three (Kuwaiti dinars): the host sets it
// before the load, and every amount the control writes has that many decimals; the change
// list stays in the host's currency.
#include <string>

#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

class CurrencyTest : public ControlTest {
 protected:
  // The three boxes under the list and the amount box: "ordered total balance amount".
  std::string Boxes() {
    return Text(W::txtOrderedAmount) + " " + Text(W::txtTotalAmount) + " " +
           Text(W::txtBalanceAmount) + " " + Text(W::txtAmount);
  }
};

TEST_F(CurrencyTest, RefusedNumbersChangeNothing) {
  control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
  control.CurrencyDecimals(3);
  const std::string before = Summary() + " " + Boxes();
  for (std::int16_t decimals : {1, 4, -1, 32767}) {
    EXPECT_EQ(ErrorOf([&] { control.CurrencyDecimals(decimals); }),
              "CurrencyDecimals: " + std::to_string(decimals) +
                  " decimals are not taken; amounts are shown with 0, 2 or 3");
  }
  for (std::string_view code : {"XAU", "CLF", "ABC"}) {
    EXPECT_NE(ErrorOf([&] { control.CurrencyCode(code); }), "") << code;
  }
  std::vector<Variant> four{std::int16_t{4}};
  EXPECT_NE(ErrorOf([&] { Invoke(control, 0x60030048, four); }), "");
  EXPECT_EQ(Summary() + " " + Boxes(), before);
  EXPECT_EQ(control.Snapshot().currency_decimals, 3);
}

// Set it before WritePaymentData: not while an entry is open nor while the list holds
// payments. A load of payment types alone leaves the list empty, and the currency may
// still change.
TEST_F(CurrencyTest, RefusedWhileAnEntryIsOpenOrPaymentsAreLoaded) {
  LoadOrder("");
  control.CurrencyDecimals(0);
  op.Click(W::cmdAdd);
  const std::string open = Summary() + " " + Boxes();
  EXPECT_EQ(ErrorOf([&] { control.CurrencyDecimals(3); }),
            "CurrencyDecimals: an entry is open; set the currency before WritePaymentData");
  EXPECT_EQ(ErrorOf([&] { control.CurrencyCode("KWD"); }),
            "CurrencyCode: an entry is open; set the currency before WritePaymentData");
  EXPECT_EQ(Summary() + " " + Boxes(), open);
  op.Click(W::cmdEdit);  // Cancel

  control.WritePaymentData("", "", kStored, "~", "|");
  const std::string loaded = Summary() + " " + Boxes();
  EXPECT_EQ(loaded,
            "10 / 240 ynn '' New Payment/Edit focus lstPayment [Check|R|A|10|d|S1|] 250 10 240 0");
  EXPECT_EQ(ErrorOf([&] { control.CurrencyDecimals(2); }),
            "CurrencyDecimals: the list holds payments; set the currency before WritePaymentData");
  EXPECT_EQ(Summary() + " " + Boxes(), loaded);
  EXPECT_EQ(control.Snapshot().currency_decimals, 0);
}

// Taken, the currency shows at once in the boxes; the captions keep their "$".
TEST_F(CurrencyTest, TheBoxesShowItAtOnce) {
  EXPECT_EQ(control.Snapshot().currency_decimals, std::nullopt) << "until the host sets it";
  control.PaymentDetails(1, 81, 1, 0, 25000.5, "Dec 01, 2026");
  EXPECT_EQ(Boxes(), "25000.50 0.00 25000.50 0.00");
  control.CurrencyDecimals(0);
  EXPECT_EQ(Boxes(), "25001 0 25001 0");
  control.CurrencyDecimals(3);
  EXPECT_EQ(Boxes(), "25000.500 0.000 25000.500 0.000");
  control.OrderedAmount(99.9995);
  EXPECT_EQ(Boxes(), "100.000 0.000 100.000 0.000");
  EXPECT_EQ(screen.label(W::lblAmount).Caption(), "Amount $:");
  EXPECT_EQ(screen.list_view(W::lstPayment).Columns()[3].text, "Amount ($)");
  EXPECT_EQ(control.Snapshot().currency_decimals, 3);
  EXPECT_EQ(control.Snapshot().currency_code, "");
}

TEST_F(CurrencyTest, YenOrder) {
  control.CurrencyDecimals(0);
  LoadOrder("2~C1~~12000~Nov 28, 2026~S1|5~W1~~999.5~Nov 29, 2026~S2|", 1, 1, 0, 25000);
  EXPECT_EQ(Listed(),
            "13000 / 12000 [Check|C1||12000|Nov 28, 2026|S1|] [Wire|W1||1000|Nov 29, 2026|S2|]");

  op.Click(W::cmdAdd);
  EXPECT_EQ(Text(W::txtAmount), "0");
  op.Type(W::txtReference, "1001");
  op.Type(W::txtAmount, "1.5");  // no decimal point in yen
  EXPECT_EQ(Text(W::txtAmount), "15");
  op.Type(W::txtAmount, "00");
  op.Focus(W::txtReference);
  EXPECT_EQ(Text(W::txtAmount), "1500");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Listed(),
            "14500 / 10500 [Check|C1||12000|Nov 28, 2026|S1|] [Wire|W1||1000|Nov 29, 2026|S2|] "
            "[Check|1001||1500|Dec 01, 2026||N]");
  EXPECT_EQ(totals, std::vector<double>{14500});
  EXPECT_EQ(Text(W::txtAmount), "1500") << "the saved payment, shown";

  // The total may reach the ordered amount exactly, not pass it by one yen.
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "1002");
  op.Type(W::txtAmount, "10501");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Messages(), std::vector<std::string>{"The Total Amount of all payments has to be "
                                                 "less than or equal to Ordered Amount  "
                                                 "[ Corvane] 64"});
  op.Type(W::txtAmount, "10500");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Totals(), "25000 / 0");

  op.ClickRow(W::lstPayment, 1);
  screen.QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);
  Messages();
  EXPECT_EQ(Totals() + " " + Text(W::txtAmount), "24000 / 1000 0");
  EXPECT_EQ(control.ReadPaymentData(),
            "Nov 29, 2026~5~W1~~1000~S2~D|Dec 01, 2026~2~1001~~1500~~N|"
            "Dec 01, 2026~2~1002~~10500~~N|");
}

TEST_F(CurrencyTest, KuwaitiDinarOrder) {
  control.CurrencyCode("KWD");
  LoadOrder("2~C1~~60.0005~Nov 28, 2026~S1|", 1, 1, 0, 100);
  EXPECT_EQ(Listed(), "60.001 / 39.999 [Check|C1||60.001|Nov 28, 2026|S1|]");

  op.Click(W::cmdAdd);
  EXPECT_EQ(Text(W::txtAmount), "0.000");
  op.Type(W::txtReference, "1001");
  op.Type(W::txtAmount, "39.9995");  // leaving rounds it, halves away from zero
  op.Click(W::cmdAdd);
  EXPECT_EQ(Text(W::txtAmount), "40.000");
  EXPECT_EQ(Messages().size(), 1u) << "40.000 passes the ordered amount by a fils";
  op.Type(W::txtAmount, "39.999");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Listed(),
            "100.000 / 0.000 [Check|C1||60.001|Nov 28, 2026|S1|] "
            "[Check|1001||39.999|Dec 01, 2026||N]");
  EXPECT_EQ(totals, std::vector<double>{100});

  // An edit to a thousandth less.
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Type(W::txtAmount, "60.0004");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Totals(), "99.999 / 0.001");
  EXPECT_EQ(control.ReadPaymentData(),
            "Nov 28, 2026~2~C1~~60~S1~U|Dec 01, 2026~2~1001~~39.999~~N|");
  EXPECT_EQ(control.TotalAmount(), 99.999);
}

// A thousand payments of a fils: the total is exact, saved one by one as loaded at once.
TEST_F(CurrencyTest, ThousandthsAddUpExactly) {
  control.CurrencyDecimals(3);
  std::string payments;
  for (int i = 0; i < 999; ++i) payments += "2~R~~0.001~d~S|";
  LoadOrder(payments, 1, 3, 0, 1);
  EXPECT_EQ(Totals(), "0.999 / 0.001");
  AddPayment("R", "0.001");
  EXPECT_EQ(Totals(), "1.000 / 0.000");
  EXPECT_EQ(totals, std::vector<double>{1});
}

// Order type 2 proposes what is left to pay, and tops a payment up, in whole yen.
TEST_F(CurrencyTest, OrderTypeTwoWithoutDecimals) {
  control.CurrencyDecimals(0);
  LoadOrder("", 1, 2, 0, 5000.4);
  op.Click(W::cmdAdd);
  EXPECT_EQ(Text(W::txtAmount), "5000") << "the proposal";
  op.Type(W::txtAmount, "3000");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Listed(), "3000 / 2000 [Cash|||3000|Dec 01, 2026||N]");
  op.Click(W::cmdAdd);  // the top-up
  EXPECT_EQ(Listed() + " " + Text(W::txtAmount), "5000 / 0 [Cash|||5000|Dec 01, 2026||N] 5000");
}

// The change list is in the host's currency, divided by the rate as always, written with
// up to 15 significant digits whatever the displayed currency's decimals.
TEST_F(CurrencyTest, ChangeListInTheHostsCurrencyWithoutDecimals) {
  control.CurrencyDecimals(0);
  LoadOrder("2~R~~100~d~S1|", 1, 1, 0.3, 250);
  EXPECT_EQ(Listed(), "30 / 220 [Check|R||30|d|S1|]");
  AddPayment("N1", "31");
  EXPECT_EQ(control.ReadPaymentData(), "Dec 01, 2026~2~N1~~103.333333333333~~N|");
}

TEST_F(CurrencyTest, ChangeListInTheHostsCurrencyWithThreeDecimals) {
  control.CurrencyDecimals(3);
  LoadOrder("2~R~~12.5~d~S1|", 1, 1, 1.5, 250);
  EXPECT_EQ(Listed(), "18.750 / 231.250 [Check|R||18.750|d|S1|]");
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Type(W::txtAmount, "18.751");
  op.Click(W::cmdAdd);
  AddPayment("N1", "3");
  EXPECT_EQ(control.ReadPaymentData(), "d~2~R~~12.5006666666667~S1~U|Dec 01, 2026~2~N1~~2~~N|");
}

}  // namespace
}  // namespace corvane::testing
