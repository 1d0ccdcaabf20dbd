// A thousand openings and closings of every window, idle, heating and
// finished, by every way out: the controls and timers of every opening are
// all gone again once its window is closed.
#include <doctest/doctest.h>

#include "forms/testing.h"
#include "soak/program_checks.h"
#include "soak/program_run.h"
#include "soak/program_view.h"

using namespace velmora;
using namespace velmora::soak;
namespace t = forms::testing;

namespace {

void open(MenuWindow& menu, const MenuButton& button, int cycle) {
  switch (cycle % 3) {
    case 0: t::click(*button.box); break;
    case 1: t::click(*button.caption); break;
    default: {
      const forms::FilledRect& shape = *button.pictogram.back();
      t::clickAt(menu, button.box->Left() + shape.Left() + shape.Width() / 2,
                 button.box->Top() + shape.Top() + shape.Height() / 2);
    }
  }
}

// Leaves the window idle, heating, or finished (the last, costly in
// ticks, now and then only).
void bringToState(ProgramRun& run, SimulationWindow& window, int cycle) {
  const Metal metal(window);
  forms::PictureBox& field = metal.field(cycle % metal.pieces());
  switch (cycle % 4) {
    case 0: break;
    case 1:
      t::mouseDown(field, forms::leftButton, field.Width() / 3, field.Height() / 2);
      run.advance(50 * (1 + cycle % 7));
      break;
    case 2:
      t::click(*window.speed[static_cast<std::size_t>(cycle % 3)]);
      t::mouseDown(field, forms::leftButton, 0, 0);
      run.advance(cycle % 40 == 2 ? 200000 : 120);
      break;
    default:
      t::pressKey(window, forms::Key::Tab);
      t::mouseDown(field, forms::rightButton, 10, 10);
      break;
  }
}

void close(SimulationWindow& window, int cycle) {
  switch (cycle % 5) {
    case 0: t::click(*window.owari); break;
    case 1: t::closeBox(window); break;
    case 2:
      t::clickAt(window, window.owari->Left() + 30, window.owari->Top() + 30);
      break;
    case 3:
      // The focus is where the keys left it; Space on "もどる" only.
      if (window.focused() == window.owari) {
        t::pressKey(window, forms::Key::Space);
      } else {
        t::click(*window.owari);
      }
      break;
    default: t::closeBox(window); break;
  }
}

int windowObjects(Program& program) {
  int made = 0;
  for (int n = 1; n <= simulationCount; ++n) made += simulationWindow(program, n) ? 1 : 0;
  return made;
}

}  // namespace

TEST_CASE("a thousand openings and closings of every window leave no control or timer behind") {
  ProgramRun run;
  Program& program = run.program();
  ProgramChecks checks;
  REQUIRE(checks.afterStart(program, run.objectsBefore()) == "");
  const int atStart = forms::liveObjectCount();

  for (const MenuButton& button : menuButtons(program.main)) {
    CAPTURE(button.opens);
    for (int cycle = 0; cycle < 1000; ++cycle) {
      CAPTURE(cycle);
      open(program.main, button, cycle);
      int number = 0;
      SimulationWindow* window = openWindow(program, &number);
      REQUIRE(window != nullptr);
      REQUIRE(number == button.opens);
      REQUIRE(checks.afterEvent(program) == "");
      bringToState(run, *window, cycle);
      REQUIRE(checks.afterEvent(program) == "");
      close(*window, cycle);
      REQUIRE(checks.afterEvent(program) == "");
      REQUIRE(openWindow(program) == nullptr);
      // Only the window objects themselves stay, one per window opened.
      REQUIRE(forms::liveObjectCount() == atStart + windowObjects(program));
    }
  }
  CHECK(windowObjects(program) == simulationCount);

  // Ending the program and dropping the program object leaves nothing.
  t::click(*program.main.Command4);
  CHECK(checks.afterEnd(program) == "");
  run.tearDown();
  CHECK(run.objectsAfterTearDown() == run.objectsBefore());
}
