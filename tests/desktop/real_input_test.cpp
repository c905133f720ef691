// The Qt control in a window on a real X server, driven by real X input (XTEST) and real
// message boxes answered with keys, as an operator works; run once without and once with a
// window manager, whose window activation comes late or in its own order.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "control/payment_record.h"
#include "corvane/corvane_widget.h"
#include "tests/desktop/x_input.h"

namespace corvane::testing {
namespace {

using W = WidgetId;
using qt::CorvaneWidget;

class RealInputTest : public ::testing::Test {
 protected:
  RealInputTest() {
    widget.setWindowTitle("Corvane");
    widget.show();
    widget.activateWindow();
    EXPECT_TRUE(RunUntil([&] { return widget.isActiveWindow(); })) << "the window is active";
    widget.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
    widget.WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|", "", "~", "|");
  }

  QWidget* Q(W id) { return widget.screen().qwidget(id); }
  Screen& screen() { return widget.screen(); }
  std::string Text(W id) { return screen().text_box(id).Text(); }
  // The control's focus is `id`, and its window has the keyboard again (after a message box
  // the window manager, or without one the control, activates it), so that keys reach it.
  bool FocusIn(W id) {
    return RunUntil([&] {
      return screen().Focus() == id && widget.isActiveWindow() && x.HasKeyboard(&widget);
    });
  }

  // Where the focus is, for a failure's message.
  std::string Where() {
    const std::optional<W> focus = screen().Focus();
    QWidget* qt_focus = QApplication::focusWidget();
    return "control's focus " + std::string(focus ? DesignOf(*focus).name : "none") + ", Qt's " +
           (qt_focus ? qt_focus->objectName().toStdString() : "none") +
           (widget.isActiveWindow() ? ", window active" : ", window inactive");
  }

  // Answers the next message box with `keysym` once the box is up and has the keyboard,
  // and keeps its title and text.
  void AnswerNextBoxWith(const char* keysym) {
    auto* poll = new QTimer(&widget);
    QObject::connect(poll, &QTimer::timeout, [this, poll, keysym] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || !box->isActiveWindow()) return;
      poll->stop();
      poll->deleteLater();
      seen = box->windowTitle().toStdString() + " | " + box->text().toStdString();
      window_had_keyboard = x.HasKeyboard(&widget);
      x.Key(keysym);
    });
    poll->start(10);
  }

  XInput x;
  CorvaneWidget widget{nullptr, nullptr, [] { return std::chrono::year{2026} / 12 / 6; }};
  std::string seen;
  bool window_had_keyboard = true;  // while the box was up
};

// After the amount check, the amount field has the focus with its whole text selected, so
// that what the operator types replaces the 0.00, whenever the window is activated again.
TEST_F(RealInputTest, AmountCheckLeavesTheWholeAmountSelected) {
  x.Click(Q(W::cmdAdd));
  ASSERT_TRUE(FocusIn(W::txtReference));
  x.Type("1001");
  ASSERT_TRUE(RunUntil([&] { return Text(W::txtReference) == "1001"; }));
  AnswerNextBoxWith("Return");
  x.Click(Q(W::cmdAdd));
  ASSERT_TRUE(RunUntil([&] { return !seen.empty(); })) << "the check's box was answered";
  EXPECT_EQ(seen, " Corvane | Please enter the Payment Amount");
  EXPECT_FALSE(window_had_keyboard) << "the box had the keyboard";
  ASSERT_TRUE(FocusIn(W::txtAmount)) << Where();
  EXPECT_EQ(screen().text_box(W::txtAmount).SelStart(), 0);
  EXPECT_EQ(screen().text_box(W::txtAmount).SelLength(), 4);
  x.Type("200");
  ASSERT_TRUE(RunUntil([&] { return Text(W::txtAmount) == "200"; })) << Text(W::txtAmount);
  x.Click(Q(W::cmdAdd));
  ListView& list = screen().list_view(W::lstPayment);
  ASSERT_TRUE(RunUntil([&] { return list.Count() == 1; }));
  EXPECT_EQ(list.SubItem(0, kColAmount), "200.00");
  EXPECT_EQ(widget.TotalAmount(), 200);
}

// The Tab key, pressed on the keyboard, visits the open fields and the buttons in tab order
// and passes over the "Not Found" box that the card combo box covers.
TEST_F(RealInputTest, TabVisitsTheFieldsAndPassesOverTheCoveredBox) {
  x.Click(Q(W::cmdAdd));
  ASSERT_TRUE(FocusIn(W::txtReference));
  std::vector<std::string> visited;
  for (int i = 0; i < 8; ++i) {
    const std::optional<W> before = screen().Focus();
    x.Key("Tab");
    ASSERT_TRUE(RunUntil([&] { return screen().Focus() != before; })) << Where();
    visited.emplace_back(DesignOf(*screen().Focus()).name);
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"txtAuthorization", "txtAmount", "DTPckrPaymentDate",
                                               "cmdAdd", "cmdEdit", "cboPaymentType",
                                               "txtReference", "txtAuthorization"}));
}

}  // namespace
}  // namespace corvane::testing
