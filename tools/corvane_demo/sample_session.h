// The sample session the screenshot mode runs without a person, on the window's loaded
// order: the operator deletes the last stored payment and adds a payment of the first type
// on offer through the control's own widgets, then the host reads the change list.
// Nothing is saved to the store.
#pragma once

#include <QString>

#include "tools/corvane_demo/demo_window.h"
#include "widgets/scripted_services.h"

namespace corvane::demo {

// `window` must be shown and have its control's message boxes on `scripted`. Returns the
// change list; throws (corvane::ActionRefused, std::runtime_error) when a step fails.
QString RunSampleSession(DemoWindow& window, ScriptedServices& scripted);

// Runs the sample session, grabs the window into the PNG `file`, prints the change list
// and where the picture is. Returns the process's exit status.
int RunScreenshotSession(DemoWindow& window, ScriptedServices& scripted, const QString& file);

}  // namespace corvane::demo
