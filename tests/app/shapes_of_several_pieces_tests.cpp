// Runs on the shapes built from several pieces: the heat turns corners,
// each piece stops on its own, "もう一度" clears every piece.
#include <doctest/doctest.h>

#include <array>
#include <cmath>
#include <vector>

#include "app_fixture.h"

using namespace velmora;
using namespace velmora::test;
namespace t = forms::testing;

namespace {

void press(SimulationWindow& window, std::int16_t piece, float x, float y,
           std::int16_t button = forms::leftButton) {
  t::mouseDown(*window.metal[piece], button, x, y);
}

bool anyTimerRunning(const SimulationWindow& window) {
  for (std::int16_t i = 0; i < window.pieceCount(); ++i) {
    if (window.heatTimers[i]->enabled()) return true;
  }
  return false;
}

bool allPiecesCold(const SimulationWindow& window) {
  for (std::int16_t i = 0; i < window.pieceCount(); ++i) {
    if (!allCold(*window.metal[i])) return false;
  }
  return true;
}

// A piece the heat reaches around a corner stays cold until the front has
// run the path to its entry point, then warms in a disc around that point.
void checkWarmsFrom(StartedProgram& run, SimulationWindow& window, std::int16_t piece,
                    forms::Point centre) {
  const std::vector<heat::PieceState>& a = window.heat.pieces;
  CHECK(a[piece].sourceX == doctest::Approx(centre.x));
  CHECK(a[piece].sourceY == doctest::Approx(centre.y));
  const double entry = a[piece].entryDistance;
  REQUIRE(entry > 500);
  int coldTicks = 0;
  for (int tick = 0; tick < 2000; ++tick) {
    run.ticks(1);
    const double beyond = a[piece].frontRadius - entry;
    if (beyond <= 0) {
      ++coldTicks;
      REQUIRE(allCold(*window.metal[piece]));
    } else if (beyond > 200) {
      checkDisc(*window.metal[piece], centre.x, centre.y, static_cast<float>(beyond));
      break;
    }
  }
  CHECK(coldTicks > 5);
  CHECK(window.heatTimers[piece]->enabled());
}

// The tick at which each piece's timer stopped and "もう一度" appeared.
struct Timeline {
  std::vector<int> stops;
  int retryShown = 0;
};

Timeline runToTheEnd(StartedProgram& run, SimulationWindow& window, int limit) {
  Timeline timeline;
  timeline.stops.assign(window.pieceCount(), 0);
  for (int tick = 1; tick <= limit && anyTimerRunning(window); ++tick) {
    run.ticks(1);
    for (std::int16_t i = 0; i < window.pieceCount(); ++i) {
      if (timeline.stops[i] == 0 && !window.heatTimers[i]->enabled()) timeline.stops[i] = tick;
    }
    if (timeline.retryShown == 0 && window.retryButton->visible()) timeline.retryShown = tick;
  }
  return timeline;
}

}  // namespace

TEST_CASE_FIXTURE(StartedProgram, "T plate: a press on the left arm") {
  t::click(*program.menu.card("t").button);
  SimulationWindow& window = *program.window("t");
  REQUIRE(window.pieceCount() == 4);
  press(window, 0, 1005, 420);

  SUBCASE("every marker sits on the pressed point, in its own piece") {
    for (std::int16_t i = 0; i < 4; ++i) {
      CHECK(window.markers[i]->left() ==
            doctest::Approx(window.metal[0]->left() + 1005 - window.metal[i]->left() - markerHalf));
      CHECK(window.markers[i]->top() ==
            doctest::Approx(window.metal[0]->top() + 420 - window.metal[i]->top() - markerHalf));
      CHECK(window.metal[i]->mousePointer() == forms::MousePointer::Default);
      CHECK(window.heatTimers[i]->enabled());
    }
    CHECK(window.burner->visible());
    CHECK(window.burner->left() == doctest::Approx(1125));
    CHECK(window.burner->top() == doctest::Approx(1020));
    ticks(4);
    CHECK_FALSE(window.markers[0]->visible());
    ticks(1);
    for (std::int16_t i = 0; i < 4; ++i) CHECK(window.markers[i]->visible());
  }

  SUBCASE("the arm warms around the press at once") {
    ticks(2);
    checkDisc(*window.metal[0], 1005, 420, window.heat.pieces[0].frontRadius);
  }

  SUBCASE("the stem warms from the left inner corner once the front has got there") {
    CHECK(window.heat.pieces[3].entryDistance == doctest::Approx(2056.53).epsilon(1e-5));
    checkWarmsFrom(*this, window, 3, {0, 0});
  }

  SUBCASE("each piece stops on its own; the right arm ends the run") {
    const Timeline timeline = runToTheEnd(*this, window, 400);
    CHECK(timeline.stops == std::vector<int>{48, 73, 226, 174});
    CHECK(timeline.retryShown == 226);
  }
}

TEST_CASE_FIXTURE(StartedProgram, "concave plate: heat runs along the bottom to the other pillar") {
  t::click(*program.menu.card("concave").button);
  SimulationWindow& window = *program.window("concave");
  REQUIRE(window.pieceCount() == 5);
  press(window, 0, 900, 1200);

  SUBCASE("the right pillar warms from its inner foot") {
    CHECK(window.heat.pieces[4].entryDistance == doctest::Approx(5642.44).epsilon(1e-5));
    checkWarmsFrom(*this, window, 4, {0, 3735});
  }

  SUBCASE("the right block stays cold until the heat has run the length of the bar") {
    const std::vector<heat::PieceState>& a = window.heat.pieces;
    for (int tick = 0; tick < 300 && a[3].frontRadius - a[3].entryDistance < 3015 - 20; ++tick) {
      ticks(1);
      REQUIRE(allCold(*window.metal[3]));
    }
    ticks(6);
    CHECK(window.metal[3]->pixelAt(15, 367) == lightRed);
  }

  SUBCASE("the right pillar ends the run") {
    const Timeline timeline = runToTheEnd(*this, window, 500);
    CHECK(timeline.stops == std::vector<int>{63, 84, 162, 206, 409});
    CHECK(timeline.retryShown == 409);
  }
}

TEST_CASE_FIXTURE(StartedProgram,
                  "H plate: heat turns into the crossbar and across to the far blocks") {
  t::click(*program.menu.card("h").button);
  SimulationWindow& window = *program.window("h");
  REQUIRE(window.pieceCount() == 7);
  press(window, 0, 900, 600);
  const double d = std::hypot(1935.0 - 900, 1695.0 - 600);

  SUBCASE("the crossbar warms from its upper left corner") {
    CHECK(window.heat.pieces[3].entryDistance == doctest::Approx(d));
    checkWarmsFrom(*this, window, 3, {0, 0});
  }
  SUBCASE("the lower right block warms from its top left corner, past the crossbar") {
    CHECK(window.heat.pieces[6].entryDistance == doctest::Approx(d + 2895));
    checkWarmsFrom(*this, window, 6, {0, 0});
  }
}

TEST_CASE_FIXTURE(StartedProgram, "spiral: heat follows the strip around the bends") {
  t::click(*program.menu.card("spiral").button);
  SimulationWindow& window = *program.window("spiral");
  REQUIRE(window.pieceCount() == 9);
  press(window, 0, 367, 500);
  const double d = std::hypot(735.0 - 367, 3615.0 - 500);

  SUBCASE("the bottom bar warms from the first bend") {
    CHECK(window.heat.pieces[2].entryDistance == doctest::Approx(d));
    checkWarmsFrom(*this, window, 2, {0, 0});
  }
  SUBCASE("the right bar warms from the second bend, after the whole bottom bar") {
    CHECK(window.heat.pieces[4].entryDistance == doctest::Approx(d + 4215));
    checkWarmsFrom(*this, window, 4, {0, 2895});
  }
}

TEST_CASE_FIXTURE(StartedProgram, "multi-piece presses that do not start a run") {
  t::click(*program.menu.card("t").button);
  SimulationWindow& window = *program.window("t");

  SUBCASE("the right button") {
    press(window, 1, 400, 400, forms::rightButton);
    ticks(10);
    CHECK_FALSE(window.heat.running());
    CHECK_FALSE(anyTimerRunning(window));
    CHECK_FALSE(window.burner->visible());
    CHECK(allPiecesCold(window));
  }

  SUBCASE("a second press while heating and after the end") {
    press(window, 2, 1200, 300);
    ticks(5);
    press(window, 3, 420, 2000);
    CHECK(window.heat.clickedPiece() == 2);
    CHECK(window.burner->left() == doctest::Approx(4320 + 1200 - 240));
    CHECK(window.heat.pieces[0].frontRadius > 200);  // not restarted
    runToTheEnd(*this, window, 400);
    REQUIRE(window.retryButton->visible());
    press(window, 0, 100, 100);
    CHECK(window.heat.clickedPiece() == 2);
    CHECK_FALSE(anyTimerRunning(window));
  }
}

// "もう一度" may appear while a piece far from the burner is still heating.
// Pressed then, it must stop that piece too, or its timer would go on
// painting heat onto the cleared metal.
TEST_CASE_FIXTURE(StartedProgram, "\"もう一度\" while a far piece is still heating") {
  SimulationWindow* window = nullptr;
  std::int16_t stillHeating = 0;
  SUBCASE("spiral, pressed at the top of the right bar") {
    t::click(*program.menu.card("spiral").button);
    window = program.window("spiral");
    press(*window, 4, 367.5f, 0);
    stillHeating = 0;
  }
  SUBCASE("H, pressed at the right end of the crossbar") {
    t::click(*program.menu.card("h").button);
    window = program.window("h");
    press(*window, 3, 2850, 200);
    stillHeating = 2;
  }
  REQUIRE(window != nullptr);
  for (int tick = 0; tick < 2000 && !window->retryButton->visible(); ++tick) ticks(1);
  REQUIRE(window->retryButton->visible());
  REQUIRE(window->heatTimers[stillHeating]->enabled());

  t::click(*window->retryButton);
  CHECK_FALSE(window->heat.running());
  CHECK_FALSE(anyTimerRunning(*window));
  CHECK(allPiecesCold(*window));
  ticks(400);
  CHECK(allPiecesCold(*window));
  for (std::int16_t i = 0; i < window->pieceCount(); ++i) {
    CHECK_FALSE(window->markers[i]->visible());
    CHECK(window->metal[i]->mousePointer() == forms::MousePointer::Custom);
  }
  CHECK_FALSE(window->burner->visible());
  CHECK_FALSE(window->retryButton->visible());

  // The next press starts every piece afresh.
  press(*window, 1, 100, 100);
  for (std::int16_t i = 0; i < window->pieceCount(); ++i) CHECK(window->heatTimers[i]->enabled());
}

TEST_CASE_FIXTURE(StartedProgram, "\"もう一度\" after a full run clears every piece") {
  t::click(*program.menu.card("concave").button);
  SimulationWindow& window = *program.window("concave");
  press(window, 2, 1500, 300);
  const Timeline timeline = runToTheEnd(*this, window, 400);
  CHECK(timeline.retryShown == 225);  // the bar itself ends a press on the bar
  REQUIRE_FALSE(allPiecesCold(window));
  t::click(*window.retryButton);
  CHECK(allPiecesCold(window));
  CHECK_FALSE(window.heat.running());
  CHECK_FALSE(anyTimerRunning(window));
}
