// The demo window keeps the operator's work: a card payment through the sample types,
// Save order refused while a payment is open in the control, and the question when the
// window closes with work not yet stored, each answer followed to the database.
#include <gmock/gmock.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QTest>
#include <QTimer>

#include "corvane/qt_operator.h"
#include "tests/demo_fixture.h"
#include "tools/corvane_demo/context_box.h"
#include "tools/corvane_demo/language.h"

namespace corvane::demo {
namespace {

using ::testing::ElementsAre;
using W = WidgetId;

const std::vector<std::string> kSamplePayments = {
    "501|2|1001||100|2026-11-28",
    "502|8|4111 1111 1111 1111|A1234|50.25|2026-11-29",
    "503|0|||20|2026-11-30",
};

constexpr const char* kEntryOpen =
    "A payment is still open in the control. Save it or cancel it there, then save the order.";
constexpr const char* kUnsaved =
    "Order 1 has changes that are not saved to the database. Save them before closing?";

class DemoWindowTest : public DemoSessionTest {
 protected:
  void SetUp() override {
    DemoSessionTest::SetUp();
    QApplication::setQuitOnLastWindowClosed(false);
    Reopen();
  }

  // A new window on the sample order, no boxes shown yet.
  void Reopen() {
    Open(1);
    person_ = std::make_unique<qt::Operator>(window_->corvane().screen());
    boxes_.clear();
  }

  qt::Operator& person() { return *person_; }
  ComboBox& Combo(WidgetId id) { return window_->corvane().screen().combo_box(id); }
  TextBox& Text(WidgetId id) { return window_->corvane().screen().text_box(id); }

  // New Payment, a check of `amount` with reference 1002; the entry stays open.
  void StartCheck(const std::string& amount) {
    person().Click(W::cmdAdd);
    person().Type(W::txtReference, "1002");
    person().Type(W::txtAmount, amount);
  }

  std::unique_ptr<qt::Operator> person_;
};

TEST_F(DemoWindowTest, CreditCardOpensTheCardsOnFileAndIsStoredUnderItsId) {
  person().Click(W::cmdAdd);
  const ComboBox& types = Combo(W::cboPaymentType);
  std::vector<std::string> offered;
  for (int i = 0; i < types.ListCount(); ++i) offered.push_back(types.List(i));
  EXPECT_THAT(offered, ElementsAre("Check", "Money Order", "Store Credit", "Wire Transfer",
                                   "Credit Card", "On Account"));

  person().Choose(W::cboPaymentType, "Credit Card");
  ComboBox& cards = Combo(W::cboCreditCard);
  ASSERT_TRUE(cards.Enabled());
  EXPECT_FALSE(cards.Locked());
  EXPECT_EQ(cards.ListCount(), 3);
  EXPECT_EQ(window_->corvane().screen().Focus(), W::cboCreditCard);
  person().Choose(W::cboCreditCard, "5500 0000 0000 0004");
  EXPECT_EQ(Text(W::txtReference).Text(), "5500 0000 0000 0004");
  person().Type(W::txtAuthorization, "B7781");
  person().Type(W::txtAmount, "60");
  person().Click(W::cmdAdd);

  ASSERT_TRUE(window_->SaveOrder()) << window_->status().toStdString();
  EXPECT_THAT(StoredRows(store_, 1),
              ElementsAre(kSamplePayments[0], kSamplePayments[1], kSamplePayments[2],
                          "504|8|5500 0000 0000 0004|B7781|60|2026-12-01"));
  EXPECT_TRUE(boxes_.empty());
}

TEST_F(DemoWindowTest, EntryOpenFollowsTheOperatorsEntries) {
  EXPECT_FALSE(window_->corvane().EntryOpen());
  person().Click(W::cmdAdd);
  EXPECT_TRUE(window_->corvane().EntryOpen()) << "New Payment";
  person().Click(W::cmdEdit);
  EXPECT_FALSE(window_->corvane().EntryOpen()) << "Cancel";
  person().ClickRow(W::lstPayment, 0);
  person().Click(W::cmdEdit);
  EXPECT_TRUE(window_->corvane().EntryOpen()) << "Edit";
  person().Select(W::txtAmount, 0, 6);
  person().Type(W::txtAmount, "0");
  person().Click(W::cmdAdd);
  EXPECT_THAT(scripted_.TakeMessages(), ::testing::SizeIs(1)) << "the amount check";
  EXPECT_TRUE(window_->corvane().EntryOpen()) << "a failed check keeps the entry";
  person().Type(W::txtAmount, "90");
  person().Click(W::cmdAdd);
  EXPECT_FALSE(window_->corvane().EntryOpen()) << "Save";
  person().Click(W::cmdAdd);
  ASSERT_TRUE(window_->LoadOrder(1));
  EXPECT_EQ(window_->corvane().screen().button(W::cmdAdd).Caption(), "New Payment");
  EXPECT_FALSE(window_->corvane().EntryOpen()) << "a load ends the entry";
}

// The payment date is not only picked from the calendar: in the picker, Up and Down change
// the part the cursor is in, and digits typed over a selected or rubbed-out part replace it.
TEST_F(DemoWindowTest, PaymentDateTakesKeysInThePicker) {
  StartCheck("75");
  qt::Screen& screen = window_->corvane().screen();
  QTest::keyClick(screen.qwidget(W::txtAmount), Qt::Key_Tab);
  ASSERT_EQ(screen.Focus(), W::DTPckrPaymentDate);
  QWidget* picker = QApplication::focusWidget();
  // "Dec 01, 2026", the month selected: Down makes it Nov.
  QTest::keyClick(picker, Qt::Key_Down);
  // The day selected with Shift+Right and typed over.
  for (int i = 0; i < 4; ++i) QTest::keyClick(picker, Qt::Key_Right);
  for (int i = 0; i < 2; ++i) QTest::keyClick(picker, Qt::Key_Right, Qt::ShiftModifier);
  QTest::keyClicks(picker, "15");
  // The year's last digit rubbed out and typed again, then Up.
  QTest::keyClick(picker, Qt::Key_End);
  QTest::keyClick(picker, Qt::Key_Backspace);
  QTest::keyClicks(picker, "7");
  QTest::keyClick(picker, Qt::Key_Up);
  QTest::keyClick(picker, Qt::Key_Tab);
  person().Click(W::cmdAdd);
  EXPECT_EQ(List().SubItem(3, 4), "Nov 15, 2028");
}

// Each way an entry is open: Save order refuses with a box saying why, stores nothing and
// leaves the entry as it was; once the operator saves it in the control, Save order
// stores it.
TEST_F(DemoWindowTest, SaveOrderRefusesWhileAnEntryIsOpen) {
  StartCheck("75");
  answers_ = {QMessageBox::Ok};
  EXPECT_FALSE(window_->SaveOrder());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].icon, QMessageBox::Warning);
  EXPECT_EQ(boxes_[0].text, kEntryOpen);
  EXPECT_EQ(boxes_[0].buttons, QMessageBox::Ok);
  EXPECT_EQ(window_->status().toStdString(),
            "Save order: a payment is still open in the control; nothing was saved");
  EXPECT_EQ(StoredRows(store_, 1), kSamplePayments);
  EXPECT_TRUE(window_->corvane().EntryOpen());
  EXPECT_EQ(Text(W::txtReference).Text(), "1002");

  person().Click(W::cmdAdd);
  ASSERT_TRUE(window_->SaveOrder()) << window_->status().toStdString();
  EXPECT_EQ(boxes_.size(), 1u);
  EXPECT_THAT(StoredRows(store_, 1), ElementsAre(kSamplePayments[0], kSamplePayments[1],
                                                 kSamplePayments[2], "504|2|1002||75|2026-12-01"));
}

TEST_F(DemoWindowTest, SaveOrderRefusesAnOpenEditAndAnEntryAChecksKeptOpen) {
  // An edit of the first payment.
  person().ClickRow(W::lstPayment, 0);
  person().Click(W::cmdEdit);
  person().Select(W::txtAmount, 0, 6);
  person().Type(W::txtAmount, "90");
  answers_ = {QMessageBox::Ok};
  EXPECT_FALSE(window_->SaveOrder());
  // A new payment whose amount check failed.
  person().Click(W::cmdEdit);
  StartCheck("0");
  person().Click(W::cmdAdd);
  ASSERT_EQ(scripted_.TakeMessages().size(), 1u);
  answers_ = {QMessageBox::Ok};
  EXPECT_FALSE(window_->SaveOrder());

  ASSERT_EQ(boxes_.size(), 2u);
  EXPECT_EQ(boxes_[1].text, kEntryOpen);
  EXPECT_EQ(StoredRows(store_, 1), kSamplePayments);
}

// What the operator has done before closing, the answer to the question, and what follows.
struct CloseCase {
  const char* name;
  bool entry_open;  // a check of 75 left open instead of saved into the list
  std::vector<QMessageBox::StandardButton> answers;
  bool closes;
  std::vector<std::string> boxes;  // the texts of the window's boxes, in order
  bool stored;                     // the check of 75 is in the database afterwards
};

void PrintTo(const CloseCase& c, std::ostream* os) { *os << c.name; }

class DemoCloseTest : public DemoWindowTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(DemoCloseTest, ClosingWithUnsavedChangesAsks) {
  const CloseCase& c = GetParam();
  StartCheck("75");
  if (!c.entry_open) person().Click(W::cmdAdd);
  answers_.assign(c.answers.begin(), c.answers.end());

  EXPECT_EQ(window_->close(), c.closes);
  EXPECT_EQ(window_->isVisible(), !c.closes);
  std::vector<std::string> texts;
  for (const WindowBox& box : boxes_) texts.push_back(box.text);
  EXPECT_EQ(texts, c.boxes);
  ASSERT_FALSE(boxes_.empty());
  EXPECT_EQ(boxes_[0].icon, QMessageBox::Question);
  EXPECT_EQ(boxes_[0].buttons, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
  if (c.stored) {
    EXPECT_THAT(StoredRows(store_, 1),
                ElementsAre(kSamplePayments[0], kSamplePayments[1], kSamplePayments[2],
                            "504|2|1002||75|2026-12-01"));
  } else {
    EXPECT_EQ(StoredRows(store_, 1), kSamplePayments);
  }
  if (!c.closes) {
    // Nothing of the work is lost: the entry or the saved payment is still there.
    EXPECT_EQ(window_->corvane().EntryOpen(), c.entry_open);
    EXPECT_TRUE(window_->HasUnsavedChanges());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DemoCloseTest,
    ::testing::Values(
        CloseCase{"SavedPaymentSave", false, {QMessageBox::Save}, true, {kUnsaved}, true},
        CloseCase{"SavedPaymentDiscard", false, {QMessageBox::Discard}, true, {kUnsaved}, false},
        CloseCase{"SavedPaymentCancel", false, {QMessageBox::Cancel}, false, {kUnsaved}, false},
        CloseCase{"OpenEntrySave",
                  true,
                  {QMessageBox::Save, QMessageBox::Ok},
                  false,
                  {kUnsaved, kEntryOpen},
                  false},
        CloseCase{"OpenEntryDiscard", true, {QMessageBox::Discard}, true, {kUnsaved}, false},
        CloseCase{"OpenEntryCancel", true, {QMessageBox::Cancel}, false, {kUnsaved}, false}),
    [](const ::testing::TestParamInfo<CloseCase>& info) { return std::string(info.param.name); });

TEST_F(DemoWindowTest, ClosingAsksOnlyWhenSomethingIsNotStored) {
  EXPECT_FALSE(window_->HasUnsavedChanges());
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(boxes_.empty());

  // A context changed in the boxes is stored by Save order too.
  Reopen();
  window_->context().SetOrderedAmount(300);
  answers_ = {QMessageBox::Save};
  EXPECT_TRUE(window_->close());
  ASSERT_EQ(boxes_.size(), 1u);
  EXPECT_EQ(boxes_[0].text, kUnsaved);
  EXPECT_EQ(store_.Context(1).ordered_amount, 300);
  EXPECT_EQ(StoredRows(store_, 1), kSamplePayments);

  // Once saved, the window closes without a question.
  Reopen();
  StartCheck("75");
  person().Click(W::cmdAdd);
  ASSERT_TRUE(window_->SaveOrder());
  EXPECT_FALSE(window_->HasUnsavedChanges());
  EXPECT_TRUE(window_->close());
  EXPECT_TRUE(boxes_.empty());
}

// The Language box switches the control as the operator picks it, while a payment is open
// too, and Qt's own texts with it; the order's data stay as they are.
TEST_F(DemoWindowTest, TheLanguageBoxSwitchesTheControl) {
  StartCheck("75");
  const std::string changes = window_->corvane().ReadPaymentData();
  QComboBox& language = window_->language();
  EXPECT_EQ(language.currentText(), "English");
  language.setCurrentIndex(language.findText("Deutsch"));  // as the operator picks it
  QApplication::processEvents();
  CommandButton& add = window_->corvane().screen().button(W::cmdAdd);
  EXPECT_EQ(add.Caption(), "Speichern");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Ja");
  person().Click(W::cmdAdd);
  EXPECT_EQ(add.Caption(), "Neue Zahlung");
  EXPECT_EQ(window_->corvane().ReadPaymentData(), changes + "Dec 01, 2026~2~1002~~75~~N|");
  EXPECT_THAT(window_->log().toStdString(), ::testing::HasSubstr("Language: Deutsch"));
  EXPECT_TRUE(window_->language().Choose(QLocale::English));
  QApplication::processEvents();
  EXPECT_EQ(add.Caption(), "New Payment");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Yes");
  EXPECT_FALSE(window_->language().Choose(QLocale::French));
  EXPECT_EQ(window_->language().language(), QLocale::English);
}

// The Mask card numbers box masks the card payment's reference in the list and in the
// reference box at once, and shows it whole again; what is saved keeps the whole number.
TEST_F(DemoWindowTest, TheMaskBoxMasksCardNumbersAtOnce) {
  const std::string whole = "Credit Card|4111 1111 1111 1111|A1234|50.25|Nov 29, 2026|502";
  const std::string masked = "Credit Card|4111 11•• •••• 1111|A1234|50.25|Nov 29, 2026|502";
  person().ClickRow(W::lstPayment, 1);
  EXPECT_FALSE(window_->mask_card_numbers().isChecked());
  EXPECT_EQ(Row(1), whole);
  window_->mask_card_numbers().click();
  EXPECT_EQ(Row(1), masked);
  EXPECT_EQ(Text(W::txtReference).Text(), "4111 11•• •••• 1111");
  EXPECT_EQ(Row(0), "Check|1001||100.00|Nov 28, 2026|501") << "only card payments";
  EXPECT_THAT(window_->log().toStdString(), ::testing::HasSubstr("Card numbers masked"));

  StartCheck("75");
  person().Click(W::cmdAdd);
  ASSERT_TRUE(window_->SaveOrder()) << window_->status().toStdString();
  EXPECT_EQ(StoredRows(store_, 1)[1], kSamplePayments[1]) << "stored whole";
  EXPECT_EQ(Row(1), masked) << "masked after the reload too";
  window_->mask_card_numbers().click();
  EXPECT_EQ(Row(1), whole);
  EXPECT_FALSE(window_->corvane().maskCardNumbers());
}

// The amount captions, and the amount column's header.
std::string Captions(DemoWindow& window) {
  Screen& screen = window.corvane().screen();
  std::string out;
  for (W id : {W::lblAmount, W::lblTotalAmountCaption}) out += screen.label(id).Caption() + " ";
  return out + screen.list_view(W::lstPayment).Columns()[3].text;
}

// A dinar order: the control takes its currency before its payments, the operator enters
// fils, the store keeps them exactly; the classic order afterwards shows "$" again.
TEST_F(DemoWindowTest, ADinarOrderIsEnteredAndStoredToTheFils) {
  ASSERT_TRUE(window_->LoadOrderIn("KWD")) << window_->status().toStdString();
  const int order = window_->order_id();
  EXPECT_NE(order, 1);
  EXPECT_EQ(window_->context().currency()->currentText(), "KWD");
  EXPECT_EQ(Captions(*window_), "Amount KWD: Total Amount KWD: Amount (KWD)");
  EXPECT_EQ(Text(W::txtOrderedAmount).Text(), "250.000");
  const std::string card = std::to_string(store_.Payments(order)[1].sequence);
  EXPECT_EQ(Row(1), "Credit Card|4111 1111 1111 1111|A1234|50.250|Nov 29, 2026|" + card);

  StartCheck("12.345");
  person().Click(W::cmdAdd);
  EXPECT_THAT(window_->log().toStdString(), ::testing::HasSubstr("AmountTotal 182.595"));
  ASSERT_TRUE(window_->SaveOrder()) << window_->status().toStdString();
  EXPECT_EQ(store_.Payments(order).back().amount, Money(12345, 3));
  EXPECT_EQ(Row(3).substr(0, 25), "Check|1002||12.345|Dec 01");
  EXPECT_EQ(window_->corvane().ExactTotal(), Money(182595, 3));

  ASSERT_TRUE(window_->LoadOrder(1));
  EXPECT_EQ(Captions(*window_), "Amount $: Total Amount $: Amount ($)");
  EXPECT_EQ(Row(1), "Credit Card|4111 1111 1111 1111|A1234|50.25|Nov 29, 2026|502");
  EXPECT_EQ(StoredRows(store_, 1), kSamplePayments);
}

// A yen order: the amount box refuses the decimal point; the yen are stored whole.
TEST_F(DemoWindowTest, AYenOrderTakesWholeYen) {
  ASSERT_TRUE(window_->LoadOrderIn("JPY")) << window_->status().toStdString();
  const int order = window_->order_id();
  StartCheck("7.5");
  EXPECT_EQ(Text(W::txtAmount).Text(), "75");
  person().Click(W::cmdAdd);
  ASSERT_TRUE(window_->SaveOrder()) << window_->status().toStdString();
  EXPECT_EQ(store_.Payments(order).back().amount, Money(75, 0));
  EXPECT_EQ(List().SubItem(3, 3), "75");
  EXPECT_EQ(Text(W::txtTotalAmount).Text(), "245");
}

// While the control holds payments it keeps its currency: Apply with another one is refused
// and said in the status bar, and saving the order with it is refused by the store.
TEST_F(DemoWindowTest, AnOrdersCurrencyCannotChangeUnderItsPayments) {
  QComboBox& currency = *window_->context().currency();
  currency.setCurrentIndex(currency.findText("JPY"));
  EXPECT_FALSE(window_->ApplyContext());
  EXPECT_EQ(window_->status().toStdString(),
            "CurrencyCode failed: CurrencyCode: the list holds payments; set the currency before "
            "WritePaymentData");
  EXPECT_EQ(Captions(*window_), "Amount $: Total Amount $: Amount ($)");
  EXPECT_FALSE(window_->SaveOrder());
  EXPECT_THAT(window_->status().toStdString(),
              ::testing::HasSubstr("order 1 has payments in $; its currency cannot become JPY"));
  EXPECT_EQ(store_.Currency(1).toStdString(), "");
}

// The currencies the demo offers have the decimals the control knows for their codes.
TEST_F(DemoWindowTest, OfferedCurrenciesHaveTheControlsDecimals) {
  for (const OfferedCurrency& offered : kOfferedCurrencies) {
    qt::CorvaneWidget control;
    EXPECT_TRUE(control.setCurrencyCode(offered.code)) << control.lastError().toStdString();
    EXPECT_EQ(control.currencyDecimals(), offered.decimals) << offered.code;
  }
}

// Without a function of the test's, the question is a real message box: Escape is Cancel
// and keeps the window; Discard closes it.
TEST_F(DemoWindowTest, RealQuestionBoxAnswersWithItsButtons) {
  window_->SetMessageBox(nullptr);
  StartCheck("75");
  std::vector<std::string> shown;
  auto answer = [&](const std::function<void(QMessageBox&)>& press) {
    QTimer::singleShot(0, [&shown, press] {
      for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box == nullptr || !box->isVisible()) continue;
        shown.push_back(box->text().toStdString());
        press(*box);
        return;
      }
    });
  };
  answer([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
  EXPECT_FALSE(window_->close());
  answer([](QMessageBox& box) { box.button(QMessageBox::Discard)->click(); });
  EXPECT_TRUE(window_->close());
  EXPECT_THAT(shown, ElementsAre(kUnsaved, kUnsaved));
  EXPECT_EQ(StoredRows(store_, 1), kSamplePayments);
}

}  // namespace
}  // namespace corvane::demo
