#include "tools/corvane_demo/change_list.h"

#include <QRegularExpression>

namespace corvane::demo {

QList<QStringList> SplitChangeList(const QString& text, const QString& fs, const QString& rs) {
  QList<QStringList> records;
  if (fs.isEmpty() || rs.isEmpty()) return records;
  QStringList pieces = text.split(rs);
  if (!pieces.isEmpty() && pieces.back().isEmpty()) pieces.removeLast();
  for (const QString& piece : pieces) records.push_back(piece.split(fs));
  return records;
}

std::optional<int> WholeNumber(const QString& text) {
  static const QRegularExpression kWhole(QStringLiteral("^[+-]?[0-9]+$"));
  if (!kWhole.match(text).hasMatch()) return std::nullopt;
  bool ok = false;
  const int value = text.toInt(&ok);
  if (!ok) return std::nullopt;
  return value;
}

}  // namespace corvane::demo
