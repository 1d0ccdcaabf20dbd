#include "soak/program_view.h"

namespace velmora::soak {

std::string shapeName(int number) {
  return std::string(shapeLayouts()[static_cast<std::size_t>(number - 1)].shape.name);
}

SimulationWindow* shapeWindow(Program& program, int number) {
  return program.window(shapeName(number));
}

SimulationWindow* openWindow(Program& program, int* number) {
  for (int n = 1; n <= shapeCount; ++n) {
    SimulationWindow* window = shapeWindow(program, n);
    if (window && window->loaded()) {
      if (number) *number = n;
      return window;
    }
  }
  if (number) *number = 0;
  return nullptr;
}

int finishingPiece(const SimulationWindow& window) {
  const heat::HeatRun& run = window.heat;
  return run.shape().onPress[static_cast<std::size_t>(run.clickedPiece())].finishingPiece;
}

}  // namespace velmora::soak
