// The program's start, called by the toolkit before its event loop.
#include "app/program.h"
#include "forms/application.h"

void forms::startProgram() {
  // The program lives until the process ends; it is never torn down, so no
  // window outlives the toolkit it was drawn with.
  static velmora::Program* const program = new velmora::Program;
  program->start();
}
