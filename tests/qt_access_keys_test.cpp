// Access keys and Escape on the Qt screen, with real key events: what each key does to the
// focus and which events the control's handlers get, in order, with the keys on and off.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSet>
#include <QTest>

#include "corvane/qt_screen.h"
#include "tests/event_log.h"
#include "toolkits/qt/access_keys.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using W = WidgetId;

class QtAccessKeysTest : public ::testing::Test {
 protected:
  QtAccessKeysTest() {
    QWidget* window = screen.surface();
    window->show();
    QApplication::setActiveWindow(window);
    QApplication::processEvents();
    screen.SetEvents(&log);
  }
  ~QtAccessKeysTest() override { screen.SetEvents(nullptr); }

  QWidget* Q(W id) { return screen.qwidget(id); }
  QString Drawn(W id) {
    if (auto* button = qobject_cast<QPushButton*>(Q(id))) return button->text();
    return static_cast<QLabel*>(Q(id))->text();
  }
  // The operator's Tab or click into `id`, then a clean log.
  void FocusInto(W id) {
    Q(id)->setFocus(Qt::TabFocusReason);
    ASSERT_EQ(screen.Focus(), id);
    log.lines.clear();
  }
  // A key pressed wherever the focus is, as the keyboard sends it.
  void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  ScriptedServices services;
  qt::Screen screen{&services};
  EventLog log;
  std::unique_ptr<qt::AccessKeysOn> keys;
};

TEST_F(QtAccessKeysTest, OffTheCaptionsAreDrawnAsTheyAreAndAltLettersDoNothing) {
  for (W id : {W::cmdAdd, W::cmdEdit, W::cmdDelete, W::lblReference, W::lblAmount}) {
    EXPECT_EQ(Drawn(id).toStdString(), std::string(DesignOf(id).text));
  }
  FocusInto(W::cmdDelete);
  for (Qt::Key key : {Qt::Key_N, Qt::Key_R, Qt::Key_E}) Press(key, Qt::AltModifier);
  EXPECT_EQ(screen.Focus(), W::cmdDelete);
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(QtAccessKeysTest, OnTheLettersAreMarkedButTheCaptionsKeepTheirText) {
  keys = std::make_unique<qt::AccessKeysOn>(screen);
  const std::vector<std::tuple<W, std::string, std::string>> shown = {
      {W::cmdAdd, "New Payment", "&New Payment"},
      {W::cmdEdit, "Edit", "&Edit"},
      {W::cmdDelete, "Delete", "&Delete"},
      {W::lblPaymentType, "Payment Type:", "&Payment Type:"},
      {W::lblCreditCard, "Bris Credit Card:", "&Bris Credit Card:"},
      {W::lblReference, "Reference:", "&Reference:"},
      {W::lblAuthorization, "Authorization:", "&Authorization:"},
      {W::lblAmount, "Amount $:", "A&mount $:"},
      {W::lblPaymentDate, "Payment Date:", "Pa&yment Date:"},
      {W::Label1, "Ordered Amount $:", "&Ordered Amount $:"},
      {W::lblTotalAmountCaption, "Total Amount $:", "&Total Amount $:"},
      {W::lblBalanceAmount, "Balance Amount $:", "Ba&lance Amount $:"},
      {W::lblVersionNumber, "Version Number:", "Version Number:"},  // names no field
  };
  for (const auto& [id, caption, drawn] : shown) {
    const std::string got = DesignOf(id).kind == WidgetKind::kLabel ? screen.label(id).Caption()
                                                                    : screen.button(id).Caption();
    EXPECT_EQ(got, caption);
    EXPECT_EQ(Drawn(id).toStdString(), drawn) << caption;
  }
  // The control changes captions as it goes: the letter follows.
  CommandButton& add = screen.button(W::cmdAdd);
  CommandButton& edit = screen.button(W::cmdEdit);
  CommandButton& del = screen.button(W::cmdDelete);
  add.SetCaption("Save");
  edit.SetCaption("Cancel");
  del.SetCaption("Undelete");
  EXPECT_EQ(add.Caption() + edit.Caption() + del.Caption(), "SaveCancelUndelete");
  EXPECT_EQ((Drawn(W::cmdAdd) + Drawn(W::cmdEdit) + Drawn(W::cmdDelete)).toStdString(),
            "&Save&Cancel&Undelete");
  add.SetCaption("R&D");  // a caption the screen does not know marks nothing
  EXPECT_EQ(Drawn(W::cmdAdd).toStdString(), "R&&D");
  EXPECT_EQ(add.Caption(), "R&D");
  keys.reset();
  EXPECT_EQ((Drawn(W::cmdAdd) + Drawn(W::cmdEdit) + Drawn(W::lblAmount)).toStdString(),
            "R&DCancelAmount $:");
}

// A currency code in place of the "$" keeps the caption's letter; anything else there is
// no caption the screen knows.
TEST_F(QtAccessKeysTest, ACurrencyCodeKeepsTheLetter) {
  keys = std::make_unique<qt::AccessKeysOn>(screen);
  const std::vector<std::tuple<W, std::string, std::string>> shown = {
      {W::lblAmount, "Amount KWD:", "A&mount KWD:"},
      {W::Label1, "Ordered Amount JPY:", "&Ordered Amount JPY:"},
      {W::lblTotalAmountCaption, "Total Amount EUR:", "&Total Amount EUR:"},
      {W::lblBalanceAmount, "Balance Amount BHD:", "Ba&lance Amount BHD:"},
      {W::lblAmount, "Amount kwd:", "Amount kwd:"},
      {W::lblAmount, "Amount KWD&:", "Amount KWD&&:"},
      {W::lblAmount, "Amount :", "Amount :"},
  };
  for (const auto& [id, caption, drawn] : shown) {
    screen.label(id).SetCaption(caption);
    EXPECT_EQ(screen.label(id).Caption(), caption);
    EXPECT_EQ(Drawn(id).toStdString(), drawn) << caption;
  }
  screen.label(W::lblAmount).SetCaption("Amount KWD:");
  FocusInto(W::cmdDelete);
  Press(Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(screen.Focus(), W::txtAmount);
}

TEST_F(QtAccessKeysTest, NoTwoCaptionsShareALetterInEitherLanguage) {
  for (const Catalog& catalog : {Catalog(), Catalog::German()}) {
    QSet<QString> keys_seen;
    for (const QString& marked : qt::MarkedCaptions(catalog)) {
      const QString key = QKeySequence::mnemonic(marked).toString();
      EXPECT_FALSE(key.isEmpty()) << marked.toStdString();
      EXPECT_FALSE(keys_seen.contains(key))
          << marked.toStdString() << " repeats " << key.toStdString();
      keys_seen.insert(key);
    }
    EXPECT_EQ(keys_seen.size(), 15);
  }
}

TEST_F(QtAccessKeysTest, ALabelsKeyMovesTheFocusIntoItsFieldAsTheOperatorWould) {
  keys = std::make_unique<qt::AccessKeysOn>(screen);
  FocusInto(W::txtAmount);
  Press(Qt::Key_R, Qt::AltModifier);
  EXPECT_EQ(screen.Focus(), W::txtReference);
  EXPECT_EQ(QApplication::focusWidget(), Q(W::txtReference));
  Press(Qt::Key_M, Qt::AltModifier);
  EXPECT_EQ(screen.Focus(), W::txtAmount);
  EXPECT_THAT(log.lines, ElementsAre("LostFocus txtAmount", "GotFocus txtReference",
                                     "LostFocus txtReference", "GotFocus txtAmount"));
}

TEST_F(QtAccessKeysTest, AltWithALetterThatIsNoKeyTypesNothing) {
  FocusInto(W::txtReference);
  Press(Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "q") << "off: the key types its letter";
  keys = std::make_unique<qt::AccessKeysOn>(screen);
  log.lines.clear();
  Press(Qt::Key_Q, Qt::AltModifier);
  EXPECT_EQ(screen.text_box(W::txtReference).Text(), "q");
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(QtAccessKeysTest, AButtonsKeyClicksItAsTheMouseDoesFocusFirst) {
  keys = std::make_unique<qt::AccessKeysOn>(screen);
  FocusInto(W::txtAmount);
  Press(Qt::Key_N, Qt::AltModifier);
  EXPECT_THAT(log.lines, ElementsAre("LostFocus txtAmount", "GotFocus cmdAdd", "Click cmdAdd"));
  log.lines.clear();
  screen.button(W::cmdAdd).SetCaption("Save");
  Press(Qt::Key_N, Qt::AltModifier);
  EXPECT_THAT(log.lines, IsEmpty()) << "the letter went with the old caption";
  Press(Qt::Key_S, Qt::AltModifier);
  EXPECT_THAT(log.lines, ElementsAre("Click cmdAdd"));
  log.lines.clear();
  screen.button(W::cmdDelete).SetEnabled(false);
  Press(Qt::Key_D, Qt::AltModifier);
  EXPECT_THAT(log.lines, IsEmpty());
}

TEST_F(QtAccessKeysTest, EscapeClicksCancelBeforeTheFieldSeesTheKey) {
  keys = std::make_unique<qt::AccessKeysOn>(screen);
  screen.button(W::cmdEdit).SetCaption("Cancel");
  for (W field : {W::txtReference, W::txtAmount, W::cboPaymentType}) {
    FocusInto(field);
    Press(Qt::Key_Escape);
    const std::string name(DesignOf(field).name);
    EXPECT_THAT(log.lines, ElementsAre("LostFocus " + name, "GotFocus cmdEdit", "Click cmdEdit"));
  }
}

TEST_F(QtAccessKeysTest, EscapeDoesNothingWithoutACancelToClick) {
  keys = std::make_unique<qt::AccessKeysOn>(screen);
  FocusInto(W::txtReference);
  Press(Qt::Key_Escape);  // "Edit": no entry is open
  screen.button(W::cmdEdit).SetCaption("Cancel");
  screen.button(W::cmdEdit).SetEnabled(false);
  Press(Qt::Key_Escape);
  EXPECT_THAT(log.lines, IsEmpty());
  EXPECT_EQ(screen.Focus(), W::txtReference);
}

TEST_F(QtAccessKeysTest, OffEscapeIsAKeyOfTheFieldAsBefore) {
  screen.button(W::cmdEdit).SetCaption("Cancel");
  FocusInto(W::txtReference);
  Press(Qt::Key_Escape);
  EXPECT_THAT(log.lines, ElementsAre("KeyPress txtReference 27", "Change txtReference"));
}

}  // namespace
}  // namespace corvane::testing
