// The process entry point of the program: the start sequence and nothing
// else. (A backend whose platform wants another entry point, such as
// WinMain, calls forms::runProgram from it instead.)
#include <cstring>

#include "forms/start_sequence.h"

// --fullscreen starts full screen; any other argument is ignored.
int main(int argc, char** argv) {
  bool fullScreen = false;
  for (int i = 1; i < argc; ++i) fullScreen |= std::strcmp(argv[i], "--fullscreen") == 0;
  return forms::runProgram(fullScreen);
}
