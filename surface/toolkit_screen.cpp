#include "corvane/toolkit_screen.h"

#include <utility>

#include "surface/events.h"
#include "surface/refusals.h"

namespace corvane {

void ToolkitScreen::Raise(const std::function<void(Events&)>& raise) {
  if (events_) raise(*events_);
}

void ToolkitScreen::MoveFocus(WidgetId id) {
  if (!Focusable(id)) Refuse(id, "cannot take the focus");
  if (focus_ != id) return HandFocus(id, /*follow=*/true);
  FocusFollows();
}

void ToolkitScreen::FocusMayLeave(WidgetId id) {
  if (focus_ == id) HandFocus(NextInTabOrder(id), /*follow=*/true);
}

void ToolkitScreen::HandFocus(std::optional<WidgetId> to, bool follow) {
  const std::optional<WidgetId> old = std::exchange(focus_, to);
  if (follow) FocusFollows();
  if (old) Raise([&](Events& events) { events.LostFocus(*old); });
  // The LostFocus handler may have moved the focus elsewhere.
  if (to && focus_ == to) Raise([&](Events& events) { events.GotFocus(*to); });
  if (follow) FocusFollows();
}

}  // namespace corvane
