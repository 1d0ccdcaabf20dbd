// A run on the plate and on the rod, from the press to "もう一度".
#include <doctest/doctest.h>

#include <vector>

#include "app_fixture.h"

using namespace velmora;
using namespace velmora::test;
namespace t = forms::testing;

namespace {

struct PlateOpen : StartedProgram {
  SimulationWindow& window;
  PlateOpen() : window(open()) {}
  SimulationWindow& open() {
    t::click(*program.menu.card("plate").button);
    return *program.window("plate");
  }
  void press(float x, float y, std::int16_t button = forms::leftButton) {
    t::mouseDown(*window.metal[0], button, x, y);
  }
};

void checkIdle(SimulationWindow& window) {
  CHECK_FALSE(window.heat.running());
  CHECK(allCold(*window.metal[0]));
  CHECK(window.metal[0]->mousePointer() == forms::MousePointer::Custom);
  CHECK(window.metal[0]->mouseIcon().icon.resource == "fire.ico");
  CHECK(window.metal[0]->mouseIcon().hotX == 16);
  CHECK(window.metal[0]->mouseIcon().hotY == 16);
  CHECK_FALSE(window.markers[0]->visible());
  CHECK_FALSE(window.burner->visible());
  CHECK_FALSE(window.retryButton->visible());
  CHECK_FALSE(window.heatTimers[0]->enabled());
}

}  // namespace

TEST_CASE_FIXTURE(PlateOpen, "the plate opens idle") { checkIdle(window); }

TEST_CASE_FIXTURE(PlateOpen, "a press on the plate lights the burner at the pressed point") {
  press(3240, 2220);
  CHECK(window.heat.running());
  CHECK(window.metal[0]->mousePointer() == forms::MousePointer::Default);
  CHECK(window.heatTimers[0]->enabled());
  // The burner image is centred on the press, in window coordinates...
  CHECK(window.burner->visible());
  CHECK(window.burner->left() == doctest::Approx(window.metal[0]->left() + 3240 - markerHalf));
  CHECK(window.burner->top() == doctest::Approx(window.metal[0]->top() + 2220 - markerHalf));
  // ... and so is the marker inside the plate, hidden until the front has
  // grown past it.
  CHECK(window.markers[0]->left() == doctest::Approx(3240 - markerHalf));
  CHECK(window.markers[0]->top() == doctest::Approx(2220 - markerHalf));
  CHECK_FALSE(window.markers[0]->visible());
  // Nothing is drawn before the first tick.
  CHECK(allCold(*window.metal[0]));

  SUBCASE("the marker shows at the fifth tick at normal speed") {
    ticks(4);
    CHECK_FALSE(window.markers[0]->visible());
    ticks(1);
    CHECK(window.markers[0]->visible());
    // Radius 296.58 after five ticks, drawn around the pressed point.
    checkDisc(*window.metal[0], 3240, 2220, 296.58f);
  }

  SUBCASE("the disc keeps its centre as it grows") {
    ticks(40);
    const float radius = static_cast<float>(window.heat.pieces[0].frontRadius);
    CHECK(radius > 2000);
    checkDisc(*window.metal[0], 3240, 2220, radius);
  }

  SUBCASE("the run stops at tick 86 and shows \"もう一度\"") {
    ticks(85);
    CHECK(window.heatTimers[0]->enabled());
    CHECK_FALSE(window.retryButton->visible());
    // The front already covers the plate; erase it to see whether the
    // stopping tick draws.
    window.metal[0]->setBackColor(grey);
    ticks(1);
    CHECK_FALSE(window.heatTimers[0]->enabled());
    CHECK(window.retryButton->visible());
    CHECK(allCold(*window.metal[0]));
    // The finished plate keeps its markers and the arrow, and stays busy.
    CHECK(window.markers[0]->visible());
    CHECK(window.burner->visible());
    CHECK(window.heat.running());
    CHECK(window.metal[0]->mousePointer() == forms::MousePointer::Default);
  }
}

// The check above only means something if erasing between ticks would
// show a drawing: the tick before the last one does draw.
TEST_CASE_FIXTURE(PlateOpen, "the tick before the last still draws") {
  press(3240, 2220);
  ticks(84);
  window.metal[0]->setBackColor(grey);
  ticks(1);
  CHECK(window.heatTimers[0]->enabled());
  CHECK(window.metal[0]->pixelAt(100, 100) == lightRed);
}

TEST_CASE_FIXTURE(PlateOpen, "presses that do not start a run") {
  SUBCASE("right and middle buttons on cold metal") {
    press(1000, 1000, forms::rightButton);
    press(1000, 1000, forms::middleButton);
    ticks(10);
    checkIdle(window);
  }

  SUBCASE("any press while heating or finished") {
    press(3240, 2220);
    ticks(10);
    const float burnerLeft = window.burner->left();
    const double reach = window.heat.pieces[0].maxReach;
    press(100, 100);
    ticks(1);
    CHECK(window.heat.pieces[0].sourceX == 3240);
    CHECK(window.heat.pieces[0].maxReach == reach);
    CHECK(window.burner->left() == burnerLeft);
    CHECK(window.heat.pieces[0].frontRadius > 600);  // not restarted

    ticks(100);
    REQUIRE(window.retryButton->visible());
    press(100, 100);
    CHECK(window.heat.pieces[0].sourceX == 3240);
    CHECK_FALSE(window.heatTimers[0]->enabled());
  }
}

TEST_CASE_FIXTURE(PlateOpen, "\"もう一度\" makes the plate cold and idle again") {
  press(0, 0);  // a corner: the longest run
  SUBCASE("at slow speed the run takes 615 ticks") {
    t::click(*window.speedOptions[0]);
    ticks(614);
    CHECK_FALSE(window.retryButton->visible());
    ticks(1);
    CHECK(window.retryButton->visible());
  }
  SUBCASE("at fast speed 128 ticks") {
    t::click(*window.speedOptions[2]);
    ticks(127);
    CHECK_FALSE(window.retryButton->visible());
    ticks(1);
    CHECK(window.retryButton->visible());
  }
  REQUIRE_FALSE(allCold(*window.metal[0]));
  t::click(*window.retryButton);
  checkIdle(window);

  // And a new press starts a new run from the new point.
  press(500, 400);
  CHECK(window.heat.running());
  CHECK(window.heatTimers[0]->enabled());
  ticks(3);
  checkDisc(*window.metal[0], 500, 400, static_cast<float>(window.heat.pieces[0].frontRadius));
}

TEST_CASE_FIXTURE(PlateOpen, "a faster speed chosen during a run lengthens the next step") {
  press(3240, 2220);
  ticks(10);
  const double before = window.heat.pieces[0].frontRadius;
  ticks(1);
  const double normalStep = window.heat.pieces[0].frontRadius - before;
  t::click(*window.speedOptions[2]);
  const double atSwitch = window.heat.pieces[0].frontRadius;
  ticks(1);
  const double fastStep = window.heat.pieces[0].frontRadius - atSwitch;
  CHECK(fastStep > 1.9 * normalStep);
  CHECK(window.heat.running());
}

TEST_CASE_FIXTURE(PlateOpen, "leaving in the middle of a run and coming back") {
  press(3240, 2220);
  ticks(20);
  t::click(*window.backButton);
  CHECK(program.menu.visible());
  // The run ends with the window: nothing ticks in the background.
  ticks(200);
  CHECK(window.ownedTimerCount() == 0);
  t::click(*program.menu.card("plate").button);
  REQUIRE(program.window("plate") == &window);
  checkIdle(window);
  CHECK(window.speedOptions[1]->value());
}

TEST_CASE_FIXTURE(PlateOpen, "handlers called on a closed window touch nothing") {
  press(3240, 2220);
  ticks(20);
  const double radius = window.heat.pieces[0].frontRadius;
  t::click(*window.backButton);
  REQUIRE_FALSE(window.loaded());
  // Its controls are gone; a late call must neither reach them nor change
  // the run it left.
  window.heatTimerTicked(0);
  window.retryClicked();
  window.metalPressed(forms::leftButton, 0, 100, 100);
  CHECK(window.heat.running());
  CHECK(window.heat.pieces[0].frontRadius == radius);
  CHECK(window.heat.pieces[0].sourceX == 3240);
}

TEST_CASE_FIXTURE(PlateOpen, "from the keyboard alone: aim, light, once more, and the same heat") {
  REQUIRE(window.focused() == window.backButton);
  t::pressKey(window, forms::Key::Tab);
  REQUIRE(window.focused() == window.metal[0]);
  forms::PictureBox& metal = *window.metal[0];
  CHECK(metal.aim().x == metal.width() / 2);
  CHECK(metal.aim().y == metal.height() / 2);
  t::pressKey(window, forms::Key::Right);
  t::pressKey(window, forms::Key::Down, 1);
  const forms::Point aimed = metal.aim();
  CHECK(aimed.x == metal.width() / 2 + forms::aimStep);
  CHECK(aimed.y == metal.height() / 2 + forms::fineAimStep);

  // Space lights the burner at the cross, and the run goes to its end.
  t::pressKey(window, forms::Key::Space);
  REQUIRE(window.heat.running());
  CHECK(window.heat.pieces[0].pressedPoint.x == aimed.x);
  CHECK(window.heat.pieces[0].pressedPoint.y == aimed.y);
  // While the metal heats, the arrows leave the aim where it is.
  t::pressKey(window, forms::Key::Left);
  CHECK(metal.aim().x == aimed.x);
  int keyTicks = 0;
  while (!window.retryButton->visible() && keyTicks < 2000) {
    ticks(1);
    ++keyTicks;
  }
  const std::vector<forms::Color> keyHeat = metal.canvas().pixels();
  const double keyRadius = window.heat.pieces[0].frontRadius;

  // "もう一度" from the keyboard gives the focus back to the heated metal,
  // its cross where it was.
  t::pressKey(window, forms::Key::Tab);
  REQUIRE(window.focused() == window.retryButton);
  t::pressKey(window, forms::Key::Enter);
  checkIdle(window);
  CHECK(window.focused() == &metal);
  CHECK(metal.aim().x == aimed.x);
  CHECK(metal.aim().y == aimed.y);

  // A mouse press on the same point heats exactly alike, to the last tick.
  press(aimed.x, aimed.y);
  int mouseTicks = 0;
  while (!window.retryButton->visible() && mouseTicks < 2000) {
    ticks(1);
    ++mouseTicks;
  }
  CHECK(mouseTicks == keyTicks);
  CHECK(window.heat.pieces[0].frontRadius == keyRadius);
  CHECK(metal.canvas().pixels() == keyHeat);
}

TEST_CASE_FIXTURE(StartedProgram, "the rod") {
  t::click(*program.menu.card("rod").button);
  SimulationWindow& rod = *program.window("rod");
  // The rod is thinner than the burner, which shows above and below it
  // from the moment of the press.
  t::mouseDown(*rod.metal[0], forms::leftButton, 4200, 60);
  CHECK(rod.burner->visible());
  CHECK(rod.burner->left() == doctest::Approx(rod.metal[0]->left() + 4200 - markerHalf));
  CHECK(rod.burner->top() == doctest::Approx(rod.metal[0]->top() + 60 - markerHalf));
  CHECK_FALSE(rod.markers[0]->visible());
  ticks(5);
  CHECK(rod.markers[0]->visible());
  ticks(98);
  CHECK_FALSE(rod.retryButton->visible());
  CHECK(rod.metal[0]->pixelAt(10, 67) == lightRed);
  CHECK(rod.metal[0]->pixelAt(8400, 67) == lightRed);
  ticks(1);  // tick 104
  CHECK(rod.retryButton->visible());
  CHECK_FALSE(rod.heatTimers[0]->enabled());
  t::click(*rod.retryButton);
  CHECK(allCold(*rod.metal[0]));
  CHECK_FALSE(rod.burner->visible());
}
