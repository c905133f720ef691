#include "toolkits/headless/widgets.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "readings/utf8.h"
#include "surface/refusals.h"

namespace corvane::headless {
namespace {

bool IsContinuation(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

// --- text box ---

HeadlessTextBox::HeadlessTextBox(Screen& screen, WidgetId id)
    : Common(screen, id),
      text_(DesignOf(id).text),
      locked_(DesignOf(id).locked),
      back_color_(DesignOf(id).BackColor()),
      sel_start_(CodePointCount(text_)),
      caret_byte_(ByteOffset(text_, sel_start_)) {}

void HeadlessTextBox::SetText(std::string_view text) {
  Replace(std::string(text), CodePointCount(text));
}

void HeadlessTextBox::Replace(std::string text, int caret) {
  const bool changed = text != text_;
  text_ = std::move(text);
  sel_start_ = caret;
  sel_length_ = 0;
  caret_byte_ = ByteOffset(text_, caret);
  // Last step: the Change handler may set the text again.
  if (changed && screen_.events()) screen_.events()->Change(Id());
}

void HeadlessTextBox::SetSelStart(int start) {
  CheckNotNegative(Id(), "SelStart", start);
  sel_start_ = std::min(start, CodePointCount(text_));
  sel_length_ = 0;
  caret_byte_ = ByteOffset(text_, sel_start_);
}

void HeadlessTextBox::SetSelLength(int length) {
  CheckNotNegative(Id(), "SelLength", length);
  sel_length_ = std::min(length, CodePointCount(text_) - sel_start_);
}

void HeadlessTextBox::SelectRange(int start, int length) {
  const int size = CodePointCount(text_);
  sel_start_ = std::clamp(start, 0, size);
  sel_length_ = std::clamp(length, 0, size - sel_start_);
  caret_byte_ = ByteOffset(text_, sel_start_);
}

// Edits the text in place: a key costs its selection and the text after the caret, never
// a copy of the whole text, so typing at the end grows the text key by key in linear time.
void HeadlessTextBox::ApplyKey(char32_t code) {
  const std::size_t to =
      caret_byte_ + ByteOffset(std::string_view(text_).substr(caret_byte_), sel_length_);
  std::size_t from = caret_byte_;
  int caret = sel_start_;
  std::string typed;
  if (code == 8) {
    if (sel_length_ == 0 && sel_start_ > 0) {  // the character before the caret
      --caret;
      do {
        --from;
      } while (from > 0 && IsContinuation(text_[from]));
    }
  } else {
    AppendUtf8(typed, code);
    ++caret;
  }
  const bool changed = std::string_view(text_).substr(from, to - from) != typed;
  text_.replace(from, to - from, typed);
  sel_start_ = caret;
  sel_length_ = 0;
  caret_byte_ = from + typed.size();
  // Last step: the Change handler may set the text again.
  if (changed && screen_.events()) screen_.events()->Change(Id());
}

// --- combo box ---

HeadlessComboBox::HeadlessComboBox(Screen& screen, WidgetId id)
    : Common(screen, id),
      text_(DesignOf(id).text),
      locked_(DesignOf(id).locked),
      back_color_(DesignOf(id).BackColor()) {}

void HeadlessComboBox::AddItem(std::string_view text) {
  first_.Add(text, ListCount());
  items_.emplace_back(text);
}

void HeadlessComboBox::SetText(std::string_view text) {
  const int found = FindItem(text);
  if (Design().combo_style == ComboStyle::kDropDownList) {
    if (found < 0) RefuseEntryText(Id(), text);
    SetListIndex(found);
    return;
  }
  text_ = text;
  index_ = found;
}

std::string HeadlessComboBox::List(int index) const {
  CheckEntry(Id(), index, ListCount());
  return items_[index];
}

void HeadlessComboBox::SetListIndex(int index) {
  if (index != -1) CheckEntry(Id(), index, ListCount());
  if (index == index_) return;
  index_ = index;
  text_ = index < 0 ? std::string() : items_[index];
  if (index >= 0 && screen_.events()) screen_.events()->Click(Id());
}

void HeadlessComboBox::Clear() {
  items_.clear();
  first_.Clear();
  index_ = -1;
  text_.clear();
}

// --- list view ---

void HeadlessListView::AddColumn(std::string_view text, double width, Alignment alignment) {
  columns_.push_back({std::string(text), width, alignment});
}

void HeadlessListView::SetColumnText(int column, std::string_view text) {
  CheckColumn(Id(), column, static_cast<int>(columns_.size()));
  columns_[static_cast<std::size_t>(column)].text = text;
}

HeadlessListView::HeadlessListView(Screen& screen, WidgetId id) : Common(screen, id), rows_(id) {}

void HeadlessListView::FollowRemoval(int row) {
  if (selected_ == row) {
    selected_.reset();
  } else if (selected_ && *selected_ > row) {
    --*selected_;
  }
}

void HeadlessListView::Remove(int row) {
  rows_.Remove(row);
  FollowRemoval(row);
}

void HeadlessListView::Clear() {
  rows_.Clear();
  selected_.reset();
}

std::string HeadlessListView::SubItem(int row, int sub_item) const {
  rows_.CheckSubItem(sub_item);
  return std::string(rows_.Cell(row, sub_item));
}

void HeadlessListView::SetSubItem(int row, int sub_item, std::string_view text) {
  rows_.CheckSubItem(sub_item);
  rows_.SetCell(row, sub_item, text);
}

void HeadlessListView::ShowRows(const ListRows& rows) {
  rows_.Show(rows);
  selected_.reset();
}

void HeadlessListView::RowsInserted(int first, int count) {
  rows_.Inserted(first, count);
  if (selected_ && *selected_ >= first) *selected_ += count;
}

void HeadlessListView::RowRemoved(int row) {
  rows_.Removed(row);
  FollowRemoval(row);
}

void HeadlessListView::RowsCleared() {
  rows_.Cleared();
  selected_.reset();
}

void HeadlessListView::Select(int row) {
  rows_.CheckRow(row);
  selected_ = row;
}

// --- date picker ---

void HeadlessDatePicker::SetValue(Date value) {
  CheckDate(Id(), value);
  value_ = value;
}

}  // namespace corvane::headless
