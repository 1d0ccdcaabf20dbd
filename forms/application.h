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

// Full screen, for a class watching a projector: each window shown is
// scaled to fill the screen at its own proportions, centred on a plain dark
// background, with no frame. Only its pixel ratio changes (the screen's
// size over the client area's), never its twips or its heat. It holds for
// every window until it is left, so the menu and the shapes stay full
// screen as the teacher goes between them. F11 toggles it, Escape leaves it.
bool fullScreen();
void setFullScreen(bool on);
// The command's name where a platform lists it (the window's system menu,
// the page's button).
constexpr const char* fullScreenCommand = "全画面表示 (F11)";

// The version record compiled into the executable.
const VersionRecord& versionRecord();

// Live toolkit objects (controls and timers), for leak checks.
int liveObjectCount();

}  // namespace forms
