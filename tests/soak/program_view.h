// The program's windows as the soak reaches them: the six shapes' windows
// by their place on the menu, 1 to 6 (0 stands for the menu itself).
#pragma once

#include <string>

#include "app/program.h"

namespace velmora::soak {

constexpr int shapeCount = 6;

// The shape at place `number` (1 to 6), as messages name it.
std::string shapeName(int number);
// Its window; null until the child first opens it.
SimulationWindow* shapeWindow(Program& program, int number);
// The shape's window on the screen, or null.
SimulationWindow* openWindow(Program& program, int* number = nullptr);
// The piece whose stop ends the window's current run and shows "もう一度".
int finishingPiece(const SimulationWindow& window);

}  // namespace velmora::soak
