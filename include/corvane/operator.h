/// @file
/// The operator's mouse and keyboard, the same on every toolkit: each action first checks
/// that a person could do it (throwing ActionRefused, with nothing changed, when not: a
/// disabled or hidden widget, a locked combo box, an entry or row that is not there), then
/// the toolkit carries it out with the events in its own order.
#pragma once

#include <chrono>
#include <stdexcept>
#include <string>
#include <string_view>

#include "corvane/screen.h"

namespace corvane {

/// An action a person could not do on the screen as it is; the message says why.
class ActionRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/// The operator's hands on one screen; each toolkit has its own (headless::Operator,
/// qt::Operator).
class Operator {
 public:
  /// `screen` must outlive the operator.
  explicit Operator(Screen& screen) : screen_(screen) {}
  virtual ~Operator() = default;

  /// A command button: the focus moves to it (the field left runs its LostFocus), then Click.
  void Click(WidgetId button);
  /// A row of the list view (0-based): the focus moves to the list, the row is selected,
  /// then Click.
  void ClickRow(WidgetId list, int row);
  /// A key pressed and released over the list view: Up and Down move the selection one row
  /// (from none, to the first), Home and End to the first and last; KeyUp runs with the
  /// code whatever the key.
  void Key(WidgetId list, int code);
  /// Mouse or Tab into a widget: LostFocus of the old owner, GotFocus of the new.
  void Focus(WidgetId id);
  /// Each character one key press (Latin-1 codes 1 to 255): KeyPress, then the edit unless
  /// the key was discarded or the box is locked. "\b" deletes. Other characters are
  /// refused, the whole text before any key.
  void Type(WidgetId text_box, std::string_view text);
  /// Drags a selection in a text box.
  void Select(WidgetId text_box, int start, int length);
  /// Opens the drop-down and picks the first entry with that text; picking the entry
  /// already selected runs nothing.
  void Choose(WidgetId combo_box, std::string_view entry);
  /// Picks a date in the date picker's calendar; a date outside its range is refused.
  void Pick(WidgetId date_picker, std::chrono::year_month_day date);

 protected:
  /// The screen the operator works on.
  Screen& screen() { return screen_; }

  /// @{
  /// The toolkit's part, after the checks. Each starts by moving the focus into the widget
  /// as the operator would (unless it is there).
  virtual void DoClick(WidgetId button) = 0;
  virtual void DoClickRow(WidgetId list, int row) = 0;
  virtual void DoKey(WidgetId list, int code) = 0;
  virtual void DoFocus(WidgetId id) = 0;
  virtual void DoType(WidgetId text_box, std::u32string_view keys) = 0;
  virtual void DoSelect(WidgetId text_box, int start, int length) = 0;
  virtual void DoChoose(WidgetId combo_box, int entry) = 0;
  virtual void DoPick(WidgetId date_picker, std::chrono::year_month_day date) = 0;
  /// @}

 private:
  template <class T>
  T& Expect(WidgetId id, const char* kind_name);
  void ExpectFocusable(WidgetId id);

  Screen& screen_;
};

}  // namespace corvane
