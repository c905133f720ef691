#include "tools/corvane_demo/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "corvane/corvane_widget.h"

namespace corvane::demo {

LanguageSwitch::LanguageSwitch(QWidget* parent) : QComboBox(parent) {
  setAccessibleName(QStringLiteral("Language"));
  addItem(QStringLiteral("English"), QLocale::English);
  addItem(QStringLiteral("Deutsch"), QLocale::German);
  connect(this, &QComboBox::currentIndexChanged, this,
          [this](int index) { Switch(static_cast<QLocale::Language>(itemData(index).toInt())); });
}

LanguageSwitch::~LanguageSwitch() { Remove(); }

bool LanguageSwitch::Choose(QLocale::Language language) {
  const int index = findData(language);
  if (index < 0) return false;
  setCurrentIndex(index);
  return true;
}

QLocale::Language LanguageSwitch::language() const {
  return static_cast<QLocale::Language>(currentData().toInt());
}

void LanguageSwitch::Switch(QLocale::Language language) {
  Remove();
  if (language == QLocale::English) return;  // the classic texts need no translator
  const QLocale locale(language);
  if (!qt::CorvaneWidget::LoadTranslation(control_, locale)) return;
  // Qt's own texts: a machine without Qt's translations (qt6-translations-l10n) keeps them
  // in English.
  const bool qt_texts = qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                                 QLibraryInfo::path(QLibraryInfo::TranslationsPath));
  if (qt_texts) QCoreApplication::installTranslator(&qt_);
  QCoreApplication::installTranslator(&control_);
  installed_ = true;
}

void LanguageSwitch::Remove() {
  if (!installed_) return;
  QCoreApplication::removeTranslator(&control_);
  QCoreApplication::removeTranslator(&qt_);
  installed_ = false;
}

}  // namespace corvane::demo
