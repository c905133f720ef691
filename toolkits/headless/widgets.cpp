#include "toolkits/headless/widgets.h"

#include <algorithm>
#include <limits>
#include <utility>

#include "readings/utf8.h"
#include "surface/refusals.h"

namespace corvane::headless {
namespace {

// Room a new row's texts get at once: a payment row of about 60 characters fills it without
// growing piece by piece.
constexpr std::size_t kRowRoom = 71;  // with the terminating zero, one 72-byte block

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

HeadlessListView::Row& HeadlessListView::At(int row) {
  return const_cast<Row&>(std::as_const(*this).At(row));
}

const HeadlessListView::Row& HeadlessListView::At(int row) const {
  CheckRow(Id(), row, Count());
  return rows_[row];
}

std::string_view HeadlessListView::Row::Piece(int piece) const {
  const std::uint32_t begin = piece == 0 ? 0 : ends[piece - 1];
  return std::string_view(texts).substr(begin, ends[piece] - begin);
}

void HeadlessListView::Row::SetPiece(WidgetId list, int piece, std::string_view text) {
  const std::uint32_t begin = piece == 0 ? 0 : ends[piece - 1];
  const std::uint32_t old_length = ends[piece] - begin;
  if (text.size() >
      std::numeric_limits<std::uint32_t>::max() - (ends[kDescriptionPiece] - old_length)) {
    Refuse(list, "a row's texts are limited to 4 GiB");
  }
  texts.replace(begin, old_length, text);
  const std::uint32_t new_length = static_cast<std::uint32_t>(text.size());
  for (int i = piece; i <= kDescriptionPiece; ++i) ends[i] = ends[i] - old_length + new_length;
}

int HeadlessListView::Add(std::string_view text) {
  Row& row = rows_.emplace_back();
  row.texts.reserve(kRowRoom);
  row.SetPiece(Id(), 0, text);
  return Count() - 1;
}

// Room for exactly what is asked when the rows would not fit, but at least twice the room
// there was: Reserve(1) before every Add must not move every row every time.
void HeadlessListView::Reserve(int rows) {
  if (rows <= 0) return;
  const std::size_t needed = rows_.size() + static_cast<std::size_t>(rows);
  if (needed > rows_.capacity()) rows_.reserve(std::max(needed, 2 * rows_.capacity()));
}

void HeadlessListView::Remove(int row) {
  At(row);
  rows_.erase(rows_.begin() + row);
  if (selected_ == row) {
    selected_.reset();
  } else if (selected_ && *selected_ > row) {
    --*selected_;
  }
}

void HeadlessListView::Clear() {
  rows_.clear();
  selected_.reset();
}

std::string HeadlessListView::SubItem(int row, int sub_item) const {
  CheckSubItem(Id(), sub_item);
  return std::string(At(row).Piece(sub_item));
}

void HeadlessListView::SetSubItem(int row, int sub_item, std::string_view text) {
  CheckSubItem(Id(), sub_item);
  At(row).SetPiece(Id(), sub_item, text);
}

void HeadlessListView::Select(int row) {
  At(row);
  selected_ = row;
}

// --- date picker ---

void HeadlessDatePicker::SetValue(Date value) {
  CheckDate(Id(), value);
  value_ = value;
}

}  // namespace corvane::headless
