/// @file
/// The widget surface the control drives. Each toolkit (headless, Qt) implements these
/// classes; the control sees nothing else of a toolkit.
///
/// Rules every toolkit keeps:
///  - A change made by code raises the same event as the operator's change, synchronously,
///    before the setter returns: a text box's Text set to a different text raises Change;
///    a combo box's selection moved to an entry (by ListIndex, or by Text on a drop-down
///    list) raises Click. Setting what is already there raises nothing.
///  - A value a widget refuses (a drop-down list text that is no entry, a list index or row
///    out of range, the focus on a disabled or hidden widget, a date out of range or a
///    text that is no date) throws WidgetError and changes nothing.
///  - Texts are UTF-8; lengths, caret and selection count code points.
///
/// All calls come on the thread that owns the screen.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "corvane/layout.h"

namespace corvane {

class ListRows;  // rows kept outside a list view, which it shows (ShowRows)

/// The cells of a list view's row: 0 its text, then the sub-items.
inline constexpr int kListCells = 7;

/// A value a widget refuses; the message names the widget and the value.
class WidgetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// What every widget has: its place in the layout, enabled, visible, focus and z-order.
class Widget {
 public:
  virtual ~Widget() = default;

  /// The widget's place in kScreenLayout.
  WidgetId Id() const { return id_; }
  /// Its design-time settings.
  const WidgetDesign& Design() const { return DesignOf(id_); }

  /// Whether the widget takes the operator's input.
  virtual bool Enabled() const = 0;
  /// Disabling or hiding the widget that has the focus moves the focus on in tab order.
  virtual void SetEnabled(bool enabled) = 0;
  /// Whether the widget itself is shown (its parent may still hide it).
  virtual bool Visible() const = 0;
  /// Shows or hides the widget; see SetEnabled for the focus.
  virtual void SetVisible(bool visible) = 0;
  /// Whether the widget has the screen's focus.
  virtual bool HasFocus() const = 0;
  /// REQUIRES: the widget can take the focus (enabled, visible, not a label or frame);
  /// throws WidgetError otherwise. Raises LostFocus of the old owner, then GotFocus.
  virtual void SetFocus() = 0;
  /// 0 brings the widget in front of its siblings, 1 sends it behind them.
  virtual void ZOrder(int position) = 0;
  /// The widget's place among all its siblings, 0 the front-most.
  virtual int ZIndex() const = 0;

 protected:
  /// The widget `id` of the layout.
  explicit Widget(WidgetId id) : id_(id) {}

 private:
  WidgetId id_;
};

/// A one-line text box.
class TextBox : public Widget {
 public:
  /// The text.
  virtual std::string Text() const = 0;
  /// Leaves the caret at the end of the new text with nothing selected.
  virtual void SetText(std::string_view text) = 0;
  /// Whether the operator's keys leave the text as it is.
  virtual bool Locked() const = 0;
  /// Locks or unlocks the text against the operator's keys.
  virtual void SetLocked(bool locked) = 0;
  /// The background colour.
  virtual Color BackColor() const = 0;
  /// Sets the background colour.
  virtual void SetBackColor(Color color) = 0;
  /// The caret, or the start of the selection.
  virtual int SelStart() const = 0;
  /// Puts the caret at `start` (clamped to the text) with nothing selected.
  virtual void SetSelStart(int start) = 0;
  /// The length of the selection; 0 when nothing is selected.
  virtual int SelLength() const = 0;
  /// Selects `length` code points from the caret (clamped to the text).
  virtual void SetSelLength(int length) = 0;

 protected:
  using Widget::Widget;
};

/// A combo box: a text and a drop-down of entries (ComboStyle).
class ComboBox : public Widget {
 public:
  /// The text: the selected entry's, or on a drop-down combo whatever was set.
  virtual std::string Text() const = 0;
  /// Drop-down list: selects the entry with exactly that text (Click when the selection
  /// moves); throws WidgetError when there is none. Drop-down combo: takes any text and
  /// selects the first entry with exactly that text, or none, without Click.
  virtual void SetText(std::string_view text) = 0;
  /// The text of entry `index`.
  /// REQUIRES: 0 <= index < ListCount(); throws WidgetError otherwise.
  virtual std::string List(int index) const = 0;
  /// The number of entries.
  virtual int ListCount() const = 0;
  /// The first entry with exactly that text, or -1; as quick with many entries as with few.
  virtual int FindItem(std::string_view text) const = 0;
  /// The selected entry; -1 when nothing is selected.
  virtual int ListIndex() const = 0;
  /// -1 clears the selection and the text, without Click. Throws WidgetError when out of range.
  virtual void SetListIndex(int index) = 0;
  /// Appends an entry; the selection does not change.
  virtual void AddItem(std::string_view text) = 0;
  /// Removes every entry; nothing is selected and the text is empty afterwards.
  virtual void Clear() = 0;
  /// Whether the operator can neither type nor choose.
  virtual bool Locked() const = 0;
  /// Locks or unlocks the box against the operator.
  virtual void SetLocked(bool locked) = 0;
  /// The background colour.
  virtual Color BackColor() const = 0;
  /// Sets the background colour.
  virtual void SetBackColor(Color color) = 0;

 protected:
  using Widget::Widget;
};

/// A push button.
class CommandButton : public Widget {
 public:
  /// The button's text.
  virtual std::string Caption() const = 0;
  /// Sets the button's text.
  virtual void SetCaption(std::string_view caption) = 0;

 protected:
  using Widget::Widget;
};

/// A label; it never takes the focus.
class Label : public Widget {
 public:
  /// The label's text.
  virtual std::string Caption() const = 0;
  /// Sets the label's text.
  virtual void SetCaption(std::string_view caption) = 0;

 protected:
  using Widget::Widget;
};

/// A frame around other widgets; it never takes the focus.
class Frame : public Widget {
 public:
  /// The frame's title.
  virtual std::string Caption() const = 0;

 protected:
  using Widget::Widget;
};

/// A list view's column header.
struct ColumnHeader {
  std::string text;                        ///< the header's text
  double width = 0;                        ///< twips
  Alignment alignment = Alignment::kLeft;  ///< of the header and the cells
};

/// @{
/// Virtual key codes the list view moves on.
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;
/// @}

/// A report view. Rows are addressed by their 0-based place in list order; each row has a
/// text (column 0), sub-items 1 to 6, a fore colour and a description.
/// Row arguments out of range throw WidgetError.
class ListView : public Widget {
 public:
  /// The sub-items of a row, after its text.
  static constexpr int kSubItems = kListCells - 1;

  /// Width at creation, in twips.
  virtual double Width() const = 0;
  /// Appends a column header; the first is column 0, the row text.
  virtual void AddColumn(std::string_view text, double width, Alignment alignment) = 0;
  /// The column headers, in order.
  virtual std::vector<ColumnHeader> Columns() const = 0;
  /// Sets the text of column header `column` (0 the first); its width and alignment stay.
  /// Throws WidgetError for a column the list does not have.
  virtual void SetColumnText(int column, std::string_view text) = 0;

  /// The number of rows.
  virtual int Count() const = 0;
  /// Appends a row with that text, empty sub-items and the window-text colour; returns
  /// its index. The selection does not change.
  virtual int Add(std::string_view text) = 0;
  /// Makes room for `rows` rows more than it holds, so that as many Add calls need not
  /// grow it on the way. Changes nothing that shows; a toolkit may ignore it.
  virtual void Reserve(int rows) = 0;
  /// The selection follows its row; removing the selected row leaves none selected.
  virtual void Remove(int row) = 0;
  /// Removes every row; none is selected.
  virtual void Clear() = 0;

  /// The row's text, column 0.
  virtual std::string Text(int row) const = 0;
  /// Sets the row's text.
  virtual void SetText(int row, std::string_view text) = 0;
  /// The text of sub-item `sub_item` of the row.
  /// REQUIRES: 1 <= sub_item <= kSubItems.
  virtual std::string SubItem(int row, int sub_item) const = 0;
  /// Sets a sub-item's text, as SubItem addresses it.
  virtual void SetSubItem(int row, int sub_item, std::string_view text) = 0;
  /// The colour of the row's texts.
  virtual Color ForeColor(int row) const = 0;
  /// Sets the colour of the row's texts.
  virtual void SetForeColor(int row, Color color) = 0;
  /// What sets the row apart that only its look shows otherwise (such as "Deleted" for a
  /// row drawn in red), for assistive technology; empty by default. No column shows it and
  /// the control never reads it back.
  virtual std::string Description(int row) const = 0;
  /// Sets the row's description; empty for none.
  virtual void SetDescription(int row, std::string_view description) = 0;

  /// @{
  /// Rows kept elsewhere. From ShowRows on, the list shows `rows` in place of rows of its
  /// own: those go, none is selected, and every row has the window-text colour and no
  /// description. Its owner changes them and then tells the list with the calls below.
  /// Add, Remove, Clear, SetText and SetSubItem are refused from then on.
  /// REQUIRES: `rows` outlives the list.
  virtual void ShowRows(const ListRows& rows) = 0;
  /// `count` rows were inserted at `first`; the selection follows its row.
  virtual void RowsInserted(int first, int count) = 0;
  /// The cells of row `row` changed.
  virtual void RowChanged(int row) = 0;
  /// Row `row` was removed; the selection follows its row, none when it was the one.
  virtual void RowRemoved(int row) = 0;
  /// Every row was removed; none is selected.
  virtual void RowsCleared() = 0;
  /// @}

  /// The selected row, if any. Selecting by code raises no event.
  virtual std::optional<int> Selected() const = 0;
  /// Selects the row.
  virtual void Select(int row) = 0;
  /// The row a key (a virtual key code) selects among `count` rows: Up and Down move one row
  /// from `selected` (from none, to the first), not past either end; Home and End go to the
  /// first and the last. None for any other key, or with no rows.
  static std::optional<int> RowForKey(int key, std::optional<int> selected, int count);

  /// Whether the selection is hidden while the list has no focus.
  virtual bool HideSelection() const = 0;
  /// Hides the selection while the list has no focus, or always shows it.
  virtual void SetHideSelection(bool hide) = 0;
  /// The background colour.
  virtual Color BackColor() const = 0;
  /// Sets the background colour.
  virtual void SetBackColor(Color color) = 0;

 protected:
  using Widget::Widget;
};

/// A date field with a drop-down calendar.
class DatePicker : public Widget {
 public:
  /// A calendar date.
  using Date = std::chrono::year_month_day;

  /// The format the date is shown in, such as "MMM dd, yyyy".
  virtual std::string CustomFormat() const = 0;
  /// Sets the format the date is shown in.
  virtual void SetCustomFormat(std::string_view format) = 0;
  /// None until a value is set.
  virtual std::optional<Date> Value() const = 0;
  /// Throws WidgetError for a date outside the layout's range.
  virtual void SetValue(Date value) = 0;
  /// Takes a text that reads as a date; throws WidgetError for any other.
  void SetValueText(std::string_view text);

 protected:
  using Widget::Widget;
};

}  // namespace corvane
