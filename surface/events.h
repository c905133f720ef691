/// @file
/// The widget events a screen delivers to the control, each synchronously on the UI thread.
#pragma once

#include <cstdint>

#include "corvane/layout.h"

namespace corvane {

/// The receiver of a screen's widget events (Screen::SetEvents).
class Events {
 public:
  virtual ~Events() = default;

  /// A button or list view clicked; a combo box's selection moved to an entry.
  virtual void Click(WidgetId id) = 0;
  /// The widget took the focus.
  virtual void GotFocus(WidgetId id) = 0;
  /// The widget lost the focus.
  virtual void LostFocus(WidgetId id) = 0;
  /// A text box's text changed, by code or by the operator.
  virtual void Change(WidgetId id) = 0;
  /// A character key pressed in a text box; the handler may change `key_ascii`, and 0
  /// discards the key.
  virtual void KeyPress(WidgetId id, std::int16_t& key_ascii) = 0;
  /// A key released over the list view; `shift` holds the Shift (1), Ctrl (2), Alt (4) bits.
  virtual void KeyUp(WidgetId id, std::int16_t& key_code, std::int16_t shift) = 0;
};

}  // namespace corvane
