#include "toolkits/qt/text.h"

namespace corvane::qt {

int CodePointsBefore(const QString& text, qsizetype utf16_length) {
  int count = 0;
  for (qsizetype i = 0; i < utf16_length && i < text.size(); ++i) {
    if (!text.at(i).isLowSurrogate()) ++count;
  }
  return count;
}

int Utf16Offset(const QString& text, int index) {
  qsizetype i = 0;
  for (int seen = 0; i < text.size(); ++i) {
    if (text.at(i).isLowSurrogate()) continue;
    if (seen++ == index) return static_cast<int>(i);
  }
  return static_cast<int>(text.size());
}

Caret CaretOf(const QLineEdit& edit) {
  if (!edit.hasSelectedText()) return {edit.cursorPosition(), -1, 0};
  return {edit.cursorPosition(), edit.selectionStart(),
          static_cast<int>(edit.selectedText().size())};
}

void Restore(QLineEdit& edit, const Caret& caret) {
  if (caret.selection_start < 0) {
    edit.setCursorPosition(caret.position);
  } else if (caret.position == caret.selection_start) {  // selected backwards
    edit.setSelection(caret.selection_start + caret.selection_length, -caret.selection_length);
  } else {
    edit.setSelection(caret.selection_start, caret.selection_length);
  }
}

}  // namespace corvane::qt
