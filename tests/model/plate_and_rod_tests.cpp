// The heat front on the rectangle plate and the rod.
#include <doctest/doctest.h>

#include <cmath>
#include <vector>

#include "tests/model/model_checks.h"

namespace {

using namespace velmora;
using namespace velmora::testing;

HeatRun platePressedAt(float x, float y) { return pressed(heat::plate, 0, x, y); }
HeatRun rodPressedAt(float x, float y) { return pressed(heat::rod, 0, x, y); }

}  // namespace

TEST_CASE("the window's outer width is the client width plus both frames") {
  CHECK(simulationSurroundings.outerWidth == 8730.0f);
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
  const heat::Rect plate = heat::plate.pieces[0];
  const heat::Rect rodField = heat::rod.pieces[0];
  SUBCASE("a press at any corner of the plate reaches across its diagonal") {
    const heat::Point corners[] = {
        {0, 0}, {plate.width, 0}, {0, plate.height}, {plate.width, plate.height}};
    for (const heat::Point corner : corners) {
      CAPTURE(corner.x);
      CAPTURE(corner.y);
      CHECK(platePressedAt(corner.x, corner.y).pieces[0].maxReach ==
            doctest::Approx(7876.0428).epsilon(1e-8));
    }
  }
  SUBCASE("a press at the plate's centre reaches half the diagonal") {
    CHECK(platePressedAt(3247.5f, 2227.5f).pieces[0].maxReach ==
          doctest::Approx(3938.0214).epsilon(1e-8));
    CHECK(platePressedAt(3240, 2220).pieces[0].maxReach ==
          doctest::Approx(3948.4491).epsilon(1e-8));
  }
  SUBCASE("a press at either end of the rod reaches its whole length") {
    CHECK(rodPressedAt(0, 0).pieces[0].maxReach == doctest::Approx(8416.0828).epsilon(1e-8));
    CHECK(rodPressedAt(rodField.width, rodField.height).pieces[0].maxReach ==
          doctest::Approx(8416.0828).epsilon(1e-8));
    CHECK(rodPressedAt(rodField.width, 0).pieces[0].maxReach ==
          doctest::Approx(8416.0828).epsilon(1e-8));
  }
  SUBCASE("a press in the middle of the rod reaches about half of it") {
    CHECK(rodPressedAt(4207.5f, 67.5f).pieces[0].maxReach ==
          doctest::Approx(8416.0828 / 2).epsilon(1e-8));
  }
  SUBCASE("a point outside a piece still measures to the piece's own corners") {
    CHECK(heat::farthestCornerDistance(-30, 40, heat::Rect{0, 0, 90, 80}) ==
          doctest::Approx(std::sqrt(120.0 * 120 + 40 * 40)).epsilon(1e-12));
  }
}

TEST_CASE("the plate's marker and stop ticks at the three speeds") {
  SUBCASE("normal speed, a press near the centre: marker at 5, stop at 86") {
    HeatRun front = platePressedAt(3240, 2220);
    const RunRecord run = heat::runToEnd(front, normal);
    CHECK(run.pieces[0].fireTick == 5);
    CHECK(run.pieces[0].stopTick == 86);
    CHECK(run.retryTicks == std::vector<int>{86});
    CHECK(run.pieces[0].lastDisc->radius == 0x1.f9d77ap+11f);
  }
  SUBCASE("a press at a corner: slow 11 and 615, fast 3 and 128") {
    const heat::Point corners[] = {{0, 0}, {6495, 4455}};
    for (const heat::Point corner : corners) {
      HeatRun slowFront = platePressedAt(corner.x, corner.y);
      const RunRecord slowRun = heat::runToEnd(slowFront, slow);
      CHECK(slowRun.pieces[0].fireTick == 11);
      CHECK(slowRun.pieces[0].stopTick == 615);
      HeatRun fastFront = platePressedAt(corner.x, corner.y);
      const RunRecord fastRun = heat::runToEnd(fastFront, fast);
      CHECK(fastRun.pieces[0].fireTick == 3);
      CHECK(fastRun.pieces[0].stopTick == 128);
    }
  }
}

TEST_CASE("a whole slow run on the rod, to the last bit") {
  // The one-piece front keeps its radius in double. Held in single, every
  // radius drifts and this run would stop a tick early.
  HeatRun run = pressed(heat::rod, 0, 210, 45, slow);
  CHECK(run.pieces[0].maxReach == 0x1.006bf2dd8a337p+13);
  double everyDrawnRadius = 0;  // single radii summed in double: exact
  int stopTick = 0;
  for (int tick = 1; tick <= 1000 && stopTick == 0; ++tick) {
    const HeatTick shown = run.tick(0, slow);
    if (tick == 100) CHECK(run.pieces[0].frontRadius == 0x1.ec0c5b3f7e011p+10);
    if (tick == 500) CHECK(run.pieces[0].frontRadius == 0x1.9988f317589fp+12);
    if (shown.disc) everyDrawnRadius += shown.disc->radius;
    if (shown.stop) stopTick = tick;
  }
  CHECK(stopTick == 854);
  CHECK(everyDrawnRadius == 0x1.18ca01b08ap+22);
  CHECK(run.pieces[0].frontRadius == 0x1.01c4cb4b5594ap+13);
  run.reset();
  run.press(0, 210, 45, slow);
  const RunRecord record = heat::runToEnd(run, slow);
  CHECK(record.pieces[0].fireTick == 12);
  CHECK(record.pieces[0].lastDisc->radius == 0x1.01abeap+13f);
  CHECK(record.retryTicks == std::vector<int>{854});
}

TEST_CASE("the rod's stop ticks at the three speeds") {
  SUBCASE("normal speed, a press near the middle stops at 104") {
    HeatRun front = rodPressedAt(4200, 60);
    CHECK(heat::runToEnd(front, normal).pieces[0].stopTick == 104);
  }
  SUBCASE("a press at an end: slow stops at 927, fast at 198") {
    const heat::Point ends[] = {{0, 0}, {0, 135}, {8415, 0}, {8415, 135}};
    for (const heat::Point end : ends) {
      CAPTURE(end.x);
      CAPTURE(end.y);
      HeatRun slowFront = rodPressedAt(end.x, end.y);
      CHECK(heat::runToEnd(slowFront, slow).pieces[0].stopTick == 927);
      HeatRun fastFront = rodPressedAt(end.x, end.y);
      CHECK(heat::runToEnd(fastFront, fast).pieces[0].stopTick == 198);
    }
  }
}

TEST_CASE("the stopping tick draws nothing and ends the run") {
  HeatRun front = platePressedAt(3240, 2220);
  for (int tick = 1; tick < 85; ++tick) front.tick(0, normal);
  const HeatTick lastDrawn = front.tick(0, normal);
  REQUIRE(lastDrawn.disc.has_value());
  CHECK_FALSE(lastDrawn.stop);
  CHECK(lastDrawn.disc->radius <= front.pieces[0].maxReach + 2 * normal);
  CHECK(lastDrawn.disc->radius > front.pieces[0].maxReach);
  const HeatTick stopping = front.tick(0, normal);
  CHECK(stopping.stop);
  CHECK(stopping.showRetry);
  CHECK(stopping.showMarker);
  CHECK_FALSE(stopping.disc.has_value());
}

TEST_CASE("thresholds of the single front at equality") {
  SUBCASE("a front of exactly 240 twips keeps the marker hidden") {
    // 1.2 times a speed of 200 lands the first step on 240 exactly.
    checkMarkerHiddenAtItsHalf(platePressedAt(3240, 2220), 0, 200);
  }
  SUBCASE("a front exactly at its limit plus the margin goes on; past it, it stops") {
    checkStopJustPastLimit(platePressedAt(3240, 2220), 0);
  }
}

TEST_CASE("a speed changed during the run counts from the next tick") {
  SUBCASE("raised near the end: a longer step, and the wider margin lets it go on") {
    HeatRun front = platePressedAt(0, 0);
    for (int tick = 1; tick < 615; ++tick) front.tick(0, slow);
    HeatRun stayingSlow = front;
    const double before = front.pieces[0].frontRadius;
    CHECK(stayingSlow.tick(0, slow).stop);
    const HeatTick raised = front.tick(0, fast);
    CHECK(front.pieces[0].frontRadius - before ==
          doctest::Approx(5 * (stayingSlow.pieces[0].frontRadius - before)).epsilon(1e-9));
    CHECK(front.pieces[0].frontRadius > front.pieces[0].maxReach + 2 * slow);
    CHECK_FALSE(raised.stop);
    REQUIRE(raised.disc.has_value());
    CHECK(raised.disc->radius == static_cast<float>(front.pieces[0].frontRadius));
  }
  SUBCASE("lowered: a front already past the slow margin stops at the next tick") {
    HeatRun front = platePressedAt(0, 0);
    int tick = 0;
    while (!(front.pieces[0].frontRadius > front.pieces[0].maxReach + 2 * slow)) {
      REQUIRE_FALSE(front.tick(0, fast).stop);
      ++tick;
    }
    REQUIRE(tick < 128);
    const double before = front.pieces[0].frontRadius;
    const HeatTick lowered = front.tick(0, slow);
    CHECK(lowered.stop);
    CHECK(front.pieces[0].frontRadius - before < 1.2 * slow);
  }
}

TEST_CASE("a new press starts the front again from the new point") {
  HeatRun front = platePressedAt(0, 0);
  heat::runToEnd(front, fast);
  front.reset();
  REQUIRE(front.press(0, 100, 200, normal));
  CHECK(front.pieces[0].frontRadius == 0);
  const HeatTick first = front.tick(0, normal);
  REQUIRE(first.disc.has_value());
  CHECK(first.disc->x == 100);
  CHECK(first.disc->y == 200);
  CHECK(first.disc->radius == doctest::Approx(60));
}

TEST_CASE("every press on a grid over the plate and the rod ends fully covered") {
  for (const heat::Shape* metal : {&heat::plate, &heat::rod}) {
    const heat::Rect& field = metal->pieces[0];
    for (float speed : speeds) {
      for (const heat::Point point : gridOver(field, 48)) {
        CAPTURE(metal->name);
        CAPTURE(speed);
        CAPTURE(point.x);
        CAPTURE(point.y);
        HeatRun front = pressed(*metal, 0, point.x, point.y, speed);
        const RunRecord run = heat::runToEnd(front, speed);
        const PieceRecord& piece = run.pieces[0];
        REQUIRE(piece.stopTick > 0);
        CHECK(run.retryTicks == std::vector<int>{piece.stopTick});
        CHECK_FALSE(piece.drewOnStop);
        CHECK(piece.firstDrawTick == 1);
        CHECK_FALSE(piece.discShrank);
        REQUIRE(piece.lastDisc.has_value());
        CHECK(piece.lastDisc->x == point.x);
        CHECK(piece.lastDisc->y == point.y);
        const double farthest = farthestCorner(point.x, point.y, field);
        CHECK(piece.lastDisc->radius >= farthest);
        CHECK(piece.lastDisc->radius <= farthest + 2 * speed);
      }
    }
  }
}
