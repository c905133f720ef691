// The payment list's rows behind the Qt list view: plain text cells kept as UTF-8 and
// turned into Qt strings only when the view paints them. Rows appended one by one are
// announced to the view in one batch (before anything else touches the model, or when the
// event loop next runs), so that a load of many rows costs the view one insertion.
// A column given a header of width 0 carries data for the control only: it is hidden from
// the eye and from assistive technology alike, so it is no column of the view at all.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <functional>
#include <string>
#include <vector>

#include "corvane/layout.h"
#include "corvane/widgets.h"
#include "surface/list_rows.h"

namespace corvane::qt {

class RowsModel final : public QAbstractTableModel {
 public:
  using Resolver = std::function<QColor(Color)>;

  // The rows of list view `list`, whose name its refusals give.
  RowsModel(WidgetId list, Resolver resolve, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // The headers given so far, for the first columns.
  const std::vector<ColumnHeader>& columns() const { return columns_; }
  // Throws WidgetError past the seventh. Returns the column the view shows it as, or -1
  // when it has no width.
  int AddColumn(ColumnHeader column);
  // Throws WidgetError for a column not given yet.
  void SetColumnText(int column, std::string_view text);

  // The rows, their cells, colours and descriptions, for reading.
  const ShownRows& rows() const { return rows_; }
  int size() const { return rows_.Count(); }

  // Rows of its own.
  int Append(std::string_view text);
  void Reserve(int rows) { rows_.Reserve(rows); }
  void Remove(int row);
  void Clear();
  // Changes one cell (column 0 to 6) and tells the view.
  void SetCell(int row, int column, std::string_view text);

  // Rows kept elsewhere (see ListView::ShowRows).
  void Show(const ListRows& rows);
  void Inserted(int first, int count);
  void Changed(int row);
  void Removed(int row);
  void Cleared();

  void SetForeColor(int row, Color color);
  void SetDescription(int row, std::string_view description);
  // Announces the rows appended since the last announcement.
  void Flush();

 private:
  // The view's column showing cell `cell`, or -1.
  int ViewColumn(int cell) const;
  // Tells the view that row `row` looks different in `roles` (all roles when empty).
  void RowDataChanged(int row, const QList<int>& roles = {});
  // Announces the new rows when the event loop next runs, unless that is asked already.
  void PostFlush();

  WidgetId list_;
  Resolver resolve_;
  std::vector<ColumnHeader> columns_;
  std::vector<int> shown_;  // the cell each of the view's columns shows, in order
  ShownRows rows_;
  int announced_ = 0;  // rows the view knows of
  bool flush_posted_ = false;
};

}  // namespace corvane::qt
