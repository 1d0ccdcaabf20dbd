// The H-shaped plate: a wide left upright and a narrower right one, joined
// by a thin crossbar that meets each block of the uprights only at an inner
// corner of the H.
#include <array>

#include "heat/press.h"

namespace velmora::heat {

namespace {

enum Piece {
  upperLeftBlock,
  leftMiddleStrip,  // level with the crossbar
  lowerLeftBlock,
  crossbar,
  upperRightBlock,
  rightMiddleStrip,
  lowerRightBlock,
};

// Neighbours overlap by 15 twips.
constexpr std::array<Rect, 7> pieces{{
    {960, 840, 1935, 1695},
    {960, 2520, 1935, 375},
    {960, 2880, 1935, 2415},
    {2880, 2520, 2895, 375},
    {5760, 840, 1095, 1695},
    {5760, 2520, 1095, 375},
    {5760, 2880, 1095, 2415},
}};

// The blocks of one upright, entered at their inner corners by the crossbar
// after the front has run `upperEntry` and `lowerEntry`.
void rightBlocksFrom(Press& press, double upperEntry, double lowerEntry) {
  press.relay(upperRightBlock, 0, press.height(upperRightBlock), upperEntry,
              {press.diagonal(upperRightBlock)});
  press.relay(lowerRightBlock, 0, 0, lowerEntry, {press.diagonal(lowerRightBlock)});
}

void leftBlocksFrom(Press& press, double upperEntry, double lowerEntry) {
  press.relay(upperLeftBlock, press.width(upperLeftBlock), press.height(upperLeftBlock), upperEntry,
              {press.diagonal(upperLeftBlock)});
  press.relay(lowerLeftBlock, press.width(lowerLeftBlock), 0, lowerEntry,
              {press.diagonal(lowerLeftBlock)});
}

// Heat from a block reaches the far upright through the near inner corner
// (`d` away) and the whole crossbar. The crossbar itself is entered at its
// own corner of that inner corner, unless the burner sits so close to the
// block's edge by the crossbar (within three quarters of the crossbar's
// height) that the crossbar warms straight from it. The middle strip of the
// far upright lies in line with the crossbar, so it warms from the
// crossbar's far end.
void acrossToRightUpright(Press& press, double d) {
  rightBlocksFrom(press, d + press.width(crossbar), d + press.width(crossbar));
  press.relay(rightMiddleStrip, -press.width(crossbar), press.height(rightMiddleStrip) / 2, d,
              {press.width(rightMiddleStrip), press.width(crossbar)});
}

void pressOnUpperLeftBlock(Press& press) {
  const double d =
      straight(press.width(upperLeftBlock) - press.x, press.height(upperLeftBlock) - press.y);
  if (press.y < singleBound(press.height(upperLeftBlock) - 0.75 * press.height(crossbar))) {
    press.relay(crossbar, 0, 0, d, {press.diagonal(crossbar)});
  }
  acrossToRightUpright(press, d);
}

// From the left middle strip the heat runs straight along strip and
// crossbar; only the two right blocks lie round a corner.
void pressOnLeftMiddleStrip(Press& press) {
  const float e = (press.width(leftMiddleStrip) - press.x) + press.width(crossbar);
  rightBlocksFrom(press, e, e);
}

void pressOnLowerLeftBlock(Press& press) {
  const double d = straight(press.width(lowerLeftBlock) - press.x, press.y);
  if (press.y > singleBound(0.75 * press.height(crossbar))) {
    press.relay(crossbar, 0, press.height(crossbar), d, {press.diagonal(crossbar)});
  }
  acrossToRightUpright(press, d);
}

// From the crossbar a block warms directly while the burner is within the
// crossbar's height of that block's end, otherwise around its inner corner.
// The crossbar's own front runs, wherever it was pressed, as far as heat
// needs to go along the whole crossbar and down a lower block: the run from
// the crossbar is done then.
void pressOnCrossbar(Press& press) {
  press.ownLimit(crossbar, press.height(lowerLeftBlock) + press.width(crossbar));
  const float towardsRight = press.width(crossbar) - press.x;
  const float belowPress = press.height(crossbar) - press.y;
  if (press.x > press.height(crossbar)) {
    leftBlocksFrom(press, straight(press.x, press.y), straight(press.x, belowPress));
  }
  if (press.x < press.width(crossbar) - press.height(crossbar)) {
    rightBlocksFrom(press, straight(towardsRight, press.y), straight(towardsRight, belowPress));
  }
}

// The same from the right upright, whose middle strip lies on the near
// side of the crossbar's far end.
void pressOnUpperRightBlock(Press& press) {
  const double d = straight(press.x, press.height(upperRightBlock) - press.y);
  if (press.y < singleBound(press.height(upperRightBlock) - 0.75 * press.height(crossbar))) {
    press.relay(crossbar, press.width(crossbar), 0, d, {press.diagonal(crossbar)});
  }
  leftBlocksFrom(press, d + press.width(crossbar), d + press.width(crossbar));
  press.relay(leftMiddleStrip, press.width(crossbar) + press.width(leftMiddleStrip),
              press.height(leftMiddleStrip) / 2, d,
              {press.width(leftMiddleStrip), press.width(crossbar)});
}

void pressOnRightMiddleStrip(Press& press) {
  const float e = press.width(crossbar) + press.x;
  leftBlocksFrom(press, e, e);
}

// Unlike the other blocks, this one sees the far middle strip from the
// strip's bottom edge, and covers it by the distance to its top-left corner.
void pressOnLowerRightBlock(Press& press) {
  const double d = straight(press.x, press.y);
  if (press.y > singleBound(0.75 * press.height(crossbar))) {
    press.relay(crossbar, press.width(crossbar), press.height(crossbar), d,
                {press.diagonal(crossbar)});
  }
  leftBlocksFrom(press, d + press.width(crossbar), d + press.width(crossbar));
  const float acrossToStrip = press.width(crossbar) + press.width(leftMiddleStrip);
  press.relay(leftMiddleStrip, acrossToStrip, press.height(leftMiddleStrip), d,
              {straight(acrossToStrip, press.height(leftMiddleStrip))});
}

// A press on the left upright ends when the far lower-right block is warm,
// one on the right upright when the lower-left block is; a press on the
// crossbar ends with the crossbar's own long limit.
constexpr std::array<PressRule, 7> onPress{{
    {lowerRightBlock, pressOnUpperLeftBlock},
    {lowerRightBlock, pressOnLeftMiddleStrip},
    {lowerRightBlock, pressOnLowerLeftBlock},
    {crossbar, pressOnCrossbar},
    {lowerLeftBlock, pressOnUpperRightBlock},
    {lowerLeftBlock, pressOnRightMiddleStrip},
    {lowerLeftBlock, pressOnLowerRightBlock},
}};

}  // namespace

constexpr Shape hPlate{"h", pieces, {1, 0.8, true}, onPress};

}  // namespace velmora::heat
