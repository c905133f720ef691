/// @file
/// A built screen: the widgets of kScreenLayout and the services the control uses.
/// A toolkit builds it with every widget's design-time settings; the caller owns it.
#pragma once

#include <optional>
#include <string_view>

#include "corvane/catalog.h"
#include "corvane/layout.h"
#include "corvane/widgets.h"

namespace corvane {

class Events;  // the receiver of the widgets' events: the control

/// @{
/// Message box styles and answers.
inline constexpr int kMbOkInformation = 64;  ///< information icon, OK
inline constexpr int kMbYesNoQuestion = 36;  ///< question icon, Yes and No
inline constexpr int kAnswerOk = 1;          ///< the OK button
inline constexpr int kAnswerYes = 6;         ///< the Yes button
inline constexpr int kAnswerNo = 7;          ///< the No button
/// @}

/// The widgets of one control and the services it uses; each toolkit implements it.
class Screen {
 public:
  virtual ~Screen() = default;

  /// The widget `id`.
  virtual Widget& widget(WidgetId id) = 0;
  /// @{
  /// Typed access; a kind that does not match the layout throws std::logic_error.
  TextBox& text_box(WidgetId id);
  ComboBox& combo_box(WidgetId id);
  CommandButton& button(WidgetId id);
  Label& label(WidgetId id);
  Frame& frame(WidgetId id);
  ListView& list_view(WidgetId id);
  DatePicker& date_picker(WidgetId id);
  /// @}

  /// The widget that has the focus, if any.
  virtual std::optional<WidgetId> Focus() const = 0;
  /// Enabled and visible, with an enabled and visible parent, and not a label or frame.
  bool Focusable(WidgetId id);
  /// Whether a visible sibling in front of `id` covers its whole rectangle, so that nobody
  /// sees it (the card box behind the card combo, the date box behind the shown picker).
  bool Covered(WidgetId id);
  /// Whether `id` is a tab stop that no sibling covers.
  bool TabStopInSight(WidgetId id);
  /// Whether the Tab key stops on `id` now: a tab stop in sight, and focusable.
  bool TabStopsOn(WidgetId id);
  /// Where the focus goes when `from` can no longer hold it: the next widget in tab order,
  /// wrapping, that the Tab key stops on; none when there is none.
  std::optional<WidgetId> NextInTabOrder(WidgetId from);

  /// Widget events go to `events` (nullptr: nowhere). It must outlive the attachment.
  virtual void SetEvents(Events* events) = 0;

  /// Shows a modal message box and returns the answer (kAnswerOk, kAnswerYes, kAnswerNo).
  virtual int MsgBox(std::string_view prompt, int style, std::string_view title) = 0;
  /// Sounds the system beep.
  virtual void Beep() = 0;

  /// The texts the toolkit shows of its own (what a screen reader reads besides the
  /// captions, access keys) follow `catalog` from now on; the control shows its captions
  /// anew after this call. A toolkit with no texts of its own keeps nothing.
  virtual void UseCatalog(const Catalog& /*catalog*/) {}
};

}  // namespace corvane
