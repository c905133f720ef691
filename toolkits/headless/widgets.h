/// @file
/// The headless widgets. Each keeps its own state and reaches the screen for focus,
/// z-order and events.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "surface/first_entries.h"
#include "surface/surface.h"
#include "surface/toolkit_widget.h"
#include "toolkits/headless/screen.h"

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

/// A headless list view; rows are kept compact, each row's texts in one string.
class HeadlessListView final : public Common<ListView> {
 public:
  using Common::Common;

  double Width() const override { return Design().rect.width; }
  void AddColumn(std::string_view text, double width, Alignment alignment) override;
  std::vector<ColumnHeader> Columns() const override { return columns_; }

  int Count() const override { return static_cast<int>(rows_.size()); }
  int Add(std::string_view text) override;
  void Reserve(int rows) override;
  void Remove(int row) override;
  void Clear() override;

  std::string Text(int row) const override { return std::string(At(row).Piece(0)); }
  void SetText(int row, std::string_view text) override { At(row).SetPiece(Id(), 0, text); }
  std::string SubItem(int row, int sub_item) const override;
  void SetSubItem(int row, int sub_item, std::string_view text) override;
  Color ForeColor(int row) const override { return At(row).fore_color; }
  void SetForeColor(int row, Color color) override { At(row).fore_color = color; }
  std::string Tag(int row) const override { return std::string(At(row).Piece(kTagPiece)); }
  void SetTag(int row, std::string_view tag) override { At(row).SetPiece(Id(), kTagPiece, tag); }
  std::string Description(int row) const override {
    return std::string(At(row).Piece(kDescriptionPiece));
  }
  void SetDescription(int row, std::string_view description) override {
    At(row).SetPiece(Id(), kDescriptionPiece, description);
  }

  std::optional<int> Selected() const override { return selected_; }
  void Select(int row) override;

  bool HideSelection() const override { return hide_selection_; }
  void SetHideSelection(bool hide) override { hide_selection_ = hide; }
  Color BackColor() const override { return back_color_; }
  void SetBackColor(Color color) override { back_color_ = color; }

 private:
  /// The cells (0 the text, then the sub-items), the tag and the description, as pieces
  /// of one string.
  static constexpr int kTagPiece = kSubItems + 1;
  static constexpr int kDescriptionPiece = kTagPiece + 1;
  struct Row {
    std::string_view Piece(int piece) const;
    /// Throws WidgetError, naming `list`, when the row's texts would pass 4 GiB.
    void SetPiece(WidgetId list, int piece, std::string_view text);

    std::string texts;                                        // every piece, back to back
    std::array<std::uint32_t, kDescriptionPiece + 1> ends{};  // where each piece ends
    Color fore_color = kWindowText;
  };
  Row& At(int row);
  const Row& At(int row) const;

  std::vector<ColumnHeader> columns_;
  std::vector<Row> rows_;
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
