/// @file
/// The rows a list view shows. A list keeps rows of its own (OwnedRows) or shows rows kept
/// by someone else (any ListRows), such as a control's payments; either way the list holds
/// each row's colour and description. ShownRows is that part of every toolkit's list.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/layout.h"
#include "corvane/widgets.h"

namespace corvane {

/// Rows as a list view reads them.
class ListRows {
 public:
  /// The number of rows.
  virtual int RowCount() const = 0;
  /// Cell `cell` of row `row`, valid until the rows change or Cell is called again.
  /// REQUIRES: 0 <= row < RowCount(), 0 <= cell < kListCells.
  virtual std::string_view Cell(int row, int cell) const = 0;

 protected:
  ~ListRows() = default;
};

/// Rows a list keeps itself, compactly: each row's cells back to back in one string.
class OwnedRows final : public ListRows {
 public:
  int RowCount() const override { return static_cast<int>(rows_.size()); }
  std::string_view Cell(int row, int cell) const override;

  /// Appends a row with that text and empty sub-items.
  void Add(std::string_view text);
  /// Room for `rows` rows more than there are (at least twice the room there was, so that
  /// a Reserve(1) before every Add does not move every row every time).
  void Reserve(int rows);
  /// Sets one cell. Throws WidgetError when the row's texts would pass 4 GiB.
  void SetCell(int row, int cell, std::string_view text);
  void Remove(int row);
  void Clear() { rows_.clear(); }

 private:
  struct Row {
    std::string texts;                             // every cell, back to back
    std::array<std::uint32_t, kListCells> ends{};  // where each cell ends
  };
  std::vector<Row> rows_;
};

/// The rows a list view shows, with each row's colour and description; every row index
/// and cell is checked, a bad one refused as the list's (see refusals.h).
class ShownRows {
 public:
  /// The rows of list view `list`.
  explicit ShownRows(WidgetId list) : list_(list) {}

  /// The number of rows.
  int Count() const { return rows_->RowCount(); }
  /// Cell `cell` (0 the text) of row `row`.
  std::string_view Cell(int row, int cell) const;
  /// Throws WidgetError unless 0 <= row < Count().
  void CheckRow(int row) const;
  /// Throws WidgetError unless 1 <= sub_item < kListCells.
  void CheckSubItem(int sub_item) const;

  /// @{
  /// Rows of its own. Refused while it shows rows kept elsewhere.
  int Add(std::string_view text);
  void Reserve(int rows);
  void SetCell(int row, int cell, std::string_view text);
  void Remove(int row);
  void Clear();
  /// @}

  /// @{
  /// Rows kept elsewhere: from Show on, the list reads `rows`, which its owner changes and
  /// then reports here. Show drops the rows of its own.
  /// REQUIRES: `rows` outlives the list.
  void Show(const ListRows& rows);
  bool ShowsOwnRows() const { return rows_ == &own_; }
  void Inserted(int first, int count);
  void Removed(int row);
  void Cleared();
  /// @}

  Color ForeColor(int row) const;
  void SetForeColor(int row, Color color);
  std::string_view Description(int row) const;
  void SetDescription(int row, std::string_view description);

 private:
  // A row's look: its colour and its description, an index into descriptions_.
  struct Look {
    Color fore_color = kWindowText;
    std::uint32_t description = 0;
  };
  void RefuseUnlessOwn() const;

  WidgetId list_;
  OwnedRows own_;
  const ListRows* rows_ = &own_;
  std::vector<Look> looks_;
  std::vector<std::string> descriptions_{""};  // each text once; 0 is none
};

}  // namespace corvane
