/// @file
/// The headless widgets. Each keeps its own state and reaches the screen for focus,
/// z-order and events.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "corvane/headless_screen.h"
#include "corvane/widgets.h"
#include "surface/first_entries.h"
#include "surface/list_rows.h"
#include "surface/toolkit_widget.h"

namespace corvane::headless {

/// What every headless widget keeps alike: enabled, visible, and its place among its
/// siblings on the screen.
template <class Interface>
class Common : public ToolkitWidget<Interface, Screen> {
 public:
  /// Widget `id` of `screen`, enabled and visible as its design says.
  Common(Screen& screen, WidgetId id)
      : ToolkitWidget<Interface, Screen>(screen, id),
        enabled_(DesignOf(id).enabled),
        visible_(DesignOf(id).visible) {}

  bool Enabled() const override { return enabled_; }
  bool Visible() const override { return visible_; }
  int ZIndex() const override { return this->screen_.ZIndex(this->Id()); }

 protected:
  using ToolkitWidget<Interface, Screen>::screen_;

 private:
  void Enable(bool enabled) override { enabled_ = enabled; }
  void Show(bool visible) override { visible_ = visible; }
  void Stack(bool in_front) override { this->screen_.Stack(this->Id(), in_front); }

  bool enabled_;
  bool visible_;
};

/// A headless text box.
class HeadlessTextBox final : public Common<TextBox> {
 public:
  /// With the design's text, locked flag and colour; the caret at the end.
  HeadlessTextBox(Screen& screen, WidgetId id);

  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override;
  bool Locked() const override { return locked_; }
  void SetLocked(bool locked) override { locked_ = locked; }
  Color BackColor() const override { return back_color_; }
  void SetBackColor(Color color) override { back_color_ = color; }
  int SelStart() const override { return sel_start_; }
  void SetSelStart(int start) override;
  int SelLength() const override { return sel_length_; }
  void SetSelLength(int length) override;

  /// @{
  /// The operator's edits: one accepted key (8 deletes) and a dragged selection.
  void ApplyKey(char32_t code);
  void SelectRange(int start, int length);
  /// @}

 private:
  void Replace(std::string text, int caret);

  std::string text_;
  bool locked_;
  Color back_color_;
  int sel_start_;
  int sel_length_ = 0;
  std::size_t caret_byte_;  // where code point sel_start_ begins in text_
};

/// A headless combo box.
class HeadlessComboBox final : public Common<ComboBox> {
 public:
  /// Without entries, with the design's text, locked flag and colour.
  HeadlessComboBox(Screen& screen, WidgetId id);

  std::string Text() const override { return text_; }
  void SetText(std::string_view text) override;
  std::string List(int index) const override;
  int ListCount() const override { return static_cast<int>(items_.size()); }
  int FindItem(std::string_view text) const override { return first_.Find(text); }
  int ListIndex() const override { return index_; }
  void SetListIndex(int index) override;
  void AddItem(std::string_view text) override;
  void Clear() override;
  bool Locked() const override { return locked_; }
  void SetLocked(bool locked) override { locked_ = locked; }
  Color BackColor() const override { return back_color_; }
  void SetBackColor(Color color) override { back_color_ = color; }

 private:
  std::vector<std::string> items_;
  FirstEntries first_;
  int index_ = -1;
  std::string text_;
  bool locked_;
  Color back_color_;
};

/// A headless command button.
class HeadlessButton final : public Common<CommandButton> {
 public:
  /// With the design's caption.
  HeadlessButton(Screen& screen, WidgetId id) : Common(screen, id), caption_(DesignOf(id).text) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }

 private:
  std::string caption_;
};

/// A headless label.
class HeadlessLabel final : public Common<Label> {
 public:
  /// With the design's caption.
  HeadlessLabel(Screen& screen, WidgetId id) : Common(screen, id), caption_(DesignOf(id).text) {}
  std::string Caption() const override { return caption_; }
  void SetCaption(std::string_view caption) override { caption_ = caption; }

 private:
  std::string caption_;
};

/// A headless frame; its caption is the design's.
class HeadlessFrame final : public Common<Frame> {
 public:
  using Common::Common;
  std::string Caption() const override { return std::string(Design().text); }
};

/// A headless list view, its rows kept compact (see ShownRows).
class HeadlessListView final : public Common<ListView> {
 public:
  HeadlessListView(Screen& screen, WidgetId id);

  double Width() const override { return Design().rect.width; }
  void AddColumn(std::string_view text, double width, Alignment alignment) override;
  std::vector<ColumnHeader> Columns() const override { return columns_; }
  void SetColumnText(int column, std::string_view text) override;

  int Count() const override { return rows_.Count(); }
  int Add(std::string_view text) override { return rows_.Add(text); }
  void Reserve(int rows) override { rows_.Reserve(rows); }
  void Remove(int row) override;
  void Clear() override;

  std::string Text(int row) const override { return std::string(rows_.Cell(row, 0)); }
  void SetText(int row, std::string_view text) override { rows_.SetCell(row, 0, text); }
  std::string SubItem(int row, int sub_item) const override;
  void SetSubItem(int row, int sub_item, std::string_view text) override;
  Color ForeColor(int row) const override { return rows_.ForeColor(row); }
  void SetForeColor(int row, Color color) override { rows_.SetForeColor(row, color); }
  std::string Description(int row) const override { return std::string(rows_.Description(row)); }
  void SetDescription(int row, std::string_view description) override {
    rows_.SetDescription(row, description);
  }

  void ShowRows(const ListRows& rows) override;
  void RowsInserted(int first, int count) override;
  void RowChanged(int) override {}
  void RowRemoved(int row) override;
  void RowsCleared() override;

  std::optional<int> Selected() const override { return selected_; }
  void Select(int row) override;

  bool HideSelection() const override { return hide_selection_; }
  void SetHideSelection(bool hide) override { hide_selection_ = hide; }
  Color BackColor() const override { return back_color_; }
  void SetBackColor(Color color) override { back_color_ = color; }

 private:
  // The selection after row `row` went.
  void FollowRemoval(int row);

  std::vector<ColumnHeader> columns_;
  ShownRows rows_;
  std::optional<int> selected_;
  bool hide_selection_ = true;
  Color back_color_ = kWindowBackground;
};

/// A headless date picker; no value until one is set.
class HeadlessDatePicker final : public Common<DatePicker> {
 public:
  using Common::Common;

  std::string CustomFormat() const override { return format_; }
  void SetCustomFormat(std::string_view format) override { format_ = format; }
  std::optional<Date> Value() const override { return value_; }
  void SetValue(Date value) override;

 private:
  std::string format_;
  std::optional<Date> value_;
};

/// The headless widget of each kind, for ToolkitScreen::Build.
struct Widgets {
  using TextBox = HeadlessTextBox;
  using ComboBox = HeadlessComboBox;
  using CommandButton = HeadlessButton;
  using Label = HeadlessLabel;
  using Frame = HeadlessFrame;
  using ListView = HeadlessListView;
  using DatePicker = HeadlessDatePicker;
};

}  // namespace corvane::headless
