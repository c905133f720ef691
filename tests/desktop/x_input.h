// Real X input for tests on an X server: key presses and mouse clicks made with the XTEST
// extension, so that they reach the application through the X server as a person's do
// (the window manager, focus and activation included), then Qt's event loop run until a
// condition holds.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>

struct _XDisplay;
class QWidget;

namespace corvane::testing {

class XInput {
 public:
  // Connects to $DISPLAY; fails the process when there is none or it lacks XTEST.
  XInput();
  ~XInput();
  XInput(const XInput&) = delete;
  XInput& operator=(const XInput&) = delete;

  // Presses and releases a key by its X keysym name ("Return", "Tab", "F4", "a", "5"),
  // with the modifier keys named in `modifiers` ("Alt_L", "Shift_L") held around it.
  void Key(const char* keysym, std::initializer_list<const char*> modifiers = {});
  // Each character of `text` (digits, letters, ".") as one key press.
  void Type(const QString& text);
  // A left click at `point` of `widget`, the widget's centre by default.
  void Click(const QWidget* widget, QPoint point = {-1, -1});
  // Whether the X server gives the keyboard to `widget`'s window. Qt may call a window
  // active before the window manager has given it the keyboard back (after a message box
  // closes): keys typed then are lost.
  bool HasKeyboard(const QWidget* widget);

 private:
  void KeyCode(unsigned keycode, bool press);

  _XDisplay* display_;
};

// Runs Qt's event loop until `done` holds or `seconds` pass; returns whether it held.
bool RunUntil(const std::function<bool()>& done, double seconds = 10);

}  // namespace corvane::testing
