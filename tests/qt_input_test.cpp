// The control on real Qt widgets, driven by real mouse and key events as a person would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "control/payment_record.h"
#include "corvane/corvane.h"
#include "corvane/qt_screen.h"

namespace corvane::testing {
namespace {

using W = WidgetId;

class QtInputTest : public ::testing::Test {
 protected:
  explicit QtInputTest(ScriptedServices* scripted) : screen(scripted) {
    QWidget* window = screen.surface();
    window->show();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
    control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
    control.WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|",
                             "2~C1~A1~10~Nov 01, 2026~S1|2~C2~A2~20~Nov 02, 2026~S2|"
                             "2~C3~A3~30~Nov 03, 2026~S3|",
                             "~", "|");
  }
  QtInputTest() : QtInputTest(&services) {}

  QWidget* Q(W id) { return screen.qwidget(id); }
  std::string Text(W id) { return screen.text_box(id).Text(); }
  void ClickRow(int row) {
    QApplication::processEvents();  // the list shows rows loaded since the loop last ran
    auto* view = static_cast<QTableView*>(Q(W::lstPayment));
    const QRect rect = view->visualRect(view->model()->index(row, 0));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
  }

  ScriptedServices services;
  qt::Screen screen;
  Corvane control{screen, [] { return std::chrono::year{2026} / 12 / 6; }};
};

TEST_F(QtInputTest, SaveLeavesTheAmountFieldBeforeItsClickIsHandled) {
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
  QTest::keyClicks(Q(W::txtReference), "R7");
  QTest::mouseClick(Q(W::txtAmount), Qt::LeftButton);
  QTest::keyClicks(Q(W::txtAmount), "12.5");
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
  ListView& list = screen.list_view(W::lstPayment);
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.SubItem(3, kColAmount), "12.50") << "formatted on leaving, then saved";
  EXPECT_EQ(list.SubItem(3, kColIsUpdate), "N");
  EXPECT_EQ(QApplication::focusWidget(), Q(W::lstPayment));
}

TEST_F(QtInputTest, LockedFieldRefusesTyping) {
  QTest::mouseClick(Q(W::txtTotalAmount), Qt::LeftButton);
  QTest::keyClicks(Q(W::txtTotalAmount), "9");
  EXPECT_EQ(Text(W::txtTotalAmount), "60.00");
}

TEST_F(QtInputTest, RefusedKeysAreSwallowedAndTheReferenceBeeps) {
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
  QTest::keyClicks(Q(W::txtReference), "a-b c");
  EXPECT_EQ(Text(W::txtReference), "abc");
  EXPECT_EQ(services.TakeBeeps(), 2);
  QTest::mouseClick(Q(W::txtAmount), Qt::LeftButton);
  QTest::keyClicks(Q(W::txtAmount), "-5,5.5.");
  EXPECT_EQ(Text(W::txtAmount), "55.5") << "the click kept the selection made on entering";
  EXPECT_EQ(services.TakeBeeps(), 0);
}

TEST_F(QtInputTest, ArrowKeysInTheListSelectRowsAndShowThem) {
  ClickRow(0);
  EXPECT_EQ(Text(W::txtReference), "C1");
  QTest::keyClick(Q(W::lstPayment), Qt::Key_Down);
  EXPECT_EQ(screen.list_view(W::lstPayment).Selected(), 1);
  EXPECT_EQ(Text(W::txtReference), "C2");
  QTest::keyClick(Q(W::lstPayment), Qt::Key_End);
  EXPECT_EQ(Text(W::txtAmount), "30.00");
  QTest::keyClick(Q(W::lstPayment), Qt::Key_PageUp);
  EXPECT_EQ(screen.list_view(W::lstPayment).Selected(), 2) << "Page Up moves nothing";
}

TEST_F(QtInputTest, TabFollowsTheTabIndexes) {
  // From the list, Tab visits the enabled tab stops in tab-index order.
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);  // opens the entry fields
  std::vector<std::string> visited;
  QWidget* at = Q(W::cboPaymentType);
  at->setFocus(Qt::TabFocusReason);
  for (int i = 0; i < 5; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited.push_back(screen.Focus() ? std::string(DesignOf(*screen.Focus()).name) : "none");
  }
  EXPECT_EQ(visited, (std::vector<std::string>{"txtReference", "txtAuthorization", "txtAmount",
                                               "DTPckrPaymentDate", "cmdAdd"}));
}

// The "Not Found" box behind the card combo box is passed over until it comes in front.
TEST_F(QtInputTest, TabPassesOverTheBoxTheCardComboCovers) {
  Widget& delete_button = screen.widget(W::cmdDelete);
  delete_button.SetEnabled(true);
  for (W in_front : {W::cboCreditCard, W::txtCreditCard}) {
    screen.widget(in_front).ZOrder(0);
    delete_button.SetFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(screen.Focus(), in_front == W::txtCreditCard ? W::txtCreditCard : W::lstPayment)
        << DesignOf(in_front).name << " in front";
  }
}

// Real message boxes, answered as a person would.
class QtMessageBoxTest : public QtInputTest {
 protected:
  QtMessageBoxTest() : QtInputTest(nullptr) {}

  // Clicks `button` on the next modal box, once it is up, and records what it showed.
  void AnswerNextBox(QMessageBox::StandardButton button) {
    auto* poll = new QTimer(screen.surface());
    QObject::connect(poll, &QTimer::timeout, [this, poll, button] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      poll->deleteLater();
      poll->stop();
      seen = box->windowTitle().toStdString() + " | " + box->text().toStdString() + " | " +
             std::to_string(box->icon()) + " | " + std::to_string(box->standardButtons());
      QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
    poll->start(5);
  }

  std::string seen;
};

TEST_F(QtMessageBoxTest, DeleteAsksWithQuestionYesAndNo) {
  ClickRow(1);
  AnswerNextBox(QMessageBox::Yes);
  QTest::mouseClick(Q(W::cmdDelete), Qt::LeftButton);
  EXPECT_EQ(seen, "Payment | Do you want to delete the selected payment record | " +
                      std::to_string(QMessageBox::Question) + " | " +
                      std::to_string(QMessageBox::Yes | QMessageBox::No));
  EXPECT_EQ(screen.list_view(W::lstPayment).SubItem(1, kColIsUpdate), "D");
}

TEST_F(QtMessageBoxTest, ACheckTellsWithInformationAndOk) {
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
  AnswerNextBox(QMessageBox::Ok);
  QTest::mouseClick(Q(W::cmdAdd), Qt::LeftButton);
  EXPECT_EQ(seen, "Corvane | Please enter the Reference Number | " +
                      std::to_string(QMessageBox::Information) + " | " +
                      std::to_string(QMessageBox::Ok));
  EXPECT_EQ(screen.Focus(), W::txtReference);
}

}  // namespace
}  // namespace corvane::testing
