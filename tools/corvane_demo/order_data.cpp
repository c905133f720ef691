#include "tools/corvane_demo/order_data.h"

#include <QLocale>

namespace corvane::demo {

QString ControlDate(const QDate& date) {
  return date.isValid() ? QLocale::c().toString(date, QStringLiteral("MMM dd, yyyy")) : QString();
}

std::optional<QDate> ReadControlDate(const QString& text) {
  const QString trimmed = text.trimmed();
  QDate date = QLocale::c().toDate(trimmed, QStringLiteral("MMM d, yyyy"));
  if (!date.isValid()) date = QDate::fromString(trimmed, Qt::ISODate);
  if (!date.isValid()) return std::nullopt;
  return date;
}

}  // namespace corvane::demo
