// Texts between the control (UTF-8, counted in code points) and Qt (UTF-16).
#pragma once

#include <QLineEdit>
#include <QString>
#include <string_view>

namespace corvane::qt {

inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Code points in the first `utf16_length` units of `text`.
int CodePointsBefore(const QString& text, qsizetype utf16_length);
// The UTF-16 offset of code point `index` (clamped to the end).
int Utf16Offset(const QString& text, int index);

struct Caret {
  int position;
  int selection_start;  // -1: nothing selected
  int selection_length;
};
Caret CaretOf(const QLineEdit& edit);
void Restore(QLineEdit& edit, const Caret& caret);

}  // namespace corvane::qt
