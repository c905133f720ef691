// What the operator's keys do in the entry fields, and the balance that follows the
// ordered amount.
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

}  // namespace
}  // namespace corvane::testing
