// The concave (U-shaped) plate, open at the top: a left pillar on a block,
// a bottom bar, and a right pillar on a block. The heat runs from one pillar
// to the other only along the bottom, around the U's inner corners.
#include <array>

#include "heat/press.h"

namespace velmora::heat {

namespace {

enum Piece { leftPillar, leftBlock, bottomBar, rightBlock, rightPillar };

constexpr std::array<Rect, 5> pieces{{
    {840, 840, 1935, 3615},   // left pillar
    {840, 4440, 1935, 855},   // block below the left pillar
    {2760, 4560, 3015, 735},  // bottom bar
    {5760, 4560, 1095, 735},  // block below the right pillar
    {5760, 840, 1095, 3735},  // right pillar
}};

// A press on a pillar this high above the bar heats the bar around the
// pillar's foot; lower down, it reaches the bar straight across. The same
// line in the window for both pillars, three quarters of the bar's height
// above the left pillar's foot.
float barLine(const Press& press) {
  return singleBound(press.height(leftPillar) - 0.75 * press.height(bottomBar));
}

// The heat leaves the left pillar at its inner foot, runs along the bar and
// climbs the right pillar; the right block warms from the bar's far end,
// across its middle.
void pressOnLeftPillar(Press& press) {
  const double d = straight(double{press.width(leftPillar)} - press.x,
                            double{press.height(leftPillar)} - press.y);
  const double barLength = press.width(bottomBar);
  if (press.y < barLine(press)) press.relay(bottomBar, 0, 0, d, {press.diagonal(bottomBar)});
  press.relay(rightBlock, -press.width(bottomBar), press.height(rightBlock) / 2.0f, d,
              {press.width(rightBlock), barLength});
  press.relay(rightPillar, 0, press.height(rightPillar), d + barLength,
              {press.diagonal(rightPillar)});
}

// From the left block the heat runs straight along the bottom to the right
// pillar's foot; the height of the press does not matter.
void pressOnLeftBlock(Press& press) {
  const float e = press.width(leftBlock) - press.x + press.width(bottomBar);
  press.relay(rightPillar, 0, press.height(rightPillar), e, {press.diagonal(rightPillar)});
}

// The bar's timer ends the run, at a fixed limit wherever the bar was
// pressed: its own length and the left pillar's diagonal, so both pillars
// are warm by then. The pillars warm from their inner feet, unless the press
// is within a block's height of them.
void pressOnBottomBar(Press& press) {
  press.ownLimit(bottomBar, press.width(bottomBar) + press.diagonal(leftPillar));
  const float nearPillar = press.height(rightBlock);
  if (press.x > nearPillar) {
    press.relay(leftPillar, press.width(leftPillar), press.height(leftPillar),
                straight(press.x, press.y), {press.diagonal(leftPillar)});
  }
  const float towardsRight = press.width(bottomBar) - press.x;
  if (towardsRight > nearPillar) {
    press.relay(rightPillar, 0, press.height(rightPillar),
                straight(double{press.width(bottomBar)} - press.x, press.y),
                {press.diagonal(rightPillar)});
  }
}

// From the right block the heat runs straight along the bottom to the left
// pillar's foot.
void pressOnRightBlock(Press& press) {
  const float e = press.width(bottomBar) + press.x;
  press.relay(leftPillar, press.width(leftPillar), press.height(leftPillar), e,
              {press.diagonal(leftPillar)});
}

// The heat leaves the right pillar at its inner foot, runs along the bar and
// climbs the left pillar; the left block warms from the bar's far end.
void pressOnRightPillar(Press& press) {
  const double d = straight(press.x, double{press.height(rightPillar)} - press.y);
  const double barLength = press.width(bottomBar);
  if (press.y < barLine(press))
    press.relay(bottomBar, press.width(bottomBar), 0, d, {press.diagonal(bottomBar)});
  press.relay(leftPillar, press.width(leftPillar), press.height(leftPillar), d + barLength,
              {press.diagonal(leftPillar)});
  press.relay(leftBlock, press.width(bottomBar) + press.width(leftBlock),
              press.height(leftBlock) / 2.0f, d, {press.width(leftBlock), barLength});
}

// The run ends when the far pillar is covered, or for a press on the bar
// when the bar's own, fixed limit is passed.
constexpr std::array<PressRule, 5> onPress{{
    {rightPillar, pressOnLeftPillar},
    {rightPillar, pressOnLeftBlock},
    {bottomBar, pressOnBottomBar},
    {leftPillar, pressOnRightBlock},
    {leftPillar, pressOnRightPillar},
}};

}  // namespace

constexpr Shape concavePlate{"concave", pieces, {1, 0.75, true}, onPress};

}  // namespace velmora::heat
