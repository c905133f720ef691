// A clerk's keyboard on the whole Qt widget: Escape and access keys through a payment, Enter
// on a button, the calendar's keys, and pastes that meet the fields' key filters.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>

#include "control/payment_record.h"
#include "corvane/corvane_widget.h"

namespace corvane::testing {
namespace {

using W = WidgetId;

class QtKeyboardTest : public ::testing::Test {
 protected:
  QtKeyboardTest() {
    widget.show();
    QApplication::setActiveWindow(&widget);
    QApplication::processEvents();
    widget.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
    widget.WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|",
                            "2~C1~A1~10~Nov 01, 2026~S1|2~C2~A2~20~Nov 02, 2026~S2|", "~", "|");
  }

  QWidget* Q(W id) { return widget.screen().qwidget(id); }
  std::string Text(W id) { return widget.screen().text_box(id).Text(); }
  std::string Caption(W id) { return widget.screen().button(id).Caption(); }
  std::optional<W> Focus() { return widget.screen().Focus(); }
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }
  void Type(const char* keys) { QTest::keyClicks(QApplication::focusWidget(), keys); }
  // What the buttons say and where the focus is: the editing state at a glance.
  std::string State() {
    return Caption(W::cmdAdd) + "/" + Caption(W::cmdEdit) + " focus " +
           (Focus() ? std::string(DesignOf(*Focus()).name) : "none");
  }
  void ClickRow(int row) {
    QApplication::processEvents();
    auto* view = static_cast<QAbstractItemView*>(Q(W::lstPayment));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, 0)).center());
  }
  std::string Row(int row) {
    ListView& list = widget.screen().list_view(W::lstPayment);
    return list.SubItem(row, kColReference) + " " + list.SubItem(row, kColAmount) + " " +
           list.SubItem(row, kColIsUpdate);
  }

  ScriptedServices services;
  qt::CorvaneWidget widget{nullptr, &services, [] { return std::chrono::year{2026} / 12 / 6; }};
};

TEST_F(QtKeyboardTest, APaymentEnteredWithAccessKeysAlone) {
  widget.SetAccessKeys(true);
  EXPECT_TRUE(widget.AccessKeys());
  ClickRow(0);
  Press(Qt::Key_N, Qt::AltModifier);
  EXPECT_EQ(State(), "Save/Cancel focus txtReference");
  Type("R7");
  Press(Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(widget.screen().text_box(W::txtAmount).SelLength(), 4) << "GotFocus selected it";
  Type("12.5");
  Press(Qt::Key_S, Qt::AltModifier);
  EXPECT_EQ(Row(2), "R7 12.50 N") << "the amount was left, and formatted, before the save";
  EXPECT_EQ(State(), "New Payment/Edit focus lstPayment");
  EXPECT_EQ(services.TakeBeeps(), 0);
}

TEST_F(QtKeyboardTest, EscapeCancelsAnEditAsAClickOnCancelDoes) {
  widget.SetAccessKeys(true);
  ClickRow(1);
  Press(Qt::Key_E, Qt::AltModifier);
  EXPECT_EQ(State(), "Save/Cancel focus cboPaymentType");
  Press(Qt::Key_R, Qt::AltModifier);
  Type("X");
  Press(Qt::Key_Escape);
  EXPECT_EQ(State(), "New Payment/Edit focus lstPayment");
  EXPECT_EQ(Row(1), "C2 20.00 ");
  EXPECT_EQ(services.TakeBeeps(), 0) << "the reference's key filter never saw Escape";
  Press(Qt::Key_Escape);  // nothing open: nothing happens
  EXPECT_EQ(State(), "New Payment/Edit focus lstPayment");
}

TEST_F(QtKeyboardTest, OffEscapeLeavesTheEntryOpenAndTheReferenceBeeps) {
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
  QTest::mouseClick(Q(W::txtReference), Qt::LeftButton);
  Press(Qt::Key_Escape);
  Press(Qt::Key_R, Qt::AltModifier);
  EXPECT_EQ(State(), "Save/Cancel focus txtReference");
  EXPECT_EQ(services.TakeBeeps(), 1);
  EXPECT_EQ(Caption(W::cmdAdd), "Save");
  EXPECT_EQ(static_cast<QPushButton*>(Q(W::cmdAdd))->text(), "Save");
}

TEST_F(QtKeyboardTest, EnterOnAFocusedButtonPressesItAsSpaceDoes) {
  for (bool keys_on : {false, true}) {
    widget.SetAccessKeys(keys_on);
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
      const Qt::KeyboardModifiers pad = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
      Q(W::cmdAdd)->setFocus(Qt::TabFocusReason);
      Press(key, pad);
      EXPECT_EQ(State(), "Save/Cancel focus txtReference") << QTest::toString(key);
      Q(W::cmdEdit)->setFocus(Qt::TabFocusReason);
      Press(key, pad);
      EXPECT_EQ(State(), "New Payment/Edit focus lstPayment");
    }
  }
}

TEST_F(QtKeyboardTest, F4AndAltDownOpenTheCalendar) {
  for (bool keys_on : {false, true}) {
    widget.SetAccessKeys(keys_on);
    QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
    for (auto [key, modifiers] :
         {std::pair{Qt::Key_F4, Qt::NoModifier}, std::pair{Qt::Key_Down, Qt::AltModifier}}) {
      Q(W::DTPckrPaymentDate)->setFocus(Qt::TabFocusReason);
      ASSERT_EQ(Focus(), W::DTPckrPaymentDate);
      Press(key, modifiers);
      QWidget* calendar = QApplication::activePopupWidget();
      ASSERT_NE(calendar, nullptr) << QTest::toString(key);
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);  // the calendar's own
      EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
      EXPECT_EQ(State(), "Save/Cancel focus DTPckrPaymentDate") << "the entry stays open";
    }
    QTest::mouseClick(Q(W::cmdEdit), Qt::LeftButton);
  }
}

// The amount box's filter takes digits and one point; a paste goes through it character by
// character, whichever way the operator pastes.
class QtPasteTest : public QtKeyboardTest {
 protected:
  QtPasteTest() {
    QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
    Q(W::txtAmount)->setFocus(Qt::TabFocusReason);  // the whole amount selected
  }
  void Clipboard(const char* text) { QGuiApplication::clipboard()->setText(text); }
  void PasteByMenu() {
    QWidget* box = Q(W::txtAmount);
    QContextMenuEvent open(QContextMenuEvent::Mouse, box->rect().center(),
                           box->mapToGlobal(box->rect().center()));
    QApplication::sendEvent(box, &open);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions()) {
      if (action->text().section(u'\t', 0, 0) == QLineEdit::tr("&Paste")) paste = action;
    }
    ASSERT_NE(paste, nullptr);
    paste->trigger();
    menu->close();
  }
};

TEST_F(QtPasteTest, APasteGivesWhatTypingGives) {
  Type("12a.5,x");
  const std::string typed = Text(W::txtAmount);
  EXPECT_EQ(typed, "12.5");
  Q(W::txtReference)->setFocus(Qt::TabFocusReason);
  Q(W::txtAmount)->setFocus(Qt::TabFocusReason);
  Clipboard("12a.5,x");
  Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(W::txtAmount), typed) << "Ctrl+V";
  Q(W::txtReference)->setFocus(Qt::TabFocusReason);
  Q(W::txtAmount)->setFocus(Qt::TabFocusReason);
  PasteByMenu();
  EXPECT_EQ(Text(W::txtAmount), typed) << "the menu's Paste";
}

TEST_F(QtPasteTest, APastedMinusIsRefusedAsItsKeyIs) {
  Type("40");
  for (const char* refused : {"-", "-5", "\n"}) {
    Clipboard(refused);
    Press(Qt::Key_V, Qt::ControlModifier);
    Press(Qt::Key_Insert, Qt::ShiftModifier);
    PasteByMenu();
  }
  EXPECT_EQ(Text(W::txtAmount), "40555");
  Clipboard("7.25.3");
  Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(W::txtAmount), "405557.253") << "one point only";
}

TEST_F(QtPasteTest, TheReferenceBeepsAtEachRefusedPastedCharacter) {
  Q(W::txtReference)->setFocus(Qt::TabFocusReason);
  Clipboard("ab-c d");
  Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(W::txtReference), "abcd");
  EXPECT_EQ(services.TakeBeeps(), 2);
}

TEST_F(QtPasteTest, ALockedBoxTakesNoPaste) {
  Q(W::txtTotalAmount)->setFocus(Qt::TabFocusReason);
  Clipboard("99");
  Press(Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(Text(W::txtTotalAmount), "30.00");
  EXPECT_EQ(services.TakeBeeps(), 0);
}

TEST_F(QtPasteTest, AMiddleClickPastesTheSelectionThroughTheFilter) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  if (!clipboard->supportsSelection()) GTEST_SKIP() << "this platform has no selection";
  Type("1");
  clipboard->setText("2-3x", QClipboard::Selection);
  QTest::mouseClick(Q(W::txtAmount), Qt::MiddleButton);
  EXPECT_EQ(Text(W::txtAmount).find_first_not_of("123"), std::string::npos);
  EXPECT_EQ(Text(W::txtAmount).size(), 3u);
}

}  // namespace
}  // namespace corvane::testing
