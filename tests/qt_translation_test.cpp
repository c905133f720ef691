// The Qt widget in the host's language: Qt's translators reach it when the host switches,
// names for screen readers and access keys included, and Qt's own buttons in the platform's
// message boxes speak the same language.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>
#include <string>
#include <vector>

#include "corvane/catalog.h"
#include "corvane/corvane_widget.h"
#include "corvane/qt_operator.h"

namespace corvane::testing {
namespace {

using ::testing::ElementsAre;
using W = WidgetId;

Corvane::Date Today() { return std::chrono::year{2026} / 12 / 6; }

// A translator installed in the application while it lives, as a host installs one.
class Installed {
 public:
  explicit Installed(QTranslator& translator) : translator_(translator) {
    QCoreApplication::installTranslator(&translator_);
    QApplication::processEvents();  // the language change reaches the widgets
  }
  ~Installed() {
    QCoreApplication::removeTranslator(&translator_);
    QApplication::processEvents();
  }
  Installed(const Installed&) = delete;
  Installed& operator=(const Installed&) = delete;

 private:
  QTranslator& translator_;
};

class QtTranslationTest : public ::testing::Test {
 protected:
  QtTranslationTest() {
    EXPECT_TRUE(qt::CorvaneWidget::LoadTranslation(german, QLocale(QLocale::German)));
  }

  static void Show(QWidget& widget) {
    widget.show();
    QApplication::setActiveWindow(&widget);
    QApplication::processEvents();
  }
  static std::string Name(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
  }
  // What the operator and a screen reader meet: captions, a label, a field's and the list's
  // names.
  static std::string Seen(qt::CorvaneWidget& widget) {
    qt::Screen& screen = widget.screen();
    return screen.button(W::cmdAdd).Caption() + " / " + Name(screen.qwidget(W::cmdAdd)) + " / " +
           screen.label(W::lblReference).Caption() + " / " + Name(screen.qwidget(W::txtReference)) +
           " / " + Name(screen.qwidget(W::lstPayment)) + " / " +
           screen.list_view(W::lstPayment).Columns()[0].text;
  }

  QTranslator german;
  ScriptedServices services;
};

TEST_F(QtTranslationTest, TheHostsLanguageSwitchReachesTheWidgetAtOnce) {
  qt::CorvaneWidget widget(nullptr, &services, Today);
  Show(widget);
  const std::string english =
      "New Payment / New Payment / Reference: / Reference: / Payments / Payment Type";
  EXPECT_EQ(Seen(widget), english);
  {
    const Installed installed(german);
    EXPECT_EQ(Seen(widget),
              "Neue Zahlung / Neue Zahlung / Referenz: / Referenz: / Zahlungen / Zahlungsart");
    qt::CorvaneWidget later(nullptr, &services, Today);
    EXPECT_EQ(later.screen().button(W::cmdEdit).Caption(), "Bearbeiten") << "made in German";
  }
  EXPECT_EQ(Seen(widget), english);
  EXPECT_TRUE(widget.control().catalog().Classic());
}

TEST_F(QtTranslationTest, TheCompiledTranslationIsTheGermanCatalog) {
  const std::string context(kCatalogContext);
  for (const std::string_view text : Catalog::ClassicTexts()) {
    const std::string key(text);
    const QString translated = german.translate(context.c_str(), key.c_str());
    EXPECT_EQ(translated.isEmpty() ? key : translated.toStdString(), Catalog::German().Text(text));
  }
  QTranslator none;
  for (const QLocale& locale : {QLocale(QLocale::English), QLocale(QLocale::French)}) {
    EXPECT_FALSE(qt::CorvaneWidget::LoadTranslation(none, locale)) << locale.name().toStdString();
  }
  EXPECT_TRUE(qt::CorvaneWidget::LoadTranslation(none, QLocale(QLocale::German, QLocale::Austria)));
}

// With access keys the German captions carry German letters: Alt+N opens an entry, Escape
// presses "Abbrechen".
TEST_F(QtTranslationTest, AccessKeysFollowTheLanguage) {
  const Installed installed(german);
  qt::CorvaneWidget widget(nullptr, &services, Today);
  widget.SetAccessKeys(true);
  Show(widget);
  qt::Screen& screen = widget.screen();
  const auto drawn = [&](W id) {
    if (auto* button = qobject_cast<QPushButton*>(screen.qwidget(id))) {
      return button->text().toStdString();
    }
    return static_cast<QLabel*>(screen.qwidget(id))->text().toStdString();
  };
  EXPECT_EQ(drawn(W::cmdAdd) + " " + drawn(W::lblCreditCard) + " " + drawn(W::lblAmount),
            "&Neue Zahlung Bris-&Kreditkarte: Be&trag $:");
  widget.PaymentDetails(1, 49, 1, 0, 100, "Dec 01, 2026");
  widget.WritePaymentData("", "0~Cash~0|1~On Account~0|2~Check~0|", "", "~", "|");
  screen.qwidget(W::lstPayment)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
  EXPECT_TRUE(widget.EntryOpen());
  EXPECT_EQ(drawn(W::cmdAdd) + " " + drawn(W::cmdEdit), "&Speichern &Abbrechen");
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
  EXPECT_FALSE(widget.EntryOpen());
  EXPECT_EQ(screen.button(W::cmdAdd).Caption(), "Neue Zahlung");
}

// The platform's box: the control's question in German, Qt's Yes and No from Qt's own
// translation, as a host installs it.
TEST_F(QtTranslationTest, QtsOwnButtonsSpeakTheLanguageToo) {
  QTranslator qt_german;
  ASSERT_TRUE(qt_german.load(QLocale(QLocale::German), "qtbase", "_",
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      << "qt6-translations-l10n gives qtbase_de.qm";
  const Installed qt_installed(qt_german);
  const Installed installed(german);
  qt::CorvaneWidget widget(nullptr, nullptr, Today);  // real message boxes
  Show(widget);
  widget.PaymentDetails(1, 49, 1, 0, 100, "Dec 01, 2026");
  widget.WritePaymentData("", "0~Cash~0|1~On Account~0|2~Check~0|", "2~C1~~10~Nov 01, 2026~S1|",
                          "~", "|");
  qt::Operator person(widget.screen());
  person.ClickRow(W::lstPayment, 0);
  std::vector<std::string> seen;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    seen.push_back(box->windowTitle().toStdString());
    seen.push_back(box->text().toStdString());
    for (QAbstractButton* button : box->buttons()) seen.push_back(button->text().toStdString());
    box->button(QMessageBox::No)->click();
  });
  person.Click(W::cmdDelete);
  EXPECT_THAT(
      seen, ElementsAre("Zahlung", "Möchten Sie die ausgewählte Zahlung löschen?", "&Ja", "&Nein"));
  EXPECT_EQ(widget.screen().button(W::cmdDelete).Caption(), "Löschen") << "No: nothing deleted";
}

}  // namespace
}  // namespace corvane::testing
