#include "corvane/screen.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace corvane {
namespace {

template <class T>
T& As(Widget& w) {
  if (auto* typed = dynamic_cast<T*>(&w)) return *typed;
  throw std::logic_error("widget " + std::string(w.Design().name) + " is not of the kind asked");
}

}  // namespace

TextBox& Screen::text_box(WidgetId id) { return As<TextBox>(widget(id)); }
ComboBox& Screen::combo_box(WidgetId id) { return As<ComboBox>(widget(id)); }
CommandButton& Screen::button(WidgetId id) { return As<CommandButton>(widget(id)); }
Label& Screen::label(WidgetId id) { return As<Label>(widget(id)); }
Frame& Screen::frame(WidgetId id) { return As<Frame>(widget(id)); }
ListView& Screen::list_view(WidgetId id) { return As<ListView>(widget(id)); }
DatePicker& Screen::date_picker(WidgetId id) { return As<DatePicker>(widget(id)); }

bool Screen::Focusable(WidgetId id) {
  if (!DesignOf(id).CanTakeFocus()) return false;
  for (std::optional<WidgetId> w = id; w; w = DesignOf(*w).parent) {
    const Widget& each = widget(*w);
    if (!each.Enabled() || !each.Visible()) return false;
  }
  return true;
}

bool Screen::Covered(WidgetId id) {
  const WidgetDesign& design = DesignOf(id);
  const int depth = widget(id).ZIndex();
  for (const WidgetDesign& other : kScreenLayout) {
    if (other.id == id || other.parent != design.parent) continue;
    const Widget& sibling = widget(other.id);
    if (sibling.Visible() && sibling.ZIndex() < depth && Contains(other.rect, design.rect)) {
      return true;
    }
  }
  return false;
}

bool Screen::TabStopInSight(WidgetId id) { return DesignOf(id).tab_stop && !Covered(id); }

bool Screen::TabStopsOn(WidgetId id) { return Focusable(id) && TabStopInSight(id); }

std::optional<WidgetId> Screen::NextInTabOrder(WidgetId from) {
  const std::span<const WidgetId> order = TabOrder();
  const auto here = std::ranges::find(order, from) - order.begin();
  for (std::size_t step = 1; step < order.size(); ++step) {
    const WidgetId candidate = order[(here + step) % order.size()];
    if (TabStopsOn(candidate)) return candidate;
  }
  return std::nullopt;
}

}  // namespace corvane
