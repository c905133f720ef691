#include "widgets/qt/rows_model.h"

#include <QTimer>
#include <algorithm>
#include <utility>

namespace corvane::qt {

RowsModel::RowsModel(Resolver resolve, QObject* parent)
    : QAbstractTableModel(parent), resolve_(std::move(resolve)) {}

int RowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : announced_;
}

// Every row has its seven cells whether or not their columns have headers yet.
int RowsModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ListView::kSubItems + 1;
}

QVariant RowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= announced_) return {};
  const bool right = index.column() < static_cast<int>(columns_.size()) &&
                     columns_[index.column()].alignment == Alignment::kRight;
  const Row& row = rows_[index.row()];
  switch (role) {
    case Qt::DisplayRole:
      return QString::fromStdString(row.cells[index.column()]);
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
  if (orientation != Qt::Horizontal || section < 0 ||
      section >= static_cast<int>(columns_.size())) {
    return {};
  }
  if (role == Qt::DisplayRole) return QString::fromStdString(columns_[section].text);
  if (role == Qt::TextAlignmentRole) {
    return static_cast<int>(
        (columns_[section].alignment == Alignment::kRight ? Qt::AlignRight : Qt::AlignLeft) |
        Qt::AlignVCenter);
  }
  return {};
}

void RowsModel::AddColumn(ColumnHeader column) {
  const int at = static_cast<int>(columns_.size());
  if (at == columnCount()) throw WidgetError("lstPayment: it has seven columns already");
  columns_.push_back(std::move(column));
  emit headerDataChanged(Qt::Horizontal, at, at);
}

const RowsModel::Row& RowsModel::at(int row) const {
  if (row < 0 || row >= size()) {
    throw WidgetError("lstPayment: no row " + std::to_string(row));
  }
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
  if (row < announced_) emit dataChanged(index(row, column), index(row, column));
}

void RowsModel::SetForeColor(int row, Color color) {
  Mutable(row).fore_color = color;
  if (row < announced_) {
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::ForegroundRole});
  }
}

void RowsModel::SetTag(int row, std::string_view tag) { Mutable(row).tag = tag; }

}  // namespace corvane::qt
