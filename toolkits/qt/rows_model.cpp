#include "toolkits/qt/rows_model.h"

#include <QTimer>
#include <algorithm>
#include <utility>

#include "surface/refusals.h"

namespace corvane::qt {

RowsModel::RowsModel(WidgetId list, Resolver resolve, QObject* parent)
    : QAbstractTableModel(parent), list_(list), resolve_(std::move(resolve)) {
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
  const Row& row = rows_[index.row()];
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(row.cells[cell]);
    case Qt::AccessibleDescriptionRole:
      if (row.description.empty()) return {};
      return QString::fromStdString(row.description);
    case Qt::ForegroundRole:
      // The row's colour is its text's colour, in every cell.
      return resolve_(row.fore_color);
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

const RowsModel::Row& RowsModel::at(int row) const {
  CheckRow(list_, row, size());
  return rows_[row];
}

RowsModel::Row& RowsModel::Mutable(int row) { return const_cast<Row&>(at(row)); }

int RowsModel::Append(std::string_view text) {
  rows_.emplace_back().cells[0] = text;
  if (!flush_posted_) {
    flush_posted_ = true;
    QTimer::singleShot(0, this, [this] { Flush(); });
  }
  return size() - 1;
}

void RowsModel::Reserve(int rows) {
  if (rows <= 0) return;
  const std::size_t needed = rows_.size() + static_cast<std::size_t>(rows);
  if (needed > rows_.capacity()) rows_.reserve(std::max(needed, 2 * rows_.capacity()));
}

void RowsModel::Flush() {
  flush_posted_ = false;
  if (announced_ == size()) return;
  beginInsertRows({}, announced_, size() - 1);
  announced_ = size();
  endInsertRows();
}

void RowsModel::Remove(int row) {
  at(row);
  Flush();
  beginRemoveRows({}, row, row);
  rows_.erase(rows_.begin() + row);
  announced_ = size();
  endRemoveRows();
}

void RowsModel::Clear() {
  beginResetModel();
  rows_.clear();
  announced_ = 0;
  endResetModel();
}

void RowsModel::SetCell(int row, int column, std::string_view text) {
  Mutable(row).cells[column] = text;
  const int shown = ViewColumn(column);
  if (row < announced_ && shown >= 0) emit dataChanged(index(row, shown), index(row, shown));
}

void RowsModel::SetForeColor(int row, Color color) {
  Mutable(row).fore_color = color;
  if (row < announced_ && columnCount() > 0) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::ForegroundRole});
  }
}

void RowsModel::SetTag(int row, std::string_view tag) { Mutable(row).tag = tag; }

void RowsModel::SetDescription(int row, std::string_view description) {
  Mutable(row).description = description;
  if (row < announced_ && columnCount() > 0) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::AccessibleDescriptionRole});
  }
}

}  // namespace corvane::qt
