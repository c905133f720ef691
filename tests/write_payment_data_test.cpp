// Loading cards, payment types and stored payments, and the loads that look wrong: each is
// either taken with the result its rules give or refused whole with a clear error.
#include <gmock/gmock.h>

#include <string>
#include <vector>

#include "readings/numbers.h"
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

// Card names are split on the record separator only, and each needs the separator after it.
TEST_F(WritePaymentDataTest, CardsNeedTheirFinalSeparator) {
  control.WritePaymentData("Visa|Amex|Diners|", "", "", "~", "|");
  EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre("Visa", "Amex", "Diners"));
  control.WritePaymentData("Visa|Amex|Diners", "", "", "~", "|");
  EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre("Visa", "Amex"));
  control.WritePaymentData(" Visa | Visa |", "", "", "~", "|");
  EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre(" Visa ", " Visa "));
  // "~" is a card's own character where it separates no field.
  control.WritePaymentData("Vi~sa|Mc~x", "0#Cash#0|8#Card#0|", "", "#", "|");
  EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre("Vi~sa"));
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

std::string Repeat(std::string_view piece, std::size_t times) {
  std::string out;
  out.reserve(piece.size() * times);
  for (std::size_t i = 0; i < times; ++i) out += piece;
  return out;
}

// Loads that look wrong but are taken, after the stored check: the totals and the list, and
// the separators, afterwards.
TEST_F(WritePaymentDataTest, OddLoadsThatAreTaken) {
  const std::string nul(1, '\0');
  const std::string stored = " [" + kStoredRows[0] + "]";
  const std::string added_5 = "15.00 / 235.00" + stored + " [Check|r|a|5.00|d|s|]";
  const struct {
    const char* name;
    std::string cards, types, payments, fs, rs;
    std::string listed;  // totals and rows
  } cases[] = {
      {"TenMegabyteCardWithoutSeparatorIsNoCard", k10MB, "", "", "~", "|",
       "10.00 / 240.00" + stored},
      {"TenMegabyteReference", "", "", "2~" + k10MB + "~A~1~d~S2|", "~", "|",
       "11.00 / 239.00" + stored + " [Check|" + k10MB + "|A|1.00|d|S2|]"},
      {"FiveCharacterSeparators", "Visa<RS>|", "", "2<FS>~r<FS>~a<FS>~5<FS>~d<FS>~s<RS>|", "<FS>~",
       "<RS>|", added_5},
      // Types given start the list over; a field beyond the sixth is passed over.
      {"SeveralCharacterSeparatorsAndAFieldTooMany", "Visa<R>",
       "0<F>Cash<R>1<F>Card<R>2<F>Check<R>", "2<F>r<F>a<F>5<F>d<F>s<F>extra<R>", "<F>", "<R>",
       "5.00 / 245.00 [Check|r|a|5.00|d|s|]"},
      {"MultiByteSeparators", "", "", "2\u00b7r\u00b7a\u00b75\u00b7d\u00b7s\u20ac", "\u00b7",
       "\u20ac", added_5},
      {"ControlCharacterSeparators", "", "", "2\tr\ta\t5\td\ts\r\n", "\t", "\r\n", added_5},
      {"NulInsideAFieldIsKept", "", "", "2~r" + nul + "x~a~5~d~s|", "~", "|",
       "15.00 / 235.00" + stored + " [Check|r" + nul + "x|a|5.00|d|s|]"},
      // A separator inside a field cuts it: the fields after it move one place on.
      {"SeparatorInsideAFieldMovesTheAmount", "", "", "2~R~7~5~10~d~S2|", "~", "|",
       "15.00 / 235.00" + stored + " [Check|R|7|5.00|10|d|]"},
      {"RecordSeparatorIsTheFieldSeparatorTwice", "", "", "2~R~A~5~d~S2~~", "~", "~~",
       "15.00 / 235.00" + stored + " [Check|R|A|5.00|d|S2|]"},
      // Only spaces make a text blank: a tab is a type list with no record, and starts over.
      {"TabAsTypesStartsOver", "", "\t", "", "~", "|", "0.00 / 250.00"},
      {"NegativeZeroAmount", "", "", "2~R~A~-0~d~S2|", "~", "|",
       "10.00 / 240.00" + stored + " [Check|R|A|0.00|d|S2|]"},
      {"ThousandsSeparatorsAnywhereBetweenDigits", "", "", "2~R~A~1,2,3~d~S2|", "~", "|",
       "133.00 / 117.00" + stored + " [Check|R|A|123.00|d|S2|]"},
      {"TypePositionsWithALeadingSpaceOrAZeroFraction", "", "", " 2~R~A~1~d~S2|2.0~R~A~1~d~S3|",
       "~", "|", "12.00 / 238.00" + stored + " [Check|R|A|1.00|d|S2|] [Check|R|A|1.00|d|S3|]"},
      // Each payment counts at the amount its row shows: 0.01 and -0.01, not 0.005 - 0.005.
      {"HalfCentsCountAsTheirRowsShowThem", "", "", "2~R~A~0.005~d~S2|2~R~A~-0.005~d~S3|", "~", "|",
       "10.00 / 240.00" + stored + " [Check|R|A|0.01|d|S2|] [Check|R|A|-0.01|d|S3|]"},
      {"DatesAreKeptAsGiven", "", "",
       "2~R~A~1~Feb 30, 2024~S2|2~R~A~1~Dec 06, 2061~S3|2~R~A~1~tomorrow~S4|", "~", "|",
       "13.00 / 237.00" + stored +
           " [Check|R|A|1.00|Feb 30, 2024|S2|] [Check|R|A|1.00|Dec 06, 2061|S3|]"
           " [Check|R|A|1.00|tomorrow|S4|]"},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    EXPECT_EQ(ErrorOf([&] { control.WritePaymentData(c.cards, c.types, c.payments, c.fs, c.rs); }),
              "")
        << c.name;
    EXPECT_EQ(Listed(), c.listed) << c.name;
    EXPECT_EQ(control.Snapshot().field_separator, c.fs) << c.name;
    EXPECT_EQ(control.Snapshot().record_separator, c.rs) << c.name;
  }
}

// A load that cannot be taken whole says why and changes nothing: not the list, the
// totals, the cards, the payment types or the separators.
TEST_F(WritePaymentDataTest, RefusedLoadsChangeNothingAndSayWhy) {
  const std::string nul(1, '\0');
  const std::string e = "WritePaymentData: payment record 1: ";
  const struct {
    std::string cards, types, payments, fs, rs;
    std::string error;
  } cases[] = {
      {"New|", "", "2~R~A~1~d~S|2~R~A~1~d~S|2~R~A~abc~d~S|", "~", "|",
       "WritePaymentData: payment record 3: amount 'abc' is not a number"},
      {"New|", "", "2~R~A~1~d~S|2~R~A~1~d|", "~", "|",
       "WritePaymentData: payment record 2: has 5 fields; the first record has 6"},
      {"New|", "", "2~R~A~1~d|", "~", "|", e + "has 5 fields; a payment needs 6"},
      {"New|", "", "1.5~R~A~1~d~S|", "~", "|", e + "payment type '1.5' is not a whole number"},
      {"New|", "", "6~R~A~1~d~S|", "~", "|", e + "payment type '6' names no payment type"},
      {"", "", "-1~R~A~1~d~S2|", "~", "|", e + "payment type '-1' names no payment type"},
      {"", "", "32768~R~A~1~d~S2|", "~", "|", e + "payment type '32768' names no payment type"},
      {"New|", "0~Cash|1~Card|", "2~R~A~1~d~S|", "~", "|",
       e + "payment type '2' names no payment type"},
      {"New|", "0~Cash||2~Check|", "1~R~A~1~d~S|", "~", "|", e + "payment type '1' has no name"},
      {"New|", "", "2~R~A~1e308~d~S|2~R~A~1e308~d~S|", "~", "|",
       "WritePaymentData: payment record 2: the total of the payments is too large"},
      {"New|", "", "2~R~A~1~d~S|", "", "|", "WritePaymentData: the field separator is empty"},
      {"New|", "", "2~R~A~1~d~S|", "~", "", "WritePaymentData: the record separator is empty"},
      // Chosen, a card holding the field separator would cut its change record in two.
      {"Amex|Vi~sa|", "0~Cash~0|", "", "~", "|",
       "WritePaymentData: credit card 2 'Vi~sa' holds the field separator"},
      {"", "", k10MB + "|", "x", "|", e + "payment type '' is not a whole number"},
      {"", "", Repeat("|", 10 << 20), "~", "|", e + "has 0 fields; a payment needs 6"},
      {"", "", "2" + nul + "r" + nul + "a" + nul + "x" + nul + "5" + nul + "d" + nul + "s\n", nul,
       "\n", e + "amount 'x' is not a number"},
      {"", "", "2~a~b~A~5~d~S2|", "~", "|", e + "amount 'A' is not a number"},
      {"", "", "2~R~~5~d~S2~~", "~", "~~", e + "has 2 fields; a payment needs 6"},
      {"", "", "2~~R~~A~~5~~d~~S2~", "~~", "~", e + "has 1 fields; a payment needs 6"},
      {"", "", "2~R~A~1e309~d~S2|", "~", "|", e + "amount '1e309' is not a number"},
      {"", "", "2~R~A~NaN~d~S2|", "~", "|", e + "amount 'NaN' is not a number"},
      {"", "", "2~R~A~Infinity~d~S2|", "~", "|", e + "amount 'Infinity' is not a number"},
      {"", "", "2~R~A~0x10~d~S2|", "~", "|", e + "amount '0x10' is not a number"},
      {"", "", "2~R~A~\u0661\u0662~d~S2|", "~", "|", e + "amount '\u0661\u0662' is not a number"},
      // The largest doubles write as 1.79769313486232e308, beyond the range of a double.
      {"", "", "2~R~A~1.7976931348623157e308~d~S2|", "~", "|",
       e + "amount '1.7976931348623157e308' is too large"},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    EXPECT_EQ(ErrorOf([&] { control.WritePaymentData(c.cards, c.types, c.payments, c.fs, c.rs); }),
              c.error);
    EXPECT_EQ(Rows(), kStoredRows) << c.error;
    EXPECT_EQ(Totals(), "10.00 / 240.00") << c.error;
    EXPECT_THAT(Entries(W::cboCreditCard), ElementsAre("Visa", "Amex", "Diners")) << c.error;
    EXPECT_EQ(control.GetPaymentID("Wire"), 5) << c.error;
    EXPECT_EQ(control.Snapshot().field_separator, "~") << c.error;
  }
}

// At a rate below 1 an amount may fit a double here but not in the host's currency.
TEST_F(WritePaymentDataTest, RefusesAnAmountTheHostCouldNotReadBack) {
  LoadOrder(kStored, 1, 1, 0.5);
  EXPECT_EQ(ErrorOf([&] {
              control.WritePaymentData("", "", "2~R~A~1.7976931348623157e308~d~S2|", "~", "|");
            }),
            "WritePaymentData: payment record 1: amount '1.7976931348623157e308' is too large");
  EXPECT_THAT(Rows(), ElementsAre("Check|R|A|5.00|d|S1|"));
  control.WritePaymentData("", "", "2~R~A~1e308~d~S2|", "~", "|");
  EXPECT_THAT(Rows(),
              ElementsAre("Check|R|A|5.00|d|S1|", "Check|R|A|" + FormatAmount(5e307) + "|d|S2|"));
}

}  // namespace
}  // namespace corvane::testing
