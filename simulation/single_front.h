// The heat front on a metal of one rectangle (the plate and the rod): a
// circle around the pressed point that grows a little less each tick and
// stops once it has passed the farthest corner.
#pragma once

#include "simulation/front_tick.h"

namespace velmora {

class SingleFront {
 public:
  explicit SingleFront(double stepConstant) : stepConstant(stepConstant) {}

  // A press that starts a run at (x, y) in the field, whose size is read
  // from the control at the press.
  void press(float x, float y, float fieldWidth, float fieldHeight);
  // One 50 ms tick, with the window's outer width and the speed of that tick.
  FrontTick tick(float windowWidth, float speedFactor);

  const double stepConstant;
  float sourceX = 0;
  float sourceY = 0;
  double maxReach = 0;
  double frontRadius = 0;
};

}  // namespace velmora
