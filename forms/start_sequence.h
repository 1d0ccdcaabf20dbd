// The program's start, the same on every backend: connect the backend the
// program is linked with, put the real clock in charge, run startProgram,
// then the event loop. The entry point (forms/program_entry.cpp, or a
// backend's own WinMain) only calls runProgram. Inline, so it is compiled
// into the entry point itself and finds the program's startProgram
// whatever the order the libraries are linked in.
#pragma once

#include "forms/application.h"
#include "forms/backend.h"
#include "forms/clock.h"

namespace forms {

// `fullScreenAtStart`: started with --fullscreen, for a projector.
inline int runProgram(bool fullScreenAtStart = false) {
  Backend* platform = platformBackend();
  if (!platform) return 1;  // a program needs a window system to show
  platform->start(false);
  setBackend(platform);
  setClock(nullptr);  // the real clock
  setFullScreen(fullScreenAtStart);
  startProgram();
  if (programEnded()) return 0;
  return platform->runEventLoop();
}

}  // namespace forms
