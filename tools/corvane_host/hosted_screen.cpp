#include "tools/corvane_host/hosted_screen.h"

#include "corvane/headless_operator.h"
#include "corvane/headless_screen.h"

namespace corvane::host {

HostedScreen MakeHeadlessScreen() {
  auto screen = std::make_unique<headless::Screen>();
  HostedScreen hosted;
  hosted.services = &screen->services();
  hosted.person = std::make_unique<headless::Operator>(*screen);
  hosted.screen = std::move(screen);
  return hosted;
}

}  // namespace corvane::host
