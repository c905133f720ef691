#include <QAction>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

#include "surface/refusals.h"
#include "toolkits/qt/text.h"
#include "toolkits/qt/widgets.h"

namespace corvane::qt {

QtTextBox::QtTextBox(Screen& screen, WidgetId id, QWidget* parent)
    : Common(screen, id, parent), back_color_(DesignOf(id).BackColor()) {
  const WidgetDesign& design = Design();
  setText(ToQt(design.text));
  setReadOnly(design.locked);
  setAlignment((design.alignment == Alignment::kRight ? Qt::AlignRight : Qt::AlignLeft) |
               Qt::AlignVCenter);
  setFocusPolicy(design.tab_stop ? Qt::StrongFocus : Qt::ClickFocus);
  SetBackColor(back_color_);
  // Edits the operator makes other than character keys (Delete, cut, drag and drop).
  connect(this, &QLineEdit::textEdited, this, [this] {
    if (!screen_.InCode()) RaiseChange();
  });
}

void QtTextBox::RaiseChange() {
  screen_.Raise([this](Events& events) { events.Change(Id()); });
}

void QtTextBox::SetText(std::string_view text) {
  const QString value = ToQt(text);
  const bool changed = value != this->text();
  screen_.AsCode([&] {
    setText(value);
    end(false);
  });
  if (changed) RaiseChange();
}

void QtTextBox::SetBackColor(Color color) {
  back_color_ = color;
  QPalette p = palette();
  p.setColor(QPalette::Base, screen_.Resolve(color));
  setPalette(p);
}

int QtTextBox::SelStart() const {
  return CodePointsBefore(text(), hasSelectedText() ? selectionStart() : cursorPosition());
}

int QtTextBox::SelLength() const { return CodePointsBefore(selectedText(), selectedText().size()); }

void QtTextBox::SetSelStart(int start) {
  CheckNotNegative(Id(), "SelStart", start);
  screen_.AsCode([&] { setCursorPosition(Utf16Offset(text(), start)); });
}

void QtTextBox::SetSelLength(int length) {
  CheckNotNegative(Id(), "SelLength", length);
  const int start = SelStart();
  const int end = std::min(start + length, CodePointsBefore(text(), text().size()));
  const int from = Utf16Offset(text(), start);
  screen_.AsCode([&] { setSelection(from, Utf16Offset(text(), end) - from); });
}

void QtTextBox::SelectRange(int start, int length) {
  const int size = CodePointsBefore(text(), text().size());
  start = std::clamp(start, 0, size);
  const int from = Utf16Offset(text(), start);
  const int to = Utf16Offset(text(), start + std::clamp(length, 0, size - start));
  setSelection(from, to - from);
  if (to == from) setCursorPosition(from);
}

// Entering a box keeps its caret and selection, however the focus came (Qt would select
// everything on Tab and move the caret on a click).
void QtTextBox::focusInEvent(QFocusEvent* event) {
  const Caret caret = CaretOf(*this);
  QLineEdit::focusInEvent(event);
  Restore(*this, caret);
  focus_just_arrived_ = event->reason() == Qt::MouseFocusReason;
}

// Leaving a box keeps its caret and selection too, whatever the reason (Qt drops the
// selection unless the window lost the activation or a pop-up opened), so that typing on
// return replaces what was selected.
void QtTextBox::focusOutEvent(QFocusEvent* event) {
  const Caret caret = CaretOf(*this);
  QLineEdit::focusOutEvent(event);
  Restore(*this, caret);
}

void QtTextBox::mousePressEvent(QMouseEvent* event) {
  if (!std::exchange(focus_just_arrived_, false)) return QLineEdit::mousePressEvent(event);
  const Caret caret = CaretOf(*this);
  QLineEdit::mousePressEvent(event);
  Restore(*this, caret);
}

// Character keys go through the KeyPress handler, which may change or discard them; the
// box then applies the key itself, so that every toolkit edits the same way.
void QtTextBox::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    event->accept();
    return PasteAsTyped(QClipboard::Clipboard);
  }
  const QList<uint> keys = event->text().toUcs4();
  if (keys.isEmpty() || event->key() == Qt::Key_Delete) return QLineEdit::keyPressEvent(event);
  event->accept();
  for (uint key : keys) TypeKey(key);
}

void QtTextBox::TypeKey(uint key) {
  if (key < 1 || key > 255) return;  // no key of the control's character set
  auto code = static_cast<std::int16_t>(key);
  screen_.Raise([&](Events& events) { events.KeyPress(Id(), code); });
  if (code < 1 || code > 255 || isReadOnly()) return;
  const QString before = text();
  screen_.AsCode([&] { code == 8 ? backspace() : insert(QString(QChar(code))); });
  if (text() != before) RaiseChange();
}

// A paste is typed, so that the field's key filter sees every character: a paste cannot
// put into a field what typing could not. Line breaks and other control characters of the
// pasted text are not keys and are left out; a locked box takes no paste, as Qt's would not.
void QtTextBox::PasteAsTyped(QClipboard::Mode mode) {
  if (isReadOnly()) return;
  for (uint key : QGuiApplication::clipboard()->text(mode).toUcs4()) {
    if (key >= 32) TypeKey(key);
  }
}

void QtTextBox::mouseReleaseEvent(QMouseEvent* event) {
  // The middle button pastes the selection on systems that have one (X11).
  if (event->button() != Qt::MiddleButton || !QGuiApplication::clipboard()->supportsSelection()) {
    return QLineEdit::mouseReleaseEvent(event);
  }
  event->accept();
  if (isReadOnly()) return;
  deselect();
  PasteAsTyped(QClipboard::Selection);
}

void QtTextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's Paste is the action wired to paste(); Qt versions wire it either way.
  for (QAction* action : menu->actions()) {
    const bool wired = disconnect(action, &QAction::triggered, this, &QLineEdit::paste);
    const bool wired_by_name = disconnect(action, SIGNAL(triggered()), this, SLOT(paste()));
    if (wired || wired_by_name) {
      connect(action, &QAction::triggered, this, [this] { PasteAsTyped(QClipboard::Clipboard); });
    }
  }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

}  // namespace corvane::qt
