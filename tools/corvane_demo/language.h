// The demo's language switch, as a Qt host makes one: the control's texts (its translation
// that comes with the library) and Qt's own (the Yes and No of the message boxes, qtbase's
// translation) through Qt's translators, installed in the application. The demo's own window
// stays in English.
#pragma once

#include <QComboBox>
#include <QLocale>
#include <QTranslator>

namespace corvane::demo {

class LanguageSwitch final : public QComboBox {
 public:
  // Offers English and Deutsch, English chosen.
  explicit LanguageSwitch(QWidget* parent = nullptr);
  // Takes its translators out of the application.
  ~LanguageSwitch() override;
  LanguageSwitch(const LanguageSwitch&) = delete;
  LanguageSwitch& operator=(const LanguageSwitch&) = delete;

  // Chooses `language`'s entry, which switches; false for a language it does not offer.
  bool Choose(QLocale::Language language);
  // The language chosen.
  QLocale::Language language() const;

 private:
  void Switch(QLocale::Language language);
  void Remove();

  QTranslator control_;
  QTranslator qt_;
  bool installed_ = false;
};

}  // namespace corvane::demo
