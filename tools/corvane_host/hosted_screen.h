// The screen a session hosts the control on, with the operator's hands and the scripted
// message boxes (a modal box would wait for a person).
#pragma once

#include <functional>
#include <memory>

#include "corvane/operator.h"
#include "corvane/screen.h"
#include "corvane/scripted_services.h"

namespace corvane::host {

struct HostedScreen {
  // Declared in this order so that the operator goes first and the services last.
  std::unique_ptr<ScriptedServices> own_services;  // when the screen does not hold them
  std::unique_ptr<Screen> screen;
  std::unique_ptr<Operator> person;
  ScriptedServices* services = nullptr;
};

using ScreenFactory = std::function<HostedScreen()>;

// The in-memory toolkit.
HostedScreen MakeHeadlessScreen();

}  // namespace corvane::host
