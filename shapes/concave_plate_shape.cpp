#include "shapes/concave_plate_shape.h"

#include <iterator>

#include "shapes/relay.h"

namespace velmora::concave_plate {

const std::vector<forms::Rect> fields{
    {840, 840, 1935, 3615},   // left pillar
    {840, 4440, 1935, 855},   // block below the left pillar
    {2760, 4560, 3015, 735},  // bottom bar
    {5760, 4560, 1095, 735},  // block below the right pillar
    {5760, 840, 1095, 3735},  // right pillar
};

namespace {

enum Piece { leftPillar = 0, leftBlock = 1, bottomBar = 2, rightBlock = 3, rightPillar = 4 };

// A press on a pillar this high above the bar heats the bar around the
// pillar's foot; lower down, it reaches the bar straight across. The same
// line in the window for both pillars, three quarters of the bar's height
// above the left pillar's foot, in single precision.
float barLine(const std::vector<forms::Rect>& p) {
  return static_cast<float>(p[leftPillar].height - 0.75 * p[bottomBar].height);
}

// A press on the left pillar: the heat leaves the pillar at its inner foot,
// runs along the bar and climbs the right pillar.
void pressOnLeftPillar(PieceArrays& a, const ShapeRulesInput& in) {
  const auto& p = in.pieces;
  const double d =
      pathLength(double{p[leftPillar].width} - in.x, double{p[leftPillar].height} - in.y);
  const double barLength = p[bottomBar].width;
  if (in.y < barLine(p)) relay(a, bottomBar, {0, 0, d, d + diagonal(p[bottomBar])});
  // The right block warms from the bar's far end, across its middle.
  relay(a, rightBlock,
        {-p[bottomBar].width, p[rightBlock].height / 2.0f, d, d + p[rightBlock].width + barLength});
  relay(a, rightPillar,
        {0, p[rightPillar].height, d + barLength, d + barLength + diagonal(p[rightPillar])});
}

// A press on the left block: the heat runs straight along the bottom to
// the right pillar's foot; the height of the press does not matter.
void pressOnLeftBlock(PieceArrays& a, const ShapeRulesInput& in) {
  const auto& p = in.pieces;
  const float e = p[leftBlock].width - in.x + p[bottomBar].width;
  relay(a, rightPillar, {0, p[rightPillar].height, e, e + diagonal(p[rightPillar])});
}

// A press on the bottom bar: the bar's timer ends the run, at a fixed limit
// wherever the bar was pressed: its own length and the left pillar's
// diagonal, the longer of the two, so both pillars are warm by then. The
// pillars warm from their inner feet, unless the press is within a block's
// height of them.
void pressOnBottomBar(PieceArrays& a, const ShapeRulesInput& in) {
  const auto& p = in.pieces;
  a.maxReach[bottomBar] = p[bottomBar].width + diagonal(p[leftPillar]);
  const float nearPillar = p[rightBlock].height;
  if (in.x > nearPillar) {
    const double e = pathLength(in.x, in.y);
    relay(a, leftPillar,
          {p[leftPillar].width, p[leftPillar].height, e, e + diagonal(p[leftPillar])});
  }
  const float towardsRight = p[bottomBar].width - in.x;
  if (towardsRight > nearPillar) {
    const double e = pathLength(double{p[bottomBar].width} - in.x, in.y);
    relay(a, rightPillar, {0, p[rightPillar].height, e, e + diagonal(p[rightPillar])});
  }
}

// A press on the right block: the heat runs straight along the bottom to
// the left pillar's foot.
void pressOnRightBlock(PieceArrays& a, const ShapeRulesInput& in) {
  const auto& p = in.pieces;
  const float e = p[bottomBar].width + in.x;
  relay(a, leftPillar, {p[leftPillar].width, p[leftPillar].height, e, e + diagonal(p[leftPillar])});
}

// A press on the right pillar: the heat leaves it at its inner foot, runs
// along the bar and climbs the left pillar.
void pressOnRightPillar(PieceArrays& a, const ShapeRulesInput& in) {
  const auto& p = in.pieces;
  const double d = pathLength(in.x, double{p[rightPillar].height} - in.y);
  const double barLength = p[bottomBar].width;
  if (in.y < barLine(p)) {
    relay(a, bottomBar, {p[bottomBar].width, 0, d, d + diagonal(p[bottomBar])});
  }
  relay(a, leftPillar,
        {p[leftPillar].width, p[leftPillar].height, d + barLength,
         d + barLength + diagonal(p[leftPillar])});
  // The left block warms from the bar's far end, across its middle.
  relay(a, leftBlock,
        {p[bottomBar].width + p[leftBlock].width, p[leftBlock].height / 2.0f, d,
         d + p[leftBlock].width + barLength});
}

// The rules of a press, by the piece pressed.
constexpr ShapeRules rulesOf[] = {pressOnLeftPillar, pressOnLeftBlock, pressOnBottomBar,
                                  pressOnRightBlock, pressOnRightPillar};

void rules(PieceArrays& a, const ShapeRulesInput& in) {
  if (in.clicked >= 0 && in.clicked < std::ssize(rulesOf)) rulesOf[in.clicked](a, in);
}

}  // namespace

const MultiShape shape{
    5,
    0.75,
    Slowdown::TimesK,
    // The run ends when the far pillar is covered, or for a press on the bar
    // when the bar's own, fixed limit is passed.
    {rightPillar, rightPillar, bottomBar, leftPillar, leftPillar},
    rules,
};

}  // namespace velmora::concave_plate
