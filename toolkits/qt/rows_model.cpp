#include "toolkits/qt/rows_model.h"

#include <QTimer>
#include <algorithm>
#include <utility>

#include "surface/refusals.h"

namespace corvane::qt {

RowsModel::RowsModel(WidgetId list, Resolver resolve, QObject* parent)
    : QAbstractTableModel(parent), list_(list), resolve_(std::move(resolve)), rows_(list) {
  for (int cell = 0; cell <= ListView::kSubItems; ++cell) shown_.push_back(cell);
}

int RowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : announced_;
}

int RowsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int RowsModel::ViewColumn(int cell) const {
  const auto at = std::find(shown_.begin(), shown_.end(), cell);
  return at == shown_.end() ? -1 : static_cast<int>(at - shown_.begin());
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= announced_ || index.column() >= columnCount()) return {};
  const int cell = shown_[index.column()];
  const bool right =
      cell < static_cast<int>(columns_.size()) && columns_[cell].alignment == Alignment::kRight;
  const int row = index.row();
  switch (role) {
    case Qt::DisplayRole: {
      const std::string_view text = rows_.Cell(row, cell);
      return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::AccessibleDescriptionRole: {
      const std::string_view description = rows_.Description(row);
      if (description.empty()) return {};
      return QString::fromUtf8(description.data(), static_cast<qsizetype>(description.size()));
    }
    case Qt::ForegroundRole:
      // The row's colour is its text's colour, in every cell.
      return resolve_(rows_.ForeColor(row));
    case Qt::TextAlignmentRole:
      return static_cast<int>((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant RowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount() ||
      shown_[section] >= static_cast<int>(columns_.size())) {
    return {};
  }
  const ColumnHeader& column = columns_[shown_[section]];
  if (role == Qt::DisplayRole) return QString::fromStdString(column.text);
  if (role == Qt::TextAlignmentRole) {
    return static_cast<int>(
        (column.alignment == Alignment::kRight ? Qt::AlignRight : Qt::AlignLeft) |
        Qt::AlignVCenter);
  }
  return {};
}

int RowsModel::AddColumn(ColumnHeader column) {
  const int cell = static_cast<int>(columns_.size());
  if (cell == ListView::kSubItems + 1) {
    Refuse(list_, "it has " + std::to_string(cell) + " columns already");
  }
  const bool shown = column.width != 0;
  columns_.push_back(std::move(column));
  const int at = ViewColumn(cell);
  if (shown) {
    emit headerDataChanged(Qt::Horizontal, at, at);
    return at;
  }
  beginRemoveColumns({}, at, at);
  shown_.erase(shown_.begin() + at);
  endRemoveColumns();
  return -1;
}

void RowsModel::SetColumnText(int column, std::string_view text) {
  CheckColumn(list_, column, static_cast<int>(columns_.size()));
  columns_[static_cast<std::size_t>(column)].text = text;
  if (const int at = ViewColumn(column); at >= 0) emit headerDataChanged(Qt::Horizontal, at, at);
}

void RowsModel::PostFlush() {
  if (flush_posted_) return;
  flush_posted_ = true;
  QTimer::singleShot(0, this, [this] { Flush(); });
}

void RowsModel::Flush() {
  flush_posted_ = false;
  if (announced_ >= size()) return;
  beginInsertRows({}, announced_, size() - 1);
  announced_ = size();
  endInsertRows();
}

void RowsModel::RowDataChanged(int row, const QList<int>& roles) {
  if (row < announced_ && columnCount() > 0) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), roles);
  }
}

int RowsModel::Append(std::string_view text) {
  const int row = rows_.Add(text);
  PostFlush();
  return row;
}

void RowsModel::Remove(int row) {
  rows_.CheckRow(row);
  Flush();
  beginRemoveRows({}, row, row);
  rows_.Remove(row);
  announced_ = size();
  endRemoveRows();
}

void RowsModel::Clear() {
  beginResetModel();
  rows_.Clear();
  announced_ = 0;
  endResetModel();
}

void RowsModel::SetCell(int row, int column, std::string_view text) {
  rows_.SetCell(row, column, text);
  const int shown = ViewColumn(column);
  if (row < announced_ && shown >= 0) emit dataChanged(index(row, shown), index(row, shown));
}

void RowsModel::Show(const ListRows& rows) {
  beginResetModel();
  rows_.Show(rows);
  announced_ = 0;
  endResetModel();
  PostFlush();
}

// The owner has changed its rows already; the view hears of it here, in the order it
// would have before the change, which it cannot tell apart.
void RowsModel::Inserted(int first, int count) {
  if (first >= announced_) {  // appended: announced with the others in one batch
    rows_.Inserted(first, count);
    PostFlush();
    return;
  }
  beginInsertRows({}, first, first + count - 1);
  rows_.Inserted(first, count);
  announced_ += count;
  endInsertRows();
}

void RowsModel::Changed(int row) { RowDataChanged(row); }

void RowsModel::Removed(int row) {
  if (row >= announced_) {
    rows_.Removed(row);
    return;
  }
  beginRemoveRows({}, row, row);
  rows_.Removed(row);
  --announced_;
  endRemoveRows();
}

void RowsModel::Cleared() {
  beginResetModel();
  rows_.Cleared();
  announced_ = 0;
  endResetModel();
}

void RowsModel::SetForeColor(int row, Color color) {
  rows_.SetForeColor(row, color);
  RowDataChanged(row, {Qt::ForegroundRole});
}

void RowsModel::SetDescription(int row, std::string_view description) {
  rows_.SetDescription(row, description);
  RowDataChanged(row, {Qt::AccessibleDescriptionRole});
}

}  // namespace corvane::qt
