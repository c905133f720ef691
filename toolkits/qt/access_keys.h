// Access keys for the Qt screen, when a host turns them on: each button and each field's
// label offers a letter with Alt, drawn underlined, and Escape cancels an open entry. The
// captions keep their text as the control sees it; only the text Qt draws carries the '&'
// marker. GUI thread only.
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

#include "corvane/catalog.h"
#include "corvane/qt_screen.h"

namespace corvane::qt {

// The text Qt shows for `caption`. Without access keys, the caption as it is. With them, a
// caption the screen knows in `catalog`'s language gets its letter marked ("&Save",
// "A&mount $:", and as well "A&mount JPY:" where a currency code stands for the "$"; the
// catalog's marked captions, "&Speichern", for its own), and any other has its '&' doubled
// so that it marks nothing. No two marked captions of a catalog should share a letter, so
// that the keys on screen never clash, whichever captions the buttons show.
QString Shown(const QString& caption, bool access_keys, const Catalog& catalog);

// The captions the screen gives a letter in `catalog`'s language, each as Qt shows it with
// its marker.
QStringList MarkedCaptions(const Catalog& catalog);

// While it lives: the buttons and labels of `screen` show their access keys; Escape,
// pressed in any widget of the control, is taken before that widget sees it: it presses
// Cancel when an entry is open and does nothing otherwise; and Alt with a letter that is
// no access key types nothing into a box. Destroying it turns all of it off.
class AccessKeysOn final : public QObject {
 public:
  // REQUIRES: `screen` outlives this object.
  explicit AccessKeysOn(Screen& screen);
  ~AccessKeysOn() override;
  AccessKeysOn(const AccessKeysOn&) = delete;
  AccessKeysOn& operator=(const AccessKeysOn&) = delete;

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Show(bool on);

  Screen& screen_;
};

}  // namespace corvane::qt
