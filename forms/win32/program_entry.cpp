// The process entry point of the Windows program: a GUI program (no
// console window), wide-character, running the toolkit's one start
// sequence.
#include <windows.h>

#include <cstdlib>
#include <cwchar>

#include "forms/start_sequence.h"

// --fullscreen starts full screen; any other argument is ignored.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  bool fullScreen = false;
  for (int i = 1; i < __argc; ++i) fullScreen |= std::wcscmp(__wargv[i], L"--fullscreen") == 0;
  return forms::runProgram(fullScreen);
}
