#include "shapes/t_plate_shape.h"

#include <iterator>

#include "shapes/relay.h"

namespace velmora::t_plate {

const std::vector<forms::Rect> fields{
    {360, 840, 3015, 855},    // left arm
    {3360, 840, 975, 855},    // centre block
    {4320, 840, 3975, 855},   // right arm
    {3360, 1680, 855, 3735},  // stem
};

namespace {

enum Piece { leftArm = 0, centreBlock = 1, rightArm = 2, stem = 3 };

// A press this close to an inner corner (three quarters of the stem's
// width) heats the stem well enough straight across the corner; farther
// away the heat has to go round it. Compared in single precision, like the
// control sizes it comes from.
float cornerReach(const std::vector<forms::Rect>& p) {
  return static_cast<float>(0.75 * p[stem].width);
}

// A press on the left arm: the stem warms from the left inner corner.
void pressOnLeftArm(PieceArrays& a, const ShapeRulesInput& in) {
  const auto& p = in.pieces;
  const float towardsCorner = p[leftArm].width - in.x;
  if (!(towardsCorner > cornerReach(p))) return;
  const double d = pathLength(double{p[leftArm].width} - in.x, double{p[leftArm].height} - in.y);
  relay(a, stem, {0, 0, d, d + diagonal(p[stem])});
}

// A press on the right arm: the stem warms from the right inner corner. The
// stem does not touch the right arm (a strip of the centre block lies
// between), so the path is lengthened by twice the speed at the press.
void pressOnRightArm(PieceArrays& a, const ShapeRulesInput& in) {
  const auto& p = in.pieces;
  if (!(in.x > cornerReach(p))) return;
  const double e = pathLength(in.x, double{p[rightArm].height} - in.y) + 2.0 * in.speedFactor;
  relay(a, stem, {p[stem].width, 0, e, e + diagonal(p[stem])});
}

// A press low on the stem: both arms warm from the inner corners, each
// around the bar's corner at that inner corner.
void pressOnStem(PieceArrays& a, const ShapeRulesInput& in) {
  const auto& p = in.pieces;
  if (!(in.y > cornerReach(p))) return;
  const double toLeft = pathLength(in.x, in.y);
  relay(a, leftArm, {p[leftArm].width, p[leftArm].height, toLeft, toLeft + diagonal(p[leftArm])});
  const double toRight = pathLength(double{p[stem].width} - in.x, in.y);
  relay(a, rightArm, {0, p[rightArm].height, toRight, toRight + diagonal(p[rightArm])});
}

// A press on the centre block: every piece lies in straight reach of it.
void pressOnCentreBlock(PieceArrays&, const ShapeRulesInput&) {}

// The rules of a press, by the piece pressed.
constexpr ShapeRules rulesOf[] = {pressOnLeftArm, pressOnCentreBlock, pressOnRightArm, pressOnStem};

void rules(PieceArrays& a, const ShapeRulesInput& in) {
  if (in.clicked >= 0 && in.clicked < std::ssize(rulesOf)) rulesOf[in.clicked](a, in);
}

}  // namespace

const MultiShape shape{
    4,
    0.8,
    Slowdown::TimesK,
    // The run ends when the piece farthest from the press is covered.
    {rightArm, rightArm, stem, rightArm},
    rules,
};

}  // namespace velmora::t_plate
