#include "toolkits/qt/caption_fit.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

namespace corvane::qt {

QString DrawnText(const QString& text) {
  QString drawn;
  drawn.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i) == u'&' && i + 1 < text.size()) ++i;  // the mark, or the first of "&&"
    drawn += text.at(i);
  }
  return drawn;
}

int DrawnWidth(const QFont& font, const QString& text) {
  return static_cast<int>(std::ceil(QFontMetricsF(font).horizontalAdvance(DrawnText(text))));
}

QFont CondensedOf(const QFont& font) {
  QFont condensed = font;
  condensed.setStretch(QFont::SemiCondensed);
  return condensed;
}

QFont FontFitting(const QFont& font, const QString& text, int room) {
  if (DrawnWidth(font, text) <= room) return font;
  QFont narrow = CondensedOf(font);
  // Below three quarters of the width letters run together.
  for (int stretch = QFont::SemiCondensed; DrawnWidth(narrow, text) > room && stretch > 75;) {
    stretch = std::max(75, stretch - 3);
    narrow.setStretch(stretch);
  }
  // A long word of another language ("Wiederherstellen") may need smaller letters still,
  // down to seven eighths of the size; the classic captions never come here.
  const qreal floor = font.pointSizeF() * 7 / 8;
  while (DrawnWidth(narrow, text) > room && narrow.pointSizeF() - 0.25 >= floor) {
    narrow.setPointSizeF(narrow.pointSizeF() - 0.25);
  }
  return narrow;
}

}  // namespace corvane::qt
