// Loading cards, payment types and stored payments.
#include <gmock/gmock.h>

#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

using WritePaymentDataTest = ControlTest;

TEST_F(WritePaymentDataTest, FullLoadShowsRowsTotalAndBalance) {
  LoadOrder("2~1001~A1~12.5~Nov 30, 2026~S1|3~~~0.1~~S2|");
  EXPECT_THAT(Rows(), ElementsAre("Check|1001|A1|12.50|Nov 30, 2026|S1|", "Voucher|||0.10||S2|"));
  EXPECT_EQ(Totals(), "12.60 / 237.40");
  EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre("Visa", "Amex", "Diners"));
  EXPECT_FALSE(screen.widget(W::cboPaymentType).Enabled());
  EXPECT_EQ(screen.list_view(W::lstPayment).Selected(), std::nullopt);
  EXPECT_EQ(Buttons(), "ynn") << "the load turns Edit and Delete off after the mode";
  EXPECT_TRUE(screen.text_box(W::txtAmount).Locked());
  EXPECT_EQ(control.ReadPaymentData(), "") << "nothing changed yet";
}

TEST_F(WritePaymentDataTest, OfferedTypesDependOnOrderTypeAndPosition) {
  const struct {
    std::int16_t order_type;
    std::string_view types;
    std::vector<std::string> offered;
  } cases[] = {
      {1, kTypes, {"Check", "Wire", "On Account"}},
      {2, kTypes, {"Cash"}},
      {1, "0~Cash|1~On Account|2~Check|3~Voucher|", {"Check", "On Account"}},
      {3, "0~Cash|", {}},
      {2, "0~Cash|", {"Cash"}},
  };
  for (const auto& c : cases) {
    control.PaymentDetails(1, 0, c.order_type, 0, 0, "");
    control.WritePaymentData("", c.types, "", "~", "|");
    EXPECT_EQ(Entries(W::cboPaymentType), c.offered) << c.types << " type " << c.order_type;
  }
}

TEST_F(WritePaymentDataTest, OneTypeRecordStillResetsAndLoadsPayments) {
  control.PaymentDetails(1, 0, 1, 0, 100, "");
  control.WritePaymentData("", "0~Cash~0|", "0~R~A~40~d~S|", "~", "|");
  EXPECT_THAT(Entries(W::cboPaymentType), IsEmpty());
  EXPECT_FALSE(screen.widget(W::cboPaymentType).Enabled());
  EXPECT_THAT(Rows(), ElementsAre("Cash|R|A|40.00|d|S|"));
  EXPECT_EQ(Totals(), "40.00 / 60.00");
}

TEST_F(WritePaymentDataTest, RowShowsTheNameAtItsPositionEvenIfNotOffered) {
  LoadOrder("3~R~A~1~d~S|0~R~A~1~d~S|");
  EXPECT_THAT(Rows(), ElementsAre("Voucher|R|A|1.00|d|S|", "Cash|R|A|1.00|d|S|"));
}

TEST_F(WritePaymentDataTest, AmountsAreConvertedAndSummedToTheCent) {
  const struct {
    double rate;
    std::string_view payments;
    std::string amount0;
    std::string totals;
  } cases[] = {
      {0, "2~R~A~12.5~d~S|", "12.50", "12.50 / 237.50"},
      {1.5, "2~R~A~12.5~d~S|", "18.75", "18.75 / 231.25"},
      {0, "2~R~A~0.10~d~S|2~R~A~0.20~d~S|2~R~A~0.30~d~S|", "0.10", "0.60 / 249.40"},
      {1, "2~R~A~1,234.5~d~S|", "1234.50", "1234.50 / -984.50"},
      {-1, "2~R~A~3~d~S|", "-3.00", "-3.00 / 253.00"},
      // Carried at two decimals from row to row: 0.005 rounds up on each row.
      {0, "2~R~A~0.005~d~S|2~R~A~0.005~d~S|", "0.01", "0.02 / 249.98"},
  };
  for (const auto& c : cases) {
    LoadOrder(c.payments, 1, 1, c.rate);
    EXPECT_EQ(screen.list_view(W::lstPayment).SubItem(0, kColAmount), c.amount0) << c.payments;
    EXPECT_EQ(Totals(), c.totals) << c.payments << " at rate " << c.rate;
  }
}

TEST_F(WritePaymentDataTest, CardsNeedTheirFinalSeparator) {
  control.WritePaymentData("Visa|Amex|Diners|", "", "", "~", "|");
  EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre("Visa", "Amex", "Diners"));
  control.WritePaymentData("Visa|Amex|Diners", "", "", "~", "|");
  EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre("Visa", "Amex"));
  control.WritePaymentData(" Visa | Visa |", "", "", "~", "|");
  EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre(" Visa ", " Visa "));
}

TEST_F(WritePaymentDataTest, BlankTextsAreNotGivenButTheCombosEmptyAllTheSame) {
  LoadOrder("2~R~A~10~d~S|");
  control.WritePaymentData("   ", "  ", "   ", "~", "|");
  EXPECT_THAT(Entries(W::cboCreditCard), IsEmpty());
  EXPECT_THAT(Entries(W::cboPaymentType), IsEmpty());
  EXPECT_THAT(Rows(), ElementsAre("Check|R|A|10.00|d|S|"));
  EXPECT_EQ(control.GetPaymentID("Wire"), 5) << "the table stays";
  EXPECT_EQ(Totals(), "10.00 / 240.00");
}

TEST_F(WritePaymentDataTest, SeparatorsOfSeveralCharacters) {
  control.PaymentDetails(1, 0, 1, 0, 50, "");
  control.WritePaymentData("Visa<R>", "0<F>Cash<R>1<F>Card<R>2<F>Check<R>",
                           "2<F>r<F>a<F>5<F>d<F>s<F>extra<R>", "<F>", "<R>");
  EXPECT_THAT(Rows(), ElementsAre("Check|r|a|5.00|d|s|"));
  EXPECT_EQ(control.Snapshot().field_separator, "<F>");
  EXPECT_EQ(control.Snapshot().record_separator, "<R>");
}

TEST_F(WritePaymentDataTest, PaymentsWithoutTypesAppendToTheListAndTotal) {
  LoadOrder("2~R~A~10~d~S1|");
  control.WritePaymentData("", "", "5~R~A~5~d~S2|", "~", "|");
  EXPECT_THAT(Rows(), ElementsAre("Check|R|A|10.00|d|S1|", "Wire|R|A|5.00|d|S2|"));
  EXPECT_EQ(Totals(), "15.00 / 235.00");
}

TEST_F(WritePaymentDataTest, CallWithoutPaymentsRecomputesTheBalanceFromTheTotal) {
  LoadOrder("2~R~A~10~d~S1|");
  control.WritePaymentData("Visa|", "", "", "~", "|");
  EXPECT_EQ(Totals(), "10.00 / 240.00") << "not the ordered amount copied";
  control.WritePaymentData("", kTypes, "", "~", "|");
  EXPECT_EQ(Totals(), "0.00 / 250.00");
}

TEST_F(WritePaymentDataTest, BadCallsChangeNothingAndSayWhy) {
  LoadOrder("2~R~A~10~d~S1|");
  const std::vector<std::string> rows_before = Rows();
  const struct {
    std::string_view types;
    std::string_view payments;
    std::string_view fs;
    std::string_view rs;
    std::string error;
  } cases[] = {
      {"", "2~R~A~1~d~S|2~R~A~1~d~S|2~R~A~abc~d~S|", "~", "|",
       "WritePaymentData: payment record 3: amount 'abc' is not a number"},
      {"", "2~R~A~1~d~S|2~R~A~1~d|", "~", "|",
       "WritePaymentData: payment record 2: has 5 fields; the first record has 6"},
      {"", "2~R~A~1~d|", "~", "|",
       "WritePaymentData: payment record 1: has 5 fields; a payment needs 6"},
      {"", "1.5~R~A~1~d~S|", "~", "|",
       "WritePaymentData: payment record 1: payment type '1.5' is not a whole number"},
      {"", "6~R~A~1~d~S|", "~", "|",
       "WritePaymentData: payment record 1: payment type '6' names no payment type"},
      {"0~Cash|1~Card|", "2~R~A~1~d~S|", "~", "|",
       "WritePaymentData: payment record 1: payment type '2' names no payment type"},
      {"0~Cash||2~Check|", "1~R~A~1~d~S|", "~", "|",
       "WritePaymentData: payment record 1: payment type '1' has no name"},
      {"", "2~R~A~1e308~d~S|2~R~A~1e308~d~S|", "~", "|",
       "WritePaymentData: payment record 2: the total of the payments is too large"},
      {"", "2~R~A~1~d~S|", "", "|", "WritePaymentData: the field separator is empty"},
      {"", "2~R~A~1~d~S|", "~", "", "WritePaymentData: the record separator is empty"},
  };
  for (const auto& c : cases) {
    try {
      control.WritePaymentData("New|", c.types, c.payments, c.fs, c.rs);
      ADD_FAILURE() << "no error for " << c.payments;
    } catch (const HostError& e) {
      EXPECT_EQ(e.what(), c.error);
    }
    EXPECT_EQ(Rows(), rows_before) << c.error;
    EXPECT_EQ(Totals(), "10.00 / 240.00") << c.error;
    EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre("Visa", "Amex", "Diners")) << c.error;
    EXPECT_EQ(control.Snapshot().field_separator, "~");
    EXPECT_EQ(control.GetPaymentID("Wire"), 5) << c.error;
  }
}

TEST_F(WritePaymentDataTest, ALoadEndsAnEntryUnderWay) {
  LoadOrder("2~R~A~10~d~S1|");
  op.Click(W::cmdAdd);
  op.Type(W::txtAmount, "5");
  control.WritePaymentData("Visa|", kTypes, "2~R~A~20~d~S2|", "~", "|");
  EXPECT_EQ(control.Snapshot().entry, EntryKind::kNone);
  EXPECT_EQ(control.Snapshot().edit_amount, 0);
  EXPECT_EQ(Caption(W::cmdAdd) + "/" + Caption(W::cmdEdit), "New Payment/Edit");
  EXPECT_FALSE(screen.widget(W::DTPckrPaymentDate).Visible());
  const ComboBox& cards = screen.combo_box(W::cboCreditCard);
  EXPECT_TRUE(cards.Locked());
  EXPECT_EQ(cards.BackColor(), kButtonFace);
  op.ClickRow(W::lstPayment, 0);
  EXPECT_EQ(Look(W::txtAmount), "'20.00' locked grey") << "shown as on an idle screen";
}

TEST_F(WritePaymentDataTest, TypePositionsReadAsWholeNumbers) {
  LoadOrder(" 2~R~A~1~d~S|2.0~R~A~1~d~S|");
  EXPECT_EQ(Rows()[0].substr(0, 6), "Check|");
  EXPECT_EQ(Rows()[1].substr(0, 6), "Check|");
}

}  // namespace
}  // namespace corvane::testing
