#include "app/program.h"

namespace velmora {

Program::Program() : main(*this) {}

void Program::start() { main.Show(); }

}  // namespace velmora
