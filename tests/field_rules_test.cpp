// What the operator's keys do in the entry fields, hostile input while an entry is open, and
// the balance that follows the ordered amount.
#include <functional>
#include <limits>
#include <string>

#include "tests/control_fixture.h"

namespace corvane::testing {
namespace {

class FieldRulesTest : public ControlTest {
 protected:
  // Types into a box that starts empty and returns its text and the beeps it caused.
  std::string TypeInto(W box, std::string_view keys) {
    screen.text_box(box).SetText("");
    screen.TakeBeeps();
    op.Type(box, keys);
    return Text(box) + " beeps " + std::to_string(screen.TakeBeeps());
  }
};

TEST_F(FieldRulesTest, KeyFilters) {
  const struct {
    W box;
    std::string_view keys;
    std::string result;
  } cases[] = {
      {W::txtAmount, "12.5.", "12.5 beeps 0"},     {W::txtAmount, "-1,5 $", "15 beeps 0"},
      {W::txtAmount, ".5.", ".5 beeps 0"},         {W::txtReference, "ab-12 Z", "ab12Z beeps 2"},
      {W::txtReference, "x\ry\x1b", "xy beeps 2"}, {W::txtAuthorization, "A/9é", "A9 beeps 2"},
      {W::txtReference, "12\b3", "13 beeps 0"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TypeInto(c.box, c.keys), c.result) << DesignOf(c.box).name << " " << c.keys;
  }
}

TEST_F(FieldRulesTest, TheSecondPointIsRefusedWhateverIsSelected) {
  op.Focus(W::txtAmount);
  op.Select(W::txtAmount, 0, 4);  // "0.00" all selected
  op.Type(W::txtAmount, ".");
  EXPECT_EQ(Text(W::txtAmount), "0.00");
}

TEST_F(FieldRulesTest, DateFieldTakesDigitsAndSlashesSilently) {
  // The date box is locked from start-up: the filter only decides which keys are swallowed.
  op.Type(W::txtPaymentDate, "1/a");
  EXPECT_EQ(screen.TakeBeeps(), 0);
  EXPECT_EQ(Text(W::txtPaymentDate), "");
}

TEST_F(FieldRulesTest, LeavingTheAmountWritesTwoDecimals) {
  const struct {
    std::string typed;
    std::string left;
  } cases[] = {
      {"12", "12.00"},
      {"12.5", "12.50"},
      {"12.", "12.00"},
      {"007.5", "7.50"},
      {"0", "0"},
      {"0.00", "0.00"},
      {".", "."},
      {"", ""},
      {"0.004", "0.00"},
      {"1.005", "1.01"},
      {std::string(400, '9'), std::string(400, '9')},  // too large to be a number
  };
  for (const auto& c : cases) {
    TypeInto(W::txtAmount, c.typed);
    op.Focus(W::cmdAdd);
    EXPECT_EQ(Text(W::txtAmount), c.left) << c.typed;
  }
}

TEST_F(FieldRulesTest, EnteringTheAmountWhileIdleKeepsTheCaret) {
  op.Focus(W::txtAmount);
  EXPECT_EQ(screen.text_box(W::txtAmount).SelLength(), 0);
  EXPECT_EQ(screen.text_box(W::txtAmount).SelStart(), 4);
}

TEST_F(FieldRulesTest, LeavingTheReferenceGroupsSixteenCharacters) {
  const struct {
    std::string_view text;
    std::string left;
  } cases[] = {
      {"4111111111111111", "4111 1111 1111 1111"},
      {"  abcdEFGH12345678 ", "abcd EFGH 1234 5678"},
      {"4111 1111 1111 1111", "4111 1111 1111 1111"},
      {"411111111111111", "411111111111111"},
      {"41111111111111111", "41111111111111111"},
      {"1234", "1234"},
      {"ÄÖÜäöüßéèêáàâíìî", "ÄÖÜä öüßé èêáà âíìî"},
  };
  for (const auto& c : cases) {
    screen.text_box(W::txtReference).SetText(c.text);
    op.Focus(W::txtReference);
    op.Focus(W::txtAmount);
    EXPECT_EQ(Text(W::txtReference), c.left) << c.text;
  }
}

TEST_F(FieldRulesTest, BalanceFollowsEveryChangeOfTheOrderedAmount) {
  LoadOrder("2~R~A~100~d~S|");
  control.OrderedAmount(80);
  EXPECT_EQ(Totals(), "100.00 / -20.00");
  control.PaymentDetails(1, 44, 1, 0, 120.004, "");
  EXPECT_EQ(Totals(), "100.00 / 20.00");
}

// Hostile input while a new payment is open: each action is taken by the fields' rules or
// refused, and the entry stays open with the list as it was.
TEST_F(FieldRulesTest, HostileActionsWhileAdding) {
  using std::chrono::year;
  std::string long_reference;
  for (int i = 0; i < 66'667; ++i) long_reference += "aB3";
  const std::string refused_date =
      "refused: DTPckrPaymentDate accepts dates from 1900-01-01 to 2060-12-31";
  const struct {
    const char* name;
    std::function<void(headless::Operator&)> act;
    std::string error;
    std::string reference, amount;  // the two boxes afterwards
    int beeps;
  } cases[] = {
      {"TypeLatinOneIntoTheReference", [](auto& o) { o.Type(W::txtReference, "A\u00e9\tb"); }, "",
       "Ab", "0.00", 2},
      {"TypeTenMegabytesOfLettersIntoTheAmount", [&](auto& o) { o.Type(W::txtAmount, k10MB); }, "",
       "", "0.00", 0},
      {"TypeASecondPoint", [](auto& o) { o.Type(W::txtAmount, "1.2.3"); }, "", "", "1.23", 0},
      {"TypeDigitsOfOtherScripts", [](auto& o) { o.Type(W::txtAmount, "\u0661\u0662"); },
       "refused: only characters of codes 1 to 255 can be typed", "", "0.00", 0},
      {"SelectFromANegativeStart", [](auto& o) { o.Select(W::txtAmount, -5, -5); }, "", "", "0.00",
       0},
      {"SelectPastTheEnd",
       [](auto& o) {
         o.Select(W::txtAmount, std::numeric_limits<int>::max(), std::numeric_limits<int>::max());
       },
       "", "", "0.00", 0},
      {"ChooseATypeNotOffered", [](auto& o) { o.Choose(W::cboPaymentType, "Cash"); },
       "refused: cboPaymentType has no entry 'Cash'", "", "0.00", 0},
      {"ChooseATenMegabyteType", [&](auto& o) { o.Choose(W::cboPaymentType, k10MB); },
       "refused: cboPaymentType has no entry '" + k10MB + "'", "", "0.00", 0},
      {"ClickARowOfTheClosedList", [](auto& o) { o.ClickRow(W::lstPayment, 0); },
       "refused: lstPayment is disabled", "", "0.00", 0},
      {"PickTheLastDate", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{2060} / 12 / 31); }, "",
       "", "0.00", 0},
      {"PickTheFirstDate", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{1900} / 1 / 1); }, "",
       "", "0.00", 0},
      {"PickAfterTheRange", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{2061} / 12 / 6); },
       refused_date, "", "0.00", 0},
      {"PickBeforeTheRange", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{1899} / 12 / 31); },
       refused_date, "", "0.00", 0},
      {"PickFebruaryThirtieth", [](auto& o) { o.Pick(W::DTPckrPaymentDate, year{2024} / 2 / 30); },
       refused_date, "", "0.00", 0},
      // Key by key, each key edits the text where it stands: a long text is typed at once.
      {"TypeTwoHundredThousandCharactersIntoTheReference",
       [&](auto& o) { o.Type(W::txtReference, long_reference); }, "", long_reference, "0.00", 0},
      // Selection, caret and backspace count characters, also where one takes two bytes.
      {"EditBetweenTwoByteCharacters",
       [&](auto& o) {
         screen.text_box(W::txtReference).SetText("\u00e9\u00e9\u00e9\u00e9");
         o.Select(W::txtReference, 1, 2);
         o.Type(W::txtReference, "x");  // \u00e9x\u00e9, the caret after the x
         o.Select(W::txtReference, 1, 0);
         o.Type(W::txtReference, "\by");  // the first \u00e9 goes, y comes in its place
         o.Select(W::txtReference, 3, 0);
         o.Type(W::txtReference, "\b\bz");
       },
       "", "yz", "0.00", 0},
  };
  for (const auto& c : cases) {
    LoadOrder(kStored);
    op.Click(W::cmdAdd);
    screen.TakeBeeps();
    EXPECT_EQ(ErrorOf([&] { c.act(op); }), c.error) << c.name;
    op.Focus(W::txtAuthorization);  // leaving the amount writes it with two decimals
    EXPECT_EQ(Text(W::txtReference), c.reference) << c.name;
    EXPECT_EQ(Text(W::txtAmount), c.amount) << c.name;
    EXPECT_EQ(screen.TakeBeeps(), c.beeps) << c.name;
    EXPECT_EQ(control.Snapshot().entry, EntryKind::kAdding) << c.name;
    EXPECT_EQ(Rows(), kStoredRows) << c.name;
  }
}

}  // namespace
}  // namespace corvane::testing
