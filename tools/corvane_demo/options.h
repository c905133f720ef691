// corvane-demo's command line and the start-up choices that follow from it.
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <stdexcept>

#include "corvane/corvane.h"

namespace corvane::demo {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kUsage =
    "usage: corvane-demo [--database FILE] [--screenshot FILE] [--today YYYY-MM-DD]\n"
    "                    [--language en|de] [--currency CODE] [--mask-card-numbers]\n"
    "  --database    the SQLite file of the orders (default: orders.sqlite in the\n"
    "                application's data folder); created with a sample order when empty,\n"
    "                upgraded when an earlier demo made it\n"
    "  --screenshot  runs a sample session without a person, saves the window as a PNG\n"
    "                to FILE, prints the change list and exits\n"
    "  --today       the date the control takes as today (default: the local date)\n"
    "  --language    the control's language at start: en (English, the default) or de\n"
    "                (Deutsch); the window's Language box switches it\n"
    "  --currency    shows the first order in CODE (USD, EUR, GBP, JPY, KRW, KWD or BHD),\n"
    "                adding the sample order in it when the database has none; without\n"
    "                it the first order is shown\n"
    "  --mask-card-numbers\n"
    "                masks card numbers on the control's screen from the start; the\n"
    "                window's Mask card numbers box switches it\n";

struct Options {
  QString database;  // empty: DefaultDatabase()
  QString screenshot;
  QDate today;  // invalid: the local date
  QLocale::Language language = QLocale::English;
  QString currency;  // empty: the first order, whatever its currency
  bool mask_card_numbers = false;
  bool help = false;
};

// Reads the arguments after the program's name (Qt's own already taken out).
// Throws UsageError.
Options ReadOptions(const QStringList& arguments);

// Sets QT_QPA_PLATFORM=offscreen when it is unset and there is no display (neither DISPLAY
// nor WAYLAND_DISPLAY). Call before the QApplication exists; true when it set it.
bool UseOffscreenWithoutDisplay();

// orders.sqlite in the application's data folder, which it creates. Needs the
// application's name set. Throws UsageError when the folder cannot be made.
QString DefaultDatabase();

// The control's today: `today` when valid, else the local date.
Corvane::Today TodayFor(const QDate& today);

}  // namespace corvane::demo
