#include <algorithm>

#include "corvane/headless_screen.h"
#include "toolkits/headless/widgets.h"

namespace corvane::headless {

Screen::Screen() {
  Build<Widgets>([this](const WidgetDesign& design, auto kind) -> Widget* {
    (design.parent ? frame_order_ : top_order_).push_back(design.id);
    using Class = typename decltype(kind)::type;
    return owned_.emplace_back(std::make_unique<Class>(*this, design.id)).get();
  });
}

Screen::~Screen() = default;

int Screen::MsgBox(std::string_view prompt, int style, std::string_view title) {
  return services_.MsgBox(prompt, style, title);
}

void Screen::Beep() { services_.Beep(); }

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

void Screen::Stack(WidgetId id, bool in_front) {
  std::vector<WidgetId>& siblings = SiblingsOf(id);
  std::erase(siblings, id);
  siblings.insert(in_front ? siblings.begin() : siblings.end(), id);
}

}  // namespace corvane::headless
