#include "toolkits/headless/screen.h"

#include <algorithm>
#include <utility>

#include "toolkits/headless/widgets.h"

namespace corvane::headless {

Screen::Screen() {
  for (const WidgetDesign& design : kScreenLayout) {
    widgets_[static_cast<std::size_t>(design.id)] = MakeWidget(*this, design.id);
    (design.parent ? frame_order_ : top_order_).push_back(design.id);
  }
}

Screen::~Screen() = default;

Widget& Screen::widget(WidgetId id) { return *widgets_[static_cast<std::size_t>(id)]; }

std::optional<WidgetId> Screen::Focus() const { return focus_; }

void Screen::SetEvents(Events* events) { events_ = events; }

int Screen::MsgBox(std::string_view prompt, int style, std::string_view title) {
  return services_.MsgBox(prompt, style, title);
}

void Screen::Beep() { services_.Beep(); }

void Screen::MoveFocus(WidgetId id) {
  if (!Focusable(id)) {
    throw WidgetError(std::string(DesignOf(id).name) + ": cannot take the focus");
  }
  if (focus_ == id) return;
  const std::optional<WidgetId> old = std::exchange(focus_, id);
  if (!events_) return;
  if (old) events_->LostFocus(*old);
  // The LostFocus handler may have moved the focus elsewhere.
  if (focus_ == id) events_->GotFocus(id);
}

void Screen::FocusMayLeave(WidgetId id) {
  if (focus_ != id) return;
  const std::optional<WidgetId> next = NextInTabOrder(id);
  focus_ = next;
  if (!events_) return;
  events_->LostFocus(id);
  if (next && focus_ == next) events_->GotFocus(*next);
}

std::vector<WidgetId>& Screen::SiblingsOf(WidgetId id) {
  return DesignOf(id).parent ? frame_order_ : top_order_;
}

const std::vector<WidgetId>& Screen::SiblingsOf(WidgetId id) const {
  return DesignOf(id).parent ? frame_order_ : top_order_;
}

int Screen::ZIndex(WidgetId id) const {
  const std::vector<WidgetId>& siblings = SiblingsOf(id);
  return static_cast<int>(std::ranges::find(siblings, id) - siblings.begin());
}

void Screen::ZOrder(WidgetId id, int position) {
  if (position != 0 && position != 1) {
    throw WidgetError(std::string(DesignOf(id).name) + ": ZOrder takes 0 or 1");
  }
  std::vector<WidgetId>& siblings = SiblingsOf(id);
  std::erase(siblings, id);
  if (position == 0) {
    siblings.insert(siblings.begin(), id);
  } else {
    siblings.push_back(id);
  }
}

}  // namespace corvane::headless
