#include "simulation/single_front.h"

#include <cmath>

namespace velmora {

namespace {

double cornerDistance(double dx, double dy) { return std::sqrt(dx * dx + dy * dy); }

}  // namespace

void SingleFront::press(float x, float y, float fieldWidth, float fieldHeight) {
  // The front is covered once it has passed the corner farthest from the
  // burner. Corners are tried in a fixed order and a later one wins only when
  // it is strictly farther, so ties keep the first corner's value.
  const double px = x;
  const double py = y;
  const double w = fieldWidth;
  const double h = fieldHeight;
  maxReach = cornerDistance(px, py);
  double d = cornerDistance(px, py - h);
  if (maxReach < d) maxReach = d;
  d = cornerDistance(px - w, py);
  if (maxReach < d) maxReach = d;
  d = cornerDistance(px - w, py - h);
  if (maxReach < d) maxReach = d;
  frontRadius = 0;
  sourceX = x;
  sourceY = y;
}

FrontTick SingleFront::tick(float windowWidth, float speedFactor) {
  // Each step is a little shorter than the last: the heat spreads ever more
  // slowly as the warm disc grows, levelling off near stepConstant widths.
  const double speed = speedFactor;
  frontRadius = frontRadius + speed * (stepConstant - frontRadius / windowWidth);

  FrontTick result;
  // The burner icon inside the metal appears once the front has grown past
  // the icon's half-size, so it never hides a front still smaller than it.
  result.showMarker = frontRadius > 240;
  // Two steps' worth of margin past the farthest corner: the last disc drawn
  // surely covers the whole metal before the run ends.
  if (frontRadius > maxReach + 2 * speed) {
    result.stop = true;
    result.showRetry = true;
    return result;
  }
  result.disc = Disc{sourceX, sourceY, static_cast<float>(frontRadius)};
  return result;
}

}  // namespace velmora
