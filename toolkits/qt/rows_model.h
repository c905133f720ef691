// The payment list's rows behind the Qt list view: plain text cells kept as UTF-8 and
// turned into Qt strings only when the view paints them. Rows appended one by one are
// announced to the view in one batch (before anything else touches the model, or when the
// event loop next runs), so that a load of many rows costs the view one insertion.
// A column given a header of width 0 carries data for the control only: it is hidden from
// the eye and from assistive technology alike, so it is no column of the view at all.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "surface/layout.h"
#include "surface/surface.h"

namespace corvane::qt {

class RowsModel final : public QAbstractTableModel {
 public:
  using Resolver = std::function<QColor(Color)>;

  // The rows of list view `list`, whose name its refusals give.
  RowsModel(WidgetId list, Resolver resolve, QObject* parent);

  struct Row {
    std::array<std::string, ListView::kSubItems + 1> cells;
    std::string tag;
    std::string description;  // for assistive technology, on every cell of the row
    Color fore_color = kWindowText;
  };

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The headers given so far, for the first columns.
  const std::vector<ColumnHeader>& columns() const { return columns_; }
  // Throws WidgetError past the seventh. Returns the column the view shows it as, or -1
  // when it has no width.
  int AddColumn(ColumnHeader column);

  int size() const { return static_cast<int>(rows_.size()); }
  // REQUIRES: 0 <= row < size(); throws WidgetError otherwise.
  const Row& at(int row) const;
  int Append(std::string_view text);
  // Room for `rows` more rows (at least twice the room there was when it must grow).
  void Reserve(int rows);
  void Remove(int row);
  void Clear();
  // Changes one cell (column 0 to 6) and tells the view.
  void SetCell(int row, int column, std::string_view text);
  void SetForeColor(int row, Color color);
  void SetTag(int row, std::string_view tag);
  void SetDescription(int row, std::string_view description);
  // Announces the rows appended since the last announcement.
  void Flush();

 private:
  Row& Mutable(int row);
  // The view's column showing cell `cell`, or -1.
  int ViewColumn(int cell) const;

  WidgetId list_;
  Resolver resolve_;
  std::vector<ColumnHeader> columns_;
  std::vector<int> shown_;  // the cell each of the view's columns shows, in order
  std::vector<Row> rows_;
  int announced_ = 0;  // rows the view knows of
  bool flush_posted_ = false;
};

}  // namespace corvane::qt
