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

void open(MenuWindow& menu, const MenuWindow::ShapeCard& button, int cycle) {
  switch (cycle % 3) {
    case 0:
      t::click(*button.button);
      break;
    case 1:
      t::click(*button.caption);
      break;
    default: {
      const forms::FilledRect& shape = *button.pictogram.back();
      t::clickAt(menu, button.button->left() + shape.left() + shape.width() / 2,
                 button.button->top() + shape.top() + shape.height() / 2);
    }
  }
}

// Leaves the window idle, heating, or finished (the last, costly in
// ticks, now and then only).
void bringToState(ProgramRun& run, SimulationWindow& window, int cycle) {
  forms::PictureBox& field = *window.metal[static_cast<std::size_t>(cycle % window.pieceCount())];
  switch (cycle % 4) {
    case 0:
      break;
    case 1:
      t::mouseDown(field, forms::leftButton, field.width() / 3, field.height() / 2);
      run.advance(50 * (1 + cycle % 7));
      break;
    case 2:
      t::click(*window.speedOptions[static_cast<std::size_t>(cycle % 3)]);
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
    case 0:
      t::click(*window.backButton);
      break;
    case 1:
      t::closeBox(window);
      break;
    case 2:
      t::clickAt(window, window.backButton->left() + 30, window.backButton->top() + 30);
      break;
    case 3:
      // The focus is where the keys left it; Space on "もどる" only.
      if (window.focused() == window.backButton) {
        t::pressKey(window, forms::Key::Space);
      } else {
        t::click(*window.backButton);
      }
      break;
    default:
      t::closeBox(window);
      break;
  }
}

int windowObjects(Program& program) {
  int made = 0;
  for (int n = 1; n <= shapeCount; ++n) made += shapeWindow(program, n) ? 1 : 0;
  return made;
}

}  // namespace

TEST_CASE("a thousand openings and closings of every window leave no control or timer behind") {
  ProgramRun run;
  Program& program = run.program();
  ProgramChecks checks;
  REQUIRE(checks.afterStart(program, run.objectsBefore()) == "");
  const int atStart = forms::liveObjectCount();

  for (int place = 1; place <= shapeCount; ++place) {
    CAPTURE(shapeName(place));
    const MenuWindow::ShapeCard& button = program.menu.cards[static_cast<std::size_t>(place - 1)];
    for (int cycle = 0; cycle < 1000; ++cycle) {
      CAPTURE(cycle);
      open(program.menu, button, cycle);
      int number = 0;
      SimulationWindow* window = openWindow(program, &number);
      REQUIRE(window != nullptr);
      REQUIRE(number == place);
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
  CHECK(windowObjects(program) == shapeCount);

  // Ending the program and dropping the program object leaves nothing.
  t::click(*program.menu.finishButton);
  CHECK(checks.afterEnd(program) == "");
  run.tearDown();
  CHECK(run.objectsAfterTearDown() == run.objectsBefore());
}
