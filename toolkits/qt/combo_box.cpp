#include <QKeyEvent>
#include <QLineEdit>

#include "surface/refusals.h"
#include "toolkits/qt/text.h"
#include "toolkits/qt/widgets.h"

namespace corvane::qt {

// Qt's combo selects entry 0 by itself on the first insert and signals on clear(); the
// control's combo keeps "no selection" until the logic or the operator chooses, and only
// the operator's choices arrive here as signals (code runs with the signals ignored).
QtComboBox::QtComboBox(Screen& screen, WidgetId id, QWidget* parent)
    : Common(screen, id, parent),
      locked_(DesignOf(id).locked),
      back_color_(DesignOf(id).BackColor()) {
  const WidgetDesign& design = Design();
  setEditable(design.combo_style == ComboStyle::kDropDownCombo);
  setInsertPolicy(QComboBox::NoInsert);
  setFocusPolicy(design.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  SetLocked(locked_);
  SetBackColor(back_color_);
  connect(this, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (!screen_.InCode() && index >= 0) {
      screen_.Raise([this](Events& events) { events.Click(Id()); });
    }
  });
}

std::string QtComboBox::List(int index) const {
  CheckEntry(Id(), index, count());
  return itemText(index).toStdString();
}

void QtComboBox::SetListIndex(int index) {
  if (index != -1) CheckEntry(Id(), index, count());
  if (index == currentIndex()) return;
  screen_.AsCode([&] {
    setCurrentIndex(index);
    if (index < 0 && isEditable()) setEditText({});
  });
  if (index >= 0) screen_.Raise([this](Events& events) { events.Click(Id()); });
}

void QtComboBox::SetText(std::string_view text) {
  const int found = first_.Find(text);
  if (!isEditable()) {
    if (found < 0) RefuseEntryText(Id(), text);
    return SetListIndex(found);
  }
  screen_.AsCode([&] {
    setCurrentIndex(found);
    setEditText(ToQt(text));
  });
}

void QtComboBox::AddItem(std::string_view text) {
  screen_.AsCode([&] {
    const int index = currentIndex();
    const QString edit_text = currentText();
    first_.Add(text, count());
    addItem(ToQt(text));
    if (currentIndex() != index) {
      setCurrentIndex(index);
      if (isEditable()) setEditText(edit_text);
    }
  });
}

void QtComboBox::Clear() {
  first_.Clear();
  screen_.AsCode([&] {
    clear();
    if (isEditable()) setEditText({});
  });
}

void QtComboBox::SetLocked(bool locked) {
  locked_ = locked;
  if (lineEdit()) lineEdit()->setReadOnly(locked);
}

void QtComboBox::SetBackColor(Color color) {
  back_color_ = color;
  QPalette p = palette();
  p.setColor(QPalette::Base, screen_.Resolve(color));
  p.setColor(QPalette::Button, screen_.Resolve(color));
  setPalette(p);
}

// Qt has no locked combo: a locked one refuses its drop-down and the keys that choose.
void QtComboBox::showPopup() {
  if (!locked_) QComboBox::showPopup();
}

void QtComboBox::keyPressEvent(QKeyEvent* event) {
  if (locked_) return event->ignore();
  QComboBox::keyPressEvent(event);
}

void QtComboBox::wheelEvent(QWheelEvent* event) {
  if (locked_ || !hasFocus()) return event->ignore();
  QComboBox::wheelEvent(event);
}

}  // namespace corvane::qt
