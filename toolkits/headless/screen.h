/// @file
/// The in-memory toolkit: a screen that keeps every widget's state, delivers events
/// synchronously as a real toolkit does, records message boxes and beeps, and answers
/// Yes/No boxes from a queue. Tests, benchmarks and corvane-host run on it.
/// Single-threaded.
#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "surface/screen.h"
#include "surface/scripted_services.h"

namespace corvane::headless {

using corvane::MessageRecord;

/// The headless screen: every widget in memory, the services scripted.
class Screen final : public corvane::Screen {
 public:
  /// Builds every widget of kScreenLayout with its design-time settings; nothing has the focus.
  Screen();
  ~Screen() override;
  Screen(const Screen&) = delete;
  Screen& operator=(const Screen&) = delete;

  Widget& widget(WidgetId id) override;
  std::optional<WidgetId> Focus() const override;
  void SetEvents(Events* events) override;
  /// A box that asks Yes or No takes the first queued answer, or No; an OK box answers OK.
  int MsgBox(std::string_view prompt, int style, std::string_view title) override;
  /// Counts the beep.
  void Beep() override;

  /// The recorded boxes and beeps, and the queue of answers.
  ScriptedServices& services() { return services_; }
  /// @{
  /// As ScriptedServices has them.
  void QueueAnswer(int answer) { services_.QueueAnswer(answer); }
  const std::vector<MessageRecord>& messages() const { return services_.messages(); }
  int beeps() const { return services_.beeps(); }
  std::vector<MessageRecord> TakeMessages() { return services_.TakeMessages(); }
  int TakeBeeps() { return services_.TakeBeeps(); }
  /// @}

  // For the headless widgets and the operator.
  /// The receiver of the widgets' events; nullptr for none.
  Events* events() const { return events_; }
  /// Throws WidgetError when `id` is not focusable.
  void MoveFocus(WidgetId id);
  /// Called after `id` was disabled or hidden: the focus, if there, moves on in tab order.
  void FocusMayLeave(WidgetId id);
  /// @{
  /// Widget `id`'s z-order among its siblings, as Widget::ZIndex and Widget::ZOrder.
  int ZIndex(WidgetId id) const;
  void ZOrder(WidgetId id, int position);
  /// @}

 private:
  std::vector<WidgetId>& SiblingsOf(WidgetId id);
  const std::vector<WidgetId>& SiblingsOf(WidgetId id) const;

  std::array<std::unique_ptr<Widget>, kWidgetCount> widgets_;
  // Front-to-back order of the control's own children and of the frame's children.
  std::vector<WidgetId> top_order_;
  std::vector<WidgetId> frame_order_;
  std::optional<WidgetId> focus_;
  Events* events_ = nullptr;
  ScriptedServices services_;
};

}  // namespace corvane::headless
