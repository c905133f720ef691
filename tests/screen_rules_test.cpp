// Every toolkit keeps the same rules: events inside setters, one focus owner, refusals
// that change nothing, scripted answers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>

#include "surface/list_rows.h"
#include "tests/event_log.h"
#include "tests/toolkit_rig.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using W = WidgetId;

class ScreenRulesTest : public ::testing::TestWithParam<std::string> {
 protected:
  ScreenRulesTest() { screen.SetEvents(&log); }
  ~ScreenRulesTest() override { screen.SetEvents(nullptr); }

  std::unique_ptr<ToolkitRig> rig = MakeRig(GetParam());
  Screen& screen = rig->screen();
  EventLog log;
};

// The start-up screen is compared whole in startup_test.cpp.
TEST_P(ScreenRulesTest, TypedAccessRefusesAnotherKind) {
  EXPECT_THROW(screen.text_box(W::cmdAdd), std::logic_error);
  EXPECT_THROW(screen.list_view(W::txtAmount), std::logic_error);
}

TEST_P(ScreenRulesTest, TextChangeRunsInsideTheSetterOnlyWhenTheTextDiffers) {
  TextBox& ordered = screen.text_box(W::txtOrderedAmount);
  std::string seen_inside;
  log.react = [&](const std::string&) { seen_inside = ordered.Text(); };
  ordered.SetText("250.00");
  EXPECT_THAT(log.lines, ElementsAre("Change txtOrderedAmount"));
  EXPECT_EQ(seen_inside, "250.00");
  ordered.SetText("250.00");
  EXPECT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(ordered.SelStart(), 6);
  EXPECT_EQ(ordered.SelLength(), 0);
}

TEST_P(ScreenRulesTest, SelectionIsClampedAndCountsCodePoints) {
  TextBox& ref = screen.text_box(W::txtReference);
  ref.SetText("Zürich");
  EXPECT_EQ(ref.SelStart(), 6);
  ref.SetSelStart(2);
  ref.SetSelLength(100);
  EXPECT_EQ(ref.SelStart(), 2);
  EXPECT_EQ(ref.SelLength(), 4);
  EXPECT_THROW(ref.SetSelStart(-1), WidgetError);
}

TEST_P(ScreenRulesTest, DropDownListSelectionRaisesClickWhenItMoves) {
  ComboBox& types = screen.combo_box(W::cboPaymentType);
  types.AddItem("Cash");
  types.AddItem("Check");
  types.SetListIndex(1);
  types.SetListIndex(1);
  types.SetText("Cash");
  types.SetListIndex(-1);
  EXPECT_THAT(log.lines, ElementsAre("Click cboPaymentType", "Click cboPaymentType"));
  EXPECT_EQ(types.ListIndex(), -1);
  EXPECT_EQ(types.Text(), "");
  EXPECT_THROW(types.SetText("cash"), WidgetError);
  EXPECT_THROW(types.SetListIndex(2), WidgetError);
  EXPECT_EQ(types.ListIndex(), -1);
  types.Clear();
  EXPECT_EQ(types.ListCount(), 0);
}

TEST_P(ScreenRulesTest, DropDownComboTextSelectsWithoutClick) {
  ComboBox& cards = screen.combo_box(W::cboCreditCard);
  cards.AddItem("Visa");
  cards.AddItem("Amex");
  cards.SetText("Amex");
  EXPECT_EQ(cards.ListIndex(), 1);
  cards.SetText("4111 1111");
  EXPECT_EQ(cards.ListIndex(), -1);
  EXPECT_EQ(cards.Text(), "4111 1111");
  EXPECT_THAT(log.lines, IsEmpty());
}

// A text's entry is its first one, cleared with the entries; a duplicate or a near miss
// selects nothing else.
TEST_P(ScreenRulesTest, ComboFindsATextsFirstEntry) {
  ComboBox& types = screen.combo_box(W::cboPaymentType);
  for (const char* item : {"Cash", "Check", "Cash", "", "Zürich"}) types.AddItem(item);
  const std::pair<std::string, int> cases[] = {{"Cash", 0},   {"Check", 1}, {"", 3},
                                               {"Zürich", 4}, {"cash", -1}, {"Cash ", -1}};
  for (const auto& [text, entry] : cases) EXPECT_EQ(types.FindItem(text), entry) << text;
  types.SetText("Cash");
  EXPECT_EQ(types.ListIndex(), 0);
  types.Clear();
  EXPECT_EQ(types.FindItem("Cash"), -1);
  types.AddItem("Check");
  EXPECT_EQ(types.FindItem("Check"), 0);
  EXPECT_THAT(log.lines, ElementsAre("Click cboPaymentType"));
}

TEST_P(ScreenRulesTest, FocusMovesWithLostFocusBeforeGotFocus) {
  screen.widget(W::txtAmount).SetFocus();
  screen.widget(W::txtAmount).SetFocus();
  screen.widget(W::cmdAdd).SetFocus();
  EXPECT_THAT(log.lines,
              ElementsAre("GotFocus txtAmount", "LostFocus txtAmount", "GotFocus cmdAdd"));
  EXPECT_EQ(screen.Focus(), W::cmdAdd);
}

TEST_P(ScreenRulesTest, FocusIsRefusedByDisabledHiddenAndCaptionWidgets) {
  for (W id : {W::cboCreditCard, W::DTPckrPaymentDate, W::lblAmount, W::Framain}) {
    EXPECT_THROW(screen.widget(id).SetFocus(), WidgetError) << DesignOf(id).name;
  }
  screen.text_box(W::txtTotalAmount).SetFocus();  // locked still takes the focus
  EXPECT_EQ(screen.Focus(), W::txtTotalAmount);
}

TEST_P(ScreenRulesTest, DisablingTheOwnerMovesTheFocusOnInTabOrder) {
  screen.widget(W::txtAmount).SetFocus();  // tab index 6; 7 is the hidden picker
  log.lines.clear();
  screen.widget(W::txtAmount).SetEnabled(false);
  // txtTotalAmount (8) is no tab stop: the next is cmdAdd (9).
  EXPECT_THAT(log.lines, ElementsAre("LostFocus txtAmount", "GotFocus cmdAdd"));
  EXPECT_EQ(screen.Focus(), W::cmdAdd);
}

TEST_P(ScreenRulesTest, FocusWrapsAndCanEndNowhere) {
  screen.widget(W::cmdDelete).SetFocus();
  log.lines.clear();
  screen.widget(W::cmdDelete).SetVisible(false);
  // Past the "Not Found" box, which the card combo box covers, round to the list.
  EXPECT_THAT(log.lines, ElementsAre("LostFocus cmdDelete", "GotFocus lstPayment"));

  for (W id : {W::lstPayment, W::cboPaymentType, W::txtReference, W::txtAuthorization, W::txtAmount,
               W::cmdAdd, W::cmdEdit}) {
    screen.widget(id).SetEnabled(false);
  }
  EXPECT_EQ(screen.Focus(), std::nullopt);
  EXPECT_EQ(log.lines.back(), "LostFocus cmdEdit");
}

// Nobody sees a widget that a visible sibling in front of it covers whole, so the focus
// never moves into it on its own; code may still give it the focus.
TEST_P(ScreenRulesTest, FocusPassesOverAWidgetCoveredBySiblingInFront) {
  Widget& cards = screen.widget(W::cboCreditCard);
  Widget& not_found = screen.widget(W::txtCreditCard);
  cards.SetEnabled(true);
  screen.widget(W::cmdDelete).SetFocus();
  screen.widget(W::cmdDelete).SetEnabled(false);
  EXPECT_EQ(screen.Focus(), W::lstPayment) << "covered by the card combo box";

  not_found.ZOrder(0);
  EXPECT_TRUE(screen.Covered(W::cboCreditCard));
  EXPECT_FALSE(screen.Covered(W::txtCreditCard));
  screen.widget(W::cmdEdit).SetFocus();
  screen.widget(W::cmdEdit).SetEnabled(false);
  EXPECT_EQ(screen.Focus(), W::txtCreditCard) << "in front now";

  cards.ZOrder(0);
  cards.SetVisible(false);
  screen.widget(W::cmdAdd).SetFocus();
  screen.widget(W::cmdAdd).SetEnabled(false);
  EXPECT_EQ(screen.Focus(), W::txtCreditCard) << "a hidden sibling covers nothing";

  cards.SetVisible(true);
  not_found.SetFocus();
  EXPECT_EQ(screen.Focus(), W::txtCreditCard) << "code's own focus is not refused";
}

// The shown date picker covers the date box (a little larger than it); hidden, it does not.
TEST_P(ScreenRulesTest, ShownDatePickerCoversTheDateBox) {
  EXPECT_FALSE(screen.Covered(W::txtPaymentDate));
  screen.widget(W::DTPckrPaymentDate).SetVisible(true);
  EXPECT_TRUE(screen.Covered(W::txtPaymentDate));
  EXPECT_FALSE(screen.Covered(W::DTPckrPaymentDate));
  EXPECT_FALSE(screen.TabStopsOn(W::txtPaymentDate));
}

TEST_P(ScreenRulesTest, ZOrderMovesAmongAllSiblings) {
  Widget& text = screen.widget(W::txtCreditCard);
  text.ZOrder(0);
  EXPECT_EQ(text.ZIndex(), 0);
  EXPECT_LT(text.ZIndex(), screen.widget(W::cboCreditCard).ZIndex());
  text.ZOrder(1);
  EXPECT_EQ(text.ZIndex(), 23) << "24 children of the frame";
  EXPECT_THROW(text.ZOrder(2), WidgetError);
}

TEST_P(ScreenRulesTest, DatePickerTakesOnlyItsRange) {
  using namespace std::chrono;
  DatePicker& picker = screen.date_picker(W::DTPckrPaymentDate);
  EXPECT_EQ(picker.Value(), std::nullopt) << "none until a value is set";
  picker.SetValueText("Dec 06, 2026");
  EXPECT_EQ(picker.Value(), year{2026} / December / 6);
  EXPECT_THROW(picker.SetValue(year{2061} / January / 1), WidgetError);
  EXPECT_THROW(picker.SetValueText("tomorrow"), WidgetError);
  EXPECT_THROW(picker.SetValue(year{2026} / February / 30), WidgetError);
  EXPECT_EQ(picker.Value(), year{2026} / December / 6);
  picker.SetValue(year{1900} / January / 1);
  picker.SetValue(year{2060} / December / 31);
}

TEST_P(ScreenRulesTest, ListSelectionFollowsItsRow) {
  ListView& list = screen.list_view(W::lstPayment);
  for (const char* text : {"a", "b", "c"}) list.Add(text);
  EXPECT_EQ(list.ForeColor(0), kWindowText);
  list.Select(2);
  list.Remove(0);
  EXPECT_EQ(list.Selected(), 1);
  EXPECT_EQ(list.Text(1), "c");
  list.Remove(1);
  EXPECT_EQ(list.Selected(), std::nullopt);
  EXPECT_THROW(list.SubItem(0, 7), WidgetError);
  EXPECT_THROW(list.Text(5), WidgetError);
  EXPECT_THAT(log.lines, IsEmpty()) << "selecting by code runs no handler";
}

// Room made for rows adds none and moves nothing: rows, cells, colours and the selection
// stay, before and after the rows it was made for arrive.
TEST_P(ScreenRulesTest, ListRoomForRowsChangesNothingThatShows) {
  ListView& list = screen.list_view(W::lstPayment);
  list.Reserve(2);
  EXPECT_EQ(list.Count(), 0);
  list.Add("a");
  list.SetSubItem(0, 3, "10.00");
  list.SetForeColor(0, kRed);
  list.Select(0);
  for (int rows : {1000, 0, -5, 1}) list.Reserve(rows);
  EXPECT_EQ(list.Count(), 1);
  for (int i = 1; i <= 1000; ++i) {
    list.Reserve(1);
    list.SetSubItem(list.Add("row " + std::to_string(i)), 6, std::to_string(i));
  }
  EXPECT_EQ(list.Count(), 1001);
  EXPECT_EQ(list.Text(0), "a");
  EXPECT_EQ(list.SubItem(0, 3), "10.00");
  EXPECT_EQ(list.ForeColor(0), kRed);
  EXPECT_EQ(list.Selected(), 0);
  EXPECT_EQ(list.Text(1000), "row 1000");
  EXPECT_EQ(list.SubItem(1000, 6), "1000");
  EXPECT_EQ(list.SubItem(1000, 3), "");
  EXPECT_EQ(list.ForeColor(1000), kWindowText);
  EXPECT_THAT(log.lines, IsEmpty());
}

// A row's description goes with the row, whatever moves around it, and shows in no cell.
TEST_P(ScreenRulesTest, ListRowDescriptionsFollowTheirRows) {
  ListView& list = screen.list_view(W::lstPayment);
  for (const char* text : {"a", "b", "c"}) list.Add(text);
  list.SetDescription(1, "Deleted");
  list.SetSubItem(1, 6, "D");
  list.Remove(0);
  EXPECT_EQ(list.Description(0), "Deleted");
  EXPECT_EQ(list.SubItem(0, 6), "D");
  EXPECT_EQ(list.Description(1), "");
  for (int sub_item = 1; sub_item <= ListView::kSubItems; ++sub_item) {
    EXPECT_NE(list.SubItem(0, sub_item), "Deleted");
  }
  list.SetDescription(0, "");
  EXPECT_EQ(list.Description(0), "");
  EXPECT_THROW(list.SetDescription(2, "Deleted"), WidgetError);
  EXPECT_THROW(list.Description(-1), WidgetError);
  list.Clear();
  list.Add("d");
  EXPECT_EQ(list.Description(0), "");
  EXPECT_THAT(log.lines, IsEmpty());
}

// Rows kept elsewhere: the list reads them, keeps only each row's look, follows the
// owner's reports with its selection, and refuses to change them itself.
TEST_P(ScreenRulesTest, ListShowsRowsKeptElsewhere) {
  struct Rows final : ListRows {
    std::vector<std::string> texts;
    int RowCount() const override { return static_cast<int>(texts.size()); }
    std::string_view Cell(int row, int cell) const override {
      return cell == 0 ? std::string_view(texts[row]) : std::string_view(cell == 6 ? "N" : "");
    }
  } rows;
  ListView& list = screen.list_view(W::lstPayment);
  list.Add("own");
  list.Select(0);
  rows.texts = {"a", "b"};
  list.ShowRows(rows);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Selected(), std::nullopt) << "its own row went";
  EXPECT_EQ(list.Text(1), "b");
  EXPECT_EQ(list.SubItem(1, 6), "N");
  list.Select(1);
  list.SetForeColor(1, kRed);
  rows.texts.insert(rows.texts.begin(), "first");
  list.RowsInserted(0, 1);
  EXPECT_EQ(list.Selected(), 2);
  EXPECT_EQ(list.ForeColor(2), kRed) << "the look follows its row";
  EXPECT_EQ(list.ForeColor(0), kWindowText);
  rows.texts[2] = "B";
  list.RowChanged(2);
  EXPECT_EQ(list.Text(2), "B");
  rows.texts.erase(rows.texts.begin());
  list.RowRemoved(0);
  EXPECT_EQ(list.Selected(), 1);
  EXPECT_EQ(list.ForeColor(1), kRed);
  rows.texts.erase(rows.texts.begin() + 1);
  list.RowRemoved(1);
  EXPECT_EQ(list.Selected(), std::nullopt) << "the selected row went";
  for (const auto& refused : std::vector<std::function<void()>>{
           [&] { list.Add("x"); }, [&] { list.SetText(0, "x"); },
           [&] { list.SetSubItem(0, 1, "x"); }, [&] { list.Remove(0); }, [&] { list.Clear(); }}) {
    EXPECT_THROW(refused(), WidgetError);
  }
  EXPECT_THROW(list.Text(1), WidgetError);
  rows.texts.clear();
  list.RowsCleared();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_P(ScreenRulesTest, YesNoBoxesTakeQueuedAnswersAndOkBoxesLeaveThem) {
  ScriptedServices& services = rig->services();
  services.QueueAnswer(kAnswerYes);
  EXPECT_EQ(screen.MsgBox("Saved", kMbOkInformation, " Corvane"), kAnswerOk);
  EXPECT_EQ(screen.MsgBox("Delete?", kMbYesNoQuestion, "Payment"), kAnswerYes);
  EXPECT_EQ(screen.MsgBox("Delete?", kMbYesNoQuestion, "Payment"), kAnswerNo);
  screen.Beep();
  EXPECT_THAT(services.TakeMessages(), ElementsAre(MessageRecord{"Saved", 64, " Corvane", 1},
                                                   MessageRecord{"Delete?", 36, "Payment", 6},
                                                   MessageRecord{"Delete?", 36, "Payment", 7}));
  EXPECT_EQ(services.TakeBeeps(), 1);
  EXPECT_THAT(services.messages(), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Toolkits, ScreenRulesTest, ::testing::ValuesIn(Toolkits()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace corvane::testing
