// The operator's actions raise the toolkit's events in its order and refuse what a
// person could not do, with the reason, the same on every toolkit.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/event_log.h"
#include "tests/toolkit_rig.h"

namespace corvane::testing {
namespace {

using std::chrono::year;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using W = WidgetId;

class OperatorTest : public ::testing::TestWithParam<std::string> {
 protected:
  OperatorTest() { screen.SetEvents(&log); }
  ~OperatorTest() override { screen.SetEvents(nullptr); }

  std::unique_ptr<ToolkitRig> rig = MakeRig(GetParam());
  Screen& screen = rig->screen();
  Operator& op = rig->op();
  EventLog log;
};

TEST_P(OperatorTest, ButtonClickLeavesTheFieldFirst) {
  op.Focus(W::txtAmount);
  op.Click(W::cmdAdd);
  EXPECT_THAT(log.lines, ElementsAre("GotFocus txtAmount", "LostFocus txtAmount", "GotFocus cmdAdd",
                                     "Click cmdAdd"));
}

TEST_P(OperatorTest, TypingEditsAtTheCaretKeyByKey) {
  TextBox& amount = screen.text_box(W::txtAmount);
  op.Select(W::txtAmount, 0, 4);
  op.Type(W::txtAmount, "12\b5");
  EXPECT_EQ(amount.Text(), "15");
  EXPECT_EQ(amount.SelStart(), 2);
  // "1", "12", "1", "15": one Change for every change of the text.
  EXPECT_EQ(std::count(log.lines.begin(), log.lines.end(), "Change txtAmount"), 4);
  EXPECT_EQ(log.lines[1], "KeyPress txtAmount 49");
}

TEST_P(OperatorTest, DiscardedAndChangedKeys) {
  log.on_key_press = [](std::int16_t& key) {
    if (key == '-') key = 0;
    if (key == 'a') key = 'A';
  };
  op.Type(W::txtReference, "a-b");
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "Ab");
}

TEST_P(OperatorTest, LockedBoxRunsKeyPressButKeepsItsText) {
  op.Type(W::txtTotalAmount, "9");
  EXPECT_EQ(screen.text_box(W::txtTotalAmount).Text(), "0.00");
  EXPECT_EQ(log.lines.back(), "KeyPress txtTotalAmount 57");
}

TEST_P(OperatorTest, TypingTakesLatin1) {
  op.Type(W::txtReference, "é");
  EXPECT_EQ(log.lines.back(), "Change txtReference");
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "é");
}

TEST_P(OperatorTest, BackspaceDeletesTheSelectionOrTheCharacterBefore) {
  TextBox& ref = screen.text_box(W::txtReference);
  ref.SetText("abcdef");
  op.Select(W::txtReference, 1, 2);
  op.Type(W::txtReference, "\b");
  EXPECT_EQ(ref.Text(), "adef");
  op.Select(W::txtReference, 0, 0);
  op.Type(W::txtReference, "\b");
  EXPECT_EQ(ref.Text(), "adef");
}

// A text box keeps its caret and selection while another widget has the focus, however
// the focus left it: typing on return replaces what was selected, or goes in at the caret.
TEST_P(OperatorTest, CaretAndSelectionOutliveTheFocusLeaving) {
  struct Leaving {
    const char* how;
    std::function<void()> leave;
  };
  const Leaving leavings[] = {
      {"operator focus", [&] { op.Focus(W::txtReference); }},
      {"button click", [&] { op.Click(W::cmdAdd); }},
      {"code SetFocus", [&] { screen.widget(W::txtReference).SetFocus(); }},
      {"box disabled",
       [&] {
         screen.widget(W::txtAuthorization).SetEnabled(false);
         screen.widget(W::txtAuthorization).SetEnabled(true);
       }},
  };
  struct Case {
    int start, length;
    const char* after;
  };
  const Case cases[] = {{0, 2, "XCD"}, {1, 0, "AXBCD"}, {1, 3, "AX"}, {4, 0, "ABCDX"}};
  TextBox& auth = screen.text_box(W::txtAuthorization);
  for (const Leaving& leaving : leavings) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(leaving.how) + ", selected from " + std::to_string(c.start));
      auth.SetText("ABCD");
      op.Select(W::txtAuthorization, c.start, c.length);
      leaving.leave();
      ASSERT_NE(screen.Focus(), W::txtAuthorization);
      EXPECT_EQ(auth.SelStart(), c.start);
      EXPECT_EQ(auth.SelLength(), c.length);
      op.Type(W::txtAuthorization, "X");
      EXPECT_EQ(auth.Text(), c.after);
    }
  }
}

TEST_P(OperatorTest, RowClicksAndListKeys) {
  ListView& list = screen.list_view(W::lstPayment);
  EXPECT_THROW(op.ClickRow(W::lstPayment, 0), corvane::ActionRefused);
  for (const char* text : {"a", "b", "c"}) list.Add(text);
  op.Key(W::lstPayment, kKeyDown);
  EXPECT_EQ(list.Selected(), 0) << "from no selection to the first row";
  op.ClickRow(W::lstPayment, 1);
  op.Key(W::lstPayment, kKeyDown);
  op.Key(W::lstPayment, kKeyDown);
  EXPECT_EQ(list.Selected(), 2);
  op.Key(W::lstPayment, kKeyHome);
  op.Key(W::lstPayment, kKeyUp);
  EXPECT_EQ(list.Selected(), 0);
  op.Key(W::lstPayment, 33);  // Page Up moves nothing
  op.Key(W::lstPayment, kKeyEnd);
  EXPECT_EQ(list.Selected(), 2);
  EXPECT_THAT(std::vector(log.lines.begin(), log.lines.begin() + 4),
              ElementsAre("GotFocus lstPayment", "KeyUp lstPayment 40", "Click lstPayment",
                          "KeyUp lstPayment 40"));
  list.SetEnabled(false);
  EXPECT_THROW(op.ClickRow(W::lstPayment, 0), corvane::ActionRefused);
}

TEST_P(OperatorTest, ChoosingAComboEntry) {
  ComboBox& types = screen.combo_box(W::cboPaymentType);
  types.AddItem("Cash");
  types.AddItem("Check");
  op.Choose(W::cboPaymentType, "Check");
  op.Choose(W::cboPaymentType, "Check");
  EXPECT_THAT(log.lines, ElementsAre("GotFocus cboPaymentType", "Click cboPaymentType"));
  EXPECT_THROW(op.Choose(W::cboPaymentType, "Visa"), corvane::ActionRefused);
  types.SetLocked(true);
  EXPECT_THROW(op.Choose(W::cboPaymentType, "Cash"), corvane::ActionRefused);
  EXPECT_THROW(op.Choose(W::cboCreditCard, "Cash"), corvane::ActionRefused) << "disabled, no entry";
}

TEST_P(OperatorTest, PickingADate) {
  DatePicker& picker = screen.date_picker(W::DTPckrPaymentDate);
  picker.SetVisible(true);
  op.Pick(W::DTPckrPaymentDate, year{2026} / 1 / 2);
  EXPECT_EQ(picker.Value(), year{2026} / 1 / 2);
  EXPECT_EQ(screen.Focus(), W::DTPckrPaymentDate);
  EXPECT_THROW(op.Pick(W::DTPckrPaymentDate, year{1899} / 12 / 31), corvane::ActionRefused);
}

// What a person could not do is refused with the reason, before any event: nothing changes,
// the focus stays where it was. A text with one character that cannot be typed is refused
// whole.
TEST_P(OperatorTest, RefusalsSayWhyAndRaiseNothing) {
  const std::string nul(1, '\0');
  const std::string ten_megabytes(10 << 20, 'x');
  screen.list_view(W::lstPayment).Add("a");
  screen.combo_box(W::cboPaymentType).AddItem("Check");
  screen.widget(W::cboPaymentType).SetEnabled(false);
  screen.widget(W::cmdEdit).SetEnabled(false);
  const struct {
    const char* name;
    std::function<void()> act;
    std::string error;
  } cases[] = {
      {"ClickADisabledButton", [&] { op.Click(W::cmdEdit); }, "cmdEdit is disabled"},
      {"ClickALabel", [&] { op.Click(W::lblAmount); }, "lblAmount is not a command button"},
      {"ClickRowMinusOne", [&] { op.ClickRow(W::lstPayment, -1); }, "lstPayment has no row -1"},
      {"ClickRowPastTheEnd", [&] { op.ClickRow(W::lstPayment, 1); }, "lstPayment has no row 1"},
      {"ClickRowOfAButton", [&] { op.ClickRow(W::cmdAdd, 0); }, "cmdAdd is not a list view"},
      {"KeyBelowZero", [&] { op.Key(W::lstPayment, -1); }, "key code -1"},
      {"KeyAbove255", [&] { op.Key(W::lstPayment, 256); }, "key code 256"},
      {"FocusALabel", [&] { op.Focus(W::lblAmount); }, "lblAmount cannot take the focus"},
      {"FocusTheFrame", [&] { op.Focus(W::Framain); }, "Framain cannot take the focus"},
      {"FocusTheHiddenPicker", [&] { op.Focus(W::DTPckrPaymentDate); },
       "DTPckrPaymentDate is hidden"},
      {"FocusTheDisabledCardList", [&] { op.Focus(W::cboCreditCard); },
       "cboCreditCard is disabled"},
      {"TypeANulByte", [&] { op.Type(W::txtReference, "12" + nul + "3"); },
       "only characters of codes 1 to 255 can be typed"},
      {"TypeMalformedUtf8", [&] { op.Type(W::txtReference, "\xff"); },
       "only characters of codes 1 to 255 can be typed"},
      {"TypeTenMegabytesEndingInAEuro", [&] { op.Type(W::txtReference, ten_megabytes + "€"); },
       "only characters of codes 1 to 255 can be typed"},
      {"TypeIntoAComboBox", [&] { op.Type(W::cboPaymentType, "1"); },
       "cboPaymentType is not a text box"},
      {"SelectInAList", [&] { op.Select(W::lstPayment, 0, 1); }, "lstPayment is not a text box"},
      {"ChooseInADisabledList", [&] { op.Choose(W::cboPaymentType, "Check"); },
       "cboPaymentType is disabled"},
      {"PickOnTheHiddenPicker", [&] { op.Pick(W::DTPckrPaymentDate, year{2026} / 1 / 2); },
       "DTPckrPaymentDate is hidden"},
  };
  for (const auto& c : cases) {
    try {
      c.act();
      ADD_FAILURE() << c.name << " was not refused";
    } catch (const corvane::ActionRefused& e) {
      EXPECT_EQ(e.what(), c.error) << c.name;
    }
    EXPECT_THAT(log.lines, IsEmpty()) << c.name;
    EXPECT_EQ(screen.Focus(), std::nullopt) << c.name;
    EXPECT_EQ(screen.text_box(W::txtReference).Text(), "") << c.name;
    EXPECT_EQ(screen.list_view(W::lstPayment).Selected(), std::nullopt) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Toolkits, OperatorTest, ::testing::ValuesIn(Toolkits()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace corvane::testing
