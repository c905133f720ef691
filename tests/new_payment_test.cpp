// Operator sessions: New Payment, the payment type's fields, the checks of a save, and the
// save itself.
#include <gmock/gmock.h>

#include <functional>
#include <string>

#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Offered in this order: Check (2), Card (8), Blocked (6, not selectable), On Account (1).
constexpr std::string_view kShopTypes =
    "0~Cash~0|1~On Account~0|2~Check~0|3~Voucher~0|4~Gift~0|8~Card~0|6~Blocked~True|";

class NewPaymentTest : public ControlTest {
 protected:
  void Shop(std::string_view payments = "", std::int16_t order_type = 1, double ordered = 250,
            std::string_view cards = "Visa|Amex|") {
    control.PaymentDetails(1, 44, order_type, 0, ordered, "Dec 01, 2026");
    control.WritePaymentData(cards, kShopTypes, payments, "~", "|");
  }
  void Save() { op.Click(W::cmdAdd); }
};

TEST_F(NewPaymentTest, AFirstPaymentFromNewToSaved) {
  Shop();
  op.Click(W::cmdAdd);
  EXPECT_EQ(State(), "'Add' Save/Cancel focus txtReference");
  EXPECT_EQ(Buttons(), "yyn");
  EXPECT_FALSE(screen.widget(W::lstPayment).Enabled());
  EXPECT_EQ(screen.combo_box(W::cboPaymentType).Text(), "Check");
  EXPECT_TRUE(screen.widget(W::cboPaymentType).Enabled());
  EXPECT_EQ(Look(W::txtPaymentDate), "'Dec 01, 2026' locked");
  EXPECT_TRUE(screen.widget(W::DTPckrPaymentDate).Visible());
  EXPECT_EQ(screen.date_picker(W::DTPckrPaymentDate).Value(), std::chrono::year{2026} / 12 / 1);

  op.Type(W::txtReference, "1001");
  op.Type(W::txtAmount, "100");  // entering the amount selected "0.00": typing replaces it
  Save();
  EXPECT_THAT(totals, ElementsAre(100));
  EXPECT_THAT(Messages(), IsEmpty());
  EXPECT_THAT(Rows(), ElementsAre("Check|1001||100.00|Dec 01, 2026||N"));
  EXPECT_EQ(screen.list_view(W::lstPayment).Selected(), 0);
  EXPECT_EQ(Totals(), "100.00 / 150.00");
  EXPECT_EQ(State(), "'' New Payment/Edit focus lstPayment");
  EXPECT_EQ(control.Snapshot().edit_amount, 0);
  EXPECT_EQ(Buttons(), "yyy") << "the saved row is selected and open in mode 1";
  EXPECT_EQ(Look(W::txtReference), "'1001' locked grey");
  EXPECT_EQ(Look(W::txtAmount), "'100.00' locked grey");
  EXPECT_EQ(Look(W::txtPaymentDate), "'Dec 01, 2026' locked grey");
  EXPECT_FALSE(screen.widget(W::DTPckrPaymentDate).Visible());
  EXPECT_FALSE(screen.widget(W::cboPaymentType).Enabled());
  EXPECT_EQ(control.ReadPaymentData(), "Dec 01, 2026~2~1001~~100~~N|");
}

struct CheckCase {
  const char* name;
  std::int16_t order_type;
  const char* type;
  std::string reference;
  std::string authorization;
  std::string amount;
  std::string message;  // "" when the save goes through
  const char* focus;
};

class SaveChecksTest : public NewPaymentTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(SaveChecksTest, FirstFailingCheckSpeaks) {
  const CheckCase& c = GetParam();
  Shop("", c.order_type, 100);
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, c.type);
  // Pasted rather than typed: the key filters would refuse blanks.
  if (screen.widget(W::txtReference).Enabled())
    screen.text_box(W::txtReference).SetText(c.reference);
  screen.text_box(W::txtAuthorization).SetText(c.authorization);
  screen.text_box(W::txtAmount).SetText(c.amount);
  Save();
  if (c.message.empty()) {
    EXPECT_THAT(Messages(), IsEmpty());
    EXPECT_EQ(State(), "'' New Payment/Edit focus lstPayment");
    EXPECT_EQ(totals.size(), 1u);
  } else {
    EXPECT_THAT(Messages(), ElementsAre(c.message));
    EXPECT_EQ(State(), std::string("'Add' Save/Cancel focus ") + c.focus);
    EXPECT_THAT(totals, IsEmpty());
  }
}

const std::string k20 = "12345678901234567890";
const std::string kNoAmount = "Please enter the Payment Amount [ Corvane] 64";
const std::string kLongAuthorization =
    "Autorization Number cannot exceed 20 characters [ Corvane] 64";
INSTANTIATE_TEST_SUITE_P(
    InOrder, SaveChecksTest,
    ::testing::Values(
        CheckCase{"NotSelectable", 1, "Blocked", "", "", "0",
                  "Blocked cannot be selected from the center for use on a new or existing "
                  "payment. [ Corvane] 64",
                  "cboPaymentType"},
        CheckCase{"ReferenceBeforeAmount", 1, "Check", "", "", "0",
                  "Please enter the Reference Number [Corvane] 64", "txtReference"},
        CheckCase{"BlankReferenceIsPresent", 1, "Check", "   ", "", "5", "", ""},
        CheckCase{"NoReferenceForOnAccount", 1, "On Account", "", "", "5", "", ""},
        CheckCase{"NoReferenceOnOrderTypeTwo", 2, "Cash", "", "", "5", "", ""},
        CheckCase{"AuthorizationOf20", 1, "Check", "R", "  " + k20 + " ", "5", "", ""},
        CheckCase{"AuthorizationOf21", 1, "Check", "R", k20 + "1", "5", kLongAuthorization,
                  "txtAuthorization"},
        CheckCase{"ReferenceOf21", 1, "Check", " " + k20 + "1", k20 + "1", "5", kLongAuthorization,
                  "txtAuthorization"},
        CheckCase{"ReferenceOf21Alone", 1, "Check", k20 + "1", "", "5",
                  "Reference Number cannot exceed  20 characters [ Corvane] 64", "txtReference"},
        CheckCase{"GroupedCardNumber", 1, "Check", "4111 1111 1111 1111", "", "5", "", ""},
        CheckCase{"ZeroAmount", 1, "Check", "R", "", "0.00", kNoAmount, "txtAmount"},
        CheckCase{"EmptyAmount", 1, "Check", "R", "", "", kNoAmount, "txtAmount"},
        CheckCase{"WordAmount", 1, "Check", "R", "", "abc", kNoAmount, "txtAmount"},
        CheckCase{"LeadingNumberCounts", 1, "Check", "R", "", "12abc", "", ""},
        CheckCase{"AmountTooLargeToTotal", 3, "Check", "R", "", std::string(400, '9'), kNoAmount,
                  "txtAmount"},
        CheckCase{"TotalAtTheOrderedAmount", 1, "Check", "R", "", "100", "", ""},
        CheckCase{"TotalOverTheOrderedAmount", 4, "Check", "R", "", "100.01",
                  "The Total Amount of all payments has to be less than or equal to Ordered "
                  "Amount  [ Corvane] 64",
                  "txtAmount"},
        CheckCase{"NoTotalCheckOnOrderTypeThree", 3, "Check", "R", "", "100.01", "", ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(NewPaymentTest, TotalCheckCountsTheListAtTheCentAndWritesTheDateFirst) {
  Shop("2~a~~60~d~S|", 1, 100);
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R");
  screen.text_box(W::txtAmount).SetText("40.01");
  Save();
  EXPECT_EQ(Messages().size(), 1u);
  EXPECT_EQ(Text(W::txtPaymentDate), "Dec 01, 2026");
  screen.text_box(W::txtAmount).SetText("40");
  Save();
  EXPECT_THAT(totals, ElementsAre(100));
  EXPECT_EQ(Totals(), "100.00 / 0.00");
}

TEST_F(NewPaymentTest, NoOrderTypeCheckLeavesANegativeBalance) {
  Shop("2~a~~60~d~S|", 0, 100);
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R");
  op.Type(W::txtAmount, "50");
  Save();
  EXPECT_EQ(Totals(), "110.00 / -10.00");
}

TEST_F(NewPaymentTest, CardTypeWithCardsOpensTheCardList) {
  Shop();
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "  4111111111111111 ");
  op.Choose(W::cboPaymentType, "Card");
  const ComboBox& cards = screen.combo_box(W::cboCreditCard);
  EXPECT_TRUE(cards.Enabled());
  EXPECT_EQ(cards.BackColor(), kWindowBackground);
  EXPECT_LT(cards.ZIndex(), screen.widget(W::txtCreditCard).ZIndex());
  EXPECT_EQ(Focus(), "cboCreditCard");
  EXPECT_EQ(Look(W::txtReference), "'4111 1111 1111 1111'");

  op.Choose(W::cboCreditCard, "Amex");
  EXPECT_EQ(Look(W::txtReference), "'Amex'");
  EXPECT_EQ(Focus(), "txtAuthorization");
}

TEST_F(NewPaymentTest, CardTypeWithNotFoundShowsTheTextBox) {
  Shop("", 1, 250, "Not Found|");
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Card");
  EXPECT_LT(screen.widget(W::txtCreditCard).ZIndex(), screen.widget(W::cboCreditCard).ZIndex());
  EXPECT_EQ(Look(W::txtCreditCard), "'Not Found' disabled");
  EXPECT_EQ(Look(W::txtReference), "''");
  EXPECT_EQ(Look(W::txtAuthorization), "''");
  EXPECT_EQ(Focus(), "txtReference");
}

TEST_F(NewPaymentTest, CardTypeWithoutCardsIsHandledAsAList) {
  Shop("", 1, 250, "");
  op.Click(W::cmdAdd);
  op.Choose(W::cboPaymentType, "Card");
  EXPECT_EQ(Focus(), "cboCreditCard");
  EXPECT_EQ(screen.combo_box(W::cboCreditCard).ListCount(), 0);
}

TEST_F(NewPaymentTest, OnAccountClosesTheReferenceFields) {
  Shop();
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R1");
  op.Choose(W::cboPaymentType, "On Account");
  EXPECT_EQ(Look(W::txtReference), "'' disabled grey");
  EXPECT_EQ(Look(W::txtAuthorization), "'' disabled grey");
  EXPECT_EQ(Look(W::txtCreditCard), "'' disabled grey");
  EXPECT_EQ(Focus(), "txtAmount");
  op.Choose(W::cboPaymentType, "Check");
  EXPECT_EQ(Look(W::txtReference), "''");
  EXPECT_EQ(Focus(), "txtReference");
}

TEST_F(NewPaymentTest, OrderTypeTwoProposesWhatIsLeftToPay) {
  control.PaymentDetails(1, 0, 2, 0, 100, "Nov 30, 2026");
  control.WritePaymentData("Visa|", "0~Cash~0|8~Card~0|", "", "~", "|");
  op.Click(W::cmdAdd);
  EXPECT_EQ(Text(W::txtAmount), "100.00");
  EXPECT_EQ(Text(W::txtPaymentDate), "Nov 30, 2026");
  EXPECT_EQ(Look(W::txtReference), "'' disabled grey");
  EXPECT_NE(Focus(), "txtAmount") << "no focus move on order type 2";
  Save();
  EXPECT_THAT(Rows(), ElementsAre("Cash|||100.00|Nov 30, 2026||N"));
}

TEST_F(NewPaymentTest, EmptyTypeListOpensWithNoType) {
  control.PaymentDetails(1, 0, 1, 0, 100, "Dec 01, 2026");
  op.Click(W::cmdAdd);
  EXPECT_EQ(screen.combo_box(W::cboPaymentType).ListIndex(), -1);
  EXPECT_EQ(State(), "'Add' Save/Cancel focus cmdAdd");
}

// At a rate below 1 an amount may be finite on screen but not in the host's currency: a
// save refuses it as it refuses an amount too large to total, and the change list keeps
// working. One digit fewer is taken and reaches the host.
TEST_F(NewPaymentTest, AnAmountTheHostsCurrencyCannotHoldIsRefused) {
  LoadOrder(kStored, 1, 3, 0.5);
  AddPayment("R", std::string(308, '9'));
  EXPECT_THAT(Messages(), ElementsAre("Please enter the Payment Amount [ Corvane] 64"));
  EXPECT_EQ(State(), "'Add' Save/Cancel focus txtAmount");
  EXPECT_THAT(Rows(), ElementsAre("Check|R|A|5.00|d|S1|"));
  EXPECT_THAT(totals, IsEmpty());
  EXPECT_EQ(ErrorOf([&] { control.ReadPaymentData(); }), "");
  op.Type(W::txtAmount, std::string(307, '9'));  // the focus selects the whole amount
  Save();
  EXPECT_THAT(Messages(), IsEmpty());
  EXPECT_EQ(control.ReadPaymentData(), "Dec 01, 2026~2~R~~2E+307~~N|");
}

TEST_F(NewPaymentTest, NewPaymentBeforeTheModeDoesNothing) {
  control.WritePaymentData("", kShopTypes, "", "~", "|");
  op.Click(W::cmdAdd);
  EXPECT_EQ(State(), "'' New Payment/Edit focus cmdAdd");
}

TEST_F(NewPaymentTest, DeletedRowsStayOutOfTheTotal) {
  Shop("2~a~~10~d~S1|2~b~~20~d~S2|");
  screen.QueueAnswer(kAnswerYes);
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdDelete);
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R");
  op.Type(W::txtAmount, "1");
  Save();
  EXPECT_THAT(totals, ElementsAre(21)) << "the deleted one is out";
}

class TopUpTest : public NewPaymentTest {
 protected:
  void TopUp(std::string_view payments, int row) {
    Shop(payments, 2, 100);
    op.ClickRow(W::lstPayment, row);
    op.Click(W::cmdAdd);
  }
};

TEST_F(TopUpTest, SelectedPaymentTakesTheOrderedAmount) {
  TopUp("0~a~~40~d~S1|", 0);
  EXPECT_THAT(Rows(), ElementsAre("Cash|a||100.00|d|S1|U"));
  EXPECT_EQ(Totals(), "100.00 / 0.00");
  EXPECT_EQ(Text(W::txtAmount), "100.00");
  EXPECT_FALSE(screen.widget(W::cmdAdd).Enabled());
  // Disabled under the focus, New Payment passes it on in tab order, over the "Not Found"
  // box that the card combo box covers.
  EXPECT_EQ(State(), "'' New Payment/Edit focus lstPayment");
  EXPECT_THAT(totals, IsEmpty());
}

TEST_F(TopUpTest, TotalCountsEveryPayment) {
  TopUp("0~a~~40~d~S1|0~b~~30~d~S2|", 1);
  EXPECT_THAT(Rows(), ElementsAre("Cash|a||40.00|d|S1|", "Cash|b||100.00|d|S2|U"));
  EXPECT_EQ(Totals(), "140.00 / -40.00");
}

TEST_F(TopUpTest, NewPaymentStaysNewAndDeletedOneStaysDeleted) {
  Shop("", 2, 100);
  op.Click(W::cmdAdd);  // no payment yet: an entry
  op.Type(W::txtAmount, "40");
  Save();
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdAdd);
  EXPECT_THAT(Rows(), ElementsAre("Cash|||100.00|Dec 01, 2026||N"));

  // Deleted on an order of another type, then the order's type changes under it.
  Shop("0~a~~40~d~S1|", 1, 100);
  screen.QueueAnswer(kAnswerYes);
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdDelete);
  control.PaymentDetails(1, 44, 2, 0, 100, "Dec 01, 2026");
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdAdd);
  EXPECT_THAT(Rows(), ElementsAre("Cash|a||40.00|d|S1|D"));
}

TEST_F(TopUpTest, WithoutRowsItIsANormalEntry) {
  Shop("", 2, 100);
  op.Click(W::cmdAdd);
  EXPECT_EQ(control.Snapshot().entry, EntryKind::kAdding);
}

class AmountTotalTest : public NewPaymentTest {
 protected:
  void EnterAndSave() {
    op.Click(W::cmdAdd);
    op.Type(W::txtReference, "R");
    op.Type(W::txtAmount, "10");
    Save();
  }
};

TEST_F(AmountTotalTest, HandlerSeesTheNewRowAndTotalBeforeTheBalance) {
  Shop();
  std::string seen;
  control.SubscribeAmountTotal([&](double) {
    seen = Rows().back() + " " + Totals() + " '" + ActionName(control.Snapshot().entry) + "'";
  });
  EnterAndSave();
  EXPECT_EQ(seen, "Check|R||10.00|Dec 01, 2026||N 10.00 / 250.00 'Add'");
  EXPECT_EQ(Totals(), "10.00 / 240.00");
}

TEST_F(AmountTotalTest, AFailingHandlerDoesNotStopTheSave) {
  Shop();
  control.SubscribeAmountTotal([](double) { throw std::runtime_error("host bug"); });
  EnterAndSave();
  EXPECT_THAT(totals, ElementsAre(10));
  EXPECT_EQ(State(), "'' New Payment/Edit focus lstPayment");
}

TEST_F(AmountTotalTest, HandlerMayReloadTheControlMidSave) {
  Shop();
  const int key = control.SubscribeAmountTotal([&](double) {
    control.WritePaymentData("", kShopTypes, "2~x~~1~d~S9|", "~", "|");
    control.OrderedAmount(50);
  });
  EnterAndSave();
  control.UnsubscribeAmountTotal(key);
  EXPECT_THAT(Rows(), ElementsAre("Check|x||1.00|d|S9|"));
  EXPECT_EQ(Totals(), "1.00 / 49.00");
  EXPECT_EQ(State(), "'' New Payment/Edit focus lstPayment");
  EnterAndSave();
  EXPECT_THAT(totals, ElementsAre(10, 11));
}

// A host that shows the total and the balance reads them when the control is at rest: once
// after each host call that may change them and each operator action, never in the middle
// of one, and after a delete too, which AmountTotal does not tell.
TEST_F(AmountTotalTest, SettledTellsOnceTheControlIsAtRestAfterEachCallAndAction) {
  std::vector<std::string> seen;
  control.SubscribeSettled(
      [&] { seen.push_back(Totals() + " " + std::to_string(control.Balance()).substr(0, 6)); });
  Shop();
  EXPECT_THAT(seen, ElementsAre("0.00 / 250.00 250.00", "0.00 / 250.00 250.00"))
      << "PaymentDetails, then WritePaymentData";
  seen.clear();
  control.TotalAmount();
  control.GetPaymentID("Check");
  control.ReadPaymentData();
  EXPECT_THAT(seen, IsEmpty()) << "reads change nothing";
  control.SubscribeAmountTotal([&](double) { control.OrderedAmount(300); });
  op.Click(W::cmdAdd);
  op.Type(W::txtReference, "R");
  op.Type(W::txtAmount, "10");
  seen.clear();
  Save();
  EXPECT_THAT(seen,
              ElementsAre("0.00 / 250.00 250.00", "0.00 / 250.00 250.00", "10.00 / 290.00 290.00"))
      << "the focus leaving the amount and reaching Save, then the save with its nested "
         "call, told once";
  seen.clear();
  screen.QueueAnswer(kAnswerYes);
  op.ClickRow(W::lstPayment, 0);
  op.Click(W::cmdDelete);
  EXPECT_EQ(seen.back(), "0.00 / 300.00 300.00");
}

// The host's handler calls back into the control in the middle of a save: each operation
// answers as between saves, and the save ends as it would have.
TEST_F(AmountTotalTest, HandlerCallsEveryHostOperation) {
  const std::string after = " '' New Payment/Edit focus lstPayment [" + kStoredRows[0] +
                            "] [Check|N1||5.00|Dec 01, 2026||N]";
  const std::string saved = "15.00 / 235.00 yyy" + after;
  const struct {
    const char* name;
    std::function<std::string(Corvane&)> call;  // what the handler saw
    std::string seen;
    std::string summary;  // after the save
  } cases[] = {
      {"GetPaymentID", [](Corvane& c) { return std::to_string(c.GetPaymentID("Check")); }, "2",
       saved},
      {"GetNonSelectableID",
       [](Corvane& c) { return std::to_string(c.GetNonSelectableID("Check")); }, "0", saved},
      {"ReadPaymentData", [](Corvane& c) { return c.ReadPaymentData(); },
       "Dec 01, 2026~2~N1~~5~~N|", saved},
      {"TotalAmount", [](Corvane& c) { return std::to_string(c.TotalAmount()); }, "15.000000",
       saved},
      {"OrderType", [](Corvane& c) { return std::to_string(c.OrderType()); }, "1", saved},
      {"OrderedAmount",
       [](Corvane& c) {
         c.OrderedAmount(20);
         return "";
       },
       "", "15.00 / 5.00 yyy" + after},
      {"PaymentDetailsModeZero",
       [](Corvane& c) {
         c.PaymentDetails(0, 0, 1, 0, 100, "");
         return "";
       },
       "", "15.00 / 85.00 nnn" + after},
      {"EnableNewPaymentOff",
       [](Corvane& c) {
         c.EnableNewPayment(false);
         return "";
       },
       "", "15.00 / 235.00 nyy" + after},
      {"WritePaymentDataWithTypes",
       [](Corvane& c) {
         c.WritePaymentData("", kTypes, "2~x~~1~d~S9|", "~", "|");
         return "";
       },
       "", "1.00 / 249.00 ynn '' New Payment/Edit focus lstPayment [Check|x||1.00|d|S9|]"},
      {"WritePaymentDataPaymentsOnly",
       [](Corvane& c) {
         c.WritePaymentData("", "", "2~x~~1~d~S9|", "~", "|");
         return "";
       },
       "", "16.00 / 234.00 yyy" + after + " [Check|x||1.00|d|S9|]"},
      {"WritePaymentDataRefused",
       [](Corvane& c) {
         return ErrorOf([&] { c.WritePaymentData("", "", "2~x~~abc~d~S9|", "~", "|"); });
       },
       "WritePaymentData: payment record 1: amount 'abc' is not a number", saved},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    totals.clear();
    std::string seen = "(not called)";
    const int key = control.SubscribeAmountTotal([&](double) { seen = c.call(control); });
    AddPayment("N1", "5");
    control.UnsubscribeAmountTotal(key);
    EXPECT_EQ(seen, c.seen) << c.name;
    EXPECT_EQ(Summary(), c.summary) << c.name;
    EXPECT_THAT(totals, ElementsAre(15)) << c.name;
    EXPECT_THAT(Messages(), IsEmpty()) << c.name;
  }
}

}  // namespace
}  // namespace corvane::testing
