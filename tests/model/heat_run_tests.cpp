// The heat front shared by the shapes built from several pieces: growth,
// marker, stop and entry thresholds, the direct mapping and the farthest
// corner.
#include <doctest/doctest.h>

#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

#include "tests/model/model_checks.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

// One lone piece, for the growth laws on their own.
constexpr std::array<heat::Rect, 1> lonePiece{{{0, 0, 8000, 8000}}};
constexpr std::array<heat::PressRule, 1> nothingRelayed{{{0}}};
const heat::Shape slowingBy08{"lone", lonePiece, {1, 0.8, true}, nothingRelayed};
const heat::Shape slowingBy075{"lone", lonePiece, {1, 0.75, true}, nothingRelayed};
const heat::Shape slowingByHalf{"lone", lonePiece, {1, 0.5, true}, nothingRelayed};

int markerTick(const heat::Shape& shape, float speed) {
  HeatRun run = pressed(shape, 0, 10, 10, speed);
  for (int tick = 1; tick < 100; ++tick) {
    if (run.tick(0, speed).showMarker) return tick;
  }
  return 0;
}

HeatRun tPressed(int piece, float x, float y, float speed) {
  return pressed(heat::tPlate, piece, x, y, speed);
}

}  // namespace

TEST_CASE("the first five radii of the multi-piece front at normal speed") {
  SUBCASE("slowing by 0.8, the T and the H") {
    checkRadii(firstRadii(pressed(slowingBy08, 0, 10, 10), normal, 5),
               {50, 99.77, 149.31, 198.63, 247.72});
    checkRadii(firstRadii(pressed(heat::tPlate, 0, 10, 10), normal, 5),
               {50, 99.77, 149.31, 198.63, 247.72});
  }
  SUBCASE("slowing by 0.75, the concave plate") {
    checkRadii(firstRadii(pressed(slowingBy075, 0, 10, 10), normal, 5),
               {50, 99.79, 149.36, 198.72, 247.86});
  }
  SUBCASE("slowing by half over the width, the spiral") {
    checkRadii(firstRadii(pressed(slowingByHalf, 0, 10, 10), normal, 5),
               {50, 99.86, 149.57, 199.14, 248.57});
  }
}

TEST_CASE("the multi-piece marker shows at tick 13, 5 and 3 for every slowdown") {
  for (const heat::Shape* shape : {&slowingBy08, &slowingBy075, &slowingByHalf}) {
    CAPTURE(shape->growth.slowdown);
    CHECK(markerTick(*shape, slow) == 13);
    CHECK(markerTick(*shape, normal) == 5);
    CHECK(markerTick(*shape, fast) == 3);
  }
}

TEST_CASE("the radius is held in single precision from tick to tick") {
  HeatRun front = pressed(slowingBy08, 0, 10, 10);
  for (int tick = 0; tick < 50; ++tick) {
    const float before = front.pieces[at(0)].frontRadius;
    const HeatTick shown = front.tick(0, normal);
    const float after = front.pieces[at(0)].frontRadius;
    // The step is taken from the single-precision radius the last tick kept,
    // and lands within half a single's spacing of the exact step.
    const long double exact = before + 50.0L * (1 - 0.8L * before / 8730.0L);
    CHECK(std::fabs(static_cast<long double>(after) - exact) <=
          std::nextafter(after, 1e9f) - after);
    REQUIRE(shown.disc.has_value());
    CHECK(shown.disc->radius == after);
  }
}

TEST_CASE("the farthest corner is the piece's farthest corner from any point") {
  const heat::Rect piece{100, 200, 3015, 855};
  SUBCASE("points inside, on the edges and outside the piece") {
    for (float x : {-600.0f, 0.0f, 1.5f, 1507.5f, 3015.0f, 4000.0f}) {
      for (float y : {-420.0f, 0.0f, 427.5f, 855.0f, 2000.0f}) {
        CAPTURE(x);
        CAPTURE(y);
        CHECK(heat::farthestCornerDistance(x, y, piece) ==
              doctest::Approx(farthestCorner(x, y, piece)).epsilon(1e-15));
      }
    }
  }
  SUBCASE("a corner reaches across the diagonal") {
    CHECK(heat::farthestCornerDistance(0, 0, piece) == twips(3133.89));
    CHECK(heat::farthestCornerDistance(3015, 855, piece) ==
          heat::farthestCornerDistance(0, 0, piece));
  }
}

TEST_CASE("a press maps the pressed point into every piece") {
  SUBCASE("each piece gets the point in its own coordinates, no entry, its farthest corner") {
    const HeatRun front = tPressed(0, 1005, 420, normal);
    CHECK(front.clickedPiece() == 0);
    for (int i = 0; i < 3; ++i) {
      CAPTURE(i);
      const heat::Rect& piece = heat::tPlate.pieces[static_cast<std::size_t>(i)];
      CHECK(front.pieces[at(i)].sourceX == 360 + 1005 - piece.left);
      CHECK(front.pieces[at(i)].sourceY == 840 + 420 - piece.top);
      CHECK(front.pieces[at(i)].entryDistance == 0);
      CHECK(front.pieces[at(i)].maxReach ==
            heat::farthestCornerDistance(static_cast<float>(front.pieces[at(i)].sourceX),
                                         static_cast<float>(front.pieces[at(i)].sourceY), piece));
    }
  }
  SUBCASE("the mapping is summed in single precision, like the control positions") {
    // On the centre block nothing is relayed, so every piece keeps the sum.
    const HeatRun front = tPressed(1, 0.1f, 0.3f, normal);
    for (int i = 0; i < 4; ++i) {
      CAPTURE(i);
      const double x = front.pieces[at(i)].sourceX;
      const double y = front.pieces[at(i)].sourceY;
      CHECK(x == static_cast<double>(static_cast<float>(x)));
      CHECK(y == static_cast<double>(static_cast<float>(y)));
      const heat::Rect& piece = heat::tPlate.pieces[static_cast<std::size_t>(i)];
      CHECK(std::fabs(x - (3360 + 0.1 - piece.left)) < 0.001);
      CHECK(std::fabs(y - (840 + 0.3 - piece.top)) < 0.001);
    }
  }
  SUBCASE("every piece's burner stands on the pressed point, also in a relayed piece") {
    const HeatRun front = tPressed(0, 1005, 420, normal);
    REQUIRE(front.pieces[at(3)].entryDistance > 0);
    for (int i = 0; i < 4; ++i) {
      CAPTURE(i);
      const heat::Rect& piece = heat::tPlate.pieces[static_cast<std::size_t>(i)];
      CHECK(front.pieces[at(i)].pressedPoint.x == 360 + 1005 - piece.left);
      CHECK(front.pieces[at(i)].pressedPoint.y == 840 + 420 - piece.top);
    }
  }
  SUBCASE("presses wait for the reset; then a new one rewrites every entry and radius") {
    HeatRun front = tPressed(0, 1005, 420, normal);
    heat::runToEnd(front, normal);
    const std::vector<heat::PieceState> finished = front.pieces;
    CHECK_FALSE(front.press(1, 500, 400, normal));
    CHECK(front.clickedPiece() == 0);
    CHECK(front.pieces[at(3)].frontRadius == finished[at(3)].frontRadius);
    front.reset();
    CHECK_FALSE(front.running());
    REQUIRE(front.press(1, 500, 400, normal));
    CHECK(front.running());
    CHECK(front.clickedPiece() == 1);
    for (int i = 0; i < 4; ++i) {
      CAPTURE(i);
      CHECK(front.pieces[at(i)].entryDistance == 0);
      CHECK(front.pieces[at(i)].frontRadius == 0);
    }
    CHECK(front.pieces[at(3)].sourceX == 500);
    CHECK(front.pieces[at(3)].sourceY == 400 - 840);
  }
}

TEST_CASE("thresholds of the multi-piece front at equality") {
  SUBCASE("a front of exactly 240 twips keeps the marker hidden") {
    checkMarkerHiddenAtItsHalf(tPressed(1, 500, 400, 240), 1, 240);
  }
  SUBCASE("a front exactly at its limit plus the margin goes on; past it, it stops") {
    checkStopJustPastLimit(tPressed(1, 500, 400, normal), 2);
  }
  SUBCASE("a piece starts to draw only once the front is beyond its entry distance") {
    HeatRun probe = tPressed(1, 500, 400, normal);
    for (int tick = 0; tick < 10; ++tick) probe.tick(3, normal);
    const float radiusAtTen = probe.pieces[at(3)].frontRadius;
    for (double entryShift : {0.0, -1.0, 1.0}) {
      CAPTURE(entryShift);
      HeatRun front = tPressed(1, 500, 400, normal);
      front.pieces[at(3)].entryDistance = radiusAtTen + entryShift;
      for (int tick = 1; tick < 10; ++tick) {
        CHECK_FALSE(front.tick(3, normal).disc.has_value());
      }
      const HeatTick tenth = front.tick(3, normal);
      CHECK(tenth.disc.has_value() == (entryShift < 0));
      if (tenth.disc) CHECK(tenth.disc->radius == doctest::Approx(1.0));
      const HeatTick eleventh = front.tick(3, normal);
      REQUIRE(eleventh.disc.has_value());
      CHECK(eleventh.disc->radius ==
            static_cast<float>(front.pieces[at(3)].frontRadius - radiusAtTen - entryShift));
      CHECK(eleventh.disc->x == 500);
      CHECK(eleventh.disc->y == -440);
    }
  }
}

TEST_CASE("the stop of the finishing piece alone shows \"もう一度\"") {
  HeatRun front = tPressed(3, 420, 2000, normal);
  const RunRecord run = heat::runToEnd(front, normal);
  REQUIRE(heat::tPlate.onPress[at(3)].finishingPiece == 2);
  CHECK(run.retryTicks == std::vector<int>{run.pieces[2].stopTick});
  for (int i : {0, 1, 3}) {
    CAPTURE(i);
    CHECK(run.pieces[static_cast<std::size_t>(i)].stopTick != run.pieces[2].stopTick);
  }
}

TEST_CASE("a speed changed during a multi-piece run counts from the next tick") {
  SUBCASE("raised: a step twice as long, and the wider margin lets the piece go on") {
    HeatRun front = tPressed(1, 500, 400, normal);
    const RunRecord normalRun = heat::runToEnd(front, normal);
    const int stopAtNormal = normalRun.pieces[1].stopTick;
    HeatRun raised = tPressed(1, 500, 400, normal);
    for (int tick = 1; tick < stopAtNormal; ++tick) raised.tick(1, normal);
    HeatRun stayingNormal = raised;
    const float before = raised.pieces[at(1)].frontRadius;
    CHECK(stayingNormal.tick(1, normal).stop);
    const HeatTick shown = raised.tick(1, fast);
    CHECK(raised.pieces[at(1)].frontRadius - before ==
          doctest::Approx(2 * (stayingNormal.pieces[at(1)].frontRadius - before)).epsilon(1e-4));
    CHECK_FALSE(shown.stop);
    CHECK(shown.disc.has_value());
  }
  SUBCASE("lowered: a front already past the slow margin stops at the next tick") {
    HeatRun front = tPressed(1, 500, 400, fast);
    const double limit = front.pieces[at(1)].maxReach;
    while (!(front.pieces[at(1)].frontRadius > limit + 2 * slow)) {
      REQUIRE_FALSE(front.tick(1, fast).stop);
    }
    const float before = front.pieces[at(1)].frontRadius;
    CHECK(front.tick(1, slow).stop);
    CHECK(front.pieces[at(1)].frontRadius - before <= slow);
  }
}

TEST_CASE("a press on a piece the shape does not have is refused, and starts no run") {
  HeatRun front(heat::tPlate, simulationSurroundings);
  CHECK_THROWS_AS(front.press(4, 10, 10, normal), std::out_of_range);
  CHECK_THROWS_AS(front.press(-1, 10, 10, normal), std::out_of_range);
  CHECK_FALSE(front.running());
}
