// The spiral: the heat follows the strip round its bends and never jumps a
// gap between the turns; every run ends with the whole strip warm.
#include <doctest/doctest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "tests/model/heat_trace_run.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

const auto& S = heat::spiral.pieces;

HeatRun pressS(int piece, float x, float y, float speed = 50) {
  return pressed(heat::spiral, piece, x, y, speed);
}

// Corner to corner of a piece of the layout, worked out here.
double diagonal(int piece) { return std::hypot(S[at(piece)].width, S[at(piece)].height); }

}  // namespace

TEST_SUITE("spiral") {
  TEST_CASE("the nine pieces follow each other along the strip with 15-twip joints") {
    REQUIRE(S.size() == 9);
    // Down the left, right along the bottom, up the right, left along the
    // top, down the inner bar.
    CHECK(S[0].top + S[0].height - S[1].top == 15);
    CHECK(S[1].left + S[1].width - S[2].left == 15);
    CHECK(S[2].left + S[2].width - S[3].left == 15);
    CHECK(S[4].top + S[4].height - S[3].top == 15);
    CHECK(S[5].top + S[5].height - S[4].top == 15);
    CHECK(S[6].left + S[6].width - S[5].left == 15);
    CHECK(S[7].left + S[7].width - S[6].left == 15);
    CHECK(S[7].top + S[7].height - S[8].top == 15);
    // The gaps the heat must not cross.
    CHECK(S[7].left - (S[0].left + S[0].width) == 465);
    CHECK(S[2].top - (S[8].top + S[8].height) == 705);
  }

  TEST_CASE("the strip grows with the gentler slow-down and ends at the far end of the strip") {
    CHECK(heat::spiral.growth.slowdown == 0.5);
    const std::array<int, 9> finishing{8, 8, 8, 8, 4, 0, 0, 0, 0};
    for (int c = 0; c < 9; ++c)
      CHECK(heat::spiral.onPress[at(at(c))].finishingPiece == finishing[at(c)]);
  }

  TEST_CASE("a press in the middle of the outer bar chains the entry distances along the strip") {
    const double d = 1844.48;
    for (const float speed : testing::speeds) {
      INFO("speed " << speed);
      const HeatRun front = pressS(0, 367.5, 1807.5, speed);
      CHECK(isDirect(front, 0));
      CHECK(isDirect(front, 1));
      const double margin = 2 * speed;
      checkPiece(front, 2, {0, 0, d, front.pieces[at(2)].entryDistance + diagonal(2)});
      checkPiece(front, 3, {-4215, 0, d, d + 4215 + 735 + margin});
      checkPiece(front, 4, {0, 2895, 6059.48, 6059.48 + 2986.85});
      checkPiece(front, 5, {0, 3630, 6059.48, 6059.48 + 3630 + margin});
      checkPiece(front, 6, {3015, 735, 8954.48, 8954.48 + 3103.30});
      checkPiece(front, 7, {3750, 735, 8954.48, 8954.48 + 3750 + margin});
      checkPiece(front, 8, {735, 0, 11969.48, 14265.31});
    }
    checkPiece(pressS(0, 367.5, 1807.5, 50), 3, {-4215, 0, d, 6894.48});
  }

  TEST_CASE("low on the outer bar the bottom bar warms directly, the rest still round bend 1") {
    for (const float y : {3063.75f, 3064.75f, 3500.0f}) {
      INFO("y " << y);
      const HeatRun front = pressS(0, 100, y);
      CHECK(isDirect(front, 2));
      const double d = std::hypot(735 - 100.0, 3615 - y);
      checkPiece(front, 3, {-4215, 0, d, d + 4215 + 735 + 100});
      checkPiece(front, 4, {0, 2895, d + 4215, d + 4215 + diagonal(4)});
    }
    const HeatRun above = pressS(0, 100, 3062.75f);
    const double d = std::hypot(635.0, 3615 - 3062.75);
    checkPiece(above, 2, {0, 0, d, d + diagonal(2)});
  }

  TEST_CASE("a press along the bottom bar relays the bar beyond each far bend") {
    SUBCASE("both uprights, from the middle") {
      const HeatRun front = pressS(2, 2000, 300);
      checkPiece(front, 0,
                 {735, 3615, std::hypot(2000.0, 300.0), std::hypot(2000.0, 300.0) + 3688.96});
      const double d4 = std::hypot(2215.0, 300.0);
      checkPiece(front, 4, {0, 2895, d4, d4 + 2986.85});
      checkPiece(front, 5, {0, 3630, d4, d4 + 3630 + 100});
      checkPiece(front, 8, {735, 0, d4 + 2895 + 3015, d4 + 2895 + 3015 + 2295.83});
    }
    SUBCASE("near bend 1 the outer bar warms directly") {
      for (const float x : {550.25f, 551.25f}) CHECK(isDirect(pressS(2, x, 300), 0));
      CHECK(relays(pressS(2, 552.25f, 300), 0));
    }
    SUBCASE("near bend 3 the right bar warms directly, bend 5 still round bend 3") {
      for (const float x : {3663.75f, 3664.75f}) {
        const HeatRun front = pressS(2, x, 300);
        CHECK(isDirect(front, 4));
        const double d4 = std::hypot(4215 - x, 300.0);
        checkPiece(front, 5, {0, 3630, d4, d4 + 3630 + 100});
      }
      CHECK(relays(pressS(2, 3662.75f, 300), 4));
    }
  }

  TEST_CASE("a press near the top of the right bar ends its run while the outer bar still warms") {
    const HeatRun front = pressS(4, 367.5, 0);
    checkPiece(front, 0, {735, 3615, 7133.23, 10822.20});
    checkPiece(front, 4, {367.5, 0, 0, 10005});
    CHECK(front.pieces[at(0)].maxReach > front.pieces[at(4)].maxReach);
    for (const float speed : testing::speeds) {
      INFO("speed " << speed);
      HeatRun run = pressS(4, 367.5, 0, speed);
      const RunRecord ran = heat::runToEnd(run, speed);
      REQUIRE(ran.retryTicks.size() == 1);
      CHECK(ran.retryTicks[0] == ran.pieces[4].stopTick);
      CHECK(ran.pieces[0].stopTick > ran.retryTicks[0]);
    }
  }

  TEST_CASE("the right bar's own limit is the same wherever it is pressed") {
    for (const heat::Point p :
         {heat::Point{0, 0}, heat::Point{735, 2895}, heat::Point{300, 1400}}) {
      const HeatRun front = pressS(4, p.x, p.y);
      CHECK(front.pieces[at(4)].maxReach == 10005);
      CHECK(front.pieces[at(4)].entryDistance == 0);
      CHECK(front.pieces[at(4)].sourceX == p.x);
      CHECK(front.pieces[at(4)].sourceY == p.y);
    }
  }

  TEST_CASE("near either end of the right bar the bar beyond that bend warms directly") {
    for (const float y : {2343.75f, 2344.75f}) CHECK(isDirect(pressS(4, 300, y), 2));
    const HeatRun low = pressS(4, 300, 2342.75f);
    const double d2 = std::hypot(300.0, 2895 - 2342.75);
    checkPiece(low, 2, {4215, 0, d2, d2 + diagonal(2)});
    checkPiece(low, 1, {4950, 0, d2, d2 + diagonal(1) + 4215});

    for (const float y : {550.25f, 551.25f}) CHECK(isDirect(pressS(4, 300, y), 6));
    const HeatRun high = pressS(4, 300, 552.25f);
    const double d6 = std::hypot(300.0, 552.25);
    checkPiece(high, 6, {3015, 735, d6, d6 + diagonal(6)});
    checkPiece(high, 7, {3750, 735, d6, d6 + 3750 + 100});
  }

  TEST_CASE("from the top bar the inner bar is reached across its upper left corner") {
    const HeatRun front = pressS(6, 600, 720);
    checkPiece(front, 8, {735, 0, 937.23, 937.23 + 2295.83});
    // Not the 600.19 twips to the inner corner of bend 7.
    CHECK(front.pieces[at(8)].entryDistance > 900);

    for (const float x : {550.25f, 551.25f}) CHECK(isDirect(pressS(6, x, 720), 8));
    CHECK(relays(pressS(6, 552.25f, 720), 8));

    for (const float x : {2463.75f, 2464.75f}) CHECK(isDirect(pressS(6, x, 300), 4));
    const HeatRun far = pressS(6, 2462.75f, 300);
    const double d4 = std::hypot(3015 - 2462.75, 735 - 300.0);
    checkPiece(far, 4, {0, 0, d4, d4 + diagonal(4)});
    checkPiece(far, 3, {0, -2895, d4, d4 + diagonal(3) + 2895});
  }

  TEST_CASE("from bend 5 the inner bar is reached across the top bar's upper left corner") {
    const HeatRun front = pressS(5, 300, 200);
    const double d8 = std::hypot(3015 + 300.0, 200.0);
    checkPiece(front, 8, {735, 0, d8, d8 + diagonal(8)});
    const double d2 = std::hypot(300.0, 735 + 2895 - 200.0);
    checkPiece(front, 2, {4215, 0, d2, d2 + diagonal(2)});
    checkPiece(front, 1, {4950, 0, d2, d2 + diagonal(1) + 4215});
    checkPiece(front, 0, {735, 3615, d2 + 4215, d2 + 4215 + diagonal(0)});
  }

  TEST_CASE(
      "from the inner bar the top bar warms directly only within the strip's full thickness") {
    for (const float y : {734.0f, 735.0f}) CHECK(isDirect(pressS(8, 300, y), 6));
    const HeatRun front = pressS(8, 300, 736);
    const double d = std::hypot(735 - 300.0, 736.0);
    checkPiece(front, 6, {0, 735, d, d + 3103.30});
    // Bend 5 is seen from bend 7's corner and covered by its far corner.
    checkPiece(front, 5, {-3015, 735, d, d + std::hypot(3750.0, 735.0)});
    checkPiece(front, 4, {0, 0, d + 3015, d + 3015 + 2986.85});
    checkPiece(front, 3, {0, -2895, d + 3015, d + 3015 + 1039.45 + 2895});
    checkPiece(front, 2, {4215, 0, d + 3015 + 2895, d + 3015 + 2895 + 4278.60});
    checkPiece(front, 1, {4950, 0, d + 3015 + 2895, d + 3015 + 2895 + 1039.45 + 4215});
    checkPiece(front, 0, {735, 3615, d + 3015 + 2895 + 4215, d + 3015 + 2895 + 4215 + 3688.96});
  }

  TEST_CASE("relayed discs are centred on the inner corner of the last bend on the way") {
    // Each bend's inner corner as every piece that uses it writes it, in
    // window coordinates.
    std::map<std::pair<int, int>, heat::Point> corner;  // (bend, piece)
    corner[{1, 0}] = {1935, 4455};
    corner[{1, 2}] = {1920, 4440};
    corner[{1, 3}] = {1905, 4440};
    corner[{3, 2}] = {6135, 4440};
    corner[{3, 4}] = {6120, 4455};
    corner[{3, 1}] = {6150, 4440};
    corner[{3, 5}] = {6120, 4470};
    corner[{5, 4}] = {6120, 1560};
    corner[{5, 6}] = {6135, 1575};
    corner[{5, 3}] = {6120, 1545};
    corner[{5, 7}] = {6150, 1575};
    corner[{7, 6}] = {3120, 1575};
    corner[{7, 8}] = {3135, 1560};
    corner[{7, 5}] = {3105, 1575};
    for (int c = 0; c < 9; ++c) {
      for (const heat::Point p : testing::gridOver(S[at(c)], 4)) {
        const HeatRun front = pressS(c, p.x, p.y);
        for (const int j : relayedPieces(front)) {
          // A bar is entered at the bend next to it on the way; a bend square
          // carries on the bar before it, from that bar's bend.
          const bool inwards = c < j;
          const int bend = j % 2 == 0 ? (inwards ? j - 1 : j + 1) : (inwards ? j - 2 : j + 2);
          CAPTURE(c);
          CAPTURE(j);
          CAPTURE(p.x);
          CAPTURE(p.y);
          REQUIRE(corner.count({bend, j}) == 1);
          const heat::Point expected = corner[{bend, j}];
          CHECK(S[at(j)].left + front.pieces[at(at(j))].sourceX == expected.x);
          CHECK(S[at(j)].top + front.pieces[at(at(j))].sourceY == expected.y);
        }
      }
    }
  }

  TEST_CASE("each press relays exactly the pieces beyond the runs it lies in") {
    // By pressed piece: pieces always reached round a bend, and bars reached
    // so only when the press is far enough from the bend. Presses on a bend
    // square have no such tests.
    checkRelaysOnGrid(heat::spiral,
                      {{3, 4, 5, 6, 7, 8},
                       {4, 5, 6, 7, 8},
                       {5, 6, 7, 8},
                       {0, 6, 7, 8},
                       {0, 1, 7, 8},
                       {0, 1, 2, 8},
                       {0, 1, 2, 3},
                       {0, 1, 2, 3, 4},
                       {0, 1, 2, 3, 4, 5}},
                      {{2}, {}, {0, 4}, {}, {2, 6}, {}, {4, 8}, {}, {6}});
  }

  TEST_CASE("the rules take the piece sizes from the shape, not from numbers of their own") {
    // The same spiral with a top bar 300 twips longer, the inner turn moved
    // left with it.
    std::vector<heat::Rect> longer = piecesOf(heat::spiral);
    longer[6].left -= 300;
    longer[6].width += 300;
    for (const int i : {7, 8}) longer[at(i)].left -= 300;
    const heat::Shape longerSpiral = onPieces(heat::spiral, longer);
    const HeatRun front = pressed(longerSpiral, 0, 367.5, 1807.5);
    checkPiece(front, 7, {4050, 735, 8954.48, 8954.48 + 3315 + 735 + 100});
    checkPiece(front, 8, {735, 0, 8954.48 + 3315, 14265.31 + 300});
  }

  TEST_CASE("thresholds are compared in single precision, so equality there means direct") {
    SUBCASE("the bound low on the outer bar is rounded to single") {
      std::vector<heat::Rect> thinner = piecesOf(heat::spiral);
      thinner[2].height = 735.0f - 0x1p-14f;
      const double exact = 3615 - 0.75 * static_cast<double>(thinner[2].height);
      const float rounded = static_cast<float>(exact);
      REQUIRE(static_cast<double>(rounded) < exact);
      const heat::Shape changed = onPieces(heat::spiral, thinner);
      CHECK(isDirect(pressed(changed, 0, 100, rounded), 2));
      CHECK(!isDirect(pressed(changed, 0, 100, std::nextafter(rounded, 0.0f)), 2));
    }
    // Only a squat bar brings the rest of the bar below the press near the
    // bound while the press has finer digits than the difference can hold.
    SUBCASE("the rest of the right bar below the press is rounded to single") {
      std::vector<heat::Rect> squat = piecesOf(heat::spiral);
      squat[4].height = 551.5f;
      const heat::Shape changed = onPieces(heat::spiral, squat);
      CHECK(isDirect(pressed(changed, 4, 300, std::nextafter(0.25f, 0.0f)), 2));
      CHECK(!isDirect(pressed(changed, 4, 300, 0.25f - 0x1p-14f), 2));
    }
    SUBCASE("the rest of the top bar beside the press is rounded to single") {
      std::vector<heat::Rect> shorter = piecesOf(heat::spiral);
      shorter[6].width = 551.5f;
      const heat::Shape changed = onPieces(heat::spiral, shorter);
      CHECK(isDirect(pressed(changed, 6, std::nextafter(0.25f, 0.0f), 300), 4));
      CHECK(!isDirect(pressed(changed, 6, 0.25f - 0x1p-14f, 300), 4));
    }
  }

  TEST_CASE("the farthest limit, from the outer corner of the outer bar, stays within reach") {
    const HeatRun front = pressS(0, 0, 0, 100);
    double largest = 0;
    for (int i = 0; i < 9; ++i) largest = std::max(largest, front.pieces[at(i)].maxReach);
    CHECK(largest == front.pieces[at(8)].maxReach);
    CHECK(std::abs(largest - 16110) < 1);
    // The front approaches twice the window's width but never reaches it.
    CHECK(largest + 2 * 100 < 2 * 8730);
  }

  TEST_CASE("every press on a grid over every piece ends with the whole strip warm") {
    // A bend square reached inwards is covered once the front has run twice
    // the speed beyond its near side's far end; with the stop margin that
    // clears its outer corner at the normal and fast speeds, but the slow
    // front, stepping less than 20 twips, stops up to half a pixel short of
    // it. Every other piece is covered at every speed.
    constexpr float pixel = 15;
    for (const float speed : testing::speeds) {
      for (int c = 0; c < 9; ++c) {
        for (const heat::Point p : testing::gridOver(S[at(c)], 12)) {
          HeatRun front = pressS(c, p.x, p.y, speed);
          const std::vector<heat::PieceState> atPress = front.pieces;
          const RunRecord run = heat::runToEnd(front, speed);
          bool stopped = true;
          bool covered = true;
          double largest = 0;
          for (int i = 0; i < 9; ++i) {
            const PieceRecord& piece = run.pieces[at(i)];
            stopped = stopped && piece.stopTick > 0 && !piece.drewOnStop;
            const bool bendInwards = i % 2 == 1 && i > c;
            const float slack = speed == testing::slow && bendInwards ? pixel : 0;
            const double farthest =
                testing::farthestCorner(atPress[at(i)].sourceX, atPress[at(i)].sourceY, S[at(i)]);
            covered = covered && piece.lastDisc && piece.lastDisc->radius + slack >= farthest;
            largest = std::max(largest, atPress[at(i)].maxReach + 2 * speed);
          }
          const int finishing = heat::spiral.onPress[at(at(c))].finishingPiece;
          const bool retryOnce =
              run.retryTicks.size() == 1 && run.retryTicks[0] == run.pieces[at(finishing)].stopTick;
          if (stopped && covered && retryOnce && largest < 2 * 8730) continue;
          CAPTURE(speed);
          CAPTURE(c);
          CAPTURE(p.x);
          CAPTURE(p.y);
          CHECK(stopped);
          CHECK(covered);
          CHECK(retryOnce);
          CHECK(largest < 2 * 8730);
        }
      }
    }
  }

  TEST_CASE("heat-trace prints the spiral's run from a press at the top of the right bar") {
    const std::string trace = testing::checkTraceOfPress(heat::spiral, {"4", "367.5", "0"});
    // The run ends on the pressed piece while piece 0 still warms.
    const std::vector<std::size_t> pieces = testing::pieceStarts(trace);
    REQUIRE(pieces.size() == 9);
    const double retry = testing::jsonNumber(trace, "retryTick");
    CHECK(testing::jsonNumber(trace, "stopTick", pieces[4]) == retry);
    CHECK(testing::jsonNumber(trace, "stopTick", pieces[0]) > retry);
  }
}
