// The H-shaped plate: where each piece's heat comes from for a press, how
// far it has to run first, and that every run ends with the whole H warm.
#include <doctest/doctest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

#include "tests/model/heat_trace_run.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

const auto& H = heat::hPlate.pieces;

HeatRun pressH(int piece, float x, float y, float speed = 50) {
  return pressed(heat::hPlate, piece, x, y, speed);
}

}  // namespace

TEST_SUITE("H-shaped plate") {
  TEST_CASE("the seven pieces form an H whose neighbours overlap by 15 twips") {
    REQUIRE(H.size() == 7);
    // Uprights of different widths, stacked block, strip, block.
    for (int i : {0, 1, 2}) CHECK(H[at(i)].width == 1935);
    for (int i : {4, 5, 6}) CHECK(H[at(i)].width == 1095);
    for (int top : {0, 4}) {
      CHECK(H[at(top)].top + H[at(top)].height - H[at(top + 1)].top == 15);
      CHECK(H[at(top + 1)].top + H[at(top + 1)].height - H[at(top + 2)].top == 15);
    }
    // The crossbar is level with both middle strips and overlaps each end.
    CHECK(H[3].top == H[1].top);
    CHECK(H[3].top == H[5].top);
    CHECK(H[1].left + H[1].width - H[3].left == 15);
    CHECK(H[3].left + H[3].width - H[5].left == 15);
    CHECK(H[3].left + H[3].width == 5775);
    CHECK(H[6].top + H[6].height == 5295);
  }

  TEST_CASE("the H grows with the broad plates' slow-down and ends on the far lower block") {
    CHECK(heat::hPlate.growth.slowdown == 0.8);
    const std::array<int, 7> finishing{6, 6, 6, 3, 2, 2, 2};
    for (int c = 0; c < 7; ++c)
      CHECK(heat::hPlate.onPress[at(at(c))].finishingPiece == finishing[at(c)]);
  }

  TEST_CASE(
      "a press on the upper-left block's corner reaches the right upright over the crossbar") {
    const HeatRun front = pressH(0, 960, 840);
    checkPiece(front, 0, {960, 840, 0, 1296.78});
    checkPiece(front, 1, {960, -840, 0, 1557.84});
    checkPiece(front, 2, {960, -1200, 0, 3744.18});
    checkPiece(front, 3, {0, 0, 1296.78, 4215.97});
    checkPiece(front, 4, {0, 1695, 4191.78, 6209.72});
    checkPiece(front, 5, {-2895, 187.5, 1296.78, 5286.78});
    checkPiece(front, 6, {0, 0, 4191.78, 6843.43});
  }

  TEST_CASE("a press in the middle of the crossbar enters all four blocks at the inner corners") {
    const HeatRun front = pressH(3, 1440, 180);
    checkPiece(front, 0, {1935, 1695, 1451.21, 4023.61});
    checkPiece(front, 2, {1935, 0, 1453.14, 4547.73});
    checkPiece(front, 4, {0, 1695, 1466.09, 3484.02});
    checkPiece(front, 6, {0, 0, 1468.01, 4119.66});
    checkPiece(front, 3, {1440, 180, 0, 5310});
    CHECK(isDirect(front, 1));
    CHECK(isDirect(front, 5));
    CHECK(front.pieces[at(1)].sourceX == 3360);
    CHECK(front.pieces[at(1)].sourceY == 180);
    CHECK(front.pieces[at(5)].sourceX == -1440);
    CHECK(front.pieces[at(5)].sourceY == 180);
  }

  TEST_CASE("the crossbar's own limit is the same wherever it is pressed") {
    for (const heat::Point p : {heat::Point{0, 0}, heat::Point{2895, 375}, heat::Point{700, 30}}) {
      const HeatRun front = pressH(3, p.x, p.y);
      CHECK(front.pieces[at(3)].maxReach == 5310);
      CHECK(front.pieces[at(3)].entryDistance == 0);
      CHECK(front.pieces[at(3)].sourceX == p.x);
      CHECK(front.pieces[at(3)].sourceY == p.y);
    }
  }

  TEST_CASE("near either end of the crossbar the block on that side warms directly") {
    SUBCASE("left end: within 375 twips of it") {
      for (const float x : {374.0f, 375.0f}) {
        const HeatRun front = pressH(3, x, 180);
        CHECK(isDirect(front, 0));
        CHECK(isDirect(front, 2));
      }
      const HeatRun beyond = pressH(3, 376, 180);
      checkPiece(beyond, 0,
                 {1935, 1695, std::hypot(376.0, 180.0), std::hypot(376.0, 180.0) + 2572.40});
      checkPiece(beyond, 2,
                 {1935, 0, std::hypot(376.0, 195.0), std::hypot(376.0, 195.0) + 3094.58});
    }
    SUBCASE("right end: within 375 twips of it") {
      for (const float x : {2520.0f, 2521.0f}) {
        const HeatRun front = pressH(3, x, 180);
        CHECK(isDirect(front, 4));
        CHECK(isDirect(front, 6));
      }
      const HeatRun beyond = pressH(3, 2519, 180);
      checkPiece(beyond, 4,
                 {0, 1695, std::hypot(376.0, 180.0), std::hypot(376.0, 180.0) + 2017.93});
      checkPiece(beyond, 6, {0, 0, std::hypot(376.0, 195.0), std::hypot(376.0, 195.0) + 2651.65});
    }
  }

  TEST_CASE("a press close above the crossbar heats it directly, farther up round the corner") {
    // Blocks 0 and 4 sit above the crossbar: the bound is 1413.75 twips down.
    for (const int block : {0, 4}) {
      INFO("block " << block);
      const double cornerX = block == 0 ? 0 : 2895;
      for (const float y : {1410.0f, 1412.75f}) {
        const HeatRun front = pressH(block, 540, y);
        REQUIRE(relays(front, 3));
        const double d =
            block == 0 ? std::hypot(1935 - 540.0, 1695 - y) : std::hypot(540.0, 1695 - y);
        checkPiece(front, 3, {cornerX, 0, d, d + 2919.19});
      }
      for (const float y : {1413.75f, 1414.75f, 1425.0f}) {
        CHECK(isDirect(pressH(block, 540, y), 3));
      }
    }
  }

  TEST_CASE("a press close below the crossbar heats it directly, farther down round the corner") {
    // Blocks 2 and 6 hang below the crossbar: the bound is 281.25 twips down.
    for (const int block : {2, 6}) {
      INFO("block " << block);
      const double cornerX = block == 2 ? 0 : 2895;
      for (const float y : {270.0f, 280.25f, 281.25f}) CHECK(isDirect(pressH(block, 540, y), 3));
      for (const float y : {282.25f, 285.0f}) {
        const HeatRun front = pressH(block, 540, y);
        REQUIRE(relays(front, 3));
        const double d = block == 2 ? std::hypot(1935 - 540.0, y) : std::hypot(540.0, y);
        checkPiece(front, 3, {cornerX, 375, d, d + 2919.19});
      }
    }
  }

  TEST_CASE("a press on a middle strip reaches the far blocks by a purely horizontal path") {
    for (const float y : {0.0f, 180.0f, 375.0f}) {
      const HeatRun right = pressH(5, 540, y);
      checkPiece(right, 0, {1935, 1695, 3435, 3435 + 2572.40});
      checkPiece(right, 2, {1935, 0, 3435, 3435 + 3094.58});
      for (const int i : {1, 3, 4, 6}) CHECK(isDirect(right, i));

      const HeatRun left = pressH(1, 1000, y);
      checkPiece(left, 4, {0, 1695, 3830, 3830 + 2017.93});
      checkPiece(left, 6, {0, 0, 3830, 3830 + 2651.65});
      for (const int i : {0, 2, 3, 5}) CHECK(isDirect(left, i));
    }
  }

  TEST_CASE("the lower blocks see the far middle strip from different points") {
    const HeatRun fromLeft = pressH(2, 960, 1200);
    const double dLeft = std::hypot(1935 - 960.0, 1200.0);
    checkPiece(fromLeft, 5, {-2895, 187.5, dLeft, dLeft + 3990});

    const HeatRun fromRight = pressH(6, 540, 1200);
    const double dRight = std::hypot(540.0, 1200.0);
    checkPiece(fromRight, 1, {4830, 375, dRight, dRight + 4844.54});

    const HeatRun fromUpperRight = pressH(4, 540, 900);
    const double dUpper = std::hypot(540.0, 1695 - 900.0);
    checkPiece(fromUpperRight, 1, {4830, 187.5, dUpper, dUpper + 4830});
  }

  TEST_CASE("from a block both far blocks are entered after the near corner and the crossbar") {
    const HeatRun front = pressH(4, 540, 900);
    const double d = std::hypot(540.0, 1695 - 900.0);
    checkPiece(front, 0, {1935, 1695, d + 2895, d + 5467.40});
    checkPiece(front, 2, {1935, 0, d + 2895, d + 5989.58});
    checkPiece(front, 3, {2895, 0, d, d + 2919.19});

    const HeatRun below = pressH(2, 960, 1200);
    const double e = std::hypot(1935 - 960.0, 1200.0);
    checkPiece(below, 4, {0, 1695, e + 2895, e + 4912.93});
    checkPiece(below, 6, {0, 0, e + 2895, e + 5546.65});
    checkPiece(below, 3, {0, 375, e, e + 2919.19});
  }

  TEST_CASE("the rules take the piece sizes from the shape, not from numbers of their own") {
    // The same H with a crossbar 300 twips longer and the right upright moved
    // along with it.
    std::vector<heat::Rect> longer = piecesOf(heat::hPlate);
    longer[3].width += 300;
    for (const int i : {4, 5, 6}) longer[at(i)].left += 300;
    const heat::Shape longerH = onPieces(heat::hPlate, longer);

    HeatRun front = pressed(longerH, 0, 960, 840);
    const double d = std::hypot(975.0, 855.0);
    checkPiece(front, 4, {0, 1695, d + 3195, d + 3195 + std::hypot(1095.0, 1695.0)});
    checkPiece(front, 5, {-3195, 187.5, d, d + 1095 + 3195});

    // 2600 twips along is near the right end of the usual crossbar, but not
    // of the longer one.
    CHECK(isDirect(pressH(3, 2600, 180), 4));
    front = pressed(longerH, 3, 2600, 180);
    CHECK(!isDirect(front, 4));
    CHECK(front.pieces[at(3)].maxReach == 2415 + 3195);
  }

  TEST_CASE("thresholds are compared in single precision, so equality there means direct") {
    // A crossbar a hair thinner or thicker than usual puts the bounds between
    // two single-precision values; a press on the rounded bound stays direct.
    SUBCASE("above the crossbar") {
      std::vector<heat::Rect> thinner = piecesOf(heat::hPlate);
      thinner[3].height = 375.0f - 0x1p-15f;
      const heat::Shape thinnerH = onPieces(heat::hPlate, thinner);
      const double exact = 1695 - 0.75 * static_cast<double>(thinner[3].height);
      const float rounded = static_cast<float>(exact);
      REQUIRE(static_cast<double>(rounded) < exact);
      CHECK(isDirect(pressed(thinnerH, 0, 540, rounded), 3));
      CHECK(!isDirect(pressed(thinnerH, 0, 540, std::nextafter(rounded, 0.0f)), 3));
    }
    SUBCASE("below the crossbar") {
      std::vector<heat::Rect> thicker = piecesOf(heat::hPlate);
      thicker[3].height = 375.0f + 0x1p-15f;
      const heat::Shape thickerH = onPieces(heat::hPlate, thicker);
      const double exact = 0.75 * static_cast<double>(thicker[3].height);
      const float rounded = static_cast<float>(exact);
      REQUIRE(static_cast<double>(rounded) > exact);
      CHECK(isDirect(pressed(thickerH, 6, 540, rounded), 3));
      CHECK(!isDirect(pressed(thickerH, 6, 540, std::nextafter(rounded, 1000.0f)), 3));
    }
  }

  TEST_CASE("a press far along the crossbar shows retry while the far lower block still warms") {
    const HeatRun probe = pressH(3, 2895, 0);
    checkPiece(probe, 2, {1935, 0, 2919.19, 6013.77});
    for (const float speed : testing::speeds) {
      INFO("speed " << speed);
      HeatRun front = pressH(3, 2895, 0, speed);
      const RunRecord run = heat::runToEnd(front, speed);
      REQUIRE(run.retryTicks.size() == 1);
      CHECK(run.retryTicks[0] == run.pieces[3].stopTick);
      CHECK(run.pieces[2].stopTick > run.retryTicks[0]);
    }
  }

  TEST_CASE("each press relays exactly the pieces round a corner from it") {
    // By pressed piece: the pieces always entered round a corner, and those
    // entered so only when the press is far enough from the corner.
    checkRelaysOnGrid(heat::hPlate,
                      {{4, 5, 6}, {4, 6}, {4, 5, 6}, {}, {0, 1, 2}, {0, 2}, {0, 1, 2}},
                      {{3}, {}, {3}, {0, 2, 4, 6}, {3}, {}, {3}});
  }

  TEST_CASE("every press on a grid over every piece ends with the whole H warm") {
    // Every timer stops, every piece ends under its last disc and "もう一度"
    // shows once, at every speed.
    const double largest = testing::sweepShape(heat::hPlate, 12);
    // The slow-down never lets the front reach 8730 / 0.8 twips: every limit
    // must stay below it.
    CHECK(largest < 8730 / 0.8);
  }

  TEST_CASE("heat-trace prints the H's run from a press at the right end of the crossbar") {
    const std::string trace = testing::checkTraceOfPress(heat::hPlate, {"3", "2895", "0"});
    // The run ends on the pressed piece while piece 2 still warms.
    const std::vector<std::size_t> pieces = testing::pieceStarts(trace);
    REQUIRE(pieces.size() == 7);
    const double retry = testing::jsonNumber(trace, "retryTick");
    CHECK(testing::jsonNumber(trace, "stopTick", pieces[3]) == retry);
    CHECK(testing::jsonNumber(trace, "stopTick", pieces[2]) > retry);
  }
}
