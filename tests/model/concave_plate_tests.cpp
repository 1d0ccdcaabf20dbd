// The concave plate: how a press relays the heat around the U's inner
// corners and along its bottom bar, the ticks of whole runs, and every
// press on a grid.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "tests/model/heat_trace_run.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

const auto& pieces = heat::concavePlate.pieces;

HeatRun pressed(int piece, float x, float y, float speed = normal) {
  return testing::pressed(heat::concavePlate, piece, x, y, speed);
}

bool isSingle(double value) { return value == static_cast<double>(static_cast<float>(value)); }

}  // namespace

TEST_CASE("the concave plate's layout and constants") {
  REQUIRE(pieces.size() == 5);
  CHECK(heat::concavePlate.growth.slowdown == 0.75);
  // The left pillar stops 105 twips above the bar; the heat passes through
  // the block below it. The right pillar stands on its block.
  CHECK(pieces[2].top - (pieces[0].top + pieces[0].height) == 105);
  CHECK(pieces[4].top + pieces[4].height == pieces[3].top + 15);
  CHECK(pieces[1].left + pieces[1].width == pieces[2].left + 15);
  CHECK(pieces[2].left + pieces[2].width == pieces[3].left + 15);
  std::vector<int> finishing;
  for (const heat::PressRule& rule : heat::concavePlate.onPress)
    finishing.push_back(rule.finishingPiece);
  CHECK(finishing == std::vector<int>{4, 4, 2, 0, 0});
}

TEST_CASE("the concave plate's front slows by 0.75 of the radius over the width") {
  HeatRun front = pressed(1, 500, 400);
  const double known[] = {50, 99.79, 149.36, 198.72, 247.86};
  for (int tick = 0; tick < 5; ++tick) {
    CAPTURE(tick);
    const HeatTick shown = front.tick(0, normal);
    CHECK(front.pieces[at(0)].frontRadius == twips(known[tick]));
    CHECK(shown.showMarker == (tick == 4));
  }
}

TEST_CASE("a press high on the left pillar") {
  SUBCASE("relays the bar, the right block and the right pillar from the pillar's foot") {
    const HeatRun front = pressed(0, 900, 1200);
    checkDirect(front, 0);
    checkDirect(front, 1);
    checkPiece(front, 2, {0, 0, 2627.44, 5730.74});
    checkPiece(front, 3, {-3015, 367.5, 2627.44, 6737.44});
    checkPiece(front, 4, {0, 3735, 5642.44, 9534.65});
  }
  SUBCASE("at normal speed the pieces stop at 63, 84, 162, 206 and 409; the right pillar ends it") {
    HeatRun front = pressed(0, 900, 1200);
    CHECK(front.pieces[at(0)].maxReach == twips(2627.44));
    CHECK(front.pieces[at(1)].maxReach == twips(3415.59));
    const RunRecord run = heat::runToEnd(front, normal);
    CHECK(run.stopTicks() == std::vector<int>{63, 84, 162, 206, 409});
    CHECK(run.retryTicks == std::vector<int>{409});
  }
  SUBCASE("low on the pillar the bar is direct; the block and the far pillar are still relayed") {
    const HeatRun front = pressed(0, 900, 3100);
    checkDirect(front, 2);
    CHECK(front.pieces[at(3)].sourceX == -3015);
    CHECK(front.pieces[at(4)].entryDistance > 3015);
  }
  SUBCASE("exactly at the bar's line the bar is direct; one twip above it is relayed") {
    CHECK(isDirect(pressed(0, 900, 3063.75f), 2));
    CHECK(isDirect(pressed(0, 900, 3064.75f), 2));
    CHECK_FALSE(isDirect(pressed(0, 900, 3062.75f), 2));
  }
}

TEST_CASE("a press on the left block relays the right pillar along the bottom") {
  SUBCASE("the path is straight along the bar, whatever the height of the press") {
    for (float y : {0.0f, 400.0f, 855.0f}) {
      const HeatRun front = pressed(1, 500, y);
      checkPiece(front, 4, {0, 3735, 4450, 8342.20});
      for (int i = 0; i < 4; ++i) checkDirect(front, i);
    }
  }
  SUBCASE("the path without a square root is a single-precision sum") {
    const double entry = pressed(1, 500.3f, 10).pieces[at(4)].entryDistance;
    CHECK(isSingle(entry));
    CHECK(entry == twips(4449.70, 0.001));
  }
}

TEST_CASE("a press on the bottom bar") {
  SUBCASE("the bar's own limit is fixed; both pillars are relayed from their feet") {
    const HeatRun front = pressed(2, 1500, 300);
    checkPiece(front, 2, {1500, 300, 0, 7115.30});
    checkPiece(front, 0, {1935, 3615, 1529.71, 5630.00});
    checkPiece(front, 4, {0, 3735, 1544.42, 5436.62});
    checkDirect(front, 1);
    checkDirect(front, 3);
    CHECK(front.pieces[at(1)].maxReach == twips(3447.55));
    CHECK(front.pieces[at(3)].maxReach == twips(2631.21));
  }
  SUBCASE("the bar's limit is the same wherever it is pressed") {
    for (const heat::Point point : gridOver(pieces[2], 6)) {
      CHECK(pressed(2, point.x, point.y).pieces[at(2)].maxReach == twips(7115.30));
    }
  }
  SUBCASE("at normal speed the pieces stop at 158, 85, 225, 63 and 150; the bar ends it") {
    HeatRun front = pressed(2, 1500, 300);
    const RunRecord run = heat::runToEnd(front, normal);
    CHECK(run.stopTicks() == std::vector<int>{158, 85, 225, 63, 150});
    CHECK(run.retryTicks == std::vector<int>{225});
  }
  SUBCASE("near the left end the left pillar is direct, near the right end the right one") {
    checkDirect(pressed(2, 600, 300), 0);
    CHECK_FALSE(isDirect(pressed(2, 600, 300), 4));
    checkDirect(pressed(2, 2400, 300), 4);
    CHECK_FALSE(isDirect(pressed(2, 2400, 300), 0));
  }
  SUBCASE("the thresholds at a block's height from either end, at equality and either side") {
    CHECK(isDirect(pressed(2, 735, 300), 0));
    CHECK(isDirect(pressed(2, 734, 300), 0));
    CHECK_FALSE(isDirect(pressed(2, 736, 300), 0));
    CHECK(isDirect(pressed(2, 2280, 300), 4));
    CHECK(isDirect(pressed(2, 2281, 300), 4));
    CHECK_FALSE(isDirect(pressed(2, 2279, 300), 4));
  }
}

TEST_CASE("a press on the right block relays the left pillar along the bottom") {
  SUBCASE("the path is straight along the bar") {
    const HeatRun front = pressed(3, 500, 300);
    checkPiece(front, 0, {1935, 3615, 3515, 7615.30});
    for (int i = 1; i < 5; ++i) checkDirect(front, i);
  }
  SUBCASE("the left pillar ends the run") {
    HeatRun front = pressed(3, 500, 300);
    const RunRecord run = heat::runToEnd(front, normal);
    CHECK(run.retryTicks == std::vector<int>{run.pieces[0].stopTick});
  }
  SUBCASE("the path without a square root is a single-precision sum") {
    const double entry = pressed(3, 0.3f, 10).pieces[at(0)].entryDistance;
    CHECK(isSingle(entry));
    CHECK(entry == twips(3015.30, 0.001));
  }
}

TEST_CASE("a press on the right pillar") {
  SUBCASE("low on it: the bar is direct; the left pillar and left block are relayed") {
    const HeatRun front = pressed(4, 500, 3100);
    checkDirect(front, 2);
    checkDirect(front, 3);
    checkDirect(front, 4);
    checkPiece(front, 0, {1935, 3615, 3823.22, 7923.52});
    checkPiece(front, 1, {4950, 427.5, 808.22, 5758.22});
  }
  SUBCASE("high on it: the bar is relayed from the pillar's foot") {
    const HeatRun front = pressed(4, 500, 1000);
    checkPiece(front, 2, {3015, 0, 2780.33, 5883.62});
  }
  SUBCASE("the left pillar ends the run") {
    HeatRun front = pressed(4, 500, 1000);
    const RunRecord run = heat::runToEnd(front, normal);
    CHECK(run.retryTicks == std::vector<int>{run.pieces[0].stopTick});
  }
  SUBCASE("exactly at the bar's line the bar is direct; one twip above it is relayed") {
    CHECK(isDirect(pressed(4, 500, 3063.75f), 2));
    CHECK(isDirect(pressed(4, 500, 3064.75f), 2));
    CHECK_FALSE(isDirect(pressed(4, 500, 3062.75f), 2));
  }
}

TEST_CASE("every press on a grid over the concave plate ends with every piece covered") {
  const double largestLimit = sweepShape(heat::concavePlate, 30);
  // The farthest any piece's front must go: the right pillar, for a press
  // at the top-left corner of the left pillar, at the fast speed.
  CHECK(largestLimit == twips(11207.5, 0.05));
  CHECK(largestLimit < simulationSurroundings.outerWidth / 0.75);
  CHECK(pressed(0, 0, 0, fast).pieces[at(4)].maxReach + 2 * fast == twips(11207.5, 0.05));
}

TEST_CASE("heat-trace prints the concave plate's run from a press on the bottom bar") {
  RunRecord run;
  checkTraceOfPress(heat::concavePlate, {"2", "1500", "300"}, &run);
  CHECK(run.stopTicks() == std::vector<int>{158, 85, 225, 63, 150});
}

TEST_CASE("heat-trace refuses a piece or a press outside the concave plate's pieces") {
  checkTraceRefuses(heat::concavePlate,
                    {{"5", "10", "10"}, {"2", "3016", "10"}, {"4", "10", "3736"}});
}
