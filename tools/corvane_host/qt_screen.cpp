#include "tools/corvane_host/qt_screen.h"

#include <QApplication>

#include "corvane/qt_operator.h"
#include "corvane/qt_screen.h"

namespace corvane::host {

HostedScreen MakeQtScreen() {
  HostedScreen hosted;
  hosted.own_services = std::make_unique<ScriptedServices>();
  hosted.services = hosted.own_services.get();
  auto screen = std::make_unique<qt::Screen>(hosted.services);
  QWidget* window = screen->surface();
  window->setWindowTitle("Corvane");
  window->show();
  QApplication::setActiveWindow(window);
  QApplication::processEvents();
  hosted.person = std::make_unique<qt::Operator>(*screen);
  hosted.screen = std::move(screen);
  return hosted;
}

}  // namespace corvane::host
