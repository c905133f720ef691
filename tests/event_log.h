// A widget-event receiver for toolkit tests: it records each event as one line and can
// run a reaction inside a chosen event, as a handler would.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "surface/events.h"

namespace corvane::testing {

class EventLog : public Events {
 public:
  void Click(WidgetId id) override { Record("Click", id); }
  void GotFocus(WidgetId id) override { Record("GotFocus", id); }
  void LostFocus(WidgetId id) override { Record("LostFocus", id); }
  void Change(WidgetId id) override { Record("Change", id); }
  void KeyPress(WidgetId id, std::int16_t& key) override {
    Record("KeyPress", id, key);
    if (on_key_press) on_key_press(key);
  }
  void KeyUp(WidgetId id, std::int16_t& key, std::int16_t) override { Record("KeyUp", id, key); }

  // Runs inside every event, after it was recorded.
  std::function<void(const std::string& event)> react;
  // May change or discard (0) the key.
  std::function<void(std::int16_t& key)> on_key_press;

  std::vector<std::string> lines;

 private:
  void Record(const char* event, WidgetId id, int code = -1) {
    std::string line = std::string(event) + " " + std::string(DesignOf(id).name);
    if (code >= 0) line += " " + std::to_string(code);
    lines.push_back(line);
    if (react) react(line);
  }
};

}  // namespace corvane::testing
