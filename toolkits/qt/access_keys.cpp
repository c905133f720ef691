#include "toolkits/qt/access_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "toolkits/qt/text.h"
#include "toolkits/qt/widgets.h"

namespace corvane::qt {
namespace {

// Each caption takes its first letter that no caption before it here has taken: the buttons
// their initials, whichever caption they show, and the labels after them. A catalog gives
// each its translation, with a letter of its own.
constexpr const char* kMarked[] = {
    "&New Payment",
    "&Save",
    "&Edit",
    "&Cancel",
    "&Delete",
    "&Undelete",
    "&Payment Type:",
    "&Bris Credit Card:",
    "&Reference:",
    "&Authorization:",
    "A&mount $:",
    "Pa&yment Date:",
    "&Ordered Amount $:",
    "&Total Amount $:",
    "Ba&lance Amount $:",
};

QString Unmarked(QString marked) { return marked.remove(u'&'); }

bool IsCurrencyCode(const QString& text) {
  return text.size() == 3 &&
         std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'A' && c <= u'Z'; });
}

// `marked` as it shows a currency code in place of its "$", when `caption` is that: the
// amount captions of a control whose host named its currency ("A&mount JPY:").
std::optional<QString> WithCurrencyCode(const QString& marked, const QString& caption) {
  const qsizetype dollar = marked.indexOf(u'$');
  if (dollar < 0) return std::nullopt;
  const QString before = marked.left(dollar);
  const QString after = marked.mid(dollar + 1);
  const qsizetype head = Unmarked(before).size();
  const qsizetype tail = Unmarked(after).size();
  if (caption.size() <= head + tail || !caption.startsWith(Unmarked(before)) ||
      !caption.endsWith(Unmarked(after))) {
    return std::nullopt;
  }
  const QString code = caption.mid(head, caption.size() - head - tail);
  if (!IsCurrencyCode(code)) return std::nullopt;
  return before + code + after;
}

bool IsEscape(const QEvent& event) {
  if (event.type() != QEvent::KeyPress && event.type() != QEvent::ShortcutOverride) return false;
  const auto& key = static_cast<const QKeyEvent&>(event);
  return key.key() == Qt::Key_Escape && (key.modifiers() & ~Qt::KeypadModifier) == 0;
}

// Alt and a letter that no access key took: typed into a box, it would be the letter.
bool IsMissedAccessKey(const QEvent& event) {
  if (event.type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(event);
  const Qt::KeyboardModifiers held = Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier;
  return (key.modifiers() & held) == Qt::AltModifier && !key.text().isEmpty() &&
         key.text().front().isPrint();
}

}  // namespace

QStringList MarkedCaptions(const Catalog& catalog) {
  QStringList marked;
  for (const char* classic : kMarked) marked.append(ToQt(catalog.Text(classic)));
  return marked;
}

QString Shown(const QString& caption, bool access_keys, const Catalog& catalog) {
  if (!access_keys) return caption;
  for (const char* classic : kMarked) {
    const QString marked = ToQt(catalog.Text(classic));
    if (Unmarked(marked) == caption) return marked;
    if (std::optional<QString> shown = WithCurrencyCode(marked, caption)) return *shown;
  }
  QString plain = caption;
  return plain.replace(u'&', QStringLiteral("&&"));
}

AccessKeysOn::AccessKeysOn(Screen& screen) : screen_(screen) {
  Show(true);
  // Every widget of the control, and the parts inside it that may hold the focus (the line
  // edit of an editable combo box); pop-ups made later are windows of their own and keep
  // their Escape.
  for (std::size_t i = 0; i < kWidgetCount; ++i) {
    QWidget* w = screen_.qwidget(static_cast<WidgetId>(i));
    w->installEventFilter(this);
    for (QWidget* part : w->findChildren<QWidget*>()) part->installEventFilter(this);
  }
}

AccessKeysOn::~AccessKeysOn() { Show(false); }

void AccessKeysOn::Show(bool on) {
  for (const WidgetDesign& design : kScreenLayout) {
    if (design.kind == WidgetKind::kCommandButton) {
      static_cast<QtButton*>(screen_.qwidget(design.id))->ShowAccessKey(on);
    } else if (design.kind == WidgetKind::kLabel) {
      static_cast<QtLabel*>(screen_.qwidget(design.id))->ShowAccessKey(on);
    }
  }
}

// Escape reaches the focus widget first as a shortcut override: taking it there keeps a
// host's own Escape shortcut from firing, and the key press then comes here, before the
// widget's KeyPress handling (which would give a text box's handler code 27, and a beep).
bool AccessKeysOn::eventFilter(QObject* watched, QEvent* event) {
  if (!watched->isWidgetType()) return false;
  if (static_cast<QWidget*>(watched)->window() != screen_.surface()->window()) return false;
  if (IsMissedAccessKey(*event) && qobject_cast<QLineEdit*>(watched)) return true;
  if (!IsEscape(*event)) return false;
  event->accept();
  if (event->type() == QEvent::KeyPress) {
    auto* edit = static_cast<QtButton*>(screen_.qwidget(WidgetId::cmdEdit));
    const bool cancel = edit->Caption() == screen_.catalog().Text("Cancel");
    if (cancel && edit->isEnabled() && !edit->isHidden()) edit->Press();
  }
  return true;
}

}  // namespace corvane::qt
