// Inspection answers: every widget through the abstract widget surface only, so that the
// same answers come from any toolkit, and the control's instance fields.
#pragma once

#include <string>

#include "control/fields.h"
#include "tools/corvane_host/arguments.h"
#include "widgets/layout.h"
#include "widgets/screen.h"

namespace corvane::host {

// "0x80000005": eight upper-case hex digits.
std::string ColorText(Color color);

// The `get` object of one widget, with the keys of its kind.
Json InspectWidget(Screen& screen, WidgetId id);
// Every widget's `get` object by name, in layout order.
Json InspectScreen(Screen& screen);
// The control's fields and the name of the focused widget (null when none).
Json InspectState(const InstanceFields& fields, const Screen& screen);

}  // namespace corvane::host
