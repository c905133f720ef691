// Card numbers masked on screen, on every toolkit: the list, the reference box and the
// credit card box show card payments' references masked while no entry is open; an open
// entry's fields show the whole number the operator works with; the payments and the
// change list keep the whole numbers.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "corvane/corvane.h"
#include "tests/toolkit_rig.h"

namespace corvane::testing {
namespace {

using W = WidgetId;

constexpr std::chrono::year_month_day kToday{std::chrono::year{2026}, std::chrono::December,
                                             std::chrono::day{6}};

// Offered: Check, Credit Card, On Account. Credit Card has the ID 8.
constexpr std::string_view kTypes =
    "0~Cash~0|1~On Account~0|2~Check~0|3~Voucher~0|4~Gift~0|8~Credit Card~0|";
// A check whose reference is a long number, and two card payments.
constexpr std::string_view kPayments =
    "2~000123456789~A1~100~Nov 02, 2026~S1|"
    "5~4111 1111 1111 1111~A2~50~Nov 03, 2026~S2|"
    "5~378282246310005~A3~25~Nov 04, 2026~S3|";

// The same screen shown whole and masked.
constexpr std::string_view kWholeList = "000123456789; 4111 1111 1111 1111; 378282246310005; ";
constexpr std::string_view kMaskedList = "000123456789; 4111 11•• •••• 1111; 378282•••••0005; ";

class CardMaskingTest : public ::testing::TestWithParam<std::string> {
 protected:
  CardMaskingTest() {
    control.PaymentDetails(1, 44, 1, 0, 500, "Dec 01, 2026");
    control.WritePaymentData("4111 1111 1111 1111|5500 0000 0000 0004|", kTypes, kPayments, "~",
                             "|");
  }

  // The references as the list shows them, then the reference box and the credit card box:
  // "list | reference | card".
  std::string Shown() {
    const ListView& list = screen.list_view(W::lstPayment);
    std::string out;
    for (int row = 0; row < list.Count(); ++row) out += list.SubItem(row, 1) + "; ";
    return out + "| " + screen.text_box(W::txtReference).Text() + " | " +
           screen.combo_box(W::cboCreditCard).Text();
  }
  static std::string ShownAs(std::string_view list, std::string_view reference,
                             std::string_view card) {
    return std::string(list) + "| " + std::string(reference) + " | " + std::string(card);
  }

  std::unique_ptr<ToolkitRig> rig = MakeRig(GetParam());
  Screen& screen = rig->screen();
  Operator& op = rig->op();
  Corvane control{screen, [] { return kToday; }};
};

TEST_P(CardMaskingTest, TakesEffectAtOnceBothWays) {
  op.ClickRow(W::lstPayment, 1);
  const std::string whole = ShownAs(kWholeList, "4111 1111 1111 1111", "4111 1111 1111 1111");
  EXPECT_EQ(Shown(), whole) << "off until the host turns it on";
  EXPECT_EQ(control.Snapshot().mask_card_numbers, std::nullopt);

  control.MaskCardNumbers(true);
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "4111 11•• •••• 1111", "4111 11•• •••• 1111"));
  EXPECT_EQ(control.Snapshot().mask_card_numbers, true);
  control.MaskCardNumbers(true);
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "4111 11•• •••• 1111", "4111 11•• •••• 1111"));

  control.MaskCardNumbers(false);
  EXPECT_EQ(Shown(), whole);
  EXPECT_EQ(control.Snapshot().mask_card_numbers, false);
  EXPECT_EQ(control.ReadPaymentData(), "");
}

// Only card payments are masked; the credit card box keeps the last card payment's number
// while a check is shown (as it always has), and that number follows the masking too.
TEST_P(CardMaskingTest, SelectingShowsEachPaymentAsMaskingWants) {
  control.MaskCardNumbers(true);
  op.ClickRow(W::lstPayment, 2);
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "378282•••••0005", "378282•••••0005"));
  op.Key(W::lstPayment, 36);  // Home: the check
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "000123456789", "378282•••••0005"));
  control.MaskCardNumbers(false);
  EXPECT_EQ(Shown(), ShownAs(kWholeList, "000123456789", "378282246310005"));
}

// Edit opens the whole number, the list stays masked; Save shows the payment masked again
// and the change list carries the number the operator typed.
TEST_P(CardMaskingTest, AnEditWorksOnTheWholeNumber) {
  control.MaskCardNumbers(true);
  op.ClickRow(W::lstPayment, 1);
  op.Click(W::cmdEdit);
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "4111 1111 1111 1111", "4111 1111 1111 1111"));
  EXPECT_EQ(screen.combo_box(W::cboCreditCard).ListIndex(), 0) << "the host's entry";

  op.Select(W::txtReference, 0, 19);
  op.Type(W::txtReference, "5500000000000004");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Shown(),
            "000123456789; 5500 00•• •••• 0004; 378282•••••0005; | 5500 00•• •••• 0004 | "
            "5500 00•• •••• 0004");
  EXPECT_EQ(control.ReadPaymentData(), "Nov 03, 2026~8~5500 0000 0000 0004~A2~50~S2~U|");
}

TEST_P(CardMaskingTest, CancelShowsThePaymentMaskedAgain) {
  control.MaskCardNumbers(true);
  op.ClickRow(W::lstPayment, 2);
  op.Click(W::cmdEdit);
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "378282246310005", "378282246310005"));
  op.Click(W::cmdEdit);  // Cancel
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "378282•••••0005", "378282•••••0005"));
  EXPECT_EQ(control.ReadPaymentData(), "");
}

// A new payment shows the card the operator chooses, the host's text, until Save.
TEST_P(CardMaskingTest, ANewPaymentShowsTheChosenCardUntilSaved) {
  control.MaskCardNumbers(true);
  op.ClickRow(W::lstPayment, 1);
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Credit Card");
  op.Choose(W::cboCreditCard, "5500 0000 0000 0004");
  op.Type(W::txtAmount, "10");
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "5500 0000 0000 0004", "5500 0000 0000 0004"));
  op.Click(W::cmdAdd);
  EXPECT_EQ(screen.list_view(W::lstPayment).SubItem(3, 1), "5500 00•• •••• 0004");
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "5500 00•• •••• 0004");
  EXPECT_EQ(control.ReadPaymentData(), "Dec 01, 2026~8~5500 0000 0000 0004~~10~~N|");
}

// While an entry is open the masking changes the list alone: the fields are the operator's.
TEST_P(CardMaskingTest, SwitchingDuringAnEntryChangesTheListOnly) {
  op.ClickRow(W::lstPayment, 1);
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "C200");
  control.MaskCardNumbers(true);
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "C200", ""));
  control.MaskCardNumbers(false);
  EXPECT_EQ(Shown(), ShownAs(kWholeList, "C200", ""));
  op.Click(W::cmdEdit);  // Cancel

  op.ClickRow(W::lstPayment, 2);
  op.Click(W::cmdEdit);
  control.MaskCardNumbers(true);
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "378282246310005", "378282246310005"));
  op.Click(W::cmdEdit);  // Cancel
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "378282•••••0005", "378282•••••0005"));
}

// The reference box of a shown payment groups a number of 16 characters when the operator
// leaves it: masked, it groups the whole number and shows that masked.
TEST_P(CardMaskingTest, LeavingTheShownReferenceGroupsTheWholeNumber) {
  control.WritePaymentData("", kTypes, "5~4111111111111111~A~10~Nov 05, 2026~S9|", "~", "|");
  control.MaskCardNumbers(true);
  op.ClickRow(W::lstPayment, 0);
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "411111••••••1111");
  op.Focus(W::txtReference);
  op.Focus(W::lstPayment);
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "4111 11•• •••• 1111");
  control.MaskCardNumbers(false);
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "4111 1111 1111 1111");
  // Only the box was grouped: the payment keeps its number as the host gave it.
  op.Click(W::cmdEdit);
  op.Click(W::cmdAdd);
  EXPECT_EQ(control.ReadPaymentData(), "Nov 05, 2026~8~4111111111111111~A~10~S9~U|");
}

// A deleted card payment goes to the host whole; the emptied reference box stays empty
// when masking changes, the credit card box follows it.
TEST_P(CardMaskingTest, ADeleteKeepsTheWholeNumber) {
  control.MaskCardNumbers(true);
  op.ClickRow(W::lstPayment, 1);
  rig->services().QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_EQ(Shown(), ShownAs(kMaskedList, "", "4111 11•• •••• 1111"));
  control.MaskCardNumbers(false);
  EXPECT_EQ(Shown(), ShownAs(kWholeList, "", "4111 1111 1111 1111"));
  EXPECT_EQ(control.ReadPaymentData(), "Nov 03, 2026~8~4111 1111 1111 1111~A2~50~S2~D|");
}

// A load starts the screen over: the emptied boxes stay empty when masking changes.
TEST_P(CardMaskingTest, ALoadForgetsTheNumbersShown) {
  control.MaskCardNumbers(true);
  op.ClickRow(W::lstPayment, 1);
  control.WritePaymentData("Visa|", kTypes, "2~C1~~5~Nov 01, 2026~S7|", "~", "|");
  control.MaskCardNumbers(false);
  EXPECT_EQ(Shown(), "C1; |  | ");
}

INSTANTIATE_TEST_SUITE_P(Toolkits, CardMaskingTest, ::testing::ValuesIn(Toolkits()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace corvane::testing
