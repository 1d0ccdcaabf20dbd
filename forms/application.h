// The process around the windows. The toolkit owns the entry point and the
// event loop; the program only says what to do at start.
#pragma once

#include "forms/types.h"

namespace forms {

// Defined by the program: creates and shows its first window.
void startProgram();

// Ends the program at once: every form closes, every timer stops, the event
// loop ends, and no handler runs afterwards. Safe to call from a handler.
void endProgram();
bool programEnded();

// The version record compiled into the executable.
const VersionRecord& versionRecord();

// Live toolkit objects (controls and timers), for leak checks.
int liveObjectCount();

}  // namespace forms
