// Routes widget events to the handlers, each named after its widget and event.
#include "control/corvane.h"

namespace corvane {

void Corvane::Click(WidgetId) {}
void Corvane::GotFocus(WidgetId) {}
void Corvane::LostFocus(WidgetId) {}
void Corvane::Change(WidgetId) {}
void Corvane::KeyPress(WidgetId, std::int16_t&) {}
void Corvane::KeyUp(WidgetId, std::int16_t&, std::int16_t) {}

}  // namespace corvane
