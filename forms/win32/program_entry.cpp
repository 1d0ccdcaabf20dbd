// The process entry point of the Windows program: a GUI program (no
// console window), wide-character, running the toolkit's one start
// sequence.
#include <windows.h>

#include "forms/start_sequence.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) { return forms::runProgram(); }
