#include "tools/corvane_demo/order_data.h"

#include <QLocale>
#include <limits>

namespace corvane::demo {
namespace {

QString UnitName(int decimals) {
  return decimals == 2 ? QStringLiteral("cents") : QStringLiteral("minor units");
}

}  // namespace

int CurrencyDecimals(const QString& code) {
  if (code.isEmpty()) return kClassicDecimals;
  for (const OfferedCurrency& currency : kOfferedCurrencies) {
    if (code == QLatin1String(currency.code)) return currency.decimals;
  }
  throw StoreError(
      ("currency '" + code + "' is not one of " + OfferedCodes().join(", ")).toStdString());
}

QStringList OfferedCodes() {
  QStringList codes;
  for (const OfferedCurrency& currency : kOfferedCurrencies) codes << currency.code;
  return codes;
}

std::int64_t MinorUnits(const Money& amount, int decimals, const QString& what) {
  std::int64_t units = amount.minor_units();
  if (amount.decimals() > decimals) {
    // Cut digits that are all zeros ("50.00" in yen is 50); any other is refused.
    for (int d = amount.decimals(); d > decimals; --d) {
      if (units % 10 != 0) {
        throw StoreError((what + " " + QString::fromStdString(amount.Text()) + " has more than " +
                          QString::number(decimals) + " decimals")
                             .toStdString());
      }
      units /= 10;
    }
    return units;
  }
  for (int d = amount.decimals(); d < decimals; ++d) {
    if (units > std::numeric_limits<std::int64_t>::max() / 10 ||
        units < std::numeric_limits<std::int64_t>::min() / 10) {
      throw StoreError((what + " " + QString::fromStdString(amount.Text()) +
                        " is too large to keep in " + UnitName(decimals))
                           .toStdString());
    }
    units *= 10;
  }
  return units;
}

std::int64_t MinorUnits(double amount, int decimals, const QString& what) {
  const std::optional<Money> nearest = Money::Nearest(amount, decimals);
  if (!nearest) {
    throw StoreError((what + " " + QString::number(amount, 'g', 15) + " is too large to keep in " +
                      UnitName(decimals))
                         .toStdString());
  }
  return nearest->minor_units();
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
