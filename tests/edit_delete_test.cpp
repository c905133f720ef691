// Operator sessions on payments already in the list: selecting, editing, cancelling,
// deleting and undeleting, also where a total reaches the ends of a double.
#include <gmock/gmock.h>

#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Offered: Check, Card, On Account (positions 2, 5, 1); IDs Check 2, Card 8, On Account 1.
constexpr std::string_view kTypes8 =
    "0~Cash~0|1~On Account~0|2~Check~0|3~Voucher~0|4~Gift~0|8~Card~0|";

class StoredPaymentsTest : public ControlTest {
 protected:
  // Three stored payments: a check of 100, a card of 50, one on account of 25.
  void Stored(std::int16_t mode = 1, std::int16_t order_type = 1, double ordered = 300) {
    control.PaymentDetails(mode, 0, order_type, 0, ordered, "Dec 01, 2026");
    control.WritePaymentData("Visa|Amex|", kTypes8,
                             "2~C100~A1~100~Nov 02, 2026~S1|5~Visa~A2~50~~S2|"
                             "1~~~25~Nov 04, 2026~S3|",
                             "~", "|");
  }
  void Answer(int answer) { screen.QueueAnswer(answer); }
  std::string Mark(int row) { return screen.list_view(W::lstPayment).SubItem(row, kColIsUpdate); }
};

TEST_F(StoredPaymentsTest, ClickShowsTheRowLocked) {
  Stored();
  op.ClickRow(W::lstPayment, 0);
  EXPECT_EQ(Look(W::txtReference), "'C100' locked grey");
  EXPECT_EQ(Look(W::txtAuthorization), "'A1' locked grey");
  EXPECT_EQ(Look(W::txtAmount), "'100.00' locked grey");
  EXPECT_EQ(Look(W::txtPaymentDate), "'Nov 02, 2026' locked grey");
  EXPECT_EQ(screen.combo_box(W::cboPaymentType).Text(), "Check");
  EXPECT_EQ(Buttons(), "yyy");
  EXPECT_EQ(Caption(W::cmdDelete), "Delete");
}

TEST_F(StoredPaymentsTest, ArrowsHomeAndEndShowTheRowTheyMoveTo) {
  Stored();
  op.ClickRow(W::lstPayment, 0);
  op.Key(W::lstPayment, 40);
  EXPECT_EQ(Text(W::txtAmount), "50.00");
  op.Key(W::lstPayment, 35);
  EXPECT_EQ(Text(W::txtAmount), "25.00");
  op.Key(W::lstPayment, 36);
  EXPECT_EQ(Text(W::txtAmount), "100.00");
  screen.list_view(W::lstPayment).Select(2);
  op.Key(W::lstPayment, 34);  // Page Down moves nothing and shows nothing
  EXPECT_EQ(Text(W::txtAmount), "100.00");
}

TEST_F(StoredPaymentsTest, CardRowPutsItsReferenceInTheCardBoxByTypeId) {
  Stored();
  op.ClickRow(W::lstPayment, 1);
  EXPECT_EQ(screen.combo_box(W::cboCreditCard).Text(), "Visa");
  EXPECT_EQ(screen.combo_box(W::cboCreditCard).ListIndex(), 0);
  op.ClickRow(W::lstPayment, 0);
  EXPECT_EQ(screen.combo_box(W::cboCreditCard).Text(), "Visa") << "a check leaves it alone";
}

TEST_F(StoredPaymentsTest, BeforeTheModeAClickChangesNothing) {
  control.WritePaymentData("", kTypes8, "2~C~A~1~d~S|", "~", "|");
  op.ClickRow(W::lstPayment, 0);
  EXPECT_EQ(Look(W::txtReference), "'' locked grey");
}

TEST_F(StoredPaymentsTest, OrderTypeTwoSelection) {
  control.PaymentDetails(1, 0, 2, 0, 175, "Dec 01, 2026");
  control.WritePaymentData("", kTypes8, "0~a~~100~Nov 02, 2026~S1|5~Visa~~75~~S2|", "~", "|");
  EXPECT_THAT(Entries(W::cboPaymentType), ElementsAre("Cash"));
  op.ClickRow(W::lstPayment, 0);
  EXPECT_EQ(Buttons(), "nnn") << "balance 0.00";
  EXPECT_EQ(Text(W::txtAmount), "100.00") << "the row's, over the type's proposal";
  EXPECT_EQ(Text(W::txtPaymentDate), "Nov 02, 2026");
  control.OrderedAmount(200);
  // Card is not an entry on order type 2: the selection ends at the type, buttons set.
  op.ClickRow(W::lstPayment, 1);
  EXPECT_EQ(Buttons(), "ynn");
  EXPECT_EQ(Text(W::txtAmount), "100.00");
}

TEST_F(StoredPaymentsTest, EditingAStoredPaymentMarksItUpdated) {
  Stored();
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  EXPECT_EQ(State(), "'Edit' Save/Cancel focus cboPaymentType");
  EXPECT_EQ(control.Snapshot().edit_amount, 100);
  EXPECT_EQ(Look(W::txtReference), "'C100'");
  EXPECT_EQ(Look(W::txtAmount), "'100.00'");
  EXPECT_FALSE(screen.list_view(W::lstPayment).HideSelection());
  EXPECT_EQ(screen.list_view(W::lstPayment).BackColor(), kButtonFace);
  EXPECT_EQ(screen.date_picker(W::DTPckrPaymentDate).Value(), std::chrono::year{2026} / 11 / 2);
  op.Type(W::txtAmount, "120");
  op.Click(W::cmdAdd);
  EXPECT_THAT(totals, ElementsAre(195));
  EXPECT_EQ(Row(0), "Check|C100|A1|120.00|Nov 02, 2026|S1|U");
  EXPECT_EQ(control.ReadPaymentData(), "Nov 02, 2026~2~C100~A1~120~S1~U|");
}

TEST_F(StoredPaymentsTest, EditingANewPaymentKeepsItNew) {
  Stored();
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R");
  op.Type(W::txtAmount, "5");
  op.Click(W::cmdAdd);
  op.Click(W::cmdEdit);
  op.Type(W::txtAmount, "6");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Row(3), "Check|R||6.00|Dec 01, 2026||N");
}

TEST_F(StoredPaymentsTest, EditTotalCheckSubtractsTheAmountItStartedFrom) {
  Stored(1, 1, 225);  // total 175
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  screen.text_box(W::txtAmount).SetText("150.01");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Messages().size(), 1u);
  screen.text_box(W::txtAmount).SetText("150");
  op.Click(W::cmdAdd);
  EXPECT_THAT(totals, ElementsAre(225));
  // After a cancelled edit a new payment is checked against the total plus itself only.
  control.OrderedAmount(230);
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Click(W::cmdEdit);
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R");
  op.Type(W::txtAmount, "5");
  op.Click(W::cmdAdd);
  EXPECT_THAT(Messages(), IsEmpty());
  EXPECT_THAT(totals, ElementsAre(225, 230));
}

TEST_F(StoredPaymentsTest, EditOfOnAccountShowsButClosesTheReferences) {
  Stored();
  op.ClickRow(W::lstPayment, 2);
  op.Click(W::cmdEdit);
  EXPECT_EQ(Look(W::txtReference), "'' locked disabled grey");
  EXPECT_EQ(Look(W::txtAmount), "'25.00'");
}

TEST_F(StoredPaymentsTest, EditOfACardRowAndOfARowWithoutDate) {
  Stored();
  op.ClickRow(W::lstPayment, 1);
  op.Click(W::cmdEdit);
  EXPECT_TRUE(screen.widget(W::cboCreditCard).Enabled());
  EXPECT_EQ(screen.combo_box(W::cboCreditCard).Text(), "Visa");
  EXPECT_EQ(Look(W::txtReference), "'Visa'");
  EXPECT_EQ(screen.date_picker(W::DTPckrPaymentDate).Value(), kToday);
}

TEST_F(StoredPaymentsTest, EditOfATypeNotOnOfferKeepsTheType) {
  control.PaymentDetails(1, 0, 1, 0, 300, "Dec 01, 2026");
  control.WritePaymentData("", kTypes8, "2~C~~10~Nov 01, 2026~S1|0~R~~20~Nov 02, 2026~S2|", "~",
                           "|");
  op.ClickRow(W::lstPayment, 0);  // Check: selected in the type list
  op.ClickRow(W::lstPayment, 1);  // Cash is never offered: the list keeps Check
  op.Click(W::cmdEdit);
  EXPECT_EQ(screen.combo_box(W::cboPaymentType).ListIndex(), -1) << "not Check";
  op.Type(W::txtAmount, "25");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Row(1), "Cash|R||25.00|Nov 02, 2026|S2|U");
  EXPECT_EQ(control.ReadPaymentData(), "Nov 02, 2026~0~R~~25~S2~U|");
  op.Click(W::cmdEdit);
  op.Choose(W::cboPaymentType, "Check");  // empties the reference
  op.Type(W::txtReference, "R2");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Row(1), "Check|R2||25.00|Nov 02, 2026|S2|U") << "a type the operator chooses is taken";
}

TEST_F(StoredPaymentsTest, EditWithoutTypeTextDoesNothing) {
  control.PaymentDetails(1, 0, 1, 0, 300, "Dec 01, 2026");
  control.WritePaymentData("", "0~~0|1~On Account~0|2~Check~0|", "0~R~A~10~d~S1|", "~", "|");
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  EXPECT_EQ(State(), "'' New Payment/Edit focus cmdEdit");
}

TEST_F(StoredPaymentsTest, EditWhileNewPaymentIsOffLeavesOnlyCancel) {
  Stored();
  control.EnableNewPayment(false);
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  EXPECT_THROW(op.Click(W::cmdAdd), headless::ActionRefused);
  op.Click(W::cmdEdit);
  EXPECT_EQ(State(), "'' New Payment/Edit focus lstPayment");
}

TEST_F(StoredPaymentsTest, CancelShowsTheSelectedRowAgain) {
  Stored();
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Type(W::txtAmount, "7");
  op.Click(W::cmdEdit);
  EXPECT_EQ(State(), "'' New Payment/Edit focus lstPayment");
  EXPECT_EQ(Row(0), "Check|C100|A1|100.00|Nov 02, 2026|S1|");
  EXPECT_EQ(Look(W::txtAmount), "'100.00' locked grey");
  EXPECT_EQ(Buttons(), "yyy");
  EXPECT_EQ(control.Snapshot().edit_amount, 0);
  EXPECT_FALSE(screen.widget(W::DTPckrPaymentDate).Visible());
  EXPECT_THAT(totals, IsEmpty());
}

TEST_F(StoredPaymentsTest, CancelOfAnAddOnAnEmptyList) {
  control.PaymentDetails(1, 0, 1, 0, 10, "Dec 01, 2026");
  control.WritePaymentData("", kTypes8, "", "~", "|");
  op.Click(W::cmdAdd);
  op.Type(W::txtAmount, "4");
  op.Click(W::cmdEdit);
  EXPECT_EQ(Look(W::txtAmount), "'0.00' locked grey");
  EXPECT_EQ(Look(W::txtCreditCard), "'' locked grey");
  EXPECT_EQ(Buttons(), "ynn");
  EXPECT_EQ(screen.combo_box(W::cboPaymentType).ListIndex(), -1);
}

TEST_F(StoredPaymentsTest, DeleteAndUndeleteAStoredPayment) {
  Stored();
  op.ClickRow(W::lstPayment, 1);
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_THAT(Messages(),
              ElementsAre("Do you want to delete the selected payment record [Payment] 36"));
  EXPECT_EQ(Mark(1), "D");
  EXPECT_EQ(screen.list_view(W::lstPayment).ForeColor(1), kRed);
  EXPECT_EQ(screen.list_view(W::lstPayment).Description(1), "Deleted") << "for a screen reader";
  EXPECT_EQ(screen.list_view(W::lstPayment).Description(0), "");
  EXPECT_EQ(Totals(), "125.00 / 175.00");
  EXPECT_EQ(Caption(W::cmdDelete), "Undelete");
  EXPECT_EQ(Buttons(), "yny");
  EXPECT_EQ(Look(W::txtAmount), "'0.00' locked grey");
  EXPECT_FALSE(screen.widget(W::cboPaymentType).Enabled());
  EXPECT_EQ(control.ReadPaymentData(), "~8~Visa~A2~50~S2~D|");

  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_THAT(Messages(),
              ElementsAre("Do you want to Undelete the selected payment record [Payment] 36"));
  EXPECT_EQ(Mark(1), "");
  EXPECT_EQ(screen.list_view(W::lstPayment).ForeColor(1), kBlack);
  EXPECT_EQ(screen.list_view(W::lstPayment).Description(1), "");
  EXPECT_EQ(Totals(), "175.00 / 125.00");
  EXPECT_EQ(Caption(W::cmdDelete), "Delete");
  EXPECT_EQ(Buttons(), "ynn");
  EXPECT_THAT(totals, IsEmpty()) << "no AmountTotal for either";
}

TEST_F(StoredPaymentsTest, UndeleteGivesBackTheMarkFromBeforeTheDelete) {
  Stored();
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  op.Type(W::txtAmount, "90");
  op.Click(W::cmdAdd);
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_EQ(Mark(0), "U");
  EXPECT_EQ(control.ReadPaymentData(), "Nov 02, 2026~2~C100~A1~90~S1~U|");
}

TEST_F(StoredPaymentsTest, DeletingAnUnsavedPaymentRemovesIt) {
  Stored();
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R");
  op.Type(W::txtAmount, "5");
  op.Click(W::cmdAdd);
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_EQ(screen.list_view(W::lstPayment).Count(), 3);
  EXPECT_EQ(Caption(W::cmdDelete), "Delete");
  EXPECT_EQ(Buttons(), "ynn");
  EXPECT_EQ(Totals(), "175.00 / 125.00");
  EXPECT_EQ(control.ReadPaymentData(), "");
}

TEST_F(StoredPaymentsTest, NoChangesNothingAndNoSelectionAsksNothing) {
  Stored();
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdDelete);  // no answer queued: No
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Mark(0), "");
  EXPECT_EQ(Buttons(), "yyy");
  EXPECT_EQ(Totals(), "175.00 / 125.00");

  Stored();  // the reload leaves no row selected; mode 1 keeps Delete on
  control.PaymentDetails(1, 0, 1, 0, 300, "");
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_THAT(Messages(), IsEmpty());
}

TEST_F(StoredPaymentsTest, DeleteOnOrderTypeTwoAllowsANewPayment) {
  Stored(0, 2, 175);
  control.PaymentDetails(1, 0, 2, 0, 175, "");  // Delete enabled, no row clicked yet
  screen.list_view(W::lstPayment).Select(0);
  control.EnableNewPayment(false);
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_TRUE(screen.widget(W::cmdAdd).Enabled());
  EXPECT_EQ(Caption(W::cmdDelete), "Undelete");
  Answer(kAnswerYes);
  control.EnableNewPayment(false);
  op.Click(W::cmdDelete);
  EXPECT_FALSE(screen.widget(W::cmdAdd).Enabled());
}

// From 1e13 on a total no longer holds its cents, so a delete or undelete sums the payments
// that stay afresh rather than taking the amount off the total shown: the rows left add up
// to what the total shows, and the balance follows.
TEST_F(StoredPaymentsTest, DeleteOfAHugePaymentLeavesTheTotalOfTheRowsLeft) {
  for (const std::string sequence : {"S1", ""}) {  // stored: marked deleted; new: removed
    LoadOrder("2~R~A~1e13~d~" + sequence + "|2~R~A~0.01~d~S2|", 1, 3);
    const std::string loaded = Totals();
    op.ClickRow(W::lstPayment, 0);
    Answer(kAnswerYes);
    op.Click(W::cmdDelete);
    EXPECT_EQ(Totals(), "0.01 / 249.99") << sequence;
    EXPECT_EQ(control.TotalAmount(), 0.01) << sequence;
    if (sequence.empty()) {
      EXPECT_THAT(Rows(), ElementsAre("Check|R|A|0.01|d|S2|"));
      continue;
    }
    Answer(kAnswerYes);
    op.Click(W::cmdDelete);  // Undelete
    EXPECT_EQ(Totals(), loaded);
  }
}

// A delete or undelete whose total would go beyond a double changes nothing, once asked.
TEST_F(StoredPaymentsTest, ADeleteOrUndeleteWhoseTotalWouldOverflowChangesNothing) {
  LoadOrder("2~R~A~1e308~d~S1|2~R~A~-1e308~d~S2|2~R~A~1e308~d~S3|", 1, 3);
  const std::string totals_before = Totals();
  const std::vector<std::string> rows_before = Rows();
  op.ClickRow(W::lstPayment, 1);
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  EXPECT_EQ(Totals(), totals_before);
  EXPECT_EQ(Rows(), rows_before);
  EXPECT_EQ(Caption(W::cmdDelete), "Delete");
  EXPECT_THAT(Messages(),
              ElementsAre("Do you want to delete the selected payment record [Payment] 36"));

  LoadOrder("2~R~A~1e308~d~S1|", 1, 3);
  op.ClickRow(W::lstPayment, 0);
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);
  AddPayment("R", "1" + std::string(308, '0'));  // the deleted payment does not count
  op.ClickRow(W::lstPayment, 0);
  const std::string totals_deleted = Totals();
  const std::vector<std::string> rows_deleted = Rows();
  ASSERT_EQ(rows_deleted.size(), 2u);
  Messages();
  Answer(kAnswerYes);
  op.Click(W::cmdDelete);  // Undelete
  EXPECT_EQ(Totals(), totals_deleted);
  EXPECT_EQ(Rows(), rows_deleted);
  EXPECT_EQ(Caption(W::cmdDelete), "Undelete");
  EXPECT_EQ(screen.list_view(W::lstPayment).ForeColor(0), kRed);
  EXPECT_THAT(Messages(),
              ElementsAre("Do you want to Undelete the selected payment record [Payment] 36"));
}

}  // namespace
// A host that gives the order's context again during an edit opens the Delete button with
// the mode, and the operator may delete the very payment under edit. A new one leaves the
// list; the Save after it has no payment to write to and ends there, as a save with no row
// selected does, leaving the entry open: the payment after it keeps its fields. (The delete
// clears the type box; a type named "" that needs no reference lets that Save pass its checks.)
TEST_F(ControlTest, SaveOfAnEditWhosePaymentWasDeletedWritesNoOtherPayment) {
  control.PaymentDetails(1, 44, 1, 0, 500, "Dec 01, 2026");
  control.WritePaymentData("", "0~Cash~0|1~On Account~0|2~Check~0|1~~0|", "", "~", "|");
  for (std::string_view amount : {"10", "20"}) {
    op.Click(W::cmdAdd);
    op.Choose(W::cboPaymentType, "On Account");  // needs no reference
    op.Type(W::txtAmount, "\b\b\b\b");
    op.Type(W::txtAmount, amount);
    op.Click(W::cmdAdd);
  }
  ASSERT_THAT(Rows(), ElementsAre("On Account|||10.00|Dec 01, 2026||N",
                                  "On Account|||20.00|Dec 01, 2026||N"));
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdEdit);
  control.PaymentDetails(1, 44, 1, 0, 500, "Dec 01, 2026");
  screen.QueueAnswer(kAnswerYes);
  op.Click(W::cmdDelete);
  ASSERT_THAT(Rows(), ElementsAre("On Account|||20.00|Dec 01, 2026||N"));
  op.Type(W::txtAmount, "\b\b\b\b77");
  op.Click(W::cmdAdd);
  EXPECT_THAT(Messages(),
              ElementsAre("Do you want to delete the selected payment record [Payment] 36"));
  EXPECT_THAT(Rows(), ElementsAre("On Account|||20.00|Dec 01, 2026||N"));
  EXPECT_EQ(control.ReadPaymentData(), "Dec 01, 2026~1~~~20~~N|");
  EXPECT_EQ(control.TotalAmount(), 20);
  EXPECT_EQ(control.Snapshot().entry, EntryKind::kEditing);
}

}  // namespace corvane::testing
