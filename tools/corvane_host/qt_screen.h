// The Qt toolkit for corvane-host: the control in a real window.
#pragma once

#include "tools/corvane_host/hosted_screen.h"

namespace corvane::host {

// REQUIRES: a QApplication exists. The window is shown and active (offscreen when Qt runs
// on the offscreen platform).
HostedScreen MakeQtScreen();

}  // namespace corvane::host
