#include "tests/desktop/x_input.h"

#include <QDeadlineTimer>
#include <QTest>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <vector>

// Xlib last: its macros (Bool, Status) clash with names in Qt's headers.
// clang-format off
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
// clang-format on

namespace corvane::testing {

XInput::XInput() : display_(XOpenDisplay(nullptr)) {
  int event_base, error_base, major, minor;
  if (!display_ || !XTestQueryExtension(display_, &event_base, &error_base, &major, &minor)) {
    std::fprintf(stderr, "these tests need an X server with XTEST in $DISPLAY\n");
    std::exit(1);
  }
}

XInput::~XInput() { XCloseDisplay(display_); }

void XInput::KeyCode(unsigned keycode, bool press) {
  XTestFakeKeyEvent(display_, keycode, press ? True : False, CurrentTime);
  XFlush(display_);
}

void XInput::Key(const char* keysym, std::initializer_list<const char*> modifiers) {
  std::vector<unsigned> held;
  for (const char* modifier : modifiers) {
    held.push_back(XKeysymToKeycode(display_, XStringToKeysym(modifier)));
    KeyCode(held.back(), true);
  }
  const unsigned code = XKeysymToKeycode(display_, XStringToKeysym(keysym));
  if (code == 0) {
    std::fprintf(stderr, "no key for keysym '%s'\n", keysym);
    std::exit(1);
  }
  KeyCode(code, true);
  KeyCode(code, false);
  for (auto it = held.rbegin(); it != held.rend(); ++it) KeyCode(*it, false);
}

void XInput::Type(const QString& text) {
  for (QChar c : text) {
    if (c == '.') {
      Key("period");
    } else {
      Key(QString(c).toLatin1().constData());
    }
  }
}

void XInput::Click(const QWidget* widget, QPoint point) {
  if (point == QPoint(-1, -1)) point = widget->rect().center();
  const QPoint at = widget->mapToGlobal(point) * widget->devicePixelRatioF();
  XTestFakeMotionEvent(display_, -1, at.x(), at.y(), CurrentTime);
  XTestFakeButtonEvent(display_, 1, True, CurrentTime);
  XTestFakeButtonEvent(display_, 1, False, CurrentTime);
  XFlush(display_);
}

bool XInput::HasKeyboard(const QWidget* widget) {
  Window focus = None;
  int revert_to = 0;
  XGetInputFocus(display_, &focus, &revert_to);
  const auto target = static_cast<Window>(widget->window()->winId());
  // The focus may be on the window or on a window inside it.
  for (Window at = focus; at != None && at != PointerRoot;) {
    if (at == target) return true;
    Window root = None;
    Window parent = None;
    Window* children = nullptr;
    unsigned count = 0;
    if (XQueryTree(display_, at, &root, &parent, &children, &count) == 0) return false;
    if (children != nullptr) XFree(children);
    if (parent == root) return false;
    at = parent;
  }
  return false;
}

bool RunUntil(const std::function<bool()>& done, double seconds) {
  QDeadlineTimer deadline(static_cast<qint64>(seconds * 1000));
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QTest::qWait(5);
  }
  return true;
}

}  // namespace corvane::testing
