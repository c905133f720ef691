// The operator's mouse and keyboard on the headless screen, event by event in the order a
// real toolkit raises them. An action a person could not do (on a disabled or hidden
// widget, a locked combo box, an entry or row that is not there) throws ActionRefused
// before anything changes.
#pragma once

#include <chrono>
#include <stdexcept>
#include <string_view>

#include "widgets/headless/screen.h"

namespace corvane::headless {

class ActionRefused : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Virtual key codes the list view moves on.
inline constexpr int kKeyEnd = 35;
inline constexpr int kKeyHome = 36;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyDown = 40;

class Operator {
 public:
  // `screen` must outlive the operator.
  explicit Operator(Screen& screen) : screen_(screen) {}

  // A command button: the focus moves to it, then Click.
  void Click(WidgetId button);
  // A row of the list view (0-based): the focus moves to the list, the row is selected,
  // then Click.
  void ClickRow(WidgetId list, int row);
  // A key pressed and released over the list view: Up, Down, Home and End move the
  // selection; KeyUp runs with the code whatever the key.
  void Key(WidgetId list, int code);
  // Mouse or Tab into a widget: LostFocus of the old owner, GotFocus of the new.
  void Focus(WidgetId id);
  // Each character one key press (Latin-1 codes 1 to 255): KeyPress, then the edit unless
  // the key was discarded or the box is locked. "\b" deletes.
  void Type(WidgetId text_box, std::string_view text);
  // Drags a selection in a text box.
  void Select(WidgetId text_box, int start, int length);
  // Opens the drop-down and picks the first entry with that text.
  void Choose(WidgetId combo_box, std::string_view entry);
  void Pick(WidgetId date_picker, std::chrono::year_month_day date);

 private:
  template <class T>
  T& Expect(WidgetId id, const char* kind_name);
  void FocusInto(WidgetId id);

  Screen& screen_;
};

}  // namespace corvane::headless
