// Runs on the shapes built from several pieces: the heat turns corners,
// each piece stops on its own, "もう一度" clears every piece.
#include <doctest/doctest.h>

#include <array>
#include <cmath>
#include <vector>

#include "app_fixture.h"
#include "simulation/module1.h"

using namespace velmora;
using namespace velmora::test;
namespace t = forms::testing;

namespace {

void press(MultiPieceWindow& window, std::int16_t piece, float x, float y,
           std::int16_t button = forms::leftButton) {
  t::mouseDown(window.field(piece), button, x, y);
}

bool anyTimerRunning(const MultiPieceWindow& window) {
  for (std::int16_t i = 0; i < window.pieceCount(); ++i) {
    if (window.Timer(i).Enabled()) return true;
  }
  return false;
}

bool allPiecesCold(const MultiPieceWindow& window) {
  for (std::int16_t i = 0; i < window.pieceCount(); ++i) {
    if (!allCold(window.field(i))) return false;
  }
  return true;
}

// A piece the heat reaches around a corner stays cold until the front has
// run the path to its entry point, then warms in a disc around that point.
void checkWarmsFrom(StartedProgram& run, MultiPieceWindow& window, std::int16_t piece,
                    forms::Point centre) {
  const PieceArrays& a = window.front.arrays;
  CHECK(a.sourceX[piece] == doctest::Approx(centre.x));
  CHECK(a.sourceY[piece] == doctest::Approx(centre.y));
  const double entry = a.entryDistance[piece];
  REQUIRE(entry > 500);
  int coldTicks = 0;
  for (int tick = 0; tick < 2000; ++tick) {
    run.ticks(1);
    const double beyond = a.frontRadius[piece] - entry;
    if (beyond <= 0) {
      ++coldTicks;
      REQUIRE(allCold(window.field(piece)));
    } else if (beyond > 200) {
      checkDisc(window.field(piece), centre.x, centre.y, static_cast<float>(beyond));
      break;
    }
  }
  CHECK(coldTicks > 5);
  CHECK(window.Timer(piece).Enabled());
}

// The tick at which each piece's timer stopped and "もう一度" appeared.
struct Timeline {
  std::vector<int> stops;
  int retryShown = 0;
};

Timeline runToTheEnd(StartedProgram& run, MultiPieceWindow& window, int limit) {
  Timeline timeline;
  timeline.stops.assign(window.pieceCount(), 0);
  for (int tick = 1; tick <= limit && anyTimerRunning(window); ++tick) {
    run.ticks(1);
    for (std::int16_t i = 0; i < window.pieceCount(); ++i) {
      if (timeline.stops[i] == 0 && !window.Timer(i).Enabled()) timeline.stops[i] = tick;
    }
    if (timeline.retryShown == 0 && window.retry->Visible()) timeline.retryShown = tick;
  }
  return timeline;
}

}  // namespace

TEST_CASE_FIXTURE(StartedProgram, "T plate: a press on the left arm") {
  t::click(*program.main.tji);
  TPlateWindow& window = *program.simulation3;
  REQUIRE(window.pieceCount() == 4);
  press(window, 0, 1005, 420);

  SUBCASE("every marker sits on the pressed point, in its own piece") {
    for (std::int16_t i = 0; i < 4; ++i) {
      CHECK(window.fire(i).Left() == doctest::Approx(360 + 1005 - window.field(i).Left() - 240));
      CHECK(window.fire(i).Top() == doctest::Approx(840 + 420 - window.field(i).Top() - 240));
      CHECK(window.field(i).mousePointer() == forms::MousePointer::Default);
      CHECK(window.Timer(i).Enabled());
    }
    CHECK(window.fire0->Visible());
    CHECK(window.fire0->Left() == doctest::Approx(1125));
    CHECK(window.fire0->Top() == doctest::Approx(1020));
    ticks(4);
    CHECK_FALSE(window.fire(0).Visible());
    ticks(1);
    for (std::int16_t i = 0; i < 4; ++i) CHECK(window.fire(i).Visible());
  }

  SUBCASE("the arm warms around the press at once") {
    ticks(2);
    checkDisc(window.field(0), 1005, 420, window.front.arrays.frontRadius[0]);
  }

  SUBCASE("the stem warms from the left inner corner once the front has got there") {
    CHECK(window.front.arrays.entryDistance[3] == doctest::Approx(2056.53).epsilon(1e-5));
    checkWarmsFrom(*this, window, 3, {0, 0});
  }

  SUBCASE("each piece stops on its own; the right arm ends the run") {
    const Timeline timeline = runToTheEnd(*this, window, 400);
    CHECK(timeline.stops == std::vector<int>{48, 73, 226, 174});
    CHECK(timeline.retryShown == 226);
  }
}

TEST_CASE_FIXTURE(StartedProgram, "concave plate: heat runs along the bottom to the other pillar") {
  t::click(*program.main.ou);
  ConcavePlateWindow& window = *program.simulation6;
  REQUIRE(window.pieceCount() == 5);
  press(window, 0, 900, 1200);

  SUBCASE("the right pillar warms from its inner foot") {
    CHECK(window.front.arrays.entryDistance[4] == doctest::Approx(5642.44).epsilon(1e-5));
    checkWarmsFrom(*this, window, 4, {0, 3735});
  }

  SUBCASE("the right block stays cold until the heat has run the length of the bar") {
    const PieceArrays& a = window.front.arrays;
    for (int tick = 0; tick < 300 && a.frontRadius[3] - a.entryDistance[3] < 3015 - 20; ++tick) {
      ticks(1);
      REQUIRE(allCold(window.field(3)));
    }
    ticks(6);
    CHECK(window.field(3).pixelAt(15, 367) == lightRed);
  }

  SUBCASE("the right pillar ends the run") {
    const Timeline timeline = runToTheEnd(*this, window, 500);
    CHECK(timeline.stops == std::vector<int>{63, 84, 162, 206, 409});
    CHECK(timeline.retryShown == 409);
  }
}

TEST_CASE_FIXTURE(StartedProgram,
                  "H plate: heat turns into the crossbar and across to the far blocks") {
  t::click(*program.main.hji);
  HPlateWindow& window = *program.simulation5;
  REQUIRE(window.pieceCount() == 7);
  press(window, 0, 900, 600);
  const double d = std::hypot(1935.0 - 900, 1695.0 - 600);

  SUBCASE("the crossbar warms from its upper left corner") {
    CHECK(window.front.arrays.entryDistance[3] == doctest::Approx(d));
    checkWarmsFrom(*this, window, 3, {0, 0});
  }
  SUBCASE("the lower right block warms from its top left corner, past the crossbar") {
    CHECK(window.front.arrays.entryDistance[6] == doctest::Approx(d + 2895));
    checkWarmsFrom(*this, window, 6, {0, 0});
  }
}

TEST_CASE_FIXTURE(StartedProgram, "spiral: heat follows the strip around the bends") {
  t::click(*program.main.uzu);
  SpiralWindow& window = *program.simulation4;
  REQUIRE(window.pieceCount() == 9);
  press(window, 0, 367, 500);
  const double d = std::hypot(735.0 - 367, 3615.0 - 500);

  SUBCASE("the bottom bar warms from the first bend") {
    CHECK(window.front.arrays.entryDistance[2] == doctest::Approx(d));
    checkWarmsFrom(*this, window, 2, {0, 0});
  }
  SUBCASE("the right bar warms from the second bend, after the whole bottom bar") {
    CHECK(window.front.arrays.entryDistance[4] == doctest::Approx(d + 4215));
    checkWarmsFrom(*this, window, 4, {0, 2895});
  }
}

TEST_CASE_FIXTURE(StartedProgram, "multi-piece presses that do not start a run") {
  t::click(*program.main.tji);
  TPlateWindow& window = *program.simulation3;

  SUBCASE("the right button") {
    press(window, 1, 400, 400, forms::rightButton);
    ticks(10);
    CHECK(window.running == 0);
    CHECK_FALSE(anyTimerRunning(window));
    CHECK_FALSE(window.fire0->Visible());
    CHECK(allPiecesCold(window));
  }

  SUBCASE("a second press while heating and after the end") {
    press(window, 2, 1200, 300);
    ticks(5);
    press(window, 3, 420, 2000);
    CHECK(window.front.arrays.clickedPiece == 2);
    CHECK(window.fire0->Left() == doctest::Approx(4320 + 1200 - 240));
    CHECK(window.front.arrays.frontRadius[0] > 200);  // not restarted
    runToTheEnd(*this, window, 400);
    REQUIRE(window.retry->Visible());
    press(window, 0, 100, 100);
    CHECK(window.front.arrays.clickedPiece == 2);
    CHECK_FALSE(anyTimerRunning(window));
  }
}

// "もう一度" may appear while a piece far from the burner is still heating.
// Pressed then, it must stop that piece too, or its timer would go on
// painting heat onto the cleared metal.
TEST_CASE_FIXTURE(StartedProgram, "\"もう一度\" while a far piece is still heating") {
  MultiPieceWindow* window = nullptr;
  std::int16_t stillHeating = 0;
  SUBCASE("spiral, pressed at the top of the right bar") {
    t::click(*program.main.uzu);
    window = program.simulation4.get();
    press(*window, 4, 367.5f, 0);
    stillHeating = 0;
  }
  SUBCASE("H, pressed at the right end of the crossbar") {
    t::click(*program.main.hji);
    window = program.simulation5.get();
    press(*window, 3, 2850, 200);
    stillHeating = 2;
  }
  REQUIRE(window != nullptr);
  for (int tick = 0; tick < 2000 && !window->retry->Visible(); ++tick) ticks(1);
  REQUIRE(window->retry->Visible());
  REQUIRE(window->Timer(stillHeating).Enabled());

  t::click(*window->retry);
  CHECK(window->running == 0);
  CHECK_FALSE(anyTimerRunning(*window));
  CHECK(allPiecesCold(*window));
  ticks(400);
  CHECK(allPiecesCold(*window));
  for (std::int16_t i = 0; i < window->pieceCount(); ++i) {
    CHECK_FALSE(window->fire(i).Visible());
    CHECK(window->field(i).mousePointer() == forms::MousePointer::Custom);
  }
  CHECK_FALSE(window->fire0->Visible());
  CHECK_FALSE(window->retry->Visible());

  // The next press starts every piece afresh.
  press(*window, 1, 100, 100);
  for (std::int16_t i = 0; i < window->pieceCount(); ++i) CHECK(window->Timer(i).Enabled());
}

TEST_CASE_FIXTURE(StartedProgram, "\"もう一度\" after a full run clears every piece") {
  t::click(*program.main.ou);
  ConcavePlateWindow& window = *program.simulation6;
  press(window, 2, 1500, 300);
  const Timeline timeline = runToTheEnd(*this, window, 400);
  CHECK(timeline.retryShown == 225);  // the bar itself ends a press on the bar
  REQUIRE_FALSE(allPiecesCold(window));
  t::click(*window.retry);
  CHECK(allPiecesCold(window));
  CHECK(window.running == 0);
  CHECK_FALSE(anyTimerRunning(window));
}
