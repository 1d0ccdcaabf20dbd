// The T-shaped plate: a top bar of three pieces (left arm, centre block,
// right arm) and a stem hanging below the centre block, flush with its left
// edge. The heat reaches the stem around the T's inner corners.
#include <array>

#include "heat/press.h"

namespace velmora::heat {

namespace {

enum Piece { leftArm, centreBlock, rightArm, stem };

constexpr std::array<Rect, 4> pieces{{
    {360, 840, 3015, 855},    // left arm
    {3360, 840, 975, 855},    // centre block
    {4320, 840, 3975, 855},   // right arm
    {3360, 1680, 855, 3735},  // stem
}};

// A press this close to an inner corner (three quarters of the stem's
// width) heats the stem well enough straight across the corner; farther
// away the heat has to go round it.
float cornerReach(const Press& press) { return singleBound(0.75 * press.width(stem)); }

// The stem warms from the left inner corner.
void pressOnLeftArm(Press& press) {
  const float towardsCorner = press.width(leftArm) - press.x;
  if (!(towardsCorner > cornerReach(press))) return;
  const double d =
      straight(double{press.width(leftArm)} - press.x, double{press.height(leftArm)} - press.y);
  press.relay(stem, 0, 0, d, {press.diagonal(stem)});
}

// The stem warms from the right inner corner. It does not touch the right
// arm (a strip of the centre block lies between), so the path is lengthened
// by twice the speed at the press.
void pressOnRightArm(Press& press) {
  if (!(press.x > cornerReach(press))) return;
  const double e =
      straight(press.x, double{press.height(rightArm)} - press.y) + double{press.twiceSpeed};
  press.relay(stem, press.width(stem), 0, e, {press.diagonal(stem)});
}

// A press low on the stem: both arms warm from the inner corners, each
// around the bar's corner at that inner corner.
void pressOnStem(Press& press) {
  if (!(press.y > cornerReach(press))) return;
  const double toLeft = straight(press.x, press.y);
  press.relay(leftArm, press.width(leftArm), press.height(leftArm), toLeft,
              {press.diagonal(leftArm)});
  const double toRight = straight(double{press.width(stem)} - press.x, press.y);
  press.relay(rightArm, 0, press.height(rightArm), toRight, {press.diagonal(rightArm)});
}

// The run ends when the piece farthest from the press is covered. Every
// piece lies in straight reach of the centre block.
constexpr std::array<PressRule, 4> onPress{{
    {rightArm, pressOnLeftArm},
    {rightArm},
    {stem, pressOnRightArm},
    {rightArm, pressOnStem},
}};

}  // namespace

constexpr Shape tPlate{"t", pieces, {1, 0.8, true}, onPress};

}  // namespace velmora::heat
