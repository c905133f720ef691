// Inspection answers: every widget through the abstract widget surface only, so that the
// same answers come from any toolkit, and the control's state under its classic names.
#pragma once

#include <string>
#include <string_view>

#include "corvane/layout.h"
#include "corvane/screen.h"
#include "corvane/snapshot.h"
#include "tools/corvane_host/arguments.h"

namespace corvane::host {

// "0x80000005": eight upper-case hex digits.
std::string ColorText(Color color);

// The `get` object of one widget, with the keys of its kind.
Json InspectWidget(Screen& screen, WidgetId id);
// Every widget's `get` object by name, in layout order.
Json InspectScreen(Screen& screen);
// The `state` answer: the control's state under the classic names (mtMode, mtAction, ...),
// the name of the focused widget (null when none), and miCurrencyDecimals and
// maskCardNumbers once the host set them.
Json InspectState(const ControlSnapshot& state, const Screen& screen);
// The entry as mtAction names it: "Add", "Edit" or "".
std::string_view ActionText(EntryKind entry);

}  // namespace corvane::host
