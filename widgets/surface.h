// The widget surface the control drives. Each toolkit (headless, Qt) implements these
// classes; the control sees nothing else of a toolkit.
//
// Rules every toolkit keeps:
//  - A change made by code raises the same event as the operator's change, synchronously,
//    before the setter returns: a text box's Text set to a different text raises Change;
//    a combo box's selection moved to an entry (by ListIndex, or by Text on a drop-down
//    list) raises Click. Setting what is already there raises nothing.
//  - A value a widget refuses (a drop-down list text that is no entry, a list index or row
//    out of range, the focus on a disabled or hidden widget, a date out of range or a
//    text that is no date) throws WidgetError and changes nothing.
//  - Texts are UTF-8; lengths, caret and selection count code points.
// All calls come on the thread that owns the screen.
#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "widgets/layout.h"

namespace corvane {

class WidgetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class Widget {
 public:
  virtual ~Widget() = default;

  WidgetId Id() const { return id_; }
  const WidgetDesign& Design() const { return DesignOf(id_); }

  virtual bool Enabled() const = 0;
  // Disabling or hiding the widget that has the focus moves the focus on in tab order.
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  virtual bool HasFocus() const = 0;
  // REQUIRES: the widget can take the focus (enabled, visible, not a label or frame);
  // throws WidgetError otherwise. Raises LostFocus of the old owner, then GotFocus.
  virtual void SetFocus() = 0;
  // 0 brings the widget in front of its siblings, 1 sends it behind them.
  virtual void ZOrder(int position) = 0;
  // The widget's place among all its siblings, 0 the front-most.
  virtual int ZIndex() const = 0;

 protected:
  explicit Widget(WidgetId id) : id_(id) {}

 private:
  WidgetId id_;
};

class TextBox : public Widget {
 public:
  virtual std::string Text() const = 0;
  // Leaves the caret at the end of the new text with nothing selected.
  virtual void SetText(std::string_view text) = 0;
  virtual bool Locked() const = 0;
  virtual void SetLocked(bool locked) = 0;
  virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color color) = 0;
  virtual int SelStart() const = 0;
  // Puts the caret at `start` (clamped to the text) with nothing selected.
  virtual void SetSelStart(int start) = 0;
  virtual int SelLength() const = 0;
  // Selects `length` code points from the caret (clamped to the text).
  virtual void SetSelLength(int length) = 0;

 protected:
  using Widget::Widget;
};

class ComboBox : public Widget {
 public:
  virtual std::string Text() const = 0;
  // Drop-down list: selects the entry with exactly that text (Click when the selection
  // moves); throws WidgetError when there is none. Drop-down combo: takes any text and
  // selects the first entry with exactly that text, or none, without Click.
  virtual void SetText(std::string_view text) = 0;
  // REQUIRES: 0 <= index < ListCount(); throws WidgetError otherwise.
  virtual std::string List(int index) const = 0;
  virtual int ListCount() const = 0;
  // -1 when nothing is selected.
  virtual int ListIndex() const = 0;
  // -1 clears the selection and the text, without Click. Throws WidgetError when out of range.
  virtual void SetListIndex(int index) = 0;
  virtual void AddItem(std::string_view text) = 0;
  // Removes every entry; nothing is selected and the text is empty afterwards.
  virtual void Clear() = 0;
  virtual bool Locked() const = 0;
  virtual void SetLocked(bool locked) = 0;
  virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color color) = 0;

 protected:
  using Widget::Widget;
};

class CommandButton : public Widget {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;

 protected:
  using Widget::Widget;
};

class Label : public Widget {
 public:
  virtual std::string Caption() const = 0;
  virtual void SetCaption(std::string_view caption) = 0;

 protected:
  using Widget::Widget;
};

class Frame : public Widget {
 public:
  virtual std::string Caption() const = 0;

 protected:
  using Widget::Widget;
};

struct ColumnHeader {
  std::string text;
  double width = 0;  // twips
  Alignment alignment = Alignment::kLeft;
};

// A report view. Rows are addressed by their 0-based place in list order; each row has a
// text (column 0), sub-items 1 to 6, a fore colour and a tag (data that no column shows).
// Row arguments out of range throw WidgetError.
class ListView : public Widget {
 public:
  static constexpr int kSubItems = 6;

  // Width at creation, in twips.
  virtual double Width() const = 0;
  virtual void AddColumn(std::string_view text, double width, Alignment alignment) = 0;
  virtual std::vector<ColumnHeader> Columns() const = 0;

  virtual int Count() const = 0;
  // Appends a row with that text, empty sub-items and the window-text colour; returns
  // its index. The selection does not change.
  virtual int Add(std::string_view text) = 0;
  // The selection follows its row; removing the selected row leaves none selected.
  virtual void Remove(int row) = 0;
  // Removes every row; none is selected.
  virtual void Clear() = 0;

  virtual std::string Text(int row) const = 0;
  virtual void SetText(int row, std::string_view text) = 0;
  // REQUIRES: 1 <= sub_item <= kSubItems.
  virtual std::string SubItem(int row, int sub_item) const = 0;
  virtual void SetSubItem(int row, int sub_item, std::string_view text) = 0;
  virtual Color ForeColor(int row) const = 0;
  virtual void SetForeColor(int row, Color color) = 0;
  virtual std::string Tag(int row) const = 0;
  virtual void SetTag(int row, std::string_view tag) = 0;

  // The selected row, if any. Selecting by code raises no event.
  virtual std::optional<int> Selected() const = 0;
  virtual void Select(int row) = 0;

  virtual bool HideSelection() const = 0;
  virtual void SetHideSelection(bool hide) = 0;
  virtual Color BackColor() const = 0;
  virtual void SetBackColor(Color color) = 0;

 protected:
  using Widget::Widget;
};

class DatePicker : public Widget {
 public:
  using Date = std::chrono::year_month_day;

  virtual std::string CustomFormat() const = 0;
  virtual void SetCustomFormat(std::string_view format) = 0;
  // None until a value is set.
  virtual std::optional<Date> Value() const = 0;
  // Throws WidgetError for a date outside the layout's range.
  virtual void SetValue(Date value) = 0;
  // Takes a text that reads as a date; throws WidgetError for any other.
  void SetValueText(std::string_view text);

 protected:
  using Widget::Widget;
};

}  // namespace corvane
