#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "corvane/qt_operator.h"
#include "toolkits/qt/widgets.h"

namespace corvane::qt {
namespace {

void SendKey(QWidget* to, int key, const QString& text, quint32 native_key = 0) {
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, 0, native_key, 0, text);
  QApplication::sendEvent(to, &press);
  QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, 0, native_key, 0, text);
  QApplication::sendEvent(to, &release);
}

}  // namespace

void Operator::FocusInto(WidgetId id) {
  if (screen_.Focus() == id) return;
  screen_.qwidget(id)->setFocus(Qt::TabFocusReason);
  // Qt may already have had its focus there (after activating the window).
  if (screen_.Focus() != id && screen_.Focusable(id)) screen_.OperatorFocus(id);
}

void Operator::DoClick(WidgetId button) {
  // The focus moves first, whether or not the window is active: an inactive window gets
  // no focus events from the press, and the field left must run its LostFocus before Click.
  FocusInto(button);
  // A LostFocus handler may have disabled the button; a disabled button takes no click.
  if (!screen_.Focusable(button)) return;
  QTest::mouseClick(screen_.qwidget(button), Qt::LeftButton);
}

void Operator::DoClickRow(WidgetId list, int row) {
  auto* view = static_cast<QtListView*>(screen_.qwidget(list));
  FocusInto(list);  // the click's focus move first, so that the row is still there
  if (row >= view->Count()) return;
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->RowRect(row).center());
}

void Operator::DoKey(WidgetId list, int code) {
  FocusInto(list);
  const int key = QtKeyOf(code);
  SendKey(screen_.qwidget(list), key, {}, key == Qt::Key_unknown ? code : 0);
}

void Operator::DoFocus(WidgetId id) { FocusInto(id); }

void Operator::DoType(WidgetId text_box, std::u32string_view keys) {
  FocusInto(text_box);
  QWidget* box = screen_.qwidget(text_box);
  for (char32_t c : keys) {
    // Keys go to the focus owner; a handler that moved the focus ends the typing here.
    if (screen_.Focus() != text_box) return;
    SendKey(box, c == 8 ? Qt::Key_Backspace : Qt::Key_unknown, QString(QChar(c)));
  }
}

void Operator::DoSelect(WidgetId text_box, int start, int length) {
  FocusInto(text_box);
  static_cast<QtTextBox*>(screen_.qwidget(text_box))->SelectRange(start, length);
}

void Operator::DoChoose(WidgetId combo_box, int entry) {
  auto* box = static_cast<QtComboBox*>(screen_.qwidget(combo_box));
  const QString text = box->itemText(entry);
  FocusInto(combo_box);
  // As picking in the open drop-down: the current entry moves, and only a move signals.
  if (const int now = box->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive); now >= 0) {
    box->setCurrentIndex(now);
  }
}

void Operator::DoPick(WidgetId date_picker, std::chrono::year_month_day date) {
  FocusInto(date_picker);
  static_cast<QDateEdit*>(screen_.qwidget(date_picker))
      ->setDate(QDate(static_cast<int>(date.year()),
                      static_cast<int>(static_cast<unsigned>(date.month())),
                      static_cast<int>(static_cast<unsigned>(date.day()))));
}

}  // namespace corvane::qt
