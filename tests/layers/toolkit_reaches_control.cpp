// Must not compile: a toolkit stands on the widget surface alone, never on the control.
// The test layers.toolkit_cannot_reach_control builds it and expects the include to fail.
#include "corvane/corvane.h"
#include "corvane/widgets.h"
