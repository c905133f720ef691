#include "tools/corvane_demo/order_data.h"

#include <QLocale>
#include <limits>

namespace corvane::demo {

std::int64_t Cents(const Money& amount, const QString& what) {
  std::int64_t units = amount.minor_units();
  if (amount.decimals() > kAmountDecimals) {
    throw StoreError(
        (what + " " + QString::fromStdString(amount.Text()) + " has more than two decimals")
            .toStdString());
  }
  for (int d = amount.decimals(); d < kAmountDecimals; ++d) {
    if (units > std::numeric_limits<std::int64_t>::max() / 10 ||
        units < std::numeric_limits<std::int64_t>::min() / 10) {
      throw StoreError(
          (what + " " + QString::fromStdString(amount.Text()) + " is too large to keep in cents")
              .toStdString());
    }
    units *= 10;
  }
  return units;
}

std::int64_t Cents(double amount, const QString& what) {
  const std::optional<Money> cents = Money::Nearest(amount, kAmountDecimals);
  if (!cents) {
    throw StoreError(
        (what + " " + QString::number(amount, 'g', 15) + " is too large to keep in cents")
            .toStdString());
  }
  return cents->minor_units();
}

QString AmountText(const Money& amount) {
  QString text = QString::fromStdString(amount.Text());
  if (text.contains('.')) {
    while (text.endsWith('0')) text.chop(1);
    if (text.endsWith('.')) text.chop(1);
  }
  return text;
}

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
