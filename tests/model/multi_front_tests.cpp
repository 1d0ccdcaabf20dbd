// The heat front shared by the shapes built from several pieces: growth,
// marker, stop and entry thresholds, the direct mapping and proc1.
#include <doctest/doctest.h>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "front_runs.h"
#include "shape_checks.h"
#include "shapes/t_plate_shape.h"
#include "simulation/multi_front.h"
#include "simulation/window_size.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

void noRelays(PieceArrays&, const ShapeRulesInput&) {}

// One lone piece, for the growth laws on their own.
const std::vector<forms::Rect> lonePiece{{0, 0, 8000, 8000}};
const MultiShape timesK08{1, 0.8, Slowdown::TimesK, {0}, noRelays};
const MultiShape timesK075{1, 0.75, Slowdown::TimesK, {0}, noRelays};
const MultiShape halfOverW{1, 0.5, Slowdown::HalfOverW, {0}, noRelays};

std::vector<float> firstRadii(const MultiShape& shape, float speed, int ticks,
                              const std::vector<forms::Rect>& fields = lonePiece) {
  MultiFront front(shape);
  front.press(0, 10, 10, fields, speed);
  std::vector<float> radii;
  for (int i = 0; i < ticks; ++i) {
    front.tick(0, simulationOuterWidth, speed);
    radii.push_back(front.arrays.frontRadius[0]);
  }
  return radii;
}

void checkRadii(const std::vector<float>& radii, const std::vector<double>& known) {
  REQUIRE(radii.size() == known.size());
  for (std::size_t i = 0; i < known.size(); ++i) {
    CAPTURE(i);
    CHECK(std::fabs(radii[i] - known[i]) <= 0.005);
  }
}

int markerTick(const MultiShape& shape, float speed) {
  MultiFront front(shape);
  front.press(0, 10, 10, lonePiece, speed);
  for (int tick = 1; tick < 100; ++tick) {
    if (front.tick(0, simulationOuterWidth, speed).showMarker) return tick;
  }
  return 0;
}

MultiFront tPressed(std::int16_t piece, float x, float y, float speed) {
  MultiFront front(t_plate::shape);
  front.press(piece, x, y, t_plate::fields, speed);
  return front;
}

}  // namespace

TEST_CASE("the first five radii of the multi-piece front at normal speed") {
  SUBCASE("slowing by 0.8, the T and the H") {
    checkRadii(firstRadii(timesK08, normal, 5), {50, 99.77, 149.31, 198.63, 247.72});
    checkRadii(firstRadii(t_plate::shape, normal, 5, t_plate::fields),
               {50, 99.77, 149.31, 198.63, 247.72});
  }
  SUBCASE("slowing by 0.75, the concave plate") {
    checkRadii(firstRadii(timesK075, normal, 5), {50, 99.79, 149.36, 198.72, 247.86});
  }
  SUBCASE("slowing by half over the width, the spiral") {
    checkRadii(firstRadii(halfOverW, normal, 5), {50, 99.86, 149.57, 199.14, 248.57});
  }
}

TEST_CASE("the multi-piece marker shows at tick 13, 5 and 3 for every slowdown") {
  for (const MultiShape* shape : {&timesK08, &timesK075, &halfOverW}) {
    CAPTURE(shape->slowdownFactor);
    CHECK(markerTick(*shape, slow) == 13);
    CHECK(markerTick(*shape, normal) == 5);
    CHECK(markerTick(*shape, fast) == 3);
  }
}

TEST_CASE("the radius is held in single precision from tick to tick") {
  MultiFront front(timesK08);
  front.press(0, 10, 10, lonePiece, normal);
  for (int tick = 0; tick < 50; ++tick) {
    const float before = front.arrays.frontRadius[0];
    const FrontTick shown = front.tick(0, simulationOuterWidth, normal);
    const float after = front.arrays.frontRadius[0];
    // The step is taken from the single-precision radius the last tick kept,
    // and lands within half a single's spacing of the exact step.
    const long double exact = before + 50.0L * (1 - 0.8L * before / 8730.0L);
    CHECK(std::fabs(static_cast<long double>(after) - exact) <=
          std::nextafter(after, 1e9f) - after);
    REQUIRE(shown.disc.has_value());
    CHECK(shown.disc->radius == after);
  }
}

TEST_CASE("proc1 gives the piece's farthest corner from any point") {
  const forms::Rect piece{100, 200, 3015, 855};
  SUBCASE("points inside, on the edges and outside the piece") {
    for (float x : {-600.0f, 0.0f, 1.5f, 1507.5f, 3015.0f, 4000.0f}) {
      for (float y : {-420.0f, 0.0f, 427.5f, 855.0f, 2000.0f}) {
        CAPTURE(x);
        CAPTURE(y);
        CHECK(proc1(x, y, piece) == doctest::Approx(farthestCorner(x, y, piece)).epsilon(1e-15));
      }
    }
  }
  SUBCASE("a corner reaches across the diagonal") {
    CHECK(proc1(0, 0, piece) == twips(3133.89));
    CHECK(proc1(3015, 855, piece) == proc1(0, 0, piece));
  }
}

TEST_CASE("a press maps the pressed point into every piece") {
  SUBCASE("each piece gets the point in its own coordinates, no entry, its farthest corner") {
    const MultiFront front = tPressed(0, 1005, 420, normal);
    CHECK(front.arrays.clickedPiece == 0);
    for (int i = 0; i < 3; ++i) {
      CAPTURE(i);
      const forms::Rect& piece = t_plate::fields[static_cast<std::size_t>(i)];
      CHECK(front.arrays.sourceX[i] == 360 + 1005 - piece.left);
      CHECK(front.arrays.sourceY[i] == 840 + 420 - piece.top);
      CHECK(front.arrays.entryDistance[i] == 0);
      CHECK(front.arrays.maxReach[i] == proc1(static_cast<float>(front.arrays.sourceX[i]),
                                              static_cast<float>(front.arrays.sourceY[i]), piece));
    }
  }
  SUBCASE("the mapping is summed in single precision, like the control positions") {
    // On the centre block nothing is relayed, so every piece keeps the sum.
    const MultiFront front = tPressed(1, 0.1f, 0.3f, normal);
    for (int i = 0; i < 4; ++i) {
      CAPTURE(i);
      const double x = front.arrays.sourceX[i];
      const double y = front.arrays.sourceY[i];
      CHECK(x == static_cast<double>(static_cast<float>(x)));
      CHECK(y == static_cast<double>(static_cast<float>(y)));
      const forms::Rect& piece = t_plate::fields[static_cast<std::size_t>(i)];
      CHECK(std::fabs(x - (3360 + 0.1 - piece.left)) < 0.001);
      CHECK(std::fabs(y - (840 + 0.3 - piece.top)) < 0.001);
    }
  }
  SUBCASE("every marker is centred on the pressed point, also in a relayed piece") {
    const MultiFront front = tPressed(0, 1005, 420, normal);
    REQUIRE(front.arrays.entryDistance[3] > 0);
    for (int i = 0; i < 4; ++i) {
      CAPTURE(i);
      const forms::Rect& piece = t_plate::fields[static_cast<std::size_t>(i)];
      CHECK(front.marker[i].x == 360 + 1005 - piece.left - 240);
      CHECK(front.marker[i].y == 840 + 420 - piece.top - 240);
    }
  }
  SUBCASE("a new press rewrites every entry and starts every radius from zero") {
    MultiFront front = tPressed(0, 1005, 420, normal);
    runMulti(front, normal);
    front.press(1, 500, 400, t_plate::fields, normal);
    CHECK(front.arrays.clickedPiece == 1);
    for (int i = 0; i < 4; ++i) {
      CAPTURE(i);
      CHECK(front.arrays.entryDistance[i] == 0);
      CHECK(front.arrays.frontRadius[i] == 0);
    }
    CHECK(front.arrays.sourceX[3] == 500);
    CHECK(front.arrays.sourceY[3] == 400 - 840);
  }
}

TEST_CASE("thresholds of the multi-piece front at equality") {
  SUBCASE("a front of exactly 240 twips keeps the marker hidden") {
    MultiFront front = tPressed(1, 500, 400, 240);
    const FrontTick first = front.tick(1, simulationOuterWidth, 240);
    REQUIRE(front.arrays.frontRadius[1] == 240.0f);
    CHECK_FALSE(first.showMarker);
    CHECK(front.tick(1, simulationOuterWidth, 240).showMarker);
  }
  SUBCASE("a front exactly at its limit plus the margin goes on; past it, it stops") {
    MultiFront probe = tPressed(1, 500, 400, normal);
    for (int tick = 0; tick < 10; ++tick) probe.tick(2, simulationOuterWidth, normal);
    const float radiusAtTen = probe.arrays.frontRadius[2];
    for (double limitShift : {0.0, -1.0, 1.0}) {
      CAPTURE(limitShift);
      MultiFront front = tPressed(1, 500, 400, normal);
      front.arrays.maxReach[2] = radiusAtTen - 2 * normal + limitShift;
      for (int tick = 1; tick < 10; ++tick) front.tick(2, simulationOuterWidth, normal);
      const FrontTick tenth = front.tick(2, simulationOuterWidth, normal);
      REQUIRE(front.arrays.frontRadius[2] == radiusAtTen);
      CHECK(tenth.stop == (limitShift < 0));
      CHECK(tenth.disc.has_value() == (limitShift >= 0));
    }
  }
  SUBCASE("a piece starts to draw only once the front is beyond its entry distance") {
    MultiFront probe = tPressed(1, 500, 400, normal);
    for (int tick = 0; tick < 10; ++tick) probe.tick(3, simulationOuterWidth, normal);
    const float radiusAtTen = probe.arrays.frontRadius[3];
    for (double entryShift : {0.0, -1.0, 1.0}) {
      CAPTURE(entryShift);
      MultiFront front = tPressed(1, 500, 400, normal);
      front.arrays.entryDistance[3] = radiusAtTen + entryShift;
      for (int tick = 1; tick < 10; ++tick) {
        CHECK_FALSE(front.tick(3, simulationOuterWidth, normal).disc.has_value());
      }
      const FrontTick tenth = front.tick(3, simulationOuterWidth, normal);
      CHECK(tenth.disc.has_value() == (entryShift < 0));
      if (tenth.disc) CHECK(tenth.disc->radius == doctest::Approx(1.0));
      const FrontTick eleventh = front.tick(3, simulationOuterWidth, normal);
      REQUIRE(eleventh.disc.has_value());
      CHECK(eleventh.disc->radius ==
            static_cast<float>(front.arrays.frontRadius[3] - radiusAtTen - entryShift));
      CHECK(eleventh.disc->x == 500);
      CHECK(eleventh.disc->y == -440);
    }
  }
}

TEST_CASE("the stop of the finishing piece alone shows \"もう一度\"") {
  MultiFront front = tPressed(3, 420, 2000, normal);
  const Run run = runMulti(front, normal);
  REQUIRE(t_plate::shape.finishingPiece[3] == 2);
  CHECK(run.retryTicks == std::vector<int>{run.pieces[2].stopTick});
  for (int i : {0, 1, 3}) {
    CAPTURE(i);
    CHECK(run.pieces[static_cast<std::size_t>(i)].stopTick != run.pieces[2].stopTick);
  }
}

TEST_CASE("a speed changed during a multi-piece run counts from the next tick") {
  SUBCASE("raised: a step twice as long, and the wider margin lets the piece go on") {
    MultiFront front = tPressed(1, 500, 400, normal);
    const Run normalRun = runMulti(front, normal);
    const int stopAtNormal = normalRun.pieces[1].stopTick;
    MultiFront raised = tPressed(1, 500, 400, normal);
    for (int tick = 1; tick < stopAtNormal; ++tick) raised.tick(1, simulationOuterWidth, normal);
    MultiFront stayingNormal = raised;
    const float before = raised.arrays.frontRadius[1];
    CHECK(stayingNormal.tick(1, simulationOuterWidth, normal).stop);
    const FrontTick shown = raised.tick(1, simulationOuterWidth, fast);
    CHECK(raised.arrays.frontRadius[1] - before ==
          doctest::Approx(2 * (stayingNormal.arrays.frontRadius[1] - before)).epsilon(1e-4));
    CHECK_FALSE(shown.stop);
    CHECK(shown.disc.has_value());
  }
  SUBCASE("lowered: a front already past the slow margin stops at the next tick") {
    MultiFront front = tPressed(1, 500, 400, fast);
    const double limit = front.arrays.maxReach[1];
    while (!(front.arrays.frontRadius[1] > limit + 2 * slow)) {
      REQUIRE_FALSE(front.tick(1, simulationOuterWidth, fast).stop);
    }
    const float before = front.arrays.frontRadius[1];
    CHECK(front.tick(1, simulationOuterWidth, slow).stop);
    CHECK(front.arrays.frontRadius[1] - before <= slow);
  }
}

TEST_CASE("a press handed fewer piece rectangles than the shape has is refused") {
  MultiFront front(t_plate::shape);
  const std::vector<forms::Rect> tooFew(t_plate::fields.begin(), t_plate::fields.begin() + 3);
  CHECK_THROWS_AS(front.press(0, 10, 10, tooFew, normal), std::out_of_range);
}
