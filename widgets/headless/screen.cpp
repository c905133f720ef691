#include "widgets/headless/screen.h"

#include <algorithm>
#include <utility>

#include "widgets/headless/widgets.h"

namespace corvane::headless {

Screen::Screen() {
  for (const WidgetSpec& spec : kScreenLayout) {
    widgets_[static_cast<std::size_t>(spec.id)] = MakeWidget(*this, spec.id);
    (spec.parent ? frame_order_ : top_order_).push_back(spec.id);
  }
}

Screen::~Screen() = default;

Widget& Screen::widget(WidgetId id) { return *widgets_[static_cast<std::size_t>(id)]; }

std::optional<WidgetId> Screen::Focus() const { return focus_; }

void Screen::SetEvents(Events* events) { events_ = events; }

int Screen::MsgBox(std::string_view prompt, int style, std::string_view title) {
  int answer = kAnswerOk;
  if ((style & 7) == 4) {  // Yes and No
    answer = kAnswerNo;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
  }
  messages_.push_back({std::string(prompt), style, std::string(title), answer});
  return answer;
}

void Screen::Beep() { ++beeps_; }

void Screen::QueueAnswer(int answer) { answers_.push_back(answer); }

void Screen::DropAnswers() { answers_.clear(); }

std::vector<MessageRecord> Screen::TakeMessages() { return std::exchange(messages_, {}); }

int Screen::TakeBeeps() { return std::exchange(beeps_, 0); }

bool Screen::Focusable(WidgetId id) const {
  const WidgetSpec& spec = SpecOf(id);
  if (!spec.CanTakeFocus()) return false;
  for (std::optional<WidgetId> w = id; w; w = SpecOf(*w).parent) {
    const Widget& widget = *widgets_[static_cast<std::size_t>(*w)];
    if (!widget.Enabled() || !widget.Visible()) return false;
  }
  return true;
}

void Screen::MoveFocus(WidgetId id) {
  if (!Focusable(id)) {
    throw WidgetError(std::string(SpecOf(id).name) + ": cannot take the focus");
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
  const std::span<const WidgetId> order = TabOrder();
  const auto here = std::ranges::find(order, id) - order.begin();
  std::optional<WidgetId> next;
  for (std::size_t step = 1; step < order.size() && !next; ++step) {
    const WidgetId candidate = order[(here + step) % order.size()];
    if (SpecOf(candidate).tab_stop && Focusable(candidate)) next = candidate;
  }
  focus_ = next;
  if (!events_) return;
  events_->LostFocus(id);
  if (next && focus_ == next) events_->GotFocus(*next);
}

std::vector<WidgetId>& Screen::SiblingsOf(WidgetId id) {
  return SpecOf(id).parent ? frame_order_ : top_order_;
}

const std::vector<WidgetId>& Screen::SiblingsOf(WidgetId id) const {
  return SpecOf(id).parent ? frame_order_ : top_order_;
}

int Screen::ZIndex(WidgetId id) const {
  const std::vector<WidgetId>& siblings = SiblingsOf(id);
  return static_cast<int>(std::ranges::find(siblings, id) - siblings.begin());
}

void Screen::ZOrder(WidgetId id, int position) {
  if (position != 0 && position != 1) {
    throw WidgetError(std::string(SpecOf(id).name) + ": ZOrder takes 0 or 1");
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
