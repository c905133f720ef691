// The operator's verbs: mouse and keyboard on the screen, and the answers queued
// for the next Yes/No box.
#pragma once

#include <string_view>

#include "corvane/operator.h"
#include "corvane/scripted_services.h"
#include "tools/corvane_host/arguments.h"

namespace corvane::host {

// click, key, focus, type, select, choose, pick, answer.
bool IsOperatorAction(std::string_view verb);

// Carries out one action; the result is always null. Throws RequestError for a request
// that names no such widget or has bad arguments, and ActionRefused for an
// action a person could not do; either way nothing changed.
Json Act(ScriptedServices& services, Operator& person, const Arguments& args);

}  // namespace corvane::host
