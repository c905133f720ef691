/// @file
/// The in-memory toolkit: a screen that keeps every widget's state, delivers events
/// synchronously as a real toolkit does, records message boxes and beeps, and answers
/// Yes/No boxes from a queue. Tests, benchmarks and corvane-host run on it.
/// Single-threaded.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "corvane/scripted_services.h"
#include "corvane/toolkit_screen.h"

namespace corvane::headless {

using corvane::MessageRecord;

/// The headless screen: every widget in memory, the services scripted.
class Screen final : public ToolkitScreen {
 public:
  /// Builds every widget of kScreenLayout with its design-time settings; nothing has the focus.
  Screen();
  ~Screen() override;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  /// A box that asks Yes or No takes the first queued answer, or No; an OK box answers OK.
  int MsgBox(std::string_view prompt, int style, std::string_view title) override;
  /// Counts the beep.
  void Beep() override;

  /// The recorded boxes and beeps, and the queue of answers.
  ScriptedServices& services() { return services_; }
  /// @{
  /// As ScriptedServices has them.
  void QueueAnswer(int answer) { services_.QueueAnswer(answer); }
  std::vector<MessageRecord> TakeMessages() { return services_.TakeMessages(); }
  int TakeBeeps() { return services_.TakeBeeps(); }
  /// @}

  // For the headless widgets.
  /// @{
  /// Widget `id`'s z-order among its siblings, as Widget::ZIndex and Widget::ZOrder (in
  /// front of them or behind them).
  int ZIndex(WidgetId id) const;
  void Stack(WidgetId id, bool in_front);
  /// @}

 private:
  std::vector<WidgetId>& SiblingsOf(WidgetId id);
  const std::vector<WidgetId>& SiblingsOf(WidgetId id) const;

  std::vector<std::unique_ptr<Widget>> owned_;  // every widget, in the layout's order
  // Front-to-back order of the control's own children and of the frame's children.
  std::vector<WidgetId> top_order_;
  std::vector<WidgetId> frame_order_;
  ScriptedServices services_;
};

}  // namespace corvane::headless
