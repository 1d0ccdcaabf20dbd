// The heat front on the rectangle plate and the rod.
#include <doctest/doctest.h>

#include <cmath>
#include <vector>

#include "front_runs.h"
#include "shapes/rectangle_plate_shape.h"
#include "shapes/rod_shape.h"
#include "simulation/single_front.h"
#include "simulation/window_size.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

SingleFront platePressedAt(float x, float y) {
  SingleFront front(rectangle_plate::stepConstant);
  front.press(x, y, rectangle_plate::field.width, rectangle_plate::field.height);
  return front;
}

SingleFront rodPressedAt(float x, float y) {
  SingleFront front(rod::stepConstant);
  front.press(x, y, rod::field.width, rod::field.height);
  return front;
}

std::vector<double> firstRadii(SingleFront front, float speedFactor, int ticks) {
  std::vector<double> radii;
  for (int i = 0; i < ticks; ++i) {
    front.tick(simulationOuterWidth, speedFactor);
    radii.push_back(front.frontRadius);
  }
  return radii;
}

void checkRadii(const std::vector<double>& radii, const std::vector<double>& known) {
  REQUIRE(radii.size() == known.size());
  for (std::size_t i = 0; i < known.size(); ++i) {
    CAPTURE(i);
    CHECK(std::fabs(radii[i] - known[i]) <= 0.005);
  }
}

}  // namespace

TEST_CASE("the window's outer width is the client width plus both frames") {
  CHECK(simulationOuterWidth == 8730.0f);
}

TEST_CASE("the front's first steps at normal speed") {
  SUBCASE("on the plate it starts at 1.2 times the speed and slows") {
    checkRadii(firstRadii(platePressedAt(3240, 2220), normal, 5),
               {60, 119.66, 178.97, 237.95, 296.58});
  }
  SUBCASE("on the rod it starts at 1.1 times the speed and slows") {
    checkRadii(firstRadii(rodPressedAt(4200, 60), normal, 5), {55, 109.68, 164.06, 218.12, 271.87});
  }
  SUBCASE("the first step is the step constant times the speed at every speed") {
    for (float speed : speeds) {
      CAPTURE(speed);
      CHECK(firstRadii(platePressedAt(0, 0), speed, 1)[0] == doctest::Approx(1.2 * speed));
      CHECK(firstRadii(rodPressedAt(0, 0), speed, 1)[0] == doctest::Approx(1.1 * speed));
    }
  }
}

TEST_CASE("the farthest corner from the pressed point") {
  const forms::Rect plate = rectangle_plate::field;
  const forms::Rect rodField = rod::field;
  SUBCASE("a press at any corner of the plate reaches across its diagonal") {
    const forms::Point corners[] = {
        {0, 0}, {plate.width, 0}, {0, plate.height}, {plate.width, plate.height}};
    for (const forms::Point corner : corners) {
      CAPTURE(corner.x);
      CAPTURE(corner.y);
      CHECK(platePressedAt(corner.x, corner.y).maxReach ==
            doctest::Approx(7876.0428).epsilon(1e-8));
    }
  }
  SUBCASE("a press at the plate's centre reaches half the diagonal") {
    CHECK(platePressedAt(3247.5f, 2227.5f).maxReach == doctest::Approx(3938.0214).epsilon(1e-8));
    CHECK(platePressedAt(3240, 2220).maxReach == doctest::Approx(3948.4491).epsilon(1e-8));
  }
  SUBCASE("a press at either end of the rod reaches its whole length") {
    CHECK(rodPressedAt(0, 0).maxReach == doctest::Approx(8416.0828).epsilon(1e-8));
    CHECK(rodPressedAt(rodField.width, rodField.height).maxReach ==
          doctest::Approx(8416.0828).epsilon(1e-8));
    CHECK(rodPressedAt(rodField.width, 0).maxReach == doctest::Approx(8416.0828).epsilon(1e-8));
  }
  SUBCASE("a press in the middle of the rod reaches about half of it") {
    CHECK(rodPressedAt(4207.5f, 67.5f).maxReach == doctest::Approx(8416.0828 / 2).epsilon(1e-8));
  }
  SUBCASE("a press outside the field still measures to the field's own corners") {
    // A field read at another size than the layout's: the corners follow the
    // size read at the press.
    SingleFront front(1.2);
    front.press(-30, 40, 90, 80);
    CHECK(front.maxReach == doctest::Approx(std::sqrt(120.0 * 120 + 40 * 40)).epsilon(1e-12));
  }
}

TEST_CASE("the plate's marker and stop ticks at the three speeds") {
  SUBCASE("normal speed, a press near the centre: marker at 5, stop at 86") {
    SingleFront front = platePressedAt(3240, 2220);
    const Run run = runSingle(front, normal);
    CHECK(run.pieces[0].fireTick == 5);
    CHECK(run.pieces[0].stopTick == 86);
    CHECK(run.retryTicks == std::vector<int>{86});
  }
  SUBCASE("a press at a corner: slow 11 and 615, fast 3 and 128") {
    const forms::Point corners[] = {{0, 0}, {6495, 4455}};
    for (const forms::Point corner : corners) {
      SingleFront slowFront = platePressedAt(corner.x, corner.y);
      const Run slowRun = runSingle(slowFront, slow);
      CHECK(slowRun.pieces[0].fireTick == 11);
      CHECK(slowRun.pieces[0].stopTick == 615);
      SingleFront fastFront = platePressedAt(corner.x, corner.y);
      const Run fastRun = runSingle(fastFront, fast);
      CHECK(fastRun.pieces[0].fireTick == 3);
      CHECK(fastRun.pieces[0].stopTick == 128);
    }
  }
}

TEST_CASE("the rod's stop ticks at the three speeds") {
  SUBCASE("normal speed, a press near the middle stops at 104") {
    SingleFront front = rodPressedAt(4200, 60);
    CHECK(runSingle(front, normal).pieces[0].stopTick == 104);
  }
  SUBCASE("a press at an end: slow stops at 927, fast at 198") {
    const forms::Point ends[] = {{0, 0}, {0, 135}, {8415, 0}, {8415, 135}};
    for (const forms::Point end : ends) {
      CAPTURE(end.x);
      CAPTURE(end.y);
      SingleFront slowFront = rodPressedAt(end.x, end.y);
      CHECK(runSingle(slowFront, slow).pieces[0].stopTick == 927);
      SingleFront fastFront = rodPressedAt(end.x, end.y);
      CHECK(runSingle(fastFront, fast).pieces[0].stopTick == 198);
    }
  }
}

TEST_CASE("the stopping tick draws nothing and ends the run") {
  SingleFront front = platePressedAt(3240, 2220);
  for (int tick = 1; tick < 85; ++tick) front.tick(simulationOuterWidth, normal);
  const FrontTick lastDrawn = front.tick(simulationOuterWidth, normal);
  REQUIRE(lastDrawn.disc.has_value());
  CHECK_FALSE(lastDrawn.stop);
  CHECK(lastDrawn.disc->radius <= front.maxReach + 2 * normal);
  CHECK(lastDrawn.disc->radius > front.maxReach);
  const FrontTick stopping = front.tick(simulationOuterWidth, normal);
  CHECK(stopping.stop);
  CHECK(stopping.showRetry);
  CHECK(stopping.showMarker);
  CHECK_FALSE(stopping.disc.has_value());
}

TEST_CASE("thresholds of the single front at equality") {
  SUBCASE("a front of exactly 240 twips keeps the marker hidden") {
    // 1.2 times a speed of 200 lands the first step on 240 exactly.
    SingleFront front = platePressedAt(3240, 2220);
    const FrontTick first = front.tick(simulationOuterWidth, 200);
    REQUIRE(front.frontRadius == 240.0);
    CHECK_FALSE(first.showMarker);
    CHECK(first.disc.has_value());
    CHECK(front.tick(simulationOuterWidth, 200).showMarker);
  }
  SUBCASE("a front exactly at its limit plus the margin goes on; past it, it stops") {
    SingleFront probe = platePressedAt(3240, 2220);
    for (int tick = 0; tick < 10; ++tick) probe.tick(simulationOuterWidth, normal);
    const double radiusAtTen = probe.frontRadius;
    for (double limitShift : {0.0, -1.0, 1.0}) {
      CAPTURE(limitShift);
      SingleFront front = platePressedAt(3240, 2220);
      front.maxReach = radiusAtTen - 2 * normal + limitShift;
      for (int tick = 1; tick < 10; ++tick) front.tick(simulationOuterWidth, normal);
      const FrontTick tenth = front.tick(simulationOuterWidth, normal);
      REQUIRE(front.frontRadius == radiusAtTen);
      CHECK(tenth.stop == (limitShift < 0));
      CHECK(tenth.disc.has_value() == (limitShift >= 0));
    }
  }
}

TEST_CASE("a speed changed during the run counts from the next tick") {
  SUBCASE("raised near the end: a longer step, and the wider margin lets it go on") {
    SingleFront front = platePressedAt(0, 0);
    for (int tick = 1; tick < 615; ++tick) front.tick(simulationOuterWidth, slow);
    SingleFront stayingSlow = front;
    const double before = front.frontRadius;
    CHECK(stayingSlow.tick(simulationOuterWidth, slow).stop);
    const FrontTick raised = front.tick(simulationOuterWidth, fast);
    CHECK(front.frontRadius - before ==
          doctest::Approx(5 * (stayingSlow.frontRadius - before)).epsilon(1e-9));
    CHECK(front.frontRadius > front.maxReach + 2 * slow);
    CHECK_FALSE(raised.stop);
    REQUIRE(raised.disc.has_value());
    CHECK(raised.disc->radius == static_cast<float>(front.frontRadius));
  }
  SUBCASE("lowered: a front already past the slow margin stops at the next tick") {
    SingleFront front = platePressedAt(0, 0);
    int tick = 0;
    while (!(front.frontRadius > front.maxReach + 2 * slow)) {
      REQUIRE_FALSE(front.tick(simulationOuterWidth, fast).stop);
      ++tick;
    }
    REQUIRE(tick < 128);
    const double before = front.frontRadius;
    const FrontTick lowered = front.tick(simulationOuterWidth, slow);
    CHECK(lowered.stop);
    CHECK(front.frontRadius - before < 1.2 * slow);
  }
}

TEST_CASE("a new press starts the front again from the new point") {
  SingleFront front = platePressedAt(0, 0);
  runSingle(front, fast);
  front.press(100, 200, rectangle_plate::field.width, rectangle_plate::field.height);
  CHECK(front.frontRadius == 0);
  const FrontTick first = front.tick(simulationOuterWidth, normal);
  REQUIRE(first.disc.has_value());
  CHECK(first.disc->x == 100);
  CHECK(first.disc->y == 200);
  CHECK(first.disc->radius == doctest::Approx(60));
}

TEST_CASE("every press on a grid over the plate and the rod ends fully covered") {
  struct Metal {
    const char* name;
    forms::Rect field;
    double stepConstant;
  };
  const Metal metals[] = {{"plate", rectangle_plate::field, rectangle_plate::stepConstant},
                          {"rod", rod::field, rod::stepConstant}};
  for (const Metal& metal : metals) {
    for (float speed : speeds) {
      for (const forms::Point point : gridOver(metal.field, 48)) {
        CAPTURE(metal.name);
        CAPTURE(speed);
        CAPTURE(point.x);
        CAPTURE(point.y);
        SingleFront front(metal.stepConstant);
        front.press(point.x, point.y, metal.field.width, metal.field.height);
        const Run run = runSingle(front, speed);
        const PieceRun& piece = run.pieces[0];
        REQUIRE(piece.stopTick > 0);
        CHECK(run.retryTicks == std::vector<int>{piece.stopTick});
        CHECK(piece.discsOnStopTick == 0);
        CHECK(piece.firstDrawTick == 1);
        CHECK_FALSE(piece.radiusEverShrank);
        REQUIRE(piece.lastDisc.has_value());
        CHECK(piece.lastDisc->x == point.x);
        CHECK(piece.lastDisc->y == point.y);
        const double farthest = farthestCorner(point.x, point.y, metal.field);
        CHECK(piece.lastDisc->radius >= farthest);
        CHECK(piece.lastDisc->radius <= farthest + 2 * speed);
      }
    }
  }
}
