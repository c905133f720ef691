// What a screen reader learns of the Qt control through Qt's accessibility interfaces:
// names, label links, and the list as the eye sees it.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <string>
#include <vector>

#include "corvane/corvane.h"
#include "corvane/qt_operator.h"
#include "corvane/qt_screen.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using W = WidgetId;

class QtAccessibilityTest : public ::testing::Test {
 protected:
  QtAccessibilityTest() {
    screen.surface()->show();
    control.PaymentDetails(1, 44, 1, 0, 250, "Dec 01, 2026");
    control.WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|",
                             "2~C1~A1~10~Nov 01, 2026~S1|2~C2~A2~20~Nov 02, 2026~S2|", "~", "|");
    QApplication::processEvents();
  }

  QAccessibleInterface* A(W id) {
    return QAccessible::queryAccessibleInterface(screen.qwidget(id));
  }
  std::string Name(W id) { return A(id)->text(QAccessible::Name).toStdString(); }
  // The names of what `id` relates to by `relation`.
  std::vector<std::string> Related(W id, QAccessible::Relation relation) {
    std::vector<std::string> names;
    for (const auto& [other, kind] : A(id)->relations(relation)) {
      if (kind & relation) names.push_back(other->object()->objectName().toStdString());
    }
    return names;
  }
  QWidget* Buddy(W label) { return static_cast<QLabel*>(screen.qwidget(label))->buddy(); }

  ScriptedServices services;
  qt::Screen screen{&services};
  Corvane control{screen, [] { return std::chrono::year{2026} / 12 / 6; }};
};

// Each field is named by its label and linked to it both ways; the balance box too,
// although its label lies in the frame and the box does not.
TEST_F(QtAccessibilityTest, FieldsAreNamedAndLinkedToTheirLabels) {
  const struct {
    W label, field;
    const char* name;
  } cases[] = {
      {W::lblPaymentType, W::cboPaymentType, "Payment Type:"},
      {W::lblCreditCard, W::cboCreditCard, "Bris Credit Card:"},
      {W::lblReference, W::txtReference, "Reference:"},
      {W::lblAuthorization, W::txtAuthorization, "Authorization:"},
      {W::lblAmount, W::txtAmount, "Amount $:"},
      {W::lblPaymentDate, W::txtPaymentDate, "Payment Date:"},
      {W::lblTotalAmountCaption, W::txtTotalAmount, "Total Amount $:"},
      {W::Label1, W::txtOrderedAmount, "Ordered Amount $:"},
      {W::lblBalanceAmount, W::txtBalanceAmount, "Balance Amount $:"},
  };
  for (const auto& c : cases) {
    const std::string label(DesignOf(c.label).name), field(DesignOf(c.field).name);
    EXPECT_EQ(Name(c.field), c.name) << field;
    EXPECT_THAT(Related(c.field, QAccessible::Label), ElementsAre(label)) << field;
    EXPECT_THAT(Related(c.label, QAccessible::Labelled), ElementsAre(field)) << label;
  }
  // The balance box still gives its text, caret and selection.
  QAccessibleTextInterface* balance = A(W::txtBalanceAmount)->textInterface();
  ASSERT_NE(balance, nullptr);
  EXPECT_EQ(balance->text(0, -1).toStdString(), "220.00");
  EXPECT_EQ(A(W::txtBalanceAmount)->text(QAccessible::Value).toStdString(), "220.00");
  EXPECT_EQ(A(W::txtBalanceAmount)->role(), QAccessible::EditableText);
  // Every focusable widget has a name.
  for (const WidgetDesign& design : kScreenLayout) {
    if (design.CanTakeFocus()) {
      EXPECT_NE(Name(design.id), "") << design.name;
    }
  }
  EXPECT_EQ(Name(W::lstPayment), "Payments");
  EXPECT_EQ(Name(W::txtCreditCard), "Bris Credit Card:");
  EXPECT_EQ(Name(W::DTPckrPaymentDate), "Payment Date:");
}

// Two widgets share a label: its buddy and its links go to the one in front, as the control
// reorders them or shows and hides the picker.
TEST_F(QtAccessibilityTest, ASharedLabelFollowsTheWidgetInFront) {
  EXPECT_EQ(Buddy(W::lblCreditCard), screen.qwidget(W::cboCreditCard));
  EXPECT_THAT(Related(W::txtCreditCard, QAccessible::Label), IsEmpty());
  screen.widget(W::cboCreditCard).ZOrder(1);
  screen.widget(W::txtCreditCard).ZOrder(0);
  EXPECT_EQ(Buddy(W::lblCreditCard), screen.qwidget(W::txtCreditCard));
  EXPECT_THAT(Related(W::lblCreditCard, QAccessible::Labelled), ElementsAre("txtCreditCard"));
  EXPECT_THAT(Related(W::txtCreditCard, QAccessible::Label), ElementsAre("lblCreditCard"));
  EXPECT_THAT(Related(W::cboCreditCard, QAccessible::Label), IsEmpty());
  screen.widget(W::txtCreditCard).ZOrder(1);
  EXPECT_EQ(Buddy(W::lblCreditCard), screen.qwidget(W::cboCreditCard));

  EXPECT_EQ(Buddy(W::lblPaymentDate), screen.qwidget(W::txtPaymentDate)) << "picker hidden";
  screen.widget(W::DTPckrPaymentDate).SetVisible(true);
  EXPECT_EQ(Buddy(W::lblPaymentDate), screen.qwidget(W::DTPckrPaymentDate));
  EXPECT_THAT(Related(W::DTPckrPaymentDate, QAccessible::Label), ElementsAre("lblPaymentDate"));
  EXPECT_THAT(Related(W::txtPaymentDate, QAccessible::Label), IsEmpty());
  screen.widget(W::DTPckrPaymentDate).ZOrder(1);  // behind the date box, though shown
  EXPECT_EQ(Buddy(W::lblPaymentDate), screen.qwidget(W::txtPaymentDate));
  screen.widget(W::DTPckrPaymentDate).ZOrder(0);
  screen.widget(W::DTPckrPaymentDate).SetVisible(false);
  EXPECT_EQ(Buddy(W::lblPaymentDate), screen.qwidget(W::txtPaymentDate));
}

TEST_F(QtAccessibilityTest, ButtonsAreNamedByTheCaptionTheyShow) {
  EXPECT_EQ(Name(W::cmdAdd), "New Payment");
  screen.button(W::cmdAdd).SetCaption("Save");
  screen.button(W::cmdDelete).SetCaption("Undelete");
  EXPECT_EQ(Name(W::cmdAdd), "Save");
  EXPECT_EQ(Name(W::cmdDelete), "Undelete");
}

// The sequence and the change mark are there for the control only: no header and no cell
// of theirs reaches a screen reader. A row's description reaches each of its cells.
TEST_F(QtAccessibilityTest, TheListShowsOnlyItsVisibleColumns) {
  QAccessibleTableInterface* table = A(W::lstPayment)->tableInterface();
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rowCount(), 2);
  ASSERT_EQ(table->columnCount(), 5);
  std::vector<std::string> cells;
  for (int column = 0; column < table->columnCount(); ++column) {
    cells.push_back(table->cellAt(1, column)->text(QAccessible::Name).toStdString());
  }
  EXPECT_THAT(cells, ElementsAre("Check", "C2", "A2", "20.00", "Nov 02, 2026"));
  ListView& list = screen.list_view(W::lstPayment);
  EXPECT_EQ(list.SubItem(1, 5), "S2") << "the control still has its columns";
  EXPECT_EQ(list.Columns().size(), 7u);

  list.SetDescription(1, "Deleted");
  for (int column = 0; column < table->columnCount(); ++column) {
    EXPECT_EQ(table->cellAt(1, column)->text(QAccessible::Description).toStdString(), "Deleted");
    EXPECT_EQ(table->cellAt(0, column)->text(QAccessible::Description).toStdString(), "");
  }
}

// A screen reader reads card numbers as the eye sees them: masked in the list's cells and
// in the reference box of the payment shown.
TEST_F(QtAccessibilityTest, MaskedCardNumbersAreReadMasked) {
  control.WritePaymentData("Visa|", "0~Cash~0|1~On Account~0|2~Check~0|8~Credit Card~0|",
                           "3~4111 1111 1111 1111~A1~10~Nov 01, 2026~S1|", "~", "|");
  control.MaskCardNumbers(true);
  qt::Operator op{screen};
  op.ClickRow(W::lstPayment, 0);
  QApplication::processEvents();
  QAccessibleTableInterface* table = A(W::lstPayment)->tableInterface();
  ASSERT_NE(table, nullptr);
  ASSERT_EQ(table->rowCount(), 1);
  EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name).toStdString(), "4111 11•• •••• 1111");
  EXPECT_EQ(A(W::txtReference)->text(QAccessible::Value).toStdString(), "4111 11•• •••• 1111");
  control.MaskCardNumbers(false);
  EXPECT_EQ(table->cellAt(0, 1)->text(QAccessible::Name).toStdString(), "4111 1111 1111 1111");
}

}  // namespace
}  // namespace corvane::testing
