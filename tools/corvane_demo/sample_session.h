// The sample session the screenshot mode runs without a person, on the window's loaded
// order: the operator deletes the last stored payment and adds a payment of the first type
// on offer through the control's own widgets, then the host reads the change list. Last,
// the operator starts a card payment, chooses the order's second card and types the
// authorization and the amount, and leaves that entry open for the picture: the card
// fields stand open with the card chosen. Nothing is saved to the store.
#pragma once

#include <QString>

#include "corvane/scripted_services.h"
#include "tools/corvane_demo/demo_window.h"

namespace corvane::demo {

// `window` must be shown and have its control's message boxes on `scripted`, and its order
// must have a payment type named "Credit Card" with ID 8 and at least two cards. Returns
// the change list read before the card payment was started; throws
// (corvane::ActionRefused, std::runtime_error) when a step fails.
QString RunSampleSession(DemoWindow& window, ScriptedServices& scripted);

// Runs the sample session, grabs the window into the PNG `file`, prints the change list
// and where the picture is. Returns the process's exit status.
int RunScreenshotSession(DemoWindow& window, ScriptedServices& scripted, const QString& file);

}  // namespace corvane::demo
