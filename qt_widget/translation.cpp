// The widget in the host's language: its texts from Qt's translators, as a catalog for the
// control, and the translations that come with the library, for the host's translators.
#include <QCoreApplication>
#include <QEvent>
#include <string>

#include "corvane/catalog.h"
#include "corvane/corvane_widget.h"

namespace corvane::qt {

// The .qm that lrelease made of translations/corvane_de.ts (cmake/EmbedFile.cmake).
std::string_view GermanQm();

bool CorvaneWidget::LoadTranslation(QTranslator& translator, const QLocale& locale) {
  if (locale.language() != QLocale::German) return false;
  const std::string_view qm = GermanQm();
  return translator.load(reinterpret_cast<const uchar*>(qm.data()), static_cast<int>(qm.size()));
}

void CorvaneWidget::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::LanguageChange) FollowTranslators();
}

void CorvaneWidget::FollowTranslators() {
  const std::string context(kCatalogContext);
  Catalog catalog;
  for (const std::string_view classic : Catalog::ClassicTexts()) {
    const std::string key(classic);
    catalog.Set(classic, QCoreApplication::translate(context.c_str(), key.c_str()).toStdString());
  }
  control_->SetCatalog(std::move(catalog));
}

}  // namespace corvane::qt
