// The H-shaped plate: where each piece's heat comes from for a press, how
// far it has to run first, and that every run ends with the whole H warm.
#include <doctest/doctest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <vector>

#include "shapes/h_plate_shape.h"
#include "tests/model/front_runs.h"
#include "tests/model/heat_trace_run.h"
#include "tests/model/relay_checks.h"
#include "tests/model/shape_checks.h"

namespace {

using namespace velmora;
using namespace velmora::relay_checks;

const std::vector<forms::Rect>& H = h_plate::fields;

MultiFront pressH(int piece, float x, float y, float speed = 50) {
  return pressed(h_plate::shape, H, piece, x, y, speed);
}

bool relays(const MultiFront& front, int piece) { return !isDirect(front, H, piece); }

}  // namespace

TEST_SUITE("H-shaped plate") {
  TEST_CASE("the seven pieces form an H whose neighbours overlap by 15 twips") {
    REQUIRE(H.size() == 7);
    CHECK(h_plate::shape.pieceCount == 7);
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
    CHECK(h_plate::shape.slowdownFactor == 0.8);
    CHECK(h_plate::shape.slowdown == Slowdown::TimesK);
    const std::array<int, 7> finishing{6, 6, 6, 3, 2, 2, 2};
    for (int c = 0; c < 7; ++c) CHECK(h_plate::shape.finishingPiece[at(c)] == finishing[at(c)]);
  }

  TEST_CASE(
      "a press on the upper-left block's corner reaches the right upright over the crossbar") {
    const MultiFront front = pressH(0, 960, 840);
    checkValues(front, 0, {960, 840, 0, 1296.78});
    checkValues(front, 1, {960, -840, 0, 1557.84});
    checkValues(front, 2, {960, -1200, 0, 3744.18});
    checkValues(front, 3, {0, 0, 1296.78, 4215.97});
    checkValues(front, 4, {0, 1695, 4191.78, 6209.72});
    checkValues(front, 5, {-2895, 187.5, 1296.78, 5286.78});
    checkValues(front, 6, {0, 0, 4191.78, 6843.43});
  }

  TEST_CASE("a press in the middle of the crossbar enters all four blocks at the inner corners") {
    const MultiFront front = pressH(3, 1440, 180);
    checkValues(front, 0, {1935, 1695, 1451.21, 4023.61});
    checkValues(front, 2, {1935, 0, 1453.14, 4547.73});
    checkValues(front, 4, {0, 1695, 1466.09, 3484.02});
    checkValues(front, 6, {0, 0, 1468.01, 4119.66});
    checkValues(front, 3, {1440, 180, 0, 5310});
    CHECK(isDirect(front, H, 1));
    CHECK(isDirect(front, H, 5));
    CHECK(front.arrays.sourceX[1] == 3360);
    CHECK(front.arrays.sourceY[1] == 180);
    CHECK(front.arrays.sourceX[5] == -1440);
    CHECK(front.arrays.sourceY[5] == 180);
  }

  TEST_CASE("the crossbar's own limit is the same wherever it is pressed") {
    for (const forms::Point p :
         {forms::Point{0, 0}, forms::Point{2895, 375}, forms::Point{700, 30}}) {
      const MultiFront front = pressH(3, p.x, p.y);
      CHECK(front.arrays.maxReach[3] == 5310);
      CHECK(front.arrays.entryDistance[3] == 0);
      CHECK(front.arrays.sourceX[3] == p.x);
      CHECK(front.arrays.sourceY[3] == p.y);
    }
  }

  TEST_CASE("near either end of the crossbar the block on that side warms directly") {
    SUBCASE("left end: within 375 twips of it") {
      for (const float x : {374.0f, 375.0f}) {
        const MultiFront front = pressH(3, x, 180);
        CHECK(isDirect(front, H, 0));
        CHECK(isDirect(front, H, 2));
      }
      const MultiFront beyond = pressH(3, 376, 180);
      checkValues(beyond, 0,
                  {1935, 1695, std::hypot(376.0, 180.0), std::hypot(376.0, 180.0) + 2572.40});
      checkValues(beyond, 2,
                  {1935, 0, std::hypot(376.0, 195.0), std::hypot(376.0, 195.0) + 3094.58});
    }
    SUBCASE("right end: within 375 twips of it") {
      for (const float x : {2520.0f, 2521.0f}) {
        const MultiFront front = pressH(3, x, 180);
        CHECK(isDirect(front, H, 4));
        CHECK(isDirect(front, H, 6));
      }
      const MultiFront beyond = pressH(3, 2519, 180);
      checkValues(beyond, 4,
                  {0, 1695, std::hypot(376.0, 180.0), std::hypot(376.0, 180.0) + 2017.93});
      checkValues(beyond, 6, {0, 0, std::hypot(376.0, 195.0), std::hypot(376.0, 195.0) + 2651.65});
    }
  }

  TEST_CASE("a press close above the crossbar heats it directly, farther up round the corner") {
    // Blocks 0 and 4 sit above the crossbar: the bound is 1413.75 twips down.
    for (const int block : {0, 4}) {
      INFO("block " << block);
      const double cornerX = block == 0 ? 0 : 2895;
      for (const float y : {1410.0f, 1412.75f}) {
        const MultiFront front = pressH(block, 540, y);
        REQUIRE(relays(front, 3));
        const double d =
            block == 0 ? std::hypot(1935 - 540.0, 1695 - y) : std::hypot(540.0, 1695 - y);
        checkValues(front, 3, {cornerX, 0, d, d + 2919.19});
      }
      for (const float y : {1413.75f, 1414.75f, 1425.0f}) {
        CHECK(isDirect(pressH(block, 540, y), H, 3));
      }
    }
  }

  TEST_CASE("a press close below the crossbar heats it directly, farther down round the corner") {
    // Blocks 2 and 6 hang below the crossbar: the bound is 281.25 twips down.
    for (const int block : {2, 6}) {
      INFO("block " << block);
      const double cornerX = block == 2 ? 0 : 2895;
      for (const float y : {270.0f, 280.25f, 281.25f}) CHECK(isDirect(pressH(block, 540, y), H, 3));
      for (const float y : {282.25f, 285.0f}) {
        const MultiFront front = pressH(block, 540, y);
        REQUIRE(relays(front, 3));
        const double d = block == 2 ? std::hypot(1935 - 540.0, y) : std::hypot(540.0, y);
        checkValues(front, 3, {cornerX, 375, d, d + 2919.19});
      }
    }
  }

  TEST_CASE("a press on a middle strip reaches the far blocks by a purely horizontal path") {
    for (const float y : {0.0f, 180.0f, 375.0f}) {
      const MultiFront right = pressH(5, 540, y);
      checkValues(right, 0, {1935, 1695, 3435, 3435 + 2572.40});
      checkValues(right, 2, {1935, 0, 3435, 3435 + 3094.58});
      for (const int i : {1, 3, 4, 6}) CHECK(isDirect(right, H, i));

      const MultiFront left = pressH(1, 1000, y);
      checkValues(left, 4, {0, 1695, 3830, 3830 + 2017.93});
      checkValues(left, 6, {0, 0, 3830, 3830 + 2651.65});
      for (const int i : {0, 2, 3, 5}) CHECK(isDirect(left, H, i));
    }
  }

  TEST_CASE("the lower blocks see the far middle strip from different points") {
    const MultiFront fromLeft = pressH(2, 960, 1200);
    const double dLeft = std::hypot(1935 - 960.0, 1200.0);
    checkValues(fromLeft, 5, {-2895, 187.5, dLeft, dLeft + 3990});

    const MultiFront fromRight = pressH(6, 540, 1200);
    const double dRight = std::hypot(540.0, 1200.0);
    checkValues(fromRight, 1, {4830, 375, dRight, dRight + 4844.54});

    const MultiFront fromUpperRight = pressH(4, 540, 900);
    const double dUpper = std::hypot(540.0, 1695 - 900.0);
    checkValues(fromUpperRight, 1, {4830, 187.5, dUpper, dUpper + 4830});
  }

  TEST_CASE("from a block both far blocks are entered after the near corner and the crossbar") {
    const MultiFront front = pressH(4, 540, 900);
    const double d = std::hypot(540.0, 1695 - 900.0);
    checkValues(front, 0, {1935, 1695, d + 2895, d + 5467.40});
    checkValues(front, 2, {1935, 0, d + 2895, d + 5989.58});
    checkValues(front, 3, {2895, 0, d, d + 2919.19});

    const MultiFront below = pressH(2, 960, 1200);
    const double e = std::hypot(1935 - 960.0, 1200.0);
    checkValues(below, 4, {0, 1695, e + 2895, e + 4912.93});
    checkValues(below, 6, {0, 0, e + 2895, e + 5546.65});
    checkValues(below, 3, {0, 375, e, e + 2919.19});
  }

  TEST_CASE("the rules read the piece sizes from the controls at the press") {
    // The same H with a crossbar 300 twips longer and the right upright moved
    // along with it.
    std::vector<forms::Rect> longer = H;
    longer[3].width += 300;
    for (const int i : {4, 5, 6}) longer[at(i)].left += 300;

    MultiFront front(h_plate::shape);
    front.press(0, 960, 840, longer, 50);
    const double d = std::hypot(975.0, 855.0);
    checkValues(front, 4, {0, 1695, d + 3195, d + 3195 + std::hypot(1095.0, 1695.0)});
    checkValues(front, 5, {-3195, 187.5, d, d + 1095 + 3195});

    // 2600 twips along is near the right end of the usual crossbar, but not
    // of the longer one.
    CHECK(isDirect(pressH(3, 2600, 180), H, 4));
    front.press(3, 2600, 180, longer, 50);
    CHECK(!isDirect(front, longer, 4));
    CHECK(front.arrays.maxReach[3] == 2415 + 3195);
  }

  TEST_CASE("thresholds are compared in single precision, so equality there means direct") {
    // A crossbar a hair thinner or thicker than usual puts the bounds between
    // two single-precision values; a press on the rounded bound stays direct.
    SUBCASE("above the crossbar") {
      std::vector<forms::Rect> thinner = H;
      thinner[3].height = 375.0f - 0x1p-15f;
      const double exact = 1695 - 0.75 * static_cast<double>(thinner[3].height);
      const float rounded = static_cast<float>(exact);
      REQUIRE(static_cast<double>(rounded) < exact);
      MultiFront front(h_plate::shape);
      front.press(0, 540, rounded, thinner, 50);
      CHECK(isDirect(front, thinner, 3));
      front.press(0, 540, std::nextafter(rounded, 0.0f), thinner, 50);
      CHECK(!isDirect(front, thinner, 3));
    }
    SUBCASE("below the crossbar") {
      std::vector<forms::Rect> thicker = H;
      thicker[3].height = 375.0f + 0x1p-15f;
      const double exact = 0.75 * static_cast<double>(thicker[3].height);
      const float rounded = static_cast<float>(exact);
      REQUIRE(static_cast<double>(rounded) > exact);
      MultiFront front(h_plate::shape);
      front.press(6, 540, rounded, thicker, 50);
      CHECK(isDirect(front, thicker, 3));
      front.press(6, 540, std::nextafter(rounded, 1000.0f), thicker, 50);
      CHECK(!isDirect(front, thicker, 3));
    }
  }

  TEST_CASE("a press far along the crossbar shows retry while the far lower block still warms") {
    const MultiFront probe = pressH(3, 2895, 0);
    checkValues(probe, 2, {1935, 0, 2919.19, 6013.77});
    for (const float speed : testing::speeds) {
      INFO("speed " << speed);
      MultiFront front = pressH(3, 2895, 0, speed);
      const testing::Run run = testing::runMulti(front, speed);
      REQUIRE(run.retryTicks.size() == 1);
      CHECK(run.retryTicks[0] == run.pieces[3].stopTick);
      CHECK(run.pieces[2].stopTick > run.retryTicks[0]);
    }
  }

  TEST_CASE("each press relays exactly the pieces round a corner from it") {
    // By pressed piece: the pieces always entered round a corner, and those
    // entered so only when the press is far enough from the corner.
    const std::array<std::set<int>, 7> always{
        {{4, 5, 6}, {4, 6}, {4, 5, 6}, {}, {0, 1, 2}, {0, 2}, {0, 1, 2}}};
    const std::array<std::set<int>, 7> sometimes{{{3}, {}, {3}, {0, 2, 4, 6}, {3}, {}, {3}}};
    for (int c = 0; c < 7; ++c) {
      for (const forms::Point p : testing::gridOver(H[at(c)], 16)) {
        CAPTURE(c);
        CAPTURE(p.x);
        CAPTURE(p.y);
        const std::set<int> relayed = relayedPieces(pressH(c, p.x, p.y), H);
        CHECK(std::includes(relayed.begin(), relayed.end(), always[at(c)].begin(),
                            always[at(c)].end()));
        std::set<int> allowed = always[at(c)];
        allowed.insert(sometimes[at(c)].begin(), sometimes[at(c)].end());
        CHECK(std::includes(allowed.begin(), allowed.end(), relayed.begin(), relayed.end()));
      }
    }
  }

  TEST_CASE("every press on a grid over every piece ends with the whole H warm") {
    // Every timer stops, every piece ends under its last disc and "もう一度"
    // shows once, at every speed.
    const double largest = testing::sweepShape(h_plate::shape, H, 12);
    // The slow-down never lets the front reach 8730 / 0.8 twips: every limit
    // must stay below it.
    CHECK(largest < 8730 / 0.8);
  }

  TEST_CASE("heat-trace prints the H's run from a press at the right end of the crossbar") {
    const testing::ToolResult result =
        testing::runHeatTrace({"simulation5", "3", "2895", "0", "50"});
    REQUIRE(result.exitStatus == 0);
    CHECK(testing::jsonValue(result.out, "window") == "\"simulation5\"");
    MultiFront front = pressH(3, 2895, 0);
    const PieceArrays atPress = front.arrays;
    const testing::Run run = testing::runMulti(front, testing::normal);
    testing::checkTraceOfModel(result.out, atPress, run);
    // The run ends on the pressed piece while piece 2 still warms.
    const std::vector<std::size_t> pieces = testing::pieceStarts(result.out);
    REQUIRE(pieces.size() == 7);
    const double retry = testing::jsonNumber(result.out, "retryTick");
    CHECK(testing::jsonNumber(result.out, "stopTick", pieces[3]) == retry);
    CHECK(testing::jsonNumber(result.out, "stopTick", pieces[2]) > retry);
  }
}
