/// @file
/// What every widget does alike on every toolkit, between a kind's interface (surface.h)
/// and the toolkit's class for it: its focus is the screen's (ToolkitScreen), a widget
/// disabled or hidden while it has the focus hands it on in tab order, and ZOrder takes 0
/// or 1 only. The toolkit keeps the state behind Enabled, Visible and ZIndex, and changes
/// it in Enable, Show and Stack.
#pragma once

#include "corvane/toolkit_screen.h"
#include "corvane/widgets.h"
#include "surface/events.h"
#include "surface/refusals.h"

namespace corvane {

/// `Interface` is the kind's interface (TextBox, ...), `ScreenType` the toolkit's screen.
template <class Interface, class ScreenType>
class ToolkitWidget : public Interface {
 public:
  void SetEnabled(bool enabled) final {
    Enable(enabled);
    if (!enabled) screen_.FocusMayLeave(this->Id());
  }
  void SetVisible(bool visible) final {
    Show(visible);
    if (!visible) screen_.FocusMayLeave(this->Id());
  }
  bool HasFocus() const final { return screen_.Focus() == this->Id(); }
  void SetFocus() final { screen_.MoveFocus(this->Id()); }
  void ZOrder(int position) final {
    CheckZOrder(this->Id(), position);
    Stack(position == 0);
  }

 protected:
  /// Widget `id` of `screen`.
  ToolkitWidget(ScreenType& screen, WidgetId id) : Interface(id), screen_(screen) {}

  /// @{
  /// The toolkit's part of SetEnabled, SetVisible and ZOrder (in front of its siblings or
  /// behind them), before the focus moves on.
  virtual void Enable(bool enabled) = 0;
  virtual void Show(bool visible) = 0;
  virtual void Stack(bool in_front) = 0;
  /// @}

  ScreenType& screen_;  ///< the screen the widget is on
};

}  // namespace corvane
