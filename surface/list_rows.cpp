#include "surface/list_rows.h"

#include <algorithm>
#include <limits>

#include "corvane/widgets.h"
#include "surface/refusals.h"

namespace corvane {
namespace {

// Room a new row's texts get at once: a payment row of about 60 characters fills it without
// growing cell by cell.
constexpr std::size_t kRowRoom = 71;  // with the terminating zero, one 72-byte block

}  // namespace

// --- OwnedRows ---

std::string_view OwnedRows::Cell(int row, int cell) const {
  const Row& r = rows_[static_cast<std::size_t>(row)];
  const std::uint32_t begin = cell == 0 ? 0 : r.ends[cell - 1];
  return std::string_view(r.texts).substr(begin, r.ends[cell] - begin);
}

void OwnedRows::Add(std::string_view text) {
  if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
    throw WidgetError("a row's texts are limited to 4 GiB");
  }
  Row& row = rows_.emplace_back();
  row.texts.reserve(std::max(kRowRoom, text.size()));
  SetCell(RowCount() - 1, 0, text);
}

void OwnedRows::Reserve(int rows) {
  if (rows <= 0) return;
  const std::size_t needed = rows_.size() + static_cast<std::size_t>(rows);
  if (needed > rows_.capacity()) rows_.reserve(std::max(needed, 2 * rows_.capacity()));
}

void OwnedRows::SetCell(int row, int cell, std::string_view text) {
  Row& r = rows_[static_cast<std::size_t>(row)];
  const std::uint32_t begin = cell == 0 ? 0 : r.ends[cell - 1];
  const std::uint32_t old_length = r.ends[cell] - begin;
  if (text.size() >
      std::numeric_limits<std::uint32_t>::max() - (r.ends[kListCells - 1] - old_length)) {
    throw WidgetError("a row's texts are limited to 4 GiB");
  }
  r.texts.replace(begin, old_length, text);
  const auto new_length = static_cast<std::uint32_t>(text.size());
  for (int i = cell; i < kListCells; ++i) r.ends[i] = r.ends[i] - old_length + new_length;
}

void OwnedRows::Remove(int row) { rows_.erase(rows_.begin() + row); }

// --- ShownRows ---

void ShownRows::CheckRow(int row) const { corvane::CheckRow(list_, row, Count()); }

void ShownRows::CheckSubItem(int sub_item) const { corvane::CheckSubItem(list_, sub_item); }

void ShownRows::RefuseUnlessOwn() const {
  if (!ShowsOwnRows()) Refuse(list_, "it shows rows it does not keep");
}

std::string_view ShownRows::Cell(int row, int cell) const {
  CheckRow(row);
  return rows_->Cell(row, cell);
}

int ShownRows::Add(std::string_view text) {
  RefuseUnlessOwn();
  try {
    own_.Add(text);
  } catch (const WidgetError& e) {
    Refuse(list_, e.what());
  }
  looks_.emplace_back();
  return Count() - 1;
}

void ShownRows::Reserve(int rows) {
  if (!ShowsOwnRows()) return;
  own_.Reserve(rows);
  if (rows > 0) looks_.reserve(looks_.size() + static_cast<std::size_t>(rows));
}

void ShownRows::SetCell(int row, int cell, std::string_view text) {
  RefuseUnlessOwn();
  CheckRow(row);
  try {
    own_.SetCell(row, cell, text);
  } catch (const WidgetError& e) {
    Refuse(list_, e.what());
  }
}

void ShownRows::Remove(int row) {
  RefuseUnlessOwn();
  CheckRow(row);
  own_.Remove(row);
  looks_.erase(looks_.begin() + row);
}

void ShownRows::Clear() {
  RefuseUnlessOwn();
  own_.Clear();
  looks_.clear();
}

void ShownRows::Show(const ListRows& rows) {
  own_.Clear();
  rows_ = &rows;
  looks_.assign(static_cast<std::size_t>(rows.RowCount()), Look{});
}

void ShownRows::Inserted(int first, int count) {
  looks_.insert(looks_.begin() + first, static_cast<std::size_t>(count), Look{});
}

void ShownRows::Removed(int row) { looks_.erase(looks_.begin() + row); }

void ShownRows::Cleared() { looks_.clear(); }

Color ShownRows::ForeColor(int row) const {
  CheckRow(row);
  return looks_[static_cast<std::size_t>(row)].fore_color;
}

void ShownRows::SetForeColor(int row, Color color) {
  CheckRow(row);
  looks_[static_cast<std::size_t>(row)].fore_color = color;
}

std::string_view ShownRows::Description(int row) const {
  CheckRow(row);
  return descriptions_[looks_[static_cast<std::size_t>(row)].description];
}

void ShownRows::SetDescription(int row, std::string_view description) {
  CheckRow(row);
  auto at = std::find(descriptions_.begin(), descriptions_.end(), description);
  if (at == descriptions_.end()) at = descriptions_.insert(at, std::string(description));
  looks_[static_cast<std::size_t>(row)].description =
      static_cast<std::uint32_t>(at - descriptions_.begin());
}

}  // namespace corvane
