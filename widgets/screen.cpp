#include "widgets/screen.h"

#include <stdexcept>
#include <string>

namespace corvane {
namespace {

template <class T>
T& As(Widget& w) {
  if (auto* typed = dynamic_cast<T*>(&w)) return *typed;
  throw std::logic_error("widget " + std::string(w.Spec().name) + " is not of the kind asked");
}

}  // namespace

TextBox& Screen::text_box(WidgetId id) { return As<TextBox>(widget(id)); }
ComboBox& Screen::combo_box(WidgetId id) { return As<ComboBox>(widget(id)); }
CommandButton& Screen::button(WidgetId id) { return As<CommandButton>(widget(id)); }
Label& Screen::label(WidgetId id) { return As<Label>(widget(id)); }
Frame& Screen::frame(WidgetId id) { return As<Frame>(widget(id)); }
ListView& Screen::list_view(WidgetId id) { return As<ListView>(widget(id)); }
DatePicker& Screen::date_picker(WidgetId id) { return As<DatePicker>(widget(id)); }

}  // namespace corvane
