// The T-shaped plate: how a press relays the heat around the T's inner
// corners, the ticks of whole runs, and every press on a grid.
#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "tests/model/heat_trace_run.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

const auto& pieces = heat::tPlate.pieces;

HeatRun pressed(int piece, float x, float y, float speed = normal) {
  return testing::pressed(heat::tPlate, piece, x, y, speed);
}

}  // namespace

TEST_CASE("the T's layout and constants") {
  REQUIRE(pieces.size() == 4);
  CHECK(heat::tPlate.growth.slowdown == 0.8);
  // Neighbouring pieces overlap by one pixel; the stem hangs flush with the
  // centre block's left edge and stops short of the right arm.
  CHECK(pieces[0].left + pieces[0].width == pieces[1].left + 15);
  CHECK(pieces[1].left + pieces[1].width == pieces[2].left + 15);
  CHECK(pieces[3].left == pieces[1].left);
  CHECK(pieces[3].top == pieces[1].top + pieces[1].height - 15);
  CHECK(pieces[2].left - (pieces[3].left + pieces[3].width) == 105);
  std::vector<int> finishing;
  for (const heat::PressRule& rule : heat::tPlate.onPress) finishing.push_back(rule.finishingPiece);
  CHECK(finishing == std::vector<int>{2, 2, 3, 2});
}

TEST_CASE("a press on the left arm far from the inner corner") {
  SUBCASE("relays the stem around the left inner corner") {
    const HeatRun front = pressed(0, 1005, 420);
    for (int i = 0; i < 3; ++i) checkDirect(front, i);
    checkPiece(front, 3, {0, 0, 2056.53, 5888.14});
    CHECK(front.pieces[at(0)].maxReach == twips(2056.53));
    CHECK(front.pieces[at(1)].maxReach == twips(3001.69));
    CHECK(front.pieces[at(2)].maxReach == twips(6943.64));
  }
  SUBCASE("at normal speed the pieces stop at 48, 73, 226 and 174; the right arm ends it") {
    HeatRun front = pressed(0, 1005, 420);
    const RunRecord run = heat::runToEnd(front, normal);
    CHECK(run.stopTicks() == std::vector<int>{48, 73, 226, 174});
    CHECK(run.retryTicks == std::vector<int>{226});
    for (int i = 0; i < 3; ++i) CHECK(run.pieces[static_cast<std::size_t>(i)].firstDrawTick == 1);
  }
  SUBCASE("the stem stays grey until the front has run the path to the corner") {
    HeatRun front = pressed(0, 1005, 420);
    const double entry = front.pieces[at(3)].entryDistance;
    int firstDisc = 0;
    for (int tick = 1; firstDisc == 0 && tick < 200; ++tick) {
      const float before = front.pieces[at(3)].frontRadius;
      const HeatTick shown = front.tick(3, normal);
      if (!shown.disc) continue;
      firstDisc = tick;
      CHECK(before <= entry);
      CHECK(front.pieces[at(3)].frontRadius > entry);
      CHECK(shown.disc->x == 0);
      CHECK(shown.disc->y == 0);
      CHECK(shown.disc->radius == doctest::Approx(front.pieces[at(3)].frontRadius - entry));
    }
    CHECK(firstDisc > 1);
  }
}

TEST_CASE("the left arm's relay threshold at three quarters of the stem's width") {
  SUBCASE("near the corner the stem is reached straight, centred on the press") {
    const HeatRun front = pressed(0, 2400, 420);
    checkDirect(front, 3);
    CHECK(front.pieces[at(3)].sourceX == -600);
  }
  SUBCASE("exactly at the threshold the stem keeps the direct mapping") {
    CHECK(isDirect(pressed(0, 2373.75f, 420), 3));
  }
  SUBCASE("one twip farther from the corner it is relayed") {
    CHECK_FALSE(isDirect(pressed(0, 2372.75f, 420), 3));
    CHECK(pressed(0, 2372.75f, 420).pieces[at(3)].sourceX == 0);
  }
  SUBCASE("one twip nearer it is direct") { CHECK(isDirect(pressed(0, 2374.75f, 420), 3)); }
}

TEST_CASE("a press on the centre block relays nothing") {
  for (const heat::Point point : gridOver(pieces[1], 8)) {
    const HeatRun front = pressed(1, point.x, point.y);
    for (int i = 0; i < 4; ++i) CHECK(isDirect(front, i));
  }
}

TEST_CASE("a press on the right arm relays the stem around the right inner corner") {
  SUBCASE("the path includes twice the speed at the press") {
    checkPiece(pressed(2, 1200, 300, normal), 3, {855, 0, 1422.13, 5253.74});
    checkPiece(pressed(2, 1200, 300, fast), 3, {855, 0, 1522.13, 5353.74});
    checkPiece(pressed(2, 1200, 300, slow), 3, {855, 0, 1362.13, 5193.74});
  }
  SUBCASE("the stem ends the run") {
    HeatRun front = pressed(2, 1200, 300);
    const RunRecord run = heat::runToEnd(front, normal);
    CHECK(run.retryTicks == std::vector<int>{run.pieces[3].stopTick});
  }
  SUBCASE("a later speed change does not move the stem's path") {
    HeatRun front = pressed(2, 1200, 300, normal);
    front.tick(3, fast);
    CHECK(front.pieces[at(3)].entryDistance == twips(1422.13));
  }
  SUBCASE("exactly at the threshold, and one twip inside it, the stem is direct") {
    CHECK(isDirect(pressed(2, 641.25f, 300), 3));
    CHECK(isDirect(pressed(2, 640.25f, 300), 3));
  }
  SUBCASE("one twip beyond the threshold it is relayed") {
    CHECK_FALSE(isDirect(pressed(2, 642.25f, 300), 3));
  }
}

TEST_CASE("a press low on the stem relays both arms") {
  SUBCASE("each arm from its own inner corner") {
    const HeatRun front = pressed(3, 420, 2000);
    checkPiece(front, 0, {3015, 855, 2043.62, 5177.51});
    checkPiece(front, 2, {0, 855, 2046.76, 6112.67});
    checkDirect(front, 1);
    checkDirect(front, 3);
  }
  SUBCASE("the right arm ends the run") {
    HeatRun front = pressed(3, 420, 2000);
    const RunRecord run = heat::runToEnd(front, normal);
    CHECK(run.retryTicks == std::vector<int>{run.pieces[2].stopTick});
  }
  SUBCASE("high on the stem both arms are direct") {
    const HeatRun front = pressed(3, 420, 600);
    for (int i = 0; i < 4; ++i) checkDirect(front, i);
  }
  SUBCASE("exactly at the threshold both arms are direct, one twip lower both are relayed") {
    for (float y : {641.25f, 640.25f}) {
      const HeatRun front = pressed(3, 420, y);
      CHECK(isDirect(front, 0));
      CHECK(isDirect(front, 2));
    }
    const HeatRun lower = pressed(3, 420, 642.25f);
    CHECK_FALSE(isDirect(lower, 0));
    CHECK_FALSE(isDirect(lower, 2));
  }
}

TEST_CASE("every press on a grid over the T ends with every piece covered") {
  const double largestLimit = sweepShape(heat::tPlate, 30);
  // The farthest any piece's front must go: the stem, for a press at the
  // right end of the right arm's top edge, at the fast speed.
  CHECK(largestLimit == twips(8297.5, 0.05));
  CHECK(largestLimit < simulationSurroundings.outerWidth / 0.8);
  const HeatRun farthest = pressed(2, 3975, 0, fast);
  CHECK(farthest.pieces[at(3)].maxReach + 2 * fast == twips(8297.5, 0.05));
}

TEST_CASE("heat-trace prints the T's run from a press on the left arm") {
  RunRecord run;
  const std::string trace = checkTraceOfPress(heat::tPlate, {"0", "1005", "420"}, &run);
  CHECK(jsonValue(trace, "speedFactor") == "50");
  CHECK(run.stopTicks() == std::vector<int>{48, 73, 226, 174});
}

TEST_CASE("heat-trace refuses a piece or a press outside the T's pieces") {
  checkTraceRefuses(heat::tPlate, {{"4", "10", "10"}, {"1", "976", "10"}, {"3", "10", "3736"}});
}
