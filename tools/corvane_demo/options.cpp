#include "tools/corvane_demo/options.h"

#include <QDir>
#include <QStandardPaths>

#include "tools/corvane_demo/order_data.h"

namespace corvane::demo {

Options ReadOptions(const QStringList& arguments) {
  Options options;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& name = arguments[i];
    if (name == "--help" || name == "-h") {
      options.help = true;
      continue;
    }
    if (name == "--mask-card-numbers") {
      options.mask_card_numbers = true;
      continue;
    }
    if (name != "--database" && name != "--screenshot" && name != "--today" &&
        name != "--language" && name != "--currency") {
      throw UsageError("unknown argument '" + name.toStdString() + "'");
    }
    if (i + 1 == arguments.size() || arguments[i + 1].isEmpty()) {
      throw UsageError(name.toStdString() + " takes a value");
    }
    const QString& value = arguments[++i];
    if (name == "--database") {
      options.database = value;
    } else if (name == "--screenshot") {
      options.screenshot = value;
    } else if (name == "--language") {
      if (value != "en" && value != "de") {
        throw UsageError("--language takes en or de, not '" + value.toStdString() + "'");
      }
      options.language = value == "de" ? QLocale::German : QLocale::English;
    } else if (name == "--currency") {
      if (!OfferedCodes().contains(value)) {
        throw UsageError("--currency takes one of " + OfferedCodes().join(", ").toStdString() +
                         ", not '" + value.toStdString() + "'");
      }
      options.currency = value;
    } else {
      options.today = QDate::fromString(value, Qt::ISODate);
      if (!options.today.isValid() || options.today < QDate(1900, 1, 1) ||
          options.today > QDate(2060, 12, 31)) {
        throw UsageError("--today takes a date YYYY-MM-DD from 1900-01-01 to 2060-12-31, not '" +
                         value.toStdString() + "'");
      }
    }
  }
  return options;
}

bool UseOffscreenWithoutDisplay() {
  if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY") ||
      !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
    return false;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  return true;
}

QString DefaultDatabase() {
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  if (folder.isEmpty() || !QDir().mkpath(folder)) {
    throw UsageError("cannot make the data folder '" + folder.toStdString() +
                     "'; name a database with --database FILE");
  }
  return QDir(folder).filePath(QStringLiteral("orders.sqlite"));
}

Corvane::Today TodayFor(const QDate& today) {
  if (!today.isValid()) return nullptr;
  const Corvane::Date date{std::chrono::year{today.year()},
                           std::chrono::month{static_cast<unsigned>(today.month())},
                           std::chrono::day{static_cast<unsigned>(today.day())}};
  return [date] { return date; };
}

}  // namespace corvane::demo
