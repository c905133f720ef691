// The operator's verbs: mouse and keyboard on the headless screen, and the answers queued
// for the next Yes/No box.
#pragma once

#include <string_view>

#include "tools/corvane_host/arguments.h"
#include "widgets/headless/operator.h"
#include "widgets/headless/screen.h"

namespace corvane::host {

// click, key, focus, type, select, choose, pick, answer.
bool IsOperatorAction(std::string_view verb);

// Carries out one action; the result is always null. Throws RequestError for a request
// that names no such widget or has bad arguments, and headless::ActionRefused for an
// action a person could not do; either way nothing changed.
Json Act(headless::Screen& screen, headless::Operator& person, const Arguments& args);

}  // namespace corvane::host
